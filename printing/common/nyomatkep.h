#pragma once
// A form's print shown on its picture. nyomatFelvetel records what a form's placing function
// puts on one page, without a printer, at the positions and in the fonts the printer uses;
// its line steps are the recording printer's (0.4 mm a point), within a few hundredths of a
// millimetre of a real font's. NyomatReteg lays such texts over the form's picture.
#include <QFile>
#include <QPointF>
#include <QString>

#include <functional>
#include <vector>

#include "common/fields.h"
#include "common/printer.h"
#include "common/recordfile.h"

class MmKep;
class PrintJob;
class QLabel;
class QWidget;

// The page a placing function fills, the scale set to millimetres first. A step the printer
// refuses is skipped, so a damaged position leaves out its own item only.
PrintedPage nyomatFelvetel(const std::function<void(PrintJob&)>& place);

// Record 1 of a settings file as the next print will read it, without creating the file (a
// missing one reads as zeros); `tartalek`, the values the program holds, when it cannot be read.
template <class R>
R nyomatBeallitas(const QString& folder, const QString& name, const R& tartalek) {
  const std::optional<QByteArray> b = regularisOlvasas(dataPath(folder, name), R::Length);
  if (!b) return tartalek;
  R r{};
  decodeRecord(*b, r);
  return r;
}

// Puts `w` on the picture where the printed text `t` stands: from its first character, one
// printed line high (a caption at least one line of its screen font, so that accents over
// capitals show whole) and
// `szeles` millimetres wide (0: as wide as its own text), in the text's size and the family
// the printer draws its font with.
void nyomatHelyre(MmKep* kep, QWidget* w, const PrintedText& t, double szeles);

// The `n`-th (from 0) text of `page` that reads `text`; null when there is none.
const PrintedText* nyomatSzoveg(const PrintedPage& page, const QString& text, int n = 0);

// Texts of a recorded print over a form picture, one label each, at the text's position less
// `origo`, in its font (the family the printer draws it with), size and weight. Blank texts
// are left out.
class NyomatReteg {
 public:
  NyomatReteg(MmKep* kep, const QString& name);
  void mutat(const std::vector<PrintedText>& texts, QPointF origo = {});
  // The labels shown, in the order of their texts.
  std::vector<QLabel*> cimkek() const;

 private:
  MmKep* kep_;
  QString name_;
  std::vector<QLabel*> cimkek_;  // reused: the ones beyond `lathato_` are hidden
  size_t lathato_ = 0;
};
