#include "records/fizetocsere.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/recordfile.h"
#include "common/rendszerhiba.h"
#include "records/fizetomentes.h"
#include "records/nevekrekord.h"
#include "records/ujpar.h"

namespace {

const QByteArray kFejlec1 = "LAVINDOR FIZETOCSERE 1\n";
const QByteArray kFejlec2 = "LAVINDOR FIZETOCSERE 2\n";
const QByteArray kVege = "VEGE\n";
const QByteArray kForrasJel = "FORRAS";
// A backup name for a file that did not exist before the change.
const QString kNincs = QStringLiteral("-");

// Leftovers of a change that no journal names: temporary files (also the fixed names of
// earlier versions) and backups.
const QStringList kMaradekMintak = {QStringLiteral("nevx*.dat"), QStringLiteral("xxkoz*.dat"),
                                    QStringLiteral("nevek1-*.bak"), QStringLiteral("kozl3sor-*.bak")};

QByteArray enc(const QString& path) { return QFile::encodeName(path); }

// False with errno set on failure.
bool fsyncUt(const QString& path, int flags) {
  const int fd = ::open(enc(path).constData(), O_RDONLY | O_CLOEXEC | flags);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  const int hiba = errno;
  ::close(fd);
  errno = hiba;
  return ok;
}
// Flushes a file's contents to the disk.
bool fsyncFajl(const QString& path) { return fsyncUt(path, 0); }

bool atnevez(const QString& from, const QString& to) {
  return ::rename(enc(from).constData(), enc(to).constData()) == 0;
}

bool torol(const QString& path) { return ::unlink(enc(path).constData()) == 0 || errno == ENOENT; }

bool regularis(const QString& path) {
  const QFileInfo fi(path);
  return fi.exists() && fi.isFile();
}

QString veletlenJel() {
  return QStringLiteral("%1-%2")
      .arg(QCoreApplication::applicationPid())
      .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// One rename of the journal: a new file in the folder, the file it replaces, the new file's
// size (-1: not recorded) and the backup of the replaced file (kNincs: there was none; empty:
// not recorded, a journal of an earlier version).
struct Atnevezes {
  QString honnan, hova;
  qint64 meret = -1;
  QString mentes;
};
struct Naplo {
  Atnevezes a[2];
  QString forras;  // absolute path of the change's source file; empty for none
};

QByteArray naploTartalom(const Naplo& n) {
  QByteArray out = kFejlec2;
  for (const Atnevezes& r : n.a)
    out += r.honnan.toUtf8() + '\t' + r.hova.toUtf8() + '\t' + QByteArray::number(r.meret) + '\t' +
           r.mentes.toUtf8() + '\n';
  if (!n.forras.isEmpty()) out += kForrasJel + '\t' + enc(n.forras).toPercentEncoding() + '\n';
  return out + kVege;
}

bool simaNev(const QString& n) { return !n.isEmpty() && !n.contains('/') && n != "." && n != ".."; }

// A whole journal; nothing for a missing, torn or foreign one.
std::optional<Naplo> naploOlvas(const QString& path) {
  // Read without blocking: anything else than a regular file reads as nothing.
  const QByteArray all = regularisOlvasas(path, 65536);
  const bool v1 = all.startsWith(kFejlec1);
  if ((!v1 && !all.startsWith(kFejlec2)) || !all.endsWith(kVege)) return std::nullopt;
  QList<QByteArray> sorok = all.mid(kFejlec1.size(), all.size() - kFejlec1.size() - kVege.size()).split('\n');
  if (sorok.isEmpty() || !sorok.takeLast().isEmpty()) return std::nullopt;
  Naplo n;
  if (!v1 && sorok.size() == 3) {
    const QList<QByteArray> m = sorok.takeLast().split('\t');
    if (m.size() != 2 || m[0] != kForrasJel) return std::nullopt;
    n.forras = QFile::decodeName(QByteArray::fromPercentEncoding(m[1]));
    if (!QFileInfo(n.forras).isAbsolute()) return std::nullopt;
  }
  if (sorok.size() != 2) return std::nullopt;
  for (int i = 0; i < 2; ++i) {
    const QList<QByteArray> m = sorok[i].split('\t');
    if (m.size() != (v1 ? 2 : 4)) return std::nullopt;
    Atnevezes& r = n.a[i];
    r.honnan = QString::fromUtf8(m[0]);
    r.hova = QString::fromUtf8(m[1]);
    if (!v1) {
      bool ok = false;
      r.meret = m[2].toLongLong(&ok);
      r.mentes = QString::fromUtf8(m[3]);
      if (!ok || r.meret < 0 || (r.mentes != kNincs && !simaNev(r.mentes))) return std::nullopt;
    }
    // Plain names in the program folder only.
    if (!simaNev(r.honnan) || !simaNev(r.hova)) return std::nullopt;
  }
  return n;
}

// The renames can be finished: each new file is still there and whole, or already renamed
// (gone, its target there), and the renames went in order (none done after one still to do).
bool folytathato(const QDir& dir, const Naplo& n) {
  bool vanFuggo = false;
  for (const Atnevezes& a : n.a) {
    const QFileInfo uj(dir.filePath(a.honnan));
    if (uj.exists() && uj.isFile()) {
      if (a.meret >= 0 && uj.size() != a.meret) return false;
      vanFuggo = true;
    } else if (vanFuggo || !QFileInfo(dir.filePath(a.hova)).isFile()) {
      return false;
    }
  }
  return true;
}

// Keeps the file a change replaces under the backup name: a hard link, or a flushed copy
// where the file system has no links. kNincs when there is no such file.
std::optional<QString> mentes(const QDir& dir, const QString& hova, const QString& mentesNev) {
  const QString cel = dir.filePath(hova), m = dir.filePath(mentesNev);
  struct stat st {};
  if (::lstat(enc(cel).constData(), &st) != 0) {
    if (errno == ENOENT) return kNincs;
    return std::nullopt;
  }
  // Something else than a file (a FIFO, a folder) at the name is never read nor replaced.
  if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) return std::nullopt;
  if (::link(enc(cel).constData(), enc(m).constData()) == 0) return mentesNev;
  if (!QFile::copy(cel, m) || !fsyncFajl(m)) {
    torol(m);
    return std::nullopt;
  }
  return mentesNev;
}

// The journal of a change being undone: once it stands, the change is never rolled forward
// (a restored backup could otherwise pass for a finished rename).
const QString kVisszaNaplo = QStringLiteral("fizetocsere.vissza");

// Removes what a finished or undone change leaves: temporary files, backups, the journals.
void takaritas(const QString& folder) {
  const QDir dir(folder);
  for (const QString& f : dir.entryList(kMaradekMintak, QDir::Files | QDir::System | QDir::Hidden))
    torol(dir.filePath(f));
  torol(dir.filePath(kCsereNaploFile));
  torol(dir.filePath(kVisszaNaplo));
  fsyncMappa(folder);
}

// The last step of a made change: its source file goes (durably), then the backups and the
// journal. False when the source file stays; the journal then stays too, so the source file is
// never taken for one that was not imported.
bool lezaras(const QString& folder, const Naplo& n) {
  if (!n.forras.isEmpty()) {
    if (!torol(n.forras)) return false;
    fsyncMappa(QFileInfo(n.forras).absolutePath());
  }
  const QDir dir(folder);
  for (const Atnevezes& a : n.a)
    if (a.mentes != kNincs && !a.mentes.isEmpty()) torol(dir.filePath(a.mentes));
  if (torol(dir.filePath(kCsereNaploFile))) fsyncMappa(folder);
  return true;
}

// Undoes a journalled change from its backups: the old pair comes back. The journal first
// takes the name of an undo, so that a crash in the middle goes on undoing at the next start.
// False when a backup cannot be put back: the undo's journal and the backups then stay.
bool visszaallitas(const QString& folder, const Naplo& n) {
  const QDir dir(folder);
  if (atnevez(dir.filePath(kCsereNaploFile), dir.filePath(kVisszaNaplo))) fsyncMappa(folder);
  bool kesz = true;
  for (const Atnevezes& a : n.a) {
    const QString cel = dir.filePath(a.hova);
    if (a.mentes == kNincs) {
      // The file did not exist before: a new one renamed into its place goes.
      if (!regularis(dir.filePath(a.honnan))) kesz = torol(cel) && kesz;
    } else if (!a.mentes.isEmpty() && regularis(dir.filePath(a.mentes))) {
      kesz = atnevez(dir.filePath(a.mentes), cel) && kesz;
    }
  }
  fsyncMappa(folder);
  if (kesz) takaritas(folder);
  return kesz;
}

const QString kFolytatas = QStringLiteral(" A változás a program következő indításakor fejeződik be.");

}  // namespace

bool fsyncMappa(const QString& folder) { return fsyncUt(folder, O_DIRECTORY); }

bool naploIras(const QString& path, const QByteArray& tartalom, bool uj, QString* miert) {
  int hiba = fajlIras(path, tartalom, uj ? O_EXCL : O_TRUNC);
  const bool sajat = hiba != EEXIST;  // a journal found at the name is not ours to remove
  if (hiba == 0 && !fsyncMappa(QFileInfo(path).absolutePath())) hiba = errno;
  if (hiba != 0 && sajat) torol(path);
  if (miert) *miert = hiba != 0 ? rendszerHiba(hiba) : QString();
  return hiba == 0;
}

CsereNevek ujCsereNevek() {
  const QString jel = veletlenJel();
  return {QStringLiteral("nevx-%1.dat").arg(jel), QStringLiteral("xxkoz-%1.dat").arg(jel)};
}

CsereEredmeny fizetoParIras(const QString& folder, const QByteArray& nevek, const QByteArray& kozl,
                            const CsereHorog& horog, const QString& forras) {
  UjPar uj(folder, horog);
  uj.ir(UjPar::Nevek, nevek);
  uj.ir(UjPar::Kozl, kozl);
  return uj.csere(horog, forras);
}

CsereEredmeny fizetoParCsere(const QString& folder, const QString& ujNevek, const QString& ujKozl,
                             const CsereHorog& horog, const QString& forras) {
  auto lep = [&](CsereLepes l) { return !horog || horog(l); };
  const QDir dir(folder);
  const QString uN = dir.filePath(ujNevek), uK = dir.filePath(ujKozl);
  const QString naplo = dir.filePath(kCsereNaploFile);
  auto valtozatlan = [&](const QString& miert) {
    torol(uN);
    torol(uK);
    fsyncMappa(folder);
    return CsereEredmeny{CsereAllapot::Valtozatlan, miert};
  };

  // 1. Both new files complete on the disk.
  QString ok;  // the system's reason of a failed flush
  auto kiir = [&](const QString& path) {
    if (fsyncFajl(path)) return true;
    ok = QStringLiteral(": ") + rendszerHiba(errno);
    return false;
  };
  if (!regularis(uN) || !regularis(uK) || !lep(CsereLepes::Flush) || !kiir(uN) || !kiir(uK))
    return valtozatlan(QStringLiteral("Az új fájlok (%1, %2) nem írhatók ki a lemezre%3.")
                           .arg(QFileInfo(uN).fileName(), QFileInfo(uK).fileName(), ok));

  // 2. The backups of the files about to be replaced, then the journal, whole and durable,
  // with its folder entry. From here on a crash completes the swap at the next start, or undoes
  // it from the backups when its files are no longer whole.
  Naplo n;
  n.forras = forras.isEmpty() ? QString() : QFileInfo(forras).absoluteFilePath();
  const QString jel = veletlenJel();
  const QString celok[2] = {QFileInfo(dataPath(folder, kNevekFile)).fileName(),
                            QFileInfo(dataPath(folder, kKozl3sorFile)).fileName()};
  const QString alapok[2] = {QFileInfo(kNevekFile).completeBaseName(), QFileInfo(kKozl3sorFile).completeBaseName()};
  const QString ujak[2] = {QFileInfo(uN).fileName(), QFileInfo(uK).fileName()};
  bool naploKesz = lep(CsereLepes::Naplo);
  QString miert;
  for (int i = 0; i < 2 && naploKesz; ++i) {
    const std::optional<QString> m = mentes(dir, celok[i], QStringLiteral("%1-%2.bak").arg(alapok[i], jel));
    naploKesz = m.has_value();
    n.a[i] = {ujak[i], celok[i], QFileInfo(dir.filePath(ujak[i])).size(), m.value_or(QString())};
  }
  if (naploKesz) {
    naploKesz = naploIras(naplo, naploTartalom(n), false, &miert);
  }
  if (!naploKesz) {
    torol(naplo);
    for (const Atnevezes& a : n.a)
      if (!a.mentes.isEmpty() && a.mentes != kNincs) torol(dir.filePath(a.mentes));
    return valtozatlan(QStringLiteral("A csere naplója (%1) nem írható%2.")
                           .arg(kCsereNaploFile, miert.isEmpty() ? QString() : QStringLiteral(": ") + miert));
  }

  // 3. The renames, payer file first.
  if (!lep(CsereLepes::Atnevezes1) || !atnevez(uN, dir.filePath(celok[0]))) {
    // Nothing replaced yet: undo by removing the journal first, so that no journal ever
    // names a half-removed pair.
    if (torol(naplo) && fsyncMappa(folder)) {
      for (const Atnevezes& a : n.a)
        if (a.mentes != kNincs) torol(dir.filePath(a.mentes));
      return valtozatlan(QStringLiteral("A(z) %1 fájl nem cserélhető le.").arg(kNevekFile));
    }
    return {CsereAllapot::KovetkezoInditaskor, QStringLiteral("A(z) %1 fájl nem cserélhető le.").arg(kNevekFile) + kFolytatas};
  }
  if (!lep(CsereLepes::Atnevezes2) || !atnevez(uK, dir.filePath(celok[1]))) {
    // The payer file is already new: the journal stays, so the next start finishes the pair.
    return {CsereAllapot::KovetkezoInditaskor,
            QStringLiteral("A(z) %1 fájl nem cserélhető le.").arg(kKozl3sorFile) + kFolytatas};
  }
  fsyncMappa(folder);

  // 4. Done: the source file, the backups and the journal go. Whatever of them a crash leaves
  // is finished at the next start.
  if (lep(CsereLepes::NaploTorles)) lezaras(folder, n);
  return {CsereAllapot::Kesz, {}};
}

namespace {

CsereHelyreallitas csereHelyreallitas(const QString& folder) {
  const QDir dir(folder);
  const QString naplo = dir.filePath(kCsereNaploFile);
  CsereHelyreallitas h;
  const std::optional<Naplo> vissza = naploOlvas(dir.filePath(kVisszaNaplo));
  if (const std::optional<Naplo> n = vissza ? vissza : naploOlvas(naplo)) {
    if (!vissza && folytathato(dir, *n)) {
      // Roll forward: every rename whose new file is still there, in the original order.
      bool kesz = true;
      for (const Atnevezes& a : n->a) {
        const QString honnan = dir.filePath(a.honnan);
        if (kesz && regularis(honnan) && !atnevez(honnan, dir.filePath(a.hova))) kesz = false;
      }
      fsyncMappa(folder);
      if (kesz && lezaras(folder, *n)) return h;
      h.fuggoben = true;
      h.uzenet = kesz ? QStringLiteral("A címzettek fájljainak legutóbbi változása befejeződött, de a forrásfájlja "
                                       "(%1) nem törölhető.")
                            .arg(n->forras)
                      : QStringLiteral("A címzettek fájljainak (%1, %2) legutóbbi változása nem fejezhető be: a "
                                       "fájlok nem nevezhetők át.")
                            .arg(kNevekFile, kKozl3sorFile);
      h.uzenet += QStringLiteral("\r\nA program ebben a futásban nem módosítja a címzettek fájljait.");
      return h;
    }
    // Roll back: a file of the change is missing or torn; the old pair comes back.
    if (!visszaallitas(folder, *n)) {
      h.fuggoben = true;
      h.uzenet = QStringLiteral("A címzettek fájljainak (%1, %2) legutóbbi, félbeszakadt változása nem vonható vissza: "
                                "a korábbi fájlok nem nevezhetők vissza.\r\nA program ebben a futásban nem módosítja a "
                                "címzettek fájljait.")
                     .arg(kNevekFile, kKozl3sorFile);
      return h;
    }
    h.uzenet = QStringLiteral("A címzettek fájljainak (%1, %2) legutóbbi változása félbeszakadt, és nem fejezhető be, "
                              "mert az új fájlok hiányoznak vagy hiányosak.\r\nA címzettek korábbi adatai maradtak meg.")
                   .arg(kNevekFile, kKozl3sorFile);
    return h;
  }
  // No whole journal: the leftovers of a change that never started; the originals are
  // untouched. The journal itself goes last.
  takaritas(folder);
  return h;
}

}  // namespace

CsereHelyreallitas fizetoParHelyreallitas(const QString& folder) {
  // A payer saved in place halfway is undone first; while it cannot be, nothing else changes.
  QString miert;
  bool visszavonva = false;
  if (!fizetoMentesVisszavonas(folder, &miert, &visszavonva))
    return {true, QStringLiteral("Egy címzett félbemaradt mentése nem vonható vissza. ") + miert +
                      QStringLiteral("\r\nA program ebben a futásban nem módosítja a címzettek fájljait.")};
  CsereHelyreallitas h = csereHelyreallitas(folder);
  if (visszavonva) {
    const QString v = QStringLiteral("Egy címzett felvétele vagy módosítása félbeszakadt, és visszavonásra került: a "
                                     "címzett korábbi adatai maradtak meg.");
    h.uzenet = h.uzenet.isEmpty() ? v : v + QStringLiteral("\r\n\r\n") + h.uzenet;
  }
  return h;
}

bool fizetoNaploVan(const QString& folder) {
  const QDir dir(folder);
  for (const QString& n : {kCsereNaploFile, kVisszaNaplo, kMentesNaploFile})
    if (QFileInfo::exists(dir.filePath(n))) return true;
  return false;
}

OlvasottPar olvasandoPar(const QString& folder) {
  const OlvasottPar sajat{kNevekFile, kKozl3sorFile};
  if (!fizetoNaploVan(folder) || !fizetoParHelyreallitas(folder).fuggoben) return sajat;
  // A change stays unfinished.
  const QDir dir(folder);
  const std::optional<Naplo> vissza = naploOlvas(dir.filePath(kVisszaNaplo));
  const std::optional<Naplo> n = vissza ? vissza : naploOlvas(dir.filePath(kCsereNaploFile));
  // A payer saved halfway keeps each record under its own number; a swap whose renames are
  // all done waits only for its source file: the pair as it stands.
  if (!n) return sajat;
  bool fuggo = false;
  for (const Atnevezes& a : n->a) fuggo = fuggo || regularis(dir.filePath(a.honnan));
  if (!vissza && !fuggo) return sajat;
  // The pair as it was before the change: each backup, or the file put back already (an undo),
  // or none where there was none.
  OlvasottPar regi;
  bool teljes = true;
  for (int i = 0; i < 2; ++i) {
    const Atnevezes& a = n->a[i];
    QString& nev = i == 0 ? regi.nevek : regi.kozl;
    if (a.mentes == kNincs)
      nev.clear();
    else if (!a.mentes.isEmpty() && regularis(dir.filePath(a.mentes)))
      nev = a.mentes;
    else if (vissza)
      nev = a.hova;
    else
      teljes = false;
  }
  if (teljes) return regi;
  // No backups (a journal of an earlier version): the new pair, whole, where the journal has it.
  return {regularis(dir.filePath(n->a[0].honnan)) ? n->a[0].honnan : n->a[0].hova,
          regularis(dir.filePath(n->a[1].honnan)) ? n->a[1].honnan : n->a[1].hova};
}
