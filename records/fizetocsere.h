#pragma once
// Journalled swap of the payer pair (stand-in with the agreed interface until the shared one
// lands). nevek1.dat and kozl3sor.dat stay paired through a crash at any point.
#include <QString>

#include <functional>

// The journal in the program folder while a swap is under way.
inline const QString kCsereNaploFile = QStringLiteral("fizetocsere.naplo");

// Replaces nevek1.dat and kozl3sor.dat together. `ujNevek` and `ujKozl` are files in `folder`
// that the caller has written completely. Returns an empty string on success, else a Hungarian
// error text; on failure before the journal is written both originals are untouched and the
// new files are removed.
QString fizetoParCsere(const QString& folder, const QString& ujNevek, const QString& ujKozl);
// Start-up: a journal with both new files present finishes the renames (roll forward); new
// files without a journal are removed (roll back).
void fizetoParHelyreallitas(const QString& folder);
