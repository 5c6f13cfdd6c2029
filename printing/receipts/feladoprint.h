#pragma once
// The posting receipt, at the positions of SetFveveny.dat, in its one font at a main size and
// a second size for the two free lines; the declared value only with its box ticked.
// Standing: a DL envelope page, landscape, 32 mm to the right of the lying form; a refused
// printer setting (error 380) is passed over, any other failure shows the error box and
// cancels. Lying: a 165 x 120 mm page; any failure cancels silently.
#include <QString>

#include <functional>
#include <vector>

#include "printing/common/listprint.h"

struct Platform;
struct SetRekord;
struct SetFvevenyRekord;

// What the posting-receipt page holds for the printer, as it stands.
struct FeladoAdatok {
  QString txNev3, txCim3_1, txCim3_2;             // recipient
  QString lbSajatNev, lbSajatCim1, lbSajatCim2;  // sender
  QString txErtek, txUtanvet;                    // declared value, cash on delivery
  QString txtFeladov1, txtFeladov2;              // free lines
  // Check-box values: only 1 counts as ticked (0 clear, 2 grey).
  int chkAjanlott = 0, chkCsomag = 0, chkTerti = 0, chkHivIrat = 0, chkErtek = 0;
  int chkSK = 0, chkPRI = 0, chkPL = 0, chkLEGI = 0, chk5 = 0, chk6 = 0;
};

// Both read record 1 of Set.dat into `set` and of SetFveveny.dat into `fveveny`, print one
// page and end the document. Printed when the document was ended.
//
// Standing: the default printer is left as it is, a saved one is selected. `betuCsere` runs at
// each refused setting (error 380) before the print goes on: the main window's own font name
// becomes "Times New Roman"; the printer's font is not changed by it.
PrintResult PrintAlloFelado(const FeladoAdatok& lap, Platform& platform, SetRekord& set, SetFvevenyRekord& fveveny,
                     const std::function<void()>& betuCsere = {});
// Lying: the default printer is followed, a saved one is selected and no longer follows.
PrintResult PrintFekvoFelado(const FeladoAdatok& lap, Platform& platform, SetRekord& set, SetFvevenyRekord& fveveny);

// For the selected rows of the payer list that name a payer record, one receipt a page in
// displayed order: the recipient from the row's payer record, everything else from the page.
// The printer choice and the error handling as the single receipts of the same feed; the
// standing list runs `betuCsere` at each refused setting, as the single standing receipt.
PrintResult PrintCsAlloFelado(const std::vector<CsoportSor>& sorok, const FeladoAdatok& lap, Platform& platform,
                              SetRekord& set, SetFvevenyRekord& fveveny, const std::function<void()>& betuCsere = {});
PrintResult PrintCsFekvoFelado(const std::vector<CsoportSor>& sorok, const FeladoAdatok& lap, Platform& platform,
                               SetRekord& set, SetFvevenyRekord& fveveny);
