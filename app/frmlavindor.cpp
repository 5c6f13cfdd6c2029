#include "app/frmlavindor.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QSplitter>
#include <QTabWidget>

#include "common/messages.h"
#include "common/setrekord.h"
#include "printing/slips/csekklap.h"
#include "records/fizetolista.h"
#include "records/tricheckbox.h"
#include "version.h"

QString frmLavindor::cim() {
  return QStringLiteral("Lavindor program - %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

frmLavindor::frmLavindor(const Platform& platform, Allapot& allapot, QWidget* parent)
    : QMainWindow(parent), platform_(platform), allapot_(allapot) {
  setObjectName(QStringLiteral("frmLavindor"));
  setWindowTitle(cim());

  SSTab1 = new QTabWidget;
  SSTab1->setObjectName(QStringLiteral("SSTab1"));
  csekkLap = new CsekkLap;
  SSTab1->addTab(csekkLap, QStringLiteral("Sárga csekk"));

  lista = new FizetoLista(platform_);
  auto* osztott = new QSplitter(Qt::Horizontal);
  osztott->addWidget(SSTab1);
  osztott->addWidget(lista);
  osztott->setStretchFactor(0, 1);
  osztott->setStretchFactor(1, 1);
  osztott->setSizes({500, 600});  // the list shows its three columns whole
  setCentralWidget(osztott);

  mnuKilep = menuBar()->addAction(QStringLiteral("&Kilépés"));
  mnuKilep->setObjectName(QStringLiteral("mnuKilep"));
  connect(mnuKilep, &QAction::triggered, this, [this] { mnuKilep_Click(); });
  connect(csekkLap->txNev, &QLineEdit::textChanged, this, [this] { txNev_Change(); });

  resize(1100, 711);  // 10665 twips high
  Form_Load();
}

void frmLavindor::Form_Load() {
  lista->modell()->urit();
  loadSet(platform_.folder, allapot_.Set);
  // Runs chkListaSorren_Click when the value differs from the box's; a stored value the box
  // cannot hold (not 0, 1 or 2) is skipped and the box stays as it is.
  lista->chkListaSorren->setValue(allapot_.Set.ListaSorren);
  lista->Beolvas();
}

void frmLavindor::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  // Errors are ignored: a folder that cannot be written keeps the file as it was.
  const int ertek = lista->chkListaSorren->value();
  saveSetFields(platform_.folder, allapot_.Set, [ertek](SetRekord& s) { s.ListaSorren = int16_t(ertek); });
}

void frmLavindor::mnuKilep_Click() {
  if (!platform_.messages->ask(QStringLiteral("Biztos hogy Befejezed?\n\n"), QStringLiteral(" Kilépés "))) return;
  close();
}

void frmLavindor::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

void frmLavindor::txNev_Change() {
  const QString nev = csekkLap->txNev->text();
  csekkLap->Text1[1]->setText(nev);
  if (lista->Check1->value() == 1) lista->NevKereses(nev);
}
