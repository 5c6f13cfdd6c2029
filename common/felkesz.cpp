#include "common/felkesz.h"

#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The file a chain of links at `path` ends at (as written in the links); `path` itself when it
// is no link or the chain does not end.
QString linkCelja(const QString& path) {
  QFileInfo fi(path);
  for (int mely = 0; fi.isSymLink(); ++mely) {
    if (mely == 40) return path;
    fi.setFile(fi.symLinkTarget());
  }
  return fi.filePath();
}
}  // namespace

FelkeszFajl::FelkeszFajl(const QString& path) : cel_(linkCelja(path)), felkesz_(cel_ + kFelkeszUtotag) {
  if (const Valasz<QString> fajta = nemFajlFajta(cel_); !fajta || !fajta->isEmpty()) {
    hibas(Hol::Letrehozas, fajta ? FajlEredmeny{0, *fajta} : fajta.hiba());
    return;
  }
  // A file the user may not write is not replaced either, though its folder would allow it.
  if (::access(fajlUt(cel_).constData(), F_OK) == 0 && ::access(fajlUt(cel_).constData(), W_OK) != 0) {
    hibas(Hol::Letrehozas, FajlEredmeny::hiba(errno));
    return;
  }
  if (!hibas(Hol::Letrehozas, torles(felkesz_))) return;
  FajlEredmeny e;
  fd_ = regularisNyitas(felkesz_, O_WRONLY | O_CREAT | O_EXCL, &e);
  if (fd_ < 0) {
    hibas(Hol::Letrehozas, e.ok() ? FajlEredmeny::hiba(EEXIST) : e);
    return;
  }
  sajat_ = true;
  // A file replaced keeps its permissions, as one written in place would.
  struct stat st {};
  if (::stat(fajlUt(cel_).constData(), &st) == 0) (void)::fchmod(fd_, st.st_mode & 07777);
}

FelkeszFajl::~FelkeszFajl() {
  if (fd_ >= 0) ::close(fd_);
  if (sajat_ && !helyen_) torles(felkesz_);
}

bool FelkeszFajl::hibas(Hol hol, const FajlEredmeny& e) {
  if (e.ok() || !hiba_.ok()) return hiba_.ok();
  hiba_ = e;
  hol_ = hol;
  return false;
}

bool FelkeszFajl::ir(const char* p, qint64 n) {
  if (!ok()) return false;
  if (!hibas(Hol::Iras, mindIras(fd_, p, n))) return false;
  irva_ += n;
  return true;
}

bool FelkeszFajl::kesz() {
  if (!ok()) return false;
  if (!hibas(Hol::Iras, fajlSzinkron(fd_))) return false;
  // A file system may report a failed write only when the file is closed.
  const int lezaras = ::close(fd_);
  fd_ = -1;
  if (lezaras != 0 && !hibas(Hol::Iras, FajlEredmeny::hiba(errno))) return false;
  if (!hibas(Hol::Iras, atnevezes(felkesz_, cel_))) return false;
  helyen_ = true;
  return hibas(Hol::Mappa, mappaSzinkron(QFileInfo(cel_).absolutePath()));
}
