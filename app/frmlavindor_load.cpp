// Start-up, activation, the exit question and the unload that saves the option states.
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <QTabWidget>

#include "app/betuvalaszto.h"
#include "app/frmabout.h"
#include "app/frmlavindor.h"
#include "app/indulasellenorzes.h"
#include "app/nyomtatovalaszto.h"
#include "common/messages.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "common/shell.h"
#include "common/tricheckbox.h"
#include "exchange/helyreallitas.h"
#include "layouts/elsoinditas.h"
#include "layouts/frmsetup.h"
#include "payerstore/fizetofajlok.h"
#include "payerwindows/fizetolista.h"

void frmLavindor::Form_Load() {
  // 0. An interrupted change of the payer files (and a watched file claimed for it) is finished
  // or undone before anything reads them; an undone one is said.
  const QString helyreallitas = adatfajlokHelyreallitasa(platform_.folder);
  if (!helyreallitas.isEmpty() && platform_.messages)
    platform_.messages->info(helyreallitas, QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
  // 1. Centred on the screen it opens on, inside the screen's free area.
  if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
    kepernyohozIgazit(s->availableGeometry());
  // 2.-3. Nothing below raises: every loader reads a missing or short file as zeros. A new
  // installation first gets its layout files with their factory values.
  const QStringList nemIrhato = gyariFajlokLetrehozasa(platform_.folder);
  // A record file at whose name something else than a regular file stands is said once; it is
  // neither read nor written in this run.
  // A name that cannot even be looked at counts as damaged too.
  const Valasz<QString> setFajta = nemFajlFajta(dataPath(platform_.folder, kSetFile));
  const bool setSerult = !setFajta || !setFajta->isEmpty();
  if (const QString serult = serultFajlokUzenete(platform_.folder); !serult.isEmpty() && platform_.messages)
    platform_.messages->info(serult, QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
  // What cannot be written in this run (the folder, the payer pair, Set.dat) is said once,
  // here, not by every save below.
  const IrasiKorlatok korlatok = irasiKorlatok(platform_, nemIrhato, setSerult);
  if (!korlatok.setIrhato || !setIrhato(platform_.folder)) nyomtato->csendes = true;
  if (!korlatok.uzenet.isEmpty() && platform_.messages)
    platform_.messages->info(korlatok.uzenet, QStringLiteral(" FIGYELEM "), MsgIcon::Exclamation);
  // 4. The printer list starts empty.
  nyomtato->Combo2->clear();
  // 7.-8. The payer list empty, the installed printers listed.
  lista->modell()->urit();
  nyomtato->fill();
  // 9.-10. The general settings; the saved printer chosen again (an index that names no
  // installed printer chooses the system default) and saved. A Set.dat that cannot be read is
  // said once, below: the run goes on with the factory values, which nothing saves over it.
  // (A damaged one, said above, counts as empty.)
  QStringList olvasatlan;
  allapot_.SetHiba.clear();
  if (!loadSet(platform_.folder, allapot_.Set, &allapot_.SetHiba) && !setSerult) {
    allapot_.Set = gyariSet();
    nyomtato->csendes = true;
    olvasatlan << allapot_.SetHiba +
                      QStringLiteral("\r\nA program a gyári beállításokkal indul, és kilépéskor nem ír a fájlba.");
  }
  if (setSerult) allapot_.SetHiba.clear();
  nyomtato->select(allapot_.Set.NyomtatoIndex);
  // 11. Every page's own controls from the settings kept between runs and its own files (the
  // return receipt's date empty, the label sheet's set-up, the envelope's size and bold
  // switches, ...); a value a box cannot hold is skipped, a box whose value changes runs its
  // handler.
  for (FormPage* p : oldalak_) p->load(allapot_.Set);
  // 12. The list order, before the list is first loaded. Runs chkListaSorren_Click when the
  // value differs from the box's; a value the box cannot hold is skipped.
  lista->chkListaSorren->setValue(allapot_.Set.ListaSorren);
  // 16. Printer or system default.
  nyomtato->choose(isTrue(allapot_.Set.AlapNyomtato) ? 1 : 0);
  // 19. The saved page; the tab change runs the page change when the page differs, and it
  // runs once more for the saved page itself.
  SSTab1->setCurrentIndex(allapot_.Set.AktivLap);
  SSTab1_Click();
  // 20. The payer list. A payer file that cannot be read is said once, and nothing writes the
  // payer files in this run.
  allapot_.NevekHiba = nevekOlvasasiHiba(platform_.folder);
  if (!allapot_.NevekHiba.isEmpty())
    platform_.messages->info(allapot_.NevekHiba, QStringLiteral("Hiba"), MsgIcon::Critical);
  lista->Beolvas();
  // 21.-22. The label fonts: the printer's fonts, then the saved choices.
  betuk->fillFonts();
  if (const QString hiba = betuk->load(); !hiba.isEmpty()) olvasatlan << hiba;
  // 23.-24. What the pages take after the list: the envelope picture and its placement.
  for (FormPage* p : oldalak_) p->loaded();
  // The settings files that could not be read, all in one message.
  for (const FormPage* p : oldalak_) olvasatlan << p->olvasatlan();
  if (!olvasatlan.isEmpty() && platform_.messages)
    platform_.messages->info(olvasatlan.join(QStringLiteral("\r\n")), QStringLiteral("Hiba"), MsgIcon::Critical);
}

void frmLavindor::Form_Activate() {
  setWindowTitle(cim());
  // The pages' controls enabled, their reference lists read afresh, the envelope picture
  // drawn again.
  for (FormPage* p : oldalak_) p->activate();
}

void frmLavindor::mnuKilep_Click() {
  if (!platform_.messages->ask(QStringLiteral("Biztos hogy Befejezed?\n\n"), QStringLiteral(" Kilépés "))) return;
  close();
}

void frmLavindor::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  // The saved printer chosen again, which saves its index once more. A Set.dat that cannot be
  // written is reported once, below.
  nyomtato->csendes = true;
  QStringList hibak;
  // A Set.dat that start-up could not read (and said so) gets nothing: the values of this run
  // are the factory ones, not what the file holds.
  if (allapot_.SetHiba.isEmpty()) hibak << setMentes();
  // The pages' own files (the envelope's bold switches).
  for (FormPage* p : oldalak_) hibak << p->saveFiles();
  hibak.removeAll(QString());
  if (!hibak.isEmpty())
    platform_.messages->info(hibak.join(QStringLiteral("\r\n")), QStringLiteral(" FIGYELEM "), MsgIcon::Exclamation);
}

QString frmLavindor::setMentes() {
  // A Set.dat that cannot be read now is said by the save below, which writes nothing then.
  if (loadSet(platform_.folder, allapot_.Set)) nyomtato->select(allapot_.Set.NyomtatoIndex);

  const int16_t sorrend = int16_t(lista->chkListaSorren->value());
  const int16_t fekvo = OpOrientacioFekvo->isChecked() ? 1 : 0;
  const int16_t alap = flagOf(nyomtato->opPrinter[1]->isChecked());
  // Read-modify-write: fields owned by other windows keep their bytes. A file that cannot be
  // written keeps what it held, and the user hears, file by file, what did not reach the disk.
  const MentesEredmeny set = saveSetFields(platform_.folder, allapot_.Set, [&](SetRekord& s) {
    for (const FormPage* p : oldalak_) p->save(s);
    s.ListaSorren = sorrend;
    s.OrientacioFekvo = fekvo;
    s.AlapNyomtato = alap;
  });
  if (set) return {};
  return mentesUzenet(set, QStringLiteral("A Set.dat fájl nem írható: a beállítások változásai elvesznek."),
                      QStringLiteral("a beállítások"));
}

void frmLavindor::mnuSetup_Click() {
  frmSetup::open(platform_, allapot_.Set, allapot_.Layouts, allapot_.BeallitasFul);
  Form_Activate();
}

void frmLavindor::mnuAbout_Click() {
  frmAbout d(platform_, this);
  d.exec();
  Form_Activate();
}

bool frmLavindor::OpenBrowser(const QString& url) { return platform_.shell && platform_.shell->open(url); }
