#include "app/leallitas.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QWidget>

void jelzesreLeallas(QWidget* foablak) {
  QList<QPointer<QDialog>> nyitott;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) nyitott << d;
  for (const QPointer<QDialog>& d : nyitott)
    if (d) d->reject();
  // Ends every running event loop, also before the main loop has started, and makes any loop
  // started later (a box of the exit save below, or of the handler that opened a dialog) return
  // at once.
  QCoreApplication::exit(0);
  if (foablak) foablak->close();
}
