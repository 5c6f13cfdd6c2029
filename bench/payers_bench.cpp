// Payer-list timings and memory with 100,000 and 1,000,000 generated payers, for three sets of
// data (fizetoadatok.h): "repeated" (names, settlements and streets drawn from short lists, so
// they repeat), "distinct" (every name and every address line differs) and "lifelike" (all
// distinct as well, but sharing long beginnings as real lists do), each on 1, 2, 4 and all the
// cores the process may use. Measured: the raw read of nevek1.dat, loading into the list
// (unsorted and sorted by name), sorting, the name search (ticking its box, a load while it is
// ticked, the first key after a load, and later keys, one letter and three letters, unsorted
// and sorted), the first sort by address, the peak memory of the process, and `LC_ALL=C sort`
// of the same names (UTF-8, one a line) on the same cores, for scale. Every time is given with
// its minimum and median, each also as a ratio to the minimum and the median of the raw read
// (the file read through a 1 MB buffer) of the same run.
//
//   payers_bench [--cores LIST]           both sizes and all three sets on each number of cores of
//                                         LIST (default 1,2,4,all), each in a process of its own
//   payers_bench [--cores K] N [SET]      N payers of one set in this process (default repeated),
//                                         on the first K cores of its CPU mask (default all)
//   payers_bench N --write DIR [SET]      only writes the program folder of a start-up: the
//                                         generated nevek1.dat of N payers and the first-start
//                                         settings with the list sorted by name
//   payers_bench N --names FILE [SET]     only writes the names of N payers, UTF-8, one a line
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <sched.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "bench/fizetoadatok.h"
#include "common/fields.h"
#include "common/platform.h"
#include "common/setrekord.h"
#include "common/tricheckbox.h"
#include "layouts/elsoinditas.h"
#include "payerstore/nevekrekord.h"
#include "payerwindows/fizetolista.h"

namespace {

// Written in blocks so that the generator itself holds little memory. With `nevek` also the
// names, trimmed, in UTF-8, one a line.
bool fizetokFajl(const QString& path, int db, Adatkeszlet a, const QString& nevek = {}) {
  QFile f(path), n(nevek);
  if (!path.isEmpty() && !f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  if (!nevek.isEmpty() && !n.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  FizetoGenerator gen(a);
  QByteArray b, nb;
  for (int i = 0; i < db; ++i) {
    const NevekRekord r = gen.kovetkezo();
    if (f.isOpen()) b += encodeRecord(r);
    if (n.isOpen()) nb += r.Nev.trimmed().toUtf8() + '\n';
    if (b.size() + nb.size() >= (1 << 20) || i + 1 == db) {
      if (f.isOpen() && f.write(b) != b.size()) return false;
      if (n.isOpen() && n.write(nb) != nb.size()) return false;
      b.clear();
      nb.clear();
    }
  }
  return (!f.isOpen() || f.flush()) && (!n.isOpen() || n.flush());
}

// A program folder for the start-up script: the payers, the first-start settings, and the list
// order ascending, so that start-up sorts the list by name.
bool programMappa(const QString& dir, int db, Adatkeszlet a) {
  if (!QDir().mkpath(dir) || !fizetokFajl(QDir(dir).filePath(kNevekFile), db, a)) return false;
  if (!gyariFajlokLetrehozasa(dir).isEmpty()) return false;
  SetRekord set;
  return saveSetFields(dir, set, [](SetRekord& s) { s.ListaSorren = 1; });
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

void csucsTorles() {
  if (QFile c(QStringLiteral("/proc/self/clear_refs")); c.open(QIODevice::WriteOnly)) c.write("5");
}

// The CPUs of the process's mask.
std::vector<int> maszk() {
  cpu_set_t m;
  CPU_ZERO(&m);
  std::vector<int> cpuk;
  if (sched_getaffinity(0, sizeof m, &m) != 0) return cpuk;
  for (int c = 0; c < CPU_SETSIZE; ++c)
    if (CPU_ISSET(c, &m)) cpuk.push_back(c);
  return cpuk;
}

// Limits the process to the first `k` CPUs of its mask (0: all of them); the number it runs on.
int magokra(int k) {
  const std::vector<int> cpuk = maszk();
  if (k <= 0 || k >= int(cpuk.size())) return int(cpuk.size());
  cpu_set_t m;
  CPU_ZERO(&m);
  for (int i = 0; i < k; ++i) CPU_SET(cpuk[size_t(i)], &m);
  if (sched_setaffinity(0, sizeof m, &m) != 0) {
    std::perror("sched_setaffinity");
    std::exit(2);
  }
  return k;
}

struct Sor {
  std::string nev;
  std::vector<double> ms;
  double min() const { return ms.front(); }
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

// `LC_ALL=C sort` of a file into /dev/null: the byte order of the same texts, for scale.
void cSort(const QString& path) {
  const QByteArray p = QFile::encodeName(path);
  char* args[] = {const_cast<char*>("sort"), const_cast<char*>("-o"), const_cast<char*>("/dev/null"), const_cast<char*>(p.constData()), nullptr};
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e)
    if (std::strncmp(*e, "LC_", 3) != 0 && std::strncmp(*e, "LANG", 4) != 0) env.emplace_back(*e);
  env.emplace_back("LC_ALL=C");
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid = 0;
  int st = 0;
  if (posix_spawnp(&pid, "sort", nullptr, nullptr, args, envp.data()) == 0) waitpid(pid, &st, 0);
}

int egyMeret(int argc, char** argv, int db, Adatkeszlet adatok, int magok) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString path = dir.filePath(kNevekFile), nevek = dir.filePath(QStringLiteral("nevek.txt"));
  if (!fizetokFajl(path, db, adatok, nevek)) return 1;
  Platform platform;
  platform.folder = dir.path();
  FizetoLista lista(platform);
  lista.resize(700, 600);
  lista.show();
  QCoreApplication::processEvents();
  const long alapKb = statusKb("VmRSS");
  // From here on the peak counts only what the list needs (the generator is done).
  csucsTorles();

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
  // The search runs while its box is ticked: ticking it after a load, and a load while it is
  // ticked. The first key after a load finds the list as the load left it; each later key
  // follows another one, as typing does.
  meres(sorok, futas, "search box ticked (fresh list)", [&] {
    lista.Check1->setValue(0);
    nevSzerint();
    lista.Beolvas();
  }, [&] { lista.Check1->setValue(1); });
  meres(sorok, futas, "Beolvas, sorted, search box ticked", nevSzerint, [&] { lista.Beolvas(); });
  for (const bool rendezve : {false, true}) {
    const std::string r = rendezve ? ", sorted by name" : ", unsorted";
    auto rend = [&, rendezve] { rendezve ? nevSzerint() : rendezesNelkul(); };
    auto elo = [&, rendezve](const char* elozo) {
      return [&, rendezve, elozo] {
        rendezve ? nevSzerint() : rendezesNelkul();
        lista.NevKereses(QString::fromUtf8(elozo));
      };
    };
    meres(sorok, futas, "search first key \"k\"" + r, [&] { rend(); lista.Beolvas(); }, [&] { lista.NevKereses(QStringLiteral("k")); });
    meres(sorok, futas, "search later key \"a\"" + r, elo("ko"), [&] { lista.NevKereses(QStringLiteral("a")); });
    meres(sorok, futas, "search later key \"kov\"" + r, elo("ko"), [&] { lista.NevKereses(QStringLiteral("kov")); });
  }
  const int talalat = lista.sorokSzama();
  lista.Check1->setValue(0);
  lista.Beolvas();
  QCoreApplication::processEvents();
  const long csucsKb = statusKb("VmHWM");
  // The first sort by address of a fresh load, with its own peak.
  csucsTorles();
  meres(sorok, std::min(futas, 3), "sort by address (fresh list)", [&] { rendezesNelkul(); lista.Beolvas(); }, [&] { lista.ListView1_ColumnClick(1); });
  const long cimCsucsKb = statusKb("VmHWM");
  // Last, as it holds the whole file in memory at once.
  meres(sorok, futas, "raw read, whole file", semmi, [&] { egeszOlvasas(path); });
  meres(sorok, futas, "LC_ALL=C sort of the names", semmi, [&] { cSort(nevek); });
  const double fajlMb = double(db) * NevekRekord::Length / (1 << 20);

  const Sor& nyers = sorok.front();
  std::printf("%d payers, %s (nevek1.dat %.0f MB), on %d core%s, %d runs each; ms, and min and median as ratios to the raw read's\n", db,
              adatok == Adatkeszlet::Ismetlodo   ? "repeated names and addresses"
              : adatok == Adatkeszlet::Kulonbozo ? "distinct names and addresses"
                                                 : "lifelike distinct names and addresses",
              fajlMb, magok, magok == 1 ? "" : "s", futas);
  std::printf("%-34s %9s %9s %9s %8s %8s\n", "operation", "min", "median", "max", "min/raw", "med/raw");
  for (const Sor& s : sorok)
    std::printf("%-34s %9.1f %9.1f %9.1f %7.1fx %7.1fx\n", s.nev.c_str(), s.min(), s.median(), s.ms.back(), s.min() / nyers.min(),
                s.median() / nyers.median());
  auto sor = [&](const char* nev) -> const Sor& {
    return *std::find_if(sorok.begin(), sorok.end(), [&](const Sor& s) { return s.nev == nev; });
  };
  const Sor& c = sor("LC_ALL=C sort of the names");
  for (const char* m : {"Beolvas, sorted by name", "sort by name (fresh list)", "sort by address (fresh list)"})
    std::printf("%-34s %.2fx min, %.2fx median of LC_ALL=C sort\n", m, sor(m).min() / c.min(), sor(m).median() / c.median());
  // The slowest median of the first keys and of the later ones.
  double elso = 0, kesobbi = 0;
  for (const Sor& s : sorok) {
    if (s.nev.starts_with("search first")) elso = std::max(elso, s.median());
    if (s.nev.starts_with("search later")) kesobbi = std::max(kesobbi, s.median());
  }
  std::printf("search, slowest median: first key %.1f ms, later keys %.1f ms (LC_ALL=C sort %.1f ms)\n", elso, kesobbi, c.median());
  std::printf("rows found by the last search: %d\n", talalat);
  std::printf("peak memory of the process: %.0f MB (%.2fx the file; %.0f MB before the first load)\n",
              double(csucsKb) / 1024, double(csucsKb) / 1024 / fajlMb, double(alapKb) / 1024);
  std::printf("peak memory while sorting by address: %.0f MB\n\n", double(cimCsucsKb) / 1024);
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // --cores LIST: numbers of cores ("all" for the whole mask), taken out of the arguments.
  std::vector<std::string> magLista = {"1", "2", "4", "all"};
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--cores") {
      magLista.clear();
      std::string l = argv[i + 1];
      for (size_t p = 0; p <= l.size();) {
        const size_t q = std::min(l.find(',', p), l.size());
        if (q > p) magLista.push_back(l.substr(p, q - p));
        p = q + 1;
      }
      for (int j = i; j + 2 <= argc; ++j) argv[j] = argv[j + 2];
      argc -= 2;
      break;
    }
  auto keszlet = [&](int i) {
    Adatkeszlet a = Adatkeszlet::Ismetlodo;
    if (argc > i && !adatkeszlet(argv[i], a)) {
      std::fprintf(stderr, "unknown set of payers: %s (repeated, distinct, lifelike)\n", argv[i]);
      std::exit(2);
    }
    return a;
  };
  if (argc >= 4 && std::string(argv[2]) == "--write") {
    QCoreApplication app(argc, argv);
    return programMappa(QString::fromLocal8Bit(argv[3]), std::atoi(argv[1]), keszlet(4)) ? 0 : 1;
  }
  if (argc >= 4 && std::string(argv[2]) == "--names") {
    QCoreApplication app(argc, argv);
    return fizetokFajl({}, std::atoi(argv[1]), keszlet(4), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
  }
  if (argc >= 2) {
    const std::string k = magLista.size() == 1 ? magLista[0] : "all";
    const int magok = magokra(k == "all" ? 0 : std::atoi(k.c_str()));
    return egyMeret(argc, argv, std::max(1, std::atoi(argv[1])), keszlet(2), magok);
  }
  // Each number of cores, size and set in a fresh process, so that each peak is its own.
  const int mind = int(maszk().size());
  int hiba = 0;
  for (const std::string& k : magLista) {
    if (k != "all" && std::atoi(k.c_str()) >= mind) continue;  // the same as all
    for (const char* db : {"100000", "1000000"})
      for (const char* adatok : {"repeated", "distinct", "lifelike"}) {
        std::fflush(stdout);
        const pid_t pid = fork();
        if (pid == 0) {
          execl("/proc/self/exe", argv[0], "--cores", k.c_str(), db, adatok, static_cast<char*>(nullptr));
          _exit(127);
        }
        int st = 0;
        if (pid < 0 || waitpid(pid, &st, 0) < 0 || !WIFEXITED(st) || WEXITSTATUS(st) != 0) hiba = 1;
      }
  }
  return hiba;
}
