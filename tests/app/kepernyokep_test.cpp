// Screenshots of the eight pages, for a person to look at: <build>/screenshots/lap-0.png ..
// lap-7.png, taken offscreen with the blank-form pictures of the build and three payers.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QComboBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "ablakfixture.h"
#include "common/tricheckbox.h"
#include "layouts/elsoinditas.h"
#include "layouts/factory.h"
#include "payerstore/fizetok.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/kep_browse.h"
#include "printing/orders/rcsekklap.h"
#include "printing/receipts/feladolap.h"
#include "printing/receipts/iratlap.h"
#include "printing/receipts/tertilap.h"
#include "printing/slips/csekklap.h"

TEST_F(AblakTest, ScreenshotsOfTheEightPages) {
  const QDir assets(QStringLiteral(LAVINDOR_BINARY_DIR "/assets"));
  for (const QString& nev : assets.entryList({QStringLiteral("*.jpg")}, QDir::Files))
    QFile::copy(assets.filePath(nev), folder.file(nev));
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter", "Győr", "Fő út 1.", "9021"},
                                      {"Árvíztűrő Tükörfúrógép Kft.", "Budapest", "Váci út 12.", "1132"},
                                      {"Nagy Anna", "Pécs", "Király u. 3.", "7621"}}));
  // A return address for the receipt cards.
  SetTertiRekord terti;
  applyFactory(terti, tertiFactory());
  terti.TertiVisszakuldNev = QStringLiteral("Kovács és Társa Bt.");
  terti.TertiVisszakuldCim1 = QStringLiteral("Győr");
  terti.TertiVisszakuldCim2 = QStringLiteral("Baross út 20.");
  terti.TertiVisszakuldIrsz = QStringLiteral("9021");
  folder.put(kSetTertiFile, encodeRecord(terti));
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
  // The slip and the money order with a payer, an amount and every printed item filled in:
  // lap-0-fizeto.png, lap-0-fizeto-fekvo.png (lying feed), lap-6-fizeto.png.
  CsekkLap& c = *w->csekkLap;
  c.txOsszeg->setEditText(QStringLiteral("12345"));
  c.txBefizAzonosito->setText(QStringLiteral("AZ-2026-0042"));
  c.Kozlemeny1->setEditText(QStringLiteral("Tagdíj 2027"));
  c.txtKozl3sor[0]->setText(QStringLiteral("Első félév"));
  c.Kozlemeny2->setText(QStringLiteral("Köszönjük!"));
  c.txtJogcim1->setEditText(QStringLiteral("Tagdíj"));
  c.txtJogcim2->setEditText(QStringLiteral("Számla: 17/2026"));
  c.txtFizHatIdo->setText(QStringLiteral("Fiz. hat.: 2026.12.19"));
  w->txNev_Change();
  ment(0, "lap-0-fizeto");
  w->OpOrientacioFekvo->click();
  ment(0, "lap-0-fizeto-fekvo");
  w->OpOrientacioAllo->click();
  w->rcsekkLap->allandoValaszt(1);
  w->ListView1_ItemClick(1);
  ment(6, "lap-6-fizeto");
  IratLap& i = *w->iratLap;
  for (TriCheckBox* c : i.chkVisszaCimPrint) c->setValue(1);
  i.txtIratFelvPosta->setText(QStringLiteral("Győr 1"));
  i.txtIratKuldAzonosito->setText(QStringLiteral("RL123456789HU"));
  ment(5, "lap-5-fizeto");
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
  // The first start's block positions of the three sizes, and a sender.
  BoritekRekord b;
  boritekAlapertekek(b);
  b.BoritekFeladoNev = QStringLiteral("Őrség Kft.");
  b.BoritekFeladoCim1 = QStringLiteral("Győr");
  b.BoritekFeladoCim2 = QStringLiteral("Árpád út 1.");
  b.BoritekFeladoIrSzam = QStringLiteral("9021");
  folder.put(kBoritekFile, encodeRecord(b));
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter", "Budapest", "Váci út 12.", "1132"}}));
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

  // Each size with a payer and the picture, standing and lying: boritek-C6-allo.png ...
  // boritek-C56-fekvo.png.
  w->ListView1_ItemClick(0);
  const std::pair<QRadioButton*, const char*> meretek[] = {{lap.OpB1, "C6"}, {lap.OpB2, "C5"}, {lap.OpB3, "C56"}};
  for (auto [opcio, nev] : meretek) {
    opcio->click();
    for (QRadioButton* t : {w->OpOrientacioAllo, w->OpOrientacioFekvo}) {
      t->click();
      QApplication::processEvents();  // the size sample's layout follows its new outline
      EXPECT_FALSE(lap.Image3->geometry().isEmpty()) << nev;
      EXPECT_TRUE(w->grab().save(QStringLiteral("%1/boritek-%2-%3.png")
                                     .arg(cel, QLatin1String(nev),
                                          t == w->OpOrientacioAllo ? QStringLiteral("allo") : QStringLiteral("fekvo"))));
    }
  }
  w->OpOrientacioAllo->click();
  lap.OpB1->click();

  kep_browse d(platform, allapot.KivalasztottKep, w.get());
  d.show();
  d.setDir1Path(folder.path());
  d.Option1[0]->setChecked(true);
  d.File1->setCurrentItem(d.File1->findItems(QStringLiteral("cimer.png"), Qt::MatchExactly).value(0));
  EXPECT_TRUE(d.Command2->isEnabled());
  EXPECT_TRUE(d.grab().save(cel + QStringLiteral("/kep_browse.png")));
  d.reject();
}
