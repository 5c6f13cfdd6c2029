// The cash-on-delivery form for one payer on the recording printer: texts, fonts and positions
// in mm of both sides in both feeds, the marks, the guard, the printer choice and errors.
#include <gtest/gtest.h>

#include <QFile>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "printing/orders/ulapprint.h"
#include "printing/slips/csekkprint.h"
#include "support/printexpect.h"
#include "tests/printing/orders/csekkelotte.h"
#include "support/tempfolder.h"

namespace {

using printed::A;
using printed::B;
using printed::Expected;

UlapAdatok elolap() {
  UlapAdatok a;
  a.txNev = QStringLiteral("Nagy Pál");
  a.cmdUtanvetOdalCsere = QStringLiteral("Hátoldala");
  a.txUosszeg = QStringLiteral("12500");
  a.chkUtanvetR = 1;
  a.chkUtanvetEL = 1;
  a.txUNev = QStringLiteral("Nagy Pál  ");  // printed as they stand, blanks included
  a.txUCim = QStringLiteral("9021 Győr, Baross út 2.");
  a.lbosszegBetuvel1 = QStringLiteral("*Tizenkétezer-");
  a.lbosszegBetuvel2 = QStringLiteral("ötszáz*");
  a.lbUNev = QStringLiteral("Pénzügyi Iroda");
  a.lbUHelyseg = QStringLiteral("Székesfehérvár");
  a.lbUCim = QStringLiteral(" Fő utca 12.");
  a.lbUIrszam = QStringLiteral("8000");
  a.lbUNevHatul = QStringLiteral("Nagy Pál");
  a.lbUHelysegHatul = QStringLiteral("9021 Győr");
  a.lbUCimHatul = QStringLiteral("Baross út 2.");
  a.lbUIrszamHatul = QStringLiteral("9021");
  return a;
}

UlapAdatok hatlap() {
  UlapAdatok a = elolap();
  a.cmdUtanvetOdalCsere = QStringLiteral("Első oldal");
  return a;
}

// Factory layout. Figures 12 pt, 2.4 mm a character; texts 10 pt, 2 mm a character and 4 mm a
// line on the recording printer.
std::vector<Expected> standingFront() {
  return {
      {"***", 75, 8, A, 12}, {"12500", 82.2, 8, A, 12}, {"***", 94.2, 8, A, 12},
      {"***", 75, 38, A, 12}, {"12500", 82.2, 38, A, 12}, {"***", 94.2, 38, A, 12},
      {"X", 119, 1, A, 24}, {"X", 119, 11, A, 24},
      {"Nagy Pál  ", 72, 16, B, 10}, {"9021 Győr, Baross út 2.", 72, 20, B, 10},
      {"*Tizenkétezer-", 73, 47, B, 10}, {"ötszáz*", 73, 51, B, 10},
      {"Pénzügyi Iroda", 144, 63, B, 10}, {"Székesfehérvár", 144, 67, B, 10}, {" Fő utca 12.", 144, 71, B, 10},
      {"8000", 144, 75, B, 10},
  };
}

std::vector<Expected> lyingFront() {
  return {
      {"***", 36, 5, A, 12}, {"12500", 43.2, 5, A, 12}, {"***", 55.2, 5, A, 12},
      {"***", 36, 35, A, 12}, {"12500", 43.2, 35, A, 12}, {"***", 55.2, 35, A, 12},
      {"X", 81, 0, A, 24}, {"X", 81, 8, A, 24},
      {"Nagy Pál  ", 31, 14, B, 10}, {"9021 Győr, Baross út 2.", 31, 18, B, 10},
      {"*Tizenkétezer-", 35, 45, B, 10}, {"ötszáz*", 35, 49, B, 10},
      {"Pénzügyi Iroda", 105, 61, B, 10}, {"Székesfehérvár", 105, 65, B, 10}, {" Fő utca 12.", 105, 69, B, 10},
      {"8000", 105, 73, B, 10},
  };
}

std::vector<Expected> back(double x, double y) {
  return {{"Nagy Pál", x, y, B, 10}, {"9021 Győr", x, y + 4, B, 10}, {"Baross út 2.", x, y + 8, B, 10},
          {"9021", x, y + 12, B, 10}};
}

// Never bold. (An object, so that the shared overload is not found as well.)
const auto expectTexts = [](const std::vector<PrintedText>& got, const std::vector<Expected>& want) {
  printed::expectTexts(got, want, {.plain = true});
};

class UlapPrint : public testing::Test {
 protected:
  void SetUp() override {
    SetRekord s;
    s.AlapNyomtato = -1;
    saveSet(s);
    SetRcsekkRekord r;
    applyFactory(r, rcsekkFactory());
    ASSERT_TRUE(saveSettings(folder.path(), kSetRcsekkFile, r));
    SetUlapRekord u;
    applyFactory(u, ulapFactory());
    ASSERT_TRUE(saveSettings(folder.path(), kSetUlapFile, u));
  }
  void saveSet(const SetRekord& s) { ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s)); }
  PrintResult allo(const UlapAdatok& a = elolap()) { return PrintAlloULap(a, platform, set, rcsekk, ulap); }
  PrintResult fekvo(const UlapAdatok& a = elolap()) { return PrintFekvoULap(a, platform, set, rcsekk, ulap); }
  std::vector<PrintedText> texts() {
    EXPECT_EQ(printer.documents().size(), 1u);
    return printed::doc(printer).texts();
  }
  const PrintedPage& page() { return printed::page(printer); }

  TempFolder folder;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
  SetRcsekkRekord rcsekk;
  SetUlapRekord ulap;
};

TEST_F(UlapPrint, StandingFrontOnADlLandscapeSheet) {
  EXPECT_EQ(allo(), PrintResult::Printed);
  expectTexts(texts(), standingFront());
  ASSERT_EQ(printed::doc(printer).pages.size(), 1u);
  EXPECT_EQ(page().orientation, kLandscape);
  EXPECT_EQ(page().paper, kPaperDL);
  EXPECT_FALSE(printer.documentOpen());
  EXPECT_TRUE(messages.shown.empty());
  // The three records were read into the shared copies.
  EXPECT_EQ(ulap.UlapCim_x, Fixed::fromDouble(80));
  EXPECT_EQ(rcsekk.RcsekkBetuMeret1, 12);
  EXPECT_EQ(set.AlapNyomtato, -1);
}

// The lying form is its own page, whatever page the previous print left (here a payment
// slip's DL envelope, landscape).
TEST_F(UlapPrint, LyingFrontSetsItsOwnPageAfterASlip) {
  ASSERT_EQ(csekkElotte(platform, set), PrintResult::Printed);
  EXPECT_EQ(page().paper, kPaperDL);
  printer.clearLog();
  EXPECT_EQ(fekvo(), PrintResult::Printed);
  expectTexts(texts(), lyingFront());
  EXPECT_EQ(page().orientation, kPortrait);
  EXPECT_NEAR(page().widthMm, 150, 1e-6);
  EXPECT_NEAR(page().heightMm, 105, 1e-6);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(UlapPrint, BackInBothFeeds) {
  EXPECT_EQ(allo(hatlap()), PrintResult::Printed);
  expectTexts(texts(), back(144, 64));
  EXPECT_EQ(page().paper, kPaperDL);
  printer.clearLog();
  EXPECT_EQ(fekvo(hatlap()), PrintResult::Printed);
  expectTexts(texts(), back(106, 62));

  // Only the exact caption names the front.
  printer.clearLog();
  UlapAdatok a = elolap();
  a.cmdUtanvetOdalCsere = QStringLiteral("hátoldala");
  allo(a);
  expectTexts(texts(), back(144, 64));
}

TEST_F(UlapPrint, MarksOnlyForTickedOptions) {
  UlapAdatok a = elolap();
  a.chkUtanvetR = 2;  // grey
  a.chkUtanvetEL = 0;
  allo(a);
  std::vector<Expected> want = standingFront();
  want.erase(want.begin() + 6, want.begin() + 8);
  expectTexts(texts(), want);

  printer.clearLog();
  a.chkUtanvetEL = 1;
  fekvo(a);
  std::vector<PrintedText> t = texts();
  ASSERT_EQ(t.size(), 15u);
  EXPECT_EQ(t[6].text, "X");
  EXPECT_NEAR(t[6].x, 81, 1e-4);
  EXPECT_NEAR(t[6].y, 8, 1e-4);  // the ÉL mark's place
  EXPECT_EQ(t[7].font, B);       // the text font back in force after the mark
}

TEST_F(UlapPrint, EmptyBoxesStillTakeTheirLines) {
  UlapAdatok a;
  a.txNev = QStringLiteral("x");
  a.cmdUtanvetOdalCsere = kUlapElolap;
  a.txUosszeg = QStringLiteral("1 2");  // a blank inside the amount is printed too
  allo(a);
  const std::vector<PrintedText> t = texts();
  ASSERT_EQ(t.size(), 14u);
  EXPECT_EQ(t[1].text, "1 2");
  for (size_t i = 6; i < 14; ++i) EXPECT_EQ(t[i].text, QString());
  EXPECT_NEAR(t[7].y, 20, 1e-4);
  EXPECT_NEAR(t[13].y, 75, 1e-4);

  printer.clearLog();
  a.txUosszeg.clear();
  allo(a);
  const std::vector<PrintedText> u = texts();
  EXPECT_EQ(printed::at(u, 0).text + printed::at(u, 1).text + printed::at(u, 2).text, QStringLiteral("******"));
}

TEST_F(UlapPrint, EmptyLayoutFileLeavesTheOffsetsAlone) {
  ASSERT_TRUE(QFile::resize(folder.file(kSetUlapFile), 0));
  allo(hatlap());
  expectTexts(texts(), back(64, -1));
}

TEST_F(UlapPrint, NoPayerShowsTheMessageAndPrintsNothing) {
  UlapAdatok a = elolap();
  a.txNev = QStringLiteral("   ");
  EXPECT_EQ(allo(a), PrintResult::NoPayer);
  EXPECT_EQ(fekvo(a), PrintResult::NoPayer);
  EXPECT_TRUE(printer.documents().empty());
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral(" Nincs kijelölve ügyfél a listáról..."));
  EXPECT_EQ(messages.shown[0].title, QStringLiteral("!  H I B A  ! "));
  EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(messages.shown[0].icon, MsgIcon::None);
  EXPECT_EQ(ulap.UlapCim_x, Fixed{});  // nothing read
}

TEST_F(UlapPrint, SavedPrinterIsChosenAndStaysCurrent) {
  SetRekord s;
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = 1;
  saveSet(s);
  EXPECT_EQ(allo(), PrintResult::Printed);
  ASSERT_GT(printer.documents().size(), 0u);
  EXPECT_EQ(printed::doc(printer).printer, QStringLiteral("Nyomtató B"));
  printer.clearLog();
  s.AlapNyomtato = -1;
  s.NyomtatoIndex = 0;
  saveSet(s);
  fekvo();
  ASSERT_GT(printer.documents().size(), 0u);
  EXPECT_EQ(printed::doc(printer).printer, QStringLiteral("Nyomtató B"));
}

TEST_F(UlapPrint, ErrorsCancelTheDocumentSilently) {
  SetRekord s;
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = 5;  // not installed
  saveSet(s);
  EXPECT_EQ(allo(), PrintResult::Failed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(printer.documentOpen());
  printed::missingPrinterSaid(messages);

  s.NyomtatoIndex = 0;
  saveSet(s);
  printer.failOnText.insert(QStringLiteral("Székesfehérvár"), printer_errors::printerFailed());
  EXPECT_EQ(fekvo(), PrintResult::Failed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(printer.documentOpen());
  printer.failOnText.clear();
  allo();
  expectTexts(texts(), standingFront());  // nothing left over from the cancelled one
  EXPECT_TRUE(messages.shown.empty());

  platform.printer = nullptr;
  EXPECT_EQ(allo(), PrintResult::Failed);
}

}  // namespace
