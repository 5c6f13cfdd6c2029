// The return receipt for the list rows (standing) and the lying single card on the recording
// printer: the items that a wrong feed offset or a wrong source (row record or page) would
// move, the page set-up, the rows taken and the two error classes.
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "listafixture.h"
#include "printing/receipts/tertiprint.h"

namespace {

// The text `s` on `p`, at (x, y) in the form's font, not bold.
void expectAt(const PrintedPage& p, const QString& s, double x, double y) {
  int n = 0;
  for (const PrintedText& t : p.texts)
    if (t.text == s && std::abs(t.x - x) < 1e-4 && std::abs(t.y - y) < 1e-4) {
      ++n;
      EXPECT_EQ(t.font, printed::B);
      EXPECT_FALSE(t.bold);
    }
  EXPECT_EQ(n, 1) << s.toStdString() << " at " << x << ", " << y;
}
// The return address is printed as stored, padded to its field.
const QString kHivatal = QStringLiteral("Hivatal").leftJustified(40);
const QString k1052 = QStringLiteral("1052").leftJustified(10);

bool has(const PrintedPage& p, const QString& s) {
  for (const PrintedText& t : p.texts)
    if (t.text.contains(s)) return true;
  return false;
}

class TertiLista : public ListaFixture {
 protected:
  TertiLista() {
    SetTertiRekord t;
    applyFactory(t, tertiFactory());
    t.TertiVisszakuldNev = QStringLiteral("Hivatal");
    t.TertiVisszakuldIrsz = QStringLiteral("1052");
    EXPECT_TRUE(saveSettings(dir.path(), kSetTertiFile, t));
    lap.txNev2 = QStringLiteral("Lapon Álló");
    lap.txCim2_1 = QStringLiteral("9021 Győr");
    lap.txtTertiPosta = QStringLiteral("Győr 1");
    lap.txKudemenyAzonosito = QStringLiteral("RL-LAP");
    lap.txUgyfelAzonosito = QStringLiteral("AZ-LAP");
    lap.chkTPri = 1, lap.chkTSk = 1;
  }
  PrintResult lista(const std::vector<CsoportSor>& sorok) { return PrintCsAlloTerti(sorok, lap, platform, set, terti); }

  SetTertiRekord terti;
  TertiAdatok lap;
};

// Factory layout, 10 pt: 4 mm a line.
TEST_F(TertiLista, StandingDomesticCardsTakeTheRowsRecordsAndThePagesMarks) {
  const PrintResult r = lista(harom({true, false, true}));
  EXPECT_TRUE(r.hibatlan);
  EXPECT_EQ(r.sorok, (std::vector<int>{0, 2}));
  ASSERT_EQ(doc().pages.size(), 2u);
  for (const PrintedPage& p : doc().pages) {
    EXPECT_EQ(p.paper, kPaperA4);
    EXPECT_EQ(p.orientation, kLandscape);
  }
  const PrintedPage& p = doc().pages[0];
  expectAt(p, "Fizető 3", 176, 72);
  expectAt(p, "1011 Város 3", 176, 76);
  expectAt(p, "Győr 1", 148, 71);  // the page's post office, 1 mm above the recipient
  expectAt(p, "RB 3", 148, 52);    // the row's item identifier
  expectAt(p, "AZ 3", 228, 60);
  expectAt(p, "S 3", 228, 85);
  expectAt(p, kHivatal, 188, 106);
  expectAt(p, "X", 257, 65);
  EXPECT_FALSE(has(p, "Lapon") || has(p, "LAP"));
  expectAt(doc().pages[1], "Fizető 2", 176, 72);
  expectAt(doc().pages[1], "RB 2", 148, 52);
  EXPECT_EQ(trimmed(r.utolso->Kozl3sor.UgyfelSajatJelzese), "S 2");
  EXPECT_FALSE(printer.events().contains("followDefault on"));
}

TEST_F(TertiLista, StandingInternationalCardPutsReturnAddressAndMarksLowerThanTheSingle) {
  lap.belfoldi = false;
  lista(harom({false, true, false}));
  ASSERT_EQ(doc().pages.size(), 1u);
  const PrintedPage& p = doc().pages[0];
  expectAt(p, "Fizető 1", 123, 72);
  expectAt(p, kHivatal, 223, 103);  // single card: 100
  expectAt(p, k1052, 223, 127);
  expectAt(p, "X", 181, 96);  // pri.
  expectAt(p, "X", 155, 108);  // sk.
  EXPECT_FALSE(has(p, "RB"));  // no item identifier on the international list card
}

TEST_F(TertiLista, StandingSkipsFailuresAndRowsWithoutRecord) {
  fizeto(1);
  fizeto(3);
  printer.failOnText.insert(QStringLiteral("Fizető 3"), PrinterError{482, QStringLiteral("hiba")});
  const PrintResult r = lista({{0, true}, {3, true}, {9, true}, {1, true}});
  // No form for the rows that name no record; the refused name is skipped, the document ended.
  ASSERT_EQ(doc().pages.size(), 2u);
  EXPECT_FALSE(has(doc().pages[0], "Fizető"));
  EXPECT_TRUE(has(doc().pages[0], "Város 3"));
  EXPECT_TRUE(has(doc().pages[1], "Fizető 1"));
  EXPECT_TRUE(r.printed);
  EXPECT_FALSE(r.hibatlan);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TertiLista, LyingSingleCardIsThePageAndPrintsThePage) {
  lap.belfoldi = false;
  EXPECT_TRUE(PrintFekvoTerti(lap, platform, set, terti).hibatlan);
  const PrintedPage& p = doc().pages.at(0);
  EXPECT_NEAR(p.widthMm, 165, 0.01);
  EXPECT_NEAR(p.heightMm, 105, 0.01);
  expectAt(p, "Lapon Álló", 35, 25);
  expectAt(p, "RL-LAP", 40, 16);  // 5 mm right of the recipient's offset
  expectAt(p, kHivatal, 110, 53);
  expectAt(p, k1052, 110, 77);
  expectAt(p, "X", 59, 46);
  lap.belfoldi = true;
  printer.clearLog();
  PrintFekvoTerti(lap, platform, set, terti);
  expectAt(doc().pages.at(0), "Lapon Álló", 68, 22);
  expectAt(doc().pages.at(0), "X", 159, 15);
}

TEST_F(TertiLista, LyingSingleCardCancelsSilentlyOnAnyFailure) {
  printer.failOnText.insert(QStringLiteral("Győr 1"), PrinterError{482, QStringLiteral("hiba")});
  const PrintResult r = PrintFekvoTerti(lap, platform, set, terti);
  EXPECT_FALSE(r.printed);
  EXPECT_TRUE(printer.documents().empty());
  EXPECT_TRUE(printer.events().contains("killDoc"));
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
