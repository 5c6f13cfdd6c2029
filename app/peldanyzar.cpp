#include "app/peldanyzar.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/fajlmuvelet.h"

PeldanyZar::PeldanyZar(const QString& folder) : folder_(folder) {
  // Opened for reading only: an existing file is neither changed nor needs to be writable, and
  // a missing one is created empty. Only a regular file is taken.
  const QByteArray path = QFile::encodeName(QDir(folder).filePath(kZarFile));
  do
    fd_ = ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
  while (fd_ < 0 && errno == EINTR);
  struct stat st {};
  int rc = -1;
  if (fd_ < 0 || ::fstat(fd_, &st) != 0)
    miert_ = FajlEredmeny::hiba(errno).miert();
  else if (!S_ISREG(st.st_mode))
    miert_ = QStringLiteral("nem közönséges fájl");
  else {
    do
      rc = ::flock(fd_, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    if (rc != 0 && errno != EWOULDBLOCK) miert_ = FajlEredmeny::hiba(errno).miert();
  }
  if (rc == 0)
    allapot_ = Allapot::Zarolva;
  else if (miert_.isEmpty())
    allapot_ = Allapot::MasikFut;
  // Where files could be written, a lock that cannot be taken would let two programs write.
  else if (::access(QFile::encodeName(folder).constData(), W_OK) == 0)
    allapot_ = Allapot::ZarHibas;
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
