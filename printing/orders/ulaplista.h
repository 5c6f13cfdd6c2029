#pragma once
// The cash-on-delivery form for the selected rows of the payer list, one form per page, in
// the list's displayed order. The parcel addressee and the amount come from each row's payer
// record (nevek1.dat); the side, the two marks and the payee block from the page as it shows.
// The amount is written in words per row, measured in the payment slip's text font (Set.dat)
// to choose one or two lines. Standing feed: a DL envelope sheet, landscape. Lying feed: a
// 150 x 105 mm page. Any error cancels the whole document silently.
#include <QString>

#include <vector>

#include "printing/common/listprint.h"

struct Platform;
struct SetRekord;
struct SetRcsekkRekord;
struct SetUlapRekord;

// The page's controls that every form of the job shares, as they stand on screen.
struct UlapLapAllapot {
  QString cmdUtanvetOdalCsere;  // "Hátoldala" (kUlapElolap): the front; anything else: the back
  int chkUtanvetR = 0;          // an "X" when 1
  int chkUtanvetEL = 0;
  QString lbUNev, lbUHelyseg, lbUCim, lbUIrszam;  // payee of the amount
};

// Both read record 1 of Set.dat into `set`, of SetRcsekk.dat into `rcsekk` and of SetUlap.dat
// into `ulap`, and print on the saved printer when the settings say so. Selected rows whose
// record number is not a record of nevek1.dat are skipped. No selected row: an empty document.
// The result's `utolso` holds the last row's payer record, its amount and, when that amount is
// not 0, its words (AzazEzresek capitalised as printed); no notice record.
PrintResult PrintCsAlloUlap(const std::vector<CsoportSor>& sorok, const UlapLapAllapot& lap, Platform& platform,
                            SetRekord& set, SetRcsekkRekord& rcsekk, SetUlapRekord& ulap);
PrintResult PrintCsFekvoUlap(const std::vector<CsoportSor>& sorok, const UlapLapAllapot& lap, Platform& platform,
                             SetRekord& set, SetRcsekkRekord& rcsekk, SetUlapRekord& ulap);
