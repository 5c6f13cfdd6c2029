#include "printing/orders/rcsekklap.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/recordfile.h"

RcsekkLap::RcsekkLap(const Platform& platform, SetRcsekkRekord& rcsekk, QWidget* parent)
    : QWidget(parent), platform_(platform), rcsekk_(rcsekk) {
  Picture7 = new QLabel(this);
  Picture7->setObjectName(QStringLiteral("Picture7"));
  Picture7->setFrameShape(QFrame::StyledPanel);
  Picture7->setScaledContents(true);
  Picture7->setMinimumSize(12060 / 15, 360);

  auto mezo = [this](const QString& n) {
    auto* e = new QLineEdit(Picture7);
    e->setObjectName(n);
    return e;
  };
  auto cimke = [this](const QString& n) {
    auto* l = new QLabel(Picture7);
    l->setObjectName(n);
    return l;
  };

  cmdOldalCsere = new QPushButton(QStringLiteral("Csekk Hátoldala"), this);
  cmdOldalCsere->setObjectName(QStringLiteral("cmdOldalCsere"));

  auto* csoport = new QButtonGroup(this);
  for (int i = 0; i < 2; ++i) {
    auto* o = new QRadioButton(QStringLiteral("Állandó"), Picture7);
    o->setObjectName(QStringLiteral("opAllando_%1").arg(i));
    csoport->addButton(o, i);
    opAllando[size_t(i)] = o;
  }
  opAllando[0]->setToolTip(QStringLiteral("Kijelölve a címzett állandó és a feladó a listában kijelölt tétel lesz!"));
  opAllando[1]->setToolTip(QStringLiteral("Kijelölve a feladó állandó és a címzett a listában kijelölt tétel lesz!"));

  RtxOsszeg = new QComboBox(Picture7);
  RtxOsszeg->setObjectName(QStringLiteral("RtxOsszeg"));
  RtxOsszeg->setEditable(true);
  RlbOsszeg = cimke(QStringLiteral("RlbOsszeg"));
  lbOsszeg2 = cimke(QStringLiteral("lbOsszeg2"));
  RtxtSzoveg21 = mezo(QStringLiteral("RtxtSzoveg21"));
  RtxtSzoveg11 = mezo(QStringLiteral("RtxtSzoveg11"));
  RtxtSzoveg12 = mezo(QStringLiteral("RtxtSzoveg12"));
  RtxtSzoveg22 = mezo(QStringLiteral("RtxtSzoveg22"));
  RtxNev[0] = mezo(QStringLiteral("RtxNev_0"));
  RtxNev[0]->setToolTip(QStringLiteral("Feladó neve"));
  RtxCim = mezo(QStringLiteral("RtxCim"));
  RtxCim->setToolTip(QStringLiteral("Feladó címe"));
  RlbNev = cimke(QStringLiteral("RlbNev"));
  RlbHelys = cimke(QStringLiteral("RlbHelys"));
  RlbCim = cimke(QStringLiteral("RlbCim"));
  RlbIrsz = cimke(QStringLiteral("RlbIrsz"));
  txtNev = mezo(QStringLiteral("txtNev"));
  txtHelys = mezo(QStringLiteral("txtHelys"));
  txtCim = mezo(QStringLiteral("txtCim"));
  txtIrsz = mezo(QStringLiteral("txtIrsz"));

  txtNevHatul = mezo(QStringLiteral("txtNevHatul"));
  txtHelysHatul = mezo(QStringLiteral("txtHelysHatul"));
  txtCimHatul = mezo(QStringLiteral("txtCimHatul"));
  txtIrszHatul = mezo(QStringLiteral("txtIrszHatul"));
  for (int i = 0; i < 4; ++i) RcsekkKozlemenyHatul[size_t(i)] = mezo(QStringLiteral("RcsekkKozlemenyHatul_%1").arg(i));

  // The form's first copy on the left (amount, words, recipient labels, sender), the second
  // copy on the right (amount, words, recipient boxes).
  auto* g = new QGridLayout(Picture7);
  g->addWidget(RtxOsszeg, 0, 0);
  g->addWidget(RlbOsszeg, 0, 1);
  g->addWidget(lbOsszeg2, 0, 2);
  g->addWidget(RtxtSzoveg21, 1, 0, 1, 2);
  g->addWidget(RtxtSzoveg12, 1, 2);
  g->addWidget(RtxtSzoveg11, 2, 0, 1, 2);
  g->addWidget(RtxtSzoveg22, 2, 2);
  g->addWidget(opAllando[0], 3, 0);
  g->addWidget(RlbNev, 4, 0, 1, 2);
  g->addWidget(txtNev, 4, 2);
  g->addWidget(RlbHelys, 5, 0, 1, 2);
  g->addWidget(txtHelys, 5, 2);
  g->addWidget(RlbCim, 6, 0, 1, 2);
  g->addWidget(txtCim, 6, 2);
  g->addWidget(RlbIrsz, 7, 0, 1, 2);
  g->addWidget(txtIrsz, 7, 2);
  g->addWidget(opAllando[1], 8, 0);
  g->addWidget(RtxNev[0], 9, 0, 1, 3);
  g->addWidget(RtxCim, 10, 0, 1, 3);
  // Back, in the same area.
  g->addWidget(txtNevHatul, 11, 0, 1, 3);
  g->addWidget(txtHelysHatul, 12, 0, 1, 3);
  g->addWidget(txtCimHatul, 13, 0, 1, 3);
  g->addWidget(txtIrszHatul, 14, 0, 1, 3);
  for (int i = 0; i < 4; ++i) g->addWidget(RcsekkKozlemenyHatul[size_t(i)], 15 + i, 0, 1, 3);
  g->setRowStretch(19, 1);
  for (QLineEdit* e : {txtNevHatul, txtHelysHatul, txtCimHatul, txtIrszHatul}) e->hide();
  for (QLineEdit* e : RcsekkKozlemenyHatul) e->hide();

  auto* l = new QVBoxLayout(this);
  l->addWidget(cmdOldalCsere, 0, Qt::AlignLeft);
  l->addWidget(Picture7, 1);
}

void RcsekkLap::belep() {
  loadSettings(platform_.folder, kSetRcsekkFile, rcsekk_);
  const QString nev = trimmed(rcsekk_.RcsekkNev);
  const QString cim = trimmed(rcsekk_.RcsekkCim);
  const QString helyseg = trimmed(rcsekk_.RcsekkHelyseg);
  const QString irsz = asStored(rcsekk_.RcsekkIrszam);
  if (opAllando[0]->isChecked()) {
    RlbNev->setText(nev);
    txtNev->setText(nev);
    RlbCim->setText(cim);
    txtCim->setText(cim);
    RlbHelys->setText(helyseg);
    txtHelys->setText(helyseg);
    RlbIrsz->setText(irsz);
    txtIrsz->setText(irsz);
  } else {
    RtxNev[0]->setText(nev);
    // A fixed party with no address at all gives an empty line, not a lone comma that
    // would be printed on the form.
    const bool nincsCim = irsz.trimmed().isEmpty() && helyseg.isEmpty() && cim.isEmpty();
    RtxCim->setText(nincsCim ? QString() : irsz + QLatin1Char(' ') + helyseg + QStringLiteral(", ") + cim);
  }
}

void RcsekkLap::setPreview(const QImage& kep) {
  Picture7->setPixmap(kep.isNull() ? QPixmap() : QPixmap::fromImage(kep));
}
