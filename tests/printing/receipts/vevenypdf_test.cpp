// End to end: the posting receipt and the return receipt for official documents printed by
// the program's printer into a PDF file, read back with pdftotext -bbox.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "printing/receipts/feladoprint.h"
#include "printing/receipts/iratprint.h"
#include "support/pdfwords.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

class VevenyPdf : public testing::Test {
 protected:
  void SetUp() override {
    if (!pdf::havePdftotext()) GTEST_SKIP() << "pdftotext missing";
    SetRekord s;
    s.AlapNyomtato = 0;
    s.NyomtatoIndex = int16_t(printer.printerNames().indexOf(QtPrinter::kPdfName));
    ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));
    SetFvevenyRekord f;
    applyFactory(f, fvevenyFactory());
    ASSERT_TRUE(saveSettings(folder.path(), kSetFvevenyFile, f));
    SetIrat2Rekord i;
    applyFactory(i, irat2Factory());
    ASSERT_TRUE(saveSettings(folder.path(), kSetIrat2File, i));
  }

  TempFolder folder;
  QtPrinter printer{folder.path()};
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
};

TEST_F(VevenyPdf, StandingPostingReceiptOnLandscapeDL) {
  FeladoAdatok lap;
  lap.txNev3 = QStringLiteral("Szabó");
  lap.lbSajatNev = QStringLiteral("Kovács");
  lap.txtFeladov1 = QStringLiteral("Első");
  lap.chkTerti = 1;
  lap.chkPL = 1;
  SetFvevenyRekord fveveny;
  ASSERT_TRUE(PrintAlloFelado(lap, platform, set, fveveny));
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(printed::at(pages, 0).widthMm, 220, 0.5);
  EXPECT_NEAR(printed::at(pages, 0).heightMm, 110, 0.5);
  pdf::expectWord(printed::at(pages, 0), "Szabó", 87, 46);
  pdf::expectWord(printed::at(pages, 0), "Kovács", 87, 19);
  pdf::expectWord(printed::at(pages, 0), "Első", 186, 50);
  int marks = 0;
  for (const pdf::Word& w : printed::at(pages, 0).words) marks += w.text == "X";
  EXPECT_EQ(marks, 2);
  pdf::expectWord(printed::at(pages, 0), "X", 182, 23);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(VevenyPdf, LyingOfficialReturnReceiptOnLandscapeDL) {
  IratAdatok lap;
  lap.txtIratCimzettNev = QStringLiteral("Szabó");
  lap.txtIratSzama = QStringLiteral("IK-77");
  lap.txtIratKuldAzonosito = QStringLiteral("RL123HU");
  lap.txtIratFelado = {QStringLiteral("Ügyintéző"), QString(), QString()};
  lap.chkVisszaCimPrint = {0, 1, 0};
  SetIrat2Rekord irat2;
  ASSERT_TRUE(PrintFekvoIrat(lap, platform, set, irat2));
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(printed::at(pages, 0).widthMm, 220, 0.5);
  EXPECT_NEAR(printed::at(pages, 0).heightMm, 110, 0.5);
  pdf::expectWord(printed::at(pages, 0), "Szabó", 71, 19);
  pdf::expectWord(printed::at(pages, 0), "Ügyintéző", 126, 6);
  pdf::expectWord(printed::at(pages, 0), "IK-77", 126, 21);
  pdf::expectWord(printed::at(pages, 0), "RL123HU", 32, 0);
}

}  // namespace
