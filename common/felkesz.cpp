#include "common/felkesz.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {
// The file a chain of links at `path` ends at (as written in the links, each against its link's
// folder); `path` itself when it is no link or the chain does not end.
Valasz<QString> linkCelja(const QString& path) {
  QString ut = path;
  for (int mely = 0; mely < 40; ++mely) {
    const Valasz<FajlAdat> a = fajlAdat(ut, false);
    if (!a) return a.hiba();
    if (!a->link()) return ut;
    const Valasz<QString> cel = linkTartalom(ut);
    if (!cel) return cel.hiba();
    ut = QDir(QFileInfo(ut).absolutePath()).filePath(*cel);
  }
  return path;
}
}  // namespace

FelkeszFajl::FelkeszFajl(const QString& path) {
  const Valasz<QString> cel = linkCelja(path);
  cel_ = cel ? *cel : path;
  felkesz_ = cel_ + kFelkeszUtotag;
  if (!cel) {
    hibas(Hol::Letrehozas, cel.hiba());
    return;
  }
  const Valasz<FajlAdat> regi = fajlAdat(cel_);
  if (!regi || (regi->van && !regi->regularis())) {
    hibas(Hol::Letrehozas, regi ? FajlEredmeny{0, regi->fajta()} : regi.hiba());
    return;
  }
  // A file the user may not write is not replaced either, though its folder would allow it.
  if (regi->van) {
    int miert = 0;
    const Valasz<bool> irhatoFajl = irhato(cel_, &miert);
    if (!irhatoFajl || !*irhatoFajl) {
      hibas(Hol::Letrehozas, irhatoFajl ? FajlEredmeny::hiba(miert) : irhatoFajl.hiba());
      return;
    }
  }
  if (!hibas(Hol::Letrehozas, torles(felkesz_))) return;
  FajlEredmeny e;
  fd_ = regularisNyitas(felkesz_, O_WRONLY | O_CREAT | O_EXCL, &e);
  if (fd_ < 0) {
    // The open may have created the file before a question about it failed. Nothing stood at
    // the name a moment ago, so a file there now, but for one found by the create, is this one's.
    if (e.errnum != EEXIST && e.fajta.isEmpty()) {
      const Valasz<bool> van = vanNeven(felkesz_);
      sajat_ = !van || *van;
    }
    hibas(Hol::Letrehozas, e.ok() ? FajlEredmeny::hiba(EEXIST) : e);
    return;
  }
  sajat_ = true;
  // A file replaced keeps its permissions, as one written in place would.
  if (regi->van) hibas(Hol::Letrehozas, jogBeallitas(fd_, regi->mod & 07777, QFileInfo(felkesz_).fileName(), felkesz_));
}

FelkeszFajl::~FelkeszFajl() { elvet(); }

bool FelkeszFajl::elvet() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!sajat_ || helyen_) return true;
  // Tried once: a message may already say that it stayed.
  if (!torlesHiba_.ok()) return false;
  const FajlEredmeny e = torles(felkesz_);
  if (!e) torlesHiba_ = e;
  sajat_ = !e.ok();
  return !sajat_;
}

QString FelkeszFajl::maradvany() const {
  if (!sajat_ || helyen_ || torlesHiba_.ok()) return {};
  return QStringLiteral("A(z) %1 félkész fájl nem törölhető (%2), a lemezen maradt.")
      .arg(QFileInfo(felkesz_).fileName(), torlesHiba_.miert());
}

bool FelkeszFajl::hibas(Hol hol, const FajlEredmeny& e) {
  if (e.ok() || !hiba_.ok()) return hiba_.ok();
  hiba_ = e;
  hol_ = hol;
  if (hol != Hol::Mappa) elvet();
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
