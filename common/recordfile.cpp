#include "common/recordfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/platform.h"
#include "common/rendszerhiba.h"

QString dataPath(const QString& folder, const QString& name) {
  QDir dir(folder);
  const QString exact = dir.filePath(name);
  if (QFileInfo::exists(exact)) return exact;
  const QStringList all = dir.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& f : all)
    if (f.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(f);
  return exact;
}

namespace {

QByteArray enc(const QString& path) { return QFile::encodeName(path); }

QString fajtaNeve(mode_t m) {
  if (S_ISREG(m)) return {};
  if (S_ISDIR(m)) return QStringLiteral("mappa");
  if (S_ISFIFO(m)) return QStringLiteral("FIFO");
  if (S_ISCHR(m) || S_ISBLK(m)) return QStringLiteral("eszközfájl");
  if (S_ISSOCK(m)) return QStringLiteral("socket");
  return QStringLiteral("ismeretlen fajta");
}

FajlHorog& horog() {
  static FajlHorog h;
  return h;
}

// Runs the test hook, if any: 0 lets the call go on.
int horogHiba(FajlHivas hivas, const QString& nev, qint64& hossz) {
  return horog() ? horog()(hivas, nev, hossz) : 0;
}

}  // namespace

FajlHorogProba::FajlHorogProba(FajlHorog h) { horog() = std::move(h); }
FajlHorogProba::~FajlHorogProba() { horog() = nullptr; }

int irasProba(const QString& path) { return ::access(enc(path).constData(), W_OK) == 0 ? 0 : errno; }

QString nemFajlFajta(const QString& path) {
  struct stat st {};
  if (::stat(enc(path).constData(), &st) != 0) return {};
  return fajtaNeve(st.st_mode);
}

int regularisNyitas(const QString& path, int flags, NyitasHiba* hiba) {
  NyitasHiba h;
  const QByteArray p = enc(path);
  // Something else at the name is not even opened (opening a device may act on it); the check
  // after the open covers a file swapped in between.
  struct stat st {};
  int fd = -1;
  if (::stat(p.constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
    h.fajta = fajtaNeve(st.st_mode);
  } else {
    do {
      fd = ::open(p.constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
      h.errnum = errno;
    } else if (::fstat(fd, &st) != 0) {
      h.errnum = errno;
      ::close(fd);
      fd = -1;
    } else if (!S_ISREG(st.st_mode)) {
      h.fajta = fajtaNeve(st.st_mode);
      ::close(fd);
      fd = -1;
    }
  }
  if (hiba) *hiba = h;
  return fd;
}

QByteArray regularisOlvasas(const QString& path, qint64 max) {
  const int fd = regularisNyitas(path, O_RDONLY);
  if (fd < 0) return {};
  QByteArray out(max, '\0');
  qint64 n = 0;
  while (n < max) {
    const ssize_t r = ::read(fd, out.data() + n, size_t(max - n));
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) break;
    n += r;
  }
  ::close(fd);
  out.truncate(n);
  return out;
}

QString mentesUzenet(const MentesEredmeny& e, const QString& nemMentve, const QString& mi) {
  QString s;
  switch (e.allapot) {
    case MentesAllapot::Kesz: return {};
    case MentesAllapot::Elmaradt: s = nemMentve; break;
    case MentesAllapot::Bizonytalan:
      s = QStringLiteral("A(z) %1 fájlba %2 beíródtak, de a lemez hibát jelzett, ezért nem biztos, hogy megmaradnak.")
              .arg(e.fajl, mi);
      break;
    case MentesAllapot::Felbemaradt:
      s = QStringLiteral("A(z) %1 fájl írása félbemaradt, a fájl sérült lehet: %2 csak részben kerültek bele.")
              .arg(e.fajl, mi);
      break;
  }
  if (!e.ok.isEmpty()) s += QStringLiteral("\r\nA hiba oka: %1.").arg(e.ok);
  return s;
}

RecordFile::RecordFile(const QString& folder, const QString& name, int recordLength)
    : path_(dataPath(folder, name)), name_(name), len_(recordLength) {
  NyitasHiba h;
  fd_ = regularisNyitas(path_, O_RDWR | O_CREAT, &h);
  if (fd_ >= 0) {
    writable_ = true;
  } else if (h.fajta.isEmpty()) {
    openErrno_ = h.errnum;
    fd_ = regularisNyitas(path_, O_RDONLY, &h);
  }
  if (!h.fajta.isEmpty()) {
    nemFajl_ = h.fajta;
    error_ = QStringLiteral("A(z) %1 helyén nem közönséges fájl áll (%2), ezért nem olvasható és nem írható.")
                 .arg(name, h.fajta);
  } else if (fd_ < 0) {
    // A missing file that could not be created: the reason is the creation's.
    error_ = QStringLiteral("A(z) %1 fájl nem nyitható meg: %2.")
                 .arg(name, rendszerHiba(h.errnum == ENOENT && openErrno_ != 0 ? openErrno_ : h.errnum));
  } else if (!writable_) {
    error_ = QStringLiteral("A(z) %1 fájl nem írható: %2.").arg(name, rendszerHiba(openErrno_));
  }
}

RecordFile::~RecordFile() { close(); }

int32_t RecordFile::count() const {
  struct stat st {};
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
  return static_cast<int32_t>(st.st_size / len_);
}

QByteArray RecordFile::readBytes(int32_t n) { return readRange(n, 1); }

QByteArray RecordFile::readRange(int32_t first, int32_t n) {
  const qint64 want = qint64(len_) * std::max(n, 0);
  QByteArray out(want, '\0');
  if (first < 1 || n <= 0 || fd_ < 0) return out;
  const qint64 at = qint64(first - 1) * len_;
  qint64 got = 0;
  while (got < want) {
    const ssize_t r = ::pread(fd_, out.data() + got, size_t(want - got), off_t(at + got));
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) break;  // the end of the file, or an error: the rest reads as zeros
    got += r;
  }
  return out;
}

RecordFile::Regi RecordFile::regi(qint64 at) {
  Regi r;
  struct stat st {};
  if (::fstat(fd_, &st) == 0) r.meret = st.st_size;
  if (at < r.meret) {
    const qint64 n = std::min<qint64>(len_, r.meret - at);
    r.bajtok = readRange(int32_t(at / len_) + 1, 1).left(n);
  }
  return r;
}

int mindIras(int fd, const char* p, qint64 n, qint64 at) {
  for (qint64 kesz = 0; kesz < n;) {
    const size_t hossz = size_t(n - kesz);
    const ssize_t w = at < 0 ? ::write(fd, p + kesz, hossz) : ::pwrite(fd, p + kesz, hossz, off_t(at + kesz));
    if (w < 0 && errno == EINTR) continue;
    if (w < 0) return errno;
    if (w == 0) return EIO;
    kesz += w;
  }
  return 0;
}

int fajlIras(const QString& path, const QByteArray& bytes, int flags) {
  NyitasHiba h;
  const int fd = regularisNyitas(path, O_WRONLY | O_CREAT | flags, &h);
  if (fd < 0) return h.errnum != 0 ? h.errnum : EEXIST;
  int hiba = mindIras(fd, bytes.constData(), bytes.size());
  if (hiba == 0 && ::fsync(fd) != 0) hiba = errno;
  ::close(fd);
  return hiba;
}

// Writes `bytes` at `at`, a gap before it filled with zeros; 0 or the system's error.
int RecordFile::iras(qint64 at, const QByteArray& bytes) {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return errno;
  if (at > st.st_size) {
    qint64 semmi = 0;
    if (const int h = horogHiba(FajlHivas::Meretezes, name_, semmi)) return h;
    if (::ftruncate(fd_, off_t(at)) != 0) return errno;
  }
  qint64 kesz = 0;
  while (kesz < bytes.size()) {
    qint64 hossz = bytes.size() - kesz;
    if (const int h = horogHiba(FajlHivas::Iras, name_, hossz)) return h;
    const ssize_t w = ::pwrite(fd_, bytes.constData() + kesz, size_t(hossz), off_t(at + kesz));
    if (w < 0 && errno == EINTR) continue;
    if (w < 0) return errno;
    if (w == 0) return EIO;
    kesz += w;
  }
  return 0;
}

// Puts the record's place back as it was before a write: its old bytes and the old length.
int RecordFile::visszaallitas(qint64 at, const Regi& r) {
  if (!r.bajtok.isEmpty())
    if (const int h = iras(at, r.bajtok)) return h;
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return errno;
  if (st.st_size != r.meret) {
    qint64 semmi = 0;
    if (const int h = horogHiba(FajlHivas::Meretezes, name_, semmi)) return h;
    if (::ftruncate(fd_, off_t(r.meret)) != 0) return errno;
  }
  return 0;
}

int RecordFile::szinkron() {
  qint64 semmi = 0;
  if (const int h = horogHiba(FajlHivas::Szinkron, name_, semmi)) return h;
  return ::fsync(fd_) == 0 ? 0 : errno;
}

bool RecordFile::writeBytes(int32_t n, const QByteArray& bytes) {
  if (!writable_ || n < 1 || bytes.size() != len_) {
    if (error_.isEmpty()) error_ = QStringLiteral("A(z) %1 fájl nem írható.").arg(name_);
    return false;
  }
  const qint64 at = qint64(n - 1) * len_;
  const Regi elotte = regi(at);
  const int hiba = iras(at, bytes);
  if (hiba == 0) return true;
  error_ = QStringLiteral("Hiba a(z) %1 fájl írásakor: %2.").arg(name_, rendszerHiba(hiba));
  if (visszaallitas(at, elotte) != 0) error_ += QStringLiteral(" A fájl sérült lehet.");
  return false;
}

MentesEredmeny RecordFile::writeDurable(int32_t n, const QByteArray& bytes) {
  MentesEredmeny e;
  e.fajl = name_;
  if (!writable_ || n < 1 || bytes.size() != len_) {
    e.allapot = MentesAllapot::Elmaradt;
    if (openErrno_ != 0) e.ok = rendszerHiba(openErrno_);
    return e;
  }
  const qint64 at = qint64(n - 1) * len_;
  const Regi elotte = regi(at);
  int hiba = iras(at, bytes);
  if (hiba == 0) hiba = szinkron();
  if (hiba == 0) return e;
  e.ok = rendszerHiba(hiba);
  error_ = QStringLiteral("Hiba a(z) %1 fájl írásakor: %2.").arg(name_, e.ok);
  int vissza = visszaallitas(at, elotte);
  if (vissza == 0) vissza = szinkron();
  e.allapot = MentesAllapot::Elmaradt;
  if (vissza == 0) return e;
  // The old bytes could not be put back: what the file holds now decides.
  const Regi most = regi(at);
  if (most.meret == elotte.meret && most.bajtok == elotte.bajtok) return e;
  e.allapot = most.bajtok == bytes ? MentesAllapot::Bizonytalan : MentesAllapot::Felbemaradt;
  return e;
}

bool RecordFile::flush() {
  if (fd_ < 0) return false;
  const int hiba = szinkron();
  if (hiba == 0) return true;
  error_ = QStringLiteral("A(z) %1 fájl nem írható ki a lemezre: %2.").arg(name_, rendszerHiba(hiba));
  return false;
}

void RecordFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool deleteRecord(const QString& folder, const QString& name, const QString& tempName,
                  int recordLength, int32_t n, QString* error) {
  auto fail = [&](const QString& why) {
    if (error) *error = why;
    return false;
  };
  const QString listPath = dataPath(folder, name);
  const QString tempPath = QDir(folder).filePath(tempName);
  QByteArray all;
  {
    RecordFile list(folder, name, recordLength);
    if (!list.isOpen()) return fail(list.errorText());
    all = list.readRange(1, list.count());
  }
  const int32_t count = int32_t(all.size() / recordLength);
  QByteArray kept;
  kept.reserve(all.size());
  for (int32_t i = 1; i <= count; ++i)
    if (i != n) kept.append(all.constData() + qint64(i - 1) * recordLength, recordLength);

  // The temporary file starts empty: a leftover from an interrupted run (whatever it is) goes.
  ::unlink(enc(tempPath).constData());
  NyitasHiba nyitas;
  const int fd = regularisNyitas(tempPath, O_WRONLY | O_CREAT | O_EXCL, &nyitas);
  if (fd < 0)
    return fail(QStringLiteral("Az ideiglenes %1 fájl nem hozható létre: %2.")
                    .arg(tempName, nyitas.fajta.isEmpty() ? rendszerHiba(nyitas.errnum) : nyitas.fajta));
  int hiba = mindIras(fd, kept.constData(), kept.size());
  if (hiba == 0 && ::fsync(fd) != 0) hiba = errno;
  ::close(fd);
  if (hiba != 0) {
    ::unlink(enc(tempPath).constData());
    return fail(QStringLiteral("Hiba az ideiglenes %1 fájl írásakor: %2.").arg(tempName, rendszerHiba(hiba)));
  }
  if (::rename(enc(tempPath).constData(), enc(listPath).constData()) != 0) {
    const int e = errno;
    ::unlink(enc(tempPath).constData());
    return fail(QStringLiteral("A(z) %1 fájl nem cserélhető le: %2.").arg(name, rendszerHiba(e)));
  }
  return true;
}
