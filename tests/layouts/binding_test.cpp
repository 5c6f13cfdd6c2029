// Bindings of the settings dialog at the edges of the fixed-point range: a damaged record or a
// huge typed value is shown and refused, never wrapped around.
#include <QLineEdit>
#include <gtest/gtest.h>

#include "layouts/binding.h"

namespace {
struct Poz {
  Fixed x;
};
}  // namespace

TEST(Binding, ShiftedPositionsAtTheEdgeOfTheRange) {
  QLineEdit box;
  const Binding<Poz> b{&box, &Poz::x, FieldKind::Pos20, 0, QStringLiteral("X")};
  // Shown 20 mm smaller: a stored value at the bottom of the range stays at the bottom.
  Poz r{Fixed::fromRaw(INT64_MIN + 5)};
  showField(r, b);
  EXPECT_EQ(box.text(), positionText(Fixed::fromRaw(INT64_MIN)));
  // Stored 20 mm larger: the largest value a box takes no longer fits and is refused.
  box.setText(QStringLiteral("922337203685477"));
  QString error;
  EXPECT_FALSE(storeField(r, b, &error));
  EXPECT_EQ(error, QStringLiteral("A(z) „X” mező értéke nem fér el a mezőben: „922337203685477”."));
  EXPECT_EQ(r.x.raw, INT64_MIN + 5);
  box.setText(QStringLiteral("12,5"));
  EXPECT_TRUE(storeField(r, b, &error));
  EXPECT_EQ(r.x.raw, 325000);
}
