#include "printing/slips/mmkep.h"

#include <QImage>
#include <QPixmap>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPxPerMm = 3.0;  // natural size: 630 x 315 pixels for the slip
}

MmKep::MmKep(double widthMm, double heightMm, QWidget* parent)
    : QLabel(parent), widthMm_(widthMm), heightMm_(heightMm) {
  setScaledContents(true);
  setAutoFillBackground(true);
  setFrameShape(QFrame::StyledPanel);
  QSizePolicy p(QSizePolicy::Preferred, QSizePolicy::Preferred);
  p.setHeightForWidth(true);
  setSizePolicy(p);
}

void MmKep::place(QWidget* w, const QRectF& mm) {
  w->setParent(this);
  boxes_.emplace_back(w, mm);
  arrange();
}

void MmKep::setPreview(const QImage& image) {
  if (image.isNull())
    clear();
  else
    setPixmap(QPixmap::fromImage(image));
}

QSize MmKep::sizeHint() const { return {int(widthMm_ * kPxPerMm), int(heightMm_ * kPxPerMm)}; }
QSize MmKep::minimumSizeHint() const { return {int(widthMm_ * 2), int(heightMm_ * 2)}; }
int MmKep::heightForWidth(int width) const { return int(std::lround(width * heightMm_ / widthMm_)); }

void MmKep::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  arrange();
}

void MmKep::arrange() {
  const double sx = width() / widthMm_, sy = height() / heightMm_;
  for (auto& [w, r] : boxes_) {
    const QRect px(int(std::lround(r.x() * sx)), int(std::lround(r.y() * sy)), int(std::lround(r.width() * sx)),
                   int(std::lround(r.height() * sy)));
    w->setGeometry(px);
    // The text fills about two thirds of its box's height.
    QFont f = w->font();
    f.setPixelSize(std::max(7, int(px.height() * 0.62)));
    w->setFont(f);
  }
}
