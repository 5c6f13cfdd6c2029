#include "printing/orders/rcsekkprint.h"

#include <array>
#include <memory>

#include "common/fields.h"
#include "common/messages.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"

namespace {

// Fixed millimetre offsets each feed adds to the stored positions.
struct Offsets {
  int osszegX, osszegY;
  int szoveg1X, szoveg1Y1, szoveg1Y2;
  int szoveg2X, szoveg2Y1, szoveg2Y2;
  int feladoNevX, feladoCimX, feladoY;
  int cim1X, cim2X, cimY;
  int hatulX, hatulY, hatulIrszX;
  int kozlemX, kozlemY;
};
constexpr Offsets kAllo{10, 3, 8, 5, 11, 7, 3, 9, 5, 5, 3, 4, 7, 0, 4, -4, 9, 4, -2};
// The lying address line stands 5 mm right of the name line.
constexpr Offsets kFekvo{0, 0, 0, 3, 10, 0, 1, 8, 0, 5, 1, 0, 0, -3, -4, -6, 1, -4, -4};

// Flags of SetRekord::Nyomtatando that the money order uses.
enum Item { kOsszeg = 0, kSzoveg = 1, kNev = 2, kCim = 3 };

PrintResult printOrder(const RcsekkAdatok& a, Platform& pf, SetRekord& set, SetRcsekkRekord& r, bool allo) {
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::None);  // nothing is shown on an error
  if (!job) return PrintResult::of(PrintResult::Failed);
  const bool elolap = a.cmdOldalCsere == kRcsekkElolap;

  const bool ran = job->run([&](PrintJob& j) {
    // The words between "*" marks: the opening mark on line 1, the closing one on line 2
    // when the words take two lines.
    QString szoveg1, szoveg2;
    if (!a.RtxtSzoveg11.isEmpty()) {
      szoveg1 = QStringLiteral("*") + a.RtxtSzoveg21;
      szoveg2 = a.RtxtSzoveg11 + QStringLiteral("*");
    } else {
      szoveg1 = QStringLiteral("*") + a.RtxtSzoveg21 + a.RtxtSzoveg11 + QStringLiteral("*");
    }

    j.start(pf.folder, set, PrinterChoice::KeepCurrent);
    const std::array<int16_t, 8> flags = set.Nyomtatando;
    beolvasva(pf.folder, kSetRcsekkFile, r);

    // Each feed sets its own sheet: nothing of the previous document's page carries over.
    j.scaleMillimetres();
    if (allo) {
      j.orientation(kLandscape);
      j.paperSize(kPaperDL);
    } else {
      j.orientation(kPortrait);
      j.paperSize(kPaperA4);
    }
    j.bold(false);

    if (elolap) {
      // The back prints nothing in the figures font: only the front asks for it.
      j.fontNameSize(rcsekkSzamBetu(j, r), r.RcsekkBetuMeret1);
      placeRcsekkElolap(j, r, flags, a, szoveg1, szoveg2, allo);
    } else {
      placeRcsekkHatlap(j, r, a, allo);
    }
    j.endDoc();
  });
  return PrintResult::of(ran ? PrintResult::Printed : PrintResult::Failed);
}

}  // namespace

QString rcsekkSzamBetu(PrintJob& j, const SetRcsekkRekord& r) {
  return j.betu(kSzamokBetuje, r.RcsekkNumBetuTipus,
                factoryText(rcsekkFactory(), &SetRcsekkRekord::RcsekkNumBetuTipus));
}

QString rcsekkSzovegBetu(PrintJob& j, const SetRcsekkRekord& r) {
  return j.betu(kSzovegekBetuje, r.RcsekkSzovegBetuTipus,
                factoryText(rcsekkFactory(), &SetRcsekkRekord::RcsekkSzovegBetuTipus));
}

QString rcsekkSzovegBetu(const Printer* printer, const SetRcsekkRekord& r) {
  return nyomtatottBetu(printer, r.RcsekkSzovegBetuTipus,
                        factoryText(rcsekkFactory(), &SetRcsekkRekord::RcsekkSzovegBetuTipus));
}

void placeRcsekkElolap(PrintJob& j, const SetRcsekkRekord& r, const std::array<int16_t, 8>& flags,
                       const RcsekkAdatok& a, const QString& szoveg1, const QString& szoveg2, bool allo,
                       std::optional<int16_t> cimzettMeret) {
  const Offsets& o = allo ? kAllo : kFekvo;
  auto on = [&flags](Item i) { return flags[i] != 0; };

  // The amount copies' positions are taken even when they are not printed: a name left
  // out goes where the last of them stands.
  const double osszegX1 = position(r.RcsekkTextosszeg_x1, o.osszegX);
  const double osszegX2 = position(r.RcsekkTextosszeg_x2, o.osszegX);
  const QString osszeg = a.RtxOsszeg;
  if (on(kOsszeg)) {
    j.amount(osszegX1, position(r.RcsekkTextosszeg_y1, o.osszegY), osszeg);
    j.amountAtX(osszegX2, osszeg);
    j.amount(osszegX2, position(r.RcsekkTextosszeg_y2, o.osszegY), osszeg);
  } else {
    j.currentY(position(r.RcsekkTextosszeg_y1, o.osszegY));
    j.currentX(osszegX1);
    j.currentX(osszegX2);
    j.currentY(position(r.RcsekkTextosszeg_y2, o.osszegY));
    j.currentX(osszegX2);
  }

  j.fontNameSize(rcsekkSzovegBetu(j, r), r.RcsekkBetuMeret2);
  if (on(kSzoveg)) {
    const double x1 = position(r.RcsekkTextCsSzoveg_x1, o.szoveg1X);
    const double x2 = position(r.RcsekkTextCsSzoveg_x2, o.szoveg2X);
    j.text(x1, position(r.RcsekkTextCsSzoveg_y1, o.szoveg1Y1), szoveg1);
    j.text(x1, position(r.RcsekkTextCsSzoveg_y1, o.szoveg1Y2), szoveg2);
    j.text(x2, position(r.RcsekkTextCsSzoveg_y2, o.szoveg2Y1), szoveg1);
    j.text(x2, position(r.RcsekkTextCsSzoveg_y2, o.szoveg2Y2), szoveg2);
  }
  const double feladoY = position(r.RcsekkTextFelado_y, o.feladoY);
  if (on(kNev))
    j.text(position(r.RcsekkTextFelado_x, o.feladoNevX), feladoY, a.RtxNev.trimmed());
  else
    j.blankLine(feladoY);  // the address keeps its place below the name's line
  if (on(kCim)) j.textAtX(position(r.RcsekkTextFelado_x, o.feladoCimX), a.RtxCim.trimmed());

  // The recipient, on both parts of the form, in the text font.
  auto meret = [&] {
    if (cimzettMeret) j.fontSize(double(*cimzettMeret));
  };
  auto cimzett = [&](Fixed x, int dx, Fixed y, Fixed irszY) {
    const double cx = position(x, dx);
    meret();
    j.text(cx, position(y, o.cimY), a.RlbNev.trimmed());
    j.textAtX(cx, a.RlbHelys.trimmed());
    j.textAtX(cx, a.RlbCim.trimmed());
    meret();
    j.text(cx, position(irszY, o.cimY), a.RlbIrsz.trimmed());
  };
  cimzett(r.RcsekkTextcim_x1, o.cim1X, r.RcsekkTextcim_y, r.RcsekkTextirsz_y);
  cimzett(r.RcsekkTextcim_x2, o.cim2X, r.RcsekkTextcim2_y, r.RcsekkTextirsz2_y);
}

void placeRcsekkHatlap(PrintJob& j, const SetRcsekkRekord& r, const RcsekkAdatok& a, bool allo, bool irszBalra) {
  const Offsets& o = allo ? kAllo : kFekvo;
  // The back has no print switches.
  j.fontNameSize(rcsekkSzovegBetu(j, r), r.RcsekkBetuMeret2);
  const double hx = position(r.RcsekkFeladoHatoldal_x, o.hatulX);
  j.text(hx, position(r.RcsekkFeladoHatoldal_y, o.hatulY), a.txtNevHatul.trimmed());
  j.textAtX(hx, a.txtHelysHatul.trimmed());
  j.textAtX(hx, a.txtCimHatul.trimmed());
  j.print(QString());
  j.textAtX(irszBalra ? hx : position(r.RcsekkFeladoHatoldal_x, o.hatulIrszX), a.txtIrszHatul.trimmed());
  const double kx = position(r.RcsekkKozlemHatoldal_x, o.kozlemX);
  j.text(kx, position(r.RcsekkKozlemHatoldal_y, o.kozlemY), a.RcsekkKozlemenyHatul[0].trimmed());
  for (size_t i = 1; i < a.RcsekkKozlemenyHatul.size(); ++i) j.textAtX(kx, a.RcsekkKozlemenyHatul[i].trimmed());
}

QString rcsekkCimSor(const QString& irsz, int irszHossz, const QString& helyseg, const QString& cim,
                     const QString& elvalaszto) {
  const QString h = trimmed(helyseg);
  const QString c = trimmed(cim);
  if (trimmed(irsz).isEmpty() && h.isEmpty() && c.isEmpty()) return {};
  return asStored(irsz).leftJustified(irszHossz, QLatin1Char(' ')) + QLatin1Char(' ') + h + elvalaszto + c;
}

PrintResult PrintAlloRCsekk(const RcsekkAdatok& adatok, Platform& platform, SetRekord& set, SetRcsekkRekord& rcsekk) {
  return printOrder(adatok, platform, set, rcsekk, true);
}

PrintResult PrintFekvoRCsekk(const RcsekkAdatok& adatok, Platform& platform, SetRekord& set,
                              SetRcsekkRekord& rcsekk) {
  return printOrder(adatok, platform, set, rcsekk, false);
}
