#pragma once
// Journalled swap of the payer pair. Every change that replaces both payer files goes through
// it: deleting a payer, the CSV import (append and replace), the deletion of the database.
// nevek1.dat and kozl3sor.dat then stay paired through a crash at any point: the journal
// decides at the next start whether the change is finished (roll forward) or undone (roll back).
//
// A change writes its new files under temporary names of its own (ujCsereNevek), keeps the
// files it replaces under backup names until it is finished, and may name a source file (a
// claimed CSV of the watched folder) that goes with it: removed once the change is complete,
// left in place when it is undone. Writers run fizetoParHelyreallitas before they read the
// pair, so that an unfinished earlier change is completed first; readers read the files that
// olvasandoPar names.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

#include "common/fajlmuvelet.h"

// A change's source file is claimed (renamed to its name followed by this) before the change.
inline const QString kAtvetelUtotag = QStringLiteral(".importalas");

// The journal in the program folder while a swap is under way.
inline const QString kCsereNaploFile = QStringLiteral("fizetocsere.naplo");

// Fresh temporary names for the two new files of one change ("nevx-<tag>.dat",
// "xxkoz-<tag>.dat"): no two changes share them, and start-up removes those no journal names.
struct CsereNevek {
  QString nevek, kozl;
};
CsereNevek ujCsereNevek();

enum class CsereAllapot {
  Kesz,                 // both files replaced
  Valtozatlan,          // nothing changed; the new files are removed
  KovetkezoInditaskor,  // the journal stands: the change is made and is finished at the next start
};
struct CsereEredmeny {
  CsereAllapot allapot = CsereAllapot::Valtozatlan;
  QString uzenet;  // Hungarian reason for Valtozatlan and KovetkezoInditaskor
  // True when the change counts as made (now or at the next start).
  bool megtortent() const { return allapot != CsereAllapot::Valtozatlan; }
};

// The steps of a swap, in order. Tests hand in a hook that is called before each step: it may
// end the process there (a crash) or return false, which makes the step fail.
enum class CsereLepes { Iras, Flush, Naplo, Atnevezes1, Atnevezes2, NaploTorles };
using CsereHorog = std::function<bool(CsereLepes)>;

// Replaces nevek1.dat and kozl3sor.dat together. `ujNevek` and `ujKozl` are files in `folder`
// that the caller has written completely. Flushes them, links the files they replace to backup
// names, flushes the folder (so no journal names a file whose name a power loss could take),
// writes and flushes a journal naming the renames (with the sizes of the new files, the
// backups and `forras`), renames both over the originals, removes `forras` (an absolute path,
// empty for none), the backups and the journal. On failure before the journal is written
// both originals are untouched and the new files are removed.
CsereEredmeny fizetoParCsere(const QString& folder, const QString& ujNevek, const QString& ujKozl,
                             const CsereHorog& horog = {}, const QString& forras = {});

// Writes `nevek` and `kozl` under fresh temporary names and swaps them in as above.
CsereEredmeny fizetoParIras(const QString& folder, const QByteArray& nevek, const QByteArray& kozl,
                            const CsereHorog& horog = {}, const QString& forras = {});

struct CsereHelyreallitas {
  // A journal stays (a rename or the removal of its source file failed again): the pair must
  // not be changed before it is finished.
  bool fuggoben = false;
  // Hungarian, to be said once: a change was undone, or why one stays unfinished.
  QString uzenet;
  // Files of the pair whose change in place (the amounts) this recovery rolled back.
  QStringList helybenVisszavont;
};
// Start-up (and every writer and reader, before it reads the pair): a payer saved in place
// halfway is undone (fizetomentes.h); then a whole journal whose files are all present and
// whole (or already renamed, in order: the target has the recorded length and is no longer the
// file its backup keeps) is finished; any other journal is undone from the
// backups, keeping the old pair, and said. Temporary files and backups that no journal names
// are removed.
CsereHelyreallitas fizetoParHelyreallitas(const QString& folder);

// True while a journal of a change of the pair stands (a swap, its undo, or a payer's save).
bool fizetoNaploVan(const QString& folder);

// The files of the pair that whatever shows, prints or exports payers reads (FizetoPar): the
// pair itself, once an unfinished change is finished or undone. While it stays unfinished (a
// rename fails again), the pair as it was before the change: its backups, so that no payer is
// ever read with a notice not its own. Names of files in the folder; an empty name stands for
// a file that did not exist then (no records).
struct OlvasottPar {
  QString nevek, kozl;
  // A question about the change's files failed: which files hold the pair is not known, and
  // every read fails with this.
  FajlEredmeny hiba;
};
OlvasottPar olvasandoPar(const QString& folder);
