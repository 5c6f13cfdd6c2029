#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/messages.h"
#include "common/mmkep.h"
#include "common/recordfile.h"
#include "common/tricheckbox.h"
#include "payerstore/fizetok.h"
#include "printing/envelopes/cimkelap.h"
#include "support/tempfolder.h"

namespace {

struct CimkeFixture : ::testing::Test {
  TempFolder dir;
  Platform platform;
  RecordedMessageBoxes boxes;
  CimkeSetupRekord setup;
  CimkeHelyek hely{};
  NevekRekord nevek;
  int32_t aktualis = 0;
  std::unique_ptr<CimkeLap> lap;
  int pressed = 0;

  void SetUp() override {
    platform.folder = dir.path();
    platform.messages = &boxes;
    lap = std::make_unique<CimkeLap>(platform, CimkeAllapot{setup, hely, nevek, aktualis});
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
  grid("4", "9");
  EXPECT_EQ(lap->cimkeTwips(36).size(), QSize(840, 516));
  EXPECT_EQ(lap->txtSzeles->text(), QStringLiteral("52,5"));
}

// A label size typed by hand stays, on the page and in the file, while the counts are the saved.
TEST_F(CimkeFixture, ASizeTypedByHandStays) {
  setup.Oszlop = 3;
  setup.Sor = 8;
  lap->txtSzeles->setText(QStringLiteral("68"));
  lap->txtMagas->setText(QStringLiteral("37"));
  lap->txtTop->setText(QStringLiteral("8,25"));
  lap->txtLeft->setText(QStringLiteral("6"));
  grid("3", "8");
  EXPECT_EQ(lap->cimkeTwips(1).size(), QSize(1130, 587));
  lap->cmdCimkeMeretRogzites_Click();
  CimkeSetupRekord r;
  EXPECT_TRUE(loadSettings(dir.path(), kCimkeSetupFile, r));
  EXPECT_EQ(QList<int64_t>({r.Szeles.raw, r.Magas.raw, r.Top.raw}), QList<int64_t>({680000, 370000, 82500}));
  grid("2", "8");  // only the width follows the changed column count
  EXPECT_EQ(lap->txtSzeles->text(), QStringLiteral("105"));
  EXPECT_EQ(lap->txtMagas->text(), QStringLiteral("37"));
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
  lap->txtLeft->setText(QStringLiteral("5"));
  lap->txtTop->setText(QStringLiteral("5"));
  lap->belep();  // no CimkeSetup.dat: reads zeros, so the sheet is saved with the shown counts
  EXPECT_EQ(pressed, 1);
  EXPECT_TRUE(shown(12));
  EXPECT_FALSE(shown(13));
  EXPECT_EQ(hex(dir.bytes(kCimkeSetupFile), 8, 28), QStringLiteral("90 05 10 00 00 00 00 00 50 c3 00 00 00 00 00 00 "
                                                                   "50 c3 00 00 00 00 00 00 02 00 06 00"));
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

// "&Rögzítés" with 4 x 10: the grid and the saved bytes.
TEST_F(CimkeFixture, SaveLaysOutFortyBoxesAndWritesTheSheet) {
  setup.KinyomottCimkeNum = 77;
  lap->txtOszlop->setCurrentText(QStringLiteral("4"));
  lap->txtSor->setCurrentText(QStringLiteral("10"));
  lap->txtLeft->setText(QStringLiteral("7,5"));
  lap->txtTop->setText(QStringLiteral("4"));
  lap->cmdCimkeMeretRogzites->click();
  EXPECT_TRUE(boxes.shown.empty());
  for (int k = 1; k <= 40; ++k) EXPECT_TRUE(shown(k) && lap->cimkeTwips(k).size() == QSize(840, 465)) << k;
  EXPECT_EQ(lap->txtSzeles->text() + lap->txtMagas->text(), QStringLiteral("52,529,7"));
  EXPECT_EQ(hex(dir.bytes(kCimkeSetupFile)), QStringLiteral("28 88 04 00 00 00 00 00 c8 02 08 00 00 00 00 00 40 9c 00 00 "
                                                            "00 00 00 00 f8 24 01 00 00 00 00 00 04 00 0a 00 4d 00 00 00"));
}

// Refused set-ups: a message each, nothing saved, every position cleared, the grid as it was.
TEST_F(CimkeFixture, RefusedSetUpsSaveNothing) {
  const std::array<std::array<const char*, 4>, 5> rows{{
      {"5", "6", "", "Egy A4-es lapon legfeljebb 4 oszlop cimke lehet."},
      {"2", "11", "", "Egy A4-es lapon legfeljebb 10 sor cimke lehet."},
      {"abc", "6", "", "Az oszlopok és a sorok száma legalább 1 legyen."},
      {"2", "6", "öt", "A(z) „Bal” mezőben nem szám áll: „öt”."},
      {"2", "6", "1000000000000000", "A(z) „Bal” mező értéke nem fér el a mezőben: „1000000000000000”."},
  }};
  grid("2", "6");
  for (const auto& [c, r, bal, uzenet] : rows) {
    boxes.shown.clear();
    lap->txtLeft->setText(*bal ? QString::fromUtf8(bal) : QStringLiteral("5"));
    hely[3] = 9;
    lap->txtOszlop->setCurrentText(QString::fromLatin1(c));
    lap->txtSor->setCurrentText(QString::fromLatin1(r));
    lap->cmdCimkeMeretRogzites_Click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text + boxes.shown[0].title, QString::fromUtf8(uzenet) + QStringLiteral("Figyelem!"));
    EXPECT_TRUE(!dir.exists(kCimkeSetupFile) && hely[3] == 0);
  }
  EXPECT_TRUE(shown(2));  // the 5-column refusal left the 2 x 6 grid
}

// Ticks assign the current payer (none: refused); a deletion or import clears the positions,
// a custom-label tick (no payer) stays.
TEST_F(CimkeFixture, TicksAssignTheCurrentPayer) {
  dir.put(kNevekFile, fizetokFajl({{"Kovács Péter"}, {"Nagy Anna", "Pécs", "Király u. 3.", "7621"}}));
  lap->chkCimke1[1]->setValue(1);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text + boxes.shown[0].title, QStringLiteral("Nincs kijelölve név a listamezőben!Figyelem..."));
  EXPECT_EQ(lap->chkCimke1[1]->value(), 0);
  aktualis = 2;
  lap->chkCimke1[5]->setValue(1);
  EXPECT_EQ(hely[5], 2);
  EXPECT_EQ(lap->chkCimke1[5]->text(), QStringLiteral("Nagy Anna").leftJustified(36));
  nevek = NevekRekord{};
  lap->chkCimke1_MouseMove(5);
  EXPECT_EQ(lap->chkCimke1[5]->toolTip(), QStringLiteral("Nagy Anna -  - Pécs - Király u. 3. - 7621  "));
  EXPECT_EQ(nevek.Nev, QString());  // the hover leaves the shared payer record alone
  lap->chkEgyediCimke->setValue(1);
  lap->chkCimke1[2]->setValue(1);
  lap->helyekUritese();
  EXPECT_EQ(hely, CimkeHelyek{});
  EXPECT_EQ(lap->chkCimke1[5]->text() + QString::number(lap->chkCimke1[5]->value()), QStringLiteral("50"));
  EXPECT_EQ(lap->chkCimke1[2]->value(), 1);
}

TEST_F(CimkeFixture, CustomLabelPreview) {
  lap->betuValasztas = [](int i) { return std::pair{QStringLiteral("Courier New"), QString::number(10 + i)}; };
  lap->lbNev1->setText(QStringLiteral("Kovács Péter"));
  lap->chkEgyediCimke->setValue(1);
  EXPECT_FALSE(lap->keretEgyediCimke->isHidden());
  EXPECT_EQ(lap->lbNev1->text(), QString());
  lap->txEgyediCimke[4]->setText(QStringLiteral("1011"));
  EXPECT_EQ(lap->lbIrsz->text() + lap->lbIrsz->font().family(), QStringLiteral("1011Courier New"));
  // The line in its size on the label preview.
  EXPECT_EQ(lap->sorMeret(4), 14);
  EXPECT_NEAR(lap->lbIrsz->font().pixelSize(), std::max(7.0, 14 * 25.4 / 72 * lap->Picture2->pxPerMm()), 1);
}

}  // namespace
