// Start-up, activation, the exit question and the unload that saves the option states.
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include <array>
#include <cmath>
#include <QTabWidget>

#include "app/betuvalaszto.h"
#include "app/frmabout.h"
#include "app/frmlavindor.h"
#include "app/nyomtatovalaszto.h"
#include "common/messages.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "common/shell.h"
#include "common/tricheckbox.h"
#include "layouts/elsoinditas.h"
#include "layouts/frmsetup.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/cimkelap.h"
#include "printing/envelopes/kepmeret.h"
#include "printing/orders/rcsekklap.h"
#include "printing/receipts/feladolap.h"
#include "printing/receipts/iratlap.h"
#include "printing/receipts/tertilap.h"
#include "printing/slips/csekklap.h"
#include "records/fizetocsere.h"
#include "records/fizetofajlok.h"
#include "records/fizetolista.h"
#include "records/jogcimek.h"

QStringList kozlemenyLista(const QString& folder) {
  QStringList l{QString()};
  for (const QString& s : readList(folder, kKozlemFile)) l << s.leftJustified(25, QLatin1Char(' '));
  return l;
}

QStringList jogcim1Lista(const QString& folder) {
  QStringList l;
  for (const QString& s : readList(folder, kJogcimekFile)) l << trimmed(s);
  return l;
}

QStringList jogcim2Lista(const QString& folder, const QDate& today) {
  const QString hatarido = QLocale::system().toString(today.addDays(10), QLocale::ShortFormat);
  QStringList l;
  for (const QString& s : readList(folder, kJogcimek2File)) {
    const QString t = trimmed(s);
    l << (t == QStringLiteral("Fiz. hat.:") ? t + hatarido : t);
  }
  return l;
}

void frmLavindor::Form_Load() {
  // 0. An interrupted change of the payer files is finished or undone before anything reads
  // them.
  fizetoParHelyreallitas(platform_.folder);
  // 1. 10665 twips high, centred on the screen.
  resize(width(), 711);
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect r = s->availableGeometry();
    move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
  }
  // 2.-3. Nothing below raises: every loader reads a missing or short file as zeros. A new
  // installation first gets its layout files with their factory values.
  const QStringList nemIrhato = gyariFajlokLetrehozasa(platform_.folder);
  if (!nemIrhato.isEmpty() && platform_.messages)
    platform_.messages->info(QStringLiteral("A program mappájában nem hozhatók létre a nyomtatványok "
                                            "beállításai (%1), ezért a nyomtatványok üres beállítással "
                                            "indulnak.")
                                 .arg(nemIrhato.join(QStringLiteral(", "))),
                             QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
  // A Set.dat that cannot be written is reported once, here or just above, not by every save
  // below.
  if (!setIrhato(platform_.folder)) {
    nyomtato->csendes = true;
    if (!nemIrhato.contains(kSetFile))
      platform_.messages->info(QStringLiteral("A Set.dat fájl nem írható, ezért a beállítások változásai "
                                              "nem kerülnek mentésre."),
                               QStringLiteral(" FIGYELEM "), MsgIcon::Exclamation);
  }
  // 4. The return receipt's date and the printer list start empty.
  tertiLap->txtTertiDatum->clear();
  nyomtato->Combo2->clear();
  // 5.-6. The label sheet's choices and its set-up, defaults where it holds none.
  cimkeLap->fillChoices();
  loadSettings(platform_.folder, kCimkeSetupFile, allapot_.CimkeSetup);
  cimkeLap->showSetup();
  // 7.-8. The payer list empty, the installed printers listed.
  lista->modell()->urit();
  nyomtato->fill();
  // 9.-10. The general settings; the saved printer chosen again (an index that names no
  // installed printer chooses the system default) and saved.
  loadSet(platform_.folder, allapot_.Set);
  nyomtato->select(allapot_.Set.NyomtatoIndex);
  // 11. The receipt pages' texts and return-address options (a value a box cannot hold is
  // skipped; a box whose value changes runs its handler).
  const SetRekord& set = allapot_.Set;
  tertiLap->txtTertiPosta->setText(trimmed(set.TertiPosta));
  iratLap->chkVisszaCimPrint[0]->setValue(set.VisszaCimPrint0);
  iratLap->chkVisszaCimPrint[1]->setValue(set.VisszaCimPrint1);
  iratLap->chkVisszaCimPrint[2]->setValue(set.VisszaCimPrint2);
  iratLap->txtIratErtesites->setText(trimmed(set.IratErtesites));
  // 12. The list order, before the list is first loaded. Runs chkListaSorren_Click when the
  // value differs from the box's; a value the box cannot hold is skipped.
  lista->chkListaSorren->setValue(allapot_.Set.ListaSorren);
  // 13. Picture printing on the envelope.
  boritekLap->chkKepPrint->setValue(set.KepPrint == 1 ? 1 : 0);
  // 14. The money order's fixed party (neither option on a brand-new installation).
  if (isTrue(set.AllandoCimzett)) rcsekkLap->allandoValaszt(0);
  if (isTrue(set.AllandoFelado)) rcsekkLap->allandoValaszt(1);
  // 15. The payer-identifier copy.
  csekkLap->chkBefAzonMasolasa->setValue(isTrue(allapot_.Set.BefAzonMasolasa) ? 1 : 0);
  // 16. Printer or system default.
  nyomtato->choose(isTrue(allapot_.Set.AlapNyomtato) ? 1 : 0);
  // 17. The envelope: C6 and its block positions until the size option says otherwise.
  loadSettings(platform_.folder, kBoritekFile, allapot_.Layouts.Boritek);
  allapot_.Boritek.BoritekMeret = 1;
  allapot_.Boritek.BoritekFeladoX = allapot_.Layouts.Boritek.C6Felado_x;
  allapot_.Boritek.BoritekFeladoY = allapot_.Layouts.Boritek.C6Felado_y;
  allapot_.Boritek.BoritekCimzettY = allapot_.Layouts.Boritek.C6Cimzett_y;
  allapot_.Boritek.BoritekCimzettX = allapot_.Layouts.Boritek.C6Cimzett_x;
  const BoritekRekord& b = allapot_.Layouts.Boritek;
  const std::array<TriCheckBox*, 4> fkf{boritekLap->chkFKFNev, boritekLap->chkFKFCim1, boritekLap->chkFKFCim2,
                                        boritekLap->chkFKFIrsz};
  const std::array<TriCheckBox*, 5> fkc{boritekLap->chkFKCNev, boritekLap->chkFKCCim1, boritekLap->chkFKCCim2,
                                        boritekLap->chkFKCIrsz, boritekLap->chkFKCNev2};
  for (size_t i = 0; i < fkf.size(); ++i) fkf[i]->setValue(isTrue(b.FKF[i]) ? 1 : 0);
  for (size_t i = 0; i < fkc.size(); ++i) fkc[i]->setValue(isTrue(b.FKC[i]) ? 1 : 0);
  // 18. The saved envelope size; its option's handler sets the size and block positions.
  switch (set.BoritekMeret) {
    case 0:
    case 1: boritekLap->OpB1->setChecked(true); break;
    case 2: boritekLap->OpB2->setChecked(true); break;
    case 3: boritekLap->OpB3->setChecked(true); break;
    default: break;
  }
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
  betuk->load();
  // 23. The envelope picture.
  loadSettings(platform_.folder, kKepmentFile, allapot_.Kepment);
  allapot_.KivalasztottKep = trimmed(allapot_.Kepment.KepUtvonal);
  // The sizes in the captions' unit (twips / 543), as the size handler computes them, so an
  // envelope printed before the picture is touched has the size shown.
  allapot_.KepSzeles = Fixed::fromDouble(allapot_.Kepment.KepSzelesseg.value() / kTwipsPerKepCm).value();
  allapot_.KepMagas = Fixed::fromDouble(allapot_.Kepment.KepMagassag.value() / kTwipsPerKepCm).value();
  const KepmentRekord& k = allapot_.Kepment;
  const QRect regi = boritekLap->image3Twips();
  // A size never saved (0), or one no preview can show (a damaged file), keeps the picture
  // box's own size.
  auto twips = [](Fixed f) { return f.value() > 0 && f.value() <= 32767 ? int(std::lround(f.value())) : 0; };
  const int w = twips(k.KepSzelesseg), h = twips(k.KepMagassag);
  boritekLap->setImage3Twips(w > 0 && h > 0 ? QRect(k.KepX, k.KepY, w, h) : QRect(QPoint(k.KepX, k.KepY), regi.size()));
  const QRect most = boritekLap->image3Twips();
  boritekLap->HScroll1->setValue(most.width() > most.height() ? most.width() : most.height());
  // 24. The picture's position in millimetres, by the same rule as the size options.
  boritekLap->kepPozFrissit();
}

namespace {

// Replaces a choice list's items and leaves its text empty.
void listaBe(QComboBox* c, const QStringList& elemek) {
  c->clear();
  c->addItems(elemek);
  if (c->isEditable()) c->setEditText(QString());
  else c->setCurrentIndex(-1);
}

}  // namespace

void frmLavindor::Form_Activate() {
  setWindowTitle(cim());
  csekkLap->txCim1->setEnabled(true);
  csekkLap->txCim2->setEnabled(true);
  csekkLap->txIrszam->setEnabled(true);
  feladoLap->txNev3->setEnabled(true);
  boritekLap->txtBoritekCimzettNev->setEnabled(true);
  boritekLap->txtBoritekCimzettNev2->setEnabled(true);
  // The reference lists, edited in the settings dialog, read afresh.
  listaBe(csekkLap->Kozlemeny1, kozlemenyLista(platform_.folder));
  listaBe(csekkLap->txtJogcim1, jogcim1Lista(platform_.folder));
  listaBe(csekkLap->txtJogcim2, jogcim2Lista(platform_.folder, platform_.today()));
  // The envelope picture drawn again (a picture chosen in the browser comes in here).
  boritekLap->HScroll1_Change();
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
  loadSet(platform_.folder, allapot_.Set);
  nyomtato->select(allapot_.Set.NyomtatoIndex);

  const int16_t sorrend = int16_t(lista->chkListaSorren->value());
  const int16_t fekvo = OpOrientacioFekvo->isChecked() ? 1 : 0;
  const int16_t alap = flagOf(nyomtato->opPrinter[1]->isChecked());
  const int16_t befAzon = flagOf(csekkLap->chkBefAzonMasolasa->value() == 1);
  const QString tertiPosta = tertiLap->txtTertiPosta->text();
  const QString iratErtesites = iratLap->txtIratErtesites->text();
  const int16_t vissza0 = iratLap->chkVisszaCimPrint[0]->value() != 0 ? 1 : 0;
  const int16_t vissza1 = iratLap->chkVisszaCimPrint[1]->value() != 0 ? 1 : 0;
  const int16_t kepPrint = boritekLap->chkKepPrint->value() == 1 ? 1 : 0;
  const int16_t cimzett = flagOf(rcsekkLap->opAllando[0]->isChecked());
  const int16_t felado = flagOf(rcsekkLap->opAllando[1]->isChecked());
  const int16_t meret = boritekLap->OpB1->isChecked()   ? 1
                        : boritekLap->OpB2->isChecked() ? 2
                        : boritekLap->OpB3->isChecked() ? 3
                                                        : 0;
  // Read-modify-write: fields owned by other windows keep their bytes. A folder that cannot
  // be written keeps the file as it was, and the user hears that the changes are lost.
  const bool mentve = saveSetFields(platform_.folder, allapot_.Set, [&](SetRekord& s) {
    if (isTrue(s.KilepeskorMentes)) {
      s.TertiPosta = tertiPosta;
      s.IratErtesites = iratErtesites;
      s.VisszaCimPrint0 = vissza0;
      s.VisszaCimPrint1 = vissza1;
      s.VisszaCimPrint2 = 0;
    }
    s.ListaSorren = sorrend;
    if (meret != 0) s.BoritekMeret = meret;
    s.KepPrint = kepPrint;
    s.AllandoCimzett = cimzett;
    s.AllandoFelado = felado;
    s.OrientacioFekvo = fekvo;
    s.AlapNyomtato = alap;
    s.BefAzonMasolasa = befAzon;
  });
  if (!mentve)
    platform_.messages->info(QStringLiteral("A Set.dat fájl nem írható: a beállítások változásai elvesznek."),
                             QStringLiteral(" FIGYELEM "), MsgIcon::Exclamation);
  // The envelope's bold switches.
  const BoritekLap& bl = *boritekLap;
  const std::array<int, 4> fkf{bl.chkFKFNev->value(), bl.chkFKFCim1->value(), bl.chkFKFCim2->value(), bl.chkFKFIrsz->value()};
  const std::array<int, 5> fkc{bl.chkFKCNev->value(), bl.chkFKCCim1->value(), bl.chkFKCCim2->value(),
                               bl.chkFKCIrsz->value(), bl.chkFKCNev2->value()};
  modifySettings(platform_.folder, kBoritekFile, allapot_.Layouts.Boritek, [&](BoritekRekord& r) {
    for (size_t i = 0; i < fkf.size(); ++i) r.FKF[i] = flagOf(fkf[i] != 0);
    for (size_t i = 0; i < fkc.size(); ++i) r.FKC[i] = flagOf(fkc[i] != 0);
  });
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
