// Payer-list timings with 100,000 payers: loading into the list, sorting by name and by record
// number, and the name search. Prints one line per operation (milliseconds over several runs).
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "common/fields.h"
#include "common/platform.h"
#include "common/tricheckbox.h"
#include "records/fizetolista.h"
#include "records/nevekrekord.h"

namespace {

constexpr int kFizetok = 100000;
constexpr int kFutas = 5;

QByteArray fizetok() {
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
  QByteArray b;
  b.reserve(qsizetype(kFizetok) * NevekRekord::Length);
  unsigned x = 12345;
  auto veletlen = [&x](int n) {
    x = x * 1103515245u + 12345u;
    return int((x >> 16) % unsigned(n));
  };
  for (int i = 0; i < kFizetok; ++i) {
    NevekRekord r;
    r.Nev = csalad[veletlen(csalad.size())] + ' ' + utonev[veletlen(utonev.size())];
    r.Helyseg = helyseg[veletlen(helyseg.size())];
    r.Cim = QStringLiteral("%1 %2.").arg(utca[veletlen(utca.size())]).arg(1 + veletlen(120));
    r.Irsz = QString::number(1000 + veletlen(9000));
    r.Osszegek[0] = 1000 + veletlen(50000);
    b += encodeRecord(r);
  }
  return b;
}

struct Sor {
  const char* nev;
  std::vector<double> ms;
};

void meres(std::vector<Sor>& sorok, const char* nev, const std::function<void()>& elo, const std::function<void()>& mit) {
  Sor s{nev, {}};
  for (int i = 0; i < kFutas; ++i) {
    elo();
    QElapsedTimer t;
    t.start();
    mit();
    QCoreApplication::processEvents();  // the view lays out and paints the new rows
    s.ms.push_back(double(t.nsecsElapsed()) / 1e6);
  }
  sorok.push_back(std::move(s));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  QTemporaryDir dir;
  {
    QFile f(dir.filePath(kNevekFile));
    if (!f.open(QIODevice::WriteOnly) || f.write(fizetok()) < 0) return 1;
  }
  Platform platform;
  platform.folder = dir.path();
  FizetoLista lista(platform);
  lista.resize(700, 600);
  lista.show();
  QCoreApplication::processEvents();

  std::vector<Sor> sorok;
  auto semmi = [] {};
  auto rendezesNelkul = [&] { lista.modell()->setRendezes(0, Qt::AscendingOrder, false); };
  meres(sorok, "Beolvas, unsorted", rendezesNelkul, [&] { lista.Beolvas(); });
  meres(sorok, "Beolvas, sorted by name", [&] { lista.modell()->setRendezes(0, Qt::AscendingOrder, true); }, [&] { lista.Beolvas(); });
  meres(sorok, "sort by name (fresh list)", [&] { rendezesNelkul(); lista.Beolvas(); }, [&] { lista.ListView1_ColumnClick(0); });
  meres(sorok, "sort by name, order flip", semmi, [&] { lista.chkListaSorren->setValue(lista.chkListaSorren->value() ? 0 : 1); });
  meres(sorok, "sort by rec (fresh list)", [&] { rendezesNelkul(); lista.Beolvas(); }, [&] { lista.ListView1_ColumnClick(2); });
  meres(sorok, "name search \"kov\"", rendezesNelkul, [&] { lista.NevKereses(QStringLiteral("kov")); });
  meres(sorok, "name search \"a\" (most rows)", rendezesNelkul, [&] { lista.NevKereses(QStringLiteral("a")); });

  std::printf("%d payers, %d runs each (ms)\n", kFizetok, kFutas);
  std::printf("%-32s %9s %9s %9s\n", "operation", "min", "median", "max");
  for (auto& s : sorok) {
    std::sort(s.ms.begin(), s.ms.end());
    std::printf("%-32s %9.1f %9.1f %9.1f\n", s.nev, s.ms.front(), s.ms[s.ms.size() / 2], s.ms.back());
  }
  std::printf("rows after the last search: %d\n", lista.sorokSzama());
  return 0;
}
