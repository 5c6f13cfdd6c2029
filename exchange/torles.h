#pragma once
// Deleting the whole payer database.
#include <QString>

#include "payerstore/fizetocsere.h"

// Empties nevek1.dat and kozl3sor.dat together through the journalled swap (two empty files
// take their place), so they stay paired through a crash. Missing files are no error. When
// nothing changed, the Hungarian reason is in `uzenet` and the files are as they were.
CsereEredmeny AdatbazisTorles(const QString& folder, const CsereHorog& horog = {});
