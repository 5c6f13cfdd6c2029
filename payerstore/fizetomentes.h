#pragma once
// Saving one payer in place (the payer dialog's new or modified payer): its record in
// nevek1.dat and its notice in kozl3sor.dat, both or neither: one change in place of two files.
// Before the first byte changes, its journal (common/naplo.h) holds the old and the new bytes of
// both records and the old lengths of both files, flushed to the disk; it goes once both records
// are there. A journal an earlier version left (no new bytes) is rolled back the same way. A failure in between puts the old bytes back
// at once (an append is cut back, so the files keep whole records). What a crash, or a failure
// of that undo too, leaves is undone by the recovery of the pair (fizetoParHelyreallitas), at
// start-up and before the next reader or writer of the pair.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "payerstore/nevekrekord.h"

inline const QString kMentesNaploFile = QStringLiteral("fizetorekord.naplo");

// The steps of a save, in order. Tests hand in a hook that is called before each step: it may
// end the process there (a crash) or return false, which makes the step fail.
enum class MentesLepes { Naplo, Kozl, Nevek, Lezaras };
using MentesHorog = std::function<bool(MentesLepes)>;

struct FizetoMentes {
  enum Allapot {
    Kesz,         // both records saved
    Valtozatlan,  // nothing saved: both files hold what they held before
    Visszavonatlan,  // half saved and not undone: the journal stays for the recovery
    Bizonytalan,     // both records saved, but the folder could not be flushed after the journal
                     // went: a power loss may bring the journal back, which undoes the save
  };
  Allapot allapot = Valtozatlan;
  QString hiba;  // Hungarian: why the save failed (and, when Visszavonatlan, why the undo did too)
  bool ok() const { return allapot == Kesz; }
  // The files hold the new records.
  bool mentve() const { return allapot == Kesz || allapot == Bizonytalan; }
};

// Writes payer record n and notice record n together. A notice file shorter than n - 1 records
// is first padded with blank notices (kozl3sorIras), so the notice keeps the payer's number.
FizetoMentes fizetoMentes(const QString& folder, int32_t n, const NevekRekord& r, const Kozl3sorRekord& k,
                          const MentesHorog& horog = {});

// What a save's journal holds: record n of both files, each file's length before the save and
// the bytes record n held then (fewer, or none, where the file ended before its end).
struct MentesNaplo {
  int32_t n = 0;
  qint64 meret[2] = {0, 0};  // nevek1.dat, kozl3sor.dat
  QByteArray regi[2];
};
// The journal of a save that stays half done (its undo failed), whole; nothing when none stands
// or it cannot be read (`olvashatatlan` then says why). Readers read the records it names as
// they were, so no payer is read with another's notice.
struct FajlEredmeny;
std::optional<MentesNaplo> felbemaradtMentes(const QString& folder, FajlEredmeny* olvashatatlan = nullptr);

// Undoes the save a journal names (a torn journal was written before any record: it only goes),
// after rolling back a change in place of either file left half written (the amounts).
// True when no journal stays; `visszavonva` then tells whether a save was undone. False, with
// the reason in `hiba` (Hungarian), when the old bytes cannot be put back.
// `helyben` gets the files of the pair whose change in place (the amounts) was rolled back.
bool fizetoMentesVisszavonas(const QString& folder, QString* hiba = nullptr, bool* visszavonva = nullptr,
                             QStringList* helyben = nullptr);
