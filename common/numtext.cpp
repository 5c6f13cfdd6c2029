#include "common/numtext.h"

#include <cmath>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <string>

double leadingValue(const QString& text) {
  // Drop blanks, tabs and line feeds anywhere, then scan a number from the start.
  std::string s;
  s.reserve(text.size());
  for (QChar c : text) {
    if (c == QChar(' ') || c == QChar('\t') || c == QChar('\n') || c == QChar('\r')) continue;
    s.push_back(c.unicode() < 0x80 ? char(c.unicode()) : '\x01');
  }
  size_t i = 0;
  std::string num;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) num.push_back(s[i++]);
  size_t digits = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
    num.push_back(s[i++]);
    ++digits;
  }
  if (i < s.size() && s[i] == '.') {
    num.push_back(s[i++]);
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
      num.push_back(s[i++]);
      ++digits;
    }
  }
  if (digits == 0) return 0.0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    std::string ex = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ex.push_back(s[j++]);
    size_t ed = 0;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
      ex.push_back(s[j++]);
      ++ed;
    }
    if (ed > 0) num += ex;
  }
  const double v = std::strtod(num.c_str(), nullptr);
  return std::isfinite(v) ? v : 0.0;
}

namespace {
double roundHalfEven(double v) { return std::nearbyint(v); }  // default mode: to nearest, ties even
}  // namespace

int16_t roundToInt16(double v) {
  const double r = roundHalfEven(v);
  if (!(r >= -32768.0 && r <= 32767.0)) throw OverflowError();
  return static_cast<int16_t>(r);
}

int32_t roundToInt32(double v) {
  const double r = roundHalfEven(v);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw OverflowError();
  return static_cast<int32_t>(r);
}

QString huNumber(double v) {
  if (v == 0.0) return QStringLiteral("0");
  QString s = QString::number(v, 'g', 15);
  s.replace(QChar('.'), QChar(','));
  return s;
}

std::optional<double> parseRegional(const QString& text) {
  QString t = text.trimmed();
  if (t.isEmpty()) return std::nullopt;
  t.replace(QChar(','), QChar('.'));
  // Only a plain decimal number: sign, digits, one separator.
  int seps = 0, digits = 0;
  for (qsizetype i = 0; i < t.size(); ++i) {
    const QChar c = t[i];
    if (c.isDigit() && c.unicode() < 0x80) ++digits;
    else if (c == QChar('.')) ++seps;
    else if ((c == QChar('-') || c == QChar('+')) && i == 0) continue;
    else return std::nullopt;
  }
  if (digits == 0 || seps > 1) return std::nullopt;
  bool ok = false;
  const double v = t.toDouble(&ok);
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return v;
}
