#pragma once
// The line format of the payer exchange files. Import lines: columns separated by ';', every '"'
// dropped wherever it stands, no header line. Export lines: CsvSor, 331 bytes of fixed-width,
// ';'-terminated fields in the import's column order, code page 1250, CR LF.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

#include "payerstore/nevekrekord.h"

// The columns of the manual import and of the automatic import.
constexpr int kCsvOszlopok = 14;
constexpr int kAutoOszlopok = 10;

// How the bytes of an import file are text: UTF-16 when they start with a UTF-16 byte-order
// mark, UTF-8 when they are valid UTF-8 (a byte-order mark is dropped), else code page 1250.
enum class CsvKodolas { Kodlap1250, Utf8, Utf16 };
struct CsvForras {
  CsvKodolas kodolas = CsvKodolas::Kodlap1250;
  QByteArray bajtok;     // UTF-8 or code page 1250: the text's bytes (the file's own, shared)
  qsizetype kezdet = 0;  // where the text starts in `bajtok` (after a byte-order mark)
  QString szoveg;        // UTF-16: the decoded text, composed
  QString hiba;          // why the file is no usable text (broken UTF-16, NUL characters)
  QByteArrayView nezet() const { return QByteArrayView(bajtok).sliced(kezdet); }
  bool ures() const { return kodolas == CsvKodolas::Utf16 ? szoveg.isEmpty() : nezet().isEmpty(); }
};
CsvForras csvForras(const QByteArray& bytes);

// Text of an import file (csvForras) with decomposed accents composed. `hiba` gets why the file
// is no usable text.
QString csvSzoveg(const QByteArray& bytes, bool* utf8 = nullptr, QString* hiba = nullptr);

// One line (without its line end) split into exactly `oszlopok` columns: every '"' is dropped,
// every ';' ends a column; text after the last column's ';' is ignored, missing columns are empty.
// `idezettHatar` is set when one of the ';' that ended a column stood between two '"' (an opening
// and its closing one): a spreadsheet's quoted value holding a ';', which the split cuts in two,
// so the columns after it moved.
QStringList csvOszlopok(QStringView sor, int oszlopok, bool* idezettHatar = nullptr);

// The same on the bytes of a UTF-8 (utf8) or code page 1250 line: each column holds the code
// page 1250 bytes of its characters. False when the line holds a character the code page lacks:
// such a line is read as text (csvOszlopok, csvRekordok), which composes accents and counts what
// cannot be stored. A line of the code page's characters only is already in composed form.
struct CsvBajtSor {
  std::array<QByteArrayView, kCsvOszlopok> oszlop;
  QByteArray puffer;          // the columns' bytes; grows to the longest line
  bool idezettHatar = false;  // as in csvOszlopok
};
bool csvBajtOszlopok(QByteArrayView sor, bool utf8, int oszlopok, CsvBajtSor& ki);

// Leading and trailing spaces removed (only spaces, as the stored fields are padded with them).
QString csvSzokozNelkul(QStringView s);

// The amount column: empty (after trimming) is 0; a whole number (optional sign, digits, a
// decimal part of zeros only) that fits 32 bits is its value; anything else is no amount.
std::optional<int32_t> csvOsszeg(QStringView oszlop);
std::optional<int32_t> csvOsszeg(QByteArrayView oszlop);

// The fields of the import columns: column 1 as it is, the others trimmed. `oszlopok` is 14
// (manual) or 10 (automatic: column 10 is the document kind). `rossz` is set when the amount
// column held no whole number, or a negative one (the amount is then 0).
void csvRekordok(const QStringList& c, int oszlopok, NevekRekord& n, Kozl3sorRekord& k, bool* rossz = nullptr);
// The same from the columns of csvBajtOszlopok, straight into the bytes of the payer record
// (`nevek`, NevekRekord::Length) and the notice record (`kozl`). Returns the stored amount.
int32_t csvBajtRekordok(const CsvBajtSor& c, int oszlopok, char* nevek, char* kozl, bool* rossz = nullptr);

// The export line of one payer and its notice, CsvSor.
struct CsvSor {
  static constexpr int Length = 331;
  // Field widths in order; each holds the value, ';' and blanks up to its width.
  static constexpr int Szelesseg[14] = {31, 31, 31, 21, 5, 46, 10, 21, 28, 21, 21, 21, 21, 21};
};

struct CsvSorSzamlalo {
  int csere = 0;       // values in which ';' or '"' was replaced (';' by ',', '"' dropped)
  int csonkitott = 0;  // values cut to their field
};

// The 331 bytes of one export line from a payer and notice record (their stored bytes).
QByteArray csvSor(const QByteArray& nevek, const QByteArray& kozl, CsvSorSzamlalo* szamlalo = nullptr);
// The same into `out` (CsvSor::Length bytes).
void csvSor(QByteArrayView nevek, QByteArrayView kozl, char* out, CsvSorSzamlalo* szamlalo = nullptr);
