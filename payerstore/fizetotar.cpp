#include "payerstore/fizetotar.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/cp1250.h"
#include "common/numtext.h"
#include "common/recordfile.h"
#include "payerstore/abcrend.h"
#include "payerstore/fizetopar.h"
#include "payerstore/foglalas.h"
#include "payerstore/nevekrekord.h"
#include "payerstore/szalak.h"

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

bool kitolto(char c) { return c == ' ' || c == '\0'; }

uint64_t szo(const char* p) {
  uint64_t w;
  std::memcpy(&w, p, 8);
  return w;
}
constexpr uint64_t kSzokozok = 0x2020202020202020u;
// Eight bytes at once: all blanks or zeros; any zero among them.
bool mindKitolto(const char* p) { return (szo(p) & ~kSzokozok) == 0; }
bool vanNulla(uint64_t w) { return ((w - 0x0101010101010101u) & ~w & 0x8080808080808080u) != 0; }

// Writes a field's bytes without its zero bytes at `o` and moves `o` past them; `trim` also
// drops blanks and zeros at both ends. Fields hold zeros rarely: whole words go at once.
void mezo(char*& o, const char* p, int width, bool trim) {
  int b = 0, e = width;
  if (trim) {
    while (b < e && kitolto(p[b])) ++b;
    while (e - b >= 8 && mindKitolto(p + e - 8)) e -= 8;
    while (e > b && kitolto(p[e - 1])) --e;
  }
  int i = b;
  for (; i + 8 <= e && !vanNulla(szo(p + i)); i += 8, o += 8) std::memcpy(o, p + i, 8);
  for (; i < e; ++i) {
    *o = p[i];
    o += p[i] != '\0';
  }
}

char* put16(char* o, size_t n) {
  const auto x = uint16_t(std::min<size_t>(n, 0xFFFF));
  o[0] = char(x & 0xFF);
  o[1] = char(x >> 8);
  return o + 2;
}

uint16_t get16(const char* p) { return uint16_t(uint8_t(p[0]) | (uint8_t(p[1]) << 8)); }

// Writes a row at `o` (see FizetoTar::adat_) and returns its end.
char* sorIr(char* o, std::string_view nev, std::string_view cim, int szokoz) {
  nev = nev.substr(0, 0xFFFF);
  cim = cim.substr(0, 0xFFFF);
  o = put16(o, nev.size());
  o = std::copy(nev.begin(), nev.end(), o);
  o = put16(o, cim.size());
  o = std::copy(cim.begin(), cim.end(), o);
  return put16(o, size_t(szokoz));
}

using R = NevekRekord;
// The longest row: a name, an address line of every field whole.
constexpr size_t kSorHossz = 6 + R::NevWidth + R::IrszWidth + 1 + R::HelysegWidth + 2 + R::CimWidth;

// The rows of records [b, e) from `o` on, a block at a time, read by the pair's reader; hely[i]
// is where row i begins in `adat`. Returns the first record that could not be read (`e` when
// every one was), with the reason in `hiba` and the file in `fajl`.
int32_t sorok(FizetoPar& par, int32_t b, int32_t e, char* adat, char* o, uint64_t* hely, FajlEredmeny& hiba,
              QString& fajl) {
  std::vector<char> blokk(size_t(kBlokk) * R::Length);
  char nev[R::NevWidth];
  char cim[R::IrszWidth + 1 + R::HelysegWidth + 2 + R::CimWidth];
  for (int32_t elso = b; elso < e; elso += kBlokk) {
    const int32_t n = std::min(kBlokk, e - elso);
    // A failed read ends the rows at the first record that cannot be read, found one record at
    // a time: none is shown as blank. (A file cut short meanwhile reads as zeros beyond its end.)
    int32_t jo = n;
    if (!par.olvas(FizetoPar::Nevek, elso + 1, n, blokk.data(), hiba, &fajl)) {
      jo = 0;
      while (jo < n && par.olvas(FizetoPar::Nevek, elso + 1 + jo, 1, blokk.data() + size_t(jo) * R::Length, hiba, &fajl))
        ++jo;
    }
    for (int32_t k = 0; k < jo; ++k) {
      const char* r = blokk.data() + size_t(k) * R::Length;
      char* v = nev;
      mezo(v, r + R::NevAt, R::NevWidth, true);
      const size_t nevHossz = size_t(v - nev);
      // Postcode as stored, a blank, the settlement trimmed, ", ", the street as stored.
      v = cim;
      mezo(v, r + R::IrszAt, R::IrszWidth, false);
      *v++ = ' ';
      mezo(v, r + R::HelysegAt, R::HelysegWidth, true);
      *v++ = ',';
      *v++ = ' ';
      mezo(v, r + R::CimAt, R::CimWidth, false);
      char* z = v;
      while (z - cim >= 8 && szo(z - 8) == kSzokozok) z -= 8;
      while (z > cim && z[-1] == ' ') --z;
      hely[elso + k] = uint64_t(o - adat);
      o = sorIr(o, {nev, nevHossz}, {cim, size_t(z - cim)}, int(v - z));
    }
    if (jo < n) return elso + jo;
  }
  return e;
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

// Padded, the numbers below 100,000 (led by blanks) come first, in numeric order. The other
// texts hold only digits, and a text comes right before the texts it begins: each number of
// the shortest of them (one digit bare, six padded) in turn, followed depth first by the
// numbers it begins (n, n0, n00 ..., n01 ..., n1 ...).
void recRangok(int32_t n, bool padded, uint32_t* rang) {
  uint32_t hely = 0;
  int64_t eleje = 1;
  if (padded) {
    for (int64_t i = 1; i <= std::min<int64_t>(n, 99999); ++i) rang[i - 1] = hely++;
    eleje = 100000;
  }
  for (int64_t gyoker = eleje; gyoker <= n && gyoker < eleje * 10; ++gyoker) {
    int64_t x = gyoker;
    for (;;) {
      rang[x - 1] = hely++;
      if (x * 10 <= n) {
        x *= 10;
        continue;
      }
      while (x != gyoker && (x % 10 == 9 || x + 1 > n)) x /= 10;
      if (x == gyoker) break;
      ++x;
    }
  }
}

FizetoTar::Alairas FizetoTar::alairas(const QString& path) {
  Alairas a;
  // A question that fails gives no signature: the list then counts as changed and is read anew.
  const Valasz<FajlAdat> f = fajlAdat(path);
  if (!f || !f->van) return a;
  a.dev = dev_t(f->eszkoz);
  a.ino = ino_t(f->inode);
  a.size = f->meret;
  a.mtime = f->ido;
  return a;
}

QString FizetoTar::olvasandoFajl(const QString& folder) {
  const QString nev = olvasandoPar(folder).nevek;
  return nev.isEmpty() ? QString() : dataPath(folder, nev);
}

bool FizetoTar::friss(const QString& folder) const {
  const QString path = olvasandoFajl(folder);
  return path == path_ && alairas_.size >= 0 && alairas(path) == alairas_;
}

void FizetoTar::urit() {
  hiba_.clear();
  // Giving the arrays up returns the memory at once.
  adat_.urit();
  hely_.urit();
  n_ = 0;
  nagyKesz_ = false;
  nagy_.urit();
  nagyHely_.urit();
  std::vector<std::pair<uint64_t, uint64_t>>().swap(nagyReszek_);
  std::vector<std::pair<uint32_t, QString>>().swap(kulonleges_);
  std::vector<QString>().swap(recSzoveg_);
  for (auto& r : rang_) r.urit();
  rendezo_.urit();
  path_.clear();
  alairas_ = {};
  fajlbol_ = false;
}

// Upper-cases the names of rows [b, e) from `o` on, each followed by a zero byte, and returns
// their end; hely[i] is where row i begins in `alap`. A name whose upper-cased form the code
// page cannot hold goes to `kulon` as text instead, and gets an empty place.
char* FizetoTar::nagyBetus(int b, int e, char* alap, char* o, uint64_t* hely, std::vector<std::pair<uint32_t, QString>>& kulon) const {
  const auto& t = nagybetuk();
  for (int i = b; i < e; ++i) {
    const std::string_view nev = nevBajt(i);
    char* eleje = o;
    hely[i] = uint64_t(o - alap);
    for (const char c : nev) {
      const Nagybetu& n = t[uint8_t(c)];
      if (n.len == 1) {
        *o++ = n.b[0];
      } else if (n.len > 1) {
        for (int k = 0; k < n.len; ++k) *o++ = n.b[k];
      } else {
        // Kept as text; the search compares it as text.
        o = eleje;
        kulon.emplace_back(uint32_t(i), cp1250::decode(nev.data(), int(nev.size())).toUpper());
        break;
      }
    }
    *o++ = '\0';
  }
  return o;
}

void FizetoTar::nagyBetusek() {
  if (nagyKesz_) return;
  kulonleges_.clear();
  // Room for the longest forms; a large list in parts side by side, each part from the place
  // its longest forms would take (only the pages written take memory).
  constexpr size_t kNagyHossz = 3 * R::NevWidth + 1;
  const size_t n = size_t(n_);
  char* o = nagy_.meret(std::max<size_t>(n * kNagyHossz, 1));
  uint64_t* hely = nagyHely_.meret(n + 1);
  const int reszek = reszek_ > 0 ? std::clamp(reszek_, 1, std::max(n_, 1)) : szalSzam(n, 1 << 15);
  std::vector<std::vector<std::pair<uint32_t, QString>>> kulon(static_cast<size_t>(reszek));
  nagyReszek_.assign(size_t(reszek), {0, 0});
  reszenkent(reszek, [&](int r) {
    const auto b = int(int64_t(n) * r / reszek), e = int(int64_t(n) * (r + 1) / reszek);
    const size_t eleje = size_t(b) * kNagyHossz;
    const char* veg = nagyBetus(b, e, o, o + eleje, hely, kulon[size_t(r)]);
    nagyReszek_[size_t(r)] = {uint64_t(eleje), uint64_t(veg - o)};
  });
  hely[n] = nagyReszek_.back().second;
  for (auto& k : kulon)
    for (auto& x : k) kulonleges_.push_back(std::move(x));
  nagyKesz_ = true;
}

void FizetoTar::olvas(const QString& folder) {
  // The old rows go first; their memory takes the new ones, without being returned and
  // fetched again from the system (which costs more than the read itself).
  n_ = 0;
  nagyKesz_ = false;
  hiba_.clear();
  std::vector<std::pair<uint32_t, QString>>().swap(kulonleges_);
  std::vector<QString>().swap(recSzoveg_);
  for (auto& r : rang_) r.torol();
  // Opening creates a missing file. While a change of the pair stays unfinished, the payers
  // as they were before it; a payer saved halfway, as it was before that save.
  FizetoPar par(folder);
  const Valasz<int32_t> darab = par.count();
  // A length that cannot be asked shows no payer, and says why, as a read that failed.
  if (!darab)
    hiba_ = par.hiba() + QStringLiteral("\r\nA címzettek listája üres, és a program a címzettek fájljait addig nem "
                                        "módosítja, amíg a lista hiánytalanul be nem olvasható.");
  const int32_t db = darab ? std::max(*darab, 0) : 0;
  path_ = par.nevekPath();
  // Room for the longest rows: only the pages actually written take memory. A large file is
  // read in parts side by side, each part's rows from the place its longest rows would take.
  char* adat = adat_.meret(size_t(db) * kSorHossz);
  uint64_t* hely = hely_.meret(size_t(db));
  const int reszek = reszek_ > 0 ? std::clamp(reszek_, 1, std::max(db, 1)) : szalSzam(size_t(db), 1 << 15);
  struct Resz {
    int32_t rossz = 0;  // the first record not read
    FajlEredmeny hiba;
    QString fajl;
  };
  std::vector<Resz> eredmeny(static_cast<size_t>(reszek));
  reszenkent(reszek, [&](int r) {
    const auto b = int32_t(int64_t(db) * r / reszek), e = int32_t(int64_t(db) * (r + 1) / reszek);
    Resz& x = eredmeny[size_t(r)];
    x.rossz = sorok(par, b, e, adat, adat + size_t(b) * kSorHossz, hely, x.hiba, x.fajl);
  });
  // The rows up to the first one that could not be read, and the reason, said once.
  n_ = db;
  for (int r = 0; r < reszek; ++r) {
    const Resz& x = eredmeny[size_t(r)];
    if (x.hiba) continue;
    n_ = x.rossz;
    const QString lista =
        n_ == 0 ? QStringLiteral("Egyetlen címzett sem olvasható be (a fájlban %1 címzett van), ezért a címzettek listája "
                                 "üres,")
                      .arg(db)
                : QStringLiteral("A címzettek listája csak az első %1 címzettet mutatja (a fájlban %2 címzett van),")
                      .arg(n_)
                      .arg(db);
    hiba_ = x.hiba.nemOlvashato(x.fajl) + QStringLiteral("\r\n") + lista +
            QStringLiteral(" és a program a címzettek fájljait addig nem módosítja, amíg a lista hiánytalanul be nem "
                           "olvasható.");
    break;
  }
  alairas_ = alairas(path_);
  fajlbol_ = true;
}

void FizetoTar::szovegekbol(const std::vector<std::array<QString, 3>>& sorok) {
  urit();
  std::vector<std::array<QByteArray, 2>> bajtok;
  bajtok.reserve(sorok.size());
  size_t hossz = 0;
  for (const auto& s : sorok) {
    bajtok.push_back({cp1250::encode(s[0]), cp1250::encode(s[1])});
    hossz += 6 + size_t(bajtok.back()[0].size()) + size_t(bajtok.back()[1].size());
    recSzoveg_.push_back(s[2]);
  }
  char* o = adat_.meret(hossz);
  uint64_t* hely = hely_.meret(sorok.size());
  for (size_t i = 0; i < bajtok.size(); ++i) {
    const QByteArray& nev = bajtok[i][0];
    const QByteArray& cim = bajtok[i][1];
    qsizetype e = cim.size();
    while (e > 0 && cim[e - 1] == ' ') --e;
    hely[i] = uint64_t(o - adat_.data());
    o = sorIr(o, {nev.constData(), size_t(nev.size())}, {cim.constData(), size_t(e)}, int(cim.size() - e));
  }
  n_ = int(sorok.size());
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

void FizetoTar::keres(const QString& text, std::vector<uint32_t>& ki) {
  nagyBetusek();
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
    uint32_t sor = 0;
    for (const auto& [b, e] : nagyReszek_) {
      size_t pos = b;
      while (pos < e) {
        const void* m = k.size() == 1 ? std::memchr(eleje + pos, k[0], e - pos) : ::memmem(eleje + pos, e - pos, k.data(), k.size());
        if (!m) break;
        const size_t at = size_t(static_cast<const char*>(m) - eleje);
        // Each name ends in a zero byte that the text does not hold, so a match lies in one row.
        while (nagyHely_[sor + 1] <= at) ++sor;
        ki.push_back(sor);
        pos = nagyHely_[sor + 1];
      }
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

std::span<const uint32_t> FizetoTar::rangok(int oszlop, bool padded) {
  const int n = size();
  Tomb<uint32_t>& t = rang_[size_t(oszlop)];
  if (oszlop == 2 && t.size() > 0 && rangPadded_ != padded) t.torol();
  if (t.size() > 0 || n == 0) return {t.data(), t.size()};
  uint32_t* r = t.meret(size_t(n));
  // A row's place, then the row (its first two cache lines hold its name and most of its address).
  auto elore = [&](int i, int lepes) {
    if (lepes == 0) {
      __builtin_prefetch(hely_.data() + i);
    } else {
      const char* p = adat_.data() + hely_[size_t(i)];
      __builtin_prefetch(p);
      __builtin_prefetch(p + 64);
    }
  };
  if (oszlop == 0) {
    rendezo_.rangsor(n, [&](int i) { return abc::Szoveg{nevBajt(i)}; }, r, elore);
  } else if (oszlop == 1) {
    rendezo_.rangsor(n, [&](int i) {
      const std::string_view k = cimKulcs(i);
      return abc::Szoveg{k.substr(0, k.size() - 2), get16(k.data() + k.size() - 2)};
    }, r, elore);
  } else if (!recSzoveg_.empty()) {
    std::vector<std::string> b;
    b.reserve(recSzoveg_.size());
    for (const QString& s : recSzoveg_) b.push_back(cp1250::encode(s).toStdString());
    rendezo_.rangsor(n, [&](int i) { return abc::Szoveg{b[size_t(i)]}; }, r);
  } else {
    rangPadded_ = padded;
    recRangok(n, padded, r);
  }
  return {t.data(), t.size()};
}
