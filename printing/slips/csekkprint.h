#pragma once
// The single yellow payment slip, printed from what the payment-slip page shows, at the
// positions of the slip layout in the general settings. Standing feed: a DL envelope sheet,
// landscape, fixed offsets plus the horizontal correction. Lying feed: a 210 x 105 mm portrait
// page, the stored positions as they are. Any printer error cancels the document silently.
#include <QString>

#include "printing/common/listprint.h"

class PrintJob;
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

// Both read record 1 of Set.dat from the program folder into `set` and choose the printer
// from it (following the system default when the settings say so). NoPayer: no payer on the
// page, the message was shown (the caller focuses the payer list); Failed: a printer error
// cancelled the document, nothing printed, nothing shown.
PrintResult PrintAlloCsekk(const CsekkAdatok& adatok, Platform& platform, SetRekord& set);
PrintResult PrintFekvoCsekk(const CsekkAdatok& adatok, Platform& platform, SetRekord& set);

// Millimetres each feed adds to the stored positions of the slip (the standing feed adds the
// horizontal correction to every X besides).
struct CsekkEltolas {
  int osszegX, osszegY;
  int kozlemenyX, kozlemenyY;
  int szoveg1X, szoveg2X, szovegY1, szovegY2;
  int befizAzonX, jogcimX;
  int cimX, cimY;
};
inline constexpr CsekkEltolas kCsekkAllo{10, 1, 10, 2, 8, 7, 2, 1, 7, 7, 5, 4};
inline constexpr CsekkEltolas kCsekkFekvo{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2};
// The list's lying slips put the name lines 1 mm lower than the single lying slip.
inline constexpr CsekkEltolas kCsekkListaFekvo{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3};

// The slip's two fonts as it prints them (PrintJob::betu): the stored figures and text fonts,
// or, where the printer does not have them, the factory layout's.
QString csekkSzamBetu(PrintJob& j, const SetRekord& set);
QString csekkSzovegBetu(PrintJob& j, const SetRekord& set);

// The slip's page on a running job: millimetres, bold off; standing a DL envelope sheet,
// landscape; lying a 210 x 105 mm portrait page.
void csekkOldal(PrintJob& j, bool allo);

// Places one slip on a running job, shared by the single and the list print, at the positions
// of `set` plus `o`, in its two fonts (name and size only), by its print switches. `szoveg1`
// and `szoveg2` are the two words lines with their "*" marks. Without `osszeggel` the amount
// and the font change before it are left out. The third legal-title line is the payer
// identifier when `a.chkBefAzonMasolasa` (trimmed when lying). Page set-up is the caller's.
void placeCsekk(PrintJob& j, const SetRekord& set, const CsekkAdatok& a, const QString& szoveg1,
                const QString& szoveg2, bool allo, const CsekkEltolas& o, bool osszeggel = true);
