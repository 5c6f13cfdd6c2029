#pragma once
// Amounts written out in Hungarian words. One converter serves every form: the payment-slip
// page writes up to eight digits, the other forms up to seven. The words are lower case and
// joined with no blank, in two parts: the millions and thousands, and the part below one
// thousand. A thousands digit always keeps its hyphen ("egyezer-"); a thousands group ending
// in 0 takes "ezer-" when its tens digit stands and lower digits follow ("tízezer-", "ötszáz"),
// else "ezer" ("tízezer", "egyszázezer"); an empty thousands group takes no group word.
#include <QString>

#include <cstdint>
#include <functional>

#include "printing/common/osszegszavak.h"

class Printer;
class PrintJob;

inline const QString kMaxOsszegSzoveg = QStringLiteral("MAX BEÍRHATÓ ÖSSZEG:");

// The core: `amount` in words when its decimal text (a minus sign counting as one character)
// has at most `maxDigits` characters; otherwise "MAX BEÍRHATÓ ÖSSZEG:" and the largest amount
// that fits, grouped by points ("99.999.999" for eight digits). A negative amount is written as
// its absolute value; 0 gives two empty parts. `maxDigits` is at most 8.
OsszegSzavak amountInWords(int64_t amount, int maxDigits);

// An amount typed in a box: its leading numeric value (blanks, group spaces and leading zeros
// do not matter; a fraction is rounded to whole forints, half to even). The payment-slip page
// (txOsszeg) writes up to eight digits, the money-order box up to seven.
OsszegSzavak OsszegBetuvel(const QString& txOsszeg, int maxDigits = 8);

// The other forms (list printers, money orders, cash on delivery): a whole amount, up to seven
// digits, "9.999.999" as the limit text.
OsszegSzavak azaz1(int32_t AzazOsszeg);

// The two words boxes of the payment-slip page after fitting (txtSzoveg21, txtSzoveg11).
struct SzovegSorok {
  QString sor1;
  QString sor2;
  friend bool operator==(const SzovegSorok&, const SzovegSorok&) = default;
};

// Width in millimetres within which the two parts are joined on the first line: the words
// field of the payment slip and of the money order, and the cash-on-delivery list's.
constexpr double kSzovegSzelesseg = 45.0;

// The words fitted to a words field: the first part with a capital initial, and whether both
// parts share the first line.
struct SzavakIllesztve {
  OsszegSzavak szavak;
  bool egySor = false;
  // The two lines between "*" marks: "*" both "*" on one line, or "*" first and second "*".
  QString sor1() const;
  QString sor2() const;
};

// The rule of every words field: capitalise the first part, measure the two parts together
// (`measure` gives millimetres in the field's font), and put them on one line when they take
// at most `maxWidth`, else on two.
SzavakIllesztve fitWords(OsszegSzavak w, double maxWidth, const std::function<double(const QString&)>& measure);
// The measure of the pages' words boxes: on `printer` in millimetres, in `fontName` (trimmed)
// and `fontSize`; a step the printer refuses is skipped, and with no printer or a refused
// measure the width is 0.
std::function<double(const QString&)> pageMeasure(Printer* printer, const QString& fontName, double fontSize);
// The same on a running job: the font (name trimmed, size) is set by two steps, then measured.
SzavakIllesztve fitWords(const OsszegSzavak& w, double maxWidth, PrintJob& j, const QString& fontName,
                         double fontSize);

// Fits the words to the slip: an amount below one thousand moves to the first line; the first
// line gets a capital initial; both parts are joined on the first line when together they
// measure at most 45 mm in the slip's text font on `printer` (whose scale and font are left
// set for the measuring). With no printer, no font, or a font the printer refuses, the lines
// stay unjoined as computed.
SzovegSorok fitSlipWords(const OsszegSzavak& words, Printer* printer, const QString& fontName, double fontSize);
