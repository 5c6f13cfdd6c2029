// End to end: a standing C6 envelope with a picture, printed by the program's printer into a
// PDF; the recipient read back with pdftotext -bbox, the picture found on the page rendered
// by pdftoppm.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "common/messages.h"
#include "common/platform.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/layoutrecords.h"
#include "printing/envelopes/boritekprint.h"
#include "support/pdfwords.h"
#include "support/printexpect.h"
#include "support/tempfolder.h"

namespace {

TEST(BoritekPdf, StandingC6WithPicture) {
  if (!pdf::havePdftotext() || QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
    GTEST_SKIP() << "poppler-utils missing";
  TempFolder folder;
  QtPrinter printer{folder.path()};
  RecordedMessageBoxes messages;
  Platform platform{folder.path(), &printer, &messages};
  SetRekord s;
  s.AlapNyomtato = 0;
  s.NyomtatoIndex = int16_t(printer.printerNames().indexOf(QtPrinter::kPdfName));
  ASSERT_TRUE(saveSettings(folder.path(), kSetFile, s));
  BoritekRekord b;
  b.C6Felado_x = 10, b.C6Felado_y = 11, b.C6Cimzett_y = 50, b.C6Cimzett_x = 80;
  b.BoritekFeladoNev = QStringLiteral("Lavindor");
  b.BoritekNevBetutipus = QStringLiteral("Arial CE");
  b.BoritekNevBetumeret = 12;
  b.BoritekFeladoBetumeret = 10;
  ASSERT_TRUE(saveSettings(folder.path(), kBoritekFile, b));

  BoritekAdatok a;
  a.lap.meret = 1;
  a.lap.chkCimzett = 1;
  a.lap.chkFelado = 0;
  a.lap.chkKepPrint = 1;
  a.lap.KepPozX = 10;
  a.lap.KepPozY = 5;
  a.lap.KepSzeles = 3.5;
  a.lap.KepMagas = 2;
  a.lap.kep = QImage(70, 40, QImage::Format_RGB32);
  a.lap.kep.fill(QColor(0, 0, 255));
  a.cimzett = {QStringLiteral("Kovács"), QString(), QStringLiteral("Győr"), QStringLiteral("Fő"), QStringLiteral("9021")};
  SetRekord set;
  BoritekRekord boritek;
  BoritekHely hely;
  ASSERT_EQ(PrintAlloBoritek(a, platform, set, boritek, hely), PrintResult::Printed);

  const std::vector<pdf::Page> pages = pdf::read(printer.lastPdf());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(printed::at(pages, 0).widthMm, 229, 0.5);
  EXPECT_NEAR(printed::at(pages, 0).heightMm, 162, 0.5);
  const pdf::Word* nev = pdf::find(printed::at(pages, 0), QStringLiteral("Kovács"));
  ASSERT_TRUE(nev);
  EXPECT_NEAR(nev->x0, 146, 0.5);
  EXPECT_NEAR(nev->y0, 70, 0.5);

  // The picture: the blue pixels of the page rendered at 10 pixels per millimetre.
  const QString png = folder.file(QStringLiteral("lap"));
  QProcess p;
  p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
                                       QStringLiteral("-singlefile"), printer.lastPdf(), png});
  ASSERT_TRUE(p.waitForFinished(60000));
  const QImage kep(png + QStringLiteral(".png"));
  ASSERT_FALSE(kep.isNull());
  QRect kek;
  for (int y = 0; y < kep.height(); ++y)
    for (int x = 0; x < kep.width(); ++x) {
      const QColor c = kep.pixelColor(x, y);
      if (c.blue() > 200 && c.red() < 60 && c.green() < 60) kek |= QRect(x, y, 1, 1);
    }
  ASSERT_FALSE(kek.isEmpty());
  // 10 + 66, 5 + 20 mm; 35 x 20 mm.
  EXPECT_NEAR(kek.left() / 10.0, 76, 0.5);
  EXPECT_NEAR(kek.top() / 10.0, 25, 0.5);
  EXPECT_NEAR(kek.width() / 10.0, 35, 0.5);
  EXPECT_NEAR(kek.height() / 10.0, 20, 0.5);
}

}  // namespace
