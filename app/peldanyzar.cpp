#include "app/peldanyzar.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

PeldanyZar::PeldanyZar(const QString& folder) : folder_(folder) {
  // Opened for reading only: an existing file is neither changed nor needs to be writable, and
  // a missing one is created empty. Only a regular file is taken.
  const QByteArray path = QFile::encodeName(QDir(folder).filePath(kZarFile));
  do
    fd_ = ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
  while (fd_ < 0 && errno == EINTR);
  struct stat st {};
  if (fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) return;
  int rc;
  do
    rc = ::flock(fd_, LOCK_EX | LOCK_NB);
  while (rc != 0 && errno == EINTR);
  if (rc == 0)
    allapot_ = Allapot::Zarolva;
  else if (errno == EWOULDBLOCK)
    allapot_ = Allapot::MasikFut;
}

PeldanyZar::~PeldanyZar() {
  if (fd_ >= 0) ::close(fd_);
}

QString PeldanyZar::uzenet() const {
  return QStringLiteral("A program már fut ebből a mappából:\r\n%1\r\n\r\n"
                        "Egyszerre csak egy példány dolgozhat ugyanazokkal az adatfájlokkal, ezért ez a példány "
                        "most kilép, és semmit sem módosít.")
      .arg(QDir::toNativeSeparators(QDir(folder_).absolutePath()));
}
