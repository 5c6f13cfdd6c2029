#pragma once
// File helpers of the data exchange.
#include <QByteArray>
#include <QString>

// True when `path` is one of the program's own data files: nevek1.dat, kozl3sor.dat or any
// .dat file of the program folder (links followed, case ignored).
bool sajatAdatfajl(const QString& folder, const QString& path);

// Writes `bytes` as the whole content of `path` (created or truncated), flushed to the disk.
bool irTeljes(const QString& path, const QByteArray& bytes);

// rename(2): replaces `to` in one step; false on failure.
bool atnevez(const QString& from, const QString& to);
