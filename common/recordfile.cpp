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

int irasProba(const QString& path) { return ::access(fajlUt(path).constData(), W_OK) == 0 ? 0 : errno; }

QString mentesUzenet(const MentesEredmeny& e, const QString& nemMentve, const QString& mi) {
  QString s;
  switch (e.allapot) {
    case MentesAllapot::Kesz: return {};
    case MentesAllapot::Valtozatlan:
      s = e.olvasasi ? QStringLiteral("A(z) %1 fájl nem olvasható, ezért %2 nem kerültek bele: a fájl változatlan.")
                           .arg(e.fajl, mi)
                     : nemMentve;
      break;
    case MentesAllapot::Bizonytalan:
      s = QStringLiteral("A(z) %1 fájlba %2 beíródtak, de a lemez hibát jelzett, ezért nem biztos, hogy megmaradnak.")
              .arg(e.fajl, mi);
      break;
    case MentesAllapot::Reszben:
      s = QStringLiteral("A(z) %1 fájl írása félbemaradt, a fájl sérült lehet: %2 csak részben kerültek bele.")
              .arg(e.fajl, mi);
      break;
  }
  if (!e.ok.isEmpty()) s += QStringLiteral("\r\nA hiba oka: %1.").arg(e.ok);
  return s;
}

RecordFile::RecordFile(const QString& folder, const QString& name, int recordLength)
    : path_(dataPath(folder, name)), name_(name), len_(recordLength) {
  // A change in place that a crash left half done is rolled back before anything reads the
  // file; while it cannot be, the file is neither read nor written.
  if (FajlEredmeny v; !helybenVisszavonas(folder, name, &v)) {
    nyitas_ = v;
    openErrno_ = v.errnum;
    error_ = helybenNemVonhatoVisszaUzenet(name, v);
    return;
  }
  FajlEredmeny h;
  fd_ = regularisNyitas(path_, O_RDWR | O_CREAT, &h);
  if (fd_ >= 0) {
    writable_ = true;
  } else if (h.fajta.isEmpty()) {
    openErrno_ = h.errnum;
    fd_ = regularisNyitas(path_, O_RDONLY, &h);
  }
  // A missing file that could not be created holds no records; anything else that could not
  // be opened cannot be read.
  if (fd_ < 0 && !(h.fajta.isEmpty() && h.errnum == ENOENT)) nyitas_ = h;
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

Valasz<int32_t> RecordFile::count() const {
  // Nothing open: a missing file that could not be created, or something else than a regular
  // file at the name (said where it is found), holds no records; a file whose opening failed
  // (its question, the open itself) is no count of 0.
  if (fd_ < 0) {
    if (nyitas_.errnum == 0) return int32_t(0);
    olvasasiHiba(nyitas_);
    return nyitas_;
  }
  const Valasz<FajlAdat> a = fajlAdat(fd_, name_, path_);
  if (!a) {
    olvasasiHiba(a.hiba());
    error_ = olvasasHiba_;
    return a.hiba();
  }
  return static_cast<int32_t>(a->meret / len_);
}

bool RecordFile::appendBytes(const QByteArray& bytes) {
  const Valasz<int32_t> n = count();
  return n && writeBytes(*n + 1, bytes);
}

std::optional<QByteArray> RecordFile::readBytes(int32_t n) { return readRange(n, 1); }

void RecordFile::olvasasiHiba(const FajlEredmeny& e) const {
  olvasas_ = e;
  olvasasHiba_ = e.nemOlvashato(name_);
}

FajlEredmeny RecordFile::olvasas(int32_t first, int32_t n, char* ide, const QString& nev) const {
  if (!nyitas_.ok()) return nyitas_;
  const qint64 kell = qint64(len_) * std::max(n, 0);
  qint64 olvasott = 0;
  if (first >= 1 && n > 0 && fd_ >= 0)
    if (const FajlEredmeny e = mindOlvasas(fd_, ide, kell, qint64(first - 1) * len_, olvasott, nev.isEmpty() ? name_ : nev);
        !e)
      return e;
  // Only what lies beyond the end of the file reads as zeros.
  std::fill(ide + olvasott, ide + kell, '\0');
  return {};
}

std::optional<QByteArray> RecordFile::readRange(int32_t first, int32_t n) {
  QByteArray out(qint64(len_) * std::max(n, 0), Qt::Uninitialized);
  if (const FajlEredmeny e = olvasas(first, n, out.data()); !e) {
    olvasasiHiba(e);
    return std::nullopt;
  }
  return out;
}

std::optional<RecordFile::Regi> RecordFile::regi(qint64 at) {
  Regi r;
  const Valasz<FajlAdat> a = fajlAdat(fd_, name_, path_);
  if (!a) {
    olvasasiHiba(a.hiba());
    return std::nullopt;
  }
  r.meret = a->meret;
  if (at < r.meret) {
    const qint64 n = std::min<qint64>(len_, r.meret - at);
    const std::optional<QByteArray> b = readRange(int32_t(at / len_) + 1, 1);
    if (!b) return std::nullopt;
    r.bajtok = b->left(n);
  }
  return r;
}

// Writes `bytes` at `at`, a gap before it filled with zeros; 0 or the system's error.
int RecordFile::iras(qint64 at, const QByteArray& bytes) {
  const Valasz<FajlAdat> a = fajlAdat(fd_, name_, path_);
  if (!a) return a.hiba().errnum;
  if (at > a->meret)
    if (const FajlEredmeny e = meretezes(fd_, at, name_, path_); !e) return e.errnum;
  return mindIras(fd_, bytes.constData(), bytes.size(), at, name_, path_).errnum;
}

// Puts the record's place back as it was before a write: its old bytes and the old length.
int RecordFile::visszaallitas(qint64 at, const Regi& r) {
  if (!r.bajtok.isEmpty())
    if (const int h = iras(at, r.bajtok)) return h;
  const Valasz<FajlAdat> a = fajlAdat(fd_, name_, path_);
  if (!a) return a.hiba().errnum;
  if (a->meret != r.meret) return meretezes(fd_, r.meret, name_, path_).errnum;
  return 0;
}

int RecordFile::szinkron() { return fajlSzinkron(fd_, name_, path_).errnum; }

bool RecordFile::writeBytes(int32_t n, const QByteArray& bytes) {
  if (!writable_ || n < 1 || bytes.size() != len_) {
    if (error_.isEmpty()) error_ = QStringLiteral("A(z) %1 fájl nem írható.").arg(name_);
    return false;
  }
  const qint64 at = qint64(n - 1) * len_;
  // Without the old bytes a failed write could not be undone: nothing is written.
  const std::optional<Regi> elotte = regi(at);
  if (!elotte) {
    error_ = olvasasHiba_;
    return false;
  }
  const int hiba = iras(at, bytes);
  if (hiba == 0) return true;
  error_ = QStringLiteral("Hiba a(z) %1 fájl írásakor: %2.").arg(name_, rendszerHiba(hiba));
  if (visszaallitas(at, *elotte) != 0) error_ += QStringLiteral(" A fájl sérült lehet.");
  return false;
}

QString RecordFile::naploPath() const {
  const QFileInfo fi(path_);
  return fi.absolutePath() + QLatin1Char('/') + helybenNaploNeve(fi.fileName());
}

MentesEredmeny RecordFile::writeDurable(int32_t n, const QByteArray& bytes) {
  MentesEredmeny e;
  e.fajl = name_;
  if (!writable_ || n < 1 || bytes.size() != len_) {
    e.allapot = MentesAllapot::Valtozatlan;
    if (openErrno_ != 0) e.ok = rendszerHiba(openErrno_);
    return e;
  }
  const qint64 at = qint64(n - 1) * len_;
  const std::optional<Regi> regiHely = regi(at);
  if (!regiHely) return olvasasNelkul(*this, name_);
  const Regi& elotte = *regiHely;
  // 1. The old bytes, whole on the disk with their folder entry, before the record changes.
  const QString naplo = naploPath();
  const HelybenNaplo regiBajtok{{{QFileInfo(path_).fileName(), at, elotte.meret, elotte.bajtok, bytes}}};
  if (const FajlEredmeny j = naploIras(naplo, helybenTartalom(regiBajtok), true); !j) {
    e.allapot = MentesAllapot::Valtozatlan;
    e.ok = j.miert();
    error_ = QStringLiteral("Hiba a(z) %1 fájl írásakor: %2.").arg(name_, e.ok);
    return e;
  }
  // 2. The record, flushed. 3. The journal goes: the change is sure to stay only once that
  // removal is on the disk (a journal that came back would undo it).
  int hiba = iras(at, bytes);
  if (hiba == 0) hiba = szinkron();
  if (hiba == 0) {
    const FajlEredmeny t = torles(naplo);
    if (t) {
      const FajlEredmeny m = mappaSzinkron(QFileInfo(naplo).absolutePath());
      if (m) return e;
      e.allapot = MentesAllapot::Bizonytalan;
      e.ok = m.miert();
      return e;
    }
    // The journal stays and would undo the record at the next start: it is undone now.
    hiba = t.errnum;
  }
  e.ok = rendszerHiba(hiba);
  error_ = QStringLiteral("Hiba a(z) %1 fájl írásakor: %2.").arg(name_, e.ok);
  int vissza = visszaallitas(at, elotte);
  if (vissza == 0) vissza = szinkron();
  e.allapot = MentesAllapot::Valtozatlan;
  if (vissza == 0) {
    if (torles(naplo)) mappaSzinkron(QFileInfo(naplo).absolutePath());
    return e;
  }
  // The old bytes could not be put back (the journal stays, so the next start rolls the change
  // back): what the file holds now decides (a place that cannot even be read may be damaged).
  const std::optional<Regi> most = regi(at);
  if (most && most->meret == elotte.meret && most->bajtok == elotte.bajtok) return e;
  e.allapot = most && most->bajtok == bytes ? MentesAllapot::Bizonytalan : MentesAllapot::Reszben;
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

MentesEredmeny olvasasNelkul(const RecordFile& f, const QString& name) {
  MentesEredmeny e;
  e.allapot = MentesAllapot::Valtozatlan;
  e.fajl = name;
  e.olvasasi = true;
  e.ok = f.olvasasEredmeny().miert();
  return e;
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
    const Valasz<int32_t> db = list.count();
    if (!db) return fail(list.olvasasHiba());
    std::optional<QByteArray> b = list.readRange(1, *db);
    if (!b) return fail(list.olvasasHiba());
    all = std::move(*b);
  }
  const int32_t count = int32_t(all.size() / recordLength);
  QByteArray kept;
  kept.reserve(all.size());
  for (int32_t i = 1; i <= count; ++i)
    if (i != n) kept.append(all.constData() + qint64(i - 1) * recordLength, recordLength);

  // The temporary file starts empty: a leftover from an interrupted run (whatever it is) goes.
  torles(tempPath);
  FajlEredmeny nyitas;
  const int fd = regularisNyitas(tempPath, O_WRONLY | O_CREAT | O_EXCL, &nyitas);
  if (fd < 0)
    return fail(QStringLiteral("Az ideiglenes %1 fájl nem hozható létre: %2.")
                    .arg(tempName, nyitas.fajta.isEmpty() ? nyitas.miert() : nyitas.fajta));
  FajlEredmeny e = mindIras(fd, kept.constData(), kept.size());
  if (e) e = fajlSzinkron(fd);
  ::close(fd);
  if (!e) {
    torles(tempPath);
    return fail(QStringLiteral("Hiba az ideiglenes %1 fájl írásakor: %2.").arg(tempName, e.miert()));
  }
  // A journal of a change in place must not outlive the list it was written for.
  if (FajlEredmeny h; !helybenLezaras(listPath, &h)) {
    torles(tempPath);
    return fail(QStringLiteral("A(z) %1 fájl félbeszakadt módosítása nem vonható vissza: %2. A fájl változatlan.")
                    .arg(name, h.miert()));
  }
  if (const FajlEredmeny r = atnevezes(tempPath, listPath); !r) {
    torles(tempPath);
    return fail(QStringLiteral("A(z) %1 fájl nem cserélhető le: %2.").arg(name, r.miert()));
  }
  // Done only once the rename is on the disk too.
  if (const FajlEredmeny m = mappaSzinkron(QFileInfo(listPath).absolutePath()); !m)
    return fail(QStringLiteral("A(z) %1 fájlból a rekord törlődött, de a lemez hibát jelzett, ezért nem biztos, "
                                "hogy a törlés megmarad: %2.").arg(name, m.miert()));
  return true;
}
