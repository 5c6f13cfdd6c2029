#pragma once
// File helpers of the data exchange.
#include <QByteArray>
#include <QString>

#include <optional>

#include "common/fajlmuvelet.h"

// True when `path` is one of the program's own data files: nevek1.dat, kozl3sor.dat or any
// .dat file of the program folder (links followed, case ignored). A failed question about the
// file is its error.
Valasz<bool> sajatAdatfajl(const QString& folder, const QString& path);

// Writes `bytes` as the whole content of `path` (created or truncated), flushed to the disk.
// False with errno set on failure.
bool irTeljes(const QString& path, const QByteArray& bytes);

// Renames `path` within its folder to its own name followed by `utotag` (".hibas"), never
// replacing an existing file: when that name is taken, "name (2).csv" + `utotag`, "name (3)..."
// is tried. The new name is linked and flushed before the old one goes: a power loss leaves the
// file under at least one of them (under both, an unfinished move: csvAtvetelIkrek). Then the
// folder is flushed again, so that the old name does not come back: that flush's outcome goes to
// `szinkron` (a failure leaves the file moved, under its new name). The new full path, or
// nothing when the file could not be renamed (`hiba` says why).
std::optional<QString> atnevezSzabadNevre(const QString& path, const QString& ujNev, const QString& utotag = {},
                                          FajlEredmeny* szinkron = nullptr, FajlEredmeny* hiba = nullptr);

// The largest import file taken, and why a file is not.
inline constexpr qint64 kMaxCsvMeret = qint64(512) * 1024 * 1024;
// Reads a whole import file into `out`: only a regular file (a link to one is followed, one to
// a device, a FIFO or a folder is refused), opened without blocking, of at most kMaxCsvMeret
// bytes. False with the Hungarian reason in `miert` otherwise.
bool csvFajlOlvasas(const QString& path, QByteArray& out, QString& miert);
