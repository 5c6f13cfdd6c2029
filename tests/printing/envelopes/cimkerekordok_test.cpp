#include <gtest/gtest.h>

#include "common/recordfile.h"
#include "printing/envelopes/cimkerekordok.h"
#include "support/tempfolder.h"

TEST(LabelRecords, CimkeSetupLayout) {
  EXPECT_EQ(fieldLength<CimkeSetupRekord>(), 40);
  CimkeSetupRekord r;
  r.Magas = Fixed::fromDouble(74.25);
  r.Left = Fixed::fromDouble(5);
  r.Oszlop = 2;
  r.Sor = 6;
  r.KinyomottCimkeNum = 100000;
  const QByteArray b = encodeRecord(r);
  ASSERT_EQ(b.size(), 40);
  EXPECT_EQ(hex(b, 0, 8), "64 54 0b 00 00 00 00 00");  // 742500
  EXPECT_EQ(hex(b, 24, 8), "50 c3 00 00 00 00 00 00");  // 50000
  EXPECT_EQ(hex(b, 32, 8), "02 00 06 00 a0 86 01 00");
}

TEST(LabelRecords, KepmentLayout) {
  EXPECT_EQ(fieldLength<KepmentRekord>(), 283);
  KepmentRekord r;
  r.KepUtvonal = QStringLiteral("/home/é/kép.jpg");
  r.KepX = 440;
  r.KepY = -1;
  r.KepSzelesseg = Fixed::fromDouble(1500);
  r.KepMagassag = Fixed::fromDouble(900.5);
  const QByteArray b = encodeRecord(r);
  ASSERT_EQ(b.size(), 283);
  EXPECT_EQ(b.left(15), QByteArray("/home/\xE9/k\xE9p.jpg"));
  EXPECT_EQ(b.at(15), ' ');
  EXPECT_EQ(hex(b, 263, 4), "b8 01 ff ff");
  EXPECT_EQ(hex(b, 267, 8), "c0 e1 e4 00 00 00 00 00");  // 15,000,000
  KepmentRekord back;
  decodeRecord(b, back);
  EXPECT_EQ(trimmed(back.KepUtvonal), r.KepUtvonal);
  EXPECT_DOUBLE_EQ(back.KepMagassag.value(), 900.5);
}

TEST(LabelRecords, EmptyFilesReadAsZeros) {
  TempFolder dir;
  CimkeSetupRekord c;
  c.Oszlop = 9;
  EXPECT_TRUE(loadSettings(dir.path(), kCimkeSetupFile, c));
  EXPECT_EQ(c.Oszlop, 0);
  KepmentRekord k;
  EXPECT_TRUE(loadSettings(dir.path(), kKepmentFile, k));
  EXPECT_TRUE(trimmed(k.KepUtvonal).isEmpty());
}
