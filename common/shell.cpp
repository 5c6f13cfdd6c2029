#include "common/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool QtShell::open(const QString& target) {
  const QUrl url = QUrl::fromUserInput(target);
  // A local document that does not exist cannot be opened: say so instead of asking the desktop.
  if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return false;
  return url.isValid() && QDesktopServices::openUrl(url);
}

bool QtShell::start(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

QString QtShell::findProgram(const QStringList& names) const {
  for (const QString& n : names) {
    const QString p = QStandardPaths::findExecutable(n);
    if (!p.isEmpty()) return p;
  }
  return {};
}
