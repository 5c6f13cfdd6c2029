#include <gtest/gtest.h>

#include "common/fields.h"
#include "common/setrekord.h"
#include "support/tempfolder.h"

namespace {
struct Sample {
  static constexpr int Length = 2 + 4 + 2 + 8 + 4 + 6;
  int16_t a = 0;
  int32_t b = 0;
  int16_t flag = 0;
  Fixed pos;
  float s = 0;
  QString text;
  template <class F>
  void fields(F& f) {
    f.i16(a);
    f.i32(b);
    f.flag(flag);
    f.fixed(pos);
    f.single(s);
    f.text(text, 6);
  }
};
}  // namespace

TEST(Fields, PackedLittleEndianImage) {
  Sample r;
  r.a = -2;
  r.b = 0x01020304;
  r.flag = flagOf(true);
  r.pos = Fixed::fromDouble(12.5);
  r.s = 1.5f;
  r.text = QStringLiteral("ő");
  const QByteArray b = encodeRecord(r);
  ASSERT_EQ(b.size(), Sample::Length);
  EXPECT_EQ(hex(b), "fe ff 04 03 02 01 ff ff 48 e8 01 00 00 00 00 00 00 00 c0 3f f5 20 20 20 20 20");
  Sample back;
  decodeRecord(b, back);
  EXPECT_EQ(back.a, -2);
  EXPECT_EQ(back.b, 0x01020304);
  EXPECT_TRUE(isTrue(back.flag));
  EXPECT_EQ(back.pos.raw, 125000);
  EXPECT_DOUBLE_EQ(back.pos.value(), 12.5);
  EXPECT_FLOAT_EQ(back.s, 1.5f);
  EXPECT_EQ(trimmed(back.text), QStringLiteral("ő"));
  EXPECT_EQ(fieldLength<Sample>(), Sample::Length);
}

TEST(Fields, TextIsCutAtTheFieldWidthAndPadded) {
  Sample r;
  r.text = QStringLiteral("abcdefghij");
  EXPECT_EQ(encodeRecord(r).right(6), QByteArray("abcdef"));
  r.text = QStringLiteral("ab");
  EXPECT_EQ(encodeRecord(r).right(6), QByteArray("ab    "));
}

TEST(Fields, ShortBytesReadAsZerosAndEmptyText) {
  Sample r;
  r.a = 7;
  r.text = QStringLiteral("x");
  decodeRecord(QByteArray("\x05\x00", 2), r);
  EXPECT_EQ(r.a, 5);
  EXPECT_EQ(r.b, 0);
  EXPECT_FALSE(isTrue(r.flag));
  EXPECT_EQ(r.pos.raw, 0);
  EXPECT_EQ(trimmed(r.text), QString());
  EXPECT_TRUE(asStored(r.text).isEmpty());
  // The zero bytes are kept, so a record read and written back keeps its bytes.
  EXPECT_EQ(encodeRecord(r).right(6), QByteArray(6, '\0'));
}

TEST(Fields, FlagsOtherThanMinusOneAreFalse) {
  EXPECT_TRUE(isTrue(-1));
  EXPECT_FALSE(isTrue(1));
  EXPECT_FALSE(isTrue(0));
}

TEST(Fields, FixedPointRoundsToTenThousandths) {
  EXPECT_EQ(Fixed::fromDouble(0.00004).raw, 0);
  EXPECT_EQ(Fixed::fromDouble(-3.25).raw, -32500);
  EXPECT_EQ(Fixed::fromDouble(20.1).raw, 201000);
}

TEST(Fields, FixedSumsNeverLeaveTheRange) {
  EXPECT_EQ(Fixed::fromRaw(5).plus(7), Fixed::fromRaw(12));
  EXPECT_FALSE(Fixed::fromRaw(INT64_MAX - 1).plus(2).has_value());
  EXPECT_FALSE(Fixed::fromRaw(INT64_MIN).plus(-1).has_value());
  EXPECT_EQ((Fixed::fromRaw(INT64_MAX - 1) + Fixed::fromRaw(200000)).raw, INT64_MAX);
  EXPECT_EQ((Fixed::fromRaw(INT64_MIN + 1) + Fixed::fromRaw(-200000)).raw, INT64_MIN);
}

TEST(Fields, TrimmedRemovesBlanksAndZeroBytes) {
  EXPECT_EQ(trimmed(QStringLiteral("  Kiss Béla   ")), QStringLiteral("Kiss Béla"));
  EXPECT_EQ(trimmed(QString(3, QChar(0)) + "a" + QString(2, QChar(0))), QStringLiteral("a"));
  EXPECT_EQ(asStored(QStringLiteral("Fő u. 1   ")), QStringLiteral("Fő u. 1   "));
}

TEST(Fields, PositionsOfFieldsFromTheFieldList) {
  const Sample r;
  const std::pair<const void*, FieldPos> vart[] = {
      {&r.a, {0, 2}}, {&r.b, {2, 4}}, {&r.flag, {6, 2}}, {&r.pos, {8, 8}}, {&r.s, {16, 4}}, {&r.text, {20, 6}}};
  for (const auto& [mezo, hely] : vart) {
    EXPECT_EQ(fieldPos(r, mezo).at, hely.at);
    EXPECT_EQ(fieldPos(r, mezo).width, hely.width);
  }
  const int idegen = 0;
  EXPECT_EQ(fieldPos(r, &idegen).at, -1);  // no field of the record
}

TEST(Fields, DecomposedTextIsStoredComposed) {
  Sample r;
  r.text = QString::fromUtf8("O\xCC\x8B" "a\xCC\x81" "bcdef");  // "Őá" decomposed, then more than fits
  EXPECT_EQ(hex(encodeRecord(r), 20), "d5 e1 62 63 64 65");
}
