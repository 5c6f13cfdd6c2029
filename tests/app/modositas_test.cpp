// After "Módosítás" saved the current payer, the pages show the saved payer, as a click on its
// row would; what the user typed into the pages' own boxes stays.
#include <QComboBox>
#include <QLineEdit>

#include "ablakfixture.h"
#include "common/tricheckbox.h"
#include "payerstore/fizetok.h"
#include "payerwindows/frmfelvet.h"
#include "printing/receipts/feladolap.h"
#include "printing/receipts/iratlap.h"
#include "printing/receipts/tertilap.h"
#include "printing/slips/csekklap.h"

TEST_F(AblakTest, PagesShowThePayerSavedByTheModify) {
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter", "Győr", "Fő út 1.", "9021"}}));
  auto w = indit();
  w->ListView1_ItemClick(0);
  w->csekkLap->txOsszeg->setEditText(QStringLiteral("1500"));
  w->tertiLap->txtTertiPosta->setText(QStringLiteral("Győr 1"));
  w->tertiLap->chkTPri->setValue(1);
  w->cmdModosit_Click();
  frmFelvet* d = w->felvet();
  d->txBefizetoNeve->setText(QStringLiteral("Kovács Pál"));
  d->txBefizetoCim1->setText(QStringLiteral("Pécs"));
  d->cmdRogzites_Click();
  EXPECT_EQ(w->csekkLap->txNev->text(), QStringLiteral("Kovács Pál"));
  EXPECT_EQ(w->tertiLap->txNev2->text(), QStringLiteral("Kovács Pál"));
  EXPECT_EQ(w->feladoLap->txNev3->text(), QStringLiteral("Kovács Pál"));
  EXPECT_EQ(w->iratLap->txtIratCimzettNev->text().trimmed(), QStringLiteral("Kovács Pál"));  // as stored
  EXPECT_EQ(w->iratLap->txtIratCimzettHelyseg->text().trimmed(), QStringLiteral("Pécs"));
  // The pages' own boxes keep what was typed.
  EXPECT_EQ(w->csekkLap->txOsszeg->currentText(), QStringLiteral("1500"));
  EXPECT_EQ(w->tertiLap->txtTertiPosta->text(), QStringLiteral("Győr 1"));
  EXPECT_EQ(w->tertiLap->chkTPri->value(), 1);
}
