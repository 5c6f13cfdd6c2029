#include "printing/envelopes/boritekprint.h"

#include "common/messages.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/elsoinditas.h"
#include "layouts/layoutrecords.h"

namespace {

// Standing feed: each size's offset on the C5 sheet, mm.
struct Eltolas {
  double x, y;
};
constexpr Eltolas kAlloEltolas[3] = {{66, 20}, {0, 0}, {15, 25}};

// The lying C5/6 envelope's page.
constexpr double kC56SzelesMm = 229;
constexpr double kC56MagasMm = 114;

// Whether the picture can be painted; when it is switched on and cannot, the user is told
// (once per print) and the envelope goes without it.
bool kepNyomtathato(const BoritekLapAllapot& lap, Platform& pf) {
  if (lap.chkKepPrint != 1) return false;
  if (!lap.kep.isNull() && lap.KepSzeles > 0 && lap.KepMagas > 0) return true;
  if (!pf.messages) return false;
  QString s = QStringLiteral("A kép nem nyomtatható, a boríték kép nélkül készül.");
  s += lap.KivalasztottKep.isEmpty() ? QStringLiteral("\r\nNincs kép kiválasztva.")
                                     : QStringLiteral("\r\nA kép nem tölthető be:\r\n") + lap.KivalasztottKep;
  pf.messages->info(s, QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
  return false;
}

// The common start of every envelope document: settings and printer, bold off so nothing
// carries over from the previous document.
void kezd(PrintJob& j, Platform& pf, SetRekord& set) {
  j.start(pf.folder, set, PrinterChoice::KeepCurrent);
  j.bold(false);
}

PrintResult printOne(const BoritekAdatok& a, Platform& pf, SetRekord& set, BoritekRekord& b, BoritekHely& hely,
                     bool allo) {
  if (a.lap.chkCimzett == 1 && a.cimzett.Nev.trimmed().isEmpty()) {
    if (pf.messages)
      pf.messages->show(QStringLiteral("Nincs címzett..."), QStringLiteral("! H I B A ! "), MsgButtons::Ok,
                        MsgIcon::None);
    return PrintResult::of(PrintResult::NoPayer);
  }
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::FontFallback);
  if (!job) return PrintResult::of(PrintResult::Failed);
  const bool kep = kepNyomtathato(a.lap, pf);
  const bool ran = job->run([&](PrintJob& j) {
    kezd(j, pf, set);
    j.scaleMillimetres();
    j.orientation(allo ? kLandscape : kPortrait);
    const BoritekMeretezes m = boritekMeret(j, pf.folder, a.lap.meret, allo, b, hely);
    placeBoritek(j, a.cimzett, a.felado, a.lap, hely, m, allo, kep);
    j.endDoc();
  });
  return PrintResult::of(ran ? PrintResult::Printed : PrintResult::Failed);
}

PrintResult printBoritekList(const std::vector<CsoportSor>& sorok, const BoritekLapAllapot& lap, Platform& pf,
                             SetRekord& set, BoritekRekord& b, BoritekHely& hely, bool allo) {
  if (!pf.printer) return {};
  const bool kep = kepNyomtathato(lap, pf);
  // The lying feed takes the size once; the standing feed for every envelope.
  BoritekMeretezes m;
  auto setup = [&](PrintJob& j) {
    kezd(j, pf, set);
    if (allo) {
      beolvasva(pf.folder, kBoritekFile, b);
    } else {
      j.scaleMillimetres();
      j.orientation(kPortrait);
      m = boritekMeret(j, pf.folder, lap.meret, allo, b, hely);
    }
    return false;
  };
  auto place = [&](PrintJob& j, ListRow& row) {
    const NevekRekord& nv = row.nevek();
    j.scaleMillimetres();
    j.orientation(allo ? kLandscape : kPortrait);
    if (allo) m = boritekMeret(j, pf.folder, lap.meret, allo, b, hely);
    placeBoritek(j, {nv.Nev, nv.Nev2, nv.Helyseg, nv.Cim, nv.Irsz},
                 {b.BoritekFeladoNev, b.BoritekFeladoCim1, b.BoritekFeladoCim2, b.BoritekFeladoIrSzam}, lap, hely, m,
                 allo, kep);
  };
  return printList(pf, ErrorClass::FontFallback, sorok, setup, place);
}

}  // namespace

BoritekMeretezes boritekMeret(PrintJob& j, const QString& folder, int meret, bool allo, BoritekRekord& b,
                              BoritekHely& hely) {
  BoritekMeretezes m;
  if (meret < 1 || meret > 3) {
    // No size chosen: the positions and font stay, on the C5 sheet.
    j.paperSize(kPaperC5);
    return m;
  }
  beolvasva(folder, kBoritekFile, b);
  const auto g = b.group(meret - 1);
  hely.BoritekMeret = int16_t(meret);
  hely.BoritekFeladoX = *g[0];
  hely.BoritekFeladoY = *g[1];
  hely.BoritekCimzettY = *g[2];
  hely.BoritekCimzettX = *g[3];
  // A font the printer lacks gives way to the one a first start stores.
  BoritekRekord gyari;
  boritekAlapertekek(gyari);
  m.betu = j.betu(QStringLiteral("A boríték betűtípusa"), b.BoritekNevBetutipus, gyari.BoritekNevBetutipus);
  m.nevMeret = b.BoritekNevBetumeret;
  m.feladoMeret = b.BoritekFeladoBetumeret;
  if (allo) {
    j.paperSize(kPaperC5);
    m.ox = kAlloEltolas[meret - 1].x;
    m.oy = kAlloEltolas[meret - 1].y;
  } else if (meret == 3) {
    j.pageWidthTwips(kC56SzelesMm * kTwipsPerMm);
    j.pageHeightTwips(kC56MagasMm * kTwipsPerMm);
  } else {
    j.paperSize(kPaperC5);
  }
  return m;
}

void placeBoritek(PrintJob& j, const BoritekCimzett& c, const BoritekFelado& f, const BoritekLapAllapot& lap,
                  const BoritekHely& hely, const BoritekMeretezes& m, bool allo, bool kepNyomtat) {
  auto betu = [&](double meret) {
    j.fontName(m.betu);
    j.fontSize(meret);
  };
  // A line at the block's left edge, trimmed, ending its line; bold only for the value 1.
  auto sor = [&](double x, const QString& t) {
    j.currentX(x);
    j.print(t.trimmed());
  };
  auto felkover = [&](int kapcsolo) { j.bold(kapcsolo == 1); };

  // Recipient. The lying feed sets its font before looking at the switch.
  if (!allo) betu(m.nevMeret);
  if (lap.chkCimzett != 0) {
    if (allo) betu(m.nevMeret);
    const double x = hely.BoritekCimzettX + m.ox;
    j.currentY(hely.BoritekCimzettY + m.oy);
    felkover(lap.chkFKC[0]);
    sor(x, c.Nev);
    felkover(lap.chkFKC[1]);
    sor(x, c.Nev2);
    // One empty line always parts the names from the settlement: the empty second name is it.
    if (!c.Nev2.trimmed().isEmpty()) sor(x, QString());
    felkover(lap.chkFKC[2]);
    sor(x, c.Helyseg);
    felkover(lap.chkFKC[3]);
    sor(x, c.Cim);
    sor(x, QString());
    j.fontSize(14);
    felkover(lap.chkFKC[4]);
    sor(x, c.Irsz);
    j.fontSize(allo ? 12 : 8);
    sor(x, QString());
  }

  // The picture, under the sender's lines.
  if (kepNyomtat) j.picture(lap.kep, lap.KepPozX + m.ox, lap.KepPozY + m.oy, 10 * lap.KepSzeles, 10 * lap.KepMagas);

  // Sender.
  if (lap.chkFelado == 0) {
    for (int i = 0; i < 4; ++i) j.print(QString());
    return;
  }
  betu(m.feladoMeret);
  const double x = hely.BoritekFeladoX + m.ox;
  j.currentY(hely.BoritekFeladoY + m.oy);
  felkover(lap.chkFKF[0]);
  sor(x, f.Nev);
  felkover(lap.chkFKF[1]);
  sor(x, f.Cim1);
  felkover(lap.chkFKF[2]);
  sor(x, f.Cim2);
  felkover(lap.chkFKF[3]);
  sor(x, f.IrSzam);
  sor(x, lap.txtFelado5mezo);  // in the postcode line's weight
}

PrintResult PrintAlloBoritek(const BoritekAdatok& adatok, Platform& platform, SetRekord& set, BoritekRekord& boritek,
                             BoritekHely& hely) {
  return printOne(adatok, platform, set, boritek, hely, true);
}

PrintResult PrintFekvoBoritek(const BoritekAdatok& adatok, Platform& platform, SetRekord& set, BoritekRekord& boritek,
                              BoritekHely& hely) {
  return printOne(adatok, platform, set, boritek, hely, false);
}

PrintResult PrintCsAlloBoritek(const std::vector<CsoportSor>& sorok, const BoritekLapAllapot& lap, Platform& platform,
                               SetRekord& set, BoritekRekord& boritek, BoritekHely& hely) {
  return printBoritekList(sorok, lap, platform, set, boritek, hely, true);
}

PrintResult PrintCsFekvoBoritek(const std::vector<CsoportSor>& sorok, const BoritekLapAllapot& lap, Platform& platform,
                                SetRekord& set, BoritekRekord& boritek, BoritekHely& hely) {
  return printBoritekList(sorok, lap, platform, set, boritek, hely, false);
}
