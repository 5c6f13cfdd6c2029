// Byte layouts of the two postcode tables and the texts the pick list shows for them.
#include <gtest/gtest.h>

#include "common/fields.h"
#include "payerstore/lookuprecords.h"
#include "support/tempfolder.h"

TEST(LookupRecords, TelepulesRekordIs42PackedBytes) {
  EXPECT_EQ(fieldLength<TelepulesRekord>(), TelepulesRekord::Length);
  EXPECT_EQ(TelepulesRekord::Length, 42);
  TelepulesRekord r;
  r.Helyseg = QStringLiteral("Győr");
  r.Kiegeszites = QStringLiteral("Ménfőcsanak");
  r.Irsz = 9021;
  const QByteArray b = encodeRecord(r);
  ASSERT_EQ(b.size(), 42);
  EXPECT_EQ(hex(b, 0, 5), "47 79 f5 72 20");  // "Győr" in code page 1250, then padding
  EXPECT_EQ(b.mid(4, 16), QByteArray(16, ' '));
  EXPECT_EQ(hex(b, 20, 2), "4d e9");            // "Mé"
  EXPECT_EQ(hex(b, 40, 2), "3d 23");            // 9021 little-endian
  TelepulesRekord back;
  decodeRecord(b, back);
  EXPECT_EQ(trimmed(back.Helyseg), QStringLiteral("Győr"));
  EXPECT_EQ(trimmed(back.Kiegeszites), QStringLiteral("Ménfőcsanak"));
  EXPECT_EQ(back.Irsz, 9021);
}

TEST(LookupRecords, BudapestRekordFieldOffsets) {
  EXPECT_EQ(fieldLength<BudapestRekord>(), BudapestRekord::Length);
  EXPECT_EQ(BudapestRekord::Length, 62);
  BudapestRekord r;
  r.Irsz = 1088;
  r.Utca = QStringLiteral("Múzeum");
  r.Kozterulet = QStringLiteral("körút");
  r.Varosresz = QStringLiteral("Palotanegyed");
  r.HszTol = kHszParos;
  r.HszIg = kHszVegig;
  r.Kerulet = QStringLiteral("VIII.");
  const QByteArray b = encodeRecord(r);
  ASSERT_EQ(b.size(), 62);
  EXPECT_EQ(hex(b, 0, 2), "40 04");                // 1088
  EXPECT_EQ(hex(b, 2, 3), "4d fa 7a");             // "Múz" at 2
  EXPECT_EQ(hex(b, 27, 3), "6b f6 72");            // "kör" at 27
  EXPECT_EQ(hex(b, 37, 1), "50");                  // "P" at 37
  EXPECT_EQ(hex(b, 52, 4), "fe ff 00 00");         // -2, 0
  EXPECT_EQ(b.mid(56), QByteArray("VIII. "));      // 6 wide, padded
}

TEST(LookupRecords, HouseNumberTexts) {
  EXPECT_EQ(hszTolSzoveg(-3), QStringLiteral("Többi"));
  EXPECT_EQ(hszTolSzoveg(-2), QStringLiteral("Páros"));
  EXPECT_EQ(hszTolSzoveg(-1), QStringLiteral("Páratlan"));
  EXPECT_EQ(hszTolSzoveg(0), QStringLiteral("Mind"));
  EXPECT_EQ(hszTolSzoveg(17), QStringLiteral("17"));
  EXPECT_EQ(hszIgSzoveg(0), QStringLiteral("Végig"));
  EXPECT_EQ(hszIgSzoveg(120), QStringLiteral("120"));
}

TEST(LookupRecords, StreetTextJoinsNameAndKind) {
  BudapestRekord r;
  decodeRecord(QByteArray("\x17\x04" "Kossuth Lajos            " "t\xe9r       ", 37), r);
  EXPECT_EQ(utcaSzoveg(r), QStringLiteral("Kossuth Lajos tér"));
}
