// Screenshots of the eight pages, for a person to look at: <build>/screenshots/lap-0.png ..
// lap-7.png, taken offscreen with the blank-form pictures of the build and three payers.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "ablakfixture.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/kep_browse.h"
#include "records/fizetok.h"

TEST_F(AblakTest, ScreenshotsOfTheEightPages) {
  const QDir assets(QStringLiteral(LAVINDOR_BINARY_DIR "/assets"));
  for (const QString& nev : assets.entryList({QStringLiteral("*.jpg")}, QDir::Files))
    QFile::copy(assets.filePath(nev), folder.file(nev));
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter", "Győr", "Fő út 1.", "9021"},
                                      {"Árvíztűrő Tükörfúrógép Kft.", "Budapest", "Váci út 12.", "1132"},
                                      {"Nagy Anna", "Pécs", "Király u. 3.", "7621"}}));
  auto w = indit();
  w->resize(1440, 711);
  w->show();
  const QString cel = QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(cel));
  w->ListView1_ItemClick(0);
  for (int lap = 0; lap < 8; ++lap) {
    w->SSTab1->setCurrentIndex(lap);
    const QPixmap kep = w->grab();
    ASSERT_FALSE(kep.isNull());
    EXPECT_TRUE(kep.save(QStringLiteral("%1/lap-%2.png").arg(cel).arg(lap))) << lap;
  }
}

// The envelope page with a picture dragged to a new place, and the picture browser showing
// that picture: <build>/screenshots/boritek-kep.png and kep_browse.png.
TEST_F(AblakTest, ScreenshotsOfTheEnvelopePictureAndTheBrowser) {
  const QDir assets(QStringLiteral(LAVINDOR_BINARY_DIR "/assets"));
  for (const QString& nev : assets.entryList({QStringLiteral("Boritek*.jpg"), QStringLiteral("H_move.cur")}, QDir::Files))
    QFile::copy(assets.filePath(nev), folder.file(nev));
  // A flag in two colours, 30 x 36 mm.
  QImage cimer(300, 360, QImage::Format_RGB32);
  cimer.fill(QColor(200, 30, 40));
  QPainter(&cimer).fillRect(150, 0, 150, 360, QColor(40, 120, 60));
  cimer.setDotsPerMeterX(10000);
  cimer.setDotsPerMeterY(10000);
  ASSERT_TRUE(cimer.save(folder.file(QStringLiteral("cimer.png"))));
  KepmentRekord k;
  k.KepUtvonal = folder.file(QStringLiteral("cimer.png"));
  k.KepX = 440;
  k.KepY = 440;
  k.KepSzelesseg = Fixed::fromDouble(1900);
  k.KepMagassag = Fixed::fromDouble(1900);
  folder.put(kKepmentFile, encodeRecord(k));
  setFajl([](SetRekord& s) {
    s.AktivLap = 3;
    s.KepPrint = 1;
  });
  auto w = indit();
  w->resize(1440, 711);
  w->show();
  w->Form_Activate();
  BoritekLap& lap = *w->boritekLap;
  ASSERT_FALSE(lap.kepKep().isNull());
  // Dragged 25 mm to the right and 15 mm down.
  const double s = lap.pxPerMm();
  auto eger = [&](QEvent::Type t, QPointF pos) {
    QMouseEvent e(t, pos, lap.Image3->mapToGlobal(pos), t == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(lap.Image3, &e);
  };
  eger(QEvent::MouseButtonPress, {10, 10});
  eger(QEvent::MouseMove, {10 + 25 * s, 10 + 15 * s});
  eger(QEvent::MouseButtonRelease, {10 + 25 * s, 10 + 15 * s});
  EXPECT_EQ(lap.lbXpoz->text(), QStringLiteral("35"));
  EXPECT_EQ(lap.lbYpoz->text(), QStringLiteral("25"));
  const QString cel = QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(cel));
  EXPECT_TRUE(w->grab().save(cel + QStringLiteral("/boritek-kep.png")));

  kep_browse d(platform, allapot.KivalasztottKep, w.get());
  d.show();
  d.setDir1Path(folder.path());
  d.Option1[0]->setChecked(true);
  d.File1->setCurrentItem(d.File1->findItems(QStringLiteral("cimer.png"), Qt::MatchExactly).value(0));
  EXPECT_TRUE(d.Command2->isEnabled());
  EXPECT_TRUE(d.grab().save(cel + QStringLiteral("/kep_browse.png")));
  d.reject();
}
