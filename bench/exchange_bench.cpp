// Data-exchange timings with 100,000 payers: the CSV import of a 100,000-line file (replacing
// the payer pair) and the export of 100,000 payers. Prints one line per operation (milliseconds,
// best and median of several runs).
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "exchange/csvexport.h"
#include "exchange/csvimport.h"

namespace {

constexpr int kSorok = 100000;
constexpr int kFutas = 5;

QByteArray csvFajl() {
  const QStringList csalad = {"Nagy", "Kovács", "Tóth", "Szabó", "Horváth", "Varga", "Kiss", "Molnár", "Németh",
                              "Farkas", "Balogh", "Papp", "Takács", "Juhász", "Szűcs", "Hegedűs", "Fülöp"};
  const QStringList utonev = {"László", "István", "József", "János", "Zoltán", "Mária", "Erzsébet", "Éva",
                              "Ágnes", "Enikő", "Győző", "Ödön"};
  const QStringList helyseg = {"Budapest", "Debrecen", "Szeged", "Győr", "Pécs", "Nyíregyháza", "Székesfehérvár"};
  QByteArray b;
  b.reserve(qsizetype(kSorok) * 120);
  unsigned x = 12345;
  auto v = [&x](int n) {
    x = x * 1103515245u + 12345u;
    return int((x >> 16) % unsigned(n));
  };
  for (int i = 1; i <= kSorok; ++i) {
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

void meres(const char* nev, const std::function<void()>& f) {
  std::vector<qint64> t;
  for (int i = 0; i < kFutas; ++i) {
    QElapsedTimer e;
    e.start();
    f();
    t.push_back(e.elapsed());
  }
  std::sort(t.begin(), t.end());
  std::printf("%-40s best %5lld ms   median %5lld ms\n", nev, static_cast<long long>(t.front()),
              static_cast<long long>(t[t.size() / 2]));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir dir;
  const QString csv = QDir(dir.path()).filePath("be.csv");
  {
    QFile f(csv);
    if (!f.open(QIODevice::WriteOnly) || f.write(csvFajl()) < 0) return 1;
  }
  bool ok = true;
  meres("import of 100,000 CSV lines (replace)", [&] {
    ok = ok && csvImport(dir.path(), csv, true, CsvValtozat::Kezi).adatok.fizetok == kSorok;
  });
  meres("export of 100,000 payers", [&] {
    ok = ok && csvExport(dir.path(), QDir(dir.path()).filePath("ki.csv")).fizetok == kSorok;
  });
  if (!ok) std::printf("FAILED: wrong count\n");
  return ok ? 0 : 1;
}
