// The single pink money order on the recording printer: texts, fonts and positions in mm of
// both sides in both feeds, the print switches, the printer choice and printer errors.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "printing/orders/rcsekkprint.h"
#include "printing/slips/csekkprint.h"
#include "support/printexpect.h"
#include "tests/printing/orders/csekkelotte.h"
#include "support/tempfolder.h"

namespace {

using namespace printed;

RcsekkAdatok elolap() {
  RcsekkAdatok a;
  a.cmdOldalCsere = QStringLiteral("Csekk Hátoldala");
  a.RtxOsszeg = QStringLiteral("12345");
  a.RtxtSzoveg21 = QStringLiteral("Tizenkettőezer-");
  a.RtxtSzoveg11 = QStringLiteral("háromszáznegyvenöt");
  a.RtxNev = QStringLiteral(" Kovács Éva ");
  a.RtxCim = QStringLiteral("1011 Budapest, Fő utca 1. ");
  a.RlbNev = QStringLiteral("Nagy Pál ");
  a.RlbHelys = QStringLiteral("Győr");
  a.RlbCim = QStringLiteral(" Baross út 2.");
  a.RlbIrsz = QStringLiteral("9021");
  // The back's boxes are not printed on the front.
  a.txtNevHatul = QStringLiteral("Kiss Éva");
  a.RcsekkKozlemenyHatul = {QStringLiteral("Első")};
  return a;
}

RcsekkAdatok hatlap() {
  RcsekkAdatok a = elolap();
  a.cmdOldalCsere = QStringLiteral("Csekk Első oldal");
  a.txtNevHatul = QStringLiteral(" Kiss Éva");
  a.txtHelysHatul = QStringLiteral("Pécs ");
  a.txtCimHatul = QStringLiteral("Fő tér 1.");
  a.txtIrszHatul = QStringLiteral("7621");
  a.RcsekkKozlemenyHatul = {QStringLiteral(" Első"), QStringLiteral("Második"), QString(), QStringLiteral("Negyedik")};
  return a;
}

// Factory layout. Figures: 12 pt, 2.4 mm a character; texts: 10 pt, 2 mm a character, 4 mm a
// line on the recording printer.
std::vector<Expected> standingFront() {
  return {
      {"***", 15, 7, A, 12}, {"12345", 22.2, 7, A, 12}, {"***", 34.2, 7, A, 12},
      {"***", 80, 7, A, 12}, {"12345", 87.2, 7, A, 12}, {"***", 99.2, 7, A, 12},
      {"***", 80, 36, A, 12}, {"12345", 87.2, 36, A, 12}, {"***", 99.2, 36, A, 12},
      {"*Tizenkettőezer-", 11, 17, B, 10}, {"háromszáznegyvenöt*", 11, 23, B, 10},
      {"*Tizenkettőezer-", 75, 46, B, 10}, {"háromszáznegyvenöt*", 75, 52, B, 10},
      {"Kovács Éva", 75, 15, B, 10}, {"1011 Budapest, Fő utca 1.", 75, 19, B, 10},
      {"Nagy Pál", 9, 61, B, 10}, {"Győr", 9, 65, B, 10}, {"Baross út 2.", 9, 69, B, 10}, {"9021", 9, 77, B, 10},
      {"Nagy Pál", 147, 61, B, 10}, {"Győr", 147, 65, B, 10}, {"Baross út 2.", 147, 69, B, 10},
      {"9021", 147, 77, B, 10},
  };
}

std::vector<Expected> lyingFront() {
  return {
      {"***", 5, 4, A, 12}, {"12345", 12.2, 4, A, 12}, {"***", 24.2, 4, A, 12},
      {"***", 70, 4, A, 12}, {"12345", 77.2, 4, A, 12}, {"***", 89.2, 4, A, 12},
      {"***", 70, 33, A, 12}, {"12345", 77.2, 33, A, 12}, {"***", 89.2, 33, A, 12},
      {"*Tizenkettőezer-", 3, 15, B, 10}, {"háromszáznegyvenöt*", 3, 22, B, 10},
      {"*Tizenkettőezer-", 68, 44, B, 10}, {"háromszáznegyvenöt*", 68, 51, B, 10},
      // The address line 5 mm right of the name line.
      {"Kovács Éva", 70, 13, B, 10}, {"1011 Budapest, Fő utca 1.", 75, 17, B, 10},
      {"Nagy Pál", 5, 58, B, 10}, {"Győr", 5, 62, B, 10}, {"Baross út 2.", 5, 66, B, 10}, {"9021", 5, 74, B, 10},
      {"Nagy Pál", 140, 58, B, 10}, {"Győr", 140, 62, B, 10}, {"Baross út 2.", 140, 66, B, 10},
      {"9021", 140, 74, B, 10},
  };
}

// The back: an empty line at the left edge before the postcode; an empty notice line too.
std::vector<Expected> standingBack() {
  return {
      {"Kiss Éva", 86, 61, B, 10}, {"Pécs", 86, 65, B, 10}, {"Fő tér 1.", 86, 69, B, 10}, {"", 0, 73, B, 10},
      {"7621", 91, 77, B, 10},     {"Első", 79, 5, B, 10},  {"Második", 79, 9, B, 10},    {"", 79, 13, B, 10},
      {"Negyedik", 79, 17, B, 10},
  };
}

std::vector<Expected> lyingBack() {
  return {
      {"Kiss Éva", 78, 59, B, 10}, {"Pécs", 78, 63, B, 10}, {"Fő tér 1.", 78, 67, B, 10}, {"", 0, 71, B, 10},
      {"7621", 83, 75, B, 10},     {"Első", 71, 3, B, 10},  {"Második", 71, 7, B, 10},    {"", 71, 11, B, 10},
      {"Negyedik", 71, 15, B, 10},
  };
}

class OrderPrint : public testing::Test {
 protected:
  void SetUp() override {
    SetRekord s;
    s.Nyomtatando.fill(-1);
    s.AlapNyomtato = -1;
    saveSet(s);
    SetRcsekkRekord r;
    applyFactory(r, rcsekkFactory());
    saveRcsekk(r);
  }
  void saveSet(const SetRekord& s) { ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s)); }
  void saveRcsekk(const SetRcsekkRekord& r) { ASSERT_TRUE(saveSettings(folder.path(), kSetRcsekkFile, r)); }
  void flags(const std::vector<int>& off) {
    SetRekord s;
    s.Nyomtatando.fill(-1);
    s.AlapNyomtato = -1;
    for (int i : off) s.Nyomtatando[size_t(i)] = 0;
    saveSet(s);
  }
  PrintResult allo(const RcsekkAdatok& a = elolap()) { return PrintAlloRCsekk(a, platform, set, rcsekk); }
  PrintResult fekvo(const RcsekkAdatok& a = elolap()) { return PrintFekvoRCsekk(a, platform, set, rcsekk); }
  std::vector<PrintedText> texts() {
    EXPECT_EQ(printer.documents().size(), 1u);
    if (printer.documents().empty()) return {};
    return printed::doc(printer).texts();
  }
  const PrintedPage& page() { return printed::page(printer); }

  TempFolder folder;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord set;
  SetRcsekkRekord rcsekk;
};

TEST_F(OrderPrint, StandingFront) {
  EXPECT_EQ(allo(), PrintResult::Printed);
  expectTexts(texts(), standingFront());
  ASSERT_EQ(printed::doc(printer).pages.size(), 1u);
  EXPECT_EQ(page().orientation, kLandscape);
  EXPECT_EQ(page().paper, kPaperDL);
  EXPECT_NEAR(page().widthMm, 220, 1e-6);
  EXPECT_NEAR(page().heightMm, 110, 1e-6);
  EXPECT_FALSE(printer.documentOpen());
  EXPECT_TRUE(messages.shown.empty());
  // Both records were read into the shared copies.
  EXPECT_EQ(rcsekk.RcsekkTextcim_x2, Fixed::fromDouble(140));
  EXPECT_EQ(set.AlapNyomtato, -1);
}

// The lying form, either side, on an A4 sheet standing, whatever page the previous print left
// (here a payment slip's DL envelope, landscape).
TEST_F(OrderPrint, LyingSidesSetTheirOwnSheetAfterASlip) {
  for (const RcsekkAdatok& a : {elolap(), hatlap()}) {
    ASSERT_EQ(csekkElotte(platform, set), PrintResult::Printed);
    EXPECT_EQ(page().paper, kPaperDL);
    printer.clearLog();
    EXPECT_EQ(fekvo(a), PrintResult::Printed);
    expectTexts(texts(), a.cmdOldalCsere == kRcsekkElolap ? lyingFront() : lyingBack());
    EXPECT_EQ(page().orientation, kPortrait);
    EXPECT_EQ(page().paper, kPaperA4);
    EXPECT_NEAR(page().widthMm, 210, 1e-6);
    EXPECT_NEAR(page().heightMm, 297, 1e-6);
    printer.clearLog();
  }
}

TEST_F(OrderPrint, BackInBothFeedsIgnoresTheSwitches) {
  flags({0, 1, 2, 3});
  EXPECT_EQ(allo(hatlap()), PrintResult::Printed);
  expectTexts(texts(), standingBack());
  EXPECT_EQ(page().orientation, kLandscape);
  EXPECT_EQ(page().paper, kPaperDL);
  printer.clearLog();
  EXPECT_EQ(fekvo(hatlap()), PrintResult::Printed);
  expectTexts(texts(), lyingBack());
}

TEST_F(OrderPrint, AnyOtherCaptionPrintsTheBack) {
  RcsekkAdatok a = hatlap();
  a.cmdOldalCsere = QStringLiteral("csekk hátoldala");  // compared exactly
  allo(a);
  expectTexts(texts(), standingBack());
}

TEST_F(OrderPrint, AmountSwitchOff) {
  flags({0});
  allo();
  std::vector<Expected> want = standingFront();
  want.erase(want.begin(), want.begin() + 9);
  expectTexts(texts(), want);
}

TEST_F(OrderPrint, NameSwitchOffKeepsTheSenderAddressInItsPlace) {
  // Whatever comes before, the blank goes on the name's own line and the address below it.
  for (const std::vector<int>& off : std::vector<std::vector<int>>{{2}, {1, 2}, {0, 1, 2}}) {
    printer.clearLog();
    flags(off);
    allo();
    const std::vector<PrintedText> t = texts();
    const auto blank = std::find_if(t.begin(), t.end(), [](const PrintedText& p) { return p.text == " "; });
    ASSERT_NE(blank, t.end());
    EXPECT_NEAR(blank->y, 15, 1e-4);
    EXPECT_EQ(blank->font, B);
    ASSERT_NE(blank + 1, t.end());
    EXPECT_EQ(blank[1].text, "1011 Budapest, Fő utca 1.");
    EXPECT_NEAR(blank[1].x, 75, 1e-4);
    EXPECT_NEAR(blank[1].y, 19, 1e-4);
  }

  // Everything off: the blank and the two recipient copies.
  printer.clearLog();
  flags({0, 1, 2, 3});
  fekvo();
  const std::vector<PrintedText> t = texts();
  ASSERT_EQ(t.size(), 9u);
  EXPECT_EQ(t[0].text, " ");
  EXPECT_NEAR(t[0].y, 13, 1e-4);
  std::vector<Expected> want = lyingFront();
  want.erase(want.begin(), want.begin() + 15);
  expectTexts(printed::slice(t, 1, t.size() - 1), want);
}

TEST_F(OrderPrint, WordsRule) {
  RcsekkAdatok a = elolap();
  a.RtxtSzoveg21 = QStringLiteral("Egyezer-");
  a.RtxtSzoveg11.clear();
  allo(a);
  std::vector<PrintedText> t = texts();
  ASSERT_EQ(t.size(), 23u);
  EXPECT_EQ(t[9].text, "*Egyezer-*");
  EXPECT_EQ(t[10].text, "");  // an empty line at its own position
  EXPECT_NEAR(t[10].x, 11, 1e-4);
  EXPECT_NEAR(t[10].y, 23, 1e-4);
  EXPECT_EQ(t[11].text, "*Egyezer-*");
  EXPECT_EQ(t[12].text, "");
  EXPECT_NEAR(t[12].y, 52, 1e-4);

  // No words and no amount: the marks alone.
  printer.clearLog();
  a.RtxtSzoveg21.clear();
  a.RtxOsszeg.clear();
  allo(a);
  t = texts();
  EXPECT_EQ(printed::at(t, 9).text, "**");
  for (size_t i : {0, 3, 6}) {
    EXPECT_EQ(printed::at(t, i).text + printed::at(t, i + 1).text + printed::at(t, i + 2).text, "******");
    EXPECT_NEAR(printed::at(t, i + 2).x, printed::at(t, i).x + 7.2, 1e-4);
  }

  // Words as the boxes hold them: untrimmed.
  printer.clearLog();
  a.RtxtSzoveg21 = QStringLiteral("x ");
  a.RtxtSzoveg11 = QStringLiteral(" y");
  allo(a);
  t = texts();
  EXPECT_EQ(printed::at(t, 9).text, "*x ");
  EXPECT_EQ(printed::at(t, 10).text, " y*");
}

TEST_F(OrderPrint, SavedPrinterIsChosenAndStaysCurrent) {
  SetRekord s;
  s.Nyomtatando.fill(-1);
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = 1;
  saveSet(s);
  EXPECT_EQ(allo(), PrintResult::Printed);
  ASSERT_GT(printer.documents().size(), 0u);
  EXPECT_EQ(printed::doc(printer).printer, QStringLiteral("Nyomtató B"));
  EXPECT_EQ(printer.currentIndex(), 1);

  // The default-printer setting keeps the current printer as it is.
  printer.clearLog();
  s.AlapNyomtato = -1;
  s.NyomtatoIndex = 0;
  saveSet(s);
  allo();
  ASSERT_GT(printer.documents().size(), 0u);
  EXPECT_EQ(printed::doc(printer).printer, QStringLiteral("Nyomtató B"));
}

TEST_F(OrderPrint, PrinterErrorsCancelTheDocumentSilently) {
  SetRekord s;
  s.Nyomtatando.fill(-1);
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = 5;  // not installed
  saveSet(s);
  EXPECT_EQ(allo(), PrintResult::Failed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_FALSE(printer.documentOpen());
  printed::missingPrinterSaid(messages);

  // A figures font the printer lacks: the front in the factory font, said once; the back, which
  // prints nothing in it, says nothing of it.
  s.NyomtatoIndex = 0;
  saveSet(s);
  SetRcsekkRekord r;
  applyFactory(r, rcsekkFactory());
  r.RcsekkNumBetuTipus = QStringLiteral("Nincs Ilyen");
  saveRcsekk(r);
  EXPECT_EQ(fekvo(hatlap()), PrintResult::Printed);
  EXPECT_TRUE(messages.shown.empty());
  printer.clearLog();
  EXPECT_EQ(fekvo(), PrintResult::Printed);
  expectTexts(texts(), lyingFront());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("A számok betűtípusa („Nincs Ilyen”) nincs telepítve")));
  messages.shown.clear();
  printer.clearLog();

  // A failure half-way leaves nothing half-printed for the next document.
  applyFactory(r, rcsekkFactory());
  saveRcsekk(r);
  printer.failOnText.insert(QStringLiteral("Győr"), printer_errors::printerFailed());
  EXPECT_EQ(allo(), PrintResult::Failed);
  EXPECT_TRUE(printer.documents().empty());
  printer.failOnText.clear();
  allo();
  expectTexts(texts(), standingFront());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OrderPrint, NoPrinterAtAll) {
  platform.printer = nullptr;
  EXPECT_EQ(allo(), PrintResult::Failed);
  RecordingPrinter none({}, -1);
  platform.printer = &none;
  EXPECT_EQ(fekvo(), PrintResult::Failed);
  EXPECT_TRUE(none.documents().empty());
}

}  // namespace
