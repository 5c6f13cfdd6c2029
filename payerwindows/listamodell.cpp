#include "payerwindows/listamodell.h"

#include <algorithm>
#include <numeric>

ListaModell::ListaModell(QObject* parent) : QAbstractTableModel(parent) {}

int ListaModell::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(sorok_.size()); }
int ListaModell::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 3; }

QString ListaModell::szoveg(int i, int oszlop) const {
  const int r = int(sorok_[size_t(i)]);
  return oszlop == 0 ? tar_.nev(r) : oszlop == 1 ? tar_.cim(r) : tar_.rec(r, padded_);
}

int32_t ListaModell::rekordSzam(int i) const { return tar_.rekordSzam(int(sorok_[size_t(i)])); }

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

void ListaModell::rendezSorok() {
  rendezett();
  csere_.resize(sorok_.size());
  for (size_t i = 0; i < hely_.size(); ++i) csere_[i] = sorok_[hely_[i]];
  sorok_.swap(csere_);
}

// The old rows are dropped before the new ones are read; the vectors keep their memory for them.
void ListaModell::beolvas(const QString& folder, bool padded) {
  beginResetModel();
  sorok_.clear();
  tar_.olvas(folder);
  if (kereses_) tar_.nagyBetusek();
  padded_ = padded;
  sorok_.resize(size_t(tar_.size()));
  std::iota(sorok_.begin(), sorok_.end(), 0u);
  if (be_) {
    // From record order the sorted order is the sorted places themselves.
    rendezett();
    sorok_.swap(hely_);
  }
  endResetModel();
}

bool ListaModell::keres(const QString& folder, const QString& text) {
  beginResetModel();
  sorok_.clear();
  const bool ujra = !tar_.friss(folder);
  if (ujra) tar_.olvas(folder);
  padded_ = false;
  tar_.keres(text, sorok_);
  if (be_) rendezSorok();
  endResetModel();
  return ujra;
}

void ListaModell::setKereses(bool be) {
  kereses_ = be;
  if (be) tar_.nagyBetusek();
}

void ListaModell::feltolt(const std::vector<ListaSor>& sorok) {
  beginResetModel();
  std::vector<uint32_t>().swap(sorok_);
  std::vector<std::array<QString, 3>> szovegek;
  szovegek.reserve(sorok.size());
  for (const ListaSor& s : sorok) szovegek.push_back({s.nev, s.cim, s.rec});
  tar_.szovegekbol(szovegek);
  if (kereses_) tar_.nagyBetusek();
  padded_ = false;
  sorok_.resize(sorok.size());
  std::iota(sorok_.begin(), sorok_.end(), 0u);
  if (be_) rendezSorok();
  endResetModel();
}

void ListaModell::urit() {
  beginResetModel();
  std::vector<uint32_t>().swap(sorok_);
  tar_.urit();
  endResetModel();
}

void ListaModell::setRendezes(int oszlop, Qt::SortOrder sorrend, bool be) {
  oszlop_ = std::clamp(oszlop, 0, 2);
  sorrend_ = sorrend;
  be_ = be;
  if (!be_) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  rendezSorok();
  // Selection and current row follow their rows to the new places.
  const QModelIndexList regi = persistentIndexList();
  if (!regi.isEmpty()) {
    for (size_t i = 0; i < hely_.size(); ++i) csere_[hely_[i]] = uint32_t(i);
    QModelIndexList ujak;
    ujak.reserve(regi.size());
    for (const QModelIndex& r : regi) ujak.append(index(int(csere_[size_t(r.row())]), r.column()));
    changePersistentIndexList(regi, ujak);
  }
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ListaModell::rendezett() {
  const std::vector<uint32_t>& sorok = sorok_;
  const std::span<const uint32_t> rang = tar_.rangok(oszlop_, padded_);
  // A counting sort by rank: stable, and as fast for one row as for a million.
  uint32_t legnagyobb = 0;
  for (const uint32_t s : sorok) legnagyobb = std::max(legnagyobb, rang[s]);
  const bool fel = sorrend_ == Qt::AscendingOrder;
  auto kulcs = [&](uint32_t s) { return fel ? rang[s] : legnagyobb - rang[s]; };
  hely_.resize(sorok.size());
  if (sorok.size() == rang.size() && size_t(legnagyobb) + 1 == rang.size()) {
    // Every row of the load, each of a rank of its own (ranks count the distinct texts before
    // a row): a row's rank is its place.
    for (size_t i = 0; i < sorok.size(); ++i) hely_[kulcs(sorok[i])] = uint32_t(i);
    return;
  }
  std::vector<uint32_t> kezdet(size_t(legnagyobb) + 2, 0);
  for (const uint32_t s : sorok) ++kezdet[size_t(kulcs(s)) + 1];
  std::partial_sum(kezdet.begin(), kezdet.end(), kezdet.begin());
  for (size_t i = 0; i < sorok.size(); ++i) hely_[kezdet[kulcs(sorok[i])]++] = uint32_t(i);
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
