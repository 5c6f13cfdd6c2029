#include "exchange/fajlok.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

#include "records/nevekrekord.h"

bool sajatAdatfajl(const QString& folder, const QString& path) {
  QFileInfo fi(path);
  // A file that does not exist yet (an export target) is judged by its folder and name.
  QString dir = QFileInfo(fi.absolutePath()).canonicalFilePath();
  QString nev = fi.fileName();
  if (fi.exists()) {
    const QFileInfo valodi(fi.canonicalFilePath());
    dir = valodi.absolutePath();
    nev = valodi.fileName();
  }
  if (nev.compare(kNevekFile, Qt::CaseInsensitive) == 0 || nev.compare(kKozl3sorFile, Qt::CaseInsensitive) == 0)
    return true;
  const QString program = QFileInfo(folder).canonicalFilePath();
  return !dir.isEmpty() && dir == program && nev.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive);
}

bool irTeljes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const bool ok = f.write(bytes) == bytes.size() && f.flush() && ::fsync(f.handle()) == 0;
  f.close();
  return ok;
}

bool atnevez(const QString& from, const QString& to) {
  return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}
