#pragma once
// The envelope picture's size and the helpers its panel and browser share: fitting a picture
// into a square frame, the size and position captions, the move cursor, and the check that a
// path can be stored in a fixed-width code-page-1250 field.
#include <QCursor>
#include <QImage>
#include <QSize>
#include <QString>

// Twips of the picture frame per "centimetre" of the size captions and of KepSzeles/KepMagas;
// the printers paint 10 x those values millimetres.
constexpr double kTwipsPerKepCm = 543;

// A picture fitted into a square frame of side A twips. Natural sides (hundredths of a
// millimetre) above A are brought down to A with the aspect ratio kept; a picture that fits is
// not stretched and keeps its natural size in the captions.
struct KepIllesztes {
  double szeles = 0, magas = 0;        // the picture box, twips (single precision)
  double KepSzeles = 0, KepMagas = 0;  // twips / 543, rounded to 4 decimals
  bool nyujtott = false;               // stretched to the box
};
KepIllesztes kepIllesztes(int W, int H, double A);

// A picture's own size in hundredths of a millimetre, from its resolution (96 dpi when it
// names none).
QSize termeszetesMeret(const QImage& kep);

// Reads a picture file; a null image when it cannot be read as a picture.
QImage kepBetolt(const QString& utvonal);

// "##.0" followed by " cm": one decimal, no leading zero below 1 (".5 cm").
QString cmText(double v);
// "###": whole number, no leading zeros, empty for 0.
QString mmText(double mm);

// The drag cursor: H_move.cur from the program folder, Qt's size-all cursor when the file is
// missing or cannot be read.
QCursor mozgatoKurzor(const QString& folder);

// Whether `text` fits a text field of `width` bytes in code page 1250 unchanged: composed
// form, every character in the code page, not longer than the field.
bool tarolhato(const QString& text, int width);
