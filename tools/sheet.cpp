#include "sheet.h"

#include <QFont>
#include <QPen>
#include <QTransform>

#include <cmath>

Sheet::Sheet(double widthMm, double heightMm, QColor paper, QColor ink)
    : w_(widthMm),
      h_(heightMm),
      ink_(ink),
      img_(int(std::lround(widthMm * kPxPerMm)), int(std::lround(heightMm * kPxPerMm)),
           QImage::Format_RGB32) {
  img_.fill(paper);
  // One dot per millimetre while drawing, so that point sizes come out right in the
  // millimetre coordinates of the painter; the real resolution is set when finished.
  img_.setDotsPerMeterX(1000);
  img_.setDotsPerMeterY(1000);
  p_.begin(&img_);
  p_.setRenderHint(QPainter::Antialiasing);
  p_.setRenderHint(QPainter::TextAntialiasing);
  p_.scale(kPxPerMm, kPxPerMm);
  p_.setPen(QPen(ink_, 0.25));
}

QImage Sheet::finish() {
  if (p_.isActive()) p_.end();
  img_.setDotsPerMeterX(int(kPxPerMm * 1000));
  img_.setDotsPerMeterY(int(kPxPerMm * 1000));
  return img_;
}

QFont Sheet::font(double pt, bool bold) const {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(pt);
  f.setBold(bold);
  return f;
}

void Sheet::frame() {
  p_.setPen(QPen(ink_, 0.5));
  p_.setBrush(Qt::NoBrush);
  p_.drawRect(QRectF(0.4, 0.4, w_ - 0.8, h_ - 0.8));
  p_.setPen(QPen(ink_, 0.25));
}

void Sheet::line(double x1, double y1, double x2, double y2, bool dashed) {
  QPen pen(ink_, 0.25);
  if (dashed) pen.setDashPattern({4, 4});
  p_.setPen(pen);
  p_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
  p_.setPen(QPen(ink_, 0.25));
}

void Sheet::fill(double x, double y, double w, double h, QColor c) {
  p_.fillRect(QRectF(x, y, w, h), c);
}

void Sheet::box(double x, double y, double w, double h, const QString& caption) {
  p_.setBrush(Qt::NoBrush);
  p_.setPen(QPen(ink_, 0.3));
  p_.drawRect(QRectF(x, y, w, h));
  if (!caption.isEmpty()) text(x + 0.8, y + 0.5, caption, 5);
}

void Sheet::text(double x, double y, const QString& s, double pt, bool bold) {
  p_.setFont(font(pt, bold));
  p_.setPen(ink_);
  p_.drawText(QRectF(x, y, w_, h_), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, s);
}

void Sheet::centre(double x, double y, double w, const QString& s, double pt, bool bold) {
  p_.setFont(font(pt, bold));
  p_.setPen(ink_);
  p_.drawText(QRectF(x, y, w, h_), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, s);
}

void Sheet::upward(double x, double y, double h, const QString& s, double pt, bool bold) {
  p_.save();
  p_.translate(x, y + h);
  p_.rotate(-90);
  centre(0, 0, h, s, pt, bold);
  p_.restore();
}

void Sheet::cells(double x, double y, int n, double cell, double height) {
  p_.setBrush(Qt::NoBrush);
  p_.setPen(QPen(ink_, 0.3));
  for (int i = 0; i < n; ++i) p_.drawRect(QRectF(x + i * cell, y, cell, height));
}

void Sheet::tick(double x, double y, const QString& caption, double size) {
  p_.setBrush(Qt::white);
  p_.setPen(QPen(ink_, 0.3));
  p_.drawRect(QRectF(x, y, size, size));
  p_.setBrush(Qt::NoBrush);
  if (!caption.isEmpty()) text(x + size + 0.8, y + size / 2 - 1.2, caption, 5);
}

void Sheet::rules(double x, double y, double w, int n, double step) {
  QPen pen(ink_, 0.2);
  pen.setDashPattern({1, 2});
  p_.setPen(pen);
  for (int i = 0; i < n; ++i) p_.drawLine(QPointF(x, y + i * step), QPointF(x + w, y + i * step));
  p_.setPen(QPen(ink_, 0.25));
}

void Sheet::circle(double cx, double cy, double r, const QString& caption) {
  QPen pen(ink_, 0.25);
  pen.setDashPattern({3, 3});
  p_.setPen(pen);
  p_.setBrush(Qt::NoBrush);
  p_.drawEllipse(QPointF(cx, cy), r, r);
  p_.setPen(QPen(ink_, 0.25));
  if (!caption.isEmpty()) centre(cx - r - 4, cy - 1.2, 2 * r + 8, caption, 4.5, false);
}

QImage lying(const QImage& standing) { return standing.transformed(QTransform().rotate(90)); }
