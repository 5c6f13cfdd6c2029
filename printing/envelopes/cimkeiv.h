#pragma once
// The A4 label sheet under the label page's position boxes: the labels of the saved sheet
// set-up drawn where they lie on the blank sheet's picture, each with a mark where its first
// line prints, and a line above the sheet naming the grid. The sheet spans the boxes' grid
// from its corner at 45, 135 twips, with the boxes' pitch (box and gap) for each label's share
// of the sheet, so each box stands on its label when the labels share the sheet evenly, as the
// set-up's label sizes do.
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QWidget>

#include "printing/envelopes/cimkerekordok.h"

class CimkeIv : public QWidget {
 public:
  // The boxes' grid: twips of the page a pixel (the grid is drawn larger than at 96 dpi, so
  // that a payer's name stays readable in the narrow boxes of a four-column sheet).
  static constexpr int kTwipsPerPixel = 11;

  explicit CimkeIv(QWidget* parent = nullptr);

  // The set-up drawn, over a grid of boxes `racsTwips` wide and high (pitch times count; an
  // empty size: 3390 x 4770 twips).
  void setSetup(const CimkeSetupRekord& setup, QSizeF racsTwips = {});
  // The blank sheet (a null picture: plain white paper).
  void setPaper(const QImage& kep);
  bool hasPaper() const { return !papir_.isNull(); }

  // The sheet, and label k (1 to columns x rows; empty for another), in pixels of the widget.
  QRectF lapPx() const;
  QRectF cimkePx(int k) const;
  // Where label k's first line starts, in pixels.
  QPointF kezdetPx(int k) const;
  // "A4 etikett ív: 2 × 6 címke, 105 × 49,5 mm"; empty for a grid that cannot be printed.
  QString felirat() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPointF px(double xMm, double yMm) const;
  int cimkek() const;  // labels of the set-up; 0 when it cannot be printed
  CimkeSetupRekord s_;
  QSizeF racs_{3390, 4770};
  QImage papir_;
};
