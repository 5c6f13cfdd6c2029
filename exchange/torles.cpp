#include "exchange/torles.h"

#include "payerstore/fizetocsere.h"

CsereEredmeny AdatbazisTorles(const QString& folder, const CsereHorog& horog) {
  if (const CsereHelyreallitas h = fizetoParHelyreallitas(folder); h.fuggoben)
    return {CsereAllapot::Valtozatlan, QStringLiteral("Az adatbázis nem törölhető.\r\n") + h.uzenet};
  CsereEredmeny e = fizetoParIras(folder, {}, {}, horog);
  if (!e.megtortent()) e.uzenet = QStringLiteral("Az adatbázis nem törölhető.\r\n") + e.uzenet;
  return e;
}
