// The envelope preview shows what prints: for each size, the recipient, the sender and the
// picture stand on the preview (millimetres of the envelope, through the preview's scale)
// where the recording printer places them, and the picture can be dragged anywhere on the
// envelope.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

#include "common/messages.h"
#include "common/mmkep.h"
#include "common/printer.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "common/tricheckbox.h"
#include "layouts/elsoinditas.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/boritekprint.h"
#include "support/tempfolder.h"

namespace {

// Where a widget stands on the preview, in millimetres of the envelope.
QPointF mm(const MmKep* k, const QWidget* w) {
  const double s = k->pxPerMm();
  const QPoint p = w->geometry().topLeft() - k->pictureRect().topLeft();
  return {p.x() / s, p.y() / s};
}

const PrintedText* nyomott(const RecordingPrinter& p, const QString& text) {
  for (const PrintedText& t : p.documents().back().pages.front().texts)
    if (t.text == text) return &t;
  return nullptr;
}

QLabel* mutatott(const BoritekLap& lap, const QString& text) {
  for (QLabel* l : lap.nyomatSorok())
    if (l->text() == text) return l;
  return nullptr;
}

struct BoritekElonezetTest : ::testing::Test {
  TempFolder dir;
  RecordingPrinter nyomtato;
  RecordedMessageBoxes uzenetek;
  Platform platform;
  BoritekRekord boritek;
  BoritekHely hely;
  SetRekord set;
  QString kivalasztott;
  double szeles = 0, magas = 0;
  KepmentRekord kepment;
  int16_t pozX = 0, pozY = 0;
  std::unique_ptr<BoritekLap> lap;

  void SetUp() override {
    platform.folder = dir.path();
    platform.printer = &nyomtato;
    platform.messages = &uzenetek;
    // The first start's envelope layout, the sender in a size of its own.
    BoritekRekord r;
    boritekAlapertekek(r);
    r.BoritekFeladoBetumeret = 9;
    ASSERT_TRUE(saveSettings(dir.path(), kBoritekFile, r));
    // A picture 20 x 10 mm.
    QImage k(200, 100, QImage::Format_RGB32);
    k.fill(Qt::darkRed);
    k.setDotsPerMeterX(10000);
    k.setDotsPerMeterY(10000);
    kivalasztott = dir.file(QStringLiteral("kep.png"));
    ASSERT_TRUE(k.save(kivalasztott));

    lap = std::make_unique<BoritekLap>(platform, boritek, hely);
    lap->setKep({&kivalasztott, &szeles, &magas, &kepment, &pozX, &pozY});
    lap->resize(1100, 600);
    lap->show();
    lap->chkKepPrint->setValue(1);
    lap->HScroll1_Change();
    lap->txtBoritekCimzettNev->setText(QStringLiteral("Kovács Péter"));
    lap->txtBoritekCimzettCim1->setText(QStringLiteral("Győr"));
    lap->txtBoritekCimzettCim2->setText(QStringLiteral("Fő út 1."));
    lap->txtBoritekCimzettIrSzam->setText(QStringLiteral("9021"));
    lap->txtBoritekFeladoNev->setText(QStringLiteral("Őrség Kft."));
    lap->txtBoritekFeladoIrSzam->setText(QStringLiteral("1132"));
  }

  void eger(QEvent::Type t, QPointF pos) {
    QMouseEvent e(t, pos, lap->Image3->mapToGlobal(pos), t == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(lap->Image3, &e);
  }

  // Prints the page's envelope on the recording printer, lying or standing.
  void nyomtat(bool allo) {
    lap->beforePrint();
    const BoritekAdatok a{lap->lapAllapot(), lap->cimzett(), lap->felado()};
    const PrintResult r =
        allo ? PrintAlloBoritek(a, platform, set, boritek, hely) : PrintFekvoBoritek(a, platform, set, boritek, hely);
    ASSERT_TRUE(r.printed);
  }
};

TEST_F(BoritekElonezetTest, RecipientSenderAndPictureStandWhereTheyPrintOnEachSize) {
  struct Eset {
    QRadioButton* opcio;
    double szeles, magas;   // the envelope, mm
    QPointF eltolas;        // the standing feed's offset on its sheet
    QPoint kep;             // the picture's left top, mm, dragged to
  };
  const Eset esetek[] = {{lap->OpB1, 162, 114, {66, 20}, {120, 80}},
                         {lap->OpB2, 229, 162, {0, 0}, {200, 140}},
                         {lap->OpB3, 229, 114, {15, 25}, {200, 90}}};
  for (const Eset& e : esetek) {
    SCOPED_TRACE(e.szeles * 1000 + e.magas);
    e.opcio->setChecked(true);
    EXPECT_EQ(lap->Picture2->widthMm(), e.szeles);
    EXPECT_EQ(lap->Picture2->heightMm(), e.magas);
    // The picture dragged from the envelope's corner to its place: the whole envelope can be
    // reached.
    lap->setImage3Twips(QRect(QPoint(0, 0), lap->image3Twips().size()));
    const double s = lap->pxPerMm();
    eger(QEvent::MouseButtonPress, {2, 2});
    eger(QEvent::MouseMove, {2 + e.kep.x() * s, 2 + e.kep.y() * s});
    eger(QEvent::MouseButtonRelease, {2 + e.kep.x() * s, 2 + e.kep.y() * s});
    EXPECT_NEAR(lap->lbXpoz->text().toDouble(), e.kep.x(), 1);
    EXPECT_NEAR(lap->lbYpoz->text().toDouble(), e.kep.y(), 1);
    EXPECT_TRUE(lap->Picture2->pictureRect().contains(lap->Image3->geometry().topLeft()));

    for (bool allo : {false, true}) {
      SCOPED_TRACE(allo ? "allo" : "fekvo");
      nyomtat(allo);
      // The lying feed prints on the envelope's own corner; the standing one adds its offset.
      const QPointF o = allo ? e.eltolas : QPointF();
      for (const QString& t : {QStringLiteral("Kovács Péter"), QStringLiteral("Fő út 1."), QStringLiteral("9021"),
                               QStringLiteral("Őrség Kft."), QStringLiteral("1132")}) {
        const PrintedText* p = nyomott(nyomtato, t);
        const QLabel* l = mutatott(*lap, t);
        ASSERT_TRUE(p && l) << t.toStdString();
        const QPointF m = mm(lap->Picture2, l);
        EXPECT_NEAR(m.x() + o.x(), p->x, 0.5) << t.toStdString();
        EXPECT_NEAR(m.y() + o.y(), p->y, 0.5) << t.toStdString();
        EXPECT_NEAR(l->font().pixelSize(), p->size * 25.4 / 72 * s, 1) << t.toStdString();
        EXPECT_EQ(l->font().bold(), p->bold) << t.toStdString();
      }
      const std::vector<PrintedPicture>& kepek = nyomtato.documents().back().pages.front().pictures;
      ASSERT_EQ(kepek.size(), 1u);
      const QPointF k = mm(lap->Picture2, lap->Image3);
      EXPECT_NEAR(k.x() + o.x(), kepek[0].x, 0.6);
      EXPECT_NEAR(k.y() + o.y(), kepek[0].y, 0.6);
      EXPECT_NEAR(lap->Image3->width() / s, kepek[0].width, 0.5);
      EXPECT_NEAR(lap->Image3->height() / s, kepek[0].height, 0.5);
    }
  }
}

}  // namespace
