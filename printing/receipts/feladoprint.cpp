#include "printing/receipts/feladoprint.h"

#include <memory>

#include "common/messages.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/layoutrecords.h"
#include "printing/receipts/vevenyek.h"

namespace {

const QString kX = QStringLiteral("X");

bool ticked(int value) { return value == 1; }

// The feed's fixed offsets: X for everything, Y for the address blocks, for the value and the
// cash-on-delivery amount, and for the marks (the free lines have none).
struct Eltolas {
  int x, yBlokk, yOsszeg, yJel;
};
constexpr Eltolas kAllo{32, -7, -5, -6};
constexpr Eltolas kFekvo{0, -1, 0, 0};

// The receipt's items, in print order, on a printer already set up in the main size.
void nyomtat(PrintJob& j, const FeladoAdatok& a, const SetFvevenyRekord& f, const Eltolas& o) {
  const auto t = [](const QString& s) { return lap::szokozNelkul(s); };
  const double xCimzett = position(f.FeladovevenyCimzett_x, o.x);
  j.text(xCimzett, position(f.FeladovevenyCimzett_y, o.yBlokk), t(a.txNev3));
  j.textAtX(xCimzett, t(a.txCim3_1));
  j.textAtX(xCimzett, t(a.txCim3_2));
  const double xFelado = position(f.FeladovevenyFelado_x, o.x);
  j.text(xFelado, position(f.FeladovevenyFelado_y, o.yBlokk), t(a.lbSajatNev));
  j.textAtX(xFelado, t(a.lbSajatCim1));
  j.textAtX(xFelado, t(a.lbSajatCim2));
  j.text(position(f.FeladovevenyErtek_x, o.x), position(f.FeladovevenyErtek_y, o.yOsszeg), t(a.txErtek));
  j.text(position(f.FeladovevenyUtanvet_x, o.x), position(f.FeladovevenyUtanvet_y, o.yOsszeg), t(a.txUtanvet));

  j.fontSize(double(f.FeladovevenyBetuMeret2));
  j.text(position(f.FeladovevenyUtanvetszoveg1_x, o.x), position(f.FeladovevenyUtanvetszoveg1_y), t(a.txtFeladov1));
  j.text(position(f.FeladovevenyUtanvetszoveg2_x, o.x), position(f.FeladovevenyUtanvetszoveg2_y), t(a.txtFeladov2));
  j.fontSize(double(f.FeladovevenyBetuMeret));

  const double sor1 = position(f.FeladovevenyXAjanlott_y, o.yJel);
  const double sor2 = position(f.FeladovevenyXCsomag_y, o.yJel);
  const double oszlop1 = position(f.FeladovevenyXAjanlott_x, o.x);
  const double oszlop2 = position(f.FeladovevenyXTerti_x, o.x);
  const auto jel = [&](int value, double x, double y) {
    if (ticked(value)) j.text(x, y, kX);
  };
  jel(a.chkAjanlott, oszlop1, sor1);
  jel(a.chkCsomag, oszlop2, sor2);
  jel(a.chkTerti, oszlop2, sor1);
  jel(a.chkHivIrat, oszlop1, sor2);
  jel(a.chkErtek, position(f.FeladovevenyXErtek_x, o.x), sor1);
  const double sorK = position(f.FeladovevenyXK1_y, o.yJel);
  jel(a.chkSK, position(f.FeladovevenyXK1_x, o.x), sorK);
  jel(a.chkPRI, position(f.FeladovevenyXK2_x, o.x), sorK);
  jel(a.chkPL, position(f.FeladovevenyXK3_x, o.x), sorK);
  jel(a.chkLEGI, position(f.FeladovevenyXK4_x, o.x), sorK);
  jel(a.chk5, position(f.FeladovevenyXK5_x, o.x), sorK);
  jel(a.chk6, position(f.FeladovevenyXK6_x, o.x), sorK);
}

}  // namespace


bool PrintAlloFelado(const FeladoAdatok& a, Platform& pf, SetRekord& set, SetFvevenyRekord& f,
                     const std::function<void()>& betuCsere) {
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::FontFallback);
  if (job) job->onFontFallback = betuCsere;
  return job && job->run([&](PrintJob& j) {
    j.start(pf.folder, set, PrinterChoice::KeepCurrent);
    loadSettings(pf.folder, kSetFvevenyFile, f);

    lap::alloLap(j, f.FeladovevenyBetuTipus, double(f.FeladovevenyBetuMeret), kPaperDL);
    nyomtat(j, a, f, kAllo);
    j.endDoc();
  });
}

bool PrintFekvoFelado(const FeladoAdatok& a, Platform& pf, SetRekord& set, SetFvevenyRekord& f) {
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::SilentCancel);
  return job && job->run([&](PrintJob& j) {
    j.start(pf.folder, set, PrinterChoice::FollowDefault);
    loadSettings(pf.folder, kSetFvevenyFile, f);

    j.scaleMillimetres();
    // The name as stored; the printer layer matches it without its trailing blanks.
    j.fontName(f.FeladovevenyBetuTipus);
    j.bold(false);
    j.fontSize(double(f.FeladovevenyBetuMeret));
    // The form itself is the page, fed lying: 165 mm across, 120 mm down.
    j.pageWidthTwips(165 * kTwipsPerMm);
    j.pageHeightTwips(120 * kTwipsPerMm);
    nyomtat(j, a, f, kFekvo);
    j.endDoc();
  });
}
