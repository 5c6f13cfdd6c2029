#include "records/fizetocsere.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <utility>
#include <fcntl.h>
#include <unistd.h>

#include "common/recordfile.h"
#include "records/nevekrekord.h"

namespace {

const QByteArray kFejlec = "LAVINDOR FIZETOCSERE 1\n";
const QByteArray kVege = "VEGE\n";

QByteArray enc(const QString& path) { return QFile::encodeName(path); }

// Flushes a file's contents to the disk.
bool fsyncFajl(const QString& path) {
  const int fd = ::open(enc(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

// Makes the folder's entries (created, renamed, removed files) durable.
bool fsyncMappa(const QString& folder) {
  const int fd = ::open(enc(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

bool atnevez(const QString& from, const QString& to) {
  return ::rename(enc(from).constData(), enc(to).constData()) == 0;
}

bool torol(const QString& path) { return ::unlink(enc(path).constData()) == 0 || errno == ENOENT; }

bool regularis(const QString& path) {
  const QFileInfo fi(path);
  return fi.exists() && fi.isFile();
}

// One rename of the journal: a file name in the folder and the name it replaces.
struct Atnevezes {
  QString honnan, hova;
};

QByteArray naploTartalom(const Atnevezes& a, const Atnevezes& b) {
  QByteArray out = kFejlec;
  for (const Atnevezes* r : {&a, &b}) out += r->honnan.toUtf8() + '\t' + r->hova.toUtf8() + '\n';
  return out + kVege;
}

// The two renames of a whole journal; nothing for a missing, torn or foreign one.
std::optional<std::pair<Atnevezes, Atnevezes>> naploOlvas(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray all = f.read(4096);
  if (!all.startsWith(kFejlec) || !all.endsWith(kVege)) return std::nullopt;
  const QList<QByteArray> sorok = all.mid(kFejlec.size(), all.size() - kFejlec.size() - kVege.size()).split('\n');
  if (sorok.size() != 3 || !sorok[2].isEmpty()) return std::nullopt;
  Atnevezes r[2];
  for (int i = 0; i < 2; ++i) {
    const QList<QByteArray> mezok = sorok[i].split('\t');
    if (mezok.size() != 2) return std::nullopt;
    r[i] = {QString::fromUtf8(mezok[0]), QString::fromUtf8(mezok[1])};
    // Plain names in the program folder only.
    for (const QString& n : {r[i].honnan, r[i].hova})
      if (n.isEmpty() || n.contains('/') || n == "." || n == "..") return std::nullopt;
  }
  return std::make_pair(r[0], r[1]);
}

}  // namespace

QString fizetoParCsere(const QString& folder, const QString& ujNevek, const QString& ujKozl) {
  return fizetoParCsere(folder, ujNevek, ujKozl, {});
}

QString fizetoParCsere(const QString& folder, const QString& ujNevek, const QString& ujKozl,
                       const CsereHorog& horog) {
  auto lep = [&](CsereLepes l) { return !horog || horog(l); };
  const QDir dir(folder);
  const QString uN = dir.filePath(ujNevek), uK = dir.filePath(ujKozl);
  const QString nevek = dataPath(folder, kNevekFile), kozl = dataPath(folder, kKozl3sorFile);
  const QString naplo = dir.filePath(kCsereNaploFile);
  auto ujakTorlese = [&] {
    torol(uN);
    torol(uK);
    fsyncMappa(folder);
  };

  // 1. Both new files complete on the disk.
  if (!regularis(uN) || !regularis(uK) || !lep(CsereLepes::Flush) || !fsyncFajl(uN) || !fsyncFajl(uK)) {
    ujakTorlese();
    return QStringLiteral("Az új fájlok (%1, %2) nem írhatók ki a lemezre.")
        .arg(QFileInfo(uN).fileName(), QFileInfo(uK).fileName());
  }

  // 2. The journal, whole and durable, with its folder entry. From here on a crash completes
  // the swap at the next start.
  const QByteArray tartalom = naploTartalom({QFileInfo(uN).fileName(), QFileInfo(nevek).fileName()},
                                            {QFileInfo(uK).fileName(), QFileInfo(kozl).fileName()});
  bool naploKesz = false;
  if (lep(CsereLepes::Naplo)) {
    QFile f(naplo);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      naploKesz = f.write(tartalom) == tartalom.size() && f.flush() && ::fsync(f.handle()) == 0;
      f.close();
    }
    naploKesz = naploKesz && fsyncMappa(folder);
  }
  if (!naploKesz) {
    torol(naplo);
    ujakTorlese();
    return QStringLiteral("A csere naplója (%1) nem írható.").arg(kCsereNaploFile);
  }

  // 3. The renames, payer file first.
  if (!lep(CsereLepes::Atnevezes1) || !atnevez(uN, nevek)) {
    // Nothing replaced yet: undo by removing the journal first, so that no journal ever
    // names a half-removed pair.
    if (torol(naplo) && fsyncMappa(folder)) {
      ujakTorlese();
      return QStringLiteral("A(z) %1 fájl nem cserélhető le.").arg(kNevekFile);
    }
    return QStringLiteral("A(z) %1 fájl nem cserélhető le. A változás a program következő indításakor "
                          "fejeződik be.").arg(kNevekFile);
  }
  if (!lep(CsereLepes::Atnevezes2) || !atnevez(uK, kozl)) {
    // The payer file is already new: the journal stays, so the next start finishes the pair.
    return QStringLiteral("A(z) %1 fájl nem cserélhető le. A változás a program következő indításakor "
                          "fejeződik be.").arg(kKozl3sorFile);
  }
  fsyncMappa(folder);

  // 4. Done: the journal goes. A journal left behind names no existing file and is removed at
  // the next start.
  if (lep(CsereLepes::NaploTorles) && torol(naplo)) fsyncMappa(folder);
  return {};
}

void fizetoParHelyreallitas(const QString& folder) {
  const QDir dir(folder);
  const QString naplo = dir.filePath(kCsereNaploFile);
  if (const auto r = naploOlvas(naplo)) {
    // Roll forward: every rename whose new file is still there, in the original order.
    bool kesz = true;
    for (const Atnevezes* a : {&r->first, &r->second}) {
      const QString honnan = dir.filePath(a->honnan);
      if (regularis(honnan) && !atnevez(honnan, dir.filePath(a->hova))) kesz = false;
    }
    fsyncMappa(folder);
    if (kesz && torol(naplo)) fsyncMappa(folder);
    return;
  }
  // Roll back: new files that no whole journal names are the leftovers of a swap that never
  // started; the originals are untouched. The journal itself goes last.
  torol(dir.filePath(kNevekTempFile));
  torol(dir.filePath(kKozl3sorTempFile));
  torol(naplo);
  fsyncMappa(folder);
}
