#include "printing/orders/ulaplista.h"

#include "common/messages.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/layoutrecords.h"
#include "printing/orders/rcsekkprint.h"
#include "printing/orders/ulapprint.h"
#include "printing/slips/osszegbetuvel.h"

namespace {

// The list feeds place the marks and the lying words a little apart from the single form.
constexpr UlapEltolas kListaAllo = kUlapAllo;
constexpr UlapEltolas kListaFekvo{26, -3, 24, -1, 7, 26, -4, 26, -4, 25, -3, 26, -3};

PrintResult printUlapList(const std::vector<CsoportSor>& sorok, const UlapLapAllapot& lap, Platform& pf,
                          SetRekord& set, SetRcsekkRekord& rc, SetUlapRekord& u, bool allo) {
  auto setup = [&](PrintJob& j) {
    beolvasva(pf.folder, kSetFile, set);
    j.choosePrinter(set, PrinterChoice::KeepCurrent);
    beolvasva(pf.folder, kSetRcsekkFile, rc);
    beolvasva(pf.folder, kSetUlapFile, u);

    ulapOldal(j, allo);
    return false;
  };

  UlapAdatok a;
  a.cmdUtanvetOdalCsere = lap.cmdUtanvetOdalCsere;
  a.chkUtanvetR = lap.chkUtanvetR;
  a.chkUtanvetEL = lap.chkUtanvetEL;
  a.lbUNev = lap.lbUNev;
  a.lbUHelyseg = lap.lbUHelyseg;
  a.lbUCim = lap.lbUCim;
  a.lbUIrszam = lap.lbUIrszam;

  auto place = [&](PrintJob& j, ListRow& row) {
    CsoportUtolso& ut = row.utolso;
    const NevekRekord& nv = row.nevek();
    ut.AzazOsszeg = nv.Osszegek[0];

    // A zero amount prints empty amount and words lines, and no words are written.
    QStringList osszeg{QString()};
    a.lbosszegBetuvel1.clear();
    a.lbosszegBetuvel2.clear();
    if (ut.AzazOsszeg != 0) {
      osszeg = {QStringLiteral("***"), QString::number(ut.AzazOsszeg), QStringLiteral("***")};
      // Measured in the font the words are printed in, as the page measures them.
      const SzavakIllesztve w =
          fitWords(azaz1(ut.AzazOsszeg), kSzovegSzelesseg, j, rcsekkSzovegBetu(j, rc), double(rc.RcsekkBetuMeret2));
      row.azaz(w.szavak);
      a.lbosszegBetuvel1 = w.sor1();
      a.lbosszegBetuvel2 = w.sor2();
      j.scaleMillimetres();
    }

    a.txUNev = asStored(nv.Nev);
    a.txUCim = asStored(nv.Irsz) + QStringLiteral(" ") + trimmed(nv.Helyseg) + QStringLiteral(", ") + asStored(nv.Cim);
    a.lbUNevHatul = asStored(nv.Nev);
    a.lbUHelysegHatul = asStored(nv.Helyseg);
    a.lbUCimHatul = asStored(nv.Cim);
    a.lbUIrszamHatul = asStored(nv.Irsz);
    placeUlap(j, a, osszeg, rc, u, allo ? kListaAllo : kListaFekvo);
  };

  return printList(pf, ErrorClass::SilentCancel, sorok, setup, place);
}

}  // namespace

PrintResult PrintCsAlloUlap(const std::vector<CsoportSor>& sorok, const UlapLapAllapot& lap, Platform& platform,
                            SetRekord& set, SetRcsekkRekord& rcsekk, SetUlapRekord& ulap) {
  return printUlapList(sorok, lap, platform, set, rcsekk, ulap, true);
}

PrintResult PrintCsFekvoUlap(const std::vector<CsoportSor>& sorok, const UlapLapAllapot& lap, Platform& platform,
                             SetRekord& set, SetRcsekkRekord& rcsekk, SetUlapRekord& ulap) {
  return printUlapList(sorok, lap, platform, set, rcsekk, ulap, false);
}
