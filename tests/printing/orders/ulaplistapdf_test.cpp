// End to end: cash-on-delivery forms for two rows of the payer list, printed by the program's
// printer into a PDF file, read back with pdftotext -bbox.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "printing/orders/ulaplista.h"
#include "printing/orders/ulapprint.h"
#include "support/pdfwords.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

class UlapListaPdf : public testing::Test {
 protected:
  void SetUp() override {
    if (!pdf::havePdftotext()) GTEST_SKIP() << "pdftotext missing";
    SetRekord s;
    applyFactory(s, setFactory());
    s.AlapNyomtato = 0;
    s.NyomtatoIndex = int16_t(printer.printerNames().indexOf(QtPrinter::kPdfName));
    ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));
    SetRcsekkRekord r;
    applyFactory(r, rcsekkFactory());
    ASSERT_TRUE(saveSettings(folder.path(), kSetRcsekkFile, r));
    SetUlapRekord u;
    applyFactory(u, ulapFactory());
    ASSERT_TRUE(saveSettings(folder.path(), kSetUlapFile, u));
    RecordFile nevek(folder.path(), kNevekFile, NevekRekord::Length);
    for (const auto& [nev, osszeg] : {std::pair{"Kovács Éva", 12500}, std::pair{"Nagy Ödön", 700}}) {
      NevekRekord n;
      n.Nev = QString::fromUtf8(nev);
      n.Helyseg = QStringLiteral("Győr");
      n.Cim = QStringLiteral("Baross út 2.");
      n.Irsz = QStringLiteral("9021");
      n.Osszegek[0] = osszeg;
      nevek.append(n);
    }
    lap.cmdUtanvetOdalCsere = kUlapElolap;
    lap.chkUtanvetR = 1;
    lap.lbUNev = QStringLiteral("Pénzügyi Iroda");
    lap.lbUHelyseg = QStringLiteral("Székesfehérvár");
  }

  // The word `text` on the page at (x, y) within half a millimetre.
  TempFolder folder;
  QtPrinter printer{folder.path()};
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
  SetRcsekkRekord rcsekk;
  SetUlapRekord ulap;
  UlapLapAllapot lap;
  const std::vector<CsoportSor> sorok{{2, true}, {1, true}};
};

TEST_F(UlapListaPdf, StandingTwoForms) {
  ASSERT_TRUE(PrintCsAlloUlap(sorok, lap, platform, set, rcsekk, ulap).printed);
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NEAR(printed::at(pages, 0).widthMm, 220, 0.5);
  EXPECT_NEAR(printed::at(pages, 0).heightMm, 110, 0.5);
  pdf::expectWord(printed::at(pages, 0), "***700***", 75, 8);
  pdf::expectWord(printed::at(pages, 0), "Nagy", 72, 16);
  pdf::expectWord(printed::at(pages, 0), "*hétszáz*", 73, 47);
  pdf::expectWord(printed::at(pages, 0), "Pénzügyi", 144, 63);
  pdf::expectWord(printed::at(pages, 1), "***12500***", 75, 38);
  pdf::expectWord(printed::at(pages, 1), "Kovács", 72, 16);
  pdf::expectWord(printed::at(pages, 1), "X", 119, 1);
}

TEST_F(UlapListaPdf, LyingForm) {
  ASSERT_TRUE(PrintCsFekvoUlap({{1, true}}, lap, platform, set, rcsekk, ulap).printed);
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(printed::at(pages, 0).widthMm, 150, 0.5);
  EXPECT_NEAR(printed::at(pages, 0).heightMm, 105, 0.5);
  pdf::expectWord(printed::at(pages, 0), "***12500***", 36, 5);
  pdf::expectWord(printed::at(pages, 0), "Kovács", 31, 14);
  pdf::expectWord(printed::at(pages, 0), "X", 81, 1);
  pdf::expectWord(printed::at(pages, 0), "Pénzügyi", 105, 61);
}

}  // namespace
