// Printing through a real CUPS queue: the private scheduler's cups-pdf queue as the system's
// default printer. The queue's PDF shows what the printer got: the pages, their sizes and the
// ink of the texts, which must lie where the "PDF" printer puts it for the same document.
#include <QFile>
#include <gtest/gtest.h>

#include "../printing/slips/slipexpect.h"
#include "common/messages.h"
#include "common/platform.h"
#include "common/printdialog.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "payerstore/nevekrekord.h"
#include "printing/slips/csekklistaprint.h"
#include "printing/slips/csekkprint.h"
#include "printqueue/cupsscheduler.h"
#include "printqueue/ink.h"
#include "support/pdfwords.h"
#include "support/tempfolder.h"

CupsScheduler& cupsScheduler();

namespace {


// CUPS delivers a landscape page on standing paper with the content turned a quarter to the
// left; a quarter to the right brings it back.
constexpr int kTurnBack = 90;

class PrintQueue : public testing::Test {
 protected:
  void SetUp() override {
    if (!cupsScheduler().running()) GTEST_SKIP() << "CUPS scheduler unavailable: " << qPrintable(cupsScheduler().reason());
    queue = int(printer.printerNames().indexOf(CupsScheduler::kQueue));
    pdfPrinter = int(printer.printerNames().indexOf(QtPrinter::kPdfName));
    layout(true, 0);
    adatok.txNev = QStringLiteral("Kovács Éva");
    adatok.txCim1 = QStringLiteral("Győr");
    adatok.txCim2 = QStringLiteral("Fő utca 1.");
    adatok.txIrszam = QStringLiteral("9021");
    adatok.txOsszeg = QStringLiteral("12345");
    adatok.txtSzoveg21 = QStringLiteral("Tizenkettőezer-");
    adatok.txtSzoveg11 = QStringLiteral("háromszáznegyvenöt");
  }
  void TearDown() override {
    for (const QString& f : written) QFile::remove(f);
    if (cupsScheduler().running()) cupsScheduler().setEnabled(true);
  }

  // The slip layout in Set.dat, printing on the system default printer or on printer `index`.
  void layout(bool systemDefault, int index) {
    SetRekord s = slip::factoryLayout();
    s.AlapNyomtato = systemDefault ? -1 : 0;
    s.NyomtatoIndex = int16_t(index);
    ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));
  }

  // Runs `print` (true when the form printer printed) and returns the PDF the queue wrote.
  QString throughQueue(const std::function<bool()>& print) {
    const QStringList before = cupsScheduler().jobs(QStringLiteral("completed"));
    const QDateTime since = QDateTime::currentDateTime();
    if (!print()) {
      ADD_FAILURE() << "the form printer did not print";
      return {};
    }
    if (!cupsScheduler().waitIdle()) {
      ADD_FAILURE() << "the job did not complete\n" << qPrintable(cupsScheduler().log());
      return {};
    }
    EXPECT_EQ(cupsScheduler().jobs(QStringLiteral("completed")).size(), before.size() + 1);
    const QString pdf = CupsScheduler::newPdf(since);
    if (pdf.isEmpty())
      ADD_FAILURE() << "no new PDF in " << qPrintable(CupsScheduler::outputFolder()) << "\n"
                    << qPrintable(cupsScheduler().log());
    else
      written << pdf;
    return pdf;
  }

  // The same document on the "PDF" printer.
  QString onPdfPrinter(const std::function<bool()>& print) {
    layout(false, pdfPrinter);
    EXPECT_TRUE(print());
    layout(true, 0);
    return printer.lastPdf();
  }

  // The ink of every `texts` word on the "PDF" printer's page lies within 1 mm on the queue's
  // page, once that is turned by `turn`.
  static void expectSameInk(const QString& reference, const QString& queued, int turn, const QStringList& texts) {
    const std::vector<pdf::Page> words = pdf::read(reference);
    ASSERT_EQ(words.size(), 1u);
    const QImage want = ink::render(reference, 1);
    const QImage got = ink::render(queued, 1, turn);
    ASSERT_FALSE(want.isNull());
    ASSERT_FALSE(got.isNull());
    EXPECT_NEAR(got.width(), want.width(), 2);
    EXPECT_NEAR(got.height(), want.height(), 2);
    int checked = 0;
    for (const pdf::Word& w : words[0].words) {
      if (!texts.contains(w.text)) continue;
      SCOPED_TRACE(testing::Message() << w.text.toStdString() << " at " << w.x0 << ", " << w.y0);
      const ink::Match m = ink::match(want, got, QRectF(QPointF(w.x0, w.y0), QPointF(w.x1, w.y1)), 2.5);
      EXPECT_LE(std::abs(m.shiftMm.x()), 1.0);
      EXPECT_LE(std::abs(m.shiftMm.y()), 1.0);
      EXPECT_LT(m.mismatch, 0.2);
      ++checked;
    }
    EXPECT_GE(checked, int(texts.size()));
  }

  TempFolder folder;
  QtPrinter printer{folder.path()};
  RecordedMessageBoxes messages;
  RecordedPrintDialogs dialogs;
  Platform platform{folder.path(), &printer, &messages, nullptr, &dialogs};
  SetRekord set;
  CsekkAdatok adatok;
  int queue = -1, pdfPrinter = -1;
  QStringList written;  // the queue's PDFs, removed after the test
};

const QStringList kInked{QStringLiteral("***12345***"), QStringLiteral("Kovács"), QStringLiteral("9021")};

TEST_F(PrintQueue, QueueIsListedAndIsTheDefault) {
  ASSERT_GE(queue, 0) << qPrintable(printer.printerNames().join(", "));
  EXPECT_EQ(printer.defaultIndex(), queue);
  EXPECT_EQ(printer.printerNames().last(), QtPrinter::kPdfName);
  // The default-printer option sends the slip to the queue.
  const QString pdf = throughQueue([&] { return PrintAlloCsekk(adatok, platform, set).printed; });
  EXPECT_EQ(printer.currentName(), CupsScheduler::kQueue);
  EXPECT_FALSE(pdf.isEmpty());
}

TEST_F(PrintQueue, StandingSlipArrivesTurnedOnDlWithTheTextsInPlace) {
  auto print = [&] { return PrintAlloCsekk(adatok, platform, set).printed; };
  const QString queued = throughQueue(print);
  ASSERT_FALSE(queued.isEmpty());
  const std::vector<pdf::Page> pages = pdf::read(queued);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(pages[0].widthMm, 110, 1);
  EXPECT_NEAR(pages[0].heightMm, 220, 1);
  expectSameInk(onPdfPrinter(print), queued, kTurnBack, kInked);
}

TEST_F(PrintQueue, LyingSlipArrivesOn210By105WithTheTextsInPlace) {
  auto print = [&] { return PrintFekvoCsekk(adatok, platform, set).printed; };
  const QString queued = throughQueue(print);
  ASSERT_FALSE(queued.isEmpty());
  const std::vector<pdf::Page> pages = pdf::read(queued);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(pages[0].widthMm, 210, 1);
  EXPECT_NEAR(pages[0].heightMm, 105, 1);
  expectSameInk(onPdfPrinter(print), queued, 0, kInked);
}

TEST_F(PrintQueue, ListOfThreeSlipsArrivesAsThreeDlPages) {
  RecordFile nevek(folder.path(), kNevekFile, NevekRekord::Length);
  for (const QString& nev : {QStringLiteral("Kovács Éva"), QStringLiteral("Nagy Ödön"), QStringLiteral("Szabó Ilona")}) {
    NevekRekord n;
    n.Nev = nev;
    n.Helyseg = QStringLiteral("Győr");
    n.Irsz = QStringLiteral("9021");
    n.Osszegek[0] = 500;
    nevek.append(n);
  }
  const std::vector<CsoportSor> sorok{{1, true}, {2, true}, {3, true}};
  const QString queued = throughQueue([&] { return PrintCsAlloCsekk(sorok, CsekkLapSzovegek{}, platform, set).printed; });
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].current, queue);  // the dialog offers the queue
  ASSERT_FALSE(queued.isEmpty());
  const std::vector<pdf::Page> pages = pdf::read(queued);
  ASSERT_EQ(pages.size(), 3u);
  for (const pdf::Page& p : pages) {
    EXPECT_NEAR(p.widthMm, 110, 1);
    EXPECT_NEAR(p.heightMm, 220, 1);
  }
}

// A stopped queue is a printer error: the slip's silent cancel says only that the document was
// not sent and why, the standing list's class shows its message, and no job reaches the queue.
TEST_F(PrintQueue, StoppedQueueReachesTheErrorClass) {
  ASSERT_TRUE(cupsScheduler().setEnabled(false));
  const int before = int(cupsScheduler().jobs(QStringLiteral("all")).size());

  EXPECT_EQ(PrintAlloCsekk(adatok, platform, set).status(), PrintResult::Failed);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "!  H I B A  ! ");
  EXPECT_TRUE(messages.shown[0].text.startsWith("Nyomtatóhiba\r\n"));
  EXPECT_TRUE(messages.shown[0].text.endsWith("le van állítva.\r\nHibakód száma : 482"));
  messages.shown.clear();

  RecordFile nevek(folder.path(), kNevekFile, NevekRekord::Length);
  NevekRekord n;
  n.Nev = QStringLiteral("Nagy Ödön");
  nevek.append(n);
  EXPECT_FALSE(PrintCsAlloCsekk({{1, true}}, CsekkLapSzovegek{}, platform, set).printed);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "! HIBA !");
  EXPECT_TRUE(messages.shown[0].text.startsWith("Hiba kódszáma: 482\r\nNyomtatóhiba\r\n"))
      << qPrintable(messages.shown[0].text);
  EXPECT_TRUE(messages.shown[0].text.contains(CupsScheduler::kQueue));

  EXPECT_EQ(cupsScheduler().jobs(QStringLiteral("all")).size(), before);
  EXPECT_FALSE(printer.documentOpen());
}

}  // namespace
