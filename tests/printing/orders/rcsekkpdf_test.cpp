// End to end: the money order's front in both feeds and its back, printed by the program's
// printer into a PDF file, read back with pdftotext -bbox.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "printing/orders/rcsekkprint.h"
#include "support/pdfwords.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

class OrderPdf : public testing::Test {
 protected:
  void SetUp() override {
    if (!pdf::havePdftotext()) GTEST_SKIP() << "pdftotext missing";
    SetRekord s;
    s.Nyomtatando.fill(-1);
    s.AlapNyomtato = 0;
    s.NyomtatoIndex = int16_t(printer.printerNames().indexOf(QtPrinter::kPdfName));
    ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));
    SetRcsekkRekord r;
    applyFactory(r, rcsekkFactory());
    ASSERT_TRUE(saveSettings(folder.path(), kSetRcsekkFile, r));

    adatok.cmdOldalCsere = kRcsekkElolap;
    adatok.RtxOsszeg = QStringLiteral("12345");
    adatok.RtxtSzoveg21 = QStringLiteral("Tizenkettőezer-");
    adatok.RtxtSzoveg11 = QStringLiteral("háromszáznegyvenöt");
    adatok.RtxNev = QStringLiteral("Kovács Éva");
    adatok.RtxCim = QStringLiteral("1011 Budapest, Fő utca 1.");
    adatok.RlbNev = QStringLiteral("Nagy Pál");
    adatok.RlbHelys = QStringLiteral("Győr");
    adatok.RlbCim = QStringLiteral("Baross út 2.");
    adatok.RlbIrsz = QStringLiteral("9021");
    adatok.txtNevHatul = QStringLiteral("Kiss Éva");
    adatok.txtHelysHatul = QStringLiteral("Pécs");
    adatok.txtCimHatul = QStringLiteral("Fő tér 1.");
    adatok.txtIrszHatul = QStringLiteral("7621");
    adatok.RcsekkKozlemenyHatul = {QStringLiteral("Első"), QStringLiteral("Második")};
  }

  // The word `text` on the page at (x, y) within half a millimetre.
  TempFolder folder;
  QtPrinter printer{folder.path()};
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
  SetRcsekkRekord rcsekk;
  RcsekkAdatok adatok;
};

TEST_F(OrderPdf, StandingFrontAndBack) {
  ASSERT_EQ(PrintAlloRCsekk(adatok, platform, set, rcsekk), PrintResult::Printed);
  std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(printed::at(pages, 0).widthMm, 220, 0.5);
  EXPECT_NEAR(printed::at(pages, 0).heightMm, 110, 0.5);
  pdf::expectWord(printed::at(pages, 0), "***12345***", 15, 7);
  pdf::expectWord(printed::at(pages, 0), "***12345***", 80, 7);
  pdf::expectWord(printed::at(pages, 0), "***12345***", 80, 36);
  pdf::expectWord(printed::at(pages, 0), "*Tizenkettőezer-", 11, 17);
  pdf::expectWord(printed::at(pages, 0), "háromszáznegyvenöt*", 75, 52);
  pdf::expectWord(printed::at(pages, 0), "Kovács", 75, 15);
  pdf::expectWord(printed::at(pages, 0), "1011", 75, 19);
  pdf::expectWord(printed::at(pages, 0), "Nagy", 9, 61);
  pdf::expectWord(printed::at(pages, 0), "Nagy", 147, 61);
  pdf::expectWord(printed::at(pages, 0), "9021", 147, 77);

  adatok.cmdOldalCsere = kRcsekkHatlap;
  ASSERT_EQ(PrintAlloRCsekk(adatok, platform, set, rcsekk), PrintResult::Printed);
  pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  pdf::expectWord(printed::at(pages, 0), "Kiss", 86, 61);
  pdf::expectWord(printed::at(pages, 0), "Pécs", 86, 65);
  pdf::expectWord(printed::at(pages, 0), "7621", 91, 77);
  pdf::expectWord(printed::at(pages, 0), "Első", 79, 5);
  pdf::expectWord(printed::at(pages, 0), "Második", 79, 9);
  EXPECT_EQ(printed::at(pages, 0).words.size(), 9u);  // nothing of the front
}

TEST_F(OrderPdf, LyingFront) {
  ASSERT_EQ(PrintFekvoRCsekk(adatok, platform, set, rcsekk), PrintResult::Printed);
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  pdf::expectWord(printed::at(pages, 0), "***12345***", 5, 4);
  pdf::expectWord(printed::at(pages, 0), "***12345***", 70, 33);
  pdf::expectWord(printed::at(pages, 0), "*Tizenkettőezer-", 3, 15);
  pdf::expectWord(printed::at(pages, 0), "Kovács", 70, 13);
  pdf::expectWord(printed::at(pages, 0), "1011", 75, 17);
  pdf::expectWord(printed::at(pages, 0), "Nagy", 5, 58);
  pdf::expectWord(printed::at(pages, 0), "9021", 140, 74);
}

}  // namespace
