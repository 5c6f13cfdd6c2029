#include "printing/receipts/tertilap.h"

#include <QButtonGroup>
#include <QFormLayout>
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

// Heights of a text box and sides of a check box on the card, in twips.
constexpr int kMezoMagas = 285;
constexpr int kDoboz = 240;
QRectF mezoHely(int left, int top, int width) { return twips(left, top, width, kMezoMagas); }
QRectF dobozHely(int left, int top) { return twips(left, top, kDoboz, kDoboz); }

// Places of the overlays on the domestic card (the page's design) and on the international one.
struct Helyek {
  QRectF nev, cim1, cim2, irsz;
  QRectF jel[5];  // marks 6 to 10
  QRectF azonosito, cimzett[3];  // txKudemenyAzonosito, txNev2, txCim2_1, txCim2_2
  QRectF doboz[3];               // chkTPri, chkTSk, chkTUv
};
QRectF jelHely(int left, int top) { return twips(left, top, 232, 232); }
const Helyek kBelfoldi{mezoHely(3690, 3480, 4845),
                       twips(3690, 3810, 4845, 260),
                       twips(3690, 4140, 4845, 260),
                       twips(4950, 4380, 2300, 260),
                       {jelHely(7410, 990), jelHely(8010, 990), jelHely(8610, 990), jelHely(840, 2430),
                        jelHely(3630, 2430)},
                       mezoHely(1080, 330, 3045),
                       {mezoHely(2670, 1350, 3045), mezoHely(2670, 1650, 3045), mezoHely(2670, 1950, 3045)},
                       {dobozHely(7410, 1290), dobozHely(8010, 1290), dobozHely(8610, 1290)}};
const Helyek kKulfoldi{twips(4950, 2900, 3650, 260),
                       twips(4950, 3420, 3650, 260),
                       twips(4950, 3900, 3650, 260),
                       twips(4950, 4380, 2300, 260),
                       {jelHely(2400, 2430), jelHely(870, 3060), jelHely(840, 2760), jelHely(840, 2430),
                        jelHely(3630, 2430)},
                       mezoHely(840, 780, 3705),
                       {mezoHely(840, 1350, 3705), mezoHely(840, 1650, 3705), mezoHely(840, 1950, 3705)},
                       {dobozHely(2160, 2490), dobozHely(600, 3120), dobozHely(600, 2790)}};
// The letter and parcel boxes keep the design's places on the international card.
const QRectF kLevelHely = dobozHely(600, 2460);
const QRectF kCsomagHely = dobozHely(3390, 2490);

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

  // The domestic card, 165 x 105 mm: the recipient, the item identifier, the service boxes and
  // their marks and the return address over the card's picture. A lying picture is turned back
  // upright, so the boxes stay usable on their places.
  Picture3 = new Elonezet(this, "Picture3", 9555, 6080, 165, 105, MmKep::Fekvo::TurnBack);
  txKudemenyAzonosito = mezo(Picture3, "txKudemenyAzonosito");
  txNev2 = mezo(Picture3, "txNev2");
  txCim2_1 = mezo(Picture3, "txCim2_1");
  txCim2_2 = mezo(Picture3, "txCim2_2");
  txtTertiPosta = mezo(this, "txtTertiPosta");
  txtTertiDatum = mezo(this, "txtTertiDatum");
  txUgyfelAzonosito = mezo(this, "txUgyfelAzonosito");
  txUgyfelSajatJelzese = mezo(this, "txUgyfelSajatJelzese");

  const QString pri = QStringLiteral("Elsőbbségi"), sk = QStringLiteral("Saját kézbe"),
                uv = QStringLiteral("Utánvét"), level = QStringLiteral("Levél"),
                csomag = QStringLiteral("Csomag");
  chkTPri = jelolo(Picture3, "chkTPri", pri, pri);
  chkTSk = jelolo(Picture3, "chkTSk", sk, sk);
  chkTUv = jelolo(Picture3, "chkTUv", uv, uv);
  chkLevel = jelolo(Picture3, "chkLevel", level, level);
  chkKCsomag = jelolo(Picture3, "chkKCsomag", csomag, csomag);
  // The design shows the domestic card: the letter and parcel boxes are hidden.
  chkLevel->hide();
  chkKCsomag->hide();

  lbSajatNev2 = mezo(Picture3, "lbSajatNev2");
  lbSajatNev2->setFrame(false);
  lbSajatNev2->setStyleSheet(QStringLiteral("background: transparent; padding: 0px;"));
  lbSajatCim2_1 = felirat(Picture3, "lbSajatCim2_1");
  lbSajatCim2_2 = felirat(Picture3, "lbSajatCim2_2");
  lbSajatIrsz = felirat(Picture3, "lbSajatIrsz");
  lbSajatIrsz->hide();
  // Marks of chkTPri, chkTSk, chkTUv, chkLevel and chkKCsomag.
  for (int i = 6; i <= 10; ++i) lbX[size_t(i)] = jel(Picture3, i);
  // The boxes on the card are too small for their captions: their tips name them.
  for (TriCheckBox* c : {chkTPri, chkTSk, chkTUv, chkLevel, chkKCsomag}) c->setText(QString());
  Picture3->place(chkLevel, kLevelHely);
  Picture3->place(chkKCsomag, kCsomagHely);
  elhelyez(true);

  auto* kartyaSor = new QHBoxLayout;
  kartyaSor->addWidget(opBelfold[0]);
  kartyaSor->addWidget(opBelfold[1]);
  kartyaSor->addStretch(1);

  auto* urlap = urlap_ = new QFormLayout;
  urlap->addRow(QStringLiteral("Posta:"), txtTertiPosta);
  urlap->addRow(QStringLiteral("Felvétel kelte:"), txtTertiDatum);
  urlap->addRow(QStringLiteral("Ügyfélazonosító:"), txUgyfelAzonosito);
  urlap->addRow(QStringLiteral("Ügyfél saját jelzése:"), txUgyfelSajatJelzese);

  auto* bal = new QVBoxLayout;
  bal->addLayout(kartyaSor);
  bal->addLayout(urlap);
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
  // On screen only: a file that cannot be read leaves the copy read last; the print reads it
  // afresh and says why it cannot.
  (void)loadSettings(platform_.folder, kSetTertiFile, r);
  lbSajatNev2->setText(asStored(r.TertiVisszakuldNev));
  if (belfoldi()) {
    // The postcode in its own label (hidden on this card), the lines as stored.
    lbSajatCim2_1->setText(asStored(r.TertiVisszakuldCim1));
    lbSajatCim2_2->setText(asStored(r.TertiVisszakuldCim2));
    lbSajatIrsz->setText(asStored(r.TertiVisszakuldIrsz));
  } else {
    // The postcode without its blanks leads the first address line; its own label is empty.
    lbSajatCim2_1->setText(trimmed(r.TertiVisszakuldIrsz) + u' ' + asStored(r.TertiVisszakuldCim1));
    lbSajatCim2_2->setText(asStored(r.TertiVisszakuldCim2));
    lbSajatIrsz->clear();
  }
}

void TertiLap::opBelfold_Click(int) {
  const bool belfold = belfoldi();
  visszaCim();
  elrendez(belfold);
  showPicture(tajolas_);
}

bool TertiLap::showPicture(Tajolas t) {
  tajolas_ = t;
  // The international card has one picture; the overlays stand on it in either feed.
  if (!belfoldi()) return Picture3->showFile(dataPath(platform_.folder, QStringLiteral("KTerti.jpg")));
  return showFormPicture(*Picture3, platform_.folder, t, QStringLiteral("Tertikepallo.jpg"),
                         QStringLiteral("Tertikepfekvo.jpg"));
}

void TertiLap::elhelyez(bool belfold) {
  const Helyek& h = belfold ? kBelfoldi : kKulfoldi;
  Picture3->place(txKudemenyAzonosito, h.azonosito);
  Picture3->place(txNev2, h.cimzett[0]);
  Picture3->place(txCim2_1, h.cimzett[1]);
  Picture3->place(txCim2_2, h.cimzett[2]);
  Picture3->place(chkTPri, h.doboz[0]);
  Picture3->place(chkTSk, h.doboz[1]);
  Picture3->place(chkTUv, h.doboz[2]);
  Picture3->place(lbSajatNev2, h.nev);
  Picture3->place(lbSajatCim2_1, h.cim1);
  Picture3->place(lbSajatCim2_2, h.cim2);
  Picture3->place(lbSajatIrsz, h.irsz);
  for (int i = 6; i <= 10; ++i) Picture3->place(lbX[size_t(i)], h.jel[i - 6]);
}

void TertiLap::elrendez(bool belfold) {
  elhelyez(belfold);
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
