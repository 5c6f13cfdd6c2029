// Data safety of the import: after an injected failure or a kill -9 in the middle of an import,
// nevek1.dat and kozl3sor.dat are each the old or the new file, whole and paired. And a fuzz
// loop over the line splitter and the importer.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

#include "exchange/csvimport.h"
#include "exchange/csvsor.h"
#include "records/fizetocsere.h"
#include "tests/exchange/csere.h"

namespace {

QByteArray csvFajl(const char* nev, int n) {
  QByteArray b;
  for (int i = 1; i <= n; ++i)
    b += QByteArray(nev) + QByteArray::number(i) + ";;AZ;Győr;9021;Fő út;" + QByteArray::number(i) + ";Közl\r\n";
  return b;
}

struct Allapot {
  QByteArray nevek, kozl;
};

// The payer pair is one of the given states, byte for byte.
::testing::AssertionResult egyikAllapot(const TempFolder& f, const std::vector<Allapot>& allapotok) {
  const QByteArray n = f.bytes(kNevekFile), k = f.bytes(kKozl3sorFile);
  for (size_t i = 0; i < allapotok.size(); ++i)
    if (n == allapotok[i].nevek && k == allapotok[i].kozl) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "payer pair of " << n.size() << " and " << k.size()
                                       << " bytes is none of the expected states";
}

Allapot kezdo(const TempFolder& f) {
  parIr(f, 10);
  return {f.bytes(kNevekFile), f.bytes(kKozl3sorFile)};
}

TEST(Adatbiztonsag, FailuresLeaveTheOldPair) {
  // The temporary files cannot be written (a full disk): nothing changes, and the message says so.
  for (bool felulir : {false, true}) {
    TempFolder f;
    const Allapot regi = kezdo(f);
    f.put("be.csv", csvFajl("Uj", 5));
    ImportOpciok o;
    o.horog = [](CsereLepes l) { return l != CsereLepes::Iras; };
    const ImportEredmeny r = csvImport(f.path(), f.file("be.csv"), felulir, CsvValtozat::Kezi, o);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.hiba.contains(QString::fromUtf8("nem változott")));
    EXPECT_TRUE(egyikAllapot(f, {regi}));
    EXPECT_EQ(f.entries(), QStringList({"be.csv", kKozl3sorFile, kNevekFile}));
  }
}

TEST(Adatbiztonsag, FailingRenameLeavesOldOrNewPair) {
  for (CsereLepes hibas : {CsereLepes::Flush, CsereLepes::Naplo, CsereLepes::Atnevezes1, CsereLepes::Atnevezes2,
                           CsereLepes::NaploTorles}) {
    TempFolder f;
    const Allapot regi = kezdo(f);
    const CsvBeolvasas b = csvFeldolgoz(csvFajl("Uj", 4), CsvValtozat::Kezi);
    const QString hiba =
        fizetokIrasa(f.path(), b, true, nullptr, [hibas](CsereLepes l) { return l != hibas; }).uzenet;
    // Start-up finishes or undoes what the failed step left.
    fizetoParHelyreallitas(f.path());
    EXPECT_TRUE(egyikAllapot(f, {regi, {b.nevek, b.kozl}})) << int(hibas) << " " << hiba.toStdString();
    if (hibas == CsereLepes::Flush || hibas == CsereLepes::Naplo) {
      EXPECT_FALSE(hiba.isEmpty());
      EXPECT_TRUE(egyikAllapot(f, {regi}));
    }
  }
}

// The child process of the kill test: imports two files in turn, for ever.
TEST(GyermekImport, Fut) {
  const QString mappa = qEnvironmentVariable("LAVINDOR_IMPORT_GYERMEK");
  if (mappa.isEmpty()) GTEST_SKIP() << "only as the child of KillDuringImport";
  for (int i = 0;; ++i) {
    const char* fajl = i % 2 ? "b.csv" : "a.csv";
    csvImport(mappa, QDir(mappa).filePath(fajl), true, CsvValtozat::Kezi);
  }
}

TEST(Adatbiztonsag, KillDuringImport) {
  TempFolder f;
  const Allapot regi = kezdo(f);
  f.put("a.csv", csvFajl("A", 3000));
  f.put("b.csv", csvFajl("B", 2000));
  std::vector<Allapot> allapotok{regi};
  for (const char* fajl : {"a.csv", "b.csv"}) {
    const CsvBeolvasas b = csvFeldolgoz(f.bytes(fajl), CsvValtozat::Kezi);
    allapotok.push_back({b.nevek, b.kozl});
  }
  for (int kor = 0; kor < 6; ++kor) {
    QProcess gyermek;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LAVINDOR_IMPORT_GYERMEK", f.path());
    gyermek.setProcessEnvironment(env);
    gyermek.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=GyermekImport.Fut"});
    ASSERT_TRUE(gyermek.waitForStarted());
    QThread::msleep(150 + QRandomGenerator::global()->bounded(400));
    gyermek.kill();  // SIGKILL
    ASSERT_TRUE(gyermek.waitForFinished());
    // What start-up does before loading the list.
    fizetoParHelyreallitas(f.path());
    EXPECT_TRUE(egyikAllapot(f, allapotok)) << "round " << kor;
  }
}

// Random and mutated lines: no crash, no sanitizer report, and every payer whole and paired.
TEST(Fuzz, SplitterAndImporter) {
  QRandomGenerator rnd(20261209);
  const QByteArray minta = "\"Kiss Anna\";Nev2;AZ-1;Győr;9021;Fő út 1.;1500;Közl;2026.12.31;Sz;F;M;K;U\r\n";
  const char abc[] = ";;;\"\"\r\n 0123456789-+.,aZ\t\xC3\xA1\xC5\x91\xE9\xF5\xFF\x80\x00";
  QByteArray fajl;
  fajl.reserve(100000 * 60);
  NevekRekord n;
  Kozl3sorRekord k;
  for (int i = 0; i < 100000; ++i) {
    QByteArray sor;
    if (i % 4) {
      sor = minta;
      for (int m = int(rnd.bounded(6)); m >= 0; --m) {
        const int at = int(rnd.bounded(sor.size()));
        switch (rnd.bounded(3)) {
          case 0: sor[at] = abc[rnd.bounded(int(sizeof abc))]; break;
          case 1: sor.remove(at, int(rnd.bounded(8))); break;
          default: sor.insert(at, QByteArray(int(rnd.bounded(40)), abc[rnd.bounded(int(sizeof abc))]));
        }
      }
    } else {
      for (int j = int(rnd.bounded(80)); j > 0; --j) sor += char(rnd.bounded(256));
    }
    const QStringList c = csvOszlopok(csvSzoveg(sor), i % 3 ? kCsvOszlopok : kAutoOszlopok);
    ASSERT_EQ(c.size(), i % 3 ? kCsvOszlopok : kAutoOszlopok);
    if (i % 100 == 0) {
      csvRekordok(c, c.size(), n, k);
      ASSERT_EQ(encodeRecord(n).size(), NevekRekord::Length);
    }
    fajl += sor;
  }
  // A file with NUL bytes is no text: refused whole, with no record. The rest of the run
  // parses it without them.
  const CsvBeolvasas nul = csvFeldolgoz(fajl, CsvValtozat::Kezi);
  ASSERT_TRUE(fajl.contains('\0'));
  EXPECT_EQ(nul.fizetok, 0);
  EXPECT_TRUE(nul.nevek.isEmpty());
  EXPECT_FALSE(nul.hiba.isEmpty());
  fajl.replace('\0', "");
  // The automatic variant stops at the first empty line; the manual one reads every line.
  const CsvBeolvasas b = csvFeldolgoz(fajl, CsvValtozat::Automatikus);
  EXPECT_EQ(b.nevek.size(), qsizetype(b.fizetok) * NevekRekord::Length);
  EXPECT_EQ(b.kozl.size(), qsizetype(b.fizetok) * Kozl3sorRekord::Length);
  TempFolder f;
  f.put("fuzz.csv", fajl);
  const ImportEredmeny r = csvImport(f.path(), f.file("fuzz.csv"), false, CsvValtozat::Kezi);
  ASSERT_TRUE(r.ok()) << r.hiba.toStdString();
  EXPECT_EQ(f.bytes(kNevekFile).size(), qsizetype(r.adatok.fizetok) * NevekRekord::Length);
  EXPECT_EQ(f.bytes(kKozl3sorFile).size(), qsizetype(r.adatok.fizetok) * Kozl3sorRekord::Length);
}

}  // namespace
