// What the main window asks of the money-order page: start-up and exit, the row click and
// the print.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/fields.h"
#include "common/setrekord.h"
#include "printing/orders/rcsekklap.h"
#include "printing/orders/rcsekklista.h"

void RcsekkLap::load(const SetRekord& set) {
  // Neither option on a brand-new installation.
  if (isTrue(set.AllandoCimzett)) allandoValaszt(0);
  if (isTrue(set.AllandoFelado)) allandoValaszt(1);
}

void RcsekkLap::save(SetRekord& set) const {
  set.AllandoCimzett = flagOf(opAllando[0]->isChecked());
  set.AllandoFelado = flagOf(opAllando[1]->isChecked());
}

void RcsekkLap::fill(const FizetoKitoltes& f) {
  const NevekRekord& n = f.nevek;
  // With the fixed party as payee the payer is the sender, else the payee.
  if (opAllando[0]->isChecked()) {
    RtxNev[0]->setText(asStored(n.Nev));
    RtxCim->setText(asStored(n.Irsz) + QLatin1Char(' ') + trimmed(n.Helyseg) + QStringLiteral(", ") + asStored(n.Cim));
    txtNevHatul->setText(asStored(n.Nev));
    txtHelysHatul->setText(trimmed(n.Helyseg));
    txtCimHatul->setText(asStored(n.Cim));
    txtIrszHatul->setText(asStored(n.Irsz));
    return;
  }
  RlbNev->setText(asStored(n.Nev));
  txtNev->setText(asStored(n.Nev));
  RlbHelys->setText(trimmed(n.Helyseg));
  txtHelys->setText(trimmed(n.Helyseg));
  RlbCim->setText(asStored(n.Cim));
  txtCim->setText(asStored(n.Cim));
  RlbIrsz->setText(asStored(n.Irsz));
  txtIrsz->setText(asStored(n.Irsz));
}

void RcsekkLap::fillAmounts(const std::array<int32_t, 12>& osszegek) {
  // Every valid amount, in slot order, into the list; slot 1 into the box when it is valid,
  // else the box, the figures and the words cleared.
  RtxOsszeg->clear();
  for (int32_t v : osszegek)
    if (isOsszeg(v)) RtxOsszeg->addItem(QString::number(v));
  if (isOsszeg(osszegek[0])) {
    RtxOsszeg->setEditText(QString::number(osszegek[0]));
    return;
  }
  RtxOsszeg->setEditText(QString());
  for (QLabel* l : {RlbOsszeg, lbOsszeg2}) l->clear();
  for (QLineEdit* e : {RtxtSzoveg21, RtxtSzoveg11, RtxtSzoveg12, RtxtSzoveg22}) e->clear();
}

std::optional<PagePrint> RcsekkLap::print(const PrintRequest& k) {
  const bool allo = k.tajolas == Tajolas::Allo;
  const RcsekkAdatok a = adatok();
  if (!k.csoportos)
    return PagePrint{allo ? PrintAlloRCsekk(a, k.platform, k.set, rcsekk_) : PrintFekvoRCsekk(a, k.platform, k.set, rcsekk_)};
  // The list takes the side shown, the fixed party and the back's notice lines from the page.
  RcsekkListaLap lap{a.cmdOldalCsere, opAllando[0]->isChecked(), a.RlbNev, a.RlbHelys, a.RlbCim, a.RlbIrsz,
                     a.RcsekkKozlemenyHatul};
  const auto sorok = k.listaSorok();
  return PagePrint{allo ? PrintCsAlloRcsekk(sorok, lap, k.platform, k.set, rcsekk_)
                        : PrintCsFekvoRcsekk(sorok, lap, k.platform, k.set, rcsekk_),
                   PagePrint::Minden};
}
