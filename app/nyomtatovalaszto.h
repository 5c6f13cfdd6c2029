#pragma once
// The printer panel of the main window: the installed printers (`Combo2`, the chosen index in
// `lbPrintNo`) and the choice between the chosen printer and the system default (`opPrinter`).
// Both are saved into Set.dat the moment they change.
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

#include <array>

#include "common/platform.h"
#include "common/setrekord.h"

class NyomtatoValaszto : public QWidget {
  Q_OBJECT
 public:
  NyomtatoValaszto(const Platform& platform, SetRekord& set, QWidget* parent = nullptr);

  QComboBox* Combo2;
  QLabel* lbPrintNo;
  QLabel* lbNincsTelepitve;  // shown while the saved printer is not installed
  std::array<QRadioButton*, 2> opPrinter;

  // Lists the installed printers; the text ends as the last printer's name.
  void fill();
  // Selects entry `index` and runs Combo2_Click, also when it was already selected. An index
  // that names no installed printer (switched off, or the print system not up yet) keeps its
  // place in Set.dat: no entry is selected, nothing is saved, and the panel says that the saved
  // printer is not installed now, until the user picks one.
  void select(int index);
  // Chooses opPrinter(index) and runs its handler.
  void choose(int index);

  void Combo2_Click();
  void opPrinter_Click(int index);

  // Set: a Set.dat that cannot be written is not reported by each save here (start-up and
  // exit report it once).
  bool csendes = false;

 private:
  bool save(const std::function<void(SetRekord&)>& change);
  const Platform& platform_;
  SetRekord& set_;
  bool filling_ = false;
};
