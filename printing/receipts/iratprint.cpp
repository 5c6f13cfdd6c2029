#include "printing/receipts/iratprint.h"

#include <memory>
#include <optional>

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

bool ticked(int value) { return value == 1; }

// The feed's fixed offsets: texts, the sender block (from the document number's place) and
// the code (from the item identifier's place).
struct Eltolas {
  int x, y, yFelado, xKod, yKod;
  bool fekvo;
};
constexpr Eltolas kAllo{55, 0, -15, 60, 5, false};
constexpr Eltolas kFekvo{20, -3, -18, 25, 2, true};

// One form's texts as they are printed, in print order; a block or code that is not printed
// is absent.
struct IratSzovegek {
  QStringList cimzett;
  std::optional<QStringList> visszaCim, felado;
  std::optional<QString> kod;
  QString szam, fajta, melleklet, ertesites, posta, kuldAzon;
};

// The text font and size of the form as it prints (PrintJob::betu: the stored font, or the
// factory layout's), taken once from the layout.
struct Betuk {
  QString betu;
  double meret = 0;
};

Betuk betuk(PrintJob& j, const SetIrat2Rekord& r) {
  return {j.betu(kSzovegekBetuje, r.IratTertiBetuTipus,
                 factoryText(irat2Factory(), &SetIrat2Rekord::IratTertiBetuTipus)),
          double(r.IratTertiBetuMeret)};
}

// Settings, printer and layout; a file that cannot be read ends the print.
void kezd(PrintJob& j, Platform& pf, SetRekord& set, SetIrat2Rekord& r) {
  beolvasva(pf.folder, kSetFile, set);
  j.choosePrinter(set, PrinterChoice::KeepCurrent);
  beolvasva(pf.folder, kSetIrat2File, r);
}

// Lines at one left edge; an empty line is printed empty and still takes its place.
void blokk(PrintJob& j, double x, double y, const QStringList& sorok) {
  for (qsizetype i = 0; i < sorok.size(); ++i) {
    if (i == 0)
      j.text(x, y, sorok[i]);
    else
      j.textAtX(x, sorok[i]);
  }
}

// The items of one form in print order.
void iratElemek(PrintJob& j, const SetIrat2Rekord& r, const Betuk& b, const IratSzovegek& s, const Eltolas& o) {
  blokk(j, position(r.IratTertiCimzett_x, o.x), position(r.IratTertiCimzett_y, o.y), s.cimzett);
  if (s.visszaCim) blokk(j, position(r.IratTertiFelado_x, o.x), position(r.IratTertiFelado_y, o.y), *s.visszaCim);
  const double xSzam = position(r.IratTertiIratszam_x, o.x);
  if (s.felado) blokk(j, xSzam, position(r.IratTertiIratszam_y, o.yFelado), *s.felado);
  if (s.kod) {
    // Without the code font its digits print in the text font, without a code size (0) at
    // the text size; the print says so once.
    j.fontName(j.betu(QStringLiteral("A vonalkód betűtípusa"), r.VkodBetutipus, b.betu));
    j.fontSize(j.meret(QStringLiteral("A vonalkód betűmérete"), r.VkodMeret, b.meret));
    j.text(position(r.IratTertiIratkuldAzon_x, o.xKod), position(r.IratTertiIratkuldAzon_y, o.yKod), *s.kod);
  }
  j.fontName(b.betu);
  j.fontSize(b.meret);
  j.text(xSzam, position(r.IratTertiIratszam_y, o.y), s.szam);
  j.text(position(r.IratTertiIratfajta_x, o.x), position(r.IratTertiIratfajta_y, o.y), s.fajta);
  j.text(position(r.IratTertiIratmelleklet_x, o.x), position(r.IratTertiIratmelleklet_y, o.y), s.melleklet);
  j.text(position(r.IratTertiIratotthagy_x, o.x), position(r.IratTertiIratotthagy_y, o.y), s.ertesites);
  j.text(position(r.IratTertiIratposta_x, o.x), position(r.IratTertiIratposta_y, o.y), s.posta);
  j.text(position(r.IratTertiIratkuldAzon_x, o.x), position(r.IratTertiIratkuldAzon_y, o.y), s.kuldAzon);
}

// One form on a landscape DL page: the page set-up, then the items. The lying form's page is
// made larger where the layout's items, every optional one printed, reach beyond the sheet.
void placeIrat(PrintJob& j, const SetIrat2Rekord& r, const Betuk& b, const IratSzovegek& s, const Eltolas& o) {
  lap::alloLap(j, b.betu, b.meret, kPaperDL);
  if (o.fekvo) {
    IratSzovegek minden = s;
    if (!minden.visszaCim) minden.visszaCim = QStringList{QStringLiteral("X")};
    if (!minden.felado) minden.felado = QStringList{QStringLiteral("X")};
    if (!minden.kod) minden.kod = s.szam.isEmpty() ? QStringLiteral("X") : s.szam;
    lap::lapraFer(j, [&](PrintJob& m) { iratElemek(m, r, b, minden, o); });
  }
  iratElemek(j, r, b, s, o);
}

QString t(const QString& s) { return lap::szokozNelkul(s); }

// The single form: everything from the page.
IratSzovegek lapSzovegek(const IratAdatok& a) {
  IratSzovegek s;
  s.cimzett = {t(a.txtIratCimzettNev), t(a.txtIratCimzettHelyseg), t(a.txtIratCimzettUtca), t(a.txtIratCimzettIrszam)};
  if (ticked(a.chkVisszaCimPrint[0])) s.visszaCim = QStringList{t(a.lbIratFeladoNev), t(a.lbIratFeladoCim1), t(a.lbIratFeladoCim2)};
  if (ticked(a.chkVisszaCimPrint[1]))
    s.felado = QStringList{t(a.txtIratFelado[0]), t(a.txtIratFelado[1]), t(a.txtIratFelado[2])};
  if (ticked(a.chkVkod)) s.kod = a.lbVkod;
  s.szam = t(a.txtIratSzama);
  s.fajta = t(a.txtIratFajtaja);
  s.melleklet = t(a.txtIratMelleklet);
  s.ertesites = t(a.txtIratErtesites);
  s.posta = t(a.txtIratFelvPosta);
  s.kuldAzon = t(a.txtIratKuldAzonosito);
  return s;
}

// A list form: the recipient and the document from the row's records, its own document
// number as the code and its own item identifier; the return address and the sender from
// SetTerti.dat; the notice and the post office from the page.
IratSzovegek sorSzovegek(const IratAdatok& a, const SetTertiRekord& terti, const NevekRekord& n,
                         const Kozl3sorRekord& k) {
  IratSzovegek s;
  s.cimzett = {trimmed(n.Nev), trimmed(n.Helyseg), trimmed(n.Cim), trimmed(n.Irsz)};
  if (ticked(a.chkVisszaCimPrint[0]))
    s.visszaCim = QStringList{trimmed(terti.TertiVisszakuldNev), trimmed(terti.TertiVisszakuldCim1),
                              trimmed(terti.TertiVisszakuldCim2), trimmed(terti.TertiVisszakuldIrsz)};
  if (ticked(a.chkVisszaCimPrint[1]))
    s.felado = QStringList{trimmed(terti.TertiVisszakuldNev),
                           trimmed(terti.TertiVisszakuldIrsz) + u' ' + trimmed(terti.TertiVisszakuldCim1),
                           trimmed(terti.TertiVisszakuldCim2)};
  if (ticked(a.chkVkod)) s.kod = trimmed(k.IratSzam);
  s.szam = trimmed(k.IratSzam);
  s.fajta = trimmed(k.IratFajta);
  s.melleklet = trimmed(k.IratMelleklet);
  s.ertesites = t(a.txtIratErtesites);
  s.posta = t(a.txtIratFelvPosta);
  s.kuldAzon = trimmed(k.KuldemenyAzonosito);
  return s;
}

bool nyomtat(const IratAdatok& a, Platform& pf, SetRekord& set, SetIrat2Rekord& r, const Eltolas& o) {
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::Ignore);  // this class shows nothing
  if (!job) return false;
  job->run([&](PrintJob& j) {
    kezd(j, pf, set, r);
    const Betuk b = betuk(j, r);
    const IratSzovegek s = lapSzovegek(a);
    placeIrat(j, r, b, s, o);
    j.endDoc();
  });
  return true;
}

PrintResult lista(const std::vector<CsoportSor>& sorok, const IratAdatok& a, Platform& pf, SetRekord& set,
                  SetTertiRekord& terti, SetIrat2Rekord& r, const Eltolas& o) {
  Betuk b;
  auto setup = [&](PrintJob& j) {
    kezd(j, pf, set, r);
    beolvasva(pf.folder, kSetTertiFile, terti);
    b = betuk(j, r);
    return false;
  };
  auto place = [&](PrintJob& j, ListRow& row) {
    const IratSzovegek s = sorSzovegek(a, terti, row.nevek(), row.kozl3sor());
    placeIrat(j, r, b, s, o);
  };
  return printList(pf, ErrorClass::Ignore, sorok, setup, place);
}

}  // namespace

PrintResult PrintAlloIrat(const IratAdatok& a, Platform& pf, SetRekord& set, SetIrat2Rekord& r) {
  return PrintResult::done(nyomtat(a, pf, set, r, kAllo));
}

PrintResult PrintFekvoIrat(const IratAdatok& a, Platform& pf, SetRekord& set, SetIrat2Rekord& r) {
  return PrintResult::done(nyomtat(a, pf, set, r, kFekvo));
}

PrintResult PrintCsAlloIrat(const std::vector<CsoportSor>& sorok, const IratAdatok& a, Platform& pf, SetRekord& set,
                            SetTertiRekord& terti, SetIrat2Rekord& r) {
  return lista(sorok, a, pf, set, terti, r, kAllo);
}

PrintResult PrintCsFekvoIrat(const std::vector<CsoportSor>& sorok, const IratAdatok& a, Platform& pf, SetRekord& set,
                             SetTertiRekord& terti, SetIrat2Rekord& r) {
  return lista(sorok, a, pf, set, terti, r, kFekvo);
}
