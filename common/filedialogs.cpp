#include "common/filedialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {

// The dialog's answer as an absolute path; a cancel stays empty.
QString absolute(const QString& path) {
  return path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

}  // namespace

QString QtFileDialogs::openFile(const QString& title, const QString& folder, const QString& filter) {
  return absolute(QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter));
}

QString QtFileDialogs::saveFile(const QString& title, const QString& folder, const QString& filter) {
  return absolute(QFileDialog::getSaveFileName(QApplication::activeWindow(), title, folder, filter));
}

QString QtFileDialogs::pickFolder(const QString& title, const QString& folder) {
  return absolute(QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, folder));
}

QString RecordedFileDialogs::answer(const QString& kind, const QString& title, const QString& folder,
                                    const QString& filter) {
  calls.push_back({kind, title, folder, filter});
  if (answers.empty()) return {};
  QString a = answers.front();
  answers.pop_front();
  return a;
}

QString RecordedFileDialogs::openFile(const QString& title, const QString& folder, const QString& filter) {
  return answer(QStringLiteral("open"), title, folder, filter);
}

QString RecordedFileDialogs::saveFile(const QString& title, const QString& folder, const QString& filter) {
  return answer(QStringLiteral("save"), title, folder, filter);
}

QString RecordedFileDialogs::pickFolder(const QString& title, const QString& folder) {
  return answer(QStringLiteral("folder"), title, folder, {});
}
