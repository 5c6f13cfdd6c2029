#pragma once
// Importing payers from a CSV file into nevek1.dat and kozl3sor.dat. The file is read and
// parsed whole first; the new payer and notice files are then written completely under
// temporary names and put in place together by the journalled swap, so a failure at any point
// leaves both files as they were.
#include <QByteArray>
#include <QString>

#include <cstdint>

#include "records/fizetocsere.h"

// The manual import reads 14 columns and skips empty lines; the automatic import reads 10
// columns and stops at the first empty line.
enum class CsvValtozat { Kezi, Automatikus };

// A parsed import file: the encoded records and what the parser met on the way.
struct CsvBeolvasas {
  QByteArray nevek, kozl;     // the new payer and notice records, whole and paired
  int32_t fizetok = 0;        // payers read
  int32_t rosszOsszeg = 0;    // amounts that were no whole number (stored as 0)
  int32_t osszegNelkul = 0;   // payers whose amount is 0 (an empty amount column included)
  int32_t kodlapon = 0;       // values holding characters that code page 1250 lacks ('?')
  int32_t uresSorok = 0;      // empty lines skipped (manual import)
  bool utf8 = false;          // the file was read as UTF-8
};

CsvBeolvasas csvFeldolgoz(const QByteArray& fajl, CsvValtozat valtozat);

struct ImportEredmeny {
  QString hiba;               // Hungarian reason; empty on success
  int32_t elso = 0;           // record number of the first imported payer
  CsvBeolvasas adatok;
  bool ures = false;          // the file held no payer: nothing was written
  bool ok() const { return hiba.isEmpty(); }
};

// Appends the parsed payers after the stored ones (felulir false) or replaces the payer pair
// with them. A notice file shorter than the payer file is padded with blank notices, so every
// payer keeps its own; notices beyond the last payer are dropped. Empty on success, else why.
// `horog` reaches the swap's steps (tests inject failures there).
QString fizetokIrasa(const QString& folder, const CsvBeolvasas& adatok, bool felulir, int32_t* elso = nullptr,
                     const CsereHorog& horog = {});

// Reads `csvPath` whole, parses it and writes the payers. The program's own data files are
// refused; a file that cannot be read writes nothing. A file without payers changes nothing.
ImportEredmeny csvImport(const QString& folder, const QString& csvPath, bool felulir, CsvValtozat valtozat);

// The final message of a successful manual import, with its counts.
QString importUzenet(const ImportEredmeny& e);
inline const QString kImportCim = QStringLiteral("Adatbázis importálása");
