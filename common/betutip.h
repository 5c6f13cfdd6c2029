#pragma once
// The fonts of the five address-label lines (name, second name line, settlement, street,
// postcode): the names in Betutip.dat (150 bytes), the sizes in Betumeret.dat (10 bytes).
// Saved by the main window's font panel, read by the label printers.
#include <QString>

#include <array>
#include <cstdint>

inline const QString kBetutipFile = QStringLiteral("Betutip.dat");
inline const QString kBetumeretFile = QStringLiteral("Betumeret.dat");

struct BetutipRekord {
  static constexpr int Length = 150;
  // BetutipNev, BetutipNev2, BetutipHelyseg, BetutipCim, BetutipIrsz (30 bytes each)
  std::array<QString, 5> nevek;
  QString& BetutipNev() { return nevek[0]; }
  QString& BetutipNev2() { return nevek[1]; }
  QString& BetutipHelyseg() { return nevek[2]; }
  QString& BetutipCim() { return nevek[3]; }
  QString& BetutipIrsz() { return nevek[4]; }

  template <class F>
  void fields(F& f) {
    for (auto& n : nevek) f.text(n, 30);
  }
};

struct BetumeretRekord {
  static constexpr int Length = 10;
  // BetumeretNev, BetumeretNev2, BetumeretHelyseg, BetumeretCim, BetumeretIrsz (points)
  std::array<int16_t, 5> meretek{};

  template <class F>
  void fields(F& f) {
    for (auto& m : meretek) f.i16(m);
  }
};
