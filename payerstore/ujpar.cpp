#include "payerstore/ujpar.h"

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
    FajlEredmeny e;
    w->fd = regularisNyitas(w->path, O_WRONLY | O_CREAT | O_EXCL, &e);
    if (w->fd < 0) {
      hibas({}, e);
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
    if (w->letrehozva) ::torles(w->path);
  atadva_ = true;
}

void UjPar::kiir(Iro& w) {
  if (ok())
    if (const FajlEredmeny e = mindIras(w.fd, w.puffer.get(), w.hasznalt); !e) hibas({}, e);
  w.hasznalt = 0;
}

void UjPar::hibas(const QString& miert, const FajlEredmeny& e) {
  if (!ok()) return;
  hiba_ = !miert.isEmpty() ? miert
                           : QStringLiteral("Az ideiglenes fájlok (%1, %2) nem írhatók a program mappájába%3.")
                                 .arg(nevek_.nevek, nevek_.kozl, e ? QString() : QStringLiteral(": ") + e.miert());
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
  if (ok())
    if (const FajlEredmeny e = mindIras(w.fd, b.data(), b.size()); !e) hibas({}, e);
}

void UjPar::masol(Fajl f, FizetoPar& par, FizetoPar::Fajl honnan, int32_t first, int32_t n) {
  Iro& w = *iro_[f];
  kiir(w);  // what the buffer holds goes first
  if (!ok() || n <= 0) return;
  FajlEredmeny olvasas, iras;
  par.masol(honnan, first, n, w.fd, w.puffer.get(), kPuffer, olvasas, iras);
  if (!olvasas) hibas(par.hiba());
  if (!iras) hibas({}, iras);
}

CsereEredmeny UjPar::csere(const CsereHorog& horog, const QString& forras) {
  for (const auto& w : iro_) {
    kiir(*w);
    // A file system may report a failed write only when the file is closed.
    if (w->fd >= 0 && ::close(w->fd) != 0) hibas({}, FajlEredmeny::hiba(errno));
    w->fd = -1;
  }
  if (!ok()) {
    torles();
    return {CsereAllapot::Valtozatlan, hiba_};
  }
  atadva_ = true;
  return fizetoParCsere(folder_, nevek_.nevek, nevek_.kozl, horog, forras);
}
