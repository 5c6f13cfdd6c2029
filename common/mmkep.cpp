#include "common/mmkep.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPixmap>
#include <QResizeEvent>
#include <QStyle>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPxPerMm = 3.0;  // natural size: 630 x 315 pixels for the slip

// Pixels a one-line caption in `f` needs: its ascent, which holds the accents over capitals,
// and its descent.
int sorMagassag(const QFont& f) { return QFontMetrics(f).height(); }
}  // namespace

MmKep::MmKep(double widthMm, double heightMm, QWidget* parent, Fekvo fekvo)
    : QLabel(parent), widthMm_(widthMm), heightMm_(heightMm), fekvo_(fekvo) {
  setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setAutoFillBackground(true);
  setFrameShape(QFrame::StyledPanel);
  QSizePolicy p(QSizePolicy::Preferred, QSizePolicy::Preferred);
  p.setHeightForWidth(true);
  setSizePolicy(p);
}

void MmKep::place(QWidget* w, const QRectF& mm, double pt) {
  for (Box& b : boxes_)
    if (b.w == w) {
      b.mm = mm;
      b.pt = pt;
      arrange();
      return;
    }
  w->setParent(this);
  boxes_.push_back({w, mm, pt, w->focusPolicy()});
  if (boxesHidden_) w->setFocusPolicy(Qt::NoFocus);
  arrange();
}

void MmKep::wholeLine(QWidget* w) {
  for (Box& b : boxes_)
    if (b.w == w) b.egeszSor = true;
  arrange();
}

void MmKep::setPreview(const QImage& image) {
  image_ = image;
  // Turned: its longer side runs the other way than the form's.
  lying_ = !image.isNull() && image.width() != image.height() &&
           (image.width() > image.height()) != (widthMm_ > heightMm_);
  if (lying_ && fekvo_ == Fekvo::TurnBack) image_ = image.transformed(QTransform().rotate(-90));
  hideBoxes(lying_ && fekvo_ == Fekvo::HideBoxes);
  showPicture();
}

bool MmKep::showFile(const QString& path) {
  fileName_ = QFileInfo(path).fileName();
  QImage kep;
  kep.load(path);
  setPreview(kep);
  return !kep.isNull();
}

void MmKep::setForm(double widthMm, double heightMm) {
  if (widthMm <= 0 || heightMm <= 0) return;
  widthMm_ = widthMm;
  heightMm_ = heightMm;
  updateGeometry();
  arrange();
  showPicture();
}

double MmKep::pxPerMm() const {
  const QRect r = pictureRect();
  return r.width() > 0 ? r.width() / widthMm_ : 0;
}

void MmKep::setKeepAspect(bool keep) {
  keepAspect_ = keep;
  arrange();
  showPicture();
}

QRect MmKep::pictureRect() const {
  const QRect cr = contentsRect();
  if (!keepAspect_ || cr.isEmpty()) return cr;
  QSize s(cr.width(), int(std::lround(cr.width() * heightMm_ / widthMm_)));
  if (s.height() > cr.height()) s = QSize(int(std::lround(cr.height() * widthMm_ / heightMm_)), cr.height());
  return {cr.left() + (cr.width() - s.width()) / 2, cr.top(), s.width(), s.height()};
}

void MmKep::showPicture() {
  if (image_.isNull()) {
    clear();
    return;
  }
  if (lying_ && fekvo_ == Fekvo::HideBoxes) {
    // Shown whole, never cut, in the widget's whole area.
    const QSize area = contentsRect().size();
    if (!area.isEmpty())
      setPixmap(QPixmap::fromImage(image_.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    return;
  }
  const QSize area = pictureRect().size();
  if (!area.isEmpty())
    setPixmap(QPixmap::fromImage(image_.scaled(area, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void MmKep::hideBoxes(bool hide) {
  if (hide == boxesHidden_) return;
  boxesHidden_ = hide;
  for (Box& b : boxes_) {
    if (!b.w) continue;
    if (hide) {
      b.focus = b.w->focusPolicy();
      if (b.w->hasFocus()) b.w->clearFocus();
      b.w->setFocusPolicy(Qt::NoFocus);
    } else {
      b.w->setFocusPolicy(b.focus);
    }
  }
  arrange();
}

QSize MmKep::sizeHint() const { return {int(widthMm_ * kPxPerMm), int(heightMm_ * kPxPerMm)}; }
QSize MmKep::minimumSizeHint() const { return {int(widthMm_ * 2), int(heightMm_ * 2)}; }
int MmKep::heightForWidth(int width) const { return int(std::lround(width * heightMm_ / widthMm_)); }

void MmKep::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  arrange();
  showPicture();
}

void MmKep::arrange() {
  const QRect area = pictureRect();
  const double sx = area.width() / widthMm_, sy = area.height() / heightMm_;
  for (Box& b : boxes_) {
    if (!b.w) continue;
    if (boxesHidden_) {
      b.w->setGeometry(0, 0, 0, 0);
      continue;
    }
    const QRectF& r = b.mm;
    // Edges rounded, not sizes: boxes that meet on the form meet on screen, without overlap.
    const int left = int(std::lround(r.x() * sx)), top = int(std::lround(r.y() * sy));
    QRect px(area.left() + left, area.top() + top, int(std::lround(r.right() * sx)) - left,
             int(std::lround(r.bottom() * sy)) - top);
    // The text fills about two thirds of its box's height, or takes its size on the form.
    QFont f = b.w->font();
    if (b.pt > 0) {
      // Fonts come in whole pixels: what the rounding takes off or adds is given back by
      // stretching, so that a text is as long on the picture as on paper.
      const double meret = std::max(7.0, b.pt * 25.4 / 72 * sy);
      const int egesz = int(std::lround(meret));
      f.setPixelSize(egesz);
      f.setStretch(int(std::lround(100 * meret / egesz)));
    } else {
      f.setPixelSize(std::max(7, int(px.height() * 0.62)));
    }
    b.w->setFont(f);
    // A box without a width or height takes the widget's own.
    if (r.width() <= 0) px.setWidth(b.w->sizeHint().width());
    if (r.height() <= 0) px.setHeight(b.w->sizeHint().height());
    // A caption is at least one line of its font high, accents over capitals included, so
    // that "Ő" is not cut to "O".
    if (qobject_cast<QLabel*>(b.w.data())) px.setHeight(std::max(px.height(), sorMagassag(f)));
    if (b.egeszSor)
      if (const auto* e = qobject_cast<const QLineEdit*>(b.w.data())) {
        // Its text and frame whole, centred on the box's place.
        const QMargins m = e->textMargins();
        const int keret = e->hasFrame() ? 2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e) : 0;
        const int tobb = QFontMetrics(f).height() + keret + m.top() + m.bottom() - px.height();
        if (tobb > 0) px.adjust(0, -tobb / 2, 0, tobb - tobb / 2);
      }
    b.w->setGeometry(px);
  }
}
