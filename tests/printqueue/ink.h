#pragma once
// Ink on a rendered PDF page: the page as pdftoppm renders it at 100 dpi in grey, and the box
// of dark pixels within a window, in millimetres. cups-pdf turns text into drawn glyphs, so a
// queue's output is compared by its ink rather than by its words.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QTemporaryDir>
#include <QTransform>

#include <optional>

namespace ink {

constexpr double kDpi = 100;
constexpr double kPxPerMm = kDpi / 25.4;

// Page `page` (from 1) of `pdf`, turned by `degrees` (clockwise); null when it cannot render.
inline QImage render(const QString& pdf, int page, int degrees = 0) {
  QTemporaryDir dir;
  const QString prefix = QDir(dir.path()).filePath(QStringLiteral("page"));
  QProcess p;
  p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-gray"),
                                       QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                       QString::number(page), QStringLiteral("-singlefile"), pdf, prefix});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  const QImage image(prefix + QStringLiteral(".pgm"));
  return degrees ? image.transformed(QTransform().rotate(degrees)) : image;
}

// Box of the pixels darker than mid grey within `windowMm`, in mm; none when there are none.
inline std::optional<QRectF> box(const QImage& image, const QRectF& windowMm) {
  const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
  const QRect window = QRect(int(windowMm.left() * kPxPerMm), int(windowMm.top() * kPxPerMm),
                             int(windowMm.width() * kPxPerMm) + 1, int(windowMm.height() * kPxPerMm) + 1)
                           .intersected(grey.rect());
  int x0 = INT_MAX, y0 = INT_MAX, x1 = -1, y1 = -1;
  for (int y = window.top(); y <= window.bottom(); ++y) {
    const uchar* line = grey.constScanLine(y);
    for (int x = window.left(); x <= window.right(); ++x) {
      if (line[x] >= 128) continue;
      x0 = std::min(x0, x), x1 = std::max(x1, x);
      y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
  }
  if (x1 < 0) return std::nullopt;
  return QRectF(x0 / kPxPerMm, y0 / kPxPerMm, (x1 + 1 - x0) / kPxPerMm, (y1 + 1 - y0) / kPxPerMm);
}

struct Match {
  QPointF shiftMm;  // where `got` holds the ink of `want`'s window, relative to it
  // At that shift, the pixels inked in one image with no ink at or next to them in the other,
  // per inked pixel of `want`'s window: near 0 for the same text rendered twice, about 1 or
  // more for an empty or a different text.
  double mismatch;
};

// The shift of at most `searchMm` each way that best lays `got` onto `want` within `windowMm`
// of `want`: neighbouring ink moves along, so it does not disturb the match.
inline Match match(const QImage& want, const QImage& got, const QRectF& windowMm, double searchMm) {
  const QImage a = want.convertToFormat(QImage::Format_Grayscale8);
  const QImage b = got.convertToFormat(QImage::Format_Grayscale8);
  const QRect window = QRect(int(windowMm.left() * kPxPerMm), int(windowMm.top() * kPxPerMm),
                             int(windowMm.width() * kPxPerMm) + 1, int(windowMm.height() * kPxPerMm) + 1)
                           .intersected(a.rect());
  auto inked = [](const QImage& i, int x, int y) { return i.rect().contains(x, y) && i.constScanLine(y)[x] < 128; };
  auto near = [&inked](const QImage& i, int x, int y) {
    for (int ny = -1; ny <= 1; ++ny)
      for (int nx = -1; nx <= 1; ++nx)
        if (inked(i, x + nx, y + ny)) return true;
    return false;
  };
  int inkA = 0;
  for (int y = window.top(); y <= window.bottom(); ++y)
    for (int x = window.left(); x <= window.right(); ++x) inkA += inked(a, x, y);
  if (inkA == 0) return {{}, 1e9};
  // The shift with the fewest pixels that differ.
  const int r = int(searchMm * kPxPerMm + 0.5);
  int bestDiffer = INT_MAX, bx = 0, by = 0;
  for (int dy = -r; dy <= r; ++dy)
    for (int dx = -r; dx <= r; ++dx) {
      int differ = 0;
      for (int y = window.top(); y <= window.bottom(); ++y)
        for (int x = window.left(); x <= window.right(); ++x) differ += inked(a, x, y) != inked(b, x + dx, y + dy);
      if (differ < bestDiffer) bestDiffer = differ, bx = dx, by = dy;
    }
  // Rasterised twice, glyph edges differ by a pixel: those are not counted.
  int apart = 0;
  for (int y = window.top(); y <= window.bottom(); ++y)
    for (int x = window.left(); x <= window.right(); ++x) {
      if (inked(a, x, y) && !near(b, x + bx, y + by)) ++apart;
      if (inked(b, x + bx, y + by) && !near(a, x, y)) ++apart;
    }
  return {QPointF(bx / kPxPerMm, by / kPxPerMm), double(apart) / inkA};
}

}  // namespace ink
