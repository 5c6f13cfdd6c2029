#include "payerstore/fizetocsere.h"

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

#include "common/naplo.h"
#include "common/recordfile.h"
#include "common/rendszerhiba.h"
#include "payerstore/fizetomentes.h"
#include "payerstore/nevekrekord.h"
#include "payerstore/ujpar.h"

namespace {

// The journal's kinds: this version's (with the checksum), and earlier versions' without it,
// with (2) or without (1) the sizes and backups.
const QByteArray kFejlec3 = "LAVINDOR FIZETOCSERE 3\n";
const QList<NaploFajta> kFajtak = {{kFejlec3}, {"LAVINDOR FIZETOCSERE 2\n", false}, {"LAVINDOR FIZETOCSERE 1\n", false}};
const QByteArray kForrasJel = "FORRAS";
// A backup name for a file that did not exist before the change.
const QString kNincs = QStringLiteral("-");

// Leftovers of a change that no journal names: temporary files (also the fixed names of
// earlier versions) and backups.
const QStringList kMaradekMintak = {QStringLiteral("nevx*.dat"), QStringLiteral("xxkoz*.dat"),
                                    QStringLiteral("nevek1-*.bak"), QStringLiteral("kozl3sor-*.bak")};

// Whether a regular file stands at `path` (links followed); a failed question is its error.
Valasz<bool> regularis(const QString& path) {
  const Valasz<FajlAdat> a = fajlAdat(path);
  if (!a) return a.hiba();
  return a->regularis();
}

// The first failed question of a recovery or a change: it stops there, and says why.
struct Kerdes {
  FajlEredmeny hiba;
  template <class T>
  T operator()(const Valasz<T>& v, T hibaEseten = T{}) {
    if (v) return *v;
    if (hiba.ok()) hiba = v.hiba();
    return hibaEseten;
  }
  bool ok() const { return hiba.ok(); }
};

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
  QByteArray out;
  for (const Atnevezes& r : n.a)
    out += r.honnan.toUtf8() + '\t' + r.hova.toUtf8() + '\t' + QByteArray::number(r.meret) + '\t' +
           r.mentes.toUtf8() + '\n';
  if (!n.forras.isEmpty()) out += kForrasJel + '\t' + fajlUt(n.forras).toPercentEncoding() + '\n';
  return naploKeret(kFejlec3, out);
}

// A whole journal; nothing for a missing, torn or foreign one. One that cannot be read is
// nothing too, and `olvashatatlan` (if given) tells it apart: it is never taken for torn.
std::optional<Naplo> naploOlvas(const QString& path, FajlEredmeny* olvashatatlan = nullptr) {
  // Read without blocking: anything else than a regular file reads as nothing.
  const std::optional<NaploTorzs> t = naploKeretbol(naploBeolvasas(path, olvashatatlan).value_or(QByteArray()), kFajtak);
  if (!t) return std::nullopt;
  const bool v1 = t->fajta == 2;
  QList<QByteArray> sorok = t->torzs.split('\n');
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
      if (!ok || r.meret < 0 || (r.mentes != kNincs && !simaFajlnev(r.mentes))) return std::nullopt;
    }
    // Plain names in the program folder only.
    if (!simaFajlnev(r.honnan) || !simaFajlnev(r.hova)) return std::nullopt;
  }
  return n;
}

// The renames can be finished: each new file is still there and whole, or already renamed
// (gone, its target there with the new file's length and no longer the file its backup keeps),
// and the renames went in order (none done after one still to do). A new file whose name was
// lost is no renamed one. A question that fails is its error: nothing is decided then.
Valasz<bool> folytathato(const QDir& dir, const Naplo& n) {
  bool vanFuggo = false;
  for (const Atnevezes& a : n.a) {
    const Valasz<FajlAdat> uj = fajlAdat(dir.filePath(a.honnan)), cel = fajlAdat(dir.filePath(a.hova));
    if (!uj) return uj.hiba();
    if (!cel) return cel.hiba();
    if (uj->regularis()) {
      if (a.meret >= 0 && uj->meret != a.meret) return false;
      vanFuggo = true;
      continue;
    }
    if (vanFuggo || !cel->regularis() || (a.meret >= 0 && cel->meret != a.meret)) return false;
    if (a.mentes != kNincs && !a.mentes.isEmpty()) {
      // Whether the target still is the file its backup keeps (a hard link): then it was never renamed.
      const Valasz<FajlAdat> m = fajlAdat(dir.filePath(a.mentes));
      if (!m) return m.hiba();
      if (cel->azonos(*m)) return false;
    }
  }
  return true;
}

// Keeps the file a change replaces under the backup name: a hard link, or a flushed copy
// where the file system has no links. kNincs when there is no such file.
std::optional<QString> mentes(const QDir& dir, const QString& hova, const QString& mentesNev, FajlEredmeny& hiba) {
  const QString cel = dir.filePath(hova), m = dir.filePath(mentesNev);
  const Valasz<FajlAdat> a = fajlAdat(cel, false);
  if (!a) {
    hiba = a.hiba();
    return std::nullopt;
  }
  if (!a->van) return kNincs;
  // Something else than a file (a FIFO, a folder) at the name is never read nor replaced.
  if (!a->regularis() && !a->link()) {
    hiba = FajlEredmeny{0, a->fajta()};
    return std::nullopt;
  }
  if (linkeles(cel, m)) return mentesNev;
  if (const FajlEredmeny e = fajlMasolas(cel, m); !e) {
    hiba = e;
    return std::nullopt;
  }
  return mentesNev;
}

// The journal of a change being undone: once it stands, the change is never rolled forward
// (a restored backup could otherwise pass for a finished rename).
const QString kVisszaNaplo = QStringLiteral("fizetocsere.vissza");

// Removes what a finished or undone change leaves: temporary files, backups, the journals.
// The folder's flush decides: until it is on the disk, an undo's journal could come back.
FajlEredmeny takaritas(const QString& folder) {
  const QDir dir(folder);
  for (const QString& f : dir.entryList(kMaradekMintak, QDir::Files | QDir::System | QDir::Hidden))
    torles(dir.filePath(f));
  torles(dir.filePath(kCsereNaploFile));
  torles(dir.filePath(kVisszaNaplo));
  return mappaSzinkron(folder);
}

// The last step of a made change (its renames already on the disk): its source file goes,
// durably, then the backups and the journal. Why the source file stays, or nothing: the journal
// then stays too, so the source file is never taken for one that was not imported.
std::optional<QString> lezaras(const QString& folder, const Naplo& n) {
  if (!n.forras.isEmpty()) {
    // A claimed file that is gone while its unclaimed name stands was never durably claimed:
    // the file there is the one the change holds already, and is never taken for a new one.
    const QString eredeti = n.forras.endsWith(kAtvetelUtotag) ? n.forras.chopped(kAtvetelUtotag.size()) : QString();
    Kerdes k;
    const bool forrasVan = k(vanNeven(n.forras), true);
    const bool eredetiVan = !eredeti.isEmpty() && k(vanNeven(eredeti), true);
    // A claim whose names cannot be asked keeps its journal: the file is never taken for one not imported.
    const QString mappa = QFileInfo(n.forras).absolutePath();
    const Valasz<FajlAdat> mappaAdat = fajlAdat(mappa);
    if (!mappaAdat && mappaAdat.hiba().errnum != ENOTDIR) k(Valasz<bool>(mappaAdat.hiba()));
    if (!k.ok())
      return QStringLiteral("A címzettek fájljainak legutóbbi változása befejeződött, de a forrásfájlja (%1) nem "
                            "vizsgálható: %2.")
          .arg(n.forras, k.hiba.miert());
    if (!eredeti.isEmpty() && !forrasVan && eredetiVan)
      return QStringLiteral("A címzettek fájljainak legutóbbi változása befejeződött, de a forrásfájlja ismét %1 néven "
                            "áll: az adatai már beolvasásra kerültek. Törölje vagy tegye máshová a fájlt, különben "
                            "kétszer kerülne beolvasásra.")
          .arg(eredeti);
    // A claimed file whose folder is gone (a removed stick, a deleted folder) went with it; its
    // claimed name is never taken up again, so it counts as removed.
    const bool mappaNincs = !eredeti.isEmpty() && (!mappaAdat || !mappaAdat->van);
    FajlEredmeny e;
    if (!mappaNincs) e = torles(n.forras);
    if (e && !mappaNincs) e = mappaSzinkron(mappa);
    if (!e) return QStringLiteral("A címzettek fájljainak legutóbbi változása befejeződött, de a forrásfájlja (%1) nem "
                                  "törölhető: %2.")
        .arg(n.forras, e.miert());
  }
  const QDir dir(folder);
  for (const Atnevezes& a : n.a)
    if (a.mentes != kNincs && !a.mentes.isEmpty()) torles(dir.filePath(a.mentes));
  // The change is on the disk already: a journal that a failed flush lets come back after a
  // power loss finds its renames done, and only goes again (with any backup that came back).
  if (torles(dir.filePath(kCsereNaploFile))) mappaSzinkron(folder);
  return std::nullopt;
}

// Undoes a journalled change from its backups: the old pair comes back. The journal first
// takes the name of an undo, so that a crash in the middle goes on undoing at the next start.
// Why it is not undone, or nothing: the undo's journal and the backups then stay (a failed
// flush of the folder counts as not undone).
std::optional<QString> visszaallitas(const QString& folder, const Naplo& n) {
  const QDir dir(folder);
  if (atnevezes(dir.filePath(kCsereNaploFile), dir.filePath(kVisszaNaplo))) {
    if (const FajlEredmeny e = mappaSzinkron(folder); !e) return e.miert();
  }
  std::optional<QString> hiba;
  for (const Atnevezes& a : n.a) {
    const QString cel = dir.filePath(a.hova);
    FajlEredmeny e;
    Kerdes k;
    if (a.mentes == kNincs) {
      // The file did not exist before: a new one renamed into its place goes (only that one).
      const bool ujVan = k(regularis(dir.filePath(a.honnan)));
      const Valasz<FajlAdat> c = fajlAdat(cel);
      if (k.ok() && c && !ujVan && c->van && (a.meret < 0 || c->meret == a.meret)) e = torles(cel);
      if (!c) e = c.hiba();
    } else if (!a.mentes.isEmpty() && k(regularis(dir.filePath(a.mentes)))) {
      e = atnevezes(dir.filePath(a.mentes), cel);
    }
    if (!k.ok()) e = k.hiba;
    if (!e && !hiba) hiba = e.miert();
  }
  if (hiba) return hiba;
  if (const FajlEredmeny e = mappaSzinkron(folder); !e) return e.miert();
  if (const FajlEredmeny e = takaritas(folder); !e) return e.miert();
  return std::nullopt;
}

const QString kFolytatas = QStringLiteral(" A változás a program következő indításakor fejeződik be.");

}  // namespace

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

namespace {

// A swap under way: its folder, its two new files, the files they replace, its journal.
struct Csere {
  QString folder;
  QDir dir;
  QString uN, uK;     // the new files (full paths)
  QString celok[2];   // the files they replace (names in the folder, as they stand)
  QString naplo;      // the journal's path
  Naplo n;            // what the journal holds
  std::function<bool(CsereLepes)> lep;
  // A step the test hook fails fails as a disk would.
  FajlEredmeny atnevez(CsereLepes l, const QString& honnan, const QString& hova) const {
    return lep(l) ? atnevezes(honnan, dir.filePath(hova)) : FajlEredmeny::hiba(EIO);
  }
};

// Nothing changed: the new files go. Unjournalled leftovers that a failed flush lets come back go
// at the next start.
CsereEredmeny valtozatlan(const Csere& c, const QString& miert) {
  torles(c.uN);
  torles(c.uK);
  mappaSzinkron(c.folder);
  return {CsereAllapot::Valtozatlan, miert};
}

// Step 1: both new files complete on the disk. Why not, or nothing.
std::optional<QString> ujFajlokKiirasa(const Csere& c) {
  QString ok;  // the system's reason of a failed question or flush
  auto kiir = [&](const QString& path) {
    const FajlEredmeny e = fajlSzinkron(path);
    if (!e) ok = QStringLiteral(": ") + e.miert();
    return e.ok();
  };
  Kerdes k;
  const bool ujakVannak = k(regularis(c.uN)) && k(regularis(c.uK));
  if (!k.ok()) ok = QStringLiteral(": ") + k.hiba.miert();
  if (ujakVannak && c.lep(CsereLepes::Flush) && kiir(c.uN) && kiir(c.uK)) return std::nullopt;
  return QStringLiteral("Az új fájlok (%1, %2) nem írhatók ki a lemezre%3.")
      .arg(QFileInfo(c.uN).fileName(), QFileInfo(c.uK).fileName(), ok);
}

// Step 2: the backups of the files about to be replaced, then the journal, whole and durable
// with its folder entry. From then on a crash completes the swap at the next start, or undoes it
// from the backups when its files are no longer whole. Why it could not be written (nothing
// changed, no backup or journal left), or nothing.
std::optional<QString> naploIrasa(Csere& c) {
  const QString jel = veletlenJel();
  const QString alapok[2] = {QFileInfo(kNevekFile).completeBaseName(), QFileInfo(kKozl3sorFile).completeBaseName()};
  const QString ujak[2] = {QFileInfo(c.uN).fileName(), QFileInfo(c.uK).fileName()};
  bool naploKesz = c.lep(CsereLepes::Naplo);
  QString miert;
  // A journal of a change in place of a file about to be replaced must never come back onto the
  // file that replaces it: it is followed or removed, durably, first.
  for (int i = 0; i < 2 && naploKesz; ++i) {
    FajlEredmeny h;
    naploKesz = helybenLezaras(c.dir.filePath(c.celok[i]), &h);
    if (!naploKesz) miert = QStringLiteral("a(z) %1 fájl félbeszakadt módosítása nem vonható vissza: %2").arg(c.celok[i], h.miert());
  }
  for (int i = 0; i < 2 && naploKesz; ++i) {
    FajlEredmeny h;
    const std::optional<QString> m = mentes(c.dir, c.celok[i], QStringLiteral("%1-%2.bak").arg(alapok[i], jel), h);
    const Valasz<FajlAdat> uj = fajlAdat(c.dir.filePath(ujak[i]));
    naploKesz = m.has_value() && uj;
    if (!m && miert.isEmpty()) miert = QStringLiteral("a(z) %1 fájl nem menthető: %2").arg(c.celok[i], h.miert());
    if (!uj && miert.isEmpty()) miert = uj.hiba().nemOlvashato(ujak[i]).chopped(1);
    c.n.a[i] = {ujak[i], c.celok[i], uj ? uj->meret : -1, m.value_or(QString())};
  }
  const QString elokeszitesHiba = miert;
  // The names of the new files and the backups reach the disk before the journal that names
  // them: a journal found at the next start never names a new file whose name was lost.
  QString mappaHiba;
  if (naploKesz) {
    const FajlEredmeny e = mappaSzinkron(c.folder);
    naploKesz = e.ok();
    if (!e) mappaHiba = e.miert();
  }
  if (naploKesz) {
    const FajlEredmeny e = naploIras(c.naplo, naploTartalom(c.n), false);
    naploKesz = e.ok();
    miert = e.miert();
  }
  if (naploKesz) return std::nullopt;
  torles(c.naplo);
  for (const Atnevezes& a : c.n.a)
    if (!a.mentes.isEmpty() && a.mentes != kNincs) torles(c.dir.filePath(a.mentes));
  if (!mappaHiba.isEmpty()) return QStringLiteral("A program mappája nem írható ki a lemezre: %1.").arg(mappaHiba);
  if (!elokeszitesHiba.isEmpty())
    return QStringLiteral("A címzettek fájljai nem cserélhetők le: %1. A fájlok változatlanok.").arg(elokeszitesHiba);
  return QStringLiteral("A csere naplója (%1) nem írható%2.")
      .arg(kCsereNaploFile, miert.isEmpty() ? QString() : QStringLiteral(": ") + miert);
}

// The first rename failed: nothing is replaced yet. The new files go first and durably (a
// journal that a failed flush lets come back then finds them gone beside the old pair and undoes
// the change), then the journal, and only once its removal is on the disk, the backups.
CsereEredmeny elsoAtnevezesHibaja(const Csere& c, const FajlEredmeny& e) {
  const QString miert = QStringLiteral("A(z) %1 fájl nem cserélhető le: %2.").arg(kNevekFile, e.miert());
  torles(c.uN);
  torles(c.uK);
  FajlEredmeny t = mappaSzinkron(c.folder);
  if (t) t = torles(c.naplo);
  if (t) t = mappaSzinkron(c.folder);
  if (t) {
    for (const Atnevezes& a : c.n.a)
      if (a.mentes != kNincs) torles(c.dir.filePath(a.mentes));
    return valtozatlan(c, miert);
  }
  // What the disk holds decides: a journal still standing beside both new files finishes the
  // change at the next start; anything else leaves the old pair.
  const Valasz<bool> naploVan = vanNeven(c.naplo);
  const Valasz<bool> tovabb = naploVan && *naploVan ? folytathato(c.dir, c.n) : Valasz<bool>(false);
  if (!naploVan || !tovabb)
    return {CsereAllapot::KovetkezoInditaskor,
            miert + QStringLiteral(" A lemez mostani állapota nem állapítható meg (%1): a program következő indítása "
                                   "befejezi vagy visszavonja a változást.")
                        .arg((!naploVan ? naploVan.hiba() : tovabb.hiba()).miert())};
  if (*tovabb) return {CsereAllapot::KovetkezoInditaskor, miert + kFolytatas};
  return {CsereAllapot::Valtozatlan, miert};
}

// Step 3, once the payer file is new: the notice file's rename, tried once more at once, then the
// folder's flush. The change is done only once its renames are on the disk; until then the
// journal stays, so that the next start finishes it rather than losing it. Why it stays, or nothing.
std::optional<QString> masodikAtnevezes(const Csere& c) {
  FajlEredmeny e2 = c.atnevez(CsereLepes::Atnevezes2, c.uK, c.celok[1]);
  if (!e2) e2 = c.atnevez(CsereLepes::Atnevezes2, c.uK, c.celok[1]);
  if (!e2)
    return QStringLiteral("A(z) %1 fájl nem cserélhető le: %2. A(z) %3 fájl már az új adatokat tartalmazza, a(z) %1 "
                          "még a régieket.")
               .arg(kKozl3sorFile, e2.miert(), kNevekFile) +
           kFolytatas;
  if (const FajlEredmeny e = mappaSzinkron(c.folder); !e)
    return QStringLiteral("A címzettek fájljai lecserélődtek, de a lemez hibát jelzett a mappájuk kiírásakor: %1.")
               .arg(e.miert()) +
           kFolytatas;
  return std::nullopt;
}

}  // namespace

CsereEredmeny fizetoParCsere(const QString& folder, const QString& ujNevek, const QString& ujKozl,
                             const CsereHorog& horog, const QString& forras) {
  Csere c;
  c.folder = folder;
  c.dir = QDir(folder);
  c.uN = c.dir.filePath(ujNevek);
  c.uK = c.dir.filePath(ujKozl);
  c.celok[0] = QFileInfo(dataPath(folder, kNevekFile)).fileName();
  c.celok[1] = QFileInfo(dataPath(folder, kKozl3sorFile)).fileName();
  c.naplo = c.dir.filePath(kCsereNaploFile);
  c.n.forras = forras.isEmpty() ? QString() : QFileInfo(forras).absoluteFilePath();
  c.lep = [&horog](CsereLepes l) { return !horog || horog(l); };

  // 1. The new files on the disk, 2. the backups and the journal: until then nothing changed.
  if (const std::optional<QString> miert = ujFajlokKiirasa(c)) return valtozatlan(c, *miert);
  if (const std::optional<QString> miert = naploIrasa(c)) return valtozatlan(c, *miert);
  // 3. The renames, payer file first, and their folder's flush.
  if (const FajlEredmeny e = c.atnevez(CsereLepes::Atnevezes1, c.uN, c.celok[0]); !e) return elsoAtnevezesHibaja(c, e);
  if (const std::optional<QString> miert = masodikAtnevezes(c)) return {CsereAllapot::KovetkezoInditaskor, *miert};
  // 4. Done: the source file, the backups and the journal go. Whatever of them a failure or a
  // crash leaves is finished by the next recovery.
  if (c.lep(CsereLepes::NaploTorles)) lezaras(folder, c.n);
  return {CsereAllapot::Kesz, {}};
}

namespace {

const QString kNemModosit = QStringLiteral("\r\nA program ebben a futásban nem módosítja a címzettek fájljait.");

// Roll forward: every rename whose new file is still there, in the original order, each
// target's change-in-place journal settled first; then the folder's flush and the last step.
CsereHelyreallitas befejezes(const QString& folder, const Naplo& n) {
  const QDir dir(folder);
  CsereHelyreallitas h;
  FajlEredmeny e;
  for (const Atnevezes& a : n.a) {
    const QString honnan = dir.filePath(a.honnan);
    const Valasz<bool> van = regularis(honnan);
    if (e && !van) e = van.hiba();
    if (e && *van && !helybenLezaras(dir.filePath(a.hova), &e)) break;
    if (e && *van) e = atnevezes(honnan, dir.filePath(a.hova));
  }
  // The renames are made; only their folder's flush failed: the journal stays for the next start.
  const FajlEredmeny m = e ? mappaSzinkron(folder) : FajlEredmeny{};
  const std::optional<QString> maradt = e && m ? lezaras(folder, n) : std::nullopt;
  if (e && m && !maradt) return h;
  h.fuggoben = true;
  if (maradt)
    h.uzenet = *maradt;
  else if (!e)
    h.uzenet = QStringLiteral("A címzettek fájljainak (%1, %2) legutóbbi változása nem fejezhető be: a "
                              "fájlok nem nevezhetők át (%3).")
                   .arg(kNevekFile, kKozl3sorFile, e.miert());
  else
    h.uzenet = QStringLiteral("A címzettek fájljai (%1, %2) a legutóbbi változás új adatait tartalmazzák, de a lemez "
                              "hibát jelzett a mappájuk kiírásakor (%3), ezért a változás a program következő "
                              "indításakor fejeződik be.")
                   .arg(kNevekFile, kKozl3sorFile, m.miert());
  h.uzenet += kNemModosit;
  return h;
}

// Roll back: a file of the change is missing or torn; the old pair comes back from the backups.
CsereHelyreallitas visszavonas(const QString& folder, const Naplo& n) {
  CsereHelyreallitas h;
  if (const std::optional<QString> miert = visszaallitas(folder, n)) {
    h.fuggoben = true;
    h.uzenet = QStringLiteral("A címzettek fájljainak (%1, %2) legutóbbi, félbeszakadt változása nem vonható vissza: "
                              "a korábbi fájlok nem nevezhetők vissza (%3).")
                   .arg(kNevekFile, kKozl3sorFile, *miert) +
               kNemModosit;
    return h;
  }
  h.uzenet = QStringLiteral("A címzettek fájljainak (%1, %2) legutóbbi változása félbeszakadt, és nem fejezhető be, "
                            "mert az új fájlok hiányoznak vagy hiányosak.\r\nA címzettek korábbi adatai maradtak meg.")
                 .arg(kNevekFile, kKozl3sorFile);
  return h;
}

// A journal that stays because what decides its course cannot be read now.
CsereHelyreallitas fuggo(const QString& uzenet) { return {true, uzenet + kNemModosit, {}}; }

CsereHelyreallitas csereHelyreallitas(const QString& folder) {
  const QDir dir(folder);
  // 1. The journals: an undo's first (once it stands, the change is never rolled forward). One
  // that cannot be read is neither followed nor removed.
  FajlEredmeny hiba[2];
  const std::optional<Naplo> vissza = naploOlvas(dir.filePath(kVisszaNaplo), &hiba[0]);
  const std::optional<Naplo> elore = vissza ? std::nullopt : naploOlvas(dir.filePath(kCsereNaploFile), &hiba[1]);
  for (const FajlEredmeny& e : hiba)
    if (!e && !vissza)
      return fuggo(QStringLiteral("A címzettek fájljainak legutóbbi változásáról szóló napló nem olvasható: %1.")
                       .arg(e.miert()));
  // 2. No whole journal: the leftovers of a change that never started; the originals are
  // untouched. The journal itself goes last; leftovers that a failed flush lets come back go at
  // the next start.
  const std::optional<Naplo> n = vissza ? vissza : elore;
  if (!n) {
    takaritas(folder);
    return {};
  }
  // 3. Finished when its files allow, else undone. Files that cannot be asked decide nothing:
  // the journal stays for a later start.
  const Valasz<bool> tovabb = vissza ? Valasz<bool>(false) : folytathato(dir, *n);
  if (!tovabb)
    return fuggo(QStringLiteral("A címzettek fájljainak (%1, %2) legutóbbi, félbeszakadt változása most nem fejezhető "
                                "be és nem is vonható vissza, mert a fájljai nem vizsgálhatók: %3.")
                     .arg(kNevekFile, kKozl3sorFile, tovabb.hiba().miert()));
  return *tovabb ? befejezes(folder, *n) : visszavonas(folder, *n);
}

}  // namespace

CsereHelyreallitas fizetoParHelyreallitas(const QString& folder) {
  // A payer saved in place halfway is undone first; while it cannot be, nothing else changes.
  QString miert;
  bool visszavonva = false;
  QStringList helyben;
  if (!fizetoMentesVisszavonas(folder, &miert, &visszavonva, &helyben))
    return {true, QStringLiteral("Egy címzett félbemaradt mentése nem vonható vissza. ") + miert +
                      QStringLiteral("\r\nA program ebben a futásban nem módosítja a címzettek fájljait.")};
  CsereHelyreallitas h = csereHelyreallitas(folder);
  h.helybenVisszavont = helyben;
  for (const QString& f : helyben) {
    const QString v = helybenVisszavonvaUzenet(f);
    h.uzenet = h.uzenet.isEmpty() ? v : v + QStringLiteral("\r\n\r\n") + h.uzenet;
  }
  if (visszavonva) {
    const QString v = QStringLiteral("Egy címzett felvétele vagy módosítása félbeszakadt, és visszavonásra került: a "
                                     "címzett korábbi adatai maradtak meg.");
    h.uzenet = h.uzenet.isEmpty() ? v : v + QStringLiteral("\r\n\r\n") + h.uzenet;
  }
  return h;
}

bool fizetoNaploVan(const QString& folder) {
  const QDir dir(folder);
  // A name that cannot be asked may hold a journal: the recovery then reads it, or says why not.
  for (const QString& n : {kCsereNaploFile, kVisszaNaplo, kMentesNaploFile})
    if (const Valasz<bool> v = vanNeven(dir.filePath(n)); !v || *v) return true;
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
  // Which files hold the pair cannot be told while a question fails: nothing is read then.
  Kerdes k;
  auto hibas = [&] { return OlvasottPar{kNevekFile, kKozl3sorFile, k.hiba}; };
  bool fuggo = false;
  for (const Atnevezes& a : n->a) fuggo = k(regularis(dir.filePath(a.honnan))) || fuggo;
  if (!k.ok()) return hibas();
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
    else if (!a.mentes.isEmpty() && k(regularis(dir.filePath(a.mentes))))
      nev = a.mentes;
    else if (vissza)
      nev = a.hova;
    else
      teljes = false;
  }
  if (!k.ok()) return hibas();
  if (teljes) return regi;
  // No backups (a journal of an earlier version): the new pair, whole, where the journal has it.
  const OlvasottPar uj{k(regularis(dir.filePath(n->a[0].honnan))) ? n->a[0].honnan : n->a[0].hova,
                       k(regularis(dir.filePath(n->a[1].honnan))) ? n->a[1].honnan : n->a[1].hova};
  return k.ok() ? uj : hibas();
}
