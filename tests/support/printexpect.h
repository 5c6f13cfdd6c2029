#pragma once
// Comparing what a form printer placed with an expected table (text, position in mm, font and
// size), and checked access to the recorded output: an index past the end fails the test and
// yields an empty item, so a printer that placed nothing fails cleanly instead of crashing.
#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <source_location>
#include <vector>

#include "common/messages.h"
#include "common/printer.h"

namespace printed {

// The one box of a print whose saved printer is not installed; taken off the record, so that
// what the test checks next about the boxes is unchanged.
inline void missingPrinterSaid(RecordedMessageBoxes& m, std::source_location where = std::source_location::current()) {
  SCOPED_TRACE(testing::Message() << where.file_name() << ":" << where.line());
  ASSERT_EQ(m.shown.size(), 1u);
  EXPECT_TRUE(m.shown[0].text.startsWith(QStringLiteral("A kiválasztott nyomtató (sorszáma: ")));
  EXPECT_TRUE(m.shown[0].text.contains(QStringLiteral("most nincs telepítve, ezért a nyomtatás elmaradt.")));
  EXPECT_EQ(m.shown[0].title, QStringLiteral("Figyelem!"));
  m.shown.clear();
}

// The two fonts of the factory layouts.
inline const QString A = QStringLiteral("Arial CE");
inline const QString B = QStringLiteral("Times New Roman CE");

// An empty font or a zero size takes the comparison's default.
struct Expected {
  QString text;
  double x, y;
  QString font = {};
  double size = 0;
};

struct Compare {
  double dx = 0, dy = 0;  // shift of every expected position (a correction)
  double tol = 1e-4;      // mm
  QString font = B;
  double size = 10;
  bool plain = false;  // also check that no item is bold
};

// Item `i` of `v`; past the end a failure at the caller's line and an empty item.
template <class T>
const T& at(const std::vector<T>& v, size_t i, std::source_location where = std::source_location::current()) {
  static const T none{};
  if (i < v.size()) return v[i];
  ADD_FAILURE_AT(where.file_name(), int(where.line())) << "no item " << i << ", only " << v.size();
  return none;
}
template <class T>
const T& last(const std::vector<T>& v, std::source_location where = std::source_location::current()) {
  return at(v, v.empty() ? 0 : v.size() - 1, where);
}

// Document `d` of a recording printer, page `p` of it.
template <class P>
const PrintedDocument& doc(const P& printer, size_t d = 0,
                           std::source_location where = std::source_location::current()) {
  return at(printer.documents(), d, where);
}
template <class P>
const PrintedPage& page(const P& printer, size_t d = 0, size_t p = 0,
                        std::source_location where = std::source_location::current()) {
  return at(doc(printer, d, where).pages, p, where);
}

// Items `from` .. `from + n - 1`; fewer than that is a failure.
inline std::vector<PrintedText> slice(const std::vector<PrintedText>& v, size_t from, size_t n,
                                      std::source_location where = std::source_location::current()) {
  if (from <= v.size() && n <= v.size() - from) return {v.begin() + long(from), v.begin() + long(from + n)};
  ADD_FAILURE_AT(where.file_name(), int(where.line())) << "no items " << from << ".." << from + n - 1 << ", only "
                                                       << v.size();
  return {};
}

// The first item whose text is `text`, or nullptr.
inline const PrintedText* find(const std::vector<PrintedText>& got, const QString& text) {
  for (const PrintedText& t : got)
    if (t.text == text) return &t;
  return nullptr;
}

// The items whose text is not empty (an empty line still places an empty text).
inline std::vector<PrintedText> filled(const std::vector<PrintedText>& got) {
  std::vector<PrintedText> t;
  for (const PrintedText& x : got)
    if (!x.text.isEmpty()) t.push_back(x);
  return t;
}

// The text placed at (x, y), or "<none>".
inline QString textAt(const std::vector<PrintedText>& got, double x, double y, double tol = 1e-4) {
  for (const PrintedText& t : got)
    if (std::abs(t.x - x) < tol && std::abs(t.y - y) < tol) return t.text;
  return QStringLiteral("<none>");
}
inline QString textAt(const PrintedPage& p, double x, double y, double tol = 1e-4) {
  return textAt(p.texts, x, y, tol);
}

// Whether some item's text contains `part`.
inline bool contains(const std::vector<PrintedText>& got, const QString& part) {
  for (const PrintedText& t : got)
    if (t.text.contains(part)) return true;
  return false;
}

// `t` is `want` under `c`; a size of 0 in both is not compared.
inline bool matches(const PrintedText& t, const Expected& want, const Compare& c = {}) {
  const double size = want.size == 0 ? c.size : want.size;
  return t.text == want.text && std::abs(t.x - want.x - c.dx) < c.tol && std::abs(t.y - want.y - c.dy) < c.tol &&
         t.font == (want.font.isEmpty() ? c.font : want.font) && (size == 0 || t.size == size) && !(c.plain && t.bold);
}

// Exactly one item, anywhere in the order placed, is `want`.
inline void expectOnce(const std::vector<PrintedText>& got, const Expected& want, const Compare& c = {}) {
  int n = 0;
  for (const PrintedText& t : got) n += matches(t, want, c);
  EXPECT_EQ(n, 1) << want.text.toStdString() << " at " << want.x << ", " << want.y;
}

inline void expectText(const PrintedText& got, const Expected& want, const Compare& c = {}) {
  EXPECT_EQ(got.text, want.text);
  EXPECT_NEAR(got.x, want.x + c.dx, c.tol);
  EXPECT_NEAR(got.y, want.y + c.dy, c.tol);
  EXPECT_EQ(got.font, want.font.isEmpty() ? c.font : want.font);
  EXPECT_EQ(got.size, want.size == 0 ? c.size : want.size);
  if (c.plain) {
    EXPECT_FALSE(got.bold);
  }
}

// Every item in the order placed.
inline void expectTexts(const std::vector<PrintedText>& got, const std::vector<Expected>& want, const Compare& c = {}) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "item " << i << " '" << want[i].text.toStdString() << "'");
    expectText(got[i], want[i], c);
  }
}

}  // namespace printed
