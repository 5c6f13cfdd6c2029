// The payer list's row click: the current payer, the buttons acting on it, the single or list
// print by the selection, and the pages filled from the payer's records. And the settings menu.
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>

#include "ablakfixture.h"
#include "app/frmabout.h"
#include "common/printdialog.h"
#include "layouts/factory.h"
#include "layouts/frmsetup.h"
#include "layouts/layoutrecords.h"
#include "payerstore/fizetok.h"
#include "payerwindows/fizetolista.h"
#include "payerwindows/frmfelvet.h"
#include "printing/slips/csekklap.h"
#include "support/printexpect.h"

namespace {

class SorTest : public AblakTest {
 protected:
  // Payers with amounts; payer 2 has slot 1 empty and 1500 in slot 3.
  void fizetok() {
    QByteArray b;
    NevekRekord n;
    n.Nev = QStringLiteral("Kovács Péter");
    n.Nev2 = QStringLiteral("Kovácsné");
    n.Helyseg = QStringLiteral("Győr");
    n.Cim = QStringLiteral("Fő út 1.");
    n.Irsz = QStringLiteral("9021");
    n.Osszegek = {2500, 3000};
    b += encodeRecord(n);
    n = NevekRekord{};
    n.Nev = QStringLiteral("Nagy Anna");
    n.Osszegek[2] = 1500;
    b += encodeRecord(n);
    b += fizetoRekord({QStringLiteral("Szabó Éva")});
    folder.put(kNevekFile, b);
  }
  void kijelol(frmLavindor& w, std::initializer_list<int> sorok) {
    QItemSelectionModel* s = w.lista->ListView1->selectionModel();
    s->clearSelection();
    for (int sor : sorok)
      s->select(w.lista->modell()->index(sor, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  // The official-document receipt page with rows 1 and 3 selected, on the factory layout as
  // `change` leaves it, printed rows to be taken off the list.
  std::unique_ptr<frmLavindor> iratLista(const std::function<void(SetIrat2Rekord&)>& change = {}) {
    SetIrat2Rekord i;
    applyFactory(i, irat2Factory());
    if (change) change(i);
    folder.put(kSetIrat2File, encodeRecord(i));
    SetRekord s;
    s.AlapNyomtato = -1, s.PrintDel = 1;
    folder.put(kSetFile, encodeRecord(s));
    fizetok();
    auto w = indit();
    w->SSTab1->setCurrentIndex(kLapIrat);
    kijelol(*w, {0, 2});
    return w;
  }
};

}  // namespace

TEST_F(SorTest, ClickMakesThePayerCurrentAndFillsTheSlipPage) {
  fizetok();
  auto w = indit();
  kijelol(*w, {0});
  w->ListView1_ItemClick(0);
  EXPECT_EQ(w->aktualisRekord(), 1);
  EXPECT_EQ(allapot.AktualisRekord, 1);
  EXPECT_TRUE(w->cmdDel->isEnabled());
  EXPECT_TRUE(w->cmdModosit->isEnabled());
  EXPECT_TRUE(w->cmdOsszegek->isEnabled());
  const CsekkLap& lap = *w->csekkLap;
  EXPECT_EQ(lap.txNev->text(), QStringLiteral("Kovács Péter"));
  EXPECT_EQ(lap.txNev_2->text(), QStringLiteral("Kovácsné"));
  EXPECT_EQ(lap.txCim1->text(), QStringLiteral("Győr"));
  EXPECT_EQ(lap.txIrszam->text(), QStringLiteral("9021  "));
  ASSERT_EQ(lap.txOsszeg->count(), 2);
  EXPECT_EQ(lap.txOsszeg->itemText(1), QStringLiteral("3000"));
  EXPECT_EQ(lap.txOsszeg->currentText(), QStringLiteral("2500"));
  EXPECT_FALSE(lap.txtSzoveg21->text().isEmpty());
  EXPECT_TRUE(w->cmdPrint->isVisibleTo(w.get()));
  EXPECT_FALSE(w->cmdCsPrint->isVisibleTo(w.get()));
  EXPECT_EQ(w->lista->lbKijelolve->text(), QString());
}

TEST_F(SorTest, NoValidFirstAmountClearsTheAmountBoxes) {
  fizetok();
  auto w = indit();
  w->ListView1_ItemClick(0);
  w->ListView1_ItemClick(1);
  const CsekkLap& lap = *w->csekkLap;
  ASSERT_EQ(lap.txOsszeg->count(), 1);
  EXPECT_EQ(lap.txOsszeg->itemText(0), QStringLiteral("1500"));
  EXPECT_EQ(lap.txOsszeg->currentText(), QString());
  EXPECT_EQ(lap.txtSzoveg21->text(), QString());
  EXPECT_EQ(lap.txtSzoveg11->text(), QString());
  EXPECT_EQ(lap.lbOsszeg->text(), QString());
}

TEST_F(SorTest, SeveralSelectedRowsOfferTheListPrintExceptOnTheLabelPage) {
  fizetok();
  auto w = indit();
  kijelol(*w, {0, 1, 2});
  w->ListView1_ItemClick(2);
  EXPECT_FALSE(w->cmdPrint->isVisibleTo(w.get()));
  EXPECT_TRUE(w->cmdCsPrint->isVisibleTo(w.get()));
  EXPECT_EQ(w->lista->lbKijelolve->text(), QStringLiteral("3"));
  EXPECT_EQ(w->aktualisRekord(), 3);

  w->SSTab1->setCurrentIndex(4);
  w->ListView1_ItemClick(2);
  EXPECT_TRUE(w->cmdPrint->isVisibleTo(w.get()));
  EXPECT_FALSE(w->cmdCsPrint->isVisibleTo(w.get()));
  EXPECT_EQ(w->lista->lbKijelolve->text(), QString());
}

TEST_F(SorTest, RecordNumbersAreNotCutTo16Bits) {
  fizetok();
  auto w = indit();
  w->ListView1_ItemClick(0);
  // A row naming a payer beyond 32767 (as a list of 40,000 payers has): the number is kept
  // whole; there is no such record here, so the pages keep the payer loaded before.
  w->lista->modell()->feltolt({ListaSor{QStringLiteral("Távoli"), QString(), QStringLiteral(" 40000")}});
  w->ListView1_ItemClick(0);
  EXPECT_EQ(w->aktualisRekord(), 40000);
  EXPECT_EQ(allapot.AktualisRekord, 40000);
  EXPECT_EQ(w->csekkLap->txNev->text(), QStringLiteral("Kovács Péter"));
}

TEST_F(SorTest, ARowWithoutANumberKeepsTheCurrentPayer) {
  fizetok();
  auto w = indit();
  w->ListView1_ItemClick(1);
  w->lista->modell()->feltolt({ListaSor{QStringLiteral("?"), QString(), QStringLiteral("x")}});
  w->ListView1_ItemClick(0);
  EXPECT_EQ(w->aktualisRekord(), 2);
  EXPECT_EQ(w->csekkLap->txNev->text(), QStringLiteral("Nagy Anna"));
}

TEST_F(SorTest, SettingsMenuOpensOnThePagesTab) {
  auto w = indit();
  w->SSTab1->setCurrentIndex(5);
  int ful = -1;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<frmSetup*>(QApplication::activeModalWidget())) {
      ful = d->SSTab1->currentIndex();
      d->close();
    }
  });
  w->mnuSetup_Click();
  EXPECT_EQ(ful, 4);
}

TEST_F(SorTest, NewPayerButtonAndMenuOpenTheDialogInAddMode) {
  auto w = indit();
  w->mnuUjcimzett->trigger();
  frmFelvet* d = w->felvet();
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(allapot.FelvetelMod, 1);
  EXPECT_EQ(d->cmdRogzites->text(), QStringLiteral("&Felvétel"));
}

TEST_F(SorTest, ModifyStartsFromTheSlipPage) {
  fizetok();
  auto w = indit();
  w->ListView1_ItemClick(0);
  w->csekkLap->txNev->setText(QStringLiteral("Kovács Péter Pál"));
  w->cmdModosit->click();
  EXPECT_EQ(allapot.FelvetelMod, 2);
  EXPECT_EQ(w->felvet()->txBefizetoNeve->text(), QStringLiteral("Kovács Péter Pál"));
  EXPECT_EQ(w->felvet()->txBefizetoCim1->text(), QStringLiteral("Győr"));
}

TEST_F(SorTest, DeletionRemovesTheCurrentPayerAndDisablesItsButtons) {
  fizetok();
  auto w = indit();
  w->ListView1_ItemClick(1);
  uzenetek.answers = {MsgAnswer::Yes};
  w->cmdDel->click();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].title, QStringLiteral("Feladó törlése"));
  EXPECT_TRUE(uzenetek.shown[0].text.contains(QStringLiteral("NAGY ANNA")));
  EXPECT_EQ(folder.bytes(kNevekFile).size(), 2 * 271);
  EXPECT_EQ(w->lista->sorokSzama(), 2);
  EXPECT_EQ(w->aktualisRekord(), 0);
  EXPECT_FALSE(w->cmdDel->isEnabled());
  EXPECT_FALSE(w->cmdModosit->isEnabled());
  EXPECT_FALSE(w->cmdOsszegek->isEnabled());
}

TEST_F(SorTest, AmountsDialogRefreshesTheAmountList) {
  fizetok();
  auto w = indit();
  w->ListView1_ItemClick(0);
  bool nyitva = false;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      nyitva = d->windowTitle() == QStringLiteral("Összegek felvitele");
      d->close();
    }
  });
  w->cmdOsszegek->click();
  EXPECT_TRUE(nyitva);
  EXPECT_EQ(w->csekkLap->txOsszeg->count(), 2);
  EXPECT_EQ(w->csekkLap->txOsszeg->currentText(), QStringLiteral("2500"));
}

TEST_F(SorTest, AboutMenuShowsTheAboutBox) {
  auto w = indit();
  QString cim;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<frmAbout*>(QApplication::activeModalWidget())) {
      cim = d->lblTitle->text();
      d->close();
    }
  });
  w->mnuAbout->trigger();
  EXPECT_FALSE(cim.isEmpty());
}

TEST_F(SorTest, ListPrintOnTheSlipPagePrintsOneSlipPerSelectedRow) {
  nyomtathatoSet();
  fizetok();
  RecordedPrintDialogs dialogus;
  platform.printDialog = &dialogus;
  auto w = indit();
  kijelol(*w, {0, 2});
  w->ListView1_ItemClick(2);
  ASSERT_TRUE(w->cmdCsPrint->isVisibleTo(w.get()));
  w->cmdCsPrint_Click();  // standing: the printer dialog first, then a slip per selected row
  EXPECT_EQ(dialogus.shown.size(), 1u);
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  const PrintedDocument& doc = printed::doc(nyomtato);
  ASSERT_EQ(doc.pages.size(), 2u);
  EXPECT_TRUE(printed::contains(printed::at(doc.pages, 0).texts, QStringLiteral("Kovács Péter")));
  EXPECT_TRUE(printed::contains(printed::at(doc.pages, 1).texts, QStringLiteral("Szabó Éva")));
  // The last printed row stays in the shared copies.
  EXPECT_EQ(trimmed(allapot.Nevek.Nev), QStringLiteral("Szabó Éva"));
  w->OpOrientacioFekvo->setChecked(true);
  w->cmdCsPrint_Click();  // lying: no dialog
  EXPECT_EQ(dialogus.shown.size(), 1u);
  EXPECT_EQ(nyomtato.documents().size(), 2u);
}

TEST_F(SorTest, MoneyOrderPrintsThePayerOnItsPage) {
  SetRcsekkRekord r;
  applyFactory(r, rcsekkFactory());
  folder.put(kSetRcsekkFile, encodeRecord(r));
  SetRekord s;
  s.Nyomtatando.fill(-1);
  folder.put(kSetFile, encodeRecord(s));
  fizetok();
  auto w = indit();
  w->SSTab1->setCurrentIndex(kLapRcsekk);
  w->ListView1_ItemClick(0);
  w->cmdPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_TRUE(printed::contains(printed::doc(nyomtato).texts(), QStringLiteral("Kovács Péter")));
  EXPECT_TRUE(printed::contains(printed::doc(nyomtato).texts(), QStringLiteral("2500")));
  RecordedPrintDialogs dialogus;
  platform.printDialog = &dialogus;
  kijelol(*w, {0, 2});
  w->cmdCsPrint_Click();  // the list: the printer dialog, then one money order per selected row
  EXPECT_EQ(dialogus.shown.size(), 1u);
  ASSERT_EQ(nyomtato.documents().size(), 2u);
  EXPECT_EQ(printed::doc(nyomtato, 1).pages.size(), 2u);
}

TEST_F(SorTest, ReturnReceiptPrintsStandingSingleAndLyingList) {
  SetTertiRekord t;
  applyFactory(t, tertiFactory());
  folder.put(kSetTertiFile, encodeRecord(t));
  fizetok();
  auto w = indit();
  w->SSTab1->setCurrentIndex(kLapTerti);
  kijelol(*w, {0, 2});
  w->ListView1_ItemClick(2);
  w->OpOrientacioAllo->setChecked(true);
  w->cmdPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_TRUE(printed::contains(printed::doc(nyomtato).texts(), QStringLiteral("Szabó Éva")));
  w->cmdCsPrint_Click();  // standing list: one card per selected row
  ASSERT_EQ(nyomtato.documents().size(), 2u);
  EXPECT_EQ(printed::doc(nyomtato, 1).pages.size(), 2u);
  w->OpOrientacioFekvo->setChecked(true);
  w->cmdCsPrint_Click();  // lying list: the same
  ASSERT_EQ(nyomtato.documents().size(), 3u);
  EXPECT_EQ(printed::doc(nyomtato, 2).pages.size(), 2u);
  w->cmdPrint_Click();  // lying single card
  ASSERT_EQ(nyomtato.documents().size(), 4u);
  // The 165 mm form, widened to hold the factory layout's third mark ("X" at 168 mm).
  EXPECT_NEAR(printed::page(nyomtato, 3).widthMm, 170, 0.01);
}

TEST_F(SorTest, CashOnDeliveryFormNeedsAPayerAndPrintsIt) {
  SetRcsekkRekord r;
  applyFactory(r, rcsekkFactory());
  folder.put(kSetRcsekkFile, encodeRecord(r));
  SetUlapRekord u;
  applyFactory(u, ulapFactory());
  folder.put(kSetUlapFile, encodeRecord(u));
  SetRekord s;
  s.BetuTipus2 = QStringLiteral("Arial");
  s.BetuMeret2 = 10;
  folder.put(kSetFile, encodeRecord(s));
  fizetok();
  auto w = indit();
  w->SSTab1->setCurrentIndex(kLapUlap);
  w->cmdPrint_Click();  // no payer yet: the guard's message, nothing printed
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text, QStringLiteral(" Nincs kijelölve ügyfél a listáról..."));
  EXPECT_TRUE(nyomtato.documents().empty());
  w->ListView1_ItemClick(0);
  w->cmdPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_TRUE(printed::contains(printed::doc(nyomtato).texts(), QStringLiteral("Kovács Péter")));
}

TEST_F(SorTest, PostingAndOfficialReceiptsPrintThePayerOnTheirPages) {
  SetFvevenyRekord f;
  applyFactory(f, fvevenyFactory());
  folder.put(kSetFvevenyFile, encodeRecord(f));
  SetIrat2Rekord i;
  applyFactory(i, irat2Factory());
  folder.put(kSetIrat2File, encodeRecord(i));
  fizetok();
  auto w = indit();
  w->ListView1_ItemClick(0);
  auto nevVan = [this](size_t doc) {
    return printed::contains(printed::doc(nyomtato, doc).texts(), QStringLiteral("Kovács Péter"));
  };
  w->SSTab1->setCurrentIndex(kLapFelado);
  w->cmdPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_TRUE(nevVan(0));
  w->SSTab1->setCurrentIndex(kLapIrat);
  w->OpOrientacioFekvo->setChecked(true);
  w->cmdPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 2u);
  EXPECT_TRUE(nevVan(1));
  w->cmdCsPrint_Click();  // the list print with no row selected: no page
  EXPECT_EQ(nyomtato.documents().size(), 2u);
}

TEST_F(SorTest, ReceiptListTakesThePrintedRowsOffTheListOnlyAfterASentDocument) {
  auto w = iratLista();
  nyomtato.sendError = PrinterError{482, QStringLiteral("hiba")};
  w->cmdCsPrint_Click();  // refused by the printer: every row stays
  EXPECT_EQ(w->lista->sorokSzama(), 3);
  nyomtato.sendError.reset();
  w->cmdCsPrint_Click();  // sent: the two printed rows leave the list, not the file
  ASSERT_EQ(w->lista->sorokSzama(), 1);
  EXPECT_EQ(w->lista->rekordSzam(0), 2);
  EXPECT_EQ(folder.bytes(kNevekFile).size(), 3 * 271);
}

TEST_F(SorTest, CashOnDeliveryListPrintsOneFormPerSelectedRow) {
  SetRcsekkRekord r;
  applyFactory(r, rcsekkFactory());
  folder.put(kSetRcsekkFile, encodeRecord(r));
  SetUlapRekord u;
  applyFactory(u, ulapFactory());
  folder.put(kSetUlapFile, encodeRecord(u));
  SetRekord s;
  s.BetuTipus2 = QStringLiteral("Arial");
  s.BetuMeret2 = 10;
  folder.put(kSetFile, encodeRecord(s));
  fizetok();
  auto w = indit();
  w->SSTab1->setCurrentIndex(kLapUlap);
  kijelol(*w, {0, 2});
  w->ListView1_ItemClick(2);
  w->cmdCsPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_EQ(printed::doc(nyomtato).pages.size(), 2u);
  EXPECT_EQ(trimmed(allapot.Nevek.Nev), QStringLiteral("Szabó Éva"));
}

// A list print with failing steps keeps its rows and says why once, naming the first error.
TEST_F(SorTest, RowsKeptAfterAFailedStepAreExplainedOnce) {
  // A text size the printer refuses on every form.
  auto w = iratLista([](SetIrat2Rekord& i) { i.IratTertiBetuMeret = 0; });
  const size_t elotte = uzenetek.shown.size();
  w->cmdCsPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_EQ(printed::doc(nyomtato).pages.size(), 2u);
  EXPECT_EQ(w->lista->sorokSzama(), 3);
  ASSERT_EQ(uzenetek.shown.size(), elotte + 1);
  EXPECT_TRUE(uzenetek.shown.back().text.contains(QStringLiteral("Érvénytelen tulajdonságérték")));
  EXPECT_TRUE(uzenetek.shown.back().text.contains(QStringLiteral("380")));
}

// A refused setting on the standing posting receipt, list or single, names the window's own
// font "Times New Roman" and restyles no control.
TEST_F(SorTest, PostingReceiptFallbackRenamesOnlyTheWindowsFont) {
  SetFvevenyRekord f;
  applyFactory(f, fvevenyFactory());
  f.FeladovevenyBetuMeret = 0;
  folder.put(kSetFvevenyFile, encodeRecord(f));
  fizetok();
  auto w = indit();
  const QString csalad = w->csekkLap->txNev->font().family();
  w->SSTab1->setCurrentIndex(kLapFelado);
  kijelol(*w, {0, 2});
  w->cmdCsPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_EQ(w->property("FontName").toString(), QStringLiteral("Times New Roman"));
  w->setProperty("FontName", QVariant());
  w->ListView1_ItemClick(0);
  w->cmdPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 2u);
  EXPECT_EQ(w->property("FontName").toString(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(w->csekkLap->txNev->font().family(), csalad);
}

// Rows chosen with the keyboard act as a click: Down makes the next payer current and fills
// the pages, Shift+Down offers the list print with the count.
TEST_F(SorTest, KeyboardSelectionActsAsARowClick) {
  fizetok();
  auto w = indit();
  QAbstractItemView* v = w->lista->ListView1;
  v->selectionModel()->setCurrentIndex(w->lista->modell()->index(0, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  auto gomb = [v](int key, Qt::KeyboardModifiers m) {
    QKeyEvent e(QEvent::KeyPress, key, m);
    QApplication::sendEvent(v, &e);
  };
  gomb(Qt::Key_Down, Qt::NoModifier);
  EXPECT_EQ(w->aktualisRekord(), w->lista->rekordSzam(1));
  EXPECT_EQ(w->csekkLap->txNev->text(), trimmed(w->lista->szoveg(1, 0)));
  EXPECT_TRUE(w->cmdCsPrint->isHidden());
  gomb(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(w->aktualisRekord(), w->lista->rekordSzam(2));
  EXPECT_FALSE(w->cmdCsPrint->isHidden());
  EXPECT_EQ(w->lista->lbKijelolve->text(), QStringLiteral("2"));
}
