#include "exchange/csvexport.h"

#include <QFileInfo>
#include <QStringList>

#include <fcntl.h>

#include "common/felkesz.h"
#include "common/recordfile.h"
#include "exchange/csvsor.h"
#include "exchange/fajlok.h"
#include "payerstore/fizetopar.h"

ExportEredmeny csvExport(const QString& folder, const QString& celPath) {
  ExportEredmeny e;
  const QString nev = QFileInfo(celPath).fileName();
  const Valasz<bool> sajat = sajatAdatfajl(folder, celPath);
  if (!sajat) {
    e.hiba = sajat.hiba().nemOlvashato(nev);
    return e;
  }
  if (*sajat) {
    e.hiba = QStringLiteral("A(z) %1 a program saját adatfájlja, nem lehet bele exportálni.").arg(nev);
    return e;
  }
  const int L = NevekRekord::Length, K = Kozl3sorRekord::Length;
  const Valasz<bool> volt = vanNeven(celPath);
  if (!volt) {
    e.hiba = volt.hiba().nemOlvashato(nev);
    return e;
  }
  e.volt = *volt;
  FelkeszFajl f(celPath);
  // An unfinished file that could not be removed is said.
  auto lemezen = [&] { return f.maradvany().isEmpty() ? QString() : QStringLiteral("\r\n") + f.maradvany(); };
  if (!f.ok()) {
    e.hiba = QStringLiteral("A(z) %1 fájl nem hozható létre: %2").arg(nev, f.hiba().miert()) + lemezen();
    return e;
  }
  auto nemIrhato = [&] {
    return QStringLiteral("A(z) %1 fájl nem írható: %2").arg(nev, f.hiba().miert()) + lemezen();
  };
  // A block of records at a time, each block's lines written before the next is read: memory
  // stays the same whatever the size of the list.
  constexpr int32_t kBlokk = 4096;
  FizetoPar par(folder);
  // A length that cannot be asked is a read that failed: the old export stays.
  const Valasz<int32_t> nDb = par.count(), kDb = par.kozlCount();
  if (!nDb || !kDb) {
    e.hiba = QStringLiteral("Az adatbázis nem exportálható.\r\n") + par.hiba();
    return e;
  }
  const int32_t count = *nDb;
  const int32_t kc = std::min(*kDb, count);
  QByteArray nevek(qsizetype(kBlokk) * L, Qt::Uninitialized), kozl(qsizetype(kBlokk) * K, Qt::Uninitialized);
  QByteArray ki;
  ki.reserve(qsizetype(kBlokk) * CsvSor::Length);
  const QByteArray ures = encodeRecord(Kozl3sorRekord{});
  CsvSorSzamlalo sz;
  off64_t kiirva = 0;
  for (int32_t elso = 1; elso <= count; elso += kBlokk) {
    const int32_t db = std::min(kBlokk, count - elso + 1);
    const int32_t kdb = std::clamp(kc - elso + 1, 0, db);
    FajlEredmeny olvasas;
    QString fajl;
    if (!par.olvas(FizetoPar::Nevek, elso, db, nevek.data(), olvasas, &fajl) ||
        !par.olvas(FizetoPar::Kozl, elso, kdb, kozl.data(), olvasas, &fajl)) {
      // The unfinished file goes; the target stays as it was.
      f.elvet();
      e.hiba = QStringLiteral("Az adatbázis nem exportálható.\r\n") + olvasas.nemOlvashato(fajl) + lemezen();
      return e;
    }
    ki.resize(qsizetype(db) * CsvSor::Length);
    for (int32_t r = 0; r < db; ++r) {
      const QByteArrayView n(nevek.constData() + qsizetype(r) * L, L);
      const QByteArrayView k = r < kdb ? QByteArrayView(kozl.constData() + qsizetype(r) * K, K) : QByteArrayView(ures);
      csvSor(n, k, ki.data() + qsizetype(r) * CsvSor::Length, &sz);
    }
    if (!f.ir(ki.constData(), ki.size())) {
      e.hiba = nemIrhato();
      return e;
    }
    // The disk starts on each block while the next one is made, so the flush at the end finds
    // little left to write.
    ::sync_file_range(f.fd(), kiirva, ki.size(), SYNC_FILE_RANGE_WRITE);
    kiirva += ki.size();
  }
  // Done only once the file and its folder are on the disk.
  if (!f.kesz()) {
    e.nemBiztos = f.hol() == FelkeszFajl::Hol::Mappa;
    e.hiba = e.nemBiztos ? QStringLiteral("A(z) %1 fájl elkészült, de a lemez hibát jelzett a mappája kiírásakor, "
                                          "ezért nem biztos, hogy megmarad: %2")
                               .arg(nev, f.hiba().miert())
                         : nemIrhato();
    if (!e.nemBiztos) return e;
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
