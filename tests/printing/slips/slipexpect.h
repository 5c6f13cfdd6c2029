#pragma once
// What the payment-slip printer tests share: the factory slip layout with every item on, and
// the comparison of placed texts with an expected table.
#include <gtest/gtest.h>

#include <QString>

#include <vector>

#include "common/printer.h"
#include "common/setrekord.h"
#include "support/printexpect.h"

namespace slip {

inline Fixed mm(double v) { return Fixed::fromDouble(v); }

// The slip layout as the settings dialog restores it, every item switched on, printing on the
// default printer.
inline SetRekord factoryLayout() {
  SetRekord s;
  s.Osszeg_x1 = mm(15), s.Osszeg_x2 = mm(80), s.Osszeg_y = mm(6);
  s.Kozlemeny_x = mm(150), s.Kozlemeny_y = mm(5);
  s.CsSzoveg_x1 = mm(2), s.CsSzoveg_x2 = mm(68), s.CsSzoveg_y1 = mm(15), s.CsSzoveg_y2 = mm(22);
  s.Jogcim_y = mm(33), s.Jogcim_x = mm(25);
  s.Cim_x1 = mm(5), s.Cim_x2 = mm(140), s.Cim_y = mm(50), s.Irsz_y = mm(68);
  s.BetuTipus1 = QStringLiteral("Arial CE");
  s.BetuTipus2 = QStringLiteral("Times New Roman CE");
  s.BetuMeret1 = 12, s.BetuMeret2 = 10;
  s.BefizAzon_x = mm(80), s.BefizAzon_y = mm(40);
  s.Vkorrekcio = 0;
  s.Nyomtatando.fill(-1);
  s.AlapNyomtato = -1;
  return s;
}

using printed::A;
using printed::B;
using printed::Expected;
using printed::expectTexts;

}  // namespace slip
