#pragma once
// Importing payers from a CSV file into nevek1.dat and kozl3sor.dat. The file is read whole;
// the new payer and notice files are written under temporary names while its lines are parsed
// (an append first copies the stored pair into them), and put in place together by the
// journalled swap once complete, so a failure at any point leaves both files as they were (or,
// once the journal stands, the next start finishes them).
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

#include "payerstore/fizetocsere.h"

// The manual import reads 14 columns and skips empty lines; the automatic import reads 10
// columns and stops at the first empty line. A line of separators only (a spreadsheet's empty
// row) is no empty line: it gives a blank payer. Lines end with CR LF, LF or CR.
enum class CsvValtozat { Kezi, Automatikus };

// The most payers one file may give: the records of each take about 400 bytes of memory.
inline constexpr int32_t kMaxImportSorok = 1000000;

// A parsed import file: the encoded records and what the parser met on the way.
struct CsvBeolvasas {
  QByteArray nevek, kozl;     // the new payer and notice records, whole and paired (csvFeldolgoz;
                              // csvImport writes them to the files instead)
  int32_t fizetok = 0;        // payers read
  int32_t rosszOsszeg = 0;    // amounts that were no whole number or negative (stored as 0)
  int32_t osszegNelkul = 0;   // payers whose amount is 0 (an empty amount column included)
  int32_t kodlapon = 0;       // values holding characters that code page 1250 lacks ('?')
  int32_t uresSorok = 0;      // empty lines skipped (manual import)
  int32_t idezettSorok = 0;   // lines whose columns moved at a ';' between quotes (csvOszlopok)
  QList<int32_t> idezettSorszamok;  // the first kIdezettSorszamok of their line numbers (from 1)
  bool utf8 = false;          // the file was read as UTF-8
  QString hiba;               // why nothing can be taken from the file (Hungarian); no records then
};

// How many line numbers of quoted ';' the messages name.
inline constexpr int kIdezettSorszamok = 5;

// Parses a whole import file. A file of more than `maxSorok` payers is refused whole.
CsvBeolvasas csvFeldolgoz(const QByteArray& fajl, CsvValtozat valtozat, int32_t maxSorok = kMaxImportSorok);

struct ImportEredmeny {
  QString hiba;               // Hungarian reason when nothing was imported; empty otherwise
  QString kesobb;             // imported, but the swap is finished only at the next start: why
  int32_t elso = 0;           // record number of the first imported payer
  CsvBeolvasas adatok;
  bool ures = false;          // the file held no payer: nothing was written
  bool fajlHiba = false;      // the file itself gives nothing (odd, too big, no text, no payer)
  bool ok() const { return hiba.isEmpty(); }
};

// Appends the parsed payers after the stored ones (felulir false) or replaces the payer pair
// with them. A notice file shorter than the payer file is padded with blank notices, so every
// payer keeps its own; notices beyond the last payer are dropped. `horog` reaches the swap's
// steps (tests inject failures there); `forras` is the file the payers came from, removed with
// the change (fizetoParCsere).
CsereEredmeny fizetokIrasa(const QString& folder, const CsvBeolvasas& adatok, bool felulir, int32_t* elso = nullptr,
                           const CsereHorog& horog = {}, const QString& forras = {});

struct ImportOpciok {
  QString nev;         // the file's name in messages (default: its own)
  bool forrasTorles = false;  // the file goes with the change (a claimed watched file)
  CsereHorog horog;
};

// Reads `csvPath` (csvFajlOlvasas: a regular file, not too big), parses it and writes the
// payers as they are parsed (fizetokIrasa's pair, without holding it in memory). The program's
// own data files are refused; a file that cannot be read or gives no payer changes nothing, and
// its fault is said before any fault of the writing.
ImportEredmeny csvImport(const QString& folder, const QString& csvPath, bool felulir, CsvValtozat valtozat,
                         const ImportOpciok& opciok = {});

// The final message of a successful manual import, with its counts.
QString importUzenet(const ImportEredmeny& e);
// The note on lines whose columns moved at a quoted ';' (two lines: how many and which, and
// why), for the messages of the manual and the watched import; empty when there were none.
QString idezettMegjegyzes(const CsvBeolvasas& b);
inline const QString kImportCim = QStringLiteral("Adatbázis importálása");
