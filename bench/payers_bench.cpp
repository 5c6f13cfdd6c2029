// Payer-list timings and memory with 100,000 and 1,000,000 generated payers: the raw read of
// nevek1.dat, loading into the list (unsorted and sorted by name), sorting, the name search
// (one letter and three letters, unsorted and sorted), and the peak memory of the process.
// Every time is also given as a ratio to the raw read of the same file in the same run (the
// whole file read into memory at once, and read through a 1 MB buffer); the peak memory as a
// ratio to the file's size.
//
//   payers_bench                  both sizes, each in a process of its own
//   payers_bench N                N payers in this process
//   payers_bench N --write FILE   only writes the generated nevek1.dat of N payers to FILE
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "common/fields.h"
#include "common/platform.h"
#include "common/tricheckbox.h"
#include "records/fizetolista.h"
#include "records/nevekrekord.h"

namespace {

// Names, settlements and streets drawn from short lists with a fixed seed, so every run reads
// the same file; written in blocks so that the generator itself holds little memory.
bool fizetokFajl(const QString& path, int db) {
  const QStringList csalad = {"Nagy", "Kovács", "Tóth", "Szabó", "Horváth", "Varga", "Kiss", "Molnár", "Németh",
                              "Farkas", "Balogh", "Papp", "Takács", "Juhász", "Lakatos", "Mészáros", "Oláh",
                              "Simon", "Rácz", "Fekete", "Szilágyi", "Török", "Fehér", "Balázs", "Gál", "Kis",
                              "Szűcs", "Kocsis", "Orsós", "Pintér", "Fodor", "Szalai", "Sipos", "Magyar", "Lukács",
                              "Gulyás", "Biró", "Király", "Katona", "László", "Jakab", "Bogdán", "Balog", "Sándor",
                              "Boros", "Fazekas", "Kelemen", "Antal", "Orosz", "Somogyi", "Fülöp", "Veres", "Budai",
                              "Vincze", "Hegedűs", "Deák", "Pap", "Bálint", "Illés", "Pál", "Vörös", "Szőke"};
  const QStringList utonev = {"László", "István", "József", "János", "Zoltán", "Sándor", "Gábor", "Ferenc", "Attila",
                              "Péter", "Tamás", "Zsolt", "Tibor", "András", "Csaba", "Imre", "Lajos", "György",
                              "Mária", "Erzsébet", "Katalin", "Éva", "Ilona", "Anna", "Zsuzsanna", "Margit",
                              "Judit", "Ágnes", "Andrea", "Erika", "Krisztina", "Ildikó", "Enikő", "Tünde", "Győző"};
  const QStringList helyseg = {"Budapest", "Debrecen", "Szeged", "Miskolc", "Pécs", "Győr", "Nyíregyháza",
                               "Kecskemét", "Székesfehérvár", "Szombathely", "Szolnok", "Tatabánya", "Kaposvár",
                               "Érd", "Veszprém", "Békéscsaba", "Zalaegerszeg", "Sopron", "Eger", "Nagykanizsa"};
  const QStringList utca = {"Petőfi Sándor utca", "Kossuth Lajos utca", "Rákóczi út", "Dózsa György út",
                            "Ady Endre utca", "Széchenyi tér", "Arany János utca", "Béke utca", "Fő út",
                            "Jókai Mór utca", "Hunyadi utca", "Bajcsy-Zsilinszky út", "Kölcsey Ferenc utca"};
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  unsigned x = 12345;
  auto veletlen = [&x](int n) {
    x = x * 1103515245u + 12345u;
    return int((x >> 16) % unsigned(n));
  };
  QByteArray b;
  for (int i = 0; i < db; ++i) {
    NevekRekord r;
    r.Nev = csalad[veletlen(csalad.size())] + ' ' + utonev[veletlen(utonev.size())];
    r.Helyseg = helyseg[veletlen(helyseg.size())];
    r.Cim = QStringLiteral("%1 %2.").arg(utca[veletlen(utca.size())]).arg(1 + veletlen(120));
    r.Irsz = QString::number(1000 + veletlen(9000));
    r.Osszegek[0] = 1000 + veletlen(50000);
    b += encodeRecord(r);
    if (b.size() >= (1 << 20) || i + 1 == db) {
      if (f.write(b) != b.size()) return false;
      b.clear();
    }
  }
  return f.flush();
}

// A value of /proc/self/status in kB ("VmHWM", "VmRSS").
long statusKb(const char* kulcs) {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QByteArray k = QByteArray(kulcs) + ':';
  for (const QByteArray& sor : f.readAll().split('\n'))
    if (sor.startsWith(k)) return sor.mid(k.size()).trimmed().split(' ').value(0).toLong();
  return -1;
}

struct Sor {
  std::string nev;
  std::vector<double> ms;
  double median() const { return ms[ms.size() / 2]; }
};

double ms(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

void meres(std::vector<Sor>& sorok, int futas, const std::string& nev, const std::function<void()>& elo,
           const std::function<void()>& mit) {
  Sor s{nev, {}};
  for (int i = 0; i < futas; ++i) {
    elo();
    QCoreApplication::processEvents();
    QElapsedTimer t;
    t.start();
    mit();
    QCoreApplication::processEvents();  // the view lays out and paints the new rows
    s.ms.push_back(ms(t));
  }
  std::sort(s.ms.begin(), s.ms.end());
  sorok.push_back(std::move(s));
}

// Reads the whole file into memory in one go, as a loader that keeps the file would.
void egeszOlvasas(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return;
  const QByteArray b = f.readAll();
  volatile char c = b.isEmpty() ? 0 : b.back();
  (void)c;
}

// Reads the whole file through a 1 MB buffer: the least any loader has to pay.
void nyersOlvasas(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return;
  std::vector<char> buf(1 << 20);
  volatile char c = 0;
  qint64 n;
  while ((n = f.read(buf.data(), qint64(buf.size()))) > 0) c = c + buf[size_t(n - 1)];
}

int egyMeret(int argc, char** argv, int db) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString path = dir.filePath(kNevekFile);
  if (!fizetokFajl(path, db)) return 1;
  Platform platform;
  platform.folder = dir.path();
  FizetoLista lista(platform);
  lista.resize(700, 600);
  lista.show();
  QCoreApplication::processEvents();
  const long alapKb = statusKb("VmRSS");
  // From here on the peak counts only what the list needs (the generator is done).
  if (QFile c(QStringLiteral("/proc/self/clear_refs")); c.open(QIODevice::WriteOnly)) c.write("5");

  const int futas = qEnvironmentVariableIsSet("BENCH_RUNS") ? qEnvironmentVariableIntValue("BENCH_RUNS") : db >= 1000000 ? 5 : 9;
  std::vector<Sor> sorok;
  auto semmi = [] {};
  auto rendezesNelkul = [&] { lista.modell()->setRendezes(0, Qt::AscendingOrder, false); };
  auto nevSzerint = [&] { lista.modell()->setRendezes(0, Qt::AscendingOrder, true); };
  nyersOlvasas(path);  // warm the cache
  meres(sorok, futas, "raw read, 1 MB blocks", semmi, [&] { nyersOlvasas(path); });
  meres(sorok, futas, "Beolvas, unsorted", rendezesNelkul, [&] { lista.Beolvas(); });
  meres(sorok, futas, "Beolvas, sorted by name", nevSzerint, [&] { lista.Beolvas(); });
  meres(sorok, futas, "sort by name (fresh list)", [&] { rendezesNelkul(); lista.Beolvas(); }, [&] { lista.ListView1_ColumnClick(0); });
  meres(sorok, futas, "sort by name, order flip", semmi, [&] { lista.chkListaSorren->setValue(lista.chkListaSorren->value() ? 0 : 1); });
  meres(sorok, futas, "sort by rec (fresh list)", [&] { rendezesNelkul(); lista.Beolvas(); }, [&] { lista.ListView1_ColumnClick(2); });
  // Each search follows another one, as typing does.
  for (const bool rendezve : {false, true}) {
    const std::string r = rendezve ? ", sorted by name" : ", unsorted";
    auto elo = [&, rendezve](const char* elozo) {
      return [&, rendezve, elozo] {
        rendezve ? nevSzerint() : rendezesNelkul();
        lista.NevKereses(QString::fromUtf8(elozo));
      };
    };
    meres(sorok, futas, "search \"a\"" + r, elo("ko"), [&] { lista.NevKereses(QStringLiteral("a")); });
    meres(sorok, futas, "search \"kov\"" + r, elo("ko"), [&] { lista.NevKereses(QStringLiteral("kov")); });
  }
  const int talalat = lista.sorokSzama();
  lista.Beolvas();
  QCoreApplication::processEvents();
  const long csucsKb = statusKb("VmHWM");
  // The address column collates each distinct address line: measured on its own, with its own peak.
  if (QFile c(QStringLiteral("/proc/self/clear_refs")); c.open(QIODevice::WriteOnly)) c.write("5");
  meres(sorok, std::min(futas, 3), "sort by address (fresh list)", [&] { rendezesNelkul(); lista.Beolvas(); }, [&] { lista.ListView1_ColumnClick(1); });
  const long cimCsucsKb = statusKb("VmHWM");
  // Last, as it holds the whole file in memory at once.
  meres(sorok, futas, "raw read, whole file", semmi, [&] { egeszOlvasas(path); });
  const double fajlMb = double(db) * NevekRekord::Length / (1 << 20);

  const double nyers = sorok.back().median(), blokkos = sorok.front().median();
  std::printf("%d payers (nevek1.dat %.0f MB), %d runs each; ms, and the median as a ratio to each raw read\n", db, fajlMb, futas);
  std::printf("%-34s %9s %9s %9s %8s %8s\n", "operation", "min", "median", "max", "/whole", "/blocks");
  for (const Sor& s : sorok)
    std::printf("%-34s %9.1f %9.1f %9.1f %7.1fx %7.1fx\n", s.nev.c_str(), s.ms.front(), s.median(), s.ms.back(), s.median() / nyers,
                s.median() / blokkos);
  std::printf("rows found by the last search: %d\n", talalat);
  std::printf("peak memory of the process: %.0f MB (%.2fx the file; %.0f MB before the first load)\n",
              double(csucsKb) / 1024, double(csucsKb) / 1024 / fajlMb, double(alapKb) / 1024);
  std::printf("peak memory while sorting by address: %.0f MB\n\n", double(cimCsucsKb) / 1024);
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::string(argv[2]) == "--write") return fizetokFajl(QString::fromLocal8Bit(argv[3]), std::atoi(argv[1])) ? 0 : 1;
  if (argc >= 2) return egyMeret(argc, argv, std::max(1, std::atoi(argv[1])));
  // Each size in a fresh process, so that each peak is its own.
  int hiba = 0;
  for (const char* db : {"100000", "1000000"}) {
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
      execl("/proc/self/exe", argv[0], db, static_cast<char*>(nullptr));
      _exit(127);
    }
    int st = 0;
    if (pid < 0 || waitpid(pid, &st, 0) < 0 || !WIFEXITED(st) || WEXITSTATUS(st) != 0) hiba = 1;
  }
  return hiba;
}
