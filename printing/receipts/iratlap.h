#pragma once
// The page of the return receipt for official documents ("Térti Irathoz"), page 5 of the main
// window: the recipient, the return address (filled from SetTerti.dat when the page is shown),
// the sender's three lines, the document's number, kind and attachment, the notice to be
// left, the accepting post office, the item identifier and the code option.
//
// Handlers here: chkVisszaCimPrint_Click (element 2 copies the return address into the
// sender's lines or empties them) and txtIratSzama_Change (keeps the code label up to date
// while the code option is ticked) and chkVkod_Click (shows the code label with the current
// number, or hides it).
#include <QWidget>

#include <array>

#include "common/platform.h"
#include "layouts/layoutrecords.h"
#include "printing/common/formpage.h"
#include "printing/receipts/lapelemek.h"
#include "printing/receipts/iratprint.h"

class QLabel;
class QLineEdit;
class TriCheckBox;

class IratLap : public QWidget, public FormPage {
 public:
  IratLap(const Platform& platform, LayoutRecords& layouts, QWidget* parent = nullptr);

  QLineEdit* txtIratCimzettNev;  // recipient
  QLineEdit* txtIratCimzettHelyseg;
  QLineEdit* txtIratCimzettUtca;
  QLineEdit* txtIratCimzettIrszam;

  QLabel* lbIratFeladoNev;  // return address
  QLabel* lbIratFeladoCim1;
  QLabel* lbIratFeladoCim2;
  std::array<QLineEdit*, 3> txtIratFelado{};  // sender: name and two address lines

  // 0 "Visszaküldési cím nyomtatása", 1 "Feladó nyomtatása",
  // 2 "Feladó azonos a visszaküldési címmel".
  std::array<TriCheckBox*, 3> chkVisszaCimPrint{};

  TriCheckBox* chkVkod;  // print the document number as a code
  QLabel* lbVkod;        // the code: the trimmed document number

  QLineEdit* txtIratSzama;      // document number
  QLineEdit* txtIratFajtaja;    // kind of document
  QLineEdit* txtIratMelleklet;  // attachment
  QLineEdit* txtIratErtesites;  // notice to be left
  QLineEdit* txtIratFelvPosta;  // accepting post office
  QLineEdit* txtIratKuldAzonosito;  // item identifier

  Elonezet* preview;  // the form's picture
  void setPreview(const QImage& kep) { preview->setPreview(kep); }
  // Iratkepallo.jpg or Iratkepfekvo.jpg.
  bool showPicture(Tajolas t) override {
    return showFormPicture(*preview, platform_.folder, t, QStringLiteral("Iratkepallo.jpg"), QStringLiteral("Iratkepfekvo.jpg"));
  }

  // Page change to this page: reads record 1 of SetTerti.dat into the shared copy; the return
  // address gets the name as stored, the trimmed postcode, a blank and the first address
  // line, and the second line; then, with element 2 of chkVisszaCimPrint ticked, the sender's
  // lines take the return address. The single print only.
  LapValtas belep();

  // Runs when element `index` changes value (by a click or from code). Only element 2 acts:
  // ticked (any value but 0), the sender's lines take the three return-address captions as
  // they stand; cleared, they are emptied and the focus goes to the first.
  void chkVisszaCimPrint_Click(int index);
  // The code option: ticked (1) shows the code label with the trimmed document number;
  // otherwise hides it and leaves its caption.
  void chkVkod_Click();
  // Runs whenever the document number changes: with chkVkod at value 1 the code label gets
  // the number with its leading and trailing blanks removed; otherwise nothing happens.
  void txtIratSzama_Change();


  // What the form printers print, as the page shows it.
  IratAdatok adatok() const;

  // The main window's calls (iratlap_ablak.cpp).
  void load(const SetRekord& set) override;
  void save(SetRekord& set) const override;
  void enter() override { belep(); }
  void fill(const FizetoKitoltes& f) override;
  // The recipient's postcode as the page shows it.
  QString irszam() const;
  std::optional<PagePrint> print(const PrintRequest& k) override;

 private:
  void feladoMasolas();
  const Platform& platform_;
  LayoutRecords& layouts_;
};
