// After each document of the "PDF" printer the main window's status bar names the file written.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>

#include "ablakfixture.h"
#include "common/qtprinter.h"
#include "layouts/factory.h"
#include "printing/slips/csekklap.h"
#include "records/fizetok.h"

TEST_F(AblakTest, ThePdfPrinterNamesEveryFileInTheStatusBar) {
  QtPrinter pdf(folder.path());
  platform.printer = &pdf;
  SetRekord s;
  applyFactory(s, setFactory());
  s.Nyomtatando.fill(-1);
  s.NyomtatoIndex = int16_t(pdf.printerNames().indexOf(QtPrinter::kPdfName));
  s.AlapNyomtato = 0;
  folder.put(kSetFile, encodeRecord(s));
  folder.put(kNevekFile, fizetokFajl({{"Kovács Péter", "Győr", "Fő út 1.", "9021"}}));
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
