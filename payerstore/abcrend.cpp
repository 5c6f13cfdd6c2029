#include "payerstore/abcrend.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

#include "common/cp1250.h"

namespace abc {
namespace {

// The weights in ascending order, one group per weight: a character or a double letter, then
// the forms of that character with an accent, in the order of their accents (the mark is the
// place in the group). Upper case takes the place of its lower case. A character of the code
// page that stands nowhere here, nor among the characters that count as others below, is
// ignored (control characters, the soft hyphen, unassigned bytes).
constexpr std::u16string_view kSorrend[] = {
    u"\t", u"\n", u"\v", u"\f", u"\r", u" ", u"_", u"-", u"–", u"—", u",", u";", u":", u"!", u"?", u".",
    u"·", u"'", u"‘", u"’", u"‚", u"‹", u"›", u"\"", u"“", u"”", u"„", u"«", u"»", u"(", u")", u"[",
    u"]", u"{", u"}", u"§", u"¶", u"@", u"*", u"/", u"\\", u"&", u"#", u"%", u"‰", u"†", u"‡", u"•",
    u"`", u"´", u"^", u"˘", u"˙", u"¨", u"˝", u"¸", u"˛", u"ˇ", u"°", u"©", u"®", u"+", u"±", u"÷",
    u"×", u"<", u"=", u">", u"¬", u"|", u"¦", u"~", u"¤", u"$", u"€",
    u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9",
    u"aáăâäą", u"b", u"cćčç", u"cs", u"dďđ", u"dz", u"dzs", u"eéěëę", u"f", u"g", u"gy", u"h", u"iíî",
    u"j", u"k", u"lĺľłŀ", u"ly", u"m", u"nńň", u"ny", u"oóô", u"öő", u"p", u"q", u"rŕř", u"sśšşß", u"sz",
    u"tťţ", u"ty", u"uúů", u"üű", u"v", u"w", u"x", u"yý", u"zźžż", u"zs", u"µ"};

// Characters that count as others: the no-break space as a blank, the ellipsis as three full
// stops, the trade mark sign as "tm", and "ß" as itself (an s marked above all its accents)
// followed by an s.
constexpr std::pair<char16_t, std::u16string_view> kMint[] = {
    {u'\u00A0', u" "}, {u'…', u"..."}, {u'™', u"tm"}, {u'ß', u"ßs"}};
// Pairs that count as one letter: "l·" is "ŀ" (an l marked above all its accents).
constexpr std::pair<std::u16string_view, char16_t> kPar[] = {{u"l·", u'ŀ'}};

struct Elem {
  uint8_t suly = 0;  // weight, from 1 on
  uint8_t jel = 0;   // mark: 0 unaccented
};

struct Betu {
  uint8_t db = 0;  // elements: 0 for a character the order ignores
  Elem e[3];
  char alap = 0;       // the lower-case ASCII letter it is, or that it is an accented form of
  bool jeles = false;  // not a plain ASCII letter
  bool nagy = false;   // upper case
};

// A double letter, its doubled form or a pair that counts as one letter: its lower-case
// code-page bytes, and its element, once or twice.
struct Kettos {
  std::string betuk;
  int db;
  Elem e;
};

struct Tabla {
  std::array<Betu, 256> betu;
  std::array<std::vector<Kettos>, 26> kettos;  // by first letter, the longest first
  uint8_t szokoz = 0;                          // the weight of a blank
  // For the quick walk: the weight of a byte that is one element on its own (0: ignored,
  // 0xFF: it counts as several), and what a byte followed by another one is (the second byte
  // 0 at the end of the text): 0, the first byte one element on its own; kLassu, egyseg()
  // decides (a character that counts as several, or a pair that may begin a longer double
  // letter); else the two bytes are one double letter, whose weight kettosSuly[] holds.
  std::array<uint8_t, 256> egy{};
  std::array<std::array<uint8_t, 256>, 256> par{};
  std::array<uint8_t, 256> kettosSuly{};
  uint8_t kettosDb = 0;
};
constexpr uint8_t kLassu = 0xFF;

std::string bajtok(std::u16string_view s) {
  return cp1250::encode(QString::fromUtf16(s.data(), qsizetype(s.size()))).toStdString();
}

// Whether `k` stands at byte i: its letters, none but the last accented, all in lower case,
// capitalised or all in upper case.
bool illik(const Tabla& t, const Kettos& k, std::string_view s, size_t i) {
  const size_t n = k.betuk.size();
  if (i + n > s.size()) return false;
  bool kis = false, nagy = false;
  for (size_t j = 0; j < n; ++j) {
    const Betu& b = t.betu[uint8_t(s[i + j])];
    if (b.alap ? b.alap != k.betuk[j] || (b.jeles && j + 1 < n) : s[i + j] != k.betuk[j]) return false;
    if (j > 0 && b.alap) (b.nagy ? nagy : kis) = true;
  }
  return !(kis && nagy) && !(nagy && !t.betu[uint8_t(s[i])].nagy);
}

// The unit at byte i: a double letter or one character. Its elements go to `e`, their number
// to `db`; returns its length in bytes.
size_t egyseg(const Tabla& t, std::string_view s, size_t i, Elem* e, int& db) {
  const Betu& b = t.betu[uint8_t(s[i])];
  if (b.alap && !b.jeles) {
    for (const Kettos& k : t.kettos[size_t(b.alap - 'a')]) {
      if (!illik(t, k, s, i)) continue;
      const size_t n = k.betuk.size();
      std::fill(e, e + k.db, k.e);
      // The last letter's accent marks the last element.
      const Betu& utolso = t.betu[uint8_t(s[i + n - 1])];
      if (utolso.alap) e[k.db - 1].jel = uint8_t(e[k.db - 1].jel + utolso.e[0].jel);
      db = k.db;
      return n;
    }
  }
  std::copy(b.e, b.e + b.db, e);
  db = b.db;
  return 1;
}

const Tabla& tabla() {
  static const Tabla t = [] {
    Tabla t;
    std::unordered_map<char16_t, Elem> hely;
    uint8_t suly = 0;
    for (const std::u16string_view g : kSorrend) {
      ++suly;
      if (g.size() > 1 && g[1] >= u'a' && g[1] <= u'z') {
        const std::string b = bajtok(g);
        t.kettos[size_t(b[0] - 'a')].push_back({b, 1, {suly, 0}});
        t.kettos[size_t(b[0] - 'a')].push_back({b.substr(0, 1) + b, 2, {suly, 0}});
        continue;
      }
      for (size_t m = 0; m < g.size(); ++m) hely[g[m]] = {suly, uint8_t(m)};
    }
    for (const auto& [par, mint] : kPar) {
      const std::string b = bajtok(par);
      t.kettos[size_t(b[0] - 'a')].push_back({b, 1, hely[mint]});
    }
    for (auto& k : t.kettos)
      std::stable_sort(k.begin(), k.end(), [](const Kettos& a, const Kettos& b) { return a.betuk.size() > b.betuk.size(); });
    t.szokoz = hely[u' '].suly;
    for (int i = 1; i < 256; ++i) {
      const char c = char(i);
      const QChar u = cp1250::decode(&c, 1)[0];
      const QChar l = u.toLower();
      Betu& b = t.betu[size_t(i)];
      const char16_t kis = l.unicode();
      std::u16string_view mint(&kis, 1);
      for (const auto& [m, s] : kMint)
        if (m == kis) mint = s;
      for (const char16_t x : mint)
        if (const auto it = hely.find(x); it != hely.end()) b.e[b.db++] = it->second;
      b.nagy = u.isUpper();
      if (l >= QLatin1Char('a') && l <= QLatin1Char('z')) {
        b.alap = char(kis);
      } else if (l.decompositionTag() == QChar::Canonical) {
        // Only an accent that is a part of the letter may follow a double letter's last letter.
        const QChar a = l.decomposition().at(0);
        if (a >= QLatin1Char('a') && a <= QLatin1Char('z')) b.alap = char(a.unicode());
      }
      b.jeles = kis > 0x7F;
    }
    for (int i = 1; i < 256; ++i) {
      const Betu& b = t.betu[size_t(i)];
      t.egy[size_t(i)] = b.db == 0 ? 0 : b.db == 1 ? b.e[0].suly : 0xFF;
      for (int j = 0; j < 256; ++j) {
        // Whether the second byte may continue the first into a double letter of two
        // letters, or of more.
        bool folytat = false, hosszabb = false;
        if (b.alap && !b.jeles && j > 0) {
          const Betu& c = t.betu[size_t(j)];
          for (const Kettos& x : t.kettos[size_t(b.alap - 'a')]) {
            const bool ez = c.alap ? c.alap == x.betuk[1] : char(j) == x.betuk[1];
            folytat = folytat || ez;
            hosszabb = hosszabb || (ez && x.betuk.size() > 2);
          }
        }
        uint8_t& p = t.par[size_t(i)][size_t(j)];
        p = b.db > 1 || hosszabb ? kLassu : 0;
        if (p == 0 && folytat) {
          // Two bytes that begin no longer double letter are what they are anywhere.
          const char ket[2] = {char(i), char(j)};
          Elem e[3];
          int db = 0;
          const size_t n = egyseg(t, std::string_view(ket, 2), 0, e, db);
          if (n == 2 && db == 1) {
            uint8_t x = 1;
            while (x <= t.kettosDb && t.kettosSuly[x] != e[0].suly) ++x;
            if (x > t.kettosDb) t.kettosSuly[++t.kettosDb] = e[0].suly;
            p = x;
          } else if (n != 1 || db != 1) {
            p = kLassu;
          }
        }
      }
    }
    return t;
  }();
  return t;
}

}  // namespace

std::string jelek(std::string_view s, int szokoz) {
  std::string j;
  Elem e[3];
  for (size_t i = 0; i < s.size();) {
    int db = 0;
    i += egyseg(tabla(), s, i, e, db);
    for (int k = 0; k < db; ++k) j.push_back(char(e[k].jel));
  }
  j.append(size_t(szokoz), '\0');
  return j;
}

// A byte that is one element on its own and begins no double letter is taken straight from the
// table; the rest go through egyseg().
uint64_t nyolcSuly(const Szoveg& s, uint32_t& all) {
  const Tabla& t = tabla();
  const auto* p = reinterpret_cast<const uint8_t*>(s.bajt.data());
  const auto n = uint32_t(s.bajt.size());
  const auto szokoz = uint32_t(std::clamp(s.szokoz, 0, 0xFFFF));
  uint64_t d = 0;
  int k = 0;
  uint32_t pos = all >> 2;
  int sub = int(all & 3);
  while (k < 8 && pos < n) {
    const uint8_t b = p[pos];
    const uint8_t c = pos + 1 < n ? p[pos + 1] : 0;
    const uint8_t q = t.par[b][c];
    if (sub == 0 && q != kLassu) {
      // Without branches: an ignored byte (weight 0) adds nothing.
      const uint64_t egy = t.egy[b], ket = t.kettosSuly[q];
      const uint64_t w = q ? ket : egy;
      const int van = w != 0;
      d = d << (8 * van) | w;
      k += van;
      pos += 1 + (q != 0);
      continue;
    }
    Elem e[3];
    int db = 0;
    const size_t hossz = egyseg(t, s.bajt, pos, e, db);
    while (sub < db && k < 8) {
      d = d << 8 | e[sub++].suly;
      ++k;
    }
    if (sub < db) break;
    pos += uint32_t(hossz);
    sub = 0;
  }
  for (; k < 8 && pos >= n && pos < n + szokoz; ++k, ++pos) d = d << 8 | t.szokoz;
  all = pos << 2 | uint32_t(sub);
  return k == 0 ? 0 : d << (8 * (8 - k));
}

}  // namespace abc
