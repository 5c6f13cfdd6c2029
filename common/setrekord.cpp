#include "common/setrekord.h"

#include "common/recordfile.h"

void loadSet(const QString& folder, SetRekord& set) { loadSettings(folder, kSetFile, set); }

bool setIrhato(const QString& folder) { return RecordFile(folder, kSetFile, SetRekord::Length).isWritable(); }

MentesEredmeny saveSetFields(const QString& folder, SetRekord& set, const std::function<void(SetRekord&)>& change) {
  return modifySettings(folder, kSetFile, set, change);
}
