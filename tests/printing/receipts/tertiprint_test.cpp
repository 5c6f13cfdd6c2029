// The return receipt card on the recording printer: texts, fonts and positions in mm of the
// standing single card and of the lying list cards, domestic and international, the page
// set-up, the printer choice and the two error classes.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "payerstore/nevekrekord.h"
#include "printing/receipts/tertiprint.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

const QString kNev = QStringLiteral("Kovács Árpád Kft.").leftJustified(40);
const QString kCim1 = QStringLiteral("Fő utca 12.").leftJustified(40);
const QString kCim2 = QStringLiteral("II. emelet").leftJustified(40);
const QString kIrsz = QStringLiteral("1052").leftJustified(10);

class TertiPrint : public testing::Test {
 protected:
  TertiPrint() {
    platform.folder = dir.path();
    platform.printer = &printer;
    platform.messages = &messages;
    SetRekord s;
    s.AlapNyomtato = -1;
    EXPECT_TRUE(saveSettings(dir.path(), kSetFile, s));
    SetTertiRekord t;
    applyFactory(t, tertiFactory());
    t.TertiVisszakuldNev = kNev, t.TertiVisszakuldCim1 = kCim1;
    t.TertiVisszakuldCim2 = kCim2, t.TertiVisszakuldIrsz = kIrsz;
    EXPECT_TRUE(saveSettings(dir.path(), kSetTertiFile, t));

    lap.txNev2 = QStringLiteral(" Szabó Éva ");
    lap.txCim2_1 = QStringLiteral("9021 Győr");
    lap.txCim2_2 = QStringLiteral("Kossuth u. 3.");
    lap.txtTertiPosta = QStringLiteral("Győr 1");
    lap.txtTertiDatum = QStringLiteral("2026.12.09");
    lap.txKudemenyAzonosito = QStringLiteral("RL123456789HU");
    lap.txUgyfelAzonosito = QStringLiteral("ÜGY-7");
    lap.txUgyfelSajatJelzese = QStringLiteral("saját/1");
  }

  // Texts and positions of the one document's texts, in order; all Times New Roman CE 10 pt.
  void expectTexts(const std::vector<PrintedText>& got, const std::vector<printed::Expected>& want) {
    printed::expectTexts(got, want, {.plain = true});
  }

  void payer(int32_t n, const QString& nev, const QString& irsz, const QString& helyseg, const QString& azon,
             const QString& kuldemeny, const QString& sajat) {
    NevekRekord r;
    r.Nev = nev, r.Irsz = irsz, r.Helyseg = helyseg, r.Cim = QStringLiteral("Cím %1").arg(n);
    r.BefizAzonosito = azon;
    RecordFile(dir.path(), kNevekFile, NevekRekord::Length).write(n, r);
    Kozl3sorRekord k;
    k.KuldemenyAzonosito = kuldemeny, k.UgyfelSajatJelzese = sajat;
    RecordFile(dir.path(), kKozl3sorFile, Kozl3sorRekord::Length).write(n, k);
  }
  void threePayers() {
    payer(1, QStringLiteral("Első Ede"), QStringLiteral("1011"), QStringLiteral("Budapest"), QStringLiteral("AZ1"),
          QStringLiteral("RB1"), QStringLiteral("S1"));
    payer(2, QStringLiteral("Második Mária"), QString(), QStringLiteral("Wien"), QStringLiteral("AZ2"), QString(),
          QStringLiteral("S2"));
    payer(3, QStringLiteral("Harmadik Hugó"), QStringLiteral("6720"), QStringLiteral("Szeged"), QStringLiteral("AZ3"),
          QStringLiteral("RB3"), QString());
  }
  bool list(const QStringList& rows) { return bool(PrintCsFekvoTerti(lap, rows, platform, set, terti, nevek, kozl3sor)); }

  TempFolder dir;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  Platform platform;
  SetRekord set;
  SetTertiRekord terti;
  NevekRekord nevek;
  Kozl3sorRekord kozl3sor;
  TertiAdatok lap;
};

// Factory layout, 10 pt: 4 mm a line.
TEST_F(TertiPrint, StandingDomesticCard) {
  lap.chkTPri = 1, lap.chkTSk = 1, lap.chkTUv = 1;
  lap.chkLevel = 1, lap.chkKCsomag = 1;  // no such boxes on the domestic card
  ASSERT_TRUE(PrintAlloTerti(lap, platform, set, terti));
  ASSERT_EQ(printer.documents().size(), 1u);
  const PrintedDocument& d = printed::doc(printer);
  ASSERT_EQ(d.pages.size(), 1u);
  EXPECT_EQ(printed::at(d.pages, 0).paper, kPaperA4);
  EXPECT_EQ(printed::at(d.pages, 0).orientation, kLandscape);
  EXPECT_NEAR(printed::at(d.pages, 0).widthMm, 297, 0.01);
  expectTexts(d.texts(), {{"Szabó Éva", 176, 72},
                          {"9021 Győr", 176, 76},
                          {"Kossuth u. 3.", 176, 80},
                          {"Győr 1", 148, 71},
                          {"2026.12.09", 148, 81},
                          {"RL123456789HU", 148, 52},
                          {"ÜGY-7", 228, 60},
                          {"saját/1", 228, 85},
                          {kNev, 188, 106},
                          {kCim1, 188, 110},
                          {kCim2, 188, 114},
                          {kIrsz, 188, 118},
                          {"X", 257, 65},
                          {"X", 266, 65},
                          {"X", 275, 65}});
  // The shared copies hold what was read.
  EXPECT_EQ(terti.TertiBetuMeret, 10);
  EXPECT_EQ(set.AlapNyomtato, -1);
  EXPECT_TRUE(printer.events().contains("followDefault on"));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TertiPrint, StandingInternationalCard) {
  lap.belfoldi = false;
  lap.chkTPri = 1, lap.chkTSk = 1, lap.chkTUv = 1, lap.chkLevel = 1, lap.chkKCsomag = 1;
  ASSERT_TRUE(PrintAlloTerti(lap, platform, set, terti));
  ASSERT_EQ(printer.documents().size(), 1u);
  // No post office, date, customer identifier or own reference; the return address at the
  // layout's 8 mm step.
  expectTexts(printed::doc(printer).texts(), {{"Szabó Éva", 123, 72},
                                               {"9021 Győr", 123, 76},
                                               {"Kossuth u. 3.", 123, 80},
                                               {"RL123456789HU", 123, 63},
                                               {kNev, 223, 100},
                                               {kCim1, 223, 108},
                                               {kCim2, 223, 116},
                                               {kIrsz, 223, 124},
                                               {"X", 181, 93},
                                               {"X", 155, 105},
                                               {"X", 155, 99},
                                               {"X", 155, 93},
                                               {"X", 201, 93}});
}

TEST_F(TertiPrint, OnlyTickedBoxesMarkAndEmptyLinesStillStep) {
  lap.chkTPri = 2;  // grey is not ticked
  lap.chkTSk = 0;
  lap.chkTUv = 1;
  lap.txCim2_1 = QStringLiteral("   ");
  ASSERT_TRUE(PrintAlloTerti(lap, platform, set, terti));
  ASSERT_GT(printer.documents().size(), 0u);
  const auto t = printed::doc(printer).texts();
  int marks = 0;
  for (const PrintedText& p : t)
    if (p.text == "X") {
      ++marks;
      EXPECT_NEAR(p.x, 275, 1e-4);
    }
  EXPECT_EQ(marks, 1);
  // The empty line is printed empty and the block goes on one line lower.
  EXPECT_EQ(printed::at(t, 1).text, "");
  EXPECT_NEAR(printed::at(t, 1).y, 76, 1e-4);
  EXPECT_NEAR(printed::at(t, 2).y, 80, 1e-4);
}

TEST_F(TertiPrint, StandingIgnoresFailingSteps) {
  // A saved printer that no longer exists: the current printer stays, following is off.
  SetRekord s;
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = 7;
  ASSERT_TRUE(saveSettings(dir.path(), kSetFile, s));
  // ... prints nothing, and says so once; a failing step of an installed one is skipped.
  EXPECT_FALSE(PrintAlloTerti(lap, platform, set, terti));
  EXPECT_TRUE(printer.documents().empty());
  printed::missingPrinterSaid(messages);
  s.NyomtatoIndex = 1;
  ASSERT_TRUE(saveSettings(dir.path(), kSetFile, s));
  printer.failOnText.insert(QStringLiteral("Szabó Éva"), PrinterError{482, QStringLiteral("hiba")});
  ASSERT_TRUE(PrintAlloTerti(lap, platform, set, terti));
  EXPECT_TRUE(printer.events().contains("followDefault off"));
  ASSERT_EQ(printer.documents().size(), 1u);
  EXPECT_EQ(printed::doc(printer).printer, "Nyomtató B");
  const auto t = printed::doc(printer).texts();
  ASSERT_EQ(t.size(), 11u);  // the failing name skipped, no marks
  EXPECT_EQ(t[0].text, "9021 Győr");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TertiPrint, StandingWithoutLayoutFilePrintsAtTheBareOffsets) {
  QFile::remove(dir.file(kSetTertiFile));
  ASSERT_TRUE(PrintAlloTerti(lap, platform, set, terti));
  // No font stored: the factory one, said once; the size 0 is refused and skipped.
  ASSERT_GT(printer.documents().size(), 0u);
  const auto t = printed::doc(printer).texts();
  ASSERT_FALSE(t.empty());
  EXPECT_EQ(t[0].font, "Times New Roman CE");
  EXPECT_EQ(t[0].size, 10);
  EXPECT_NEAR(t[0].x, 108, 1e-4);
  EXPECT_NEAR(t[0].y, 50, 1e-4);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("A szövegek betűtípusa nincs megadva")));
}

TEST_F(TertiPrint, ListPrintsOneLyingCardPerRowInListOrder) {
  threePayers();
  lap.chkTSk = 1;
  lap.txNev2 = QStringLiteral("nem ez");
  ASSERT_TRUE(list({QStringLiteral("     3"), QStringLiteral("     1")}));
  ASSERT_EQ(printer.documents().size(), 1u);
  const PrintedDocument& d = printed::doc(printer);
  ASSERT_EQ(d.pages.size(), 2u);  // the new page after the last card adds none
  // The form is 165 mm wide; the page holds the third mark of the layout, an "X" at 168 mm.
  for (const PrintedPage& p : d.pages) {
    EXPECT_NEAR(p.widthMm, 170, 0.01);
    EXPECT_NEAR(p.heightMm, 105, 0.01);
  }
  expectTexts(printed::at(d.pages, 0).texts, {{"Harmadik Hugó", 68, 22},
                                 {"6720 Szeged", 68, 26},
                                 {"Cím 3", 68, 30},
                                 {"Győr 1", 40, 22},
                                 {"2026.12.09", 40, 35},
                                 {"RB3", 40, 5},
                                 {"AZ3", 120, 11},
                                 {"", 120, 36},
                                 {kNev, 80, 59},
                                 {kCim1, 80, 63},
                                 {kCim2, 80, 67},
                                 {kIrsz, 80, 71},
                                 {"X", 159, 15}});
  EXPECT_EQ(printed::at(printed::at(d.pages, 1).texts, 0).text, "Első Ede");
  EXPECT_EQ(printed::at(printed::at(d.pages, 1).texts, 5).text, "RB1");
  // The shared copies keep the last card's records.
  EXPECT_EQ(trimmed(nevek.Nev), "Első Ede");
  EXPECT_EQ(trimmed(kozl3sor.UgyfelSajatJelzese), "S1");
}

TEST_F(TertiPrint, ListLeavesOutRowsThatNameNoPayer) {
  threePayers();
  ASSERT_TRUE(list({QStringLiteral("     3"), QStringLiteral("     9"), QStringLiteral("     1")}));
  ASSERT_EQ(printer.documents().size(), 1u);
  const PrintedDocument& d = printed::doc(printer);
  ASSERT_EQ(d.pages.size(), 2u);  // no blank card for record 9
  EXPECT_EQ(printed::at(printed::at(d.pages, 0).texts, 0).text, "Harmadik Hugó");
  EXPECT_EQ(printed::at(printed::at(d.pages, 1).texts, 0).text, "Első Ede");
  EXPECT_EQ(trimmed(nevek.Nev), "Első Ede");
}

TEST_F(TertiPrint, ListInternationalCardHasNoItemIdentifier) {
  threePayers();
  lap.belfoldi = false;
  lap.chkTPri = 1, lap.chkTSk = 1, lap.chkTUv = 1, lap.chkLevel = 1, lap.chkKCsomag = 1;
  ASSERT_TRUE(list({QStringLiteral("2")}));
  // A foreign address: the second line begins with the blank before the settlement.
  ASSERT_GT(printer.documents().size(), 0u);
  expectTexts(printed::doc(printer).texts(), {{"Második Mária", 35, 25},
                                               {" Wien", 35, 29},
                                               {"Cím 2", 35, 33},
                                               {kNev, 110, 53},
                                               {kCim1, 110, 61},
                                               {kCim2, 110, 69},
                                               {kIrsz, 110, 77},
                                               {"X", 59, 46},
                                               {"X", 33, 58},
                                               {"X", 33, 52},
                                               {"X", 33, 46},
                                               {"X", 79, 46}});
}

TEST_F(TertiPrint, ListWithNoRowPrintsNothing) {
  threePayers();
  EXPECT_TRUE(list({}));
  EXPECT_TRUE(printer.documents().empty());
}

// Rows whose number is below 1 or no number name no payer, as rows past the end: no card.
TEST_F(TertiPrint, ListSkipsRowsThatAreNoRecordNumber) {
  threePayers();
  for (int32_t n : {4, 5})  // room in the table for the six rows
    payer(n, QStringLiteral("Más %1").arg(n), QString(), QString(), QString(), QString(), QString());
  const PrintResult r = PrintCsFekvoTerti(lap, {"abc", "     0", "    -2", "     3", "x1", "     1"}, platform, set,
                                          terti, nevek, kozl3sor);
  ASSERT_TRUE(r.printed);
  EXPECT_EQ(r.lapok, 2);
  ASSERT_EQ(printer.documents().size(), 1u);
  const PrintedDocument& d = printed::doc(printer);
  ASSERT_EQ(d.pages.size(), 2u);
  EXPECT_EQ(printed::at(printed::at(d.pages, 0).texts, 0).text, "Harmadik Hugó");
  EXPECT_EQ(printed::at(printed::at(d.pages, 1).texts, 0).text, "Első Ede");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TertiPrint, ListCancelsSilentlyOnAnyFailure) {
  threePayers();
  // A printer failure on the second card: the card before it is thrown away.
  printer.failOnText.insert(QStringLiteral("Első Ede"), PrinterError{482, QStringLiteral("hiba")});
  EXPECT_FALSE(list({QStringLiteral("3"), QStringLiteral("1")}));
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_TRUE(printer.events().contains("killDoc"));
  // More rows than the table has room for (records + 1).
  printer.failOnText.clear();
  EXPECT_FALSE(list({"1", "2", "3", "1", "2"}));
  EXPECT_TRUE(printer.documents().empty());
  // A saved printer that does not exist.
  SetRekord s;
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = 2;
  ASSERT_TRUE(saveSettings(dir.path(), kSetFile, s));
  EXPECT_FALSE(list({"1"}));
  EXPECT_TRUE(printer.documents().empty());
  printed::missingPrinterSaid(messages);  // the one failure that is said
}

TEST_F(TertiPrint, ListOnTheSavedPrinter) {
  threePayers();
  SetRekord s;
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = 1;
  ASSERT_TRUE(saveSettings(dir.path(), kSetFile, s));
  ASSERT_TRUE(list({"1"}));
  ASSERT_EQ(printer.documents().size(), 1u);
  EXPECT_EQ(printed::doc(printer).printer, "Nyomtató B");
  EXPECT_TRUE(printer.events().contains("followDefault off"));
}

TEST_F(TertiPrint, NoPrinterNoPrint) {
  platform.printer = nullptr;
  EXPECT_FALSE(PrintAlloTerti(lap, platform, set, terti));
  EXPECT_FALSE(list({"1"}));
}

}  // namespace
