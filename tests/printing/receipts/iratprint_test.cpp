// The return receipt for official documents on the recording printer: texts, fonts and
// positions in mm of both feeds for the factory layout, the two print options and the code,
// the page set-up, and that every failure is passed over; and the page's snapshot.
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
#include "printing/receipts/iratlap.h"
#include "printing/receipts/iratprint.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

const QString kKodBetu = QStringLiteral("Courier New");

class IratPrint : public testing::Test {
 protected:
  IratPrint() {
    platform.folder = dir.path();
    platform.printer = &printer;
    platform.messages = &messages;
    SetRekord s;
    s.AlapNyomtato = -1;
    EXPECT_TRUE(saveSettings(dir.path(), kSetFile, s));
    applyFactory(layout, irat2Factory());
    layout.VkodBetutipus = kKodBetu;
    layout.VkodMeret = 20;
    EXPECT_TRUE(saveSettings(dir.path(), kSetIrat2File, layout));

    lap.txtIratCimzettNev = QStringLiteral(" Szabó Éva ");
    lap.txtIratCimzettHelyseg = QStringLiteral("Győr");
    lap.txtIratCimzettUtca = QStringLiteral("Kossuth u. 3.");
    lap.txtIratCimzettIrszam = QStringLiteral("9021");
    lap.lbIratFeladoNev = QStringLiteral("Hivatal                ");
    lap.lbIratFeladoCim1 = QStringLiteral("1052 Budapest");
    lap.lbIratFeladoCim2 = QStringLiteral("Fő utca 12.");
    lap.txtIratFelado = {QStringLiteral("Ügyintéző"), QStringLiteral("  2. emelet"), QStringLiteral("214. szoba")};
    lap.lbVkod = QStringLiteral("IK-2026/77");
    lap.txtIratSzama = QStringLiteral(" IK-2026/77 ");
    lap.txtIratFajtaja = QStringLiteral("határozat");
    lap.txtIratMelleklet = QStringLiteral("2 db");
    lap.txtIratErtesites = QStringLiteral("igen");
    lap.txtIratFelvPosta = QStringLiteral("Győr 1");
    lap.txtIratKuldAzonosito = QStringLiteral("RL123HU");
  }

  // Times New Roman CE, 9 pt unless named, never bold.
  void expectTexts(const std::vector<PrintedText>& got, const std::vector<printed::Expected>& want) {
    printed::expectTexts(got, want, {.size = 9, .plain = true});
  }
  void mindent() {
    lap.chkVisszaCimPrint = {1, 1, 1};
    lap.chkVkod = 1;
  }

  bool allo() { return bool(PrintAlloIrat(lap, platform, set, irat2)); }
  bool fekvo() { return bool(PrintFekvoIrat(lap, platform, set, irat2)); }

  TempFolder dir;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  Platform platform;
  SetRekord set;
  SetIrat2Rekord layout, irat2;
  IratAdatok lap;
};

// Factory layout, 9 pt: 3.6 mm a line.
TEST_F(IratPrint, StandingWithBothBlocksAndTheCode) {
  mindent();
  ASSERT_TRUE(allo());
  ASSERT_EQ(printer.documents().size(), 1u);
  const PrintedDocument& d = printed::doc(printer);
  ASSERT_EQ(d.pages.size(), 1u);
  EXPECT_EQ(printed::at(d.pages, 0).paper, kPaperDL);
  EXPECT_EQ(printed::at(d.pages, 0).orientation, kLandscape);
  EXPECT_NEAR(printed::at(d.pages, 0).widthMm, 220, 0.01);
  expectTexts(d.texts(), {{"Szabó Éva", 106, 22},
                          {"Győr", 106, 25.6},
                          {"Kossuth u. 3.", 106, 29.2},
                          {"9021", 106, 32.8},
                          {"Hivatal", 135, 60},
                          {"1052 Budapest", 135, 63.6},
                          {"Fő utca 12.", 135, 67.2},
                          {"Ügyintéző", 161, 9},
                          {"2. emelet", 161, 12.6},
                          {"214. szoba", 161, 16.2},
                          {"IK-2026/77", 72, 8, kKodBetu, 20},
                          {"IK-2026/77", 161, 24},
                          {"határozat", 161, 27},
                          {"2 db", 161, 30},
                          {"igen", 201, 34},
                          {"Győr 1", 140, 4},
                          {"RL123HU", 67, 3}});
  EXPECT_EQ(irat2.VkodMeret, 20);
  EXPECT_EQ(set.AlapNyomtato, -1);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(IratPrint, LyingWithBothBlocksAndTheCode) {
  mindent();
  ASSERT_TRUE(fekvo());
  ASSERT_GT(printer.documents().size(), 0u);
  const PrintedDocument& d = printed::doc(printer);
  ASSERT_EQ(d.pages.size(), 1u);
  // The landscape DL sheet: the factory places reach 166 mm across.
  EXPECT_EQ(printed::at(d.pages, 0).paper, kPaperDL);
  EXPECT_EQ(printed::at(d.pages, 0).orientation, kLandscape);
  EXPECT_NEAR(printed::at(d.pages, 0).widthMm, 220, 0.01);
  EXPECT_NEAR(printed::at(d.pages, 0).heightMm, 110, 0.01);
  expectTexts(d.texts(), {{"Szabó Éva", 71, 19},
                          {"Győr", 71, 22.6},
                          {"Kossuth u. 3.", 71, 26.2},
                          {"9021", 71, 29.8},
                          {"Hivatal", 100, 57},
                          {"1052 Budapest", 100, 60.6},
                          {"Fő utca 12.", 100, 64.2},
                          {"Ügyintéző", 126, 6},
                          {"2. emelet", 126, 9.6},
                          {"214. szoba", 126, 13.2},
                          {"IK-2026/77", 37, 5, kKodBetu, 20},
                          {"IK-2026/77", 126, 21},
                          {"határozat", 126, 24},
                          {"2 db", 126, 27},
                          {"igen", 166, 31},
                          {"Győr 1", 105, 1},
                          {"RL123HU", 32, 0}});
}

TEST_F(IratPrint, OptionsOffPrintRecipientAndDocumentFieldsOnly) {
  lap.chkVisszaCimPrint = {2, 0, 1};  // grey is not ticked; element 2 never prints
  lap.chkVkod = 2;
  lap.txtIratCimzettUtca = QStringLiteral("  ");
  ASSERT_TRUE(allo());
  ASSERT_GT(printer.documents().size(), 0u);
  expectTexts(printed::doc(printer).texts(), {{"Szabó Éva", 106, 22},
                                               {"Győr", 106, 25.6},
                                               {"", 106, 29.2},
                                               {"9021", 106, 32.8},
                                               {"IK-2026/77", 161, 24},
                                               {"határozat", 161, 27},
                                               {"2 db", 161, 30},
                                               {"igen", 201, 34},
                                               {"Győr 1", 140, 4},
                                               {"RL123HU", 67, 3}});
}

TEST_F(IratPrint, CodeIsPrintedAsTheLabelHoldsIt) {
  lap.chkVkod = 1;
  lap.lbVkod = QStringLiteral(" *77* ");
  ASSERT_TRUE(allo());
  ASSERT_GT(printer.documents().size(), 0u);
  auto t = printed::doc(printer).texts();
  ASSERT_EQ(t.size(), 11u);
  EXPECT_EQ(t[4].text, " *77* ");
  EXPECT_EQ(t[4].font, kKodBetu);
  // An empty label still prints, as an empty line.
  lap.lbVkod.clear();
  printer.clearLog();
  ASSERT_TRUE(allo());
  ASSERT_GT(printer.documents().size(), 0u);
  t = printed::doc(printer).texts();
  ASSERT_EQ(t.size(), 11u);
  EXPECT_EQ(t[4].text, "");
  EXPECT_NEAR(t[4].x, 72, 1e-4);
}

TEST_F(IratPrint, EveryFailureIsPassedOver) {
  // No code font installed, a text the printer refuses. A saved printer that is gone prints
  // nothing and says so.
  layout.VkodBetutipus = QStringLiteral("Vonalkód 39");
  ASSERT_TRUE(saveSettings(dir.path(), kSetIrat2File, layout));
  SetRekord s;
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = 4;
  ASSERT_TRUE(saveSettings(dir.path(), kSetFile, s));
  lap.chkVkod = 1;
  allo();
  EXPECT_TRUE(printer.documents().empty());
  printed::missingPrinterSaid(messages);
  printer.clearLog();
  s.NyomtatoIndex = 1;
  ASSERT_TRUE(saveSettings(dir.path(), kSetFile, s));
  printer.failOnText.insert(QStringLiteral("Győr"), PrinterError{482, QStringLiteral("hiba")});
  ASSERT_TRUE(allo());
  ASSERT_EQ(printer.documents().size(), 1u);
  EXPECT_EQ(printed::doc(printer).printer, "Nyomtató B");
  const auto t = printed::doc(printer).texts();
  ASSERT_EQ(t.size(), 10u);
  EXPECT_EQ(t[1].text, "Kossuth u. 3.");
  EXPECT_NEAR(t[1].y, 25.6, 1e-4);  // the refused line did not move the position
  // The code in the text font at the code size, then the text size again.
  EXPECT_EQ(t[3].font, "Times New Roman CE");
  EXPECT_EQ(t[3].size, 20);
  EXPECT_EQ(t[4].size, 9);
  EXPECT_FALSE(printer.events().contains("killDoc"));
  // The user is told why the code shows as plain digits.
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Vonalkód 39")));
}

TEST_F(IratPrint, LyingPageHoldsAnItemBeyondTheSheet) {
  // The notice to be left at 210 + 20 mm, "igen" 7.2 mm wide: the DL sheet grows to 238 mm
  // (its height stays); standing, the same sheet is not grown.
  layout.IratTertiIratotthagy_x = Fixed::fromDouble(210);
  ASSERT_TRUE(saveSettings(dir.path(), kSetIrat2File, layout));
  ASSERT_TRUE(fekvo());
  EXPECT_NEAR(printed::page(printer).widthMm, 238, 0.01);
  EXPECT_NEAR(printed::page(printer).heightMm, 110, 0.01);
  EXPECT_TRUE(messages.shown.empty());
  printer.clearLog();
  ASSERT_TRUE(allo());
  EXPECT_NEAR(printed::page(printer).widthMm, 220, 0.01);
  ASSERT_EQ(messages.shown.size(), 1u);  // said, not dropped
  EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("„igen” – 1. oldal, X = 265 mm")));
}

TEST_F(IratPrint, AZeroFilledCodeFontIsNamedWithoutItsNulBytes) {
  // A code font field of zero bytes (a record written short): no NUL reaches the box.
  layout.VkodBetutipus = QString(25, QChar(0));
  ASSERT_TRUE(saveSettings(dir.path(), kSetIrat2File, layout));
  lap.chkVkod = 1;
  ASSERT_TRUE(allo());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(messages.shown[0].text.contains(QChar(0)));
  EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("A vonalkód betűtípusa nincs megadva")));
}

TEST_F(IratPrint, WithoutLayoutFilePrintsAtTheBareOffsets) {
  QFile::remove(dir.file(kSetIrat2File));
  ASSERT_TRUE(fekvo());
  ASSERT_GT(printer.documents().size(), 0u);
  const auto t = printed::doc(printer).texts();
  ASSERT_EQ(t.size(), 10u);
  // No text font stored: the factory one, said (before the texts above the page).
  EXPECT_EQ(t[0].font, "Times New Roman CE");
  EXPECT_NEAR(t[0].x, 20, 1e-4);
  EXPECT_NEAR(t[0].y, -3, 1e-4);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("A szövegek betűtípusa nincs megadva, ezért helyette")));
}

TEST_F(IratPrint, OnTheSavedPrinter) {
  SetRekord s;
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = 1;
  ASSERT_TRUE(saveSettings(dir.path(), kSetFile, s));
  ASSERT_TRUE(fekvo());
  ASSERT_GT(printer.documents().size(), 0u);
  EXPECT_EQ(printed::doc(printer).printer, "Nyomtató B");
  EXPECT_FALSE(printer.events().contains("followDefault off"));
}

TEST_F(IratPrint, NoPrinterNoPrint) {
  platform.printer = nullptr;
  EXPECT_FALSE(allo());
  EXPECT_FALSE(fekvo());
}

TEST_F(IratPrint, SnapshotOfThePage) {
  LayoutRecords layouts;
  IratLap p(platform, layouts);
  p.txtIratCimzettIrszam->setText("9021");
  p.lbIratFeladoCim2->setText("C2");
  p.txtIratFelado[2]->setText("F2");
  p.chkVisszaCimPrint[1]->setValue(1);
  p.txtIratKuldAzonosito->setText("RL");
  p.chkVkod->setValue(1);
  p.txtIratSzama->setText("  12/A ");
  const IratAdatok a = p.adatok();
  EXPECT_EQ(a.txtIratCimzettIrszam, "9021");
  EXPECT_EQ(a.lbIratFeladoCim2, "C2");
  EXPECT_EQ(a.txtIratFelado[2], "F2");
  EXPECT_EQ(a.chkVisszaCimPrint[0], 0);
  EXPECT_EQ(a.chkVisszaCimPrint[1], 1);
  EXPECT_EQ(a.txtIratKuldAzonosito, "RL");
  EXPECT_EQ(a.chkVkod, 1);
  EXPECT_EQ(a.lbVkod, "12/A");
  EXPECT_EQ(a.txtIratSzama, "  12/A ");
}

}  // namespace
