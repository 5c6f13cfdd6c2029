#include "exchange/csvexport.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include "common/recordfile.h"
#include "common/rendszerhiba.h"
#include "exchange/csvsor.h"
#include "exchange/fajlok.h"
#include "records/fizetopar.h"

ExportEredmeny csvExport(const QString& folder, const QString& celPath) {
  ExportEredmeny e;
  const QString nev = QFileInfo(celPath).fileName();
  if (sajatAdatfajl(folder, celPath)) {
    e.hiba = QStringLiteral("A(z) %1 a program saját adatfájlja, nem lehet bele exportálni.").arg(nev);
    return e;
  }
  const int L = NevekRekord::Length, K = Kozl3sorRekord::Length;
  QByteArray nevek, kozl;
  int32_t count = 0, kc = 0;
  {
    FizetoPar par(folder);
    count = par.count();
    nevek = par.nevekRange(1, count);
    kc = std::min(par.kozlCount(), count);
    kozl = par.kozlRange(1, kc);
  }
  QByteArray ki;
  ki.reserve(qsizetype(count) * CsvSor::Length);
  const QByteArray ures = encodeRecord(Kozl3sorRekord{});
  CsvSorSzamlalo sz;
  for (int32_t r = 0; r < count; ++r) {
    const QByteArray n = QByteArray::fromRawData(nevek.constData() + qsizetype(r) * L, L);
    const QByteArray k = r < kc ? QByteArray::fromRawData(kozl.constData() + qsizetype(r) * K, K) : ures;
    ki += csvSor(n, k, &sz);
  }
  QSaveFile f(celPath);
  if (!f.open(QIODevice::WriteOnly)) {
    e.hiba = QStringLiteral("A(z) %1 fájl nem hozható létre: %2").arg(nev, rendszerHiba(f));
    return e;
  }
  if (f.write(ki) != ki.size() || !f.commit()) {
    e.hiba = QStringLiteral("A(z) %1 fájl nem írható: %2").arg(nev, rendszerHiba(f));
    return e;
  }
  e.fizetok = count;
  e.csere = sz.csere;
  e.csonkitott = sz.csonkitott;
  return e;
}

QString exportUzenet(const ExportEredmeny& e) {
  QStringList s;
  s << QStringLiteral("Az adatbázis exportálása befejeződött.") << QString()
    << QStringLiteral("Kiírt ügyfelek száma: %1").arg(e.fizetok);
  if (e.csere > 0)
    s << QStringLiteral("Módosított mező (a ';' helyett ',', a '\"' elhagyva): %1").arg(e.csere);
  if (e.csonkitott > 0) s << QStringLiteral("A mezőszélességre vágott érték: %1").arg(e.csonkitott);
  return s.join(QStringLiteral("\r\n"));
}
