#pragma once
// Comparing what a form printer placed with an expected table: text, position in mm, font
// and size, item by item in the order placed.
#include <gtest/gtest.h>

#include <QString>

#include <vector>

#include "common/printer.h"

namespace printed {

struct Expected {
  QString text;
  double x, y;
  QString font;
  double size;
};

// The two fonts of the factory layouts.
inline const QString A = QStringLiteral("Arial CE");
inline const QString B = QStringLiteral("Times New Roman CE");

// `dx` shifts every expected X (a horizontal correction).
inline void expectTexts(const std::vector<PrintedText>& got, const std::vector<Expected>& want, double dx = 0) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "item " << i << " " << want[i].text.toStdString());
    EXPECT_EQ(got[i].text, want[i].text);
    EXPECT_NEAR(got[i].x, want[i].x + dx, 1e-4);
    EXPECT_NEAR(got[i].y, want[i].y, 1e-4);
    EXPECT_EQ(got[i].font, want[i].font);
    EXPECT_EQ(got[i].size, want[i].size);
  }
}

}  // namespace printed
