#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/recordfile.h"
#include "common/tricheckbox.h"
#include "printing/envelopes/cimkelap.h"
#include "support/tempfolder.h"

namespace {

struct CimkeFixture : ::testing::Test {
  TempFolder dir;
  Platform platform;
  CimkeSetupRekord setup;
  std::unique_ptr<CimkeLap> lap;
  int pressed = 0;

  void SetUp() override {
    platform.folder = dir.path();
    lap = std::make_unique<CimkeLap>(platform, setup);
    lap->fillChoices();
    QObject::connect(lap->cmdCimkeMeretRogzites, &QPushButton::clicked, [this] { ++pressed; });
  }
  void grid(const char* c, const char* r) {
    lap->txtOszlop->setCurrentText(QString::fromLatin1(c));
    lap->txtSor->setCurrentText(QString::fromLatin1(r));
    lap->racsKiosztas();
  }
  bool shown(int k) const { return !lap->chkCimke1[size_t(k)]->isHidden(); }
};

TEST_F(CimkeFixture, TwoColumnsSixRows) {
  grid("2", "6");
  for (int k = 1; k <= 12; ++k) {
    EXPECT_TRUE(shown(k)) << k;
    EXPECT_EQ(lap->chkCimke1[size_t(k)]->text(), QString::number(k));
  }
  for (int k = 13; k <= 40; ++k) EXPECT_FALSE(shown(k)) << k;
  EXPECT_EQ(lap->cimkeTwips(1), QRect(45, 135, 1685, 774));
  EXPECT_EQ(lap->cimkeTwips(2), QRect(45 + 1685 + 8, 135, 1685, 774));
  EXPECT_EQ(lap->cimkeTwips(3), QRect(45, 135 + 774 + 20, 1685, 774));
  EXPECT_EQ(lap->cimkeTwips(12).topLeft(), QPoint(45 + 1685 + 8, 135 + 5 * (774 + 20)));
  EXPECT_EQ(lap->txtSzeles->text(), QStringLiteral("105"));
  EXPECT_EQ(lap->txtMagas->text(), QStringLiteral("49,5"));
}

TEST_F(CimkeFixture, SizesByTheTables) {
  grid("1", "3");
  EXPECT_EQ(lap->cimkeTwips(1).size(), QSize(3390, 1565));
  EXPECT_EQ(lap->txtSzeles->text(), QStringLiteral("210"));
  EXPECT_EQ(lap->txtMagas->text(), QStringLiteral("99"));
  grid("3", "4");
  EXPECT_EQ(lap->cimkeTwips(12).size(), QSize(1130, 1170));
  EXPECT_EQ(lap->txtSzeles->text(), QStringLiteral("70"));
  EXPECT_EQ(lap->txtMagas->text(), QStringLiteral("74,25"));
  grid("3", "7");
  EXPECT_EQ(lap->cimkeTwips(1).height(), 669);
  EXPECT_EQ(lap->txtMagas->text(), QStringLiteral("42,4285714285714"));
  grid("2", "8");
  EXPECT_EQ(lap->cimkeTwips(1).height(), 587);
  EXPECT_EQ(lap->txtMagas->text(), QStringLiteral("37,125"));
  grid("2", "5");
  EXPECT_EQ(lap->cimkeTwips(1).height(), 935);
}

TEST_F(CimkeFixture, CountsOutsideTheTablesKeepSizeButStillPlace) {
  grid("2", "6");
  grid("4", "9");  // 36 positions: width and height not in the tables
  EXPECT_EQ(lap->cimkeTwips(1).size(), QSize(1685, 774));
  EXPECT_EQ(lap->txtSzeles->text(), QStringLiteral("105"));
  EXPECT_EQ(lap->txtMagas->text(), QStringLiteral("49,5"));
  for (int k = 1; k <= 36; ++k) EXPECT_TRUE(shown(k)) << k;
  for (int k = 37; k <= 40; ++k) EXPECT_FALSE(shown(k)) << k;
  EXPECT_EQ(lap->cimkeTwips(5).topLeft(), QPoint(45, 135 + 774 + 20));
  EXPECT_EQ(lap->cimkeTwips(4).topLeft(), QPoint(45 + 3 * (1685 + 8), 135));
}

TEST_F(CimkeFixture, FewerPositionsHideEveryBoxBeyondTheGrid) {
  grid("4", "10");  // all 40
  for (int k = 1; k <= 40; ++k) EXPECT_TRUE(shown(k)) << k;
  grid("1", "3");
  for (int k = 1; k <= 3; ++k) EXPECT_TRUE(shown(k)) << k;
  for (int k = 4; k <= 40; ++k) EXPECT_FALSE(shown(k)) << k;  // 25..40 as well
}

TEST_F(CimkeFixture, MoreThanFortyPositionsLeaveTheGrid) {
  grid("2", "6");
  lap->txtSzeles->setText(QStringLiteral("kézi"));
  grid("5", "10");
  for (int k = 1; k <= 12; ++k) EXPECT_TRUE(shown(k)) << k;
  for (int k = 13; k <= 40; ++k) EXPECT_FALSE(shown(k)) << k;
  EXPECT_EQ(lap->txtSzeles->text(), QStringLiteral("kézi"));
  EXPECT_EQ(lap->cimkeTwips(3), QRect(45, 135 + 774 + 20, 1685, 774));
}

TEST_F(CimkeFixture, NonNumericCountHidesEveryBox) {
  grid("2", "6");
  grid("abc", "6");
  for (int k = 1; k <= 40; ++k) EXPECT_FALSE(shown(k)) << k;
  EXPECT_EQ(lap->txtSzeles->text(), QStringLiteral("105"));
}

TEST_F(CimkeFixture, EnteringWithNoColumnCountPressesTheSetupButton) {
  lap->txtOszlop->setCurrentText(QStringLiteral("2"));
  lap->txtSor->setCurrentText(QStringLiteral("6"));
  setup.Oszlop = 3;
  lap->belep();  // no CimkeSetup.dat: reads zeros
  EXPECT_EQ(pressed, 1);
  EXPECT_EQ(setup.Oszlop, 0);
  EXPECT_TRUE(shown(12));
  EXPECT_FALSE(shown(13));
}

TEST_F(CimkeFixture, EnteringWithAStoredSheetDoesNotPress) {
  CimkeSetupRekord r;
  r.Oszlop = 3;
  r.Sor = 8;
  r.KinyomottCimkeNum = 1234;
  ASSERT_TRUE(saveSettings(dir.path(), kCimkeSetupFile, r));
  lap->txtOszlop->setCurrentText(QStringLiteral("3"));
  lap->txtSor->setCurrentText(QStringLiteral("8"));
  lap->belep();
  EXPECT_EQ(pressed, 0);
  EXPECT_EQ(setup.Oszlop, 3);
  EXPECT_EQ(setup.KinyomottCimkeNum, 1234);
  EXPECT_TRUE(shown(24));
  EXPECT_FALSE(shown(25));
}

TEST_F(CimkeFixture, StartUpShowsTheSheetWithDefaults) {
  EXPECT_EQ(lap->txtOszlop->count(), 4);
  EXPECT_EQ(lap->txtOszlop->itemText(0), QStringLiteral("4"));
  EXPECT_EQ(lap->txtSor->count(), 8);
  EXPECT_EQ(lap->txtSor->itemText(0), QStringLiteral("10"));
  EXPECT_EQ(lap->txtSor->itemText(7), QStringLiteral("3"));

  lap->showSetup();  // zeros
  EXPECT_EQ(lap->txtLeft->text(), QStringLiteral("5"));
  EXPECT_EQ(lap->txtTop->text(), QStringLiteral("5"));
  EXPECT_EQ(lap->txtOszlop->currentText(), QStringLiteral("2"));
  EXPECT_EQ(lap->txtSor->currentText(), QStringLiteral("6"));
  EXPECT_EQ(lap->txtSzeles->text(), QStringLiteral("0"));
  EXPECT_EQ(lap->txtMagas->text(), QStringLiteral("0"));
  EXPECT_EQ(lap->lbKinyomottCimkeNum->text(), QStringLiteral("0"));

  setup.Left = Fixed::fromDouble(7.5);
  setup.Top = Fixed::fromDouble(3);
  setup.Szeles = Fixed::fromDouble(70);
  setup.Magas = Fixed::fromDouble(42.4286);
  setup.Oszlop = 3;
  setup.Sor = 7;
  setup.KinyomottCimkeNum = 5021;
  lap->showSetup();
  EXPECT_EQ(lap->txtLeft->text(), QStringLiteral("7,5"));
  EXPECT_EQ(lap->txtTop->text(), QStringLiteral("3"));
  EXPECT_EQ(lap->txtOszlop->currentText(), QStringLiteral("3"));
  EXPECT_EQ(lap->txtSor->currentText(), QStringLiteral("7"));
  EXPECT_EQ(lap->txtSzeles->text(), QStringLiteral("70"));
  EXPECT_EQ(lap->txtMagas->text(), QStringLiteral("42,4286"));
  EXPECT_EQ(lap->lbKinyomottCimkeNum->text(), QStringLiteral("5021"));
}

TEST_F(CimkeFixture, CaptionsAndTips) {
  EXPECT_EQ(lap->cmdCimkeMeretRogzites->text(), QStringLiteral("&Rögzítés"));
  EXPECT_EQ(lap->txtLeft->toolTip(), QStringLiteral("A név első karakterének pozíciója az A4-es lap bal szélétől."));
  EXPECT_EQ(lap->chkEgyediCimke->text(), QStringLiteral("Egyedi cimke nyomtatás"));
  EXPECT_TRUE(lap->keretEgyediCimke->isHidden());
  EXPECT_EQ(lap->chkCimke1[0], nullptr);
  EXPECT_NE(lap->chkCimke1[40], nullptr);
}

}  // namespace
