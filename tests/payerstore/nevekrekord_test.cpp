// Byte images of the payer and notice records.
#include <gtest/gtest.h>

#include "common/fields.h"
#include "common/recordfile.h"
#include "payerstore/nevekrekord.h"
#include "support/tempfolder.h"

TEST(NevekRekord, LengthsAreTheStoredOnes) {
  EXPECT_EQ(NevekRekord::Length, 271);
  EXPECT_EQ(fieldLength<NevekRekord>(), 271);
  EXPECT_EQ(Kozl3sorRekord::Length, 135);
  EXPECT_EQ(fieldLength<Kozl3sorRekord>(), 135);
  EXPECT_EQ(kNevekFile, "nevek1.dat");
  EXPECT_EQ(kKozl3sorFile, "kozl3sor.dat");
}

TEST(NevekRekord, FieldsLieAtTheirOffsets) {
  NevekRekord r;
  r.Nev = QStringLiteral("Árvíztűrő tükörfúrógép");
  r.Nev2 = QStringLiteral("B");
  r.Helyseg = QStringLiteral("Győr");
  r.Cim = QStringLiteral("Fő út 1.");
  r.Irsz = QStringLiteral("9021");
  r.Osszegek[0] = 12345;
  r.Osszegek[11] = -2;
  r.BefizAzonosito = QStringLiteral("AZ1");
  r.FizHatIdo = QStringLiteral("2026.12.19");
  r.KulfCim = -1;
  const QByteArray b = encodeRecord(r);
  ASSERT_EQ(b.size(), 271);
  // "Árvíztűrő tükörfúrógép" in code page 1250: ő is F5, ű is FB; padded with blanks to 36.
  EXPECT_EQ(hex(b, 0, 22), "c1 72 76 ed 7a 74 fb 72 f5 20 74 fc 6b f6 72 66 fa 72 f3 67 e9 70");
  EXPECT_EQ(b.mid(22, 14), QByteArray(14, ' '));
  EXPECT_EQ(b.at(36), 'B');
  EXPECT_EQ(hex(b, 72, 4), "47 79 f5 72");  // Győr
  EXPECT_EQ(b.mid(112, 8), QByteArray("F\xf5 \xfat 1."));
  EXPECT_EQ(b.mid(157, 6), QByteArray("9021  "));
  EXPECT_EQ(hex(b, 163, 4), "39 30 00 00");  // 12345 little-endian
  EXPECT_EQ(hex(b, 163 + 44, 4), "fe ff ff ff");
  EXPECT_EQ(b.mid(211, 3), QByteArray("AZ1"));
  EXPECT_EQ(b.mid(241, 10), QByteArray("2026.12.19"));
  EXPECT_EQ(hex(b, 269, 2), "ff ff");

  NevekRekord back;
  decodeRecord(b, back);
  EXPECT_EQ(trimmed(back.Nev), r.Nev);
  EXPECT_EQ(trimmed(back.Helyseg), QStringLiteral("Győr"));
  EXPECT_EQ(back.Osszegek[0], 12345);
  EXPECT_EQ(back.KulfCim, -1);
}

TEST(NevekRekord, TextIsCutAtTheFieldAndUnknownCharactersBecomeQuestionMarks) {
  NevekRekord r;
  r.Nev = QString(40, QLatin1Char('x'));
  r.Cim = QStringLiteral("Улица 5");  // Cyrillic is outside code page 1250
  const QByteArray b = encodeRecord(r);
  EXPECT_EQ(b.mid(0, 36), QByteArray(36, 'x'));
  EXPECT_EQ(b.at(36), ' ');
  EXPECT_EQ(b.mid(112, 7), QByteArray("????? 5"));
}

TEST(Kozl3sorRekord, FieldsLieAtTheirOffsets) {
  Kozl3sorRekord k;
  k.Kozlemeny = QStringLiteral("Közl");
  k.IratFajta = QStringLiteral("F");
  k.IratSzam = QStringLiteral("S");
  k.IratMelleklet = QStringLiteral("M");
  k.UgyfelSajatJelzese = QStringLiteral("U");
  k.KuldemenyAzonosito = QStringLiteral("K");
  const QByteArray b = encodeRecord(k);
  ASSERT_EQ(b.size(), 135);
  EXPECT_EQ(hex(b, 0, 4), "4b f6 7a 6c");
  EXPECT_EQ(b.at(20), 'F');
  EXPECT_EQ(b.at(40), 'S');
  EXPECT_EQ(b.at(60), 'M');
  EXPECT_EQ(b.at(80), 'U');
  EXPECT_EQ(b.at(105), 'K');
  EXPECT_EQ(b.at(134), ' ');
}

TEST(NevekRekord, AmountRule) {
  EXPECT_FALSE(isOsszeg(0));
  EXPECT_TRUE(isOsszeg(1));
  EXPECT_TRUE(isOsszeg(9999998));
  EXPECT_FALSE(isOsszeg(9999999));
  EXPECT_FALSE(isOsszeg(10000000));
  EXPECT_FALSE(isOsszeg(-5));
}

TEST(NevekRekord, CountIgnoresATrailingPartialRecord) {
  TempFolder t;
  t.put(kNevekFile, QByteArray(542, ' '));
  EXPECT_EQ(*RecordFile(t.path(), kNevekFile, NevekRekord::Length).count(), 2);
  t.put(kNevekFile, QByteArray(600, ' '));
  EXPECT_EQ(*RecordFile(t.path(), kNevekFile, NevekRekord::Length).count(), 2);
}
