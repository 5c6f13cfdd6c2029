#pragma once
// The check every dialog runs before it stores text in a record file. Texts are stored in
// composed form (NFC) in code page 1250; a text that still holds characters the code page
// cannot hold is refused with a message naming them, so nothing is stored as "?" behind the
// user's back. The payer dialog, the settings dialog, the legal-title and notice lists, the
// label and the posting-list settings all use it.
#include <QString>
#include <QStringList>

// The characters of `text`, taken in NFC, that code page 1250 cannot hold: each once, in the
// order they first appear (a character outside the basic plane is one character).
QStringList kodlapIdegen(const QString& text);

// Empty when every text can be stored; else the Hungarian message naming the characters that
// cannot. With `mezo`, the message names the box too.
QString kodlapHiba(const QStringList& texts, const QString& mezo = {});
