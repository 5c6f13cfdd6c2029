#include "exchange/frmautbeolvas.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QScreen>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "common/fajlmuvelet.h"
#include "common/cp1250.h"
#include "common/fields.h"
#include "common/messages.h"
#include "common/setrekord.h"
#include "common/tricheckbox.h"

bool tarolhatoMappa(const QString& mappa) {
  const QString nfc = mappa.normalized(QString::NormalizationForm_C);
  const QByteArray b = cp1250::encode(nfc);
  return b.size() <= 255 && cp1250::decode(b) == nfc;
}

frmAutBeolvas::frmAutBeolvas(Platform& platform, SetRekord& set, std::function<void(bool)> idozito, QWidget* parent)
    : QDialog(parent), platform_(platform), set_(set), idozito_(std::move(idozito)) {
  setObjectName(QStringLiteral("frmAutBeolvas"));
  setWindowTitle(QStringLiteral("Automatikus adat beolvasás"));
  setModal(true);

  chkAutBeolvas = new TriCheckBox(QStringLiteral("Automatikus adatbeolvasás engedélyezése."));
  chkAutBeolvas->setObjectName(QStringLiteral("chkAutBeolvas"));
  opHozzafüzes[0] = new QRadioButton(QStringLiteral("Beolvasott adatok hozzáfűzése a meglévő adatbázishoz."));
  opHozzafüzes[1] = new QRadioButton(QStringLiteral("Meglévő adatbázis felülírása az új adatokkal."));
  for (int i = 0; i < 2; ++i) {
    opHozzafüzes[size_t(i)]->setObjectName(QStringLiteral("opHozzafüzes%1").arg(i));
    connect(opHozzafüzes[size_t(i)], &QRadioButton::toggled, this, [this, i](bool be) {
      if (be) opHozzafüzes_Click(i);
    });
  }
  chkAutoPrint = new TriCheckBox(QStringLiteral("Importálás után automatikus csekk nyomtatás"));
  chkAutoPrint->setObjectName(QStringLiteral("chkAutoPrint"));
  Label2 = new QLabel(QStringLiteral(
      "A figyelt mappába került \"*.csv\" fájlt a program beolvassa és importálja: a beállítás szerint "
      "hozzáfűzi a meglévő adatbázishoz, vagy lecseréli vele az adatbázist. Az importálás után a fájlt "
      "törli a figyelt mappából."));
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setWordWrap(true);

  Drive1 = new QComboBox;
  Drive1->setObjectName(QStringLiteral("Drive1"));
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
    if (v.isValid() && v.isReady()) Drive1->addItem(v.rootPath(), v.rootPath());
  modell_ = new QFileSystemModel(this);
  modell_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
  modell_->setRootPath(QStringLiteral("/"));
  Dir1 = new QTreeView;
  Dir1->setObjectName(QStringLiteral("Dir1"));
  Dir1->setModel(modell_);
  for (int c = 1; c < modell_->columnCount(); ++c) Dir1->hideColumn(c);
  Dir1->header()->hide();
  txtAutBeolvas = new QLineEdit;
  txtAutBeolvas->setObjectName(QStringLiteral("txtAutBeolvas"));
  cmdMent = new QPushButton(QStringLiteral("&Beállítások mentése"));
  cmdMent->setObjectName(QStringLiteral("cmdMent"));
  Command1 = new QPushButton(QStringLiteral("&Mégse"));
  Command1->setObjectName(QStringLiteral("Command1"));

  auto* l = new QVBoxLayout(this);
  l->addWidget(chkAutBeolvas);
  auto* mod = new QGroupBox;
  auto* ml = new QVBoxLayout(mod);
  ml->addWidget(opHozzafüzes[0]);
  ml->addWidget(opHozzafüzes[1]);
  ml->addWidget(chkAutoPrint);
  l->addWidget(mod);
  l->addWidget(Label2);
  l->addWidget(new QLabel(QStringLiteral("Meghajtó választás:")));
  l->addWidget(Drive1);
  l->addWidget(new QLabel(QStringLiteral("A figyelt mappa kiválasztása:")));
  l->addWidget(Dir1, 1);
  l->addWidget(new QLabel(QStringLiteral("A figyelt mappa útvonala:")));
  l->addWidget(txtAutBeolvas);
  auto* gombok = new QHBoxLayout;
  gombok->addStretch(1);
  gombok->addWidget(cmdMent);
  gombok->addWidget(Command1);
  l->addLayout(gombok);
  resize(520, 560);

  connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
  connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { Dir1_Change(); });
  connect(modell_, &QAbstractItemModel::rowsInserted, this, [this] { kovetes(); });
  connect(modell_, &QAbstractItemModel::rowsRemoved, this, [this] { kovetes(); });
  connect(modell_, &QAbstractItemModel::layoutChanged, this, [this] { kovetes(); });
  auto felhasznalo = [this] {
    if (!beallitas_) kovet_ = false;
  };
  connect(Dir1, &QTreeView::expanded, this, felhasznalo);
  connect(Dir1, &QTreeView::collapsed, this, felhasznalo);
  connect(Dir1->verticalScrollBar(), &QScrollBar::actionTriggered, this, felhasznalo);
  connect(cmdMent, &QPushButton::clicked, this, [this] { cmdMent_Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  Form_Load();
}

namespace {
const QString kNemMentheto = QStringLiteral("\r\nAz automatikus beolvasás beállításai nem menthetők.");
}  // namespace

void frmAutBeolvas::Form_Load() {
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  if (idozito_) idozito_(false);
  // A Set.dat that cannot be read is said, and the boxes it would fill are not saved over it.
  if (!loadSet(platform_.folder, set_, &olvasasHiba_))
    platform_.messages->info(olvasasHiba_ + kNemMentheto, windowTitle(), MsgIcon::Critical);
  chkAutBeolvas->setValue(set_.AutBeolvas >= 0 && set_.AutBeolvas <= 2 ? set_.AutBeolvas : 0);
  const bool felulir = isTrue(set_.AutBeolvasFelulir);
  opHozzafüzes[felulir ? 1 : 0]->setChecked(true);
  chkAutoPrint->setEnabled(felulir);
  chkAutoPrint->setValue(set_.AutoPrint >= 0 && set_.AutoPrint <= 2 ? set_.AutoPrint : 0);
  const QString mappa = trimmed(set_.AutBeolvasMappa);
  setDir1(mappa);
  txtAutBeolvas->setText(mappa);
}

void frmAutBeolvas::opHozzafüzes_Click(int index) {
  if (index == 1) {
    chkAutoPrint->setEnabled(true);
    return;
  }
  chkAutoPrint->setEnabled(false);
  chkAutoPrint->setValue(0);
}

QString frmAutBeolvas::dir1Path() const {
  const QModelIndex i = Dir1->currentIndex();
  return i.isValid() ? modell_->filePath(i) : QString();
}

bool frmAutBeolvas::setDir1(const QString& path) {
  // A folder that cannot be asked about is not shown: the text box keeps the stored path.
  if (path.isEmpty()) return false;
  if (const Valasz<FajlAdat> a = fajlAdat(path); !a || !a->mappa()) return false;
  const QString abs = QFileInfo(path).absoluteFilePath();
  const QString gyoker = QStorageInfo(abs).rootPath();
  const int d = Drive1->findData(gyoker);
  if (d >= 0 && d != Drive1->currentIndex()) {
    const QSignalBlocker csend(Drive1);
    Drive1->setCurrentIndex(d);
  }
  Dir1->setRootIndex(modell_->index(gyoker.isEmpty() ? QStringLiteral("/") : gyoker));
  // The tree opens down to the folder, which shows its own subfolders, as a folder list does.
  const QModelIndex i = modell_->index(abs);
  beallitas_ = true;
  for (QModelIndex f = i; f.isValid(); f = f.parent()) Dir1->expand(f);
  Dir1->setCurrentIndex(i);
  beallitas_ = false;
  kovet_ = true;
  aktualisMutatasa();
  return true;
}

void frmAutBeolvas::aktualisMutatasa() {
  const QModelIndex i = Dir1->currentIndex();
  if (!i.isValid()) return;
  beallitas_ = true;
  Dir1->scrollTo(i, QAbstractItemView::PositionAtCenter);
  beallitas_ = false;
}

void frmAutBeolvas::kovetes() {
  if (!kovet_ || kovetesVar_) return;
  kovetesVar_ = true;
  QTimer::singleShot(0, this, [this] {
    kovetesVar_ = false;
    if (kovet_) aktualisMutatasa();
  });
}

void frmAutBeolvas::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  aktualisMutatasa();  // only now has the tree its height
}

void frmAutBeolvas::Drive1_Change() {
  const QString gyoker = Drive1->currentData().toString();
  // A volume that cannot be read leaves both lists as they were.
  if (gyoker.isEmpty() || !QDir(gyoker).isReadable()) return;
  kovet_ = false;
  Dir1->setRootIndex(modell_->index(gyoker));
  Dir1->setCurrentIndex(modell_->index(gyoker));
  txtAutBeolvas->setText(gyoker);
}

void frmAutBeolvas::Dir1_Change() {
  if (!beallitas_) kovet_ = false;
  const QString p = dir1Path();
  if (!p.isEmpty()) txtAutBeolvas->setText(p);
}

void frmAutBeolvas::cmdMent_Click() {
  if (!olvasasHiba_.isEmpty()) {
    platform_.messages->info(olvasasHiba_ + kNemMentheto, windowTitle(), MsgIcon::Critical);
    return;
  }
  const QString mappa = txtAutBeolvas->text().trimmed();
  if (!tarolhatoMappa(mappa)) {
    platform_.messages->info(QStringLiteral("A figyelt mappa útvonala nem tárolható: legfeljebb 255 bájt lehet, és "
                                            "csak a közép-európai (1250-es) kódlap betűit tartalmazhatja.\r\n"
                                            "Válasszon másik mappát."),
                             windowTitle(), MsgIcon::Exclamation);
    return;
  }
  const int aut = chkAutBeolvas->value();
  const bool felulir = opHozzafüzes[1]->isChecked();
  const int print = chkAutoPrint->value();
  const MentesEredmeny e = saveSetFields(platform_.folder, set_, [&](SetRekord& s) {
    s.AutBeolvas = int16_t(aut);
    s.AutBeolvasFelulir = flagOf(felulir);
    s.AutBeolvasMappa = mappa.normalized(QString::NormalizationForm_C);
    s.AutoPrint = int16_t(print);
  });
  if (!e) {
    platform_.messages->info(
        mentesUzenet(e, QStringLiteral("A beállítások nem menthetők (Set.dat)."), QStringLiteral("a beállítások")),
        windowTitle(), MsgIcon::Critical);
    // Settings that reached the file act as saved ones.
    if (!e.ujLemezen()) return;
  }
  if (idozito_) idozito_(aut == 1 && !mappa.isEmpty());
  accept();
}

void frmAutBeolvas::Command1_Click() { reject(); }

void frmAutBeolvas::done(int r) {
  Form_Unload();
  QDialog::done(r);
}

void frmAutBeolvas::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  // The next tick switches the timer off again when the import is off or has no folder.
  if (idozito_) idozito_(true);
}
