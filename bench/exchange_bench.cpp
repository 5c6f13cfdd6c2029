// Data-exchange timings: the CSV import of a 100,000-line and of a 1,000,000-line file
// (replacing the payer pair, and appending to as many stored payers), each next to reading the
// same file and writing the same record bytes (both payer files, flushed to the disk) in the
// same run; the export of 100,000 payers; and at 1,000,000 payers the deletion of one payer
// beside a plain copy of both payer files, and the export beside a plain write of its bytes.
// Prints one line per operation (milliseconds, best
// and median of several runs, and the peak resident memory of the process during it) and the
// import's ratio to the plain reading and writing.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "exchange/csvexport.h"
#include "exchange/csvimport.h"
#include "exchange/csvsor.h"
#include "exchange/fajlok.h"
#include "payerstore/nevekrekord.h"
#include "payerstore/ugyfeltorles.h"

namespace {

constexpr int kFutas = 5;

QByteArray csvFajl(int sorok) {
  const QStringList csalad = {"Nagy", "Kovács", "Tóth", "Szabó", "Horváth", "Varga", "Kiss", "Molnár", "Németh",
                              "Farkas", "Balogh", "Papp", "Takács", "Juhász", "Szűcs", "Hegedűs", "Fülöp"};
  const QStringList utonev = {"László", "István", "József", "János", "Zoltán", "Mária", "Erzsébet", "Éva",
                              "Ágnes", "Enikő", "Győző", "Ödön"};
  const QStringList helyseg = {"Budapest", "Debrecen", "Szeged", "Győr", "Pécs", "Nyíregyháza", "Székesfehérvár"};
  QByteArray b;
  b.reserve(qsizetype(sorok) * 130);
  unsigned x = 12345;
  auto v = [&x](int n) {
    x = x * 1103515245u + 12345u;
    return int((x >> 16) % unsigned(n));
  };
  for (int i = 1; i <= sorok; ++i) {
    const QString sor = QStringLiteral("%1 %2;;AZ-%3;%4;%5;Petőfi Sándor utca %6.;%7;Tagdíj 2026;2026.12.31;Sz-%3;"
                                       "Határozat;;RL%3HU;J-%3\r\n")
                            .arg(csalad[v(csalad.size())], utonev[v(utonev.size())])
                            .arg(i)
                            .arg(helyseg[v(helyseg.size())])
                            .arg(1000 + v(9000))
                            .arg(1 + v(200))
                            .arg(100 + v(100000));
    b += sor.toUtf8();
  }
  return b;
}

struct Ido {
  qint64 best, median;
};

// The peak resident memory of the process is set back to what it holds now (Linux).
void csucsTorles() {
  QFile f(QStringLiteral("/proc/self/clear_refs"));
  if (f.open(QIODevice::WriteOnly)) f.write("5");
}
// A memory figure of the process in MB: "VmHWM" the peak resident memory since the last
// csucsTorles, "VmRSS" the resident memory now.
long memoriaMB(const QByteArray& mi) {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& sor : f.readAll().split('\n'))
    if (sor.startsWith(mi + ':')) return sor.mid(mi.size() + 1).trimmed().split(' ').value(0).toLong() / 1024;
  return -1;
}

// Times `f` kFutas times; `elotte` runs untimed before each run.
Ido meres(const char* nev, const std::function<void()>& f, const std::function<void()>& elotte = {}) {
  std::vector<qint64> t;
  long csucs = 0, kezdet = 0;
  for (int i = 0; i < kFutas; ++i) {
    if (elotte) elotte();
    kezdet = std::max(kezdet, memoriaMB("VmRSS"));
    csucsTorles();
    QElapsedTimer e;
    e.start();
    f();
    t.push_back(e.elapsed());
    csucs = std::max(csucs, memoriaMB("VmHWM"));
  }
  std::sort(t.begin(), t.end());
  const Ido ido{t.front(), t[t.size() / 2]};
  std::printf("%-52s best %5lld ms   median %5lld ms   peak %4ld MB (%ld before)\n", nev,
              static_cast<long long>(ido.best), static_cast<long long>(ido.median), csucs, kezdet);
  std::fflush(stdout);
  return ido;
}

// What any import of the file costs at least: reading it, and writing the payer and notice
// bytes of its lines into two new files flushed to the disk.
bool olvasasIras(const QString& csv, const QString& folder, int sorok) {
  QByteArray be;
  QString miert;
  if (!csvFajlOlvasas(csv, be, miert)) return false;
  bool ok = true;
  // Written in pieces of 1 MB, as a writer that keeps no more than that would.
  const QByteArray darab(1 << 20, ' ');
  for (const auto& [nev, hossz] : {std::pair{"nyers-n.dat", NevekRekord::Length},
                                   std::pair{"nyers-k.dat", Kozl3sorRekord::Length}}) {
    QFile f(QDir(folder).filePath(nev));
    ok = ok && f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (qint64 marad = qint64(sorok) * hossz; ok && marad > 0; marad -= darab.size())
      ok = f.write(darab.constData(), std::min<qint64>(marad, darab.size())) == std::min<qint64>(marad, darab.size());
    ok = ok && f.flush() && ::fsync(f.handle()) == 0;
    f.close();
    QFile::remove(f.fileName());
  }
  return ok;
}

bool importMeres(const QString& folder, int sorok) {
  const QString csv = QDir(folder).filePath("be.csv");
  {
    QFile f(csv);
    if (!f.open(QIODevice::WriteOnly) || f.write(csvFajl(sorok)) < 0) return false;
  }
  const QString n = QLocale(QLocale::English).toString(sorok);
  bool ok = true;
  const Ido nyers = meres(qPrintable(QStringLiteral("read + write the same bytes, %1 lines").arg(n)),
                          [&] { ok = ok && olvasasIras(csv, folder, sorok); });
  const Ido imp = meres(qPrintable(QStringLiteral("import of %1 CSV lines (replace)").arg(n)), [&] {
    ok = ok && csvImport(folder, csv, true, CsvValtozat::Kezi).adatok.fizetok == sorok;
  });
  std::printf("%-52s best %5.1fx     median %5.1fx\n", "  import / read + write", double(imp.best) / double(nyers.best),
              double(imp.median) / double(nyers.median));
  // Appending to as many stored payers: the pair the replace left is put back before each run.
  const QDir d(folder);
  const QString mentes[2] = {d.filePath("regi-n.bak"), d.filePath("regi-k.bak")};
  const QString par[2] = {d.filePath(kNevekFile), d.filePath(kKozl3sorFile)};
  for (int i = 0; i < 2; ++i) ok = ok && QFile::copy(par[i], mentes[i]);
  meres(
      qPrintable(QStringLiteral("import of %1 CSV lines (append to as many)").arg(n)),
      [&] { ok = ok && csvImport(folder, csv, false, CsvValtozat::Kezi).elso == sorok + 1; },
      [&] {
        for (int i = 0; i < 2; ++i) ok = ok && QFile::remove(par[i]) && QFile::copy(mentes[i], par[i]);
      });
  for (int i = 0; i < 2; ++i) ok = ok && QFile::remove(par[i]) && QFile::rename(mentes[i], par[i]);
  QFile::remove(csv);
  return ok;
}

// Writes `hossz` bytes into `path` in pieces of 1 MB and flushes it to the disk.
bool irasLemezre(const QString& path, qint64 hossz) {
  const QByteArray darab(1 << 20, 'x');
  QFile f(path);
  bool ok = f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  for (qint64 marad = hossz; ok && marad > 0; marad -= darab.size())
    ok = f.write(darab.constData(), std::min<qint64>(marad, darab.size())) == std::min<qint64>(marad, darab.size());
  ok = ok && f.flush() && ::fsync(f.handle()) == 0;
  f.close();
  QFile::remove(path);
  return ok;
}

// Copies `from` to `to` through a buffer of 1 MB and flushes the copy: what any deletion writes.
bool masolasLemezre(const QString& from, const QString& to) {
  QFile be(from), ki(to);
  if (!be.open(QIODevice::ReadOnly) || !ki.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QByteArray b(1 << 20, Qt::Uninitialized);
  bool ok = true;
  for (qint64 n; ok && (n = be.read(b.data(), b.size())) > 0;) ok = ki.write(b.constData(), n) == n;
  ok = ok && ki.flush() && ::fsync(ki.handle()) == 0;
  ki.close();
  QFile::remove(to);
  return ok;
}

// The stored pair of `db` payers (the last import's): one payer deleted, the export written.
bool torlesExportMeres(const QString& folder, int32_t db) {
  const QDir d(folder);
  const QString par[2] = {d.filePath(kNevekFile), d.filePath(kKozl3sorFile)};
  const QString mentes[2] = {d.filePath("regi-n.bak"), d.filePath("regi-k.bak")};
  bool ok = true;
  for (int i = 0; i < 2; ++i) ok = ok && QFile::copy(par[i], mentes[i]);
  const QString n = QLocale(QLocale::English).toString(db);
  const Ido masolas = meres(qPrintable(QStringLiteral("copy both payer files, %1 payers").arg(n)), [&] {
    for (int i = 0; i < 2; ++i) ok = ok && masolasLemezre(par[i], d.filePath("masolat.dat"));
  });
  const Ido torles = meres(
      qPrintable(QStringLiteral("deletion of one payer of %1").arg(n)),
      [&] {
        QString hiba;
        ok = ok && UgyfelTorles(folder, db / 2, &hiba);
      },
      [&] {
        for (int i = 0; i < 2; ++i) ok = ok && QFile::remove(par[i]) && QFile::copy(mentes[i], par[i]);
      });
  std::printf("%-52s best %5.1fx     median %5.1fx\n", "  deletion / copy", double(torles.best) / double(masolas.best),
              double(torles.median) / double(masolas.median));
  for (int i = 0; i < 2; ++i) ok = ok && QFile::remove(par[i]) && QFile::rename(mentes[i], par[i]);
  const QString ki = d.filePath("ki.csv");
  const Ido iras = meres(qPrintable(QStringLiteral("write the export's bytes, %1 lines").arg(n)),
                         [&] { ok = ok && irasLemezre(ki, qint64(db) * CsvSor::Length); });
  const Ido exp = meres(qPrintable(QStringLiteral("export of %1 payers").arg(n)),
                        [&] { ok = ok && csvExport(folder, ki).fizetok == db; });
  std::printf("%-52s best %5.1fx     median %5.1fx\n", "  export / write", double(exp.best) / double(iras.best),
              double(exp.median) / double(iras.median));
  QFile::remove(ki);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  bool ok = importMeres(dir.path(), 100000);
  meres("export of 100,000 payers", [&] {
    ok = ok && csvExport(dir.path(), QDir(dir.path()).filePath("ki.csv")).fizetok == 100000;
  });
  ok = importMeres(dir.path(), 1000000) && ok;
  ok = torlesExportMeres(dir.path(), 1000000) && ok;
  if (!ok) std::printf("FAILED: wrong count\n");
  return ok ? 0 : 1;
}
