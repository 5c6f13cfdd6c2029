#include "exchange/fajlok.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "common/fajlmuvelet.h"
#include "common/recordfile.h"
#include "payerstore/nevekrekord.h"

Valasz<bool> sajatAdatfajl(const QString& folder, const QString& path) {
  QFileInfo fi(path);
  // A file that does not exist yet (an export target) is judged by its folder and name.
  QString dir = QFileInfo(fi.absolutePath()).canonicalFilePath();
  QString nev = fi.fileName();
  const Valasz<FajlAdat> a = fajlAdat(path);
  if (!a) return a.hiba();
  if (a->van) {
    const QFileInfo valodi(fi.canonicalFilePath());
    dir = valodi.absolutePath();
    nev = valodi.fileName();
  }
  if (nev.compare(kNevekFile, Qt::CaseInsensitive) == 0 || nev.compare(kKozl3sorFile, Qt::CaseInsensitive) == 0)
    return true;
  const QString program = QFileInfo(folder).canonicalFilePath();
  return !dir.isEmpty() && dir == program && nev.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive);
}

bool irTeljes(const QString& path, const QByteArray& bytes) {
  // Only a regular file is written; anything else standing at the name is left alone.
  const FajlEredmeny hiba = fajlIras(path, bytes, O_TRUNC);
  errno = hiba.errnum;
  return hiba.ok();
}

namespace {

// Gives `from` the name `to` without replacing an existing one (EEXIST). A new link comes
// first and the folder is flushed before the old name goes, so that a power loss leaves the file
// under one name or both (never under none, as a rename's two names may reach the disk apart);
// both names are one file then, which tells an unfinished move. Where no link can be made (a
// folder, a file system without links), one rename. Once the file has its new name, the folder
// is flushed again, so that the old name does not come back; that flush's outcome goes to
// `szinkron`.
FajlEredmeny atnevezFelulirasNelkul(const QString& from, const QString& to, FajlEredmeny& szinkron) {
  const QString mappa = QFileInfo(to).absolutePath();
  const FajlEredmeny link = linkeles(from, to);
  if (link) {
    if (const FajlEredmeny e = mappaSzinkron(mappa); !e) {
      torles(to);
      return e;
    }
    if (const FajlEredmeny e = torles(from); !e) {
      torles(to);
      return e;
    }
  } else if (link.errnum == EEXIST) {
    return link;
  } else if (const FajlEredmeny r = atnevezesHaSzabad(from, to); !r) {
    if (r.errnum != EINVAL && r.errnum != ENOSYS) return r;
    // The file system cannot rename exclusively: the name is asked first.
    const Valasz<bool> van = vanNeven(to);
    if (!van) return van.hiba();
    if (*van) return FajlEredmeny::hiba(EEXIST);
    if (const FajlEredmeny a = atnevezes(from, to); !a) return a;
  }
  szinkron = mappaSzinkron(mappa);
  return {};
}

}  // namespace

std::optional<QString> atnevezSzabadNevre(const QString& path, const QString& ujNev, const QString& utotag,
                                          FajlEredmeny* szinkron, FajlEredmeny* hiba) {
  const QDir dir = QFileInfo(path).dir();
  const QFileInfo nev(ujNev);
  const QString alap = nev.completeBaseName(), kit = nev.suffix().isEmpty() ? QString() : "." + nev.suffix();
  FajlEredmeny sz, e;
  for (int i = 1; i < 1000; ++i) {
    const QString cel = dir.filePath((i == 1 ? ujNev : QStringLiteral("%1 (%2)%3").arg(alap).arg(i).arg(kit)) + utotag);
    e = atnevezFelulirasNelkul(path, cel, sz);
    if (e) {
      if (szinkron) *szinkron = sz;
      return cel;
    }
    if (e.errnum != EEXIST) break;
  }
  if (hiba) *hiba = e;
  return std::nullopt;
}

bool csvFajlOlvasas(const QString& path, QByteArray& out, QString& miert) {
  out.clear();
  const QString nev = QFileInfo(path).fileName();
  // Without blocking (a FIFO would wait for a writer for ever), only a regular file.
  FajlEredmeny e;
  const int fd = regularisNyitas(path, O_RDONLY, &e);
  if (fd < 0) {
    miert = !e.fajta.isEmpty() ? QStringLiteral("nem közönséges fájl (hanem például mappa, eszköz vagy csővezeték)")
                               : QStringLiteral("nem nyitható meg (%1)").arg(e.miert());
    return false;
  }
  const Valasz<FajlAdat> a = fajlAdat(fd, nev, QFileInfo(path).absoluteFilePath());
  bool ok = a.ok();
  if (!ok) {
    miert = QStringLiteral("nem olvasható (%1)").arg(a.hiba().miert());
  } else if (a->meret > kMaxCsvMeret) {
    miert = QStringLiteral("nagyobb, mint %1 MB").arg(kMaxCsvMeret / (1024 * 1024));
    ok = false;
  }
  if (ok) {
    // Read in large blocks straight into the buffer, which grows with what was read, up to the
    // limit: a file that grows meanwhile is refused there, not followed. Room for the size it
    // has now is taken at once (its pages are used only as they are filled), so a large file is
    // never copied into a larger buffer while it is read.
    out.reserve(qsizetype(a->meret));
    constexpr qint64 kDarab = qint64(1) << 20;
    for (;;) {
      const qint64 at = out.size();
      const qint64 n = std::min(kDarab, kMaxCsvMeret + 1 - at);
      out.resize(qsizetype(at + n));
      qint64 olvasott = 0;
      e = mindOlvasas(fd, out.data() + at, n, at, olvasott, nev);
      out.resize(qsizetype(at + olvasott));
      if (!e) {
        miert = QStringLiteral("nem olvasható (%1)").arg(e.miert());
        ok = false;
        break;
      }
      if (out.size() > kMaxCsvMeret) {
        miert = QStringLiteral("nagyobb, mint %1 MB").arg(kMaxCsvMeret / (1024 * 1024));
        ok = false;
        break;
      }
      if (olvasott < n) break;  // the end of the file
    }
  }
  ::close(fd);
  if (!ok) out.clear();
  return ok;
}
