// What the main window asks of the cash-on-delivery page: the row click and the print.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/fields.h"
#include "common/tricheckbox.h"
#include "printing/orders/ulaplap.h"
#include "printing/orders/ulaplista.h"

void UlapLap::fill(const FizetoKitoltes& f) {
  const NevekRekord& n = f.nevek;
  const CimSorok c = cimSorok(n);
  // The parcel's addressee, or with the swap ticked the fixed party, whose place the payer
  // then takes as the payee of the amount.
  if (chkCimzettCsereUlap->value() == 0) {
    txUNev->setText(asStored(n.Nev));
    txUCim->setText(c.sor1 + QStringLiteral(", ") + c.sor2);
  } else {
    const SetRcsekkRekord& rc = rcsekk_;
    txUNev->setText(trimmed(rc.RcsekkNev));
    txUCim->setText(asStored(rc.RcsekkIrszam) + QStringLiteral(", ") + trimmed(rc.RcsekkHelyseg) +
                    QStringLiteral(", ") + trimmed(rc.RcsekkCim));
    lbUNev->setText(asStored(n.Nev));
    lbUCim->setText(asStored(n.Cim));
    lbUHelyseg->setText(asStored(n.Helyseg));
    lbUIrszam->setText(asStored(n.Irsz));
  }
  lbUNevHatul->setText(asStored(n.Nev));
  lbUHelysegHatul->setText(c.sor1);
  lbUCimHatul->setText(c.sor2);
  lbUIrszamHatul->setText(isTrue(n.KulfCim) ? QString() : asStored(n.Irsz));
}

void UlapLap::fillAmounts(const std::array<int32_t, 12>& osszegek) {
  // The amount ends as slot 1 when it is valid, else empty.
  for (int32_t v : osszegek)
    if (isOsszeg(v)) txUosszeg->setText(QString::number(v));
  if (isOsszeg(osszegek[0])) txUosszeg->setText(QString::number(osszegek[0]));
  else txUosszeg->clear();
}

std::optional<PagePrint> UlapLap::print(const PrintRequest& k) {
  const bool allo = k.tajolas == Tajolas::Allo;
  SetUlapRekord& ulap = k.layouts.Ulap;
  const UlapAdatok a = adatok(fizetoNev ? fizetoNev() : QString());
  if (!k.csoportos) {
    PagePrint p{allo ? PrintAlloULap(a, k.platform, k.set, rcsekk_, ulap) : PrintFekvoULap(a, k.platform, k.set, rcsekk_, ulap)};
    // The printer has told the user that no payer is chosen: the list is where to pick one.
    p.listaFokusz = p.eredmeny == PrintResult::NoPayer;
    return p;
  }
  // The list takes the side shown, the two options and the payee from the page.
  const UlapLapAllapot lap{a.cmdUtanvetOdalCsere, a.chkUtanvetR, a.chkUtanvetEL, a.lbUNev, a.lbUHelyseg, a.lbUCim, a.lbUIrszam};
  const auto sorok = k.listaSorok();
  return PagePrint{allo ? PrintCsAlloUlap(sorok, lap, k.platform, k.set, rcsekk_, ulap)
                        : PrintCsFekvoUlap(sorok, lap, k.platform, k.set, rcsekk_, ulap),
                   PagePrint::Minden};
}
