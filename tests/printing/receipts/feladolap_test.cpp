// The posting-receipt page: its controls and the page change that puts the sender of
// SetFveveny.dat on the page.
#include <QLabel>
#include <QLineEdit>

#include "common/tricheckbox.h"
#include "lapfixture.h"
#include "payerstore/nevekrekord.h"
#include "printing/receipts/feladolap.h"

namespace {
using FeladoLapTest = LapFixture;

TEST_F(FeladoLapTest, ServiceMarksTheirTipsAndHiddenMarks) {
  FeladoLap p(platform, layouts);
  const std::pair<TriCheckBox*, const char*> jelek[] = {
      {p.chkSK, "Saját kézbe"},
      {p.chkPRI, "Elsőbbségi"},
      {p.chkPL, "Postai lezárás"},
      {p.chkLEGI, "e-értesítés"},
      {p.chk5, "Levélszekrény útján nem kézbesíthető"},
      {p.chk6, "kétszeri kézbesítési kísérlet"},
  };
  for (auto [c, tip] : jelek) EXPECT_EQ(c->toolTip(), QString::fromUtf8(tip));
  for (int i = 0; i < 11; ++i) {
    if (i > 5) {
      EXPECT_EQ(p.lbX[size_t(i)], nullptr) << i;  // the return receipt's marks
      continue;
    }
    ASSERT_NE(p.lbX[size_t(i)], nullptr);
    EXPECT_EQ(p.lbX[size_t(i)]->text(), "X");
    EXPECT_TRUE(p.lbX[size_t(i)]->isHidden());
  }
  EXPECT_EQ(p.lbFt[0]->text(), "Ft");
  EXPECT_EQ(p.chkErtek->value(), 0);
  // The declared value shows only while its box is ticked, from the first show on and after
  // a fill: a value typed into a box that does not print is not offered.
  p.show();
  EXPECT_TRUE(p.txErtek->isHidden());
  EXPECT_TRUE(p.lbFt[0]->isHidden());
  p.chkErtek->setValue(1);
  EXPECT_TRUE(p.txErtek->isVisible());
  EXPECT_TRUE(p.lbFt[0]->isVisible());
  p.chkErtek->setValue(0);
  NevekRekord n;
  Kozl3sorRekord k;
  p.fill({n, k, {}, false});
  EXPECT_TRUE(p.txErtek->isHidden());
  EXPECT_TRUE(p.lbFt[0]->isHidden());
}

TEST_F(FeladoLapTest, SenderAsStored) {
  SetFvevenyRekord r;
  r.FeladovevenyBetuMeret = 10;
  r.FeladovevenyFeladoNev = QStringLiteral("Szőke Tímea egyéni vállalkozó");
  r.FeladovevenyFeladoCim1 = QStringLiteral("6720 Szeged,");
  r.FeladovevenyFeladoCim2 = QStringLiteral("  Kárász utca 9.");
  ASSERT_TRUE(saveSettings(dir.path(), kSetFvevenyFile, r));

  FeladoLap p(platform, layouts);
  const LapValtas v = p.belep();
  EXPECT_EQ(v.BeallitasFul, 2);
  EXPECT_TRUE(v.csakEgyes);
  EXPECT_EQ(p.lbSajatNev->text(), pad("Szőke Tímea egyéni vállalkozó", 40));
  EXPECT_EQ(p.lbSajatCim1->text(), pad("6720 Szeged,", 40));
  EXPECT_EQ(p.lbSajatCim2->text(), pad("  Kárász utca 9.", 40));
  EXPECT_EQ(layouts.Fveveny.FeladovevenyBetuMeret, 10);
}

TEST_F(FeladoLapTest, MissingFileEmptiesTheSenderAndKeepsTheRest) {
  FeladoLap p(platform, layouts);
  p.lbSajatNev->setText("előző");
  p.lbSajatCim1->setText("előző");
  p.txNev3->setText("Címzett Cecília");
  p.txErtek->setText("5000");
  p.belep();
  EXPECT_EQ(p.lbSajatNev->text(), "");
  EXPECT_EQ(p.lbSajatCim1->text(), "");
  EXPECT_EQ(p.lbSajatCim2->text(), "");
  // Only the sender comes from the layout file.
  EXPECT_EQ(p.txNev3->text(), "Címzett Cecília");
  EXPECT_EQ(p.txErtek->text(), "5000");
  EXPECT_EQ(dir.bytes(kSetFvevenyFile).size(), 0);
}

}  // namespace
