#include "common/cp1250.h"

#include <algorithm>
#include <cstring>

namespace cp1250 {
namespace {

// Upper half of the published Windows-1250 mapping, bytes 0x80 to 0xFF. Unassigned bytes
// (0x81, 0x83, 0x88, 0x90, 0x98) carry their own value.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

// Every byte's character.
constexpr std::array<char16_t, 256> kKarakterek = [] {
  std::array<char16_t, 256> t{};
  for (int b = 0; b < 256; ++b) t[size_t(b)] = b < 0x80 ? char16_t(b) : kHigh[size_t(b - 0x80)];
  return t;
}();

// A text is encoded character by character, without composing it first, when the code page
// holds each of its characters: such a text is already in composed form (none of them is a
// combining mark, decomposes or composes with its neighbour). Else -1.
int straight(const QString& text, char* out, int width) {
  const qsizetype n = text.size();
  const char16_t* s = reinterpret_cast<const char16_t*>(text.constData());
  for (qsizetype i = 0; i < n; ++i)
    if (byteOf(s[i]) < 0) return -1;
  const int m = int(std::min<qsizetype>(n, width));
  for (int i = 0; i < m; ++i) out[i] = char(byteOf(s[i]));
  return m;
}

QByteArray composedEncode(const QString& input) {
  // Composed form first: a decomposed "O" + double acute is the code page's one byte F5.
  const QString text = input.normalized(QString::NormalizationForm_C);
  QByteArray out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    // A character outside the basic plane is one character: one '?'.
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    out.append(encodeChar(c));
  }
  return out;
}

}  // namespace

// The first byte that maps a code point wins (the code page's own characters are distinct).
constexpr std::array<uint8_t, 0x2123> kBytes = [] {
  std::array<uint8_t, 0x2123> t{};
  for (int i = 0; i < 128; ++i)
    if (t[kHigh[size_t(i)]] == 0) t[kHigh[size_t(i)]] = uint8_t(0x80 + i);
  return t;
}();

QString decode(const char* bytes, int length) {
  QString out(length, Qt::Uninitialized);
  char16_t* d = reinterpret_cast<char16_t*>(out.data());
  for (int i = 0; i < length; ++i) d[i] = kKarakterek[static_cast<unsigned char>(bytes[i])];
  return out;
}

char encodeChar(QChar c) {
  const int b = byteOf(c.unicode());
  return b < 0 ? '?' : char(b);
}

QByteArray encode(const QString& text) {
  QByteArray out(text.size(), Qt::Uninitialized);
  const int n = straight(text, out.data(), int(std::min<qsizetype>(text.size(), INT32_MAX)));
  if (n < 0) return composedEncode(text);
  out.truncate(n);
  return out;
}

int encode(const QString& text, char* out, int width) {
  const int n = straight(text, out, width);
  if (n >= 0) return n;
  const QByteArray b = composedEncode(text);
  const int m = int(std::min<qsizetype>(b.size(), width));
  std::memcpy(out, b.constData(), size_t(m));
  return m;
}

}  // namespace cp1250
