#include "printing/orders/ulapprint.h"

#include <memory>

#include "common/messages.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/layoutrecords.h"
#include "printing/orders/rcsekkprint.h"

namespace {

constexpr double kJelMeret = 24;  // points of the "X" marks

PrintResult printForm(const UlapAdatok& a, Platform& pf, SetRekord& set, SetRcsekkRekord& rc, SetUlapRekord& u,
                      bool allo) {
  if (!payerChosen(pf, a.txNev)) return PrintResult::of(PrintResult::NoPayer);
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::SilentCancel);
  if (!job) return PrintResult::of(PrintResult::Failed);

  const bool ran = job->run([&](PrintJob& j) {
    j.start(pf.folder, set, PrinterChoice::KeepCurrent);
    beolvasva(pf.folder, kSetRcsekkFile, rc);
    beolvasva(pf.folder, kSetUlapFile, u);

    ulapOldal(j, allo);

    // The amount as typed between the asterisks.
    placeUlap(j, a, {QStringLiteral("***"), a.txUosszeg, QStringLiteral("***")}, rc, u,
              allo ? kUlapAllo : kUlapFekvo);
    j.endDoc();
  });
  return PrintResult::of(ran ? PrintResult::Printed : PrintResult::Failed);
}

}  // namespace

void ulapOldal(PrintJob& j, bool allo) {
  j.scaleMillimetres();
  j.bold(false);
  j.paperSize(kPaperDL);
  if (allo) {
    j.orientation(kLandscape);
  } else {
    // The form itself is the page, fed lying.
    j.orientation(kPortrait);
    j.pageWidthTwips(kUlapFekvoSzelesMm * kTwipsPerMm);
    j.pageHeightTwips(kUlapFekvoMagasMm * kTwipsPerMm);
  }
}

void placeUlap(PrintJob& j, const UlapAdatok& a, const QStringList& osszeg, const SetRcsekkRekord& rc,
               const SetUlapRekord& u, const UlapEltolas& o) {
  // Name and size only: no bold, italic or underline is set.
  auto font = [&j](const QString& name, double size) { j.fontNameSize(name, size); };
  auto szovegFont = [&] { font(rcsekkSzovegBetu(j, rc), double(rc.RcsekkBetuMeret2)); };

  if (a.cmdUtanvetOdalCsere == kUlapElolap) {
    const QString szamok = rcsekkSzamBetu(j, rc);
    font(szamok, double(rc.RcsekkBetuMeret1));
    const double ox = position(u.UlapTextosszeg_x, o.osszegX);
    // The pieces of the amount, then the end of its line.
    auto osszegSor = [&](Fixed y) {
      j.currentX(ox);
      j.currentY(position(y, o.osszegY));
      for (qsizetype i = 0; i < osszeg.size(); ++i) j.print(osszeg[i], i + 1 == osszeg.size());
    };
    osszegSor(u.UlapTextosszeg_y1);
    osszegSor(u.UlapTextosszeg_y2);

    const double rx = position(u.UlapRX_x, o.rX);
    if (a.chkUtanvetR == 1) {
      font(szamok, kJelMeret);
      j.text(rx, position(u.UlapRX_y, o.rY), QStringLiteral("X"));
    }
    if (a.chkUtanvetEL == 1) {
      font(szamok, kJelMeret);
      j.text(rx, position(u.UlapRX_y, o.elY), QStringLiteral("X"));
    }

    szovegFont();
    const double fx = position(u.UlapTextFelado_x, o.feladoX);
    j.text(fx, position(u.UlapTextFelado_y, o.feladoY), a.txUNev);
    j.textAtX(fx, a.txUCim);
    const double sx = position(u.UlapTextCsSzoveg_x, o.szovegX);
    j.text(sx, position(u.UlapTextCsSzoveg_y, o.szovegY), a.lbosszegBetuvel1);
    j.textAtX(sx, a.lbosszegBetuvel2);
    const double cx = position(u.UlapCim_x, o.cimX);
    j.text(cx, position(u.UlapCim_y, o.cimY), a.lbUNev);
    j.textAtX(cx, a.lbUHelyseg);
    j.textAtX(cx, a.lbUCim);
    j.textAtX(cx, a.lbUIrszam);
  } else {
    szovegFont();
    const double kx = position(u.UlapKuldCim_x, o.kuldX);
    j.text(kx, position(u.UlapKuldCim_y, o.kuldY), a.lbUNevHatul);
    j.textAtX(kx, a.lbUHelysegHatul);
    j.textAtX(kx, a.lbUCimHatul);
    j.textAtX(kx, a.lbUIrszamHatul);
  }
}

PrintResult PrintAlloULap(const UlapAdatok& adatok, Platform& platform, SetRekord& set, SetRcsekkRekord& rcsekk,
                         SetUlapRekord& ulap) {
  return printForm(adatok, platform, set, rcsekk, ulap, true);
}

PrintResult PrintFekvoULap(const UlapAdatok& adatok, Platform& platform, SetRekord& set, SetRcsekkRekord& rcsekk,
                          SetUlapRekord& ulap) {
  return printForm(adatok, platform, set, rcsekk, ulap, false);
}
