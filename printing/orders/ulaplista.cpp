#include "printing/orders/ulaplista.h"

#include "common/messages.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/layoutrecords.h"
#include "printing/orders/ulapprint.h"

namespace {

// The list feeds place the marks and the lying words a little apart from the single form.
constexpr UlapEltolas kListaAllo = kUlapAllo;
constexpr UlapEltolas kListaFekvo{26, -3, 24, -1, 7, 26, -4, 26, -4, 25, -3, 26, -3};

// The lying form's page, fed lying.
constexpr double kFekvoWidthMm = 150;
constexpr double kFekvoHeightMm = 105;
// Up to this width (mm, slip text font) both parts of the words share the first line.
constexpr double kSzovegMax = 45;

UlapCsoportEredmeny printList(const std::vector<CsoportSor>& sorok, const UlapLapAllapot& lap, Platform& pf,
                              SetRekord& set, SetRcsekkRekord& rc, SetUlapRekord& u, bool allo) {
  UlapCsoportEredmeny out;
  if (!pf.printer) return out;
  Printer& p = *pf.printer;
  RecordedMessageBoxes unseen;
  MessageBoxes& msg = pf.messages ? *pf.messages : unseen;

  PrintJob job(p, ErrorClass::SilentCancel, msg);
  out.printed = job.run([&](PrintJob& j) {
    loadSet(pf.folder, set);
    const QString meroFont = set.BetuTipus2.trimmed();
    const double meroMeret = double(set.BetuMeret2);
    j.choosePrinter(set, PrinterChoice::KeepCurrent);
    loadSettings(pf.folder, kSetRcsekkFile, rc);
    loadSettings(pf.folder, kSetUlapFile, u);

    j.scaleMillimetres();
    j.paperSize(kPaperDL);
    if (allo) {
      j.orientation(kLandscape);
    } else {
      j.pageWidthTwips(kFekvoWidthMm * kTwipsPerMm);
      j.pageHeightTwips(kFekvoHeightMm * kTwipsPerMm);
    }

    RecordFile nevek(pf.folder, kNevekFile, NevekRekord::Length);
    // Collected before the first form, in displayed order. A number naming no payer record
    // (a list older than the file) would print an empty form: it is left out.
    const int32_t db = nevek.count();
    std::vector<int32_t> tabla;
    for (const CsoportSor& s : sorok)
      if (s.kijelolt && s.rekordSzam >= 1 && s.rekordSzam <= db) tabla.push_back(s.rekordSzam);

    UlapAdatok a;
    a.cmdUtanvetOdalCsere = lap.cmdUtanvetOdalCsere;
    a.chkUtanvetR = lap.chkUtanvetR;
    a.chkUtanvetEL = lap.chkUtanvetEL;
    a.lbUNev = lap.lbUNev;
    a.lbUHelyseg = lap.lbUHelyseg;
    a.lbUCim = lap.lbUCim;
    a.lbUIrszam = lap.lbUIrszam;

    for (const int32_t n : tabla) {
      UlapCsoportUtolso& ut = out.utolso ? *out.utolso : out.utolso.emplace();
      nevek.read(n, ut.Nevek);
      const NevekRekord& nv = ut.Nevek;
      ut.AzazOsszeg = nv.Osszegek[0];

      // A zero amount prints empty amount and words lines, and no words are written.
      QStringList osszeg{QString()};
      a.lbosszegBetuvel1.clear();
      a.lbosszegBetuvel2.clear();
      if (ut.AzazOsszeg != 0) {
        OsszegSzavak w = azaz1(ut.AzazOsszeg);
        if (!w.ezresek.isEmpty()) w.ezresek[0] = w.ezresek[0].toUpper();
        ut.Azaz = w;
        osszeg = {QStringLiteral("***"), QString::number(ut.AzazOsszeg), QStringLiteral("***")};
        // Name and size only, as the form's own fonts.
        j.step([&] { p.setFontName(meroFont); });
        j.step([&] { p.setFontSize(meroMeret); });
        if (j.textWidth(w.ezresek + w.egyesek) > kSzovegMax) {
          a.lbosszegBetuvel1 = QStringLiteral("*") + w.ezresek;
          a.lbosszegBetuvel2 = w.egyesek + QStringLiteral("*");
        } else {
          a.lbosszegBetuvel1 = QStringLiteral("*") + w.ezresek + w.egyesek + QStringLiteral("*");
        }
        j.scaleMillimetres();
      }

      a.txUNev = nv.Nev;
      a.txUCim = nv.Irsz + QStringLiteral(" ") + nv.Helyseg.trimmed() + QStringLiteral(", ") + nv.Cim;
      a.lbUNevHatul = nv.Nev;
      a.lbUHelysegHatul = nv.Helyseg;
      a.lbUCimHatul = nv.Cim;
      a.lbUIrszamHatul = nv.Irsz;
      placeUlap(j, a, osszeg, rc, u, allo ? kListaAllo : kListaFekvo);

      j.newPage();
      ++out.lapok;
    }

    nevek.close();
    j.endDoc();
  });
  return out;
}

}  // namespace

UlapCsoportEredmeny PrintCsAlloUlap(const std::vector<CsoportSor>& sorok, const UlapLapAllapot& lap,
                                    Platform& platform, SetRekord& set, SetRcsekkRekord& rcsekk,
                                    SetUlapRekord& ulap) {
  return printList(sorok, lap, platform, set, rcsekk, ulap, true);
}

UlapCsoportEredmeny PrintCsFekvoUlap(const std::vector<CsoportSor>& sorok, const UlapLapAllapot& lap,
                                     Platform& platform, SetRekord& set, SetRcsekkRekord& rcsekk,
                                     SetUlapRekord& ulap) {
  return printList(sorok, lap, platform, set, rcsekk, ulap, false);
}
