// The overlays of the envelope and label pages stand where they belong on the form pictures:
// the envelope's picture at the millimetres its position captions show, as large as it prints, the label address on
// the lines of the sheet's first label; a lying envelope picture folds the picture away.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QTransform>

#include "common/mmkep.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/cimkelap.h"
#include "support/tempfolder.h"

namespace {

QRectF mm(const MmKep* k, const QWidget* w, double widthMm) {
  const QRect p = k->pictureRect();
  const double s = p.width() / widthMm;
  const QRect g = w->geometry();
  return {(g.x() - p.x()) / s, (g.y() - p.y()) / s, g.width() / s, g.height() / s};
}

QImage kep(int w, int h) {
  QImage k(w, h, QImage::Format_RGB32);
  k.fill(Qt::white);
  return k;
}

struct KepHelyTest : ::testing::Test {
  TempFolder dir;
  Platform platform;
  void SetUp() override { platform.folder = dir.path(); }
};

TEST_F(KepHelyTest, EnvelopePictureStandsWhereItsCaptionsSay) {
  BoritekRekord boritek;
  BoritekHely hely;
  BoritekLap lap(platform, boritek, hely);
  lap.resize(1000, 600);
  lap.show();
  lap.OpB1->setChecked(true);
  lap.setImage3Twips(QRect(880, 440, 1320, 880));  // 20 mm from the left, 10 from the top
  lap.kepPozFrissit();
  const QRectF r = mm(lap.Picture2, lap.Image3, 162);
  EXPECT_EQ(lap.lbXpoz->text(), QStringLiteral("20"));
  EXPECT_EQ(lap.lbYpoz->text(), QStringLiteral("10"));
  EXPECT_NEAR(r.x(), 20, 0.5);
  EXPECT_NEAR(r.y(), 10, 0.5);
  // With no picture loaded, the frame in the size captions' unit: 543 twips a centimetre.
  EXPECT_NEAR(r.width(), 1320 / 54.3, 0.5);
  EXPECT_NEAR(r.height(), 880 / 54.3, 0.5);
  // C5 is drawn at 31 twips per mm, across and down: the picture stays on the same part of
  // the preview, and its captions follow it.
  const QRect c6 = lap.Image3->geometry().translated(-lap.Picture2->pictureRect().topLeft());
  lap.OpB2->setChecked(true);
  EXPECT_EQ(lap.Picture2->widthMm(), 229);
  EXPECT_EQ(lap.Picture2->heightMm(), 162);
  EXPECT_EQ(lap.lbXpoz->text(), QStringLiteral("28"));
  EXPECT_EQ(lap.lbYpoz->text(), QStringLiteral("14"));
  const QRectF c5 = mm(lap.Picture2, lap.Image3, 229);
  EXPECT_NEAR(c5.x(), 880 / 31.0, 0.5);
  EXPECT_NEAR(c5.y(), 440 / 31.0, 0.5);
  const QRect most = lap.Image3->geometry().translated(-lap.Picture2->pictureRect().topLeft());
  EXPECT_NEAR(most.x(), c6.x(), 2);
  EXPECT_NEAR(most.y(), c6.y(), 2);

  // The lying picture is shown upright with the picture on it.
  lap.setPreview(kep(648 * 229 / 162, 648).transformed(QTransform().rotate(90)));
  EXPECT_TRUE(lap.Picture2->lying());
  EXPECT_FALSE(lap.Image3->geometry().isEmpty());
  EXPECT_NEAR(mm(lap.Picture2, lap.Image3, 229).x(), 880 / 31.0, 0.5);
}

TEST_F(KepHelyTest, LabelAddressOnTheFirstLabelsLines) {
  CimkeSetupRekord setup;
  CimkeHelyek hely{};
  NevekRekord nevek;
  const int32_t aktualis = 0;
  CimkeLap lap(platform, {setup, hely, nevek, aktualis});
  lap.resize(900, 700);
  lap.show();
  const MmKep* k = lap.Picture2;
  // The first label: 67 x 35 mm from (1.5, 17).
  const QRectF elso(1.5, 17, 67, 35);
  QWidget* elozo = nullptr;
  for (QWidget* w : std::initializer_list<QWidget*>{lap.lbNev1, lap.lbNev2, lap.lbHelyseg, lap.lbCim, lap.lbIrsz}) {
    EXPECT_TRUE(elso.adjusted(-0.5, -0.5, 0.5, 0.5).contains(mm(k, w, 210))) << w->objectName().toStdString();
    if (elozo) {
      EXPECT_FALSE(w->geometry().intersects(elozo->geometry()));
    }
    elozo = w;
  }
}

}  // namespace
