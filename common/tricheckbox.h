#pragma once
// A check box holding the values the windows use: 0 unticked, 1 ticked, 2 grey. Grey is set
// only from code; a user's click toggles between ticked and unticked, also from grey.
#include <QCheckBox>

class TriCheckBox : public QCheckBox {
 public:
  explicit TriCheckBox(const QString& text, QWidget* parent = nullptr) : QCheckBox(text, parent) {}

  int value() const {
    switch (checkState()) {
      case Qt::Checked: return 1;
      case Qt::PartiallyChecked: return 2;
      default: return 0;
    }
  }
  // Sets 0, 1 or 2 (stateChanged, and so the box's handler, fires when the value changes).
  // Any other value is refused and the box keeps its value; false then.
  bool setValue(int v) {
    if (v < 0 || v > 2) return false;
    if (v == 2) setTristate(true);
    setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    return true;
  }

 protected:
  void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};
