// The manual and automatic CSV import over the payer files.
#include <QDir>
#include <gtest/gtest.h>

#include "common/cp1250.h"
#include "common/fajlmuvelet.h"
#include "exchange/csvexport.h"
#include "exchange/csvimport.h"
#include "tests/exchange/csere.h"

namespace {

class Import : public ::testing::Test {
 protected:
  ImportEredmeny import(const QByteArray& csv, bool felulir = false, CsvValtozat v = CsvValtozat::Kezi) {
    folder.put("be.csv", csv);
    return csvImport(folder.path(), folder.file("be.csv"), felulir, v);
  }
  NevekRekord n(int i) const { return rekordja<NevekRekord>(folder.bytes(kNevekFile), i); }
  Kozl3sorRekord k(int i) const { return rekordja<Kozl3sorRekord>(folder.bytes(kKozl3sorFile), i); }
  TempFolder folder;
};

TEST_F(Import, QuotedSevenColumnsAndEmptyLinesSkipped) {
  const ImportEredmeny r = import(
      "\"  Kiss Anna\";\"\";\"AZ-7\";\"Szeged\";\"6720\";\"Tisza L. krt. 2.\";\"2500\"\r\n"
      "\r\n"
      "B\xE9la;;;P\xE9\x63s;;;\r\n");
  ASSERT_TRUE(r.ok()) << r.hiba.toStdString();
  EXPECT_EQ(r.adatok.fizetok, 2);
  EXPECT_EQ(r.adatok.uresSorok, 1);
  EXPECT_EQ(r.elso, 1);
  ASSERT_EQ(fizetokSzama(folder), 2);
  EXPECT_EQ(folder.bytes(kKozl3sorFile).size(), 2 * Kozl3sorRekord::Length);
  EXPECT_EQ(asStored(n(1).Nev), QString("  Kiss Anna").leftJustified(36));  // leading blanks kept
  EXPECT_EQ(trimmed(n(1).Nev2), "");
  EXPECT_EQ(trimmed(n(1).BefizAzonosito), "AZ-7");
  EXPECT_EQ(trimmed(n(1).Cim), "Tisza L. krt. 2.");
  EXPECT_EQ(n(1).Osszegek[0], 2500);
  EXPECT_EQ(trimmed(k(1).Kozlemeny), "");
  EXPECT_EQ(trimmed(n(2).Nev), QString::fromUtf8("Béla"));  // code page 1250 file
  EXPECT_EQ(trimmed(n(2).Helyseg), QString::fromUtf8("Pécs"));
  EXPECT_EQ(n(2).KulfCim, 0);
}

TEST_F(Import, AmountNeverFromThePreviousLine) {
  const ImportEredmeny r = import("a;;;;;;1500\nb;;;;;;\nc;;;;;;12.5\nd;;;;;;1 500\ne;;;;;;7\n");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.adatok.fizetok, 5);  // LF line ends; the last line end makes no payer
  const int32_t vart[] = {1500, 0, 0, 0, 7};
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(n(i).Osszegek[0], vart[i - 1]) << i;
  EXPECT_EQ(r.adatok.rosszOsszeg, 2);
  EXPECT_EQ(r.adatok.osszegNelkul, 3);
  const QString uzenet = importUzenet(r);
  EXPECT_TRUE(uzenet.contains(QString::fromUtf8("Beolvasott ügyfelek száma: 5")));
  EXPECT_TRUE(uzenet.contains(QString::fromUtf8("Nem egész vagy negatív összeg (0-ként tárolva): 2")));
  EXPECT_TRUE(uzenet.startsWith(QString::fromUtf8("Az adatbázis importálása befejeződött.\r\n\r\n")));
}

TEST_F(Import, AppendTwiceDoublesReplaceRenumbers) {
  const QByteArray csv = "A;;;;;;1\nB;;;;;;2\n";
  ASSERT_TRUE(import(csv).ok());
  const ImportEredmeny masodik = import(csv);
  ASSERT_TRUE(masodik.ok());
  EXPECT_EQ(masodik.elso, 3);
  EXPECT_EQ(fizetokSzama(folder), 4);
  EXPECT_EQ(nev(folder, 3), "A");
  const ImportEredmeny csere = import("C;;;;;;3\n", true);
  ASSERT_TRUE(csere.ok());
  EXPECT_EQ(csere.elso, 1);
  EXPECT_EQ(fizetokSzama(folder), 1);
  EXPECT_EQ(nev(folder, 1), "C");
  EXPECT_EQ(folder.bytes(kKozl3sorFile).size(), Kozl3sorRekord::Length);
  EXPECT_FALSE(folder.exists(kNevekTempFile));
  EXPECT_FALSE(folder.exists(kKozl3sorTempFile));
}

TEST_F(Import, AppendKeepsNoticesPaired) {
  parIr(folder, 3, 1);  // notices of payers 2 and 3 missing
  ASSERT_TRUE(import("Uj;;;;;;5;Uj kozl\n").ok());
  ASSERT_EQ(fizetokSzama(folder), 4);
  EXPECT_EQ(folder.bytes(kKozl3sorFile).size(), 4 * Kozl3sorRekord::Length);
  EXPECT_EQ(trimmed(k(1).Kozlemeny), QString::fromUtf8("Közlemény 1"));
  EXPECT_EQ(trimmed(k(3).Kozlemeny), "");
  EXPECT_EQ(trimmed(k(4).Kozlemeny), "Uj kozl");
}

TEST_F(Import, AutomaticVariantStopsAtTheFirstEmptyLine) {
  const ImportEredmeny r =
      import("1;;;;;;10;k1;h1;Fajta;Szam\n2;;;;;;20\n3;;;;;;\n4;;;;;;40\n\n6;;;;;;60\n", false, CsvValtozat::Automatikus);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.adatok.fizetok, 4);
  EXPECT_EQ(r.adatok.osszegNelkul, 1);
  EXPECT_EQ(trimmed(k(1).IratFajta), "Fajta");
  EXPECT_EQ(trimmed(k(1).IratSzam), "");
  EXPECT_EQ(trimmed(n(1).FizHatIdo), "h1");
}

TEST_F(Import, BadSourcesWriteNothing) {
  parIr(folder, 2);
  const QByteArray nevek = folder.bytes(kNevekFile), kozl = folder.bytes(kKozl3sorFile);
  // Own data files, a folder in the place of the file, a missing file, a file without payers.
  folder.put("Set.dat", "a;b;c\n");
  QDir(folder.path()).mkdir("mappa.csv");
  const QString forrasok[] = {folder.file(kNevekFile), folder.file("Set.dat"), folder.file("mappa.csv"),
                              folder.file("nincs.csv")};
  for (const QString& f : forrasok) {
    const ImportEredmeny r = csvImport(folder.path(), f, true, CsvValtozat::Kezi);
    EXPECT_FALSE(r.ok()) << f.toStdString();
    EXPECT_FALSE(r.hiba.isEmpty());
  }
  const ImportEredmeny ures = import("\r\n\r\n", true);
  EXPECT_TRUE(ures.ures);
  EXPECT_EQ(folder.bytes(kNevekFile), nevek);
  EXPECT_EQ(folder.bytes(kKozl3sorFile), kozl);
}

// A question about a payer file is a read: an append whose question about either file fails,
// from whichever one on, writes nothing and says which file could not be read; so does a failed
// read of the import file itself.
TEST_F(Import, AFailedQuestionOrReadWritesNothing) {
  parIr(folder, 2);
  const QByteArray nevek = folder.bytes(kNevekFile), kozl = folder.bytes(kKozl3sorFile);
  const QString eio = QString::fromUtf8("Bemeneti/kimeneti hiba");
  for (const QString& fajl : {kNevekFile, kKozl3sorFile, QStringLiteral("be.csv")}) {
    const FajlHivas hivas = fajl == "be.csv" ? FajlHivas::Olvasas : FajlHivas::Lekerdezes;
    int kerdesek = 0;
    for (int k = 0; k == 0 || k < kerdesek; ++k) {
      SCOPED_TRACE(fajl.toStdString() + " from call " + std::to_string(k));
      int n = 0;
      ImportEredmeny r;
      {
        FajlHorogProba proba([&](FajlHivas h, const QString& nev, qint64&, qint64) {
          return h == hivas && nev == fajl && n++ >= k ? EIO : 0;
        });
        r = import("Uj;;;;;;10\r\n");
      }
      if (k == 0) kerdesek = n;
      EXPECT_EQ(r.hiba, fajl == "be.csv"
                            ? QString::fromUtf8("A(z) be.csv fájlból nem olvasható be adat: nem olvasható (%1).\r\n"
                                                "Az adatbázis nem változott.")
                                  .arg(eio)
                            : QString::fromUtf8("Az importálás nem sikerült, az adatbázis nem változott.\r\nA(z) %1 "
                                                "fájl nem olvasható: %2.")
                                  .arg(fajl, eio));
      EXPECT_EQ(folder.bytes(kNevekFile), nevek);
      EXPECT_EQ(folder.bytes(kKozl3sorFile), kozl);
    }
    EXPECT_GT(kerdesek, 0);
  }
}

TEST_F(Import, DecomposedAccentsAreStoredAsTheirCodePageBytes) {
  // "Kovács Éva", "Székesfehérvár" and "Fő" typed with combining marks, then as one character each.
  const ImportEredmeny r = import(
      "Kova\xCC\x81" "cs E\xCC\x81va;;;Sze\xCC\x81kesfehe\xCC\x81rva\xCC\x81r;8000;Fo\xCC\x8B u\xCC\x81t 1.;5\r\n"
      "Kov\xC3\xA1" "cs \xC3\x89va;;;Sz\xC3\xA9kesfeh\xC3\xA9rv\xC3\xA1r;8000;F\xC5\x91 \xC3\xBAt 1.;5\r\n");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.adatok.kodlapon, 0);
  const QByteArray b = folder.bytes(kNevekFile);
  ASSERT_EQ(b.size(), 2 * NevekRekord::Length);
  EXPECT_EQ(b.left(11), QByteArray("Kov\xE1" "cs \xC9va "));
  EXPECT_EQ(b.mid(NevekRekord::HelysegAt, 15), QByteArray("Sz\xE9kesfeh\xE9rv\xE1r "));
  EXPECT_EQ(b.mid(NevekRekord::CimAt, 9), QByteArray("F\xF5 \xFAt 1. "));
  EXPECT_EQ(b.left(NevekRekord::Length), b.mid(NevekRekord::Length));
}

// The same lines in UTF-8, in code page 1250 and in UTF-16: the bytes of UTF-8 and code page
// 1250 lines are split and stored without being taken as text, UTF-16 lines always as text;
// every record and count must be the same.
TEST(CsvFeldolgoz, LinesOnBytesGiveTheRecordsOfTheText) {
  const char* sorok[] = {
      "  Kiss Anna  ;  Nev2  ;AZ-1;Szeged;6720  ;Tisza L. krt. 2.; 1500,00 ;k;h;Sz;F;M;RL1HU;J1;tobb;oszlop",
      "\"Kiss; Anna\";\"\";x\"y;;;;-20",
      ";;;;;;",
      "Őz Ödön;„Császár”;€ ™;;;;12.5",
      "Hosszú név, amely nem fér el a harminchat karakteren;;;;;;abc",
      "a\u0301;e\"\u0301;ж;x😀y;\u037E;\u212B;7",  // composing, foreign
      "\uFEFFközépen;;;;;;3",                       // a byte-order mark inside the file
  };
  QByteArray utf8;
  for (const char* s : sorok) utf8 += QByteArray(s) + "\r\n";
  const QString szoveg = QString::fromUtf8(utf8 + "\r\nUtolso;;;;;;9\rCR sor;;;;;;1");
  QByteArray utf16("\xFF\xFE");
  utf16.append(reinterpret_cast<const char*>(szoveg.utf16()), szoveg.size() * 2);
  for (const CsvValtozat v : {CsvValtozat::Kezi, CsvValtozat::Automatikus}) {
    const CsvBeolvasas vart = csvFeldolgoz(utf16, v);
    ASSERT_EQ(vart.fizetok, v == CsvValtozat::Kezi ? 9 : 7);
    const QByteArray fajlok[] = {szoveg.toUtf8(), "\xEF\xBB\xBF" + szoveg.toUtf8(), cp1250::encode(szoveg)};
    for (const QByteArray& f : fajlok) {
      const CsvBeolvasas b = csvFeldolgoz(f, v);
      const bool kodlap = &f == &fajlok[2];
      EXPECT_EQ(b.utf8, !kodlap);
      EXPECT_EQ(b.fizetok, vart.fizetok);
      EXPECT_EQ(b.uresSorok, vart.uresSorok);
      EXPECT_EQ(b.rosszOsszeg, vart.rosszOsszeg);
      EXPECT_EQ(b.osszegNelkul, vart.osszegNelkul);
      if (kodlap) continue;  // the code page has stored the foreign characters as '?' already
      EXPECT_EQ(b.kodlapon, vart.kodlapon);
      for (int i = 1; i <= b.fizetok; ++i) {
        ASSERT_EQ(hex(b.nevek, (i - 1) * NevekRekord::Length, NevekRekord::Length),
                  hex(vart.nevek, (i - 1) * NevekRekord::Length, NevekRekord::Length)) << i;
        ASSERT_EQ(hex(b.kozl, (i - 1) * Kozl3sorRekord::Length, Kozl3sorRekord::Length),
                  hex(vart.kozl, (i - 1) * Kozl3sorRekord::Length, Kozl3sorRekord::Length)) << i;
      }
    }
  }
}

// Lines whose columns moved at a ';' between two quotes: counted and named on the byte path
// (UTF-8, code page 1250) and on the text path (UTF-16, a character the code page lacks) alike,
// only where the ';' ended a column that is read.
TEST(CsvFeldolgoz, QuotedSemicolonsAreCountedOnEveryPath) {
  const QString szoveg = QString::fromUtf8(
      "\"Kft; Kereskedelmi\";;AZ-1;Győr;9021;Fő út 1.;1500\r\n"    // 1: both
      "Nagy Anna;;AZ-2;Pécs;7621;Király u. 3.;2500\r\n"
      "\"Szabó Éva\";\"Szabó Péterné\";AZ-3;Pécs;7621;\"Fő út 4.\";2500\r\n"
      "\"Tóth; Társa ✓\";;AZ-4;Győr;9021;Fő út 2.;300\r\n"         // 4: both, as text in UTF-8
      "A;;;;;;1;;;;;\"x;y\"\r\n"                                    // 5: the 12th ';', manual only
      "\"nyitott;idézőjel;;;;;1\r\n"
      "B;;;;;;1;;;;;;;;\"x;y\"\r\n"                                 // the 15th ';': ignored text
      "D;;;;;;1;;;\"x;y\"\r\n"                                      // 8: the 10th ';', both
      "\r\n"
      "\"C;D\";;;;;;1\r\n");                                        // 10: manual only
  QByteArray utf16("\xFF\xFE");
  utf16.append(reinterpret_cast<const char*>(szoveg.utf16()), szoveg.size() * 2);
  const QByteArray fajlok[] = {szoveg.toUtf8(), cp1250::encode(QString(szoveg).remove(QChar(0x2713))), utf16};
  for (const QByteArray& f : fajlok) {
    const CsvBeolvasas k = csvFeldolgoz(f, CsvValtozat::Kezi), a = csvFeldolgoz(f, CsvValtozat::Automatikus);
    EXPECT_EQ(k.idezettSorok, 5);
    EXPECT_EQ(k.idezettSorszamok, QList<int32_t>({1, 4, 5, 8, 10}));
    EXPECT_EQ(a.idezettSorok, 3);
    EXPECT_EQ(a.idezettSorszamok, QList<int32_t>({1, 4, 8}));
  }
  ImportEredmeny e;
  e.adatok = csvFeldolgoz(fajlok[0], CsvValtozat::Kezi);
  EXPECT_TRUE(importUzenet(e).contains(QString::fromUtf8(
      "\r\n\r\nIdézőjelek között pontosvesszőt tartalmazó sor: 5 (1., 4., 5., 8., 10. sor)\r\nA pontosvessző "
      "idézőjelek között is új oszlopot kezd, ezért ezekben a sorokban az oszlopok elcsúsztak.\r\n\r\n")))
      << importUzenet(e).toStdString();
  // More lines than are named.
  const CsvBeolvasas sok = csvFeldolgoz(QByteArray("\"a;b\"\r\n").repeated(7), CsvValtozat::Kezi);
  EXPECT_TRUE(idezettMegjegyzes(sok).startsWith(
      QString::fromUtf8("Idézőjelek között pontosvesszőt tartalmazó sor: 7 (az első 5: 1., 2., 3., 4., 5. sor)")));
  EXPECT_EQ(idezettMegjegyzes(csvFeldolgoz("\"a\";b\r\n", CsvValtozat::Kezi)), QString());
}

TEST_F(Import, RoundTripOfAThousandPayers) {
  QByteArray nevek, kozl;
  const QStringList nevek1 = {"Árvíztűrő Tükörfúrógép", "Őz Ödön", "Kiss Éva", "Szűcs Ágnes"};
  for (int i = 1; i <= 1000; ++i) {
    NevekRekord r;
    r.Nev = nevek1[i % 4] + QStringLiteral(" %1").arg(i);
    r.Nev2 = i % 3 ? QString() : QStringLiteral("c/o Fülöp %1").arg(i);
    r.Helyseg = QStringLiteral("Hódmezővásárhely");
    r.Irsz = QStringLiteral("%1").arg(1000 + i);
    r.Cim = QStringLiteral("Petőfi Sándor utca %1.").arg(i);
    r.Osszegek[0] = i * 37;
    r.Osszegek[5] = 99;  // slots 2 to 12 are not exported
    r.BefizAzonosito = QStringLiteral("AZ-%1").arg(i);
    r.FizHatIdo = QStringLiteral("2026.12.%1").arg(i % 28 + 1);
    r.KulfCim = -1;
    nevek += encodeRecord(r);
    Kozl3sorRekord k;
    k.Kozlemeny = QStringLiteral("Díj %1").arg(i);
    k.IratSzam = QStringLiteral("Sz-%1").arg(i);
    k.IratFajta = QStringLiteral("Határozat");
    k.IratMelleklet = QStringLiteral("Mell. %1").arg(i);
    k.KuldemenyAzonosito = QStringLiteral("RL%1HU").arg(i);
    k.UgyfelSajatJelzese = QStringLiteral("Jel-%1").arg(i);
    kozl += encodeRecord(k);
  }
  folder.put(kNevekFile, nevek);
  folder.put(kKozl3sorFile, kozl);
  const ExportEredmeny ex = csvExport(folder.path(), folder.file("ki.csv"));
  ASSERT_TRUE(ex.ok()) << ex.hiba.toStdString();
  EXPECT_EQ(folder.bytes("ki.csv").size(), 1000 * 331);
  const ImportEredmeny im = csvImport(folder.path(), folder.file("ki.csv"), true, CsvValtozat::Kezi);
  ASSERT_TRUE(im.ok()) << im.hiba.toStdString();
  ASSERT_EQ(fizetokSzama(folder), 1000);
  const QByteArray ujNevek = folder.bytes(kNevekFile), ujKozl = folder.bytes(kKozl3sorFile);
  for (int i = 1; i <= 1000; ++i) {
    const NevekRekord a = rekordja<NevekRekord>(nevek, i), b = rekordja<NevekRekord>(ujNevek, i);
    const Kozl3sorRekord ka = rekordja<Kozl3sorRekord>(kozl, i), kb = rekordja<Kozl3sorRekord>(ujKozl, i);
    const QString elotte[] = {a.Nev, a.Nev2, a.Helyseg, a.Irsz, a.Cim, a.BefizAzonosito, a.FizHatIdo, ka.Kozlemeny,
                              ka.IratSzam, ka.IratFajta, ka.IratMelleklet, ka.KuldemenyAzonosito, ka.UgyfelSajatJelzese};
    const QString utana[] = {b.Nev, b.Nev2, b.Helyseg, b.Irsz, b.Cim, b.BefizAzonosito, b.FizHatIdo, kb.Kozlemeny,
                             kb.IratSzam, kb.IratFajta, kb.IratMelleklet, kb.KuldemenyAzonosito, kb.UgyfelSajatJelzese};
    for (size_t m = 0; m < std::size(elotte); ++m) ASSERT_EQ(trimmed(utana[m]), trimmed(elotte[m])) << i << " " << m;
    ASSERT_EQ(b.Osszegek[0], a.Osszegek[0]) << i;
    ASSERT_EQ(b.Osszegek[5], 0);
    ASSERT_EQ(b.KulfCim, 0);
  }
}

}  // namespace
