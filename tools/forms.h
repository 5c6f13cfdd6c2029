#pragma once
// Our own drawings of the blank forms, in their natural reading position (the standing
// pictures). Each returns the finished image.
#include <QImage>

namespace forms {

QImage sargaCsekk();           // yellow payment slip, 210 x 105 mm
QImage tertivevenyBelfoldi();  // domestic return receipt, 165 x 105 mm
QImage tertivevenyKulfoldi();  // international return receipt, 165 x 105 mm
QImage feladoveveny();          // posting receipt, 165 x 120 mm
QImage boritekC6();            // C6 envelope, 162 x 114 mm
QImage boritekC5();            // C5 envelope, 229 x 162 mm
QImage boritekC56();           // C5/6 envelope, 229 x 114 mm
QImage etikettIv();            // blank A4 sheet for address labels, 210 x 297 mm
QImage tertiIrathoz();         // return receipt for official documents, 165 x 105 mm
QImage rozsaszinElol();        // pink money order, front, 210 x 105 mm
QImage rozsaszinHatul();       // pink money order, back
QImage utanvetelElol();        // cash-on-delivery form, front, 150 x 105 mm
QImage utanvetelHatul();       // cash-on-delivery form, back

}  // namespace forms
