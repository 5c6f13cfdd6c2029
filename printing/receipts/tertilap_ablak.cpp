// What the main window asks of the return-receipt page: start-up and exit, the row click and
// the print.
#include <QLineEdit>

#include "common/fields.h"
#include "common/setrekord.h"
#include "printing/receipts/tertilap.h"

void TertiLap::load(const SetRekord& set) {
  txtTertiDatum->clear();
  txtTertiPosta->setText(trimmed(set.TertiPosta));
}

void TertiLap::save(SetRekord& set) const {
  if (isTrue(set.KilepeskorMentes)) set.TertiPosta = txtTertiPosta->text();
}

void TertiLap::fill(const FizetoKitoltes& f) {
  const NevekRekord& n = f.nevek;
  const Kozl3sorRekord& k = f.kozl3sor;
  const CimSorok c = cimSorok(n);
  txUgyfelAzonosito->setText(trimmed(n.BefizAzonosito));
  txNev2->setText(trimmed(n.Nev));
  txCim2_1->setText(c.sor1);
  txCim2_2->setText(c.sor2);
  // The notice record's identifiers only when it holds them.
  if (!trimmed(k.KuldemenyAzonosito).isEmpty()) txKudemenyAzonosito->setText(trimmed(k.KuldemenyAzonosito));
  if (!trimmed(k.UgyfelSajatJelzese).isEmpty()) txUgyfelSajatJelzese->setText(trimmed(k.UgyfelSajatJelzese));
}

std::optional<PagePrint> TertiLap::print(const PrintRequest& k) {
  const TertiAdatok a = adatok();
  SetTertiRekord& terti = layouts_.Terti;
  if (k.csoportos && k.tajolas == Tajolas::Allo)
    return PagePrint{PrintCsAlloTerti(k.listaSorok(), a, k.platform, k.set, terti), PagePrint::Minden};
  // The lying list reads each card's records into the shared copies itself.
  if (k.csoportos)
    return PagePrint{PrintCsFekvoTerti(a, k.kijeloltRekordok(), k.platform, k.set, terti, k.nevek, k.kozl3sor)};
  return PagePrint{k.tajolas == Tajolas::Allo ? PrintAlloTerti(a, k.platform, k.set, terti)
                                               : PrintFekvoTerti(a, k.platform, k.set, terti)};
}
