// The fields of the money-order and cash-on-delivery pages stand on the boxes of their form
// pictures (millimetres of the form), do not overlap, and stay usable on the lying picture.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTransform>

#include "common/mmkep.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "common/tricheckbox.h"
#include "layouts/factory.h"
#include "printing/orders/rcsekklap.h"
#include "printing/orders/ulaplap.h"
#include "support/tempfolder.h"

namespace {

// Where a field stands on the form, in millimetres of a form `widthMm` wide.
QRectF mm(const MmKep* k, const QWidget* w, double widthMm) {
  const QRect p = k->pictureRect();
  const double s = p.width() / widthMm;
  const QRect g = w->geometry();
  return {(g.x() - p.x()) / s, (g.y() - p.y()) / s, g.width() / s, g.height() / s};
}

// `inner` lies within `outer` (half a millimetre for rounding).
::testing::AssertionResult within(const QRectF& inner, const QRectF& outer) {
  if (outer.adjusted(-0.5, -0.5, 0.5, 0.5).contains(inner)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << inner.x() << ", " << inner.y() << ", " << inner.width() << ", "
                                       << inner.height() << ") is not within (" << outer.x() << ", " << outer.y()
                                       << ", " << outer.width() << ", " << outer.height() << ")";
}

void noOverlaps(const std::vector<QWidget*>& set) {
  for (size_t i = 0; i < set.size(); ++i)
    for (size_t j = i + 1; j < set.size(); ++j)
      EXPECT_FALSE(set[i]->geometry().intersects(set[j]->geometry()))
          << set[i]->objectName().toStdString() << " / " << set[j]->objectName().toStdString();
}

QImage kep(int w, int h) {
  QImage k(w, h, QImage::Format_RGB32);
  k.fill(Qt::white);
  return k;
}

struct KepHelyTest : ::testing::Test {
  TempFolder dir;
  Platform platform;
  SetRcsekkRekord rcsekk;
  void SetUp() override {
    platform.folder = dir.path();
    SetRcsekkRekord r;
    applyFactory(r, rcsekkFactory());
    ASSERT_TRUE(saveSettings(dir.path(), kSetRcsekkFile, r));
  }
};

TEST_F(KepHelyTest, MoneyOrderFieldsStandOnTheirBoxes) {
  RcsekkLap lap(platform, rcsekk);
  lap.resize(1000, 700);
  lap.show();
  const MmKep* k = lap.Picture7;
  ASSERT_GT(k->pictureRect().width(), 800);
  // Front: the receipt on the left of the fold (66 mm), the order on its right.
  EXPECT_TRUE(within(mm(k, lap.RtxOsszeg, 210), {3, 4, 58, 7.5}));
  EXPECT_TRUE(within(mm(k, lap.RlbOsszeg, 210), {68, 4, 60, 7.5}));
  EXPECT_TRUE(within(mm(k, lap.lbOsszeg2, 210), {68, 33, 60, 7.5}));
  for (QWidget* w : std::initializer_list<QWidget*>{lap.RtxtSzoveg21, lap.RtxtSzoveg11}) EXPECT_TRUE(within(mm(k, w, 210), {2, 11, 62, 16}));
  for (QWidget* w : std::initializer_list<QWidget*>{lap.RtxtSzoveg12, lap.RtxtSzoveg22}) EXPECT_TRUE(within(mm(k, w, 210), {68, 42, 70, 15}));
  for (QWidget* w : std::initializer_list<QWidget*>{lap.RtxNev[0], lap.RtxCim, lap.opAllando[1]}) EXPECT_TRUE(within(mm(k, w, 210), {68, 14, 70, 14}));
  // The recipient's copies in their blocks, the postcodes in their boxes (the factory layout
  // fed standing).
  for (QWidget* w : std::initializer_list<QWidget*>{lap.RlbNev, lap.RlbHelys, lap.RlbCim, lap.RlbIrsz})
    EXPECT_TRUE(within(mm(k, w, 210), {2, 57.5, 62, 27.5}));
  for (QWidget* w : std::initializer_list<QWidget*>{lap.txtNev, lap.txtHelys, lap.txtCim, lap.txtIrsz}) EXPECT_TRUE(within(mm(k, w, 210), {137, 57.5, 70, 27.5}));
  EXPECT_TRUE(within(mm(k, lap.RlbIrsz, 210), {4, 76.3, 22, 6}));
  EXPECT_TRUE(within(mm(k, lap.txtIrsz, 210), {139, 76.3, 22, 6}));
  // The fixed-recipient option above the recipient's block, right of the stamp's circle.
  EXPECT_TRUE(within(mm(k, lap.opAllando[0], 210), {45, 50, 20, 8}));
  noOverlaps({lap.RtxOsszeg, lap.RlbOsszeg, lap.lbOsszeg2, lap.RtxtSzoveg21, lap.RtxtSzoveg11, lap.RtxtSzoveg12,
              lap.RtxtSzoveg22, lap.RtxNev[0], lap.RtxCim, lap.RlbNev, lap.RlbHelys, lap.RlbCim, lap.RlbIrsz, lap.txtNev,
              lap.txtHelys, lap.txtCim, lap.txtIrsz, lap.opAllando[0], lap.opAllando[1]});
  // Back: the notice lines in the notice box, the sender in its block.
  for (QWidget* w : lap.RcsekkKozlemenyHatul) EXPECT_TRUE(within(mm(k, w, 210), {3, 5, 120, 26}));
  for (QWidget* w : std::initializer_list<QWidget*>{lap.txtNevHatul, lap.txtHelysHatul, lap.txtCimHatul, lap.txtIrszHatul})
    EXPECT_TRUE(within(mm(k, w, 210), {79, 62, 100, 26}));
  noOverlaps({lap.RcsekkKozlemenyHatul[0], lap.RcsekkKozlemenyHatul[1], lap.RcsekkKozlemenyHatul[2],
              lap.RcsekkKozlemenyHatul[3], lap.txtNevHatul, lap.txtHelysHatul, lap.txtCimHatul, lap.txtIrszHatul});
}

TEST_F(KepHelyTest, CashOnDeliveryFieldsStandOnTheirBoxes) {
  UlapLap lap(platform, rcsekk);
  lap.resize(1000, 760);
  lap.show();
  const MmKep* k = lap.Picture6;
  ASSERT_GT(k->pictureRect().width(), 700);
  for (QWidget* w : std::initializer_list<QWidget*>{lap.txUosszeg, lap.lbUosszeg}) EXPECT_TRUE(within(mm(k, w, 150), {4, 12, 55, 7.5}));
  for (QWidget* w : std::initializer_list<QWidget*>{lap.lbosszegBetuvel1, lap.lbosszegBetuvel2}) EXPECT_TRUE(within(mm(k, w, 150), {65, 9, 80, 15}));
  EXPECT_TRUE(within(mm(k, lap.lbUtXR, 150), {4, 24, 4, 4}));
  EXPECT_TRUE(within(mm(k, lap.lbUtXEL, 150), {20, 24, 4, 4}));
  for (QWidget* w : std::initializer_list<QWidget*>{lap.txUNev, lap.txUCim}) EXPECT_TRUE(within(mm(k, w, 150), {4, 32, 68, 30}));
  for (QWidget* w : std::initializer_list<QWidget*>{lap.lbUNev, lap.lbUHelyseg, lap.lbUCim, lap.lbUIrszam}) EXPECT_TRUE(within(mm(k, w, 150), {77, 32, 69, 36}));
  EXPECT_TRUE(within(mm(k, lap.lbUIrszam, 150), {93, 60.3, 18, 5.5}));
  noOverlaps({lap.txUosszeg, lap.lbUosszeg, lap.lbosszegBetuvel1, lap.lbosszegBetuvel2, lap.lbUtXR, lap.chkUtanvetR,
              lap.lbUtXEL, lap.chkUtanvetEL, lap.chkCimzettCsereUlap, lap.txUNev, lap.txUCim, lap.lbUNev, lap.lbUHelyseg,
              lap.lbUCim, lap.lbUIrszam});
  for (QWidget* w : std::initializer_list<QWidget*>{lap.lbUNevHatul, lap.lbUHelysegHatul, lap.lbUCimHatul, lap.lbUIrszamHatul})
    EXPECT_TRUE(within(mm(k, w, 150), {4, 10, 90, 27}));
  noOverlaps({lap.lbUNevHatul, lap.lbUHelysegHatul, lap.lbUCimHatul, lap.lbUIrszamHatul});
}

// Both pages draw the amount in words in the family and size the form prints them in: the
// layout's text font ("Times New Roman CE", drawn as Liberation Serif), 10 points of the form.
// At any size of the page a line of words is as long on the picture, in millimetres of the
// form, as the printer's own measure of it (within 2 %), and a text box holds its line whole,
// descenders included.
TEST_F(KepHelyTest, TheWordsShowInTheFontTheyPrintIn) {
  const QString csalad = QtPrinter::family(QStringLiteral("Times New Roman CE"));
  ASSERT_FALSE(csalad.isEmpty());
  QtPrinter nyomtato(dir.path());
  platform.printer = &nyomtato;
  RcsekkLap r(platform, rcsekk);
  UlapLap u(platform, rcsekk);
  SetRekord set;
  ASSERT_TRUE(saveSettings(dir.path(), kSetFile, set));
  int32_t osszeg = 0;
  QString ezresek, egyesek;
  u.megoszt(set, osszeg, ezresek, egyesek);
  r.RtxOsszeg->setEditText(QStringLiteral("345"));
  u.txUosszeg->setText(QStringLiteral("345"));
  const std::pair<QWidget*, std::vector<QWidget*>> lapok[] = {
      {&r, {r.RtxtSzoveg21, r.RtxtSzoveg11, r.RtxtSzoveg12, r.RtxtSzoveg22}},
      {&u, {u.lbosszegBetuvel1, u.lbosszegBetuvel2}}};
  for (const QSize meret : {QSize(822, 600), QSize(1000, 700), QSize(1054, 771), QSize(1400, 800)})
    for (const auto& [lap, szavak] : lapok) {
      lap->resize(meret);
      lap->show();
      const MmKep* k = lap == &r ? r.Picture7 : u.Picture6;
      for (QWidget* w : szavak) {
        SCOPED_TRACE(w->objectName().toStdString() + " " + std::to_string(meret.width()));
        EXPECT_EQ(w->font().family().toStdString(), csalad.toStdString());
        EXPECT_NEAR(w->font().pixelSize(), 10 * 25.4 / 72 * k->pxPerMm(), 1);
        const auto* e = qobject_cast<QLineEdit*>(w);
        const QString szoveg = e ? e->text() : qobject_cast<QLabel*>(w)->text();
        if (szoveg.isEmpty()) continue;
        const double kepen = QFontMetricsF(w->font()).horizontalAdvance(szoveg) / k->pxPerMm();
        const double papiron = nyomtato.measureMm(szoveg, QStringLiteral("Times New Roman CE"), 10, false);
        EXPECT_NEAR(kepen / papiron, 1, 0.02) << szoveg.toStdString() << ": " << kepen << " mm on the picture, "
                                              << papiron << " mm printed";
        if (e) {
          EXPECT_GE(e->height() - 2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e),
                    QFontMetrics(e->font()).height());
        }
      }
    }
  EXPECT_FALSE(r.RtxtSzoveg21->text().isEmpty());
  EXPECT_FALSE(u.lbosszegBetuvel1->text().isEmpty());
}

TEST_F(KepHelyTest, LyingPictureKeepsTheFieldsOnTheUprightForm) {
  RcsekkLap r(platform, rcsekk);
  UlapLap u(platform, rcsekk);
  for (QWidget* w : std::initializer_list<QWidget*>{&r, &u}) {
    w->resize(1000, 700);
    w->show();
  }
  const QRect osszeg = r.RtxOsszeg->geometry(), nev = u.txUNev->geometry();
  r.setPreview(kep(840, 420).transformed(QTransform().rotate(90)));
  u.setPreview(kep(600, 420).transformed(QTransform().rotate(90)));
  EXPECT_TRUE(r.Picture7->lying());
  EXPECT_TRUE(u.Picture6->lying());
  // The inputs stay where they were, usable, over the picture turned back upright.
  EXPECT_EQ(r.RtxOsszeg->geometry(), osszeg);
  EXPECT_EQ(u.txUNev->geometry(), nev);
  EXPECT_FALSE(r.RtxOsszeg->isHidden());
  EXPECT_GT(r.Picture7->pixmap().width(), r.Picture7->pixmap().height());
  EXPECT_GT(u.Picture6->pixmap().width(), u.Picture6->pixmap().height());
}

}  // namespace
