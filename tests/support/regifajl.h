#pragma once
// A payer file of the previous version, for the conversion: `db` payers "Régi 1" … with their
// number as the first amount.
#include <QByteArray>

#include "common/fields.h"
#include "exchange/konvertalas.h"

inline QByteArray regiNevekFajl(int db) {
  QByteArray regi;
  for (int i = 1; i <= db; ++i) {
    RegiNevekRekord r;
    r.Nev = QStringLiteral("Régi %1").arg(i);
    r.Osszegek[0] = i;
    regi += encodeRecord(r);
  }
  return regi;
}
