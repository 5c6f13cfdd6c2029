#pragma once
// The return receipt for official documents, at the positions of SetIrat2.dat in the text
// font, the code (the document number) in the code font; without the code font installed the
// code's digits print in the text font, without a code size (0) at the text size, and the
// user is told so once per print. Every failing
// step is passed over; the document is always ended. Both feeds print on a landscape DL
// envelope page: standing 55 mm to the right of the form's own places, lying 20 mm to the
// right and 3 mm up.
#include <QString>

#include <array>
#include <vector>

#include "printing/common/listprint.h"

struct Platform;
struct SetRekord;
struct SetIrat2Rekord;
struct SetTertiRekord;

// What the page of the return receipt for official documents holds for the printer.
struct IratAdatok {
  QString txtIratCimzettNev, txtIratCimzettHelyseg, txtIratCimzettUtca, txtIratCimzettIrszam;
  QString lbIratFeladoNev, lbIratFeladoCim1, lbIratFeladoCim2;  // return address
  std::array<QString, 3> txtIratFelado;                        // sender
  // Check-box values: only 1 counts as ticked (0 clear, 2 grey). Element 2 does not print.
  std::array<int, 3> chkVisszaCimPrint{};
  int chkVkod = 0;
  QString lbVkod;  // the code as the label holds it
  QString txtIratSzama, txtIratFajtaja, txtIratMelleklet;
  QString txtIratErtesites, txtIratFelvPosta, txtIratKuldAzonosito;
};

// Both read record 1 of Set.dat into `set` (a saved printer is selected, the default one is
// left as it is) and of SetIrat2.dat into `irat2`. Printed when the printer was there to print.
PrintResult PrintAlloIrat(const IratAdatok& lap, Platform& platform, SetRekord& set, SetIrat2Rekord& irat2);
PrintResult PrintFekvoIrat(const IratAdatok& lap, Platform& platform, SetRekord& set, SetIrat2Rekord& irat2);

// For the selected rows of the payer list that name a payer record, one form a page in
// displayed order: the recipient, the document's number (also as the code), kind, attachment
// and item identifier from the row's records; the return address and the sender from
// SetTerti.dat (read into `terti`); the notice and the post office from the page.
PrintResult PrintCsAlloIrat(const std::vector<CsoportSor>& sorok, const IratAdatok& lap, Platform& platform,
                            SetRekord& set, SetTertiRekord& terti, SetIrat2Rekord& irat2);
PrintResult PrintCsFekvoIrat(const std::vector<CsoportSor>& sorok, const IratAdatok& lap, Platform& platform,
                             SetRekord& set, SetTertiRekord& terti, SetIrat2Rekord& irat2);
