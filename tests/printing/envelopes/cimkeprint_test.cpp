#include <gtest/gtest.h>

#include "common/betutip.h"
#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "printing/envelopes/cimkeprint.h"
#include "records/fizetok.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

using printed::A;
using printed::B;
using printed::Expected;

const QString kArial = QStringLiteral("Arial");
const QString kCourier = QStringLiteral("Courier New");

// A 2 x 6 sheet, left 5 mm, top 10 mm, labels 105 x 49.5 mm, 100 printed so far; payers
// "Fizető 1" .. "Fizető 20"; the five line fonts of the font files.
struct CimkePrint : ::testing::Test {
  TempFolder dir;
  RecordingPrinter printer;
  RecordedMessageBoxes boxes;
  Platform platform;
  CimkeSetupRekord setup;
  CimkeHelyek hely{};
  CimkeLapAdatok lap;

  void SetUp() override {
    platform.folder = dir.path();
    platform.printer = &printer;
    platform.messages = &boxes;
    CimkeSetupRekord s;
    s.Oszlop = 2;
    s.Sor = 6;
    s.Left = Fixed::fromDouble(5);
    s.Top = Fixed::fromDouble(10);
    s.Szeles = Fixed::fromDouble(105);
    s.Magas = Fixed::fromDouble(49.5);
    s.KinyomottCimkeNum = 100;
    ASSERT_TRUE(saveSettings(dir.path(), kCimkeSetupFile, s));
    dir.put(kNevekFile, szamozottFizetok(20));
    BetutipRekord t;
    t.nevek = {A, kArial, B, kCourier, A};
    BetumeretRekord m;
    m.meretek = {14, 10, 12, 11, 16};
    ASSERT_TRUE(saveSettings(dir.path(), kBetutipFile, t));
    ASSERT_TRUE(saveSettings(dir.path(), kBetumeretFile, m));
  }
  int32_t counterInFile() const {
    CimkeSetupRekord r;
    loadSettings(dir.path(), kCimkeSetupFile, r);
    return r.KinyomottCimkeNum;
  }
  // The five lines of payer n's label at (x, y) in the saved fonts (line heights 0.4 mm/pt).
  static std::vector<Expected> payerLabel(int n, double x, double y) {
    const QString nev = QStringLiteral("Fizető %1").arg(n).leftJustified(36);
    return {{nev, x, y, A, 14},
            {QString(36, QChar(' ')), x, y + 5.6, kArial, 10},
            {QStringLiteral("Pécs").leftJustified(40), x, y + 9.6, B, 12},
            {QStringLiteral("Fő tér %1.").arg(n).leftJustified(45), x, y + 14.4, kCourier, 11},
            {QStringLiteral("7621  "), x, y + 18.8, A, 16}};
  }
  static std::vector<Expected> concat(std::vector<std::vector<Expected>> parts) {
    std::vector<Expected> all;
    for (auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  }
};

// Positions 1 and 5 ticked on the 2 x 6 sheet: (Left, Top) and (Left, Top + 2 x Magas). Position
// 2 holds a payer but is not ticked: it is not printed.
TEST_F(CimkePrint, TickedPositionsPrintTheirPayers) {
  printer.setBold(true);
  printer.setOrientation(kLandscape);
  lap.chkCimke1[1] = lap.chkCimke1[5] = true;
  hely[1] = 3;
  hely[5] = 7;
  hely[2] = 4;
  const CimkeEredmeny r = PrintAlloCimke(lap, hely, {1, 2}, platform, setup);
  EXPECT_EQ(r.cimkek, 2);
  ASSERT_EQ(printer.documents().size(), 1u);
  const PrintedDocument& d = printer.documents()[0];
  ASSERT_EQ(d.pages.size(), 1u);
  EXPECT_EQ(d.pages[0].paper, kPaperA4);
  EXPECT_EQ(d.pages[0].orientation, kPortrait);
  printed::expectTexts(d.texts(), concat({payerLabel(3, 5, 10), payerLabel(7, 5, 10 + 2 * 49.5)}));
  for (const PrintedText& t : d.texts()) EXPECT_FALSE(t.bold);
  EXPECT_EQ(counterInFile(), 102);
  EXPECT_EQ(setup.KinyomottCimkeNum, 102);
  ASSERT_TRUE(r.utolso);
  EXPECT_EQ(trimmed(r.utolso->Nev), QStringLiteral("Fizető 7"));
}

// 14 selected rows on 12 positions: 12 labels, a page break, 2 labels. Rows that name no
// payer record take no position.
TEST_F(CimkePrint, ListFillsSheetsInListOrder) {
  std::vector<int32_t> sorok{0, 99};
  for (int32_t n = 1; n <= 14; ++n) sorok.push_back(n);
  sorok.insert(sorok.begin() + 5, -3);
  const CimkeEredmeny r = PrintAlloCimke(lap, hely, sorok, platform, setup);
  EXPECT_EQ(r.cimkek, 14);
  ASSERT_EQ(printer.documents().size(), 1u);
  const PrintedDocument& d = printer.documents()[0];
  ASSERT_EQ(d.pages.size(), 2u);
  ASSERT_EQ(d.pages[0].texts.size(), 60u);
  printed::expectTexts({d.pages[0].texts.begin() + 5, d.pages[0].texts.begin() + 10}, payerLabel(2, 110, 10));
  printed::expectTexts({d.pages[0].texts.end() - 5, d.pages[0].texts.end()}, payerLabel(12, 110, 10 + 5 * 49.5));
  printed::expectTexts(d.pages[1].texts, concat({payerLabel(13, 5, 10), payerLabel(14, 110, 10)}));
  EXPECT_EQ(counterInFile(), 114);
  EXPECT_EQ(setup.KinyomottCimkeNum, 114);
}

TEST_F(CimkePrint, NothingToPrintWritesNothing) {
  const QByteArray before = dir.bytes(kCimkeSetupFile);
  PrintAlloCimke(lap, hely, {}, platform, setup);             // no selected row
  PrintAlloCimke(lap, hely, {0, 21}, platform, setup);        // rows that name no payer
  lap.chkCimke1[3] = true;                                     // ticked, no payer in it
  PrintAlloCimke(lap, hely, {1}, platform, setup);
  lap.chkCimke1[3] = false;
  lap.chkEgyediCimke = true;                                   // custom label, nothing ticked
  PrintAlloCimke(lap, hely, {1}, platform, setup);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_TRUE(printer.events().isEmpty());
  EXPECT_EQ(dir.bytes(kCimkeSetupFile), before);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(CimkePrint, PostcodeLine) {
  const std::pair<const char*, const char*> rows[] = {
      {"0000  ", ""}, {"      ", ""}, {"A1011 ", ""}, {"1011  ", "1011  "}, {" 7621 ", " 7621 "}};
  for (const auto& [irsz, line] : rows) EXPECT_EQ(cimkeIrsz(QString::fromLatin1(irsz)), QString::fromLatin1(line)) << irsz;
  dir.put(kNevekFile, fizetokFajl({{"Kiss", "Eger", "Fő u. 1.", "0000"}}));
  PrintAlloCimke(lap, hely, {1}, platform, setup);
  ASSERT_EQ(printer.documents().size(), 1u);
  const auto t = printer.documents()[0].texts();
  ASSERT_EQ(t.size(), 5u);
  EXPECT_EQ(t[4].text, QString());
  EXPECT_NEAR(t[4].y, 10 + 18.8, 1e-4);
}

// The custom label wins over positions holding payers, prints the typed lines (not the preview
// captions) in the font choices as they stand, the postcode as typed.
TEST_F(CimkePrint, CustomLabelAtTickedPositions) {
  lap.chkEgyediCimke = true;
  lap.chkCimke1[2] = lap.chkCimke1[4] = true;
  hely[2] = 1;
  lap.txEgyediCimke = {QStringLiteral("Szabó Éva"), QString(), QStringLiteral("Eger"), QStringLiteral("Dobó tér 1."),
                       QStringLiteral("0000")};
  lap.ComboBetuTipus1 = {kCourier + QStringLiteral("  "), kArial, A, B, A};
  lap.ComboBetuSize = {QStringLiteral("20"), QStringLiteral("10"), QStringLiteral("12 pt"), QStringLiteral("10"),
                       QStringLiteral("10")};
  const CimkeEredmeny r = PrintAlloCimke(lap, hely, {5}, platform, setup);
  EXPECT_EQ(r.cimkek, 2);
  ASSERT_EQ(printer.documents().size(), 1u);
  const auto label = [](double x, double y) {
    return std::vector<Expected>{{QStringLiteral("Szabó Éva"), x, y, kCourier, 20},
                                 {QString(), x, y + 8, kArial, 10},
                                 {QStringLiteral("Eger"), x, y + 12, A, 12},
                                 {QStringLiteral("Dobó tér 1."), x, y + 16.8, B, 10},
                                 {QStringLiteral("0000"), x, y + 20.8, A, 10}};
  };
  printed::expectTexts(printer.documents()[0].texts(), concat({label(110, 10), label(110, 10 + 49.5)}));
  EXPECT_EQ(counterInFile(), 102);
  EXPECT_FALSE(r.utolso);
}

// What the set-up boxes show but "&Rögzítés" has not saved does not count: the file does.
TEST_F(CimkePrint, OnlyTheSavedSheetCounts) {
  setup.Oszlop = 4;
  setup.Sor = 10;
  setup.Left = Fixed::fromDouble(30);
  setup.KinyomottCimkeNum = 5000;
  PrintAlloCimke(lap, hely, {1, 2, 3}, platform, setup);
  const auto t = printer.documents().at(0).texts();
  ASSERT_EQ(t.size(), 15u);
  EXPECT_NEAR(t[5].x, 110, 1e-4);
  EXPECT_NEAR(t[10].x, 5, 1e-4);
  EXPECT_NEAR(t[10].y, 59.5, 1e-4);
  EXPECT_EQ(setup.Oszlop, 2);
  EXPECT_EQ(counterInFile(), 103);
}

// A label font the printer lacks, and a size of 0 (a new installation's font files), fall back
// to the text font; the labels still print and count.
TEST_F(CimkePrint, MissingLabelFontFallsBackToTheTextFont) {
  BetutipRekord t;
  t.nevek = {A, kArial, QStringLiteral("Nincs Ilyen"), kCourier, A};
  BetumeretRekord m;
  m.meretek = {14, 10, 0, 11, 16};
  ASSERT_TRUE(saveSettings(dir.path(), kBetutipFile, t));
  ASSERT_TRUE(saveSettings(dir.path(), kBetumeretFile, m));
  const CimkeEredmeny r = PrintAlloCimke(lap, hely, {1}, platform, setup);
  EXPECT_EQ(r.cimkek, 1);
  const auto texts = printer.documents().at(0).texts();
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[1].font, kArial);
  EXPECT_EQ(texts[2].font, B);
  EXPECT_EQ(texts[2].size, 12);
  EXPECT_NEAR(texts[3].y, 10 + 5.6 + 4 + 4.8, 1e-4);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(counterInFile(), 101);
}

// A printer that cannot take the document: the message, and no label is counted.
TEST_F(CimkePrint, FailedDocumentIsNotCounted) {
  printer.sendError = PrinterError{482, QStringLiteral("Nyomtatóhiba")};
  const CimkeEredmeny r = PrintAlloCimke(lap, hely, {1, 2}, platform, setup);
  EXPECT_EQ(r.cimkek, 0);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Nyomtatóhiba\r\nHibakód száma : 482"));
  EXPECT_EQ(counterInFile(), 100);
}

TEST_F(CimkePrint, DamagedSheetIsRefused) {
  CimkeSetupRekord s;
  s.Oszlop = 7;
  s.Sor = 10;
  ASSERT_TRUE(saveSettings(dir.path(), kCimkeSetupFile, s));
  PrintAlloCimke(lap, hely, {1}, platform, setup);
  EXPECT_TRUE(printer.documents().empty());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Figyelem!"));
}

}  // namespace
