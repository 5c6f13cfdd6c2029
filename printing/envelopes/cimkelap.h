#pragma once
// The address-label page (" Etikett nyomtató") of the main window: the label-sheet set-up
// boxes with their save button, the grid of the 40 label-position boxes, the counter of
// printed labels, the custom label's entry boxes and the five caption lines of the label
// preview.
//
// Entering the page (belep) lays the position grid out from the column and row boxes, reads
// CimkeSetup.dat and, when the sheet has no column count, presses cmdCimkeMeretRogzites. What
// the main window does itself on entering: "Fekvő" disabled and "Álló" selected, cmdPrint
// shown and cmdCsPrint hidden, BeallitasFul set to 0. The main window connects the set-up
// button's clicked signal to its handler.
#include <QRect>
#include <QWidget>

#include <array>

#include "common/platform.h"
#include "printing/envelopes/cimkerekordok.h"

class QComboBox;
class QGroupBox;
class QLabel;
class MmKep;
class QLineEdit;
class QPushButton;
class TriCheckBox;

class CimkeLap : public QWidget {
 public:
  // `cimkeSetup` is the shared in-memory label-sheet record.
  CimkeLap(const Platform& platform, CimkeSetupRekord& cimkeSetup, QWidget* parent = nullptr);

  static constexpr int16_t BeallitasFul = 0;  // settings tab opened from this page

  // Sheet set-up.
  QGroupBox* keretMeret;
  QComboBox* txtOszlop;  // columns
  QComboBox* txtSor;     // rows
  QLineEdit* txtSzeles;  // label width, mm
  QLineEdit* txtMagas;   // label height, mm
  QLineEdit* txtLeft;    // left margin, mm
  QLineEdit* txtTop;     // top margin, mm
  QPushButton* cmdCimkeMeretRogzites;
  QLabel* lbKinyomottCimkeNum;

  // Position boxes 1..40 (element 0 is unused and null), placed in twips on `racs`.
  std::array<TriCheckBox*, 41> chkCimke1{};
  QWidget* racs;

  // Custom label.
  TriCheckBox* chkEgyediCimke;
  QGroupBox* keretEgyediCimke;
  std::array<QLineEdit*, 5> txEgyediCimke{};

  // Preview of the label sheet with the five lines of one label.
  MmKep* Picture2;
  QLabel* lbNev1;
  QLabel* lbNev2;
  QLabel* lbHelyseg;
  QLabel* lbCim;
  QLabel* lbIrsz;

  // Start-up: the column choices 4..1 and the row choices 10..3.
  void fillChoices();
  // Start-up: shows the shared label-sheet record in the set-up boxes, in the regional
  // number format; a box that would show "0" gets its default (margins 5, 2 columns,
  // 6 rows; the label size has none).
  void showSetup();

  // The page-change step.
  void belep();
  // Lays the position boxes out from the texts of txtOszlop and txtSor. Boxes beyond the
  // grid's count are hidden (all of them up to 40); a grid of more than 40 positions, which
  // the 40 boxes cannot show, leaves everything as it was. Counts below 1 hide every box.
  void racsKiosztas();
  // Presses the set-up button (runs the main window's handler connected to it).
  void nyomRogzites();

  // Geometry of position box k (1..40) in twips.
  QRect cimkeTwips(int k) const { return twips_[size_t(k)]; }

  void setPreview(const QImage& kep);

 private:
  void place(int k);
  const Platform& platform_;
  CimkeSetupRekord& cimkeSetup_;
  std::array<QRect, 41> twips_{};
};
