#include "exchange/automatikus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "exchange/fajlok.h"

std::optional<QString> stabilCsv(const QString& mappa, FigyeltFajl& elozo) {
  if (mappa.trimmed().isEmpty() || !QFileInfo(mappa).isDir()) {
    elozo = {};
    return std::nullopt;
  }
  const QDir dir(mappa);
  const QFileInfoList fajlok =
      dir.entryInfoList({QStringLiteral("*.csv")}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
  if (fajlok.isEmpty()) {
    elozo = {};
    return std::nullopt;
  }
  const QFileInfo& f = fajlok.first();
  const FigyeltFajl most{f.absoluteFilePath(), f.size(), f.lastModified()};
  const bool stabil = most.path == elozo.path && most.meret == elozo.meret && most.ido == elozo.ido;
  elozo = most;
  if (!stabil) return std::nullopt;
  return most.path;
}

AutoImportEredmeny automatikusImport(const QString& folder, const QString& csvPath, bool felulir) {
  AutoImportEredmeny e;
  const QString nev = QFileInfo(csvPath).fileName();
  if (!QFileInfo::exists(csvPath)) {
    e.allapot = AutoAllapot::Eltunt;
    return e;
  }
  if (sajatAdatfajl(folder, csvPath)) {
    e.hiba = QStringLiteral("A(z) %1 a program saját adatfájlja, nem importálható.").arg(nev);
    return e;
  }
  const QString jelolt = csvPath + QStringLiteral(".imported");
  if (!atnevez(csvPath, jelolt)) {
    if (!QFileInfo::exists(csvPath)) {
      e.allapot = AutoAllapot::Eltunt;
      return e;
    }
    e.allapot = AutoAllapot::NemJelolheto;
    e.hiba = QStringLiteral(
                 "A figyelt mappában a(z) %1 fájl nem törölhető és nem nevezhető át, ezért nem importálható "
                 "(különben minden alkalommal újra beolvasnánk).\r\nAz automatikus adatbeolvasás leállt.")
                 .arg(nev);
    return e;
  }
  e.import = csvImport(folder, jelolt, felulir, CsvValtozat::Automatikus);
  if (!e.import.ok() && !e.import.ures) {
    // Nothing was imported: the file goes back under its name for a later try.
    atnevez(jelolt, csvPath);
    e.hiba = QStringLiteral("A(z) %1 fájl automatikus importálása nem sikerült.\r\n").arg(nev) + e.import.hiba +
             QStringLiteral("\r\nAz automatikus adatbeolvasás leállt.");
    return e;
  }
  QFile::remove(jelolt);
  e.allapot = AutoAllapot::Kesz;
  return e;
}
