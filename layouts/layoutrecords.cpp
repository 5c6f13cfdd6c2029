#include "layouts/layoutrecords.h"

#include "common/recordfile.h"

void loadLayouts(const QString& folder, LayoutRecords& r) {
  loadSettings(folder, kSetTertiFile, r.Terti);
  loadSettings(folder, kSetIrat2File, r.Irat2);
  loadSettings(folder, kSetFvevenyFile, r.Fveveny);
  loadSettings(folder, kSetRcsekkFile, r.Rcsekk);
  loadSettings(folder, kSetUlapFile, r.Ulap);
  loadSettings(folder, kBoritekFile, r.Boritek);
}
