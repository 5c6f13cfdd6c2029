#include "printing/slips/csekklistaprint.h"

#include <array>

#include "common/messages.h"
#include "common/platform.h"
#include "common/printdialog.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/setrekord.h"

namespace {

// Fixed millimetre offsets each feed adds to the stored positions.
struct Offsets {
  int osszegX, osszegY;
  int kozlemenyX, kozlemenyY;
  int szoveg1X, szoveg2X, szovegY1, szovegY2;
  int befizAzonX, jogcimX;
  int cimX, cimY;
};
constexpr Offsets kAllo{10, 1, 10, 2, 8, 7, 2, 1, 7, 7, 5, 4};
constexpr Offsets kFekvo{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3};

// Flags of SetRekord::Nyomtatando: which item groups the slip prints.
enum Item { kOsszeg = 0, kSzoveg = 1, kNev = 2, kCim = 3, kKozlemeny = 4, kJogcim = 5, kBefizAzon = 7 };

// The A4 sheet in twips given to the current printer before the printer is chosen.
constexpr double kA4HeightTwips = 16790;
constexpr double kA4WidthTwips = 11910;
// The lying slip's page, portrait.
constexpr double kFekvoWidthMm = 210;
constexpr double kFekvoHeightMm = 105;
// Up to this width (mm, text font) both parts of the words share the first line.
constexpr double kSzovegMax = 45;

CsoportEredmeny printList(const std::vector<CsoportSor>& sorok, const CsekkLapSzovegek& lap, Platform& pf,
                          SetRekord& set, bool allo) {
  CsoportEredmeny out;
  if (!pf.printer) return out;
  Printer& p = *pf.printer;
  RecordedMessageBoxes unseen;
  MessageBoxes& msg = pf.messages ? *pf.messages : unseen;
  const Offsets& o = allo ? kAllo : kFekvo;

  PrintJob job(p, allo ? ErrorClass::CancelWithMessage : ErrorClass::SilentCancel, msg);
  out.printed = job.run([&](PrintJob& j) {
    j.pageHeightTwips(kA4HeightTwips);
    j.pageWidthTwips(kA4WidthTwips);

    loadSet(pf.folder, set);
    const bool mind = allo && set.AutoPrint != 0;
    const int korr = allo ? set.Vkorrekcio : 0;
    const QString fizHat = set.FizHat.trimmed();
    const bool fizHatBe = set.FizHatBeolvas != 0;
    const QString fontA = set.BetuTipus1, fontB = set.BetuTipus2;
    const int16_t meretA = set.BetuMeret1, meretB = set.BetuMeret2;

    j.choosePrinter(set, PrinterChoice::KeepCurrent);
    const std::array<int16_t, 8> flags = set.Nyomtatando;
    auto on = [&flags](Item i) { return flags[i] != 0; };
    auto X = [korr](Fixed stored, int offset) { return position(stored, offset + korr); };
    auto Y = [](Fixed stored, int offset) { return position(stored, offset); };
    // Name and size only: the bold state stays as the printer has it.
    auto font = [&j, &p](const QString& name, int16_t size) {
      j.step([&] { p.setFontName(name.trimmed()); });
      j.step([&] { p.setFontSize(double(size)); });
    };

    // Nothing picked in the dialog is read back; a cancel ends the job before any slip.
    if (allo && pf.printDialog) j.step([&] { showPrintDialog(*pf.printDialog, p); });

    RecordFile kozl(pf.folder, kKozl3sorFile, Kozl3sorRekord::Length);
    RecordFile nevek(pf.folder, kNevekFile, NevekRekord::Length);
    // The rows to print, in list order. A row whose number names no payer record (a list
    // older than the file) would print an empty slip: it is left out.
    const int32_t db = nevek.count();
    std::vector<int32_t> tabla;
    for (const CsoportSor& s : sorok)
      if ((mind || s.kijelolt) && s.rekordSzam >= 1 && s.rekordSzam <= db) tabla.push_back(s.rekordSzam);

    for (const int32_t n : tabla) {
      CsoportUtolso& u = out.utolso ? *out.utolso : out.utolso.emplace();
      nevek.read(n, u.Nevek);
      kozl.read(n, u.Kozl3sor);
      const NevekRekord& nv = u.Nevek;
      const QString kozlemeny = u.Kozl3sor.Kozlemeny.trimmed();
      u.AzazOsszeg = nv.Osszegek[0];
      const QString osszeg = QString::number(u.AzazOsszeg);

      j.scaleMillimetres();
      if (allo) {
        j.orientation(kLandscape);
        j.paperSize(kPaperDL);
      } else {
        j.orientation(kPortrait);
        j.pageHeightTwips(kFekvoHeightMm * kTwipsPerMm);
        j.pageWidthTwips(kFekvoWidthMm * kTwipsPerMm);
      }

      // Standing: no words and no amount for an amount of 0; lying: "**" and "***0***".
      QString sor1, sor2;
      if (u.AzazOsszeg != 0 || !allo) {
        OsszegSzavak w = azaz1(u.AzazOsszeg);
        if (!allo) u.lbOsszeg = osszeg;
        font(fontB, meretB);
        if (!w.ezresek.isEmpty()) w.ezresek[0] = w.ezresek[0].toUpper();
        u.Azaz = w;
        if (j.textWidth(w.egyesek + w.ezresek) > kSzovegMax) {
          sor1 = QStringLiteral("*") + w.ezresek;
          sor2 = w.egyesek + QStringLiteral("*");
        } else {
          sor1 = QStringLiteral("*") + w.ezresek + w.egyesek + QStringLiteral("*");
        }
        font(fontA, meretA);
        if (on(kOsszeg)) {
          j.amount(X(set.Osszeg_x1, o.osszegX), Y(set.Osszeg_y, o.osszegY), osszeg);
          j.amountAtX(X(set.Osszeg_x2, o.osszegX), osszeg);
        }
      }

      font(fontB, meretB);
      if (on(kKozlemeny))
        j.block(X(set.Kozlemeny_x, o.kozlemenyX), Y(set.Kozlemeny_y, o.kozlemenyY),
                {lap.Kozlemeny1, kozlemeny, lap.Kozlemeny2});
      if (on(kSzoveg)) {
        j.text(X(set.CsSzoveg_x1, o.szoveg1X), Y(set.CsSzoveg_y1, o.szovegY1), sor1);
        j.text(X(set.CsSzoveg_x1, o.szoveg1X), Y(set.CsSzoveg_y2, o.szovegY2), sor2);
        j.text(X(set.CsSzoveg_x2, o.szoveg2X), Y(set.CsSzoveg_y1, o.szovegY1), sor1);
        j.text(X(set.CsSzoveg_x2, o.szoveg2X), Y(set.CsSzoveg_y2, o.szovegY2), sor2);
      }

      font(fontA, meretA);
      if (on(kBefizAzon))
        j.text(X(set.BefizAzon_x, o.befizAzonX), Y(set.BefizAzon_y, 0), nv.BefizAzonosito.trimmed());

      font(fontB, meretB);
      if (on(kJogcim)) {
        const QString harmadik = lap.chkBefAzonMasolasa ? nv.BefizAzonosito.trimmed() : lap.txtJogcim2;
        const QString negyedik = fizHatBe ? fizHat + QStringLiteral(" ") + nv.FizHatIdo.trimmed() : QString();
        j.block(X(set.Jogcim_x, o.jogcimX), Y(set.Jogcim_y, 0), {lap.txtJogcim1, kozlemeny, harmadik, negyedik});
      }

      // The payer block, once on each part of the slip.
      for (const Fixed cimX : {set.Cim_x1, set.Cim_x2}) {
        const double x = X(cimX, o.cimX);
        const double y = Y(set.Cim_y, o.cimY);
        if (on(kNev)) {
          j.text(x, y, nv.Nev.trimmed());
        } else {
          // The name's line stays empty, so the address lines keep their places below it.
          j.step([&] {
            p.setCurrentY(y);
            p.print(QStringLiteral(" "));
          });
        }
        if (on(kCim)) {
          j.textAtX(x, nv.Helyseg.toUpper().trimmed());
          j.textAtX(x, nv.Cim.trimmed());
          j.text(x, Y(set.Irsz_y, 0), nv.Irsz);
        }
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

CsoportEredmeny PrintCsAlloCsekk(const std::vector<CsoportSor>& sorok, const CsekkLapSzovegek& lap,
                                 Platform& platform, SetRekord& set) {
  return printList(sorok, lap, platform, set, true);
}

CsoportEredmeny PrintCsFekvoCsekk(const std::vector<CsoportSor>& sorok, const CsekkLapSzovegek& lap,
                                  Platform& platform, SetRekord& set) {
  return printList(sorok, lap, platform, set, false);
}
