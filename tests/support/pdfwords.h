#pragma once
// Word boxes and page sizes of a PDF as `pdftotext -bbox` reports them, in millimetres: the
// end-to-end check of what the real printer wrote.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

#include <cmath>
#include <vector>

namespace pdf {

constexpr double kMmPerPt = 25.4 / 72.0;

struct Word {
  QString text;
  double x0, y0, x1, y1;  // mm; (x0, y0) is the top-left of the word's box
};
struct Page {
  double widthMm = 0, heightMm = 0;
  std::vector<Word> words;
};

inline bool havePdftotext() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

inline std::vector<Page> read(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
  p.waitForFinished(30000);
  const QString html = QString::fromUtf8(p.readAllStandardOutput());
  std::vector<Page> pages;
  static const QRegularExpression tag(
      QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                     "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
  for (auto it = tag.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    if (!m.captured(1).isEmpty()) {
      pages.push_back({m.captured(1).toDouble() * kMmPerPt, m.captured(2).toDouble() * kMmPerPt, {}});
    } else if (!pages.empty()) {
      pages.back().words.push_back({m.captured(7), m.captured(3).toDouble() * kMmPerPt,
                                    m.captured(4).toDouble() * kMmPerPt, m.captured(5).toDouble() * kMmPerPt,
                                    m.captured(6).toDouble() * kMmPerPt});
    }
  }
  return pages;
}

inline const Word* find(const Page& page, const QString& text) {
  for (const Word& w : page.words)
    if (w.text == text) return &w;
  return nullptr;
}

// Exactly one word `text` with its top-left corner within `tol` mm of (x, y).
inline void expectWord(const Page& page, const QString& text, double x, double y, double tol = 0.5) {
  int found = 0;
  for (const Word& w : page.words)
    if (w.text == text && std::abs(w.x0 - x) <= tol && std::abs(w.y0 - y) <= tol) ++found;
  EXPECT_EQ(found, 1) << text.toStdString() << " at " << x << ", " << y;
}

}  // namespace pdf
