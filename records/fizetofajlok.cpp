#include "records/fizetofajlok.h"

int32_t fizetokSzama(const QString& folder) {
  RecordFile f(folder, kNevekFile, NevekRekord::Length);
  return f.count();
}

bool kozl3sorIras(RecordFile& f, int32_t n, const Kozl3sorRekord& r) {
  if (n < 1) return false;
  const QByteArray ures = encodeRecord(Kozl3sorRekord{});
  for (int32_t i = f.count() + 1; i < n; ++i)
    if (!f.writeBytes(i, ures)) return false;
  return f.write(n, r) && f.flush();
}
