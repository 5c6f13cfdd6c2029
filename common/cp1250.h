#pragma once
// Code page 1250 (Windows Central European): the single-byte text of every record file.
#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

namespace cp1250 {

// The code page's byte of each code point up to U+2122, its highest (0: not in the code page);
// the lower half maps to itself.
extern const std::array<uint8_t, 0x2123> kBytes;

// The byte of code point `u`, or -1 when the code page lacks it.
inline int byteOf(char32_t u) {
  if (u < 0x80) return int(u);
  if (u < kBytes.size() && kBytes[u] != 0) return kBytes[u];
  return -1;
}

// Decodes bytes one to one. Bytes the code page leaves unassigned map to the code point of
// the same value, so every byte round-trips.
QString decode(const char* bytes, int length);
inline QString decode(const QByteArray& b) { return decode(b.constData(), int(b.size())); }

// Encodes one character; a character the code page cannot hold becomes '?'.
char encodeChar(QChar c);
// Encodes the text's composed form (NFC). Dialogs refuse texts with characters the code page
// cannot hold before they store them (kodlap.h), so the '?' is a last resort.
QByteArray encode(const QString& text);
// The same into `out`: the first `width` bytes of the encoded text; returns how many.
int encode(const QString& text, char* out, int width);

}  // namespace cp1250
