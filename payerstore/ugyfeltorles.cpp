#include "payerstore/ugyfeltorles.h"

#include <algorithm>

#include "common/recordfile.h"
#include "payerstore/fizetocsere.h"
#include "payerstore/fizetopar.h"
#include "payerstore/ujpar.h"

bool UgyfelTorles(const QString& folder, int32_t n, QString* hiba, const CsereHorog& horog) {
  auto fail = [&](const QString& why) {
    if (hiba) *hiba = why;
    return false;
  };
  // An unfinished earlier change is completed first: the new pair is built from the current one.
  if (const CsereHelyreallitas h = fizetoParHelyreallitas(folder); h.fuggoben) return fail(h.uzenet);
  FizetoPar par(folder);
  for (const FizetoPar::Fajl f : {FizetoPar::Nevek, FizetoPar::Kozl})
    if (const QString miert = par.nyitasHiba(f); !miert.isEmpty()) return fail(miert);
  // A length that cannot be asked is a read that failed: nothing is written.
  const Valasz<int32_t> db = par.count(), kdb = par.kozlCount();
  if (!db || !kdb) return fail(par.hiba());
  const int32_t count = *db;
  if (n < 1 || n > count) return fail(QStringLiteral("A(z) %1. címzett nem létezik, nincs mit törölni.").arg(n));
  const int32_t kozlCount = std::min(*kdb, count);

  // The new pair streams: the records around the deleted one are copied (by the kernel where
  // it can), the missing notices written blank; nothing of either file is held in memory.
  UjPar uj(folder, horog);
  uj.masol(UjPar::Nevek, par, FizetoPar::Nevek, 1, n - 1);
  uj.masol(UjPar::Nevek, par, FizetoPar::Nevek, n + 1, count - n);
  const QByteArray ures = encodeRecord(Kozl3sorRekord{});
  auto uresek = [&](int32_t tol, int32_t ig) {
    for (int32_t i = tol; i <= ig && uj.ok(); ++i) uj.ir(UjPar::Kozl, ures);
  };
  uj.masol(UjPar::Kozl, par, FizetoPar::Kozl, 1, std::min(n - 1, kozlCount));
  uresek(kozlCount + 1, n - 1);
  uj.masol(UjPar::Kozl, par, FizetoPar::Kozl, n + 1, kozlCount - n);
  uresek(std::max(kozlCount, n) + 1, count);
  const CsereEredmeny csere = uj.csere(horog);
  // A change the next start finishes is made: the caller reloads the list and says so.
  if (hiba) *hiba = csere.uzenet;
  return csere.megtortent();
}

std::optional<QString> torlesKerdes(const QString& folder, int32_t n, QString* hiba) {
  FizetoPar par(folder);
  const Valasz<int32_t> db = par.count();
  if (!db) {
    if (hiba) *hiba = par.hiba();
    return std::nullopt;
  }
  if (n < 1 || n > *db) return std::nullopt;
  NevekRekord r;
  if (!par.nevek(n, r)) {
    if (hiba) *hiba = par.hiba();
    return std::nullopt;
  }
  return QStringLiteral("Biztos mehet \r\n") + trimmed(r.Nev).toUpper() + QStringLiteral("\r\n\r\ntörlése?");
}
