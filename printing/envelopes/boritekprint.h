#pragma once
// Envelope addressing: one envelope from the envelope page's boxes, or one envelope per
// selected row of the payer list. Three sizes (C6, C5, C5/6), fed standing (landscape, the C5
// sheet, each size with its own offset added to every position) or lying (portrait, the stored
// positions). An envelope carries up to three items, each under its own switch: the recipient
// block, the picture and the sender block; the sender's lines lie over the picture.
//
// The envelope font the printer does not have gives way to the one a first start stores, and
// the print says so once. Error class "font fallback": a setting the printer refuses with
// error 380 (a size, a paper) is skipped; any other error shows its description and number and discards the
// document. A picture switched on but not loaded (none chosen, a missing or damaged file) is
// left out and the user is told once; the rest of the envelope prints.
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

#include "printing/common/listprint.h"
#include "printing/envelopes/boritekhely.h"

class PrintJob;
struct Platform;
struct SetRekord;
struct BoritekRekord;

// The envelope page's state that every envelope of a print shares.
struct BoritekLapAllapot {
  int meret = 0;  // the chosen size option: 1 C6 (OpB1), 2 C5 (OpB2), 3 C5/6 (OpB3); 0 none
  int chkCimzett = 0, chkFelado = 0, chkKepPrint = 0;
  std::array<int, 5> chkFKC{};  // bold switches: name, second name, settlement, street, postcode
  std::array<int, 4> chkFKF{};  // bold switches: name, address 1, address 2, postcode
  QString txtFelado5mezo;       // the sender's free fifth line
  int16_t KepPozX = 0, KepPozY = 0;    // picture's left and top edge, mm
  double KepSzeles = 0, KepMagas = 0;  // picture's size: 10 x these millimetres
  QImage kep;                  // the picture shown on the page; null when none is loaded
  QString KivalasztottKep;     // its file, named when it cannot be printed
};

struct BoritekCimzett {
  QString Nev, Nev2, Helyseg, Cim, Irsz;
};
struct BoritekFelado {
  QString Nev, Cim1, Cim2, IrSzam;
};

// A single envelope: the page's switches and the texts of its boxes.
struct BoritekAdatok {
  BoritekLapAllapot lap;
  BoritekCimzett cimzett;  // txtBoritekCimzettNev ... txtBoritekCimzettIrSzam
  BoritekFelado felado;    // txtBoritekFeladoNev ... txtBoritekFeladoIrSzam
};

// Both read record 1 of Set.dat into `set` (printer choice) and of boritek.dat into `boritek`,
// and leave the chosen size and its block positions in `hely`. NoPayer: the recipient switch
// is ticked and the name is blank; "Nincs címzett..." has been shown and nothing printed.
PrintResult PrintAlloBoritek(const BoritekAdatok& adatok, Platform& platform, SetRekord& set, BoritekRekord& boritek,
                             BoritekHely& hely);
PrintResult PrintFekvoBoritek(const BoritekAdatok& adatok, Platform& platform, SetRekord& set, BoritekRekord& boritek,
                              BoritekHely& hely);

// One envelope per selected row in displayed order, the recipient from the row's payer
// record, the sender from boritek.dat and the page's fifth line. Rows whose record number
// names no payer record give no envelope. No selected row: an empty document. `utolso` holds
// the payer record read last.
PrintResult PrintCsAlloBoritek(const std::vector<CsoportSor>& sorok, const BoritekLapAllapot& lap, Platform& platform,
                               SetRekord& set, BoritekRekord& boritek, BoritekHely& hely);
PrintResult PrintCsFekvoBoritek(const std::vector<CsoportSor>& sorok, const BoritekLapAllapot& lap, Platform& platform,
                                SetRekord& set, BoritekRekord& boritek, BoritekHely& hely);

// What the size step takes for the chosen size.
struct BoritekMeretezes {
  double ox = 0, oy = 0;  // offset added to every position (standing feed), mm
  QString betu;           // the envelope font as it prints (PrintJob::betu)
  double nevMeret = 0, feladoMeret = 0;  // recipient and sender size, points
};

// The size step: reads boritek.dat into `b`, copies the chosen size's positions into `hely`
// and sets the paper (standing: the C5 sheet; lying: C6 and C5 the C5 sheet, C5/6 a
// 229 x 114 mm page; the orientation must be set before).
BoritekMeretezes boritekMeret(PrintJob& j, const QString& folder, int meret, bool allo, BoritekRekord& b,
                              BoritekHely& hely);

// Places one envelope on the running job at the positions of `hely` plus the offsets.
// `kepNyomtat`: the picture is painted.
void placeBoritek(PrintJob& j, const BoritekCimzett& c, const BoritekFelado& f, const BoritekLapAllapot& lap,
                  const BoritekHely& hely, const BoritekMeretezes& m, bool allo, bool kepNyomtat);
