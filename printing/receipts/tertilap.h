#pragma once
// The return-receipt page ("Tértivevény "), page 1 of the main window: the recipient, the
// item and customer identifiers, the post office and date, the service-mark boxes, the
// domestic/international choice and, over the card's picture, the return-address preview and
// the "X" marks. The page change (belep) reads SetTerti.dat into the shared copy and fills the
// return-address preview by the chosen card. The card choice (opBelfold_Click) does the same,
// rearranges the page for the chosen card and shows the card's picture; each service-mark box
// shows its "X" mark while it is ticked.
#include <QWidget>

#include <array>

#include "common/platform.h"
#include "layouts/layoutrecords.h"
#include "printing/common/formpage.h"
#include "printing/receipts/lapelemek.h"
#include "printing/receipts/tertiprint.h"

class QButtonGroup;
class QFormLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class TriCheckBox;

class TertiLap : public QWidget, public FormPage {
 public:
  TertiLap(const Platform& platform, LayoutRecords& layouts, QWidget* parent = nullptr);

  // 0 "Belföldi" (domestic card, chosen when the window opens), 1 "Küldöldi" (international).
  std::array<QRadioButton*, 2> opBelfold{};
  QButtonGroup* opBelfoldCsoport;

  QLineEdit* txNev2;    // recipient's name
  QLineEdit* txCim2_1;  // recipient's address, line 1
  QLineEdit* txCim2_2;  // recipient's address, line 2
  QLineEdit* txKudemenyAzonosito;  // item identifier
  QLineEdit* txtTertiPosta;        // post office
  QLineEdit* txtTertiDatum;        // acceptance date, as typed
  QLineEdit* txUgyfelAzonosito;    // customer identifier
  QLineEdit* txUgyfelSajatJelzese;  // customer's own reference

  // Service marks; chkLevel and chkKCsomag belong to the international card only.
  TriCheckBox* chkTPri;
  TriCheckBox* chkTSk;
  TriCheckBox* chkTUv;
  TriCheckBox* chkLevel;
  TriCheckBox* chkKCsomag;

  // Preview of the card with the return address and the marks over it.
  Elonezet* Picture3;
  QLineEdit* lbSajatNev2;  // a text box, as on the form
  QLabel* lbSajatCim2_1;
  QLabel* lbSajatCim2_2;
  QLabel* lbSajatIrsz;
  // Marks of this page: elements 6 to 10 (chkTPri, chkTSk, chkTUv, chkLevel, chkKCsomag); the
  // others belong to the posting-receipt page and stay null here.
  std::array<QLabel*, 11> lbX{};

  bool belfoldi() const;
  void setPreview(const QImage& kep) { Picture3->setPreview(kep); }
  // The chosen card's picture: the domestic card standing (Tertikepallo.jpg) or lying
  // (Tertikepfekvo.jpg, shown upright), the international card KTerti.jpg.
  bool showPicture(Tajolas t) override;

  // Page change to this page: reads record 1 of SetTerti.dat into the shared copy and fills
  // the return-address preview. Domestic: the name and both address lines as stored, the
  // postcode as stored in its own label (hidden on this card). International: the postcode
  // without blanks, a blank and the first address line, the second line, an empty postcode label.
  LapValtas belep();

  // The card choice: reads SetTerti.dat and fills the return-address preview as belep does,
  // rearranges the page for the chosen card (the domestic card clears and hides the letter and
  // parcel boxes and shows the post office, date and customer fields; the international card
  // shows the letter and parcel boxes and the separate postcode and hides those fields), and
  // shows the chosen card's picture for the orientation last shown (showPicture). The index is
  // not used: element 0 chosen means the domestic card.
  void opBelfold_Click(int index);

  // Service marks: the box's "X" shows while its value is 1 and hides otherwise (also grey).
  void chkTPri_Click();
  void chkTSk_Click();
  void chkTUv_Click();
  void chkLevel_Click();
  void chkKCsomag_Click();


  // What the form printers print, as the page shows it.
  TertiAdatok adatok() const;

  // The main window's calls (tertilap_ablak.cpp).
  void load(const SetRekord& set) override;
  void save(SetRekord& set) const override;
  void enter() override { belep(); }
  void fill(const FizetoKitoltes& f) override;
  std::optional<PagePrint> print(const PrintRequest& k) override;

 private:
  void visszaCim();
  void elrendez(bool belfoldi);
  void elhelyez(bool belfoldi);  // the overlays' places on the chosen card
  const Platform& platform_;
  LayoutRecords& layouts_;
  QFormLayout* urlap_ = nullptr;
  Tajolas tajolas_ = Tajolas::Allo;
};
