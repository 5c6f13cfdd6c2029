// What the main window asks of the official-document receipt page: start-up and exit, the row
// click and the print.
#include <QLineEdit>

#include "common/fields.h"
#include "common/setrekord.h"
#include "common/tricheckbox.h"
#include "printing/receipts/iratlap.h"

void IratLap::load(const SetRekord& set) {
  chkVisszaCimPrint[0]->setValue(set.VisszaCimPrint0);
  chkVisszaCimPrint[1]->setValue(set.VisszaCimPrint1);
  chkVisszaCimPrint[2]->setValue(set.VisszaCimPrint2);
  txtIratErtesites->setText(trimmed(set.IratErtesites));
}

void IratLap::save(SetRekord& set) const {
  if (!isTrue(set.KilepeskorMentes)) return;
  set.IratErtesites = txtIratErtesites->text();
  set.VisszaCimPrint0 = chkVisszaCimPrint[0]->value() != 0 ? 1 : 0;
  set.VisszaCimPrint1 = chkVisszaCimPrint[1]->value() != 0 ? 1 : 0;
  set.VisszaCimPrint2 = 0;
}

void IratLap::fill(const FizetoKitoltes& f) {
  const NevekRekord& n = f.nevek;
  const Kozl3sorRekord& k = f.kozl3sor;
  const bool kulf = isTrue(n.KulfCim);
  const CimSorok c = cimSorok(n);
  txtIratCimzettNev->setText(asStored(n.Nev));
  txtIratCimzettHelyseg->setText(kulf ? c.sor1 : asStored(n.Helyseg));
  txtIratCimzettIrszam->setText(kulf ? QString() : asStored(n.Irsz));
  txtIratCimzettUtca->setText(kulf ? c.sor2 : asStored(n.Cim));
  txtIratFajtaja->setText(trimmed(k.IratFajta));
  txtIratSzama->setText(trimmed(k.IratSzam));
  txtIratMelleklet->setText(trimmed(k.IratMelleklet));
}

QString IratLap::irszam() const { return txtIratCimzettIrszam->text(); }

std::optional<PagePrint> IratLap::print(const PrintRequest& k) {
  const IratAdatok a = adatok();
  const bool allo = k.tajolas == Tajolas::Allo;
  if (k.csoportos) {
    const auto sorok = k.listaSorok();
    PagePrint p{allo ? PrintCsAlloIrat(sorok, a, k.platform, k.set, layouts_.Terti, layouts_.Irat2)
                     : PrintCsFekvoIrat(sorok, a, k.platform, k.set, layouts_.Terti, layouts_.Irat2),
                PagePrint::Minden};
    p.torles = true;
    return p;
  }
  return PagePrint{allo ? PrintAlloIrat(a, k.platform, k.set, layouts_.Irat2)
                        : PrintFekvoIrat(a, k.platform, k.set, layouts_.Irat2)};
}
