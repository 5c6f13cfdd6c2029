#include "records/ugyfeltorles.h"

#include <algorithm>

#include "common/messages.h"
#include "common/recordfile.h"
#include "records/fizetocsere.h"
#include "records/fizetofajlok.h"

bool UgyfelTorles(const QString& folder, int32_t n, QString* hiba, const CsereHorog& horog) {
  auto fail = [&](const QString& why) {
    if (hiba) *hiba = why;
    return false;
  };
  // An unfinished earlier change is completed first: the new pair is built from the current one.
  if (const CsereHelyreallitas h = fizetoParHelyreallitas(folder); h.fuggoben) return fail(h.uzenet);
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

  const CsereEredmeny csere = fizetoParIras(folder, ujNevek, ujKozl, horog);
  // A change the next start finishes is made: the caller reloads the list and says so.
  if (hiba) *hiba = csere.uzenet;
  return csere.megtortent();
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
  if (!hiba.isEmpty()) platform.messages->info(hiba, kTorlesCim, MsgIcon::Exclamation);
  return true;
}
