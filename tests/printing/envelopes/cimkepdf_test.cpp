// End to end: three labels of selected rows printed by the program's printer into a PDF on a
// two-column A4 sheet, read back with pdftotext -bbox.
#include <gtest/gtest.h>

#include "common/betutip.h"
#include "common/messages.h"
#include "common/platform.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "payerstore/fizetok.h"
#include "printing/envelopes/cimkeprint.h"
#include "support/pdfwords.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

TEST(CimkePdf, ThreeLabelsOnATwoColumnSheet) {
  if (!pdf::havePdftotext()) GTEST_SKIP() << "pdftotext missing";
  TempFolder folder;
  QtPrinter printer(folder.path());
  printer.select(int(printer.printerNames().indexOf(QtPrinter::kPdfName)));
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};

  const CimkeSetupRekord s{Fixed::fromDouble(42.4286), Fixed::fromDouble(105), Fixed::fromDouble(12.5),
                           Fixed::fromDouble(8), 2, 7, 0};
  ASSERT_TRUE(saveSettings(folder.path(), kCimkeSetupFile, s));
  BetumeretRekord m{{11, 11, 11, 11, 11}};
  ASSERT_TRUE(saveSettings(folder.path(), kBetumeretFile, m));  // no font names: the text font
  folder.put(kNevekFile, fizetokFajl({{"Kovács", "Győr", "Fő út 1.", "9021"},
                                      {"Árvíztűrő", "Budapest", "Váci út 12.", "1132"},
                                      {"Nagy", "Pécs", "Király u. 3.", "7621"}}));

  CimkeSetupRekord setup;
  ASSERT_EQ(PrintAlloCimke(CimkeLapAdatok{}, CimkeHelyek{}, {{3, true}, {1, true}, {2, true}}, platform, setup).lapok, 3);
  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  const std::pair<const char*, std::pair<double, double>> labels[] = {
      {"Nagy", {8, 12.5}}, {"Kovács", {113, 12.5}}, {"Árvíztűrő", {8, 12.5 + 42.4286}}};
  for (const auto& [name, at] : labels) {
    const pdf::Word* w = pdf::find(printed::at(pages, 0), QString::fromUtf8(name));
    ASSERT_NE(w, nullptr) << name;
    EXPECT_NEAR(w->x0, at.first, 0.5) << name;
    EXPECT_NEAR(w->y0, at.second, 0.5) << name;
  }
}
