// The overlays of the receipt pages stand on the boxes of their form pictures (millimetres of
// the form) and fold away while a lying picture shows, keeping the page's own visibility.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTransform>

#include "common/tricheckbox.h"
#include "lapfixture.h"
#include "printing/receipts/feladolap.h"
#include "printing/receipts/iratlap.h"
#include "printing/receipts/tertilap.h"

namespace {

// Where an overlay stands on a form `widthMm` wide, in millimetres.
QRectF mm(const MmKep* k, const QWidget* w, double widthMm) {
  const QRect p = k->pictureRect();
  const double s = p.width() / widthMm;
  const QRect g = w->geometry();
  return {(g.x() - p.x()) / s, (g.y() - p.y()) / s, g.width() / s, g.height() / s};
}

::testing::AssertionResult within(const QRectF& inner, const QRectF& outer) {
  if (outer.adjusted(-0.5, -0.5, 0.5, 0.5).contains(inner)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << inner.x() << ", " << inner.y() << ", " << inner.width() << ", "
                                       << inner.height() << ") is not within (" << outer.x() << ", " << outer.y()
                                       << ", " << outer.width() << ", " << outer.height() << ")";
}

QImage kep(int w, int h) {
  QImage k(w, h, QImage::Format_RGB32);
  k.fill(Qt::white);
  return k;
}

using KepHelyTest = LapFixture;

// Twips of the card's 9555-twip-wide picture box in millimetres of the 165 mm card.
QRectF tw(int left, int top, int width, int height) {
  const double k = 165.0 / 9555.0;
  return {left * k, top * k, width * k, height * k};
}

TEST_F(KepHelyTest, ReturnAddressAndMarksWhereTheDomesticCardHasThem) {
  TertiLap p(platform, layouts);
  p.show();
  const MmKep* k = p.Picture3;
  const QRectF nev = mm(k, p.lbSajatNev2, 165);
  EXPECT_NEAR(nev.x(), 63.7, 0.35);
  EXPECT_NEAR(nev.y(), 60.1, 0.35);
  EXPECT_NEAR(nev.width(), 83.7, 0.5);
  EXPECT_TRUE(within(mm(k, p.lbSajatCim2_1, 165), tw(3690, 3810, 4845, 285)));
  EXPECT_TRUE(within(mm(k, p.lbSajatCim2_2, 165), tw(3690, 4140, 4845, 285)));
  const double jelX[3] = {128.0, 138.3, 148.7};
  for (int i = 0; i < 3; ++i) {
    const QRectF j = mm(k, p.lbX[size_t(6 + i)], 165);
    EXPECT_NEAR(j.x(), jelX[i], 0.35) << 6 + i;
    EXPECT_NEAR(j.y(), 17.1, 0.35) << 6 + i;
  }
  EXPECT_FALSE(p.lbSajatCim2_1->geometry().intersects(p.lbSajatNev2->geometry()));
  EXPECT_FALSE(p.lbSajatCim2_2->geometry().intersects(p.lbSajatCim2_1->geometry()));
  // The international card keeps its places.
  p.opBelfold[1]->click();
  EXPECT_TRUE(within(mm(k, p.lbSajatNev2, 165), tw(4950, 2900, 3650, 260)));
  EXPECT_TRUE(within(mm(k, p.lbX[6], 165), tw(2400, 2430, 232, 232)));
}

TEST_F(KepHelyTest, PostingReceiptMarksOnTheSpecialServiceBoxes) {
  FeladoLap p(platform, layouts);
  p.show();
  for (int i = 0; i <= 5; ++i)
    EXPECT_TRUE(within(mm(p.preview, p.lbX[size_t(i)], 165), {116.0 + 6 * i, 24, 4, 4})) << i;
}

TEST_F(KepHelyTest, CodeShowsInTheItemIdentifierBox) {
  IratLap p(platform, layouts);
  p.show();
  EXPECT_TRUE(within(mm(p.preview, p.lbVkod, 165), {14, 39, 72, 7}));
}

TEST_F(KepHelyTest, RecipientIdentifierAndServiceBoxesStandOnTheCard) {
  TertiLap p(platform, layouts);
  p.show();
  const MmKep* k = p.Picture3;
  for (QWidget* w : std::initializer_list<QWidget*>{p.txKudemenyAzonosito, p.txNev2, p.txCim2_1, p.txCim2_2, p.chkTPri,
                                                    p.chkTSk, p.chkTUv})
    EXPECT_EQ(w->parentWidget(), k) << w->objectName().toStdString();
  EXPECT_TRUE(within(mm(k, p.txKudemenyAzonosito, 165), tw(1080, 330, 3045, 285)));
  EXPECT_TRUE(within(mm(k, p.txNev2, 165), tw(2670, 1350, 3045, 285)));
  EXPECT_TRUE(within(mm(k, p.txCim2_2, 165), tw(2670, 1950, 3045, 285)));
  EXPECT_TRUE(within(mm(k, p.chkTPri, 165), tw(7410, 1290, 240, 240)));
  EXPECT_TRUE(within(mm(k, p.chkTUv, 165), tw(8610, 1290, 240, 240)));

  // The international card moves and widens them.
  p.opBelfold[1]->click();
  EXPECT_TRUE(within(mm(k, p.txKudemenyAzonosito, 165), tw(840, 780, 3705, 285)));
  EXPECT_TRUE(within(mm(k, p.txCim2_1, 165), tw(840, 1650, 3705, 285)));
  EXPECT_TRUE(within(mm(k, p.chkTSk, 165), tw(600, 3120, 240, 240)));
  EXPECT_TRUE(within(mm(k, p.chkLevel, 165), tw(600, 2460, 240, 240)));
  EXPECT_FALSE(p.txCim2_1->geometry().intersects(p.txNev2->geometry()));
  EXPECT_FALSE(p.chkTSk->geometry().intersects(p.chkTUv->geometry()));
}

TEST_F(KepHelyTest, LyingCardKeepsTheBoxesUsableOnTheirPlaces) {
  TertiLap p(platform, layouts);
  p.show();
  p.setPreview(kep(660, 420));
  const QRect nev = p.txNev2->geometry();
  p.setPreview(kep(660, 420).transformed(QTransform().rotate(90)));
  EXPECT_EQ(p.txNev2->geometry(), nev);
  EXPECT_NE(p.txNev2->focusPolicy(), Qt::NoFocus);
}

TEST_F(KepHelyTest, LyingReceiptFoldsTheMarksUntilTheStandingOneReturns) {
  FeladoLap p(platform, layouts);
  p.show();
  p.setPreview(kep(660, 480));
  p.setPreview(kep(660, 480).transformed(QTransform().rotate(90)));
  EXPECT_TRUE(p.preview->lying());
  // A mark shown meanwhile waits for the standing receipt.
  p.lbX[0]->show();
  EXPECT_TRUE(p.lbX[0]->geometry().isEmpty());
  p.setPreview(kep(660, 480));
  EXPECT_FALSE(p.lbX[0]->isHidden());
  EXPECT_FALSE(p.lbX[0]->geometry().isEmpty());
  EXPECT_TRUE(p.lbX[1]->isHidden());
}

}  // namespace
