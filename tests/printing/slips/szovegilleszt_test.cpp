// Fitting the amount in words into the slip's two words lines, measured on the recording
// printer (10 pt: 2 mm a character, so 45 mm hold 22 characters).
#include <gtest/gtest.h>

#include "common/recordingprinter.h"
#include "printing/slips/osszegbetuvel.h"

namespace {

const QString kFont = QStringLiteral("Times New Roman CE         ");

SzovegSorok fit(const QString& amount, Printer* p, double size = 10, const QString& font = kFont) {
  return fitSlipWords(OsszegBetuvel(amount), p, font, size);
}

TEST(FitSlipWords, CapitaliseMoveAndJoin) {
  RecordingPrinter p;
  // Below one thousand: the words stand on the first line.
  EXPECT_EQ(fit("250", &p), (SzovegSorok{"Kettőszázötven", ""}));
  EXPECT_EQ(fit(" 100", &p), (SzovegSorok{"Egyszáz", ""}));
  EXPECT_EQ(fit("0012", &p), (SzovegSorok{"Tizenkettő", ""}));
  EXPECT_EQ(fit("1000", &p), (SzovegSorok{"Egyezer-", ""}));
  EXPECT_EQ(fit("5000", &p), (SzovegSorok{"Ötezer-", ""}));
  EXPECT_EQ(fit("1e5", &p), (SzovegSorok{"Egyszázezer", ""}));
  // 15 + 18 characters = 66 mm: two lines.
  EXPECT_EQ(fit("12345", &p), (SzovegSorok{"Tizenkettőezer-", "háromszáznegyvenöt"}));
  // 8 + 10 characters = 36 mm: one line, the hyphen between the parts.
  EXPECT_EQ(fit("2010", &p), (SzovegSorok{"Kettőezer-tíz", ""}));
  // 29 characters: 58 mm at 10 pt, 40.6 mm at 7 pt.
  EXPECT_EQ(fit("100123", &p), (SzovegSorok{"Egyszázezer", "egyszázhuszonhárom"}));
  EXPECT_EQ(fit("100123", &p, 7), (SzovegSorok{"Egyszázezeregyszázhuszonhárom", ""}));
  EXPECT_EQ(fit("100000000", &p), (SzovegSorok{"MAX BEÍRHATÓ ÖSSZEG:", "99.999.999"}));
  EXPECT_EQ(fit("100000000", &p, 7), (SzovegSorok{"MAX BEÍRHATÓ ÖSSZEG:99.999.999", ""}));
  EXPECT_EQ(fit("", &p), (SzovegSorok{"", ""}));
  EXPECT_EQ(fit("abc", &p), (SzovegSorok{"", ""}));
  // The printer is left measuring in millimetres with the slip's text font.
  EXPECT_EQ(p.fontName(), QStringLiteral("Times New Roman CE"));
  EXPECT_EQ(p.fontSize(), 7);
}

TEST(FitSlipWords, ExactlyFortyFiveMillimetresJoin) {
  RecordingPrinter p;
  // "Egyezer-" + "egyszázegy" = 18 characters; at 12.5 pt a character is 2.5 mm: 45 mm.
  EXPECT_EQ(fit("1101", &p, 12.5), (SzovegSorok{"Egyezer-egyszázegy", ""}));
  EXPECT_EQ(fit("1101", &p, 12.6), (SzovegSorok{"Egyezer-", "egyszázegy"}));
}

TEST(FitSlipWords, UnmeasurableKeepsTheLines) {
  const SzovegSorok two{"Kettőezer-", "tíz"};
  EXPECT_EQ(fit("2010", nullptr), two);  // no printer
  RecordingPrinter p;
  EXPECT_EQ(fit("2010", &p, 10, "   "), two);                          // no font name
  EXPECT_EQ(fit("2010", &p, 10, QStringLiteral("Nincs Ilyen")), two);  // unknown font
  EXPECT_EQ(fit("2010", &p, 0), two);                                  // size 0
  EXPECT_EQ(fit("250", nullptr), (SzovegSorok{"Kettőszázötven", ""}));
}

}  // namespace

// The one rule of every words field: at most the width on one starred line, beyond it two.
TEST(FitWords, WidthDecidesOneOrTwoLines) {
  const OsszegSzavak w{QStringLiteral("tizenkettőezer-"), QStringLiteral("tíz")};
  const auto mm = [](const QString& t) { return 2.0 * t.size(); };  // 18 characters: 36 mm
  const SzavakIllesztve egy = fitWords(w, 36, mm);
  EXPECT_TRUE(egy.egySor);
  EXPECT_EQ(egy.sor1(), QStringLiteral("*Tizenkettőezer-tíz*"));
  EXPECT_EQ(egy.sor2(), QString());
  const SzavakIllesztve ketto = fitWords(w, 35.9, mm);
  EXPECT_FALSE(ketto.egySor);
  EXPECT_EQ(ketto.sor1(), QStringLiteral("*Tizenkettőezer-"));
  EXPECT_EQ(ketto.sor2(), QStringLiteral("tíz*"));
  EXPECT_EQ(kSzovegSzelesseg, 45.0);
}
