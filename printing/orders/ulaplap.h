#pragma once
// The cash-on-delivery page ("Utánvételi lap") of the main window: on the front the amount
// with its words, the parcel addressee, the payee of the amount, the form's "R" and "ÉL"
// options with their marks and the addressee swap; on the back the addressee (hidden while
// the front shows).
//
// Entering the page (belep) reads SetRcsekk.dat and shows the payee. What the main window
// does itself on entering: cmdPrint shown and cmdCsPrint hidden, "Fekvő" enabled,
// BeallitasFul set to 6.
#include <QWidget>

#include <functional>

#include "common/platform.h"
#include "common/setrekord.h"
#include "layouts/layoutrecords.h"
#include "payerstore/nevekrekord.h"
#include "printing/common/formpage.h"
#include "printing/orders/ulapprint.h"

class QLabel;
class QLineEdit;
class MmKep;
class QPushButton;
class TriCheckBox;

// What the addressee swap reads besides the money-order layout: the shared payer record as it
// stands and three boxes of other pages (posting receipt's two address lines, the official
// document's postcode).
struct UlapCimzett {
  NevekRekord Nevek;
  QString txCim3_1, txCim3_2, txtIratCimzettIrszam;
};

class UlapLap : public QWidget, public FormPage {
 public:
  // `rcsekk` is the shared in-memory money-order layout, which holds the payee.
  UlapLap(const Platform& platform, SetRcsekkRekord& rcsekk, QWidget* parent = nullptr);

  static constexpr int16_t BeallitasFul = 6;  // settings tab opened from this page

  MmKep* Picture6;  // the form's picture, with the fields laid over it at their boxes
  QPushButton* cmdUtanvetOdalCsere;  // names the side not on screen

  // Front.
  QLineEdit* txUosszeg;
  QLabel* lbUosszeg;
  QLabel* lbosszegBetuvel1;
  QLabel* lbosszegBetuvel2;
  QLineEdit* txUNev;  // parcel addressee
  QLineEdit* txUCim;
  QLabel* lbUNev;  // payee of the amount
  QLabel* lbUHelyseg;
  QLabel* lbUCim;
  QLabel* lbUIrszam;
  TriCheckBox* chkUtanvetR;
  TriCheckBox* chkUtanvetEL;
  QLabel* lbUtXR;   // "X" over the R box, shown while it is ticked
  QLabel* lbUtXEL;  // "X" over the ÉL box
  TriCheckBox* chkCimzettCsereUlap;

  // Back.
  QLabel* lbUNevHatul;
  QLabel* lbUHelysegHatul;
  QLabel* lbUCimHatul;
  QLabel* lbUIrszamHatul;

  // The page-change step: reads SetRcsekk.dat into the shared record; lbUNev gets the trimmed
  // name; a payee given by address (ULapCizett -1) shows its street and settlement trimmed
  // and its postcode as stored, otherwise the account number and bank name trimmed and the
  // bank's postcode as stored. The words are drawn in the layout's text font as it prints.
  void belep();

  void setPreview(const QImage& kep);
  // The front's picture for the feed (UtanveteliLapAllo.jpg, UtanveteliLapfekvo.jpg shown
  // upright) or the back's (utanvetelihatulja.jpg), by the side the turn button names.
  bool showPicture(Tajolas t) override;

  // The program-wide records the amount box shares: the general settings (Beallitasok) and
  // the amount in words with its two parts. Until this is called the page uses its own.
  void megoszt(SetRekord& beallitasok, int32_t& AzazOsszeg, QString& AzazEzresek, QString& AzazEgyesek);

  // The amount changed (typed or set from code): the figures into lbUosszeg, the words between
  // "*" marks fitted to the 45 mm words field in the form's text font (measured on the
  // current printer) into lbosszegBetuvel1 and lbosszegBetuvel2. The amount is the box's
  // leading number, rounded half to even; one beyond 32 bits counts as the largest it can hold.
  void txUosszeg_Change();

  // Turns the preview over, as the button's caption names it ("Hátoldala": front on screen):
  // the back shows only the back's addressee block; the front shows its boxes and the "X"
  // marks of exactly the ticked options. The picture is that side's for the orientation last
  // shown (showPicture; a missing one: the plain background).
  void cmdUtanvetOdalCsere_Click();

  // Unticked: the payer is the parcel addressee and the fixed party (trimmed) the payee;
  // ticked: the fixed party is the addressee on one line and the payer (as stored) the payee.
  // The back always gets the payer.
  void chkCimzettCsereUlap_Click(const UlapCimzett& forras);
  // The swap box's own handler asks this for its sources; until it is set a click only
  // changes the box.
  std::function<UlapCimzett()> cimzettForras;

  // The mark over the option's box shows while the option is ticked (value 1).
  void chkUtanvetR_Click();
  void chkUtanvetEL_Click();

  // The texts and values the form printer reads; `txNev` is the main window's payer name.
  UlapAdatok adatok(const QString& txNev) const;

  // The main window's calls (ulaplap_ablak.cpp).
  // The payer's name as the payment-slip page shows it (the single form's sender).
  std::function<QString()> fizetoNev;
  void enter() override { belep(); }
  // The layout may have been changed in the settings dialog meanwhile.
  void activate() override { szavakBetuje(); }
  void fill(const FizetoKitoltes& f) override;
  void fillAmounts(const std::array<int32_t, 12>& osszegek) override;
  std::optional<PagePrint> print(const PrintRequest& k) override;

 private:
  // The payee labels from the layout: the fixed party's address, or the bank data when the
  // layout says the payee is given by them.
  void allandoKedvezmenyezett();
  // The words' two lines in the family and size the form prints them in (the layout's text
  // font as the printer takes it), on the form's words field.
  void szavakBetuje();
  const Platform& platform_;
  SetRcsekkRekord& rcsekk_;
  Tajolas tajolas_ = Tajolas::Allo;
  SetRekord sajatSet_;
  int32_t sajatOsszeg_ = 0;
  QString sajatEzresek_, sajatEgyesek_;
  SetRekord* set_ = &sajatSet_;
  int32_t* azazOsszeg_ = &sajatOsszeg_;
  QString* azazEzresek_ = &sajatEzresek_;
  QString* azazEgyesek_ = &sajatEgyesek_;
};
