#include "printing/receipts/tertiprint.h"

#include <memory>

#include "common/messages.h"
#include "common/numtext.h"
#include "common/platform.h"
#include "common/printer.h"
#include "common/printjob.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "layouts/layoutrecords.h"
#include "payerstore/fizetopar.h"
#include "payerstore/nevekrekord.h"
#include "printing/common/listprint.h"
#include "printing/receipts/vevenyek.h"

namespace {

const QString kX = QStringLiteral("X");

// A single-precision layout field plus a fixed offset, summed in single precision.
double fpos(float stored, int offsetMm = 0) { return double(float(stored + float(offsetMm))); }
// A fixed-point position plus a further single-precision step (the international return
// address's line step), handed on in single precision.
double lepes(double base, float step, int k) { return double(float(base + double(step) * k)); }

bool ticked(int value) { return value == 1; }

// The card's one font as it prints: the stored one, or the factory layout's.
QString betu(PrintJob& j, const SetTertiRekord& t) {
  return j.betu(kSzovegekBetuje, t.TertiBetuTipus, factoryText(tertiFactory(), &SetTertiRekord::TertiBetuTipus));
}

// The card's offsets: the standing cards lie on an A4 sheet, the lying card is the page
// itself (only the marks and the international blocks keep an offset).
struct Eltolas {
  int x, xJel;                          // domestic: texts, marks
  int yCimzett, yPosta, yAzon, yDatum;  // domestic rows
  int kx, kxAzon, kxVissza, kxJel;      // international: recipient, item identifier, return address, marks
  int ky, kyVissza;                     // international: recipient and item identifier; return address and marks
};
constexpr Eltolas kAllo{108, 127, 50, 49, 47, 46, 108, 108, 138, 138, 47, 47};
// The standing list card puts the international return address and marks 3 mm lower than
// the single card does.
constexpr Eltolas kAlloLista{108, 127, 50, 49, 47, 46, 108, 108, 138, 138, 47, 50};
constexpr Eltolas kFekvo{0, 20, 0, 0, 0, 0, 20, 25, 25, 16, 0, 0};

// What a card prints besides the page's post office, date and marks.
struct Kartya {
  QString nev, cim1, cim2;  // recipient's three lines
  QString kuldemenyAzonosito, ugyfelAzonosito, sajatJelzes;
  bool kulfoldiAzonosito = true;  // the international card carries the item identifier
};

void belfoldiKartya(PrintJob& j, const TertiAdatok& a, const Kartya& k, const SetTertiRekord& t, const Eltolas& o) {
  const double x = position(t.TertiCimzett_x, o.x);
  j.text(x, position(t.TertiCimzett_y, o.yCimzett), k.nev);
  j.textAtX(x, k.cim1);
  j.textAtX(x, k.cim2);
  const double xAzon = position(t.TertiKuldemAzonosito_x, o.x);
  j.text(xAzon, position(t.TertiCimzett_y, o.yPosta), lap::szokozNelkul(a.txtTertiPosta));
  j.text(xAzon, position(t.TertiFelKelte_y, o.yDatum), lap::szokozNelkul(a.txtTertiDatum));
  j.text(xAzon, position(t.TertiKuldemAzonosito_y, o.yAzon), k.kuldemenyAzonosito);
  j.text(position(t.TertiUgyfazonosito_x, o.x), position(t.TertiUgyfazonosito_y, o.yPosta), k.ugyfelAzonosito);
  j.text(position(t.TertiUgyfSajatJel_x, o.x), position(t.TertiUgyfSajatJel_y, o.yPosta), k.sajatJelzes);
  // The return address as stored, each line at the font's line height below the previous one.
  const double xVissza = position(t.TertiVisszakuld_x, o.x);
  j.text(xVissza, position(t.TertiVisszakuld_y, o.yAzon), asStored(t.TertiVisszakuldNev));
  j.textAtX(xVissza, asStored(t.TertiVisszakuldCim1));
  j.textAtX(xVissza, asStored(t.TertiVisszakuldCim2));
  j.textAtX(xVissza, asStored(t.TertiVisszakuldIrsz));
  const double yJel = position(t.TertiPipa_y, o.yCimzett);
  if (ticked(a.chkTPri)) j.text(position(t.TertiPipaPri_x, o.xJel), yJel, kX);
  if (ticked(a.chkTSk)) j.text(position(t.TertiPipaSk_x, o.xJel), yJel, kX);
  if (ticked(a.chkTUv)) j.text(position(t.TertiPipaUv_x, o.xJel), yJel, kX);
}

void kulfoldiKartya(PrintJob& j, const TertiAdatok& a, const Kartya& k, const SetTertiRekord& t, const Eltolas& o) {
  const double x = fpos(t.KTertiCimzett_x, o.kx);
  j.text(x, fpos(t.KTertiCimzett_y, o.ky), k.nev);
  j.textAtX(x, k.cim1);
  j.textAtX(x, k.cim2);
  if (k.kulfoldiAzonosito)
    j.text(position(t.KTertiKulAzon_x, o.kxAzon), position(t.KTertiKulAzon_y, o.ky), k.kuldemenyAzonosito);
  // The return address at the layout's own line step.
  const double xVissza = position(t.KTertiKulVissza_x, o.kxVissza);
  const double y = position(t.KTertiKulVissza_y, o.kyVissza);
  const float s = t.KTertiKulVisszaSorem;
  j.text(xVissza, lepes(y, s, 0), asStored(t.TertiVisszakuldNev));
  j.text(xVissza, lepes(y, s, 1), asStored(t.TertiVisszakuldCim1));
  j.text(xVissza, lepes(y, s, 2), asStored(t.TertiVisszakuldCim2));
  j.text(xVissza, lepes(y, s, 3), asStored(t.TertiVisszakuldIrsz));
  const double yLevel = fpos(t.KTertiKulLevPriCsom_y, o.kyVissza);
  const double xAjanlott = fpos(t.KTertiKulAjanlottEsSK_x, o.kxJel);
  if (ticked(a.chkTPri)) j.text(fpos(t.KTertiKulPri_x, o.kxJel), yLevel, kX);
  if (ticked(a.chkTSk)) j.text(xAjanlott, fpos(t.KTertiKulSK_y, o.kyVissza), kX);
  if (ticked(a.chkTUv)) j.text(xAjanlott, fpos(t.KTertiKulAjanlott_y, o.kyVissza), kX);
  if (ticked(a.chkLevel)) j.text(xAjanlott, yLevel, kX);
  if (ticked(a.chkKCsomag)) j.text(fpos(t.KTertiCsomag_x, o.kxJel), yLevel, kX);
}

void kartya(PrintJob& j, const TertiAdatok& a, const Kartya& k, const SetTertiRekord& t, const Eltolas& belfoldi,
            const Eltolas& kulfoldi) {
  if (a.belfoldi)
    belfoldiKartya(j, a, k, t, belfoldi);
  else
    kulfoldiKartya(j, a, k, t, kulfoldi);
}

// The lying card's page: the form, 165 x 105 mm, made larger where the card's items, every
// mark ticked, reach beyond it.
void fekvoKartyaLap(PrintJob& j, const TertiAdatok& a, const Kartya& k, const SetTertiRekord& t) {
  TertiAdatok minden = a;
  minden.chkTPri = minden.chkTSk = minden.chkTUv = minden.chkLevel = minden.chkKCsomag = 1;
  lap::fekvoLap(j, betu(j, t), double(t.TertiBetuMeret), 165, 105,
                [&](PrintJob& m) { kartya(m, minden, k, t, kFekvo, kFekvo); });
}

// The card from the page's fields.
Kartya lapKartya(const TertiAdatok& a) {
  return {lap::szokozNelkul(a.txNev2),
          lap::szokozNelkul(a.txCim2_1),
          lap::szokozNelkul(a.txCim2_2),
          lap::szokozNelkul(a.txKudemenyAzonosito),
          lap::szokozNelkul(a.txUgyfelAzonosito),
          lap::szokozNelkul(a.txUgyfelSajatJelzese),
          true};
}

// A list card: the recipient and identifiers from the row's records; the international card
// carries no item identifier.
Kartya sorKartya(const NevekRekord& nevek, const Kozl3sorRekord& kozl3sor) {
  return {trimmed(nevek.Nev),
          trimmed(nevek.Irsz) + u' ' + trimmed(nevek.Helyseg),
          trimmed(nevek.Cim),
          trimmed(kozl3sor.KuldemenyAzonosito),
          trimmed(nevek.BefizAzonosito),
          trimmed(kozl3sor.UgyfelSajatJelzese),
          false};
}

// The record number of a list row's text, read as every reader of the list reads it (its
// leading number); 0 when it names no record (no number, or one below 1).
int32_t rekordSzam(const QString& szoveg) {
  const double v = leadingValue(szoveg);
  return v >= 1 && v <= 2147483647.0 ? roundToInt32(v) : 0;
}

}  // namespace

PrintResult PrintAlloTerti(const TertiAdatok& a, Platform& pf, SetRekord& set, SetTertiRekord& t) {
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::Ignore);
  return PrintResult::done(job && job->run([&](PrintJob& j) {
    j.start(pf.folder, set, PrinterChoice::FollowDefault);
    beolvasva(pf.folder, kSetTertiFile, t);

    lap::alloLap(j, betu(j, t), double(t.TertiBetuMeret), kPaperA4);
    kartya(j, a, lapKartya(a), t, kAllo, kAllo);
    j.endDoc();
  }));
}

PrintResult PrintFekvoTerti(const TertiAdatok& a, Platform& pf, SetRekord& set, SetTertiRekord& t) {
  PrintResult r;
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::SilentCancel);
  if (!job) return r;
  r.printed = job->run([&](PrintJob& j) {
    j.start(pf.folder, set, PrinterChoice::KeepCurrent);
    beolvasva(pf.folder, kSetTertiFile, t);
    fekvoKartyaLap(j, a, lapKartya(a), t);
    kartya(j, a, lapKartya(a), t, kFekvo, kFekvo);
    j.endDoc();
  });
  r.hibatlan = r.printed && job->errors().empty();
  return r;
}

PrintResult PrintCsAlloTerti(const std::vector<CsoportSor>& sorok, const TertiAdatok& a, Platform& pf, SetRekord& set,
                             SetTertiRekord& t) {
  auto setup = [&](PrintJob& j) {
    j.start(pf.folder, set, PrinterChoice::KeepCurrent);
    beolvasva(pf.folder, kSetTertiFile, t);
    return false;
  };
  auto place = [&](PrintJob& j, ListRow& row) {
    lap::alloLap(j, betu(j, t), double(t.TertiBetuMeret), kPaperA4);
    kartya(j, a, sorKartya(row.nevek(), row.kozl3sor()), t, kAllo, kAlloLista);
  };
  return printList(pf, ErrorClass::Ignore, sorok, setup, place);
}

PrintResult PrintCsFekvoTerti(const TertiAdatok& a, const QStringList& rekordok, Platform& pf, SetRekord& set,
                       SetTertiRekord& t, NevekRekord& nevek, Kozl3sorRekord& kozl3sor) {
  PrintResult r;
  const std::unique_ptr<PrintJob> job = printJob(pf, ErrorClass::SilentCancel);
  if (!job) return r;
  r.printed = job->run([&](PrintJob& j) {
    j.start(pf.folder, set, PrinterChoice::FollowDefault);
    beolvasva(pf.folder, kSetTertiFile, t);

    FizetoPar par(pf.folder);
    const int32_t db = olvasva(par.count(), par);
    // Room for one more row than the payer file has records.
    if (rekordok.size() > qsizetype(db) + 1) throw PrinterError{9, QStringLiteral("Az index a tartományon kívül esik")};

    for (const QString& szoveg : rekordok) {
      const int32_t n = rekordSzam(szoveg);
      if (n < 1 || n > db) continue;  // no payer record: no card
      olvasva(par.nevek(n, nevek) && par.kozl(n, kozl3sor), par);
      // The card itself is the page, fed lying: 165 mm across, 105 mm down, or larger.
      const Kartya k = sorKartya(nevek, kozl3sor);
      fekvoKartyaLap(j, a, k, t);
      kartya(j, a, k, t, kFekvo, kFekvo);
      j.newPage();
      ++r.lapok;
    }
    j.endDoc();
  });
  return r;
}
