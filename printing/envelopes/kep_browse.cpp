#include "printing/envelopes/kep_browse.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStorageInfo>
#include <QVBoxLayout>

#include <cmath>

#include "common/messages.h"
#include "common/platform.h"
#include "common/recordfile.h"
#include "printing/envelopes/kepmeret.h"

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kElonezet = 4215;  // the preview's side, twips

const QString kKepMinta = QStringLiteral("*.jpg;*.gif;*.bmp");
const QString kMindMinta = QStringLiteral("*.*");

// One part of a pattern ("*.jpg") as a case-blind expression; "*.*" takes every name, as it
// does on the system the pattern comes from.
QRegularExpression mintaKifejezes(QString resz) {
  if (resz.endsWith(QLatin1String("*.*"))) resz.chop(2);
  QString re;
  for (const QChar c : resz) {
    if (c == QLatin1Char('*')) re += QLatin1String(".*");
    else if (c == QLatin1Char('?')) re += QLatin1Char('.');
    else re += QRegularExpression::escape(QString(c));
  }
  return QRegularExpression(QRegularExpression::anchoredPattern(re), QRegularExpression::CaseInsensitiveOption);
}

QString behuz(int melyseg, const QString& nev) { return QString(melyseg * 2, QLatin1Char(' ')) + nev; }

// The lines of the message table by error number.
QStringList hibaSorok(int szam) {
  switch (szam) {
    case 5:
      return {QStringLiteral("                Illegális funkció hívás !"),
              QStringLiteral(" Valószinüleg a dátum, vagy az idő formátum"), QStringLiteral("  nem megfelelő."),
              QStringLiteral(" Helyesen a dátum: éééé.hh.nn"), QStringLiteral(" Helyesen az idő: óó:pp"),
              QStringLiteral(" "), QStringLiteral("Az idő, a vezérlőpult 'Nemzetközi' ikonnal"),
              QStringLiteral(" állítható be.")};
    case 7: return {QStringLiteral("A program futtatásához kevés a memória !")};
    case 13: return {QStringLiteral("           Típus hiba !")};
    case 17: return {QStringLiteral("A program futtatása nem folytatható.")};
    case 53: return {QStringLiteral("A file nem található !")};
    case 55: return {QStringLiteral("A fájl már megnyitott !")};
    case 68: return {QStringLiteral("A kívánt eszköz nem elérhető.")};
    case 71: return {QStringLiteral("Az 'A' floppy lemezegység nem elérhető.")};
    case 76: return {QStringLiteral("A kijelölt elérési út nem található.")};
    default: return {QStringLiteral("Ismeretlen hiba.")};
  }
}

}  // namespace

FajlHiba mappaHiba(const QString& mappa) {
  const QFileInfo fi(mappa);
  const QStorageInfo kotet(mappa);
  if (kotet.isValid() && !kotet.isReady()) return {68, QStringLiteral("Az eszköz nem áll készen.")};
  if (!fi.exists() || !fi.isDir()) return {76, QStringLiteral("Az elérési út nem található.")};
  if (!fi.isReadable() || !QDir(mappa).isReadable()) return {75, QStringLiteral("A mappa nem olvasható.")};
  return {};
}

kep_browse::kep_browse(const Platform& platform, QString& KivalasztottKep, QWidget* parent)
    : QDialog(parent), platform_(platform), kivalasztott_(KivalasztottKep), elozo_(KivalasztottKep) {
  setObjectName(QStringLiteral("kep_browse"));
  setWindowTitle(QStringLiteral("Kép keresés"));
  setModal(true);
  auto nev = [](QObject* o, const char* n) { o->setObjectName(QString::fromLatin1(n)); };

  Drive1 = new QComboBox(this);
  nev(Drive1, "Drive1");
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
    if (v.isValid()) Drive1->addItem(v.rootPath(), v.rootPath());
  Dir1 = new QListWidget(this);
  nev(Dir1, "Dir1");
  File1 = new QListWidget(this);
  nev(File1, "File1");
  Label1 = new QLabel(this);
  nev(Label1, "Label1");
  Label2 = new QLabel(QStringLiteral("Keresés szűkítése:"), this);
  nev(Label2, "Label2");
  Text1 = new QLineEdit(this);
  nev(Text1, "Text1");
  Option1[0] = new QRadioButton(QStringLiteral("*.*   összes"), this);
  nev(Option1[0], "Option1_0");
  Option1[1] = new QRadioButton(QStringLiteral("*.jpg; *.gif; *.bmp -  kép fájl"), this);
  nev(Option1[1], "Option1_1");
  Option1[1]->setChecked(true);
  Check1 = new QCheckBox(QStringLiteral("Preview"), this);
  nev(Check1, "Check1");
  Check1->setChecked(true);
  Check1->setToolTip(QStringLiteral("Képek előnézete. Lassítja a futást gyengébb gépeknél..."));
  Image1 = new QLabel(this);
  nev(Image1, "Image1");
  Image1->setFixedSize(kElonezet / kTwipsPerPixel, kElonezet / kTwipsPerPixel);
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setFrameShape(QFrame::StyledPanel);
  Command1 = new QPushButton(this);
  nev(Command1, "Command1");
  Command1->setToolTip(QStringLiteral("Aktuális meghajtó gyökérkönyvtárba ugrás..."));
  Command2 = new QPushButton(QStringLiteral("&Rendben"), this);
  nev(Command2, "Command2");
  Command2->setToolTip(QStringLiteral("A kijelölt kép elfogadása."));
  Command2->setEnabled(false);  // until a picture is chosen
  Command2->setAutoDefault(false);
  Command3 = new QPushButton(QStringLiteral("&Mégsem"), this);
  nev(Command3, "Command3");
  Command3->setAutoDefault(false);
  Command1->setAutoDefault(false);

  auto* g = new QGridLayout(this);
  auto* bal = new QVBoxLayout;
  bal->addWidget(Drive1);
  bal->addWidget(Dir1, 1);
  bal->addWidget(Command1);
  auto* kozep = new QVBoxLayout;
  kozep->addWidget(Label2);
  kozep->addWidget(Text1);
  kozep->addWidget(File1, 1);
  kozep->addWidget(Option1[0]);
  kozep->addWidget(Option1[1]);
  auto* jobb = new QVBoxLayout;
  jobb->addWidget(Check1);
  jobb->addWidget(Image1);
  jobb->addStretch(1);
  g->addLayout(bal, 0, 0);
  g->addLayout(kozep, 0, 1);
  g->addLayout(jobb, 0, 2);
  g->addWidget(Label1, 1, 0, 1, 3);
  auto* gombok = new QHBoxLayout;
  gombok->addStretch(1);
  gombok->addWidget(Command2);
  gombok->addWidget(Command3);
  g->addLayout(gombok, 2, 0, 1, 3);
  g->setColumnStretch(0, 1);
  g->setColumnStretch(1, 1);

  connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
  connect(Dir1, &QListWidget::itemActivated, this, [this](QListWidgetItem* i) {
    setDir1Path(i->data(Qt::UserRole).toString());
  });
  connect(Dir1, &QListWidget::itemClicked, this, [this] { Dir1_Click(); });
  connect(File1, &QListWidget::currentRowChanged, this, [this] { File1_Click(); });
  connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
  for (QRadioButton* o : Option1)
    connect(o, &QRadioButton::toggled, this, [this](bool be) { if (be) Option1_Click(); });
  connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  Form_Load();
}

MessageBoxes& kep_browse::msg() { return platform_.messages ? *platform_.messages : unseen_; }

void kep_browse::Form_Load() {
  adjustSize();
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect r = s->availableGeometry();
    move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
  }
}

void kep_browse::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!aktivalva_) {
    aktivalva_ = true;
    Form_Activate();
  }
}

void kep_browse::Form_Activate() {
  // The folder of the last closing, while it still exists; else the program folder.
  BrowseRekord b;
  (void)loadSettings(platform_.folder, kBrowseFile, b);  // unread: no folder, the program folder
  const QString mentett = trimmed(b.Mappa);
  const QString start = !mentett.isEmpty() && QFileInfo(mentett).isDir() ? mentett : platform_.folder;
  driveValaszt(start);
  minta_ = opcioMinta();
  setDir1Path(start, false);
  file1Frissit();
  Label1->setText(dir1_);
  Text1->setFocus();
  Image1->clear();
}

void kep_browse::driveValaszt(const QString& mappa) {
  const QString gyoker = QStorageInfo(mappa).rootPath();
  const QSignalBlocker csend(Drive1);
  const int i = Drive1->findData(gyoker);
  if (i >= 0) Drive1->setCurrentIndex(i);
  Command1->setText(gyoker);
}

QString kep_browse::opcioMinta() const { return Option1[1]->isChecked() ? kKepMinta : kMindMinta; }

void kep_browse::setDir1Path(const QString& mappa, bool valtozas) {
  dir1_ = QDir::cleanPath(QDir(mappa).absolutePath());
  const QSignalBlocker csend(Dir1);
  Dir1->clear();
  // The way down from the root, then the folder's own subfolders.
  QStringList lanc;
  for (QDir d(dir1_);;) {
    lanc.prepend(d.absolutePath());
    if (d.isRoot() || !d.cdUp()) break;
  }
  for (int i = 0; i < lanc.size(); ++i) {
    auto* it = new QListWidgetItem(behuz(i, i == 0 ? lanc[i] : QFileInfo(lanc[i]).fileName()), Dir1);
    it->setData(Qt::UserRole, lanc[i]);
  }
  Dir1->setCurrentRow(int(lanc.size()) - 1);
  const QDir d(dir1_);
  for (const QString& n : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
    auto* it = new QListWidgetItem(behuz(int(lanc.size()), n), Dir1);
    it->setData(Qt::UserRole, d.filePath(n));
  }
  if (valtozas) Dir1_Change();
}

void kep_browse::file1Frissit() {
  std::vector<QRegularExpression> kif;
  for (const QString& r : minta_.split(QLatin1Char(';'), Qt::SkipEmptyParts)) kif.push_back(mintaKifejezes(r.trimmed()));
  const QSignalBlocker csend(File1);
  File1->clear();
  for (const QString& n : QDir(dir1_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
    for (const QRegularExpression& k : kif)
      if (k.match(n).hasMatch()) {
        File1->addItem(n);
        break;
      }
}

void kep_browse::valaszt(int sor) {
  {
    const QSignalBlocker csend(File1);
    File1->setCurrentRow(sor);
  }
  File1_Click();
}

QString kep_browse::szurtMinta() const {
  const QString t = Text1->text();
  if (t.isEmpty()) return opcioMinta();
  QStringList r;
  for (const QString& m : opcioMinta().split(QLatin1Char(';'), Qt::SkipEmptyParts)) r << QStringLiteral("*") + t + m;
  return r.join(QLatin1Char(';'));
}

void kep_browse::Dir1_Change() {
  minta_ = szurtMinta();
  file1Frissit();
  Label1->setText(dir1_);
  if (File1->count() > 0) {
    File1->setFocus();
    valaszt(0);
  }
}

void kep_browse::Dir1_Click() {
  Dir1_Change();
  Dir1->setFocus();
}

void kep_browse::File1_Click() {
  if (File1->currentRow() < 0) return;
  Command2->setEnabled(false);
  Command2->setText(QStringLiteral("Kis Türelem..."));
  bool kep;
  if (Check1->isChecked()) {
    kep = KepBetoltes2();
    if (!kep) Image1->clear();
  } else {
    kivalasztott_ = QDir(dir1_).filePath(File1->currentItem()->text());
    const QString vege = kivalasztott_.right(3).toUpper();
    kep = vege == QLatin1String("JPG") || vege == QLatin1String("GIF") || vege == QLatin1String("BMP") ||
          vege == QLatin1String("PNG");
  }
  Command2->setText(kep ? QStringLiteral("&Rendben") : QStringLiteral("Nem kép fájl..."));
  Command2->setEnabled(kep);
}

bool kep_browse::KepBetoltes2() {
  if (File1->currentRow() < 0) return false;
  kivalasztott_ = QDir(dir1_).filePath(File1->currentItem()->text());
  Image1->clear();
  const QImage k = kepBetolt(kivalasztott_);
  if (k.isNull()) return false;
  // Fitted into the preview's square like the envelope picture; a smaller picture at its own
  // size.
  const QSize n = termeszetesMeret(k);
  const KepIllesztes f = kepIllesztes(n.width(), n.height(), kElonezet);
  const double twipsPerHmm = 1440.0 / 2540.0;
  const QSize px = f.nyujtott ? QSize(int(std::lround(f.szeles / kTwipsPerPixel)), int(std::lround(f.magas / kTwipsPerPixel)))
                              : QSize(int(std::lround(n.width() * twipsPerHmm / kTwipsPerPixel)),
                                      int(std::lround(n.height() * twipsPerHmm / kTwipsPerPixel)));
  Image1->setPixmap(QPixmap::fromImage(k.scaled(px.expandedTo({1, 1}), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  return true;
}

void kep_browse::Text1_Change() {
  minta_ = szurtMinta();
  file1Frissit();
  if (File1->count() == 1) {
    File1->setFocus();
    valaszt(0);
    Text1->setFocus();
  }
}

void kep_browse::Option1_Click() {
  // The typed name keeps narrowing the list under the new option.
  minta_ = szurtMinta();
  file1Frissit();
  Label1->setText(dir1_);
}

void kep_browse::Check1_Click() { File1->setFocus(); }

void kep_browse::Command1_Click() {
  const QString gyoker = Drive1->currentData().toString();
  if (gyoker.isEmpty()) return;
  Command1->setText(gyoker);
  setDir1Path(gyoker);
  Label1->setText(dir1_);
}

void kep_browse::Drive1_Change() {
  const QString gyoker = Drive1->currentData().toString();
  const FajlHiba h = mappaHiba(gyoker);
  if (h.szam != 0) {
    HibaUzenet(msg(), h);
    return;
  }
  setDir1Path(gyoker);
  Label1->setText(dir1_);
  Command1->setText(gyoker);
}

void kep_browse::Command2_Click() {
  // Only a file that loads as a picture is taken.
  if (kepBetolt(kivalasztott_).isNull()) {
    Command2->setText(QStringLiteral("Nem kép fájl..."));
    Command2->setEnabled(false);
    return;
  }
  accept();
}

void kep_browse::Command3_Click() { reject(); }

void kep_browse::reject() {
  kivalasztott_ = elozo_;
  QDialog::reject();
}

void kep_browse::done(int r) {
  if (!lezarva_) {
    lezarva_ = true;
    Form_Unload();
  }
  QDialog::done(r);
}

void kep_browse::Form_Unload() {
  const QString mappa = Label1->text().trimmed();
  if (!tarolhato(mappa, 500)) {
    msg().info(QStringLiteral("A mappa nem menthető (browse.pat): legfeljebb 500 karakter lehet, és csak a "
                              "közép-európai (1250-es) kódlap betűit tartalmazhatja.\r\n") +
                   mappa,
               QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
    return;
  }
  BrowseRekord b;
  modifySettings(platform_.folder, kBrowseFile, b, [&](BrowseRekord& r) { r.Mappa = mappa; });
}

void kep_browse::HibaUzenet(MessageBoxes& msg, const FajlHiba& hiba) {
  if (hiba.szam == 0) return;
  QString s;
  for (const QString& sor : hibaSorok(hiba.szam)) s += sor + QStringLiteral("\r\n");
  s += QStringLiteral("VB. Hibakód :     ") + QString::number(hiba.szam) + QStringLiteral("\r\n");
  s += QStringLiteral("A hiba fajtálya:  ") + hiba.leiras;
  msg.show(s, QStringLiteral("! H I B A ! "), MsgButtons::Ok, MsgIcon::None);
}
