// I/O errors at every file call of the changes of the record files: each operation's calls are
// counted, then each fails in turn (EIO; a write also ENOSPC and short). After the next start
// every file is its old or its new self, whole, the pair paired, no temporary stays, a failure
// is said, and nothing said to be done is missing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cstdio>
#include <map>
#include <memory>
#include <optional>

#include "common/cp1250.h"
#include "common/messages.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "exchange/csvexport.h"
#include "exchange/csvimport.h"
#include "exchange/helyreallitas.h"
#include "exchange/konvertalas.h"
#include "exchange/torles.h"
#include "payerstore/fizetomentes.h"
#include "payerstore/parok.h"
#include "payerwindows/frmosszegek.h"
#include "payerwindows/jogcimek.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/cimkerekordok.h"
#include "support/iohiba.h"
#include "support/regifajl.h"
#include "support/tempfolder.h"
#include "tests/exchange/tick.h"
#include "tests/layouts/setupfixture.h"

namespace {

QByteArray bejegyzes(const QString& s) { return cp1250::encode(s).leftJustified(25, ' ', true); }

// The messages shown; a question (a confirmation asked before the save) is none.
QString szovegek(const RecordedMessageBoxes& m) {
  QStringList t;
  for (const auto& s : m.shown)
    if (s.buttons != MsgButtons::YesNo && s.buttons != MsgButtons::YesNoCancel) t << s.text;
  return t.join(QStringLiteral(" | "));
}

using Fajlok = std::map<QString, QByteArray>;

// The files of `mappa` at the first call of `muvelet` that `mikor` picks (all of them after it
// when none does): a state that a crash there leaves.
Fajlok hivasnal(const QString& mappa, const std::function<void()>& muvelet,
                const std::function<bool(FajlHivas, const QString&)>& mikor) {
  auto kep = [&] {
    Fajlok f;
    const QDir dir(mappa);
    for (const QString& n : dir.entryList(QDir::Files | QDir::Hidden)) {
      QFile file(dir.filePath(n));
      if (file.open(QIODevice::ReadOnly)) f[n] = file.readAll();
    }
    return f;
  };
  std::optional<Fajlok> f;
  {
    FajlHorogProba proba([&](FajlHivas h, const QString& nev, qint64&, qint64) {
      if (!f && mikor(h, nev)) f = kep();
      return 0;
    });
    muvelet();
  }
  return f ? *f : kep();
}

class IoHibaTest : public ::testing::Test {
 protected:
  IoHibaTest() {
    platform.folder = folder.path();
    platform.messages = &msg;
  }
  void par(int n, int m) {
    folder.put(kNevekFile, parNevek(n));
    folder.put(kKozl3sorFile, parKozlemenyek(m));
  }
  // Runs the sweep over one operation and prints what it did.
  void sopor(IoHibaMuvelet m) {
    if (m.mappak.isEmpty()) m.mappak = {folder.path()};
    if (!m.helyreallitas) m.helyreallitas = [&] { (void)adatfajlokHelyreallitasa(folder.path()); };
    const IoHibaEredmeny e = ioHibaVegigjar(m);
    std::printf("I/O errors: %s: %d calls, %d runs failed (%d got over silently, %d calls left out), %d refused\n",
                qPrintable(m.nev), e.hivasok, e.futasok, e.csendes, e.kihagyva, e.hibak);
    EXPECT_GT(e.hivasok, 0) << m.nev.toStdString();
    EXPECT_EQ(e.hibak, 0) << m.nev.toStdString() << ":\n" << e.elsok.join(QStringLiteral("\n")).toStdString();
  }
  // A notice list of five, in the dialog; `valtoztat` adds or deletes.
  IoHibaMuvelet kozlemenyLista(const QString& nev, const std::function<void(frmKozlemeny&)>& valtoztat) {
    IoHibaMuvelet m;
    m.nev = nev;
    m.elokeszit = [this] {
      folder.put(kKozlemFile, bejegyzes("egy") + bejegyzes("kettő") + bejegyzes("három") + bejegyzes("négy") +
                                  bejegyzes("öt"));
      kozl = std::make_unique<frmKozlemeny>(platform);
      msg.shown.clear();
    };
    m.futtat = [this, valtoztat] {
      valtoztat(*kozl);
      const QString u = szovegek(msg);
    return IoKimenet{u.isEmpty(), u};
    };
    // Without a word, the list shows what the file holds.
    m.ellenoriz = [this](const IoKimenet& k) -> QString {
      if (!k.kesz) return {};
      QByteArray lista;
      for (int i = 0; i < kozl->ListView1->topLevelItemCount(); ++i) lista += bejegyzes(kozl->ListView1->topLevelItem(i)->text(0));
      return lista == folder.bytes(kKozlemFile) ? QString() : QStringLiteral("a lista mást mutat, mint a fájl");
    };
    return m;
  }
  static IoKimenet mentes(const MentesEredmeny& r) {
    return {r.ujLemezen(), r.allapot == MentesAllapot::Kesz ? QString() : QStringLiteral("%1 %2").arg(int(r.allapot)).arg(r.ok)};
  }
  static IoKimenet fizetoKimenet(const FizetoMentes& r) {
    return {r.mentve(), r.ok() ? QString() : QStringLiteral("%1 %2").arg(int(r.allapot)).arg(r.hiba)};
  }
  static IoKimenet csereKimenet(const CsereEredmeny& r) {
    return {r.megtortent(), r.allapot == CsereAllapot::Kesz ? QString() : QStringLiteral("%1 %2").arg(int(r.allapot)).arg(r.uzenet)};
  }
  // The start-up over a state left by a crash: its message beyond what the clean start says.
  IoHibaMuvelet inditas(const QString& nev, Fajlok allapot) {
    IoHibaMuvelet m;
    m.nev = nev;
    m.parok = {{kNevekFile, kKozl3sorFile}};
    m.elokeszit = [this, allapot] {
      for (const auto& [n, b] : allapot) folder.put(n, b);
    };
    auto tiszta = std::make_shared<std::optional<QString>>();
    m.futtat = [this, tiszta] {
      const QString u = adatfajlokHelyreallitasa(folder.path());
      if (!*tiszta) *tiszta = u;
      return IoKimenet{u == **tiszta, u == **tiszta ? QString() : u};
    };
    return m;
  }

  TempFolder folder{QStringLiteral("/dev/shm")};
  RecordedMessageBoxes msg;
  Platform platform;
  std::unique_ptr<frmKozlemeny> kozl;
};

TEST_F(IoHibaTest, NoticeListAddedAndDeleted) {
  sopor(kozlemenyLista(QStringLiteral("notice added"), [](frmKozlemeny& d) {
    d.txtKozlemeny->setText(QStringLiteral("hat"));
    d.cmdFelvesz_Click();
  }));
  sopor(kozlemenyLista(QStringLiteral("notice deleted"), [](frmKozlemeny& d) {
    d.ListView1_ItemClick(d.ListView1->topLevelItem(2));
    d.cmdDel_Click();
  }));
}

TEST_F(IoHibaTest, ExportOverAnOldExport) {
  TempFolder cel(QStringLiteral("/dev/shm"));
  IoHibaMuvelet m;
  m.nev = QStringLiteral("export");
  m.mappak = {folder.path(), cel.path()};
  m.elokeszit = [&] {
    par(20, 20);
    cel.put("ki.csv", "régi export\r\n");
  };
  m.futtat = [&] {
    const ExportEredmeny r = csvExport(folder.path(), cel.file("ki.csv"));
    return IoKimenet{r.ok(), r.hiba};
  };
  sopor(m);
}

TEST_F(IoHibaTest, AmountsAndPayerSaves) {
  // The amounts dialog: payer 741's first amount crosses a 4 KiB page.
  std::unique_ptr<frmOsszegek> d;
  NevekRekord nevek;
  Kozl3sorRekord kozlr;
  int32_t aktualis = 741;
  int16_t mod = 0;
  IoHibaMuvelet m;
  m.nev = QStringLiteral("amounts");
  m.parok = {{kNevekFile, kKozl3sorFile}};
  m.elokeszit = [&] {
    par(800, 800);
    d = std::make_unique<frmOsszegek>(platform, FizetoAllapot{nevek, kozlr, aktualis, mod}, FoAblak{});
    d->Text1->setText(QStringLiteral("1234567"));
    msg.shown.clear();
  };
  m.futtat = [&] {
    d->cmdRogzit_Click();
    const QString u = szovegek(msg);
    return IoKimenet{u.isEmpty(), u};
  };
  sopor(m);
  d.reset();

  const NevekRekord r = parFizeto(900);
  IoHibaMuvelet modositas;
  modositas.nev = QStringLiteral("payer modified");
  modositas.parok = {{kNevekFile, kKozl3sorFile}};
  modositas.elokeszit = [&] { par(20, 20); };
  modositas.futtat = [&] { return fizetoKimenet(fizetoMentes(folder.path(), 5, r, parKozlemeny(900))); };
  sopor(modositas);
  IoHibaMuvelet uj = modositas;
  uj.nev = QStringLiteral("new payer");
  uj.elokeszit = [&] { par(20, 18); };
  uj.futtat = [&] { return fizetoKimenet(fizetoMentes(folder.path(), 21, r, parKozlemeny(21))); };
  sopor(uj);
}

TEST_F(IoHibaTest, SettingsSave) {
  IoHibaMuvelet m;
  m.nev = QStringLiteral("settings");
  SetRekord s;
  m.elokeszit = [&] {
    s = SetRekord{};
    s.Osszeg_x1 = Fixed::fromDouble(10);
    s.Vkorrekcio = 3;
    folder.put(kSetFile, encodeRecord(s));
  };
  m.futtat = [&] {
    return mentes(saveSetFields(folder.path(), s, [](SetRekord& r) {
      r.Osszeg_x1 = Fixed::fromDouble(20);
      r.Vkorrekcio = 5;
    }));
  };
  sopor(m);
}

// The label counter and the envelope picture's place ("Kép mentése"): record 1 in place.
TEST_F(IoHibaTest, LabelCounterAndPictureSave) {
  CimkeSetupRekord cimke;
  IoHibaMuvelet szamlalo;
  szamlalo.nev = QStringLiteral("label counter");
  szamlalo.elokeszit = [&] {
    cimke = CimkeSetupRekord{};
    cimke.KinyomottCimkeNum = 40;
    folder.put(kCimkeSetupFile, encodeRecord(cimke));
  };
  szamlalo.futtat = [&] {
    return mentes(modifySettings(folder.path(), kCimkeSetupFile, cimke, [](CimkeSetupRekord& s) { s.KinyomottCimkeNum += 24; }));
  };
  sopor(szamlalo);

  BoritekRekord boritek;
  BoritekHely hely;
  QString kivalasztott = QStringLiteral("/képek/címer.jpg");
  double sz = 0, mag = 0;
  KepmentRekord kep;
  std::unique_ptr<BoritekLap> lap;
  IoHibaMuvelet m;
  m.nev = QStringLiteral("picture save");
  m.elokeszit = [&] {
    kep = KepmentRekord{};
    kep.KepUtvonal = QStringLiteral("/régi.jpg");
    folder.put(kKepmentFile, encodeRecord(kep));
    lap = std::make_unique<BoritekLap>(platform, boritek, hely);
    lap->setKep({&kivalasztott, &sz, &mag, &kep});
    lap->setImage3Twips(QRect(881, 620, 1900, 950));
    msg.shown.clear();
  };
  m.futtat = [&] {
    lap->cmdKepMentese_Click();
    const QString u = szovegek(msg);
    return IoKimenet{u.isEmpty(), u};
  };
  sopor(m);
}

TEST_F(IoHibaTest, DeletionImportAndConversion) {
  IoHibaMuvelet torles;
  torles.nev = QStringLiteral("deletion");
  torles.parok = {{kNevekFile, kKozl3sorFile}};
  torles.elokeszit = [&] { par(20, 20); };
  torles.futtat = [&] { return csereKimenet(AdatbazisTorles(folder.path())); };
  sopor(torles);

  TempFolder forras;
  forras.put("be.csv", "Uj1;;AZ;Győr;9021;Fő út;1;Közl\r\nUj2;;AZ;Győr;9021;Fő út;2;Közl\r\n");
  for (const bool felulir : {false, true}) {
    IoHibaMuvelet m;
    m.nev = felulir ? QStringLiteral("import replace") : QStringLiteral("import append");
    m.parok = {{kNevekFile, kKozl3sorFile}};
    m.elokeszit = [&] { par(20, 20); };
    m.futtat = [&, felulir] {
      const ImportEredmeny r = csvImport(folder.path(), forras.file("be.csv"), felulir, CsvValtozat::Kezi);
      return IoKimenet{r.ok(), r.hiba + r.kesobb};
    };
    sopor(m);
  }

  const QByteArray regi = regiNevekFajl(20);
  IoHibaMuvelet konv;
  konv.nev = QStringLiteral("conversion");
  konv.elokeszit = [&] {
    folder.put(kNevekFile, regi);
    folder.put(kKozl3sorFile, parKozlemenyek(20));
  };
  konv.futtat = [&] {
    const KonvEredmeny k = Konvertalas(folder.path());
    return IoKimenet{k.allapot == KonvAllapot::Kesz, k.allapot == KonvAllapot::Kesz ? QString() : k.hiba};
  };
  // An old file left whole can be converted again; a converted one has its backup.
  konv.ellenoriz = [&](const IoKimenet&) -> QString {
    if (folder.bytes(kNevekFile) == regi) {
      const KonvEredmeny k = Konvertalas(folder.path());
      folder.put(kNevekFile, regi);
      QFile::remove(folder.file(kRegiMentesFile));
      return k.allapot == KonvAllapot::Kesz ? QString() : QStringLiteral("újra nem konvertálható: ") + k.hiba;
    }
    return folder.bytes(kRegiMentesFile) == regi ? QString() : QStringLiteral("a konvertált fájl mentés nélkül");
  };
  sopor(konv);
}

// The start-up over each kind of journal a crash leaves: a change in place (the amounts), a
// payer save's, the pair's swap (an import), an interrupted conversion.
TEST_F(IoHibaTest, StartUpWithEachKindOfJournal) {
  auto naplo = [](const QString& fajl) { return [fajl](FajlHivas h, const QString& n) { return h == FajlHivas::Szinkron && n == fajl; }; };
  par(800, 800);
  {
    NevekRekord nevek;
    Kozl3sorRekord kozlr;
    int32_t aktualis = 741;
    int16_t mod = 0;
    frmOsszegek d(platform, FizetoAllapot{nevek, kozlr, aktualis, mod}, FoAblak{});
    d.Text1->setText(QStringLiteral("1234567"));
    sopor(inditas(QStringLiteral("start-up, change in place"), hivasnal(folder.path(), [&] { d.cmdRogzit_Click(); }, naplo(kNevekFile))));
  }
  par(20, 20);
  sopor(inditas(QStringLiteral("start-up, payer save"),
                hivasnal(folder.path(), [&] { (void)fizetoMentes(folder.path(), 5, parFizeto(900), parKozlemeny(900)); },
                         naplo(kNevekFile))));
  par(20, 20);
  TempFolder forras;
  forras.put("be.csv", "Uj1;;AZ;Győr;9021;Fő út;1;Közl\r\n");
  sopor(inditas(QStringLiteral("start-up, swap"),
                hivasnal(folder.path(), [&] { (void)csvImport(folder.path(), forras.file("be.csv"), true, CsvValtozat::Kezi); },
                         [](FajlHivas h, const QString&) { return h == FajlHivas::Atnevezes; })));
  const QByteArray regi = regiNevekFajl(20);
  folder.put(kNevekFile, regi);
  sopor(inditas(QStringLiteral("start-up, conversion"),
                hivasnal(folder.path(), [&] { (void)Konvertalas(folder.path()); },
                         [](FajlHivas h, const QString&) { return h == FajlHivas::Atnevezes; })));
}

// The settings dialog's saves: the settings tab (Set.dat) and a layout (the return receipt's).
class IoHibaBeallitas : public SetupTest {};

TEST_F(IoHibaBeallitas, SettingsAndLayoutSavesOfTheDialog) {
  std::unique_ptr<frmSetup> d;
  for (const bool elrendezes : {false, true}) {
    IoHibaMuvelet m;
    m.nev = elrendezes ? QStringLiteral("layout save") : QStringLiteral("settings save (dialog)");
    m.mappak = {dir.path()};
    m.elokeszit = [&] {
      putAll();
      set = SetRekord{};
      layouts = LayoutRecords{};
      d = open();
      if (elrendezes) d->txtTertiCimzett_x->setText("50");
      else d->Textjogcim_x->setText("30.5");
      msgs.shown.clear();
    };
    m.futtat = [&] {
      if (elrendezes) d->cmdTertiMentes_Click();
      else d->Command1_Click();
      const QString u = szovegek(msgs);
      return IoKimenet{u.isEmpty(), u};
    };
    const IoHibaEredmeny e = ioHibaVegigjar(m);
    std::printf("I/O errors: %s: %d calls, %d runs failed (%d got over silently, %d calls left out), %d refused\n",
                qPrintable(m.nev), e.hivasok, e.futasok, e.csendes, e.kihagyva, e.hibak);
    EXPECT_EQ(e.hibak, 0) << m.nev.toStdString() << ":\n" << e.elsok.join(QStringLiteral("\n")).toStdString();
    d.reset();
  }
}

// The watched folder's import, both modes: the payers in and the file gone, or neither.
class IoHibaFigyelt : public Tick {};

TEST_F(IoHibaFigyelt, WatchedImport) {
  for (const bool felulir : {false, true}) {
    IoHibaMuvelet m;
    m.nev = felulir ? QStringLiteral("watched import replace") : QStringLiteral("watched import append");
    m.mappak = {prog.path(), figyelt.path()};
    m.parok = {{kNevekFile, kKozl3sorFile}};
    // A watched file that cannot be read is set aside under a name that is not watched, and said.
    m.megtarthato = {QStringLiteral("1/x.csv.hibas")};
    m.elokeszit = [&, felulir] {
      prog.put(kNevekFile, parNevek(20));
      prog.put(kKozl3sorFile, parKozlemenyek(20));
      set = SetRekord{};
      beallit(1, felulir, 1, figyelt.path());
      figyelt.put("x.csv", "Uj1;;AZ;Győr;9021;Fő út;10;K1\r\nUj2;;AZ;Győr;9021;Fő út;20;K2\r\n");
      elozo = FigyeltFajl{};
      Timer1_Timer(p, set, elozo, a);  // sees the file
      frissitve = 0;
      uzenetek.shown.clear();
    };
    m.futtat = [&] {
      Timer1_Timer(p, set, elozo, a);
      return IoKimenet{frissitve > 0, szovegek(uzenetek)};
    };
    m.helyreallitas = [&] { (void)adatfajlokHelyreallitasa(prog.path()); };
    const IoHibaEredmeny e = ioHibaVegigjar(m);
    std::printf("I/O errors: %s: %d calls, %d runs failed (%d got over silently, %d calls left out), %d refused\n",
                qPrintable(m.nev), e.hivasok, e.futasok, e.csendes, e.kihagyva, e.hibak);
    EXPECT_EQ(e.hibak, 0) << m.nev.toStdString() << ":\n" << e.elsok.join(QStringLiteral("\n")).toStdString();
  }
}

}  // namespace
