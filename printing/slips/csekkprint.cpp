#include "printing/slips/csekkprint.h"

#include <array>
#include <memory>

#include "common/messages.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/setrekord.h"
#include "layouts/factory.h"

namespace {

// Flags of SetRekord::Nyomtatando: which item groups the slip prints.
enum Item { kOsszeg = 0, kSzoveg = 1, kNev = 2, kCim = 3, kKozlemeny = 4, kJogcim = 5, kBefizAzon = 7 };

// The A4 sheet in twips that both feeds give the current printer first.
constexpr double kA4HeightTwips = 16790;
constexpr double kA4WidthTwips = 11910;
// The lying slip's page, portrait.
constexpr double kFekvoWidthMm = 210;
constexpr double kFekvoHeightMm = 105;

PrintResult printSlip(const CsekkAdatok& a, Platform& pf, SetRekord& set, bool allo) {
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::SilentCancel);
  if (!job) return PrintResult::of(PrintResult::Failed);
  bool noPayer = false;

  const bool ran = job->run([&](PrintJob& j) {
    j.pageHeightTwips(kA4HeightTwips);
    j.pageWidthTwips(kA4WidthTwips);

    if (!j.payerChosen(a.txNev)) {
      noPayer = true;
      return;
    }

    // The words between "*" marks: two lines, or one when the second part is empty.
    QString szoveg1, szoveg2;
    if (!a.txtSzoveg11.isEmpty()) {
      szoveg1 = QStringLiteral("*") + a.txtSzoveg21;
      szoveg2 = a.txtSzoveg11 + QStringLiteral("*");
    } else {
      szoveg1 = QStringLiteral("*") + a.txtSzoveg21 + a.txtSzoveg11 + QStringLiteral("*");
    }

    j.start(pf.folder, set, PrinterChoice::FollowDefault);
    csekkOldal(j, allo);
    placeCsekk(j, set, a, szoveg1, szoveg2, allo, allo ? kCsekkAllo : kCsekkFekvo);
    j.endDoc();
  });
  if (noPayer) return PrintResult::of(PrintResult::NoPayer);
  return PrintResult::of(ran ? PrintResult::Printed : PrintResult::Failed);
}

}  // namespace

QString csekkSzamBetu(PrintJob& j, const SetRekord& set) {
  return j.betu(kSzamokBetuje, set.BetuTipus1, factoryText(setFactory(), &SetRekord::BetuTipus1));
}

QString csekkSzovegBetu(PrintJob& j, const SetRekord& set) {
  return j.betu(kSzovegekBetuje, set.BetuTipus2, factoryText(setFactory(), &SetRekord::BetuTipus2));
}

void csekkOldal(PrintJob& j, bool allo) {
  j.scaleMillimetres();
  j.bold(false);
  if (allo) {
    j.orientation(kLandscape);
    j.paperSize(kPaperDL);
  } else {
    j.orientation(kPortrait);
    j.pageHeightTwips(kFekvoHeightMm * kTwipsPerMm);
    j.pageWidthTwips(kFekvoWidthMm * kTwipsPerMm);
  }
}

void placeCsekk(PrintJob& j, const SetRekord& set, const CsekkAdatok& a, const QString& szoveg1,
                const QString& szoveg2, bool allo, const CsekkEltolas& o, bool osszeggel) {
  const int korr = allo ? set.Vkorrekcio : 0;
  const std::array<int16_t, 8> flags = set.Nyomtatando;
  auto on = [&flags](Item i) { return flags[i] != 0; };
  auto X = [korr](Fixed stored, int offset) { return position(stored, offset + korr); };
  auto Y = [](Fixed stored, int offset) { return position(stored, offset); };
  // Name and size only: the bold state stays as the printer has it.
  const QString betuA = csekkSzamBetu(j, set), betuB = csekkSzovegBetu(j, set);
  auto fontA = [&] { j.fontNameSize(betuA, set.BetuMeret1); };
  auto fontB = [&] { j.fontNameSize(betuB, set.BetuMeret2); };

  if (osszeggel) {
    fontA();
    if (on(kOsszeg)) {
      const QString osszeg = a.txOsszeg.trimmed();
      j.amount(X(set.Osszeg_x1, o.osszegX), Y(set.Osszeg_y, o.osszegY), osszeg);
      j.amountAtX(X(set.Osszeg_x2, o.osszegX), osszeg);
    }
  }

  fontB();
  if (on(kKozlemeny))
    j.block(X(set.Kozlemeny_x, o.kozlemenyX), Y(set.Kozlemeny_y, o.kozlemenyY),
            {a.Kozlemeny1, a.txtKozl3sor.trimmed(), a.Kozlemeny2});
  if (on(kSzoveg)) {
    j.text(X(set.CsSzoveg_x1, o.szoveg1X), Y(set.CsSzoveg_y1, o.szovegY1), szoveg1);
    j.text(X(set.CsSzoveg_x1, o.szoveg1X), Y(set.CsSzoveg_y2, o.szovegY2), szoveg2);
    j.text(X(set.CsSzoveg_x2, o.szoveg2X), Y(set.CsSzoveg_y1, o.szovegY1), szoveg1);
    j.text(X(set.CsSzoveg_x2, o.szoveg2X), Y(set.CsSzoveg_y2, o.szovegY2), szoveg2);
  }

  fontA();
  if (on(kBefizAzon)) j.text(X(set.BefizAzon_x, o.befizAzonX), Y(set.BefizAzon_y, 0), a.txBefizAzonosito);

  fontB();
  if (on(kJogcim)) {
    // Standing prints the copied identifier as given, lying trims it.
    const QString harmadik = !a.chkBefAzonMasolasa ? a.txtJogcim2
                             : allo                ? a.txBefizAzonosito
                                                   : a.txBefizAzonosito.trimmed();
    j.block(X(set.Jogcim_x, o.jogcimX), Y(set.Jogcim_y, 0),
            {a.txtJogcim1, a.txtKozl3sor.trimmed(), harmadik, a.txtFizHatIdo});
  }

  // The payer block, once on each part of the slip.
  for (const Fixed cimX : {set.Cim_x1, set.Cim_x2}) {
    const double x = X(cimX, o.cimX);
    const double y = Y(set.Cim_y, o.cimY);
    if (on(kNev))
      j.text(x, y, a.txNev.trimmed());
    else
      j.blankLine(y);  // the address lines keep their places below the name's line
    if (on(kCim)) {
      j.textAtX(x, a.txCim1.toUpper().trimmed());
      j.textAtX(x, a.txCim2.trimmed());
      j.text(x, Y(set.Irsz_y, 0), a.txIrszam);
    }
  }
}

PrintResult PrintAlloCsekk(const CsekkAdatok& adatok, Platform& platform, SetRekord& set) {
  return printSlip(adatok, platform, set, true);
}

PrintResult PrintFekvoCsekk(const CsekkAdatok& adatok, Platform& platform, SetRekord& set) {
  return printSlip(adatok, platform, set, false);
}
