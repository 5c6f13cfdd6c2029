#pragma once
// The address-label page (" Etikett nyomtató") of the main window: the label-sheet set-up
// boxes with their save button, the grid of the 40 label-position boxes, the counter of
// printed labels, the custom label's entry boxes and the five caption lines of the label
// preview.
//
// Entering the page (belep) lays the position grid out from the column and row boxes, reads
// CimkeSetup.dat and, when the sheet has no column count, presses cmdCimkeMeretRogzites. What
// the main window does itself on entering: "Fekvő" disabled and "Álló" selected, cmdPrint
// shown and cmdCsPrint hidden, BeallitasFul set to 0.
//
// The grid's handlers (cimkelap_racs.cpp): the set-up save, the ticks that assign the current
// payer to a position, the position tips, and clearing every position when the payer files
// change.
#include <QRect>
#include <QWidget>

#include <array>
#include <functional>
#include <utility>

#include "common/platform.h"
#include "payerstore/nevekrekord.h"
#include "printing/common/formpage.h"
#include "printing/envelopes/cimkeiv.h"
#include "printing/envelopes/cimkerekordok.h"

class QComboBox;
class QGroupBox;
class QLabel;
class MmKep;
class QLineEdit;
class QPushButton;
class TriCheckBox;

// What the label page reads and writes of the program-wide state.
struct CimkeAllapot {
  CimkeSetupRekord& CimkeSetup;  // the label sheet as last read or saved
  CimkeHelyek& CimkeHely;        // payers assigned to the positions
  NevekRekord& Nevek;            // the payer record loaded last
  const int32_t& AktualisRekord;  // the current payer, 0 = none
};

class CimkeLap : public QWidget, public FormPage {
 public:
  CimkeLap(const Platform& platform, CimkeAllapot allapot, QWidget* parent = nullptr);

  // Set by the main window: the texts of the font and size choices of label line i (0..4),
  // and putting the keyboard focus on the payer list. Either may be left empty.
  std::function<std::pair<QString, QString>(int)> betuValasztas;
  std::function<void()> listaFokusz;

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

  // Position boxes 1..40 (element 0 is unused and null), placed in twips on `racs`, the A4
  // sheet drawn with the saved set-up's labels under them.
  std::array<TriCheckBox*, 41> chkCimke1{};
  CimkeIv* racs;

  // Custom label.
  TriCheckBox* chkEgyediCimke;
  QGroupBox* keretEgyediCimke;
  std::array<QLineEdit*, 5> txEgyediCimke{};

  // Preview of one label of the saved set-up, as large as the page's column allows: the five
  // lines where they start on a label and in the size they print.
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
  // Lays the position boxes out from the texts of txtOszlop and txtSor, by the size tables
  // (1..4 columns, 3..10 rows; other counts keep the present size), without touching the
  // positions. The label-size boxes get 210 / columns and 297 / rows (8 rows: the top margin
  // 3) only for a count that differs from the saved sheet, so a size typed by hand stays.
  // Boxes beyond the grid are hidden; a grid of more than 40 positions, which the 40 boxes
  // cannot show, leaves everything as it was; counts below 1 hide every box.
  void racsKiosztas();
  // Presses the set-up button.
  void nyomRogzites();

  // "&Rögzítés": clears every position, checks the set-up boxes, lays the grid out and saves
  // the sheet. Refused with a message, and nothing saved, for more than 4 columns or 10 rows,
  // a count below 1, or a millimetre box that is not a number or does not fit its field.
  void cmdCimkeMeretRogzites_Click();
  // Position box k was ticked or unticked (also from code).
  void chkCimke1_Click(int k);
  // The mouse is over position box k: its tip names the assigned payer.
  void chkCimke1_MouseMove(int k);
  void chkEgyediCimke_Click();
  void txEgyediCimke_Change(int index);
  // The payer files changed (deletion, import, conversion): every position forgets its payer,
  // shows its number again and is unticked, whatever the custom-label box shows; ticks without
  // a payer (the custom label's positions) stay.
  void helyekUritese();

  // The five preview lines in line order (name, second name line, settlement, street, postcode).
  std::array<QLabel*, 5> elonezetSorok() const { return {lbNev1, lbNev2, lbHelyseg, lbCim, lbIrsz}; }

  // Geometry of position box k (1..40) in twips.
  QRect cimkeTwips(int k) const { return twips_[size_t(k)]; }

  // The blank sheet, cimkekep.jpg, under the position boxes; the page is standing only.
  bool showPicture(Tajolas t) override;
  // The sheet and the label preview drawn again from the set-up held in memory (as last read
  // or saved): its grid, label size and first line's place.
  void ivFrissit();
  // The size a preview line is shown in: the size chosen for its label line, 12 points when
  // the choice is not a usable size (the printer's own).
  double sorMeret(int i) const;

  // The main window's calls (cimkelap_ablak.cpp).
  // The position choices and the sheet set-up from CimkeSetup.dat.
  void load(const SetRekord& set) override;
  QStringList olvasatlan() const override { return olvasasHiba_.isEmpty() ? QStringList() : QStringList{olvasasHiba_}; }
  void enter() override { belep(); }
  // The preview lines, each in the font and size chosen for it.
  void fill(const FizetoKitoltes& f) override;
  // Every position's payer cleared (helyekUritese).
  void payersChanged() override;
  // Labels print standing only, and the selected rows are one of the single print's modes:
  // the list print and a lying print call nothing.
  std::optional<PagePrint> print(const PrintRequest& k) override;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void place(int k);
  void kioszt(int oszlop, int sor);
  const Platform& platform_;
  CimkeSetupRekord& cimkeSetup_;
  QString olvasasHiba_;  // start-up could not read CimkeSetup.dat: why
  CimkeHelyek& cimkeHely_;
  NevekRekord& nevek_;
  const int32_t& aktualis_;
  std::array<QRect, 41> twips_{};
};

// A count typed into txtOszlop or txtSor: its leading number rounded half to even; far too
// large values come back as 1000000, negative ones as -1.
int cimkeSzam(const QString& text);
