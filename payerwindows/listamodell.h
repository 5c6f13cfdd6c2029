#pragma once
// The payer list's model: the rows of one load (FizetoTar) in display order. Sorting compares
// the column texts as text (case-blind, Hungarian alphabetical order, abcrend.h) through each
// row's rank, which is computed once per load and column, so a re-sort, a new order or a
// search only reorders numbers.
#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <vector>

#include "payerstore/fizetotar.h"

// A row given by its texts: name, address line, record-number text.
struct ListaSor {
  QString nev;
  QString cim;
  QString rec;
};

class ListaModell : public QAbstractTableModel {
 public:
  explicit ListaModell(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Every payer of nevek1.dat in `folder`, in record order, or in sorted order when sorting
  // is on. The old rows are freed before the file is read. `padded`: record numbers
  // right-aligned in six characters, else bare.
  void beolvas(const QString& folder, bool padded);
  // The payers whose trimmed, upper-cased name contains the trimmed, upper-cased text, with
  // bare record numbers. The file is read again only when it changed since it was last read:
  // true then.
  bool keres(const QString& folder, const QString& text);
  // False when the rows were read from another payer file than the one the readers of the pair
  // read now (an unfinished change of the pair was finished or undone meanwhile).
  bool ugyanazAFajl(const QString& folder) const { return tar_.ugyanazAFajl(folder); }
  // Why the last read of the file stopped short (FizetoTar::hiba); empty when it read every row.
  QString olvasasiHiba() const { return tar_.hiba(); }
  // While the search is on, every load also makes the copy of the names the search reads (made
  // at once when it is switched on), so that no key of the search waits for it.
  void setKereses(bool be);
  // Replaces every row with rows given as texts; sorted when sorting is on.
  void feltolt(const std::vector<ListaSor>& sorok);
  void urit();
  // Sort key (0 name, 1 address, 2 record number) and order; sorts at once when sorting is on.
  void setRendezes(int oszlop, Qt::SortOrder sorrend, bool be);
  int rendezOszlop() const { return oszlop_; }
  Qt::SortOrder rendezSorrend() const { return sorrend_; }
  bool rendezve() const { return be_; }
  // Removes the given rows (positions in display order; any order, duplicates allowed).
  void torol(std::vector<int> sorok);

  QString szoveg(int i, int oszlop) const;
  // The record number the row names: the leading numeric value of its third column.
  int32_t rekordSzam(int i) const;

 private:
  // hely_: the display positions in sorted order; stable, so rows that compare equal keep
  // their order.
  void rendezett();
  // Puts sorok_ into sorted order; hely_ then holds each new position's old position.
  void rendezSorok();

  FizetoTar tar_;
  std::vector<uint32_t> sorok_;  // the store's rows in display order
  std::vector<uint32_t> hely_, csere_;  // working space of sorting, kept between sorts
  bool padded_ = false;
  int oszlop_ = 0;
  Qt::SortOrder sorrend_ = Qt::AscendingOrder;
  bool be_ = false;
  bool kereses_ = false;
};
