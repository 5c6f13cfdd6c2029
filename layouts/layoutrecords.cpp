#include "layouts/layoutrecords.h"

#include "common/recordfile.h"

QStringList loadLayouts(const QString& folder, LayoutRecords& r) {
  QStringList hibak;
  auto olvas = [&](const QString& name, auto& rekord) {
    if (QString hiba; !loadSettings(folder, name, rekord, &hiba)) hibak << hiba;
  };
  olvas(kSetTertiFile, r.Terti);
  olvas(kSetIrat2File, r.Irat2);
  olvas(kSetFvevenyFile, r.Fveveny);
  olvas(kSetRcsekkFile, r.Rcsekk);
  olvas(kSetUlapFile, r.Ulap);
  olvas(kBoritekFile, r.Boritek);
  return hibak;
}
