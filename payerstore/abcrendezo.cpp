// Ranks of texts in the list's order (abcrend.h): a radix sort on sixteen weights at a time.
//
// Every text gets its first sixteen weights as two numbers; the texts are sorted by them, weight
// by weight from the first (a weight shared by all texts of a bucket is skipped in one step), and
// each run of equal weights whose texts go on takes their next sixteen and is sorted again,
// until each run holds one text or texts of equal weights, which their marks then put in order.
// A large set is first split on several threads into buckets by the first two weights in which
// its texts differ; the buckets are then sorted on the threads side by side, largest first.
#include <algorithm>
#include <array>
#include <atomic>
#include <barrier>
#include <thread>
#include <utility>

#include "payerstore/abcrend.h"
#include "payerstore/szalak.h"

namespace abc {
namespace {

using Tetel = Rendezo::Tetel;
using SzovegFv = std::function<Szoveg(int)>;
using EloreFv = Rendezo::EloreFv;

// Text i, compared on its first 2^28 bytes (which its walk can count) and 65,535 blanks.
Szoveg szovegE(const SzovegFv& szoveg, uint32_t i) {
  Szoveg s = szoveg(int(i));
  s.bajt = s.bajt.substr(0, size_t(1) << 28);
  s.szokoz = std::clamp(s.szokoz, 0, 0xFFFF);
  return s;
}

// Whether the text ended within these eight weights.
bool vege(uint64_t k) { return (k & 0xFF) == 0; }

// The text's next sixteen weights.
void tolt(Tetel& x, const Szoveg& s) {
  x.k[0] = nyolcSuly(s, x.all);
  x.k[1] = vege(x.k[0]) ? 0 : nyolcSuly(s, x.all);
}

bool kisebb(const Tetel& x, const Tetel& y) { return x.k[0] != y.k[0] ? x.k[0] < y.k[0] : x.k[1] < y.k[1]; }
bool egyforma(const Tetel& x, const Tetel& y) { return x.k[0] == y.k[0] && x.k[1] == y.k[1]; }
// Weight d (0 to 15) of the sixteen.
size_t suly(const Tetel& x, int d) { return size_t(x.k[d >> 3] >> (56 - 8 * (d & 7))) & 0xFF; }
// The first weight in which x and y differ (x and y differ).
int elteres(const Tetel& x, const Tetel& y) {
  return x.k[0] != y.k[0] ? __builtin_clzll(x.k[0] ^ y.k[0]) / 8 : 8 + __builtin_clzll(x.k[1] ^ y.k[1]) / 8;
}

// Sorts by the sixteen weights from weight d on (those before d are equal): a bucket per weight,
// moved into place without a second array; small buckets by comparison.
void radix(Tetel* a, size_t m, int d) {
  while (m > 1 && d < 16) {
    if (m < 64) {
      std::sort(a, a + m, kisebb);
      return;
    }
    std::array<uint32_t, 256> db{};
    size_t also = 255, felso = 0;
    for (size_t i = 0; i < m; ++i) {
      const size_t w = suly(a[i], d);
      ++db[w];
      also = std::min(also, w);
      felso = std::max(felso, w);
    }
    if (also == felso) {
      // One weight for all: the next weight in which any two differ decides.
      uint64_t x0 = 0, x1 = 0;
      for (size_t i = 1; i < m; ++i) {
        x0 |= a[i].k[0] ^ a[0].k[0];
        x1 |= a[i].k[1] ^ a[0].k[1];
      }
      if ((x0 | x1) == 0) return;
      d = x0 ? __builtin_clzll(x0) / 8 : 8 + __builtin_clzll(x1) / 8;
      continue;
    }
    std::array<size_t, 256> kov, veg;
    size_t h = 0;
    for (size_t w = also; w <= felso; ++w) {
      kov[w] = h;
      h += db[w];
      veg[w] = h;
    }
    // Each text not yet in its bucket's part goes to its bucket's next place, the text found
    // there taking its place, until every bucket is full. The texts of a round move
    // independently of each other, so that their memory is waited for side by side.
    for (bool kesz = false; !kesz;) {
      kesz = true;
      for (size_t w = also; w <= felso; ++w) {
        const size_t vege = veg[w];
        for (size_t i = kov[w]; i < vege; ++i) std::swap(a[i], a[kov[suly(a[i], d)]++]);
        kesz = kesz && kov[w] == vege;
      }
    }
    for (size_t w = also, eleje = 0; w <= felso; eleje = veg[w++])
      if (veg[w] - eleje > 1) radix(a + eleje, veg[w] - eleje, d + 1);
    return;
  }
}

// Texts of equal weights: texts of the same bytes are equal; others are ordered by their marks.
void jelSzerint(Tetel* a, size_t m, uint8_t* uj, const SzovegFv& szoveg) {
  const Szoveg s0 = szovegE(szoveg, a[0].sor);
  bool mind = true;
  for (size_t i = 1; i < m && mind; ++i) {
    const Szoveg s = szovegE(szoveg, a[i].sor);
    mind = s.bajt == s0.bajt && s.szokoz == s0.szokoz;
  }
  if (mind) return;
  std::vector<std::pair<std::string, Tetel>> egyenlok;
  egyenlok.reserve(m);
  for (size_t i = 0; i < m; ++i) {
    const Szoveg s = szovegE(szoveg, a[i].sor);
    egyenlok.emplace_back(jelek(s.bajt, s.szokoz), a[i]);
  }
  std::sort(egyenlok.begin(), egyenlok.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  for (size_t i = 0; i < m; ++i) {
    a[i] = egyenlok[i].second;
    if (i > 0 && egyenlok[i].first != egyenlok[i - 1].first) uj[i] = 1;
  }
}

// Sorts a[0, m) whole, its weights taken and equal before weight d: uj[i] becomes 1 where a new
// rank begins, else 0. Each run of equal weights whose texts go on takes their next sixteen
// and is sorted again.
void teljes(Tetel* a, size_t m, uint8_t* uj, int d, const SzovegFv& szoveg, const EloreFv& elore) {
  std::vector<std::pair<size_t, size_t>> hatra{{0, m}};
  bool elso = true;
  while (!hatra.empty()) {
    const auto [b, e] = hatra.back();
    hatra.pop_back();
    if (!elso && elore) {
      // Texts lie all over: where each lies is made ready some texts ahead, the text itself
      // half as far ahead, so that each is at hand when its turn comes.
      constexpr size_t kTav = 8;
      for (size_t j = b; j < std::min(b + 2 * kTav, e); ++j) elore(int(a[j].sor), 0);
      for (size_t j = b; j < std::min(b + kTav, e); ++j) elore(int(a[j].sor), 1);
      for (size_t j = b; j < e; ++j) {
        if (j + 2 * kTav < e) elore(int(a[j + 2 * kTav].sor), 0);
        if (j + kTav < e) elore(int(a[j + kTav].sor), 1);
        tolt(a[j], szovegE(szoveg, a[j].sor));
      }
    } else if (!elso) {
      // A few texts at a time: first where each is (their lookups overlap), then their weights.
      constexpr size_t kCsokor = 16;
      Szoveg s[kCsokor];
      for (size_t j = b; j < e; j += kCsokor) {
        const size_t c = std::min(kCsokor, e - j);
        for (size_t i = 0; i < c; ++i) {
          s[i] = szovegE(szoveg, a[j + i].sor);
          __builtin_prefetch(s[i].bajt.data() + std::min<size_t>(a[j + i].all >> 2, s[i].bajt.size()));
        }
        for (size_t i = 0; i < c; ++i) tolt(a[j + i], s[i]);
      }
    }
    radix(a + b, e - b, elso ? d : 0);
    elso = false;
    for (size_t j = b; j < e;) {
      size_t k = j + 1;
      while (k < e && egyforma(a[k], a[j])) ++k;
      uj[j] = 1;
      std::fill(uj + j + 1, uj + k, uint8_t(0));
      if (k - j > 1 && !vege(a[j].k[1])) hatra.emplace_back(j, k);
      else if (k - j > 1) jelSzerint(a + j, k - j, uj + j, szoveg);
      j = k;
    }
  }
}

// The texts [b, e) of each of n parts of [0, m).
std::pair<size_t, size_t> resz(size_t m, int n, int i) { return {m * size_t(i) / size_t(n), m * size_t(i + 1) / size_t(n)}; }

// The texts of the same bytes (and blanks), numbered in the order they first come: `melyik[i]`
// is the number of text i, `elso` the first text of each number. Gives up (false) as soon as
// the texts turn out mostly different: then sorting them all costs less than finding repeats.
bool ismetlodok(int n, const SzovegFv& szoveg, std::vector<uint32_t>& melyik, std::vector<uint32_t>& elso) {
  constexpr uint32_t kUres = ~0u;
  std::vector<uint32_t> rekesz(1024, kUres);  // open addressing: the number of a text, by hash
  std::vector<uint64_t> hash;
  melyik.reserve(size_t(std::max(n, 0)));  // only what is written takes memory
  auto helye = [&](uint64_t h, const Szoveg& s) -> uint32_t& {
    for (size_t j = h & (rekesz.size() - 1);; j = (j + 1) & (rekesz.size() - 1)) {
      uint32_t& x = rekesz[j];
      if (x == kUres) return x;
      if (hash[x] != h) continue;
      const Szoveg t = szoveg(int(elso[x]));
      if (t.bajt == s.bajt && t.szokoz == s.szokoz) return x;
    }
  };
  for (int i = 0; i < n; ++i) {
    const Szoveg s = szoveg(i);
    uint64_t h = 1469598103934665603u ^ uint64_t(s.szokoz);
    for (const char c : s.bajt) h = (h ^ uint8_t(c)) * 1099511628211u;
    uint32_t& x = helye(h, s);
    if (x != kUres) {
      melyik.push_back(x);
      continue;
    }
    if (elso.size() >= 16384 && elso.size() * 2 > size_t(i)) return false;
    x = uint32_t(elso.size());
    melyik.push_back(x);
    elso.push_back(uint32_t(i));
    hash.push_back(h);
    if (elso.size() * 2 > rekesz.size()) {
      std::vector<uint32_t>(rekesz.size() * 2, kUres).swap(rekesz);
      for (uint32_t k = 0; k < elso.size(); ++k) helye(hash[k], szoveg(int(elso[k]))) = k;
    }
  }
  return true;
}


// Texts [b, e) get their first sixteen weights.
void elsoSulyok(Tetel* t, size_t b, size_t e, const SzovegFv& szoveg) {
  for (size_t i = b; i < e; ++i) {
    t[i] = {{0, 0}, uint32_t(i), 0};
    tolt(t[i], szovegE(szoveg, uint32_t(i)));
  }
}

// The ranks of the sorted texts [b, e), r being the rank before b: each text's rank is the
// number of new ranks before it in sorted order.
void rangokat(const Tetel* t, const uint8_t* uj, size_t b, size_t e, uint32_t r, uint32_t* rang) {
  for (size_t j = b; j < e; ++j) {
    r += j > 0 && uj[j];
    rang[t[j].sor] = r;
  }
}

// The sort on p threads. A thread's part is the s-th of p equal runs of the texts (resz()); each
// text's weights are computed once, in its part.
//
// A bucket holds the texts that agree in two weights: weight `vodorSuly`, the first in which the
// smallest and the largest text differ, and the weight after it; the 65,536 buckets follow each
// other in the order of those two weights, so each bucket has its place in sorted order, and a
// thread's share of a bucket's place is the s-th of p equal runs of that place. The steps, the
// threads waiting for each other between them:
//  1. weights and counts: each thread counts its part's texts per bucket and finds its smallest
//     and largest text; one thread chooses vodorSuly from those of all (where all sixteen agree,
//     the texts take their next sixteen and this step is repeated; where the texts end there as
//     well, only their marks order them, sorted whole on one thread);
//  2. one thread gives each bucket its place from the counts of all threads;
//  3. each thread moves the texts that lie in its shares into its shares of their buckets, in
//     place, until no text moves: a text whose bucket's share is full is left over;
//  4. one thread gathers each bucket's texts at the front of its place and moves the texts left
//     over to their buckets;
//  5. the threads sort whole buckets side by side, each taking the largest one left;
//  6. each thread counts the new ranks of its part of sorted order, then gives its part's ranks.
struct Tobbszalon {
  static constexpr size_t kVodrok = size_t(1) << 16;
  enum Allapot { Tovabb, Egyenlo, Szetoszt };
  struct Vodor {
    uint32_t eleje, db;  // its place in sorted order, its texts
  };

  Tobbszalon(Tetel* t, uint8_t* uj, uint32_t* rang, size_t m, int szalak, const SzovegFv& szoveg, const EloreFv& elore)
      : t(t), uj(uj), rang(rang), m(m), p(size_t(szalak)), szoveg(szoveg), elore(elore), gat(szalak), legkisebb(p),
        legnagyobb(p), vodorDb(p), reszKov(p), reszVeg(p), vodorHely(kVodrok + 1), ujDb(p) {}

  // Thread s's run through the steps.
  void szal(int sz) {
    const size_t s = size_t(sz);
    vodorDb[s].assign(kVodrok, 0);
    const auto [b, e] = resz(m, int(p), sz);
    elsoSulyok(t, b, e, szoveg);
    while (allapot == Tovabb) {
      szamlal(s);
      gat.arrive_and_wait();
      if (s == 0) vodorSulyValasztasa();
      gat.arrive_and_wait();
      valasztasUtan(s);
    }
    if (allapot == Egyenlo) {
      if (s == 0) csakJelekSzerint();
      return;
    }
    gat.arrive_and_wait();
    if (s == 0) vodrokHelye();
    gat.arrive_and_wait();
    sajatReszekbe(s);
    gat.arrive_and_wait();
    if (s == 0) maradekokHelyere();
    gat.arrive_and_wait();
    vodrokRendezese();
    gat.arrive_and_wait();
    ujRangokSzama(s);
    gat.arrive_and_wait();
    reszRangjai(s);
  }

  // The bucket of a text: its weights vodorSuly and vodorSuly + 1.
  size_t vodor(const Tetel& x) const { return suly(x, vodorSuly) << 8 | (vodorSuly < 15 ? suly(x, vodorSuly + 1) : 0); }
  // The place in nemUres of a text's bucket.
  size_t hova(const Tetel& x) const { return size_t(sorszam[vodor(x)]); }

  // 1. The smallest and the largest text of thread s's part, and its texts per bucket (vodorSuly
  // is 0 until the texts turn out to agree in their first weight).
  void szamlal(size_t s) {
    const auto [b, e] = resz(m, int(p), int(s));
    std::vector<uint32_t>& db = vodorDb[s];
    Tetel mn = t[b], mx = t[b];
    for (size_t i = b; i < e; ++i) {
      if (kisebb(t[i], mn)) mn = t[i];
      if (kisebb(mx, t[i])) mx = t[i];
      ++db[vodor(t[i])];
    }
    legkisebb[s] = mn;
    legnagyobb[s] = mx;
  }

  // 1. On one thread: the first weight in which the smallest and the largest text of all differ,
  // or that they do not differ.
  void vodorSulyValasztasa() {
    const Tetel mn = *std::min_element(legkisebb.begin(), legkisebb.end(), kisebb);
    const Tetel mx = *std::max_element(legnagyobb.begin(), legnagyobb.end(), kisebb);
    if (!egyforma(mn, mx)) {
      allapot = Szetoszt;
      vodorSuly = elteres(mn, mx);
    } else if (vege(mn.k[1])) {
      allapot = Egyenlo;
    }
  }

  // 1. After the choice, on thread s's part: the next sixteen weights where all sixteen agree,
  // the counts again where the buckets are named by later weights than the first.
  void valasztasUtan(size_t s) {
    const auto [b, e] = resz(m, int(p), int(s));
    std::vector<uint32_t>& db = vodorDb[s];
    if (allapot == Tovabb) {
      for (size_t i = b; i < e; ++i) tolt(t[i], szovegE(szoveg, t[i].sor));
      std::fill(db.begin(), db.end(), 0);
    } else if (allapot == Szetoszt && vodorSuly > 0) {
      std::fill(db.begin(), db.end(), 0);
      for (size_t i = b; i < e; ++i) ++db[vodor(t[i])];
    }
  }

  // Every text of the same weights, on one thread: only their marks order them.
  void csakJelekSzerint() {
    teljes(t, m, uj, 16, szoveg, elore);
    rangokat(t, uj, 0, m, 0, rang);
  }

  // 2. On one thread: each bucket's place from the counts of all threads, the buckets that hold
  // texts, and those largest first.
  void vodrokHelye() {
    for (size_t w = 0; w < kVodrok; ++w) {
      uint32_t db = 0;
      for (const auto& x : vodorDb) db += x[w];
      if (db > 0) {
        vodrok.push_back({vodorHely[w], db});
        nemUres.push_back(uint32_t(w));
      }
      vodorHely[w + 1] = vodorHely[w] + db;
    }
    sorszam.resize(kVodrok);
    for (size_t k = 0; k < nemUres.size(); ++k) sorszam[nemUres[k]] = uint16_t(k);
    std::stable_sort(vodrok.begin(), vodrok.end(), [](const Vodor& x, const Vodor& y) { return x.db > y.db; });
  }

  // 3. Thread s's share of each bucket that holds texts (k in nemUres) is [kov[k], veg[k]); texts
  // of the bucket come to kov[k]. Each text not yet in its bucket goes to the next place of the
  // share there, the text found there taking its place, until no text moves (as radix() does);
  // a text whose bucket's share is full stays where it is.
  void sajatReszekbe(size_t s) {
    std::vector<uint32_t>().swap(vodorDb[s]);  // the counts are no longer needed
    const size_t kDb = nemUres.size();
    std::vector<uint32_t>& kov = reszKov[s];
    std::vector<uint32_t>& veg = reszVeg[s];
    kov.resize(kDb);
    veg.resize(kDb);
    for (size_t k = 0; k < kDb; ++k) {
      const uint32_t w = nemUres[k];
      const uint64_t db = vodorHely[w + 1] - vodorHely[w];
      kov[k] = vodorHely[w] + uint32_t(db * s / p);
      veg[k] = vodorHely[w] + uint32_t(db * (s + 1) / p);
    }
    for (bool mozdult = true; mozdult;) {
      mozdult = false;
      for (size_t k = 0; k < kDb; ++k)
        for (size_t i = kov[k]; i < veg[k]; ++i)
          if (const size_t x = hova(t[i]); kov[x] < veg[x]) {
            std::swap(t[i], t[kov[x]++]);
            mozdult = true;
          }
    }
  }

  // 4. On one thread, the texts left over. In each bucket's place its texts first, the others
  // after them; then those to their buckets.
  void maradekokHelyere() {
    const size_t kDb = nemUres.size();
    std::vector<uint32_t> kovetkezoHely(kDb);  // the next place for a text left over
    for (size_t k = 0; k < kDb; ++k) {
      const uint32_t w = nemUres[k];
      // Share r: texts of the bucket in [eleje(r), reszKov[r][k]), others up to reszVeg[r][k].
      auto eleje = [&](size_t r) -> size_t { return r == 0 ? vodorHely[w] : reszVeg[r - 1][k]; };
      size_t db = 0;
      for (size_t r = 0; r < p; ++r) db += reszKov[r][k] - eleje(r);
      kovetkezoHely[k] = uint32_t(vodorHely[w] + db);
      // From the front the first other text (`elol`, in share `elolResz`), from the back the place
      // after the last text of the bucket (`hatul`, in share `hatulResz`; 0 when none is left);
      // the two are swapped until they meet.
      size_t elolResz = 0, elol = reszKov[0][k], hatulResz = p - 1, hatul = reszKov[p - 1][k];
      auto elobbre = [&] {
        while (elolResz < p && elol >= reszVeg[elolResz][k])
          elol = ++elolResz < p ? reszKov[elolResz][k] : vodorHely[w + 1];
      };
      auto hatrebb = [&] {
        while (hatul > 0 && hatul == eleje(hatulResz)) hatul = hatulResz == 0 ? 0 : reszKov[--hatulResz][k];
      };
      elobbre();
      hatrebb();
      while (elol + 1 < hatul) {
        std::swap(t[elol++], t[--hatul]);
        elobbre();
        hatrebb();
      }
    }
    for (bool kesz = false; !kesz;) {
      kesz = true;
      for (size_t k = 0; k < kDb; ++k) {
        const size_t vege = vodorHely[nemUres[k] + 1];
        for (size_t i = kovetkezoHely[k]; i < vege; ++i) std::swap(t[i], t[kovetkezoHely[hova(t[i])]++]);
        kesz = kesz && kovetkezoHely[k] == vege;
      }
    }
  }

  // 5. Whole buckets, the largest left first, sorted from the weight after their two.
  void vodrokRendezese() {
    for (size_t x; (x = kovetkezo.fetch_add(1)) < vodrok.size();)
      teljes(t + vodrok[x].eleje, vodrok[x].db, uj + vodrok[x].eleje, vodorSuly + 2, szoveg, elore);
  }

  // 6. The new ranks in thread s's part of sorted order.
  void ujRangokSzama(size_t s) {
    const auto [b, e] = resz(m, int(p), int(s));
    uint32_t db = 0;
    for (size_t j = std::max<size_t>(b, 1); j < e; ++j) db += uj[j];
    ujDb[s] = db;
  }

  // 6. The ranks of thread s's part, after the new ranks of the parts before it.
  void reszRangjai(size_t s) {
    const auto [b, e] = resz(m, int(p), int(s));
    uint32_t r = 0;
    for (size_t x = 0; x < s; ++x) r += ujDb[x];
    rangokat(t, uj, b, e, r, rang);
  }

  Tetel* const t;
  uint8_t* const uj;
  uint32_t* const rang;
  const size_t m, p;
  const SzovegFv& szoveg;
  const EloreFv& elore;
  std::barrier<> gat;
  std::vector<Tetel> legkisebb, legnagyobb;  // per thread: of its part
  std::vector<std::vector<uint32_t>> vodorDb;  // per thread: its part's texts per bucket
  // Per thread, for each bucket that holds texts: the next place in its share, the share's end.
  std::vector<std::vector<uint32_t>> reszKov, reszVeg;
  std::vector<uint32_t> vodorHely;  // where each bucket starts in sorted order, then the end
  std::vector<Vodor> vodrok;        // the buckets that hold texts, largest first
  std::vector<uint32_t> nemUres;    // the buckets that hold texts, in the order of their weights
  std::vector<uint16_t> sorszam;    // a bucket's place in nemUres
  std::vector<uint32_t> ujDb;       // per thread: the new ranks in its part
  Allapot allapot = Tovabb;
  int vodorSuly = 0;  // the first of the two weights that name a text's bucket
  std::atomic<size_t> kovetkezo{0};  // the next of vodrok to sort
};

}  // namespace

Rendezo::Rendezo(int szalak, int parhuzamosTol) : szalak_(std::max(szalak, 0)), parhuzamosTol_(std::max(parhuzamosTol, 1)) {}

void Rendezo::urit() {
  t_.urit();
  uj_.urit();
}

void Rendezo::rendezes(int n, const SzovegFv& szoveg, uint32_t* rang, const EloreFv& elore) {
  const size_t m = size_t(std::max(n, 0));
  if (m == 0) return;
  Tetel* t = t_.meret(m);
  uint8_t* uj = uj_.meret(m);
  auto egySzalon = [&] {
    elsoSulyok(t, 0, m, szoveg);
    teljes(t, m, uj, 0, szoveg, elore);
    rangokat(t, uj, 0, m, 0, rang);
  };
  // Threads: as many as asked for, or one a core the process may run on now.
  const int legtobb = szalak_ > 0 ? szalak_ : szalSzam(~size_t(0), 1);
  const int szalak = m >= size_t(parhuzamosTol_) ? int(std::min<size_t>(size_t(legtobb), m)) : 1;
  if (szalak == 1) return egySzalon();
  Tobbszalon r(t, uj, rang, m, szalak, szoveg, elore);
  if (!egyszerre(szalak, [&](int sz) { r.szal(sz); })) egySzalon();
}

void Rendezo::rangsor(int n, const SzovegFv& szoveg, std::vector<uint32_t>& rang) {
  rang.resize(size_t(std::max(n, 0)));
  rangsor(n, szoveg, rang.data());
}

void Rendezo::rangsor(int n, const SzovegFv& szoveg, uint32_t* rang, const EloreFv& elore) {
  // A list of many equal texts sorts each text once.
  std::vector<uint32_t> melyik, elso;
  if (!ismetlodok(n, szoveg, melyik, elso)) {
    std::vector<uint32_t>().swap(melyik);
    rendezes(n, szoveg, rang, elore);
    return;
  }
  std::vector<uint32_t> egyedi(elso.size());
  auto egyediElore = [&](int i, int lepes) { elore(int(elso[size_t(i)]), lepes); };
  rendezes(int(elso.size()), [&](int i) { return szoveg(int(elso[size_t(i)])); }, egyedi.data(), elore ? EloreFv(egyediElore) : EloreFv());
  for (size_t i = 0; i < melyik.size(); ++i) rang[i] = egyedi[melyik[i]];
}

void rangsor(int n, const SzovegFv& szoveg, std::vector<uint32_t>& rang) { Rendezo(1).rangsor(n, szoveg, rang); }

}  // namespace abc
