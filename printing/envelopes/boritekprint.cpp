#include "printing/envelopes/boritekprint.h"

#include "common/messages.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
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

MessageBoxes& uzenetek(Platform& pf, RecordedMessageBoxes& unseen) { return pf.messages ? *pf.messages : unseen; }

// Whether the picture can be painted; when it is switched on and cannot, the user is told
// (once per print) and the envelope goes without it.
bool kepNyomtathato(const BoritekLapAllapot& lap, MessageBoxes& msg) {
  if (lap.chkKepPrint != 1) return false;
  if (!lap.kep.isNull() && lap.KepSzeles > 0 && lap.KepMagas > 0) return true;
  QString s = QStringLiteral("A kép nem nyomtatható, a boríték kép nélkül készül.");
  s += lap.KivalasztottKep.isEmpty() ? QStringLiteral("\r\nNincs kép kiválasztva.")
                                     : QStringLiteral("\r\nA kép nem tölthető be:\r\n") + lap.KivalasztottKep;
  msg.info(s, QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
  return false;
}

BoritekResult printOne(const BoritekAdatok& a, Platform& pf, SetRekord& set, BoritekRekord& b, BoritekHely& hely,
                       bool allo) {
  RecordedMessageBoxes unseen;
  MessageBoxes& msg = uzenetek(pf, unseen);
  if (a.lap.chkCimzett == 1 && a.cimzett.Nev.trimmed().isEmpty()) {
    msg.show(QStringLiteral("Nincs címzett..."), QStringLiteral("! H I B A ! "), MsgButtons::Ok, MsgIcon::None);
    return BoritekResult::NoRecipient;
  }
  if (!pf.printer) return BoritekResult::Failed;
  const bool kep = kepNyomtathato(a.lap, msg);

  PrintJob job(*pf.printer, ErrorClass::FontFallback, msg);
  const bool ran = job.run([&](PrintJob& j) {
    loadSet(pf.folder, set);
    j.choosePrinter(set, PrinterChoice::KeepCurrent);
    // Nothing carries over from the previous document.
    j.step([&] { j.printer().setBold(false); });
    j.scaleMillimetres();
    j.orientation(allo ? kLandscape : kPortrait);
    const BoritekMeretezes m = boritekMeret(j, pf.folder, a.lap.meret, allo, b, hely);
    placeBoritek(j, a.cimzett, a.felado, a.lap, hely, m, allo, kep);
    j.endDoc();
  });
  return ran ? BoritekResult::Printed : BoritekResult::Failed;
}

BoritekCsoportEredmeny printList(const std::vector<CsoportSor>& sorok, const BoritekLapAllapot& lap, Platform& pf,
                                 SetRekord& set, BoritekRekord& b, BoritekHely& hely, bool allo) {
  BoritekCsoportEredmeny out;
  if (!pf.printer) return out;
  RecordedMessageBoxes unseen;
  MessageBoxes& msg = uzenetek(pf, unseen);
  const bool kep = kepNyomtathato(lap, msg);

  PrintJob job(*pf.printer, ErrorClass::FontFallback, msg);
  out.printed = job.run([&](PrintJob& j) {
    Printer& p = j.printer();
    loadSet(pf.folder, set);
    j.choosePrinter(set, PrinterChoice::KeepCurrent);
    j.step([&] { p.setBold(false); });
    // The lying feed takes the size once; the standing feed for every envelope.
    BoritekMeretezes m;
    if (allo) {
      loadSettings(pf.folder, kBoritekFile, b);
    } else {
      j.scaleMillimetres();
      j.orientation(kPortrait);
      m = boritekMeret(j, pf.folder, lap.meret, allo, b, hely);
    }

    RecordFile nevek(pf.folder, kNevekFile, NevekRekord::Length);
    // Collected before the first envelope, in displayed order. A number naming no payer record
    // (a list older than the file) would print an empty envelope: it is left out.
    const int32_t db = nevek.count();
    std::vector<int32_t> tabla;
    for (const CsoportSor& s : sorok)
      if (s.kijelolt && s.rekordSzam >= 1 && s.rekordSzam <= db) tabla.push_back(s.rekordSzam);

    for (const int32_t n : tabla) {
      NevekRekord& nv = out.utolso ? *out.utolso : out.utolso.emplace();
      nevek.read(n, nv);
      j.scaleMillimetres();
      j.orientation(allo ? kLandscape : kPortrait);
      if (allo) m = boritekMeret(j, pf.folder, lap.meret, allo, b, hely);
      placeBoritek(j, {nv.Nev, nv.Nev2, nv.Helyseg, nv.Cim, nv.Irsz},
                   {b.BoritekFeladoNev, b.BoritekFeladoCim1, b.BoritekFeladoCim2, b.BoritekFeladoIrSzam}, lap, hely, m,
                   allo, kep);
      j.newPage();
      ++out.lapok;
    }
    nevek.close();
    j.endDoc();
  });
  return out;
}

}  // namespace

BoritekMeretezes boritekMeret(PrintJob& j, const QString& folder, int meret, bool allo, BoritekRekord& b,
                              BoritekHely& hely) {
  BoritekMeretezes m;
  if (meret < 1 || meret > 3) return m;  // no size chosen: the positions and font stay
  loadSettings(folder, kBoritekFile, b);
  const auto g = b.group(meret - 1);
  hely.BoritekMeret = int16_t(meret);
  hely.BoritekFeladoX = *g[0];
  hely.BoritekFeladoY = *g[1];
  hely.BoritekCimzettY = *g[2];
  hely.BoritekCimzettX = *g[3];
  m.betu = trimmed(b.BoritekNevBetutipus);
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
  Printer& p = j.printer();
  auto betu = [&](double meret) {
    j.step([&] { p.setFontName(m.betu); });
    j.step([&] { p.setFontSize(meret); });
  };
  auto felkover = [&](int kapcsolo) { j.step([&] { p.setBold(kapcsolo == 1); }); };
  // A line at the block's left edge, trimmed, ending its line.
  auto sor = [&](double x, const QString& t) {
    j.step([&] { p.setCurrentX(x); });
    j.step([&] { p.print(t.trimmed()); });
  };

  // Recipient. The lying feed sets its font before looking at the switch.
  if (!allo) betu(m.nevMeret);
  if (lap.chkCimzett != 0) {
    if (allo) betu(m.nevMeret);
    const double x = hely.BoritekCimzettX + m.ox;
    j.step([&] { p.setCurrentY(hely.BoritekCimzettY + m.oy); });
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
    j.step([&] { p.setFontSize(14); });
    felkover(lap.chkFKC[4]);
    sor(x, c.Irsz);
    j.step([&] { p.setFontSize(allo ? 12 : 8); });
    sor(x, QString());
  }

  // The picture, under the sender's lines.
  if (kepNyomtat)
    j.step([&] {
      p.paintPicture(lap.kep, lap.KepPozX + m.ox, lap.KepPozY + m.oy, 10 * lap.KepSzeles, 10 * lap.KepMagas);
    });

  // Sender.
  if (lap.chkFelado == 0) {
    for (int i = 0; i < 4; ++i) j.step([&] { p.print(QString()); });
    return;
  }
  betu(m.feladoMeret);
  const double x = hely.BoritekFeladoX + m.ox;
  j.step([&] { p.setCurrentY(hely.BoritekFeladoY + m.oy); });
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

BoritekResult PrintAlloBoritek(const BoritekAdatok& adatok, Platform& platform, SetRekord& set, BoritekRekord& boritek,
                               BoritekHely& hely) {
  return printOne(adatok, platform, set, boritek, hely, true);
}

BoritekResult PrintFekvoBoritek(const BoritekAdatok& adatok, Platform& platform, SetRekord& set,
                                BoritekRekord& boritek, BoritekHely& hely) {
  return printOne(adatok, platform, set, boritek, hely, false);
}

BoritekCsoportEredmeny PrintCsAlloBoritek(const std::vector<CsoportSor>& sorok, const BoritekLapAllapot& lap,
                                          Platform& platform, SetRekord& set, BoritekRekord& boritek,
                                          BoritekHely& hely) {
  return printList(sorok, lap, platform, set, boritek, hely, true);
}

BoritekCsoportEredmeny PrintCsFekvoBoritek(const std::vector<CsoportSor>& sorok, const BoritekLapAllapot& lap,
                                           Platform& platform, SetRekord& set, BoritekRekord& boritek,
                                           BoritekHely& hely) {
  return printList(sorok, lap, platform, set, boritek, hely, false);
}
