#pragma once
// Payer files for tests: records built field by field, written into a test's program folder.
#include <QByteArray>
#include <QString>

#include <initializer_list>

#include "common/fields.h"
#include "payerstore/nevekrekord.h"

struct Fizeto {
  QString nev, helyseg = {}, cim = {}, irsz = {};
};

inline QByteArray fizetoRekord(const Fizeto& f) {
  NevekRekord r;
  r.Nev = f.nev;
  r.Helyseg = f.helyseg;
  r.Cim = f.cim;
  r.Irsz = f.irsz;
  return encodeRecord(r);
}

inline QByteArray fizetokFajl(std::initializer_list<Fizeto> fizetok) {
  QByteArray b;
  for (const Fizeto& f : fizetok) b += fizetoRekord(f);
  return b;
}

// n payers named "Fizető 1" .. "Fizető n".
inline QByteArray szamozottFizetok(int n) {
  QByteArray b;
  for (int i = 1; i <= n; ++i) b += fizetoRekord({QStringLiteral("Fizető %1").arg(i), QStringLiteral("Pécs"), QStringLiteral("Fő tér %1.").arg(i), QStringLiteral("7621")});
  return b;
}
