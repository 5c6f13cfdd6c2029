#include "printing/receipts/iratlap.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/recordfile.h"
#include "common/tricheckbox.h"

using namespace lap;

IratLap::IratLap(const Platform& platform, LayoutRecords& layouts, QWidget* parent)
    : QWidget(parent), platform_(platform), layouts_(layouts) {
  txtIratCimzettNev = mezo(this, "txtIratCimzettNev");
  txtIratCimzettHelyseg = mezo(this, "txtIratCimzettHelyseg");
  txtIratCimzettUtca = mezo(this, "txtIratCimzettUtca");
  txtIratCimzettIrszam = mezo(this, "txtIratCimzettIrszam");
  lbIratFeladoNev = felirat(this, "lbIratFeladoNev");
  lbIratFeladoCim1 = felirat(this, "lbIratFeladoCim1");
  lbIratFeladoCim2 = felirat(this, "lbIratFeladoCim2");
  for (int i = 0; i < 3; ++i) {
    txtIratFelado[size_t(i)] = new QLineEdit(this);
    txtIratFelado[size_t(i)]->setObjectName(QStringLiteral("txtIratFelado_%1").arg(i));
  }

  const QString cimek[3] = {QStringLiteral("Visszaküldési cím nyomtatása"), QStringLiteral("Feladó nyomtatása"),
                            QStringLiteral("Feladó azonos a visszaküldési címmel")};
  const QString tippek[3] = {QStringLiteral("Kipipálva nyomtatja a visszaküldési címet."),
                             QStringLiteral("Kipipálva nyomtatja a feladót"),
                             QStringLiteral("Kipipálva a feladó neve és címe azonos a visszaküldési címmel")};
  for (int i = 0; i < 3; ++i) {
    auto* c = new TriCheckBox(cimek[i], this);
    c->setObjectName(QStringLiteral("chkVisszaCimPrint_%1").arg(i));
    c->setToolTip(tippek[i]);
    chkVisszaCimPrint[size_t(i)] = c;
  }

  chkVkod = jelolo(this, "chkVkod", QStringLiteral("Vonalkód"),
                   QStringLiteral("Vonalkód nyomtatása, amennyiben van vonalkód betűtípus telepítve!"));
  txtIratSzama = mezo(this, "txtIratSzama");
  txtIratFajtaja = mezo(this, "txtIratFajtaja");
  txtIratMelleklet = mezo(this, "txtIratMelleklet");
  txtIratErtesites = mezo(this, "txtIratErtesites");
  txtIratFelvPosta = mezo(this, "txtIratFelvPosta");
  txtIratKuldAzonosito = mezo(this, "txtIratKuldAzonosito");

  // The form, 165 x 105 mm; the code shows in the item identifier's box, where it is printed,
  // while the code is printed.
  preview = new Elonezet(this, "preview", 9645, 6140, 165, 105);
  lbVkod = felirat(preview, "lbVkod");
  preview->place(lbVkod, {15.5, 41.5, 69, 4.5});
  lbVkod->hide();

  auto* urlap = new QFormLayout;
  urlap->addRow(QStringLiteral("Címzett:"), txtIratCimzettNev);
  urlap->addRow(QStringLiteral("Helység:"), txtIratCimzettHelyseg);
  urlap->addRow(QStringLiteral("Utca:"), txtIratCimzettUtca);
  urlap->addRow(QStringLiteral("Irányítószám:"), txtIratCimzettIrszam);
  urlap->addRow(QStringLiteral("Visszaküldési cím:"), lbIratFeladoNev);
  urlap->addRow(QString(), lbIratFeladoCim1);
  urlap->addRow(QString(), lbIratFeladoCim2);
  for (TriCheckBox* c : chkVisszaCimPrint) urlap->addRow(QString(), c);
  urlap->addRow(QStringLiteral("Feladó:"), txtIratFelado[0]);
  urlap->addRow(QString(), txtIratFelado[1]);
  urlap->addRow(QString(), txtIratFelado[2]);
  urlap->addRow(QStringLiteral("Irat száma:"), txtIratSzama);
  urlap->addRow(QString(), chkVkod);
  urlap->addRow(QStringLiteral("Irat fajtája:"), txtIratFajtaja);
  urlap->addRow(QStringLiteral("Melléklet:"), txtIratMelleklet);
  urlap->addRow(QStringLiteral("Értesítő:"), txtIratErtesites);
  urlap->addRow(QStringLiteral("Felvevő posta:"), txtIratFelvPosta);
  urlap->addRow(QStringLiteral("Küldeményazonosító:"), txtIratKuldAzonosito);

  auto* bal = new QVBoxLayout;
  bal->addLayout(urlap);
  bal->addStretch(1);
  auto* l = new QHBoxLayout(this);
  l->addLayout(bal, 1);
  l->addWidget(preview, 0, Qt::AlignTop);

  for (int i = 0; i < 3; ++i)
    connect(chkVisszaCimPrint[size_t(i)], &QCheckBox::stateChanged, this, [this, i] { chkVisszaCimPrint_Click(i); });
  connect(txtIratSzama, &QLineEdit::textChanged, this, [this] { txtIratSzama_Change(); });
  connect(chkVkod, &QCheckBox::stateChanged, this, [this] { chkVkod_Click(); });
}

void IratLap::feladoMasolas() {
  txtIratFelado[0]->setText(lbIratFeladoNev->text());
  txtIratFelado[1]->setText(lbIratFeladoCim1->text());
  txtIratFelado[2]->setText(lbIratFeladoCim2->text());
}

LapValtas IratLap::belep() {
  SetTertiRekord& r = layouts_.Terti;
  // On screen only: a file that cannot be read leaves the copy read last; the print reads it
  // afresh and says why it cannot.
  (void)loadSettings(platform_.folder, kSetTertiFile, r);
  lbIratFeladoNev->setText(asStored(r.TertiVisszakuldNev));
  lbIratFeladoCim1->setText(trimmed(r.TertiVisszakuldIrsz) + u' ' + asStored(r.TertiVisszakuldCim1));
  lbIratFeladoCim2->setText(asStored(r.TertiVisszakuldCim2));
  if (chkVisszaCimPrint[2]->value() != 0) feladoMasolas();
  return {4, true};
}

void IratLap::chkVisszaCimPrint_Click(int index) {
  if (index != 2) return;  // elements 0 and 1 are read by the printers only
  if (chkVisszaCimPrint[2]->value() != 0) {
    feladoMasolas();
  } else {
    for (QLineEdit* e : txtIratFelado) e->clear();
    txtIratFelado[0]->setFocus();
  }
}

void IratLap::txtIratSzama_Change() {
  if (chkVkod->value() == 1) lbVkod->setText(szokozNelkul(txtIratSzama->text()));
}

void IratLap::chkVkod_Click() {
  if (chkVkod->value() == 1) {
    lbVkod->show();
    lbVkod->setText(szokozNelkul(txtIratSzama->text()));
  } else {
    lbVkod->hide();
  }
}

IratAdatok IratLap::adatok() const {
  IratAdatok a;
  a.txtIratCimzettNev = txtIratCimzettNev->text();
  a.txtIratCimzettHelyseg = txtIratCimzettHelyseg->text();
  a.txtIratCimzettUtca = txtIratCimzettUtca->text();
  a.txtIratCimzettIrszam = txtIratCimzettIrszam->text();
  a.lbIratFeladoNev = lbIratFeladoNev->text();
  a.lbIratFeladoCim1 = lbIratFeladoCim1->text();
  a.lbIratFeladoCim2 = lbIratFeladoCim2->text();
  for (int i = 0; i < 3; ++i) {
    a.txtIratFelado[size_t(i)] = txtIratFelado[size_t(i)]->text();
    a.chkVisszaCimPrint[size_t(i)] = chkVisszaCimPrint[size_t(i)]->value();
  }
  a.chkVkod = chkVkod->value();
  a.lbVkod = lbVkod->text();
  a.txtIratSzama = txtIratSzama->text();
  a.txtIratFajtaja = txtIratFajtaja->text();
  a.txtIratMelleklet = txtIratMelleklet->text();
  a.txtIratErtesites = txtIratErtesites->text();
  a.txtIratFelvPosta = txtIratFelvPosta->text();
  a.txtIratKuldAzonosito = txtIratKuldAzonosito->text();
  return a;
}
