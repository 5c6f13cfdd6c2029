#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "common/betutip.h"
#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "payerstore/fizetok.h"
#include "printing/envelopes/cimkeprint.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

using printed::A;
using printed::B;
using printed::Expected;
const QString kArial = QStringLiteral("Arial"), kCourier = QStringLiteral("Courier New");

// Selected rows of the payer list with these record numbers.
std::vector<CsoportSor> rows(std::initializer_list<int32_t> numbers) {
  std::vector<CsoportSor> r;
  for (const int32_t n : numbers) r.push_back({n, true});
  return r;
}

// A saved 2 x 6 sheet (left 5, top 10, labels 105 x 49.5 mm, 100 printed so far), payers
// "Fizető 1" .. "Fizető 20", and the line fonts `fonts` with the sizes 14, 10, 12, 11, 16.
struct CimkePrint : ::testing::Test {
  TempFolder dir;
  RecordingPrinter printer;
  RecordedMessageBoxes boxes;
  Platform platform{dir.path(), &printer, &boxes};
  CimkeSetupRekord setup;
  CimkeHelyek hely{};
  CimkeLapAdatok lap;

  void SetUp() override {
    const CimkeSetupRekord s{Fixed::fromDouble(49.5), Fixed::fromDouble(105), Fixed::fromDouble(10),
                             Fixed::fromDouble(5), 2, 6, 100};
    ASSERT_TRUE(saveSettings(dir.path(), kCimkeSetupFile, s));
    dir.put(kNevekFile, szamozottFizetok(20));
    fonts({A, kArial, B, kCourier, A}, {14, 10, 12, 11, 16});
  }
  void fonts(std::array<QString, 5> names, std::array<int16_t, 5> sizes) {
    BetutipRekord t{names};
    BetumeretRekord m{sizes};
    ASSERT_TRUE(saveSettings(dir.path(), kBetutipFile, t) && saveSettings(dir.path(), kBetumeretFile, m));
  }
  int32_t counterInFile() const {
    CimkeSetupRekord r;
    EXPECT_TRUE(loadSettings(dir.path(), kCimkeSetupFile, r));
    return r.KinyomottCimkeNum;
  }
  // Payer n's label at (x, y), each line one line of the font above lower (0.4 mm per point).
  static std::vector<Expected> payer(int n, double x, double y) {
    return {{QStringLiteral("Fizető %1").arg(n).leftJustified(36), x, y, A, 14},
            {QString(36, QChar(' ')), x, y + 5.6, kArial, 10},
            {QStringLiteral("Pécs").leftJustified(40), x, y + 9.6, B, 12},
            {QStringLiteral("Fő tér %1.").arg(n).leftJustified(45), x, y + 14.4, kCourier, 11},
            {QStringLiteral("7621  "), x, y + 18.8, A, 16}};
  }
  // The five lines of the i-th label placed on `texts`.
  static std::vector<PrintedText> label(const std::vector<PrintedText>& texts, size_t i) {
    return printed::slice(texts, 5 * i, 5);
  }
};

// Positions 1 and 5 ticked: (Left, Top) and (Left, Top + 2 x Magas), on an A4 page standing, bold
// off whatever the printer had. Position 2 holds a payer but is not ticked: not printed.
TEST_F(CimkePrint, TickedPositionsPrintTheirPayers) {
  printer.setBold(true);
  printer.setOrientation(kLandscape);
  lap.chkCimke1[1] = lap.chkCimke1[5] = true;
  hely[1] = 3, hely[5] = 7, hely[2] = 4;
  const PrintResult r = PrintAlloCimke(lap, hely, rows({1, 2}), platform, setup);
  ASSERT_EQ(printer.documents().size(), 1u);
  const PrintedDocument& d = printed::doc(printer);
  ASSERT_EQ(d.pages.size(), 1u);
  EXPECT_EQ(printed::at(d.pages, 0).paper * 10 + printed::at(d.pages, 0).orientation, kPaperA4 * 10 + kPortrait);
  ASSERT_EQ(d.texts().size(), 10u);
  printed::expectTexts(label(d.texts(), 0), payer(3, 5, 10));
  printed::expectTexts(label(d.texts(), 1), payer(7, 5, 10 + 2 * 49.5));
  EXPECT_FALSE(printed::at(d.texts(), 0).bold);
  EXPECT_EQ(QList<int>({r.lapok, counterInFile(), setup.KinyomottCimkeNum}), QList<int>({2, 102, 102}));
  EXPECT_EQ(trimmed(r.utolso.value().Nevek.Nev), QStringLiteral("Fizető 7"));
}

// 14 selected rows on 12 positions: 12 labels, a page break, 2. Rows naming no payer record
// take no position. The sheet is the saved one, not what the page's boxes show.
TEST_F(CimkePrint, ListFillsSheetsInListOrder) {
  setup.Oszlop = 4, setup.Sor = 10, setup.Left = Fixed::fromDouble(30);
  std::vector<CsoportSor> sorok = rows({0, 99, 1, 2, 3, -3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
  sorok.insert(sorok.begin() + 4, {15, false});
  EXPECT_EQ(PrintAlloCimke(lap, hely, sorok, platform, setup).lapok, 14);
  ASSERT_EQ(printer.documents().size(), 1u);
  const auto& pages = printed::doc(printer).pages;
  ASSERT_EQ(pages.size(), 2u);
  ASSERT_EQ(printed::at(pages, 0).texts.size(), 60u);
  printed::expectTexts(label(printed::at(pages, 0).texts, 1), payer(2, 110, 10));
  printed::expectTexts(label(printed::at(pages, 0).texts, 11), payer(12, 110, 10 + 5 * 49.5));
  ASSERT_EQ(printed::at(pages, 1).texts.size(), 10u);
  printed::expectTexts(label(printed::at(pages, 1).texts, 1), payer(14, 110, 10));
  EXPECT_EQ(counterInFile(), 114);
}

TEST_F(CimkePrint, NothingToPrintWritesNothing) {
  const QByteArray before = dir.bytes(kCimkeSetupFile);
  PrintAlloCimke(lap, hely, {{2, false}}, platform, setup);       // no selected row
  PrintAlloCimke(lap, hely, rows({0, 21}), platform, setup);  // rows naming no payer
  lap.chkCimke1[3] = true;                               // ticked, no payer in it
  PrintAlloCimke(lap, hely, rows({1}), platform, setup);
  lap.chkCimke1[3] = false;
  lap.chkEgyediCimke = true;  // custom label, nothing ticked
  PrintAlloCimke(lap, hely, rows({1}), platform, setup);
  EXPECT_TRUE(printer.documents().empty() && printer.events().isEmpty() && boxes.shown.empty());
  EXPECT_EQ(dir.bytes(kCimkeSetupFile), before);
}

TEST(CimkeIrsz, PostcodeLine) {
  for (const auto& [irsz, line] : {std::pair{"0000  ", ""}, {"      ", ""}, {"A1011 ", ""}, {"1011  ", "1011  "}})
    EXPECT_EQ(cimkeIrsz(QString::fromLatin1(irsz)), QString::fromLatin1(line)) << irsz;
}

// The custom label wins over positions holding payers and prints the typed lines in the font
// choices as they stand; its postcode as typed.
TEST_F(CimkePrint, CustomLabelAtTickedPositions) {
  lap.chkEgyediCimke = true;
  lap.chkCimke1[2] = lap.chkCimke1[4] = true;
  hely[2] = 1;
  lap.txEgyediCimke = {QStringLiteral("Szabó Éva"), QString(), QStringLiteral("Eger"), QStringLiteral("Fő u. 1."),
                       QStringLiteral("0000")};
  lap.ComboBetuTipus1 = {kCourier + QStringLiteral("  "), kArial, A, B, A};
  lap.ComboBetuSize = {QStringLiteral("20"), QStringLiteral("10"), QStringLiteral("12 pt"), QStringLiteral("10"),
                       QStringLiteral("10")};
  EXPECT_EQ(PrintAlloCimke(lap, hely, rows({5}), platform, setup).lapok, 2);
  const auto t = printed::doc(printer).texts();
  ASSERT_EQ(t.size(), 10u);
  printed::expectTexts(label(t, 0), {{QStringLiteral("Szabó Éva"), 110, 10, kCourier, 20},
                                     {QString(), 110, 18, kArial, 10},
                                     {QStringLiteral("Eger"), 110, 22, A, 12},
                                     {QStringLiteral("Fő u. 1."), 110, 26.8, B, 10},
                                     {QStringLiteral("0000"), 110, 30.8, A, 10}});
  EXPECT_NEAR(t[5].y, 10 + 49.5, 1e-4);
  EXPECT_EQ(counterInFile(), 102);
}

// A label font the printer lacks and a size of 0 fall back to the text font, also after a line
// in another font; the label still prints and counts, and the missing font is said once.
TEST_F(CimkePrint, MissingLabelFontFallsBackToTheTextFont) {
  fonts({A, kArial, QStringLiteral("Nincs Ilyen"), kCourier, A}, {14, 10, 0, 11, 16});
  EXPECT_EQ(PrintAlloCimke(lap, hely, rows({1}), platform, setup).lapok, 1);
  const auto t = printed::doc(printer).texts();
  ASSERT_EQ(t.size(), 5u);
  EXPECT_EQ(t[2].font + QString::number(t[2].size), B + QStringLiteral("12"));
  EXPECT_NEAR(t[3].y, 10 + 5.6 + 4 + 4.8, 1e-4);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, QStringLiteral("A cimke 3. sorának betűtípusa („Nincs Ilyen”) nincs telepítve ezen a "
                                                "gépen, ezért helyette „Times New Roman CE” betűtípussal nyomtatódott ki."));
  EXPECT_EQ(counterInFile(), 101);
}

// Lines sharing a missing font (or none given) are said in one sentence, each font once.
TEST_F(CimkePrint, EachMissingLabelFontIsSaidOnce) {
  const QString x = QStringLiteral("Nincs Ilyen"), y = QStringLiteral("Másik Sincs");
  fonts({x + QStringLiteral("  "), x, y, kCourier, x}, {14, 10, 12, 11, 16});
  EXPECT_EQ(PrintAlloCimke(lap, hely, rows({1, 2}), platform, setup).lapok, 2);
  ASSERT_EQ(boxes.shown.size(), 1u);
  const QString vege = QStringLiteral(" nincs telepítve ezen a gépen, ezért helyette „Times New Roman CE” betűtípussal "
                                      "nyomtatódott ki.");
  EXPECT_EQ(boxes.shown[0].text, QStringLiteral("A cimke 1., 2. és 5. sorának betűtípusa („Nincs Ilyen”)") + vege +
                                     QStringLiteral("\r\nA cimke 3. sorának betűtípusa („Másik Sincs”)") + vege);
  boxes.shown.clear();
  fonts({QString(), kArial, QString(), A, A}, {14, 10, 12, 11, 16});
  EXPECT_EQ(PrintAlloCimke(lap, hely, rows({1}), platform, setup).lapok, 1);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, QStringLiteral("A cimke 1. és 3. sorának betűtípusa nincs megadva, ezért helyette „Times "
                                                "New Roman CE” betűtípussal nyomtatódott ki."));
}

// The sheet file cannot take the new count (a folder stands in its place once the document
// is sent): the labels are printed, and the user is told that the count was not saved.
TEST_F(CimkePrint, CounterThatCannotBeSavedIsReported) {
  struct FajlHelyenMappa : RecordingPrinter {
    QString fajl;
    void send(const PrintedDocument& doc, int index) override {
      RecordingPrinter::send(doc, index);
      QFile::remove(fajl);
      QDir().mkpath(fajl);
    }
  } nyomtato;
  nyomtato.fajl = dir.file(kCimkeSetupFile);
  platform.printer = &nyomtato;
  EXPECT_EQ(PrintAlloCimke(lap, hely, rows({1, 2}), platform, setup).lapok, 2);
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(boxes.shown[0].text.contains(kCimkeSetupFile));
  EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Exclamation);
}

// A printer that cannot take the document: the message, and no label is counted.
TEST_F(CimkePrint, FailedDocumentIsNotCounted) {
  printer.sendError = PrinterError{482, QStringLiteral("Nyomtatóhiba")};
  EXPECT_FALSE(PrintAlloCimke(lap, hely, rows({1, 2}), platform, setup).printed);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Nyomtatóhiba\r\nHibakód száma : 482"));
  EXPECT_EQ(counterInFile(), 100);
}

}  // namespace
