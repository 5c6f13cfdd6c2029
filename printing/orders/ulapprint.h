#pragma once
// The cash-on-delivery form for one payer, printed from what the cash-on-delivery page shows,
// at the positions of the cash-on-delivery layout (SetUlap.dat) plus each feed's fixed
// offsets, in the two fonts of the money-order layout (SetRcsekk.dat). The page's turn button
// tells the side: "Hátoldala" while the front shows, so the front is printed; any other
// caption prints the back. Standing feed: a DL envelope sheet, landscape. Lying feed: the
// form itself, 150 x 105 mm, as the lying list prints on.
//
// Texts are printed exactly as the page holds them (no trimming). A printer or file error
// cancels the document, so nothing half-printed reaches the printer; no message is shown.
#include <QString>
#include <QStringList>

#include "printing/common/listprint.h"

class PrintJob;
struct Platform;
struct SetRekord;
struct SetRcsekkRekord;
struct SetUlapRekord;

// The texts and values of the main window that the form prints, as they stand on screen.
struct UlapAdatok {
  QString txNev;                // the chosen payer's name on the main window: guard only
  QString cmdUtanvetOdalCsere;  // caption of the turn button
  QString txUosszeg;            // amount, as typed
  int chkUtanvetR = 0;          // the "R" option: an "X" when 1
  int chkUtanvetEL = 0;         // the "ÉL" option: an "X" when 1
  QString txUNev, txUCim;       // parcel addressee (front)
  QString lbosszegBetuvel1, lbosszegBetuvel2;          // amount in words, with their "*" marks
  QString lbUNev, lbUHelyseg, lbUCim, lbUIrszam;       // payee of the amount (front)
  QString lbUNevHatul, lbUHelysegHatul, lbUCimHatul, lbUIrszamHatul;  // parcel addressee (back)
};

inline const QString kUlapElolap = QStringLiteral("Hátoldala");   // front on screen
inline const QString kUlapHatlap = QStringLiteral("Első oldal");  // back on screen

// Both read record 1 of Set.dat into `set`, of SetRcsekk.dat into `rcsekk` and of SetUlap.dat
// into `ulap` from the program folder, and print on the saved printer when the settings say
// so (otherwise on the current one). One document of one page. NoPayer: blank txNev, the
// message has been shown (the caller gives the payer list the focus); Failed: a printer or
// file error cancelled the document, nothing printed, nothing shown.
PrintResult PrintAlloULap(const UlapAdatok& adatok, Platform& platform, SetRekord& set, SetRcsekkRekord& rcsekk,
                         SetUlapRekord& ulap);
PrintResult PrintFekvoULap(const UlapAdatok& adatok, Platform& platform, SetRekord& set, SetRcsekkRekord& rcsekk,
                          SetUlapRekord& ulap);

// Millimetres each feed adds to the stored positions of the form.
struct UlapEltolas {
  int osszegX, osszegY;  // amount, both copies
  int rX, rY, elY;       // the two marks: shared X, the "R" and the "ÉL" mark's Y
  int feladoX, feladoY;  // parcel addressee (front)
  int szovegX, szovegY;  // amount in words
  int cimX, cimY;        // payee
  int kuldX, kuldY;      // parcel addressee (back)
};
inline constexpr UlapEltolas kUlapAllo{65, 0, 62, -1, 9, 67, -2, 63, -2, 64, -1, 64, -1};
inline constexpr UlapEltolas kUlapFekvo{26, -3, 24, -2, 6, 26, -4, 25, -4, 25, -3, 26, -3};

// The form's page on a running job, shared by the single and the list print: millimetres,
// bold off; standing a DL envelope sheet, landscape; lying the form itself, portrait.
inline constexpr double kUlapFekvoSzelesMm = 150;
inline constexpr double kUlapFekvoMagasMm = 105;
void ulapOldal(PrintJob& j, bool allo);

// Places the side of the form that `a.cmdUtanvetOdalCsere` names on the running job, in the
// fonts of `rc` at the positions of `u` plus `o`. The amount line prints the pieces of
// `osszeg` joined with nothing between them (txUosszeg is not read). Page set-up is the caller's.
void placeUlap(PrintJob& j, const UlapAdatok& a, const QStringList& osszeg, const SetRcsekkRekord& rc,
               const SetUlapRekord& u, const UlapEltolas& o);
