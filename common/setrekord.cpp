#include "common/setrekord.h"

#include "common/recordfile.h"

bool loadSet(const QString& folder, SetRekord& set, QString* hiba) { return loadSettings(folder, kSetFile, set, hiba); }

bool setIrhato(const QString& folder) { return RecordFile(folder, kSetFile, SetRekord::Length).isWritable(); }

MentesEredmeny saveSetFields(const QString& folder, SetRekord& set, const std::function<void(SetRekord&)>& change) {
  return modifySettings(folder, kSetFile, set, change);
}
