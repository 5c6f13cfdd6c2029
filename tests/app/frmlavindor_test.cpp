// The main window shell: start-up restores the list order and loads the list, the name box
// mirrors and searches, the exit question, and the unload's save into Set.dat.
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "app/allapot.h"
#include "app/frmlavindor.h"
#include "common/messages.h"
#include "common/setrekord.h"
#include "printing/slips/csekklap.h"
#include "records/fizetok.h"
#include "records/fizetolista.h"
#include "records/tricheckbox.h"
#include "support/tempfolder.h"
#include "version.h"

namespace {

class FoAblakTest : public ::testing::Test {
 protected:
  FoAblakTest() {
    platform.folder = folder.path();
    platform.messages = &uzenetek;
  }
  std::unique_ptr<frmLavindor> indit() { return std::make_unique<frmLavindor>(platform, allapot); }
  void setFajl(int16_t listaSorren) {
    // Every byte different, so a stray write anywhere shows.
    QByteArray b(548, '\0');
    for (int i = 0; i < 548; ++i) b[i] = char(i * 7 + 3);
    b[540] = char(listaSorren & 0xff);
    b[541] = char(listaSorren >> 8);
    folder.put(kSetFile, b);
  }
  QStringList nevek(const frmLavindor& w) const {
    QStringList s;
    for (int i = 0; i < w.lista->sorokSzama(); ++i) s << w.lista->szoveg(i, 0);
    return s;
  }
  TempFolder folder;
  RecordedMessageBoxes uzenetek;
  Platform platform;
  Allapot allapot;
};

}  // namespace

TEST_F(FoAblakTest, BrandNewFolder) {
  auto w = indit();
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Lavindor program - %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
  EXPECT_EQ(w->SSTab1->count(), 1);
  EXPECT_EQ(w->SSTab1->tabText(0), QStringLiteral("Sárga csekk"));
  EXPECT_EQ(w->mnuKilep->text(), QStringLiteral("&Kilépés"));
  EXPECT_TRUE(w->menuBar()->actions().contains(w->mnuKilep));
  EXPECT_EQ(w->lista->sorokSzama(), 0);
  EXPECT_EQ(w->lista->chkListaSorren->value(), 0);
  EXPECT_TRUE(folder.exists(kNevekFile));
  w->close();
  EXPECT_EQ(folder.bytes(kSetFile).size(), 548);
  EXPECT_EQ(folder.bytes(kSetFile), QByteArray(548, '\0'));
  EXPECT_TRUE(uzenetek.shown.empty());
}

TEST_F(FoAblakTest, StartUpRestoresTheOrderBeforeLoading) {
  folder.put(kNevekFile, fizetokFajl({{"Cecília"}, {"Aladár"}, {"Béla"}}));
  setFajl(1);
  auto w = indit();
  EXPECT_EQ(w->lista->chkListaSorren->value(), 1);
  EXPECT_EQ(allapot.Set.ListaSorren, 1);
  EXPECT_EQ(nevek(*w), (QStringList{"Aladár", "Béla", "Cecília"}));
  EXPECT_EQ(w->lista->szoveg(0, 2), QStringLiteral("     2"));
}

TEST_F(FoAblakTest, StoredZeroLeavesRecordOrder) {
  folder.put(kNevekFile, fizetokFajl({{"Cecília"}, {"Aladár"}, {"Béla"}}));
  setFajl(0);
  auto w = indit();
  EXPECT_EQ(nevek(*w), (QStringList{"Cecília", "Aladár", "Béla"}));
  w->lista->ListView1_ColumnClick(0);  // descending while the box is clear
  EXPECT_EQ(nevek(*w), (QStringList{"Cecília", "Béla", "Aladár"}));
}

TEST_F(FoAblakTest, UnloadSavesOnlyTheListOrder) {
  setFajl(0);
  const QByteArray elotte = folder.bytes(kSetFile);
  auto w = indit();
  w->lista->chkListaSorren->click();
  w->close();
  const QByteArray utana = folder.bytes(kSetFile);
  ASSERT_EQ(utana.size(), 548);
  EXPECT_EQ(hex(utana, 540, 2), "01 00");
  EXPECT_EQ(utana.left(540), elotte.left(540));
  EXPECT_EQ(utana.mid(542), elotte.mid(542));
  // A second close does not save again.
  folder.put(kSetFile, elotte);
  w->close();
  EXPECT_EQ(folder.bytes(kSetFile), elotte);
}

TEST_F(FoAblakTest, ValueTheBoxCannotHoldIsSkipped) {
  setFajl(7);
  auto w = indit();
  EXPECT_EQ(w->lista->chkListaSorren->value(), 0);
  w->close();
  EXPECT_EQ(hex(folder.bytes(kSetFile), 540, 2), "00 00");
}

TEST_F(FoAblakTest, ExitQuestionNoKeepsEverything) {
  setFajl(1);
  const QByteArray elotte = folder.bytes(kSetFile);
  auto w = indit();
  w->show();
  w->lista->chkListaSorren->setValue(0);
  uzenetek.answers = {MsgAnswer::No};
  w->mnuKilep->trigger();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text, QStringLiteral("Biztos hogy Befejezed?\n\n"));
  EXPECT_EQ(uzenetek.shown[0].title, QStringLiteral(" Kilépés "));
  EXPECT_EQ(uzenetek.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(uzenetek.shown[0].icon, MsgIcon::Question);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(folder.bytes(kSetFile), elotte);

  uzenetek.answers = {MsgAnswer::Yes};
  w->mnuKilep_Click();
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(hex(folder.bytes(kSetFile), 540, 2), "00 00");
}

TEST_F(FoAblakTest, AddressBoxesRepeatOnThePreview) {
  auto w = indit();
  CsekkLap& lap = *w->csekkLap;
  lap.txCim1->setText(QStringLiteral("Győr"));
  lap.txNev->setText(QStringLiteral("Kovács Péter"));
  lap.txCim2->setText(QStringLiteral("Fő út 1."));
  lap.txIrszam->setText(QStringLiteral("9021  "));
  EXPECT_EQ(lap.Text1[0]->text(), QStringLiteral("Győr"));
  EXPECT_EQ(lap.Text1[1]->text(), QStringLiteral("Kovács Péter"));
  EXPECT_EQ(lap.Text1[2]->text(), QStringLiteral("Fő út 1."));
  EXPECT_EQ(lap.Text1[3]->text(), QStringLiteral("9021  "));
}

TEST_F(FoAblakTest, NameBoxSearchesOnlyWhenTheSearchBoxIsTicked) {
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter"}, {"Nagy Anna"}, {""}, {"KOVÁCS János"}}));
  auto w = indit();
  QLineEdit* txNev = w->csekkLap->txNev;
  txNev->setText(QStringLiteral("kov"));
  EXPECT_EQ(w->lista->sorokSzama(), 4);  // unticked: no search
  w->lista->Check1->setValue(2);
  txNev->setText(QStringLiteral("ková"));
  EXPECT_EQ(w->lista->sorokSzama(), 4);  // grey: no search
  w->lista->Check1->setValue(1);
  txNev->setText(QStringLiteral("KOVÁ"));
  EXPECT_EQ(nevek(*w), (QStringList{"Kovács Péter", "KOVÁCS János"}));
  EXPECT_EQ(w->lista->szoveg(1, 2), QStringLiteral("4"));
  txNev->clear();
  EXPECT_EQ(nevek(*w), (QStringList{"Kovács Péter", "Nagy Anna", "KOVÁCS János"}));
  EXPECT_EQ(w->csekkLap->Text1[1]->text(), QString());
}
