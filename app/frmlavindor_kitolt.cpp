// The row click's part for the pages 1 to 7 and the amount boxes of every page: the clicked
// payer's records, as loaded into the shared buffers, put into the pages' fields. "Trimmed"
// fields lose their padding; the others are shown as stored.
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/betuvalaszto.h"
#include "app/frmlavindor.h"
#include "common/numtext.h"
#include "common/tricheckbox.h"
#include "printing/envelopes/boriteklap.h"
#include "printing/envelopes/cimkelap.h"
#include "printing/orders/rcsekklap.h"
#include "printing/orders/ulaplap.h"
#include "printing/receipts/feladolap.h"
#include "printing/receipts/iratlap.h"
#include "printing/receipts/tertilap.h"
#include "printing/slips/csekklap.h"

void frmLavindor::lapokKitolt() {
  const NevekRekord& n = allapot_.Nevek;
  const Kozl3sorRekord& k = allapot_.Kozl3sor;
  const bool kulf = isTrue(n.KulfCim);

  // Page 6: with the fixed party as payee the payer is the sender, else the payee.
  RcsekkLap& r = *rcsekkLap;
  if (r.opAllando[0]->isChecked()) {
    r.RtxNev[0]->setText(asStored(n.Nev));
    r.RtxCim->setText(asStored(n.Irsz) + QLatin1Char(' ') + trimmed(n.Helyseg) + QStringLiteral(", ") + asStored(n.Cim));
    r.txtNevHatul->setText(asStored(n.Nev));
    r.txtHelysHatul->setText(trimmed(n.Helyseg));
    r.txtCimHatul->setText(asStored(n.Cim));
    r.txtIrszHatul->setText(asStored(n.Irsz));
  } else {
    r.RlbNev->setText(asStored(n.Nev));
    r.txtNev->setText(asStored(n.Nev));
    r.RlbHelys->setText(trimmed(n.Helyseg));
    r.txtHelys->setText(trimmed(n.Helyseg));
    r.RlbCim->setText(asStored(n.Cim));
    r.txtCim->setText(asStored(n.Cim));
    r.RlbIrsz->setText(asStored(n.Irsz));
    r.txtIrsz->setText(asStored(n.Irsz));
  }

  // Page 2: a foreign address's second name line holds the street address.
  FeladoLap& f = *feladoLap;
  f.txNev3->setText(trimmed(n.Nev));
  f.txCim3_1->setText(kulf ? trimmed(n.Nev2) + QStringLiteral(", ") + trimmed(n.Helyseg)
                           : asStored(n.Irsz) + QLatin1Char(' ') + trimmed(n.Helyseg));
  f.txCim3_2->setText(trimmed(n.Cim));

  // Page 1.
  TertiLap& t = *tertiLap;
  t.txUgyfelAzonosito->setText(trimmed(n.BefizAzonosito));
  t.txNev2->setText(trimmed(n.Nev));
  t.txCim2_1->setText(f.txCim3_1->text());
  t.txCim2_2->setText(f.txCim3_2->text());
  if (!trimmed(k.KuldemenyAzonosito).isEmpty()) t.txKudemenyAzonosito->setText(trimmed(k.KuldemenyAzonosito));
  if (!trimmed(k.UgyfelSajatJelzese).isEmpty()) t.txUgyfelSajatJelzese->setText(trimmed(k.UgyfelSajatJelzese));

  // Page 3: no postcode line for a foreign address.
  BoritekLap& b = *boritekLap;
  b.txtBoritekCimzettNev->setText(trimmed(n.Nev));
  b.txtBoritekCimzettNev2->setText(trimmed(n.Nev2));
  b.txtBoritekCimzettCim1->setText(trimmed(n.Helyseg));
  b.txtBoritekCimzettCim2->setText(trimmed(n.Cim));
  b.txtBoritekCimzettIrSzam->setText(kulf ? QString() : asStored(n.Irsz));

  // Page 5.
  IratLap& i = *iratLap;
  i.txtIratCimzettNev->setText(asStored(n.Nev));
  i.txtIratCimzettHelyseg->setText(kulf ? f.txCim3_1->text() : asStored(n.Helyseg));
  i.txtIratCimzettIrszam->setText(kulf ? QString() : asStored(n.Irsz));
  i.txtIratCimzettUtca->setText(kulf ? f.txCim3_2->text() : asStored(n.Cim));
  i.txtIratFajtaja->setText(trimmed(k.IratFajta));
  i.txtIratSzama->setText(trimmed(k.IratSzam));
  i.txtIratMelleklet->setText(trimmed(k.IratMelleklet));

  // Page 7: the parcel's addressee, or with the swap ticked the fixed party, whose place the
  // payer then takes as the payee of the amount.
  UlapLap& u = *ulapLap;
  const SetRcsekkRekord& rc = allapot_.Layouts.Rcsekk;
  if (u.chkCimzettCsereUlap->value() == 0) {
    u.txUNev->setText(asStored(n.Nev));
    u.txUCim->setText(f.txCim3_1->text() + QStringLiteral(", ") + f.txCim3_2->text());
  } else {
    u.txUNev->setText(trimmed(rc.RcsekkNev));
    u.txUCim->setText(asStored(rc.RcsekkIrszam) + QStringLiteral(", ") + trimmed(rc.RcsekkHelyseg) +
                      QStringLiteral(", ") + trimmed(rc.RcsekkCim));
    u.lbUNev->setText(asStored(n.Nev));
    u.lbUCim->setText(asStored(n.Cim));
    u.lbUHelyseg->setText(asStored(n.Helyseg));
    u.lbUIrszam->setText(asStored(n.Irsz));
  }
  u.lbUNevHatul->setText(asStored(n.Nev));
  u.lbUHelysegHatul->setText(f.txCim3_1->text());
  u.lbUCimHatul->setText(f.txCim3_2->text());
  u.lbUIrszamHatul->setText(i.txtIratCimzettIrszam->text());

  // Page 4: each line in the font and size chosen for it.
  CimkeLap& c = *cimkeLap;
  const std::array<QLabel*, 5> sorok{c.lbNev1, c.lbNev2, c.lbHelyseg, c.lbCim, c.lbIrsz};
  const std::array<QString, 5> szovegek{asStored(n.Nev), asStored(n.Nev2), asStored(n.Helyseg), asStored(n.Cim),
                                        leadingValue(n.Irsz) == 0 ? QString() : asStored(n.Irsz)};
  for (size_t s = 0; s < sorok.size(); ++s) {
    QFont font = sorok[s]->font();
    const QString nev = betuk->ComboBetuTipus1[s]->currentText().trimmed();
    if (!nev.isEmpty()) font.setFamily(nev);
    const double meret = leadingValue(betuk->ComboBetuSize[s]->currentText());
    if (meret > 0 && meret < 1000) font.setPointSizeF(meret);  // an unusable size keeps the font's
    sorok[s]->setFont(font);
    sorok[s]->setText(szovegek[s]);
  }
}

void frmLavindor::osszegekKitolt() {
  const std::array<int32_t, 12>& o = allapot_.Nevek.Osszegek;
  RcsekkLap& r = *rcsekkLap;
  // Every valid amount, in slot order, into the two amount lists; the cash-on-delivery and
  // posting-receipt amounts end as the last of them.
  csekkLap->osszegListaKitolt(o);
  r.RtxOsszeg->clear();
  for (int32_t v : o) {
    if (!isOsszeg(v)) continue;
    r.RtxOsszeg->addItem(QString::number(v));
    ulapLap->txUosszeg->setText(QString::number(v));
    feladoLap->txUtanvet->setText(QString::number(v));
  }
  csekkLap->elsoOsszeg(o);
  if (isOsszeg(o[0])) {
    const QString elso = QString::number(o[0]);
    r.RtxOsszeg->setEditText(elso);
    ulapLap->txUosszeg->setText(elso);
    feladoLap->txUtanvet->setText(elso);
    return;
  }
  feladoLap->txUtanvet->clear();
  ulapLap->txUosszeg->clear();
  r.RtxOsszeg->setEditText(QString());
  for (QLabel* l : {r.RlbOsszeg, r.lbOsszeg2}) l->clear();
  for (QLineEdit* e : {r.RtxtSzoveg21, r.RtxtSzoveg11, r.RtxtSzoveg12, r.RtxtSzoveg22}) e->clear();
}
