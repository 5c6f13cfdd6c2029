#include "exchange/fajlok.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/fajlmuvelet.h"
#include "common/recordfile.h"
#include "common/rendszerhiba.h"
#include "payerstore/nevekrekord.h"

bool sajatAdatfajl(const QString& folder, const QString& path) {
  QFileInfo fi(path);
  // A file that does not exist yet (an export target) is judged by its folder and name.
  QString dir = QFileInfo(fi.absolutePath()).canonicalFilePath();
  QString nev = fi.fileName();
  if (fi.exists()) {
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
// folder, a file system without links), one rename.
bool atnevezFelulirasNelkul(const QByteArray& from, const QByteArray& to) {
  qint64 semmi = 0;
  const QString cel = QFile::decodeName(to);
  if (const int h = fajlHorog(FajlHivas::Atnevezes, QFileInfo(cel).fileName(), semmi, -1, QFileInfo(cel).absoluteFilePath())) {
    errno = h;
    return false;
  }
  if (::link(from.constData(), to.constData()) == 0) {
    FajlEredmeny e = mappaSzinkron(QFileInfo(cel).absolutePath());
    if (e) e = torles(QFile::decodeName(from));
    if (e) return true;
    ::unlink(to.constData());
    errno = e.errnum != 0 ? e.errnum : EIO;
    return false;
  }
  if (errno == EEXIST) return false;
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  struct stat st {};
  if (::lstat(to.constData(), &st) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.constData(), to.constData()) == 0;
}

}  // namespace

std::optional<QString> atnevezSzabadNevre(const QString& path, const QString& ujNev, const QString& utotag) {
  const QDir dir = QFileInfo(path).dir();
  const QByteArray from = QFile::encodeName(path);
  const QFileInfo nev(ujNev);
  const QString alap = nev.completeBaseName(), kit = nev.suffix().isEmpty() ? QString() : "." + nev.suffix();
  for (int i = 1; i < 1000; ++i) {
    const QString cel = dir.filePath((i == 1 ? ujNev : QStringLiteral("%1 (%2)%3").arg(alap).arg(i).arg(kit)) + utotag);
    if (atnevezFelulirasNelkul(from, QFile::encodeName(cel))) return cel;
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

bool csvFajlOlvasas(const QString& path, QByteArray& out, QString& miert) {
  out.clear();
  // Without blocking: a FIFO would wait for a writer for ever.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    miert = QStringLiteral("nem nyitható meg (%1)").arg(rendszerHiba(errno));
    return false;
  }
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0;
  if (ok && !S_ISREG(st.st_mode)) {
    miert = QStringLiteral("nem közönséges fájl (hanem például mappa, eszköz vagy csővezeték)");
    ok = false;
  } else if (ok && st.st_size > kMaxCsvMeret) {
    miert = QStringLiteral("nagyobb, mint %1 MB").arg(kMaxCsvMeret / (1024 * 1024));
    ok = false;
  }
  if (ok) {
    // Read in chunks, the buffer growing with what was read, up to the limit: a file that
    // grows meanwhile is refused there, not followed. Room for the size it has now is taken
    // at once (its pages are used only as they are filled), so a large file is never copied
    // into a larger buffer while it is read.
    out.reserve(qsizetype(st.st_size));
    char darab[1 << 16];
    for (;;) {
      const ssize_t n = ::read(fd, darab, sizeof darab);
      if (n == 0) break;
      if (n < 0) {
        if (errno == EINTR) continue;
        miert = QStringLiteral("nem olvasható (%1)").arg(rendszerHiba(errno));
        ok = false;
        break;
      }
      if (out.size() + n > kMaxCsvMeret) {
        miert = QStringLiteral("nagyobb, mint %1 MB").arg(kMaxCsvMeret / (1024 * 1024));
        ok = false;
        break;
      }
      out.append(darab, n);
    }
  }
  ::close(fd);
  if (!ok) out.clear();
  return ok;
}
