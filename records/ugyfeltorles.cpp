#include "records/ugyfeltorles.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#include "common/messages.h"
#include "common/recordfile.h"
#include "records/fizetocsere.h"
#include "records/fizetofajlok.h"

namespace {

// Writes `bytes` as the whole new content of `path` (the swap flushes it to the disk).
bool irTeljes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const bool ok = f.write(bytes) == bytes.size() && f.flush();
  f.close();
  return ok;
}

}  // namespace

bool UgyfelTorles(const QString& folder, int32_t n, QString* hiba, const CsereHorog& horog) {
  auto fail = [&](const QString& why) {
    if (hiba) *hiba = why;
    return false;
  };
  // An unfinished earlier swap is completed first: its new files are about to be overwritten.
  fizetoParHelyreallitas(folder);
  const int L = NevekRekord::Length, K = Kozl3sorRekord::Length;
  QByteArray nevek, kozl;
  int32_t count = 0;
  {
    RecordFile f(folder, kNevekFile, L);
    if (!f.isOpen()) return fail(f.errorText());
    count = f.count();
    if (n < 1 || n > count) return fail(QStringLiteral("A(z) %1. címzett nem létezik, nincs mit törölni.").arg(n));
    nevek = f.readRange(1, count);
  }
  int32_t kozlCount = 0;
  {
    RecordFile f(folder, kKozl3sorFile, K);
    if (!f.isOpen()) return fail(f.errorText());
    kozlCount = std::min(f.count(), count);
    kozl = f.readRange(1, kozlCount);
  }
  const QByteArray ures = encodeRecord(Kozl3sorRekord{});
  QByteArray ujNevek, ujKozl;
  ujNevek.reserve(qsizetype(count) * L);
  ujKozl.reserve(qsizetype(count) * K);
  for (int32_t i = 1; i <= count; ++i) {
    if (i == n) continue;
    ujNevek.append(nevek.constData() + qsizetype(i - 1) * L, L);
    if (i <= kozlCount)
      ujKozl.append(kozl.constData() + qsizetype(i - 1) * K, K);
    else
      ujKozl.append(ures);
  }

  const QDir dir(folder);
  const QString nevx = dir.filePath(kNevekTempFile), xxkoz = dir.filePath(kKozl3sorTempFile);
  // Both temporary files start empty (a leftover of an interrupted run is discarded); the
  // journalled swap then replaces the pair.
  if (!irTeljes(nevx, ujNevek) || !irTeljes(xxkoz, ujKozl)) {
    QFile::remove(nevx);
    QFile::remove(xxkoz);
    return fail(QStringLiteral("Az ideiglenes fájlok (%1, %2) nem írhatók.").arg(kNevekTempFile, kKozl3sorTempFile));
  }
  const QString csere = fizetoParCsere(folder, kNevekTempFile, kKozl3sorTempFile, horog);
  if (!csere.isEmpty()) return fail(csere);
  return true;
}

std::optional<QString> torlesKerdes(const QString& folder, int32_t n) {
  RecordFile f(folder, kNevekFile, NevekRekord::Length);
  if (n < 1 || n > f.count()) return std::nullopt;
  const NevekRekord r = f.read<NevekRekord>(n);
  return QStringLiteral("Biztos mehet \r\n") + trimmed(r.Nev).toUpper() + QStringLiteral("\r\n\r\ntörlése?");
}

bool cmdDel_Click(const Platform& platform, FizetoAllapot allapot, const FoAblak& ablak) {
  auto gombok = [&](bool be) {
    if (ablak.setUgyfelGombok) ablak.setUgyfelGombok(be);
  };
  if (!fizetoIrhato(platform, allapot)) return false;
  const std::optional<QString> kerdes = torlesKerdes(platform.folder, allapot.AktualisRekord);
  if (!kerdes) {
    // The current payer is gone (the file changed since the click): nothing to delete.
    allapot.AktualisRekord = 0;
    gombok(false);
    platform.messages->info(QStringLiteral("Nincs kiválasztott címzett, nincs mit törölni."), kTorlesCim,
                            MsgIcon::Exclamation);
    return false;
  }
  if (!platform.messages->ask(*kerdes, kTorlesCim)) return false;
  gombok(false);
  QString hiba;
  if (!UgyfelTorles(platform.folder, allapot.AktualisRekord, &hiba)) {
    gombok(true);  // the payer is still there and still current
    platform.messages->info(QStringLiteral("A címzett nem törölhető.\r\n") + hiba, QStringLiteral("Hiba"),
                            MsgIcon::Critical);
    return false;
  }
  allapot.AktualisRekord = 0;
  if (ablak.Beolvas) ablak.Beolvas();
  return true;
}
