#include "printing/common/formpage.h"

#include "common/fields.h"

CimSorok cimSorok(const NevekRekord& n) {
  if (isTrue(n.KulfCim)) return {trimmed(n.Nev2) + QStringLiteral(", ") + trimmed(n.Helyseg), trimmed(n.Cim)};
  return {asStored(n.Irsz) + QLatin1Char(' ') + trimmed(n.Helyseg), trimmed(n.Cim)};
}
