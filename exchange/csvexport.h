#pragma once
// Exporting every payer with its notice as CsvSor lines (331 bytes each, code page 1250) in the
// column order of the import, so the file can be imported again.
#include <QString>

#include <cstdint>

struct ExportEredmeny {
  QString hiba;            // Hungarian reason; empty on success
  int32_t fizetok = 0;     // lines written
  int32_t csere = 0;       // values whose ';' or '"' was replaced
  int32_t csonkitott = 0;  // values cut to their field
  // The new file stands whole under its name, but the disk reported an error when its folder
  // was flushed (`hiba` says so), so it may not last a power loss; `volt`: an older file of that
  // name was there, which could then come back.
  bool nemBiztos = false, volt = false;
  bool ok() const { return hiba.isEmpty(); }
};

// Writes the lines into `celPath` + ".felkesz" and renames it over `celPath` once it is on the
// disk, so a failed export never leaves a half file under the chosen name, and the message
// gives the system's reason of the call that failed. A payer without a notice record gets blank
// notice fields. The program's own data files are refused as target.
ExportEredmeny csvExport(const QString& folder, const QString& celPath);

// The final message of a successful export, with its counts.
QString exportUzenet(const ExportEredmeny& e);
inline const QString kExportCim = QStringLiteral("Adatbázis exportálása");
