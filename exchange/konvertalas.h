#pragma once
// Conversion of the previous version's payer file: nevek1.dat of 237-byte records becomes a
// nevek1.dat of NevekRekord (271 bytes); the old file is kept as nevekR.dat. kozl3sor.dat is
// not touched.
#include <QString>

#include <array>
#include <cstdint>

#include "common/fields.h"
#include "payerstore/nevekrekord.h"

inline const QString kKonvTempFile = QStringLiteral("nevek.dat");
inline const QString kRegiMentesFile = QStringLiteral("nevekR.dat");

struct RegiNevekRekord {
  static constexpr int Length = 237;

  QString Nev;      // 30
  QString Nev2;     // 30
  QString Helyseg;  // 20
  QString Cim;      // 45
  int16_t Irsz = 0;
  std::array<int32_t, 20> Osszegek{};
  QString BefizAzonosito;  // 30

  template <class F>
  void fields(F& f) {
    f.text(Nev, 30);
    f.text(Nev2, 30);
    f.text(Helyseg, 20);
    f.text(Cim, 45);
    f.i16(Irsz);
    for (auto& o : Osszegek) f.i32(o);
    f.text(BefizAzonosito, 30);
  }
};

// The current payer record of an old one: texts with their padding, the postcode as decimal
// text, amounts 1 to 12, no deadline, no foreign address.
NevekRekord konvertal(const RegiNevekRekord& r);

enum class KonvAllapot { Kesz, NincsMit, NemRegi, VanMentes, Hiba };
struct KonvEredmeny {
  KonvAllapot allapot = KonvAllapot::Hiba;
  int32_t rekordok = 0;  // records converted
  QString hiba;          // Hungarian reason for Hiba and NemRegi; a warning for Kesz
};

// Converts nevek1.dat. Refuses (and changes nothing) when the file is missing or empty
// (NincsMit), is not taken as an old-layout file (NemRegi, `hiba` says what was found) or
// nevekR.dat already exists (VanMentes). A length of whole 237-byte records that is no whole
// number of 271-byte ones is an old file, converted whatever its fields hold; only where both
// divide it (64,227 bytes and its multiples) do its fields decide. Writes nevek.dat fresh, keeps
// the old file as nevekR.dat, flushes the folder, puts the converted one in its place and flushes
// the folder again: done only then. On any failure the old nevek1.dat stays and the files the
// conversion made are removed.
KonvEredmeny Konvertalas(const QString& folder);

// Start-up: a conversion that stopped before its rename was on the disk is undone. The new file
// nevek.dat goes, and so does a nevekR.dat that is the payer file itself (nevek1.dat is then the
// old file), so that the next conversion is not refused. A nevekR.dat of a finished conversion
// stays. Returns what the user is to be told once (empty: nothing).
QString konvertalasHelyreallitas(const QString& folder);
