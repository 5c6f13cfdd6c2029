// End to end: payment slips for list rows printed by the program's printer into a PDF file,
// read back with pdftotext -bbox.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/printdialog.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "payerstore/nevekrekord.h"
#include "printing/slips/csekklistaprint.h"
#include "slipexpect.h"
#include "support/pdfwords.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {


class SlipListPdf : public testing::Test {
 protected:
  void SetUp() override {
    if (!pdf::havePdftotext()) GTEST_SKIP() << "pdftotext missing";
    SetRekord s = slip::factoryLayout();
    s.AlapNyomtato = 0;
    s.NyomtatoIndex = int16_t(printer.printerNames().indexOf(QtPrinter::kPdfName));
    ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));

    RecordFile nevek(folder.path(), kNevekFile, NevekRekord::Length);
    for (const auto& [nev, osszeg] : {std::pair{QStringLiteral("Kovács Éva"), 12345}, {QStringLiteral("Nagy Ödön"), 500}}) {
      NevekRekord n;
      n.Nev = nev;
      n.Helyseg = QStringLiteral("Győr");
      n.Cim = QStringLiteral("Fő utca 1.");
      n.Irsz = QStringLiteral("9021");
      n.Osszegek[0] = osszeg;
      nevek.append(n);
    }
    platform.printDialog = &dialogs;  // OK on the printer offered: "PDF"
  }

  TempFolder folder;
  QtPrinter printer{folder.path()};
  RecordedMessageBoxes messages;
  RecordedPrintDialogs dialogs;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
  CsekkLapSzovegek lap;
  const std::vector<CsoportSor> sorok{{2, true}, {1, true}};
};

TEST_F(SlipListPdf, Standing) {
  ASSERT_TRUE(PrintCsAlloCsekk(sorok, lap, platform, set).printed);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 2u);
  for (const pdf::Page& p : pages) {
    EXPECT_NEAR(p.widthMm, 220, 0.5);
    EXPECT_NEAR(p.heightMm, 110, 0.5);
  }
  pdf::expectWord(printed::at(pages, 0), "***500***", 25, 7);
  pdf::expectWord(printed::at(pages, 0), "*ötszáz*", 10, 17);
  pdf::expectWord(printed::at(pages, 0), "Nagy", 145, 54);
  pdf::expectWord(printed::at(pages, 1), "***12345***", 90, 7);
  pdf::expectWord(printed::at(pages, 1), "*Tizenkettőezer-", 75, 17);
  pdf::expectWord(printed::at(pages, 1), "háromszáznegyvenöt*", 10, 23);
  pdf::expectWord(printed::at(pages, 1), "GYŐR", 10, 58);
  pdf::expectWord(printed::at(pages, 1), "9021", 145, 68);
}

TEST_F(SlipListPdf, Lying) {
  ASSERT_TRUE(PrintCsFekvoCsekk(sorok, lap, platform, set).printed);
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NEAR(printed::at(pages, 1).widthMm, 210, 0.5);
  EXPECT_NEAR(printed::at(pages, 1).heightMm, 105, 0.5);
  pdf::expectWord(printed::at(pages, 1), "***12345***", 15, 6);
  pdf::expectWord(printed::at(pages, 1), "Kovács", 5, 53);
  pdf::expectWord(printed::at(pages, 1), "Kovács", 140, 53);
  pdf::expectWord(printed::at(pages, 1), "9021", 5, 68);
}

}  // namespace
