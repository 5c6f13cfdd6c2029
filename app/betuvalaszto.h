#pragma once
// The label-font panel of the main window: a font and a size for each of the five label lines
// (0 name, 1 second name line, 2 settlement, 3 street, 4 postcode), a sample of the line being
// edited, and the save button that writes Betutip.dat and Betumeret.dat.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>

#include "common/betutip.h"
#include "common/platform.h"

class BetuValaszto : public QWidget {
  Q_OBJECT
 public:
  BetuValaszto(const Platform& platform, BetutipRekord& betutip, BetumeretRekord& betumeret,
               QWidget* parent = nullptr);

  std::array<QComboBox*, 5> ComboBetuTipus1;
  std::array<QComboBox*, 5> ComboBetuSize;
  QLabel* lbMinta;
  QPushButton* cmbBetutipusok;

  // Start-up: every font of the current printer into all five lists, the sizes 10..24, then the
  // saved fonts and sizes into the lists' texts. A file that cannot be read leaves its lists
  // empty, and the fonts are not saved in this run (the lists do not show what the files hold);
  // the result says which file and why (empty when both were read).
  void fillFonts();
  void fillSizes();
  [[nodiscard]] QString load();

  void ComboBetuTipus1_Click(int index);
  void ComboBetuSize_Click(int index);
  // Checks all five sizes first, then writes both files; on any error neither file changes
  // and a message says why.
  void cmbBetutipusok_Click();

 private:
  void sample(int index);
  const Platform& platform_;
  BetutipRekord& betutip_;
  BetumeretRekord& betumeret_;
  QString olvasasHiba_;  // why load() could not read the fonts; empty when it could
};
