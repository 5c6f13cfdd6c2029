#include "printing/orders/rcsekklista.h"

#include "common/messages.h"
#include "common/platform.h"
#include "common/printdialog.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/layoutrecords.h"
#include "printing/orders/rcsekkprint.h"

namespace {

// The A4 sheet in twips given to the current printer before the printer is chosen.
constexpr double kA4HeightTwips = 16790;
constexpr double kA4WidthTwips = 11910;
// Up to this width (mm, text font) both parts of the words share the first line.
constexpr double kSzovegMax = 45;

// The page's texts for one row: sender and recipient from the payer or the fixed party.
RcsekkAdatok rowData(const RcsekkListaLap& lap, const NevekRekord& nv, const SetRcsekkRekord& r) {
  RcsekkAdatok a;
  a.cmdOldalCsere = lap.cmdOldalCsere;
  a.RtxOsszeg = QString::number(nv.Osszegek[0]);
  a.RcsekkKozlemenyHatul = lap.RcsekkKozlemenyHatul;
  // The postcode keeps its padding blanks on the address line.
  const QString payerCim = nv.Irsz.leftJustified(6, QLatin1Char(' '), true) + QStringLiteral(" ") +
                           nv.Helyseg.trimmed() + QStringLiteral(",") + nv.Cim.trimmed();
  const QString fixCim = r.RcsekkIrszam.leftJustified(4, QLatin1Char(' '), true) + QStringLiteral(" ") +
                         r.RcsekkHelyseg.trimmed() + QStringLiteral(",") + r.RcsekkCim.trimmed();
  if (lap.opAllando0) {
    a.RtxNev = nv.Nev;
    a.RtxCim = payerCim;
    a.RlbNev = lap.RlbNev;
    a.RlbHelys = lap.RlbHelys;
    a.RlbCim = lap.RlbCim;
    a.RlbIrsz = lap.RlbIrsz;
    a.txtNevHatul = nv.Nev;
    a.txtHelysHatul = nv.Helyseg;
    a.txtCimHatul = nv.Cim;
    a.txtIrszHatul = nv.Irsz;
  } else {
    a.RtxNev = r.RcsekkNev;
    a.RtxCim = fixCim;
    a.RlbNev = nv.Nev;
    a.RlbHelys = nv.Helyseg;
    a.RlbCim = nv.Cim;
    a.RlbIrsz = nv.Irsz;
    a.txtNevHatul = r.RcsekkNev;
    a.txtHelysHatul = r.RcsekkHelyseg;
    a.txtCimHatul = r.RcsekkCim;
    a.txtIrszHatul = r.RcsekkIrszam;
  }
  return a;
}

CsoportEredmeny printList(const std::vector<CsoportSor>& sorok, const RcsekkListaLap& lap, Platform& pf,
                          SetRekord& set, SetRcsekkRekord& r, bool allo) {
  CsoportEredmeny out;
  if (!pf.printer) return out;
  Printer& p = *pf.printer;
  RecordedMessageBoxes unseen;
  MessageBoxes& msg = pf.messages ? *pf.messages : unseen;

  PrintJob job(p, ErrorClass::CancelWithMessage, msg);
  out.printed = job.run([&](PrintJob& j) {
    j.pageHeightTwips(kA4HeightTwips);
    j.pageWidthTwips(kA4WidthTwips);
    loadSet(pf.folder, set);
    j.choosePrinter(set, PrinterChoice::KeepCurrent);
    const std::array<int16_t, 8> flags = set.Nyomtatando;
    loadSettings(pf.folder, kSetRcsekkFile, r);
    auto font = [&j, &p](const QString& name, int16_t size) {
      j.step([&] { p.setFontName(name.trimmed()); });
      j.step([&] { p.setFontSize(double(size)); });
    };

    // Nothing picked in the dialog is read back; a cancel ends the job before any form.
    if (pf.printDialog) j.step([&] { showPrintDialog(*pf.printDialog, p); });

    RecordFile kozl(pf.folder, kKozl3sorFile, Kozl3sorRekord::Length);
    RecordFile nevek(pf.folder, kNevekFile, NevekRekord::Length);
    // A row whose number names no payer record (a list older than the file) would print an
    // empty form: it is left out.
    const int32_t db = nevek.count();
    std::vector<int32_t> tabla;
    for (const CsoportSor& s : sorok)
      if (s.kijelolt && s.rekordSzam >= 1 && s.rekordSzam <= db) tabla.push_back(s.rekordSzam);

    if (allo) {
      j.scaleMillimetres();
      j.orientation(kLandscape);
      j.paperSize(kPaperDL);
    }

    for (const int32_t n : tabla) {
      CsoportUtolso& u = out.utolso ? *out.utolso : out.utolso.emplace();
      nevek.read(n, u.Nevek);
      const RcsekkAdatok a = rowData(lap, u.Nevek, r);
      // The lying feed prints the front whatever side the page shows.
      if (!allo || a.cmdOldalCsere == kRcsekkElolap) {
        kozl.read(n, u.Kozl3sor);
        u.AzazOsszeg = u.Nevek.Osszegek[0];
        OsszegSzavak w = azaz1(u.AzazOsszeg);
        if (!allo) j.scaleMillimetres();
        font(r.RcsekkSzovegBetuTipus, r.RcsekkBetuMeret2);
        if (!w.ezresek.isEmpty()) w.ezresek[0] = w.ezresek[0].toUpper();
        u.Azaz = w;
        QString sor1, sor2;
        if (j.textWidth(w.ezresek + w.egyesek) > kSzovegMax) {
          sor1 = QStringLiteral("*") + w.ezresek;
          sor2 = w.egyesek + QStringLiteral("*");
        } else {
          sor1 = QStringLiteral("*") + w.ezresek + w.egyesek + QStringLiteral("*");
        }
        font(r.RcsekkNumBetuTipus, r.RcsekkBetuMeret1);
        placeRcsekkElolap(j, r, flags, a, sor1, sor2, allo,
                          allo ? std::optional<int16_t>(r.RcsekkBetuMeret1) : std::nullopt);
      } else {
        // The back in the text font, whatever font the printer held before.
        placeRcsekkHatlap(j, r, a, allo, true);
      }
      j.newPage();
      ++out.lapok;
    }

    kozl.close();
    nevek.close();
    j.endDoc();
  });
  return out;
}

}  // namespace

CsoportEredmeny PrintCsAlloRcsekk(const std::vector<CsoportSor>& sorok, const RcsekkListaLap& lap,
                                  Platform& platform, SetRekord& set, SetRcsekkRekord& rcsekk) {
  return printList(sorok, lap, platform, set, rcsekk, true);
}

CsoportEredmeny PrintCsFekvoRcsekk(const std::vector<CsoportSor>& sorok, const RcsekkListaLap& lap,
                                   Platform& platform, SetRekord& set, SetRcsekkRekord& rcsekk) {
  return printList(sorok, lap, platform, set, rcsekk, false);
}
