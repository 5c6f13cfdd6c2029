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
  bool ok() const { return hiba.isEmpty(); }
};

// Writes the lines into a temporary file beside `celPath` and renames it over `celPath`, so a
// failed export never leaves a half file under the chosen name. A payer without a notice
// record gets blank notice fields. The program's own data files are refused as target.
ExportEredmeny csvExport(const QString& folder, const QString& celPath);

// The final message of a successful export, with its counts.
QString exportUzenet(const ExportEredmeny& e);
inline const QString kExportCim = QStringLiteral("Adatbázis exportálása");
