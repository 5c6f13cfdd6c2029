#include "printing/receipts/iratprint.h"

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

bool ticked(int value) { return value == 1; }

// The feed's fixed offsets: texts, the sender block (from the document number's place) and
// the code (from the item identifier's place).
struct Eltolas {
  int x, y, yFelado, xKod, yKod;
};
constexpr Eltolas kAllo{55, 0, -15, 60, 5};
constexpr Eltolas kFekvo{20, -3, -18, 25, 2};

enum class Lap { Allo, Fekvo };

bool nyomtat(const IratAdatok& a, Platform& pf, SetRekord& set, SetIrat2Rekord& r, Lap lap) {
  const Eltolas& o = lap == Lap::Allo ? kAllo : kFekvo;
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::Ignore);  // this class shows nothing
  if (!job) return false;
  job->run([&](PrintJob& j) {
    j.step([&] { loadSet(pf.folder, set); });
    j.choosePrinter(set, PrinterChoice::KeepCurrent);
    j.step([&] { loadSettings(pf.folder, kSetIrat2File, r); });
    const QString betu = r.IratTertiBetuTipus.trimmed();
    const QString kodBetu = r.VkodBetutipus.trimmed();
    const double meret = double(r.IratTertiBetuMeret);
    const double kodMeret = double(r.VkodMeret);

    j.scaleMillimetres();
    j.fontName(betu);
    j.bold(false);
    if (lap == Lap::Allo) {
      j.paperSize(kPaperDL);
      j.fontSize(meret);
      j.orientation(kLandscape);
    } else {
      j.fontSize(meret);
      j.orientation(kPortrait);
      // The form itself is the page, its long side across as the layout places the texts
      // (up to some 170 mm from the left, within 70 mm of the top): 165 x 105 mm.
      j.pageWidthTwips(165 * kTwipsPerMm);
      j.pageHeightTwips(105 * kTwipsPerMm);
    }

    const auto t = [](const QString& s) { return lap::szokozNelkul(s); };
    const double x = position(r.IratTertiCimzett_x, o.x);
    j.text(x, position(r.IratTertiCimzett_y, o.y), t(a.txtIratCimzettNev));
    j.textAtX(x, t(a.txtIratCimzettHelyseg));
    j.textAtX(x, t(a.txtIratCimzettUtca));
    j.textAtX(x, t(a.txtIratCimzettIrszam));
    if (ticked(a.chkVisszaCimPrint[0])) {
      const double xv = position(r.IratTertiFelado_x, o.x);
      j.text(xv, position(r.IratTertiFelado_y, o.y), t(a.lbIratFeladoNev));
      j.textAtX(xv, t(a.lbIratFeladoCim1));
      j.textAtX(xv, t(a.lbIratFeladoCim2));
    }
    const double xSzam = position(r.IratTertiIratszam_x, o.x);
    if (ticked(a.chkVisszaCimPrint[1])) {
      j.text(xSzam, position(r.IratTertiIratszam_y, o.yFelado), t(a.txtIratFelado[0]));
      j.textAtX(xSzam, t(a.txtIratFelado[1]));
      j.textAtX(xSzam, t(a.txtIratFelado[2]));
    }
    if (ticked(a.chkVkod)) {
      j.fontName(kodBetu);
      j.fontSize(kodMeret);
      j.text(position(r.IratTertiIratkuldAzon_x, o.xKod), position(r.IratTertiIratkuldAzon_y, o.yKod), a.lbVkod);
    }
    j.fontName(betu);
    j.fontSize(meret);
    j.text(xSzam, position(r.IratTertiIratszam_y, o.y), t(a.txtIratSzama));
    j.text(position(r.IratTertiIratfajta_x, o.x), position(r.IratTertiIratfajta_y, o.y), t(a.txtIratFajtaja));
    j.text(position(r.IratTertiIratmelleklet_x, o.x), position(r.IratTertiIratmelleklet_y, o.y),
           t(a.txtIratMelleklet));
    j.text(position(r.IratTertiIratotthagy_x, o.x), position(r.IratTertiIratotthagy_y, o.y),
           t(a.txtIratErtesites));
    j.text(position(r.IratTertiIratposta_x, o.x), position(r.IratTertiIratposta_y, o.y), t(a.txtIratFelvPosta));
    j.text(position(r.IratTertiIratkuldAzon_x, o.x), position(r.IratTertiIratkuldAzon_y, o.y),
           t(a.txtIratKuldAzonosito));
    j.endDoc();
  });
  return true;
}

}  // namespace


bool PrintAlloIrat(const IratAdatok& a, Platform& pf, SetRekord& set, SetIrat2Rekord& r) {
  return nyomtat(a, pf, set, r, Lap::Allo);
}

bool PrintFekvoIrat(const IratAdatok& a, Platform& pf, SetRekord& set, SetIrat2Rekord& r) {
  return nyomtat(a, pf, set, r, Lap::Fekvo);
}
