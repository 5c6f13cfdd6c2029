#include "exchange/torles.h"

#include <QDir>
#include <QFile>

#include "exchange/fajlok.h"
#include "records/fizetocsere.h"
#include "records/nevekrekord.h"

QString AdatbazisTorles(const QString& folder) {
  fizetoParHelyreallitas(folder);
  const QDir dir(folder);
  const QString nevx = dir.filePath(kNevekTempFile), xxkoz = dir.filePath(kKozl3sorTempFile);
  if (!irTeljes(nevx, {}) || !irTeljes(xxkoz, {})) {
    QFile::remove(nevx);
    QFile::remove(xxkoz);
    return QStringLiteral("A(z) %1 és %2 fájl nem törölhető: a program mappája nem írható.").arg(kNevekFile, kKozl3sorFile);
  }
  const QString hiba = fizetoParCsere(folder, kNevekTempFile, kKozl3sorTempFile);
  if (!hiba.isEmpty()) return QStringLiteral("Az adatbázis nem törölhető.\r\n") + hiba;
  return {};
}
