#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "ablakfixture.h"
#include "common/filedialogs.h"
#include "common/tricheckbox.h"
#include "payerstore/fizetok.h"
#include "payerwindows/fizetolista.h"
#include "printing/envelopes/cimkelap.h"
#include "support/printexpect.h"


// A 2 x 6 sheet with positions assigned and a payer on the label preview
// (<build>/screenshots/cimke-2x6.png, for a person to look at).
TEST_F(AblakTest, LabelPageWithATwelveLabelSheet) {
  const QDir assets(QStringLiteral(LAVINDOR_BINARY_DIR "/assets"));
  for (const QString& nev : assets.entryList({QStringLiteral("*.jpg")}, QDir::Files))
    QFile::copy(assets.filePath(nev), folder.file(nev));
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter", "Győr", "Fő út 1.", "9021"},
                                      {"Árvíztűrő Tükörfúrógép Kft.", "Budapest", "Váci út 12.", "1132"}}));
  CimkeSetupRekord s{Fixed::fromDouble(49.5), Fixed::fromDouble(105), Fixed::fromDouble(8), Fixed::fromDouble(10), 2, 6, 0};
  folder.put(kCimkeSetupFile, encodeRecord(s));
  auto w = indit();
  w->resize(1440, 711);
  w->show();
  w->SSTab1->setCurrentIndex(kLapCimke);
  for (auto [sor, k] : {std::pair{0, 1}, {1, 4}, {0, 12}}) {
    w->ListView1_ItemClick(sor);
    w->cimkeLap->chkCimke1[size_t(k)]->setValue(1);
  }
  const CimkeLap& c = *w->cimkeLap;
  EXPECT_EQ(c.racs->felirat(), QStringLiteral("A4 etikett ív: 2 × 6 címke, 105 × 49,5 mm"));
  EXPECT_TRUE(c.racs->hasPaper());
  QApplication::processEvents();
  ASSERT_TRUE(QDir().mkpath(QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots")));
  EXPECT_TRUE(w->grab().save(QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots/cimke-2x6.png")));
}

// A 4 x 10 sheet with positions assigned (<build>/screenshots/cimke-4x10.png, for a person to
// look at); then the print button and a deletion.
TEST_F(AblakTest, LabelPageWithAFortyLabelSheet) {
  const QDir assets(QStringLiteral(LAVINDOR_BINARY_DIR "/assets"));
  for (const QString& nev : assets.entryList({QStringLiteral("*.jpg")}, QDir::Files))
    QFile::copy(assets.filePath(nev), folder.file(nev));
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter", "Győr", "Fő út 1.", "9021"},
                                      {"Árvíztűrő Tükörfúrógép Kft.", "Budapest", "Váci út 12.", "1132"},
                                      {"Nagy Anna", "Pécs", "Király u. 3.", "7621"}}));
  CimkeSetupRekord s{Fixed::fromDouble(29.7), Fixed::fromDouble(52.5), Fixed::fromDouble(5), Fixed::fromDouble(5), 4, 10, 1234};
  folder.put(kCimkeSetupFile, encodeRecord(s));
  auto w = indit();
  w->resize(1440, 711);
  w->show();
  w->SSTab1->setCurrentIndex(kLapCimke);
  for (auto [sor, k] : {std::pair{0, 1}, {1, 6}, {2, 11}, {0, 40}}) {
    w->ListView1_ItemClick(sor);
    w->cimkeLap->chkCimke1[size_t(k)]->setValue(1);
  }
  const CimkeLap& c = *w->cimkeLap;
  EXPECT_TRUE(!c.chkCimke1[40]->isHidden() && c.cimkeTwips(40).size() == QSize(840, 465));
  EXPECT_EQ(c.chkCimke1[6]->text().trimmed(), QStringLiteral("Árvíztűrő Tükörfúrógép Kft."));
  QApplication::processEvents();
  ASSERT_TRUE(QDir().mkpath(QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots")));
  EXPECT_TRUE(w->grab().save(QStringLiteral(LAVINDOR_BINARY_DIR "/screenshots/cimke-4x10.png")));

  w->cmdPrint_Click();  // positions mode: 4 labels
  w->cmdCsPrint_Click();  // the label page has no list print
  ASSERT_EQ(nyomtato.documents().size(), 1u);
  EXPECT_EQ(printed::doc(nyomtato).texts().size(), 20u);
  EXPECT_EQ(c.lbKinyomottCimkeNum->text(), QStringLiteral("1238"));
  // A deletion moves record numbers: the positions are cleared.
  uzenetek.answers = {MsgAnswer::Yes};
  w->cmdDel->click();
  EXPECT_EQ(allapot.CimkeHely[6], 0);
  EXPECT_EQ(c.chkCimke1[6]->text(), QStringLiteral("6"));
}

// A replace import while the custom label is ticked: the position that held payer 2 forgets it
// (record number, caption and tick), so the new payer 2 can never print under the old name.
TEST_F(AblakTest, PositionsForgetTheirPayersWhenThePayerFilesChange) {
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter", "Győr", "Fő út 1.", "9021"},
                                      {"Nagy Anna", "Pécs", "Király u. 3.", "7621"}}));
  SetRekord s;
  s.AutBeolvasFelulir = -1;  // the import replaces the payers
  folder.put(kSetFile, encodeRecord(s));
  RecordedFileDialogs fajlok;
  platform.fileDialogs = &fajlok;
  auto w = indit();
  w->SSTab1->setCurrentIndex(kLapCimke);
  CimkeLap& c = *w->cimkeLap;
  w->ListView1_ItemClick(1);
  c.chkCimke1[3]->setValue(1);
  ASSERT_EQ(allapot.CimkeHely[3], 2);
  c.chkEgyediCimke->setValue(1);
  folder.put("uj.csv", "Új Ödön;;;Eger;3300;Dobó tér 1.;100\r\nMásik Márta;;;Eger;3300;Dobó tér 2.;200\r\n");
  fajlok.answers = {folder.file("uj.csv")};
  w->mnuAdatCsvbol_Click();  // replace: answered Yes
  ASSERT_EQ(w->lista->sorokSzama(), 2);
  EXPECT_EQ(allapot.CimkeHely[3], 0);
  EXPECT_EQ(c.chkCimke1[3]->text(), QStringLiteral("3"));
  EXPECT_EQ(c.chkCimke1[3]->value(), 0);
}
