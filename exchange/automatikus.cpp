#include "exchange/automatikus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <dirent.h>
#include <sys/stat.h>

#include "common/fajlmuvelet.h"
#include "exchange/fajlok.h"

namespace {

// Every entry of the watched folder: files, folders, devices, FIFOs, links (broken ones too).
constexpr QDir::Filters kMindenBejegyzes =
    QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden;

// A directory entry of that name, also a link to nothing.
bool letezik(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// The "*.csv" names of `mappa` that are no valid UTF-8, shown with replacement characters. The
// folder listing of the toolkit passes over such names, so they are read from the folder itself.
QStringList nemUtf8Nevek(const QString& mappa) {
  QStringList out;
  DIR* d = ::opendir(QFile::encodeName(mappa).constData());
  if (!d) return out;
  while (const dirent* e = ::readdir(d)) {
    const QByteArray nev(e->d_name);
    if (!nev.toLower().endsWith(".csv")) continue;
    QStringDecoder dec(QStringDecoder::Utf8);
    const QString s = dec.decode(nev);
    if (dec.hasError()) out << s;
  }
  ::closedir(d);
  out.sort();
  return out;
}

// Whether the file `nev` of `dir` has another name in `dir` too (a hard link).
bool masikNeve(const QDir& dir, const QString& nev) {
  struct stat st {};
  if (::lstat(QFile::encodeName(dir.filePath(nev)).constData(), &st) != 0 || st.st_nlink < 2) return false;
  for (const QString& m : dir.entryList(kMindenBejegyzes)) {
    struct stat sm {};
    if (m != nev && ::lstat(QFile::encodeName(dir.filePath(m)).constData(), &sm) == 0 && sm.st_dev == st.st_dev &&
        sm.st_ino == st.st_ino)
      return true;
  }
  return false;
}

}  // namespace

std::optional<QString> stabilCsv(const QString& mappa, FigyeltFajl& elozo, QStringList* ujRosszNevek) {
  if (mappa.trimmed().isEmpty() || !QFileInfo(mappa).isDir()) {
    elozo.felejt();
    return std::nullopt;
  }
  for (const QString& n : nemUtf8Nevek(mappa))
    if (!elozo.rosszNevek.contains(n)) {
      elozo.rosszNevek.insert(n);
      if (ujRosszNevek) *ujRosszNevek << n;
    }
  const QDir dir(mappa);
  // Folders, devices, FIFOs and broken links are listed too: taking them sets them aside with a
  // message.
  const QFileInfoList fajlok =
      dir.entryInfoList({QStringLiteral("*.csv")}, kMindenBejegyzes, QDir::Name | QDir::IgnoreCase);
  if (fajlok.isEmpty()) {
    elozo.felejt();
    return std::nullopt;
  }
  const QFileInfo& f = fajlok.first();
  const bool stabil = f.absoluteFilePath() == elozo.path && f.size() == elozo.meret && f.lastModified() == elozo.ido;
  elozo.path = f.absoluteFilePath();
  elozo.meret = f.size();
  elozo.ido = f.lastModified();
  if (!stabil) return std::nullopt;
  return elozo.path;
}

AutoImportEredmeny automatikusImport(const QString& folder, const QString& csvPath, bool felulir,
                                     const CsereHorog& horog) {
  AutoImportEredmeny e;
  const QString nev = QFileInfo(csvPath).fileName();
  if (!letezik(csvPath)) {
    e.allapot = AutoAllapot::Eltunt;
    return e;
  }
  if (sajatAdatfajl(folder, csvPath)) {
    e.hiba = QStringLiteral("A(z) %1 a program saját adatfájlja, nem importálható.").arg(nev);
    return e;
  }
  // The claim: the file leaves the watched names before its import. The change names it, so
  // after a crash the next start removes it with a finished change or puts it back.
  const std::optional<QString> atvett = atnevezSzabadNevre(csvPath, nev, kAtvetelUtotag);
  if (!atvett) {
    e.allapot = letezik(csvPath) ? AutoAllapot::NemJelolheto : AutoAllapot::Eltunt;
    if (e.allapot == AutoAllapot::NemJelolheto)
      e.hiba = QStringLiteral(
                   "A figyelt mappában a(z) %1 fájl nem nevezhető át, ezért nem importálható "
                   "(különben minden alkalommal újra beolvasnánk).\r\nAz automatikus adatbeolvasás leállt.")
                   .arg(nev);
    return e;
  }
  // The claim is on the disk before a journal names the claimed file (the watched folder may lie
  // on another file system, flushed apart from the program folder): else a power loss could keep
  // the change and lose the claim, and the file would be imported again.
  if (const FajlEredmeny m = mappaSzinkron(QFileInfo(*atvett).absolutePath()); !m) {
    const std::optional<QString> vissza = atnevezSzabadNevre(*atvett, nev);
    e.allapot = AutoAllapot::NemJelolheto;
    e.hiba = QStringLiteral("A figyelt mappa nem írható ki a lemezre (%1), ezért a(z) %2 fájl nem importálható.")
                 .arg(m.miert(), nev);
    if (!vissza)
      e.hiba += QStringLiteral("\r\nA fájl „%1” néven a figyelt mappában maradt.").arg(QFileInfo(*atvett).fileName());
    e.hiba += QStringLiteral("\r\nAz automatikus adatbeolvasás leállt.");
    return e;
  }
  e.import = csvImport(folder, *atvett, felulir, CsvValtozat::Automatikus, {nev, true, horog});
  if (e.import.ok()) {
    e.allapot = AutoAllapot::Kesz;
    return e;
  }
  if (e.import.fajlHiba) {
    if (const std::optional<QString> felre = atnevezSzabadNevre(*atvett, nev, kHibasUtotag)) {
      e.allapot = AutoAllapot::Felreteve;
      e.hiba = e.import.hiba + QStringLiteral("\r\nA fájl „%1” néven a figyelt mappában maradt.")
                                   .arg(QFileInfo(*felre).fileName());
      return e;
    }
  }
  // Nothing was imported: the file goes back under its name (or a free one) for a later try.
  atnevezSzabadNevre(*atvett, nev);
  e.hiba = QStringLiteral("A(z) %1 fájl automatikus importálása nem sikerült.\r\n").arg(nev) + e.import.hiba +
           QStringLiteral("\r\nAz automatikus adatbeolvasás leállt.");
  return e;
}

QStringList csvAtvetelekFeloldasa(const QString& mappa) {
  QStringList maradt;
  if (mappa.trimmed().isEmpty() || !QFileInfo(mappa).isDir()) return maradt;
  const QDir dir(mappa);
  bool torolve = false;
  for (const QString& f : dir.entryList({QStringLiteral("*.csv") + kAtvetelUtotag}, kMindenBejegyzes, QDir::Name)) {
    // A move to or from the claimed name that a power loss cut short: the file stands under its
    // other name too, and keeps that one.
    if (masikNeve(dir, f)) {
      if (torles(dir.filePath(f))) {
        torolve = true;
        continue;
      }
    } else if (atnevezSzabadNevre(dir.filePath(f), f.chopped(kAtvetelUtotag.size()))) {
      continue;
    }
    maradt << f;
  }
  if (torolve) mappaSzinkron(mappa);
  return maradt;
}
