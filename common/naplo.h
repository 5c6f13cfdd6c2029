#pragma once
// The journals that keep the program folder's files whole through a crash or a power loss.
//
// Every journal has one framing: a header line naming its kind and version, a body, the SHA-256
// of the header and the body in hex, and an end mark. A journal torn anywhere (a power loss while
// it was written) fails its checksum or lacks its end mark and is never followed. Journals of
// some kinds written by earlier versions carry no checksum; they are still read.
//
// A change in place (a settings record saved, a payer's record and notice saved together) keeps
// one journal: for each record it writes, the file's name, the record's offset, the file's length
// before, the bytes that stood there and the bytes written. The journal is whole on the disk with
// its folder entry before the first byte changes, and goes once every record is flushed. One that
// remains names a change that may be half written: it is rolled back (the old bytes and lengths
// put back, flushed). A journal belongs to its files by name, never by device or inode number (a
// folder copied after a crash, a disk renumbered at the next boot is rolled back as well); its
// content tells whether its files still are the ones it was written for: every byte of each
// record's place holds the old or the new byte and each file's length lies between the old and
// the new one. A file since replaced under the name (a list rewritten by a rename) holds
// something else, and the journal is not followed.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

#include "common/fajlmuvelet.h"

// ---- The framing ----

// One kind of journal: its header line (with the newline) and whether it carries the checksum.
struct NaploFajta {
  QByteArray fejlec;
  bool ellenorzott = true;
};
QByteArray naploKeret(const QByteArray& fejlec, const QByteArray& torzs);
// The body of a whole journal of one of `fajtak`, with the index of its kind; nothing for a torn
// or foreign one.
struct NaploTorzs {
  int fajta = -1;
  QByteArray torzs;
};
std::optional<NaploTorzs> naploKeretbol(const QByteArray& b, const QList<NaploFajta>& fajtak);
// A journal's bytes: empty when nothing stands at `path`; nothing when something else than a
// regular file stands there (no journal of ours) or it cannot be read (`olvashatatlan` then says
// why: a journal that cannot be read is never taken for a torn one).
std::optional<QByteArray> naploBeolvasas(const QString& path, FajlEredmeny* olvashatatlan = nullptr);
// A plain name of a file in the journal's folder (no path, no "." or "..").
bool simaFajlnev(const QString& n);

// ---- The journal of a change in place ----

struct HelybenTetel {
  QString fajl;  // a plain name in the journal's folder
  qint64 at = 0, meret = 0;  // the record's offset, the file's length before the change
  // The bytes that stood at the record's place (fewer, or none, where the file ended before the
  // record's end) and the bytes the change writes there.
  QByteArray regi, uj;
};
struct HelybenNaplo {
  QList<HelybenTetel> tetelek;
  // Journals of earlier versions hold no new bytes: their files are rolled back without asking.
  bool regiFormatum = false;
};
QByteArray helybenTartalom(const HelybenNaplo& j);
// The journal a payer's save wrote in earlier versions: record n of two files, no new bytes.
struct RegiParFormatum {
  QString fajl[2];
  int hossz[2];
};
// A whole journal; nothing for a torn or foreign one. `fajl` names the file of the one-record
// journals of earlier versions ("<file>-regi.naplo"); `par` the layout of an earlier version's
// payer-save journal, when that may stand.
std::optional<HelybenNaplo> helybenOlvas(const QByteArray& b, const QString& fajl = {},
                                         const RegiParFormatum* par = nullptr);

// Puts back every record the journal holds (files in `folder`, found without regard to case):
// the old bytes, then the old length, flushed. A file that is gone has nothing to put back. The
// change is one: when a file's record place holds other bytes than the old or the new ones (a file
// replaced since, or changed again), the journal is another state's and no file is touched,
// unless `ellenoriz` is false (the change's own undo, right after it failed). The files that
// could not be put back, with the reason, are returned; `visszavonva` tells whether old bytes
// were put back.
using VisszairasHibak = QList<std::pair<QString, FajlEredmeny>>;
VisszairasHibak helybenVisszairas(const QString& folder, const HelybenNaplo& j, bool ellenoriz = true,
                            bool* visszavonva = nullptr);

// Follows the journal at `naplo`, when one stands: rolls its change back and removes it (a torn
// journal was never followed by a write: it only goes). `tartos`: the removal must reach the disk
// with its folder. The journal stays when it cannot be read, a file cannot be put back or the
// journal cannot be removed.
struct HelybenKovetes {
  bool visszavonva = false;  // old bytes were put back
  FajlEredmeny olvasas;      // the journal could not be asked for or read
  VisszairasHibak fajlok;          // the files that could not be put back
  FajlEredmeny torles;       // the journal could not be removed (or its removal flushed)
  bool ok() const { return olvasas.ok() && fajlok.isEmpty() && torles.ok(); }
  // The first reason the journal stays.
  FajlEredmeny hiba() const;
};
HelybenKovetes helybenKovetes(const QString& naplo, const QString& fajl, bool tartos,
                              const RegiParFormatum* par = nullptr);

// The journal of a change in place of one file ("Set.dat-regi.naplo" beside "Set.dat").
QString helybenNaploNeve(const QString& fajl);
// Rolls back the change in place of file `fajl` (a name in `folder`) whose journal remains. True
// when no journal stays; `visszavonva` then tells whether one was followed. False, with the
// reason (`hiba`), when it could not be rolled back or removed.
bool helybenVisszavonas(const QString& folder, const QString& fajl, FajlEredmeny* hiba = nullptr,
                        bool* visszavonva = nullptr);
// Before a rename replaces the file at `path`: its change in place whose journal remains is
// rolled back and the journal's removal made durable with its folder, so that no journal can
// come back onto the file that replaces it. False, with the reason, when that failed.
[[nodiscard]] bool helybenLezaras(const QString& path, FajlEredmeny* hiba);
// Start-up: every change in place in `folder` whose journal remains is rolled back. What the
// user is to be told once (empty: nothing was rolled back), `sikertelen` the files whose
// rollback failed.
QString helybenIrasokVisszavonasa(const QString& folder, QStringList* sikertelen = nullptr);
// The sentences of one file's rollback: done, or not possible (with the reason).
QString helybenVisszavonvaUzenet(const QString& fajl);
QString helybenNemVonhatoVisszaUzenet(const QString& fajl, const FajlEredmeny& hiba);
