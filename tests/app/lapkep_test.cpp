// Each page chooses its own blank-form picture: a page change or an orientation switch shows
// the card or side that the page's controls are set for. Screenshots of the three pages after a
// page change (<build>/screenshots/lap-1-kulfoldi-lapvaltas.png, lap-6-hatoldal.png,
// lap-7-hatoldal.png), for a person to look at.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>

#include "ablakfixture.h"
#include "common/mmkep.h"
#include "payerstore/fizetok.h"
#include "printing/orders/rcsekklap.h"
#include "printing/orders/ulaplap.h"
#include "printing/receipts/tertilap.h"

TEST_F(AblakTest, PagesShowTheirOwnCardOrSideAfterPageChangeAndOrientation) {
  const QDir assets(QStringLiteral(LAVINDOR_BINARY_DIR "/assets"));
  for (const QString& nev : assets.entryList({QStringLiteral("*.jpg")}, QDir::Files))
    QFile::copy(assets.filePath(nev), folder.file(nev));
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter", "Győr", "Fő út 1.", "9021"}}));
  auto w = indit();
  w->resize(1440, 711);
  w->show();
  w->ListView1_ItemClick(0);
  const QString cel = QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(cel));

  struct Eset {
    int lap;
    std::function<void()> valaszt;  // the page's own choice
    const MmKep* kep;
    const char* allo;   // the picture standing
    const char* fekvo;  // and lying
    const char* kepernyo;
  };
  const Eset esetek[] = {
      {1, [&] { w->tertiLap->opBelfold[1]->click(); }, w->tertiLap->Picture3, "KTerti.jpg", "KTerti.jpg",
       "lap-1-kulfoldi-lapvaltas"},
      {6, [&] { w->rcsekkLap->cmdOldalCsere->click(); }, w->rcsekkLap->Picture7, "RCsekkHatul.jpg", "RCsekkHatul.jpg",
       "lap-6-hatoldal"},
      {7, [&] { w->ulapLap->cmdUtanvetOdalCsere->click(); }, w->ulapLap->Picture6, "utanvetelihatulja.jpg",
       "utanvetelihatulja.jpg", "lap-7-hatoldal"},
  };
  for (const Eset& e : esetek) {
    SCOPED_TRACE(e.lap);
    w->OpOrientacioAllo->click();
    w->SSTab1->setCurrentIndex(e.lap);
    e.valaszt();
    EXPECT_EQ(e.kep->fileName().toStdString(), e.allo);
    // Leaving and coming back.
    w->SSTab1->setCurrentIndex(0);
    w->SSTab1->setCurrentIndex(e.lap);
    EXPECT_EQ(e.kep->fileName().toStdString(), e.allo);
    EXPECT_TRUE(w->vanElonezet(e.lap));
    EXPECT_TRUE(w->grab().save(QStringLiteral("%1/%2.png").arg(cel, QLatin1String(e.kepernyo))));
    // The orientation both ways.
    w->OpOrientacioFekvo->click();
    EXPECT_EQ(e.kep->fileName().toStdString(), e.fekvo);
    w->OpOrientacioAllo->click();
    EXPECT_EQ(e.kep->fileName().toStdString(), e.allo);
  }

  // Back to the domestic card and the fronts: the standing and lying pictures of the page.
  w->OpOrientacioFekvo->click();
  w->SSTab1->setCurrentIndex(1);
  w->tertiLap->opBelfold[0]->click();
  EXPECT_EQ(w->tertiLap->Picture3->fileName().toStdString(), "Tertikepfekvo.jpg");
  w->SSTab1->setCurrentIndex(6);
  w->rcsekkLap->cmdOldalCsere->click();
  EXPECT_EQ(w->rcsekkLap->Picture7->fileName().toStdString(), "RcsekkkepFekvo.jpg");
  w->SSTab1->setCurrentIndex(7);
  w->ulapLap->cmdUtanvetOdalCsere->click();
  w->OpOrientacioAllo->click();
  EXPECT_EQ(w->ulapLap->Picture6->fileName().toStdString(), "UtanveteliLapAllo.jpg");
}
