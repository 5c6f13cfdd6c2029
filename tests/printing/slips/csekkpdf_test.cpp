// End to end: the standing and the lying slip printed by the program's printer into a PDF
// file, read back with pdftotext -bbox.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "slipexpect.h"
#include "printing/slips/csekkprint.h"
#include "printing/slips/osszegbetuvel.h"
#include "support/pdfwords.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

using pdf::Word;
using PdfPage = pdf::Page;
inline std::vector<PdfPage> readPdf(const QString& path) { return pdf::read(path); }


class SlipPdf : public testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "pdftotext missing";
    SetRekord s = slip::factoryLayout();
    s.AlapNyomtato = 0;
    s.NyomtatoIndex = int16_t(printer.printerNames().indexOf(QtPrinter::kPdfName));
    ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));

    adatok.txNev = QStringLiteral("Kovács Éva");
    adatok.txCim1 = QStringLiteral("Győr");
    adatok.txCim2 = QStringLiteral("Fő utca 1.");
    adatok.txIrszam = QStringLiteral("9021");
    adatok.txOsszeg = QStringLiteral("12345");
    // The words as the slip page fits them, measured on the same printer.
    const SzovegSorok sorok = fitSlipWords(OsszegBetuvel(adatok.txOsszeg), &printer, s.BetuTipus2, s.BetuMeret2);
    adatok.txtSzoveg21 = sorok.sor1;
    adatok.txtSzoveg11 = sorok.sor2;
  }

  // The word `text` on the page at (x, y) within half a millimetre.
  TempFolder folder;
  QtPrinter printer{folder.path()};
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
  CsekkAdatok adatok;
};

TEST_F(SlipPdf, Standing) {
  ASSERT_EQ(PrintAlloCsekk(adatok, platform, set), PrintResult::Printed);
  const std::vector<PdfPage> pages = readPdf(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(printed::at(pages, 0).widthMm, 220, 0.5);
  EXPECT_NEAR(printed::at(pages, 0).heightMm, 110, 0.5);
  // "***", the amount and "***" run together into one word.
  pdf::expectWord(printed::at(pages, 0), "***12345***", 25, 7);
  pdf::expectWord(printed::at(pages, 0), "***12345***", 90, 7);
  pdf::expectWord(printed::at(pages, 0), "Kovács", 10, 54);
  pdf::expectWord(printed::at(pages, 0), "Kovács", 145, 54);
  pdf::expectWord(printed::at(pages, 0), "GYŐR", 10, 58);
  pdf::expectWord(printed::at(pages, 0), "*" + adatok.txtSzoveg21, 10, 17);
  pdf::expectWord(printed::at(pages, 0), "*" + adatok.txtSzoveg21, 75, 17);
  pdf::expectWord(printed::at(pages, 0), adatok.txtSzoveg11 + "*", 10, 23);
}

TEST_F(SlipPdf, Lying) {
  ASSERT_EQ(PrintFekvoCsekk(adatok, platform, set), PrintResult::Printed);
  const std::vector<PdfPage> pages = readPdf(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(printed::at(pages, 0).widthMm, 210, 0.5);
  EXPECT_NEAR(printed::at(pages, 0).heightMm, 105, 0.5);
  pdf::expectWord(printed::at(pages, 0), "***12345***", 15, 6);
  pdf::expectWord(printed::at(pages, 0), "***12345***", 80, 6);
  pdf::expectWord(printed::at(pages, 0), "Kovács", 5, 52);
  pdf::expectWord(printed::at(pages, 0), "Kovács", 140, 52);
  pdf::expectWord(printed::at(pages, 0), "9021", 140, 68);
  pdf::expectWord(printed::at(pages, 0), "*" + adatok.txtSzoveg21, 2, 15);
  pdf::expectWord(printed::at(pages, 0), adatok.txtSzoveg11 + "*", 68, 22);
}

}  // namespace
