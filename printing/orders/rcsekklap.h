#pragma once
// The money-order page ("Rózsaszín csekk") of the main window: the form's front with the
// sender, the recipient (twice: the labels that are printed and the text boxes on the second
// copy), the amount with its words in two copies, the fixed-party option pair; the back with
// the sender and four notice lines (hidden while the front shows).
//
// Entering the page (belep) reads SetRcsekk.dat and puts the fixed party into the recipient
// or the sender fields by the option pair. What the main window does itself on entering:
// "Fekvő" enabled, BeallitasFul set to 5, the print buttons left as they are.
#include <QWidget>

#include <array>

#include "common/platform.h"
#include "layouts/layoutrecords.h"

class QComboBox;
class QLabel;
class QLineEdit;
class MmKep;
class QPushButton;
class QRadioButton;

class RcsekkLap : public QWidget {
 public:
  // `rcsekk` is the shared in-memory money-order layout.
  RcsekkLap(const Platform& platform, SetRcsekkRekord& rcsekk, QWidget* parent = nullptr);

  static constexpr int16_t BeallitasFul = 5;  // settings tab opened from this page

  MmKep* Picture7;  // the form's picture, with the fields laid over it at their boxes
  QPushButton* cmdOldalCsere;  // names the side not on screen

  // Front. opAllando: 0 the recipient is fixed, 1 the sender is fixed; none chosen at first.
  std::array<QRadioButton*, 2> opAllando{};
  QComboBox* RtxOsszeg;  // amount, editable, its list holds the payer's amounts
  QLabel* RlbOsszeg;
  QLabel* lbOsszeg2;
  QLineEdit* RtxtSzoveg21;  // words, copy 1, line 1
  QLineEdit* RtxtSzoveg11;  // words, copy 1, line 2
  QLineEdit* RtxtSzoveg12;  // words, copy 2, line 1
  QLineEdit* RtxtSzoveg22;  // words, copy 2, line 2
  std::array<QLineEdit*, 1> RtxNev{};  // sender's name
  QLineEdit* RtxCim;                   // sender's address on one line
  QLabel* RlbNev;  // recipient, printed
  QLabel* RlbHelys;
  QLabel* RlbCim;
  QLabel* RlbIrsz;
  QLineEdit* txtNev;  // recipient, second copy on the picture
  QLineEdit* txtHelys;
  QLineEdit* txtCim;
  QLineEdit* txtIrsz;

  // Back.
  QLineEdit* txtNevHatul;
  QLineEdit* txtHelysHatul;
  QLineEdit* txtCimHatul;
  QLineEdit* txtIrszHatul;
  std::array<QLineEdit*, 4> RcsekkKozlemenyHatul{};

  // The page-change step: reads SetRcsekk.dat into the shared record; with opAllando(0)
  // chosen the recipient labels and boxes get the fixed party (trimmed, the postcode as
  // stored), otherwise RtxNev(0) gets its trimmed name and RtxCim its address line. The
  // other party's fields keep what they show.
  void belep();

  void setPreview(const QImage& kep);

 private:
  const Platform& platform_;
  SetRcsekkRekord& rcsekk_;
};
