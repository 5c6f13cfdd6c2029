// Data-exchange timings: the CSV import of a 100,000-line and of a 1,000,000-line file
// (replacing the payer pair), each next to reading the same file and writing the same record
// bytes (both payer files, flushed to the disk) in the same run, and the export of 100,000
// payers. Prints one line per operation (milliseconds, best and median of several runs) and the
// import's ratio to the plain reading and writing.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "exchange/csvexport.h"
#include "exchange/csvimport.h"
#include "exchange/fajlok.h"
#include "records/nevekrekord.h"

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

Ido meres(const char* nev, const std::function<void()>& f) {
  std::vector<qint64> t;
  for (int i = 0; i < kFutas; ++i) {
    QElapsedTimer e;
    e.start();
    f();
    t.push_back(e.elapsed());
  }
  std::sort(t.begin(), t.end());
  const Ido ido{t.front(), t[t.size() / 2]};
  std::printf("%-48s best %5lld ms   median %5lld ms\n", nev, static_cast<long long>(ido.best),
              static_cast<long long>(ido.median));
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
  for (const auto& [nev, hossz] : {std::pair{"nyers-n.dat", NevekRekord::Length},
                                   std::pair{"nyers-k.dat", Kozl3sorRekord::Length}}) {
    const QByteArray ki(qsizetype(sorok) * hossz, ' ');
    QFile f(QDir(folder).filePath(nev));
    ok = ok && f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(ki) == ki.size() && f.flush() &&
         ::fsync(f.handle()) == 0;
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
  std::printf("%-48s best %5.1fx     median %5.1fx\n", "  import / read + write", double(imp.best) / double(nyers.best),
              double(imp.median) / double(nyers.median));
  QFile::remove(csv);
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
  if (!ok) std::printf("FAILED: wrong count\n");
  return ok ? 0 : 1;
}
