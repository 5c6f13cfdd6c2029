// The main window on common screens: its frame stays inside the screen's free area, where
// there is room every page shows whole beside the list, and on small screens the page area
// scrolls and the tab bar shows its arrows, so every page and the print controls stay
// reachable, and no box of any page is smaller than on a screen the design fits. Writes
// <build>/screenshots/ablak-1280x720-lap0.png, -lap1.png, -lap7.png and the same for 1366x768: the
// window drawn where it stands on a screen of that size.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

#include "ablakfixture.h"
#include "payerstore/fizetok.h"
#include "payerwindows/fizetolista.h"

namespace {

struct Kepernyo {
  QRect szabad;  // the free area: the screen without its panel
  bool vanHely;  // the designed window fits
};

void PrintTo(const Kepernyo& k, std::ostream* os) {
  *os << k.szabad.width() << "x" << k.szabad.height() << "+" << k.szabad.x() << "+" << k.szabad.y();
}

// The widget's rectangle in the window's coordinates lies inside the window.
bool ablakban(const QWidget* w, const QWidget* c) {
  return w->rect().contains(QRect(c->mapTo(w, QPoint(0, 0)), c->size()));
}

// The input boxes a page shows, each with its size.
std::vector<std::pair<const QWidget*, QSize>> dobozok(const QWidget* lap) {
  std::vector<std::pair<const QWidget*, QSize>> d;
  for (const QWidget* c : lap->findChildren<QWidget*>()) {
    const bool doboz = (qobject_cast<const QLineEdit*>(c) && !qobject_cast<const QComboBox*>(c->parentWidget())) ||
                       qobject_cast<const QComboBox*>(c) || qobject_cast<const QAbstractSpinBox*>(c) ||
                       qobject_cast<const QAbstractScrollArea*>(c);
    if (doboz && c->isVisibleTo(lap)) d.emplace_back(c, c->size());
  }
  return d;
}

// Each page's boxes with the window fitted into `szabad`.
std::vector<std::vector<std::pair<const QWidget*, QSize>>> lapDobozok(frmLavindor& w, const QRect& szabad) {
  w.kepernyohozIgazit(szabad);
  std::vector<std::vector<std::pair<const QWidget*, QSize>>> r;
  for (int lap = 0; lap < 8; ++lap) {
    w.SSTab1->setCurrentIndex(lap);
    QApplication::processEvents();
    r.push_back(dobozok(qobject_cast<QScrollArea*>(w.SSTab1->currentWidget())->widget()));
  }
  return r;
}

// A tab is in sight and wide enough for its whole caption.
bool fulLathato(QTabBar* b, int i) {
  const QRect r = b->tabRect(i);
  return b->rect().contains(r) && r.width() >= b->fontMetrics().horizontalAdvance(b->tabText(i));
}

class KepernyoMeret : public AblakTest, public ::testing::WithParamInterface<Kepernyo> {};

TEST_P(KepernyoMeret, TheFrameStaysInsideTheFreeAreaAndEveryPageIsReachable) {
  const Kepernyo k = GetParam();
  auto w = indit();
  w->show();
  // Start-up fits it into the screen it opens on.
  EXPECT_TRUE(w->screen()->availableGeometry().contains(w->frameGeometry()));
  // Every page's boxes at the design size (1920 x 1080), then on this screen: none smaller.
  const auto terv = lapDobozok(*w, QRect(0, 0, 1920, 1050));
  const auto itt = lapDobozok(*w, k.szabad);
  for (size_t lap = 0; lap < 8; ++lap) {
    ASSERT_EQ(itt[lap].size(), terv[lap].size()) << lap;
    ASSERT_FALSE(terv[lap].empty()) << lap;
    for (size_t i = 0; i < terv[lap].size(); ++i) {
      const auto& [doboz, meret] = terv[lap][i];
      EXPECT_TRUE(itt[lap][i].second.width() >= meret.width() && itt[lap][i].second.height() >= meret.height())
          << lap << " " << doboz->objectName().toStdString() << ": " << itt[lap][i].second.width() << "x"
          << itt[lap][i].second.height() << ", at the design size " << meret.width() << "x" << meret.height();
    }
  }
  const QRect f = w->frameGeometry();
  EXPECT_TRUE(k.szabad.contains(f)) << f.width() << "x" << f.height() << "+" << f.x() << "+" << f.y();
  if (k.vanHely) {
    EXPECT_TRUE(w->height() >= 711 && w->width() >= 1440);
  }
  // The print and payer controls are whole inside the window.
  const QWidget* vezerlok[] = {w->cmdPrint, w->cmdRogzit, w->cmdOsszegek, w->OpOrientacioFekvo, w->lista->ListView1};
  for (const QWidget* c : vezerlok)
    EXPECT_TRUE(ablakban(w.get(), c)) << c->objectName().toStdString();
  QTabBar* fulek = w->SSTab1->tabBar();
  for (int lap : {7, 0, 5, 2}) {  // the last, the first, the widest two
    w->SSTab1->setCurrentIndex(lap);
    QApplication::processEvents();
    EXPECT_TRUE(fulLathato(fulek, lap)) << lap;
    // A page wider than its area scrolls; where there is room none does.
    auto* gorgo = qobject_cast<QScrollArea*>(w->SSTab1->currentWidget());
    ASSERT_TRUE(gorgo);
    EXPECT_GE(gorgo->widget()->width(), gorgo->widget()->minimumSizeHint().width()) << lap;
    if (k.vanHely)
      EXPECT_TRUE(gorgo->horizontalScrollBar()->maximum() == 0 && gorgo->verticalScrollBar()->maximum() == 0) << lap;
    else
      EXPECT_EQ(gorgo->horizontalScrollBar()->maximum() > 0,
                std::max(gorgo->widget()->minimumWidth(), gorgo->widget()->minimumSizeHint().width()) >
                    gorgo->viewport()->width())
          << lap;
  }
}

INSTANTIATE_TEST_SUITE_P(Kepernyok, KepernyoMeret,
                         ::testing::Values(Kepernyo{QRect(0, 0, 1280, 690), false},     // 1280 x 720, panel below
                                           Kepernyo{QRect(0, 28, 1366, 740), false},    // 1366 x 768, panel above
                                           Kepernyo{QRect(0, 0, 1280, 1024), false},    // 1280 x 1024
                                           Kepernyo{QRect(1920, 0, 1920, 1050), true}));  // a second, wide screen

TEST_F(AblakTest, ScreenshotsOnSmallScreens) {
  const QDir assets(QStringLiteral(LAVINDOR_BINARY_DIR "/assets"));
  for (const QString& nev : assets.entryList({QStringLiteral("*.jpg")}, QDir::Files))
    QFile::copy(assets.filePath(nev), folder.file(nev));
  NevekRekord azonositoval;
  decodeRecord(fizetoRekord({"Kovács Péter", "Győr", "Fő út 1.", "9021"}), azonositoval);
  azonositoval.BefizAzonosito = QStringLiteral("AZ-005");
  folder.put(kNevekFile, encodeRecord(azonositoval) + fizetoRekord({"Nagy Anna", "Pécs", "Király u. 3.", "7621"}));
  const QString cel = QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(cel));
  auto w = indit();
  w->show();
  w->ListView1_ItemClick(0);
  for (const QSize kepernyo : {QSize(1280, 720), QSize(1366, 768)}) {
    // A panel of 30 pixels at the bottom of the screen.
    w->kepernyohozIgazit(QRect(QPoint(0, 0), kepernyo - QSize(0, 30)));
    for (int lap : {0, 1, 7}) {
      w->SSTab1->setCurrentIndex(lap);
      QApplication::processEvents();
      QImage kep(kepernyo, QImage::Format_RGB32);  // the screen, its panel darker
      kep.fill(QColor(30, 30, 30));
      QPainter p(&kep);
      p.fillRect(w->frameGeometry(), QColor(200, 200, 200));
      p.drawPixmap(w->geometry().topLeft(), w->grab());
      p.end();
      EXPECT_TRUE(kep.save(
          QStringLiteral("%1/ablak-%2x%3-lap%4.png").arg(cel).arg(kepernyo.width()).arg(kepernyo.height()).arg(lap)));
    }
  }
}

}  // namespace
