// The list's rows read from damaged records: zero bytes anywhere in a field are dropped, blanks
// and zeros at both ends of the name and the settlement are trimmed, the postcode and the street
// stay as stored; fields are read eight bytes at a time, so zeros and blanks sit on either side
// of those steps here.
#include <gtest/gtest.h>

#include <vector>

#include "common/cp1250.h"
#include "payerstore/abcrend.h"
#include "payerstore/fizetok.h"
#include "payerstore/fizetotar.h"
#include "support/tempfolder.h"

namespace {

// A record whose field at `at` holds exactly `bajtok` (code-page bytes, zeros included).
void mezo(QByteArray& r, int at, const QByteArray& bajtok) { r.replace(at, bajtok.size(), bajtok); }

QByteArray b(const char* s, int n) { return QByteArray(s, n); }

}  // namespace

TEST(FizetoTar, ZeroBytesAndBlanksAroundAndInsideTheFields) {
  using R = NevekRekord;
  QByteArray r1 = fizetoRekord({"x", "x", "x", "x"});
  // Name: zeros inside the first eight bytes and after them, a blank inside, blanks and zeros
  // mixed at the end (more than eight).
  mezo(r1, R::NevAt, cp1250::encode(QStringLiteral(" Ko")) + b("\0", 1) + cp1250::encode(QStringLiteral("vács P")) + b("\0", 1) +
                         cp1250::encode(QStringLiteral("éter")) + b(" \0 \0 \0 \0 \0 \0 \0 \0 \0 \0 \0", 21));
  mezo(r1, R::IrszAt, b("90\0" "21\0", 6));
  mezo(r1, R::HelysegAt, b("\0 \0", 3) + cp1250::encode(QStringLiteral("Győr")) + QByteArray(33, '\0'));
  mezo(r1, R::CimAt, cp1250::encode(QStringLiteral("Fő út 1.")) + b("\0\0", 2) + QByteArray(26, ' ') + QByteArray(9, '\0'));
  // A name of 36 letters with a zero in its last eight bytes.
  QByteArray r2 = fizetoRekord({"", "Pécs", "Ady tér 2.", "7621"});
  mezo(r2, R::NevAt, QByteArray(33, 'a') + b("\0", 1) + QByteArray(2, 'b'));
  TempFolder folder;
  folder.put(kNevekFile, r1 + r2);
  FizetoTar t;
  t.olvas(folder.path());
  ASSERT_EQ(t.size(), 2);
  EXPECT_EQ(t.nev(0), QStringLiteral("Kovács Péter"));
  EXPECT_EQ(t.cim(0), QStringLiteral("9021 Győr, Fő út 1.") + QString(26, QLatin1Char(' ')));
  EXPECT_EQ(t.nev(1), QString(33, QLatin1Char('a')) + QStringLiteral("bb"));
  EXPECT_EQ(t.cim(1), QStringLiteral("7621   Pécs, Ady tér 2.") + QString(35, QLatin1Char(' ')));
  // The search and the order read the same bytes.
  std::vector<uint32_t> talalat;
  t.keres(QStringLiteral("kovács p"), talalat);
  EXPECT_EQ(talalat, std::vector<uint32_t>{0});
  EXPECT_LT(t.rangok(0, true)[1], t.rangok(0, true)[0]);  // "aaa..." before "Kovács"
}

// A file read in parts side by side gives the rows read whole, also at the parts' borders; the
// search made after a load searches that load's names.
TEST(FizetoTar, PartsReadSideBySideAndTheSearchOfEachLoad) {
  QByteArray fajl;
  for (int i = 1; i <= 1000; ++i)
    fajl += fizetoRekord({QString(i % 37, QLatin1Char('x')) + QStringLiteral("Név %1").arg(i), QStringLiteral("Győr"),
                          QStringLiteral("Fő út %1.").arg(i) + QString(i % 11, QLatin1Char(' ')), QString::number(9000 + i % 30)});
  TempFolder folder;
  folder.put(kNevekFile, fajl);
  FizetoTar egesz(1);
  egesz.olvas(folder.path());
  ASSERT_EQ(egesz.size(), 1000);
  EXPECT_EQ(egesz.nev(499), QString(500 % 37, QLatin1Char('x')) + QStringLiteral("Név 500"));
  EXPECT_EQ(egesz.cim(499), QStringLiteral("9020   Győr, ") + QStringLiteral("Fő út 500.").leftJustified(45));
  for (const int reszek : {2, 7, 999, 1000}) {
    FizetoTar t(reszek);
    t.olvas(folder.path());
    ASSERT_EQ(t.size(), 1000);
    for (int i = 0; i < 1000; ++i) {
      ASSERT_EQ(t.nev(i), egesz.nev(i)) << reszek << " parts, row " << i;
      ASSERT_EQ(t.cim(i), egesz.cim(i)) << reszek << " parts, row " << i;
    }
  }
  std::vector<uint32_t> talalat;
  egesz.keres(QStringLiteral("név 999"), talalat);
  EXPECT_EQ(talalat, std::vector<uint32_t>{998});
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter"}, {"Név 999"}}));
  egesz.olvas(folder.path());
  egesz.keres(QStringLiteral("név 999"), talalat);
  EXPECT_EQ(talalat, std::vector<uint32_t>{1});
}

// The search's copy of the names made in parts side by side finds what one part finds, also at
// the parts' borders, for names whose upper case is longer ("ß": "SS") or which the code page
// cannot hold in upper case ("µ"); made when asked for or by the first search, for each load.
TEST(FizetoTar, TheSearchCopyInParts) {
  QByteArray fajl;
  for (int i = 0; i < 300; ++i)
    fajl += fizetoRekord({i % 7 == 0 ? QStringLiteral("Weiß %1").arg(i) : i % 11 == 0 ? QStringLiteral("µ-Kovács %1").arg(i) : QStringLiteral("Kovács %1").arg(i)});
  TempFolder folder;
  folder.put(kNevekFile, fajl);
  FizetoTar egy(1);
  egy.olvas(folder.path());
  const QStringList szovegek = {"weiss", "ß", "s 2", "kovács 1", "µ", "µ-kovács", "0", "", "x"};
  std::vector<std::vector<uint32_t>> vart;
  for (const QString& sz : szovegek) {
    egy.keres(sz, vart.emplace_back());
  }
  EXPECT_EQ(vart[0].size(), 43u);  // rows 0, 7, ..., 294
  EXPECT_EQ(vart[4].size(), 24u);  // rows 11, 22, ... not also of 7
  for (const int reszek : {2, 3, 300}) {
    FizetoTar t(reszek);
    t.olvas(folder.path());
    t.nagyBetusek();
    for (qsizetype k = 0; k < szovegek.size(); ++k) {
      std::vector<uint32_t> talalat;
      t.keres(szovegek[k], talalat);
      EXPECT_EQ(talalat, vart[size_t(k)]) << reszek << " parts, \"" << qPrintable(szovegek[k]) << "\"";
    }
  }
}

// The rows' ranks by name and by address are the ranks of their texts, for addresses that share
// more than sixteen weights (their sort reads the rows again, made ready ahead), repeated or all
// distinct.
TEST(FizetoTar, RanksOfTheColumnsAreTheRanksOfTheirTexts) {
  for (const int db : {3000, 20000}) {
    QByteArray fajl;
    for (int i = 0; i < db; ++i) {
      const int x = db == 3000 ? i % 700 : (i * 7919) % db;
      fajl += fizetoRekord({QStringLiteral("Kovács János %1").arg(x % 97), QStringLiteral("Pécs"),
                            QStringLiteral("Kossuth Lajos utca %1.").arg(x), QString::number(7621 + x % 3)});
    }
    TempFolder folder;
    folder.put(kNevekFile, fajl);
    FizetoTar t;
    t.olvas(folder.path());
    ASSERT_EQ(t.size(), db);
    for (const int oszlop : {0, 1}) {
      std::vector<std::string> b;
      for (int i = 0; i < db; ++i) b.push_back(cp1250::encode(oszlop == 0 ? t.nev(i) : t.cim(i)).toStdString());
      std::vector<uint32_t> vart;
      abc::rangsor(db, [&](int i) { return abc::Szoveg{b[size_t(i)]}; }, vart);
      const std::span<const uint32_t> rang = t.rangok(oszlop, true);
      EXPECT_TRUE(std::equal(rang.begin(), rang.end(), vart.begin(), vart.end())) << db << " rows, column " << oszlop;
    }
  }
}
