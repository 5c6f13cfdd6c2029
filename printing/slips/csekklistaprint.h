#pragma once
// The yellow payment slip for rows of the payer list, one slip per page, each row's payer and
// notice records read from the program folder by the row's record number. Standing feed: the
// printer dialog first, a DL envelope sheet, landscape, fixed offsets plus the horizontal
// correction; any error cancels the document and shows "Hiba kódszáma: ...". Lying feed: no
// dialog, a 210 x 105 mm portrait page, the stored positions; any error cancels silently.
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "printing/slips/osszegbetuvel.h"
#include "records/nevekrekord.h"

struct Platform;
struct SetRekord;

// One row of the payer list, in displayed order: its record number (third column) and
// whether it is selected.
struct CsoportSor {
  int32_t rekordSzam = 0;
  bool kijelolt = false;
};

// The texts of the payment-slip page that every slip of the job shares, as they stand on it.
struct CsekkLapSzovegek {
  QString Kozlemeny1;  // first notice line
  QString Kozlemeny2;  // third notice line
  QString txtJogcim1;  // legal-title lines
  QString txtJogcim2;
  bool chkBefAzonMasolasa = false;  // ticked: the payer identifier replaces txtJogcim2
};

// What a list print leaves for the shared copies: the last printed row's records and amount,
// and the words written last (AzazEzresek capitalised as printed). The standing feed writes no
// words for an amount of 0, so `Azaz` may come from an earlier row or be none.
struct CsoportUtolso {
  NevekRekord Nevek;
  Kozl3sorRekord Kozl3sor;
  int32_t AzazOsszeg = 0;
  std::optional<OsszegSzavak> Azaz;
  std::optional<QString> lbOsszeg;  // lying feed: the caption of the slip page's amount label
};

struct CsoportEredmeny {
  bool printed = false;  // the document was ended; false when an error cancelled it
  int lapok = 0;         // slips placed
  std::optional<CsoportUtolso> utolso;  // none when no row was read
};

// Both read record 1 of Set.dat from the program folder into `set`. The standing feed takes
// every row when SetRekord::AutoPrint is not 0, else the selected ones; the lying feed always
// the selected ones. Rows whose record number is not a record of nevek1.dat are skipped.
CsoportEredmeny PrintCsAlloCsekk(const std::vector<CsoportSor>& sorok, const CsekkLapSzovegek& lap,
                                 Platform& platform, SetRekord& set);
CsoportEredmeny PrintCsFekvoCsekk(const std::vector<CsoportSor>& sorok, const CsekkLapSzovegek& lap,
                                  Platform& platform, SetRekord& set);
