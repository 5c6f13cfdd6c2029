#pragma once
// The money-order page ("Rózsaszín csekk") of the main window: the form's front with the
// sender, the recipient (twice: the labels that are printed and the text boxes on the second
// copy), the amount with its words in two copies, the fixed-party option pair; the back with
// the sender and four notice lines (hidden while the front shows).
//
// Entering the page (belep) reads SetRcsekk.dat and puts the fixed party into the recipient
// or the sender fields by the option pair. What the main window does itself on entering:
// "Fekvő" enabled, BeallitasFul set to 5, the print buttons left as they are.
//
// The turn button, the option pair (clicked by the user) and the amount box (typed, set from
// code or chosen from its list) run their handlers. Choosing an option from code runs nothing:
// allandoValaszt() chooses one and runs its handler, as the restoring at start-up needs.
#include <QWidget>

#include <array>
#include <vector>

#include "common/platform.h"
#include "layouts/layoutrecords.h"
#include "printing/common/formpage.h"
#include "printing/orders/rcsekkprint.h"

class QComboBox;
class QLabel;
class QLineEdit;
class MmKep;
class QPushButton;
class QRadioButton;

class RcsekkLap : public QWidget, public FormPage {
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
  // The front's picture for the feed (RcsekkkepAllo.jpg, RcsekkkepFekvo.jpg shown upright) or
  // the back's (RCsekkHatul.jpg), by the side the turn button names.
  bool showPicture(Tajolas t) override;
  // Lays the recipient's two copies out where the orientation last shown prints them (the
  // receipt's printed labels and the order's boxes), with the layout of SetRcsekk.dat as it
  // stands: each line from its first character, in the size it prints.
  void elrendez();

  // Turns the page over: the back's boxes and the caption "Csekk Első oldal", or the front's
  // with "Csekk Hátoldala", and that side's picture for the orientation last shown. A missing
  // picture leaves the picture area plain; the boxes are switched all the same.
  void cmdOldalCsere_Click();
  // The fixed-party option: reads SetRcsekk.dat; with element 0 chosen the recipient labels
  // and boxes get the fixed party and the sender boxes of both sides are emptied, otherwise
  // the sender boxes of both sides get it and the recipient is emptied. `index` is not used.
  void opAllando_Click(int index);
  // Chooses element `index` and runs opAllando_Click.
  void allandoValaszt(int index);

  // The amount in words, up to seven digits: the upper part into RtxtSzoveg21, the part below
  // one thousand into RtxtSzoveg11.
  void Razaz_rutin();
  // The amount changed: figures into both labels, the words fitted to the 45 mm words field
  // in the money order's text font (measured on the current printer) into both copies.
  void RtxOsszeg_Change();
  void RtxOsszeg_Click();

  // What the single money-order printers print, as the page shows it.
  RcsekkAdatok adatok() const;

  // The main window's calls (rcsekklap_ablak.cpp).
  void load(const SetRekord& set) override;
  void save(SetRekord& set) const override;
  void enter() override { belep(); }
  // The layout may have been changed in the settings dialog meanwhile.
  void activate() override { elrendez(); }
  void fill(const FizetoKitoltes& f) override;
  void fillAmounts(const std::array<int32_t, 12>& osszegek) override;
  std::optional<PagePrint> print(const PrintRequest& k) override;

 private:
  QString rcsekkFeladoCim() const;  // the fixed sender's address line
  std::vector<QWidget*> elolap() const;  // the front's boxes, in the order they are turned
  std::vector<QWidget*> hatlap() const;  // the back's
  const Platform& platform_;
  SetRcsekkRekord& rcsekk_;
  Tajolas tajolas_ = Tajolas::Allo;
};
