// The "Adatbázis" menu and Timer1 on the main window: what an import or deletion does to the
// list and the current payer, the automatic printing on the recording printer, and the guard
// that keeps ticks out of the payer dialog.
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QItemSelectionModel>
#include <QTimer>
#include <QTreeView>

#include "common/printdialog.h"
#include "common/tricheckbox.h"
#include "exchange/csvexport.h"
#include "exchange/csvimport.h"
#include "layouts/factory.h"
#include "payerstore/ugyfeltorles.h"
#include "payerwindows/fizetolista.h"
#include "payerwindows/frmfelvet.h"
#include "printing/envelopes/cimkelap.h"
#include "printing/slips/csekklap.h"
#include "support/printexpect.h"
#include "tests/app/ablakfixture.h"

namespace {

class Adatcsere : public AblakTest {
 protected:
  Adatcsere() { platform.printDialog = &dialogus; }
  void fizetok(int n) {
    QByteArray b;
    for (int i = 1; i <= n; ++i) {
      NevekRekord r;
      r.Nev = QStringLiteral("Régi %1").arg(i);
      r.Osszegek[0] = 100 * i;
      b += encodeRecord(r);
    }
    folder.put(kNevekFile, b);
  }
  void automatikus(bool felulir, int print) {
    setFajl([&](SetRekord& s) {
      applyFactory(s, setFactory());  // positions a slip can hold (the filler bytes are far off the page)
      s.BetuTipus1 = s.BetuTipus2 = QStringLiteral("Arial");
      s.BetuMeret1 = s.BetuMeret2 = 10;
      s.AlapNyomtato = -1;
      s.AutBeolvas = 1;
      s.AutBeolvasFelulir = flagOf(felulir);
      s.AutoPrint = int16_t(print);
      s.AutBeolvasMappa = figyelt.path();
    });
  }
  RecordedPrintDialogs dialogus;
  TempFolder figyelt;
};

TEST_F(Adatcsere, DeletionClearsTheCurrentPayer) {
  fizetok(3);
  auto w = indit();
  w->ListView1_ItemClick(1);
  ASSERT_EQ(w->aktualisRekord(), 2);
  ASSERT_FALSE(w->csekkLap->txNev->text().isEmpty());
  w->cimkeLap->chkCimke1[3]->setValue(1);
  w->mnuAdatbazisTorles_Click();  // answered Yes
  EXPECT_EQ(w->aktualisRekord(), 0);
  EXPECT_EQ(w->lista->sorokSzama(), 0);
  EXPECT_TRUE(w->csekkLap->txNev->text().isEmpty());
  EXPECT_EQ(w->cimkeLap->chkCimke1[3]->value(), 0);
  EXPECT_FALSE(w->cmdDel->isEnabled());
}

// After the payer files change no row is selected: the count goes and the single print comes
// back. A list print that finds no printable row says so (here after the printer dialog).
TEST_F(Adatcsere, ChangedPayerFilesClearTheSelectionCountAndAnEmptyListPrintSaysSo) {
  fizetok(3);
  auto w = indit();
  QItemSelectionModel* s = w->lista->ListView1->selectionModel();
  for (int sor : {0, 2}) s->select(w->lista->modell()->index(sor, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
  w->ListView1_ItemClick(2);
  ASSERT_FALSE(w->cmdCsPrint->isHidden());
  ASSERT_EQ(w->lista->lbKijelolve->text(), QStringLiteral("2"));
  w->mnuAdatbazisTorles_Click();  // answered Yes
  EXPECT_TRUE(w->lista->lbKijelolve->text().isEmpty());
  EXPECT_TRUE(w->cmdCsPrint->isHidden());
  EXPECT_FALSE(w->cmdPrint->isHidden());
  const size_t elotte = uzenetek.shown.size();
  w->cmdCsPrint_Click();
  EXPECT_EQ(dialogus.shown.size(), 1u);
  EXPECT_TRUE(nyomtato.documents().empty());
  ASSERT_EQ(uzenetek.shown.size(), elotte + 1);
  EXPECT_TRUE(uzenetek.shown.back().text.contains(QStringLiteral("nyomtatható")));
}

// A deleted payer leaves the pages: they show a blank payer, and the single print prints none.
TEST_F(Adatcsere, DeletedPayerLeavesThePages) {
  SetFvevenyRekord f;
  applyFactory(f, fvevenyFactory());
  folder.put(kSetFvevenyFile, encodeRecord(f));
  fizetok(3);
  auto w = indit();
  w->ListView1_ItemClick(1);
  ASSERT_EQ(w->csekkLap->txNev->text(), QStringLiteral("Régi 2"));
  w->cmdDel->click();  // answered Yes
  ASSERT_EQ(w->lista->sorokSzama(), 2);
  EXPECT_TRUE(w->csekkLap->txNev->text().isEmpty());
  w->SSTab1->setCurrentIndex(kLapFelado);
  w->cmdPrint_Click();
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_FALSE(printed::contains(printed::doc(nyomtato).texts(), QStringLiteral("Régi 2")));
  EXPECT_FALSE(printed::contains(printed::doc(nyomtato).texts(), QStringLiteral("200")));
}

TEST_F(Adatcsere, ReplaceWithPrinting) {
  fizetok(5);
  automatikus(true, 1);
  auto w = indit();
  figyelt.put("uj.csv", "Kiss Anna;;AZ1;Győr;9021;Fő út 1.;1500\r\nNagy Béla;;AZ2;Pécs;7621;Király u. 2.;2500\r\n");
  w->Timer1_Timer();
  EXPECT_TRUE(nyomtato.documents().empty());  // first sight of the file
  w->Timer1_Timer();
  ASSERT_EQ(w->lista->sorokSzama(), 2);
  EXPECT_EQ(w->lista->rekordSzam(0), 1);
  EXPECT_FALSE(figyelt.exists("uj.csv"));
  EXPECT_EQ(dialogus.shown.size(), 1u);  // the printer dialog before the slips
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_EQ(printed::doc(nyomtato).pages.size(), 2u);  // one slip for each row of the list
  const std::vector<PrintedText> t = printed::doc(nyomtato).texts();
  EXPECT_TRUE(printed::find(t, QStringLiteral("*Egyezer-ötszáz*")) &&
              printed::find(t, QStringLiteral("*Kettőezer-ötszáz*")));
  EXPECT_TRUE(uzenetek.shown.empty());
  EXPECT_TRUE(w->Timer1->isActive());
}

TEST_F(Adatcsere, NoTickWhileThePayerDialogIsOpen) {
  automatikus(false, 0);
  auto w = indit();
  figyelt.put("uj.csv", "Kiss Anna;;;;;;1500\r\n");
  w->cmdRogzit_Click();  // the payer dialog, not modal
  ASSERT_TRUE(w->felvet()->isVisible());
  w->Timer1_Timer();
  w->Timer1_Timer();
  EXPECT_TRUE(figyelt.exists("uj.csv"));
  EXPECT_EQ(w->lista->sorokSzama(), 0);
  w->felvet()->hide();
  w->Timer1_Timer();
  w->Timer1_Timer();
  EXPECT_FALSE(figyelt.exists("uj.csv"));
  EXPECT_EQ(w->lista->sorokSzama(), 1);
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].title, "Figyelem!");
}

}  // namespace

// An import or a payer deletion whose notice file cannot be replaced: the message says the
// change completes at the next start. The running program first tries the rename again; where
// it fails again it reads the pair as it was before (its backups), so the list, a row click, a
// list print and the export pair every payer with its own notice, never another's.
TEST_F(Adatcsere, AnUnfinishedChangeIsReadAsAWholePair) {
  SetRekord s;
  s.BetuTipus1 = s.BetuTipus2 = QStringLiteral("Arial");
  s.BetuMeret1 = s.BetuMeret2 = 10;
  s.Nyomtatando.fill(-1);
  for (const bool torles : {false, true})
    for (const bool ujraSem : {true, false}) {
      SCOPED_TRACE(testing::Message() << torles << ujraSem);
      QDir(folder.path()).removeRecursively();  // a fresh folder
      QDir().mkpath(folder.path());
      folder.put(kSetFile, encodeRecord(s));
      QByteArray n, k;
      for (int i = 1; i <= 20; ++i) {
        NevekRekord r;
        r.Nev = QStringLiteral("Régi %1").arg(i);
        r.Osszegek[0] = 100;
        n += encodeRecord(r);
        k += encodeRecord(Kozl3sorRekord{"K-" + r.Nev, {}, {}, {}, {}, {}});
      }
      folder.put(kNevekFile, n);
      folder.put(kKozl3sorFile, k);
      auto w = indit();
      const CsereHorog horog = [&](CsereLepes l) {
        if (l == CsereLepes::Atnevezes2 && ujraSem) {  // a folder in its place: the later tries fail too
          QFile::remove(folder.file(kKozl3sorFile));
          QDir(folder.path()).mkdir(kKozl3sorFile);
        }
        return l != CsereLepes::Atnevezes2;
      };
      if (torles) {
        ASSERT_TRUE(UgyfelTorles(folder.path(), 5, nullptr, horog));
      } else {
        figyelt.put("be.csv", "Új 1;;;Győr;9021;Fő út;100;K-Új 1\r\nÚj 2;;;Győr;9021;Fő út;100;K-Új 2\r\n");
        ImportOpciok o;
        o.horog = horog;
        ASSERT_TRUE(csvImport(folder.path(), figyelt.file("be.csv"), true, CsvValtozat::Kezi, o).ok());
      }
      w->fizetokValtoztak();
      EXPECT_EQ(w->lista->sorokSzama(), ujraSem ? 20 : torles ? 19 : 2);
      EXPECT_EQ(folder.exists(kCsereNaploFile), ujraSem);
      for (int sor = 0; sor < w->lista->sorokSzama(); ++sor) {
        w->ListView1_ItemClick(sor);
        EXPECT_EQ(trimmed(allapot.Kozl3sor.Kozlemeny), "K-" + trimmed(allapot.Nevek.Nev));
      }
      w->lista->ListView1->selectAll();
      nyomtato.clearLog();
      w->cmdCsPrint_Click();
      const PrintedDocument& doc = printed::doc(nyomtato);
      EXPECT_EQ(doc.pages.size(), size_t(w->lista->sorokSzama()));
      for (const PrintedPage& p : doc.pages) {
        const auto kozl = std::find_if(p.texts.begin(), p.texts.end(), [](const PrintedText& t) { return t.text.startsWith("K-"); });
        EXPECT_TRUE(kozl != p.texts.end() && printed::find(p.texts, kozl->text.mid(2)));
      }
      ASSERT_TRUE(csvExport(folder.path(), figyelt.file("ki.csv")).ok());
      const QList<QByteArray> sorok = figyelt.bytes("ki.csv").split('\n');
      EXPECT_EQ(sorok.size(), w->lista->sorokSzama() + 1);
      for (const QByteArray& sor : sorok.mid(0, sorok.size() - 1)) {
        const QList<QByteArray> m = sor.split(';');
        EXPECT_EQ(m[7].trimmed(), "K-" + m[0].trimmed()) << sor.constData();
      }
      if (!ujraSem) continue;
      // A start on this state lists the pair as it was before the change, as its click reads it.
      {
        uzenetek.shown.clear();
        auto ujra = indit();
        EXPECT_FALSE(uzenetek.shown.empty());
        EXPECT_EQ(ujra->lista->sorokSzama(), 20);
        EXPECT_TRUE(ujra->lista->szoveg(0, 0).startsWith(QStringLiteral("Régi")));
      }
      // The rename succeeds later: the list of the old pair is read again at the next click,
      // which is dropped, said once; then rows name the new pair's payers.
      QDir(folder.path()).rmdir(kKozl3sorFile);
      uzenetek.shown.clear();
      w->ListView1_ItemClick(4);
      EXPECT_FALSE(folder.exists(kCsereNaploFile));
      EXPECT_EQ(w->lista->sorokSzama(), torles ? 19 : 2);
      EXPECT_EQ(w->aktualisRekord(), 0);
      ASSERT_EQ(uzenetek.shown.size(), 1u);
      EXPECT_TRUE(uzenetek.shown[0].text.startsWith(QStringLiteral("A címzettek fájljai közben megváltoztak")));
      w->ListView1_ItemClick(1);
      EXPECT_EQ(trimmed(allapot.Nevek.Nev), w->lista->szoveg(1, 0));
      EXPECT_EQ(trimmed(allapot.Kozl3sor.Kozlemeny), "K-" + trimmed(allapot.Nevek.Nev));
    }
}
