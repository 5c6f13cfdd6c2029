#include "printing/slips/csekklap.h"

#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CsekkLap::CsekkLap(QWidget* parent) : QWidget(parent) {
  auto mezo = [this](const char* nev) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(nev));
    return e;
  };
  txNev = mezo("txNev");
  txCim1 = mezo("txCim1");
  txCim2 = mezo("txCim2");
  txIrszam = mezo("txIrszam");

  Picture2 = new QFrame(this);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  Picture2->setFrameShape(QFrame::StyledPanel);
  Picture2->setMinimumSize(480, 240);
  auto* kep = new QGridLayout(Picture2);
  for (int i = 0; i < 4; ++i) {
    Text1[size_t(i)] = new QLineEdit(Picture2);
    Text1[size_t(i)]->setObjectName(QStringLiteral("Text1_%1").arg(i));
    Text1[size_t(i)]->setReadOnly(true);
    Text1[size_t(i)]->setFrame(false);
  }
  // As on the slip: name, settlement, street, postcode from the top.
  kep->addWidget(Text1[1], 0, 0);
  kep->addWidget(Text1[0], 1, 0);
  kep->addWidget(Text1[2], 2, 0);
  kep->addWidget(Text1[3], 3, 0);
  kep->setRowStretch(4, 1);

  auto* l = new QVBoxLayout(this);
  l->addWidget(txNev);
  l->addWidget(txCim1);
  l->addWidget(txCim2);
  l->addWidget(txIrszam);
  l->addWidget(Picture2, 1);

  connect(txCim1, &QLineEdit::textChanged, this, [this] { txCim1_Change(); });
  connect(txCim2, &QLineEdit::textChanged, this, [this] { txCim2_Change(); });
  connect(txIrszam, &QLineEdit::textChanged, this, [this] { txIrszam_Change(); });
}

void CsekkLap::txCim1_Change() { Text1[0]->setText(txCim1->text()); }
void CsekkLap::txCim2_Change() { Text1[2]->setText(txCim2->text()); }
void CsekkLap::txIrszam_Change() { Text1[3]->setText(txIrszam->text()); }
