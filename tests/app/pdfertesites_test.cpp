// After each document of the "PDF" printer the main window's status bar names the file written.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTreeView>

#include "ablakfixture.h"
#include "common/fajlmuvelet.h"
#include "common/qtprinter.h"
#include "layouts/factory.h"
#include "payerstore/fizetok.h"
#include "payerwindows/fizetolista.h"
#include "payerwindows/listamodell.h"
#include "printing/slips/csekklap.h"

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

// A PDF that cannot be written is said once per print, that it was not printed and why, by the
// single slip and by a list print whose error classes otherwise say nothing: a file standing in
// the folder's name (which no permission, not even root's, gets round), and a full disk (every
// write of the PDF files fails with ENOSPC).
TEST_F(AblakTest, APdfThatCannotBeWrittenIsSaidOnceWithWhy) {
  const QString mappa = QDir::toNativeSeparators(folder.file(QtPrinter::kPdfFolder));
  for (const bool tele : {false, true}) {
    SCOPED_TRACE(tele ? "full disk" : "a file in the way");
    uzenetek.shown.clear();
    QtPrinter pdf(folder.path());
    pdfreEgyFizeto(platform, folder, pdf);
    FajlHorogProba teleLemez([tele](FajlHivas h, const QString& fajl, qint64&, qint64) {
      return tele && h == FajlHivas::Iras && fajl.endsWith(QStringLiteral(".pdf.felkesz")) ? ENOSPC : 0;
    });
    if (tele)
      QFile::remove(folder.file(QtPrinter::kPdfFolder));
    else
      folder.put(QtPrinter::kPdfFolder, QByteArray("nem mappa"));
    auto w = indit();
    w->ListView1_ItemClick(0);
    w->csekkLap->txOsszeg->setEditText(QStringLiteral("1500"));
    w->OpOrientacioAllo->setChecked(true);
    w->cmdPrint_Click();  // the single standing slip: silent cancel
    w->lista->ListView1->selectionModel()->select(w->lista->modell()->index(0, 0),
                                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    w->OpOrientacioFekvo->setChecked(true);
    w->cmdCsPrint_Click();  // the lying slip list: silent cancel
    ASSERT_EQ(uzenetek.shown.size(), 2u);
    for (const auto& u : uzenetek.shown) {
      EXPECT_TRUE(u.text.startsWith(QStringLiteral("Nyomtatóhiba\r\nA dokumentumot nem sikerült kinyomtatni: ")));
      EXPECT_TRUE(u.text.contains(tele ? QStringLiteral("PDF fájl nem írható (Nincs több szabad hely az eszközön).")
                                       : QStringLiteral("a(z) %1 mappa helyén egy azonos nevű fájl áll.").arg(mappa)));
      EXPECT_TRUE(u.text.endsWith(QStringLiteral("\r\nHibakód száma : 482")));
      EXPECT_EQ(u.title, QStringLiteral("!  H I B A  ! "));
    }
    EXPECT_TRUE(pdf.lastPdf().isEmpty());
    // The status bar says the last print was not printed, and why.
    EXPECT_EQ(w->lbPdfFajl->text(),
              uzenetek.shown.back().text.chopped(QStringLiteral("\r\nHibakód száma : 482").size()).replace(
                  QStringLiteral("\r\n"), QStringLiteral(": ")));
  }
}

// The status bar says what the last print did: the file written, that the next one was not
// written and why, and nothing of either once a later print printed nothing.
TEST_F(AblakTest, TheStatusBarSaysWhatTheLastPrintDid) {
  QtPrinter pdf(folder.path());
  bool tele = false;  // while set, every write of a PDF file fails with ENOSPC
  FajlHorogProba teleLemez([&tele](FajlHivas h, const QString& fajl, qint64&, qint64) {
    return tele && h == FajlHivas::Iras && fajl.endsWith(QStringLiteral(".pdf.felkesz")) ? ENOSPC : 0;
  });
  pdfreEgyFizeto(platform, folder, pdf);
  auto w = indit();
  w->ListView1_ItemClick(0);
  w->csekkLap->txOsszeg->setEditText(QStringLiteral("1500"));
  w->cmdPrint_Click();
  const QString fajl = QDir::toNativeSeparators(pdf.lastPdf());
  EXPECT_EQ(w->lbPdfFajl->text(), QStringLiteral("A nyomtatás PDF fájlba került: ") + fajl);
  EXPECT_EQ(w->lbPdfFajl->toolTip(), fajl);

  tele = true;
  w->cmdPrint_Click();
  ASSERT_EQ(uzenetek.shown.size(), 1u);
  const QString hiba = w->lbPdfFajl->text();
  EXPECT_TRUE(hiba.startsWith(QStringLiteral("Nyomtatóhiba: A dokumentumot nem sikerült kinyomtatni: "))) << hiba.toStdString();
  EXPECT_TRUE(hiba.contains(QStringLiteral("PDF fájl nem írható (Nincs több szabad hely az eszközön)."))) << hiba.toStdString();
  EXPECT_FALSE(hiba.contains(fajl));

  // A list print with no row selected sends no document.
  w->cmdCsPrint_Click();
  EXPECT_TRUE(w->lbPdfFajl->text().isEmpty());
  EXPECT_TRUE(w->lbPdfFajl->toolTip().isEmpty());
}
