#pragma once
// Rows of the payer list: name, address line, record-number text. Sorting compares the column
// texts as text (case-blind, Hungarian collation), with each row's collation key computed once
// per column, so a list of 100,000 payers sorts without re-collating the texts.
#include <QAbstractTableModel>
#include <QCollator>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct ListaSor {
  QString nev;  // Nev trimmed
  QString cim;  // Irsz as stored, " ", Helyseg trimmed, ", ", Cim as stored
  QString rec;  // record number, padded to six characters or bare
  std::array<std::optional<QCollatorSortKey>, 3> kulcs;  // sort keys, made on first use
};

class ListaModell : public QAbstractTableModel {
 public:
  explicit ListaModell(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Replaces every row; when sorting is on the new rows come in sorted order.
  void feltolt(std::vector<ListaSor> sorok);
  void urit() { feltolt({}); }
  // Sort key (0 name, 1 address, 2 record number) and order; sorts at once when sorting is on.
  void setRendezes(int oszlop, Qt::SortOrder sorrend, bool be);
  int rendezOszlop() const { return oszlop_; }
  Qt::SortOrder rendezSorrend() const { return sorrend_; }
  bool rendezve() const { return be_; }
  // Removes the given rows (positions in display order; any order, duplicates allowed).
  void torol(std::vector<int> sorok);

  const ListaSor& sor(int i) const { return sorok_[size_t(i)]; }
  QString szoveg(int i, int oszlop) const;

 private:
  // Sorts the rows; returns, for each new position, the row's old position.
  std::vector<int> rendez();
  const QCollatorSortKey& kulcs(ListaSor& s, int oszlop);

  std::vector<ListaSor> sorok_;
  QCollator coll_;
  int oszlop_ = 0;
  Qt::SortOrder sorrend_ = Qt::AscendingOrder;
  bool be_ = false;
};
