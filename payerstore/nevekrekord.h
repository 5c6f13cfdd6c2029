#pragma once
// The payer files: nevek1.dat holds one NevekRekord per payer, kozl3sor.dat the payer's notice
// record under the same record number. Record numbers are the payers' identity everywhere.
#include <QString>

#include <array>
#include <cstdint>

#include "common/fields.h"

inline const QString kNevekFile = QStringLiteral("nevek1.dat");
inline const QString kKozl3sorFile = QStringLiteral("kozl3sor.dat");
// Temporary files of a payer deletion.
inline const QString kNevekTempFile = QStringLiteral("nevx.dat");
inline const QString kKozl3sorTempFile = QStringLiteral("xxkoz.dat");

// An amount slot holds an amount when 1 <= value < 9999999; 0 marks an empty slot and values
// of 9999999 and above are never listed or shown.
constexpr int32_t kOsszegHatar = 9999999;
constexpr bool isOsszeg(int32_t v) { return v >= 1 && v < kOsszegHatar; }

struct NevekRekord {
  static constexpr int Length = 271;
  // Byte offsets and widths of the fields the list reads straight from a block of records.
  static constexpr int NevAt = 0, NevWidth = 36;
  static constexpr int HelysegAt = 72, HelysegWidth = 40;
  static constexpr int CimAt = 112, CimWidth = 45;
  static constexpr int IrszAt = 157, IrszWidth = 6;

  QString Nev;      // 36: name, first line
  QString Nev2;     // 36: second name line; foreign address: street address
  QString Helyseg;  // 40: settlement; foreign address: postcode and town
  QString Cim;      // 45: street address; foreign address: country
  QString Irsz;     // 6: postcode, stored trimmed; blank for a foreign address
  std::array<int32_t, 12> Osszegek{};  // amounts in whole forints, slots 1 to 12 (index 0 to 11)
  QString BefizAzonosito;  // 30: payer identifier
  QString FizHatIdo;       // 28: payment-deadline text
  int16_t KulfCim = 0;     // flag: foreign address

  template <class F>
  void fields(F& f) {
    f.text(Nev, 36);
    f.text(Nev2, 36);
    f.text(Helyseg, 40);
    f.text(Cim, 45);
    f.text(Irsz, 6);
    for (auto& o : Osszegek) f.i32(o);
    f.text(BefizAzonosito, 30);
    f.text(FizHatIdo, 28);
    f.flag(KulfCim);
  }
};

struct Kozl3sorRekord {
  static constexpr int Length = 135;

  QString Kozlemeny;           // 20: notice line of the payment slip
  QString IratFajta;           // 20: kind of the official document
  QString IratSzam;            // 20: its number
  QString IratMelleklet;       // 20: its attachment
  QString UgyfelSajatJelzese;  // 25: the customer's own reference
  QString KuldemenyAzonosito;  // 30: item identifier

  template <class F>
  void fields(F& f) {
    f.text(Kozlemeny, 20);
    f.text(IratFajta, 20);
    f.text(IratSzam, 20);
    f.text(IratMelleklet, 20);
    f.text(UgyfelSajatJelzese, 25);
    f.text(KuldemenyAzonosito, 30);
  }
};
