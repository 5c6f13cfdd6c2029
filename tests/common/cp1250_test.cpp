#include <gtest/gtest.h>

#include "common/cp1250.h"

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
