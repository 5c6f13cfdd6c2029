// What the main window asks of the posting-receipt page: activation, the row click and the
// print.
#include <QLineEdit>
#include <QVariant>

#include "common/fields.h"
#include "payerstore/nevekrekord.h"
#include "printing/receipts/feladolap.h"

void FeladoLap::activate() { txNev3->setEnabled(true); }

void FeladoLap::fill(const FizetoKitoltes& f) {
  const CimSorok c = cimSorok(f.nevek);
  txNev3->setText(trimmed(f.nevek.Nev));
  txCim3_1->setText(c.sor1);
  txCim3_2->setText(c.sor2);
  ertekMutat();
}

void FeladoLap::fillAmounts(const std::array<int32_t, 12>& osszegek) {
  // The cash-on-delivery amount ends as slot 1 when it is valid, else empty.
  for (int32_t v : osszegek)
    if (isOsszeg(v)) txUtanvet->setText(QString::number(v));
  if (isOsszeg(osszegek[0])) txUtanvet->setText(QString::number(osszegek[0]));
  else txUtanvet->clear();
}

CimSorok FeladoLap::cimSorai() const { return {txCim3_1->text(), txCim3_2->text()}; }

std::optional<PagePrint> FeladoLap::print(const PrintRequest& k) {
  const FeladoAdatok a = adatok();
  SetFvevenyRekord& fveveny = layouts_.Fveveny;
  const bool allo = k.tajolas == Tajolas::Allo;
  const auto csere = [this] { betuCsere(); };
  if (k.csoportos) {
    const auto sorok = k.listaSorok();
    PagePrint p{allo ? PrintCsAlloFelado(sorok, a, k.platform, k.set, fveveny, csere)
                     : PrintCsFekvoFelado(sorok, a, k.platform, k.set, fveveny),
                PagePrint::Minden};
    p.torles = true;
    return p;
  }
  if (!allo) return PagePrint{PrintFekvoFelado(a, k.platform, k.set, fveveny)};
  return PagePrint{PrintAlloFelado(a, k.platform, k.set, fveveny, csere)};
}

void FeladoLap::betuCsere() { window()->setProperty(kAblakBetuNev, QStringLiteral("Times New Roman")); }
