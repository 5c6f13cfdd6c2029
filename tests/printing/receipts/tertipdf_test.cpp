// End to end: the standing return receipt, the standing list and the lying list cards printed by the program's
// printer into a PDF file, read back with pdftotext -bbox.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "payerstore/nevekrekord.h"
#include "printing/receipts/tertiprint.h"
#include "support/pdfwords.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

class TertiPdf : public testing::Test {
 protected:
  void SetUp() override {
    if (!pdf::havePdftotext()) GTEST_SKIP() << "pdftotext missing";
    SetRekord s;
    s.AlapNyomtato = 0;
    s.NyomtatoIndex = int16_t(printer.printerNames().indexOf(QtPrinter::kPdfName));
    ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));
    SetTertiRekord t;
    applyFactory(t, tertiFactory());
    t.TertiVisszakuldNev = QStringLiteral("Visszakapó");
    t.TertiVisszakuldCim1 = QStringLiteral("Budapest");
    ASSERT_TRUE(saveSettings(folder.path(), kSetTertiFile, t));

    lap.txNev2 = QStringLiteral("Szabó");
    lap.txtTertiPosta = QStringLiteral("Győr");
    lap.txUgyfelAzonosito = QStringLiteral("ÜGY-7");
    lap.chkTSk = 1;
  }

  TempFolder folder;
  QtPrinter printer{folder.path()};
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
  SetTertiRekord terti;
  TertiAdatok lap;
};

TEST_F(TertiPdf, StandingDomesticCardOnLandscapeA4) {
  ASSERT_TRUE(PrintAlloTerti(lap, platform, set, terti));
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(printed::at(pages, 0).widthMm, 297, 0.5);
  EXPECT_NEAR(printed::at(pages, 0).heightMm, 210, 0.5);
  pdf::expectWord(printed::at(pages, 0), "Szabó", 176, 72);
  pdf::expectWord(printed::at(pages, 0), "Győr", 148, 71);
  pdf::expectWord(printed::at(pages, 0), "ÜGY-7", 228, 60);
  pdf::expectWord(printed::at(pages, 0), "Visszakapó", 188, 106);
  pdf::expectWord(printed::at(pages, 0), "X", 266, 65);
}

TEST_F(TertiPdf, LyingListCardsOnTheirOwnPages) {
  for (int32_t n : {1, 2}) {
    NevekRekord r;
    r.Nev = QStringLiteral("Címzett%1").arg(n);
    r.Irsz = QStringLiteral("1011");
    r.Helyseg = QStringLiteral("Budapest");
    RecordFile(folder.path(), kNevekFile, NevekRekord::Length).write(n, r);
  }
  NevekRekord nevek;
  Kozl3sorRekord kozl3sor;
  lap.belfoldi = false;
  ASSERT_TRUE(PrintCsFekvoTerti(lap, {QStringLiteral("     2"), QStringLiteral("     1")}, platform, set, terti,
                                nevek, kozl3sor));
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 2u);
  for (const pdf::Page& p : pages) {
    EXPECT_NEAR(p.widthMm, 165, 0.5);
    EXPECT_NEAR(p.heightMm, 105, 0.5);
  }
  pdf::expectWord(printed::at(pages, 0), "Címzett2", 35, 25);
  pdf::expectWord(printed::at(pages, 0), "1011", 35, 29);
  pdf::expectWord(printed::at(pages, 0), "Visszakapó", 110, 53);
  pdf::expectWord(printed::at(pages, 0), "Budapest", 110, 61);
  pdf::expectWord(printed::at(pages, 0), "X", 33, 58);
  pdf::expectWord(printed::at(pages, 1), "Címzett1", 35, 25);
}

// The lying card with the factory layout and every mark ticked: the 165 mm form is widened so
// that the third mark, at 168 mm, prints whole, and nothing is said.
TEST_F(TertiPdf, LyingCardHoldsAllThreeMarks) {
  lap.chkTPri = lap.chkTSk = lap.chkTUv = 1;
  ASSERT_TRUE(PrintFekvoTerti(lap, platform, set, terti).hibatlan);
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  const pdf::Page& p = printed::at(pages, 0);
  EXPECT_NEAR(p.heightMm, 105, 0.5);
  for (double x : {150.0, 159.0, 168.0}) {
    const pdf::Word* jel = nullptr;
    for (const pdf::Word& w : p.words)
      if (w.text == "X" && std::abs(w.x0 - x) < 0.5) jel = &w;
    ASSERT_NE(jel, nullptr) << x;
    EXPECT_NEAR(jel->y0, 15, 0.5);
    EXPECT_LE(jel->x1, p.widthMm);
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TertiPdf, StandingListOneLandscapeA4PagePerSelectedPayer) {
  for (int32_t n : {1, 2, 3}) {
    NevekRekord r;
    r.Nev = QStringLiteral("Címzett%1").arg(n);
    RecordFile(folder.path(), kNevekFile, NevekRekord::Length).write(n, r);
  }
  const PrintResult r = PrintCsAlloTerti({{3, true}, {2, false}, {1, true}}, lap, platform, set, terti);
  ASSERT_TRUE(r.hibatlan);
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NEAR(printed::at(pages, 1).widthMm, 297, 0.5);
  pdf::expectWord(printed::at(pages, 0), "Címzett3", 176, 72);
  pdf::expectWord(printed::at(pages, 1), "Címzett1", 176, 72);
  EXPECT_EQ(pdf::find(printed::at(pages, 0), "Címzett1"), nullptr);
}

}  // namespace
