// The receipts for the list rows and the lying single return receipt on the recording printer:
// the items a wrong feed offset or a wrong source (row record or page) would move, the page
// set-up, the rows taken, the error classes and which rows leave the list.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "payerstore/nevekrekord.h"
#include "printing/receipts/feladoprint.h"
#include "printing/receipts/iratprint.h"
#include "printing/receipts/tertiprint.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

using printed::B;
const QString kKod = QStringLiteral("Courier New");
// The return address is printed as stored, padded to its field.
const QString kHivatal = QStringLiteral("Hivatal").leftJustified(40);

// Exactly one `s` on `p` at (x, y) in `font`, not bold.
void at(const PrintedPage& p, const QString& s, double x, double y, const QString& font = B) {
  printed::expectOnce(p.texts, {s, x, y, font}, {.size = 0, .plain = true});
}

// Factory layouts; payers 1 to 3 with their notice records, the list showing 3, 1, 2.
class VevenyLista : public testing::Test {
 protected:
  VevenyLista() {
    platform = {dir.path(), &printer, &messages};
    SetRekord s;
    s.AlapNyomtato = -1;
    saveSettings(dir.path(), kSetFile, s);
    applyFactory(tertiL, tertiFactory());
    tertiL.TertiVisszakuldNev = QStringLiteral("Hivatal"), tertiL.TertiVisszakuldCim1 = QStringLiteral("Budapest");
    tertiL.TertiVisszakuldIrsz = QStringLiteral("1052");
    saveSettings(dir.path(), kSetTertiFile, tertiL);
    applyFactory(iratL, irat2Factory());
    iratL.VkodBetutipus = kKod, iratL.VkodMeret = 20;
    saveSettings(dir.path(), kSetIrat2File, iratL);
    applyFactory(feladoL, fvevenyFactory());
    saveSettings(dir.path(), kSetFvevenyFile, feladoL);
    for (int32_t n = 1; n <= 3; ++n) {
      NevekRekord r;
      r.Nev = QStringLiteral("Fizető %1").arg(n), r.Irsz = QStringLiteral("1011");
      r.Helyseg = QStringLiteral("Város %1").arg(n), r.BefizAzonosito = QStringLiteral("AZ %1").arg(n);
      RecordFile(dir.path(), kNevekFile, NevekRekord::Length).write(n, r);
      Kozl3sorRekord k;
      k.KuldemenyAzonosito = QStringLiteral("RB %1").arg(n), k.IratSzam = QStringLiteral("IK-%1").arg(n);
      RecordFile(dir.path(), kKozl3sorFile, Kozl3sorRekord::Length).write(n, k);
    }
    terti.txtTertiPosta = QStringLiteral("Győr 1"), terti.txKudemenyAzonosito = QStringLiteral("RL-LAP");
    terti.txNev2 = QStringLiteral("Lapon Álló"), terti.chkTPri = 1;
    irat.chkVisszaCimPrint = {1, 1, 0}, irat.chkVkod = 1, irat.lbVkod = irat.txtIratSzama = QStringLiteral("LAP-1");
    irat.txtIratKuldAzonosito = QStringLiteral("RL-LAP");
    felado.lbSajatNev = QStringLiteral("Kovács Kft. "), felado.txErtek = QStringLiteral("12 500");
    felado.txUtanvet = QStringLiteral("3000"), felado.chkErtek = 1;
  }
  static std::vector<CsoportSor> sorok(bool a, bool b, bool c) { return {{3, a}, {1, b}, {2, c}}; }
  const PrintedPage& lap(size_t i) {
    static const PrintedPage none;
    const auto& d = printer.documents();
    return d.size() == 1 && i < d[0].pages.size() ? printed::at(d[0].pages, i) : none;
  }
  size_t lapok() { return printer.documents().empty() ? 0 : printed::doc(printer).pages.size(); }

  TempFolder dir;
  RecordingPrinter printer;
  RecordedMessageBoxes messages;
  Platform platform;
  SetRekord set;
  SetTertiRekord tertiL;
  SetIrat2Rekord iratL;
  SetFvevenyRekord feladoL;
  TertiAdatok terti;
  IratAdatok irat;
  FeladoAdatok felado;
};

// Return receipt, 10 pt (4 mm a line).
TEST_F(VevenyLista, StandingReturnReceiptsTakeTheRowsRecordsAndThePagesMarks) {
  const PrintResult r = PrintCsAlloTerti(sorok(true, false, true), terti, platform, set, tertiL);
  ASSERT_EQ(lapok(), 2u);
  EXPECT_NEAR(lap(0).widthMm, 297, 0.01);  // landscape A4
  at(lap(0), "Fizető 3", 176, 72);
  at(lap(0), "Győr 1", 148, 71);  // the page's post office
  at(lap(0), "RB 3", 148, 52);    // the row's item identifier
  at(lap(0), kHivatal, 188, 106);
  at(lap(0), "X", 257, 65);
  at(lap(1), "Fizető 2", 176, 72);
  EXPECT_EQ(r.sorok, (std::vector<int>{0, 2}));
  // International: the return address and the marks 3 mm below the single card's places.
  printer.clearLog();
  terti.belfoldi = false;
  PrintCsAlloTerti(sorok(false, true, false), terti, platform, set, tertiL);
  at(lap(0), "Fizető 1", 123, 72);
  at(lap(0), kHivatal, 223, 103);
  at(lap(0), "X", 181, 96);
  EXPECT_FALSE(printed::contains(lap(0).texts, "RB"));
}

TEST_F(VevenyLista, StandingReturnReceiptsSkipFailuresAndRowsWithoutRecord) {
  printer.failOnText.insert(QStringLiteral("Fizető 3"), PrinterError{482, QStringLiteral("hiba")});
  const PrintResult r = PrintCsAlloTerti({{0, true}, {3, true}, {9, true}, {1, true}}, terti, platform, set, tertiL);
  ASSERT_EQ(lapok(), 2u);  // never the previous row's payer again
  EXPECT_FALSE(printed::contains(lap(0).texts, "Fizető"));
  EXPECT_TRUE(printed::contains(lap(0).texts, "Város 3"));
  EXPECT_TRUE(printed::contains(lap(1).texts, "Fizető 1"));
  EXPECT_TRUE(r.printed);
  EXPECT_FALSE(r.hibatlan);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(VevenyLista, LyingSingleReturnReceiptIsThePageAndCancelsSilently) {
  terti.belfoldi = false;
  EXPECT_TRUE(PrintFekvoTerti(terti, platform, set, tertiL).hibatlan);
  EXPECT_NEAR(lap(0).widthMm, 165, 0.01);
  EXPECT_NEAR(lap(0).heightMm, 105, 0.01);
  at(lap(0), "Lapon Álló", 35, 25);
  at(lap(0), "RL-LAP", 40, 16);
  at(lap(0), kHivatal, 110, 53);
  printer.clearLog();
  printer.failOnText.insert(QStringLiteral("RL-LAP"), PrinterError{482, QStringLiteral("hiba")});
  EXPECT_FALSE(PrintFekvoTerti(terti, platform, set, tertiL).printed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_TRUE(messages.shown.empty());
}

// Official-document receipt, 9 pt (3.6 mm a line).
TEST_F(VevenyLista, OfficialFormsCarryTheirOwnRowsCodeAndItemIdentifier) {
  const PrintResult r = PrintCsAlloIrat(sorok(true, false, true), irat, platform, set, tertiL, iratL);
  ASSERT_EQ(lapok(), 2u);
  EXPECT_EQ(lap(0).paper, kPaperDL);
  at(lap(0), "Fizető 3", 106, 22);
  at(lap(0), "1052", 135, 70.8);            // the return address's fourth line
  at(lap(0), "1052 Budapest", 161, 12.6);   // the sender's second line
  at(lap(0), "IK-3", 72, 8, kKod);
  at(lap(0), "IK-3", 161, 24);
  at(lap(0), "RB 3", 67, 3);
  at(lap(1), "IK-2", 72, 8, kKod);
  EXPECT_FALSE(printed::contains(lap(0).texts, "LAP"));
  EXPECT_EQ(torlendoSorok(r, 1), (std::vector<int>{2, 0}));  // sent: the last row first
  printer.clearLog();
  PrintCsFekvoIrat(sorok(false, true, false), irat, platform, set, tertiL, iratL);
  EXPECT_NEAR(lap(0).widthMm, 220, 0.01);  // landscape DL
  at(lap(0), "Fizető 1", 71, 19);
  at(lap(0), "IK-1", 37, 5, kKod);
}

TEST_F(VevenyLista, MissingCodeFontPrintsTheDigitsAndSaysSoOnce) {
  iratL.VkodBetutipus = QStringLiteral("Vonalkód 39");
  saveSettings(dir.path(), kSetIrat2File, iratL);
  const PrintResult r = PrintCsAlloIrat(sorok(true, true, true), irat, platform, set, tertiL, iratL);
  ASSERT_EQ(lapok(), 3u);
  at(lap(2), "IK-2", 72, 8, B);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Vonalkód 39")));
  EXPECT_EQ(torlendoSorok(r, 1), (std::vector<int>{2, 1, 0}));
  // A document the printer refuses: the failure is passed over, no row leaves the list.
  printer.sendError = PrinterError{482, QStringLiteral("hiba")};
  EXPECT_TRUE(torlendoSorok(PrintCsAlloIrat(sorok(true, true, true), irat, platform, set, tertiL, iratL), 1).empty());
}

// The factory layout's code: its digits in the text font at 12 pt, with no message and no
// failing step, so the printed rows may leave the list. A code size of 0 takes the text size,
// said once, and fails no step either.
TEST_F(VevenyLista, CodeFontAndSizeNeedNoFailingStep) {
  SetIrat2Rekord gyari;
  applyFactory(gyari, irat2Factory());
  saveSettings(dir.path(), kSetIrat2File, gyari);
  PrintResult r = PrintCsAlloIrat(sorok(true, false, true), irat, platform, set, tertiL, gyari);
  printed::expectOnce(lap(1).texts, {"IK-2", 72, 8, B, 12});
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(torlendoSorok(r, 1), (std::vector<int>{2, 0}));
  printer.clearLog();
  iratL.VkodMeret = 0;
  saveSettings(dir.path(), kSetIrat2File, iratL);
  r = PrintCsAlloIrat(sorok(true, true, true), irat, platform, set, tertiL, iratL);
  printed::expectOnce(lap(2).texts, {"IK-2", 72, 8, kKod, 9});
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("betűmérete")));
  EXPECT_TRUE(r.hibatlan);
}

// Posting receipt, 10 pt.
TEST_F(VevenyLista, PostingReceiptsTakeTheRecipientFromTheRow) {
  const PrintResult r = PrintCsAlloFelado(sorok(true, false, true), felado, platform, set, feladoL);
  ASSERT_EQ(lapok(), 2u);
  EXPECT_EQ(lap(0).paper, kPaperDL);
  at(lap(0), "Fizető 3", 87, 46);
  at(lap(0), "1011   Város 3", 87, 50);  // the postcode as stored, padding included
  at(lap(0), "Kovács Kft.", 87, 19);
  at(lap(0), "12 500", 172, 35);
  EXPECT_EQ(torlendoSorok(r, 1), (std::vector<int>{2, 0}));
  printer.clearLog();
  felado.chkErtek = 0;  // no declared value without its box
  const PrintResult f = PrintCsFekvoFelado(sorok(false, true, false), felado, platform, set, feladoL);
  EXPECT_NEAR(lap(0).heightMm, 120, 0.01);
  at(lap(0), "Fizető 1", 55, 52);
  EXPECT_FALSE(printed::contains(lap(0).texts, "12 500"));
  EXPECT_EQ(torlendoSorok(f, 1), (std::vector<int>{1}));
}

TEST_F(VevenyLista, PostingReceiptFailuresCancelAndKeepTheRows) {
  printer.failOnText.insert(QStringLiteral("3000"), PrinterError{482, QStringLiteral("Nem válaszol")});
  PrintResult r = PrintCsAlloFelado(sorok(true, true, true), felado, platform, set, feladoL);
  EXPECT_FALSE(r.printed);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("Nem válaszol\r\nHibakód száma : 482"));
  EXPECT_TRUE(torlendoSorok(r, 1).empty());
  r = PrintCsFekvoFelado(sorok(true, true, true), felado, platform, set, feladoL);
  EXPECT_FALSE(r.printed);
  EXPECT_TRUE(torlendoSorok(r, 1).empty());
  EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace
