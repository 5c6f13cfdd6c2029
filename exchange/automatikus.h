#pragma once
// The watched-folder import: which file to take, and taking it so that the same payers are
// never imported twice.
#include <QDateTime>
#include <QString>

#include <optional>

#include "exchange/csvimport.h"

// The file seen on the previous tick: its path, size and modification time.
struct FigyeltFajl {
  QString path;
  qint64 meret = -1;
  QDateTime ido;
};

// The first "*.csv" of `mappa` (any case, name order), once its size and time are the same as
// on the previous tick (a file still being copied changes). `elozo` remembers what was seen.
// A blank or missing folder gives nothing.
std::optional<QString> stabilCsv(const QString& mappa, FigyeltFajl& elozo);

enum class AutoAllapot { Kesz, Eltunt, NemJelolheto, Hiba };
struct AutoImportEredmeny {
  AutoAllapot allapot = AutoAllapot::Hiba;
  ImportEredmeny import;
  QString hiba;  // Hungarian text for NemJelolheto and Hiba
};

// Imports a watched file with the 10-column rules. The file is first renamed to
// "<name>.imported", so a crash after the import cannot bring its payers in again; after the
// import it is deleted (if that fails it stays under that name). A file that cannot be renamed
// is not imported (NemJelolheto); a file that is gone is no error (Eltunt); a failed import puts
// the file back under its name (Hiba).
AutoImportEredmeny automatikusImport(const QString& folder, const QString& csvPath, bool felulir);
