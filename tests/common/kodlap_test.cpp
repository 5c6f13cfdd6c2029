// Texts in code page 1250: composed before encoding, and the check that names what the code
// page cannot hold.
#include <gtest/gtest.h>

#include "common/cp1250.h"
#include "common/kodlap.h"
#include "support/tempfolder.h"

TEST(Kodlap, DecomposedLettersAreStoredComposed) {
  EXPECT_EQ(hex(cp1250::encode(QStringLiteral("o\u030B O\u030B u\u0308"))), "f5 20 d5 20 fc");
  EXPECT_TRUE(kodlapIdegen(QStringLiteral("O\u030Bsz? € „idéző” – ‰")).isEmpty());
}

TEST(Kodlap, MessageNamesEachForeignCharacterOnce) {
  EXPECT_EQ(kodlapIdegen(QStringLiteral("ПЕТРОВ Пál")), (QStringList{"П", "Е", "Т", "Р", "О", "В"}));
  EXPECT_EQ(kodlapHiba({QStringLiteral("Kiss"), QStringLiteral("Ada")}), QString());
  // A mark with nothing to compose with, an invisible character, one outside the basic plane.
  EXPECT_EQ(kodlapHiba({QStringLiteral("x\u0303"), QStringLiteral("a\u200Bb"), QString::fromUtf8("\xF0\x9F\x98\x80")},
                       QStringLiteral("Feladó neve")),
            QStringLiteral("A(z) „Feladó neve” mező olyan karaktert tartalmaz, amelyet a program nem tud tárolni: "
                           "\u25CC\u0303 U+200B ") + QString::fromUtf8("\xF0\x9F\x98\x80") +
                QStringLiteral("\r\nKérem, írja át vagy törölje ezeket a karaktereket!"));
}
