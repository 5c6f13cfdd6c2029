#pragma once
// The settlement, street and postcode lookup of the payer dialog, over the read-only tables
// Telepulesek.dat and Budapest.dat, and the pick list ListView2 that offers several matches.
// The pick list lives on the main window (inside its frame frameCimKeres) and outlives the
// dialog; clicking one of its rows fills the dialog's boxes.
#include <QPointer>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTreeWidget>

#include <cstdint>
#include <vector>

#include "payerstore/lookuprecords.h"

struct TelepulesTalalat {
  int32_t rec;  // record number in Telepulesek.dat
  TelepulesRekord r;
};
struct UtcaTalalat {
  int32_t rec;  // record number in Budapest.dat
  BudapestRekord r;
};

// Whole-name matches (blanks at both ends removed, upper-cased, accents included), in file order.
std::vector<TelepulesTalalat> telepulesekNevre(const QString& folder, const QString& nev);
std::vector<UtcaTalalat> utcakNevre(const QString& folder, const QString& utca);
// Postcode matches: the leading number of the text against the stored postcode.
std::vector<TelepulesTalalat> telepulesekIrszamra(const QString& folder, const QString& irsz);
std::vector<UtcaTalalat> utcakIrszamra(const QString& folder, const QString& irsz);

// The eight column texts of a pick-list row.
QStringList telepulesSor(const TelepulesTalalat& t);
QStringList utcaSor(const UtcaTalalat& t);

// What the pick list holds, and so what a pick fills.
enum KeresesMod : int16_t { kNincsKereses = 0, kTelepulesKereses = 1, kUtcaKereses = 2, kIrszamKereses = 3 };

// The pick list ListView2. `keret` is the frame it sits in (frameCimKeres), shown and hidden
// with the list; may be null (then the list itself is shown and hidden).
class CimValaszto : public QTreeWidget {
 public:
  explicit CimValaszto(QString folder, QWidget* keret = nullptr, QWidget* parent = nullptr);

  // Which kind of rows the list holds (KeresesMod); 0 = none, a click then fills nothing.
  int16_t KeresesModja = kNincsKereses;

  // The payer dialog's settlement, street and postcode boxes that a pick fills. The dialog
  // sets them when it opens; once it is closed a pick fills nothing.
  void setMezok(QLineEdit* helyseg, QLineEdit* utca, QLineEdit* irsz);

  void urit();
  void hozzaad(const QStringList& oszlopok);
  void mutat(int16_t mod);
  void rejt();
  bool lathato() const;
  // The record number of a row (its last column).
  int32_t rekordSzam(const QTreeWidgetItem* item) const;

  // A row clicked: fills the dialog's boxes from the row's record, read again from its table.
  void ListView2_ItemClick(QTreeWidgetItem* item);
  // A row double-clicked: hides the frame.
  void ListView2_DblClick();

 private:
  QString folder_;
  QWidget* keret_;
  QPointer<QLineEdit> helyseg_, utca_, irsz_;
};

// The three lookups run by Enter in the dialog's boxes. `lista` may be null: a single match
// still fills the boxes, several are then not offered.
void helysegKereses(const QString& folder, QLineEdit* helyseg, QLineEdit* irsz, CimValaszto* lista);
void utcaKereses(const QString& folder, QLineEdit* helyseg, QLineEdit* utca, QLineEdit* irsz, CimValaszto* lista);
void irszamKereses(const QString& folder, QLineEdit* helyseg, QLineEdit* utca, QLineEdit* irsz, CimValaszto* lista);
