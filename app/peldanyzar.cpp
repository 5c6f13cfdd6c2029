#include "app/peldanyzar.h"

#include <QDir>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "common/fajlmuvelet.h"

namespace {
// Opens the lock file of `path` into `fd`, for writing where it can be: a network file system
// (NFS) locks only a file open for writing. An existing file that this user may not write is
// opened for reading. Only a regular file is taken, and a link at the name is not followed.
// Returns why it cannot be opened (empty: opened); `irasra` tells how it was opened.
QString zarNyitas(const QString& path, int& fd, bool& irasra) {
  const Valasz<FajlAdat> elotte = fajlAdat(path, false);
  if (!elotte) return elotte.hiba().miert();
  if (elotte->link()) return QStringLiteral("szimbolikus link áll a helyén, amelyet a program nem követ");
  if (elotte->van && !elotte->regularis()) return FajlEredmeny{0, elotte->fajta()}.miert();
  FajlEredmeny e;
  // Opening for writing changes nothing in the file: neither its bytes nor its time.
  fd = regularisNyitas(path, O_RDWR | O_CREAT | O_NOFOLLOW, &e);
  irasra = fd >= 0;
  if (fd < 0 && elotte->van && (e.errnum == EACCES || e.errnum == EROFS))
    fd = regularisNyitas(path, O_RDONLY | O_NOFOLLOW, &e);
  if (fd >= 0) return {};
  // A link put at the name since the question above.
  if (e.errnum == ELOOP) return QStringLiteral("szimbolikus link áll a helyén, amelyet a program nem követ");
  return e.miert();
}
}  // namespace

PeldanyZar::PeldanyZar(const QString& folder) : folder_(folder) {
  const QString path = QDir(folder).filePath(kZarFile);
  bool irasra = false;
  miert_ = zarNyitas(path, fd_, irasra);
  if (fd_ >= 0) {
    const FajlEredmeny z = kizaroZar(fd_, kZarFile, path);
    if (z) {
      allapot_ = Allapot::Zarolva;
      return;
    }
    if (z.errnum == EWOULDBLOCK) {
      allapot_ = Allapot::MasikFut;
      return;
    }
    miert_ = irasra ? z.miert()
                    : QStringLiteral("csak olvasásra nyitható meg, és így nem zárolható (%1)").arg(z.miert());
  }
  // Where files could be written, a lock that cannot be taken would let two programs write; a
  // folder whose answer cannot be had counts as writable.
  const Valasz<bool> irhatoMappa = irhato(folder);
  if (!irhatoMappa)
    miert_ += QStringLiteral("; a mappa írhatósága sem állapítható meg: %1").arg(irhatoMappa.hiba().miert());
  allapot_ = !irhatoMappa || *irhatoMappa ? Allapot::ZarHibas : Allapot::ZarNelkul;
}

PeldanyZar::~PeldanyZar() {
  if (fd_ >= 0) ::close(fd_);
}

QString PeldanyZar::uzenet() const {
  if (allapot_ == Allapot::ZarHibas)
    return QStringLiteral("A(z) %1 zárfájl nem használható: %2.\r\n%3\r\n\r\n"
                          "Egyszerre csak egy példány dolgozhat ugyanazokkal az adatfájlokkal, ezért ez a példány "
                          "most kilép, és semmit sem módosít.")
        .arg(kZarFile, miert_, QDir::toNativeSeparators(QDir(folder_).absolutePath()));
  return QStringLiteral("A program már fut ebből a mappából:\r\n%1\r\n\r\n"
                        "Egyszerre csak egy példány dolgozhat ugyanazokkal az adatfájlokkal, ezért ez a példány "
                        "most kilép, és semmit sem módosít.")
      .arg(QDir::toNativeSeparators(QDir(folder_).absolutePath()));
}
