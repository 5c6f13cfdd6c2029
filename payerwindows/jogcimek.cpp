#include "payerwindows/jogcimek.h"

#include <cerrno>

#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>

#include "common/kodlap.h"
#include "common/messages.h"
#include "common/numtext.h"
#include "common/recordfile.h"

QStringList readList(const QString& folder, const QString& file, QString* hiba) {
  RecordFile f(folder, file, JogcimRekord::Length);
  // A file that cannot be opened (or whose interrupted change cannot be rolled back) is unread,
  // not empty.
  if (!f.nyitasHiba().ok()) {
    if (hiba) *hiba = f.errorText().isEmpty() ? f.nyitasHiba().nemOlvashato(file) : f.errorText();
    return {};
  }
  const Valasz<int32_t> db = f.count();
  const int32_t n = db ? *db : 0;
  // A list that cannot be read offers nothing (no blank entries).
  const QByteArray all = db ? f.readRange(1, n).value_or(QByteArray()) : QByteArray();
  QStringList out;
  if (!db || all.size() < qsizetype(n) * JogcimRekord::Length) {
    if (hiba) *hiba = f.olvasasHiba().isEmpty() ? FajlEredmeny::hiba(EIO).nemOlvashato(file) : f.olvasasHiba();
    return out;
  }
  out.reserve(n);
  for (int32_t i = 0; i < n; ++i) {
    JogcimRekord r;
    decodeRecord(all.mid(qsizetype(i) * JogcimRekord::Length, JogcimRekord::Length), r);
    out << asStored(r.Szoveg);
  }
  return out;
}

ListPanel::ListPanel(Platform& platform, QString file, QTreeWidget* view, QLineEdit* text, QPushButton* addButton,
                     QPushButton* delButton)
    : platform_(platform), file_(std::move(file)), view_(view), text_(text), add_(addButton), del_(delButton) {
  add_->setEnabled(false);
  del_->setEnabled(false);
  text_->setMaxLength(JogcimRekord::Length);
  QObject::connect(view_, &QTreeWidget::itemClicked, view_, [this](QTreeWidgetItem* item) { itemClick(item); });
  QObject::connect(text_, &QLineEdit::textChanged, text_, [this] { textChange(); });
  QObject::connect(add_, &QPushButton::clicked, add_, [this] { add(); });
  QObject::connect(del_, &QPushButton::clicked, del_, [this] { remove(); });
}

QString ListPanel::load() {
  view_->clear();
  QString hiba;
  const QStringList entries = readList(platform_.folder, file_, &hiba);
  for (int i = 0; i < entries.size(); ++i)
    view_->addTopLevelItem(new QTreeWidgetItem(QStringList{trimmed(entries[i]), QString::number(i + 1)}));
  return hiba;
}

// After a change: a list that cannot be read back would show other entries than the file holds
// (and their numbers would pick others for a deletion), so that is said.
void ListPanel::visszaolvas() {
  if (const QString hiba = load(); !hiba.isEmpty())
    platform_.messages->info(QStringLiteral("A lista nem olvasható vissza.\r\n%1").arg(hiba), QStringLiteral("Hiba"),
                             MsgIcon::Critical);
}

void ListPanel::itemClick(QTreeWidgetItem* item) {
  if (!item) return;
  const double n = leadingValue(item->text(1));
  selected_ = (n >= 1 && n <= 32767) ? int16_t(n) : int16_t(0);
  del_->setEnabled(true);
}

void ListPanel::textChange() { add_->setEnabled(!text_->text().trimmed().isEmpty()); }

void ListPanel::add() {
  if (const QString hiba = kodlapHiba({text_->text()}); !hiba.isEmpty()) {
    platform_.messages->info(hiba, QStringLiteral("Hiba"), MsgIcon::Critical);
    text_->setFocus();
    return;
  }
  JogcimRekord r;
  r.Szoveg = text_->text();
  MentesEredmeny e;
  {
    // A trailing partial record (a damaged file) is overwritten by the new entry.
    RecordFile f(platform_.folder, file_, JogcimRekord::Length);
    // A length that cannot be asked writes nothing: the text would land over an entry.
    const Valasz<int32_t> db = f.count();
    e = db ? f.writeDurable(*db + 1, encodeRecord(r)) : olvasasNelkul(f, file_);
  }
  if (!e) {
    load();
    platform_.messages->info(
        mentesUzenet(e, QStringLiteral("A(z) %1 fájl nem írható, a szöveg nem került a listába.").arg(file_),
                     QStringLiteral("a szöveg betűi")),
        QStringLiteral("Hiba"), MsgIcon::Critical);
    return;
  }
  visszaolvas();
  text_->clear();
  text_->setFocus();
}

void ListPanel::remove() {
  QString error;
  const bool ok = deleteRecord(platform_.folder, file_, kListTempFile, JogcimRekord::Length, selected_, &error);
  if (ok) visszaolvas();
  else load();
  del_->setEnabled(false);
  if (!ok)
    platform_.messages->info(QStringLiteral("A szöveg nem törölhető a listából.\r\n%1").arg(error),
                             QStringLiteral("Hiba"), MsgIcon::Critical);
}

namespace {

QTreeWidget* listView(const QString& caption) {
  auto* v = new QTreeWidget;
  v->setHeaderLabels({caption, QStringLiteral("rec")});
  v->setRootIsDecorated(false);
  v->setColumnWidth(0, 220);
  return v;
}

void centre(QDialog& d) {
  d.adjustSize();
  if (QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect a = s->availableGeometry();
    d.move(a.x() + (a.width() - d.width()) / 2, a.y() + (a.height() - d.height()) / 2);
  }
}

// One list's column: list view, label, new-text box, add and delete buttons.
void placeList(QGridLayout* g, int col, QTreeWidget* view, const QString& label, QLineEdit* text, QPushButton* add,
               QPushButton* del) {
  g->addWidget(view, 0, col, 1, 2);
  auto* l = new QLabel(label);
  l->setBuddy(text);
  g->addWidget(l, 1, col, 1, 2);
  g->addWidget(text, 2, col, 1, 2);
  g->addWidget(add, 3, col);
  g->addWidget(del, 3, col + 1);
}

}  // namespace

frmJogcimek::frmJogcimek(Platform& platform, QWidget* parent)
    : QDialog(parent),
      ListView1(listView(QStringLiteral("Jogcím szöveg 1. sora"))),
      ListView2(listView(QStringLiteral("Jogcím szöveg 2. sora"))),
      txtJogcim1(new QLineEdit),
      txtJogcim2(new QLineEdit),
      cmdFelvesz(new QPushButton(QStringLiteral("&Felvesz"))),
      cmdFelvesz2(new QPushButton(QStringLiteral("F&elvesz"))),
      cmdDel(new QPushButton(QStringLiteral("&Listából Töröl"))),
      cmdDel2(new QPushButton(QStringLiteral("Li&stából Töröl"))),
      cmdVissza(new QPushButton(QStringLiteral("&Vissza"))),
      list1_(platform, kJogcimekFile, ListView1, txtJogcim1, cmdFelvesz, cmdDel),
      list2_(platform, kJogcimek2File, ListView2, txtJogcim2, cmdFelvesz2, cmdDel2) {
  setWindowTitle(QStringLiteral("Jogcím szövegek felvétele"));
  auto* g = new QGridLayout(this);
  placeList(g, 0, ListView1, QStringLiteral("Új jogcím szöveg 1. sora:"), txtJogcim1, cmdFelvesz, cmdDel);
  placeList(g, 2, ListView2, QStringLiteral("Új jogcím szöveg 2. sora:"), txtJogcim2, cmdFelvesz2, cmdDel2);
  g->addWidget(cmdVissza, 4, 0, 1, 4);
  connect(cmdVissza, &QPushButton::clicked, this, [this] { cmdVissza_Click(); });
  Form_Load();
}

void frmJogcimek::Form_Load() {
  Beolvas();
  Beolvas2();
}

void frmJogcimek::open(Platform& platform) {
  frmJogcimek d(platform);
  centre(d);
  d.exec();
}

frmKozlemeny::frmKozlemeny(Platform& platform, QWidget* parent)
    : QDialog(parent),
      ListView1(listView(QStringLiteral("Közlemény szöveg"))),
      txtKozlemeny(new QLineEdit),
      cmdFelvesz(new QPushButton(QStringLiteral("&Felvesz"))),
      cmdDel(new QPushButton(QStringLiteral("&Listából Töröl"))),
      cmdVissza(new QPushButton(QStringLiteral("&Vissza"))),
      list_(platform, kKozlemFile, ListView1, txtKozlemeny, cmdFelvesz, cmdDel) {
  setWindowTitle(QStringLiteral("Közlemény szövegek felvétele"));
  auto* g = new QGridLayout(this);
  placeList(g, 0, ListView1, QStringLiteral("Új közlemény szöveg:"), txtKozlemeny, cmdFelvesz, cmdDel);
  g->addWidget(cmdVissza, 4, 0, 1, 2);
  connect(cmdVissza, &QPushButton::clicked, this, [this] { cmdVissza_Click(); });
  Form_Load();
}

void frmKozlemeny::Form_Load() { Beolvas(); }

void frmKozlemeny::open(Platform& platform) {
  frmKozlemeny d(platform);
  centre(d);
  d.exec();
}
