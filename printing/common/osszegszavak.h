#pragma once
// The two parts of an amount written in words (see printing/slips/osszegbetuvel.h).
#include <QString>

struct OsszegSzavak {
  QString ezresek;  // millions and thousands (AzazEzresek, txtSzoveg21)
  QString egyesek;  // hundreds, tens and units (AzazEgyesek, txtSzoveg11)
  friend bool operator==(const OsszegSzavak&, const OsszegSzavak&) = default;
};
