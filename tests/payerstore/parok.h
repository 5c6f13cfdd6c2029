#pragma once
// Payer and notice files for the dialog tests: payer i is named "Ügyfél i" and its notice
// fields all end in i, so a test can see which notice travels with which payer.
#include <QByteArray>
#include <QString>

#include "common/fields.h"
#include "payerstore/nevekrekord.h"

inline NevekRekord parFizeto(int i) {
  NevekRekord r;
  r.Nev = QStringLiteral("Ügyfél %1").arg(i);
  r.Nev2 = QStringLiteral("Második sor %1").arg(i);
  r.Helyseg = QStringLiteral("Győr");
  r.Cim = QStringLiteral("Fő út %1.").arg(i);
  r.Irsz = QStringLiteral("9021");
  r.Osszegek[0] = 1000 * i;
  r.Osszegek[4] = 50 + i;
  r.BefizAzonosito = QStringLiteral("AZ%1").arg(i);
  r.FizHatIdo = QStringLiteral("2026.12.%1").arg(10 + i);
  return r;
}

inline Kozl3sorRekord parKozlemeny(int i) {
  Kozl3sorRekord k;
  k.Kozlemeny = QStringLiteral("Közlemény %1").arg(i);
  k.IratFajta = QStringLiteral("Határozat %1").arg(i);
  k.IratSzam = QStringLiteral("Szám %1").arg(i);
  k.IratMelleklet = QStringLiteral("Melléklet %1").arg(i);
  k.UgyfelSajatJelzese = QStringLiteral("Jelzés %1").arg(i);
  k.KuldemenyAzonosito = QStringLiteral("RL%1").arg(i);
  return k;
}

// Payers 1..n, and notices 1..m (m < n: a notice file shorter than the payer file).
inline QByteArray parNevek(int n) {
  QByteArray b;
  for (int i = 1; i <= n; ++i) b += encodeRecord(parFizeto(i));
  return b;
}
inline QByteArray parKozlemenyek(int m) {
  QByteArray b;
  for (int i = 1; i <= m; ++i) b += encodeRecord(parKozlemeny(i));
  return b;
}

template <class R>
R rekord(const QByteArray& file, int n) {
  R r;
  decodeRecord(file.mid(qsizetype(n - 1) * R::Length, R::Length), r);
  return r;
}
