// Screenshots of the eight pages, for a person to look at: <build>/screenshots/lap-0.png ..
// lap-7.png, taken offscreen with the blank-form pictures of the build and three payers.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>

#include "ablakfixture.h"
#include "common/tricheckbox.h"
#include "printing/receipts/feladolap.h"
#include "printing/receipts/iratlap.h"
#include "printing/receipts/tertilap.h"
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

  // The receipt pages with a payer filled in and their boxes ticked, to check for overlaps:
  // lap-1-fizeto.png (domestic card), lap-1-kulfoldi.png, lap-2-fizeto.png, lap-5-fizeto.png.
  auto ment = [&](int lap, const char* nev) {
    w->SSTab1->setCurrentIndex(lap);
    const QPixmap kep = w->grab();
    EXPECT_TRUE(kep.save(QStringLiteral("%1/%2.png").arg(cel, QLatin1String(nev)))) << nev;
  };
  TertiLap& t = *w->tertiLap;
  t.txKudemenyAzonosito->setText(QStringLiteral("RL123456789HU"));
  t.txtTertiPosta->setText(QStringLiteral("Győr 1"));
  t.txtTertiDatum->setText(QStringLiteral("2026.12.09"));
  t.txUgyfelAzonosito->setText(QStringLiteral("AZ-7"));
  for (TriCheckBox* c : {t.chkTPri, t.chkTSk, t.chkTUv}) c->setValue(1);
  ment(1, "lap-1-fizeto");
  t.opBelfold[1]->click();
  for (TriCheckBox* c : {t.chkLevel, t.chkKCsomag}) c->setValue(1);
  ment(1, "lap-1-kulfoldi");
  t.opBelfold[0]->click();
  FeladoLap& f = *w->feladoLap;
  for (TriCheckBox* c : {f.chkAjanlott, f.chkTerti, f.chkErtek, f.chkSK, f.chkPRI, f.chk6}) c->setValue(1);
  f.txErtek->setText(QStringLiteral("25000"));
  f.txtFeladov1->setText(QStringLiteral("Első szabad sor"));
  ment(2, "lap-2-fizeto");
  IratLap& i = *w->iratLap;
  for (TriCheckBox* c : i.chkVisszaCimPrint) c->setValue(1);
  i.txtIratFelvPosta->setText(QStringLiteral("Győr 1"));
  i.txtIratKuldAzonosito->setText(QStringLiteral("RL123456789HU"));
  ment(5, "lap-5-fizeto");
}
