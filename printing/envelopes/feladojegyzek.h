#pragma once
// The posting list ("feladójegyzék") of the selected payers on the current printer: one line a
// payer with name, settlement and postcode, 14 lines a landscape page 8 mm apart, the first
// line of every page at the offsets of FjSet.dat. Times New Roman CE 8 pt, not bold, set
// before the first line. Rows whose record number names no payer record are left out and
// counted. A printer error cancels the document and shows "Hiba kódszáma: ...".
#include <cstdint>
#include <optional>
#include <vector>

#include "printing/envelopes/fjsetrekord.h"
#include "records/nevekrekord.h"

struct Platform;

struct FeladojegyzekEredmeny {
  bool printed = false;               // the document was ended
  int sorok = 0;                      // lines placed
  int kihagyott = 0;                  // rows that name no payer record
  std::optional<NevekRekord> utolso;  // the last payer read
};

// `rekordok`: the record numbers of the selected rows in displayed order. Reads record 1 of
// FjSet.dat into `fjSet`. Tells the user, after the print, how many rows were left out.
FeladojegyzekEredmeny PrintFeladojegyzek(const std::vector<int32_t>& rekordok, Platform& platform,
                                         FjSetRekord& fjSet);
