#include <gtest/gtest.h>

#include "common/numtext.h"

TEST(LeadingValue, ReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"", 0},          {"abc", 0},         {"12345", 12345},   {"  42 Ft", 42},
      {"1 000 000", 1000000}, {"12.5", 12.5}, {"12,5", 12},     {"-3.25x", -3.25},
      {"+7", 7},        {"1e3", 1000},      {"1e", 1},          {"2E+2z", 200},
      {".5", 0.5},      {"5.", 5},          {"-", 0},           {"\t1\n2", 12},
      {"12a34", 12},    {"0", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingValue(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(LeadingValue, NonAsciiStopsTheNumber) {
  EXPECT_DOUBLE_EQ(leadingValue(QStringLiteral("12ő3")), 12);
  EXPECT_DOUBLE_EQ(leadingValue(QStringLiteral("٣")), 0);  // only ASCII digits count
}

TEST(Rounding, HalfToEvenInto16Bits) {
  EXPECT_EQ(roundToInt16(2.5), 2);
  EXPECT_EQ(roundToInt16(3.5), 4);
  EXPECT_EQ(roundToInt16(-2.5), -2);
  EXPECT_EQ(roundToInt16(2.4999), 2);
  EXPECT_EQ(roundToInt16(32767.4), 32767);
  EXPECT_EQ(roundToInt16(-32768.5), -32768);
  EXPECT_THROW(roundToInt16(32767.5), OverflowError);
  EXPECT_THROW(roundToInt16(-32769), OverflowError);
  EXPECT_THROW(roundToInt16(1e300), OverflowError);
  EXPECT_EQ(roundToInt32(100000.5), 100000);
  EXPECT_THROW(roundToInt32(3e9), OverflowError);
}

TEST(HungarianFormat, DecimalCommaWithoutTrailingZeros) {
  EXPECT_EQ(huNumber(12.5), "12,5");
  EXPECT_EQ(huNumber(5), "5");
  EXPECT_EQ(huNumber(0), "0");
  EXPECT_EQ(huNumber(-0.25), "-0,25");
  EXPECT_EQ(huNumber(20.1), "20,1");
  EXPECT_EQ(huNumber(123456), "123456");
}

TEST(RegionalParse, AcceptsCommaAndPointAndNothingElse) {
  EXPECT_EQ(parseRegional("12,5"), 12.5);
  EXPECT_EQ(parseRegional("12.5"), 12.5);
  EXPECT_EQ(parseRegional(" 7 "), 7.0);
  EXPECT_EQ(parseRegional("-3,25"), -3.25);
  EXPECT_FALSE(parseRegional(""));
  EXPECT_FALSE(parseRegional("abc"));
  EXPECT_FALSE(parseRegional("12,5mm"));
  EXPECT_FALSE(parseRegional("1,2,3"));
  EXPECT_FALSE(parseRegional("1 000"));
  EXPECT_FALSE(parseRegional(","));
  // What is shown is read back as the same number.
  for (double v : {12.5, 0.0, -7.75, 123.4567}) EXPECT_EQ(parseRegional(huNumber(v)), v);
}
