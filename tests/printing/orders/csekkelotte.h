#pragma once
// What the lying orders print after in their page tests: a payment slip with the factory
// settings, whose DL page a printer that set no page of its own would keep.
#include "common/platform.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "printing/slips/csekkprint.h"

inline PrintResult csekkElotte(Platform& platform, SetRekord& set) {
  SetRekord gyari;
  applyFactory(gyari, setFactory());
  gyari.AlapNyomtato = -1;
  gyari.Nyomtatando.fill(-1);
  if (!saveSettings(platform.folder, kSetFile, gyari)) return PrintResult::of(PrintResult::Failed);
  CsekkAdatok csekk;
  csekk.txNev = QStringLiteral("Nagy Pál");
  return PrintAlloCsekk(csekk, platform, set);
}
