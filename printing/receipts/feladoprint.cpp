#include "printing/receipts/feladoprint.h"

#include <memory>

#include "common/messages.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "payerstore/nevekrekord.h"
#include "printing/receipts/vevenyek.h"

namespace {

const QString kX = QStringLiteral("X");

bool ticked(int value) { return value == 1; }

// The receipt's one font as it prints: the stored one, or the factory layout's.
QString betu(PrintJob& j, const SetFvevenyRekord& f) {
  return j.betu(kSzovegekBetuje, f.FeladovevenyBetuTipus,
                factoryText(fvevenyFactory(), &SetFvevenyRekord::FeladovevenyBetuTipus));
}

// The feed's fixed offsets: X for everything, Y for the address blocks, for the value and the
// cash-on-delivery amount, and for the marks (the free lines have none).
struct Eltolas {
  int x, yBlokk, yOsszeg, yJel;
};
constexpr Eltolas kAllo{32, -7, -5, -6};
constexpr Eltolas kFekvo{0, -1, 0, 0};

// The page's texts as printed: trimmed of blanks.
FeladoAdatok nyomtatott(const FeladoAdatok& a) {
  FeladoAdatok s = a;
  for (QString* p : {&s.txNev3, &s.txCim3_1, &s.txCim3_2, &s.lbSajatNev, &s.lbSajatCim1, &s.lbSajatCim2, &s.txErtek,
                     &s.txUtanvet, &s.txtFeladov1, &s.txtFeladov2})
    *p = lap::szokozNelkul(*p);
  return s;
}

// The receipt's items, in print order, on a printer already set up in the main size; the
// texts as they are to be printed. The declared value only with its box ticked: a value kept
// in its hidden box is no declared value.
void placeFelado(PrintJob& j, const FeladoAdatok& a, const SetFvevenyRekord& f, const Eltolas& o) {
  const double xCimzett = position(f.FeladovevenyCimzett_x, o.x);
  j.text(xCimzett, position(f.FeladovevenyCimzett_y, o.yBlokk), a.txNev3);
  j.textAtX(xCimzett, a.txCim3_1);
  j.textAtX(xCimzett, a.txCim3_2);
  const double xFelado = position(f.FeladovevenyFelado_x, o.x);
  j.text(xFelado, position(f.FeladovevenyFelado_y, o.yBlokk), a.lbSajatNev);
  j.textAtX(xFelado, a.lbSajatCim1);
  j.textAtX(xFelado, a.lbSajatCim2);
  if (ticked(a.chkErtek))
    j.text(position(f.FeladovevenyErtek_x, o.x), position(f.FeladovevenyErtek_y, o.yOsszeg), a.txErtek);
  j.text(position(f.FeladovevenyUtanvet_x, o.x), position(f.FeladovevenyUtanvet_y, o.yOsszeg), a.txUtanvet);

  j.fontSize(double(f.FeladovevenyBetuMeret2));
  j.text(position(f.FeladovevenyUtanvetszoveg1_x, o.x), position(f.FeladovevenyUtanvetszoveg1_y), a.txtFeladov1);
  j.text(position(f.FeladovevenyUtanvetszoveg2_x, o.x), position(f.FeladovevenyUtanvetszoveg2_y), a.txtFeladov2);
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

// The lying receipt's page: the form, 165 x 120 mm, made larger where its items, every box
// ticked, reach beyond it.
void fekvoFeladoLap(PrintJob& j, const FeladoAdatok& a, const SetFvevenyRekord& f) {
  FeladoAdatok minden = a;
  for (int* c : {&minden.chkAjanlott, &minden.chkCsomag, &minden.chkTerti, &minden.chkHivIrat, &minden.chkErtek,
                 &minden.chkSK, &minden.chkPRI, &minden.chkPL, &minden.chkLEGI, &minden.chk5, &minden.chk6})
    *c = 1;
  lap::fekvoLap(j, betu(j, f), double(f.FeladovevenyBetuMeret), 165, 120,
                [&](PrintJob& m) { placeFelado(m, minden, f, kFekvo); });
}

// A list receipt: the recipient from the row's payer record (the postcode as stored, padding
// included), everything else from the page.
FeladoAdatok sorSzovegek(const FeladoAdatok& lap, const NevekRekord& n) {
  FeladoAdatok s = nyomtatott(lap);
  s.txNev3 = trimmed(n.Nev);
  s.txCim3_1 = asStored(n.Irsz) + u' ' + trimmed(n.Helyseg);
  s.txCim3_2 = trimmed(n.Cim);
  return s;
}

}  // namespace

PrintResult PrintAlloFelado(const FeladoAdatok& a, Platform& pf, SetRekord& set, SetFvevenyRekord& f,
                     const std::function<void()>& betuCsere) {
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::FontFallback);
  if (job) job->onFontFallback = betuCsere;
  return PrintResult::done(job && job->run([&](PrintJob& j) {
    j.start(pf.folder, set, PrinterChoice::KeepCurrent);
    beolvasva(pf.folder, kSetFvevenyFile, f);

    lap::alloLap(j, betu(j, f), double(f.FeladovevenyBetuMeret), kPaperDL);
    placeFelado(j, nyomtatott(a), f, kAllo);
    j.endDoc();
  }));
}

PrintResult PrintFekvoFelado(const FeladoAdatok& a, Platform& pf, SetRekord& set, SetFvevenyRekord& f) {
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::SilentCancel);
  return PrintResult::done(job && job->run([&](PrintJob& j) {
    j.start(pf.folder, set, PrinterChoice::FollowDefault);
    beolvasva(pf.folder, kSetFvevenyFile, f);
    // The form itself is the page, fed lying: 165 mm across, 120 mm down, or larger.
    fekvoFeladoLap(j, nyomtatott(a), f);
    placeFelado(j, nyomtatott(a), f, kFekvo);
    j.endDoc();
  }));
}

// The list on either feed: standing on DL as the single standing receipt (the current printer,
// a refused font falls back), lying on the 165 x 120 mm form (the default printer followed,
// any failure cancels silently).
static PrintResult feladoLista(const std::vector<CsoportSor>& sorok, const FeladoAdatok& a, Platform& pf,
                               SetRekord& set, SetFvevenyRekord& f, bool allo,
                               const std::function<void()>& betuCsere = {}) {
  auto setup = [&](PrintJob& j) {
    j.onFontFallback = betuCsere;
    j.start(pf.folder, set, allo ? PrinterChoice::KeepCurrent : PrinterChoice::FollowDefault);
    beolvasva(pf.folder, kSetFvevenyFile, f);
    return false;
  };
  auto place = [&](PrintJob& j, ListRow& row) {
    row.kozl3sor();  // read as the single print's row click would; the shared copy keeps it
    const FeladoAdatok s = sorSzovegek(a, row.nevek());
    if (allo) lap::alloLap(j, betu(j, f), double(f.FeladovevenyBetuMeret), kPaperDL);
    else fekvoFeladoLap(j, s, f);
    placeFelado(j, s, f, allo ? kAllo : kFekvo);
  };
  return printList(pf, allo ? ErrorClass::FontFallback : ErrorClass::SilentCancel, sorok, setup, place);
}

PrintResult PrintCsAlloFelado(const std::vector<CsoportSor>& sorok, const FeladoAdatok& a, Platform& pf,
                              SetRekord& set, SetFvevenyRekord& f, const std::function<void()>& betuCsere) {
  return feladoLista(sorok, a, pf, set, f, true, betuCsere);
}

PrintResult PrintCsFekvoFelado(const std::vector<CsoportSor>& sorok, const FeladoAdatok& a, Platform& pf,
                               SetRekord& set, SetFvevenyRekord& f) {
  return feladoLista(sorok, a, pf, set, f, false);
}
