#pragma once
// The payment-slip page ("Sárga csekk") of the main window: the payer's name and address
// boxes and, on the preview of the slip, the boxes Text1(0..3) that repeat them. The name
// box's change handler belongs to the main window, which also runs the list search with it.
#include <QWidget>

#include <array>

class QFrame;
class QLineEdit;

class CsekkLap : public QWidget {
 public:
  explicit CsekkLap(QWidget* parent = nullptr);

  QLineEdit* txNev;     // name
  QLineEdit* txCim1;    // settlement
  QLineEdit* txCim2;    // street
  QLineEdit* txIrszam;  // postcode
  QFrame* Picture2;     // preview of the slip
  // Preview boxes: 0 settlement, 1 name, 2 street, 3 postcode.
  std::array<QLineEdit*, 4> Text1{};

  void txCim1_Change();
  void txCim2_Change();
  void txIrszam_Change();
};
