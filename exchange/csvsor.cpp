#include "exchange/csvsor.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <optional>
#include <type_traits>

#include "common/cp1250.h"
#include "common/fields.h"

namespace {

const QString kNulHiba = QStringLiteral(
    "NUL karaktert tartalmaz: nem szöveges fájl, vagy bájtsorrend-jel (BOM) nélküli UTF-16 kódolású");

// A UTF-8 decoder that meets the end of its bytes inside a character keeps the started bytes
// for more input and reports no error: such a file is read as UTF-8 without that character.
// Only a file that is valid UTF-8 up to a started character at its end is decoded for this.
std::optional<QByteArray> utf8CsonkaVeggel(const QByteArray& bytes) {
  const QByteArrayView v(bytes);
  for (qsizetype k = 1; k <= 3 && k <= v.size(); ++k) {
    if (static_cast<unsigned char>(v[v.size() - k]) < 0xC0) continue;
    if (!v.first(v.size() - k).isValidUtf8()) return std::nullopt;
    QStringDecoder dec(QStringDecoder::Utf8);
    const QString s = dec.decode(bytes);
    if (dec.hasError()) return std::nullopt;
    return s.toUtf8();
  }
  return std::nullopt;
}

}  // namespace

CsvForras csvForras(const QByteArray& bytes) {
  CsvForras f;
  // UTF-16 is known by its byte-order mark.
  const bool le = bytes.startsWith("\xFF\xFE"), be = bytes.startsWith("\xFE\xFF");
  if (le || be) {
    f.kodolas = CsvKodolas::Utf16;
    QStringDecoder dec(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    const QString s = dec.decode(QByteArrayView(bytes).sliced(2));
    if (dec.hasError() || bytes.size() % 2 != 0) {
      f.hiba = QStringLiteral("hibás UTF-16 kódolású szöveg");
      return f;
    }
    f.szoveg = s.normalized(QString::NormalizationForm_C);
    // A text with NUL characters is no text of this format (a binary file, or UTF-16 without
    // its byte-order mark): its names would be stored full of zero bytes.
    if (f.szoveg.contains(QChar(0))) f.hiba = kNulHiba;
    return f;
  }
  f.bajtok = bytes;
  if (QByteArrayView(bytes).isValidUtf8()) {
    f.kodolas = CsvKodolas::Utf8;
    if (bytes.startsWith("\xEF\xBB\xBF")) f.kezdet = 3;
  } else if (std::optional<QByteArray> u = utf8CsonkaVeggel(bytes)) {
    f.kodolas = CsvKodolas::Utf8;
    f.bajtok = *u;
  }
  if (f.nezet().contains('\0')) f.hiba = kNulHiba;
  return f;
}

QString csvSzoveg(const QByteArray& bytes, bool* utf8, QString* hiba) {
  const CsvForras f = csvForras(bytes);
  if (utf8) *utf8 = f.kodolas == CsvKodolas::Utf8;
  if (hiba) *hiba = f.hiba;
  switch (f.kodolas) {
    case CsvKodolas::Utf16:
      return f.szoveg;
    case CsvKodolas::Utf8:
      return QString::fromUtf8(f.nezet()).normalized(QString::NormalizationForm_C);
    case CsvKodolas::Kodlap1250:
      break;
  }
  return cp1250::decode(f.bajtok);
}

QStringList csvOszlopok(QStringView sor, int oszlopok, bool* idezettHatar) {
  QStringList c;
  c.reserve(oszlopok);
  qsizetype a = 0;
  // Inside quotes after the column; a ';' since the opening '"'; one closed after such a ';'.
  bool idezetben = false, hatar = false, talalt = false;
  while (c.size() < oszlopok) {
    qsizetype e = sor.indexOf(u';', a);
    const bool utolso = e < 0;
    if (utolso) e = sor.size();
    QString o = sor.mid(a, e - a).toString();
    if (o.contains(u'"')) {
      talalt = talalt || hatar;  // its first '"' closes the quote that a ';' stood in
      hatar = false;
      if (o.count(u'"') % 2 != 0) idezetben = !idezetben;
      o.remove(u'"');
    }
    c.append(o);
    if (utolso) break;
    hatar = hatar || idezetben;
    a = e + 1;
  }
  // The ignored rest of the line may still close the quote.
  if (idezettHatar) *idezettHatar = talalt || (hatar && sor.sliced(a).contains(u'"'));
  while (c.size() < oszlopok) c.append(QString());
  return c;
}

bool csvBajtOszlopok(QByteArrayView sor, bool utf8, int oszlopok, CsvBajtSor& ki) {
  // The columns never hold more bytes than the line.
  if (ki.puffer.size() < sor.size()) ki.puffer.resize(sor.size());
  char* const eleje = ki.puffer.data();
  char* p = eleje;
  char* oszlop = eleje;
  int o = 0;
  const auto* s = reinterpret_cast<const unsigned char*>(sor.data());
  const auto* const vege = s + sor.size();
  ki.idezettHatar = false;
  bool idezetben = false, hatar = false;  // inside quotes; a ';' since the opening '"'
  while (s < vege) {
    const unsigned char c = *s;
    // Most bytes are ordinary ones of a column: the loop is laid out for them.
    if (c < 0x80 || !utf8) [[likely]] {
      ++s;
      if (c == ';') [[unlikely]] {
        ki.oszlop[size_t(o++)] = QByteArrayView(oszlop, p - oszlop);
        oszlop = p;
        hatar = hatar || idezetben;
        if (o == oszlopok) {  // the rest of the line is ignored, but may close the quote
          ki.idezettHatar = ki.idezettHatar || (hatar && std::memchr(s, '"', size_t(vege - s)) != nullptr);
          return true;
        }
      } else if (c == '"') [[unlikely]] {
        ki.idezettHatar = ki.idezettHatar || (idezetben && hatar);
        idezetben = !idezetben;
        hatar = false;
      } else {
        *p++ = char(c);
      }
      continue;
    }
    // A character of two or three bytes (the text is valid UTF-8); four bytes are never in
    // the code page.
    char32_t u;
    if (c < 0xE0) {
      u = char32_t(c & 0x1F) << 6 | (s[1] & 0x3F);
      s += 2;
    } else if (c < 0xF0) {
      u = char32_t(c & 0x0F) << 12 | char32_t(s[1] & 0x3F) << 6 | (s[2] & 0x3F);
      s += 3;
    } else {
      return false;
    }
    const int b = cp1250::byteOf(u);
    if (b < 0) return false;
    *p++ = char(b);
  }
  ki.oszlop[size_t(o++)] = QByteArrayView(oszlop, p - oszlop);
  while (o < oszlopok) ki.oszlop[size_t(o++)] = QByteArrayView();
  return true;
}

namespace {

template <class V>
V szokozNelkul(V s) {
  qsizetype b = 0, e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return s.sliced(b, e - b);
}

template <class V>
std::optional<int32_t> osszeg(V oszlop) {
  const V t = szokozNelkul(oszlop);
  const auto kar = [&t](qsizetype i) -> char32_t {
    if constexpr (std::is_same_v<V, QStringView>)
      return t[i].unicode();
    else
      return static_cast<unsigned char>(t[i]);
  };
  if (t.isEmpty()) return 0;
  qsizetype i = 0;
  bool negativ = false;
  if (kar(0) == '+' || kar(0) == '-') {
    negativ = kar(0) == '-';
    ++i;
  }
  int64_t v = 0;
  const qsizetype elso = i;
  for (; i < t.size() && kar(i) >= '0' && kar(i) <= '9'; ++i) {
    v = v * 10 + (kar(i) - '0');
    if (v > int64_t(INT32_MAX) + 1) return std::nullopt;
  }
  if (i == elso) return std::nullopt;
  // "1500,00" or "1500.0": a whole number written with decimals.
  if (i < t.size() && (kar(i) == '.' || kar(i) == ',')) {
    ++i;
    while (i < t.size() && kar(i) == '0') ++i;
  }
  if (i != t.size()) return std::nullopt;
  if (negativ) v = -v;
  if (v > INT32_MAX || v < INT32_MIN) return std::nullopt;
  return int32_t(v);
}

// The stored amount: a negative amount cannot stand on a slip, so it is no amount, like one
// that is no whole number; no amount is stored as 0.
template <class V>
int32_t taroltOsszeg(V oszlop, bool* rossz) {
  std::optional<int32_t> o = osszeg(oszlop);
  if (o && *o < 0) o.reset();
  if (rossz) *rossz = !o;
  return o.value_or(0);
}

// Where each import column goes: a text of the payer or of the notice record. Column 7 is the
// amount; column 1 is stored as it is, the others trimmed.
struct Cel {
  QString NevekRekord::*n = nullptr;
  QString Kozl3sorRekord::*k = nullptr;
};
constexpr int kOsszegOszlop = 6;
constexpr Cel kCelok[kCsvOszlopok] = {
    {&NevekRekord::Nev},
    {&NevekRekord::Nev2},
    {&NevekRekord::BefizAzonosito},
    {&NevekRekord::Helyseg},
    {&NevekRekord::Irsz},
    {&NevekRekord::Cim},
    {},
    {nullptr, &Kozl3sorRekord::Kozlemeny},
    {&NevekRekord::FizHatIdo},
    {nullptr, &Kozl3sorRekord::IratSzam},
    {nullptr, &Kozl3sorRekord::IratFajta},
    {nullptr, &Kozl3sorRekord::IratMelleklet},
    {nullptr, &Kozl3sorRekord::KuldemenyAzonosito},
    {nullptr, &Kozl3sorRekord::UgyfelSajatJelzese},
};
// The automatic import's tenth column is the document kind.
Cel cel(int oszlop, int oszlopok) {
  if (oszlopok == kAutoOszlopok && oszlop == 9) return {nullptr, &Kozl3sorRekord::IratFajta};
  return kCelok[oszlop];
}

}  // namespace

QString csvSzokozNelkul(QStringView s) { return szokozNelkul(s).toString(); }

std::optional<int32_t> csvOsszeg(QStringView oszlop) { return osszeg(oszlop); }
std::optional<int32_t> csvOsszeg(QByteArrayView oszlop) { return osszeg(oszlop); }

void csvRekordok(const QStringList& c, int oszlopok, NevekRekord& n, Kozl3sorRekord& k, bool* rossz) {
  n = NevekRekord{};
  k = Kozl3sorRekord{};
  for (int i = 0; i < oszlopok; ++i) {
    if (i == kOsszegOszlop) {
      n.Osszegek[0] = taroltOsszeg(QStringView(c.value(i)), rossz);
      continue;
    }
    const QString v = i == 0 ? c.value(0) : i < c.size() ? csvSzokozNelkul(c[i]) : QString();
    const Cel e = cel(i, oszlopok);
    if (e.n)
      n.*e.n = v;
    else
      k.*e.k = v;
  }
}

int32_t csvBajtRekordok(const CsvBajtSor& c, int oszlopok, char* nevek, char* kozl, bool* rossz) {
  // The blank records and where each column's text and the amount stand in them.
  struct Kep {
    QByteArray nevek, kozl;
    FieldPos osszeg;
    FieldPos hely[2][kCsvOszlopok];  // manual, automatic
    bool nevekben[2][kCsvOszlopok];
  };
  static const Kep kep = [] {
    Kep k;
    const NevekRekord n{};
    const Kozl3sorRekord z{};
    k.nevek = encodeRecord(n);
    k.kozl = encodeRecord(z);
    k.osszeg = fieldPos(n, &n.Osszegek[0]);
    for (int v = 0; v < 2; ++v)
      for (int i = 0; i < kCsvOszlopok; ++i) {
        if (i == kOsszegOszlop) continue;
        const Cel e = cel(i, v == 0 ? kCsvOszlopok : kAutoOszlopok);
        k.nevekben[v][i] = e.n != nullptr;
        k.hely[v][i] = e.n ? fieldPos(n, &(n.*e.n)) : fieldPos(z, &(z.*e.k));
      }
    return k;
  }();
  std::memcpy(nevek, kep.nevek.constData(), size_t(NevekRekord::Length));
  std::memcpy(kozl, kep.kozl.constData(), size_t(Kozl3sorRekord::Length));
  const int v = oszlopok == kAutoOszlopok ? 1 : 0;
  int32_t ertek = 0;
  for (int i = 0; i < oszlopok; ++i) {
    if (i == kOsszegOszlop) {
      ertek = taroltOsszeg(c.oszlop[size_t(i)], rossz);
      std::memcpy(nevek + kep.osszeg.at, &ertek, sizeof ertek);
      continue;
    }
    const QByteArrayView t = i == 0 ? c.oszlop[0] : szokozNelkul(c.oszlop[size_t(i)]);
    const FieldPos p = kep.hely[v][i];
    if (!t.isEmpty())
      std::memcpy((kep.nevekben[v][i] ? nevek : kozl) + p.at, t.data(), size_t(std::min<qsizetype>(t.size(), p.width)));
  }
  return ertek;
}

namespace {

// Where each export field takes its bytes: the payer (true) or the notice record, offset, width.
struct Forras {
  bool nevek;
  int at, width;
};
constexpr Forras kForras[14] = {
    {true, 0, 36},   {true, 36, 36},  {true, 211, 30}, {true, 72, 40},  {true, 157, 6},
    {true, 112, 45}, {true, 163, 4},  {false, 0, 20},  {true, 241, 28}, {false, 40, 20},
    {false, 20, 20}, {false, 60, 20}, {false, 105, 30}, {false, 80, 25},
};

}  // namespace

namespace {

// Eight bytes at once: whether any is zero; whether a '"', a ';' or a zero byte is among the n
// bytes at p; whether the n bytes at p are all blanks. Without early exits: the same work for
// every line keeps the processor's guesses right.
uint64_t szo8(const char* p) {
  uint64_t w;
  std::memcpy(&w, p, 8);
  return w;
}
uint64_t nullak(uint64_t w) { return (w - 0x0101010101010101u) & ~w & 0x8080808080808080u; }
bool kulonleges(const char* p, int n) {
  uint64_t van = 0;
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    const uint64_t w = szo8(p + i);
    van |= nullak(w) | nullak(w ^ 0x2222222222222222u) | nullak(w ^ 0x3B3B3B3B3B3B3B3Bu);
  }
  for (; i < n; ++i) van |= uint64_t(p[i] == '"') | uint64_t(p[i] == ';') | uint64_t(p[i] == '\0');
  return van != 0;
}
bool mindSzokoz(const char* p, int n) {
  uint64_t mas = 0;
  int i = 0;
  for (; i + 8 <= n; i += 8) mas |= szo8(p + i) ^ 0x2020202020202020u;
  for (; i < n; ++i) mas |= uint64_t(p[i] != ' ');
  return mas == 0;
}

}  // namespace

void csvSor(QByteArrayView nevek, QByteArrayView kozl, char* out, CsvSorSzamlalo* szamlalo) {
  std::memset(out, ' ', CsvSor::Length);
  char ertek[64];
  for (int f = 0; f < 14; ++f) {
    const Forras& src = kForras[f];
    const QByteArrayView rec = src.nevek ? nevek : kozl;
    const int w = CsvSor::Szelesseg[f];
    // A text field whole in its record with nothing to replace (nearly every one) goes straight
    // to the line, as far as its column holds it: its trailing blanks are the line's blanks.
    if (f != 6 && rec.size() >= src.at + src.width && !kulonleges(rec.data() + src.at, src.width)) {
      const int m = std::min(src.width, w - 1);
      std::memcpy(out, rec.data() + src.at, size_t(m));
      if (szamlalo && !mindSzokoz(rec.data() + src.at + m, src.width - m)) ++szamlalo->csonkitott;
      out[m] = ';';
      out += w;
      continue;
    }
    int n = 0;
    bool csere = false;
    if (f == 6) {
      int32_t v = 0;
      if (rec.size() >= src.at + 4) std::memcpy(&v, rec.data() + src.at, 4);
      n = int(std::to_chars(ertek, ertek + sizeof ertek, v).ptr - ertek);
    } else {
      const int van = int(std::clamp<qsizetype>(rec.size() - src.at, 0, src.width));
      const char* p = rec.data() + src.at;
      for (int i = 0; i < src.width; ++i) {
        const char b = i < van ? p[i] : '\0';
        if (b == '"') {
          csere = true;
          continue;
        }
        if (b == ';') csere = true;
        ertek[n++] = b == ';' ? ',' : (b == '\0' ? ' ' : b);
      }
    }
    int hossz = n;  // the value without its trailing blanks
    while (hossz > 0 && ertek[hossz - 1] == ' ') --hossz;
    if (szamlalo) {
      if (csere) ++szamlalo->csere;
      if (hossz > w - 1) ++szamlalo->csonkitott;
    }
    const int m = std::min(n, w - 1);
    std::memcpy(out, ertek, size_t(m));
    out[m] = ';';
    out += w;
  }
  out[0] = '\r';
  out[1] = '\n';
}

QByteArray csvSor(const QByteArray& nevek, const QByteArray& kozl, CsvSorSzamlalo* szamlalo) {
  QByteArray sor(CsvSor::Length, Qt::Uninitialized);
  csvSor(nevek, kozl, sor.data(), szamlalo);
  return sor;
}
