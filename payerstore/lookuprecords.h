#pragma once
// The two read-only postcode tables beside the program: Telepulesek.dat (settlements with
// their postcodes) and Budapest.dat (street sections of Budapest with postcode, house-number
// range and district). The program only reads them; tools/postcodegen builds them.
#include <QString>

#include <cstdint>

#include "common/fields.h"

inline const QString kTelepulesekFile = QStringLiteral("Telepulesek.dat");
inline const QString kBudapestFile = QStringLiteral("Budapest.dat");

struct TelepulesRekord {
  static constexpr int Length = 42;

  QString Helyseg;      // 20: settlement name
  QString Kiegeszites;  // 20: second text of the row (settlement part), shown in the pick list
  int16_t Irsz = 0;     // postcode

  template <class F>
  void fields(F& f) {
    f.text(Helyseg, 20);
    f.text(Kiegeszites, 20);
    f.i16(Irsz);
  }
};

// Codes of BudapestRekord::HszTol (0 and below) and HszIg (0).
constexpr int16_t kHszTobbi = -3;     // the remaining numbers
constexpr int16_t kHszParos = -2;     // the even numbers
constexpr int16_t kHszParatlan = -1;  // the odd numbers
constexpr int16_t kHszMind = 0;       // all numbers
constexpr int16_t kHszVegig = 0;      // HszIg: to the end of the street

struct BudapestRekord {
  static constexpr int Length = 62;

  int16_t Irsz = 0;    // postcode of the street section
  QString Utca;        // 25: street name without its kind
  QString Kozterulet;  // 10: kind of public place (utca, tér, körút, ...)
  QString Varosresz;   // 15: part of the city
  int16_t HszTol = 0;  // first house number, or one of the codes above
  int16_t HszIg = 0;   // last house number, 0 = to the end of the street
  QString Kerulet;     // 6: district

  template <class F>
  void fields(F& f) {
    f.i16(Irsz);
    f.text(Utca, 25);
    f.text(Kozterulet, 10);
    f.text(Varosresz, 15);
    f.i16(HszTol);
    f.i16(HszIg);
    f.text(Kerulet, 6);
  }
};

// House-number texts of the pick list.
inline QString hszTolSzoveg(int16_t v) {
  switch (v) {
    case kHszTobbi: return QStringLiteral("Többi");
    case kHszParos: return QStringLiteral("Páros");
    case kHszParatlan: return QStringLiteral("Páratlan");
    case kHszMind: return QStringLiteral("Mind");
    default: return QString::number(v);
  }
}
inline QString hszIgSzoveg(int16_t v) {
  return v == kHszVegig ? QStringLiteral("Végig") : QString::number(v);
}

// The street as written into the street box: name and kind, each without trailing blanks,
// joined by one space.
inline QString utcaSzoveg(const BudapestRekord& r) {
  auto right = [](QString s) {
    s.remove(QChar(0));
    while (!s.isEmpty() && s.back() == QChar(' ')) s.chop(1);
    return s;
  };
  return right(r.Utca) + QChar(' ') + right(r.Kozterulet);
}
