#include <gtest/gtest.h>

#include "common/cp1250.h"

#include <vector>

TEST(Cp1250, HungarianAccentsHaveTheirBytes) {
  const QString s = QStringLiteral("Árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP");
  const QByteArray b = cp1250::encode(s);
  EXPECT_EQ(b.size(), s.size());
  EXPECT_EQ(QString::fromLatin1(b.left(10).toHex(' ')), "c1 72 76 ed 7a 74 fb 72 f5 20");
  EXPECT_EQ(static_cast<unsigned char>(cp1250::encodeChar(QChar(0x0151))), 0xF5);  // ő
  EXPECT_EQ(static_cast<unsigned char>(cp1250::encodeChar(QChar(0x0171))), 0xFB);  // ű
  EXPECT_EQ(static_cast<unsigned char>(cp1250::encodeChar(QChar(0x0150))), 0xD5);  // Ő
  EXPECT_EQ(static_cast<unsigned char>(cp1250::encodeChar(QChar(0x0170))), 0xDB);  // Ű
  EXPECT_EQ(cp1250::decode(b), s);
}

TEST(Cp1250, EveryByteRoundTrips) {
  QByteArray all;
  for (int i = 0; i < 256; ++i) all.append(char(i));
  const QString text = cp1250::decode(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(cp1250::encode(text), all);
  // A few fixed points of the published mapping.
  EXPECT_EQ(text[0x80], QChar(0x20AC));  // euro sign
  EXPECT_EQ(text[0x8A], QChar(0x0160));  // Š
  EXPECT_EQ(text[0xA3], QChar(0x0141));  // Ł
  EXPECT_EQ(text[0xFF], QChar(0x02D9));  // dot above
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(cp1250::encode(QStringLiteral("a€b")), QByteArray("a\x80" "b"));
  EXPECT_EQ(cp1250::encode(QStringLiteral("ж")), QByteArray("?"));
  EXPECT_EQ(cp1250::encode(QStringLiteral("漢字")), QByteArray("??"));
  // A character outside the basic plane is one character, so one '?'.
  EXPECT_EQ(cp1250::encode(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));
}

namespace {

// The published Windows-1250 mapping of the bytes 0x80 to 0xFF, kept apart from the code's own
// table; the unassigned bytes 0x81, 0x83, 0x88, 0x90 and 0x98 stand for themselves.
constexpr char16_t kKozzetett[128] = {
    0x20AC, 0x81,   0x201A, 0x83,   0x201E, 0x2026, 0x2020, 0x2021, 0x88,   0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x98,   0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0xA0,   0x02C7, 0x02D8, 0x0141, 0xA4,   0x0104, 0xA6,
    0xA7,   0xA8,   0xA9,   0x015E, 0xAB,   0xAC,   0xAD,   0xAE,   0x017B, 0xB0,   0xB1,   0x02DB, 0x0142,
    0xB4,   0xB5,   0xB6,   0xB7,   0xB8,   0x0105, 0x015F, 0xBB,   0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0xC1,   0xC2,   0x0102, 0xC4,   0x0139, 0x0106, 0xC7,   0x010C, 0xC9,   0x0118, 0xCB,   0x011A, 0xCD,
    0xCE,   0x010E, 0x0110, 0x0143, 0x0147, 0xD3,   0xD4,   0x0150, 0xD6,   0xD7,   0x0158, 0x016E, 0xDA,
    0x0170, 0xDC,   0xDD,   0x0162, 0xDF,   0x0155, 0xE1,   0xE2,   0x0103, 0xE4,   0x013A, 0x0107, 0xE7,
    0x010D, 0xE9,   0x0119, 0xEB,   0x011B, 0xED,   0xEE,   0x010F, 0x0111, 0x0144, 0x0148, 0xF3,   0xF4,
    0x0151, 0xF6,   0xF7,   0x0159, 0x016F, 0xFA,   0x0171, 0xFC,   0xFD,   0x0163, 0x02D9,
};
char16_t karaktere(int b) { return b < 0x80 ? char16_t(b) : kKozzetett[b - 0x80]; }

// The encoding by the mapping above: the composed form, each character its byte or '?', a
// character outside the basic plane one '?'.
QByteArray vart(const QString& s) {
  const QString t = s.normalized(QString::NormalizationForm_C);
  QByteArray out;
  for (qsizetype i = 0; i < t.size(); ++i) {
    char b = '?';
    for (int c = 0; c < 256; ++c)
      if (karaktere(c) == t[i].unicode()) b = char(c);
    if (t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate()) ++i;
    out.append(b);
  }
  return out;
}

TEST(Cp1250, EveryCharacterOfTheCodePageBothWays) {
  for (int b = 0; b < 256; ++b) {
    const char c = char(b);
    const QChar u(karaktere(b));
    ASSERT_EQ(cp1250::decode(&c, 1), QString(u)) << b;
    ASSERT_EQ(cp1250::byteOf(u.unicode()), b) << b;
    ASSERT_EQ(cp1250::encodeChar(u), c) << b;
    ASSERT_EQ(cp1250::encode(QString(u)), QByteArray(1, c)) << b;
    // Its decomposed form ("a" + combining acute) is composed first, so it is the same byte.
    ASSERT_EQ(cp1250::encode(QString(u).normalized(QString::NormalizationForm_D)), QByteArray(1, c)) << b;
  }
}

TEST(Cp1250, EveryOtherCharacterAsByTheMapping) {
  std::vector<bool> lapon(0x10000, false);
  for (int b = 0; b < 256; ++b) lapon[karaktere(b)] = true;
  for (char32_t u = 0; u < 0x10000; ++u) {
    if (lapon[u]) continue;
    ASSERT_EQ(cp1250::byteOf(u), -1) << uint(u);
    ASSERT_EQ(cp1250::encodeChar(QChar(char16_t(u))), '?') << uint(u);
    // Alone it is composed first: U+037E is ';', U+212B "Å" is '?'.
    const QString s{QChar(char16_t(u))};
    ASSERT_EQ(cp1250::encode(s), vart(s)) << uint(u);
  }
  EXPECT_EQ(cp1250::byteOf(0x1F600), -1);
  EXPECT_EQ(cp1250::encode(QString(QChar(0x037E))), QByteArray(";"));
}

// Texts of the code page's characters only are stored without being composed first: that is
// the same only because no pair of them composes or reorders.
TEST(Cp1250, PairsOfCodePageCharactersAreAlreadyComposed) {
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b) {
      const QString s = QString(QChar(karaktere(a))) + QChar(karaktere(b));
      ASSERT_EQ(s.normalized(QString::NormalizationForm_C), s) << a << " " << b;
      ASSERT_EQ(cp1250::encode(s), vart(s)) << a << " " << b;
    }
  // A field cut after its width: the bytes before the cut, composed first when needed.
  char out[4];
  EXPECT_EQ(cp1250::encode(QStringLiteral("Ödönke"), out, 4), 4);
  EXPECT_EQ(QByteArray(out, 4), QByteArray("\xD6" "d\xF6n"));
  EXPECT_EQ(cp1250::encode(QString::fromUtf8("O\xCC\x8B" "d\xC3\xB6n\xCC\x81" "x"), out, 4), 4);
  EXPECT_EQ(QByteArray(out, 4), QByteArray("\xD5" "d\xF6\xF1"));
}

}  // namespace
