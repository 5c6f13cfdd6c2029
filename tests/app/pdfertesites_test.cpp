// After each document of the "PDF" printer the main window's status bar names the file written.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTreeView>

#include "ablakfixture.h"
#include "common/qtprinter.h"
#include "layouts/factory.h"
#include "printing/slips/csekklap.h"
#include "records/fizetok.h"
#include "records/fizetolista.h"
#include "records/listamodell.h"

namespace {
// The factory settings with the "PDF" printer chosen, and one payer.
void pdfreEgyFizeto(Platform& platform, TempFolder& folder, QtPrinter& pdf) {
  platform.printer = &pdf;
  SetRekord s;
  applyFactory(s, setFactory());
  s.Nyomtatando.fill(-1);
  s.NyomtatoIndex = int16_t(pdf.printerNames().indexOf(QtPrinter::kPdfName));
  s.AlapNyomtato = 0;
  folder.put(kSetFile, encodeRecord(s));
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter", "Győr", "Fő út 1.", "9021"}}));
}
}  // namespace

TEST_F(AblakTest, ThePdfPrinterNamesEveryFileInTheStatusBar) {
  QtPrinter pdf(folder.path());
  pdfreEgyFizeto(platform, folder, pdf);
  {
    auto w = indit();
    EXPECT_TRUE(w->lbPdfFajl->text().isEmpty());
    w->ListView1_ItemClick(0);
    w->csekkLap->txOsszeg->setEditText(QStringLiteral("1500"));
    QStringList fajlok;
    for (int i = 0; i < 2; ++i) {
      w->cmdPrint_Click();
      ASSERT_TRUE(QFile::exists(pdf.lastPdf()));
      fajlok << pdf.lastPdf();
      EXPECT_EQ(w->lbPdfFajl->text(),
                QStringLiteral("A nyomtatás PDF fájlba került: ") + QDir::toNativeSeparators(pdf.lastPdf()));
    }
    EXPECT_NE(fajlok[0], fajlok[1]);  // each document its own file, each named
    EXPECT_TRUE(uzenetek.shown.empty());  // a line to read, not a box to click away
  }
  // The window is gone: the printer no longer reports to it.
  EXPECT_FALSE(pdf.fileWritten);
}

// A PDF that cannot be written (its folder cannot be made: a file stands in its name, which no
// permission, not even root's, gets round) is said once per print, with why, by the single
// slip and by a list print whose error class otherwise says nothing.
TEST_F(AblakTest, APdfThatCannotBeWrittenIsSaidOnce) {
  QtPrinter pdf(folder.path());
  pdfreEgyFizeto(platform, folder, pdf);
  folder.put(QtPrinter::kPdfFolder, QByteArray("nem mappa"));
  const QString vart = QStringLiteral("Nyomtatóhiba\r\nA(z) %1 mappa nem hozható létre.\r\nHibakód száma : 482")
                           .arg(QDir::toNativeSeparators(QDir(folder.path()).filePath(QtPrinter::kPdfFolder)));
  auto w = indit();
  w->ListView1_ItemClick(0);
  w->csekkLap->txOsszeg->setEditText(QStringLiteral("1500"));
  w->cmdPrint_Click();  // the single standing slip: silent cancel
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  EXPECT_EQ(uzenetek.shown[0].text, vart);
  EXPECT_EQ(uzenetek.shown[0].title, QStringLiteral("!  H I B A  ! "));
  w->lista->ListView1->selectionModel()->select(w->lista->modell()->index(0, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
  w->OpOrientacioFekvo->setChecked(true);
  w->cmdCsPrint_Click();  // the lying slip list: silent cancel
  ASSERT_EQ(uzenetek.shown.size(), 2u);
  EXPECT_EQ(uzenetek.shown[1].text, vart);
  EXPECT_TRUE(pdf.lastPdf().isEmpty());
  EXPECT_TRUE(w->lbPdfFajl->text().isEmpty());
}
