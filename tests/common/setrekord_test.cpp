#include <gtest/gtest.h>

#include "common/recordfile.h"
#include "common/setrekord.h"
#include "support/tempfolder.h"

TEST(SetRekord, LengthAndFieldOffsets) {
  EXPECT_EQ(SetRekord::Length, 548);
  EXPECT_EQ(fieldLength<SetRekord>(), 548);
  SetRekord s;
  s.NyomtatoIndex = 3;
  s.Osszeg_x1 = Fixed::fromDouble(12.5);
  s.BetuTipus1 = QStringLiteral("Arial CE");
  s.BetuMeret2 = 11;
  s.Nyomtatando[7] = -1;
  s.KilepeskorMentes = -1;
  s.TertiPosta = QStringLiteral("Győr 1");
  s.AutBeolvasMappa = QStringLiteral("/home/x");
  s.FizHat = QStringLiteral("Határidő:");
  s.AlapNyomtato = -1;
  s.Vkorrekcio = -3;
  s.IratErtesites = QStringLiteral("12345678");
  s.BoritekMeret = 2;
  s.AktivLap = 7;
  const QByteArray b = encodeRecord(s);
  ASSERT_EQ(b.size(), 548);
  EXPECT_EQ(hex(b, 2, 2), "03 00");
  EXPECT_EQ(hex(b, 4, 8), "48 e8 01 00 00 00 00 00");
  EXPECT_EQ(b.mid(124, 25), QByteArray("Arial CE") + QByteArray(17, ' '));
  EXPECT_EQ(hex(b, 176, 2), "0b 00");
  EXPECT_EQ(hex(b, 180 + 14, 2), "ff ff");
  EXPECT_EQ(hex(b, 196, 2), "ff ff");
  EXPECT_EQ(b.mid(216, 6), QByteArray("Gy\xF5r 1"));
  EXPECT_EQ(b.mid(251, 7), QByteArray("/home/x"));
  EXPECT_EQ(b.mid(508, 9), QByteArray("Hat\xE1rid\xF5:"));
  EXPECT_EQ(hex(b, 525, 2), "ff ff");
  EXPECT_EQ(hex(b, 527, 2), "fd ff");
  EXPECT_EQ(b.mid(535, 5), QByteArray("12345"));  // cut at the field width
  EXPECT_EQ(hex(b, 544, 2), "02 00");
  EXPECT_EQ(hex(b, 546, 2), "07 00");
}

TEST(SetRekord, NewFileReadsAsZeros) {
  TempFolder dir;
  SetRekord s;
  s.AktivLap = 5;
  EXPECT_TRUE(loadSet(dir.path(), s));
  EXPECT_EQ(s.AktivLap, 0);
  EXPECT_EQ(s.NyomtatoIndex, 0);
  EXPECT_TRUE(trimmed(s.BetuTipus2).isEmpty());
  EXPECT_TRUE(dir.exists("Set.dat"));
  EXPECT_EQ(dir.bytes("Set.dat").size(), 0);
}

TEST(SetRekord, SavingOneWindowsFieldsLeavesEveryOtherByte) {
  TempFolder dir;
  QByteArray image(548, '\0');
  for (int i = 0; i < 548; ++i) image[i] = char((i * 37 + 11) & 0xFF);
  dir.put("Set.dat", image);
  SetRekord s;  // the in-memory copy may be stale: the save reads the file first
  s.Osszeg_x1 = Fixed::fromDouble(99);
  ASSERT_TRUE(saveSetFields(dir.path(), s, [](SetRekord& r) { r.AktivLap = 4; }));
  const QByteArray after = dir.bytes("Set.dat");
  ASSERT_EQ(after.size(), 548);
  EXPECT_EQ(hex(after, 546, 2), "04 00");
  EXPECT_EQ(after.left(546), image.left(546));
}

TEST(SetRekord, ShortFileIsCompletedOnSave) {
  TempFolder dir;
  dir.put("Set.dat", QByteArray(100, '\x05'));
  SetRekord s;
  ASSERT_TRUE(saveSetFields(dir.path(), s, [](SetRekord& r) { r.ListaSorren = 1; }));
  const QByteArray after = dir.bytes("Set.dat");
  ASSERT_EQ(after.size(), 548);
  EXPECT_EQ(after.left(100), QByteArray(100, '\x05'));
  EXPECT_EQ(hex(after, 540, 2), "01 00");
}
