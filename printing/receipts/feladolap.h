#pragma once
// The posting-receipt page ("Feladóvevény "), page 2 of the main window: the recipient, the
// sender (filled from SetFveveny.dat when the page is shown), the declared value, the
// cash-on-delivery amount, two free lines and the service-mark boxes, with the "X" marks over
// the form's picture. Each special-service box shows its "X" while it is ticked; the
// value-record box shows or hides the declared value (shown as the page opens, so that a value
// can be entered before the box is first used).
#include <QWidget>

#include <array>

#include "common/platform.h"
#include "layouts/layoutrecords.h"
#include "printing/common/formpage.h"
#include "printing/receipts/lapelemek.h"
#include "printing/receipts/feladoprint.h"

class QLabel;
class QLineEdit;
class TriCheckBox;

// The property of the main window that holds its own font name: a refused setting on the
// standing posting receipt sets it to "Times New Roman". Only the name is kept; the window's
// controls keep their fonts.
inline constexpr char kAblakBetuNev[] = "FontName";

class FeladoLap : public QWidget, public FormPage {
 public:
  FeladoLap(const Platform& platform, LayoutRecords& layouts, QWidget* parent = nullptr);

  QLineEdit* txNev3;    // recipient's name
  QLineEdit* txCim3_1;  // recipient's address, line 1
  QLineEdit* txCim3_2;  // recipient's address, line 2
  QLineEdit* lbSajatNev;  // sender's name (a text box, as on the form)
  QLabel* lbSajatCim1;    // sender's address lines
  QLabel* lbSajatCim2;
  QLineEdit* txErtek;    // declared value
  std::array<QLabel*, 1> lbFt{};  // "Ft"; element 0 belongs to txErtek
  QLineEdit* txUtanvet;  // cash-on-delivery amount
  QLineEdit* txtFeladov1;  // free lines
  QLineEdit* txtFeladov2;

  // Registered item, parcel, return receipt, official document, value record.
  TriCheckBox* chkAjanlott;
  TriCheckBox* chkCsomag;
  TriCheckBox* chkTerti;
  TriCheckBox* chkHivIrat;
  TriCheckBox* chkErtek;
  // The six special services, marks 0 to 5.
  TriCheckBox* chkSK;
  TriCheckBox* chkPRI;
  TriCheckBox* chkPL;
  TriCheckBox* chkLEGI;
  TriCheckBox* chk5;
  TriCheckBox* chk6;

  Elonezet* preview;  // the form's picture
  // Marks of this page: elements 0 to 5 (chkSK ... chk6); the others belong to the
  // return-receipt page and stay null here.
  std::array<QLabel*, 11> lbX{};

  void setPreview(const QImage& kep) { preview->setPreview(kep); }
  // Feladokepallo.jpg or Feladokepfekvo.jpg.
  bool showPicture(Tajolas t) override {
    return showFormPicture(*preview, platform_.folder, t, QStringLiteral("Feladokepallo.jpg"), QStringLiteral("Feladokepfekvo.jpg"));
  }

  // Page change to this page: reads record 1 of SetFveveny.dat into the shared copy and puts
  // the sender's name and two address lines, as stored, into lbSajatNev, lbSajatCim1 and
  // lbSajatCim2. The single print only.
  LapValtas belep();

  // Special services: the box's "X" (marks 0 to 5) shows while its value is 1, else hides.
  void chkSK_Click();
  void chkPRI_Click();
  void chkPL_Click();
  void chkLEGI_Click();
  void chk5_Click();
  void chk6_Click();
  // Value record: ticked (1) shows the declared value and its "Ft" and puts the focus in it;
  // otherwise hides both, keeping the text (the receipt still prints it).
  void chkErtek_Click();
  // `txErtek` and its "Ft" shown only while `chkErtek` is ticked.
  void ertekMutat();


  // What the form printers print, as the page shows it.
  FeladoAdatok adatok() const;

  // The main window's calls (feladolap_ablak.cpp).
  void activate() override;
  void enter() override { belep(); }
  void fill(const FizetoKitoltes& f) override;
  void fillAmounts(const std::array<int32_t, 12>& osszegek) override;
  // The two address lines as the page shows them.
  CimSorok cimSorai() const;
  std::optional<PagePrint> print(const PrintRequest& k) override;

 private:
  // A refused setting on the standing receipts: the window's own font name (kAblakBetuNev).
  void betuCsere();
  const Platform& platform_;
  LayoutRecords& layouts_;
};
