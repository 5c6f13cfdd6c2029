// The return receipt for official documents for the list rows on the recording printer: each
// form's own code and item identifier, the blocks from SetTerti.dat, both feeds on a landscape
// DL page, the missing code font, and which rows leave the list.
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "listafixture.h"
#include "printing/receipts/iratprint.h"

namespace {

using printed::B;
const QString kKod = QStringLiteral("Courier New");

class IratLista : public ListaFixture {
 protected:
  IratLista() {
    applyFactory(layout, irat2Factory());
    layout.VkodBetutipus = kKod;
    layout.VkodMeret = 20;
    EXPECT_TRUE(saveSettings(dir.path(), kSetIrat2File, layout));
    SetTertiRekord t;
    t.TertiVisszakuldNev = QStringLiteral("Hivatal");
    t.TertiVisszakuldCim1 = QStringLiteral("Budapest");
    t.TertiVisszakuldCim2 = QStringLiteral("Fő u. 1.");
    t.TertiVisszakuldIrsz = QStringLiteral("1052");
    EXPECT_TRUE(saveSettings(dir.path(), kSetTertiFile, t));
    lap.chkVisszaCimPrint = {1, 1, 0};
    lap.chkVkod = 1;
    lap.lbVkod = lap.txtIratSzama = QStringLiteral("LAP-SZAM");
    lap.txtIratKuldAzonosito = QStringLiteral("RL-LAP");
    lap.txtIratErtesites = QStringLiteral("igen");
    lap.txtIratFelvPosta = QStringLiteral("Győr 1");
  }
  PrintResult allo(const std::vector<CsoportSor>& s) { return PrintCsAlloIrat(s, lap, platform, set, terti, irat2); }
  PrintResult fekvo(const std::vector<CsoportSor>& s) { return PrintCsFekvoIrat(s, lap, platform, set, terti, irat2); }

  SetIrat2Rekord layout, irat2;
  SetTertiRekord terti;
  IratAdatok lap;
};

// Factory layout, 9 pt: 3.6 mm a line.
TEST_F(IratLista, StandingFormsCarryTheirOwnRowsCodeAndItemIdentifier) {
  const PrintResult r = allo(harom({true, false, true}));
  ASSERT_EQ(doc().pages.size(), 2u);
  EXPECT_EQ(doc().pages[0].paper, kPaperDL);
  EXPECT_EQ(doc().pages[0].orientation, kLandscape);
  printed::expectTexts(doc().pages[0].texts, {{"Fizető 3", 106, 22, B, 9},
                                              {"Város 3", 106, 25.6, B, 9},
                                              {"Utca 3.", 106, 29.2, B, 9},
                                              {"1011", 106, 32.8, B, 9},
                                              {"Hivatal", 135, 60, B, 9},
                                              {"Budapest", 135, 63.6, B, 9},
                                              {"Fő u. 1.", 135, 67.2, B, 9},
                                              {"1052", 135, 70.8, B, 9},
                                              {"Hivatal", 161, 9, B, 9},
                                              {"1052 Budapest", 161, 12.6, B, 9},
                                              {"Fő u. 1.", 161, 16.2, B, 9},
                                              {"IK-3", 72, 8, kKod, 20},
                                              {"IK-3", 161, 24, B, 9},
                                              {"határozat 3", 161, 27, B, 9},
                                              {"", 161, 30, B, 9},
                                              {"igen", 201, 34, B, 9},
                                              {"Győr 1", 140, 4, B, 9},
                                              {"RB 3", 67, 3, B, 9}});
  EXPECT_EQ(doc().pages[1].texts[11].text, "IK-2");
  EXPECT_EQ(doc().pages[1].texts[17].text, "RB 2");
  EXPECT_TRUE(messages.shown.empty());
  // Sent without error: both printed rows leave the list, the last first.
  EXPECT_EQ(torlendoSorok(r, 1), (std::vector<int>{2, 0}));
  EXPECT_TRUE(torlendoSorok(r, 0).empty());
}

TEST_F(IratLista, LyingFormsOnTheLandscapeDLSheet) {
  lap.chkVisszaCimPrint = {0, 0, 0};
  fekvo(harom({false, true, false}));
  ASSERT_EQ(doc().pages.size(), 1u);
  const PrintedPage& p = doc().pages[0];
  EXPECT_EQ(p.paper, kPaperDL);
  EXPECT_NEAR(p.widthMm, 220, 0.01);
  EXPECT_NEAR(p.heightMm, 110, 0.01);
  ASSERT_EQ(p.texts.size(), 11u);
  printed::expectTexts({p.texts[0], p.texts[4], p.texts[5], p.texts[10]},
                       {{"Fizető 1", 71, 19, B, 9}, {"IK-1", 37, 5, kKod, 20}, {"IK-1", 126, 21, B, 9}, {"RB 1", 32, 0, B, 9}});
}

TEST_F(IratLista, MissingCodeFontPrintsTheDigitsAndSaysSoOnce) {
  layout.VkodBetutipus = QStringLiteral("Vonalkód 39");
  ASSERT_TRUE(saveSettings(dir.path(), kSetIrat2File, layout));
  const PrintResult r = allo(harom({true, true, true}));
  ASSERT_EQ(doc().pages.size(), 3u);
  const PrintedText& kod = doc().pages[0].texts[11];
  EXPECT_EQ(kod.text, "IK-3");
  EXPECT_EQ(kod.font, B);
  EXPECT_EQ(kod.size, 20);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Vonalkód 39")));
  EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("nincs telepítve")));
  EXPECT_EQ(torlendoSorok(r, 1), (std::vector<int>{2, 1, 0}));
}

TEST_F(IratLista, NoRowLeavesTheListWhenTheDocumentFails) {
  printer.sendError = PrinterError{482, QStringLiteral("A nyomtató nem fogadta a dokumentumot.")};
  PrintResult r = allo(harom({true, true, false}));
  EXPECT_TRUE(r.printed);  // every failure is passed over ...
  EXPECT_TRUE(torlendoSorok(r, 1).empty());  // ... but nothing was sent
  printer.sendError.reset();
  printer.failOnText.insert(QStringLiteral("igen"), PrinterError{482, QStringLiteral("hiba")});
  r = fekvo(harom({true, true, false}));
  EXPECT_EQ(r.lapok, 2);
  EXPECT_TRUE(torlendoSorok(r, 1).empty());
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
