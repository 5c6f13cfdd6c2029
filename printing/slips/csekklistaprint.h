#pragma once
// The yellow payment slip for rows of the payer list, one slip per page, each row's payer and
// notice records read from the program folder by the row's record number. Standing feed: the
// printer dialog first, a DL envelope sheet, landscape, fixed offsets plus the horizontal
// correction; any error cancels the document and shows "Hiba kódszáma: ...". Lying feed: no
// dialog, a 210 x 105 mm portrait page, the stored positions; any error cancels silently.
#include <QString>

#include <vector>

#include "printing/common/listprint.h"

struct Platform;
struct SetRekord;

// The texts of the payment-slip page that every slip of the job shares, as they stand on it.
struct CsekkLapSzovegek {
  QString Kozlemeny1;  // first notice line
  QString Kozlemeny2;  // third notice line
  QString txtJogcim1;  // legal-title lines
  QString txtJogcim2;
  bool chkBefAzonMasolasa = false;  // ticked: the payer identifier replaces txtJogcim2
};

// Both read record 1 of Set.dat from the program folder into `set`. The standing feed takes
// every row when SetRekord::AutoPrint is not 0, else the selected ones; the lying feed always
// the selected ones. Rows whose record number is not a record of nevek1.dat are skipped. The
// result's `utolso` holds the last row's records, amount and words (the standing feed writes
// no words for an amount of 0) and, lying, the slip page's amount caption.
PrintResult PrintCsAlloCsekk(const std::vector<CsoportSor>& sorok, const CsekkLapSzovegek& lap,
                             Platform& platform, SetRekord& set);
PrintResult PrintCsFekvoCsekk(const std::vector<CsoportSor>& sorok, const CsekkLapSzovegek& lap,
                              Platform& platform, SetRekord& set);
