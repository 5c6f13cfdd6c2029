#pragma once
// Generated payers for the benchmarks, the same on every run (fixed seeds).
//  - repeated: names, settlements and streets drawn from short lists, so they repeat (about
//    2,200 distinct names);
//  - distinct: Hungarian family names with one or two given names, some 200 settlements with
//    their postcodes, some 1,300 streets and house numbers; payer i takes combination
//    (i * P) mod M of all M combinations (P prime to M), so no two names and no two address
//    lines are the same for up to M payers (about 1.4 million names).
#include <QString>
#include <QStringList>

#include <cstdint>
#include <numeric>

#include "records/nevekrekord.h"

class FizetoGenerator {
 public:
  explicit FizetoGenerator(bool kulonbozo) : kulonbozo_(kulonbozo) {
    if (!kulonbozo_) return;
    for (const QString& u : kUtcanev)
      for (const QString& t : kUtcatipus) utca_ << u + QLatin1Char(' ') + t;
  }

  NevekRekord kovetkezo() {
    NevekRekord r;
    if (kulonbozo_) {
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
