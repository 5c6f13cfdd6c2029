#include "records/fizetolista.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "common/cp1250.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "common/tricheckbox.h"
#include "records/nevekrekord.h"

namespace {

constexpr int kDeleteKey = 46;
// Twips to pixels at 96 dots per inch.
int px(int twips) { return twips / 15; }

QString mezo(const char* rekord, int at, int width) { return cp1250::decode(rekord + at, width); }

}  // namespace

QString rekordSzoveg(int32_t n, bool padded) {
  const QString s = QString::number(n);
  return padded ? s.rightJustified(6, QLatin1Char(' ')) : s;
}

std::vector<ListaSor> listaSorok(const QByteArray& rekordok, bool padded, const std::optional<QString>& kereses) {
  using R = NevekRekord;
  const int32_t db = int32_t(rekordok.size() / R::Length);
  const QString keresett = kereses ? trimmed(*kereses).toUpper() : QString();
  std::vector<ListaSor> sorok;
  sorok.reserve(size_t(db));
  for (int32_t n = 1; n <= db; ++n) {
    const char* r = rekordok.constData() + qint64(n - 1) * R::Length;
    QString nev = trimmed(mezo(r, R::NevAt, R::NevWidth));
    // A blank name contains no text, not even the empty one.
    if (kereses && (nev.isEmpty() || !nev.toUpper().contains(keresett))) continue;
    ListaSor s;
    s.nev = std::move(nev);
    s.cim = asStored(mezo(r, R::IrszAt, R::IrszWidth)) + QLatin1Char(' ') + trimmed(mezo(r, R::HelysegAt, R::HelysegWidth)) +
            QLatin1String(", ") + asStored(mezo(r, R::CimAt, R::CimWidth));
    s.rec = rekordSzoveg(n, padded);
    sorok.push_back(std::move(s));
  }
  return sorok;
}

FizetoLista::FizetoLista(const Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform), modell_(new ListaModell(this)) {
  ListView1 = new QTreeView(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setModel(modell_);
  ListView1->setRootIsDecorated(false);
  ListView1->setItemsExpandable(false);
  ListView1->setUniformRowHeights(true);  // keeps 100,000 rows fast
  ListView1->setAllColumnsShowFocus(true);
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
  connect(ListView1->header(), &QHeaderView::sectionClicked, this, [this](int i) { ListView1_ColumnClick(i); });
  connect(cmdListaRejt, &QPushButton::clicked, this, [this] { cmdListaRejt_Click(); });
}

void FizetoLista::betolt(bool padded, const std::optional<QString>& kereses) {
  QByteArray rekordok;
  {
    RecordFile f(platform_.folder, kNevekFile, NevekRekord::Length);
    rekordok = f.readRange(1, f.count());
  }
  modell_->feltolt(listaSorok(rekordok, padded, kereses));
}

void FizetoLista::Beolvas() { betolt(true, std::nullopt); }

// The button reads the same file in the program folder as the load, whatever the current
// folder is; only the record numbers are written bare.
void FizetoLista::cmdBeolvas_Click() { betolt(false, std::nullopt); }

void FizetoLista::NevKereses(const QString& text) { betolt(false, text); }

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

int32_t FizetoLista::rekordSzam(int sor) const {
  const double v = leadingValue(modell_->szoveg(sor, 2));
  return int32_t(std::clamp(std::llround(v), 0LL, 2147483647LL));
}

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
