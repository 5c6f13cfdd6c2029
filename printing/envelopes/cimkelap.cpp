#include "printing/envelopes/cimkelap.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "common/mmkep.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "common/tricheckbox.h"

namespace {

constexpr int kTwipsPerPixel = 15;

int px(int twips) { return int(std::lround(double(twips) / kTwipsPerPixel)); }

// A count read from a box: its leading number without the fraction; 0 below 1. Large values
// are capped (they only need to exceed 40).
int count(const QString& text) {
  const double v = leadingValue(text);
  if (!(v >= 1)) return 0;
  return int(std::floor(std::min(v, 1000.0)));
}

// Box width by the column count and height by the row count (twips); 0 for a count that
// keeps the present size.
int boxWidth(int columns) {
  switch (columns) {
    case 1: return 3390;
    case 2: return 1685;
    case 3: return 1130;
    default: return 0;
  }
}
int boxHeight(int rows) {
  switch (rows) {
    case 3: return 1565;
    case 4: return 1170;
    case 5: return 935;
    case 6: return 774;
    case 7: return 669;
    case 8: return 587;
    default: return 0;
  }
}

}  // namespace

CimkeLap::CimkeLap(const Platform& platform, CimkeSetupRekord& cimkeSetup, QWidget* parent)
    : QWidget(parent), platform_(platform), cimkeSetup_(cimkeSetup) {
  auto nev = [](QObject* o, const QString& n) { o->setObjectName(n); };
  auto mezo = [&](QWidget* p, const char* n, const char* tipp) {
    auto* e = new QLineEdit(p);
    nev(e, QString::fromLatin1(n));
    e->setToolTip(QString::fromUtf8(tipp));
    return e;
  };
  auto cimke = [&](QWidget* p, const char* n) {
    auto* l = new QLabel(p);
    nev(l, QString::fromLatin1(n));
    return l;
  };

  keretMeret = new QGroupBox(QStringLiteral("Cimke méret beállítása"), this);
  txtOszlop = new QComboBox(keretMeret);
  nev(txtOszlop, QStringLiteral("txtOszlop"));
  txtOszlop->setEditable(true);
  txtOszlop->setToolTip(QStringLiteral("Cimke oszlopok száma az A4-es lapon."));
  txtSor = new QComboBox(keretMeret);
  nev(txtSor, QStringLiteral("txtSor"));
  txtSor->setEditable(true);
  txtSor->setToolTip(QStringLiteral("Cimke sorok száma az A4-es lapon."));
  txtSzeles = mezo(keretMeret, "txtSzeles", "A cimke szélessége mm-ben.");
  txtMagas = mezo(keretMeret, "txtMagas", "A cimke magassága mm-ben.");
  txtLeft = mezo(keretMeret, "txtLeft", "A név első karakterének pozíciója az A4-es lap bal szélétől.");
  txtTop = mezo(keretMeret, "txtTop", "A név első karakterének pozíciója az A4-es lap tetejétől.");
  cmdCimkeMeretRogzites = new QPushButton(QStringLiteral("&Rögzítés"), keretMeret);
  nev(cmdCimkeMeretRogzites, QStringLiteral("cmdCimkeMeretRogzites"));
  cmdCimkeMeretRogzites->setToolTip(QStringLiteral("A beállított oszlop, sor és cimkeméret rögzítése."));
  auto* mf = new QFormLayout(keretMeret);
  mf->addRow(QStringLiteral("Oszlop:"), txtOszlop);
  mf->addRow(QStringLiteral("Sor:"), txtSor);
  mf->addRow(QStringLiteral("Szélesség:"), txtSzeles);
  mf->addRow(QStringLiteral("Magasság:"), txtMagas);
  mf->addRow(QStringLiteral("Bal:"), txtLeft);
  mf->addRow(QStringLiteral("Felső:"), txtTop);
  mf->addRow(cmdCimkeMeretRogzites);

  auto* szamlalo = new QLabel(QStringLiteral("Eddig kinyomtatott cimkék száma: "), this);
  lbKinyomottCimkeNum = cimke(this, "lbKinyomottCimkeNum");

  // The grid: boxes placed in twips, all hidden until the page lays them out.
  racs = new QWidget(this);
  nev(racs, QStringLiteral("racs"));
  racs->setMinimumSize(px(45 + 3390 + 100), px(135 + 10 * (465 + 20)));
  for (int k = 1; k <= 40; ++k) {
    auto* b = new TriCheckBox(QString::number(k), racs);
    nev(b, QStringLiteral("chkCimke1_%1").arg(k));
    chkCimke1[size_t(k)] = b;
    twips_[size_t(k)] = QRect(45, 135, 1685, 774);
    place(k);
    b->hide();
  }

  chkEgyediCimke = new TriCheckBox(QStringLiteral("Egyedi cimke nyomtatás"), this);
  nev(chkEgyediCimke, QStringLiteral("chkEgyediCimke"));
  keretEgyediCimke = new QGroupBox(QStringLiteral("Egyedi cimke"), this);
  nev(keretEgyediCimke, QStringLiteral("keretEgyediCimke"));
  auto* ek = new QVBoxLayout(keretEgyediCimke);
  for (int i = 0; i < 5; ++i) {
    auto* e = new QLineEdit(keretEgyediCimke);
    nev(e, QStringLiteral("txEgyediCimke_%1").arg(i));
    txEgyediCimke[size_t(i)] = e;
    ek->addWidget(e);
  }
  keretEgyediCimke->hide();

  // The A4 label sheet, 210 x 297 mm; the address shows on the lines of its first label.
  Picture2 = new MmKep(210, 297, this);
  nev(Picture2, QStringLiteral("Picture2"));
  Picture2->setKeepAspect(true);
  // The sheet fits the room left below the settings, never widening the column.
  Picture2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  Picture2->setMinimumSize(320, 200);
  lbNev1 = cimke(Picture2, "lbNev1");
  lbNev2 = cimke(Picture2, "lbNev2");
  lbHelyseg = cimke(Picture2, "lbHelyseg");
  lbCim = cimke(Picture2, "lbCim");
  lbIrsz = cimke(Picture2, "lbIrsz");
  QLabel* const sorok[] = {lbNev1, lbNev2, lbHelyseg, lbCim, lbIrsz};
  for (int i = 0; i < 5; ++i) Picture2->place(sorok[i], {5.5, 20.5 + 6 * i, 58, 5});

  auto* bal = new QVBoxLayout;
  bal->addWidget(keretMeret);
  auto* sz = new QHBoxLayout;
  sz->addWidget(szamlalo);
  sz->addWidget(lbKinyomottCimkeNum, 1);
  bal->addLayout(sz);
  bal->addWidget(chkEgyediCimke);
  bal->addWidget(keretEgyediCimke);
  bal->addWidget(Picture2, 1);
  auto* l = new QHBoxLayout(this);
  l->addLayout(bal);
  l->addWidget(racs, 1);
}

void CimkeLap::fillChoices() {
  txtOszlop->clear();
  for (int c = 4; c >= 1; --c) txtOszlop->addItem(QString::number(c));
  txtSor->clear();
  for (int r = 10; r >= 3; --r) txtSor->addItem(QString::number(r));
}

void CimkeLap::showSetup() {
  auto mutat = [](auto* box, const QString& text, const char* alap) {
    box->setText(text == QLatin1String("0") && alap ? QString::fromLatin1(alap) : text);
  };
  mutat(txtLeft, huNumber(cimkeSetup_.Left.value()), "5");
  mutat(txtTop, huNumber(cimkeSetup_.Top.value()), "5");
  const QString oszlop = QString::number(cimkeSetup_.Oszlop);
  txtOszlop->setCurrentText(oszlop == QLatin1String("0") ? QStringLiteral("2") : oszlop);
  const QString sor = QString::number(cimkeSetup_.Sor);
  txtSor->setCurrentText(sor == QLatin1String("0") ? QStringLiteral("6") : sor);
  mutat(txtSzeles, huNumber(cimkeSetup_.Szeles.value()), nullptr);
  mutat(txtMagas, huNumber(cimkeSetup_.Magas.value()), nullptr);
  lbKinyomottCimkeNum->setText(QString::number(cimkeSetup_.KinyomottCimkeNum));
}

void CimkeLap::belep() {
  racsKiosztas();
  loadSettings(platform_.folder, kCimkeSetupFile, cimkeSetup_);
  if (cimkeSetup_.Oszlop == 0) nyomRogzites();
}

void CimkeLap::nyomRogzites() { cmdCimkeMeretRogzites->click(); }

void CimkeLap::racsKiosztas() {
  const int c = count(txtOszlop->currentText());
  const int r = count(txtSor->currentText());
  const int n = c * r;
  if (n > 40) return;  // only 40 boxes exist: keep the grid as it is

  const int w = boxWidth(c), h = boxHeight(r);
  for (int k = 1; k <= n; ++k) {
    TriCheckBox* b = chkCimke1[size_t(k)];
    b->show();
    b->setText(QString::number(k));
    QRect& g = twips_[size_t(k)];
    if (w) g.setWidth(w);
    if (h) g.setHeight(h);
  }
  if (n >= 1) {
    if (c == 1) txtSzeles->setText(QStringLiteral("210"));
    else if (w) txtSzeles->setText(huNumber(210.0 / c));
    if (h) txtMagas->setText(huNumber(297.0 / r));
  }
  for (int k = n + 1; k <= 40; ++k) chkCimke1[size_t(k)]->hide();

  const int bw = twips_[1].width(), bh = twips_[1].height();
  int x = 45, y = 135, k = 0;
  for (int sor = 1; sor <= r; ++sor) {
    for (int oszlop = 1; oszlop <= c; ++oszlop) {
      ++k;
      twips_[size_t(k)].moveTo(x, y);
      place(k);
      x += bw + 8;
    }
    y += bh + 20;
    x = 45;
  }
}

void CimkeLap::place(int k) {
  const QRect& g = twips_[size_t(k)];
  chkCimke1[size_t(k)]->setGeometry(px(g.left()), px(g.top()), px(g.width()), px(g.height()));
}

void CimkeLap::setPreview(const QImage& kep) { Picture2->setPreview(kep); }
