#include "printing/slips/csekklistaprint.h"

#include "common/messages.h"
#include "common/platform.h"
#include "common/printdialog.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "printing/slips/csekkprint.h"
#include "printing/slips/osszegbetuvel.h"

namespace {

// The A4 sheet in twips given to the current printer before the printer is chosen.
constexpr double kA4HeightTwips = 16790;
constexpr double kA4WidthTwips = 11910;

PrintResult printCsekkList(const std::vector<CsoportSor>& sorok, const CsekkLapSzovegek& lap, Platform& pf,
                           SetRekord& set, bool allo) {
  QString fizHat;
  bool fizHatBe = false;

  auto setup = [&](PrintJob& j) {
    j.pageHeightTwips(kA4HeightTwips);
    j.pageWidthTwips(kA4WidthTwips);
    j.start(pf.folder, set, PrinterChoice::KeepCurrent);
    const bool mind = allo && set.AutoPrint != 0;
    fizHat = trimmed(set.FizHat);
    fizHatBe = set.FizHatBeolvas != 0;
    // Nothing picked in the dialog is read back; a cancel ends the job before any slip.
    if (allo && pf.printDialog) j.step([&] { showPrintDialog(*pf.printDialog, j.printer()); });
    return mind;
  };

  auto place = [&](PrintJob& j, ListRow& row) {
    CsoportUtolso& u = row.utolso;
    const NevekRekord& nv = row.nevek();
    u.AzazOsszeg = nv.Osszegek[0];
    CsekkAdatok a;
    a.txNev = asStored(nv.Nev);
    a.txCim1 = asStored(nv.Helyseg);
    a.txCim2 = asStored(nv.Cim);
    a.txIrszam = asStored(nv.Irsz);
    a.txOsszeg = QString::number(u.AzazOsszeg);
    a.Kozlemeny1 = lap.Kozlemeny1;
    a.Kozlemeny2 = lap.Kozlemeny2;
    a.txtKozl3sor = trimmed(row.kozl3sor().Kozlemeny);
    a.txBefizAzonosito = trimmed(nv.BefizAzonosito);
    a.chkBefAzonMasolasa = lap.chkBefAzonMasolasa;
    a.txtJogcim1 = lap.txtJogcim1;
    a.txtJogcim2 = lap.txtJogcim2;
    if (fizHatBe) a.txtFizHatIdo = fizHat + QStringLiteral(" ") + trimmed(nv.FizHatIdo);

    csekkOldal(j, allo);

    // Standing: no words and no amount for an amount of 0; lying: "**" and "***0***".
    const bool osszeggel = u.AzazOsszeg != 0 || !allo;
    QString sor1, sor2;
    if (osszeggel) {
      if (!allo) u.lbOsszeg = a.txOsszeg;
      const SzavakIllesztve w = fitWords(azaz1(u.AzazOsszeg), kSzovegSzelesseg, j, csekkSzovegBetu(j, set), set.BetuMeret2);
      row.azaz(w.szavak);
      sor1 = w.sor1();
      sor2 = w.sor2();
    }
    placeCsekk(j, set, a, sor1, sor2, allo, allo ? kCsekkAllo : kCsekkListaFekvo, osszeggel);
  };

  return printList(pf, allo ? ErrorClass::CancelWithMessage : ErrorClass::SilentCancel, sorok, setup, place);
}

}  // namespace

PrintResult PrintCsAlloCsekk(const std::vector<CsoportSor>& sorok, const CsekkLapSzovegek& lap, Platform& platform,
                             SetRekord& set) {
  return printCsekkList(sorok, lap, platform, set, true);
}

PrintResult PrintCsFekvoCsekk(const std::vector<CsoportSor>& sorok, const CsekkLapSzovegek& lap, Platform& platform,
                              SetRekord& set) {
  return printCsekkList(sorok, lap, platform, set, false);
}
