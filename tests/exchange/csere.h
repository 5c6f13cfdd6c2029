#pragma once
// Shared helpers of the exchange tests: a program folder with a payer pair, and the pair read back.
#include <QByteArray>
#include <QString>

#include "common/fields.h"
#include "payerstore/nevekrekord.h"
#include "support/tempfolder.h"

inline NevekRekord fizeto(int i, int32_t osszeg = 0) {
  NevekRekord r;
  r.Nev = QStringLiteral("Ügyfél %1").arg(i);
  r.Helyseg = QStringLiteral("Győr");
  r.Cim = QStringLiteral("Fő út %1.").arg(i);
  r.Irsz = QStringLiteral("9021");
  r.Osszegek[0] = osszeg ? osszeg : 100 * i;
  r.BefizAzonosito = QStringLiteral("AZ%1").arg(i);
  return r;
}
inline Kozl3sorRekord kozlemeny(int i) {
  Kozl3sorRekord k;
  k.Kozlemeny = QStringLiteral("Közlemény %1").arg(i);
  k.KuldemenyAzonosito = QStringLiteral("RL%1").arg(i);
  return k;
}
// Payers 1..n into nevek1.dat, notices 1..m into kozl3sor.dat.
inline void parIr(const TempFolder& f, int n, int m = -1) {
  QByteArray a, b;
  for (int i = 1; i <= n; ++i) a += encodeRecord(fizeto(i));
  for (int i = 1; i <= (m < 0 ? n : m); ++i) b += encodeRecord(kozlemeny(i));
  f.put(kNevekFile, a);
  f.put(kKozl3sorFile, b);
}
template <class R>
R rekordja(const QByteArray& fajl, int n) {
  R r;
  decodeRecord(fajl.mid(qsizetype(n - 1) * R::Length, R::Length), r);
  return r;
}
inline QString nev(const TempFolder& f, int n) { return trimmed(rekordja<NevekRekord>(f.bytes(kNevekFile), n).Nev); }
inline int fizetokSzama(const TempFolder& f) { return int(f.bytes(kNevekFile).size() / NevekRekord::Length); }
