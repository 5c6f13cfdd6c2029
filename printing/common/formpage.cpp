#include "printing/common/formpage.h"

#include "common/fields.h"
#include "common/mmkep.h"
#include "common/recordfile.h"

CimSorok cimSorok(const NevekRekord& n) {
  if (isTrue(n.KulfCim)) return {trimmed(n.Nev2) + QStringLiteral(", ") + trimmed(n.Helyseg), trimmed(n.Cim)};
  return {asStored(n.Irsz) + QLatin1Char(' ') + trimmed(n.Helyseg), trimmed(n.Cim)};
}

bool FormPage::serult(const QString& folder, const QString& file) {
  // A name that cannot even be looked at is not written either.
  const Valasz<QString> f = nemFajlFajta(dataPath(folder, file));
  return !f || !f->isEmpty();
}

bool showFormPicture(MmKep& kep, const QString& folder, Tajolas tajolas, const QString& allo, const QString& fekvo) {
  return kep.showFile(dataPath(folder, tajolas == Tajolas::Fekvo ? fekvo : allo));
}
