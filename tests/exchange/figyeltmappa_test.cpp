// The watched folder's file handling: what a line is, files that give nothing or are no files
// at all, a change finished only at the next start, claimed files after a crash, the refusal
// to write, negative amounts and names that are no UTF-8.
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/fajlmuvelet.h"
#include "common/filedialogs.h"
#include "exchange/helyreallitas.h"
#include "payerstore/fizetocsere.h"
#include "tests/exchange/csere.h"
#include "tests/exchange/tick.h"

namespace {

QString nevAt(const CsvBeolvasas& b, int i) { return asStored(rekordja<NevekRekord>(b.nevek, i).Nev).trimmed(); }

TEST(FigyeltSorok, OnlyAnEmptyLineStopsASeparatorLineIsABlankPayer) {
  struct Eset {
    const char* mi;
    QByteArray csv;
    int automatikus, kezi;  // payers read
  };
  const Eset esetek[] = {
      {"separator line", "A;;;;;;1\n;;;;;;\nB;;;;;;2\n", 3, 3},
      {"quotes and separators", "A;;;;;;1\r\n\"\";\"\";  ;\r\nB;;;;;;2\r\n", 3, 3},
      {"empty line", "A;;;;;;1\r\n\r\nB;;;;;;2\r\n", 1, 2},
      {"CR line ends", "A;;;;;;1\rB;;;;;;2\r", 2, 2},
      {"mixed line ends", "A\r\nB\nC\rD", 4, 4},
  };
  for (const Eset& e : esetek) {
    const CsvBeolvasas a = csvFeldolgoz(e.csv, CsvValtozat::Automatikus), k = csvFeldolgoz(e.csv, CsvValtozat::Kezi);
    EXPECT_EQ(a.fizetok, e.automatikus) << e.mi;
    EXPECT_EQ(k.fizetok, e.kezi) << e.mi;
    EXPECT_EQ(nevAt(k, 1), "A") << e.mi;
    EXPECT_EQ(nevAt(k, 2), e.kezi == 3 ? "" : "B") << e.mi;
  }
  // The blank payer has no amount: it stops the automatic printing like an empty amount column.
  EXPECT_EQ(csvFeldolgoz("A;;;;;;1\n;;;;;;\n", CsvValtozat::Automatikus).osszegNelkul, 1);
}

TEST(FigyeltSorok, Utf16IsReadByItsMarkANulByteRefusesTheFile) {
  const QString sor = QString::fromUtf8("Árvíztűrő Ödön;;AZ;Győr;9021;Fő út;1500\r\nB;;;;;;2\r\n");
  for (const QStringEncoder::Encoding enc : {QStringEncoder::Utf16LE, QStringEncoder::Utf16BE}) {
    QStringEncoder e(enc, QStringEncoder::Flag::WriteBom);
    const CsvBeolvasas b = csvFeldolgoz(e.encode(sor), CsvValtozat::Automatikus);
    ASSERT_EQ(b.fizetok, 2) << b.hiba.toStdString();
    EXPECT_EQ(nevAt(b, 1), QString::fromUtf8("Árvíztűrő Ödön"));
    EXPECT_EQ(rekordja<NevekRekord>(b.nevek, 1).Osszegek[0], 1500);
  }
  QStringEncoder nincsJel(QStringEncoder::Utf16LE);
  const QByteArray rosszak[] = {nincsJel.encode(sor), QByteArray("A\0B;;;;;;1\n", 11),
                                QByteArray("\xFF\xFE" "A\0;", 5)};  // odd length
  for (const QByteArray& r : rosszak) {
    const CsvBeolvasas b = csvFeldolgoz(r, CsvValtozat::Kezi);
    EXPECT_EQ(b.fizetok, 0);
    EXPECT_TRUE(b.nevek.isEmpty());
    EXPECT_FALSE(b.hiba.isEmpty());
  }
}

TEST(FigyeltSorok, NegativeAmountsAreNoAmounts) {
  const CsvBeolvasas b = csvFeldolgoz("A;;;;;;-20\nB;;;;;;-0\nC;;;;;;5\nD;;;;;;x\n", CsvValtozat::Kezi);
  ASSERT_EQ(b.fizetok, 4);
  const int32_t vart[] = {0, 0, 5, 0};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(rekordja<NevekRekord>(b.nevek, i).Osszegek[0], vart[i - 1]) << i;
  EXPECT_EQ(b.rosszOsszeg, 2);  // -20 and x
  EXPECT_EQ(b.osszegNelkul, 3);
}

TEST(FigyeltSorok, MemoryFollowsTheDataNotTheLineCount) {
  // Megabytes of line ends give nothing, and nothing is set aside for them.
  const QByteArray sorvegek(8 << 20, '\n');
  const CsvBeolvasas a = csvFeldolgoz(sorvegek, CsvValtozat::Automatikus), k = csvFeldolgoz(sorvegek, CsvValtozat::Kezi);
  EXPECT_EQ(a.hiba, QString::fromUtf8("az első sora üres"));
  EXPECT_EQ(k.hiba, QString::fromUtf8("csak üres sorokat tartalmaz"));
  EXPECT_EQ(k.nevek.capacity() + a.nevek.capacity(), 0);
  // More payers than the limit: refused whole.
  EXPECT_EQ(csvFeldolgoz(QByteArray(";\n").repeated(10), CsvValtozat::Kezi, 10).fizetok, 10);
  const CsvBeolvasas sok = csvFeldolgoz(QByteArray(";\n").repeated(11), CsvValtozat::Kezi, 10);
  EXPECT_EQ(sok.fizetok, 0);
  EXPECT_TRUE(sok.nevek.isEmpty());
  EXPECT_EQ(sok.hiba, QString::fromUtf8("több mint 10 sort tartalmaz"));
}

class Figyelt : public Tick {
 protected:
  Figyelt() { beallit(1, false, 0, figyelt.path()); }
  QStringList fajlok() const { return figyelt.entries(); }
};

TEST_F(Figyelt, FilesThatGiveNothingAreSetAsideAndSaid) {
  parIr(prog, 2);
  const QByteArray regi = prog.bytes(kNevekFile);
  struct Eset {
    const char* nev;
    QByteArray csv;
    const char* miert;
  };
  const Eset esetek[] = {
      {"ures.csv", "", "a fájl üres"},
      {"sorvegek.csv", "\r\n\r\n\r\n", "az első sora üres"},
      {"elso.csv", "\r\nA;;;;;;1\r\n", "az első sora üres"},
      {"utf16.csv", QStringEncoder(QStringEncoder::Utf16LE).encode(u"A;;;;;;1\r\n"), "NUL karaktert tartalmaz"},
  };
  for (const Eset& e : esetek) {
    uzenetek.shown.clear();
    figyelt.put(e.nev, e.csv);
    ketTick();
    const QString felre = QString::fromLatin1(e.nev) + kHibasUtotag;
    EXPECT_EQ(fajlok(), QStringList{felre}) << e.nev;
    EXPECT_EQ(figyelt.bytes(felre), e.csv) << e.nev;
    ASSERT_EQ(uzenetek.shown.size(), 1u) << e.nev;
    const QString t = uzenetek.shown[0].text;
    EXPECT_TRUE(t.contains(QString::fromLatin1(e.nev)) && t.contains(QString::fromUtf8(e.miert)) && t.contains(felre))
        << t.toStdString();
    EXPECT_EQ(prog.bytes(kNevekFile), regi);
    EXPECT_TRUE(idozito);  // the file is out of the way: polling goes on
    QFile::remove(figyelt.file(felre));
  }
  // A second file of the same name is set aside beside the first, never over it.
  figyelt.put("ures.csv.hibas", "elso");
  figyelt.put("ures.csv", "");
  ketTick();
  EXPECT_EQ(fajlok(), QStringList({"ures (2).csv.hibas", "ures.csv.hibas"}));
  EXPECT_EQ(figyelt.bytes("ures.csv.hibas"), "elso");
}

TEST_F(Figyelt, OddFilesAreNeitherReadNorWaitedFor) {
  const QString fifo = prog.file("cso");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
  ASSERT_TRUE(QFile::link(fifo, figyelt.file("a.csv")));
  ASSERT_TRUE(QFile::link("/dev/zero", figyelt.file("b.csv")));
  {
    QFile ritka(figyelt.file("c.csv"));  // sparse: 600 MB that take no room
    ASSERT_TRUE(ritka.open(QIODevice::WriteOnly) && ritka.resize(qint64(600) << 20));
  }
  // A folder of that name is set aside like the others, with what it holds.
  ASSERT_TRUE(QDir(figyelt.path()).mkpath("d.csv"));
  figyelt.put("d.csv/benne.txt", "x");
  for (const char* nev : {"a.csv", "b.csv", "c.csv", "d.csv"}) {
    uzenetek.shown.clear();
    ketTick();
    ASSERT_EQ(uzenetek.shown.size(), 1u) << nev;
    EXPECT_TRUE(uzenetek.shown[0].text.contains(QString::fromLatin1(nev) + kHibasUtotag)) << nev;
    EXPECT_TRUE(uzenetek.shown[0].text.contains(nev[0] == 'c' ? QStringLiteral("nagyobb, mint 512 MB")
                                                                : QString::fromUtf8("nem közönséges fájl")))
        << uzenetek.shown[0].text.toStdString();
  }
  EXPECT_FALSE(prog.exists(kNevekFile));
  EXPECT_EQ(figyelt.bytes("d.csv.hibas/benne.txt"), "x");
  // A folder claimed when the program ended goes back under its name at the next start.
  ASSERT_TRUE(QDir(figyelt.path()).rename("d.csv.hibas", "d.csv" + kAtvetelUtotag));
  EXPECT_EQ(csvAtvetelekFeloldasa(figyelt.path()), QStringList());
  EXPECT_TRUE(QFileInfo(figyelt.file("d.csv")).isDir());
  // The manual import follows the same rules.
  RecordedFileDialogs dialogus;
  p.fileDialogs = &dialogus;
  for (const QString& f : {fifo, QStringLiteral("/dev/zero"), figyelt.file("c.csv.hibas")}) {
    uzenetek.shown.clear();
    dialogus.answers = {f};
    mnuAdatCsvbol(p, set, a);
    ASSERT_EQ(uzenetek.shown.size(), 1u);
    EXPECT_TRUE(uzenetek.shown[0].text.contains(QString::fromUtf8("nem olvasható be adat")));
  }
  EXPECT_FALSE(prog.exists(kNevekFile));
}

TEST_F(Figyelt, AChangeFinishedAtTheNextStartIsADoneChange) {
  parIr(prog, 3);
  figyelt.put("x.csv", "Uj 1;;;;;;10;K1\r\nUj 2;;;;;;20;K2\r\n");
  a.csereHorog = [](CsereLepes l) { return l != CsereLepes::Atnevezes2; };
  ketTick();
  // The payers are in (the list was refreshed to them), the file is not back for another try,
  // and the message says only that the change completes at the next start.
  EXPECT_EQ(fizetokSzama(prog), 5);
  EXPECT_EQ(frissitve, 1);
  EXPECT_EQ(fajlok(), QStringList{"x.csv" + kAtvetelUtotag});
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text,
            QString::fromUtf8("A(z) x.csv fájl importálása: A(z) kozl3sor.dat fájl nem cserélhető le: "
                              "Bemeneti/kimeneti hiba. A(z) nevek1.dat fájl már az új adatokat tartalmazza, a(z) "
                              "kozl3sor.dat még a régieket. A változás a program következő indításakor fejeződik be."));
  EXPECT_TRUE(idozito);
  // The next import first finishes the pair (as the next start would) and removes the file:
  // imported once, every payer with its notice.
  a.csereHorog = {};
  figyelt.put("y.csv", "Uj 3;;;;;;30;K3\r\n");
  ketTick();
  EXPECT_EQ(fizetokSzama(prog), 6);
  EXPECT_EQ(trimmed(rekordja<Kozl3sorRekord>(prog.bytes(kKozl3sorFile), 5).Kozlemeny), "K2");
  EXPECT_EQ(trimmed(rekordja<Kozl3sorRekord>(prog.bytes(kKozl3sorFile), 6).Kozlemeny), "K3");
  EXPECT_EQ(fajlok(), QStringList());
  EXPECT_EQ(adatfajlokHelyreallitasa(prog.path()), QString());
  EXPECT_EQ(fizetokSzama(prog), 6);
}

TEST_F(Figyelt, ClaimedFilesAreSettledAtStartNeverOverwritten) {
  parIr(prog, 1);
  // A claim whose change never happened (the program ended before its journal), and a new file
  // of the same name since: the claimed one comes back beside it.
  figyelt.put("x.csv" + kAtvetelUtotag, "Regi;;;;;;1\n");
  figyelt.put("x.csv", "Uj;;;;;;2\n");
  EXPECT_EQ(adatfajlokHelyreallitasa(prog.path()), QString());
  EXPECT_EQ(fajlok(), QStringList({"x (2).csv", "x.csv"}));
  EXPECT_EQ(figyelt.bytes("x (2).csv"), "Regi;;;;;;1\n");
  // A claim while another claimed file of that name stands takes a free name.
  figyelt.put("x.csv" + kAtvetelUtotag, "Masik;;;;;;3\n");
  a.csereHorog = [](CsereLepes l) { return l != CsereLepes::NaploTorles; };  // the journal stays
  ketTick();
  EXPECT_EQ(nev(prog, 2), "Regi");
  EXPECT_EQ(fajlok(), QStringList({"x (2).csv" + kAtvetelUtotag, "x.csv", "x.csv" + kAtvetelUtotag}));
  EXPECT_EQ(figyelt.bytes("x.csv" + kAtvetelUtotag), "Masik;;;;;;3\n");
  // At the next start the journal's own file goes with its finished change; the other claim
  // comes back under its name, once the new x.csv is gone.
  QFile::remove(figyelt.file("x.csv"));
  EXPECT_EQ(adatfajlokHelyreallitasa(prog.path()), QString());
  EXPECT_EQ(fajlok(), QStringList{"x.csv"});
  EXPECT_EQ(figyelt.bytes("x.csv"), "Masik;;;;;;3\n");
  EXPECT_EQ(fizetokSzama(prog), 2);
}

// The claim is on the disk before the change's journal names it: a claim that cannot be
// flushed is released and said, nothing imported. A claim lost all the same after its change
// was made (its file back under its name) is never imported a second time.
TEST_F(Figyelt, AClaimIsFlushedBeforeTheChangeAndALostOneNeverImportsTwice) {
  parIr(prog, 2);
  figyelt.put("x.csv", "Uj;;;;;;10\r\n");
  int hivas = 0;
  bool naploElotte = true, atveve = false;
  {
    FajlHorogProba proba([&](FajlHivas h, const QString& f, qint64&, qint64) {
      // The second flush of the watched folder: the claimed name's is the first, the old name's removal's the second.
      if (h != FajlHivas::MappaSzinkron || QDir(f) != QDir(figyelt.path()) || hivas++ != 1) return 0;
      naploElotte = prog.exists(kCsereNaploFile);
      atveve = figyelt.exists("x.csv" + kAtvetelUtotag) && !figyelt.exists("x.csv");
      return EIO;
    });
    ketTick();
  }
  EXPECT_FALSE(naploElotte);
  EXPECT_TRUE(atveve);
  EXPECT_EQ(fizetokSzama(prog), 2);
  EXPECT_EQ(fajlok(), QStringList{"x.csv"});
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_TRUE(uzenetek.shown[0].text.startsWith(
      QString::fromUtf8("A figyelt mappa nem írható ki a lemezre (Bemeneti/kimeneti hiba), ezért a(z) x.csv")));
  EXPECT_FALSE(idozito);
  // Imported, the journal kept; then the claim is lost (the file is back under its name).
  a.csereHorog = [](CsereLepes l) { return l != CsereLepes::NaploTorles; };
  ketTick();
  a.csereHorog = {};
  ASSERT_EQ(fizetokSzama(prog), 3);
  ASSERT_TRUE(QFile::rename(figyelt.file("x.csv" + kAtvetelUtotag), figyelt.file("x.csv")));
  EXPECT_TRUE(adatfajlokHelyreallitasa(prog.path()).contains(figyelt.file("x.csv")));
  ketTick();
  EXPECT_EQ(fizetokSzama(prog), 3);
  // Once the user takes the file away, the change is closed.
  QFile::remove(figyelt.file("x.csv"));
  EXPECT_EQ(adatfajlokHelyreallitasa(prog.path()), QString());
  EXPECT_FALSE(prog.exists(kCsereNaploFile));
}

TEST_F(Figyelt, NoWriteWhenThePayerFileCouldNotBeRead) {
  const QString hiba = QStringLiteral("A címzettek fájlja nem olvasható.");
  a.NevekHiba = &hiba;
  beallit(1, true, 0, figyelt.path());
  ASSERT_TRUE(QFile::link(prog.file("nincs.dat"), prog.file(kNevekFile)));  // dangling
  figyelt.put("x.csv", "A;;;;;;1\n");
  ketTick();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text, hiba);
  EXPECT_FALSE(idozito);
  EXPECT_EQ(fajlok(), QStringList{"x.csv"});
  EXPECT_FALSE(QFileInfo(prog.file(kNevekFile)).exists());  // the link still dangles
  // The menu's writers refuse the same way, before any question.
  RecordedFileDialogs dialogus;
  dialogus.answers = {figyelt.file("x.csv")};
  p.fileDialogs = &dialogus;
  mnuAdatCsvbol(p, set, a);
  mnuKonertal(p, a);
  mnuAdatbazisTorles(p, a);
  ASSERT_EQ(uzenetek.shown.size(), 4u);
  for (const RecordedMessageBoxes::Shown& m : uzenetek.shown) EXPECT_EQ(m.text, hiba);
  EXPECT_FALSE(prog.exists(kKozl3sorFile));
  EXPECT_FALSE(QFileInfo(prog.file(kNevekFile)).exists());
}

TEST_F(Figyelt, NamesThatAreNoUtf8AreReportedOnce) {
  const QByteArray rossz = QFile::encodeName(figyelt.path()) + "/a\xFF.csv";
  const int fd = ::open(rossz.constData(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(fd, 0);
  ::close(fd);
  figyelt.put("b.csv", "B;;;;;;1\n");
  ketTick();
  ketTick();
  EXPECT_EQ(fizetokSzama(prog), 1);  // the next file is taken
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  EXPECT_TRUE(uzenetek.shown[0].text.contains(QString::fromUtf8("nem érvényes UTF-8")));
  EXPECT_TRUE(uzenetek.shown[0].text.contains(QStringLiteral("a\uFFFD.csv")));
  EXPECT_EQ(uzenetek.shown[1].title, "Figyelem!");  // the import's own message
  struct stat st {};
  EXPECT_EQ(::lstat(rossz.constData(), &st), 0);  // left as it is
}

}  // namespace

namespace {

// The calls of the file layer, in order: their kind, name and full path.
struct Hivasok {
  struct H {
    FajlHivas hivas;
    QString nev, ut;
  };
  std::vector<H> h;
  // The index of the first call of `hivas` on `nev` from `tol` on (-1: none).
  int hol(FajlHivas hivas, const QString& nev, int tol = 0) const {
    for (int i = std::max(tol, 0); i < int(h.size()); ++i)
      if (h[size_t(i)].hivas == hivas && (h[size_t(i)].nev == nev || QDir(h[size_t(i)].ut) == QDir(nev))) return i;
    return -1;
  }
};

// Where the watched folder has no hard links (FAT), the claim is one rename, exclusive where
// the file system can promise that, else after asking whether the name is free. Either way the
// claim is flushed before the change's journal is written.
TEST_F(Figyelt, AClaimWithoutHardLinksIsARename) {
  const QString atvett = "x.csv" + kAtvetelUtotag;
  for (const bool kizaroNelkul : {false, true}) {
    SCOPED_TRACE(kizaroNelkul);
    parIr(prog, 2);
    figyelt.put("x.csv", "Uj 1;;;;;;10\r\n");
    Hivasok r;
    int atnevezes = 0;
    {
      FajlHorogProba proba([&](FajlHivas h, const QString& nev, qint64&, qint64) {
        r.h.push_back({h, nev, fajlHorogUt()});
        if (h == FajlHivas::Linkeles) return EPERM;
        if (h == FajlHivas::Atnevezes && nev == atvett && kizaroNelkul && atnevezes++ == 0) return EINVAL;
        return 0;
      });
      ketTick();
    }
    EXPECT_EQ(fizetokSzama(prog), 3);
    EXPECT_EQ(nev(prog, 3), "Uj 1");
    EXPECT_EQ(fajlok(), QStringList());
    const int link = r.hol(FajlHivas::Linkeles, atvett);
    const int at = r.hol(FajlHivas::Atnevezes, atvett, link);
    const int at2 = kizaroNelkul ? r.hol(FajlHivas::Atnevezes, atvett, at + 1) : at;
    const int kerdes = r.hol(FajlHivas::Lekerdezes, atvett, at);
    const int flush = r.hol(FajlHivas::MappaSzinkron, figyelt.path(), at2);
    const int naplo = r.hol(FajlHivas::Letrehozas, kCsereNaploFile);
    EXPECT_GE(link, 0);
    EXPECT_GT(at, link);
    EXPECT_GT(at2, kizaroNelkul ? kerdes : at - 1);
    EXPECT_EQ(kerdes >= 0 && kerdes < at2, kizaroNelkul);
    EXPECT_GT(flush, at2);
    EXPECT_GT(naplo, flush);
  }
}

// Every move out of the claimed name (back at the next start, or set aside) flushes the watched
// folder after the claimed name goes; when that flush fails, the message says the file moved but
// may come back under the claimed name.
TEST_F(Figyelt, AMoveOutOfTheClaimIsFlushedAfterTheClaimedNameGoes) {
  const QString atvett = "x.csv" + kAtvetelUtotag;
  for (const bool felre : {false, true})
    for (const bool hibas : {false, true}) {
      SCOPED_TRACE(std::to_string(felre) + std::to_string(hibas));
      uzenetek.shown.clear();
      for (const QString& f : fajlok()) QFile::remove(figyelt.file(f));
      bool torolve = false, hivott = false;
      QString uzenet;
      {
        FajlHorogProba proba([&](FajlHivas h, const QString& nev, qint64&, qint64) {
          if (h == FajlHivas::Torles && nev == atvett) torolve = true;
          if (h != FajlHivas::MappaSzinkron || !torolve || QDir(fajlHorogUt()) != QDir(figyelt.path())) return 0;
          torolve = false;
          hivott = true;
          return hibas ? EIO : 0;
        });
        if (felre) {
          figyelt.put("x.csv", "");  // gives nothing: set aside
          ketTick();
        } else {
          figyelt.put(atvett, "A;;;;;;1\n");  // left by a program that ended
          uzenet = adatfajlokHelyreallitasa(prog.path());
        }
      }
      EXPECT_TRUE(hivott);
      EXPECT_EQ(fajlok(), QStringList{felre ? "x.csv" + kHibasUtotag : "x.csv"});
      if (felre) {
        ASSERT_EQ(uzenetek.shown.size(), 1u);
        uzenet = uzenetek.shown[0].text;
      }
      const QString megjegyzes = felre ? QString::fromUtf8("a fájl a korábbi nevén is visszaállhat")
                                       : QString::fromUtf8("visszakapták a nevüket, de a lemez hibát jelzett");
      EXPECT_EQ(uzenet.contains(megjegyzes), hibas) << uzenet.toStdString();
    }
}

// A claim, or a move out of it, that a power loss cut short leaves the file under two names;
// copied without its hard links since, they are two files of the same bytes. Either way it is
// one file: imported once (also where the change's journal names the claim), or kept once as
// set aside, its message shown once.
TEST_F(Figyelt, AClaimLeftUnderTwoNamesIsOneFile) {
  const QString atvett = "adat.csv" + kAtvetelUtotag;
  const QByteArray jo = "Uj 1;;;;;;10\r\nUj 2;;;;;;20\r\nUj 3;;;;;;30\r\n";
  const QByteArray rossz("A\0B;;;;;;1\n", 11);
  const struct {
    const char* mi;
    QByteArray csv;
    QString masik;   // the other name
    bool link;       // two links of one file, else two copies
    bool naplo;      // the change's journal names the claim (the change was made)
    int fizetok;     // payers in the end
    QStringList marad;
    size_t uzenetek;  // messages of the ticks after the start
  } esetek[] = {
      {"copies", jo, "adat.csv", false, false, 5, {}, 1},
      {"links", jo, "adat.csv", true, false, 5, {}, 1},
      {"copies, journal", jo, "adat.csv", false, true, 5, {}, 0},
      {"bad copies", rossz, "adat.csv", false, false, 2, {"adat.csv" + kHibasUtotag}, 1},
      {"set aside, copies", rossz, "adat.csv" + kHibasUtotag, false, false, 2, {"adat.csv" + kHibasUtotag}, 0},
  };
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.mi);
    for (const QString& f : fajlok()) QFile::remove(figyelt.file(f));
    for (const QString& f : prog.entries()) QFile::remove(prog.file(f));
    beallit(1, false, 0, figyelt.path());
    parIr(prog, 2);
    if (e.naplo) {
      figyelt.put("adat.csv", e.csv);
      a.csereHorog = [](CsereLepes l) { return l != CsereLepes::NaploTorles; };
      ketTick();
      a.csereHorog = {};
      ASSERT_TRUE(prog.exists(kCsereNaploFile));
      ASSERT_EQ(fajlok(), QStringList{atvett});
    } else {
      figyelt.put(atvett, e.csv);
    }
    if (e.link)
      ASSERT_TRUE(::link(QFile::encodeName(figyelt.file(atvett)).constData(),
                         QFile::encodeName(figyelt.file(e.masik)).constData()) == 0);
    else
      figyelt.put(e.masik, e.csv);
    EXPECT_EQ(adatfajlokHelyreallitasa(prog.path()), QString());
    uzenetek.shown.clear();
    for (int i = 0; i < 3; ++i) ketTick();
    EXPECT_EQ(fizetokSzama(prog), e.fizetok);
    EXPECT_EQ(fajlok(), e.marad);
    EXPECT_EQ(uzenetek.shown.size(), e.uzenetek);
    if (!e.marad.isEmpty()) {
      EXPECT_EQ(figyelt.bytes(e.marad[0]), e.csv);
    }
  }
}

// A question about the watched folder or its file that fails stops the polling with a message
// naming it, and changes nothing; a read of the claimed file that fails is said as a read error
// and the file is kept, set aside.
TEST_F(Figyelt, AFailedQuestionOrReadOfTheWatchedFileIsSaid) {
  const QString mappa = QFileInfo(figyelt.path()).fileName();
  const struct {
    FajlHivas hivas;
    QString fajl;
    QStringList marad;
    const char* uzenet;
    bool idozito;
  } esetek[] = {
      {FajlHivas::Lekerdezes, mappa, {"x.csv"}, "nem kérdezhető le: Bemeneti/kimeneti hiba", false},
      {FajlHivas::Lekerdezes, "x.csv", {"x.csv"}, "A figyelt mappában a(z) x.csv nem kérdezhető le: Bemeneti/kimeneti hiba", false},
      {FajlHivas::Olvasas, "x.csv" + kAtvetelUtotag, {"x.csv" + kHibasUtotag}, "nem olvasható (Bemeneti/kimeneti hiba)", true},
  };
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.uzenet);
    for (const QString& f : fajlok()) QFile::remove(figyelt.file(f));
    parIr(prog, 2);
    const QByteArray regi = prog.bytes(kNevekFile);
    figyelt.put("x.csv", "Uj;;;;;;10\r\n");
    uzenetek.shown.clear();
    idozito = true;
    {
      FajlHorogProba proba([&](FajlHivas h, const QString& nev, qint64&, qint64) {
        return h == e.hivas && nev == e.fajl ? EIO : 0;
      });
      // The second tick only while the timer runs: the program has none after a stop.
      Timer1_Timer(p, set, elozo, a);
      if (idozito) Timer1_Timer(p, set, elozo, a);
    }
    EXPECT_EQ(prog.bytes(kNevekFile), regi);
    EXPECT_EQ(fajlok(), e.marad);
    ASSERT_EQ(uzenetek.shown.size(), 1u);
    EXPECT_TRUE(uzenetek.shown[0].text.contains(QString::fromUtf8(e.uzenet))) << uzenetek.shown[0].text.toStdString();
    EXPECT_EQ(idozito, e.idozito);
  }
}

}  // namespace
