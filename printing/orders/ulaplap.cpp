#include "printing/orders/ulaplap.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/recordfile.h"
#include "records/tricheckbox.h"

UlapLap::UlapLap(const Platform& platform, SetRcsekkRekord& rcsekk, QWidget* parent)
    : QWidget(parent), platform_(platform), rcsekk_(rcsekk) {
  Picture6 = new QLabel(this);
  Picture6->setObjectName(QStringLiteral("Picture6"));
  Picture6->setFrameShape(QFrame::StyledPanel);
  Picture6->setScaledContents(true);
  Picture6->setMinimumSize(8325 / 15, 360);

  auto mezo = [this](const QString& n) {
    auto* e = new QLineEdit(Picture6);
    e->setObjectName(n);
    return e;
  };
  auto cimke = [this](const QString& n, const QString& felirat = {}) {
    auto* l = new QLabel(felirat, Picture6);
    l->setObjectName(n);
    return l;
  };
  auto doboz = [this](const QString& n, const QString& felirat) {
    auto* c = new TriCheckBox(felirat, Picture6);
    c->setObjectName(n);
    return c;
  };

  cmdUtanvetOdalCsere = new QPushButton(QStringLiteral("Hátoldala"), this);
  cmdUtanvetOdalCsere->setObjectName(QStringLiteral("cmdUtanvetOdalCsere"));

  txUosszeg = mezo(QStringLiteral("txUosszeg"));
  lbUosszeg = cimke(QStringLiteral("lbUosszeg"));
  lbosszegBetuvel1 = cimke(QStringLiteral("lbosszegBetuvel1"));
  lbosszegBetuvel2 = cimke(QStringLiteral("lbosszegBetuvel2"));
  txUNev = mezo(QStringLiteral("txUNev"));
  txUCim = mezo(QStringLiteral("txUCim"));
  lbUNev = cimke(QStringLiteral("lbUNev"));
  lbUHelyseg = cimke(QStringLiteral("lbUHelyseg"));
  lbUCim = cimke(QStringLiteral("lbUCim"));
  lbUIrszam = cimke(QStringLiteral("lbUIrszam"));
  chkUtanvetR = doboz(QStringLiteral("chkUtanvetR"), QStringLiteral("R"));
  chkUtanvetEL = doboz(QStringLiteral("chkUtanvetEL"), QStringLiteral("ÉL"));
  lbUtXR = cimke(QStringLiteral("lbUtXR"), QStringLiteral("X"));
  lbUtXEL = cimke(QStringLiteral("lbUtXEL"), QStringLiteral("X"));
  chkCimzettCsereUlap = doboz(QStringLiteral("chkCimzettCsereUlap"), QStringLiteral("Címzettek cseréje"));
  lbUNevHatul = cimke(QStringLiteral("lbUNevHatul"));
  lbUHelysegHatul = cimke(QStringLiteral("lbUHelysegHatul"));
  lbUCimHatul = cimke(QStringLiteral("lbUCimHatul"));
  lbUIrszamHatul = cimke(QStringLiteral("lbUIrszamHatul"));

  auto* g = new QGridLayout(Picture6);
  g->addWidget(txUosszeg, 0, 0);
  g->addWidget(lbUosszeg, 0, 1);
  g->addWidget(lbosszegBetuvel1, 1, 0, 1, 3);
  g->addWidget(lbosszegBetuvel2, 2, 0, 1, 3);
  g->addWidget(lbUNev, 3, 0, 1, 3);
  g->addWidget(lbUHelyseg, 4, 0, 1, 3);
  g->addWidget(lbUCim, 5, 0, 1, 3);
  g->addWidget(lbUIrszam, 6, 0, 1, 3);
  g->addWidget(chkUtanvetR, 7, 0);
  g->addWidget(lbUtXR, 7, 1);
  g->addWidget(chkUtanvetEL, 8, 0);
  g->addWidget(lbUtXEL, 8, 1);
  g->addWidget(txUNev, 9, 0, 1, 3);
  g->addWidget(txUCim, 10, 0, 1, 3);
  g->addWidget(chkCimzettCsereUlap, 11, 0, 1, 3);
  g->addWidget(lbUNevHatul, 12, 0, 1, 3);
  g->addWidget(lbUHelysegHatul, 13, 0, 1, 3);
  g->addWidget(lbUCimHatul, 14, 0, 1, 3);
  g->addWidget(lbUIrszamHatul, 15, 0, 1, 3);
  g->setRowStretch(16, 1);
  for (QLabel* l : {lbUtXR, lbUtXEL, lbUNevHatul, lbUHelysegHatul, lbUCimHatul, lbUIrszamHatul}) l->hide();

  auto* l = new QVBoxLayout(this);
  l->addWidget(cmdUtanvetOdalCsere, 0, Qt::AlignLeft);
  l->addWidget(Picture6, 1);
}

void UlapLap::belep() {
  loadSettings(platform_.folder, kSetRcsekkFile, rcsekk_);
  lbUNev->setText(trimmed(rcsekk_.RcsekkNev));
  if (isTrue(rcsekk_.ULapCizett)) {
    lbUCim->setText(trimmed(rcsekk_.RcsekkCim));
    lbUHelyseg->setText(trimmed(rcsekk_.RcsekkHelyseg));
    lbUIrszam->setText(asStored(rcsekk_.RcsekkIrszam));
  } else {
    lbUCim->setText(trimmed(rcsekk_.BankNum));
    lbUHelyseg->setText(trimmed(rcsekk_.BankNeve));
    lbUIrszam->setText(asStored(rcsekk_.BankIrsz));
  }
}

void UlapLap::setPreview(const QImage& kep) {
  Picture6->setPixmap(kep.isNull() ? QPixmap() : QPixmap::fromImage(kep));
}
