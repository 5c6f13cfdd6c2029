// The return-receipt page: its design state and the page change that fills the return-address
// preview from SetTerti.dat by the chosen card.
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "common/tricheckbox.h"
#include "lapfixture.h"
#include "printing/receipts/tertilap.h"

namespace {
using TertiLapTest = LapFixture;

TEST_F(TertiLapTest, DesignStateDomesticCardMarksHidden) {
  TertiLap p(platform, layouts);
  EXPECT_EQ(p.opBelfold[0]->text(), "Belföldi");
  EXPECT_EQ(p.opBelfold[1]->text(), "Küldöldi");
  EXPECT_TRUE(p.opBelfold[0]->isChecked());
  EXPECT_TRUE(p.belfoldi());
  EXPECT_EQ(p.chkTPri->toolTip(), "Elsőbbségi");
  EXPECT_EQ(p.chkTSk->toolTip(), "Saját kézbe");
  EXPECT_EQ(p.chkTUv->toolTip(), "Utánvét");
  for (int i = 0; i < 11; ++i) {
    if (i < 6) {
      EXPECT_EQ(p.lbX[size_t(i)], nullptr) << i;  // the posting receipt's marks
      continue;
    }
    ASSERT_NE(p.lbX[size_t(i)], nullptr) << i;
    EXPECT_EQ(p.lbX[size_t(i)]->text(), "X");
    EXPECT_TRUE(p.lbX[size_t(i)]->isHidden()) << i;
    EXPECT_EQ(p.lbX[size_t(i)]->parentWidget(), p.Picture3);
  }
  // The letter and parcel boxes and the separate postcode belong to the international card.
  EXPECT_TRUE(p.chkLevel->isHidden());
  EXPECT_TRUE(p.chkKCsomag->isHidden());
  EXPECT_TRUE(p.lbSajatIrsz->isHidden());
  EXPECT_EQ(p.chkTPri->value(), 0);
}

TEST_F(TertiLapTest, DomesticPostcodeInItsOwnLabel) {
  tertiFajl();
  TertiLap p(platform, layouts);
  const LapValtas v = p.belep();
  EXPECT_EQ(v.BeallitasFul, 1);
  EXPECT_FALSE(v.csakEgyes);  // the print buttons follow the list selection here
  EXPECT_EQ(p.lbSajatNev2->text(), pad("Kovács Árpád Őrmester Kft.", 40));
  EXPECT_EQ(p.lbSajatCim2_1->text(), pad("Budapest, Fő utca 12.", 40));
  EXPECT_EQ(p.lbSajatCim2_2->text(), pad("II. emelet 4. ajtó", 40));
  EXPECT_EQ(p.lbSajatIrsz->text(), pad("  1052", 10));
  EXPECT_TRUE(p.lbSajatIrsz->isHidden());  // three lines on the domestic card
  // The shared copy now holds the record read, for the printers.
  EXPECT_EQ(layouts.Terti.TertiBetuMeret, 11);
  EXPECT_EQ(layouts.Terti.TertiVisszakuldIrsz, pad("  1052", 10));
}

TEST_F(TertiLapTest, InternationalPostcodeLeadsTheFirstLine) {
  tertiFajl();
  TertiLap p(platform, layouts);
  p.opBelfold[1]->setChecked(true);
  EXPECT_FALSE(p.belfoldi());
  p.lbSajatIrsz->setText("régi");
  p.belep();
  EXPECT_EQ(p.lbSajatNev2->text(), pad("Kovács Árpád Őrmester Kft.", 40));
  EXPECT_EQ(p.lbSajatCim2_1->text(), "1052 " + pad("Budapest, Fő utca 12.", 40));
  EXPECT_EQ(p.lbSajatCim2_2->text(), pad("II. emelet 4. ajtó", 40));
  EXPECT_EQ(p.lbSajatIrsz->text(), "");
  EXPECT_FALSE(p.lbSajatIrsz->isHidden());  // shown, but empty

  // Back to the domestic card: the postcode returns to its own label.
  p.opBelfold[0]->setChecked(true);
  EXPECT_EQ(p.lbSajatIrsz->text(), pad("  1052", 10));
  EXPECT_EQ(p.lbSajatCim2_1->text(), pad("Budapest, Fő utca 12.", 40));
}

TEST_F(TertiLapTest, TheFileIsReadAtEveryPageChange) {
  tertiFajl();
  TertiLap p(platform, layouts);
  p.belep();
  SetTertiRekord r;
  EXPECT_TRUE(loadSettings(dir.path(), kSetTertiFile, r));
  r.TertiVisszakuldNev = QStringLiteral("Új Feladó Bt.");
  ASSERT_TRUE(saveSettings(dir.path(), kSetTertiFile, r));
  p.belep();
  EXPECT_EQ(p.lbSajatNev2->text(), pad("Új Feladó Bt.", 40));
}

TEST_F(TertiLapTest, MissingFileGivesAnEmptyReturnAddress) {
  TertiLap p(platform, layouts);
  layouts.Terti.TertiVisszakuldNev = QStringLiteral("előző");
  p.lbSajatNev2->setText("előző");
  p.belep();
  EXPECT_EQ(p.lbSajatNev2->text(), "");
  EXPECT_EQ(p.lbSajatCim2_1->text().trimmed(), "");
  EXPECT_EQ(p.lbSajatCim2_2->text(), "");
  EXPECT_EQ(p.lbSajatIrsz->text().trimmed(), "");
  EXPECT_EQ(trimmed(layouts.Terti.TertiVisszakuldNev), "");  // replaced by the empty record
  // Opening creates the file empty; nothing is written into it.
  EXPECT_TRUE(dir.exists(kSetTertiFile));
  EXPECT_EQ(dir.bytes(kSetTertiFile).size(), 0);
}

TEST_F(TertiLapTest, ShortFileReadsTheRestAsBlanks) {
  tertiFajl();
  // Cut inside the first address line: the name survives, the rest reads as blanks.
  dir.put(kSetTertiFile, dir.bytes(kSetTertiFile).left(150));
  TertiLap p(platform, layouts);
  p.opBelfold[1]->setChecked(true);
  p.belep();
  EXPECT_EQ(p.lbSajatNev2->text(), pad("Kovács Árpád Őrmester Kft.", 40));
  EXPECT_EQ(p.lbSajatCim2_1->text(), " Bud");  // an empty postcode, its blank, the line
  EXPECT_EQ(p.lbSajatCim2_2->text(), "");
  EXPECT_EQ(p.lbSajatIrsz->text(), "");
  EXPECT_EQ(dir.bytes(kSetTertiFile).size(), 150);  // reading never writes
}

TEST_F(TertiLapTest, PreviewPictureOrNone) {
  TertiLap p(platform, layouts);
  p.setPreview(QImage());
  EXPECT_FALSE(p.Picture3->hasPreview());
  EXPECT_TRUE(p.Picture3->pixmap().isNull());
  QImage kep(990, 630, QImage::Format_RGB32);
  kep.fill(Qt::white);
  p.setPreview(kep);
  EXPECT_TRUE(p.Picture3->hasPreview());
  EXPECT_LE(p.Picture3->pixmap().width(), p.Picture3->width());
  // A lying picture is fitted, not cut.
  p.setPreview(kep.transformed(QTransform().rotate(90)));
  EXPECT_LE(p.Picture3->pixmap().height(), p.Picture3->height());
  // The page still works without a picture.
  p.setPreview(QImage());
  tertiFajl();
  p.belep();
  EXPECT_FALSE(p.lbSajatNev2->text().isEmpty());
}

}  // namespace
