#pragma once
// The posting list ("feladójegyzék") of the selected payers on the current printer: one line a
// payer with name, settlement and postcode, 14 lines an A4 landscape page 8 mm apart, the first
// line of every page at the offsets of FjSet.dat, each field's stored text without NUL bytes
// and trailing blanks. Times New Roman CE 8 pt, not bold, set before the first line. Rows whose record number names no payer record are left out and,
// after the print, counted in a message. A printer error cancels the document and shows
// "Hiba kódszáma: ...".
#include <vector>

#include "layouts/fjsetrekord.h"
#include "printing/common/listprint.h"

struct Platform;

// Reads record 1 of FjSet.dat into `fjSet`. The result's `lapok` counts the lines placed.
PrintResult PrintFeladojegyzek(const std::vector<CsoportSor>& sorok, Platform& platform, FjSetRekord& fjSet);
