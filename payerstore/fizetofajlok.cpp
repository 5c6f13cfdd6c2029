#include "payerstore/fizetofajlok.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#include "common/rendszerhiba.h"

Valasz<int32_t> fizetokSzama(const QString& folder) {
  RecordFile f(folder, kNevekFile, NevekRekord::Length);
  return f.count();
}

Valasz<bool> letezoFizeto(const QString& folder, int32_t n) {
  const Valasz<int32_t> db = fizetokSzama(folder);
  if (!db) return db.hiba();
  return n >= 1 && n <= *db;
}

bool kozl3sorIras(RecordFile& f, int32_t n, const Kozl3sorRekord& r) {
  if (n < 1) return false;
  const QByteArray ures = encodeRecord(Kozl3sorRekord{});
  const Valasz<int32_t> db = f.count();
  if (!db) return false;
  for (int32_t i = *db + 1; i < n; ++i)
    if (!f.writeBytes(i, ures)) return false;
  return f.write(n, r) && f.flush();
}

QString nevekOlvasasiHiba(const QString& folder) {
  // A payer file that cannot be read leaves the list empty.
  const QString path = dataPath(folder, kNevekFile);
  const Valasz<bool> van = vanNeven(path);
  if (!van)
    return QStringLiteral("A címzettek fájlja (%1) nem olvasható: %2.\r\n"
                          "A címzettek listája üres marad, és a program most nem ír a címzettek fájljaiba.")
        .arg(kNevekFile, van.hiba().miert());
  if (*van) {
    FajlEredmeny h;
    const int fd = regularisNyitas(path, O_RDONLY, &h);
    if (fd >= 0) {
      ::close(fd);
    } else {
      const QString ok = h.miert();
      return QStringLiteral("A címzettek fájlja (%1) nem olvasható: %2.\r\n"
                            "A címzettek listája üres marad, és a program most nem ír a címzettek fájljaiba.")
          .arg(kNevekFile, ok);
    }
  }
  // The notices cannot be read: the list shows, but neither file is written (nor replaced).
  const Valasz<QString> kozlFajta = nemFajlFajta(dataPath(folder, kKozl3sorFile));
  if (!kozlFajta)
    return QStringLiteral("A címzettek közleményeinek fájlja (%1) nem olvasható: %2.\r\nA program most nem ír a "
                          "címzettek fájljaiba.")
        .arg(kKozl3sorFile, kozlFajta.hiba().miert());
  const QString kozl = *kozlFajta;
  if (!kozl.isEmpty())
    return QStringLiteral("A címzettek közleményeinek fájlja (%1) nem olvasható: nem közönséges fájl (%2) áll a "
                          "helyén.\r\nA program most nem ír a címzettek fájljaiba.")
        .arg(kKozl3sorFile, kozl);
  return {};
}
