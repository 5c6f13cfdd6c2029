#pragma once
// Reading the postcode tables from UTF-8 CSV sources (fields separated by ';', optionally in
// double quotes). The first data line is a header naming the columns in the required order;
// blank lines and lines starting with '#' are skipped. Every value is checked against its
// field (width in code page 1250, characters the code page holds, number ranges), so a bad
// line stops the build with a message naming the file and line instead of a wrong table.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "payerstore/lookuprecords.h"

namespace postcode {

inline const QStringList kTelepulesColumns{"Helyseg", "Kiegeszites", "Irsz"};
inline const QStringList kBudapestColumns{"Irsz", "Utca", "Kozterulet", "Varosresz",
                                          "HszTol", "HszIg", "Kerulet"};

// Splits one CSV line. False (with the reason) for an unterminated quote.
bool splitLine(const QString& line, QStringList& fields, QString* error);

// Parses a whole CSV source; `name` is used in messages ("name:line: ...").
bool parseTelepulesek(const QByteArray& csv, const QString& name, QList<TelepulesRekord>& out,
                      QString* error);
bool parseBudapest(const QByteArray& csv, const QString& name, QList<BudapestRekord>& out,
                   QString* error);

// Reads `csvPath` and writes the table to `datPath` in one go (nothing is left behind on
// failure). `kind` is "telepulesek" or "budapest". Returns the record count, or -1.
int build(const QString& kind, const QString& csvPath, const QString& datPath, QString* error);

}  // namespace postcode
