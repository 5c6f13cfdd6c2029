#include "printing/receipts/tertilap.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/recordfile.h"
#include "common/tricheckbox.h"

using namespace lap;

namespace {

// The card's picture box is 9555 x 6080 twips for the 165 x 105 mm card: the international
// card's places, given in twips of the box, in millimetres of the card.
constexpr double kMmPerTwip = 165.0 / 9555.0;
QRectF twips(int left, int top, int width, int height) {
  return {left * kMmPerTwip, top * kMmPerTwip, width * kMmPerTwip, height * kMmPerTwip};
}

// Places of the overlays on the domestic card (the page's design) and on the international one.
struct Helyek {
  QRectF nev, cim1, cim2, irsz;
  QRectF jel[5];  // marks 6 to 10
};
const Helyek kBelfoldi{{80, 58.5, 80, 4.5},
                       {80.5, 63.5, 79.5, 4.5},
                       {80.5, 68.5, 79.5, 4.5},
                       {80.5, 73.5, 40, 4.5},
                       {{128, 14.3, 4, 4}, {137, 14.3, 4, 4}, {146, 14.3, 4, 4}, {15, 45.5, 4, 4}, {60, 45.5, 4, 4}}};
const Helyek kKulfoldi{twips(4950, 2900, 3650, 260),
                       twips(4950, 3420, 3650, 260),
                       twips(4950, 3900, 3650, 260),
                       twips(4950, 4380, 2300, 260),
                       {twips(2400, 2430, 232, 232), twips(870, 3060, 232, 232), twips(840, 2760, 232, 232),
                        twips(840, 2430, 232, 232), twips(3630, 2430, 232, 232)}};

}  // namespace

TertiLap::TertiLap(const Platform& platform, LayoutRecords& layouts, QWidget* parent)
    : QWidget(parent), platform_(platform), layouts_(layouts) {
  opBelfoldCsoport = new QButtonGroup(this);
  const QString kartya[2] = {QStringLiteral("Belföldi"), QStringLiteral("Küldöldi")};
  for (int i = 0; i < 2; ++i) {
    opBelfold[size_t(i)] = new QRadioButton(kartya[i], this);
    opBelfold[size_t(i)]->setObjectName(QStringLiteral("opBelfold_%1").arg(i));
    opBelfoldCsoport->addButton(opBelfold[size_t(i)], i);
  }
  opBelfold[0]->setChecked(true);

  txKudemenyAzonosito = mezo(this, "txKudemenyAzonosito");
  txNev2 = mezo(this, "txNev2");
  txCim2_1 = mezo(this, "txCim2_1");
  txCim2_2 = mezo(this, "txCim2_2");
  txtTertiPosta = mezo(this, "txtTertiPosta");
  txtTertiDatum = mezo(this, "txtTertiDatum");
  txUgyfelAzonosito = mezo(this, "txUgyfelAzonosito");
  txUgyfelSajatJelzese = mezo(this, "txUgyfelSajatJelzese");

  const QString pri = QStringLiteral("Elsőbbségi"), sk = QStringLiteral("Saját kézbe"),
                uv = QStringLiteral("Utánvét"), level = QStringLiteral("Levél"),
                csomag = QStringLiteral("Csomag");
  chkTPri = jelolo(this, "chkTPri", pri, pri);
  chkTSk = jelolo(this, "chkTSk", sk, sk);
  chkTUv = jelolo(this, "chkTUv", uv, uv);
  chkLevel = jelolo(this, "chkLevel", level, level);
  chkKCsomag = jelolo(this, "chkKCsomag", csomag, csomag);
  // The design shows the domestic card: the letter and parcel boxes are hidden.
  chkLevel->hide();
  chkKCsomag->hide();

  // The domestic card, 165 x 105 mm: the return address on the lines of its box, the marks on
  // the service boxes (the letter and parcel marks on the international card's boxes).
  Picture3 = new Elonezet(this, "Picture3", 9555, 6080, 165, 105);
  lbSajatNev2 = mezo(Picture3, "lbSajatNev2");
  lbSajatNev2->setFrame(false);
  lbSajatNev2->setStyleSheet(QStringLiteral("background: transparent; padding: 0px;"));
  lbSajatCim2_1 = felirat(Picture3, "lbSajatCim2_1");
  lbSajatCim2_2 = felirat(Picture3, "lbSajatCim2_2");
  lbSajatIrsz = felirat(Picture3, "lbSajatIrsz");
  Picture3->place(lbSajatNev2, kBelfoldi.nev);
  Picture3->place(lbSajatCim2_1, kBelfoldi.cim1);
  Picture3->place(lbSajatCim2_2, kBelfoldi.cim2);
  Picture3->place(lbSajatIrsz, kBelfoldi.irsz);
  lbSajatIrsz->hide();
  // Marks of chkTPri, chkTSk, chkTUv, chkLevel and chkKCsomag.
  for (int i = 6; i <= 10; ++i) {
    lbX[size_t(i)] = jel(Picture3, i);
    Picture3->place(lbX[size_t(i)], kBelfoldi.jel[i - 6]);
  }

  auto* kartyaSor = new QHBoxLayout;
  kartyaSor->addWidget(opBelfold[0]);
  kartyaSor->addWidget(opBelfold[1]);
  kartyaSor->addStretch(1);

  auto* urlap = urlap_ = new QFormLayout;
  urlap->addRow(QStringLiteral("Küldeményazonosító:"), txKudemenyAzonosito);
  urlap->addRow(QStringLiteral("Címzett:"), txNev2);
  urlap->addRow(QString(), txCim2_1);
  urlap->addRow(QString(), txCim2_2);
  urlap->addRow(QStringLiteral("Posta:"), txtTertiPosta);
  urlap->addRow(QStringLiteral("Felvétel kelte:"), txtTertiDatum);
  urlap->addRow(QStringLiteral("Ügyfélazonosító:"), txUgyfelAzonosito);
  urlap->addRow(QStringLiteral("Ügyfél saját jelzése:"), txUgyfelSajatJelzese);

  auto* jelek = new QGridLayout;
  jelek->addWidget(chkTPri, 0, 0);
  jelek->addWidget(chkTSk, 0, 1);
  jelek->addWidget(chkTUv, 0, 2);
  jelek->addWidget(chkLevel, 1, 0);
  jelek->addWidget(chkKCsomag, 1, 1);

  auto* bal = new QVBoxLayout;
  bal->addLayout(kartyaSor);
  bal->addLayout(urlap);
  bal->addLayout(jelek);
  bal->addStretch(1);

  auto* l = new QHBoxLayout(this);
  l->addLayout(bal, 1);
  l->addWidget(Picture3, 0, Qt::AlignTop);

  for (int i = 0; i < 2; ++i)
    connect(opBelfold[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) opBelfold_Click(i);
    });
  connect(chkTPri, &QCheckBox::stateChanged, this, [this] { chkTPri_Click(); });
  connect(chkTSk, &QCheckBox::stateChanged, this, [this] { chkTSk_Click(); });
  connect(chkTUv, &QCheckBox::stateChanged, this, [this] { chkTUv_Click(); });
  connect(chkLevel, &QCheckBox::stateChanged, this, [this] { chkLevel_Click(); });
  connect(chkKCsomag, &QCheckBox::stateChanged, this, [this] { chkKCsomag_Click(); });
}

bool TertiLap::belfoldi() const { return opBelfold[0]->isChecked(); }

LapValtas TertiLap::belep() {
  visszaCim();
  return {1, false};
}

void TertiLap::visszaCim() {
  SetTertiRekord& r = layouts_.Terti;
  loadSettings(platform_.folder, kSetTertiFile, r);
  lbSajatNev2->setText(asStored(r.TertiVisszakuldNev));
  if (belfoldi()) {
    // The postcode in its own label (hidden on this card), the lines as stored.
    lbSajatCim2_1->setText(asStored(r.TertiVisszakuldCim1));
    lbSajatCim2_2->setText(asStored(r.TertiVisszakuldCim2));
    lbSajatIrsz->setText(asStored(r.TertiVisszakuldIrsz));
  } else {
    // The postcode without its blanks leads the first address line; its own label is empty.
    lbSajatCim2_1->setText(szokozNelkul(r.TertiVisszakuldIrsz) + u' ' + asStored(r.TertiVisszakuldCim1));
    lbSajatCim2_2->setText(asStored(r.TertiVisszakuldCim2));
    lbSajatIrsz->clear();
  }
}

void TertiLap::opBelfold_Click(int) {
  const bool belfold = belfoldi();
  visszaCim();
  elrendez(belfold);
  QImage kep;
  if (kep.load(dataPath(platform_.folder, belfold ? QStringLiteral("Terti.jpg") : QStringLiteral("KTerti.jpg"))))
    setPreview(kep);
}

void TertiLap::elrendez(bool belfold) {
  const Helyek& h = belfold ? kBelfoldi : kKulfoldi;
  Picture3->place(lbSajatNev2, h.nev);
  Picture3->place(lbSajatCim2_1, h.cim1);
  Picture3->place(lbSajatCim2_2, h.cim2);
  Picture3->place(lbSajatIrsz, h.irsz);
  for (int i = 6; i <= 10; ++i) Picture3->place(lbX[size_t(i)], h.jel[i - 6]);
  if (belfold) {
    // Clearing the boxes runs their handlers, which hide their marks.
    chkLevel->setValue(0);
    chkKCsomag->setValue(0);
    lbX[9]->hide();
    lbX[10]->hide();
    chkLevel->hide();
    chkKCsomag->hide();
  } else {
    chkLevel->show();
    chkKCsomag->show();
  }
  for (QWidget* w : {static_cast<QWidget*>(txtTertiPosta), static_cast<QWidget*>(txtTertiDatum),
                     static_cast<QWidget*>(txUgyfelAzonosito), static_cast<QWidget*>(txUgyfelSajatJelzese)})
    urlap_->setRowVisible(w, belfold);
  lbSajatIrsz->setVisible(!belfold);
}

namespace {
void jelez(const TriCheckBox* c, QLabel* x) { x->setVisible(c->value() == 1); }
}  // namespace

void TertiLap::chkTPri_Click() { jelez(chkTPri, lbX[6]); }
void TertiLap::chkTSk_Click() { jelez(chkTSk, lbX[7]); }
void TertiLap::chkTUv_Click() { jelez(chkTUv, lbX[8]); }
void TertiLap::chkLevel_Click() { jelez(chkLevel, lbX[9]); }
void TertiLap::chkKCsomag_Click() { jelez(chkKCsomag, lbX[10]); }

TertiAdatok TertiLap::adatok() const {
  TertiAdatok a;
  a.belfoldi = belfoldi();
  a.txNev2 = txNev2->text();
  a.txCim2_1 = txCim2_1->text();
  a.txCim2_2 = txCim2_2->text();
  a.txtTertiPosta = txtTertiPosta->text();
  a.txtTertiDatum = txtTertiDatum->text();
  a.txKudemenyAzonosito = txKudemenyAzonosito->text();
  a.txUgyfelAzonosito = txUgyfelAzonosito->text();
  a.txUgyfelSajatJelzese = txUgyfelSajatJelzese->text();
  a.chkTPri = chkTPri->value();
  a.chkTSk = chkTSk->value();
  a.chkTUv = chkTUv->value();
  a.chkLevel = chkLevel->value();
  a.chkKCsomag = chkKCsomag->value();
  return a;
}
