// Byte layouts of the layout records and the number forms of the settings dialog's boxes.
#include <gtest/gtest.h>

#include "layouts/binding.h"
#include "layouts/layoutrecords.h"
#include "support/tempfolder.h"
#include "tests/layouts/layoutbytes.h"

TEST(LayoutRecords, LengthsAreTheStoredOnes) {
  EXPECT_EQ(SetTertiRekord::Length, 345);
  EXPECT_EQ(fieldLength<SetTertiRekord>(), 345);
  EXPECT_EQ(SetIrat2Rekord::Length, 182);
  EXPECT_EQ(fieldLength<SetIrat2Rekord>(), 182);
  EXPECT_EQ(SetFvevenyRekord::Length, 341);
  EXPECT_EQ(fieldLength<SetFvevenyRekord>(), 341);
  EXPECT_EQ(SetRcsekkRekord::Length, 394);
  EXPECT_EQ(fieldLength<SetRcsekkRekord>(), 394);
  EXPECT_EQ(SetUlapRekord::Length, 104);
  EXPECT_EQ(fieldLength<SetUlapRekord>(), 104);
  EXPECT_EQ(BoritekRekord::Length, 195);
  EXPECT_EQ(fieldLength<BoritekRekord>(), 195);
}

TEST(LayoutRecords, TertiOffsetsMixFixedAndSingle) {
  SetTertiRekord r;
  r.TertiCimzett_x = Fixed::fromDouble(68);
  r.TertiBetuTipus = "Arial CE";
  r.TertiBetuMeret = 10;
  r.TertiVisszakuldNev = "Kiss";
  r.TertiVisszakuldIrsz = "1234";
  r.TertiPipa_y = Fixed::fromDouble(15);
  r.TertiFelKelte_y = Fixed::fromDouble(35);
  r.KTertiKulVisszaSorem = 7.5f;
  r.KTertiKulAzon_y = Fixed::fromDouble(16);
  r.KTertiKulVissza_x = Fixed::fromDouble(85);
  r.KTertiKulPri_x = 43;
  r.KTertiCimzett_x = 15.25f;
  const QByteArray b = encodeRecord(r);
  ASSERT_EQ(b.size(), 345);
  EXPECT_EQ(fixedAt(b, 8), 680000);
  EXPECT_EQ(textAt(b, 80, 25), padded("Arial CE", 25));
  EXPECT_EQ(i16At(b, 105), 10);
  EXPECT_EQ(textAt(b, 107, 40), padded("Kiss", 40));
  EXPECT_EQ(textAt(b, 227, 10), padded("1234", 10));
  EXPECT_EQ(fixedAt(b, 237), 150000);
  EXPECT_EQ(fixedAt(b, 269), 350000);
  EXPECT_EQ(hex(b, 277, 4), "00 00 f0 40");  // 7.5f
  EXPECT_EQ(fixedAt(b, 281), 160000);
  EXPECT_EQ(fixedAt(b, 305), 850000);
  EXPECT_EQ(f32At(b, 313), 43.0f);
  EXPECT_EQ(f32At(b, 341), 15.25f);
}

TEST(LayoutRecords, Irat2FveFontsAndSizesSitWhereStored) {
  SetIrat2Rekord i;
  i.IratTertiIratkuldAzon_x = Fixed::fromDouble(12);
  i.IratTertiBetuTipus = "Times New Roman CE";
  i.IratTertiBetuMeret = 9;
  i.VkodBetutipus = "Code39";
  i.VkodMeret = 14;
  QByteArray b = encodeRecord(i);
  EXPECT_EQ(fixedAt(b, 120), 120000);
  EXPECT_EQ(textAt(b, 128, 25), padded("Times New Roman CE", 25));
  EXPECT_EQ(i16At(b, 153), 9);
  EXPECT_EQ(textAt(b, 155, 25), padded("Code39", 25));
  EXPECT_EQ(i16At(b, 180), 14);

  SetFvevenyRekord f;
  f.FeladovevenyBetuTipus = "Arial";
  f.FeladovevenyBetuMeret = 10;
  f.FeladovevenyFeladoCim2 = "Pf. 12";
  f.FeladovevenyXAjanlott_y = Fixed::fromDouble(41);
  f.FeladovevenyXK1_y = Fixed::fromDouble(29);
  f.FeladovevenyXK6_x = Fixed::fromDouble(168);
  f.FeladovevenyUtanvetszoveg2_y = Fixed::fromDouble(53);
  f.FeladovevenyBetuMeret2 = 8;
  b = encodeRecord(f);
  EXPECT_EQ(textAt(b, 48, 25), padded("Arial", 25));
  EXPECT_EQ(i16At(b, 73), 10);
  EXPECT_EQ(textAt(b, 155, 40), padded("Pf. 12", 40));
  EXPECT_EQ(fixedAt(b, 195), 410000);
  EXPECT_EQ(fixedAt(b, 235), 290000);
  EXPECT_EQ(fixedAt(b, 283), 1680000);
  EXPECT_EQ(fixedAt(b, 331), 530000);
  EXPECT_EQ(i16At(b, 339), 8);
}

TEST(LayoutRecords, RcsekkHasNoGapAfterTheBankFields) {
  SetRcsekkRekord r;
  r.RcsekkKozlemHatoldal_x = Fixed::fromDouble(75);
  r.RcsekkNumBetuTipus = "Arial CE";
  r.RcsekkBetuMeret1 = 12;
  r.RcsekkNev = "Város";
  r.RcsekkIrszam = "12345";  // cut to 4
  r.ULapCizett = -1;
  r.BankNum = "11111111-22222222";
  r.BankNeve = "Bank";
  r.BankIrsz = "1051";
  r.RcsekkTextcim2_y = Fixed::fromDouble(61);
  r.RcsekkTextirsz2_y = Fixed::fromDouble(77);
  const QByteArray b = encodeRecord(r);
  EXPECT_EQ(fixedAt(b, 136), 750000);
  EXPECT_EQ(textAt(b, 144, 25), padded("Arial CE", 25));
  EXPECT_EQ(i16At(b, 194), 12);
  EXPECT_EQ(hex(b, 198, 5), "56 e1 72 6f 73");  // "Város" in code page 1250
  EXPECT_EQ(textAt(b, 318, 4), "1234");
  EXPECT_EQ(i16At(b, 322), -1);
  EXPECT_EQ(textAt(b, 324, 30), padded("11111111-22222222", 30));
  EXPECT_EQ(textAt(b, 354, 20), padded("Bank", 20));
  EXPECT_EQ(textAt(b, 374, 4), "1051");
  EXPECT_EQ(fixedAt(b, 378), 610000);
  EXPECT_EQ(fixedAt(b, 386), 770000);
}

TEST(LayoutRecords, UlapAndBoritekOffsets) {
  SetUlapRekord u;
  u.UlapTextosszeg_x = Fixed::fromDouble(10);
  u.UlapRX_y = Fixed::fromDouble(2);
  QByteArray b = encodeRecord(u);
  EXPECT_EQ(fixedAt(b, 0), 100000);
  EXPECT_EQ(fixedAt(b, 96), 20000);

  BoritekRekord e;
  e.C5Felado_x = 20;
  e.C56Cimzett_x = 100;
  e.BoritekFeladoNev = "Feladó";
  e.BoritekFeladoIrSzam = "1111";
  e.FKF[0] = -1;
  e.FKC[4] = -1;
  e.BoritekNevBetutipus = "Arial";
  e.BoritekNevBetumeret = 12;
  e.BoritekFeladoBetumeret = 9;
  b = encodeRecord(e);
  EXPECT_EQ(i16At(b, 8), 20);
  EXPECT_EQ(i16At(b, 22), 100);
  EXPECT_EQ(textAt(b, 144, 4), "1111");
  EXPECT_EQ(i16At(b, 148), -1);
  EXPECT_EQ(i16At(b, 164), -1);
  EXPECT_EQ(textAt(b, 166, 25), padded("Arial", 25));
  EXPECT_EQ(i16At(b, 191), 12);
  EXPECT_EQ(i16At(b, 193), 9);
  EXPECT_EQ(*e.group(1)[0], 20);
  EXPECT_EQ(*e.group(2)[3], 100);
}

TEST(BoxNumbers, PositionsShowAndReadInTheHungarianFormat) {
  EXPECT_EQ(positionText(Fixed::fromDouble(12.5)), "12,5");
  EXPECT_EQ(positionText(Fixed::fromDouble(48)), "48");
  EXPECT_EQ(positionText(Fixed::fromDouble(-0.0125)), "-0,0125");
  QString err;
  EXPECT_EQ(positionValue("12,5", "x", &err)->raw, 125000);
  EXPECT_EQ(positionValue("12.5", "x", &err)->raw, 125000);
  EXPECT_EQ(positionValue(" 7,25mm", "x", &err)->raw, 72500);
  EXPECT_EQ(positionValue("", "x", &err)->raw, 0);
  EXPECT_EQ(positionValue("abc", "x", &err)->raw, 0);
  EXPECT_EQ(positionValue("0,00005", "x", &err)->raw, 1);  // rounded to four decimals
  EXPECT_FALSE(positionValue("1e300", "Jogcím", &err).has_value());
  EXPECT_TRUE(err.contains("Jogcím"));
}

TEST(BoxNumbers, RegionalBoxesRefuseWhatIsNotANumber) {
  QString err;
  EXPECT_EQ(regionalPositionValue("40,5", "x", &err)->raw, 405000);
  EXPECT_EQ(regionalPositionValue(" 40 ", "x", &err)->raw, 400000);
  EXPECT_FALSE(regionalPositionValue("", "Befizetőazonosító fentről:", &err).has_value());
  EXPECT_FALSE(regionalPositionValue("4O", "Befizetőazonosító fentről:", &err).has_value());
  EXPECT_EQ(err, "A(z) „Befizetőazonosító fentről:” mezőben nem szám áll: „4O”.");
}

TEST(BoxNumbers, SinglesAndSizes) {
  QString err;
  EXPECT_EQ(singleText(7.5f), "7,5");
  EXPECT_EQ(singleText(0.1f), "0,1");
  EXPECT_EQ(*singleValue("7,5", "x", &err), 7.5f);
  EXPECT_EQ(*singleValue(singleText(0.1f), "x", &err), 0.1f);
  EXPECT_EQ(*singleValue(singleText(123.456f), "x", &err), 123.456f);
  EXPECT_EQ(*sizeValue("12,5", "x", &err), 12);  // sizes read up to the comma
  EXPECT_EQ(*sizeValue("12.5", "x", &err), 12);  // half to even
  EXPECT_EQ(*sizeValue("13.5", "x", &err), 14);
  EXPECT_EQ(*sizeValue("-3", "x", &err), -3);
  EXPECT_FALSE(sizeValue("40000", "Mérete:", &err).has_value());
  EXPECT_TRUE(err.contains("40000"));
  EXPECT_EQ(fieldText("abc", 5), "abc  ");
  EXPECT_EQ(fieldText("abcdefg", 5), "abcde");
}
