#include "printing/envelopes/cimkeprint.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

#include "common/betutip.h"
#include "common/messages.h"
#include "common/numtext.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "payerstore/fizetopar.h"

namespace {

// The text font every label mode starts with, and the one a missing label font falls back to.
const QString kSzovegBetu = QStringLiteral("Times New Roman CE");
constexpr double kSzovegMeret = 12;

// The fonts of the five lines, and how a missing one is named: lines sharing a font share one
// name ("A cimke 1., 2. és 5. sorának betűtípusa"), so the print says each missing font once.
struct Betuk {
  std::array<QString, 5> nev;
  std::array<double, 5> meret{};
  std::array<QString, 5> mi;
};

Betuk sorBetuk(const std::array<QString, 5>& nev, const std::array<double, 5>& meret) {
  Betuk b{nev, meret, {}};
  for (size_t i = 0; i < 5; ++i) {
    QStringList sorok;
    for (size_t k = 0; k < 5; ++k)
      if (trimmed(nev[k]) == trimmed(nev[i])) sorok << QStringLiteral("%1.").arg(k + 1);
    const QString utolso = sorok.takeLast();
    const QString felsorolas = sorok.isEmpty() ? utolso : sorok.join(QStringLiteral(", ")) + QStringLiteral(" és ") + utolso;
    b.mi[i] = QStringLiteral("A cimke %1 sorának betűtípusa").arg(felsorolas);
  }
  return b;
}

// A file the labels need that cannot be read: said as every print says it; nothing prints.
bool olvasasiHiba(Platform& pf, const QString& hiba) {
  RecordedMessageBoxes nemLatott;
  const QString szoveg = olvasasiHibaUzenet(pf.messages ? *pf.messages : nemLatott, hiba);
  if (pf.printer) nyomtatasElmaradt(*pf.printer, szoveg);
  return false;
}

// The saved sheet, read afresh; nothing when it cannot be read or its grid cannot be printed (a
// damaged file), after telling the user.
bool lapBeolvas(Platform& pf, CimkeSetupRekord& setup) {
  if (QString hiba; !loadSettings(pf.folder, kCimkeSetupFile, setup, &hiba)) return olvasasiHiba(pf, hiba);
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

// Every label mode starts on the A4 sheet, standing, in the text font with bold off: nothing
// carries over from the document printed before.
void lapBeallitas(PrintJob& j) {
  j.scaleMillimetres();
  j.paperSize(kPaperA4);
  j.orientation(kPortrait);
  j.font(kSzovegBetu, kSzovegMeret, false);
}

// The labels that reached the printer are added to the counter in the file; a file that does
// not take it is reported (the labels are printed all the same).
void szamlalo(Platform& pf, CimkeSetupRekord& setup, const PrintResult& r) {
  if (!r.printed || r.lapok == 0) return;
  const MentesEredmeny e = modifySettings(pf.folder, kCimkeSetupFile, setup, [&r](CimkeSetupRekord& s) {
    const int64_t n = int64_t(s.KinyomottCimkeNum) + r.lapok;
    s.KinyomottCimkeNum = int32_t(std::min<int64_t>(n, std::numeric_limits<int32_t>::max()));
  });
  if (!e && pf.messages)
    pf.messages->info(
        mentesUzenet(e, QStringLiteral("A kinyomtatott cimkék számát nem sikerült menteni (%1).").arg(kCimkeSetupFile),
                     QStringLiteral("a cimkeszámláló adatai")),
        QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
}

// One sheet: `cimkek` places the labels, counts them in `lapok`; the document is ended only
// when a label was placed.
PrintResult egyLap(Platform& pf, CimkeSetupRekord& setup, const std::function<void(PrintJob&, PrintResult&)>& cimkek) {
  PrintResult out;
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::FontFallback);
  if (!job) return out;
  out.printed = job->run([&](PrintJob& j) {
    lapBeallitas(j);
    cimkek(j, out);
    if (out.lapok > 0) j.endDoc();
  });
  szamlalo(pf, setup, out);
  return out;
}

// One label at (x, y): line by line, each in its font; a font the printer lacks gives way to
// the text font (said once), a size it refuses leaves the text font's size.
void cimke(PrintJob& j, double x, double y, const std::array<QString, 5>& sorok, const Betuk& b) {
  for (size_t i = 0; i < sorok.size(); ++i) {
    j.fontName(j.betu(b.mi[i], b.nev[i], kSzovegBetu));
    j.fontSize(kSzovegMeret);
    j.fontSize(b.meret[i]);
    if (i == 0)
      j.text(x, y, sorok[i]);
    else
      j.textAtX(x, sorok[i]);
  }
}

// The five saved fonts; nothing, after telling the user, when their files cannot be read.
std::optional<Betuk> mentettBetuk(Platform& pf) {
  BetutipRekord t;
  BetumeretRekord m;
  QString hiba;
  if (!loadSettings(pf.folder, kBetutipFile, t, &hiba) || !loadSettings(pf.folder, kBetumeretFile, m, &hiba)) {
    olvasasiHiba(pf, hiba);
    return std::nullopt;
  }
  std::array<QString, 5> nev;
  std::array<double, 5> meret{};
  for (size_t i = 0; i < 5; ++i) {
    nev[i] = t.nevek[i];
    meret[i] = m.meretek[i];
  }
  return sorBetuk(nev, meret);
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

PrintResult PrintAlloCimke(const CimkeLapAdatok& lap, const CimkeHelyek& hely, const std::vector<CsoportSor>& sorok,
                           Platform& pf, CimkeSetupRekord& setup) {
  if (lap.chkEgyediCimke) return PrintEgyediCimke(lap, pf, setup);
  if (!lapBeolvas(pf, setup)) return {};
  if (tickedCount(lap, setup) == 0) return CimkeListabol(sorok, pf, setup);

  const std::optional<Betuk> mentett = mentettBetuk(pf);
  if (!mentett) return {};
  const Betuk& betuk = *mentett;
  FizetoPar nevek(pf.folder);
  return egyLap(pf, setup, [&](PrintJob& j, PrintResult& out) {
    const int32_t fizetok = olvasva(nevek.count(), nevek);
    for (int k = 1; k <= setup.Oszlop * setup.Sor; ++k) {
      const int32_t n = hely[size_t(k)];
      if (!lap.chkCimke1[size_t(k)] || n < 1 || n > fizetok) continue;
      CsoportUtolso& u = out.utolso ? *out.utolso : out.utolso.emplace();
      olvasva(nevek.nevek(n, u.Nevek), nevek);
      const auto [x, y] = origo(setup, k);
      cimke(j, x, y, fizetoSorok(u.Nevek), betuk);
      ++out.lapok;
    }
  });
}

PrintResult CimkeListabol(const std::vector<CsoportSor>& sorok, Platform& pf, CimkeSetupRekord& setup) {
  if (!lapBeolvas(pf, setup)) return {};
  PrintResult semmi;
  semmi.printed = true;
  // A count that cannot be asked is said by the print below, as its read.
  if (const Valasz<int32_t> db = FizetoPar(pf.folder).count(); db && listRows(sorok, false, *db).empty()) return semmi;

  const std::optional<Betuk> mentett = mentettBetuk(pf);
  if (!mentett) return {};
  const Betuk& betuk = *mentett;
  const int helyek = setup.Oszlop * setup.Sor;
  int db = 0;
  const PrintResult out = printList(
      pf, ErrorClass::FontFallback, sorok,
      [](PrintJob& j) {
        lapBeallitas(j);
        return false;
      },
      [&](PrintJob& j, ListRow& row) {
        const auto [x, y] = origo(setup, db++ % helyek + 1);
        cimke(j, x, y, fizetoSorok(row.nevek()), betuk);
      },
      helyek);
  szamlalo(pf, setup, out);
  return out;
}

PrintResult PrintEgyediCimke(const CimkeLapAdatok& lap, Platform& pf, CimkeSetupRekord& setup) {
  if (!lapBeolvas(pf, setup)) return {};
  PrintResult semmi;
  semmi.printed = true;
  if (tickedCount(lap, setup) == 0) return semmi;
  std::array<double, 5> meret{};
  for (size_t i = 0; i < 5; ++i) meret[i] = leadingValue(lap.ComboBetuSize[i]);
  const Betuk b = sorBetuk(lap.ComboBetuTipus1, meret);
  return egyLap(pf, setup, [&](PrintJob& j, PrintResult& out) {
    for (int k = 1; k <= setup.Oszlop * setup.Sor; ++k) {
      if (!lap.chkCimke1[size_t(k)]) continue;
      const auto [x, y] = origo(setup, k);
      cimke(j, x, y, lap.txEgyediCimke, b);
      ++out.lapok;
    }
  });
}
