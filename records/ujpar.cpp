#include "records/ujpar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/recordfile.h"
#include "common/rendszerhiba.h"

namespace {

// Each file's write buffer: large enough for few system calls, small beside a million records.
constexpr int kPuffer = 1 << 20;

QByteArray enc(const QString& path) { return QFile::encodeName(path); }

// Writes all of `n` bytes, going on after a short write; false (errno set) on an error.
bool irMind(int fd, const char* p, size_t n) {
  const int hiba = mindIras(fd, p, qint64(n));
  errno = hiba;
  return hiba == 0;
}

}  // namespace

struct UjPar::Iro {
  QString path;
  int fd = -1;
  bool letrehozva = false;
  std::unique_ptr<char[]> puffer = std::make_unique_for_overwrite<char[]>(kPuffer);
  int hasznalt = 0;
};

UjPar::UjPar(const QString& folder, const CsereHorog& horog) : folder_(folder), nevek_(ujCsereNevek()) {
  const QDir dir(folder);
  for (int i = 0; i < 2; ++i) {
    iro_[i] = std::make_unique<Iro>();
    iro_[i]->path = dir.filePath(i == Nevek ? nevek_.nevek : nevek_.kozl);
  }
  if (horog && !horog(CsereLepes::Iras)) {
    hibas({});
    return;
  }
  for (const auto& w : iro_) {
    w->fd = ::open(enc(w->path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (w->fd < 0) {
      hibas({}, errno);
      return;
    }
    w->letrehozva = true;
  }
}

UjPar::~UjPar() {
  for (const auto& w : iro_)
    if (w->fd >= 0) ::close(w->fd);
  if (!atadva_) torles();
}

void UjPar::torles() {
  for (const auto& w : iro_)
    if (w->letrehozva) ::unlink(enc(w->path).constData());
  atadva_ = true;
}

void UjPar::kiir(Iro& w) {
  if (ok() && !irMind(w.fd, w.puffer.get(), size_t(w.hasznalt))) hibas({}, errno);
  w.hasznalt = 0;
}

void UjPar::hibas(const QString& miert, int errnum) {
  if (!ok()) return;
  hiba_ = !miert.isEmpty() ? miert
                           : QStringLiteral("Az ideiglenes fájlok (%1, %2) nem írhatók a program mappájába%3.")
                                 .arg(nevek_.nevek, nevek_.kozl,
                                      errnum ? QStringLiteral(": ") + rendszerHiba(errnum) : QString());
}

char* UjPar::hely(Fajl f, int hossz) {
  Iro& w = *iro_[f];
  if (w.hasznalt + hossz > kPuffer) kiir(w);
  if (!ok()) return w.puffer.get();
  char* p = w.puffer.get() + w.hasznalt;
  w.hasznalt += hossz;
  return p;
}

void UjPar::ir(Fajl f, QByteArrayView b) {
  if (b.isEmpty()) return;
  if (b.size() < kPuffer) {
    std::memcpy(hely(f, int(b.size())), b.data(), size_t(b.size()));
    return;
  }
  Iro& w = *iro_[f];
  kiir(w);
  if (ok() && !irMind(w.fd, b.data(), size_t(b.size()))) hibas({}, errno);
}

void UjPar::masol(Fajl f, const QString& path, qint64 hossz) {
  Iro& w = *iro_[f];
  kiir(w);  // what the buffer holds goes first
  if (!ok() || hossz <= 0) return;
  auto olvasasHiba = [&](const QString& miert) {
    hibas(QStringLiteral("A(z) %1 fájl nem olvasható (%2).").arg(QFileInfo(path).fileName(), miert));
  };
  NyitasHiba h;
  const int be = regularisNyitas(path, O_RDONLY, &h);
  if (be < 0)
    return olvasasHiba(h.fajta.isEmpty() ? rendszerHiba(h.errnum) : QStringLiteral("nem közönséges fájl"));
  loff_t honnan = 0;
  bool kernel = true;
  while (ok() && honnan < hossz) {
    const size_t kell = size_t(std::min<qint64>(hossz - honnan, kernel ? qint64(1) << 30 : kPuffer));
    if (kernel) {
      // The output file's own position moves along, so the buffered writes continue after it.
      const ssize_t n = ::copy_file_range(be, &honnan, w.fd, nullptr, kell, 0);
      if (n > 0) continue;
      if (n < 0 && errno == EINTR) continue;
      // Not offered here, or an error: the rest goes through the buffer, which tells a failed
      // read from a failed write.
      kernel = false;
      continue;
    }
    const ssize_t n = ::pread(be, w.puffer.get(), kell, honnan);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      olvasasHiba(n < 0 ? rendszerHiba(errno) : QStringLiteral("rövidebb a vártnál"));
      break;
    }
    if (!irMind(w.fd, w.puffer.get(), size_t(n))) hibas({}, errno);
    honnan += n;
  }
  ::close(be);
}

CsereEredmeny UjPar::csere(const CsereHorog& horog, const QString& forras) {
  for (const auto& w : iro_) {
    kiir(*w);
    // A file system may report a failed write only when the file is closed.
    if (w->fd >= 0 && ::close(w->fd) != 0) hibas({}, errno);
    w->fd = -1;
  }
  if (!ok()) {
    torles();
    return {CsereAllapot::Valtozatlan, hiba_};
  }
  atadva_ = true;
  return fizetoParCsere(folder_, nevek_.nevek, nevek_.kozl, horog, forras);
}
