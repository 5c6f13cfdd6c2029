#pragma once
// The label sheet (CimkeSetup.dat, 40 bytes) and the envelope picture (Kepment.dat, 283 bytes):
// record 1 of each, read at start-up by the main window.
#include <QString>

#include <array>
#include <cstdint>

#include "common/fields.h"

inline const QString kCimkeSetupFile = QStringLiteral("CimkeSetup.dat");
inline const QString kKepmentFile = QStringLiteral("Kepment.dat");

struct CimkeSetupRekord {
  static constexpr int Length = 40;
  Fixed Magas;   // label height, mm
  Fixed Szeles;  // label width, mm
  Fixed Top;     // top margin, mm
  Fixed Left;    // left margin, mm
  int16_t Oszlop = 0;  // labels per row
  int16_t Sor = 0;     // rows per sheet
  int32_t KinyomottCimkeNum = 0;  // printed-labels counter

  template <class F>
  void fields(F& f) {
    f.fixed(Magas);
    f.fixed(Szeles);
    f.fixed(Top);
    f.fixed(Left);
    f.i16(Oszlop);
    f.i16(Sor);
    f.i32(KinyomottCimkeNum);
  }
};

// The payer record number assigned to each label position (index 1..40; 0 = none, element 0
// unused). Kept in memory only.
using CimkeHelyek = std::array<int32_t, 41>;

struct KepmentRekord {
  static constexpr int Length = 283;
  QString KepUtvonal;       // 255: the picture file's path
  int32_t Tartalek1 = 0;    // two numbers start-up does not read
  int32_t Tartalek2 = 0;
  int16_t KepX = 0;         // left on the envelope preview, twips
  int16_t KepY = 0;         // top, twips
  Fixed KepSzelesseg;       // width, twips
  Fixed KepMagassag;        // height, twips

  template <class F>
  void fields(F& f) {
    f.text(KepUtvonal, 255);
    f.i32(Tartalek1);
    f.i32(Tartalek2);
    f.i16(KepX);
    f.i16(KepY);
    f.fixed(KepSzelesseg);
    f.fixed(KepMagassag);
  }
};
