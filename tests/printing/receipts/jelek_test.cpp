// The handlers of the receipt pages: the card choice of the return-receipt page and its
// cascade, the service marks, the declared value and the code label.
#include <QApplication>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "common/tricheckbox.h"
#include "lapfixture.h"
#include "printing/receipts/feladolap.h"
#include "printing/receipts/iratlap.h"
#include "printing/receipts/tertilap.h"

namespace {
using JelekTest = LapFixture;

QImage kep(int w, int h, QColor c) {
  QImage k(w, h, QImage::Format_RGB32);
  k.fill(c);
  return k;
}

// Every mark of `lbX` but `kivetel` is hidden.
void csakEz(const std::array<QLabel*, 11>& lbX, int tol, int ig, int kivetel) {
  for (int i = tol; i <= ig; ++i) EXPECT_EQ(lbX[size_t(i)]->isHidden(), i != kivetel) << i;
}

TEST_F(JelekTest, ReturnReceiptMarksFollowTheirBoxes) {
  TertiLap p(platform, layouts);
  p.opBelfold[1]->setChecked(true);  // the letter and parcel boxes belong to this card
  TriCheckBox* const dobozok[5] = {p.chkTPri, p.chkTSk, p.chkTUv, p.chkLevel, p.chkKCsomag};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    dobozok[i]->click();
    csakEz(p.lbX, 6, 10, 6 + i);
    dobozok[i]->setValue(2);  // grey is not ticked
    csakEz(p.lbX, 6, 10, -1);
    dobozok[i]->setValue(1);
    dobozok[i]->click();
    csakEz(p.lbX, 6, 10, -1);
  }
}

TEST_F(JelekTest, InternationalCardRearrangesThePage) {
  tertiFajl();
  TertiLap p(platform, layouts);
  p.show();
  p.chkTSk->setValue(1);
  p.opBelfold[1]->click();
  EXPECT_FALSE(p.belfoldi());
  EXPECT_FALSE(p.chkLevel->isHidden());
  EXPECT_FALSE(p.chkKCsomag->isHidden());
  EXPECT_FALSE(p.lbSajatIrsz->isHidden());
  for (QLineEdit* e : {p.txtTertiPosta, p.txtTertiDatum, p.txUgyfelAzonosito, p.txUgyfelSajatJelzese})
    EXPECT_TRUE(e->isHidden()) << e->objectName().toStdString();
  EXPECT_FALSE(p.txNev2->isHidden());
  EXPECT_FALSE(p.txKudemenyAzonosito->isHidden());
  // The return address read afresh, as the page change shows it for this card.
  EXPECT_EQ(p.lbSajatNev2->text(), pad("Kovács Árpád Őrmester Kft.", 40));
  EXPECT_EQ(p.lbSajatCim2_1->text(), "1052 " + pad("Budapest, Fő utca 12.", 40));
  EXPECT_EQ(p.lbSajatIrsz->text(), "");
  EXPECT_EQ(layouts.Terti.TertiBetuMeret, 11);
  // The mark of a box kept ticked moves with its box to the international card.
  const QRect hazai = p.lbX[7]->geometry();
  EXPECT_FALSE(p.lbX[7]->isHidden());
  p.opBelfold[0]->click();
  EXPECT_NE(p.lbX[7]->geometry(), hazai);
  EXPECT_EQ(p.chkTSk->value(), 1);
  EXPECT_FALSE(p.lbX[7]->isHidden());
  for (QLineEdit* e : {p.txtTertiPosta, p.txtTertiDatum, p.txUgyfelAzonosito, p.txUgyfelSajatJelzese})
    EXPECT_FALSE(e->isHidden()) << e->objectName().toStdString();
  EXPECT_TRUE(p.lbSajatIrsz->isHidden());
  EXPECT_EQ(p.lbSajatCim2_1->text(), pad("Budapest, Fő utca 12.", 40));
  EXPECT_EQ(p.lbSajatIrsz->text(), pad("  1052", 10));
}

TEST_F(JelekTest, DomesticCardClearsTheLetterAndParcelBoxes) {
  TertiLap p(platform, layouts);
  p.opBelfold[1]->click();
  p.chkLevel->click();
  p.chkKCsomag->click();
  EXPECT_FALSE(p.lbX[9]->isHidden());
  EXPECT_FALSE(p.lbX[10]->isHidden());
  p.opBelfold[0]->click();
  EXPECT_EQ(p.chkLevel->value(), 0);
  EXPECT_EQ(p.chkKCsomag->value(), 0);
  EXPECT_TRUE(p.lbX[9]->isHidden());
  EXPECT_TRUE(p.lbX[10]->isHidden());
  EXPECT_TRUE(p.chkLevel->isHidden());
  p.opBelfold[1]->click();
  EXPECT_FALSE(p.chkLevel->isHidden());
  EXPECT_EQ(p.chkLevel->value(), 0);
  EXPECT_TRUE(p.lbX[9]->isHidden());
}

TEST_F(JelekTest, CardPictureFromTheProgramFolder) {
  ASSERT_TRUE(kep(330, 210, Qt::red).save(dir.file("Tertikepallo.jpg")));
  TertiLap p(platform, layouts);
  // No KTerti.jpg: the international card shows no picture rather than the domestic one.
  p.opBelfold[1]->click();
  EXPECT_FALSE(p.Picture3->hasPreview());
  EXPECT_EQ(p.Picture3->fileName(), QStringLiteral("KTerti.jpg"));
  p.opBelfold[0]->click();
  EXPECT_TRUE(p.Picture3->hasPreview());
  const QImage hazai = p.Picture3->pixmap().toImage();
  ASSERT_TRUE(kep(330, 210, Qt::blue).save(dir.file("KTerti.jpg")));
  p.opBelfold[1]->click();
  EXPECT_TRUE(p.Picture3->hasPreview());
  EXPECT_NE(p.Picture3->pixmap().toImage(), hazai);
}

TEST_F(JelekTest, PostingReceiptMarksFollowTheirBoxes) {
  FeladoLap p(platform, layouts);
  TriCheckBox* const dobozok[6] = {p.chkSK, p.chkPRI, p.chkPL, p.chkLEGI, p.chk5, p.chk6};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    dobozok[i]->click();
    csakEz(p.lbX, 0, 5, i);
    dobozok[i]->click();
    csakEz(p.lbX, 0, 5, -1);
  }
  // The other boxes of the page have no mark of their own.
  p.chkAjanlott->click();
  csakEz(p.lbX, 0, 5, -1);
}

TEST_F(JelekTest, ValueRecordShowsAndHidesTheDeclaredValue) {
  FeladoLap p(platform, layouts);
  p.show();
  QApplication::setActiveWindow(&p);
  p.txErtek->setText("25000");
  p.chkErtek->click();
  EXPECT_FALSE(p.txErtek->isHidden());
  EXPECT_FALSE(p.lbFt[0]->isHidden());
  EXPECT_TRUE(p.txErtek->hasFocus());
  p.chkErtek->click();
  EXPECT_TRUE(p.txErtek->isHidden());
  EXPECT_TRUE(p.lbFt[0]->isHidden());
  EXPECT_EQ(p.txErtek->text(), "25000");  // still printed by the receipt
  p.chkErtek->setValue(2);
  EXPECT_TRUE(p.txErtek->isHidden());
}

TEST_F(JelekTest, CodeOptionShowsTheTrimmedNumber) {
  IratLap p(platform, layouts);
  p.txtIratSzama->setText("  IR-2026/7 ");
  EXPECT_TRUE(p.lbVkod->isHidden());
  p.chkVkod->click();
  EXPECT_FALSE(p.lbVkod->isHidden());
  EXPECT_EQ(p.lbVkod->text(), "IR-2026/7");
  p.chkVkod->click();
  EXPECT_TRUE(p.lbVkod->isHidden());
  EXPECT_EQ(p.lbVkod->text(), "IR-2026/7");  // the caption stays
  p.txtIratSzama->setText("X-1");
  EXPECT_EQ(p.lbVkod->text(), "IR-2026/7");
  p.chkVkod->click();
  EXPECT_EQ(p.lbVkod->text(), "X-1");  // brought up to date
}

TEST_F(JelekTest, UntickingTheThirdOptionLeavesTheCursorInTheFirstLine) {
  tertiFajl();
  IratLap p(platform, layouts);
  p.show();
  QApplication::setActiveWindow(&p);
  p.belep();
  p.chkVisszaCimPrint[2]->click();
  p.txtIratSzama->setFocus();
  p.chkVisszaCimPrint[2]->click();
  EXPECT_EQ(p.txtIratFelado[0]->text(), "");
  EXPECT_TRUE(p.txtIratFelado[0]->hasFocus());
}

}  // namespace
