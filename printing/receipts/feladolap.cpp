#include "printing/receipts/feladolap.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/recordfile.h"
#include "common/tricheckbox.h"

using namespace lap;

FeladoLap::FeladoLap(const Platform& platform, LayoutRecords& layouts, QWidget* parent)
    : QWidget(parent), platform_(platform), layouts_(layouts) {
  txNev3 = mezo(this, "txNev3");
  txCim3_1 = mezo(this, "txCim3_1");
  txCim3_2 = mezo(this, "txCim3_2");
  lbSajatNev = mezo(this, "lbSajatNev");
  lbSajatCim1 = felirat(this, "lbSajatCim1");
  lbSajatCim2 = felirat(this, "lbSajatCim2");
  txErtek = mezo(this, "txErtek");
  lbFt[0] = felirat(this, "lbFt_0", QStringLiteral("Ft"));
  txUtanvet = mezo(this, "txUtanvet");
  txtFeladov1 = mezo(this, "txtFeladov1");
  txtFeladov2 = mezo(this, "txtFeladov2");

  chkAjanlott = jelolo(this, "chkAjanlott", QStringLiteral("Ajánlott"));
  chkCsomag = jelolo(this, "chkCsomag", QStringLiteral("Csomag"));
  chkTerti = jelolo(this, "chkTerti", QStringLiteral("Tértivevény"));
  chkHivIrat = jelolo(this, "chkHivIrat", QStringLiteral("Hivatalos irat"));
  chkErtek = jelolo(this, "chkErtek", QStringLiteral("Értéknyilvánítás"));
  auto kulon = [this](const char* nev, const QString& szoveg) { return jelolo(this, nev, szoveg, szoveg); };
  chkSK = kulon("chkSK", QStringLiteral("Saját kézbe"));
  chkPRI = kulon("chkPRI", QStringLiteral("Elsőbbségi"));
  chkPL = kulon("chkPL", QStringLiteral("Postai lezárás"));
  chkLEGI = kulon("chkLEGI", QStringLiteral("e-értesítés"));
  chk5 = kulon("chk5", QStringLiteral("Levélszekrény útján nem kézbesíthető"));
  chk6 = kulon("chk6", QStringLiteral("kétszeri kézbesítési kísérlet"));

  // The receipt, 165 x 120 mm; the six special-service marks sit on the form's special-service
  // boxes (sk, PRI, PL, e-ért, LNK, 2X).
  preview = new Elonezet(this, "preview", 8325, 6055, 165, 120);
  for (int i = 0; i <= 5; ++i) {
    lbX[size_t(i)] = jel(preview, i);
    preview->place(lbX[size_t(i)], {116.0 + 6 * i, 24, 4, 4});
  }

  auto* ertek = new QHBoxLayout;
  ertek->addWidget(txErtek);
  ertek->addWidget(lbFt[0]);

  auto* urlap = new QFormLayout;
  urlap->addRow(QStringLiteral("Címzett:"), txNev3);
  urlap->addRow(QString(), txCim3_1);
  urlap->addRow(QString(), txCim3_2);
  urlap->addRow(QStringLiteral("Feladó:"), lbSajatNev);
  urlap->addRow(QString(), lbSajatCim1);
  urlap->addRow(QString(), lbSajatCim2);
  urlap->addRow(QStringLiteral("Érték:"), ertek);
  urlap->addRow(QStringLiteral("Utánvét:"), txUtanvet);
  urlap->addRow(QString(), txtFeladov1);
  urlap->addRow(QString(), txtFeladov2);

  auto* jelek = new QGridLayout;
  TriCheckBox* const sorrend[] = {chkAjanlott, chkCsomag, chkTerti, chkHivIrat, chkErtek, chkSK,
                                  chkPRI,      chkPL,     chkLEGI,  chk5,       chk6};
  for (int i = 0; i < 11; ++i) jelek->addWidget(sorrend[i], i < 5 ? i : i - 5, i < 5 ? 0 : 1);

  auto* bal = new QVBoxLayout;
  bal->addLayout(urlap);
  bal->addLayout(jelek);
  bal->addStretch(1);

  auto* l = new QHBoxLayout(this);
  l->addLayout(bal, 1);
  l->addWidget(preview, 0, Qt::AlignTop);

  TriCheckBox* const kulonok[6] = {chkSK, chkPRI, chkPL, chkLEGI, chk5, chk6};
  void (FeladoLap::*const kezelok[6])() = {&FeladoLap::chkSK_Click,   &FeladoLap::chkPRI_Click, &FeladoLap::chkPL_Click,
                                           &FeladoLap::chkLEGI_Click, &FeladoLap::chk5_Click,   &FeladoLap::chk6_Click};
  for (int i = 0; i < 6; ++i)
    connect(kulonok[i], &QCheckBox::stateChanged, this, [this, k = kezelok[i]] { (this->*k)(); });
  connect(chkErtek, &QCheckBox::stateChanged, this, [this] { chkErtek_Click(); });
  // The declared value is no value without its box: hidden from the first show on.
  ertekMutat();
}

void FeladoLap::ertekMutat() {
  const bool van = chkErtek->value() == 1;
  txErtek->setVisible(van);
  lbFt[0]->setVisible(van);
}

namespace {
void jelez(const TriCheckBox* c, QLabel* x) { x->setVisible(c->value() == 1); }
}  // namespace

void FeladoLap::chkSK_Click() { jelez(chkSK, lbX[0]); }
void FeladoLap::chkPRI_Click() { jelez(chkPRI, lbX[1]); }
void FeladoLap::chkPL_Click() { jelez(chkPL, lbX[2]); }
void FeladoLap::chkLEGI_Click() { jelez(chkLEGI, lbX[3]); }
void FeladoLap::chk5_Click() { jelez(chk5, lbX[4]); }
void FeladoLap::chk6_Click() { jelez(chk6, lbX[5]); }

void FeladoLap::chkErtek_Click() {
  ertekMutat();
  if (chkErtek->value() == 1) txErtek->setFocus();
}

LapValtas FeladoLap::belep() {
  SetFvevenyRekord& r = layouts_.Fveveny;
  // On screen only: a file that cannot be read leaves the copy read last; the print reads it
  // afresh and says why it cannot.
  (void)loadSettings(platform_.folder, kSetFvevenyFile, r);
  lbSajatNev->setText(asStored(r.FeladovevenyFeladoNev));
  lbSajatCim1->setText(asStored(r.FeladovevenyFeladoCim1));
  lbSajatCim2->setText(asStored(r.FeladovevenyFeladoCim2));
  return {2, true};
}

FeladoAdatok FeladoLap::adatok() const {
  FeladoAdatok a;
  a.txNev3 = txNev3->text();
  a.txCim3_1 = txCim3_1->text();
  a.txCim3_2 = txCim3_2->text();
  a.lbSajatNev = lbSajatNev->text();
  a.lbSajatCim1 = lbSajatCim1->text();
  a.lbSajatCim2 = lbSajatCim2->text();
  a.txErtek = txErtek->text();
  a.txUtanvet = txUtanvet->text();
  a.txtFeladov1 = txtFeladov1->text();
  a.txtFeladov2 = txtFeladov2->text();
  a.chkAjanlott = chkAjanlott->value();
  a.chkCsomag = chkCsomag->value();
  a.chkTerti = chkTerti->value();
  a.chkHivIrat = chkHivIrat->value();
  a.chkErtek = chkErtek->value();
  a.chkSK = chkSK->value();
  a.chkPRI = chkPRI->value();
  a.chkPL = chkPL->value();
  a.chkLEGI = chkLEGI->value();
  a.chk5 = chk5->value();
  a.chk6 = chk6->value();
  return a;
}
