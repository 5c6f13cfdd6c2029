#include "records/listamodell.h"

#include <QLocale>

#include <algorithm>
#include <numeric>

ListaModell::ListaModell(QObject* parent) : QAbstractTableModel(parent), coll_(QLocale(QLocale::Hungarian, QLocale::Hungary)) {
  coll_.setCaseSensitivity(Qt::CaseInsensitive);
  coll_.setNumericMode(false);  // "10" before "9": the texts are compared as texts
  coll_.setIgnorePunctuation(false);
}

int ListaModell::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(sorok_.size()); }
int ListaModell::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QString ListaModell::szoveg(int i, int oszlop) const {
  const ListaSor& s = sorok_[size_t(i)];
  return oszlop == 0 ? s.nev : oszlop == 1 ? s.cim : s.rec;
}

QVariant ListaModell::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= int(sorok_.size())) return {};
  if (role == Qt::DisplayRole) {
    // The street is kept as stored; its trailing blanks are not drawn, so that a short address
    // is not shown cut off with an ellipsis.
    QString s = szoveg(index.row(), index.column());
    if (index.column() == 1) {
      qsizetype n = s.size();
      while (n > 0 && s[n - 1] == QLatin1Char(' ')) --n;
      s.truncate(n);
    }
    return s;
  }
  if (role == Qt::TextAlignmentRole && index.column() == 2) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

QVariant ListaModell::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::DisplayRole) {
    static const char* const cimek[] = {"Név", "Cím", "rec"};
    return section >= 0 && section < 3 ? QString::fromUtf8(cimek[section]) : QVariant();
  }
  if (role == Qt::TextAlignmentRole && section == 2) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  return {};
}

void ListaModell::feltolt(std::vector<ListaSor> sorok) {
  beginResetModel();
  sorok_ = std::move(sorok);
  if (be_) rendez();
  endResetModel();
}

void ListaModell::setRendezes(int oszlop, Qt::SortOrder sorrend, bool be) {
  oszlop_ = std::clamp(oszlop, 0, 2);
  sorrend_ = sorrend;
  be_ = be;
  if (!be_) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const std::vector<int> regiHely = rendez();
  // Selection and current row follow their rows to the new places.
  std::vector<int> ujHely(regiHely.size());
  for (size_t i = 0; i < regiHely.size(); ++i) ujHely[size_t(regiHely[i])] = int(i);
  const QModelIndexList regi = persistentIndexList();
  QModelIndexList ujak;
  ujak.reserve(regi.size());
  for (const QModelIndex& r : regi) ujak.append(index(ujHely[size_t(r.row())], r.column()));
  changePersistentIndexList(regi, ujak);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<int> ListaModell::rendez() {
  std::vector<int> idx(sorok_.size());
  std::iota(idx.begin(), idx.end(), 0);
  for (auto& s : sorok_) kulcs(s, oszlop_);
  const size_t o = size_t(oszlop_);
  const bool fel = sorrend_ == Qt::AscendingOrder;
  // Stable: rows that compare equal keep their order.
  std::stable_sort(idx.begin(), idx.end(), [&](int a, int b) {
    const int c = sorok_[size_t(a)].kulcs[o]->compare(*sorok_[size_t(b)].kulcs[o]);
    return fel ? c < 0 : c > 0;
  });
  std::vector<ListaSor> uj;
  uj.reserve(sorok_.size());
  for (int i : idx) uj.push_back(std::move(sorok_[size_t(i)]));
  sorok_ = std::move(uj);
  return idx;
}

const QCollatorSortKey& ListaModell::kulcs(ListaSor& s, int oszlop) {
  auto& k = s.kulcs[size_t(oszlop)];
  if (!k) k = coll_.sortKey(oszlop == 0 ? s.nev : oszlop == 1 ? s.cim : s.rec);
  return *k;
}

void ListaModell::torol(std::vector<int> sorok) {
  std::sort(sorok.begin(), sorok.end());
  sorok.erase(std::unique(sorok.begin(), sorok.end()), sorok.end());
  // From the last row to the first, one contiguous run at a time.
  size_t i = sorok.size();
  while (i > 0) {
    const int utolso = sorok[i - 1];
    int elso = utolso;
    --i;
    while (i > 0 && sorok[i - 1] == elso - 1) elso = sorok[--i];
    if (elso < 0 || utolso >= int(sorok_.size())) continue;
    beginRemoveRows({}, elso, utolso);
    sorok_.erase(sorok_.begin() + elso, sorok_.begin() + utolso + 1);
    endRemoveRows();
  }
}
