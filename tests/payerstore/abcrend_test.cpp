// The list's order of texts against QCollator's (Hungarian, blind to case), by its sort keys as
// the list compared them before: every character and pair of characters of the code page, the
// double letters in every case and accent, and a large generated corpus. The ranks must put the
// texts in that order and give equal ranks exactly to the texts whose keys are equal.
#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <gtest/gtest.h>

#include <mutex>
#include <numeric>
#include <random>
#include <sched.h>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "common/cp1250.h"
#include "payerstore/abcrend.h"
#include "payerstore/szalak.h"

namespace {

struct Szovegek {
  std::vector<std::string> bajt;
  std::vector<int> szokoz;
  void add(const QString& s, int blanks = 0) {
    bajt.push_back(cp1250::encode(s).toStdString());
    szokoz.push_back(blanks);
  }
};

QString szoveg(const Szovegek& t, size_t i) {
  return cp1250::decode(t.bajt[i].data(), int(t.bajt[i].size())) + QString(t.szokoz[i], QLatin1Char(' '));
}

// Puts the texts in the order of their ranks and compares each with the next one by their
// QCollator sort keys: with that order transitive, agreeing neighbours mean the same order
// throughout. (QCollator::compare() puts an empty text before one of ignored characters only,
// which sort keys and ranks find equal.)
void egyezikAQCollatorral(const Szovegek& t) {
  QCollator coll(QLocale(QLocale::Hungarian, QLocale::Hungary));
  coll.setCaseSensitivity(Qt::CaseInsensitive);
  std::vector<uint32_t> rang;
  abc::rangsor(int(t.bajt.size()), [&](int i) { return abc::Szoveg{t.bajt[size_t(i)], t.szokoz[size_t(i)]}; }, rang);
  ASSERT_EQ(rang.size(), t.bajt.size());
  std::vector<size_t> sorrend(t.bajt.size());
  std::iota(sorrend.begin(), sorrend.end(), size_t(0));
  std::stable_sort(sorrend.begin(), sorrend.end(), [&](size_t a, size_t b) { return rang[a] < rang[b]; });
  int hibak = 0;
  for (size_t j = 1; j < sorrend.size() && hibak < 20; ++j) {
    const size_t a = sorrend[j - 1], b = sorrend[j];
    const int vart = coll.sortKey(szoveg(t, a)).compare(coll.sortKey(szoveg(t, b)));
    const bool jo = rang[a] == rang[b] ? vart == 0 : vart < 0;
    if (!jo) ++hibak;
    EXPECT_TRUE(jo) << "\"" << qPrintable(szoveg(t, a)) << "\" " << (rang[a] == rang[b] ? "=" : "<") << " \""
                    << qPrintable(szoveg(t, b)) << "\", QCollator: " << vart;
  }
}

// Limits the calling thread, and the threads it starts, to the first `k` CPUs of its mask (as
// taskset limits a process) for its lifetime; `k` 0 leaves the mask as it is.
class Maszk {
 public:
  explicit Maszk(int k) {
    CPU_ZERO(&regi_);
    sched_getaffinity(0, sizeof regi_, &regi_);
    if (k == 0) return;
    cpu_set_t uj;
    CPU_ZERO(&uj);
    for (int c = 0, db = 0; c < CPU_SETSIZE && db < k; ++c)
      if (CPU_ISSET(c, &regi_)) {
        CPU_SET(c, &uj);
        ++db;
      }
    EXPECT_EQ(sched_setaffinity(0, sizeof uj, &uj), 0);
  }
  ~Maszk() { sched_setaffinity(0, sizeof regi_, &regi_); }
  int cpuk() const { return CPU_COUNT(&regi_); }

 private:
  cpu_set_t regi_;
};

}  // namespace

// Every character of the code page alone and before every other: letters with every accent,
// case, digits, signs, and the characters the order ignores or counts as several.
TEST(AbcRend, EveryCharacterAndPairOfTheCodePage) {
  Szovegek t;
  for (int a = 1; a < 256; ++a) {
    const char c = char(a);
    t.add(cp1250::decode(&c, 1));
    for (int b = 1; b < 256; ++b) {
      const char p[2] = {char(a), char(b)};
      t.add(cp1250::decode(p, 2));
    }
  }
  egyezikAQCollatorral(t);
}

// The double letters and their doubled forms in every case (only lower, capitalised and upper
// join), with every accent of their last letter, alone, twice, and among letters that may join
// them.
TEST(AbcRend, DoubleLettersTheirDoubledFormsCaseAndAccents) {
  const QStringList kettos = {"cs", "ccs", "dz", "ddz", "dzs", "ddzs", "gy", "ggy", "ly", "lly", "ny", "nny",
                              "sz", "ssz", "ty", "tty", "zs", "zzs", "l·"};
  const QStringList ekezet = {"s", "ś", "š", "ş", "z", "ź", "ž", "ż", "y", "ý", "·"};
  const QStringList kornyezet = {"", "a", "s", "z", "c", "d", "ő", " ", "\u00AD", "y"};
  Szovegek t;
  for (const QString& k : kettos)
    for (int eset = 0; eset < (1 << k.size()); ++eset) {
      QString v = k;
      for (qsizetype i = 0; i < k.size(); ++i)
        if (eset >> i & 1) v[i] = v[i].toUpper();
      for (const QString& e : ekezet) {
        if (e.normalized(QString::NormalizationForm_D)[0] != k.back() && e != k.back()) continue;
        QString w = v;
        w.back() = v.back().isUpper() ? e[0].toUpper() : e[0];
        for (const QString& elotte : kornyezet)
          for (const QString& utana : kornyezet) t.add(elotte + w + utana);
        // Twice, the accent on either ("cšcs", "cscš" beside "ccš").
        t.add(w + v);
        t.add(v + w);
      }
    }
  // Every text of up to three letters from the letters the double letters are made of.
  const QString betuk = QStringLiteral("cCdDgGlLnNsStTzZyYśŠşźŽżÝ·ßaáöőÖ ");
  for (const QChar a : betuk) {
    t.add(QString(a));
    for (const QChar b : betuk) {
      t.add(QString(a) + b);
      for (const QChar c : betuk) t.add(QString(a) + b + c);
    }
  }
  egyezikAQCollatorral(t);
}

// A few thousand texts, each many times over, in other cases, with and without trailing blanks:
// a list of many equal texts sorts each once.
TEST(AbcRend, ManyRepeatedTexts) {
  const QStringList nev = {"Kovács", "Szűcs", "Szücs", "Gyöngyösi", "Nagy", "Czakó", "Cseh", "Dzsida", "Őri",
                           "Ötvös", "Lengyel", "Nyúl", "Tyukodi", "Zsoldos", "Ács", "Accs", "Weiß", "Weiss"};
  const QStringList utonev = {"Anna", "Ágnes", "László", "Győző", "Csaba", "Zsolt", "Ödön", "Éva", "Lőrinc", "Ilona"};
  std::mt19937 rnd(7);
  Szovegek t;
  for (int i = 0; i < 100000; ++i) {
    QString s = nev[int(rnd() % unsigned(nev.size()))] + QLatin1Char(' ') + utonev[int(rnd() % unsigned(utonev.size()))] +
                QString::number(rnd() % 15);
    if (rnd() % 5 == 0) s = s.toUpper();
    t.add(s, int(rnd() % 3));
  }
  egyezikAQCollatorral(t);
}

// Names and addresses made of Hungarian syllables with double letters, accents, mixed case,
// digits and signs, now and then any byte of the code page, trailing blanks, and many texts
// that repeat, differ only in case or only in accents: long enough to need several rounds of
// the sort, in runs large and small.
TEST(AbcRend, LargeGeneratedCorpus) {
  const QStringList darab = {"cs", "dz", "dzs", "gy", "ly", "ny", "sz", "ty", "zs", "ccs", "ddz", "ggy", "lly", "nny", "ssz",
                             "tty", "zzs", "a", "á", "e", "é", "i", "í", "o", "ó", "ö", "ő", "u", "ú", "ü", "ű", "b", "c",
                             "d", "f", "g", "h", "j", "k", "l", "m", "n", "p", "r", "s", "t", "v", "z", "y", "l·", " ",
                             "-", ".", ",", "1", "2", "ß", "ä", "ł", "č"};
  std::mt19937 rnd(20260101);
  auto veletlen = [&](int n) { return int(rnd() % unsigned(n)); };
  Szovegek t;
  for (int i = 0; i < 200000; ++i) {
    if (i > 100 && veletlen(5) == 0) {
      // A text already made, again, or with another case.
      const size_t j = size_t(veletlen(int(t.bajt.size())));
      QString s = cp1250::decode(t.bajt[j].data(), int(t.bajt[j].size()));
      t.add(veletlen(2) ? s.toUpper() : s, t.szokoz[j]);
      continue;
    }
    QString s;
    const int hossz = veletlen(40);
    for (int k = 0; k < hossz; ++k) {
      if (veletlen(30) == 0) {
        const char c = char(1 + veletlen(255));
        s += cp1250::decode(&c, 1);
        continue;
      }
      QString d = darab[veletlen(int(darab.size()))];
      if (veletlen(8) == 0) d = d.toUpper();
      else if (veletlen(8) == 0) d[0] = d[0].toUpper();
      s += d;
    }
    t.add(s, veletlen(4) ? 0 : veletlen(40));
  }
  egyezikAQCollatorral(t);
}

// Sorted on several threads, the texts get the ranks they get on one: split into buckets by
// their first differing weights (at the start, after a shared beginning, after sixteen shared
// weights or more), all of equal weights, fewer texts than threads, texts already in order
// or in reverse order; one sorter kept for all, as the list keeps it.
TEST(AbcRend, SeveralThreadsGiveTheRanksOfOne) {
  std::mt19937 rnd(32);
  auto veletlen = [&](int n) { return int(rnd() % unsigned(n)); };
  const QStringList csalad = {"Nagy", "Kovács", "Tóth", "Szabó", "Kiss", "Kis", "Gyöngyösi", "Cseh", "Czakó", "Ács", "Őri"};
  const QStringList uto = {"István", "Éva", "Zsolt", "Ágnes", "Csaba", "Ilona", "Győző", "Ödön", "Anna"};
  auto nev = [&] {
    QString s = csalad[veletlen(int(csalad.size()))] + QLatin1Char(' ') + uto[veletlen(int(uto.size()))];
    if (veletlen(2)) s += QLatin1Char(' ') + uto[veletlen(int(uto.size()))];
    if (veletlen(3) == 0) s += QStringLiteral(" %1.").arg(QChar(u'A' + veletlen(26)));
    return veletlen(10) == 0 ? s.toUpper() : s;
  };
  std::vector<Szovegek> esetek(5);
  for (int i = 0; i < 20000; ++i) esetek[0].add(nev(), veletlen(8) ? 0 : veletlen(3));
  // One beginning for all, of 22 weights: the second sixteen decide, or the third.
  for (int i = 0; i < 3000; ++i)
    esetek[1].add(QStringLiteral("7621   Pécs, Kossuth Lajos utca ") + (veletlen(4) ? QString::number(veletlen(300)) + QLatin1Char('.') : nev()),
                  veletlen(5) ? 0 : veletlen(20));
  esetek[1].add(QStringLiteral("7621   Pécs, Kossuth Lajos utca"));
  esetek[1].add(QStringLiteral("7621   Pécs, Kossuth Lajos"), 6);
  // Equal weights throughout: only the marks (accents) order them.
  for (int i = 0; i < 2000; ++i) esetek[2].add(QStringList{"alma", "Álma", "ALMA", "almá", "ÁLMÁ", "alma"}[veletlen(6)]);
  // Already in order, and in reverse order: most texts stand in another thread's share.
  {
    std::vector<size_t> sor(esetek[0].bajt.size());
    std::iota(sor.begin(), sor.end(), size_t(0));
    std::sort(sor.begin(), sor.end(), [&](size_t x, size_t y) { return esetek[0].bajt[x] < esetek[0].bajt[y]; });
    esetek.resize(7);
    for (const size_t i : sor) esetek[5].add(szoveg(esetek[0], i));
    for (auto i = sor.rbegin(); i != sor.rend(); ++i) esetek[6].add(szoveg(esetek[0], *i));
  }
  esetek[3].add(QStringLiteral("Őri Anna"));
  esetek[3].add(QStringLiteral("Ori Anna"));
  for (int i = 0; i < 500; ++i)
    esetek[4].add(QStringList{"", " ", "\u00AD", "-", "a", "Zs"}[veletlen(6)] + (veletlen(2) ? nev() : QString()), veletlen(3));

  // On all the cores, and with the threads sharing one core.
  for (const int magok : {0, 1}) {
    const Maszk maszk(magok);
    abc::Rendezo kozos(3, 1);
    for (size_t e = 0; e < esetek.size(); ++e) {
      const Szovegek& t = esetek[e];
      auto szoveg = [&](int i) { return abc::Szoveg{t.bajt[size_t(i)], t.szokoz[size_t(i)]}; };
      std::vector<uint32_t> egy, tobb;
      abc::Rendezo(1).rangsor(int(t.bajt.size()), szoveg, egy);
      for (const int szalak : {2, 5, 8}) {
        abc::Rendezo(szalak, 1).rangsor(int(t.bajt.size()), szoveg, tobb);
        EXPECT_EQ(tobb, egy) << "set " << e << ", " << szalak << " threads, mask " << magok;
      }
      kozos.rangsor(int(t.bajt.size()), szoveg, tobb);
      EXPECT_EQ(tobb, egy) << "set " << e << ", the kept sorter, mask " << magok;
    }
  }
}

// A process limited to one core (taskset) sorts and reads on one thread, the one that asked;
// on two cores on two.
TEST(AbcRend, ThreadsFollowTheCpuMask) {
  Szovegek t;
  for (int i = 0; i < 5000; ++i) t.add(QStringLiteral("Név %1").arg((i * 7919) % 5000));
  std::vector<uint32_t> egy;
  abc::Rendezo(1).rangsor(int(t.bajt.size()), [&](int i) { return abc::Szoveg{t.bajt[size_t(i)]}; }, egy);
  for (const int magok : {1, 2}) {
    const Maszk maszk(magok);
    if (maszk.cpuk() < magok) GTEST_SKIP() << "fewer CPUs than " << magok;
    EXPECT_EQ(magSzam(), magok);
    EXPECT_EQ(szalSzam(~size_t(0), 1), magok);
    std::mutex zar;
    std::set<std::thread::id> szalak;
    std::vector<uint32_t> rang;
    abc::Rendezo(0, 1).rangsor(int(t.bajt.size()), [&](int i) {
      const std::lock_guard<std::mutex> l(zar);
      szalak.insert(std::this_thread::get_id());
      return abc::Szoveg{t.bajt[size_t(i)]};
    }, rang);
    EXPECT_EQ(rang, egy);
    EXPECT_EQ(int(szalak.size()), magok);
    if (magok == 1) {
      EXPECT_EQ(*szalak.begin(), std::this_thread::get_id());
    }
  }
}
