#pragma once
// Field codecs of the fixed-length records. A record type is a plain struct with
//   static constexpr int Length;                 // its byte length
//   template <class F> void fields(F& f);        // its fields in stored order
// and the same field list serves reading (FieldReader), writing (FieldWriter) and measuring
// (FieldSizer). Everything is little-endian and packed.
#include <QString>

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#include "common/cp1250.h"

static_assert(std::endian::native == std::endian::little, "record files are little-endian");

// Fixed-point number: the value times 10,000 in a signed 64-bit integer (positions in mm).
struct Fixed {
  int64_t raw = 0;
  static Fixed fromRaw(int64_t r) { return Fixed{r}; }
  // Rounds to the nearest ten-thousandth, as the stored form requires.
  static Fixed fromDouble(double v);
  double value() const { return double(raw) / 10000.0; }
  friend bool operator==(Fixed a, Fixed b) { return a.raw == b.raw; }
  // Sum in the stored form; nothing when it leaves the 64-bit range (a damaged record may
  // hold a value near the limit).
  std::optional<Fixed> plus(int64_t rawOffset) const {
    int64_t r = 0;
    if (__builtin_add_overflow(raw, rawOffset, &r)) return std::nullopt;
    return Fixed{r};
  }
  // The same, held at the limit of the range instead of overflowing.
  Fixed operator+(Fixed o) const {
    if (const auto s = plus(o.raw)) return *s;
    return Fixed{o.raw > 0 ? INT64_MAX : INT64_MIN};
  }
};

// A 16-bit flag: -1 true, 0 false. Readers treat every other value as false.
inline bool isTrue(int16_t flag) { return flag == -1; }
inline int16_t flagOf(bool b) { return b ? int16_t(-1) : int16_t(0); }

// Text of a field with the padding removed: blanks and NUL bytes (a field read beyond the end
// of its file holds zero bytes) at both ends.
QString trimmed(const QString& field);
// Text of a field as stored, trailing padding kept, NUL bytes removed.
QString asStored(const QString& field);

class FieldReader {
 public:
  FieldReader(const char* data, int length) : d_(data), n_(length) {}
  void i16(int16_t& v) { get(&v, 2); }
  void i32(int32_t& v) { get(&v, 4); }
  void flag(int16_t& v) { get(&v, 2); }
  void fixed(Fixed& v) { get(&v.raw, 8); }
  void single(float& v) { get(&v, 4); }
  void text(QString& v, int width) {
    v = cp1250::decode(d_ + pos_, width);
    pos_ += width;
  }
  int position() const { return pos_; }

 private:
  void get(void* v, int size) {
    std::memcpy(v, d_ + pos_, size);  // little-endian host
    pos_ += size;
  }
  const char* d_;
  int n_;
  int pos_ = 0;
};

class FieldWriter {
 public:
  explicit FieldWriter(char* data) : d_(data) {}
  void i16(const int16_t& v) { put(&v, 2); }
  void i32(const int32_t& v) { put(&v, 4); }
  void flag(const int16_t& v) { put(&v, 2); }
  void fixed(const Fixed& v) { put(&v.raw, 8); }
  void single(const float& v) { put(&v, 4); }
  // Encodes in code page 1250, cuts after `width` bytes, pads with blanks.
  void text(const QString& v, int width);
  int position() const { return pos_; }

 private:
  void put(const void* v, int size) {
    std::memcpy(d_ + pos_, v, size);
    pos_ += size;
  }
  char* d_;
  int pos_ = 0;
};

// Adds up the widths of a field list, so tests can check every record's length.
class FieldSizer {
 public:
  void i16(const int16_t&) { n_ += 2; }
  void i32(const int32_t&) { n_ += 4; }
  void flag(const int16_t&) { n_ += 2; }
  void fixed(const Fixed&) { n_ += 8; }
  void single(const float&) { n_ += 4; }
  void text(const QString&, int width) { n_ += width; }
  int position() const { return n_; }

 private:
  int n_ = 0;
};

// Where one field of a record stands: its byte offset and width, found by walking the
// record's field list. `field` is the address of a member of `r` (an amount slot: its element).
struct FieldPos {
  int at = -1, width = 0;
};

class FieldLocator {
 public:
  explicit FieldLocator(const void* field) : field_(field) {}
  void i16(const int16_t& v) { step(&v, 2); }
  void i32(const int32_t& v) { step(&v, 4); }
  void flag(const int16_t& v) { step(&v, 2); }
  void fixed(const Fixed& v) { step(&v, 8); }
  void single(const float& v) { step(&v, 4); }
  void text(const QString& v, int width) { step(&v, width); }
  FieldPos found() const { return found_; }

 private:
  void step(const void* v, int width) {
    if (v == field_) found_ = {n_, width};
    n_ += width;
  }
  const void* field_;
  int n_ = 0;
  FieldPos found_;
};

template <class R>
FieldPos fieldPos(const R& r, const void* field) {
  FieldLocator l(field);
  const_cast<R&>(r).fields(l);
  return l.found();
}

template <class R>
int fieldLength() {
  R r{};
  FieldSizer s;
  r.fields(s);
  return s.position();
}

// Whole-record conversions. `bytes` shorter than the record reads as zeros beyond its end.
template <class R>
void decodeRecord(const QByteArray& bytes, R& r) {
  QByteArray b = bytes;
  if (b.size() < R::Length) b.append(QByteArray(R::Length - b.size(), '\0'));
  FieldReader rd(b.constData(), R::Length);
  r.fields(rd);
}

template <class R>
QByteArray encodeRecord(const R& r) {
  QByteArray b(R::Length, '\0');
  FieldWriter w(b.data());
  const_cast<R&>(r).fields(w);
  return b;
}
