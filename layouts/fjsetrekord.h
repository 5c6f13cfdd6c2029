#pragma once
// The posting-list settings (FjSet.dat, 104 bytes, record 1): where the printed posting list
// starts on the sheet and which spreadsheet program opens the empty posting-list sheet.
#include <QString>

#include <cstdint>

#include "common/fields.h"

inline const QString kFjSetFile = QStringLiteral("FjSet.dat");

struct FjSetRekord {
  static constexpr int Length = 104;
  int16_t Bal = 0;       // left edge of the name column, mm
  int16_t Felso = 0;     // top of the first line, mm
  QString ExcelUtvonal;  // 100: the spreadsheet program, trimmed when stored

  template <class F>
  void fields(F& f) {
    f.i16(Bal);
    f.i16(Felso);
    f.text(ExcelUtvonal, 100);
  }
};
