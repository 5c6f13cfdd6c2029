// The main window's start-up and shut-down: a brand-new start, the restored options, the exit
// question and the unload's save into Set.dat; the name box's mirror and search.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "ablakfixture.h"
#include "app/nyomtatovalaszto.h"
#include "common/tricheckbox.h"
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "payerstore/fizetok.h"
#include "payerwindows/fizetolista.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/cimkelap.h"
#include "printing/orders/rcsekklap.h"
#include "printing/receipts/iratlap.h"
#include "printing/receipts/tertilap.h"
#include "printing/slips/csekklap.h"
#include "support/printexpect.h"
#include "version.h"

namespace {

QStringList nevek(const frmLavindor& w) {
  QStringList s;
  for (int i = 0; i < w.lista->sorokSzama(); ++i) s << w.lista->szoveg(i, 0);
  return s;
}

using FoAblakTest = AblakTest;

}  // namespace

TEST_F(FoAblakTest, BrandNewFolder) {
  auto w = indit();
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Lavindor program - %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
  EXPECT_GE(w->height(), 711);  // 10665 twips, and the status bar
  ASSERT_EQ(w->SSTab1->count(), 8);
  EXPECT_EQ(w->SSTab1->currentIndex(), 0);
  // The first printer chosen and saved.
  EXPECT_EQ(w->nyomtato->Combo2->count(), 2);
  EXPECT_EQ(w->nyomtato->Combo2->currentIndex(), 0);
  EXPECT_EQ(w->nyomtato->lbPrintNo->text(), QStringLiteral("0"));
  EXPECT_TRUE(w->nyomtato->opPrinter[0]->isChecked());
  EXPECT_TRUE(w->OpOrientacioAllo->isChecked());
  EXPECT_EQ(allapot.Boritek.BoritekMeret, 1);
  EXPECT_EQ(w->lista->sorokSzama(), 0);
  EXPECT_TRUE(folder.exists(kNevekFile));
  for (const char* f : {"CimkeSetup.dat", "boritek.dat", "Kepment.dat", "Betutip.dat", "Betumeret.dat"})
    EXPECT_TRUE(folder.exists(QString::fromLatin1(f))) << f;
  // The label sheet's defaults.
  const CimkeLap& c = *w->cimkeLap;
  EXPECT_EQ(QStringList({c.txtLeft->text(), c.txtTop->text(), c.txtOszlop->currentText(), c.txtSor->currentText()}),
            QStringList({"5", "5", "2", "6"}));
  EXPECT_EQ(w->boritekLap->Label3[4]->text(), QStringLiteral("C6 Normál boríték"));
  EXPECT_TRUE(w->boritekLap->OpB1->isChecked());
  w->close();
  // Every saved option state is zero on a brand-new start (printer 0, chosen printer, page 0,
  // descending list, standing feed, no fixed party, no picture), the envelope size is C6; the
  // slip's layout is the factory one with every item switched on.
  SetRekord s;
  applyFactory(s, setFactory());
  s.Nyomtatando.fill(-1);
  QByteArray vart = encodeRecord(s);
  vart[544] = 1;
  EXPECT_EQ(hex(folder.bytes(kSetFile)), hex(vart));

  EXPECT_TRUE(uzenetek.shown.empty());
}

TEST_F(FoAblakTest, StartUpRestoresTheSavedOptions) {
  folder.put(kNevekFile, fizetokFajl({{"Cecília"}, {"Aladár"}, {"Béla"}}));
  setFajl([](SetRekord& s) {
    s.ListaSorren = 1;
    s.NyomtatoIndex = 1;
    s.AlapNyomtato = -1;
    s.AktivLap = 2;
  });
  auto w = indit();
  EXPECT_EQ(w->lista->chkListaSorren->value(), 1);
  EXPECT_EQ(nevek(*w), (QStringList{"Aladár", "Béla", "Cecília"}));
  EXPECT_EQ(w->lista->szoveg(0, 2), QStringLiteral("     2"));
  EXPECT_EQ(w->nyomtato->Combo2->currentIndex(), 1);
  EXPECT_TRUE(w->nyomtato->opPrinter[1]->isChecked());
  EXPECT_FALSE(w->nyomtato->Combo2->isEnabled());
  EXPECT_EQ(w->SSTab1->currentIndex(), 2);
  EXPECT_EQ(allapot.BeallitasFul, 2);
  EXPECT_EQ(w->csekkLap->chkBefAzonMasolasa->value(), 0);
}

TEST_F(FoAblakTest, StartUpTicksTheIdentifierCopy) {
  setFajl([](SetRekord& s) { s.BefAzonMasolasa = -1; });
  auto w = indit();
  EXPECT_EQ(w->csekkLap->chkBefAzonMasolasa->value(), 1);
}

TEST_F(FoAblakTest, ASavedPageOutOfRangeOpensThePaymentSlip) {
  setFajl([](SetRekord& s) { s.AktivLap = 12; });
  auto w = indit();
  EXPECT_EQ(w->SSTab1->currentIndex(), 0);
  EXPECT_EQ(set().AktivLap, 0);
}

TEST_F(FoAblakTest, APrinterMissingForOneStartKeepsItsChoice) {
  nyomtato.setDefault(1);
  setFajl([](SetRekord& s) {
    s.NyomtatoIndex = 5;
    s.AktivLap = 1;
  });
  auto w = indit();
  EXPECT_EQ(w->nyomtato->Combo2->currentIndex(), -1);
  EXPECT_FALSE(w->nyomtato->lbNincsTelepitve->isHidden());
  EXPECT_EQ(set().NyomtatoIndex, 5);
  EXPECT_TRUE(uzenetek.shown.empty());
  // A print goes to no other printer: nothing printed, said once.
  w->cmdPrint_Click();
  EXPECT_TRUE(nyomtato.documents().empty());
  printed::missingPrinterSaid(uzenetek);
  // The exit save keeps the index too.
  w->close();
  EXPECT_EQ(set().NyomtatoIndex, 5);
}

TEST_F(FoAblakTest, UnloadSavesExactlyTheOptionStates) {
  const QByteArray elotte = setFajl([](SetRekord& s) {
    s.KilepeskorMentes = 0;
    s.KepPrint = 1;
    s.AllandoCimzett = -1;
    s.AllandoFelado = 0;
    s.BoritekMeret = 2;
  });
  auto w = indit();
  EXPECT_TRUE(w->boritekLap->OpB2->isChecked());
  EXPECT_EQ(allapot.Boritek.BoritekMeret, 2);
  EXPECT_EQ(w->boritekLap->chkKepPrint->value(), 1);
  EXPECT_TRUE(w->rcsekkLap->opAllando[0]->isChecked());
  w->lista->chkListaSorren->click();
  w->OpOrientacioFekvo->click();
  w->nyomtato->choose(1);
  w->csekkLap->chkBefAzonMasolasa->setValue(1);
  w->tertiLap->txtTertiPosta->setText(QStringLiteral("Budapest 62"));
  w->boritekLap->OpB3->click();
  w->close();
  SetRekord vart;
  decodeRecord(elotte, vart);
  vart.ListaSorren = 1;
  vart.OrientacioFekvo = 1;
  vart.AlapNyomtato = -1;
  vart.BefAzonMasolasa = -1;
  vart.BoritekMeret = 3;
  EXPECT_EQ(hex(folder.bytes(kSetFile)), hex(encodeRecord(vart)));
  // A second close does not save again.
  folder.put(kSetFile, elotte);
  w->close();
  EXPECT_EQ(folder.bytes(kSetFile), elotte);
}

TEST_F(FoAblakTest, ReceiptTextsAreSavedOnlyWhenTheSettingsSaySo) {
  setFajl([](SetRekord& s) {
    s.KilepeskorMentes = -1;
    s.TertiPosta = QStringLiteral("Győr 1");
    s.IratErtesites = QStringLiteral("2");
    s.VisszaCimPrint0 = 1;
    s.VisszaCimPrint1 = 0;
    s.VisszaCimPrint2 = 1;
  });
  auto w = indit();
  EXPECT_EQ(w->tertiLap->txtTertiPosta->text(), QStringLiteral("Győr 1"));
  EXPECT_EQ(w->iratLap->txtIratErtesites->text(), QStringLiteral("2"));
  EXPECT_EQ(w->iratLap->chkVisszaCimPrint[0]->value(), 1);
  EXPECT_EQ(w->iratLap->chkVisszaCimPrint[2]->value(), 1);
  w->tertiLap->txtTertiPosta->setText(QStringLiteral("Pécs 2"));
  w->iratLap->chkVisszaCimPrint[1]->setValue(2);
  w->close();
  const SetRekord s = set();
  EXPECT_EQ(trimmed(s.TertiPosta), QStringLiteral("Pécs 2"));
  EXPECT_EQ(trimmed(s.IratErtesites), QStringLiteral("2"));
  EXPECT_EQ(s.VisszaCimPrint0, 1);
  EXPECT_EQ(s.VisszaCimPrint1, 1);
  EXPECT_EQ(s.VisszaCimPrint2, 0);
}

TEST_F(FoAblakTest, EnvelopeBoldSwitchesRoundTrip) {
  BoritekRekord b;
  b.FKF = {-1, 0, -1, 0};
  b.FKC = {0, -1, 0, 0, -1};
  b.C5Felado_x = 11;
  b.C5Cimzett_y = 77;
  folder.put(QStringLiteral("boritek.dat"), encodeRecord(b));
  setFajl([](SetRekord& s) { s.BoritekMeret = 2; });
  auto w = indit();
  EXPECT_EQ(w->boritekLap->chkFKFNev->value(), 1);
  EXPECT_EQ(w->boritekLap->chkFKFCim1->value(), 0);
  EXPECT_EQ(w->boritekLap->chkFKCCim1->value(), 1);
  EXPECT_EQ(w->boritekLap->chkFKCNev2->value(), 1);
  // The saved size C5: its positions, not C6's.
  EXPECT_EQ(allapot.Boritek.BoritekMeret, 2);
  EXPECT_EQ(allapot.Boritek.BoritekFeladoX, 11);
  EXPECT_EQ(allapot.Boritek.BoritekCimzettY, 77);
  w->boritekLap->chkFKFNev->setValue(0);
  w->boritekLap->chkFKCIrsz->setValue(2);
  w->close();
  BoritekRekord utana;
  decodeRecord(folder.bytes(QStringLiteral("boritek.dat")), utana);
  EXPECT_EQ(utana.FKF, (std::array<int16_t, 4>{0, 0, -1, 0}));
  EXPECT_EQ(utana.FKC, (std::array<int16_t, 5>{0, -1, 0, -1, -1}));
  EXPECT_EQ(utana.C5Felado_x, 11);
}

TEST_F(FoAblakTest, ExitQuestionNoKeepsEverything) {
  const QByteArray elotte = setFajl([](SetRekord& s) { s.ListaSorren = 1; });
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

TEST_F(FoAblakTest, MenusAndButtons) {
  auto w = indit();
  const QList<QAction*> menuk = w->menuBar()->actions();
  EXPECT_TRUE(menuk.contains(w->mnuKilep));
  EXPECT_EQ(w->mnuKilep->text(), QStringLiteral("&Kilépés"));
  EXPECT_EQ(w->mnuSetup->text(), QStringLiteral("&Beállítások"));
  EXPECT_EQ(w->mnuUjcimzett->text(), QStringLiteral("&Új címzett"));
  EXPECT_EQ(w->mnuAbout->text(), QStringLiteral("Névjegy"));
  EXPECT_EQ(w->cmdPrint->text(), QStringLiteral("&Nyomtatás"));
  EXPECT_EQ(w->cmdCsPrint->text(), QStringLiteral("&Csoportos Nyomtatás"));
  EXPECT_EQ(w->cmdRogzit->text(), QStringLiteral("&Felvétel"));
  EXPECT_EQ(w->cmdModosit->text(), QStringLiteral("&Módosítás"));
  EXPECT_EQ(w->cmdDel->text(), QStringLiteral("&Törlés"));
  EXPECT_EQ(w->cmdOsszegek->text(), QStringLiteral("Csekk Összegek &Rögzítése"));
  EXPECT_EQ(w->OpOrientacioAllo->text(), QStringLiteral("Álló"));
  EXPECT_EQ(w->OpOrientacioFekvo->text(), QStringLiteral("Fekvő"));
  // Until a payer is clicked the buttons acting on one are off.
  EXPECT_TRUE(w->cmdRogzit->isEnabled());
  EXPECT_FALSE(w->cmdModosit->isEnabled());
  EXPECT_FALSE(w->cmdDel->isEnabled());
  EXPECT_FALSE(w->cmdOsszegek->isEnabled());
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

TEST_F(FoAblakTest, DamagedFilesStillStart) {
  folder.put(kSetFile, QByteArray(100, '\x7f'));              // short, every value out of range
  folder.put(kKepmentFile, QByteArray(283, '\xff'));           // picture size and place unusable
  folder.put(kCimkeSetupFile, QByteArray(40, '\xff'));
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter"}}) + QByteArray(100, 'x'));  // partial record
  auto w = indit();
  EXPECT_EQ(w->SSTab1->currentIndex(), 0);
  EXPECT_EQ(w->lista->sorokSzama(), 1);
  EXPECT_EQ(w->boritekLap->image3Twips().size(), QSize(1905, 1905));
  w->ListView1_ItemClick(0);
  EXPECT_EQ(w->csekkLap->txNev->text(), QStringLiteral("Kovács Péter"));
  w->close();
  EXPECT_EQ(folder.bytes(kSetFile).size(), 548);
  EXPECT_TRUE(uzenetek.shown.empty());
}
