#pragma once
// Building blocks shared by the receipt pages: named controls, the preview picture box with
// controls laid over it at design positions in twips, and what a page change hands back to
// the main window.
#include <QImage>
#include <QLabel>
#include <QString>

#include <cstdint>

class QLineEdit;
class QWidget;
class TriCheckBox;

// What the main window does after a receipt page's change step: every receipt page enables
// OpOrientacioFekvo; BeallitasFul is the settings dialog's opening tab; with csakEgyes the
// page hides cmdCsPrint and shows cmdPrint (otherwise the buttons follow the list selection).
struct LapValtas {
  int16_t BeallitasFul = 0;
  bool csakEgyes = false;
};

namespace lap {

// Twips of the page design to screen pixels (15 twips per pixel at 96 dpi).
constexpr int px(int twips) { return twips / 15; }

QLineEdit* mezo(QWidget* parent, const char* name);
QLabel* felirat(QWidget* parent, const char* name, const QString& text = {});
TriCheckBox* jelolo(QWidget* parent, const char* name, const QString& caption, const QString& tip = {});
// A hidden "X" service mark.
QLabel* jel(QWidget* parent, int index);
// Moves `w` to the design position; a negative width keeps the width.
void helyez(QWidget* w, int leftTw, int topTw, int widthTw = -1);
// Text with its leading and trailing blanks (spaces) removed; tabs and the like stay.
QString szokozNelkul(const QString& s);

}  // namespace lap

// The preview box of a page: the blank form's picture fitted into the box, with the
// page's overlay controls as children at design positions. No picture (a missing or unreadable
// file) leaves an empty box with the overlays usable.
class Elonezet : public QLabel {
 public:
  Elonezet(QWidget* parent, const char* name, int widthTw, int heightTw);
  void setPreview(const QImage& kep);
  bool hasPreview() const { return !kep_.isNull(); }

 private:
  QImage kep_;
};
