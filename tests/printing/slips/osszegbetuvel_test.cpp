// Amounts in words: the payment-slip page's conversion of the typed amount and the seven-digit
// conversion of the other forms.
#include <gtest/gtest.h>

#include "printing/slips/osszegbetuvel.h"

namespace {

struct Row {
  const char* text;
  const char* ezresek;
  const char* egyesek;
};

void expectRows(const std::vector<Row>& rows) {
  for (const Row& r : rows) {
    const OsszegSzavak w = OsszegBetuvel(QString::fromUtf8(r.text));
    EXPECT_EQ(w.ezresek, QString::fromUtf8(r.ezresek)) << "amount text \"" << r.text << "\"";
    EXPECT_EQ(w.egyesek, QString::fromUtf8(r.egyesek)) << "amount text \"" << r.text << "\"";
  }
}

TEST(OsszegBetuvel, WholeTable) {
  expectRows({
      {"", "", ""},
      {"0", "", ""},
      {"abc", "", ""},
      {"1", "", "egy"},
      {"10", "", "tíz"},
      {"11", "", "tizenegy"},
      {"20", "", "húsz"},
      {"21", "", "huszonegy"},
      {"100", "", "egyszáz"},
      {"101", "", "egyszázegy"},
      {"1000", "egyezer-", ""},
      {"1001", "egyezer-", "egy"},
      {"2000", "kettőezer-", ""},
      {"10000", "tízezer", ""},
      {"10500", "tízezer-", "ötszáz"},
      {"12345", "tizenkettőezer-", "háromszáznegyvenöt"},
      {"21000", "huszonegyezer-", ""},
      {"100000", "egyszázezer", ""},
      {"100123", "egyszázezer", "egyszázhuszonhárom"},
      {"120345", "egyszázhúszezer-", "háromszáznegyvenöt"},
      {"1000000", "egymillió", ""},
      {"1001000", "egymillióegyezer-", ""},
      {"1500000", "egymillióötszázezer", ""},
      {"10000000", "tízmillió", ""},
      {"11000000", "tizenegymillió", ""},
      {"25000000", "huszonötmillió", ""},
      {"99999999", "kilencvenkilencmilliókilencszázkilencvenkilencezer-", "kilencszázkilencvenkilenc"},
      {"100000000", "MAX BEÍRHATÓ ÖSSZEG:", "99.999.999"},
  });
}

TEST(OsszegBetuvel, TypedTextForms) {
  expectRows({
      {"100 000", "egyszázezer", ""},      // blanks between the groups
      {"0500000", "ötszázezer", ""},       // leading zero
      {"12abc", "", "tizenkettő"},         // characters after the number
      {"-5", "", "öt"},                    // negative: its absolute value
      {"-12345678", "MAX BEÍRHATÓ ÖSSZEG:", "99.999.999"},  // the sign takes the ninth place
      {"-1234567", "egymilliókettőszázharmincnégyezer-", "ötszázhatvanhét"},
      {"1e5", "egyszázezer", ""},
      {"12.4", "", "tizenkettő"},          // whole forints
      {"12.6", "", "tizenhárom"},
      {"1e20", "MAX BEÍRHATÓ ÖSSZEG:", "99.999.999"},
  });
}

// The words read as the amount they stand for, also where the thousands group is empty, where
// eight digits end in round thousands, and where the text holds blanks.
TEST(OsszegBetuvel, WordsReadAsTheAmount) {
  expectRows({
      {"1000123", "egymillió", "egyszázhuszonhárom"},
      {"10000123", "tízmillió", "egyszázhuszonhárom"},
      {"1000001", "egymillió", "egy"},
      {"12500000", "tizenkettőmillióötszázezer", ""},
      {"10100000", "tízmillióegyszázezer", ""},
      {"1 000 000", "egymillió", ""},
      {"1 000 123", "egymillió", "egyszázhuszonhárom"},
      {"12 345", "tizenkettőezer-", "háromszáznegyvenöt"},
      {" 100", "", "egyszáz"},
      {"0012", "", "tizenkettő"},
  });
}

TEST(Azaz1, SevenDigitsAndItsLimit) {
  const std::vector<std::tuple<int32_t, const char*, const char*>> rows = {
      {0, "", ""},
      {12, "", "tizenkettő"},
      {110, "", "egyszáztíz"},
      {999, "", "kilencszázkilencvenkilenc"},
      {2500, "kettőezer-", "ötszáz"},
      {10001, "tízezer-", "egy"},
      {11000, "tizenegyezer-", ""},
      {20000, "húszezer", ""},
      {20500, "húszezer-", "ötszáz"},
      {100500, "egyszázezer", "ötszáz"},
      {101000, "egyszázegyezer-", ""},
      {120500, "egyszázhúszezer-", "ötszáz"},
      {250000, "kettőszázötvenezer", ""},
      {999999, "kilencszázkilencvenkilencezer-", "kilencszázkilencvenkilenc"},
      {1050000, "egymillióötvenezer", ""},
      {1200000, "egymilliókettőszázezer", ""},
      {1200500, "egymilliókettőszázezer", "ötszáz"},
      {1234567, "egymilliókettőszázharmincnégyezer-", "ötszázhatvanhét"},
      {1000500, "egymillió", "ötszáz"},
      {9999999, "kilencmilliókilencszázkilencvenkilencezer-", "kilencszázkilencvenkilenc"},
      {-5, "", "öt"},
      {-1234, "egyezer-", "kettőszázharmincnégy"},
      {-1234567, "MAX BEÍRHATÓ ÖSSZEG:", "9.999.999"},
      {10000000, "MAX BEÍRHATÓ ÖSSZEG:", "9.999.999"},
      {12345678, "MAX BEÍRHATÓ ÖSSZEG:", "9.999.999"},
      {INT32_MIN, "MAX BEÍRHATÓ ÖSSZEG:", "9.999.999"},
  };
  for (const auto& [amount, ezresek, egyesek] : rows) {
    const OsszegSzavak w = azaz1(amount);
    EXPECT_EQ(w.ezresek, QString::fromUtf8(ezresek)) << amount;
    EXPECT_EQ(w.egyesek, QString::fromUtf8(egyesek)) << amount;
  }
}

TEST(OsszegBetuvel, SevenDigitBox) {
  EXPECT_EQ(OsszegBetuvel("1 234 567", 7),
            (OsszegSzavak{"egymilliókettőszázharmincnégyezer-", "ötszázhatvanhét"}));
  EXPECT_EQ(OsszegBetuvel("10000000", 7), (OsszegSzavak{"MAX BEÍRHATÓ ÖSSZEG:", "9.999.999"}));
  EXPECT_EQ(OsszegBetuvel("abc", 7), (OsszegSzavak{}));
}

// Every amount up to the limit: no blank, lower case, a group word only where a thousands
// group is non-zero, and each part empty exactly when its digits are all zero.
TEST(OsszegBetuvel, StructureOverManyAmounts) {
  for (int64_t a = 0; a <= 99999999; a += 7919) {
    const OsszegSzavak w = amountInWords(a, 8);
    const QString all = w.ezresek + w.egyesek;
    ASSERT_FALSE(all.contains(QChar(' '))) << a;
    ASSERT_EQ(all, all.toLower()) << a;
    ASSERT_EQ(w.egyesek.isEmpty(), a % 1000 == 0) << a;
    ASSERT_EQ(w.ezresek.isEmpty(), a < 1000) << a;
    ASSERT_EQ(w.ezresek.contains(QStringLiteral("ezer")), (a / 1000) % 1000 != 0) << a;
    ASSERT_EQ(w.ezresek.contains(QStringLiteral("millió")), a >= 1000000) << a;
  }
}

}  // namespace
