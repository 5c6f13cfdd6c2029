#include "records/fizetotar.h"

#include <QCollatorSortKey>
#include <QFile>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <numeric>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unordered_map>

#include "common/cp1250.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "records/nevekrekord.h"

namespace {

// Records read per block: small enough for the allocator to reuse the same memory each time.
constexpr int32_t kBlokk = 224;

// A byte's upper-cased form in code-page bytes (the upper case of a letter may be longer, as
// "ß" gives "SS"); `len` 0 when the code page cannot hold it.
struct Nagybetu {
  uint8_t len = 0;
  char b[3] = {};
};

// The one-character encoding that undoes the decoding: false for a character outside the code page.
bool kodol(QChar c, char& b) {
  b = cp1250::encodeChar(c);
  return b != '?' || c == QLatin1Char('?');
}

const std::array<Nagybetu, 256>& nagybetuk() {
  static const std::array<Nagybetu, 256> t = [] {
    std::array<Nagybetu, 256> t{};
    for (int i = 0; i < 256; ++i) {
      const char c = char(i);
      const QString u = cp1250::decode(&c, 1).toUpper();
      Nagybetu n;
      bool jo = u.size() <= 3;
      for (qsizetype k = 0; jo && k < u.size(); ++k) jo = kodol(u[k], n.b[k]);
      n.len = jo ? uint8_t(u.size()) : 0;
      t[size_t(i)] = n;
    }
    return t;
  }();
  return t;
}

// Reserves room for `n` elements and asks the system to back it with large pages: the first
// touch of each small page is what a load of a million rows would mostly wait for.
template <class T>
void foglal(std::vector<T>& v, size_t n) {
  if (v.capacity() >= n) return;
  v.reserve(n);
  constexpr uintptr_t kNagy = uintptr_t(2) << 20;
  const auto eleje = (reinterpret_cast<uintptr_t>(v.data()) + kNagy - 1) & ~(kNagy - 1);
  const auto vege = (reinterpret_cast<uintptr_t>(v.data()) + n * sizeof(T)) & ~(kNagy - 1);
  if (vege > eleje) ::madvise(reinterpret_cast<void*>(eleje), vege - eleje, MADV_HUGEPAGE);
}

bool kitolto(char c) { return c == ' ' || c == '\0'; }

// Appends a field's bytes without its zero bytes; `trim` also drops blanks and zeros at both ends.
void mezo(std::string& ki, const char* p, int width, bool trim) {
  int b = 0, e = width;
  if (trim) {
    while (b < e && kitolto(p[b])) ++b;
    while (e > b && kitolto(p[e - 1])) --e;
  }
  if (!std::memchr(p + b, '\0', size_t(e - b))) {
    ki.append(p + b, size_t(e - b));
    return;
  }
  for (int i = b; i < e; ++i)
    if (p[i] != '\0') ki.push_back(p[i]);
}

void put16(std::vector<char>& v, size_t n) {
  const auto x = uint16_t(std::min<size_t>(n, 0xFFFF));
  v.push_back(char(x & 0xFF));
  v.push_back(char(x >> 8));
}

uint16_t get16(const char* p) { return uint16_t(uint8_t(p[0]) | (uint8_t(p[1]) << 8)); }

// Ranks by collation: rows with equal keys share one collation key; keys are made once per
// distinct text, so a list of many equal names collates each name only once.
template <class Kulcs, class Szoveg>
void rangSzamitas(std::vector<uint32_t>& rang, int n, Kulcs kulcs, Szoveg szoveg, const QCollator& coll) {
  rang.resize(size_t(n));
  std::vector<int> elso;  // the first row of each distinct key
  {
    std::unordered_map<std::string_view, uint32_t> kulonbozo;
    kulonbozo.reserve(size_t(std::min(n, 1 << 16)));
    for (int i = 0; i < n; ++i) {
      const auto [it, uj] = kulonbozo.try_emplace(kulcs(i), uint32_t(elso.size()));
      if (uj) elso.push_back(i);
      rang[size_t(i)] = it->second;
    }
  }
  std::vector<QCollatorSortKey> kulcsok;
  kulcsok.reserve(elso.size());
  for (int i : elso) kulcsok.push_back(coll.sortKey(szoveg(i)));
  std::vector<uint32_t> sorrend(elso.size());
  std::iota(sorrend.begin(), sorrend.end(), 0u);
  std::sort(sorrend.begin(), sorrend.end(), [&](uint32_t a, uint32_t b) { return kulcsok[a].compare(kulcsok[b]) < 0; });
  std::vector<uint32_t> helyezes(elso.size());
  uint32_t r = 0;
  for (size_t j = 0; j < sorrend.size(); ++j) {
    if (j > 0 && kulcsok[sorrend[j - 1]].compare(kulcsok[sorrend[j]]) != 0) ++r;
    helyezes[sorrend[j]] = r;
  }
  for (uint32_t& x : rang) x = helyezes[x];
}

}  // namespace

QString rekordSzoveg(int32_t n, bool padded) {
  const QString s = QString::number(n);
  return padded ? s.rightJustified(6, QLatin1Char(' ')) : s;
}

uint64_t recKulcs(int32_t n, bool padded) {
  char s[16];
  const int len = int(std::to_chars(s, s + sizeof s, n).ptr - s);
  const int elott = padded ? std::max(0, 6 - len) : 0;
  uint64_t x = 0;
  for (int p = 0; p < 10; ++p) {
    const int j = p - elott;
    x = x * 12 + (p < elott ? 1 : j < len ? uint64_t(s[j] - '0') + 2 : 0);
  }
  return x;
}

FizetoTar::Alairas FizetoTar::alairas(const QString& path) {
  Alairas a;
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return a;
  a.dev = st.st_dev;
  a.ino = st.st_ino;
  a.size = st.st_size;
  a.mtime = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return a;
}

bool FizetoTar::friss(const QString& folder) const {
  const QString path = dataPath(folder, kNevekFile);
  return path == path_ && alairas_.size >= 0 && alairas(path) == alairas_;
}

void FizetoTar::urit() {
  // Swapping with empty vectors gives the memory back at once.
  std::vector<char>().swap(adat_);
  std::vector<uint32_t>().swap(hely_);
  std::vector<char>().swap(nagy_);
  std::vector<uint32_t>().swap(nagyHely_);
  std::vector<std::pair<uint32_t, QString>>().swap(kulonleges_);
  std::vector<QString>().swap(recSzoveg_);
  for (auto& r : rang_) std::vector<uint32_t>().swap(r);
  path_.clear();
  alairas_ = {};
}

void FizetoTar::sor(std::string_view nev, std::string_view cim, int szokoz) {
  hely_.push_back(uint32_t(adat_.size()));
  put16(adat_, nev.size());
  adat_.insert(adat_.end(), nev.begin(), nev.begin() + std::min<size_t>(nev.size(), 0xFFFF));
  put16(adat_, cim.size());
  adat_.insert(adat_.end(), cim.begin(), cim.begin() + std::min<size_t>(cim.size(), 0xFFFF));
  put16(adat_, size_t(szokoz));
  nagyBetus(nevBajt(size() - 1));
}

void FizetoTar::nagyBetus(std::string_view nev) {
  const auto& t = nagybetuk();
  const size_t eleje = nagy_.size();
  nagyHely_.push_back(uint32_t(eleje));
  for (const char c : nev) {
    const Nagybetu& n = t[uint8_t(c)];
    if (n.len == 0) {
      // Kept as text; the search compares it as text.
      nagy_.resize(eleje);
      kulonleges_.emplace_back(uint32_t(nagyHely_.size() - 1), cp1250::decode(nev.data(), int(nev.size())).toUpper());
      break;
    }
    nagy_.insert(nagy_.end(), n.b, n.b + n.len);
  }
  nagy_.push_back('\0');
}

void FizetoTar::olvas(const QString& folder) {
  // The old rows go first; their memory takes the new ones, without being returned and
  // fetched again from the system (which costs more than the read itself).
  adat_.clear();
  hely_.clear();
  nagy_.clear();
  nagyHely_.clear();
  std::vector<std::pair<uint32_t, QString>>().swap(kulonleges_);
  std::vector<QString>().swap(recSzoveg_);
  for (auto& r : rang_) r.clear();
  using R = NevekRekord;
  int32_t db = 0;
  {
    // Opening creates a missing file; the records are then read a block at a time into one buffer.
    RecordFile f(folder, kNevekFile, R::Length);
    db = f.count();
    path_ = f.path();
  }
  QFile f(path_);
  if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) db = 0;
  // Room for the longest rows: only the pages actually written take memory.
  foglal(hely_, size_t(db));
  foglal(nagyHely_, size_t(db) + 1);
  foglal(adat_, size_t(db) * (6 + R::NevWidth + R::IrszWidth + 1 + R::HelysegWidth + 2 + R::CimWidth));
  foglal(nagy_, size_t(db) * (3 * R::NevWidth + 1));
  std::vector<char> blokk(size_t(kBlokk) * R::Length);
  std::string nev, cim;
  for (int32_t elso = 1; elso <= db; elso += kBlokk) {
    const int32_t n = std::min(kBlokk, db - elso + 1);
    // A file cut short meanwhile reads as zeros beyond its end.
    const qint64 kell = qint64(n) * R::Length;
    const qint64 olvasott = std::max<qint64>(0, f.read(blokk.data(), kell));
    std::fill(blokk.begin() + olvasott, blokk.begin() + kell, '\0');
    for (int32_t k = 0; k < n; ++k) {
      const char* r = blokk.data() + qint64(k) * R::Length;
      nev.clear();
      mezo(nev, r + R::NevAt, R::NevWidth, true);
      // Postcode as stored, a blank, the settlement trimmed, ", ", the street as stored.
      cim.clear();
      mezo(cim, r + R::IrszAt, R::IrszWidth, false);
      cim.push_back(' ');
      mezo(cim, r + R::HelysegAt, R::HelysegWidth, true);
      cim += ", ";
      mezo(cim, r + R::CimAt, R::CimWidth, false);
      size_t e = cim.size();
      while (e > 0 && cim[e - 1] == ' ') --e;
      sor(nev, std::string_view(cim).substr(0, e), int(cim.size() - e));
    }
  }
  nagyHely_.push_back(uint32_t(nagy_.size()));
  alairas_ = alairas(path_);
}

void FizetoTar::szovegekbol(const std::vector<std::array<QString, 3>>& sorok) {
  urit();
  for (const auto& s : sorok) {
    const QByteArray nev = cp1250::encode(s[0]);
    QByteArray cim = cp1250::encode(s[1]);
    qsizetype e = cim.size();
    while (e > 0 && cim[e - 1] == ' ') --e;
    sor(std::string_view(nev.constData(), size_t(nev.size())), std::string_view(cim.constData(), size_t(e)), int(cim.size() - e));
    recSzoveg_.push_back(s[2]);
  }
  nagyHely_.push_back(uint32_t(nagy_.size()));
}

std::string_view FizetoTar::nevBajt(int i) const {
  const char* p = adat_.data() + hely_[size_t(i)];
  return {p + 2, get16(p)};
}

std::string_view FizetoTar::cimKulcs(int i) const {
  const char* p = adat_.data() + hely_[size_t(i)];
  p += 2 + get16(p);
  return {p + 2, size_t(get16(p)) + 2};
}

QString FizetoTar::nev(int i) const {
  const std::string_view n = nevBajt(i);
  return cp1250::decode(n.data(), int(n.size()));
}

QString FizetoTar::cim(int i) const {
  const std::string_view k = cimKulcs(i);
  const int szokoz = get16(k.data() + k.size() - 2);
  return cp1250::decode(k.data(), int(k.size() - 2)) + QString(szokoz, QLatin1Char(' '));
}

QString FizetoTar::rec(int i, bool padded) const {
  return recSzoveg_.empty() ? rekordSzoveg(i + 1, padded) : recSzoveg_[size_t(i)];
}

int32_t FizetoTar::rekordSzam(int i) const {
  if (recSzoveg_.empty()) return i + 1;
  const double v = leadingValue(recSzoveg_[size_t(i)]);
  return int32_t(std::clamp(std::llround(v), 0LL, 2147483647LL));
}

void FizetoTar::keres(const QString& text, std::vector<uint32_t>& ki) const {
  const QString keresett = trimmed(text).toUpper();
  const int n = size();
  ki.clear();
  if (keresett.isEmpty()) {
    for (int i = 0; i < n; ++i)
      if (!nevBajt(i).empty()) ki.push_back(uint32_t(i));
    return;
  }
  // The text in code-page bytes; when the code page cannot hold it only the names kept as
  // text can contain it.
  std::string k;
  bool kodolhato = true;
  for (const QChar c : keresett) {
    char b;
    if (!kodol(c, b) || c.isSurrogate()) {
      kodolhato = false;
      break;
    }
    k.push_back(b);
  }
  if (kodolhato) {
    const char* eleje = nagy_.data();
    const size_t hossz = nagy_.size();
    size_t pos = 0;
    uint32_t sor = 0;
    while (pos < hossz) {
      const void* m = k.size() == 1 ? std::memchr(eleje + pos, k[0], hossz - pos) : ::memmem(eleje + pos, hossz - pos, k.data(), k.size());
      if (!m) break;
      const size_t at = size_t(static_cast<const char*>(m) - eleje);
      // Each name ends in a zero byte that the text does not hold, so a match lies in one row.
      while (nagyHely_[sor + 1] <= at) ++sor;
      ki.push_back(sor);
      pos = nagyHely_[sor + 1];
    }
  }
  if (!kulonleges_.empty()) {
    std::vector<uint32_t> tobbi;
    for (const auto& [i, nagy] : kulonleges_)
      if (nagy.contains(keresett)) tobbi.push_back(i);
    std::vector<uint32_t> mind;
    mind.reserve(ki.size() + tobbi.size());
    std::merge(ki.begin(), ki.end(), tobbi.begin(), tobbi.end(), std::back_inserter(mind));
    ki.swap(mind);
  }
}

const std::vector<uint32_t>& FizetoTar::rangok(int oszlop, bool padded, const QCollator& coll) {
  const int n = size();
  std::vector<uint32_t>& r = rang_[size_t(oszlop)];
  if (oszlop == 2 && !r.empty() && rangPadded_ != padded) r.clear();
  if (!r.empty() || n == 0) return r;
  if (oszlop == 0) {
    rangSzamitas(r, n, [&](int i) { return nevBajt(i); }, [&](int i) { return nev(i); }, coll);
  } else if (oszlop == 1) {
    rangSzamitas(r, n, [&](int i) { return cimKulcs(i); }, [&](int i) { return cim(i); }, coll);
  } else if (!recSzoveg_.empty()) {
    auto kulcs = [&](int i) {
      const QString& s = recSzoveg_[size_t(i)];
      return std::string_view(reinterpret_cast<const char*>(s.constData()), size_t(s.size()) * sizeof(QChar));
    };
    rangSzamitas(r, n, kulcs, [&](int i) { return recSzoveg_[size_t(i)]; }, coll);
  } else {
    rangPadded_ = padded;
    r.resize(size_t(n));
    if (padded && n <= 999999) {
      std::iota(r.begin(), r.end(), 0u);  // six places hold them all: record order
      return r;
    }
    std::vector<std::pair<uint64_t, uint32_t>> kulcs(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) kulcs[size_t(i)] = {recKulcs(i + 1, padded), uint32_t(i)};
    std::sort(kulcs.begin(), kulcs.end());
    for (size_t j = 0; j < kulcs.size(); ++j) r[kulcs[j].second] = uint32_t(j);
  }
  return r;
}
