#include "exchange/konvertalas.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "common/recordfile.h"
#include "exchange/fajlok.h"

NevekRekord konvertal(const RegiNevekRekord& r) {
  NevekRekord n;
  n.Nev = r.Nev;
  n.Nev2 = r.Nev2;
  n.Helyseg = r.Helyseg;
  n.Cim = r.Cim;
  n.Irsz = QString::number(r.Irsz);
  for (size_t i = 0; i < n.Osszegek.size(); ++i) n.Osszegek[i] = r.Osszegek[i];
  n.BefizAzonosito = r.BefizAzonosito;
  return n;
}

namespace {

// Keeps the old file under the backup name without ever replacing an existing backup: a hard
// link where the file system has them, else a copy into a file that must not exist yet.
bool mentes(const QString& regi, const QString& cel, const QByteArray& tartalom, bool* letezik) {
  const QByteArray c = QFile::encodeName(cel);
  if (::link(QFile::encodeName(regi).constData(), c.constData()) == 0) return true;
  if (errno == EEXIST) {
    *letezik = true;
    return false;
  }
  const int fd = ::open(c.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) {
    *letezik = errno == EEXIST;
    return false;
  }
  qsizetype kesz = 0;
  while (kesz < tartalom.size()) {
    const ssize_t n = ::write(fd, tartalom.constData() + kesz, size_t(tartalom.size() - kesz));
    if (n <= 0) break;
    kesz += n;
  }
  const bool ok = kesz == tartalom.size() && ::fsync(fd) == 0;
  ::close(fd);
  if (!ok) QFile::remove(cel);
  return ok;
}

}  // namespace

KonvEredmeny Konvertalas(const QString& folder) {
  KonvEredmeny e;
  const QDir dir(folder);
  const QString regiPath = dataPath(folder, kNevekFile);
  QFile regi(regiPath);
  if (!regi.exists() || regi.size() == 0) {
    e.allapot = KonvAllapot::NincsMit;
    return e;
  }
  if (!regi.open(QIODevice::ReadOnly)) {
    e.hiba = QStringLiteral("A(z) %1 fájl nem olvasható: %2").arg(kNevekFile, regi.errorString());
    return e;
  }
  const QByteArray tartalom = regi.readAll();
  regi.close();
  const qsizetype L = RegiNevekRekord::Length;
  if (tartalom.size() % L != 0 || tartalom.size() % NevekRekord::Length == 0) {
    e.allapot = KonvAllapot::NemRegi;
    return e;
  }
  const int32_t count = int32_t(tartalom.size() / L);
  QByteArray uj;
  uj.reserve(qsizetype(count) * NevekRekord::Length);
  for (int32_t r = 0; r < count; ++r) {
    RegiNevekRekord o;
    decodeRecord(tartalom.mid(qsizetype(r) * L, L), o);
    if (o.Irsz < 0 || o.Irsz > 9999) {
      e.allapot = KonvAllapot::NemRegi;
      return e;
    }
    uj += encodeRecord(konvertal(o));
  }
  const QString mentesPath = dataPath(folder, kRegiMentesFile);
  if (QFileInfo::exists(mentesPath)) {
    e.allapot = KonvAllapot::VanMentes;
    return e;
  }
  const QString temp = dir.filePath(kKonvTempFile);
  if (!irTeljes(temp, uj)) {
    QFile::remove(temp);
    e.hiba = QStringLiteral("Az ideiglenes %1 fájl nem írható.").arg(kKonvTempFile);
    return e;
  }
  bool letezik = false;
  if (!mentes(regiPath, mentesPath, tartalom, &letezik)) {
    QFile::remove(temp);
    if (letezik) {
      e.allapot = KonvAllapot::VanMentes;
      return e;
    }
    e.hiba = QStringLiteral("A régi adatbázis nem menthető %1 néven.").arg(kRegiMentesFile);
    return e;
  }
  // One rename puts the converted file in place; until it succeeds the old one is still there.
  if (!atnevez(temp, regiPath)) {
    QFile::remove(temp);
    QFile::remove(mentesPath);
    e.hiba = QStringLiteral("A(z) %1 fájl nem cserélhető le; a régi adatbázis változatlan.").arg(kNevekFile);
    return e;
  }
  e.allapot = KonvAllapot::Kesz;
  e.rekordok = count;
  return e;
}
