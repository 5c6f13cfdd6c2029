// The posting receipt for the list rows on the recording printer: the recipient from each
// row's payer record, the rest from the page, both feeds' offsets and pages, the declared
// value, the two error classes and which rows leave the list.
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "listafixture.h"
#include "printing/receipts/feladoprint.h"

namespace {

using printed::B;

class FeladoLista : public ListaFixture {
 protected:
  FeladoLista() {
    SetFvevenyRekord f;
    applyFactory(f, fvevenyFactory());
    EXPECT_TRUE(saveSettings(dir.path(), kSetFvevenyFile, f));
    lap.txNev3 = QStringLiteral("Lapon Álló");
    lap.lbSajatNev = QStringLiteral("Kovács Kft.   ");
    lap.txErtek = QStringLiteral("12 500");
    lap.txUtanvet = QStringLiteral("3000");
    lap.chkErtek = 1;
    lap.chkPL = 1;
  }
  PrintResult allo(const std::vector<CsoportSor>& s) { return PrintCsAlloFelado(s, lap, platform, set, fveveny); }
  PrintResult fekvo(const std::vector<CsoportSor>& s) { return PrintCsFekvoFelado(s, lap, platform, set, fveveny); }

  SetFvevenyRekord fveveny;
  FeladoAdatok lap;
};

// Factory layout: main size 10 (4 mm a line), free lines 8 pt.
TEST_F(FeladoLista, StandingReceiptsTakeTheRecipientFromTheRow) {
  const PrintResult r = allo(harom({true, false, true}));
  ASSERT_EQ(doc().pages.size(), 2u);
  const PrintedPage& p = doc().pages[0];
  EXPECT_EQ(p.paper, kPaperDL);
  EXPECT_EQ(p.orientation, kLandscape);
  ASSERT_EQ(p.texts.size(), 12u);
  // The postcode as stored: four digits, the padding and one blank before the settlement.
  printed::expectTexts({p.texts[0], p.texts[1], p.texts[3], p.texts[6], p.texts[11]},
                       {{"Fizető 3", 87, 46, B, 10},
                        {"1011   Város 3", 87, 50, B, 10},
                        {"Kovács Kft.", 87, 19, B, 10},
                        {"12 500", 172, 35, B, 10},
                        {"X", 182, 23, B, 10}});
  EXPECT_EQ(doc().pages[1].texts[0].text, "Fizető 2");
  EXPECT_EQ(torlendoSorok(r, 1), (std::vector<int>{2, 0}));
}

TEST_F(FeladoLista, DeclaredValueOnlyWithItsBoxTicked) {
  lap.chkErtek = 0;
  allo(harom({true, false, false}));
  for (const PrintedText& t : doc().texts()) EXPECT_NE(t.text, "12 500");
  EXPECT_EQ(doc().texts()[6].text, "3000");
}

TEST_F(FeladoLista, StandingShowsAnyOtherErrorCancelsAndKeepsTheRows) {
  printer.failOnText.insert(QStringLiteral("3000"), PrinterError{482, QStringLiteral("A nyomtató nem válaszol")});
  const PrintResult r = allo(harom({true, true, true}));
  EXPECT_FALSE(r.printed);
  EXPECT_TRUE(printer.documents().empty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("A nyomtató nem válaszol\r\nHibakód száma : 482"));
  EXPECT_TRUE(torlendoSorok(r, 1).empty());
}

TEST_F(FeladoLista, LyingReceiptsAreThePageAndCancelSilently) {
  const PrintResult r = fekvo(harom({false, true, true}));
  ASSERT_EQ(doc().pages.size(), 2u);
  const PrintedPage& p = doc().pages[0];
  EXPECT_NEAR(p.widthMm, 165, 0.01);
  EXPECT_NEAR(p.heightMm, 120, 0.01);
  printed::expectTexts({p.texts[0], p.texts[3], p.texts[6]},
                       {{"Fizető 1", 55, 52, B, 10}, {"Kovács Kft.", 55, 25, B, 10}, {"12 500", 140, 40, B, 10}});
  EXPECT_EQ(torlendoSorok(r, 1), (std::vector<int>{2, 1}));
  printer.clearLog();
  printer.failOnText.insert(QStringLiteral("Fizető 2"), PrinterError{482, QStringLiteral("hiba")});
  const PrintResult hibas = fekvo({{1, true}, {2, true}});
  EXPECT_FALSE(hibas.printed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(torlendoSorok(hibas, 1).empty());
}

}  // namespace
