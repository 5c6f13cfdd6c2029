#include "common/fields.h"

#include <cmath>

Fixed Fixed::fromDouble(double v) { return Fixed{static_cast<int64_t>(std::llround(v * 10000.0))}; }

namespace {
bool isPad(QChar c) { return c == QChar(' ') || c == QChar(0); }
}  // namespace

QString trimmed(const QString& field) {
  qsizetype b = 0, e = field.size();
  while (b < e && isPad(field[b])) ++b;
  while (e > b && isPad(field[e - 1])) --e;
  QString s = field.mid(b, e - b);
  s.remove(QChar(0));
  return s;
}

QString asStored(const QString& field) {
  QString s = field;
  s.remove(QChar(0));
  return s;
}

void FieldWriter::text(const QString& v, int width) {
  const int n = cp1250::encode(v, d_ + pos_, width);
  std::memset(d_ + pos_ + n, ' ', size_t(width - n));
  pos_ += width;
}
