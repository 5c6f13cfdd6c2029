// The import writes its pair while it parses: records across many fills of the write buffers,
// a write that stops short (a file size limit) or cannot start, each leaving the stored pair.
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "exchange/csvimport.h"
#include "support/fajlhibak.h"
#include "support/gyerek.h"
#include "tests/exchange/csere.h"

namespace {

// 10,000 lines: 2.7 MB of payers and 1.35 MB of notices, a few write buffers each.
QByteArray sokSor() {
  QByteArray b;
  for (int i = 1; i <= 10000; ++i) {
    const QByteArray n = QByteArray::number(i);
    b += "Uj " + n + ";;AZ" + n + ";Győr;9021;Fő út " + n + ".;" + n + ";K" + n + "\r\n";
  }
  return b;
}

const QStringList kCsakAPar = {"be.csv", kKozl3sorFile, kNevekFile};

TEST(ImportIras, ManyBufferFillsGiveTheRecordsByteForByte) {
  TempFolder f;
  parIr(f, 5000, 4000);  // the notices of the last 1,000 payers are missing
  const QByteArray regiN = f.bytes(kNevekFile), regiK = f.bytes(kKozl3sorFile);
  f.put(kNevekFile, regiN + "csonka");  // a trailing partial record is not carried over
  const QByteArray csv = sokSor();
  const CsvBeolvasas b = csvFeldolgoz(csv, CsvValtozat::Kezi);
  f.put("be.csv", csv);
  const ImportEredmeny r = csvImport(f.path(), f.file("be.csv"), false, CsvValtozat::Kezi);
  ASSERT_TRUE(r.ok()) << r.hiba.toStdString();
  EXPECT_EQ(r.elso, 5001);
  const QByteArray ures = encodeRecord(Kozl3sorRekord{}).repeated(1000);
  EXPECT_TRUE(f.bytes(kNevekFile) == regiN + b.nevek);
  EXPECT_TRUE(f.bytes(kKozl3sorFile) == regiK + ures + b.kozl);
  ASSERT_TRUE(csvImport(f.path(), f.file("be.csv"), true, CsvValtozat::Kezi).ok());
  EXPECT_TRUE(f.bytes(kNevekFile) == b.nevek);
  EXPECT_TRUE(f.bytes(kKozl3sorFile) == b.kozl);
  EXPECT_EQ(f.entries(), kCsakAPar);
}

TEST(ImportIras, AWriteStoppedShortLeavesTheStoredPair) {
  // Files may grow only to the limit: a write across it is written short, a write after it
  // fails. 1,000,000 bytes stop the copy of the stored 1,355,000 bytes of payers (append);
  // 1,500,000 bytes stop the buffered writes of the new payers in the middle (replace);
  // 4,000,000 and 2,500,000 bytes cut the last write of the payer file short (append of
  // 2,710,000 bytes after the stored ones; replace).
  const struct {
    bool felulir;
    rlim_t hatar;
  } esetek[] = {{false, 1000000}, {true, 1500000}, {false, 4000000}, {true, 2500000}};
  for (const auto& e : esetek) {
    TempFolder f;
    parIr(f, 5000);
    const QByteArray regiN = f.bytes(kNevekFile), regiK = f.bytes(kKozl3sorFile);
    f.put("be.csv", sokSor());
    MeretKorlat korlat(e.hatar);
    ASSERT_TRUE(korlat.ok());
    const ImportEredmeny r = csvImport(f.path(), f.file("be.csv"), e.felulir, CsvValtozat::Kezi);
    EXPECT_FALSE(r.ok()) << e.hatar;
    EXPECT_TRUE(r.hiba.startsWith(QString::fromUtf8("Az importálás nem sikerült, az adatbázis nem változott.\r\n"
                                                     "Az ideiglenes fájlok (nevx-")))
        << r.hiba.toStdString();
    EXPECT_TRUE(r.hiba.contains(QString::fromUtf8(": A fájl túl nagy."))) << r.hiba.toStdString();
    EXPECT_TRUE(f.bytes(kNevekFile) == regiN) << e.hatar;
    EXPECT_TRUE(f.bytes(kKozl3sorFile) == regiK) << e.hatar;
    EXPECT_EQ(f.entries(), kCsakAPar) << e.hatar;
  }
}

TEST(ImportIras, AFileSizeLimitIsAnErrorOfTheWriteNotTheEndOfTheProgram) {
  // The child starts as the program does and meets the limit without any help of the test's.
  TempFolder f;
  parIr(f, 5000);
  const QByteArray regiN = f.bytes(kNevekFile), regiK = f.bytes(kKozl3sorFile);
  f.put("be.csv", sokSor());
  for (const char* felulir : {"0", "1"}) {
    const int st = gyerekFuttatas(IMPORTGYEREK, {f.path(), f.file("be.csv"), felulir, "meret", "1500000"}, std::nullopt);
    ASSERT_TRUE(WIFEXITED(st)) << "ended by signal " << WTERMSIG(st);
    EXPECT_EQ(WEXITSTATUS(st), 0);
    EXPECT_TRUE(f.bytes(kNevekFile) == regiN);
    EXPECT_TRUE(f.bytes(kKozl3sorFile) == regiK);
    EXPECT_EQ(f.entries(), kCsakAPar);
  }
}

TEST(ImportIras, TheFilesOwnFaultIsSaidBeforeAFailedWrite) {
  // The new files cannot be written, and the file gives no payer: said as the file's fault
  // (a watched file is then set aside, not tried again).
  TempFolder f;
  parIr(f, 2);
  f.put("be.csv", "\r\n\r\n");
  ImportOpciok o;
  o.horog = [](CsereLepes l) { return l != CsereLepes::Iras; };
  const ImportEredmeny r = csvImport(f.path(), f.file("be.csv"), false, CsvValtozat::Kezi, o);
  EXPECT_TRUE(r.fajlHiba);
  EXPECT_TRUE(r.hiba.contains(QString::fromUtf8("csak üres sorokat tartalmaz"))) << r.hiba.toStdString();
  EXPECT_EQ(f.entries(), kCsakAPar);
  // Appending to no stored pair: a file that gives nothing creates none either.
  TempFolder ures;
  ures.put("be.csv", "\r\n");
  EXPECT_TRUE(csvImport(ures.path(), ures.file("be.csv"), false, CsvValtozat::Kezi).fajlHiba);
  EXPECT_EQ(ures.entries(), QStringList{"be.csv"});
}

}  // namespace
