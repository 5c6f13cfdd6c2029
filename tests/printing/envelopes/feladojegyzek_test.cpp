// The posting list on the recording printer: the three columns from the offsets of FjSet.dat,
// 14 lines a page, the font set before the first line, rows that name no payer and errors.
#include <gtest/gtest.h>

#include <numeric>

#include "common/cp1250.h"
#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "payerstore/fizetok.h"
#include "printing/envelopes/feladojegyzek.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

using printed::B;

class FeladojegyzekTest : public ::testing::Test {
 protected:
  FeladojegyzekTest() {
    platform.folder = dir.path();
    platform.printer = &nyomtato;
    platform.messages = &msgs;
    FjSetRekord f;
    f.Bal = 12;
    f.Felso = 30;
    dir.put(kFjSetFile, encodeRecord(f));
    dir.put(kNevekFile, szamozottFizetok(20));
  }
  static std::vector<int32_t> elso(int k) {
    std::vector<int32_t> r(size_t(k), 0);
    std::iota(r.begin(), r.end(), 1);
    return r;
  }
  // The selected rows' record numbers in list order, between unselected rows.
  PrintResult nyomtat(const std::vector<int32_t>& rekordok) {
    std::vector<CsoportSor> sorok{{7, false}};
    for (const int32_t n : rekordok) sorok.push_back({n, true});
    sorok.push_back({8, false});
    return PrintFeladojegyzek(sorok, platform, fjSet);
  }

  TempFolder dir;
  RecordingPrinter nyomtato;
  RecordedMessageBoxes msgs;
  Platform platform;
  FjSetRekord fjSet;
};

TEST_F(FeladojegyzekTest, FourteenLinesAPageInThreeColumnsWithTheFontSetFirst) {
  // An earlier print's bold and font do not carry over.
  nyomtato.setFontName("Arial");
  nyomtato.setBold(true);
  const auto e = nyomtat(elso(14));
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  ASSERT_EQ(printed::doc(nyomtato).pages.size(), 1u);
  const PrintedPage& p = printed::page(nyomtato);
  EXPECT_EQ(p.orientation, kLandscape);
  ASSERT_EQ(p.texts.size(), 42u);
  // Name at X0, settlement at X0 + 62, postcode at X0 + 45; the next line 8 mm lower.
  printed::expectTexts(printed::slice(p.texts, 0, 6),
                       {{"Fizető 1", 12, 30, B, 8}, {"Pécs", 74, 30, B, 8}, {"7621", 57, 30, B, 8},
                        {"Fizető 2", 12, 38, B, 8}, {"Pécs", 74, 38, B, 8}, {"7621", 57, 38, B, 8}});
  for (const PrintedText& t : p.texts) EXPECT_FALSE(t.bold);
  EXPECT_NEAR(printed::at(p.texts, 39).y, 30 + 13 * 8, 1e-9);
  EXPECT_EQ(trimmed(e.utolso->Nevek.Nev), "Fizető 14");

  nyomtat(elso(15));  // the 15th line stands first on page 2, at Y0
  ASSERT_EQ(nyomtato.documents().size(), 2u);
  const PrintedDocument& d = printed::doc(nyomtato, 1);
  ASSERT_EQ(d.pages.size(), 2u);
  ASSERT_EQ(printed::at(d.pages, 1).texts.size(), 3u);
  printed::expectTexts({printed::at(printed::at(d.pages, 1).texts, 0)}, {{"Fizető 15", 12, 30, B, 8}});
}

TEST_F(FeladojegyzekTest, RowsNamingNoPayerAreLeftOutAndCountedAfterThePrint) {
  nyomtat({});  // no row: nothing
  EXPECT_TRUE(nyomtato.documents().empty() && msgs.shown.empty());
  nyomtat({0, 2, 21, 5, 99});
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  const auto t = printed::doc(nyomtato).texts();
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(t[0].text, "Fizető 2");
  EXPECT_EQ(t[3].text, "Fizető 5");
  EXPECT_NEAR(t[3].y, 38, 1e-9);  // the next line, no gap for the rows left out
  ASSERT_EQ(msgs.shown.size(), 1u);
  EXPECT_TRUE(msgs.shown[0].text.startsWith("3 kijelölt sor"));
  EXPECT_EQ(msgs.shown[0].icon, MsgIcon::Exclamation);
}

// A record filled with zeros behind its texts (never written whole) prints its texts only:
// no NUL byte and no trailing blank reaches the printer.
TEST_F(FeladojegyzekTest, StoredTextsPrintWithoutTrailingZerosAndBlanks) {
  QByteArray r(NevekRekord::Length, '\0');
  auto ir = [&r](int at, const char* text) {
    const QByteArray b = cp1250::encode(QString::fromUtf8(text));
    r.replace(at, b.size(), b);
  };
  ir(NevekRekord::NevAt, "Kiss Béla  ");
  ir(NevekRekord::HelysegAt, "Eger");
  ir(NevekRekord::IrszAt, "3300 ");
  dir.put(kNevekFile, dir.bytes(kNevekFile) + r);  // record 21
  nyomtat({21});
  printed::expectTexts(printed::doc(nyomtato).texts(), {{"Kiss Béla", 12, 30, B, 8}, {"Eger", 74, 30, B, 8}, {"3300", 57, 30, B, 8}});
}

TEST_F(FeladojegyzekTest, APrinterErrorCancelsTheDocumentAndIsShown) {
  nyomtato.failOnText["Fizető 2"] = printer_errors::invalidValue();
  EXPECT_FALSE(nyomtat({1, 2, 50}).printed);  // no word then of the row left out
  EXPECT_TRUE(nyomtato.documents().empty());
  ASSERT_EQ(msgs.shown.size(), 1u);
  EXPECT_TRUE(msgs.shown[0].text.startsWith("Hiba kódszáma: 380"));
  EXPECT_EQ(msgs.shown[0].title, "! HIBA !");
}

}  // namespace
