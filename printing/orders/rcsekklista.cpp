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
#include "printing/slips/osszegbetuvel.h"

namespace {

// The A4 sheet in twips given to the current printer before the printer is chosen.
constexpr double kA4HeightTwips = 16790;
constexpr double kA4WidthTwips = 11910;

// The page's texts for one row: sender and recipient from the payer or the fixed party.
RcsekkAdatok rowData(const RcsekkListaLap& lap, const NevekRekord& nv, const SetRcsekkRekord& r) {
  RcsekkAdatok a;
  a.cmdOldalCsere = lap.cmdOldalCsere;
  a.RtxOsszeg = QString::number(nv.Osszegek[0]);
  a.RcsekkKozlemenyHatul = lap.RcsekkKozlemenyHatul;
  // The postcode keeps its padding blanks on the address line.
  const QString payerCim = rcsekkCimSor(nv.Irsz, 6, nv.Helyseg, nv.Cim, kListaElvalaszto);
  const QString fixCim = rcsekkCimSor(r.RcsekkIrszam, 4, r.RcsekkHelyseg, r.RcsekkCim, kListaElvalaszto);
  if (lap.opAllando0) {
    a.RtxNev = asStored(nv.Nev);
    a.RtxCim = payerCim;
    a.RlbNev = lap.RlbNev;
    a.RlbHelys = lap.RlbHelys;
    a.RlbCim = lap.RlbCim;
    a.RlbIrsz = lap.RlbIrsz;
    a.txtNevHatul = asStored(nv.Nev);
    a.txtHelysHatul = asStored(nv.Helyseg);
    a.txtCimHatul = asStored(nv.Cim);
    a.txtIrszHatul = asStored(nv.Irsz);
  } else {
    a.RtxNev = r.RcsekkNev;
    a.RtxCim = fixCim;
    a.RlbNev = asStored(nv.Nev);
    a.RlbHelys = asStored(nv.Helyseg);
    a.RlbCim = asStored(nv.Cim);
    a.RlbIrsz = asStored(nv.Irsz);
    a.txtNevHatul = r.RcsekkNev;
    a.txtHelysHatul = r.RcsekkHelyseg;
    a.txtCimHatul = r.RcsekkCim;
    a.txtIrszHatul = r.RcsekkIrszam;
  }
  return a;
}

PrintResult printRcsekkList(const std::vector<CsoportSor>& sorok, const RcsekkListaLap& lap, Platform& pf,
                            SetRekord& set, SetRcsekkRekord& r, bool allo) {
  std::array<int16_t, 8> flags{};
  auto setup = [&](PrintJob& j) {
    j.pageHeightTwips(kA4HeightTwips);
    j.pageWidthTwips(kA4WidthTwips);
    j.start(pf.folder, set, PrinterChoice::KeepCurrent);
    flags = set.Nyomtatando;
    beolvasva(pf.folder, kSetRcsekkFile, r);
    // Nothing picked in the dialog is read back; a cancel ends the job before any form.
    if (pf.printDialog) j.step([&] { showPrintDialog(*pf.printDialog, j.printer()); });
    // Each feed sets its whole sheet: the lying one is A4 standing, whatever the previous
    // document left on the printer.
    j.scaleMillimetres();
    j.orientation(allo ? kLandscape : kPortrait);
    j.paperSize(allo ? kPaperDL : kPaperA4);
    j.bold(false);
    return false;
  };

  auto place = [&](PrintJob& j, ListRow& row) {
    CsoportUtolso& u = row.utolso;
    const RcsekkAdatok a = rowData(lap, row.nevek(), r);
    // The lying feed prints the front whatever side the page shows.
    if (!allo || a.cmdOldalCsere == kRcsekkElolap) {
      row.kozl3sor();
      u.AzazOsszeg = row.nevek().Osszegek[0];
      if (!allo) j.scaleMillimetres();
      const SzavakIllesztve w =
          fitWords(azaz1(u.AzazOsszeg), kSzovegSzelesseg, j, rcsekkSzovegBetu(j, r), r.RcsekkBetuMeret2);
      row.azaz(w.szavak);
      j.fontNameSize(rcsekkSzamBetu(j, r), r.RcsekkBetuMeret1);
      placeRcsekkElolap(j, r, flags, a, w.sor1(), w.sor2(), allo,
                        allo ? std::optional<int16_t>(r.RcsekkBetuMeret2) : std::nullopt);
    } else {
      // The back reads no notice record; the shared copy is emptied all the same.
      u.vanKozl3sor = true;
      // The back in the text font, whatever font the printer held before.
      placeRcsekkHatlap(j, r, a, allo, true);
    }
  };

  return printList(pf, ErrorClass::CancelWithMessage, sorok, setup, place);
}

}  // namespace

PrintResult PrintCsAlloRcsekk(const std::vector<CsoportSor>& sorok, const RcsekkListaLap& lap, Platform& platform,
                              SetRekord& set, SetRcsekkRekord& rcsekk) {
  return printRcsekkList(sorok, lap, platform, set, rcsekk, true);
}

PrintResult PrintCsFekvoRcsekk(const std::vector<CsoportSor>& sorok, const RcsekkListaLap& lap, Platform& platform,
                               SetRekord& set, SetRcsekkRekord& rcsekk) {
  return printRcsekkList(sorok, lap, platform, set, rcsekk, false);
}
