// End to end: documents printed on the "PDF" printer, read back with pdftotext -bbox.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <functional>
#include <sys/resource.h>

#include "common/qtprinter.h"
#include "support/fajlhibak.h"
#include "support/pdfwords.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {
using pdf::Word;
using PdfPage = pdf::Page;
using pdf::find;
using pdf::havePdftotext;
inline std::vector<PdfPage> readPdf(const QString& path) { return pdf::read(path); }

QtPrinter& onPdf(QtPrinter& p) {
  p.select(p.printerNames().indexOf(QtPrinter::kPdfName));
  return p;
}

QStringList pdfFiles(const TempFolder& folder) {
  return QDir(folder.file(QtPrinter::kPdfFolder)).entryList(QDir::Files);
}
}  // namespace

// pdftotext reports a word's box from the baseline up by the font's ascent and down by its
// descent, as the PDF's font descriptor states them. The PDF writer takes both from the same
// font metrics the printer measures with, so the box top is the line box top: the asked
// position, with no font-dependent correction.
TEST(QtPrinterPdf, TextLandsAtItsPositionOnA4AndLyingDl) {
  if (!havePdftotext()) GTEST_SKIP() << "pdftotext is not installed";
  TempFolder folder;
  QtPrinter printer(folder.path());
  onPdf(printer);
  printer.setScaleMillimetres();
  printer.setPaperSize(kPaperA4);
  printer.setOrientation(kPortrait);
  printer.setFontName("Arial CE" + QString(17, ' '));
  printer.setFontSize(12);
  printer.setCurrentX(30);
  printer.setCurrentY(40);
  const double lineHeight = printer.textHeight("x");
  const double width = printer.textWidth("Próba");
  printer.print("Próba");
  printer.setCurrentX(30);
  printer.print("Második");
  printer.setPaperSize(kPaperDL);
  printer.setOrientation(kLandscape);
  printer.newPage();
  printer.setFontName("Times New Roman CE");
  printer.setFontSize(10);
  printer.setCurrentX(150);
  printer.setCurrentY(80);
  printer.print("Fekvő ", false);  // the blank keeps the two words apart
  printer.print("boríték");
  printer.endDoc();

  ASSERT_TRUE(QFile::exists(printer.lastPdf()));
  EXPECT_TRUE(printer.lastPdf().startsWith(folder.file("Nyomtatas/nyomtatas-")));
  const auto pages = readPdf(printer.lastPdf());
  ASSERT_EQ(pages.size(), 2u);

  EXPECT_NEAR(printed::at(pages, 0).widthMm, 210, 0.5);
  EXPECT_NEAR(printed::at(pages, 0).heightMm, 297, 0.5);
  const Word* first = find(printed::at(pages, 0), "Próba");
  ASSERT_NE(first, nullptr);
  EXPECT_NEAR(first->x0, 30, 0.5);
  EXPECT_NEAR(first->y0, 40, 0.5);
  EXPECT_NEAR(first->x1 - first->x0, width, 0.5);
  EXPECT_LE(first->y1 - first->y0, lineHeight + 0.01);
  const Word* second = find(printed::at(pages, 0), "Második");
  ASSERT_NE(second, nullptr);
  EXPECT_NEAR(second->x0, 30, 0.5);
  EXPECT_NEAR(second->y0, 40 + lineHeight, 0.5);

  EXPECT_NEAR(printed::at(pages, 1).widthMm, 220, 0.5);
  EXPECT_NEAR(printed::at(pages, 1).heightMm, 110, 0.5);
  const Word* lying = find(printed::at(pages, 1), "Fekvő");
  ASSERT_NE(lying, nullptr);
  EXPECT_NEAR(lying->x0, 150, 0.5);
  EXPECT_NEAR(lying->y0, 80, 0.5);
  const Word* next = find(printed::at(pages, 1), "boríték");
  ASSERT_NE(next, nullptr);
  EXPECT_NEAR(next->y0, 80, 0.5);  // stayed on the line
}

TEST(QtPrinterPdf, EachDocumentGetsItsOwnFileAndCancelWritesNone) {
  TempFolder folder;
  QtPrinter printer(folder.path());
  onPdf(printer);
  printer.endDoc();  // nothing placed: no file, no folder
  EXPECT_FALSE(folder.exists(QtPrinter::kPdfFolder));
  printer.print("elvetve");
  printer.killDoc();
  printer.endDoc();
  EXPECT_FALSE(folder.exists(QtPrinter::kPdfFolder));
  printer.print("egy");
  printer.endDoc();
  const QString firstFile = printer.lastPdf();
  printer.print("kettő");
  printer.newPage();  // no trailing blank page
  printer.endDoc();
  EXPECT_NE(printer.lastPdf(), firstFile);
  EXPECT_EQ(pdfFiles(folder).size(), 2);
  if (havePdftotext()) {
    const auto pages = readPdf(printer.lastPdf());
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(printed::at(pages, 0).words.size(), 1u);
    EXPECT_EQ(printed::at(printed::at(pages, 0).words, 0).text, "kettő");
  }
}

TEST(QtPrinterPdf, UnwritableFolderRaises482) {
  TempFolder folder;
  folder.put(QtPrinter::kPdfFolder, "not a folder");
  QtPrinter printer(folder.path());
  onPdf(printer);
  printer.print("x");
  try {
    printer.endDoc();
    FAIL() << "no error";
  } catch (const PrinterError& e) {
    EXPECT_EQ(e.number, 482);
    EXPECT_TRUE(e.description.startsWith("Nyomtatóhiba\r\n"));
  }
  EXPECT_FALSE(printer.documentOpen());
  EXPECT_TRUE(printer.lastPdf().isEmpty());
}

// A PDF whose write fails part-way (no room after some bytes, a file-size limit, a flush the
// disk refuses) is not printed: the error names the system's reason and no file is left.
TEST(QtPrinterPdf, AWriteThatFailsPartWaySaysWhyAndLeavesNoFile) {
  const struct {
    const char* mi;
    std::deque<FajlHibaLepes> lepesek;
    rlim_t hatar;  // a file-size limit, or 0
    const char* miert;
  } esetek[] = {
      {"no room part-way", {{FajlHivas::Iras, 0, 500}, {FajlHivas::Iras, ENOSPC}}, 0,
       "Nincs több szabad hely az eszközön"},
      {"file-size limit", {}, 1000, "A fájl túl nagy"},
      {"the file's flush", {{FajlHivas::Szinkron, EIO}}, 0, "Bemeneti/kimeneti hiba"},
      {"the folder's flush", {{FajlHivas::MappaSzinkron, EIO}}, 0, "Bemeneti/kimeneti hiba"},
  };
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.mi);
    TempFolder folder;
    QtPrinter printer(folder.path());
    onPdf(printer);
    printer.print("egy sor");
    QString hiba;
    {
      FajlHibak hibak(e.lepesek);
      MeretKorlat korlat(e.hatar);
      ASSERT_TRUE(korlat.ok());
      try {
        printer.endDoc();
      } catch (const PrinterError& p) {
        hiba = p.description;
      }
      EXPECT_EQ(hibak.hatra(), 0u);
    }
    EXPECT_TRUE(hiba.contains(QString::fromUtf8("PDF fájl nem írható (%1).").arg(QString::fromUtf8(e.miert))))
        << hiba.toStdString();
    EXPECT_TRUE(printer.lastPdf().isEmpty());
    EXPECT_EQ(QDir(folder.file(QtPrinter::kPdfFolder)).entryList(QDir::Files | QDir::Hidden), QStringList());
  }
}

// The PDF folder is made through the file layer, and a PDF counts as written only once the
// program folder is on the disk with the folder's name: flushed after the PDF's own folder, once
// a run and again after a failure. A failing call says what it was and what the disk holds.
TEST(QtPrinterPdf, TheFirstPdfMakesItsFolderAndFlushesTheProgramFolder) {
  TempFolder folder;
  const QString mappa = folder.file(QtPrinter::kPdfFolder), hely = QDir::toNativeSeparators(mappa);
  const QString nemBiztos =
      QString::fromUtf8("a lemez hibát jelzett a program mappájának kiírásakor, ezért a(z) %1 mappa nem biztos, hogy "
                        "megmarad (Bemeneti/kimeneti hiba).")
          .arg(hely);
  const auto programMappa = [&](FajlHivas h) {
    return h == FajlHivas::MappaSzinkron && fajlHorogUt() == folder.path();
  };
  const auto pdfMappa = [](FajlHivas hivas, int errnum) {
    return [hivas, errnum](FajlHivas h, const QString& n) { return h == hivas && n == QtPrinter::kPdfFolder ? errnum : 0; };
  };
  const struct {
    const char* mi;
    std::function<int(FajlHivas, const QString&)> hiba;
    QString uzenet;
    bool pdfMarad = false;
  } esetek[] = {
      {"the question about the folder", pdfMappa(FajlHivas::Lekerdezes, EIO),
       QString::fromUtf8("a(z) %1 mappa nem érhető el (Bemeneti/kimeneti hiba).").arg(hely)},
      {"its creation", pdfMappa(FajlHivas::Letrehozas, EDQUOT),
       QString::fromUtf8("a(z) %1 mappa nem hozható létre (Elfogyott a felhasználó lemezkvótája).").arg(hely)},
      {"the program folder's flush", [&](FajlHivas h, const QString&) { return programMappa(h) ? EIO : 0; }, nemBiztos},
      {"the program folder's flush, then the PDF's removal",
       [&](FajlHivas h, const QString& n) {
         return programMappa(h) || (h == FajlHivas::Torles && n.endsWith(".pdf")) ? EIO : 0;
       },
       nemBiztos, true},
  };
  for (const auto& e : esetek) {
    SCOPED_TRACE(e.mi);
    QDir(mappa).removeRecursively();
    QtPrinter printer(folder.path());
    onPdf(printer);
    printer.print("egy sor");
    QString hiba;
    {
      FajlHorogProba p([&](FajlHivas h, const QString& n, qint64&, qint64) { return e.hiba(h, n); });
      try {
        printer.endDoc();
      } catch (const PrinterError& p) {
        hiba = p.description;
      }
    }
    const QStringList pdfek = QDir(mappa).entryList(QDir::Files | QDir::Hidden);
    QString vart = QString::fromUtf8("Nyomtatóhiba\r\nA dokumentumot nem sikerült kinyomtatni: ") + e.uzenet;
    if (e.pdfMarad && pdfek.size() == 1)
      vart += QString::fromUtf8(" A(z) %1 PDF fájl nem törölhető (Bemeneti/kimeneti hiba): a lemezen maradt, de nem "
                                "biztos, hogy megmarad.")
                  .arg(QDir::toNativeSeparators(QDir(mappa).filePath(pdfek[0])));
    EXPECT_EQ(hiba.toStdString(), vart.toStdString());
    EXPECT_EQ(pdfek.size(), e.pdfMarad ? 1 : 0);
    EXPECT_EQ(QFileInfo(mappa).isDir(), e.uzenet == nemBiztos);
    EXPECT_TRUE(printer.lastPdf().isEmpty());
  }
  // The folder flushes of the prints of one run: the program folder's after the PDF folder's,
  // on the first print only.
  QDir(mappa).removeRecursively();
  QtPrinter printer(folder.path());
  onPdf(printer);
  QStringList kiirt;
  FajlHorogProba p([&](FajlHivas h, const QString&, qint64&, qint64) {
    if (h == FajlHivas::MappaSzinkron) kiirt << fajlHorogUt();
    return 0;
  });
  for (int i = 0; i < 2; ++i) {
    printer.print("egy sor");
    printer.endDoc();
  }
  EXPECT_EQ(kiirt.join(" ").toStdString(), QStringList({mappa, folder.path(), mappa}).join(" ").toStdString());
  EXPECT_EQ(pdfFiles(folder).size(), 2);
}

TEST(QtPrinter, PrintersEndWithPdfAndDefaultExists) {
  TempFolder folder;
  QtPrinter printer(folder.path());
  const QStringList names = printer.printerNames();
  ASSERT_FALSE(names.isEmpty());
  EXPECT_EQ(names.last(), "PDF");
  EXPECT_EQ(names.count("PDF"), 1);
  EXPECT_GE(printer.defaultIndex(), 0);
  EXPECT_EQ(printer.currentIndex(), printer.defaultIndex());
}

TEST(QtPrinter, WindowsFontNamesMapOntoLiberation) {
  EXPECT_EQ(QtPrinter::family("Arial CE   "), "Liberation Sans");
  EXPECT_EQ(QtPrinter::family("arial"), "Liberation Sans");
  EXPECT_EQ(QtPrinter::family("Times New Roman CE"), "Liberation Serif");
  EXPECT_EQ(QtPrinter::family("Courier New"), "Liberation Mono");
  EXPECT_EQ(QtPrinter::family("Liberation Sans"), "Liberation Sans");
  EXPECT_EQ(QtPrinter::family("Nincs Ilyen Betű"), "");
  EXPECT_EQ(QtPrinter::family(" CE"), "");
  TempFolder folder;
  QtPrinter printer(folder.path());
  EXPECT_TRUE(printer.fonts().contains("Arial"));
  EXPECT_TRUE(printer.fonts().contains("Liberation Serif"));
  try {
    printer.setFontName("Nincs Ilyen Betű");
    FAIL();
  } catch (const PrinterError& e) {
    EXPECT_EQ(e.number, 380);
  }
}

TEST(QtPrinter, MeasuresWithFontMetricsInMillimetres) {
  TempFolder folder;
  QtPrinter printer(folder.path());
  printer.setScaleMillimetres();
  printer.setFontName("Arial");
  printer.setFontSize(12);
  // Liberation Sans advances: H 1479, e 1139, l 455, o 1139 units of 2048 per em.
  const double em = 12 * 25.4 / 72;
  EXPECT_NEAR(printer.textWidth("Hello"), (1479 + 1139 + 455 + 455 + 1139) / 2048.0 * em, 0.01);
  // Line: ascent 1854 + descent 434 + gap 67.
  EXPECT_NEAR(printer.textHeight("x"), (1854 + 434 + 67) / 2048.0 * em, 0.02);
  printer.setBold(true);
  EXPECT_GT(printer.textWidth("Hello"), (1479 + 1139 + 455 + 455 + 1139) / 2048.0 * em);
  printer.setScaleTwips();
  printer.setBold(false);
  EXPECT_NEAR(printer.textWidth("Hello"), (1479 + 1139 + 455 + 455 + 1139) / 2048.0 * em * kTwipsPerMm, 0.5);
}
