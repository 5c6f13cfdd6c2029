#pragma once
// Building blocks shared by the receipt pages: named controls, the preview picture box with
// controls laid over it at their places on the form, and what a page change hands back to the
// main window.
#include <QImage>
#include <QLabel>
#include <QString>

#include "common/mmkep.h"

#include <cstdint>

#include "printing/receipts/vevenyek.h"

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

}  // namespace lap

// The preview box of a page: a fixed-size box (design size in twips) showing the blank form's
// picture, with the page's overlay controls placed over it at millimetre positions of the form
// (MmKep::place). No picture (a missing or unreadable file) leaves an empty box with the
// overlays usable. By default the lying picture is fitted whole and the overlays are hidden
// while it shows (they repeat the page's data); a page whose inputs stand on the picture turns
// it back upright instead.
class Elonezet : public MmKep {
 public:
  Elonezet(QWidget* parent, const char* name, int widthTw, int heightTw, double widthMm, double heightMm,
           Fekvo fekvo = Fekvo::HideBoxes);
};
