#pragma once
// A picture of a blank form with boxes laid over it at millimetre positions. The picture is
// stretched over the whole widget and the boxes follow it when the widget is resized, so each
// box stays on the part of the form it belongs to. With no picture loaded (a missing file) the
// area shows a plain background and the boxes stay usable.
//
// A lying picture (the form turned a quarter turn, so its sides are the other way round) cannot
// carry boxes of horizontal text; what happens then is chosen per picture (Fekvo).
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QRectF>

#include <vector>

class MmKep : public QLabel {
 public:
  enum class Fekvo {
    Stretch,   // the turned picture is stretched over the form's area, the boxes stay
    HideBoxes, // the turned picture is fitted whole and the boxes are hidden while it shows
    TurnBack,  // the picture is turned back upright, so the boxes stay on their places
  };

  // The form's width and height in millimetres.
  MmKep(double widthMm, double heightMm, QWidget* parent = nullptr, Fekvo fekvo = Fekvo::Stretch);

  // Makes `w` a child of the picture and keeps it over `mm` (left, top, width, height); a
  // widget placed again moves to its new place.
  void place(QWidget* w, const QRectF& mm);
  // Shows `image` (a null image: the plain background).
  void setPreview(const QImage& image);
  bool hasPreview() const { return !image_.isNull(); }
  // A lying picture is shown.
  bool lying() const { return lying_; }
  // Keeps the form's proportions: the picture takes the widest area of the form's shape at the
  // top of the widget, centred, instead of being stretched over the whole widget.
  void setKeepAspect(bool keep);
  // The standing picture's area, in pixels of the widget.
  QRect pictureRect() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // On by default; a page that lets the picture fit its area turns it off in the size policy.
  bool hasHeightForWidth() const override { return sizePolicy().hasHeightForWidth(); }
  int heightForWidth(int width) const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Box {
    QPointer<QWidget> w;
    QRectF mm;
    Qt::FocusPolicy focus = Qt::NoFocus;  // the box's own, while it is hidden for a lying picture
  };
  void arrange();
  void showPicture();
  void hideBoxes(bool hide);

  double widthMm_, heightMm_;
  Fekvo fekvo_;
  QImage image_;
  bool lying_ = false;
  bool keepAspect_ = false;
  // The boxes are folded to nothing and take no focus, rather than hidden, so that the page's
  // own show and hide of a box keep their meaning.
  bool boxesHidden_ = false;
  std::vector<Box> boxes_;
};
