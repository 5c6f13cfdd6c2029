#include "common/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

int cimSzelesseg(const QString& title) {
  QFont f = QApplication::font("QMdiSubWindowTitleBar");
  f.setBold(true);
  return QFontMetrics(f).horizontalAdvance(title.trimmed()) + kCimSavGombok;
}

MsgAnswer QtMessageBoxes::show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) {
  QMessageBox box;
  box.setWindowTitle(title);
  box.setText(text);
  switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
  }
  QMessageBox::StandardButtons b;
  switch (buttons) {
    case MsgButtons::Ok: b = QMessageBox::Ok; break;
    case MsgButtons::OkCancel: b = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MsgButtons::YesNo: b = QMessageBox::Yes | QMessageBox::No; break;
    case MsgButtons::YesNoCancel: b = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
  }
  box.setStandardButtons(b);
  if (auto* y = box.button(QMessageBox::Yes)) y->setText(QStringLiteral("&Igen"));
  if (auto* n = box.button(QMessageBox::No)) n->setText(QStringLiteral("&Nem"));
  if (auto* c = box.button(QMessageBox::Cancel)) c->setText(QStringLiteral("Mégse"));
  // As wide as its title with the title bar's buttons, so that the title shows whole: Qt
  // leaves only 50 pixels beside it, in a font smaller than most window managers use.
  if (auto* racs = qobject_cast<QGridLayout*>(box.layout()))
    racs->addItem(new QSpacerItem(cimSzelesseg(title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  racs->rowCount(), 0, 1, racs->columnCount());
  switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Ok: return MsgAnswer::Ok;
    default:
      // Closed without an answer (the program is ending): the answer that changes nothing.
      return buttons == MsgButtons::YesNo ? MsgAnswer::No : buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
  }
}

MsgAnswer RecordedMessageBoxes::show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) {
  shown.push_back({text, title, buttons, icon});
  if (!answers.empty()) {
    const MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  if (buttons == MsgButtons::OkCancel) return defaultAnswer == MsgAnswer::Cancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
  return defaultAnswer;
}
