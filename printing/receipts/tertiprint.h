#pragma once
// The return receipt card, domestic or international, at the positions of SetTerti.dat in its
// one font. Standing cards lie on a landscape A4 sheet at fixed offsets; lying cards are the
// page itself, 165 x 105 mm. The single cards print what the return-receipt page shows; the
// list cards take the recipient and identifiers from each row's records and the post office,
// date and marks from the page.
#include <QString>
#include <QStringList>

#include <vector>

#include "printing/common/listprint.h"

struct Platform;
struct SetRekord;
struct SetTertiRekord;
struct NevekRekord;
struct Kozl3sorRekord;

// What the return-receipt page holds for the printers, as it stands.
struct TertiAdatok {
  bool belfoldi = true;  // opBelfold element 0 chosen: the domestic card
  QString txNev2, txCim2_1, txCim2_2;
  QString txtTertiPosta, txtTertiDatum;
  QString txKudemenyAzonosito, txUgyfelAzonosito, txUgyfelSajatJelzese;
  // Check-box values: only 1 counts as ticked (0 clear, 2 grey).
  int chkTPri = 0, chkTSk = 0, chkTUv = 0, chkLevel = 0, chkKCsomag = 0;
};

// Each reads record 1 of Set.dat into `set` and of SetTerti.dat into `terti`.
//
// Standing, single: every failing step is skipped; the document is always ended (printed). The
// printer: the system default, followed, or the saved one.
PrintResult PrintAlloTerti(const TertiAdatok& lap, Platform& platform, SetRekord& set, SetTertiRekord& terti);

// Lying, single: any failure cancels the document silently. A saved printer is selected, the
// default one is left as it is.
PrintResult PrintFekvoTerti(const TertiAdatok& lap, Platform& platform, SetRekord& set, SetTertiRekord& terti);

// Standing, list: one card per selected row that names a payer record, in displayed order;
// every failing step is skipped and the document is always ended. A saved printer is
// selected, the default one is left as it is.
PrintResult PrintCsAlloTerti(const std::vector<CsoportSor>& sorok, const TertiAdatok& lap, Platform& platform,
                             SetRekord& set, SetTertiRekord& terti);

// Lying, list: `rekordok` are the record numbers as the list shows them (FizetoLista::kijeloltRekordok).
// Each card's records are read into `nevek` and `kozl3sor`, which keep the last card's. A text
// that names no payer record (no number, below 1, past the end) gives no card; any printer
// failure cancels the document: not printed, no message. `lapok` counts the cards.
PrintResult PrintCsFekvoTerti(const TertiAdatok& lap, const QStringList& rekordok, Platform& platform, SetRekord& set,
                       SetTertiRekord& terti, NevekRekord& nevek, Kozl3sorRekord& kozl3sor);
