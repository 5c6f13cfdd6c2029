#include "payerwindows/fizetolista.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "common/messages.h"
#include "common/tricheckbox.h"
#include "payerstore/nevekrekord.h"

namespace {

constexpr int kDeleteKey = 46;
// Twips to pixels at 96 dots per inch.
int px(int twips) { return twips / 15; }

}  // namespace

FizetoLista::FizetoLista(const Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform), modell_(new ListaModell(this)) {
  ListView1 = new ListaNezet(this);
  ListView1->valtozott = [this] {
    const int sor = ListView1->currentIndex().row();
    if (sor >= 0 && billentyuValasztas) billentyuValasztas(sor);
  };
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setModel(modell_);
  ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
  ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ListView1->setToolTip(QStringLiteral("''Delete\" -  kijelöltek törlése a listából"));
  ListView1->header()->setStretchLastSection(false);
  ListView1->header()->setSectionsClickable(true);
  ListView1->header()->resizeSection(0, px(3000));
  ListView1->header()->resizeSection(1, px(4000));
  ListView1->header()->resizeSection(2, px(1440));
  ListView1->installEventFilter(this);

  cmdBeolvas = new QPushButton(QStringLiteral("Beol&vasás"), this);
  cmdBeolvas->setToolTip(QStringLiteral("Teljes adatállomány beolvasása a listába"));
  chkListaSorren = new TriCheckBox(QStringLiteral("Lista sorrend növekedő"), this);
  Check1 = new TriCheckBox(QStringLiteral("Kereséshez kipipálni!"), this);
  Check1->setToolTip(QStringLiteral("Kereséshez kipipálni..."));
  lbKijelolve = new QLabel(this);
  lbKijelolve->setToolTip(QStringLiteral("A listamezőben kijelölt sorok száma."));
  lbKijelolve->setMinimumWidth(px(700));

  // The address-choice frame of the payer dialog's lookup; shown by the lookup when needed.
  frameCimKeres = new QGroupBox(QStringLiteral("Válassza ki, melyik címre gondolt..."), this);
  cmdListaRejt = new QPushButton(QStringLiteral("Lista elrejtése"), frameCimKeres);
  auto* keret = new QVBoxLayout(frameCimKeres);
  keret->addWidget(cmdListaRejt, 0, Qt::AlignRight);
  frameCimKeres->hide();

  auto* gombok = new QHBoxLayout;
  gombok->addWidget(cmdBeolvas);
  gombok->addWidget(chkListaSorren);
  gombok->addWidget(Check1);
  gombok->addStretch();
  gombok->addWidget(lbKijelolve);
  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(0, 0, 0, 0);
  l->addWidget(ListView1, 1);
  l->addLayout(gombok);
  l->addWidget(frameCimKeres);

  // Until the order box is first clicked, the order follows its clear state: descending.
  modell_->setRendezes(0, Qt::DescendingOrder, false);

  connect(cmdBeolvas, &QPushButton::clicked, this, [this] { cmdBeolvas_Click(); });
  connect(chkListaSorren, &QCheckBox::stateChanged, this, [this] { chkListaSorren_Click(); });
  connect(Check1, &QCheckBox::stateChanged, this, [this] { modell_->setKereses(Check1->value() == 1); });
  connect(ListView1->header(), &QHeaderView::sectionClicked, this, [this](int i) { ListView1_ColumnClick(i); });
  connect(cmdListaRejt, &QPushButton::clicked, this, [this] { cmdListaRejt_Click(); });
}

void FizetoLista::Beolvas() {
  modell_->beolvas(platform_.folder, true);
  olvasasUtan();
}

// The button reads the same file in the program folder as the load, whatever the current
// folder is; only the record numbers are written bare.
void FizetoLista::cmdBeolvas_Click() {
  modell_->beolvas(platform_.folder, false);
  olvasasUtan();
}

// Searches the names kept from the last load; the file is read again only when it changed.
void FizetoLista::NevKereses(const QString& text) {
  if (modell_->keres(platform_.folder, text)) olvasasUtan();
}

void FizetoLista::olvasasUtan() {
  const QString hiba = modell_->olvasasiHiba();
  if (olvasasiHiba) *olvasasiHiba = hiba;
  if (!hiba.isEmpty() && platform_.messages)
    platform_.messages->info(hiba, QStringLiteral("Hiba"), MsgIcon::Critical);
}

void FizetoLista::ListView1_ColumnClick(int oszlop) {
  modell_->setRendezes(oszlop, modell_->rendezSorrend(), true);
  mutatRendezes();
}

void FizetoLista::chkListaSorren_Click() {
  modell_->setRendezes(modell_->rendezOszlop(), chkListaSorren->value() == 0 ? Qt::DescendingOrder : Qt::AscendingOrder, true);
  mutatRendezes();
}

void FizetoLista::mutatRendezes() {
  ListView1->header()->setSortIndicatorShown(modell_->rendezve());
  ListView1->header()->setSortIndicator(modell_->rendezOszlop(), modell_->rendezSorrend());
}

void FizetoLista::ListView1_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode != kDeleteKey) return;
  modell_->torol(kijeloltSorok());
  lbKijelolve->clear();
}

void FizetoLista::cmdListaRejt_Click() { frameCimKeres->hide(); }

int32_t FizetoLista::rekordSzam(int sor) const { return modell_->rekordSzam(sor); }

std::vector<int> FizetoLista::kijeloltSorok() const {
  std::vector<int> sorok;
  for (const QModelIndex& i : ListView1->selectionModel()->selectedRows()) sorok.push_back(i.row());
  std::sort(sorok.begin(), sorok.end());
  return sorok;
}

bool FizetoLista::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListView1 && event->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(event);
    if (k->key() == Qt::Key_Delete) {
      int shift = 0;
      if (k->modifiers() & Qt::ShiftModifier) shift |= 1;
      if (k->modifiers() & Qt::ControlModifier) shift |= 2;
      if (k->modifiers() & Qt::AltModifier) shift |= 4;
      ListView1_KeyDown(kDeleteKey, shift);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

QStringList FizetoLista::kijeloltRekordok() const {
  QStringList r;
  for (int sor : kijeloltSorok()) r << szoveg(sor, 2);
  return r;
}
