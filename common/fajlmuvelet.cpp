#include "common/fajlmuvelet.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/rendszerhiba.h"

namespace {

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

FajlAdatHorog& adatHorog() {
  static FajlAdatHorog h;
  return h;
}

// Per thread: the list load reads from several threads at once.
QString& horogUt() {
  thread_local QString ut;
  return ut;
}

FajlEredmeny hibaErrno() { return FajlEredmeny::hiba(errno); }

}  // namespace

QString FajlEredmeny::miert() const {
  if (fajta == QStringLiteral("mappa")) return QStringLiteral("ilyen nevű mappa áll a helyén");
  if (!fajta.isEmpty()) return QStringLiteral("nem közönséges fájl (%1) áll a helyén").arg(fajta);
  return errnum != 0 ? rendszerHiba(errnum) : QString();
}

void fajlMeretKorlatHibakent() {
  struct sigaction sa {};
  sa.sa_handler = SIG_IGN;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGXFSZ, &sa, nullptr);
}

QString FajlEredmeny::nemOlvashato(const QString& fajl) const {
  return QStringLiteral("A(z) %1 fájl nem olvasható: %2.").arg(fajl, miert());
}

FajlHorogProba::FajlHorogProba(FajlHorog h) { horog() = std::move(h); }
FajlHorogProba::~FajlHorogProba() { horog() = nullptr; }

int fajlHorog(FajlHivas hivas, const QString& nev, qint64& hossz, qint64 hol, const QString& ut) {
  if (!horog()) return 0;
  horogUt() = ut;
  const int h = horog()(hivas, nev, hossz, hol);
  horogUt().clear();
  return h;
}

int fajlHorogFd(FajlHivas hivas, int fd, qint64& hossz, qint64 hol) {
  if (!horog()) return 0;
  // The descriptor's file as the system names it now.
  char buf[4096];
  const ssize_t n = ::readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(), buf, sizeof buf);
  const QString ut = n > 0 ? QFile::decodeName(QByteArray(buf, int(n))) : QString();
  return fajlHorog(hivas, QFileInfo(ut).fileName(), hossz, hol, ut);
}

QString fajlHorogUt() { return horogUt(); }

bool olvasoHivas(FajlHivas h) {
  return h == FajlHivas::Olvasas || h == FajlHivas::Lekerdezes || h == FajlHivas::Nyitas || h == FajlHivas::Zarolas;
}

FajlAdatProba::FajlAdatProba(FajlAdatHorog h) { adatHorog() = std::move(h); }
FajlAdatProba::~FajlAdatProba() { adatHorog() = nullptr; }

namespace {
// The hook of a call on an open file, named as `nev` or else by its descriptor.
int horogNyitott(FajlHivas hivas, int fd, const QString& nev, const QString& ut, qint64& hossz, qint64 hol) {
  return nev.isEmpty() ? fajlHorogFd(hivas, fd, hossz, hol) : fajlHorog(hivas, nev, hossz, hol, ut);
}

// The hook of a call on a path.
int horogUton(FajlHivas hivas, const QString& path) {
  qint64 semmi = 0;
  return fajlHorog(hivas, QFileInfo(path).fileName(), semmi, -1, QFileInfo(path).absoluteFilePath());
}
}  // namespace

QByteArray fajlUt(const QString& path) { return QFile::encodeName(path); }

bool FajlAdat::regularis() const { return van && S_ISREG(mode_t(mod)); }
bool FajlAdat::mappa() const { return van && S_ISDIR(mode_t(mod)); }
bool FajlAdat::link() const { return van && S_ISLNK(mode_t(mod)); }
QString FajlAdat::fajta() const { return van ? fajtaNeve(mode_t(mod)) : QString(); }

namespace {
FajlAdat adatbol(const struct stat& st) {
  FajlAdat a;
  a.van = true;
  a.mod = unsigned(st.st_mode);
  a.meret = qint64(st.st_size);
  a.eszkoz = quint64(st.st_dev);
  a.inode = quint64(st.st_ino);
  a.linkek = quint64(st.st_nlink);
  a.ido = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  if (adatHorog()) adatHorog()(a);
  return a;
}
}  // namespace

Valasz<FajlAdat> fajlAdat(const QString& path, bool kovet) {
  if (const int h = horogUton(FajlHivas::Lekerdezes, path)) return FajlEredmeny::hiba(h);
  struct stat st {};
  const QByteArray p = fajlUt(path);
  if ((kovet ? ::stat(p.constData(), &st) : ::lstat(p.constData(), &st)) == 0) return adatbol(st);
  if (errno == ENOENT) return FajlAdat{};
  return hibaErrno();
}

Valasz<FajlAdat> fajlAdat(int fd, const QString& nev, const QString& ut) {
  qint64 semmi = 0;
  if (const int h = horogNyitott(FajlHivas::Lekerdezes, fd, nev, ut, semmi, -1)) return FajlEredmeny::hiba(h);
  struct stat st {};
  if (::fstat(fd, &st) != 0) return hibaErrno();
  return adatbol(st);
}

Valasz<bool> vanNeven(const QString& path) {
  const Valasz<FajlAdat> a = fajlAdat(path, false);
  if (!a) return a.hiba();
  return a->van;
}

Valasz<QList<QByteArray>> mappaNevek(const QString& path) {
  if (const int h = horogUton(FajlHivas::Lekerdezes, path)) return FajlEredmeny::hiba(h);
  DIR* d = ::opendir(fajlUt(path).constData());
  if (!d) return hibaErrno();
  QList<QByteArray> out;
  for (;;) {
    errno = 0;
    const dirent* e = ::readdir(d);
    if (!e) break;
    const QByteArray n(e->d_name);
    if (n != "." && n != "..") out << n;
  }
  const int hiba = errno;
  ::closedir(d);
  if (hiba != 0) return FajlEredmeny::hiba(hiba);
  return out;
}

Valasz<QString> nemFajlFajta(const QString& path) {
  const Valasz<FajlAdat> a = fajlAdat(path);
  if (!a) return a.hiba();
  return a->fajta();
}

Valasz<bool> irhato(const QString& path, int* miert) {
  int e = horogUton(FajlHivas::Lekerdezes, path);
  if (e == 0 && ::access(fajlUt(path).constData(), W_OK) != 0) e = errno;
  if (miert) *miert = e;
  if (e == 0) return true;
  if (e == EACCES || e == EROFS || e == ETXTBSY) return false;
  return FajlEredmeny::hiba(e);
}

Valasz<QString> linkTartalom(const QString& path) {
  if (const int h = horogUton(FajlHivas::Lekerdezes, path)) return FajlEredmeny::hiba(h);
  QByteArray buf(4096, Qt::Uninitialized);
  const ssize_t n = ::readlink(fajlUt(path).constData(), buf.data(), size_t(buf.size()));
  if (n < 0) return hibaErrno();
  if (n >= buf.size()) return FajlEredmeny::hiba(ENAMETOOLONG);
  return QFile::decodeName(buf.left(qsizetype(n)));
}

int regularisNyitas(const QString& path, int flags, FajlEredmeny* e) {
  FajlEredmeny h;
  // Something else at the name is not even opened (opening a device may act on it); the check
  // after the open covers a file swapped in between.
  int fd = -1;
  const Valasz<FajlAdat> elotte = fajlAdat(path);
  const bool van = elotte && elotte->van;
  const int horogHiba = !elotte ? 0 : horogUton(!van && (flags & O_CREAT) ? FajlHivas::Letrehozas : FajlHivas::Nyitas, path);
  if (!elotte) {
    h = elotte.hiba();
  } else if (van && !elotte->regularis()) {
    h.fajta = elotte->fajta();
  } else if (horogHiba != 0) {
    h = FajlEredmeny::hiba(horogHiba);
  } else {
    const QByteArray p = fajlUt(path);
    do {
      fd = ::open(p.constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
      h = hibaErrno();
    } else if (const Valasz<FajlAdat> a = fajlAdat(fd, QFileInfo(path).fileName(), QFileInfo(path).absoluteFilePath()); !a) {
      h = a.hiba();
      ::close(fd);
      fd = -1;
      // A file this call created is not left behind by a question that failed after it.
      if (!van && (flags & O_CREAT)) torles(path);
    } else if (!a->regularis()) {
      h.fajta = a->fajta();
      ::close(fd);
      fd = -1;
    }
  }
  if (e) *e = h;
  return fd;
}

FajlEredmeny mindOlvasas(int fd, char* p, qint64 n, qint64 at, qint64& olvasott, const QString& nev) {
  olvasott = 0;
  while (olvasott < n) {
    qint64 hossz = n - olvasott;
    if (const int h = fajlHorog(FajlHivas::Olvasas, nev, hossz, at + olvasott)) return FajlEredmeny::hiba(h);
    const ssize_t r = ::pread(fd, p + olvasott, size_t(n - olvasott), off_t(at + olvasott));
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) return hibaErrno();
    if (r == 0) break;  // the end of the file
    olvasott += r;
  }
  return {};
}

FajlEredmeny mindIras(int fd, const char* p, qint64 n, qint64 at, const QString& nev, const QString& ut) {
  for (qint64 kesz = 0; kesz < n;) {
    qint64 h = n - kesz;
    if (const int hiba = horogNyitott(FajlHivas::Iras, fd, nev, ut, h, at < 0 ? -1 : at + kesz))
      return FajlEredmeny::hiba(hiba);
    const size_t hossz = size_t(h);
    const ssize_t w = at < 0 ? ::write(fd, p + kesz, hossz) : ::pwrite(fd, p + kesz, hossz, off_t(at + kesz));
    if (w < 0 && errno == EINTR) continue;
    if (w < 0) return hibaErrno();
    if (w == 0) return FajlEredmeny::hiba(EIO);
    kesz += w;
  }
  return {};
}

FajlEredmeny fajlSzinkron(int fd, const QString& nev, const QString& ut) {
  qint64 semmi = 0;
  if (const int h = horogNyitott(FajlHivas::Szinkron, fd, nev, ut, semmi, -1)) return FajlEredmeny::hiba(h);
  return ::fsync(fd) == 0 ? FajlEredmeny{} : hibaErrno();
}

FajlEredmeny jogBeallitas(int fd, unsigned mod, const QString& nev, const QString& ut) {
  qint64 semmi = 0;
  if (const int h = horogNyitott(FajlHivas::Jogok, fd, nev, ut, semmi, -1)) return FajlEredmeny::hiba(h);
  return ::fchmod(fd, mode_t(mod & 07777)) == 0 ? FajlEredmeny{} : hibaErrno();
}

FajlEredmeny meretezes(int fd, qint64 hossz, const QString& nev, const QString& ut) {
  qint64 semmi = 0;
  if (const int h = horogNyitott(FajlHivas::Meretezes, fd, nev, ut, semmi, -1)) return FajlEredmeny::hiba(h);
  return ::ftruncate(fd, off_t(hossz)) == 0 ? FajlEredmeny{} : hibaErrno();
}

namespace {
FajlEredmeny szinkronUt(const QString& path, int flags) {
  const int fd = ::open(fajlUt(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | flags);
  if (fd < 0) return hibaErrno();
  const FajlEredmeny e = ::fsync(fd) == 0 ? FajlEredmeny{} : hibaErrno();
  ::close(fd);
  return e;
}
}  // namespace

FajlEredmeny fajlSzinkron(const QString& path) {
  qint64 semmi = 0;
  if (const int h = fajlHorog(FajlHivas::Szinkron, QFileInfo(path).fileName(), semmi, -1, QFileInfo(path).absoluteFilePath()))
    return FajlEredmeny::hiba(h);
  return szinkronUt(path, 0);
}

FajlEredmeny mappaSzinkron(const QString& folder) {
  qint64 semmi = 0;
  if (const int h = fajlHorog(FajlHivas::MappaSzinkron, folder, semmi, -1, QFileInfo(folder).absoluteFilePath()))
    return FajlEredmeny::hiba(h);
  return szinkronUt(folder, O_DIRECTORY);
}

FajlEredmeny atnevezes(const QString& from, const QString& to) {
  if (const int h = horogUton(FajlHivas::Atnevezes, to)) return FajlEredmeny::hiba(h);
  return ::rename(fajlUt(from).constData(), fajlUt(to).constData()) == 0 ? FajlEredmeny{} : hibaErrno();
}

FajlEredmeny atnevezesHaSzabad(const QString& from, const QString& to) {
  if (const int h = horogUton(FajlHivas::Atnevezes, to)) return FajlEredmeny::hiba(h);
  return ::renameat2(AT_FDCWD, fajlUt(from).constData(), AT_FDCWD, fajlUt(to).constData(), RENAME_NOREPLACE) == 0
             ? FajlEredmeny{}
             : hibaErrno();
}

FajlEredmeny fajlMasolas(const QString& from, const QString& to) {
  FajlEredmeny e;
  const int be = regularisNyitas(from, O_RDONLY, &e);
  if (be < 0) return e.errnum != 0 || !e.fajta.isEmpty() ? e : FajlEredmeny::hiba(EIO);
  const int ki = regularisNyitas(to, O_WRONLY | O_CREAT | O_EXCL, &e);
  if (ki < 0) {
    ::close(be);
    return e.errnum != 0 ? e : FajlEredmeny::hiba(EEXIST);
  }
  const QString nev = QFileInfo(from).fileName();
  QByteArray puffer(1 << 20, Qt::Uninitialized);
  for (qint64 hol = 0;;) {
    qint64 n = 0;
    if (e = mindOlvasas(be, puffer.data(), puffer.size(), hol, n, nev); !e || n == 0) break;
    if (e = mindIras(ki, puffer.constData(), n); !e) break;
    hol += n;
  }
  if (e) e = fajlSzinkron(ki);
  ::close(be);
  ::close(ki);
  if (!e) torles(to);
  return e;
}

Valasz<bool> azonosTartalom(const QString& a, const QString& b, qint64 meret, int* hibas) {
  FajlEredmeny e;
  if (hibas) *hibas = 0;
  const int fa = regularisNyitas(a, O_RDONLY, &e);
  if (fa < 0) return e;
  if (hibas) *hibas = 1;
  const int fb = regularisNyitas(b, O_RDONLY, &e);
  if (fb < 0) {
    ::close(fa);
    return e;
  }
  constexpr qint64 kDarab = qint64(1) << 20;
  QByteArray ba(kDarab, Qt::Uninitialized), bb(kDarab, Qt::Uninitialized);
  bool azonos = true;
  for (qint64 at = 0; e && azonos && at < meret; at += kDarab) {
    qint64 na = 0, nb = 0;
    if (hibas) *hibas = 0;
    e = mindOlvasas(fa, ba.data(), kDarab, at, na, QFileInfo(a).fileName());
    if (e && hibas) *hibas = 1;
    if (e) e = mindOlvasas(fb, bb.data(), kDarab, at, nb, QFileInfo(b).fileName());
    azonos = na == nb && std::memcmp(ba.constData(), bb.constData(), size_t(na)) == 0 && na > 0;
  }
  ::close(fa);
  ::close(fb);
  if (!e) return e;
  return azonos;
}

FajlEredmeny mappaLetrehozas(const QString& path) {
  if (const int h = horogUton(FajlHivas::Letrehozas, path)) return FajlEredmeny::hiba(h);
  return ::mkdir(fajlUt(path).constData(), 0777) == 0 ? FajlEredmeny{} : hibaErrno();
}

FajlEredmeny kizaroZar(int fd, const QString& nev, const QString& ut) {
  const int jelzok = ::fcntl(fd, F_GETFL);
  qint64 hossz = jelzok < 0 ? 0 : jelzok;
  if (const int h = horogNyitott(FajlHivas::Zarolas, fd, nev, ut, hossz, -1)) return FajlEredmeny::hiba(h);
  int rc;
  do {
    rc = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  return rc == 0 ? FajlEredmeny{} : hibaErrno();
}

FajlEredmeny torles(const QString& path) {
  if (const int h = horogUton(FajlHivas::Torles, path)) return FajlEredmeny::hiba(h);
  return ::unlink(fajlUt(path).constData()) == 0 || errno == ENOENT ? FajlEredmeny{} : hibaErrno();
}

FajlEredmeny linkeles(const QString& from, const QString& to) {
  if (const int h = horogUton(FajlHivas::Linkeles, to)) return FajlEredmeny::hiba(h);
  return ::link(fajlUt(from).constData(), fajlUt(to).constData()) == 0 ? FajlEredmeny{} : hibaErrno();
}

FajlEredmeny fajlIras(const QString& path, const QByteArray& bytes, int flags) {
  FajlEredmeny e;
  const int fd = regularisNyitas(path, O_WRONLY | O_CREAT | flags, &e);
  if (fd < 0) return e.errnum != 0 ? e : FajlEredmeny::hiba(EEXIST);
  e = mindIras(fd, bytes.constData(), bytes.size());
  if (e) e = fajlSzinkron(fd);
  ::close(fd);
  return e;
}

FajlEredmeny naploIras(const QString& path, const QByteArray& tartalom, bool uj) {
  FajlEredmeny e = fajlIras(path, tartalom, uj ? O_EXCL : O_TRUNC);
  const bool sajat = e.errnum != EEXIST;  // a journal found at the name is not ours to remove
  if (e) e = mappaSzinkron(QFileInfo(path).absolutePath());
  if (!e && sajat) torles(path);
  return e;
}

std::optional<QByteArray> regularisOlvasas(const QString& path, qint64 max, FajlEredmeny* e) {
  FajlEredmeny h;
  const int fd = regularisNyitas(path, O_RDONLY, &h);
  if (e) *e = h;
  if (fd < 0) {
    if (h.errnum != ENOENT) return std::nullopt;
    if (e) *e = {};
    return QByteArray();
  }
  QByteArray out(max, '\0');
  qint64 n = 0;
  h = mindOlvasas(fd, out.data(), max, 0, n, QFileInfo(path).fileName());
  ::close(fd);
  if (e) *e = h;
  if (!h) return std::nullopt;
  out.truncate(n);
  return out;
}
