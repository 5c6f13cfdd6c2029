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

int px(int twips) { return int(std::lround(double(twips) / CimkeIv::kTwipsPerPixel)); }

}  // namespace

CimkeLap::CimkeLap(const Platform& platform, CimkeAllapot allapot, QWidget* parent)
    : QWidget(parent),
      platform_(platform),
      cimkeSetup_(allapot.CimkeSetup),
      cimkeHely_(allapot.CimkeHely),
      nevek_(allapot.Nevek),
      aktualis_(allapot.AktualisRekord) {
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
  racs = new CimkeIv(this);
  nev(racs, QStringLiteral("racs"));
  racs->setMinimumSize(px(45 + 3390 + 100), px(135 + 10 * (465 + 20)));
  for (int k = 1; k <= 40; ++k) {
    auto* b = new TriCheckBox(QString::number(k), racs);
    nev(b, QStringLiteral("chkCimke1_%1").arg(k));
    chkCimke1[size_t(k)] = b;
    twips_[size_t(k)] = QRect(45, 135, 1685, 774);
    place(k);
    b->hide();
    b->setMouseTracking(true);
    b->installEventFilter(this);
    connect(b, &QCheckBox::stateChanged, this, [this, k] { chkCimke1_Click(k); });
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
    connect(e, &QLineEdit::textChanged, this, [this, i] { txEgyediCimke_Change(i); });
  }
  keretEgyediCimke->hide();
  connect(chkEgyediCimke, &QCheckBox::stateChanged, this, [this] { chkEgyediCimke_Click(); });
  connect(cmdCimkeMeretRogzites, &QPushButton::clicked, this, [this] { cmdCimkeMeretRogzites_Click(); });

  // One label, its size set by ivFrissit; it fits the room left below the settings, never
  // widening the column.
  Picture2 = new MmKep(105, 49.5, this);
  nev(Picture2, QStringLiteral("Picture2"));
  Picture2->setKeepAspect(true);
  Picture2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  Picture2->setMinimumSize(320, 200);
  lbNev1 = cimke(Picture2, "lbNev1");
  lbNev2 = cimke(Picture2, "lbNev2");
  lbHelyseg = cimke(Picture2, "lbHelyseg");
  lbCim = cimke(Picture2, "lbCim");
  lbIrsz = cimke(Picture2, "lbIrsz");
  ivFrissit();

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
  // A sheet never set up is stored with the boxes' defaults; one that cannot be read is not
  // written over (the copy read last stays in use).
  if (loadSettings(platform_.folder, kCimkeSetupFile, cimkeSetup_) && cimkeSetup_.Oszlop == 0) nyomRogzites();
  ivFrissit();
}

void CimkeLap::nyomRogzites() { cmdCimkeMeretRogzites->click(); }

void CimkeLap::place(int k) {
  const QRect& g = twips_[size_t(k)];
  chkCimke1[size_t(k)]->setGeometry(px(g.left()), px(g.top()), px(g.width()), px(g.height()));
}


