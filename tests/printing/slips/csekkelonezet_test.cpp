// The slip's picture shows each item where and as it prints: for both feeds, with the factory
// layout and with a layout of its own, an item's place on the picture (millimetres of the slip
// through the picture's scale) is where the recording printer puts the same item, its text is
// the printed text (settlement in capitals, the postcode as one string, the identifier), and
// an item whose print switch is off is not shown.
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "common/mmkep.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/tricheckbox.h"
#include "payerstore/nevekrekord.h"
#include "printing/slips/csekklap.h"
#include "slipexpect.h"
#include "support/tempfolder.h"

namespace {

// Where a widget stands on the slip, in millimetres (the picture fills its widget, so the two
// directions have scales of their own).
QPointF mm(const MmKep* k, const QWidget* w) {
  const QRect r = k->pictureRect();
  const QPoint p = w->geometry().topLeft() - r.topLeft();
  return {p.x() * k->widthMm() / r.width(), p.y() * k->heightMm() / r.height()};
}

// The `n`-th printed text reading `text`.
const PrintedText* nyomott(const std::vector<PrintedText>& nyomat, const QString& text, int n = 0) {
  for (const PrintedText& t : nyomat)
    if (t.text == text && n-- == 0) return &t;
  return nullptr;
}

class CsekkElonezetTest : public testing::Test {
 protected:
  CsekkElonezetTest() {
    platform.folder = folder.path();
    platform.printer = &nyomtato;
  }
  void layout(const SetRekord& s) { ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s)); }
  void fill(CsekkLap& lap) {
    NevekRekord n;
    n.Nev = QStringLiteral("Kovács Éva");
    n.Helyseg = QStringLiteral("Győr");
    n.Cim = QStringLiteral("Fő út 1.");
    n.Irsz = QStringLiteral("9021");
    n.BefizAzonosito = QStringLiteral("AZ-77");
    Kozl3sorRekord k;
    k.Kozlemeny = QStringLiteral("Első félév");
    lap.ugyfelKitolt(n, k, QString(), false);
    lap.Text1[1]->setText(lap.txNev->text());  // the main window's copy of the name
    lap.Kozlemeny1->setEditText(QStringLiteral("Tagdíj"));
    lap.txtJogcim1->setEditText(QStringLiteral("Jogcím"));
    lap.txOsszeg->setEditText(QStringLiteral("12345"));
    lap.resize(1000, 800);
    lap.show();
    lap.layout()->activate();
  }

  // Prints the page's slip and compares the shown items with the printed ones; `dx` is the
  // correction the standing feed adds to the print.
  void egyezik(CsekkLap& lap, Tajolas t, double dx = 0) {
    lap.showPicture(t);
    SetRekord olvasott;
    const PrintResult r = t == Tajolas::Allo ? PrintAlloCsekk(lap.adatok(), platform, olvasott)
                                             : PrintFekvoCsekk(lap.adatok(), platform, olvasott);
    ASSERT_TRUE(r.printed);
    const std::vector<PrintedText> nyomat = nyomtato.documents().back().texts();
    const double s = lap.Picture2->pictureRect().height() / 105.0;  // text sizes follow the height
    struct Elem {
      const QWidget* w;
      QString text;  // the printed text; the widget shows it too unless `sajat` is set
      int n;
      QString sajat;
    };
    const Elem elemek[] = {
        {lap.balBlokk[0], QStringLiteral("Kovács Éva"), 0, {}},
        {lap.balBlokk[1], QStringLiteral("GYŐR"), 0, {}},
        {lap.balBlokk[3], QStringLiteral("9021"), 0, {}},
        {lap.Text1[0], QStringLiteral("GYŐR"), 1, QStringLiteral("Győr")},
        {lap.Text1[3], QStringLiteral("9021"), 1, QStringLiteral("9021")},
        {lap.lbBefizAzon, QStringLiteral("AZ-77"), 0, {}},
        {lap.kozlemenySorok[0], QStringLiteral("Tagdíj"), 0, {}},
        {lap.jogcimSorok[1], QStringLiteral("Első félév"), 1, {}},
        {lap.lbOsszeg, QStringLiteral("12345"), 1, QStringLiteral("12345")},
        {lap.txtSzoveg12, QStringLiteral("háromszáznegyvenöt*"), 1, QStringLiteral("háromszáznegyvenöt")},
    };
    for (const Elem& e : elemek) {
      SCOPED_TRACE(e.w->objectName().toStdString());
      const PrintedText* p = nyomott(nyomat, e.text, e.n);
      ASSERT_TRUE(p);
      // The amount prints as "***", the amount, "***": it starts with the first run.
      const PrintedText* kezdet = e.w == lap.lbOsszeg ? p - 1 : p;
      const QPointF m = mm(lap.Picture2, e.w);
      EXPECT_NEAR(m.x() + dx, kezdet->x, 0.4);
      EXPECT_NEAR(m.y(), kezdet->y, 0.4);
      EXPECT_NEAR(e.w->font().pixelSize(), p->size * 25.4 / 72 * s, 1);
      EXPECT_TRUE(e.w->isVisible());
      const auto* l = qobject_cast<const QLabel*>(e.w);
      const auto* b = qobject_cast<const QLineEdit*>(e.w);
      EXPECT_EQ((l ? l->text() : b->text()).toStdString(), (e.sajat.isEmpty() ? e.text : e.sajat).toStdString());
    }
  }

  TempFolder folder;
  RecordingPrinter nyomtato;
  Platform platform;
  SetRekord set;  // the page's copy of the general settings
};

TEST_F(CsekkElonezetTest, ItemsStandWhereBothFeedsPrintThemWithTheFactoryLayout) {
  layout(slip::factoryLayout());
  CsekkLap lap(platform, set);
  fill(lap);
  {
    SCOPED_TRACE("standing");
    egyezik(lap, Tajolas::Allo);
  }
  // Standing, the postcode starts at 10 mm, on its box of the picture, not in digit cells.
  EXPECT_NEAR(mm(lap.Picture2, lap.balBlokk[3]).x(), 10, 0.4);
  EXPECT_NEAR(mm(lap.Picture2, lap.balBlokk[3]).y(), 68, 0.4);
  {
    SCOPED_TRACE("lying");
    egyezik(lap, Tajolas::Fekvo);
  }
}

TEST_F(CsekkElonezetTest, ALayoutOfItsOwnMovesTheItemsAndTheSwitchesHideThem) {
  SetRekord s = slip::factoryLayout();
  s.Cim_x1 = slip::mm(12.5), s.Cim_y = slip::mm(47), s.Irsz_y = slip::mm(66);
  s.BefizAzon_x = slip::mm(95), s.Kozlemeny_y = slip::mm(8);
  s.Vkorrekcio = -3;  // the printer's correction: the picture shows the slip without it
  layout(s);
  CsekkLap lap(platform, set);
  fill(lap);
  egyezik(lap, Tajolas::Allo, -3);
  // The identifier and the notice switched off: not shown; the amount box stays for typing.
  s.Nyomtatando[7] = 0;
  s.Nyomtatando[4] = 0;
  s.Nyomtatando[0] = 0;
  layout(s);
  lap.activate();
  EXPECT_FALSE(lap.lbBefizAzon->isVisible());
  EXPECT_FALSE(lap.kozlemenySorok[0]->isVisible());
  EXPECT_FALSE(lap.lbOsszeg->isVisible());
  EXPECT_TRUE(lap.txOsszeg->isVisible());
  EXPECT_TRUE(lap.balBlokk[0]->isVisible());
}

}  // namespace
