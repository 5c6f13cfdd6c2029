// The single payment slip on the recording printer: texts, fonts and positions in mm.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "printing/slips/csekkprint.h"
#include "slipexpect.h"
#include "support/tempfolder.h"

namespace {

using namespace slip;

CsekkAdatok payer() {
  CsekkAdatok a;
  a.txNev = QStringLiteral(" Kovács Éva ");
  a.txCim1 = QStringLiteral("budapest");
  a.txCim2 = QStringLiteral("Fő utca 1. ");
  a.txIrszam = QStringLiteral("1011");
  a.txOsszeg = QStringLiteral("12345");
  a.txtSzoveg21 = QStringLiteral("Tizenkettőezer-");
  a.txtSzoveg11 = QStringLiteral("háromszáznegyvenöt");
  a.Kozlemeny1 = QStringLiteral("Első sor");
  a.Kozlemeny2 = QStringLiteral("Harmadik");
  a.txtKozl3sor = QStringLiteral("Saját közlemény   ");
  a.txBefizAzonosito = QStringLiteral("AZ-123");
  a.txtJogcim1 = QStringLiteral("Tagdíj");
  a.txtJogcim2 = QStringLiteral("2026. év");
  a.txtFizHatIdo = QStringLiteral("Fiz. hat.: 2026.12.19");
  return a;
}

// Factory layout, amount 12345, standing feed, no correction. Figures: 12 pt, 2.4 mm a
// character on the recording printer; texts: 10 pt, 2 mm a character, 4 mm a line.
std::vector<Expected> standing() {
  return {
      {"***", 25, 7, A, 12}, {"12345", 32.2, 7, A, 12}, {"***", 44.2, 7, A, 12},
      {"***", 90, 7, A, 12}, {"12345", 97.2, 7, A, 12}, {"***", 109.2, 7, A, 12},
      {"Első sor", 160, 7, B, 10}, {"Saját közlemény", 160, 11, B, 10}, {"Harmadik", 160, 15, B, 10},
      {"*Tizenkettőezer-", 10, 17, B, 10}, {"háromszáznegyvenöt*", 10, 23, B, 10},
      {"*Tizenkettőezer-", 75, 17, B, 10}, {"háromszáznegyvenöt*", 75, 23, B, 10},
      {"AZ-123", 87, 40, A, 12},
      {"Tagdíj", 32, 33, B, 10}, {"Saját közlemény", 32, 37, B, 10}, {"2026. év", 32, 41, B, 10},
      {"Fiz. hat.: 2026.12.19", 32, 45, B, 10},
      {"Kovács Éva", 10, 54, B, 10}, {"BUDAPEST", 10, 58, B, 10}, {"Fő utca 1.", 10, 62, B, 10},
      {"1011", 10, 68, B, 10},
      {"Kovács Éva", 145, 54, B, 10}, {"BUDAPEST", 145, 58, B, 10}, {"Fő utca 1.", 145, 62, B, 10},
      {"1011", 145, 68, B, 10},
  };
}

// The same slip, lying feed: the stored positions, the name 2 mm below the block's Y.
std::vector<Expected> lying() {
  return {
      {"***", 15, 6, A, 12}, {"12345", 22.2, 6, A, 12}, {"***", 34.2, 6, A, 12},
      {"***", 80, 6, A, 12}, {"12345", 87.2, 6, A, 12}, {"***", 99.2, 6, A, 12},
      {"Első sor", 150, 5, B, 10}, {"Saját közlemény", 150, 9, B, 10}, {"Harmadik", 150, 13, B, 10},
      {"*Tizenkettőezer-", 2, 15, B, 10}, {"háromszáznegyvenöt*", 2, 22, B, 10},
      {"*Tizenkettőezer-", 68, 15, B, 10}, {"háromszáznegyvenöt*", 68, 22, B, 10},
      {"AZ-123", 80, 40, A, 12},
      {"Tagdíj", 25, 33, B, 10}, {"Saját közlemény", 25, 37, B, 10}, {"2026. év", 25, 41, B, 10},
      {"Fiz. hat.: 2026.12.19", 25, 45, B, 10},
      {"Kovács Éva", 5, 52, B, 10}, {"BUDAPEST", 5, 56, B, 10}, {"Fő utca 1.", 5, 60, B, 10},
      {"1011", 5, 68, B, 10},
      {"Kovács Éva", 140, 52, B, 10}, {"BUDAPEST", 140, 56, B, 10}, {"Fő utca 1.", 140, 60, B, 10},
      {"1011", 140, 68, B, 10},
  };
}

class SlipPrint : public testing::Test {
 protected:
  void SetUp() override { save(factoryLayout()); }
  void save(const SetRekord& s) { ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s)); }
  void change(const std::function<void(SetRekord&)>& f) {
    SetRekord s = factoryLayout();
    f(s);
    save(s);
  }
  PrintResult allo(const CsekkAdatok& a = payer()) { return PrintAlloCsekk(a, platform, set); }
  PrintResult fekvo(const CsekkAdatok& a = payer()) { return PrintFekvoCsekk(a, platform, set); }
  // Texts of the one document printed, non-empty ones only (an empty second words line
  // prints nothing).
  std::vector<PrintedText> texts() {
    EXPECT_EQ(printer.documents().size(), 1u);
    return printed::filled(printed::doc(printer).texts());
  }

  TempFolder folder;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
};

TEST_F(SlipPrint, StandingFactoryLayout) {
  EXPECT_EQ(allo(), PrintResult::Printed);
  expectTexts(texts(), standing());
  ASSERT_GT(printer.documents().size(), 0u);
  const PrintedPage& page = printed::page(printer);
  EXPECT_EQ(page.orientation, kLandscape);
  EXPECT_EQ(page.paper, kPaperDL);
  EXPECT_NEAR(page.widthMm, 220, 1e-6);
  EXPECT_NEAR(page.heightMm, 110, 1e-6);
  EXPECT_EQ(printed::doc(printer).pages.size(), 1u);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(set.Osszeg_x1, mm(15));  // the settings were read into the shared record
}

TEST_F(SlipPrint, CorrectionMovesEveryStandingXOnly) {
  change([](SetRekord& s) { s.Vkorrekcio = -3; });
  allo();
  expectTexts(texts(), standing(), {.dx = -3});
  printer.clearLog();
  fekvo();
  expectTexts(texts(), lying());
}

TEST_F(SlipPrint, LyingSlipFitsOnA210By105Page) {
  EXPECT_EQ(fekvo(), PrintResult::Printed);
  expectTexts(texts(), lying());
  ASSERT_GT(printer.documents().size(), 0u);
  const PrintedPage& page = printed::page(printer);
  EXPECT_EQ(page.orientation, kPortrait);
  EXPECT_NEAR(page.widthMm, 210, 1e-6);
  EXPECT_NEAR(page.heightMm, 105, 1e-6);
  for (const PrintedText& t : texts()) {
    const double w = t.text.size() * RecordingPrinter::kCharMmPerPoint * t.size;
    EXPECT_LE(t.x + w, page.widthMm) << t.text.toStdString();
    EXPECT_LE(t.y + RecordingPrinter::kLineMmPerPoint * t.size, page.heightMm) << t.text.toStdString();
  }
}

TEST_F(SlipPrint, GuardWithoutPayer) {
  CsekkAdatok a = payer();
  a.txNev = QStringLiteral("   ");
  EXPECT_EQ(allo(a), PrintResult::NoPayer);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral(" Nincs kijelölve ügyfél a listáról..."));
  EXPECT_EQ(messages.shown[0].title, QStringLiteral("!  H I B A  ! "));
  EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(messages.shown[0].icon, MsgIcon::None);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(printer.documentOpen());
  // The A4 sheet in twips was already given.
  EXPECT_NEAR(printer.pageHeightMm(), 16790 / kTwipsPerMm, 1e-6);
  EXPECT_NEAR(printer.pageWidthMm(), 11910 / kTwipsPerMm, 1e-6);
  EXPECT_EQ(fekvo(a), PrintResult::NoPayer);
  EXPECT_TRUE(printer.documents().empty());
}

TEST_F(SlipPrint, SwitchedOffItemsAreLeftOut) {
  change([](SetRekord& s) { s.Nyomtatando[0] = 0; });
  allo();
  std::vector<Expected> want = standing();
  want.erase(want.begin(), want.begin() + 6);
  expectTexts(texts(), want);

  // No name: a blank line at the name's height, then settlement and street below it.
  printer.clearLog();
  change([](SetRekord& s) { s.Nyomtatando.fill(0), s.Nyomtatando[3] = -1; });
  allo();
  const std::vector<PrintedText> t = texts();
  ASSERT_EQ(t.size(), 8u);
  EXPECT_EQ(t[0].text, " ");
  EXPECT_NEAR(t[0].y, 54, 1e-4);
  EXPECT_EQ(t[1].text, "BUDAPEST");
  EXPECT_NEAR(t[1].x, 10, 1e-4);
  EXPECT_NEAR(t[1].y, 58, 1e-4);
  EXPECT_EQ(t[2].text, "Fő utca 1.");
  EXPECT_NEAR(t[2].y, 62, 1e-4);
  EXPECT_EQ(t[3].text, "1011");
  EXPECT_NEAR(t[3].y, 68, 1e-4);
  EXPECT_EQ(t[4].text, " ");
  EXPECT_EQ(t[5].text, "BUDAPEST");
  EXPECT_NEAR(t[5].x, 145, 1e-4);

  // Every switch off (element 6 is not a print item): only the two blank name lines.
  printer.clearLog();
  change([](SetRekord& s) { s.Nyomtatando.fill(0), s.Nyomtatando[6] = -1; });
  fekvo();
  const std::vector<PrintedText> none = texts();
  ASSERT_EQ(none.size(), 2u);
  EXPECT_EQ(none[0].text, " ");
  EXPECT_NEAR(none[0].y, 52, 1e-4);
}

TEST_F(SlipPrint, WordsOnOneLineAndCopiedIdentifier) {
  CsekkAdatok a = payer();
  a.txOsszeg = QStringLiteral("1000");
  a.txtSzoveg21 = QStringLiteral("Egyezer-");
  a.txtSzoveg11.clear();
  a.chkBefAzonMasolasa = true;
  a.txBefizAzonosito = QStringLiteral(" AZ-9 ");
  allo(a);
  std::vector<PrintedText> t = texts();
  ASSERT_EQ(t.size(), 24u);  // the second words line is empty on both parts
  EXPECT_EQ(t[9].text, "*Egyezer-*");
  EXPECT_NEAR(t[9].x, 10, 1e-4);
  EXPECT_NEAR(t[9].y, 17, 1e-4);
  EXPECT_EQ(t[10].text, "*Egyezer-*");
  EXPECT_NEAR(t[10].x, 75, 1e-4);
  EXPECT_EQ(t[11].text, " AZ-9 ");  // at its own place
  EXPECT_EQ(t[14].text, " AZ-9 ");  // third legal-title line, as typed
  EXPECT_NEAR(t[14].y, 41, 1e-4);

  printer.clearLog();
  fekvo(a);
  t = texts();
  ASSERT_EQ(t.size(), 24u);
  EXPECT_EQ(t[14].text, "AZ-9");  // lying: trimmed
}

// A stored font the printer does not have (a folder from another machine): the slip prints in
// the factory font and says so once, naming both; with the factory font missing too, nothing
// prints and the one message says why.
TEST_F(SlipPrint, AMissingStoredFontPrintsInTheFactoryFontSaidOnce) {
  change([](SetRekord& s) { s.BetuTipus1 = QStringLiteral("Garamond CE"); });
  EXPECT_EQ(allo(), PrintResult::Printed);
  expectTexts(texts(), standing());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("A számok betűtípusa („Garamond CE”) nincs telepítve ezen a gépen, "
                                                   "ezért helyette „Arial CE” betűtípussal nyomtatódott ki."));
  EXPECT_EQ(messages.shown[0].title, QStringLiteral("Figyelem!"));

  messages.shown.clear();
  printer.clearLog();
  change([](SetRekord& s) { s.BetuTipus2.clear(); });
  printer.setFonts({QStringLiteral("Arial CE")});
  EXPECT_EQ(fekvo(), PrintResult::Failed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(printer.documentOpen());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("A szövegek betűtípusa nincs megadva, és helyette „Times New Roman "
                                                   "CE” sincs telepítve, ezért a nyomtatás elmaradt."));
}

TEST_F(SlipPrint, PrinterErrorsCancelSilently) {
  change([](SetRekord& s) { s.BetuMeret2 = 0; });
  EXPECT_EQ(allo(), PrintResult::Failed);
  EXPECT_EQ(fekvo(), PrintResult::Failed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(printer.documentOpen());

  // A printer failing in the middle of the slip: nothing reaches it.
  save(factoryLayout());
  printer.failOnText.insert(QStringLiteral("BUDAPEST"), printer_errors::invalidValue());
  EXPECT_EQ(allo(), PrintResult::Failed);
  printer.failOnText.clear();

  // The saved printer is not installed.
  change([](SetRekord& s) { s.AlapNyomtato = 0, s.NyomtatoIndex = 2; });
  EXPECT_EQ(allo(), PrintResult::Failed);
  printed::missingPrinterSaid(messages);

  // No settings file at all: no font names, nothing printed.
  QFile::remove(folder.file(kSetFile));
  EXPECT_EQ(fekvo(), PrintResult::Failed);

  EXPECT_TRUE(printer.documents().empty());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SlipPrint, PrinterChoice) {
  change([](SetRekord& s) { s.AlapNyomtato = 0, s.NyomtatoIndex = 1; });
  allo();
  ASSERT_EQ(printer.documents().size(), 1u);
  EXPECT_EQ(printed::doc(printer).printer, QStringLiteral("Nyomtató B"));
  EXPECT_FALSE(printer.followsDefault());

  save(factoryLayout());  // the default printer, followed
  fekvo();
  ASSERT_EQ(printer.documents().size(), 2u);
  EXPECT_EQ(printed::doc(printer, 1).printer, QStringLiteral("Nyomtató A"));
  EXPECT_TRUE(printer.followsDefault());
}

}  // namespace
