// The posting receipt on the recording printer: texts, fonts and positions in mm of both feeds
// for the factory layout, the marks, the page set-up, the printer choice and the two error
// classes; and the page's snapshot.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "common/tricheckbox.h"
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "printing/receipts/feladolap.h"
#include "printing/receipts/feladoprint.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

using printed::B;

class FeladoPrint : public testing::Test {
 protected:
  FeladoPrint() {
    platform.folder = dir.path();
    platform.printer = &printer;
    platform.messages = &messages;
    mentSet(-1, 0);
    applyFactory(layout, fvevenyFactory());
    EXPECT_TRUE(saveSettings(dir.path(), kSetFvevenyFile, layout));

    lap.txNev3 = QStringLiteral(" Szabó Éva ");
    lap.txCim3_1 = QStringLiteral("9021 Győr");
    lap.txCim3_2 = QStringLiteral("Kossuth u. 3.");
    lap.lbSajatNev = QStringLiteral("Kovács Kft.   ");
    lap.lbSajatCim1 = QStringLiteral("1052 Budapest");
    lap.lbSajatCim2 = QStringLiteral("Fő utca 12.");
    lap.txErtek = QStringLiteral("12 500");
    lap.txUtanvet = QStringLiteral("3000");
    lap.txtFeladov1 = QStringLiteral("első sor");
    lap.txtFeladov2 = QStringLiteral("  második sor");
  }

  void mentSet(int16_t alap, int16_t index) {
    SetRekord s;
    s.AlapNyomtato = alap;
    s.NyomtatoIndex = index;
    ASSERT_TRUE(saveSettings(dir.path(), kSetFile, s));
  }
  void mindJel(int v) {
    for (int* c : {&lap.chkAjanlott, &lap.chkCsomag, &lap.chkTerti, &lap.chkHivIrat, &lap.chkErtek, &lap.chkSK,
                   &lap.chkPRI, &lap.chkPL, &lap.chkLEGI, &lap.chk5, &lap.chk6})
      *c = v;
  }

  // Times New Roman CE, 10 pt unless named, never bold.
  void expectTexts(const std::vector<PrintedText>& got, const std::vector<printed::Expected>& want) {
    printed::expectTexts(got, want, {.plain = true});
  }

  bool allo() { return bool(PrintAlloFelado(lap, platform, set, fveveny)); }
  bool fekvo() { return bool(PrintFekvoFelado(lap, platform, set, fveveny)); }

  TempFolder dir;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  Platform platform;
  SetRekord set;
  SetFvevenyRekord layout, fveveny;
  FeladoAdatok lap;
};

// Factory layout: main size 10 (4 mm a line), free lines 8 pt.
TEST_F(FeladoPrint, StandingWithEveryMark) {
  mindJel(1);
  ASSERT_TRUE(allo());
  ASSERT_EQ(printer.documents().size(), 1u);
  const PrintedDocument& d = printed::doc(printer);
  ASSERT_EQ(d.pages.size(), 1u);
  EXPECT_EQ(printed::at(d.pages, 0).paper, kPaperDL);
  EXPECT_EQ(printed::at(d.pages, 0).orientation, kLandscape);
  EXPECT_NEAR(printed::at(d.pages, 0).widthMm, 220, 0.01);
  EXPECT_NEAR(printed::at(d.pages, 0).heightMm, 110, 0.01);
  expectTexts(d.texts(), {{"Szabó Éva", 87, 46},
                          {"9021 Győr", 87, 50},
                          {"Kossuth u. 3.", 87, 54},
                          {"Kovács Kft.", 87, 19},
                          {"1052 Budapest", 87, 23},
                          {"Fő utca 12.", 87, 27},
                          {"12 500", 172, 35},
                          {"3000", 172, 52},
                          {"első sor", 186, 50, B, 8},
                          {"második sor", 169, 53, B, 8},
                          {"X", 88, 35},    // registered
                          {"X", 123, 40},   // parcel
                          {"X", 123, 35},   // return receipt
                          {"X", 88, 40},    // official document
                          {"X", 161, 35},   // value record
                          {"X", 170, 23},   // the six special services
                          {"X", 176, 23},
                          {"X", 182, 23},
                          {"X", 188, 23},
                          {"X", 194, 23},
                          {"X", 200, 23}});
  // The shared copies hold what was read; the default printer is left alone.
  EXPECT_EQ(fveveny.FeladovevenyBetuMeret2, 8);
  EXPECT_EQ(set.AlapNyomtato, -1);
  EXPECT_FALSE(printer.events().contains("followDefault on"));
  EXPECT_FALSE(printer.events().contains("followDefault off"));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FeladoPrint, LyingWithEveryMark) {
  mindJel(1);
  // A lying print after a standing one: the page is the form, whatever was set before.
  ASSERT_TRUE(allo());
  ASSERT_TRUE(fekvo());
  ASSERT_EQ(printer.documents().size(), 2u);
  const PrintedDocument& d = printed::doc(printer, 1);
  ASSERT_EQ(d.pages.size(), 1u);
  EXPECT_EQ(printed::at(d.pages, 0).paper, kPaperCustom);
  // The form is 165 mm wide; the page holds the last special-service mark, at 168 mm.
  EXPECT_NEAR(printed::at(d.pages, 0).widthMm, 170, 0.01);
  EXPECT_NEAR(printed::at(d.pages, 0).heightMm, 120, 0.01);
  expectTexts(d.texts(), {{"Szabó Éva", 55, 52},
                          {"9021 Győr", 55, 56},
                          {"Kossuth u. 3.", 55, 60},
                          {"Kovács Kft.", 55, 25},
                          {"1052 Budapest", 55, 29},
                          {"Fő utca 12.", 55, 33},
                          {"12 500", 140, 40},
                          {"3000", 140, 57},
                          {"első sor", 154, 50, B, 8},
                          {"második sor", 137, 53, B, 8},
                          {"X", 56, 41},
                          {"X", 91, 46},
                          {"X", 91, 41},
                          {"X", 56, 46},
                          {"X", 129, 41},
                          {"X", 138, 29},
                          {"X", 144, 29},
                          {"X", 150, 29},
                          {"X", 156, 29},
                          {"X", 162, 29},
                          {"X", 168, 29}});
  EXPECT_TRUE(printer.events().contains("followDefault on"));
}

TEST_F(FeladoPrint, GreyAndClearBoxesPrintNoMarkAndEmptyLinesStillStep) {
  mindJel(2);
  lap.chkPL = 1;
  lap.chkErtek = 0;  // no declared value: the value kept in its hidden box is not printed
  lap.txCim3_1 = QStringLiteral("   ");
  lap.txNev3.clear();
  ASSERT_TRUE(allo());
  ASSERT_GT(printer.documents().size(), 0u);
  const auto t = printed::doc(printer).texts();
  ASSERT_EQ(t.size(), 10u);
  EXPECT_EQ(t[0].text, "");
  EXPECT_EQ(t[1].text, "");
  EXPECT_NEAR(t[1].y, 50, 1e-4);
  EXPECT_EQ(t[2].text, "Kossuth u. 3.");
  EXPECT_NEAR(t[2].y, 54, 1e-4);
  EXPECT_EQ(t[6].text, "3000");
  EXPECT_EQ(t[9].text, "X");
  EXPECT_NEAR(t[9].x, 182, 1e-4);
  EXPECT_EQ(t[9].size, 10);
}

TEST_F(FeladoPrint, StandingPassesOverRefusedSettings) {
  // A size the printer refuses (error 380) is passed over: the printer keeps its size, no
  // message. The caller hears of it (the main window takes "Times New Roman" as its own font).
  layout.FeladovevenyBetuMeret = 0;
  ASSERT_TRUE(saveSettings(dir.path(), kSetFvevenyFile, layout));
  int csere = 0;
  ASSERT_TRUE(PrintAlloFelado(lap, platform, set, fveveny, [&csere] { ++csere; }));
  EXPECT_EQ(csere, 2);  // the main size and the size set back after the free lines
  ASSERT_EQ(printer.documents().size(), 1u);
  auto t = printed::doc(printer).texts();
  ASSERT_EQ(t.size(), 9u);
  EXPECT_EQ(t[0].size, 10);
  EXPECT_NEAR(t[0].x, 87, 1e-4);
  EXPECT_TRUE(messages.shown.empty());
  // A font not installed prints in the factory font, said once; no step fails.
  layout.FeladovevenyBetuMeret = 12;
  layout.FeladovevenyBetuTipus = QStringLiteral("Nincs Ilyen Betű");
  ASSERT_TRUE(saveSettings(dir.path(), kSetFvevenyFile, layout));
  printer.clearLog();
  ASSERT_TRUE(PrintAlloFelado(lap, platform, set, fveveny, [&csere] { ++csere; }));
  EXPECT_EQ(csere, 2);
  t = printed::doc(printer).texts();
  ASSERT_EQ(t.size(), 9u);
  EXPECT_EQ(t[0].font, "Times New Roman CE");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("A szövegek betűtípusa („Nincs Ilyen Betű”)")));
}

TEST_F(FeladoPrint, StandingShowsOtherErrorsAndPrintsNothing) {
  printer.failOnText.insert(QStringLiteral("3000"), PrinterError{482, QStringLiteral("A nyomtató nem válaszol")});
  EXPECT_FALSE(allo());
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_TRUE(printer.events().contains("killDoc"));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "A nyomtató nem válaszol\r\nHibakód száma : 482");
  EXPECT_EQ(messages.shown[0].title, "!  H I B A  ! ");
  EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
}

TEST_F(FeladoPrint, SavedPrinterBeyondTheInstalledOnes) {
  mentSet(0, 5);
  // Either feed prints nothing and says why, whatever its error class.
  EXPECT_FALSE(allo());
  printed::missingPrinterSaid(messages);
  EXPECT_FALSE(fekvo());
  printed::missingPrinterSaid(messages);
  EXPECT_TRUE(printer.documents().empty());
}

TEST_F(FeladoPrint, LyingCancelsSilentlyOnAnyFailure) {
  layout.FeladovevenyBetuMeret = 0;
  ASSERT_TRUE(saveSettings(dir.path(), kSetFvevenyFile, layout));
  EXPECT_FALSE(fekvo());
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FeladoPrint, OnTheSavedPrinter) {
  mentSet(0, 1);
  ASSERT_TRUE(allo());
  ASSERT_TRUE(fekvo());
  ASSERT_EQ(printer.documents().size(), 2u);
  EXPECT_EQ(printed::doc(printer).printer, "Nyomtató B");
  EXPECT_EQ(printed::doc(printer, 1).printer, "Nyomtató B");
  EXPECT_TRUE(printer.events().contains("followDefault off"));
}

TEST_F(FeladoPrint, NoPrinterNoPrint) {
  platform.printer = nullptr;
  EXPECT_FALSE(allo());
  EXPECT_FALSE(fekvo());
}

TEST_F(FeladoPrint, SnapshotOfThePage) {
  LayoutRecords layouts;
  FeladoLap p(platform, layouts);
  p.txNev3->setText("N");
  p.txCim3_2->setText("C2");
  p.lbSajatCim1->setText("S1");
  p.txUtanvet->setText("U");
  p.txtFeladov2->setText("F2");
  p.chkHivIrat->setValue(1);
  p.chk6->setValue(2);
  const FeladoAdatok a = p.adatok();
  EXPECT_EQ(a.txNev3, "N");
  EXPECT_EQ(a.txCim3_2, "C2");
  EXPECT_EQ(a.lbSajatCim1, "S1");
  EXPECT_EQ(a.txUtanvet, "U");
  EXPECT_EQ(a.txtFeladov2, "F2");
  EXPECT_EQ(a.chkHivIrat, 1);
  EXPECT_EQ(a.chk6, 2);
  EXPECT_EQ(a.chkAjanlott, 0);
}

}  // namespace
