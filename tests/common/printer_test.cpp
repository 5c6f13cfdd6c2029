// The printer state model, on the recording printer (10 pt: 2 mm per character, 4 mm a line).
#include <gtest/gtest.h>

#include "common/recordingprinter.h"
#include "support/printexpect.h"

namespace {
constexpr double kTw = kTwipsPerMm;

void expectPage(const PrintedPage& p, double w, double h, int orientation, int paper) {
  EXPECT_NEAR(p.widthMm, w, 1e-9);
  EXPECT_NEAR(p.heightMm, h, 1e-9);
  EXPECT_EQ(p.orientation, orientation);
  EXPECT_EQ(p.paper, paper);
}
}  // namespace

TEST(Printer, StartsOnDefaultWithArial10TwipsA4) {
  RecordingPrinter p({"X", "Y", "Z"}, 2);
  EXPECT_EQ(p.currentIndex(), 2);
  EXPECT_EQ(p.currentName(), "Z");
  EXPECT_TRUE(p.followsDefault());
  EXPECT_EQ(p.fontName(), "Arial");
  EXPECT_EQ(p.fontSize(), 10);
  EXPECT_FALSE(p.bold());
  EXPECT_FALSE(p.scaleMillimetres());
  EXPECT_EQ(p.paperSize(), kPaperA4);
  EXPECT_EQ(p.orientation(), kPortrait);
  EXPECT_DOUBLE_EQ(p.pageWidthMm(), 210);
  EXPECT_DOUBLE_EQ(p.pageHeightMm(), 297);
  // Twips scale: a 10 pt character is 2 mm wide.
  EXPECT_NEAR(p.textWidth("A"), 2 * kTw, 1e-9);
}

TEST(Printer, PageSetUpLaterValueWins) {
  RecordingPrinter p;
  p.setPaperSize(kPaperDL);
  p.setOrientation(kLandscape);
  EXPECT_DOUBLE_EQ(p.pageWidthMm(), 220);
  EXPECT_DOUBLE_EQ(p.pageHeightMm(), 110);
  p.setPaperSize(kPaperC5);
  EXPECT_DOUBLE_EQ(p.pageWidthMm(), 229);
  EXPECT_DOUBLE_EQ(p.pageHeightMm(), 162);
  p.setOrientation(kPortrait);
  // Height and width are twips whatever the scale; they describe the page as oriented.
  p.setScaleMillimetres();
  p.setHeightTwips(16790);
  p.setWidthTwips(11910);
  EXPECT_EQ(p.paperSize(), kPaperCustom);
  EXPECT_NEAR(p.pageHeightMm(), 16790 / kTw, 1e-9);
  EXPECT_NEAR(p.pageWidthMm(), 11910 / kTw, 1e-9);
  EXPECT_NEAR(p.pageHeightMm(), 296.2, 0.05);
  p.setOrientation(kLandscape);
  EXPECT_NEAR(p.pageWidthMm(), 16790 / kTw, 1e-9);
  p.setHeightTwips(105 * kTw);  // landscape: the height is the short side
  p.setOrientation(kPortrait);
  EXPECT_NEAR(p.pageWidthMm(), 105, 1e-9);
  // A paper size given after height and width replaces them.
  p.setPaperSize(kPaperA4);
  EXPECT_DOUBLE_EQ(p.pageWidthMm(), 210);
  EXPECT_EQ(p.paperSize(), kPaperA4);
}

TEST(Printer, InvalidValuesRaise380AndChangeNothing) {
  RecordingPrinter p;
  auto number = [](auto fn) {
    try {
      fn();
    } catch (const PrinterError& e) {
      EXPECT_EQ(e.description, "Érvénytelen tulajdonságérték");
      return e.number;
    }
    return 0;
  };
  EXPECT_EQ(number([&] { p.setPaperSize(8); }), 380);
  EXPECT_EQ(number([&] { p.setOrientation(0); }), 380);
  EXPECT_EQ(number([&] { p.setHeightTwips(0); }), 380);
  EXPECT_EQ(number([&] { p.setFontName("Wingdings"); }), 380);
  EXPECT_EQ(number([&] { p.setFontName("   "); }), 380);
  EXPECT_EQ(number([&] { p.setFontSize(0); }), 380);
  EXPECT_EQ(number([&] { p.setFontSize(-3); }), 380);
  EXPECT_EQ(p.paperSize(), kPaperA4);
  EXPECT_EQ(p.orientation(), kPortrait);
  EXPECT_EQ(p.fontName(), "Arial");
  EXPECT_EQ(p.fontSize(), 10);
}

TEST(Printer, FontNameReachesPrinterTrimmed) {
  RecordingPrinter p;
  p.setFontName("Arial CE" + QString(17, ' '));
  EXPECT_EQ(p.fontName(), "Arial CE");
  p.setFontName("  times new roman ce");  // names are not case-sensitive
  EXPECT_EQ(p.fontName(), "times new roman ce");
  p.setFonts({"Courier New"});
  EXPECT_THROW(p.setFontName("Arial"), PrinterError);
}

TEST(Printer, PrintEndsLineOrStaysOnIt) {
  RecordingPrinter p;
  p.setScaleMillimetres();
  p.setFontSize(12);  // 2.4 mm a character, 4.8 mm a line
  p.setCurrentX(25);
  p.setCurrentY(50);
  p.print("abc", false);
  EXPECT_NEAR(p.currentX(), 25 + 3 * 2.4, 1e-9);
  EXPECT_DOUBLE_EQ(p.currentY(), 50);
  p.print("de");
  EXPECT_DOUBLE_EQ(p.currentX(), 0);
  EXPECT_NEAR(p.currentY(), 54.8, 1e-9);
  EXPECT_NEAR(p.textHeight("x"), 4.8, 1e-9);
  p.setBold(true);
  p.print("f");
  p.endDoc();
  ASSERT_EQ(p.documents().size(), 1u);
  const auto texts = printed::doc(p).texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(printed::at(texts, 0).text, "abc");
  EXPECT_NEAR(printed::at(texts, 1).x, 32.2, 1e-9);
  EXPECT_DOUBLE_EQ(printed::at(texts, 1).y, 50);
  EXPECT_DOUBLE_EQ(printed::at(texts, 2).x, 0);
  EXPECT_NEAR(printed::at(texts, 2).y, 54.8, 1e-9);
  EXPECT_EQ(printed::at(texts, 2).font, "Arial");
  EXPECT_EQ(printed::at(texts, 2).size, 12);
  EXPECT_TRUE(printed::at(texts, 2).bold);
  EXPECT_FALSE(printed::at(texts, 1).bold);
  // The end of the document puts the position back to the corner.
  EXPECT_DOUBLE_EQ(p.currentY(), 0);
}

TEST(Printer, TwipsScalePositionsAreStoredInMillimetres) {
  RecordingPrinter p;
  p.setCurrentX(1440);
  p.setCurrentY(2880);
  p.print("x");
  EXPECT_NEAR(p.currentY(), 2880 + 4 * kTw, 1e-9);
  p.endDoc();
  const PrintedText t = printed::at(printed::doc(p).texts(), 0);
  EXPECT_NEAR(t.x, 25.4, 1e-9);
  EXPECT_NEAR(t.y, 50.8, 1e-9);
}

TEST(Printer, EachPageKeepsItsOwnSetUp) {
  RecordingPrinter p;
  p.setScaleMillimetres();
  p.print("A4 page");
  p.setPaperSize(kPaperDL);  // takes effect on the next page
  p.setOrientation(kLandscape);
  p.newPage();
  p.print("DL page");
  p.newPage();
  p.newPage();  // empty pages at the end are not sent
  p.endDoc();
  ASSERT_EQ(p.documents().size(), 1u);
  const auto& pages = printed::doc(p).pages;
  ASSERT_EQ(pages.size(), 2u);
  expectPage(printed::at(pages, 0), 210, 297, kPortrait, kPaperA4);
  expectPage(printed::at(pages, 1), 220, 110, kLandscape, kPaperDL);
  EXPECT_EQ(printed::at(printed::at(pages, 1).texts, 0).text, "DL page");
  EXPECT_DOUBLE_EQ(printed::at(printed::at(pages, 1).texts, 0).y, 0);  // a new page starts at the corner
}

TEST(Printer, EmptyPageInsideDocumentIsKept) {
  RecordingPrinter p;
  p.print("1");
  p.newPage();
  p.newPage();
  p.print("3");
  p.endDoc();
  ASSERT_EQ(printed::doc(p).pages.size(), 3u);
  EXPECT_TRUE(printed::page(p, 0, 1).empty());
  EXPECT_TRUE(printed::page(p, 0, 1).setUp);
}

TEST(Printer, EndDocWithoutContentSendsNothing) {
  RecordingPrinter p;
  p.endDoc();
  p.newPage();
  p.endDoc();
  EXPECT_TRUE(p.documents().empty());
  EXPECT_FALSE(p.documentOpen());
}

TEST(Printer, KillDocDiscardsEverything) {
  RecordingPrinter p;
  p.print("elveszik");
  p.newPage();
  p.print("ez is");
  p.killDoc();
  EXPECT_FALSE(p.documentOpen());
  p.endDoc();
  p.print("next");
  p.endDoc();
  ASSERT_EQ(p.documents().size(), 1u);
  ASSERT_EQ(printed::doc(p).texts().size(), 1u);
  EXPECT_EQ(printed::at(printed::doc(p).texts(), 0).text, "next");
}

TEST(Printer, FailedSendClosesTheDocument) {
  RecordingPrinter p;
  p.sendError = printer_errors::printerFailed("papír");
  p.print("x");
  try {
    p.endDoc();
    FAIL();
  } catch (const PrinterError& e) {
    EXPECT_EQ(e.number, 482);
    EXPECT_EQ(e.description, "Nyomtatóhiba\r\npapír");
  }
  EXPECT_FALSE(p.documentOpen());
  EXPECT_EQ(p.events().back(), "endDoc: 482");
}

TEST(Printer, SelectAndFollowDefault) {
  RecordingPrinter p({"A", "B", "C"}, 0);
  p.select(2);
  EXPECT_EQ(p.currentName(), "C");
  try {
    p.select(3);
    FAIL();
  } catch (const PrinterError& e) {
    EXPECT_EQ(e.number, 9);
    EXPECT_EQ(e.description, "Az index kívül esik a tartományon");
  }
  EXPECT_THROW(p.select(-1), PrinterError);
  EXPECT_EQ(p.currentIndex(), 2);
  p.setFollowDefault(true);
  EXPECT_EQ(p.currentIndex(), 0);
  p.setDefault(1);  // the system default changes: a following printer moves along
  EXPECT_EQ(p.currentIndex(), 1);
  p.setFollowDefault(false);
  p.setDefault(2);
  EXPECT_EQ(p.currentIndex(), 1);
  EXPECT_EQ(p.events(), QStringList({"select 2", "select 3: 9", "select -1: 9", "followDefault on",
                                     "followDefault off"}));
}

TEST(Printer, DocumentGoesToThePrinterItBeganOn) {
  RecordingPrinter p;
  p.print("x");
  p.select(1);
  p.endDoc();
  EXPECT_EQ(printed::doc(p).printer, "Nyomtató A");
}

TEST(Printer, NoPrinterInstalledRaisesOnPrinting) {
  RecordingPrinter p({}, -1);
  EXPECT_EQ(p.currentIndex(), -1);
  EXPECT_EQ(p.currentName(), "");
  EXPECT_THROW(p.print("x"), PrinterError);
  EXPECT_FALSE(p.documentOpen());
}

TEST(Printer, PictureNeedsAnImage) {
  RecordingPrinter p;
  p.setScaleMillimetres();
  EXPECT_THROW(p.paintPicture(QImage(), 0, 0, 10, 10), PrinterError);
  QImage img(4, 4, QImage::Format_RGB32);
  img.fill(Qt::red);
  p.paintPicture(img, 10, 20, 30, 40);
  p.endDoc();
  ASSERT_EQ(printed::page(p).pictures.size(), 1u);
  EXPECT_DOUBLE_EQ(printed::at(printed::page(p).pictures, 0).height, 40);
}
