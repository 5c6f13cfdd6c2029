#pragma once
// The single yellow payment slip, printed from what the payment-slip page shows, at the
// positions of the slip layout in the general settings. Standing feed: a DL envelope sheet,
// landscape, fixed offsets plus the horizontal correction. Lying feed: a 210 x 105 mm portrait
// page, the stored positions as they are. Any printer error cancels the document silently.
#include <QString>

struct Platform;
struct SetRekord;

// The texts of the payment-slip page that the slip prints, as they stand on the page.
struct CsekkAdatok {
  QString txNev;             // payer name
  QString txCim1;            // settlement
  QString txCim2;            // street address
  QString txIrszam;          // postcode
  QString txOsszeg;          // amount in figures
  QString txtSzoveg21;       // amount in words, first line (already fitted)
  QString txtSzoveg11;       // amount in words, second line
  QString Kozlemeny1;        // first notice line
  QString Kozlemeny2;        // third notice line
  QString txtKozl3sor;       // the payer's own notice line (element 0)
  QString txBefizAzonosito;  // payer identifier
  bool chkBefAzonMasolasa = false;  // ticked: the identifier replaces the second legal title
  QString txtJogcim1;        // legal-title lines
  QString txtJogcim2;
  QString txtFizHatIdo;      // payment-deadline line
};

enum class SlipResult {
  Printed,
  NoPayer,  // no payer on the page: the message was shown; the caller focuses the payer list
  Failed,   // a printer error cancelled the document; nothing printed, nothing shown
};

// Both read record 1 of Set.dat from the program folder into `set` and choose the printer
// from it (following the system default when the settings say so).
SlipResult PrintAlloCsekk(const CsekkAdatok& adatok, Platform& platform, SetRekord& set);
SlipResult PrintFekvoCsekk(const CsekkAdatok& adatok, Platform& platform, SetRekord& set);
