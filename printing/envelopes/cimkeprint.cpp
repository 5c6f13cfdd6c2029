#include "printing/envelopes/cimkeprint.h"

#include <functional>
#include <limits>

#include "common/betutip.h"
#include "common/messages.h"
#include "common/numtext.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"

namespace {

// The text font every label mode starts with, and the one a missing label font falls back to.
const QString kSzovegBetu = QStringLiteral("Times New Roman CE");
constexpr double kSzovegMeret = 12;

// The fonts of the five lines.
struct Betuk {
  std::array<QString, 5> nev;
  std::array<double, 5> meret{};
};

// The saved sheet, read afresh; nothing when its grid cannot be printed (a damaged file), after
// telling the user.
bool lapBeolvas(Platform& pf, CimkeSetupRekord& setup) {
  loadSettings(pf.folder, kCimkeSetupFile, setup);
  if (setup.Oszlop >= 1 && setup.Sor >= 1 && setup.Oszlop * setup.Sor <= 40) return true;
  if (pf.messages)
    pf.messages->info(QStringLiteral("A cimkelap beállítása hibás (%1 oszlop, %2 sor). Állítsa be újra, és nyomja "
                                     "meg a „Rögzítés” gombot.")
                          .arg(setup.Oszlop)
                          .arg(setup.Sor),
                      QStringLiteral("Figyelem!"), MsgIcon::Information);
  return false;
}

// Origin of position k (1..Oszlop x Sor) in mm: the margin plus whole label steps, in single
// precision as every print position.
std::pair<double, double> origo(const CimkeSetupRekord& s, int k) {
  const int sor = (k - 1) / s.Oszlop, oszlop = (k - 1) % s.Oszlop;
  auto mm = [](Fixed kezdet, Fixed lepes, int db) {
    return double(float((double(kezdet.raw) + db * double(lepes.raw)) / 10000.0));
  };
  return {mm(s.Left, s.Szeles, oszlop), mm(s.Top, s.Magas, sor)};
}

// Runs a label print: `cimkek` places the labels and returns how many it placed. The document
// is ended only when a label was placed; the counter is written once it reached the printer.
CimkeEredmeny nyomtat(Platform& pf, CimkeSetupRekord& setup, const std::function<int(PrintJob&)>& cimkek) {
  CimkeEredmeny out;
  if (!pf.printer) return out;
  Printer& p = *pf.printer;
  RecordedMessageBoxes unseen;
  PrintJob job(p, ErrorClass::FontFallback, pf.messages ? *pf.messages : unseen);
  int db = 0;
  const bool ok = job.run([&](PrintJob& j) {
    // The A4 sheet, standing, in the text font with bold off: nothing carries over from the
    // document printed before.
    j.scaleMillimetres();
    j.paperSize(kPaperA4);
    j.orientation(kPortrait);
    j.font(kSzovegBetu, kSzovegMeret, false);
    db = cimkek(j);
    if (db > 0) j.endDoc();
  });
  if (!ok || db == 0) return out;
  out.cimkek = db;
  modifySettings(pf.folder, kCimkeSetupFile, setup, [db](CimkeSetupRekord& r) {
    const int64_t n = int64_t(r.KinyomottCimkeNum) + db;
    r.KinyomottCimkeNum = int32_t(std::min<int64_t>(n, std::numeric_limits<int32_t>::max()));
  });
  return out;
}

// One label at (x, y): line by line, each in its font; a font name or size the printer refuses
// leaves the text font's.
void cimke(PrintJob& j, double x, double y, const std::array<QString, 5>& sorok, const Betuk& b) {
  Printer& p = j.printer();
  for (size_t i = 0; i < sorok.size(); ++i) {
    j.step([&] { p.setFontName(kSzovegBetu); });
    j.step([&] { p.setFontSize(kSzovegMeret); });
    j.step([&] { p.setFontName(b.nev[i].trimmed()); });
    j.step([&] { p.setFontSize(b.meret[i]); });
    if (i == 0)
      j.text(x, y, sorok[i]);
    else
      j.textAtX(x, sorok[i]);
  }
}

Betuk mentettBetuk(const QString& folder) {
  BetutipRekord t;
  BetumeretRekord m;
  loadSettings(folder, kBetutipFile, t);
  loadSettings(folder, kBetumeretFile, m);
  Betuk b;
  for (size_t i = 0; i < 5; ++i) {
    b.nev[i] = t.nevek[i];
    b.meret[i] = m.meretek[i];
  }
  return b;
}

std::array<QString, 5> fizetoSorok(const NevekRekord& n) {
  return {asStored(n.Nev), asStored(n.Nev2), asStored(n.Helyseg), asStored(n.Cim), cimkeIrsz(n.Irsz)};
}

int tickedCount(const CimkeLapAdatok& lap, const CimkeSetupRekord& s) {
  int db = 0;
  for (int k = 1; k <= s.Oszlop * s.Sor; ++k) db += lap.chkCimke1[size_t(k)] ? 1 : 0;
  return db;
}

}  // namespace

QString cimkeIrsz(const QString& irsz) { return leadingValue(irsz) > 0 ? asStored(irsz) : QString(); }

CimkeEredmeny PrintAlloCimke(const CimkeLapAdatok& lap, const CimkeHelyek& hely, const std::vector<int32_t>& kijelolt,
                             Platform& pf, CimkeSetupRekord& setup) {
  if (lap.chkEgyediCimke) return PrintEgyediCimke(lap, pf, setup);
  if (!lapBeolvas(pf, setup)) return {};
  if (tickedCount(lap, setup) == 0) return CimkeListabol(kijelolt, pf, setup);

  const Betuk betuk = mentettBetuk(pf.folder);
  RecordFile nevek(pf.folder, kNevekFile, NevekRekord::Length);
  const int32_t fizetok = nevek.count();
  std::optional<NevekRekord> utolso;
  CimkeEredmeny out = nyomtat(pf, setup, [&](PrintJob& j) {
    int db = 0;
    for (int k = 1; k <= setup.Oszlop * setup.Sor; ++k) {
      const int32_t n = hely[size_t(k)];
      if (!lap.chkCimke1[size_t(k)] || n < 1 || n > fizetok) continue;
      NevekRekord& r = utolso ? *utolso : utolso.emplace();
      nevek.read(n, r);
      const auto [x, y] = origo(setup, k);
      cimke(j, x, y, fizetoSorok(r), betuk);
      ++db;
    }
    return db;
  });
  out.utolso = utolso;
  return out;
}

CimkeEredmeny CimkeListabol(const std::vector<int32_t>& kijelolt, Platform& pf, CimkeSetupRekord& setup) {
  if (!lapBeolvas(pf, setup)) return {};
  RecordFile nevek(pf.folder, kNevekFile, NevekRekord::Length);
  const int32_t fizetok = nevek.count();
  // The rows that name a payer record, in list order; each takes the next position.
  std::vector<int32_t> rekordok;
  for (const int32_t n : kijelolt)
    if (n >= 1 && n <= fizetok) rekordok.push_back(n);
  if (rekordok.empty()) return {};

  const Betuk betuk = mentettBetuk(pf.folder);
  const int helyek = setup.Oszlop * setup.Sor;
  std::optional<NevekRekord> utolso;
  CimkeEredmeny out = nyomtat(pf, setup, [&](PrintJob& j) {
    int db = 0;
    for (const int32_t n : rekordok) {
      if (db > 0 && db % helyek == 0) j.newPage();
      NevekRekord& r = utolso ? *utolso : utolso.emplace();
      nevek.read(n, r);
      const auto [x, y] = origo(setup, db % helyek + 1);
      cimke(j, x, y, fizetoSorok(r), betuk);
      ++db;
    }
    return db;
  });
  out.utolso = utolso;
  return out;
}

CimkeEredmeny PrintEgyediCimke(const CimkeLapAdatok& lap, Platform& pf, CimkeSetupRekord& setup) {
  if (!lapBeolvas(pf, setup)) return {};
  if (tickedCount(lap, setup) == 0) return {};
  Betuk betuk;
  for (size_t i = 0; i < 5; ++i) {
    betuk.nev[i] = lap.ComboBetuTipus1[i];
    betuk.meret[i] = leadingValue(lap.ComboBetuSize[i]);
  }
  return nyomtat(pf, setup, [&](PrintJob& j) {
    int db = 0;
    for (int k = 1; k <= setup.Oszlop * setup.Sor; ++k) {
      if (!lap.chkCimke1[size_t(k)]) continue;
      const auto [x, y] = origo(setup, k);
      cimke(j, x, y, lap.txEgyediCimke, betuk);
      ++db;
    }
    return db;
  });
}
