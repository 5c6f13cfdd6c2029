#pragma once
// Reading single fields out of record bytes, for byte-level assertions.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstring>

inline int64_t fixedAt(const QByteArray& b, int off) {
  int64_t v = 0;
  std::memcpy(&v, b.constData() + off, 8);
  return v;
}
inline double mmAt(const QByteArray& b, int off) { return double(fixedAt(b, off)) / 10000.0; }
inline int16_t i16At(const QByteArray& b, int off) {
  int16_t v = 0;
  std::memcpy(&v, b.constData() + off, 2);
  return v;
}
inline float f32At(const QByteArray& b, int off) {
  float v = 0;
  std::memcpy(&v, b.constData() + off, 4);
  return v;
}
inline QString textAt(const QByteArray& b, int off, int n) { return QString::fromLatin1(b.mid(off, n)); }
// A text padded with blanks to `n`, as a field holds it.
inline QString padded(const QString& s, int n) { return s.leftJustified(n, QChar(' ')); }
