// List printing with many payers: the lying payment slip for every row of a 100,000-payer file
// on the recording printer (the cost of reading the records, converting the amounts to words
// and placing the texts), and 1,000 slips rendered into a PDF by the real printer.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include "common/messages.h"
#include "common/platform.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/recordingprinter.h"
#include "common/setrekord.h"
#include "payerstore/nevekrekord.h"
#include "printing/slips/csekklistaprint.h"

namespace {

Fixed mm(double v) { return Fixed::fromDouble(v); }

SetRekord layout() {
  SetRekord s;
  s.Osszeg_x1 = mm(15), s.Osszeg_x2 = mm(80), s.Osszeg_y = mm(6);
  s.Kozlemeny_x = mm(150), s.Kozlemeny_y = mm(5);
  s.CsSzoveg_x1 = mm(2), s.CsSzoveg_x2 = mm(68), s.CsSzoveg_y1 = mm(15), s.CsSzoveg_y2 = mm(22);
  s.Jogcim_y = mm(33), s.Jogcim_x = mm(25);
  s.Cim_x1 = mm(5), s.Cim_x2 = mm(140), s.Cim_y = mm(50), s.Irsz_y = mm(68);
  s.BetuTipus1 = QStringLiteral("Arial CE");
  s.BetuTipus2 = QStringLiteral("Times New Roman CE");
  s.BetuMeret1 = 12, s.BetuMeret2 = 10;
  s.Nyomtatando.fill(-1);
  return s;
}

void writePayers(const QString& folder, int n) {
  QByteArray b;
  b.reserve(qsizetype(n) * NevekRekord::Length);
  for (int i = 0; i < n; ++i) {
    NevekRekord r;
    r.Nev = QStringLiteral("Kovács Péter %1").arg(i);
    r.Helyseg = QStringLiteral("Győr");
    r.Cim = QStringLiteral("Fő út %1.").arg(i % 200 + 1);
    r.Irsz = QStringLiteral("9021");
    r.Osszegek[0] = 1000 + (i * 7919) % 9000000;
    b += encodeRecord(r);
  }
  QFile f(folder + "/" + kNevekFile);
  if (f.open(QIODevice::WriteOnly)) f.write(b);
}

double run(Platform& p, int rows) {
  std::vector<CsoportSor> sorok;
  for (int i = 1; i <= rows; ++i) sorok.push_back({i, true});
  SetRekord set;
  QElapsedTimer t;
  t.start();
  const PrintResult r = PrintCsFekvoCsekk(sorok, CsekkLapSzovegek{}, p, set);
  const double ms = double(t.nsecsElapsed()) / 1e6;
  if (!r.printed || r.lapok != rows) std::printf("unexpected: printed %d, %d slips\n", int(r.printed), r.lapok);
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir dir;
  RecordedMessageBoxes messages;
  saveSettings(dir.path(), kSetFile, layout());
  writePayers(dir.path(), 100000);

  {
    RecordingPrinter printer;
    Platform p;
    p.folder = dir.path();
    p.printer = &printer;
    p.messages = &messages;
    const double ms = run(p, 100000);
    std::printf("lying payment slips, recording printer: 100000 slips in %.0f ms (%.3f ms a slip)\n", ms, ms / 100000);
  }
  {
    QtPrinter printer(dir.path());
    printer.select(int(printer.printerNames().indexOf(QtPrinter::kPdfName)));
    SetRekord s = layout();
    s.NyomtatoIndex = int16_t(printer.currentIndex());
    saveSettings(dir.path(), kSetFile, s);
    Platform p;
    p.folder = dir.path();
    p.printer = &printer;
    p.messages = &messages;
    const double ms = run(p, 1000);
    std::printf("lying payment slips, PDF printer: 1000 slips in %.0f ms (%.2f ms a slip)\n", ms, ms / 1000);
  }
  return 0;
}
