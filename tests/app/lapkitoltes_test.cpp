// The pages' parts of start-up, page change, dispatch and row click, through the window: the
// envelope picture's position, the fixed sender of a page, the payer on every page.
#include <QComboBox>
#include <QItemSelectionModel>
#include <QTreeView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

#include "ablakfixture.h"
#include "app/betuvalaszto.h"
#include "common/tricheckbox.h"
#include "layouts/layoutrecords.h"
#include "payerwindows/fizetolista.h"
#include "payerwindows/listamodell.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/cimkelap.h"
#include "printing/orders/rcsekklap.h"
#include "printing/orders/ulaplap.h"
#include "printing/receipts/feladolap.h"
#include "printing/receipts/iratlap.h"
#include "printing/receipts/tertilap.h"
#include "support/printexpect.h"

namespace {

class KitoltesTest : public AblakTest {
 protected:
  // Payer 1 domestic with amounts in slots 1 and 2, payer 2 foreign with only slot 3.
  void fizetok() {
    NevekRekord n;
    n.Nev = QStringLiteral("Kovács Péter");
    n.Nev2 = QStringLiteral("ifj.");
    n.Helyseg = QStringLiteral("Győr");
    n.Cim = QStringLiteral("Fő út 1.");
    n.Irsz = QStringLiteral("9021");
    n.BefizAzonosito = QStringLiteral("AZ-7");
    n.Osszegek = {2500, 3000};
    QByteArray b = encodeRecord(n);
    n = NevekRekord{};
    n.Nev = QStringLiteral("John Smith");
    n.Nev2 = QStringLiteral("12 High Street");
    n.Helyseg = QStringLiteral("OX1 2JD Oxford");
    n.Cim = QStringLiteral("Egyesült Királyság");
    n.Irsz = QStringLiteral(" ");
    n.KulfCim = -1;
    n.Osszegek[2] = 1500;
    b += encodeRecord(n);
    folder.put(kNevekFile, b);
    Kozl3sorRekord k;
    k.IratSzam = QStringLiteral(" 12/2026 ");
    k.IratFajta = QStringLiteral("Határozat");
    k.KuldemenyAzonosito = QStringLiteral("RL123");
    folder.put(kKozl3sorFile, encodeRecord(k));
  }
};

}  // namespace

TEST_F(KitoltesTest, StartUpShowsThePicturePositionByOneRule) {
  KepmentRekord k;
  k.KepUtvonal = QStringLiteral("/nincs/ilyen.jpg");
  k.KepX = 880;
  k.KepY = 620;
  k.KepSzelesseg = Fixed::fromDouble(2000);
  k.KepMagassag = Fixed::fromDouble(1500);
  folder.put(kKepmentFile, encodeRecord(k));
  setFajl([](SetRekord& s) { s.BoritekMeret = 2; });
  auto w = indit();
  EXPECT_EQ(allapot.KivalasztottKep, QStringLiteral("/nincs/ilyen.jpg"));
  // The scroll bar takes the larger side; the picture cannot be read, so its sizes are 0.
  EXPECT_EQ(w->boritekLap->HScroll1->value(), 2000);
  EXPECT_EQ(allapot.KepSzeles, 0);
  EXPECT_EQ(w->boritekLap->image3Twips(), QRect(880, 620, 2000, 2000));
  EXPECT_EQ(w->boritekLap->lbXpoz->text(), QStringLiteral("20"));  // 44 twips per mm across every size
  EXPECT_EQ(w->boritekLap->lbYpoz->text(), QStringLiteral("20"));
  w->boritekLap->OpB1->click();
  EXPECT_EQ(w->boritekLap->lbXpoz->text(), QStringLiteral("20"));  // C6: 44 twips per mm
  EXPECT_EQ(w->boritekLap->lbYpoz->text(), QStringLiteral("14"));
}

TEST_F(KitoltesTest, StartUpTakesTheStoredSizesInTheCaptionsUnit) {
  // The stored size is the picture box in twips; before the picture is loaded the sizes are
  // that / 543, as the size handler would compute them. Start-up keeps the bar where it is
  // (1900), so its handler does not run.
  KepmentRekord k;
  k.KepSzelesseg = Fixed::fromDouble(1900);
  k.KepMagassag = Fixed::fromDouble(950);
  folder.put(kKepmentFile, encodeRecord(k));
  auto w = indit();
  EXPECT_EQ(allapot.KepSzeles, 3.4991);
  EXPECT_EQ(allapot.KepMagas, 1.7495);
  EXPECT_EQ(w->boritekLap->image3Twips().size(), QSize(1900, 950));
}

TEST_F(KitoltesTest, PrintButtonsReadThePicturePosition) {
  auto w = indit();
  allapot.KepPozX = 9;
  allapot.KepPozY = 9;
  w->SSTab1->setCurrentIndex(3);  // on every page, whether or not anything prints
  w->boritekLap->lbXpoz->setText(QString());
  w->boritekLap->lbYpoz->setText(QStringLiteral("17"));
  w->cmdPrint_Click();
  EXPECT_EQ(allapot.KepPozX, 0);
  EXPECT_EQ(allapot.KepPozY, 17);
  w->boritekLap->lbYpoz->setText(QStringLiteral("99999"));
  w->cmdCsPrint_Click();
  EXPECT_EQ(allapot.KepPozY, 17);
  EXPECT_TRUE(nyomtato.documents().empty());
}

TEST_F(KitoltesTest, PageChangeShowsThePagesFixedSender) {
  SetFvevenyRekord f;
  f.FeladovevenyFeladoNev = QStringLiteral("Lavindor Egyesület");
  f.FeladovevenyFeladoCim1 = QStringLiteral("9021 Győr");
  folder.put(kSetFvevenyFile, encodeRecord(f));
  SetTertiRekord t;
  t.TertiVisszakuldNev = QStringLiteral("Hivatal");
  t.TertiVisszakuldIrsz = QStringLiteral("7621");
  t.TertiVisszakuldCim1 = QStringLiteral("Pécs");
  folder.put(kSetTertiFile, encodeRecord(t));
  auto w = indit();
  w->SSTab1->setCurrentIndex(2);
  EXPECT_EQ(w->feladoLap->lbSajatNev->text(), QStringLiteral("Lavindor Egyesület").leftJustified(40));
  w->SSTab1->setCurrentIndex(5);
  EXPECT_EQ(w->iratLap->lbIratFeladoCim1->text(), QStringLiteral("7621 Pécs").leftJustified(45));
  EXPECT_EQ(allapot.Layouts.Terti.TertiVisszakuldNev.trimmed(), QStringLiteral("Hivatal"));
}

TEST_F(KitoltesTest, ClickFillsEveryPageForADomesticPayer) {
  fizetok();
  auto w = indit();
  w->betuk->ComboBetuTipus1[0]->setEditText(QStringLiteral("Courier New"));
  w->betuk->ComboBetuSize[0]->setEditText(QStringLiteral("14"));
  w->ListView1_ItemClick(0);
  EXPECT_EQ(w->feladoLap->txNev3->text(), QStringLiteral("Kovács Péter"));
  EXPECT_EQ(w->feladoLap->txCim3_1->text(), QStringLiteral("9021   Győr"));
  EXPECT_EQ(w->feladoLap->txCim3_2->text(), QStringLiteral("Fő út 1."));
  EXPECT_EQ(w->tertiLap->txCim2_1->text(), QStringLiteral("9021   Győr"));
  EXPECT_EQ(w->tertiLap->txUgyfelAzonosito->text(), QStringLiteral("AZ-7"));
  EXPECT_EQ(w->tertiLap->txKudemenyAzonosito->text(), QStringLiteral("RL123"));
  EXPECT_EQ(w->boritekLap->txtBoritekCimzettIrSzam->text(), QStringLiteral("9021  "));
  EXPECT_EQ(w->iratLap->txtIratCimzettNev->text(), QStringLiteral("Kovács Péter").leftJustified(36));
  EXPECT_EQ(w->iratLap->txtIratSzama->text(), QStringLiteral("12/2026"));
  EXPECT_EQ(w->iratLap->txtIratFajtaja->text(), QStringLiteral("Határozat"));
  // No fixed party chosen: the payer is the money order's payee.
  EXPECT_EQ(w->rcsekkLap->RlbNev->text(), QStringLiteral("Kovács Péter").leftJustified(36));
  EXPECT_EQ(w->rcsekkLap->txtHelys->text(), QStringLiteral("Győr"));
  EXPECT_EQ(w->ulapLap->txUCim->text(), QStringLiteral("9021   Győr, Fő út 1."));
  EXPECT_EQ(w->ulapLap->lbUIrszamHatul->text(), QStringLiteral("9021  "));
  EXPECT_EQ(w->cimkeLap->lbIrsz->text(), QStringLiteral("9021  "));
  EXPECT_EQ(w->cimkeLap->sorMeret(0), 14);
  // Amounts: the lists hold both, every amount box slot 1.
  ASSERT_EQ(w->rcsekkLap->RtxOsszeg->count(), 2);
  EXPECT_EQ(w->rcsekkLap->RtxOsszeg->currentText(), QStringLiteral("2500"));
  EXPECT_EQ(w->ulapLap->txUosszeg->text(), QStringLiteral("2500"));
  EXPECT_EQ(w->feladoLap->txUtanvet->text(), QStringLiteral("2500"));
}

TEST_F(KitoltesTest, ClickFillsEveryPageForAForeignPayer) {
  fizetok();
  auto w = indit();
  w->rcsekkLap->opAllando[0]->setChecked(true);
  w->ListView1_ItemClick(0);
  w->ListView1_ItemClick(1);
  EXPECT_EQ(w->feladoLap->txCim3_1->text(), QStringLiteral("12 High Street, OX1 2JD Oxford"));
  EXPECT_EQ(w->boritekLap->txtBoritekCimzettIrSzam->text(), QString());
  EXPECT_EQ(w->iratLap->txtIratCimzettIrszam->text(), QString());
  EXPECT_EQ(w->iratLap->txtIratCimzettHelyseg->text(), QStringLiteral("12 High Street, OX1 2JD Oxford"));
  EXPECT_EQ(w->cimkeLap->lbIrsz->text(), QString());
  // Empty identifiers leave what the page showed.
  EXPECT_EQ(w->tertiLap->txKudemenyAzonosito->text(), QStringLiteral("RL123"));
  // The fixed party is the payee: the payer is the sender, on one line.
  EXPECT_EQ(w->rcsekkLap->RtxCim->text(), QStringLiteral("       OX1 2JD Oxford, ") + QStringLiteral("Egyesült Királyság").leftJustified(45));
  // Slot 1 empty: the lists hold 1500, every amount box and words field is empty.
  ASSERT_EQ(w->rcsekkLap->RtxOsszeg->count(), 1);
  EXPECT_EQ(w->rcsekkLap->RtxOsszeg->itemText(0), QStringLiteral("1500"));
  EXPECT_EQ(w->rcsekkLap->RtxOsszeg->currentText(), QString());
  EXPECT_EQ(w->rcsekkLap->RtxtSzoveg21->text(), QString());
  EXPECT_EQ(w->ulapLap->txUosszeg->text(), QString());
  EXPECT_EQ(w->feladoLap->txUtanvet->text(), QString());
}

TEST_F(KitoltesTest, AddresseeSwapTakesThePayerChosenInTheList) {
  fizetok();
  auto w = indit();
  w->ListView1_ItemClick(0);
  // A list print leaves its last printed row, the foreign payer, in the shared copy.
  allapot.Nevek.Nev = QStringLiteral("John Smith");
  w->ulapLap->chkCimzettCsereUlap->setValue(1);
  EXPECT_EQ(w->ulapLap->lbUNev->text(), QStringLiteral("Kovács Péter").leftJustified(36));
  EXPECT_EQ(w->ulapLap->lbUIrszam->text(), QStringLiteral("9021  "));
  w->ulapLap->chkCimzettCsereUlap->setValue(0);
  EXPECT_EQ(w->ulapLap->txUNev->text(), QStringLiteral("Kovács Péter").leftJustified(36));
  EXPECT_EQ(w->ulapLap->lbUNevHatul->text(), QStringLiteral("Kovács Péter").leftJustified(36));
}

TEST_F(KitoltesTest, EnvelopePagePrintsThePayerOnItAndTheSelectedRows) {
  fizetok();
  BoritekRekord b;
  b.C6Cimzett_y = 50;
  b.C6Cimzett_x = 80;
  b.BoritekNevBetutipus = QStringLiteral("Arial");
  b.BoritekNevBetumeret = 12;
  b.BoritekFeladoBetumeret = 10;
  folder.put(kBoritekFile, encodeRecord(b));
  setFajl([](SetRekord& s) { s.AlapNyomtato = -1; });
  auto w = indit();
  const QString nevek[] = {QString(), QStringLiteral("Kovács Péter"), QStringLiteral("John Smith")};
  auto nev = [&](int sor) { return nevek[w->lista->rekordSzam(sor)]; };
  w->SSTab1->setCurrentIndex(3);
  w->ListView1_ItemClick(0);
  w->cmdPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  const PrintedText& elso = printed::at(printed::page(nyomtato).texts, 0);
  EXPECT_EQ(elso.text, nev(0));
  EXPECT_NEAR(elso.x, 146, 1e-9);
  EXPECT_NEAR(elso.y, 70, 1e-9);

  auto* s = w->lista->ListView1->selectionModel();
  for (int sor : {1, 0}) s->select(w->lista->modell()->index(sor, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  w->OpOrientacioFekvo->setChecked(true);
  w->cmdCsPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 2u);
  const auto& lapok = printed::doc(nyomtato, 1).pages;
  ASSERT_EQ(lapok.size(), 2u);
  EXPECT_EQ(printed::at(lapok[0].texts, 0).text, nev(0));
  EXPECT_EQ(printed::at(lapok[1].texts, 0).text, nev(1));
  EXPECT_NEAR(printed::at(lapok[1].texts, 0).x, 80, 1e-9);
  EXPECT_EQ(trimmed(allapot.Nevek.Nev), nev(1));  // the record read last
}
