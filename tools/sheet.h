#pragma once
// A blank form drawn in millimetres onto an image: outline, boxes, lines and headings in the
// form's own pale colours. Font sizes are in points, as on the printed form.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

class Sheet {
 public:
  static constexpr double kPxPerMm = 4.0;  // 210 mm -> 840 px

  Sheet(double widthMm, double heightMm, QColor paper, QColor ink);
  Sheet(const Sheet&) = delete;
  Sheet& operator=(const Sheet&) = delete;

  double width() const { return w_; }
  double height() const { return h_; }

  // Ends the drawing; the sheet takes no more drawing afterwards.
  QImage finish();

  void frame();
  void line(double x1, double y1, double x2, double y2, bool dashed = false);
  void fill(double x, double y, double w, double h, QColor c);
  // A framed box with an optional caption in its top-left corner, inside.
  void box(double x, double y, double w, double h, const QString& caption = {});
  // Text with its top-left corner at (x, y).
  void text(double x, double y, const QString& s, double pt = 6, bool bold = false);
  // Text centred in [x, x + w] with its top at y.
  void centre(double x, double y, double w, const QString& s, double pt, bool bold = true);
  // Text reading upwards, centred on the vertical band [y, y + h] at x.
  void upward(double x, double y, double h, const QString& s, double pt, bool bold = true);
  // A row of n digit cells of the given size (postcodes, account numbers).
  void cells(double x, double y, int n, double cell = 4.5, double height = 5.5);
  // A small square for a mark with its caption to the right.
  void tick(double x, double y, const QString& caption, double size = 4);
  // Writing lines: n lines `step` apart starting at y, from x to x + w.
  void rules(double x, double y, double w, int n, double step);
  void circle(double cx, double cy, double r, const QString& caption = {});

  QColor ink() const { return ink_; }

 private:
  QFont font(double pt, bool bold) const;
  double w_, h_;
  QColor ink_;
  QImage img_;
  QPainter p_;
};

// A lying picture: the standing picture turned a quarter turn, as the form lies in the feed.
QImage lying(const QImage& standing);
