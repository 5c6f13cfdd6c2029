// The label page inside the main window: the print button, the counter caption, clearing the
// positions after a deletion, and a screenshot of a 4 x 10 sheet with positions assigned
// (<build>/screenshots/cimke-4x10.png, for a person to look at).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

#include "ablakfixture.h"
#include "printing/envelopes/cimkelap.h"
#include "records/fizetok.h"
#include "records/fizetolista.h"
#include "common/tricheckbox.h"

namespace {

class CimkeOldal : public AblakTest {
 protected:
  void lap(int oszlop, int sor, int32_t szamlalo = 0) {
    CimkeSetupRekord s;
    s.Oszlop = int16_t(oszlop);
    s.Sor = int16_t(sor);
    s.Left = s.Top = Fixed::fromDouble(5);
    s.Szeles = Fixed::fromDouble(210.0 / oszlop);
    s.Magas = Fixed::fromDouble(297.0 / sor);
    s.KinyomottCimkeNum = szamlalo;
    folder.put(kCimkeSetupFile, encodeRecord(s));
  }
  // Row `sor` clicked, then position box k ticked.
  static void hozzarendel(frmLavindor& w, int sor, int k) {
    w.ListView1_ItemClick(sor);
    w.cimkeLap->chkCimke1[size_t(k)]->setValue(1);
  }
};

}  // namespace

TEST_F(CimkeOldal, PrintButtonAndDeletion) {
  folder.put(kNevekFile, szamozottFizetok(3));
  lap(2, 6, 41);
  auto w = indit();
  w->SSTab1->setCurrentIndex(kLapCimke);
  w->lista->ListView1->selectAll();
  w->cmdPrint_Click();
  w->cmdCsPrint_Click();  // the label page has no list print
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_EQ(nyomtato.documents()[0].texts().size(), 15u);
  EXPECT_EQ(w->cimkeLap->lbKinyomottCimkeNum->text(), QStringLiteral("44"));
  // A deletion clears the positions: record numbers have moved.
  hozzarendel(*w, 2, 4);
  ASSERT_EQ(allapot.CimkeHely[4], 3);
  w->ListView1_ItemClick(0);
  uzenetek.answers = {MsgAnswer::Yes};
  w->cmdDel->click();
  EXPECT_EQ(allapot.CimkeHely[4], 0);
  EXPECT_EQ(w->cimkeLap->chkCimke1[4]->text(), QStringLiteral("4"));
}

TEST_F(CimkeOldal, ScreenshotOfAFortyLabelSheet) {
  const QDir assets(QStringLiteral(LAVINDOR_BINARY_DIR "/assets"));
  for (const QString& nev : assets.entryList({QStringLiteral("*.jpg")}, QDir::Files))
    QFile::copy(assets.filePath(nev), folder.file(nev));
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter", "Győr", "Fő út 1.", "9021"},
                                      {"Árvíztűrő Tükörfúrógép Kft.", "Budapest", "Váci út 12.", "1132"},
                                      {"Nagy Anna", "Pécs", "Király u. 3.", "7621"}}));
  lap(4, 10, 1234);
  auto w = indit();
  w->resize(1440, 711);
  w->show();
  w->SSTab1->setCurrentIndex(kLapCimke);
  hozzarendel(*w, 0, 1);
  hozzarendel(*w, 1, 6);
  hozzarendel(*w, 2, 11);
  hozzarendel(*w, 0, 40);
  const CimkeLap& c = *w->cimkeLap;
  EXPECT_TRUE(!c.chkCimke1[40]->isHidden() && c.cimkeTwips(40).size() == QSize(840, 465));
  EXPECT_EQ(c.chkCimke1[6]->text().trimmed(), QStringLiteral("Árvíztűrő Tükörfúrógép Kft."));
  const QString cel = QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots");
  ASSERT_TRUE(QDir().mkpath(cel));
  QApplication::processEvents();
  const QPixmap kep = w->grab();
  ASSERT_FALSE(kep.isNull());
  EXPECT_TRUE(kep.save(cel + QStringLiteral("/cimke-4x10.png")));
}
