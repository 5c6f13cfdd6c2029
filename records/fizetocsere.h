#pragma once
// Journalled swap of the payer pair. Every change that replaces both payer files goes through
// it: deleting a payer, the CSV import in replace mode and the conversion of the old payer
// file. nevek1.dat and kozl3sor.dat then stay paired through a crash at any point: the journal
// decides at the next start whether the change is finished (roll forward) or undone (roll back).
//
// Callers write their new files under the names nevx.dat and xxkoz.dat (kNevekTempFile,
// kKozl3sorTempFile), so that leftovers of an interrupted run are found and removed at start-up,
// and call fizetoParHelyreallitas before writing them, so that an unfinished earlier swap is
// completed before its new files are overwritten.
#include <QString>

#include <functional>

// The journal in the program folder while a swap is under way.
inline const QString kCsereNaploFile = QStringLiteral("fizetocsere.naplo");

// Replaces nevek1.dat and kozl3sor.dat together so that they stay paired through any crash.
// `ujNevek` and `ujKozl` are files in `folder` that the caller has written completely
// (e.g. nevx.dat and xxkoz.dat). Flushes them, writes and flushes a journal naming the two
// renames (and syncs the folder), renames both over the originals, removes the journal.
// Returns an empty string on success, else a Hungarian error text; on failure before the
// journal is written both originals are untouched and the new files are removed.
QString fizetoParCsere(const QString& folder, const QString& ujNevek, const QString& ujKozl);
// Start-up, before the payer list is loaded: a journal with both new files present finishes
// the renames (roll forward); new files without a journal are removed (roll back).
void fizetoParHelyreallitas(const QString& folder);

// The steps of a swap, in order. Tests hand in a hook that is called before each step: it may
// end the process there (a crash) or return false, which makes the step fail.
enum class CsereLepes { Flush, Naplo, Atnevezes1, Atnevezes2, NaploTorles };
using CsereHorog = std::function<bool(CsereLepes)>;
QString fizetoParCsere(const QString& folder, const QString& ujNevek, const QString& ujKozl,
                       const CsereHorog& horog);
