#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QFrame>
#include <QRadioButton>

#include "common/recordfile.h"
#include "printing/envelopes/boriteklap.h"
#include "support/tempfolder.h"

namespace {

struct BoritekFixture : ::testing::Test {
  TempFolder dir;
  Platform platform;
  BoritekRekord boritek;
  BoritekHely hely;
  int fekvo = 0;
  std::unique_ptr<BoritekLap> lap;

  void SetUp() override {
    platform.folder = dir.path();
    lap = std::make_unique<BoritekLap>(platform, boritek, hely);
    lap->enableFekvo = [this] { ++fekvo; };
  }
  void saveRecord() {
    BoritekRekord r;
    r.C6Felado_x = 10, r.C6Felado_y = 11, r.C6Cimzett_y = 50, r.C6Cimzett_x = 80;
    r.C5Felado_x = 20, r.C5Felado_y = 21, r.C5Cimzett_y = 90, r.C5Cimzett_x = 120;
    r.C56Felado_x = 30, r.C56Felado_y = 31, r.C56Cimzett_y = 60, r.C56Cimzett_x = 130;
    r.BoritekFeladoNev = QStringLiteral("  Őrség Kft.");
    r.BoritekFeladoCim1 = QStringLiteral("Győr");
    r.BoritekFeladoCim2 = QStringLiteral("Árpád út 1. ");
    r.BoritekFeladoIrSzam = QStringLiteral("9021");
    ASSERT_TRUE(saveSettings(dir.path(), kBoritekFile, r));
  }
};

TEST_F(BoritekFixture, EnteringShowsTheSenderTrimmed) {
  saveRecord();
  lap->txtBoritekFeladoNev->setText(QStringLiteral("régi"));
  lap->belep();
  EXPECT_EQ(lap->txtBoritekFeladoNev->text(), QStringLiteral("Őrség Kft."));
  EXPECT_EQ(lap->txtBoritekFeladoCim1->text(), QStringLiteral("Győr"));
  EXPECT_EQ(lap->txtBoritekFeladoCim2->text(), QStringLiteral("Árpád út 1."));
  EXPECT_EQ(lap->txtBoritekFeladoIrSzam->text(), QStringLiteral("9021"));
  EXPECT_EQ(trimmed(boritek.BoritekFeladoNev), QStringLiteral("Őrség Kft."));  // shared copy replaced
  // Positions are left to the size options.
  EXPECT_EQ(hely.BoritekMeret, 0);
  EXPECT_EQ(hely.BoritekCimzettX, 0);
  EXPECT_EQ(fekvo, 0);
}

TEST_F(BoritekFixture, MissingFileGivesEmptySender) {
  lap->txtBoritekFeladoNev->setText(QStringLiteral("régi"));
  lap->belep();
  EXPECT_TRUE(lap->txtBoritekFeladoNev->text().isEmpty());
  EXPECT_TRUE(lap->txtBoritekFeladoIrSzam->text().isEmpty());
  lap->OpB2->setChecked(true);
  EXPECT_EQ(hely.BoritekMeret, 2);
  EXPECT_EQ(hely.BoritekFeladoX, 0);
}

TEST_F(BoritekFixture, SizeOptionsCopyTheirGroupAndShowTheSample) {
  saveRecord();
  lap->OpB2->setChecked(true);
  EXPECT_EQ(hely.BoritekMeret, 2);
  EXPECT_EQ(hely.BoritekFeladoX, 20);
  EXPECT_EQ(hely.BoritekFeladoY, 21);
  EXPECT_EQ(hely.BoritekCimzettY, 90);
  EXPECT_EQ(hely.BoritekCimzettX, 120);
  EXPECT_EQ(lap->Label3[4]->text(), QStringLiteral("C5 boríték"));
  EXPECT_EQ(lap->boritekMintaTwips(), QSize(2290, 1620));
  EXPECT_EQ(lap->lbBoritekSzeles->text(), QStringLiteral("229 mm"));
  EXPECT_EQ(lap->lbBoritekMagas->text(), QStringLiteral("162 mm"));
  EXPECT_EQ(fekvo, 0);  // only C6 enables "Fekvő"

  lap->OpB3->setChecked(true);
  EXPECT_EQ(hely.BoritekMeret, 3);
  EXPECT_EQ(hely.BoritekFeladoX, 30);
  EXPECT_EQ(hely.BoritekCimzettX, 130);
  EXPECT_EQ(lap->Label3[4]->text(), QStringLiteral("C5/6 csekk boríték"));
  EXPECT_EQ(lap->boritekMintaTwips(), QSize(2290, 1140));
  EXPECT_EQ(fekvo, 0);

  lap->OpB1->setChecked(true);
  EXPECT_EQ(hely.BoritekMeret, 1);
  EXPECT_EQ(hely.BoritekFeladoY, 11);
  EXPECT_EQ(hely.BoritekCimzettY, 50);
  EXPECT_EQ(hely.BoritekCimzettX, 80);
  EXPECT_EQ(lap->Label3[4]->text(), QStringLiteral("C6 Normál boríték"));
  EXPECT_EQ(lap->boritekMintaTwips(), QSize(1620, 1140));
  EXPECT_EQ(lap->lbBoritekSzeles->text(), QStringLiteral("162 mm"));
  EXPECT_EQ(lap->lbBoritekMagas->text(), QStringLiteral("114 mm"));
  EXPECT_EQ(fekvo, 1);
}

TEST_F(BoritekFixture, SizeOptionReadsTheFileAgain) {
  saveRecord();
  lap->OpB1->setChecked(true);
  BoritekRekord r;
  EXPECT_TRUE(loadSettings(dir.path(), kBoritekFile, r));
  r.C6Cimzett_x = 99;
  ASSERT_TRUE(saveSettings(dir.path(), kBoritekFile, r));
  lap->OpB2->setChecked(true);
  lap->OpB1->setChecked(true);
  EXPECT_EQ(hely.BoritekCimzettX, 99);
  EXPECT_EQ(boritek.C6Cimzett_x, 99);
}

TEST_F(BoritekFixture, PictureCaptionsFollowOneRule) {
  lap->setImage3Twips(QRect(440, 310, 1905, 1905));
  lap->OpB1->setChecked(true);
  EXPECT_EQ(lap->lbXpoz->text(), QStringLiteral("10"));
  EXPECT_EQ(lap->lbYpoz->text(), QStringLiteral("7"));  // 310 / 44 = 7.05
  // C5: 31 twips per mm down, 44 across, as at start-up.
  lap->OpB2->setChecked(true);
  EXPECT_EQ(lap->lbXpoz->text(), QStringLiteral("10"));
  EXPECT_EQ(lap->lbYpoz->text(), QStringLiteral("10"));
  // Start-up computes the same caption.
  lap->kepPozFrissit();
  EXPECT_EQ(lap->lbYpoz->text(), QStringLiteral("10"));
  lap->OpB3->setChecked(true);
  EXPECT_EQ(lap->lbYpoz->text(), QStringLiteral("7"));
}

TEST_F(BoritekFixture, PictureAtTheEdgeGivesEmptyCaption) {
  lap->setImage3Twips(QRect(0, 21, 1905, 1905));  // 21 / 44 rounds to 0
  lap->OpB1->setChecked(true);
  EXPECT_TRUE(lap->lbXpoz->text().isEmpty());
  EXPECT_TRUE(lap->lbYpoz->text().isEmpty());
  lap->setImage3Twips(QRect(22, 66, 1905, 1905));  // halves round up: 0.5 -> 1, 1.5 -> 2
  lap->kepPozFrissit();
  EXPECT_EQ(lap->lbXpoz->text(), QStringLiteral("1"));
  EXPECT_EQ(lap->lbYpoz->text(), QStringLiteral("2"));
}

TEST_F(BoritekFixture, NoSizeChosenAtFirstAndMissingPreviewKeepsPageUsable) {
  EXPECT_FALSE(lap->OpB1->isChecked());
  EXPECT_FALSE(lap->OpB2->isChecked());
  EXPECT_FALSE(lap->OpB3->isChecked());
  lap->setPreview(QImage(dir.file(QStringLiteral("Boritekkepallo.jpg"))));
  lap->belep();
  EXPECT_TRUE(lap->txtBoritekFeladoNev->isEnabled());
}

}  // namespace
