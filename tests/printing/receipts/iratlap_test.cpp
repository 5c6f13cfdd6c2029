// The official-document page: the page change filling the return address, the third
// return-address option copying it into the sender's lines, and the code label.
#include <QLabel>
#include <QLineEdit>

#include "common/tricheckbox.h"
#include "lapfixture.h"
#include "printing/receipts/iratlap.h"

namespace {

struct IratLapTest : LapFixture {
  QStringList felado(const IratLap& p) {
    return {p.txtIratFelado[0]->text(), p.txtIratFelado[1]->text(), p.txtIratFelado[2]->text()};
  }
  const QString nev = pad("Kovács Árpád Őrmester Kft.", 40);
  const QString cim1 = "1052 " + pad("Budapest, Fő utca 12.", 40);
  const QString cim2 = pad("II. emelet 4. ajtó", 40);
};

TEST_F(IratLapTest, CaptionsAndTips) {
  IratLap p(platform, layouts);
  EXPECT_EQ(p.chkVisszaCimPrint[0]->text(), "Visszaküldési cím nyomtatása");
  EXPECT_EQ(p.chkVisszaCimPrint[1]->text(), "Feladó nyomtatása");
  EXPECT_EQ(p.chkVisszaCimPrint[2]->text(), "Feladó azonos a visszaküldési címmel");
  EXPECT_EQ(p.chkVisszaCimPrint[0]->toolTip(), "Kipipálva nyomtatja a visszaküldési címet.");
  EXPECT_EQ(p.chkVisszaCimPrint[1]->toolTip(), "Kipipálva nyomtatja a feladót");
  EXPECT_EQ(p.chkVisszaCimPrint[2]->toolTip(), "Kipipálva a feladó neve és címe azonos a visszaküldési címmel");
  EXPECT_EQ(p.chkVkod->toolTip(), "Vonalkód nyomtatása, amennyiben van vonalkód betűtípus telepítve!");
  EXPECT_TRUE(p.lbVkod->isHidden());
}

TEST_F(IratLapTest, PageChangeFillsTheReturnAddressOnly) {
  tertiFajl();
  IratLap p(platform, layouts);
  p.txtIratFelado[0]->setText("Saját Feladó");
  const LapValtas v = p.belep();
  EXPECT_EQ(v.BeallitasFul, 4);
  EXPECT_TRUE(v.csakEgyes);
  EXPECT_EQ(p.lbIratFeladoNev->text(), nev);
  EXPECT_EQ(p.lbIratFeladoCim1->text(), cim1);
  EXPECT_EQ(p.lbIratFeladoCim2->text(), cim2);
  EXPECT_EQ(layouts.Terti.TertiBetuMeret, 11);
  // Element 2 unticked: the sender's lines keep what the user typed.
  EXPECT_EQ(felado(p), QStringList({"Saját Feladó", "", ""}));
}

TEST_F(IratLapTest, PageChangeWithThirdOptionTickedCopiesTheReturnAddress) {
  IratLap p(platform, layouts);
  p.chkVisszaCimPrint[2]->setValue(1);  // as start-up restores it, before the page is shown
  EXPECT_EQ(felado(p), QStringList({"", "", ""}));  // the return address is still empty
  tertiFajl();
  p.txtIratFelado[1]->setText("átírva");
  p.belep();
  EXPECT_EQ(felado(p), QStringList({nev, cim1, cim2}));
}

TEST_F(IratLapTest, ThirdOptionOverwritesThenEmptiesTheSender) {
  tertiFajl();
  IratLap p(platform, layouts);
  p.belep();
  for (int i = 0; i < 3; ++i) p.txtIratFelado[size_t(i)]->setText(QStringLiteral("kézzel %1").arg(i));
  p.chkVisszaCimPrint[2]->click();
  EXPECT_EQ(p.chkVisszaCimPrint[2]->value(), 1);
  EXPECT_EQ(felado(p), QStringList({nev, cim1, cim2}));
  p.chkVisszaCimPrint[2]->click();
  EXPECT_EQ(p.chkVisszaCimPrint[2]->value(), 0);
  EXPECT_EQ(felado(p), QStringList({"", "", ""}));
  // Grey (set only from code) is not 0 and copies as a tick does.
  p.chkVisszaCimPrint[2]->setValue(2);
  EXPECT_EQ(felado(p), QStringList({nev, cim1, cim2}));
}

TEST_F(IratLapTest, FirstTwoOptionsChangeNothing) {
  tertiFajl();
  IratLap p(platform, layouts);
  p.belep();
  p.txtIratFelado[0]->setText("marad");
  p.chkVisszaCimPrint[0]->click();
  p.chkVisszaCimPrint[1]->click();
  p.chkVisszaCimPrint[1]->click();
  EXPECT_EQ(felado(p), QStringList({"marad", "", ""}));
  // Called directly for elements 0 and 1 even with element 2 ticked: still nothing.
  p.chkVisszaCimPrint[2]->setValue(1);
  p.txtIratFelado[0]->setText("marad");
  p.chkVisszaCimPrint_Click(0);
  p.chkVisszaCimPrint_Click(1);
  EXPECT_EQ(p.txtIratFelado[0]->text(), "marad");
}

TEST_F(IratLapTest, RestoringAnUnchangedValueRunsNoHandler) {
  IratLap p(platform, layouts);
  p.txtIratFelado[0]->setText("gépelt");
  p.chkVisszaCimPrint[2]->setValue(0);  // already 0: no change, no clearing
  EXPECT_EQ(p.txtIratFelado[0]->text(), "gépelt");
}

TEST_F(IratLapTest, CodeLabelFollowsTheNumberOnlyWithTheCodeTicked) {
  IratLap p(platform, layouts);
  p.lbVkod->setText("régi");
  p.txtIratSzama->setText("  IR-2026/118  ");
  EXPECT_EQ(p.lbVkod->text(), "régi");  // unticked: nothing happens
  p.chkVkod->setValue(1);
  p.txtIratSzama->setText("  IR-2026/119  ");
  EXPECT_EQ(p.lbVkod->text(), "IR-2026/119");
  p.txtIratSzama->setText("     ");
  EXPECT_EQ(p.lbVkod->text(), "");  // only blanks: an empty code
  // Grey is not 1: the label stays.
  p.chkVkod->setValue(2);
  p.txtIratSzama->setText("ÁRVÍZ-1");
  EXPECT_EQ(p.lbVkod->text(), "");
}

TEST_F(IratLapTest, MissingFileGivesEmptyReturnAddress) {
  IratLap p(platform, layouts);
  p.lbIratFeladoNev->setText("előző");
  p.belep();
  EXPECT_EQ(p.lbIratFeladoNev->text(), "");
  EXPECT_EQ(p.lbIratFeladoCim1->text().trimmed(), "");
  EXPECT_EQ(p.lbIratFeladoCim2->text(), "");
  EXPECT_EQ(dir.bytes(kSetTertiFile).size(), 0);
}

}  // namespace
