#pragma once
// The return receipt for official documents: one form from what its page shows, at the
// positions of SetIrat2.dat in the text font, the code (the document number as the code
// label holds it) in the code font. Every failing step is passed over; the document is always
// ended. Standing: a DL envelope page, landscape, 55 mm to the right of the form's own places.
// Lying: the form itself is the page, 165 mm across and 105 mm down.
#include <QString>

#include <array>

struct Platform;
struct SetRekord;
struct SetIrat2Rekord;

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
// left as it is) and of SetIrat2.dat into `irat2`. True when the printer was there to print.
bool PrintAlloIrat(const IratAdatok& lap, Platform& platform, SetRekord& set, SetIrat2Rekord& irat2);
bool PrintFekvoIrat(const IratAdatok& lap, Platform& platform, SetRekord& set, SetIrat2Rekord& irat2);
