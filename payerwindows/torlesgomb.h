#pragma once
// The main window's deletion button over the storage's deletion (payerstore/ugyfeltorles.h).
#include <QString>

#include "common/platform.h"
#include "payerwindows/foablak.h"

inline const QString kTorlesCim = QStringLiteral("Feladó törlése");

// The main window's "&Törlés" (cmdDel_Click): asks about the stored current payer, deletes it,
// then makes no payer current, disables the buttons that act on one and reloads the list.
// A failure is reported and changes nothing. True when the payer was deleted.
bool cmdDel_Click(const Platform& platform, FizetoAllapot allapot, const FoAblak& ablak);
