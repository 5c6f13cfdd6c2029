// The form picture with boxes at millimetre positions: placing and following the size, keeping
// the form's proportions, and the three ways of showing a lying (turned) picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTransform>

#include "common/mmkep.h"

namespace {

// A standing 200 x 100 picture, red in its top-left corner, white elsewhere.
QImage allo() {
  QImage k(200, 100, QImage::Format_RGB32);
  k.fill(Qt::white);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) k.setPixel(x, y, qRgb(255, 0, 0));
  return k;
}
QImage fekvo() { return allo().transformed(QTransform().rotate(90)); }

struct MmKepTest : ::testing::Test {
  QLabel* doboz(MmKep& k, const QRectF& mm) {
    auto* l = new QLabel(QStringLiteral("x"));
    k.place(l, mm);
    return l;
  }
};

TEST_F(MmKepTest, BoxesStayOnTheirMillimetresWhenResizedOrMoved) {
  MmKep k(200, 100);
  k.setFrameShape(QFrame::NoFrame);
  k.show();
  QLabel* l = doboz(k, {50, 20, 40, 10});
  EXPECT_EQ(l->parentWidget(), &k);
  k.resize(400, 200);
  EXPECT_EQ(l->geometry(), QRect(100, 40, 80, 20));
  k.resize(800, 400);
  EXPECT_EQ(l->geometry(), QRect(200, 80, 160, 40));
  k.place(l, {0, 0, 10, 5});  // placed again: moved, not doubled
  EXPECT_EQ(l->geometry(), QRect(0, 0, 40, 20));
  EXPECT_EQ(k.heightForWidth(300), 150);
}

TEST_F(MmKepTest, KeptProportionsPutTheFormAtTheTopCentre) {
  MmKep k(200, 100);
  k.setFrameShape(QFrame::NoFrame);
  k.show();
  k.setKeepAspect(true);
  QLabel* l = doboz(k, {0, 0, 100, 50});
  k.resize(600, 200);  // too wide: the form is 400 x 200, centred
  EXPECT_EQ(l->geometry(), QRect(100, 0, 200, 100));
  k.resize(400, 500);  // too high: the form is 400 x 200 at the top
  EXPECT_EQ(l->geometry(), QRect(0, 0, 200, 100));
  k.setPreview(allo());
  EXPECT_EQ(k.pixmap().size(), QSize(400, 200));
}

TEST_F(MmKepTest, NoPictureLeavesAPlainAreaWithUsableBoxes) {
  MmKep k(200, 100, nullptr, MmKep::Fekvo::HideBoxes);
  k.setFrameShape(QFrame::NoFrame);
  k.show();
  QLabel* l = doboz(k, {50, 20, 40, 10});
  k.resize(400, 200);
  k.setPreview(allo());
  EXPECT_TRUE(k.hasPreview());
  k.setPreview(QImage());
  EXPECT_FALSE(k.hasPreview());
  EXPECT_FALSE(k.lying());
  EXPECT_TRUE(k.pixmap().isNull());
  EXPECT_EQ(l->geometry(), QRect(100, 40, 80, 20));
}

TEST_F(MmKepTest, LyingPictureFoldsTheBoxesAndKeepsThePagesVisibility) {
  MmKep k(200, 100, nullptr, MmKep::Fekvo::HideBoxes);
  k.setFrameShape(QFrame::NoFrame);
  auto* e = new QLineEdit;
  e->setFocusPolicy(Qt::StrongFocus);
  k.place(e, {10, 10, 50, 10});
  QLabel* jel = doboz(k, {100, 10, 10, 10});
  jel->hide();
  k.show();
  k.resize(400, 200);

  k.setPreview(fekvo());
  EXPECT_TRUE(k.lying());
  // Shown whole, never cut or stretched: 100 x 200 fitted into 400 x 200.
  EXPECT_EQ(k.pixmap().size(), QSize(100, 200));
  EXPECT_TRUE(e->geometry().isEmpty());
  EXPECT_EQ(e->focusPolicy(), Qt::NoFocus);
  // The page's own visibility is untouched, and changes made meanwhile count afterwards.
  EXPECT_FALSE(e->isHidden());
  EXPECT_TRUE(jel->isHidden());
  jel->show();
  e->hide();
  k.resize(500, 250);
  EXPECT_TRUE(jel->geometry().isEmpty());
  auto* kesobbi = new QLabel;  // placed while lying: folded too
  k.place(kesobbi, {0, 0, 20, 20});
  EXPECT_TRUE(kesobbi->geometry().isEmpty());

  k.setPreview(allo());
  EXPECT_FALSE(k.lying());
  EXPECT_TRUE(e->isHidden());
  EXPECT_FALSE(jel->isHidden());
  EXPECT_EQ(jel->geometry(), QRect(250, 25, 25, 25));
  EXPECT_EQ(e->geometry(), QRect(25, 25, 125, 25));
  EXPECT_EQ(e->focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(k.pixmap().size(), QSize(500, 250));
}

TEST_F(MmKepTest, TurnedBackPictureKeepsTheBoxesOnTheForm) {
  MmKep k(200, 100, nullptr, MmKep::Fekvo::TurnBack);
  k.setFrameShape(QFrame::NoFrame);
  k.show();
  QLabel* l = doboz(k, {50, 20, 40, 10});
  k.resize(400, 200);
  k.setPreview(fekvo());
  EXPECT_TRUE(k.lying());
  EXPECT_EQ(l->geometry(), QRect(100, 40, 80, 20));
  const QImage p = k.pixmap().toImage();
  ASSERT_EQ(p.size(), QSize(400, 200));
  // Upright again: the red corner is back at the top left.
  EXPECT_EQ(QColor(p.pixel(5, 5)), QColor(Qt::red));
  EXPECT_EQ(QColor(p.pixel(395, 195)), QColor(Qt::white));
}

TEST_F(MmKepTest, StretchedLyingPictureLeavesTheBoxes) {
  MmKep k(200, 100);
  k.setFrameShape(QFrame::NoFrame);
  k.show();
  QLabel* l = doboz(k, {50, 20, 40, 10});
  k.resize(400, 200);
  k.setPreview(fekvo());
  EXPECT_EQ(l->geometry(), QRect(100, 40, 80, 20));
  EXPECT_EQ(k.pixmap().size(), QSize(400, 200));
}

}  // namespace
