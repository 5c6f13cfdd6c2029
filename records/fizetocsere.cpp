#include "records/fizetocsere.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "common/recordfile.h"
#include "records/nevekrekord.h"

namespace {

bool syncPath(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

bool atnevez(const QString& from, const QString& to) {
  return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace

QString fizetoParCsere(const QString& folder, const QString& ujNevek, const QString& ujKozl) {
  const QDir dir(folder);
  const QString n = dir.filePath(ujNevek), k = dir.filePath(ujKozl);
  const QString naplo = dir.filePath(kCsereNaploFile);
  auto elvet = [&](const QString& why) {
    QFile::remove(n);
    QFile::remove(k);
    QFile::remove(naplo);
    return why;
  };
  if (!QFile::exists(n) || !QFile::exists(k) || !syncPath(n) || !syncPath(k))
    return elvet(QStringLiteral("Az új adatfájlok nem írhatók ki a lemezre."));
  {
    QFile j(naplo);
    const QByteArray tartalom = (ujNevek + "\n" + ujKozl + "\n").toUtf8();
    if (!j.open(QIODevice::WriteOnly | QIODevice::Truncate) || j.write(tartalom) != tartalom.size() || !j.flush() ||
        ::fsync(j.handle()) != 0)
      return elvet(QStringLiteral("A csere naplója nem írható."));
  }
  syncPath(folder);
  if (!atnevez(n, dataPath(folder, kNevekFile)) || !atnevez(k, dataPath(folder, kKozl3sorFile))) {
    // The journal stays: the next start finishes the swap.
    return QStringLiteral("A(z) %1 és %2 fájl nem cserélhető le.").arg(kNevekFile, kKozl3sorFile);
  }
  syncPath(folder);
  QFile::remove(naplo);
  syncPath(folder);
  return {};
}

void fizetoParHelyreallitas(const QString& folder) {
  const QDir dir(folder);
  const QString naplo = dir.filePath(kCsereNaploFile);
  QFile j(naplo);
  if (!j.exists() || !j.open(QIODevice::ReadOnly)) return;
  const QStringList nevek = QString::fromUtf8(j.readAll()).split('\n', Qt::SkipEmptyParts);
  j.close();
  if (nevek.size() == 2) {
    const QString n = dir.filePath(nevek[0]), k = dir.filePath(nevek[1]);
    if (QFile::exists(n)) atnevez(n, dataPath(folder, kNevekFile));
    if (QFile::exists(k)) atnevez(k, dataPath(folder, kKozl3sorFile));
  }
  syncPath(folder);
  QFile::remove(naplo);
}
