#pragma once
// Generated payers for the benchmarks, the same on every run (fixed seeds).
//  - repeated: names, settlements and streets drawn from short lists, so they repeat (about
//    2,200 distinct names);
//  - distinct: Hungarian family names with one or two given names, some 200 settlements with
//    their postcodes, some 1,300 streets and house numbers; payer i takes combination
//    (i * P) mod M of all M combinations (P prime to M), so no two names and no two address
//    lines are the same for up to M payers (about 1.4 million names);
//  - lifelike: as real lists are: family names as often as in the country (Nagy, Kovács, Tóth
//    tens of thousands of times in a million, the rarest some thousand times), given names as
//    often as they are given, now and then "dr.", "ifj.", "id." before, "-né" forms and
//    compound family names; addresses a fifth in Budapest's districts, the rest in towns by
//    their size, common streets in every one of them. What tells two payers apart comes late:
//    the n-th payer of the same name gets a second given name, then an initial, then a number;
//    the n-th of the same street a house number, then a floor and a door. Every name and every
//    address line differs (by construction), also beyond a million.
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string>
#include <unordered_map>
#include <vector>

#include "payerstore/nevekrekord.h"

enum class Adatkeszlet { Ismetlodo, Kulonbozo, Eletszeru };

// "repeated", "distinct", "lifelike"; false for another name.
inline bool adatkeszlet(const std::string& nev, Adatkeszlet& a) {
  if (nev == "repeated") a = Adatkeszlet::Ismetlodo;
  else if (nev == "distinct") a = Adatkeszlet::Kulonbozo;
  else if (nev == "lifelike") a = Adatkeszlet::Eletszeru;
  else return false;
  return true;
}
inline const char* adatkeszletNev(Adatkeszlet a) {
  return a == Adatkeszlet::Ismetlodo ? "repeated" : a == Adatkeszlet::Kulonbozo ? "distinct" : "lifelike";
}

class FizetoGenerator {
 public:
  explicit FizetoGenerator(Adatkeszlet a) : kulonbozo_(a == Adatkeszlet::Kulonbozo), eletszeru_(a == Adatkeszlet::Eletszeru) {
    if (eletszeru_) eletszeruTablak();
    if (!kulonbozo_) return;
    for (const QString& u : kUtcanev)
      for (const QString& t : kUtcatipus) utca_ << u + QLatin1Char(' ') + t;
  }

  NevekRekord kovetkezo() {
    NevekRekord r;
    if (eletszeru_) {
      eletszeru(r);
    } else if (kulonbozo_) {
      // Family name, one given name, and a second one of the same list or none.
      const uint64_t u = uint64_t(kFerfi.size());
      uint64_t k = permutacio(i_, uint64_t(kCsalad.size()) * 2 * u * u, 1000003);
      QString nev = kCsalad[qsizetype(k % uint64_t(kCsalad.size()))];
      k /= uint64_t(kCsalad.size());
      const QStringList& utonev = k % 2 ? kNoi : kFerfi;
      k /= 2;
      const uint64_t elso = k % u, masodik = k / u;
      nev += QLatin1Char(' ') + utonev[qsizetype(elso)];
      if (masodik > 0) nev += QLatin1Char(' ') + utonev[qsizetype((elso + masodik) % u)];
      r.Nev = nev;
      // Settlement (with its postcode), street and house number.
      k = permutacio(i_, uint64_t(kHelyseg.size()) * uint64_t(utca_.size()) * 300, 7000003);
      const qsizetype h = qsizetype(k % uint64_t(kHelyseg.size()));
      k /= uint64_t(kHelyseg.size());
      r.Helyseg = kHelyseg[h];
      r.Irsz = QString::number(1000 + (h * 7919) % 9000);
      r.Cim = QStringLiteral("%1 %2.").arg(utca_[qsizetype(k % uint64_t(utca_.size()))]).arg(1 + k / uint64_t(utca_.size()));
      r.Osszegek[0] = int32_t(1000 + (i_ * 7) % 50000);
    } else {
      r.Nev = kCsaladRovid[veletlen(int(kCsaladRovid.size()))] + ' ' + kUtonevRovid[veletlen(int(kUtonevRovid.size()))];
      r.Helyseg = kHelysegRovid[veletlen(int(kHelysegRovid.size()))];
      r.Cim = QStringLiteral("%1 %2.").arg(kUtcaRovid[veletlen(int(kUtcaRovid.size()))]).arg(1 + veletlen(120));
      r.Irsz = QString::number(1000 + veletlen(9000));
      r.Osszegek[0] = 1000 + veletlen(50000);
    }
    ++i_;
    return r;
  }

 private:
  // Weighted choice: cumulative weights, picked by a number in [0, 1).
  struct Sulyok {
    std::vector<double> kum;
    void add(double w) { kum.push_back((kum.empty() ? 0.0 : kum.back()) + w); }
    int valaszt(double u) const { return int(std::upper_bound(kum.begin(), kum.end(), u * kum.back()) - kum.begin()); }
  };
  static uint64_t kever(uint64_t& x) {  // splitmix64
    uint64_t z = (x += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }
  static double egyenletes(uint64_t& x) { return double(kever(x) >> 11) * 0x1.0p-53; }
  static uint64_t hasit(const QString& s) {
    uint64_t h = 1469598103934665603u;
    for (const QChar c : s) h = (h ^ c.unicode()) * 1099511628211u;
    return h;
  }
  static Sulyok zipf(qsizetype n, double s) {
    Sulyok w;
    for (qsizetype r = 1; r <= n; ++r) w.add(std::pow(double(r), -s));
    return w;
  }

  void eletszeruTablak() {
    // The twenty commonest family names by their share of the country (thousands of people),
    // the rest of the list falling off from there.
    static const double kElso[] = {240, 220, 215, 212, 190, 108, 105, 95, 92, 73, 71, 55, 54, 50, 49, 46, 45, 42, 41, 40};
    for (qsizetype r = 0; r < kCsalad.size(); ++r) csaladSuly_.add(r < 20 ? kElso[r] : 40 * std::pow(20.0 / double(r + 1), 0.8));
    ferfiSuly_ = zipf(kFerfi.size(), 0.7);
    noiSuly_ = zipf(kNoi.size(), 0.7);
    // A fifth of the payers in Budapest, over three to seven postcodes of each district; the
    // other towns by their place in the list (larger first), the ten largest with four postcodes.
    int bp = 0;
    for (int d = 1; d <= 23; ++d) bp += 3 + d % 5;
    for (int d = 1; d <= 23; ++d)
      for (int x = 1; x <= 3 + d % 5; ++x) {
        hely_.push_back({QStringLiteral("1%1%2").arg(d, 2, 10, QLatin1Char('0')).arg(x), kHelyseg[0]});
        helySuly_.add(0.2 / bp);
      }
    auto varos = [](qsizetype h) { return std::pow(double(h + 8), -0.8); };  // Debrecen 2%, the last 0.2%
    double osszes = 0;
    for (qsizetype h = 1; h < kHelyseg.size(); ++h) osszes += varos(h);
    for (qsizetype h = 1; h < kHelyseg.size(); ++h) {
      const int db = h <= 10 ? 4 : 1;
      for (int x = 0; x < db; ++x) {
        hely_.push_back({QString::number(2000 + (h * 7919) % 800 * 10 + x), kHelyseg[h]});
        helySuly_.add(0.8 * varos(h) / osszes / db);
      }
    }
    utcaSuly_ = zipf(kUtcanev.size(), 0.9);
    for (const double w : {55, 12, 5, 6, 5, 1, 2, 2, 3, 1, 1, 1}) tipusSuly_.add(w);
  }

  // The k-th name after the first of the same beginning: a second given name, then an initial,
  // then a number.
  static QString nevVege(uint64_t k, const QStringList& masodik) {
    static const QStringList kBetu = {"A", "Á", "B", "C", "D", "E", "É", "F", "G", "H", "I", "J", "K",
                                      "L", "M", "N", "O", "Ö", "P", "R", "S", "T", "U", "Ü", "V", "Z"};
    if (k == 0) return {};
    const uint64_t g = uint64_t(masodik.size()), b = uint64_t(kBetu.size());
    k -= 1;
    if (k < g) return QLatin1Char(' ') + masodik[qsizetype(k)];
    k -= g;
    QString s = QLatin1Char(' ') + masodik[qsizetype(k % g)] + QLatin1Char(' ') + kBetu[qsizetype(k / g % b)] + QLatin1Char('.');
    if (k >= g * b) s += QLatin1Char(' ') + QString::number(k / (g * b) + 1);
    return s;
  }
  // The k-th address of the same street: house numbers, then floors and doors.
  static QString cimVege(uint64_t k) {
    constexpr uint64_t kHaz = 150;
    if (k < kHaz) return QStringLiteral(" %1.").arg(k + 1);
    k -= kHaz;
    const uint64_t emelet = k / kHaz % 11, ajto = k / kHaz / 11 + 1;
    return emelet == 0 ? QStringLiteral(" %1. fsz. %2.").arg(k % kHaz + 1).arg(ajto)
                       : QStringLiteral(" %1. %2/%3.").arg(k % kHaz + 1).arg(emelet).arg(ajto);
  }

  void eletszeru(NevekRekord& r) {
    uint64_t x = i_ * 0x2545F4914F6CDD1Du + 77;
    QString eleje;
    const QStringList* masodik = nullptr;
    for (;;) {
      const double c = egyenletes(x);
      eleje = c < 0.03 ? QStringLiteral("dr. ") : c < 0.045 ? QStringLiteral("ifj. ") : c < 0.05 ? QStringLiteral("id. ") : QString();
      if (egyenletes(x) < 0.02) {
        const int a = csaladSuly_.valaszt(egyenletes(x) * csaladSuly_.kum[19] / csaladSuly_.kum.back());
        const int b = csaladSuly_.valaszt(egyenletes(x) * csaladSuly_.kum[19] / csaladSuly_.kum.back());
        if (a == b) continue;
        eleje += kCsalad[a] + QLatin1Char('-') + kCsalad[b];
      } else {
        eleje += kCsalad[csaladSuly_.valaszt(egyenletes(x))];
      }
      const double f = egyenletes(x);
      if (f < 0.48) {
        eleje += QLatin1Char(' ') + kFerfi[ferfiSuly_.valaszt(egyenletes(x))];
        masodik = &kFerfi;
      } else if (f < 0.9) {
        eleje += QLatin1Char(' ') + kNoi[noiSuly_.valaszt(egyenletes(x))];
        masodik = &kNoi;
      } else {
        eleje += QLatin1Char(' ') + kFerfi[ferfiSuly_.valaszt(egyenletes(x))] + QStringLiteral("né");
        masodik = &kNoi;
      }
      if (eleje.size() <= 24) break;
    }
    // The next name of this beginning that fits and does not repeat its given name.
    uint64_t& k = nevDb_[hasit(eleje)];
    QString nev;
    for (;; ++k) {
      const QString v = nevVege(k, *masodik);
      nev = eleje + v;
      const qsizetype szokoz = eleje.lastIndexOf(QLatin1Char(' '));
      const QString utonev = eleje.mid(szokoz);
      if (nev.size() <= NevekRekord::NevWidth && v != utonev && !v.startsWith(utonev + QLatin1Char(' '))) break;
      if (k > 100000000) std::abort();
    }
    ++k;
    r.Nev = nev;
    if (egyenletes(x) < 0.08) r.Nev2 = kCsalad[csaladSuly_.valaszt(egyenletes(x))] + QLatin1Char(' ') + kNoi[noiSuly_.valaszt(egyenletes(x))];
    const auto& [irsz, helyseg] = hely_[size_t(helySuly_.valaszt(egyenletes(x)))];
    const QString utca = kUtcanev[utcaSuly_.valaszt(egyenletes(x))] + QLatin1Char(' ') + kUtcatipus[tipusSuly_.valaszt(egyenletes(x))];
    uint64_t& h = cimDb_[hasit(irsz + helyseg + QLatin1Char(',') + utca)];
    QString cim;
    for (;; ++h) {
      cim = utca + cimVege(h);
      if (cim.size() <= NevekRekord::CimWidth) break;
      if (h > 100000000) std::abort();
    }
    ++h;
    r.Irsz = irsz;
    r.Helyseg = helyseg;
    r.Cim = cim;
    r.Osszegek[0] = int32_t(1000 + (i_ * 7) % 50000);
  }

  Sulyok csaladSuly_, ferfiSuly_, noiSuly_, helySuly_, utcaSuly_, tipusSuly_;
  std::vector<std::pair<QString, QString>> hely_;  // postcode, settlement
  std::unordered_map<uint64_t, uint64_t> nevDb_, cimDb_;  // payers so far of a name's beginning, of a street
  // i * p mod m, with p moved up until it is prime to m: a permutation of 0 .. m - 1.
  static uint64_t permutacio(uint64_t i, uint64_t m, uint64_t p) {
    while (std::gcd(p, m) != 1) ++p;
    return (i % m) * (p % m) % m;
  }
  int veletlen(int n) {
    x_ = x_ * 1103515245u + 12345u;
    return int((x_ >> 16) % unsigned(n));
  }

  bool kulonbozo_;
  bool eletszeru_;
  uint64_t i_ = 0;
  unsigned x_ = 12345;
  QStringList utca_;

  inline static const QStringList kCsaladRovid = {
      "Nagy", "Kovács", "Tóth", "Szabó", "Horváth", "Varga", "Kiss", "Molnár", "Németh", "Farkas", "Balogh", "Papp", "Takács",
      "Juhász", "Lakatos", "Mészáros", "Oláh", "Simon", "Rácz", "Fekete", "Szilágyi", "Török", "Fehér", "Balázs", "Gál", "Kis",
      "Szűcs", "Kocsis", "Orsós", "Pintér", "Fodor", "Szalai", "Sipos", "Magyar", "Lukács", "Gulyás", "Biró", "Király",
      "Katona", "László", "Jakab", "Bogdán", "Balog", "Sándor", "Boros", "Fazekas", "Kelemen", "Antal", "Orosz", "Somogyi",
      "Fülöp", "Veres", "Budai", "Vincze", "Hegedűs", "Deák", "Pap", "Bálint", "Illés", "Pál", "Vörös", "Szőke"};
  inline static const QStringList kUtonevRovid = {
      "László", "István", "József", "János", "Zoltán", "Sándor", "Gábor", "Ferenc", "Attila", "Péter", "Tamás", "Zsolt",
      "Tibor", "András", "Csaba", "Imre", "Lajos", "György", "Mária", "Erzsébet", "Katalin", "Éva", "Ilona", "Anna",
      "Zsuzsanna", "Margit", "Judit", "Ágnes", "Andrea", "Erika", "Krisztina", "Ildikó", "Enikő", "Tünde", "Győző"};
  inline static const QStringList kHelysegRovid = {
      "Budapest", "Debrecen", "Szeged", "Miskolc", "Pécs", "Győr", "Nyíregyháza", "Kecskemét", "Székesfehérvár", "Szombathely",
      "Szolnok", "Tatabánya", "Kaposvár", "Érd", "Veszprém", "Békéscsaba", "Zalaegerszeg", "Sopron", "Eger", "Nagykanizsa"};
  inline static const QStringList kUtcaRovid = {
      "Petőfi Sándor utca", "Kossuth Lajos utca", "Rákóczi út", "Dózsa György út", "Ady Endre utca", "Széchenyi tér",
      "Arany János utca", "Béke utca", "Fő út", "Jókai Mór utca", "Hunyadi utca", "Bajcsy-Zsilinszky út", "Kölcsey Ferenc utca"};

  inline static const QStringList kCsalad = {
      "Nagy", "Kovács", "Tóth", "Szabó", "Horváth", "Varga", "Kiss", "Molnár", "Németh", "Farkas", "Balogh", "Papp",
      "Takács", "Juhász", "Lakatos", "Mészáros", "Oláh", "Simon", "Rácz", "Fekete", "Szilágyi", "Török", "Fehér", "Balázs",
      "Gál", "Kis", "Szűcs", "Kocsis", "Orsós", "Pintér", "Fodor", "Szalai", "Sipos", "Magyar", "Lukács", "Gulyás", "Biró",
      "Király", "Katona", "László", "Jakab", "Bogdán", "Balog", "Sándor", "Boros", "Fazekas", "Kelemen", "Antal", "Orosz",
      "Somogyi", "Fülöp", "Veres", "Budai", "Vincze", "Hegedűs", "Deák", "Pap", "Bálint", "Illés", "Pál", "Vörös", "Szőke",
      "Vass", "Fábián", "Lengyel", "Bognár", "Bodnár", "Szűts", "Hajdu", "Halász", "Jónás", "Kozma", "Máté", "Székely",
      "Gáspár", "Pásztor", "Dudás", "Bakos", "Virág", "Major", "Orbán", "Hegedüs", "Barta", "Péter", "Mezei", "Vida",
      "Kun", "Csonka", "Szekeres", "Ambrus", "Hajdú", "Kovacsics", "Csizmadia", "Nemes", "Szénási", "Borbély", "Kántor",
      "Dobos", "Bárány", "Tamás", "Gergely", "Ács", "Csató", "Zsigmond", "Benkő", "Kállai", "Győri", "Dózsa", "Erdős",
      "Csordás", "Ördög", "Őri", "Üveges", "Ürge", "Gyenes", "Gyarmati", "Lovász", "Nyári", "Nyitrai", "Szőllősi", "Tyukodi",
      "Dzsida", "Czakó", "Cseh", "Csík", "Zsoldos", "Zsíros", "Sütő", "Szántó", "Sárközi", "Szarka", "Rozsnyai", "Rigó",
      "Rostás", "Pataki", "Patkó", "Oroszlán", "Ónodi", "Ötvös", "Nádasdi", "Mohácsi", "Makai", "Lőrincz", "Löki", "Kardos",
      "Kárpáti", "Jenei", "Izsák", "Ignácz", "Huszár", "Hollós", "Hosszú", "Gombos", "Fekésházy", "Éles", "Erdélyi",
      "Egri", "Dénes", "Csuka", "Bencze", "Benedek", "Berki", "Bíró", "Bozsó", "Császár", "Cserepes", "Dankó", "Dobai",
      "Elek", "Fenyő", "Forgács", "Gyöngyösi", "Hámori", "Ivanics", "Jámbor", "Kerekes", "Kulcsár", "Láng", "Medve",
      "Mocsári", "Nyúl", "Pálfi", "Rákosi", "Sebők", "Sólyom", "Szűcs-Nagy", "Tarján", "Ujvári", "Vadász", "Zámbó", "Zöld"};
  inline static const QStringList kFerfi = {
      "László", "István", "József", "János", "Zoltán", "Sándor", "Gábor", "Ferenc", "Attila", "Péter", "Tamás", "Zsolt",
      "Tibor", "András", "Csaba", "Imre", "Lajos", "György", "Balázs", "Gyula", "Mihály", "Károly", "Róbert", "Béla",
      "Dávid", "Dániel", "Ádám", "Krisztián", "Miklós", "Norbert", "Bence", "Máté", "Levente", "Ákos", "Gergő", "Győző",
      "Ödön", "Örs", "Előd", "Szilárd", "Zsigmond", "Dezső", "Jenő", "Kálmán", "Vilmos", "Ernő", "Lőrinc", "Barnabás",
      "Richárd", "Márton", "Bálint", "Botond", "Kristóf", "Csongor", "Tivadar", "Aladár", "Géza", "Elemér", "Benedek", "Ábel"};
  inline static const QStringList kNoi = {
      "Mária", "Erzsébet", "Katalin", "Éva", "Ilona", "Anna", "Zsuzsanna", "Margit", "Judit", "Ágnes", "Andrea", "Erika",
      "Krisztina", "Ildikó", "Enikő", "Tünde", "Gabriella", "Szilvia", "Mónika", "Anikó", "Edit", "Irén", "Rozália",
      "Júlia", "Eszter", "Orsolya", "Réka", "Nóra", "Dóra", "Zsófia", "Boglárka", "Csilla", "Hajnalka", "Tímea", "Gyöngyi",
      "Piroska", "Terézia", "Etelka", "Emőke", "Ünige", "Lilla", "Petra", "Fanni", "Lili", "Luca", "Nikolett", "Viktória",
      "Beáta", "Henrietta", "Klára", "Magdolna", "Valéria", "Jolán", "Gizella", "Borbála", "Kinga", "Izabella", "Ibolya",
      "Melinda", "Noémi"};
  inline static const QStringList kHelyseg = {
      "Budapest", "Debrecen", "Szeged", "Miskolc", "Pécs", "Győr", "Nyíregyháza", "Kecskemét", "Székesfehérvár",
      "Szombathely", "Szolnok", "Tatabánya", "Kaposvár", "Érd", "Veszprém", "Békéscsaba", "Zalaegerszeg", "Sopron", "Eger",
      "Nagykanizsa", "Dunaújváros", "Hódmezővásárhely", "Salgótarján", "Cegléd", "Ózd", "Baja", "Vác", "Gödöllő",
      "Szekszárd", "Hatvan", "Pomáz", "Gyöngyös", "Kazincbarcika", "Esztergom", "Jászberény", "Kiskunfélegyháza",
      "Orosháza", "Kiskunhalas", "Szentes", "Gyula", "Mosonmagyaróvár", "Ajka", "Szigetszentmiklós", "Dunakeszi", "Mezőtúr",
      "Tata", "Komló", "Nagykőrös", "Siófok", "Makó", "Tiszaújváros", "Karcag", "Keszthely", "Balassagyarmat", "Mohács",
      "Berettyóújfalu", "Sárospatak", "Sátoraljaújhely", "Tokaj", "Szerencs", "Mátészalka", "Kisvárda", "Csorna", "Körmend",
      "Kőszeg", "Lenti", "Marcali", "Paks", "Tamási", "Dombóvár", "Szigetvár", "Siklós", "Bátaszék", "Kalocsa",
      "Kunszentmiklós", "Dabas", "Monor", "Szob", "Zirc", "Várpalota", "Pápa", "Devecser", "Tapolca", "Sümeg", "Ócsa", "Üllő",
      "Őrbottyán", "Öttevény", "Ürög", "Zsámbék", "Csákvár", "Dunaharaszti", "Gyomaendrőd", "Nyírbátor", "Tyukod",
      "Szécsény", "Csenger", "Zalaszentgrót", "Tiszafüred", "Abony", "Albertirsa", "Alsónémedi", "Aszód", "Bábolna",
      "Badacsonytomaj", "Balatonfüred", "Balatonalmádi", "Balatonboglár", "Balmazújváros", "Barcs", "Békés", "Biatorbágy",
      "Bicske", "Bonyhád", "Budakeszi", "Budaörs", "Cigánd", "Csepreg", "Csongrád", "Csurgó", "Derecske", "Dévaványa",
      "Dorog", "Edelény", "Encs", "Enying", "Fehérgyarmat", "Fonyód", "Fót", "Füzesabony", "Gárdony", "Göd", "Gyál",
      "Hajdúböszörmény", "Hajdúnánás", "Hajdúszoboszló", "Harkány", "Heves", "Isaszeg", "Jánoshalma", "Jászapáti",
      "Kapuvár", "Kerepes", "Kisbér", "Kiskőrös", "Kistarcsa", "Kunhegyes", "Lajosmizse", "Letenye", "Lőrinci", "Maglód",
      "Mád", "Martonvásár", "Mezőkövesd", "Mór", "Nagyatád", "Nagykálló", "Nyergesújfalu", "Oroszlány", "Őriszentpéter",
      "Pásztó", "Pilisvörösvár", "Polgár", "Püspökladány", "Ráckeve", "Rácalmás", "Sajószentpéter", "Sárbogárd", "Sárvár",
      "Sásd", "Sellye", "Solt", "Szarvas", "Szentendre", "Szentgotthárd", "Szentlőrinc", "Szikszó", "Tab", "Tápiószele",
      "Tiszakécske", "Tiszalök", "Tolna", "Törökszentmiklós", "Túrkeve", "Vásárosnamény", "Vecsés", "Veresegyház",
      "Villány", "Visegrád", "Záhony", "Zalalövő", "Zamárdi", "Zsombó", "Lyukóbánya", "Nyúl", "Gyenesdiás", "Csákberény"};
  inline static const QStringList kUtcanev = {
      "Petőfi Sándor", "Kossuth Lajos", "Rákóczi Ferenc", "Dózsa György", "Ady Endre", "Széchenyi István", "Arany János",
      "Jókai Mór", "Hunyadi János", "Bajcsy-Zsilinszky Endre", "Kölcsey Ferenc", "Vörösmarty Mihály", "Deák Ferenc",
      "Táncsics Mihály", "Batthyány Lajos", "Bem József", "Kazinczy Ferenc", "Madách Imre", "Móricz Zsigmond",
      "József Attila", "Babits Mihály", "Mikszáth Kálmán", "Radnóti Miklós", "Zrínyi Miklós", "Szent István",
      "Szent László", "Mátyás király", "Bethlen Gábor", "Wesselényi", "Eötvös", "Széchenyi", "Klapka György",
      "Damjanich János", "Görgey Artúr", "Liszt Ferenc", "Erkel Ferenc", "Kodály Zoltán", "Bartók Béla", "Semmelweis",
      "Szabadság", "Béke", "Rózsa", "Kert", "Malom", "Templom", "Iskola", "Vasút", "Gyár", "Temető", "Hősök", "Május 1.",
      "Március 15.", "Október 6.", "Kossuth", "Dózsa", "Kinizsi", "Toldi", "Hunyadi", "Rákóczi", "Fő", "Posta", "Park",
      "Erdő", "Mező", "Szőlő", "Virág", "Tulipán", "Ibolya", "Nefelejcs", "Akácfa", "Diófa", "Nyárfa", "Fenyő", "Tölgyfa",
      "Hársfa", "Jázmin", "Liliom", "Bercsényi", "Csokonai", "Dugonics", "Esze Tamás", "Fáy András", "Garay", "Gárdonyi Géza",
      "Herman Ottó", "Irinyi János", "Jedlik Ányos", "Károlyi Mihály", "Lehel", "Lenkey", "Munkácsy Mihály", "Nagy Imre",
      "Ság", "Sallai", "Tompa Mihály", "Vasvári Pál", "Ybl Miklós", "Zách Klára", "Öveges József", "Ürömi", "Őrház",
      "Nyíl", "Gyöngyvirág", "Lyceum", "Tyúkház", "Dzsámi", "Cserje", "Zsálya", "Szérűskert", "Csillag", "Hold", "Nap"};
  inline static const QStringList kUtcatipus = {"utca", "út", "tér", "köz", "sor", "körút", "dűlő", "sétány", "lakótelep", "liget", "fasor", "udvar"};
};
