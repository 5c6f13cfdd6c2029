// The envelope page's switches and picture panel: sizes from the scroll bar, dragging over
// the preview, saving the placement.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>

#include "common/messages.h"
#include "common/mmkep.h"
#include "common/recordfile.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/kep_browse.h"
#include "printing/envelopes/kepmeret.h"
#include "common/tricheckbox.h"
#include "support/fajlhibak.h"
#include "support/tempfolder.h"

namespace {

// A picture of w x h hundredths of a millimetre: 100 dots per millimetre, one dot per 1/100 mm
// would be large, so 10 dots per mm and sides in tenths.
QString kepFajl(const TempFolder& dir, const QString& nev, int w, int h) {
  QImage k(w / 10, h / 10, QImage::Format_RGB32);
  k.fill(Qt::darkBlue);
  k.setDotsPerMeterX(10000);
  k.setDotsPerMeterY(10000);
  const QString path = dir.file(nev);
  k.save(path, "PNG");
  return path;
}

struct KepPanelTest : ::testing::Test {
  TempFolder dir;
  Platform platform;
  RecordedMessageBoxes uzenetek;
  BoritekRekord boritek;
  BoritekHely hely;
  std::unique_ptr<BoritekLap> lap;

  void SetUp() override {
    platform.folder = dir.path();
    platform.messages = &uzenetek;
    lap = std::make_unique<BoritekLap>(platform, boritek, hely);
  }
  void eger(QEvent::Type t, QPointF pos) {
    QMouseEvent e(t, pos, lap->Image3->mapToGlobal(pos), t == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(lap->Image3, &e);
  }
};

TEST_F(KepPanelTest, SwitchesShowTheirPartsOnlyWhenTicked) {
  lap->show();
  for (int v : {0, 2, 1}) {
    SCOPED_TRACE(v);
    lap->chkCimzett->setValue(v);
    lap->chkFelado->setValue(v);
    lap->chkKepPrint->setValue(v);
    const bool be = v == 1;
    EXPECT_EQ(lap->frameCimzett->isVisible(), be);
    for (QWidget* w : std::initializer_list<QWidget*>{lap->chkFKFNev, lap->chkFKFCim1, lap->chkFKFCim2, lap->chkFKFIrsz,
                                                      lap->txtBoritekFeladoNev, lap->txtBoritekFeladoCim1,
                                                      lap->txtBoritekFeladoCim2, lap->txtBoritekFeladoIrSzam})
      EXPECT_EQ(w->isVisible(), be) << w->objectName().toStdString();
    EXPECT_TRUE(lap->txtFelado5mezo->isVisible());
    EXPECT_EQ(lap->Image3->isVisible(), be);
    EXPECT_EQ(lap->Frame5->isVisible(), be);
  }
}

TEST_F(KepPanelTest, ScrollBarFitsThePictureIntoItsSquare) {
  lap->lbSzeles->setText(QStringLiteral("régi"));
  // No picture: only the frame follows the bar.
  lap->HScroll1->setValue(2500);
  EXPECT_EQ(lap->image3Twips().size(), QSize(2500, 2500));
  EXPECT_EQ(lap->lbSzeles->text(), QStringLiteral("régi"));

  // 2000 x 1000 at 1900: the wide side comes down to the frame.
  lap->HScroll1->setValue(1900);
  QString kep = kepFajl(dir, QStringLiteral("cimer.png"), 2000, 1000);
  QString& kivalasztott = const_cast<QString&>(lap->KivalasztottKep());
  kivalasztott = kep;
  lap->HScroll1_Change();
  EXPECT_EQ(lap->image3Twips().size(), QSize(1900, 950));
  EXPECT_EQ(lap->KepSzeles(), 3.4991);
  EXPECT_EQ(lap->KepMagas(), 1.7495);
  EXPECT_EQ(lap->lbSzeles->text(), QStringLiteral("3.5 cm"));
  EXPECT_EQ(lap->lbMagas->text(), QStringLiteral("1.7 cm"));
  // The bar reaches up to the picture's own larger side.
  EXPECT_EQ(lap->HScroll1->maximum(), 1999);

  // A smaller picture: the value cannot stay above its own size.
  kivalasztott = kepFajl(dir, QStringLiteral("kicsi.png"), 1500, 1000);
  lap->HScroll1->setValue(1950);
  EXPECT_EQ(lap->HScroll1->value(), 1900);
  EXPECT_EQ(lap->KepSzeles(), 2.7624);

  // A file that is no picture: nothing to show, sizes 0.
  dir.put(QStringLiteral("hamis.jpg"), "nem kep");
  kivalasztott = dir.file(QStringLiteral("hamis.jpg"));
  lap->HScroll1_Change();
  EXPECT_TRUE(lap->kepKep().isNull());
  EXPECT_EQ(lap->KepSzeles(), 0);
  EXPECT_EQ(lap->lbSzeles->text(), QStringLiteral(".0 cm"));
}

TEST_F(KepPanelTest, DraggingMovesByThePreviewsScaleAndWarnsAtTheBottom) {
  lap->resize(1200, 700);
  lap->chkKepPrint->setValue(1);
  lap->show();
  lap->OpB1->setChecked(true);
  lap->setImage3Twips(QRect(440, 440, 1900, 1900));  // 10 mm, 10 mm
  lap->kepPozFrissit();
  const double s = lap->pxPerMm();
  ASSERT_GT(s, 1);
  eger(QEvent::MouseButtonPress, {5, 5});
  eger(QEvent::MouseMove, {5 + 20 * s, 5 + 30 * s});
  eger(QEvent::MouseButtonRelease, {5 + 20 * s, 5 + 30 * s});
  EXPECT_EQ(lap->lbXpoz->text(), QStringLiteral("30"));
  EXPECT_EQ(lap->lbYpoz->text(), QStringLiteral("40"));
  EXPECT_NEAR(lap->image3Twips().left(), 30 * 44, 2);
  eger(QEvent::MouseMove, {50, 50});  // released: no move
  EXPECT_EQ(lap->lbXpoz->text(), QStringLiteral("30"));
  EXPECT_EQ(lap->Image3->cursor().shape(), Qt::SizeAllCursor);  // no cursor file in the folder

  // C6: 80 mm and 3.4 cm reach 114 mm, no warning; 3.5 cm hang over. The warning follows the
  // position shown before the move.
  lap->lbYpoz->setText(QStringLiteral("80"));
  lap->lbMagas->setText(QStringLiteral("3.4 cm"));
  eger(QEvent::MouseMove, {1, 1});
  EXPECT_TRUE(lap->lbFigyelem->isHidden());
  lap->lbYpoz->setText(QStringLiteral("80"));
  lap->lbMagas->setText(QStringLiteral("3.5 cm"));
  eger(QEvent::MouseMove, {1, 1});
  EXPECT_FALSE(lap->lbFigyelem->isHidden());
  EXPECT_EQ(lap->lbFigyelem->text(), QStringLiteral("A kép alja lelóg a borítákról!"));
  // C5 allows 162 mm.
  lap->OpB2->setChecked(true);
  lap->lbYpoz->setText(QStringLiteral("120"));
  eger(QEvent::MouseMove, {1, 1});
  EXPECT_TRUE(lap->lbFigyelem->isHidden());
}

TEST_F(KepPanelTest, AfterTheBrowserTheLeftEdgeIsStillReadAt44TwipsAMillimetre) {
  lap->OpB2->setChecked(true);
  lap->setImage3Twips(QRect(880, 620, 1900, 1900));
  QString elotte = QStringLiteral("/régi.jpg");
  double sz = 0, m = 0;
  KepmentRekord k;
  lap->setKep({&elotte, &sz, &m, &k});
  lap->browseExec = [](kep_browse& d) {
    d.reject();
    return int(QDialog::Rejected);
  };
  lap->cmdKepek_Click();
  EXPECT_EQ(lap->lbXpoz->text(), QStringLiteral("20"));  // not 880 / 31
  EXPECT_EQ(lap->lbYpoz->text(), QStringLiteral("20"));  // C5: 620 / 31
  EXPECT_EQ(elotte, QStringLiteral("/régi.jpg"));
}

TEST_F(KepPanelTest, SavingWritesThePlacementAndKeepsTheReservedFields) {
  KepmentRekord olvasott;
  olvasott.Tartalek1 = 0x11223344;
  olvasott.Tartalek2 = -7;
  QString kivalasztott = QStringLiteral("/képek/címer.jpg");
  double sz = 0, m = 0;
  lap->setKep({&kivalasztott, &sz, &m, &olvasott});
  lap->setImage3Twips(QRect(881, 620, 1900, 950));
  lap->cmdKepMentese_Click();
  const QByteArray b = dir.bytes(kKepmentFile);
  ASSERT_EQ(b.size(), 283);
  KepmentRekord r;
  decodeRecord(b, r);
  EXPECT_EQ(trimmed(r.KepUtvonal), kivalasztott);
  EXPECT_EQ(r.Tartalek1, 0x11223344);
  EXPECT_EQ(r.Tartalek2, -7);
  EXPECT_EQ(r.KepX, 881);
  EXPECT_EQ(r.KepY, 620);
  EXPECT_EQ(r.KepSzelesseg.value(), 1900);
  EXPECT_EQ(r.KepMagassag.value(), 950);
  lap->cmdKepMentese_Click();
  EXPECT_EQ(dir.bytes(kKepmentFile), b);
  EXPECT_TRUE(uzenetek.shown.empty());

  // A path the field cannot hold is refused, the file stays.
  for (const QString& rossz : {QStringLiteral("/képek/Москва.jpg"), QStringLiteral("/") + QString(300, QLatin1Char('a'))}) {
    kivalasztott = rossz;
    lap->cmdKepMentese_Click();
    EXPECT_EQ(dir.bytes(kKepmentFile), b);
  }
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  EXPECT_EQ(uzenetek.shown[0].title, QStringLiteral("Figyelem!"));
}

TEST_F(KepPanelTest, SaveThatCannotBeWrittenSaysSo) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(kKepmentFile));  // a folder where the file should be
  lap->cmdKepMentese_Click();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_TRUE(uzenetek.shown[0].text.startsWith(QStringLiteral("A kép helye nem menthető (Kepment.dat):")));
  EXPECT_TRUE(QFileInfo(dir.file(kKepmentFile)).isDir());
  // A disk that takes no byte: the reason is said and the file stays as it was.
  ASSERT_TRUE(QDir(dir.path()).rmdir(kKepmentFile));
  dir.put(kKepmentFile, QByteArray(283, 'x'));
  uzenetek.shown.clear();
  {
    FajlHibak tele({{FajlHivas::Iras, ENOSPC, -1, kKepmentFile}});
    lap->cmdKepMentese_Click();
  }
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_TRUE(uzenetek.shown[0].text.startsWith(QStringLiteral("A kép helye nem menthető (Kepment.dat).")));
  EXPECT_TRUE(uzenetek.shown[0].text.endsWith(QStringLiteral("A hiba oka: Nincs több szabad hely az eszközön.")))
      << uzenetek.shown[0].text.toStdString();
  EXPECT_EQ(dir.bytes(kKepmentFile), QByteArray(283, 'x'));
}

}  // namespace
