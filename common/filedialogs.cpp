#include "common/filedialogs.h"

#include <QApplication>
#include <QFileDialog>

QString QtFileDialogs::openFile(const QString& title, const QString& folder, const QString& filter) {
  return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}

QString QtFileDialogs::saveFile(const QString& title, const QString& folder, const QString& filter) {
  return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, folder, filter);
}

QString QtFileDialogs::pickFolder(const QString& title, const QString& folder) {
  return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, folder);
}
