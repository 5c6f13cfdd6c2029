#include "printing/slips/osszegbetuvel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "common/numtext.h"
#include "common/printer.h"
#include "common/printjob.h"

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

QString SzavakIllesztve::sor1() const {
  const QString csillag = QStringLiteral("*");
  return egySor ? csillag + szavak.ezresek + szavak.egyesek + csillag : csillag + szavak.ezresek;
}

QString SzavakIllesztve::sor2() const { return egySor ? QString() : szavak.egyesek + QStringLiteral("*"); }

SzavakIllesztve fitWords(OsszegSzavak w, double maxWidth, const std::function<double(const QString&)>& measure) {
  if (!w.ezresek.isEmpty()) w.ezresek = w.ezresek.left(1).toUpper() + w.ezresek.mid(1);
  const double width = measure(w.ezresek + w.egyesek);
  return {w, width <= maxWidth};
}

std::function<double(const QString&)> pageMeasure(Printer* printer, const QString& fontName, double fontSize) {
  return [=](const QString& t) {
    double width = 0;
    if (!printer) return width;
    auto skip = [](auto fn) {
      try {
        fn();
      } catch (const PrinterError&) {
      }
    };
    skip([&] { printer->setScaleMillimetres(); });
    skip([&] { printer->setFontName(fontName.trimmed()); });
    skip([&] { printer->setFontSize(fontSize); });
    skip([&] { width = printer->textWidth(t); });
    return width;
  };
}

SzavakIllesztve fitWords(const OsszegSzavak& w, double maxWidth, PrintJob& j, const QString& fontName,
                         double fontSize) {
  j.fontNameSize(fontName, fontSize);
  return fitWords(w, maxWidth, [&j](const QString& t) { return j.textWidth(t); });
}

SzovegSorok fitSlipWords(const OsszegSzavak& words, Printer* printer, const QString& fontName, double fontSize) {
  OsszegSzavak w = words;
  if (w.ezresek.isEmpty()) std::swap(w.ezresek, w.egyesek);  // below one thousand: on the first line
  if (w.ezresek.isEmpty()) return {};
  // No printer, no font, or a step the printer refuses: not measurable, the lines stay apart.
  const bool meri = printer && !fontName.trimmed().isEmpty();
  const SzavakIllesztve f = fitWords(w, kSzovegSzelesseg, [&](const QString& t) {
    if (!meri) return std::numeric_limits<double>::infinity();
    try {
      printer->setScaleMillimetres();
      printer->setFontName(fontName.trimmed());
      printer->setFontSize(fontSize);
      return printer->textWidth(t);
    } catch (const PrinterError&) {
      return std::numeric_limits<double>::infinity();
    }
  });
  if (f.egySor) return {f.szavak.ezresek + f.szavak.egyesek, QString()};
  return {f.szavak.ezresek, f.szavak.egyesek};
}
