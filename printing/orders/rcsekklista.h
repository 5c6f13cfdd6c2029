#pragma once
// The pink money order for the selected rows of the payer list, one form per page, each row's
// payer read from the program folder by the row's record number and the fixed party from the
// money-order layout (SetRcsekk.dat). Both feeds show the printer dialog first; any error
// (a cancel of the dialog too) cancels the whole document and shows "Hiba kódszáma: ...".
// Standing feed: a DL envelope sheet, landscape, front or back as the money-order page shows;
// lying feed: the front only, on the printer's page set-up.
#include <QString>

#include <array>
#include <vector>

#include "printing/common/listprint.h"

struct Platform;
struct SetRekord;
struct SetRcsekkRekord;

// What the money-order page shows that every form of the job shares.
struct RcsekkListaLap {
  QString cmdOldalCsere;                       // caption of the turn button
  bool opAllando0 = true;                      // fixed recipient, the payer is the sender
  QString RlbNev, RlbHelys, RlbCim, RlbIrsz;   // the fixed recipient's labels
  std::array<QString, 4> RcsekkKozlemenyHatul;  // back: notice lines
};

// Both read record 1 of Set.dat into `set` and of SetRcsekk.dat into `rcsekk`, and print
// the selected rows in list order. Rows whose record number is not a record of nevek1.dat
// are skipped. The result's `utolso` holds the last row's records and words (no lbOsszeg).
PrintResult PrintCsAlloRcsekk(const std::vector<CsoportSor>& sorok, const RcsekkListaLap& lap, Platform& platform,
                              SetRekord& set, SetRcsekkRekord& rcsekk);
PrintResult PrintCsFekvoRcsekk(const std::vector<CsoportSor>& sorok, const RcsekkListaLap& lap, Platform& platform,
                               SetRekord& set, SetRcsekkRekord& rcsekk);
