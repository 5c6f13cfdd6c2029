#pragma once
// A picture of a blank form with boxes laid over it at millimetre positions. The picture is
// stretched over the whole widget and the boxes follow it when the widget is resized, so each
// box stays on the part of the form it belongs to. With no picture loaded (a missing file) the
// area shows a plain background and the boxes stay usable.
#include <QLabel>
#include <QRectF>

#include <vector>

class QImage;

class MmKep : public QLabel {
 public:
  // The form's width and height in millimetres.
  MmKep(double widthMm, double heightMm, QWidget* parent = nullptr);

  // Makes `w` a child of the picture and keeps it over `mm` (left, top, width, height).
  void place(QWidget* w, const QRectF& mm);
  // Shows `image` (a null image: the plain background).
  void setPreview(const QImage& image);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void arrange();

  double widthMm_, heightMm_;
  std::vector<std::pair<QWidget*, QRectF>> boxes_;
};
