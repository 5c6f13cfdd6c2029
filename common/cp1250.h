#pragma once
// Code page 1250 (Windows Central European): the single-byte text of every record file.
#include <QByteArray>
#include <QString>

namespace cp1250 {

// Decodes bytes one to one. Bytes the code page leaves unassigned map to the code point of
// the same value, so every byte round-trips.
QString decode(const char* bytes, int length);
inline QString decode(const QByteArray& b) { return decode(b.constData(), int(b.size())); }

// Encodes one character; a character the code page cannot hold becomes '?'.
char encodeChar(QChar c);
// Encodes the text's composed form (NFC). Dialogs refuse texts with characters the code page
// cannot hold before they store them (kodlap.h), so the '?' is a last resort.
QByteArray encode(const QString& text);

}  // namespace cp1250
