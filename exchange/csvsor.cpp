#include "exchange/csvsor.h"

#include <QStringDecoder>

#include <array>
#include <cstring>

#include "common/cp1250.h"
#include "common/fields.h"

namespace {

// A text with NUL characters is no text of this format (a binary file, or UTF-16 without its
// byte-order mark): its names would be stored full of zero bytes.
QString nulNelkul(QString s, QString* hiba) {
  if (hiba && s.contains(QChar(0)))
    *hiba = QStringLiteral("NUL karaktert tartalmaz: nem szöveges fájl, vagy bájtsorrend-jel (BOM) nélküli "
                           "UTF-16 kódolású");
  return s;
}

}  // namespace

QString csvSzoveg(const QByteArray& bytes, bool* utf8, QString* hiba) {
  if (utf8) *utf8 = false;
  // UTF-16 is known by its byte-order mark.
  const bool le = bytes.startsWith("\xFF\xFE"), be = bytes.startsWith("\xFE\xFF");
  if (le || be) {
    QStringDecoder dec(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    const QString s = dec.decode(QByteArrayView(bytes).sliced(2));
    if (dec.hasError() || bytes.size() % 2 != 0) {
      if (hiba) *hiba = QStringLiteral("hibás UTF-16 kódolású szöveg");
      return {};
    }
    return nulNelkul(s.normalized(QString::NormalizationForm_C), hiba);
  }
  QStringDecoder dec(QStringDecoder::Utf8);
  QString s = dec.decode(bytes);
  const bool u = !dec.hasError();
  if (utf8) *utf8 = u;
  if (u) return nulNelkul(s.normalized(QString::NormalizationForm_C), hiba);
  // Code page 1250 through a table of the 256 characters, built once from the code page.
  static const std::array<char16_t, 256> tabla = [] {
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const char c = char(b);
      t[size_t(b)] = cp1250::decode(&c, 1).at(0).unicode();
    }
    return t;
  }();
  QString out(bytes.size(), Qt::Uninitialized);
  char16_t* d = reinterpret_cast<char16_t*>(out.data());
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
  for (qsizetype i = 0; i < bytes.size(); ++i) d[i] = tabla[b[i]];
  return nulNelkul(out, hiba);
}

QStringList csvOszlopok(QStringView sor, int oszlopok) {
  QStringList c;
  c.reserve(oszlopok);
  qsizetype a = 0;
  while (c.size() < oszlopok) {
    qsizetype e = sor.indexOf(u';', a);
    const bool utolso = e < 0;
    if (utolso) e = sor.size();
    QString o = sor.mid(a, e - a).toString();
    if (o.contains(u'"')) o.remove(u'"');
    c.append(o);
    if (utolso) break;
    a = e + 1;
  }
  while (c.size() < oszlopok) c.append(QString());
  return c;
}

QString csvSzokozNelkul(QStringView s) {
  qsizetype b = 0, e = s.size();
  while (b < e && s[b] == u' ') ++b;
  while (e > b && s[e - 1] == u' ') --e;
  return s.mid(b, e - b).toString();
}

std::optional<int32_t> csvOsszeg(QStringView oszlop) {
  const QString t = csvSzokozNelkul(oszlop);
  if (t.isEmpty()) return 0;
  qsizetype i = 0;
  bool negativ = false;
  if (t[0] == u'+' || t[0] == u'-') {
    negativ = t[0] == u'-';
    ++i;
  }
  int64_t v = 0;
  const qsizetype elso = i;
  for (; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i) {
    v = v * 10 + (t[i].unicode() - u'0');
    if (v > int64_t(INT32_MAX) + 1) return std::nullopt;
  }
  if (i == elso) return std::nullopt;
  // "1500,00" or "1500.0": a whole number written with decimals.
  if (i < t.size() && (t[i] == u'.' || t[i] == u',')) {
    ++i;
    while (i < t.size() && t[i] == u'0') ++i;
  }
  if (i != t.size()) return std::nullopt;
  if (negativ) v = -v;
  if (v > INT32_MAX || v < INT32_MIN) return std::nullopt;
  return int32_t(v);
}

void csvRekordok(const QStringList& c, int oszlopok, NevekRekord& n, Kozl3sorRekord& k, bool* rossz) {
  auto t = [&](int i) { return i < c.size() ? csvSzokozNelkul(c[i]) : QString(); };
  n = NevekRekord{};
  k = Kozl3sorRekord{};
  n.Nev = c.value(0);
  n.Nev2 = t(1);
  n.BefizAzonosito = t(2);
  n.Helyseg = t(3);
  n.Irsz = t(4);
  n.Cim = t(5);
  // A negative amount cannot stand on a slip: it is no amount, like one that is no whole number.
  std::optional<int32_t> osszeg = csvOsszeg(c.value(6));
  if (osszeg && *osszeg < 0) osszeg.reset();
  n.Osszegek[0] = osszeg.value_or(0);
  if (rossz) *rossz = !osszeg;
  k.Kozlemeny = t(7);
  n.FizHatIdo = t(8);
  if (oszlopok == kAutoOszlopok) {
    k.IratFajta = t(9);
    return;
  }
  k.IratSzam = t(9);
  k.IratFajta = t(10);
  k.IratMelleklet = t(11);
  k.KuldemenyAzonosito = t(12);
  k.UgyfelSajatJelzese = t(13);
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

QByteArray csvSor(const QByteArray& nevek, const QByteArray& kozl, CsvSorSzamlalo* szamlalo) {
  QByteArray sor(CsvSor::Length, ' ');
  char* out = sor.data();
  char ertek[64];
  for (int f = 0; f < 14; ++f) {
    const Forras& src = kForras[f];
    const QByteArray& rec = src.nevek ? nevek : kozl;
    int n = 0;
    bool csere = false;
    if (f == 6) {
      int32_t v = 0;
      if (rec.size() >= src.at + 4) std::memcpy(&v, rec.constData() + src.at, 4);
      n = std::snprintf(ertek, sizeof ertek, "%d", v);
    } else {
      for (int i = 0; i < src.width; ++i) {
        const char b = src.at + i < rec.size() ? rec[src.at + i] : '\0';
        if (b == '"') {
          csere = true;
          continue;
        }
        if (b == ';') csere = true;
        ertek[n++] = b == ';' ? ',' : (b == '\0' ? ' ' : b);
      }
    }
    const int w = CsvSor::Szelesseg[f];
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
  return sor;
}
