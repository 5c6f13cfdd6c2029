#pragma once
// The payment-slip page ("Sárga csekk") of the main window. Above: the payer's boxes, the
// notice and legal-title lines and the payer-identifier copy option. Below: the picture of the
// slip, with the amount box and the two words lines on the counterfoil (left) and their copies
// on the main part (right): the amount label, the words copies and Text1(0..3), which repeat
// the address boxes.
//
// Setting a box from code runs its handler at once, as typing does. The amount box writes the
// amount out in words, capitalised and fitted to 45 mm of the slip's text font (Set.dat's
// BetuTipus2/BetuMeret2, read afresh each time) measured on the current printer; each words
// line repeats itself on the main part. The name box's handler belongs to the main window,
// which also runs the list search with it.
#include <QWidget>

#include <array>
#include <cstdint>

#include "printing/common/formpage.h"
#include "printing/slips/csekkprint.h"

class QComboBox;
class QDate;
class QImage;
class QLabel;
class QLineEdit;
class MmKep;
class TriCheckBox;
struct FoAblak;
struct NevekRekord;
struct Kozl3sorRekord;
struct Platform;
struct SetRekord;

// The entries of the three reference lists as activation shows them: the notice list with an
// empty first item and its texts untrimmed; the legal-title lists trimmed, the second with the
// payment deadline ten days after `today` behind an entry "Fiz. hat.:".
QStringList kozlemenyLista(const QString& folder);
QStringList jogcim1Lista(const QString& folder);
QStringList jogcim2Lista(const QString& folder, const QDate& today);

class CsekkLap : public QWidget, public FormPage {
 public:
  // `set` is the program-wide copy of the general settings that the amount handlers reload;
  // the words are measured on `platform.printer` (none: they are not measured).
  CsekkLap(const Platform& platform, SetRekord& set, QWidget* parent = nullptr);

  // The payer.
  QLineEdit* txNev;             // name
  QLineEdit* txNev_2;           // second name line
  QLineEdit* txCim1;            // settlement
  QLineEdit* txCim2;            // street
  QLineEdit* txIrszam;          // postcode
  QLineEdit* txBefizAzonosito;  // payer identifier

  // The amount: typed or picked from the payer's amounts; in words on two lines, repeated on
  // the main part.
  QComboBox* txOsszeg;
  QLineEdit* txtSzoveg21;  // words line 1 (millions and thousands, or all the words)
  QLineEdit* txtSzoveg11;  // words line 2 (below one thousand)
  QLineEdit* txtSzoveg22;  // copy of line 1 on the main part
  QLineEdit* txtSzoveg12;  // copy of line 2 on the main part
  QLabel* lbOsszeg;        // the amount as typed, on the main part

  // Notice block: first line (a choice of the notice list), the payer's own line, third line.
  QComboBox* Kozlemeny1;
  QLineEdit* Kozlemeny2;
  std::array<QLineEdit*, 2> txtKozl3sor{};  // the payer's notice line: 0 notice, 1 legal title
  // Legal-title block.
  QComboBox* txtJogcim1;
  QComboBox* txtJogcim2;
  QLineEdit* txtFizHatIdo;  // payment-deadline line
  TriCheckBox* chkBefAzonMasolasa;  // "Befizetőazonosító másolása a jogcím mezőbe."

  MmKep* Picture2;  // picture of the slip, chosen by showPicture
  // Preview boxes on the main part: 0 settlement (shown in capitals, as it prints), 1 name,
  // 2 street, 3 postcode (one string, as it prints).
  std::array<QLineEdit*, 4> Text1{};
  // The counterfoil's payer block as it prints: name, settlement in capitals, street and
  // postcode, from Text1.
  std::array<QLabel*, 4> balBlokk{};
  // Printed items the picture shows besides: the payer identifier, the notice block's three
  // lines and the legal-title block's four, as they print.
  QLabel* lbBefizAzon;
  std::array<QLabel*, 3> kozlemenySorok{};
  std::array<QLabel*, 4> jogcimSorok{};

  // Lays the picture's items out where the orientation last shown prints them, with the slip
  // layout of Set.dat as it stands (the boxes at the first character, the text in the size it
  // prints), and hides what the print switches leave out. The amount and words boxes, which
  // are typed into, always show.
  void elrendez();

  // Handlers.
  void txOsszeg_Change();
  void txOsszeg_Click();  // an amount picked from the list: the same as a change
  void txtSzoveg21_Change();
  void txtSzoveg11_Change();
  void chkBefAzonMasolasa_Click();
  void txCim1_Change();
  void txCim2_Change();
  void txIrszam_Change();

  // What the slip printers print: the page's texts as they stand.
  CsekkAdatok adatok() const;

  // The clicked payer's data on this page: names, address, identifier and notice line; the
  // deadline line and the third notice line only when `fizHatBeolvas` (as `fizHat` trimmed, a
  // blank, the payer's deadline trimmed); the identifier into the second legal title while
  // the copy option is ticked.
  void ugyfelKitolt(const NevekRekord& nevek, const Kozl3sorRekord& kozl, const QString& fizHat, bool fizHatBeolvas);
  // The amount list: every valid amount of the twelve slots, in slot order.
  void osszegListaKitolt(const std::array<int32_t, 12>& osszegek);
  // The amount box after a payer click: slot 1 when it holds a valid amount; otherwise the
  // amount, its label and the four words boxes are cleared.
  void elsoOsszeg(const std::array<int32_t, 12>& osszegek);

  // The main window's calls (csekklap_ablak.cpp).
  // The boxes holding the current payer, as the payer dialogs read them, and the amount list
  // they renew.
  void fizetoMezok(FoAblak& a);
  void load(const SetRekord& set) override;
  void activate() override;
  void save(SetRekord& set) const override;
  void setPreview(const QImage& kep);
  // csekkkepallo.jpg or csekkkepfekvo.jpg (shown upright), the items laid out for the feed.
  bool showPicture(Tajolas t) override;
  void fill(const FizetoKitoltes& f) override;
  void fillAmounts(const std::array<int32_t, 12>& osszegek) override;
  // The slip for the page's payer (nothing for an amount that reads as 0), or for the rows of
  // the payer list.
  std::optional<PagePrint> print(const PrintRequest& k) override;

 private:
  // Line 1 and 2 as the words boxes and their copies get them.
  void setWords(const QString& sor1, const QString& sor2);
  // The picture's printed-only items from the page's boxes.
  void nyomatSzovegek();
  Tajolas tajolas_ = Tajolas::Allo;

  const Platform& platform_;
  SetRekord& set_;
};
