#pragma once
// What every form printer returns, and the one skeleton of the list printers.
//
// A list printer prints rows of the payer list, one form per page, in displayed order:
//   PrintResult PrintCsXxx(const std::vector<CsoportSor>& sorok, ..., Platform& pf, ...) {
//     return printList(pf, ErrorClass::SilentCancel, sorok,
//         [&](PrintJob& j) { j.start(pf.folder, set, PrinterChoice::KeepCurrent); ...; return false; },
//         [&](PrintJob& j, ListRow& row) { placeXxx(j, ..., row.nevek()); });
//   }
// The page set-up runs once on the running job; the placing function once per row, after
// which the skeleton starts the next page. Page set-up and placing are steps of the job, so
// the job's error class handles every printer error.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "common/printjob.h"
#include "payerstore/nevekrekord.h"
#include "printing/common/osszegszavak.h"

class FizetoPar;

// One row of the payer list, in displayed order: its record number (third column) and
// whether it is selected.
struct CsoportSor {
  int32_t rekordSzam = 0;
  bool kijelolt = false;
};

// What a list print leaves for the shared copies: the last printed row's records and amount,
// and the words written last (AzazEzresek capitalised as printed). A form that writes no words
// for a row leaves `Azaz` from an earlier row, or none.
struct CsoportUtolso {
  NevekRekord Nevek;
  Kozl3sorRekord Kozl3sor;
  bool vanKozl3sor = false;  // the list passes Kozl3sor on (false: the shared copy keeps its own)
  int32_t AzazOsszeg = 0;
  std::optional<OsszegSzavak> Azaz;
  std::optional<QString> lbOsszeg;  // lying slips: the caption of the slip page's amount label
};

// The one result of every form printer, single or list.
struct PrintResult {
  enum Status { Printed, NoPayer, Failed };
  bool printed = false;  // the document was ended; false when an error cancelled it
  bool noPayer = false;  // single forms: no payer chosen; the message was shown, nothing printed
  int lapok = 0;         // forms placed (list printers)
  // List printers: the positions in the list of the rows printed, in print order, and whether
  // the document was sent with no step failing (skipped steps count as failures).
  std::vector<int> sorok;
  bool hibatlan = false;
  std::optional<PrinterError> elsoHiba;  // list printers: the first step that failed, if any
  std::optional<CsoportUtolso> utolso;  // list printers: none when no row was printed

  Status status() const { return noPayer ? NoPayer : printed ? Printed : Failed; }
  // True when the document was ended.
  explicit operator bool() const { return printed; }
  friend bool operator==(const PrintResult& r, Status s) { return r.status() == s; }
  // A document ended (true) or cancelled (false).
  static PrintResult done(bool ended) { return of(ended ? Printed : Failed); }
  static PrintResult of(Status s) {
    PrintResult r;
    r.printed = s == Printed;
    r.noPayer = s == NoPayer;
    return r;
  }
};

// The rows a list prints: the record numbers of the selected rows (every row with `mind`), in
// displayed order. A number that names no record of a file of `db` records (a list older than
// the file) would print an empty form: it is left out.
std::vector<int32_t> listRows(const std::vector<CsoportSor>& sorok, bool mind, int32_t db);

// The rows a print takes off the payer list when the general settings ask for it (`printDel`
// above 0): the printed rows, last to first so that removing one moves none of the others,
// and none at all unless the document was sent without any error.
std::vector<int> torlendoSorok(const PrintResult& r, int16_t printDel);

// One row while it is placed: its record number and its records, read on first use; what it
// reads is what the print leaves in `utolso`.
class ListRow {
 public:
  int32_t n = 0;
  CsoportUtolso& utolso;
  const NevekRekord& nevek() const { return utolso.Nevek; }
  // The row's notice record from kozl3sor.dat (opened on first use).
  const Kozl3sorRekord& kozl3sor();
  // The words `w` written for this row: kept for the shared copies.
  void azaz(const OsszegSzavak& w) { utolso.Azaz = w; }

  ListRow(int32_t number, CsoportUtolso& u, FizetoPar& par) : n(number), utolso(u), par_(par) {}

 private:
  FizetoPar& par_;
};

// Runs a list print under `errorClass` on the platform's printer: `setup` (settings, printer
// choice, page set-up, dialog) returns true to print every row and false for the selected
// ones; then for each row of listRows() its payer record is read, `place` places its form and
// a new page follows (after every `perPage` forms: a page holding several, such as the lines
// of the posting list); then the end of the document. With no printer nothing happens.
PrintResult printList(Platform& platform, ErrorClass errorClass, const std::vector<CsoportSor>& sorok,
                      const std::function<bool(PrintJob&)>& setup,
                      const std::function<void(PrintJob&, ListRow&)>& place, int perPage = 1);
