// The overlays of the envelope and label pages stand where they belong on the form pictures:
// the envelope's picture at the millimetres its position captions show, as large as it prints,
// also on the lying picture; the label sheet's grid under the position boxes and the address
// lines on the label preview.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QTransform>

#include "common/mmkep.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "common/tricheckbox.h"
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
  // C5 reads the stored top edge at 31 twips per mm (the left one at 44, as on every size) and
  // is drawn at its own size: the picture stands at its captions' millimetres.
  lap.OpB2->setChecked(true);
  EXPECT_EQ(lap.Picture2->widthMm(), 229);
  EXPECT_EQ(lap.Picture2->heightMm(), 162);
  EXPECT_EQ(lap.lbXpoz->text(), QStringLiteral("20"));
  EXPECT_EQ(lap.lbYpoz->text(), QStringLiteral("14"));
  const QRectF c5 = mm(lap.Picture2, lap.Image3, 229);
  EXPECT_NEAR(c5.x(), 880 / 44.0, 0.5);
  EXPECT_NEAR(c5.y(), 440 / 31.0, 0.5);

  // The lying picture is shown upright with the picture on it.
  lap.setPreview(kep(648 * 229 / 162, 648).transformed(QTransform().rotate(90)));
  EXPECT_TRUE(lap.Picture2->lying());
  EXPECT_FALSE(lap.Image3->geometry().isEmpty());
  EXPECT_NEAR(mm(lap.Picture2, lap.Image3, 229).x(), 880 / 44.0, 0.5);
}

// The label page: the sheet under the position boxes has the labels of the saved set-up, each
// box on its label, for a 2 x 6 and a 4 x 10 sheet; the label preview shows the five lines from
// the first line's place, one printed line apart, in their sizes and readable.
TEST_F(KepHelyTest, LabelSheetFollowsTheSavedGridAndTheLabelShowsItsLines) {
  struct Iv {
    int oszlop, sor;
    double szeles, magas;
  };
  for (const Iv& iv : {Iv{2, 6, 105, 49.5}, Iv{4, 10, 52.5, 29.7}}) {
    SCOPED_TRACE(iv.oszlop * 100 + iv.sor);
    CimkeSetupRekord setup{Fixed::fromDouble(iv.magas), Fixed::fromDouble(iv.szeles), Fixed::fromDouble(5),
                           Fixed::fromDouble(6), int16_t(iv.oszlop), int16_t(iv.sor), 0};
    ASSERT_TRUE(saveSettings(dir.path(), kCimkeSetupFile, setup));
    CimkeSetupRekord shared;
    CimkeHelyek hely{};
    NevekRekord nevek;
    const int32_t aktualis = 0;
    CimkeLap lap(platform, {shared, hely, nevek, aktualis});
    lap.betuValasztas = [](int i) { return std::pair{QStringLiteral("Times New Roman CE"), QString::number(10 + i)}; };
    lap.load(SetRekord{});
    lap.resize(900, 700);
    lap.show();
    lap.belep();
    const int n = iv.oszlop * iv.sor;
    EXPECT_EQ(lap.racs->felirat(),
              QStringLiteral("A4 etikett ív: %1 × %2 címke, %3 × %4 mm")
                  .arg(iv.oszlop)
                  .arg(iv.sor)
                  .arg(QLocale(QLocale::Hungarian).toString(iv.szeles), QLocale(QLocale::Hungarian).toString(iv.magas)));
    EXPECT_TRUE(lap.racs->cimkePx(n + 1).isEmpty());
    for (int k = 1; k <= n; ++k) {
      const QRectF c = lap.racs->cimkePx(k);
      ASSERT_FALSE(c.isEmpty()) << k;
      // Each position box stands on its own label.
      const QRect b = lap.chkCimke1[size_t(k)]->geometry();
      EXPECT_TRUE(c.adjusted(-4, -4, 4, 4).contains(QRectF(b)))
          << k << ": " << c.x() << "," << c.y() << " " << c.width() << "x" << c.height() << " / " << b.x() << ","
          << b.y() << " " << b.width() << "x" << b.height();
      EXPECT_TRUE(c.contains(lap.racs->kezdetPx(k))) << k;
    }
    // The label preview is one label of the set-up, its lines from 6, 5 mm, each one printed
    // line (0.4 mm a point) below the one before.
    const MmKep* k = lap.Picture2;
    EXPECT_EQ(k->widthMm(), iv.szeles);
    EXPECT_EQ(k->heightMm(), iv.magas);
    double y = 5;
    for (int i = 0; i < 5; ++i) {
      QLabel* l = lap.elonezetSorok()[size_t(i)];
      const QRectF m = mm(k, l, iv.szeles);
      EXPECT_NEAR(m.x(), 6, 0.3) << i;
      EXPECT_NEAR(m.y(), y, 0.3) << i;
      y += 0.4 * (10 + i);
      EXPECT_GE(l->font().pixelSize(), 10) << i;  // readable at the page's size
    }
  }
}

}  // namespace
