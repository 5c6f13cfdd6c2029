#include "printing/slips/osszegbetuvel.h"

#include <algorithm>
#include <cmath>

#include "common/numtext.h"
#include "common/printer.h"

namespace {

const char* const kEgyesek[10] = {"", "egy", "kettő", "három", "négy", "öt", "hat", "hét", "nyolc", "kilenc"};
const char* const kTizesek[10] = {"", "tíz", "húsz", "harminc", "negyven", "ötven", "hatvan", "hetven", "nyolcvan", "kilencven"};

QString word(const char* w) { return QString::fromUtf8(w); }

// Tens digit `d`; 1 and 2 take the joining forms "tizen", "huszon" before a non-zero digit.
QString tens(int d, int right) {
  if (right != 0 && d == 1) return QStringLiteral("tizen");
  if (right != 0 && d == 2) return QStringLiteral("huszon");
  return word(kTizesek[d]);
}

QString hundreds(int d) { return d ? word(kEgyesek[d]) + QStringLiteral("száz") : QString(); }

// "99.999.999" for eight digits, "9.999.999" for seven.
QString limitText(int maxDigits) {
  QString s;
  for (int i = 0; i < maxDigits; ++i) {
    if (i > 0 && (maxDigits - i) % 3 == 0) s += QChar('.');
    s += QChar('9');
  }
  return s;
}

}  // namespace

OsszegSzavak amountInWords(int64_t amount, int maxDigits) {
  maxDigits = std::clamp(maxDigits, 1, 8);  // the word tables reach the ten-millions
  OsszegSzavak w;
  const QString s = QString::number(amount);
  if (s.size() > maxDigits) {
    w.ezresek = kMaxOsszegSzoveg;
    w.egyesek = limitText(maxDigits);
    return w;
  }
  const uint64_t a = amount < 0 ? uint64_t(0) - uint64_t(amount) : uint64_t(amount);
  const int n = int(QString::number(a).size());
  // Digit at position k counted from the right (1 units .. 8 ten-millions).
  auto digit = [a](int k) {
    uint64_t v = a;
    for (int i = 1; i < k; ++i) v /= 10;
    return int(v % 10);
  };

  if (n >= 8) w.ezresek += tens(digit(8), digit(7));
  if (n >= 7) w.ezresek += (digit(7) ? word(kEgyesek[digit(7)]) : QString()) + QStringLiteral("millió");
  if (n >= 6) w.ezresek += hundreds(digit(6));
  if (n >= 5) w.ezresek += tens(digit(5), digit(4));
  if (n >= 4) {
    const int u = digit(4), t = digit(5), h = digit(6);
    if (u != 0)
      w.ezresek += word(kEgyesek[u]) + QStringLiteral("ezer-");
    else if (t != 0)
      w.ezresek += a % 1000 == 0 ? QStringLiteral("ezer") : QStringLiteral("ezer-");
    else if (h != 0)
      w.ezresek += QStringLiteral("ezer");
    // An empty thousands group after the millions takes no group word: 1 000 123 is
    // "egymillió" and "egyszázhuszonhárom".
  }

  if (n >= 3) w.egyesek += hundreds(digit(3));
  if (n >= 2) w.egyesek += tens(digit(2), digit(1));
  w.egyesek += word(kEgyesek[digit(1)]);
  return w;
}

OsszegSzavak OsszegBetuvel(const QString& txOsszeg, int maxDigits) {
  const double v = leadingValue(txOsszeg);
  // Sixteen digits or more are beyond every limit; below that the rounded value fits 64 bits.
  if (!(std::fabs(v) < 1e15)) return amountInWords(v < 0 ? INT64_MIN : INT64_MAX, maxDigits);
  return amountInWords(int64_t(std::nearbyint(v)), maxDigits);
}

OsszegSzavak azaz1(int32_t AzazOsszeg) { return amountInWords(AzazOsszeg, 7); }

SzovegSorok fitSlipWords(const OsszegSzavak& words, Printer* printer, const QString& fontName, double fontSize) {
  SzovegSorok s{words.ezresek, words.egyesek};
  if (s.sor1.isEmpty()) {  // below one thousand: the words stand on the first line
    s.sor1 = s.sor2;
    s.sor2.clear();
  }
  if (s.sor1.isEmpty()) return s;
  s.sor1 = s.sor1.left(1).toUpper() + s.sor1.mid(1);

  if (!printer || fontName.trimmed().isEmpty()) return s;
  double width = 0;
  try {
    printer->setScaleMillimetres();
    printer->setFontName(fontName.trimmed());
    printer->setFontSize(fontSize);
    width = printer->textWidth(s.sor2 + s.sor1);
  } catch (const PrinterError&) {
    return s;  // not measurable: keep the two lines
  }
  if (width <= kSzovegSzelesseg) {
    s.sor1 += s.sor2;
    s.sor2.clear();
  }
  return s;
}
