#pragma once
// One item of a main-window menu, named so tests and handlers can find it.
#include <QAction>
#include <QMenu>

inline QAction* menuElem(QMenu* m, const QString& szoveg, const char* nev) {
  QAction* a = m->addAction(szoveg);
  a->setObjectName(QString::fromLatin1(nev));
  return a;
}
