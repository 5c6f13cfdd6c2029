// Screenshots of the eight pages, for a person to look at: <build>/screenshots/lap-0.png ..
// lap-7.png, taken offscreen with the blank-form pictures of the build and three payers.
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTabWidget>

#include "ablakfixture.h"
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
