#pragma once
// The single pink money order, printed from what the money-order page shows, at the positions
// of the money-order layout (SetRcsekk.dat) plus each feed's fixed offsets. The page's turn
// button tells the side: "Csekk Hátoldala" while the front shows, so the front is printed;
// any other caption prints the back. Standing feed: a DL envelope sheet, landscape. Lying
// feed: an A4 sheet, portrait, as the lying list prints on.
//
// A printer error ends the print at the failing step and cancels the document, so nothing
// half-printed reaches the printer; no message is shown.
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

#include "printing/common/listprint.h"

class PrintJob;
class Printer;
struct Platform;
struct SetRekord;
struct SetRcsekkRekord;

// The texts of the money-order page that the form prints, as they stand on the page.
struct RcsekkAdatok {
  QString cmdOldalCsere;  // caption of the turn button
  QString RtxOsszeg;      // amount, as typed
  QString RtxtSzoveg21;   // words, copy 1, line 1 (already fitted)
  QString RtxtSzoveg11;   // words, copy 1, line 2
  QString RtxNev;         // sender's name
  QString RtxCim;         // sender's address on one line
  QString RlbNev, RlbHelys, RlbCim, RlbIrsz;  // recipient, printed twice
  QString txtNevHatul, txtHelysHatul, txtCimHatul, txtIrszHatul;  // back: the sender
  std::array<QString, 4> RcsekkKozlemenyHatul;                    // back: notice lines
};

inline const QString kRcsekkElolap = QStringLiteral("Csekk Hátoldala");  // front on screen
inline const QString kRcsekkHatlap = QStringLiteral("Csekk Első oldal");  // back on screen

// Both read record 1 of Set.dat into `set` and of SetRcsekk.dat into `rcsekk` from the program
// folder, and print on the saved printer when the settings say so (otherwise on the current
// one). The front uses the print switches 0 (amount), 1 (words), 2 (name) and 3 (address).
// Printed, or Failed: a printer error cancelled the document; nothing printed, nothing shown.
PrintResult PrintAlloRCsekk(const RcsekkAdatok& adatok, Platform& platform, SetRekord& set, SetRcsekkRekord& rcsekk);
PrintResult PrintFekvoRCsekk(const RcsekkAdatok& adatok, Platform& platform, SetRekord& set, SetRcsekkRekord& rcsekk);

// The two fonts of the money-order layout, also the cash-on-delivery form's, as they print
// (PrintJob::betu): the stored ones, or where the printer lacks them the factory layout's.
QString rcsekkSzamBetu(PrintJob& j, const SetRcsekkRekord& r);
QString rcsekkSzovegBetu(PrintJob& j, const SetRcsekkRekord& r);
// The text font the pages measure the words in: the one the form prints them in.
QString rcsekkSzovegBetu(const Printer* printer, const SetRcsekkRekord& r);

// Placing one side of the form on a running job, shared by the single and the list print.
// The front starts with the amounts in the font the caller has set (the figures font), then
// sets the text font for the words and the sender; `flags` are SetRekord::Nyomtatando. The
// recipient blocks stay in the text font; with `cimzettMeret` the size is set to it before
// each block and each postcode line. `szoveg1`/`szoveg2` are the two words lines.
void placeRcsekkElolap(PrintJob& j, const SetRcsekkRekord& r, const std::array<int16_t, 8>& flags,
                       const RcsekkAdatok& a, const QString& szoveg1, const QString& szoveg2, bool allo,
                       std::optional<int16_t> cimzettMeret = std::nullopt);
// The back in the text font: the sender block (postcode 5 mm further right unless
// `irszBalra`) and the four notice lines.
void placeRcsekkHatlap(PrintJob& j, const SetRcsekkRekord& r, const RcsekkAdatok& a, bool allo,
                       bool irszBalra = false);

// The money order's sender address on one line: the postcode as stored (padded with blanks to
// `irszHossz`), a blank, the settlement trimmed, `elvalaszto` and the street trimmed. A party
// with no address at all gives an empty line rather than a lone separator. The page joins
// with kLapElvalaszto, the list print with kListaElvalaszto.
inline const QString kLapElvalaszto = QStringLiteral(", ");
inline const QString kListaElvalaszto = QStringLiteral(",");
QString rcsekkCimSor(const QString& irsz, int irszHossz, const QString& helyseg, const QString& cim,
                     const QString& elvalaszto);
