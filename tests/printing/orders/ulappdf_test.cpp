// End to end: the cash-on-delivery form's front in both feeds and its back, printed by the
// program's printer into a PDF file, read back with pdftotext -bbox.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "printing/orders/ulapprint.h"
#include "support/pdfwords.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

class UlapPdf : public testing::Test {
 protected:
  void SetUp() override {
    if (!pdf::havePdftotext()) GTEST_SKIP() << "pdftotext missing";
    SetRekord s;
    s.AlapNyomtato = 0;
    s.NyomtatoIndex = int16_t(printer.printerNames().indexOf(QtPrinter::kPdfName));
    ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));
    SetRcsekkRekord r;
    applyFactory(r, rcsekkFactory());
    ASSERT_TRUE(saveSettings(folder.path(), kSetRcsekkFile, r));
    SetUlapRekord u;
    applyFactory(u, ulapFactory());
    ASSERT_TRUE(saveSettings(folder.path(), kSetUlapFile, u));

    adatok.txNev = QStringLiteral("Nagy Pál");
    adatok.cmdUtanvetOdalCsere = kUlapElolap;
    adatok.txUosszeg = QStringLiteral("12500");
    adatok.chkUtanvetR = 1;
    adatok.chkUtanvetEL = 1;
    adatok.txUNev = QStringLiteral("Nagy Pál");
    adatok.txUCim = QStringLiteral("9021 Győr, Baross út 2.");
    adatok.lbosszegBetuvel1 = QStringLiteral("*Tizenkétezer-ötszáz*");
    adatok.lbUNev = QStringLiteral("Pénzügyi Iroda");
    adatok.lbUHelyseg = QStringLiteral("Székesfehérvár");
    adatok.lbUCim = QStringLiteral("Fő utca 12.");
    adatok.lbUIrszam = QStringLiteral("8000");
    adatok.lbUNevHatul = QStringLiteral("Kiss Éva");
    adatok.lbUHelysegHatul = QStringLiteral("Pécs");
    adatok.lbUCimHatul = QStringLiteral("Fő tér 1.");
    adatok.lbUIrszamHatul = QStringLiteral("7621");
  }

  // The word `text` on the page at (x, y) within half a millimetre.
  TempFolder folder;
  QtPrinter printer{folder.path()};
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
  SetRcsekkRekord rcsekk;
  SetUlapRekord ulap;
  UlapAdatok adatok;
};

TEST_F(UlapPdf, StandingFrontAndBack) {
  ASSERT_EQ(PrintAlloULap(adatok, platform, set, rcsekk, ulap), PrintResult::Printed);
  std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(printed::at(pages, 0).widthMm, 220, 0.5);
  EXPECT_NEAR(printed::at(pages, 0).heightMm, 110, 0.5);
  pdf::expectWord(printed::at(pages, 0), "***12500***", 75, 8);
  pdf::expectWord(printed::at(pages, 0), "***12500***", 75, 38);
  pdf::expectWord(printed::at(pages, 0), "Nagy", 72, 16);
  pdf::expectWord(printed::at(pages, 0), "*Tizenkétezer-ötszáz*", 73, 47);
  pdf::expectWord(printed::at(pages, 0), "Pénzügyi", 144, 63);
  int marks = 0;
  for (const pdf::Word& w : printed::at(pages, 0).words)
    if (w.text == "X" && std::abs(w.x0 - 119) <= 0.5) ++marks;
  EXPECT_EQ(marks, 2);

  adatok.cmdUtanvetOdalCsere = kUlapHatlap;
  ASSERT_EQ(PrintAlloULap(adatok, platform, set, rcsekk, ulap), PrintResult::Printed);
  pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  pdf::expectWord(printed::at(pages, 0), "Kiss", 144, 64);
  EXPECT_EQ(printed::at(pages, 0).words.size(), 7u);  // nothing of the front
}

TEST_F(UlapPdf, LyingFront) {
  ASSERT_EQ(PrintFekvoULap(adatok, platform, set, rcsekk, ulap), PrintResult::Printed);
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  pdf::expectWord(printed::at(pages, 0), "***12500***", 36, 5);
  pdf::expectWord(printed::at(pages, 0), "***12500***", 36, 35);
  pdf::expectWord(printed::at(pages, 0), "Nagy", 31, 14);
  pdf::expectWord(printed::at(pages, 0), "*Tizenkétezer-ötszáz*", 35, 45);
  pdf::expectWord(printed::at(pages, 0), "Pénzügyi", 105, 61);
}

}  // namespace
