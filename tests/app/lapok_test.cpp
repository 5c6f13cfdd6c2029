// Page change, orientation and previews; activation (title and reference lists); the print
// dispatch.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "ablakfixture.h"
#include "common/mmkep.h"
#include "common/numtext.h"
#include "payerwindows/jogcimek.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/cimkelap.h"
#include "printing/orders/ulaplap.h"
#include "printing/slips/csekklap.h"
#include "support/printexpect.h"

namespace {

using LapTest = AblakTest;

QByteArray lista(std::initializer_list<const char*> szovegek) {
  QByteArray b;
  for (const char* s : szovegek) {
    JogcimRekord r;
    r.Szoveg = QString::fromUtf8(s);
    b += encodeRecord(r);
  }
  return b;
}

// A blank-form picture from the build, copied into the program folder.
bool kepetMasol(const TempFolder& folder, const QString& nev) {
  return QFile::copy(QStringLiteral(LAVINDOR_BINARY_DIR "/assets/") + nev, folder.file(nev));
}

}  // namespace

TEST_F(LapTest, PageCaptionsAndSettingsTabs) {
  auto w = indit();
  const QStringList vart{"Sárga csekk", "Tértivevény ", "Feladóvevény ", "Boríték címző",
                         " Etikett nyomtató", "Térti Irathoz", "Rózsaszín csekk", "Utánvételi lap"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(w->SSTab1->tabText(i), vart[i]);
  const int ful[8] = {0, 1, 2, 3, 0, 4, 5, 6};
  for (int i = 0; i < 8; ++i) {
    w->SSTab1->setCurrentIndex(i);
    EXPECT_EQ(allapot.BeallitasFul, ful[i]) << i;
  }
}

TEST_F(LapTest, APageChangeRewritesOnlyTheActivePage) {
  const QByteArray elotte = setFajl();
  auto w = indit();
  for (int lap : {5, 0, 7, 3}) {
    w->SSTab1->setCurrentIndex(lap);
    const QByteArray utana = folder.bytes(kSetFile);
    ASSERT_EQ(utana.size(), 548);
    EXPECT_EQ(utana.left(546), elotte.left(546)) << lap;
    EXPECT_EQ(hex(utana, 546, 2), QStringLiteral("0%1 00").arg(lap)) << lap;
  }
}

TEST_F(LapTest, TheLabelPageIsStandingOnly) {
  auto w = indit();
  w->OpOrientacioFekvo->click();
  ASSERT_TRUE(w->OpOrientacioFekvo->isChecked());
  w->SSTab1->setCurrentIndex(4);
  EXPECT_TRUE(w->OpOrientacioAllo->isChecked());
  EXPECT_FALSE(w->OpOrientacioFekvo->isEnabled());
  // Leaving it enables the lying feed again and keeps the standing choice.
  w->SSTab1->setCurrentIndex(6);
  EXPECT_TRUE(w->OpOrientacioFekvo->isEnabled());
  EXPECT_TRUE(w->OpOrientacioAllo->isChecked());
}

TEST_F(LapTest, PagesThatPrintOneFormShowTheSinglePrint) {
  auto w = indit();
  w->cmdPrint->setVisible(false);
  w->cmdCsPrint->setVisible(true);
  w->SSTab1->setCurrentIndex(1);  // the return receipt keeps what the selection chose
  EXPECT_TRUE(w->cmdCsPrint->isVisibleTo(w.get()));
  for (int lap : {2, 4, 5, 7}) {
    w->cmdPrint->setVisible(false);
    w->cmdCsPrint->setVisible(true);
    w->SSTab1->setCurrentIndex(lap);
    EXPECT_TRUE(w->cmdPrint->isVisibleTo(w.get())) << lap;
    EXPECT_FALSE(w->cmdCsPrint->isVisibleTo(w.get())) << lap;
    w->SSTab1->setCurrentIndex(0);
  }
}

TEST_F(LapTest, PreviewPicturesFollowPageAndOrientation) {
  ASSERT_TRUE(kepetMasol(folder, QStringLiteral("csekkkepallo.jpg")));
  ASSERT_TRUE(kepetMasol(folder, QStringLiteral("Tertikepfekvo.jpg")));
  auto w = indit();
  EXPECT_TRUE(w->vanElonezet(0));
  w->OpOrientacioFekvo->click();  // no lying slip picture in the folder: the page stays usable
  EXPECT_FALSE(w->vanElonezet(0));
  EXPECT_TRUE(w->csekkLap->txNev->isEnabled());
  w->SSTab1->setCurrentIndex(1);
  EXPECT_TRUE(w->vanElonezet(1));
  w->OpOrientacioAllo->click();
  EXPECT_FALSE(w->vanElonezet(1));
  // Each page names its own picture: the label sheet is standing only.
  ASSERT_TRUE(kepetMasol(folder, QStringLiteral("cimkekep.jpg")));
  w->OpOrientacioFekvo->click();
  w->SSTab1->setCurrentIndex(4);
  EXPECT_TRUE(w->vanElonezet(4));
  EXPECT_TRUE(w->cimkeLap->racs->hasPaper());
  w->SSTab1->setCurrentIndex(7);
  w->OpOrientacioFekvo->click();
  EXPECT_EQ(w->ulapLap->Picture6->fileName(), QStringLiteral("UtanveteliLapfekvo.jpg"));
}

TEST_F(LapTest, ADamagedPictureLeavesThePageUsable) {
  folder.put(QStringLiteral("csekkkepallo.jpg"), QByteArray("not a picture"));
  auto w = indit();
  EXPECT_FALSE(w->vanElonezet(0));
  w->SSTab1->setCurrentIndex(1);
  EXPECT_EQ(set().AktivLap, 1);
}

TEST_F(LapTest, ActivationFillsTheReferenceLists) {
  folder.put(kKozlemFile, lista({"Tagdíj 2027", "Adomány"}));
  folder.put(kJogcimekFile, lista({"  Tagdíj", "Előfizetés"}));
  folder.put(kJogcimek2File, lista({" Fiz. hat.: ", "Fiz. hat.: jan. 5.", "Egyéb"}));
  auto w = indit();
  w->Form_Activate();
  EXPECT_EQ(w->windowTitle(), frmLavindor::cim());
  const CsekkLap& lap = *w->csekkLap;
  ASSERT_EQ(lap.Kozlemeny1->count(), 3);
  EXPECT_EQ(lap.Kozlemeny1->itemText(0), QString());
  EXPECT_EQ(lap.Kozlemeny1->itemText(1), QStringLiteral("Tagdíj 2027").leftJustified(25));
  EXPECT_EQ(lap.Kozlemeny1->currentText(), QString());
  ASSERT_EQ(lap.txtJogcim1->count(), 2);
  EXPECT_EQ(lap.txtJogcim1->itemText(0), QStringLiteral("Tagdíj"));
  ASSERT_EQ(lap.txtJogcim2->count(), 3);
  const QString datum = QLocale::system().toString(QDate(2026, 12, 19), QLocale::ShortFormat);
  EXPECT_EQ(lap.txtJogcim2->itemText(0), QStringLiteral("Fiz. hat.:") + datum);
  EXPECT_EQ(lap.txtJogcim2->itemText(1), QStringLiteral("Fiz. hat.: jan. 5."));
  EXPECT_EQ(lap.txtJogcim2->currentText(), QString());
  // The address boxes that a lookup may have disabled are enabled again.
  for (QLineEdit* e : {w->csekkLap->txCim1, w->csekkLap->txCim2, w->csekkLap->txIrszam}) e->setEnabled(false);
  w->Form_Activate();
  for (QLineEdit* e : {w->csekkLap->txCim1, w->csekkLap->txCim2, w->csekkLap->txIrszam}) EXPECT_TRUE(e->isEnabled());
  // A list edited meanwhile shows at the next activation.
  folder.put(kJogcimekFile, lista({"Új"}));
  w->Form_Activate();
  EXPECT_EQ(lap.txtJogcim1->count(), 1);
}

TEST_F(LapTest, PicturePositionFromItsCaption) {
  EXPECT_EQ(kepPoz(QString(), 7), 0);
  EXPECT_EQ(kepPoz(QStringLiteral("  12"), 7), 12);
  EXPECT_EQ(kepPoz(QStringLiteral("2.5"), 7), 2);
  EXPECT_EQ(kepPoz(QStringLiteral("40000"), 7), 7);
  EXPECT_EQ(kepPoz(QStringLiteral("-40000"), -3), -3);
}

TEST_F(LapTest, SlipPrintNeedsAnAmount) {
  nyomtathatoSet();
  auto w = indit();
  CsekkLap& lap = *w->csekkLap;
  lap.txNev->setText(QStringLiteral("Kovács Péter"));
  lap.txCim1->setText(QStringLiteral("Győr"));
  for (const char* osszeg : {"", "0", "abc"}) {
    lap.txOsszeg->setEditText(QString::fromLatin1(osszeg));
    w->cmdPrint->click();
    EXPECT_TRUE(nyomtato.documents().empty()) << osszeg;
  }
  EXPECT_TRUE(uzenetek.shown.empty());
  lap.txOsszeg->setEditText(QStringLiteral("1500"));
  w->cmdPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_EQ(printed::doc(nyomtato).pages.size(), 1u);
  EXPECT_TRUE(printed::contains(printed::doc(nyomtato).texts(), QStringLiteral("Kovács Péter")));
  EXPECT_TRUE(printed::contains(printed::doc(nyomtato).texts(), QStringLiteral("1500")));
}

TEST_F(LapTest, LabelPageListPrintCallsNothing) {
  auto w = indit();
  w->SSTab1->setCurrentIndex(4);
  w->cmdCsPrint_Click();
  w->cmdPrint_Click();
  EXPECT_TRUE(nyomtato.documents().empty());
  EXPECT_TRUE(uzenetek.shown.empty());
}

TEST_F(LapTest, ActivationAfterOwnWindowsOnly) {
  folder.put(kKozlemFile, lista({"Tagdíj"}));
  auto w = indit();
  w->show();
  QApplication::setActiveWindow(w.get());
  ASSERT_TRUE(w->isActiveWindow());
  QComboBox* k = w->csekkLap->Kozlemeny1;
  ASSERT_EQ(k->count(), 2);  // the first activation filled the list
  k->setEditText(QStringLiteral("Tagdíj"));
  // Another program had the focus: the choice stays.
  QApplication::setActiveWindow(nullptr);
  QApplication::setActiveWindow(w.get());
  EXPECT_EQ(k->currentText(), QStringLiteral("Tagdíj"));
  // A message box (the exit question answered No, a print guard) is no activation either.
  QMessageBox m(QMessageBox::Question, QStringLiteral(" Kilépés "), QStringLiteral("Biztos hogy Befejezed?"));
  m.show();
  QApplication::setActiveWindow(&m);
  QApplication::setActiveWindow(w.get());
  EXPECT_EQ(k->currentText(), QStringLiteral("Tagdíj"));
  m.hide();
  // One of the program's dialogs had it: the lists are read afresh.
  QDialog d;
  d.show();
  QApplication::setActiveWindow(&d);
  QApplication::setActiveWindow(w.get());
  EXPECT_EQ(k->currentText(), QString());
}
