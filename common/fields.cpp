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
  QByteArray b = cp1250::encode(v);
  if (b.size() > width) b.truncate(width);
  std::memcpy(d_ + pos_, b.constData(), b.size());
  std::memset(d_ + pos_ + b.size(), ' ', width - b.size());
  pos_ += width;
}
