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
  // widget placed again moves to its new place. Its text fills about two thirds of the box's
  // height; with `pt` the text is that many points of the form at the picture's scale instead.
  // A width or height not above 0 takes the widget's own (a text from its left top corner).
  void place(QWidget* w, const QRectF& mm, double pt = 0);
  // A text box placed before (a line edit) is made as high as its text and frame need,
  // descenders included, centred on its place, wherever the picture's scale puts it.
  void wholeLine(QWidget* w);
  // Shows `image` (a null image: the plain background).
  void setPreview(const QImage& image);
  // Shows the picture file at `path`; a missing or unreadable file shows the plain background.
  // False then. The file's name is kept (fileName), whether it could be read or not.
  bool showFile(const QString& path);
  QString fileName() const { return fileName_; }
  bool hasPreview() const { return !image_.isNull(); }
  // Another form: its width and height in millimetres. The boxes keep their millimetres; the
  // page shows the new form's picture itself.
  void setForm(double widthMm, double heightMm);
  double widthMm() const { return widthMm_; }
  double heightMm() const { return heightMm_; }
  // Pixels of the widget per millimetre of the form.
  double pxPerMm() const;
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
    double pt = 0;  // the text's size in points of the form; 0: by the box's height
    Qt::FocusPolicy focus = Qt::NoFocus;  // the box's own, while it is hidden for a lying picture
    bool egeszSor = false;  // wholeLine()
  };
  void arrange();
  void showPicture();
  void hideBoxes(bool hide);

  double widthMm_, heightMm_;
  Fekvo fekvo_;
  QImage image_;
  QString fileName_;
  bool lying_ = false;
  bool keepAspect_ = false;
  // The boxes are folded to nothing and take no focus, rather than hidden, so that the page's
  // own show and hide of a box keep their meaning.
  bool boxesHidden_ = false;
  std::vector<Box> boxes_;
};
