#pragma once
// Address labels on an A4 label sheet, on the current printer (no printer is chosen). The sheet
// is record 1 of CimkeSetup.dat, read afresh by every print, so only the saved set-up counts:
// `Oszlop` x `Sor` positions numbered row by row, the label at row r, column c at
// (Left + (c - 1) x Szeles, Top + (r - 1) x Magas) mm. A label is five lines (name, second name
// line, settlement, street, postcode), each in its own font; only the first is placed
// vertically, the others follow one line of their own font lower.
//
// Every label printed adds one to the running counter, which is written back to CimkeSetup.dat
// once the document reached the printer (`setup` then holds it); a failed write is reported. A
// label font the printer lacks falls back to the text font ("Times New Roman CE"), said once,
// and a size it refuses to 12 pt; the labels still print. Any other printer error cancels the
// document with a message and writes nothing.
//
// The result's `lapok` counts labels (several to a page); `utolso` holds the last payer read.
// Nothing to print is no error: `printed` with no label.
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

#include "printing/common/listprint.h"
#include "printing/envelopes/cimkerekordok.h"

// What the label page holds when the print button is pressed.
struct CimkeLapAdatok {
  bool chkEgyediCimke = false;          // ticked: the custom label
  std::array<bool, 41> chkCimke1{};     // position k (1..40) ticked
  std::array<QString, 5> txEgyediCimke;  // the custom label's five lines as typed
  // The font choices of the five lines as they stand (saved or not): the custom label's fonts.
  std::array<QString, 5> ComboBetuTipus1;
  std::array<QString, 5> ComboBetuSize;
};

// The print button on the label page: the custom label when chkEgyediCimke is ticked; else
// the payers of the ticked positions (one sheet) when any position of the sheet is ticked;
// else the selected rows of the payer list (CimkeListabol). A ticked position prints only
// when it holds a payer of nevek1.dat.
PrintResult PrintAlloCimke(const CimkeLapAdatok& lap, const CimkeHelyek& hely, const std::vector<CsoportSor>& sorok,
                           Platform& platform, CimkeSetupRekord& setup);

// One label per selected row, in displayed order: positions 1, 2, 3 ... of the first sheet,
// then of the next after a page break. A row that names no payer record is skipped without
// using a position. No such row: nothing at all.
PrintResult CimkeListabol(const std::vector<CsoportSor>& sorok, Platform& platform, CimkeSetupRekord& setup);

// The custom label's typed lines at every ticked position, in the fonts of the font choices
// (name trimmed, size the leading number of its text); the postcode line as typed. No ticked
// position: nothing.
PrintResult PrintEgyediCimke(const CimkeLapAdatok& lap, Platform& platform, CimkeSetupRekord& setup);

// The postcode line of a payer's label: the stored postcode, or empty when it does not start
// with a number above 0 (blank, zeros, a letter first).
QString cimkeIrsz(const QString& irsz);
