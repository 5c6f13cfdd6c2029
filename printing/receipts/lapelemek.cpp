#include "printing/receipts/lapelemek.h"

#include <QLineEdit>

#include "common/tricheckbox.h"

namespace lap {

QLineEdit* mezo(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  return e;
}

QLabel* felirat(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  return l;
}

TriCheckBox* jelolo(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
  auto* c = new TriCheckBox(caption, parent);
  c->setObjectName(QString::fromLatin1(name));
  if (!tip.isEmpty()) c->setToolTip(tip);
  return c;
}

QLabel* jel(QWidget* parent, int index) {
  auto* l = new QLabel(QStringLiteral("X"), parent);
  l->setObjectName(QStringLiteral("lbX_%1").arg(index));
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  l->setAlignment(Qt::AlignCenter);
  l->adjustSize();
  l->hide();
  return l;
}

}  // namespace lap

Elonezet::Elonezet(QWidget* parent, const char* name, int widthTw, int heightTw, double widthMm, double heightMm,
                   Fekvo fekvo)
    : MmKep(widthMm, heightMm, parent, fekvo) {
  setObjectName(QString::fromLatin1(name));
  setFixedSize(lap::px(widthTw), lap::px(heightTw));
  setKeepAspect(true);
}
