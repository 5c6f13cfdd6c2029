#include "support/aramszunet.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <fcntl.h>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "common/fajlmuvelet.h"

struct Aramszunet::Pont {
  std::vector<std::map<QString, int>> nevek, tartosNevek;
  std::map<int, QByteArray> tartalom, tartos;
  bool vegen = false;
  bool operator==(const Pont& o) const {
    return nevek == o.nevek && tartosNevek == o.tartosNevek && tartalom == o.tartalom && tartos == o.tartos &&
           vegen == o.vegen;
  }
};

namespace {

constexpr qsizetype kSzektor = 512;
constexpr int kMetszesek = 16;   // at most this many cut points a file
constexpr size_t kSzorzat = 4096;  // above this many content combinations a point, fewer are tried
constexpr int kElsok = 5;

struct Valtozat {
  QByteArray bajtok;
  QString nev;
};

QByteArray olvas(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The bytes a power loss may leave of a file that held `regi` on the disk and `uj` in memory.
std::vector<Valtozat> valtozatok(const QByteArray& regi, const QByteArray& uj) {
  if (regi == uj) return {{uj, QStringLiteral("=")}};
  std::vector<qsizetype> elter;  // sectors that differ
  const qsizetype m = std::max(regi.size(), uj.size());
  for (qsizetype s = 0; s * kSzektor < m; ++s)
    if (regi.mid(s * kSzektor, kSzektor) != uj.mid(s * kSzektor, kSzektor)) elter.push_back(s);
  // Which differing sectors are new: none, all, and a prefix or a suffix at each cut.
  std::vector<std::pair<std::vector<bool>, QString>> keverekek;
  const size_t k = elter.size();
  keverekek.push_back({std::vector<bool>(k, false), QStringLiteral("régi")});
  keverekek.push_back({std::vector<bool>(k, true), QStringLiteral("új")});
  const size_t lepes = std::max<size_t>(1, k / kMetszesek);
  for (size_t c = 1; c < k; c += lepes) {
    std::vector<bool> eleje(k, false), vege(k, false);
    for (size_t i = 0; i < k; ++i) (i < c ? eleje : vege)[i] = true;
    const QString hol = QString::number(elter[c] * kSzektor);
    keverekek.push_back({eleje, QStringLiteral("új@<%1").arg(hol)});
    keverekek.push_back({vege, QStringLiteral("új@>=%1").arg(hol)});
  }
  std::vector<Valtozat> out;
  std::set<QByteArray> volt;
  for (const qsizetype hossz : {regi.size(), uj.size()}) {
    for (const auto& [ujak, nev] : keverekek) {
      QByteArray b(hossz, '\0');
      for (qsizetype s = 0; s * kSzektor < hossz; ++s) {
        const auto it = std::lower_bound(elter.begin(), elter.end(), s);
        const bool ujbol = it != elter.end() && *it == s && ujak[size_t(it - elter.begin())];
        const QByteArray& forras = ujbol ? uj : regi;
        const qsizetype a = s * kSzektor, v = std::min({a + kSzektor, hossz, forras.size()});
        if (v > a) std::copy(forras.begin() + a, forras.begin() + v, b.begin() + a);
      }
      if (volt.insert(b).second) out.push_back({b, QStringLiteral("%1/%2B").arg(nev).arg(hossz)});
    }
  }
  return out;
}

// Writes one folder's files of a state. Names of one file (a backup's hard link) become links
// again where the file was written already (`irva`: file id -> its first path in this state),
// unless `linkel` is false (each name then a file of its own).
void irMappaba(const QString& mappa, const std::map<QString, std::pair<int, QByteArray>>& fajlok,
               std::map<int, QString>& irva, bool linkel) {
  const QDir dir(mappa);
  for (const QString& f : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
    struct stat st {};
    const QByteArray p = QFile::encodeName(dir.filePath(f));
    if (::lstat(p.constData(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(p.constData());
  }
  for (const auto& [nev, fajl] : fajlok) {
    const auto& [id, b] = fajl;
    const QString ut = dir.filePath(nev);
    if (const auto it = irva.find(id);
        linkel && it != irva.end() && ::link(QFile::encodeName(it->second).constData(), QFile::encodeName(ut).constData()) == 0)
      continue;
    QFile f(ut);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(b) != b.size())
      qFatal("power-loss harness: cannot write %s", qPrintable(ut));
    irva.emplace(id, ut);
  }
}

}  // namespace

Aramszunet::Aramszunet(QStringList mappak) : mappak_(std::move(mappak)) {
  for (QString& m : mappak_) {
    m = QFileInfo(m).canonicalFilePath();
    oldalak_.push_back(std::make_unique<QTemporaryDir>(QFileInfo(m).path() + QStringLiteral("/.aramszunet-XXXXXX")));
  }
}

Aramszunet::~Aramszunet() = default;

void Aramszunet::kep() {
  std::map<quint64, int> elo;
  nevek_.assign(size_t(mappak_.size()), {});
  for (qsizetype m = 0; m < mappak_.size(); ++m) {
    const QDir dir(mappak_[m]);
    for (const QString& f : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
      struct stat st {};
      if (::lstat(QFile::encodeName(dir.filePath(f)).constData(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
      int id;
      if (const auto it = elo.find(st.st_ino); it != elo.end())
        id = it->second;  // another name of the same file
      else if (const auto it2 = elo_.find(st.st_ino); it2 != elo_.end())
        id = it2->second;
      else
        id = kovetkezo_++;
      // A new file's inode stays alive beside the folder, for the states to write it into.
      if (const QString o = oldalak_[size_t(m)]->filePath(QString::number(id));
          !oldalUt_.count(id) && oldalak_[size_t(m)]->isValid() &&
          ::link(QFile::encodeName(dir.filePath(f)).constData(), QFile::encodeName(o).constData()) == 0)
        oldalUt_[id] = o;
      elo[st.st_ino] = id;
      QByteArray b = olvas(dir.filePath(f));
      // Unchanged bytes share their copy.
      if (const auto t = tartalom_.find(id); t != tartalom_.end() && t->second == b) b = t->second;
      tartalom_[id] = b;
      nevek_[size_t(m)][f] = id;
    }
  }
  elo_ = elo;
  // The flush just before took what the files and folders held after it.
  if (fuggoFajl_ >= 0) tartos_[fuggoFajl_] = tartalom_[fuggoFajl_];
  if (fuggoMappa_ >= 0) tartosNevek_[size_t(fuggoMappa_)] = nevek_[size_t(fuggoMappa_)];
  fuggoFajl_ = fuggoMappa_ = -1;
}

void Aramszunet::pont(bool vegen) {
  Pont p;
  p.nevek = nevek_;
  p.tartosNevek = tartosNevek_;
  p.vegen = vegen;
  for (const auto* nevek : {&nevek_, &tartosNevek_})
    for (const auto& m : *nevek)
      for (const auto& [nev, id] : m) {
        p.tartalom[id] = tartalom_[id];
        if (const auto t = tartos_.find(id); t != tartos_.end()) p.tartos[id] = t->second;
      }
  if (pontok_.empty() || !(pontok_.back() == p)) pontok_.push_back(std::move(p));
}

void Aramszunet::rogzit(const std::function<void()>& muvelet) {
  pontok_.clear();
  elo_.clear();
  for (const auto& [id, o] : oldalUt_) ::unlink(QFile::encodeName(o).constData());
  oldalUt_.clear();
  tartalom_.clear();
  fuggoFajl_ = fuggoMappa_ = -1;
  kep();
  tartos_ = tartalom_;
  tartosNevek_ = nevek_;
  pont(false);
  {
    FajlHorogProba proba([this](FajlHivas h, const QString&, qint64&, qint64) {
      if (olvasoHivas(h)) return 0;
      kep();
      pont(false);
      const QString ut = fajlHorogUt();
      if (h == FajlHivas::Szinkron) {
        struct stat st {};
        if (::stat(QFile::encodeName(ut).constData(), &st) == 0)
          if (const auto it = elo_.find(st.st_ino); it != elo_.end()) fuggoFajl_ = it->second;
      } else if (h == FajlHivas::MappaSzinkron) {
        fuggoMappa_ = int(mappak_.indexOf(QFileInfo(ut).canonicalFilePath()));
      }
      return 0;
    });
    muvelet();
  }
  kep();
  pont(true);
}

AramszunetEredmeny Aramszunet::vegigjar(const std::function<void()>& helyreallitas,
                                        const std::function<QString(bool vegen)>& ellenoriz,
                                        unsigned modok) {
  AramszunetEredmeny e;
  e.pontok = int(pontok_.size());
  std::set<QByteArray> volt;
  for (size_t pi = 0; pi < pontok_.size(); ++pi) {
    const Pont& p = pontok_[pi];
    // The names that changed since their folder's last flush: each as it was or as it is.
    struct Nev {
      size_t mappa;
      QString nev;
      int regi = -1, uj = -1;
    };
    std::vector<Nev> valtozott;
    for (size_t m = 0; m < p.nevek.size(); ++m) {
      std::set<QString> mind;
      for (const auto* t : {&p.nevek[m], &p.tartosNevek[m]})
        for (const auto& [n, id] : *t) mind.insert(n);
      for (const QString& n : mind) {
        const auto a = p.tartosNevek[m].find(n), b = p.nevek[m].find(n);
        const int regi = a == p.tartosNevek[m].end() ? -1 : a->second, uj = b == p.nevek[m].end() ? -1 : b->second;
        if (regi != uj) valtozott.push_back({m, n, regi, uj});
      }
    }
    std::map<int, std::vector<Valtozat>> valt;
    for (const auto& [id, b] : p.tartalom) {
      const auto t = p.tartos.find(id);
      valt[id] = valtozatok(t == p.tartos.end() ? QByteArray() : t->second, b);
    }
    for (quint64 maszk = 0; maszk < (quint64(1) << valtozott.size()); ++maszk) {
      std::vector<std::map<QString, int>> nevek = p.tartosNevek;
      QString leiras = QStringLiteral("a(z) %1. hívás után").arg(pi);
      for (size_t i = 0; i < valtozott.size(); ++i) {
        const Nev& n = valtozott[i];
        const bool uj = maszk >> i & 1;
        const int id = uj ? n.uj : n.regi;
        if (id < 0) nevek[n.mappa].erase(n.nev);
        else nevek[n.mappa][n.nev] = id;
        leiras += QStringLiteral("; %1 neve %2").arg(n.nev, uj ? QStringLiteral("új") : QStringLiteral("régi"));
      }
      std::vector<int> idk;
      for (const auto& m : nevek)
        for (const auto& [n, id] : m)
          if (std::find(idk.begin(), idk.end(), id) == idk.end()) idk.push_back(id);
      // The content combinations: all of them, or, where too many, every file's old and new
      // together and each file's other variants with the rest all old or all new.
      size_t szorzat = 1;
      for (const int id : idk) szorzat = std::min(kSzorzat + 1, szorzat * valt[id].size());
      std::vector<std::vector<size_t>> valasztasok;
      if (szorzat <= kSzorzat) {
        std::vector<size_t> v(idk.size(), 0);
        for (;;) {
          valasztasok.push_back(v);
          size_t i = 0;
          while (i < v.size() && ++v[i] == valt[idk[i]].size()) v[i++] = 0;
          if (i == v.size()) break;
        }
      } else {
        for (quint64 b = 0; b < (quint64(1) << std::min<size_t>(idk.size(), 12)); ++b) {
          std::vector<size_t> v(idk.size(), 0);
          for (size_t i = 0; i < idk.size(); ++i) v[i] = (b >> i & 1) && valt[idk[i]].size() > 1 ? 1 : 0;
          valasztasok.push_back(v);
        }
        for (size_t i = 0; i < idk.size(); ++i)
          for (size_t j = 2; j < valt[idk[i]].size(); ++j)
            for (const size_t tobbi : {size_t(0), size_t(1)}) {
              std::vector<size_t> v(idk.size(), 0);
              for (size_t x = 0; x < idk.size(); ++x) v[x] = valt[idk[x]].size() > 1 ? tobbi : 0;
              v[i] = j;
              valasztasok.push_back(v);
            }
      }
      for (const std::vector<size_t>& v : valasztasok) {
        std::map<int, const Valtozat*> mi;
        for (size_t i = 0; i < idk.size(); ++i) mi[idk[i]] = &valt[idk[i]][v[i]];
        QCryptographicHash h(QCryptographicHash::Sha1);
        h.addData(QByteArray(p.vegen ? "V" : "-"));
        for (size_t m = 0; m < nevek.size(); ++m)
          for (const auto& [n, id] : nevek[m]) {
            h.addData(QByteArray::number(qulonglong(m)) + '/' + n.toUtf8() + '\0' + QByteArray::number(mi[id]->bajtok.size()) + '\0');
            h.addData(mi[id]->bajtok);
          }
        if (!volt.insert(h.result()).second) continue;
        ++e.allapotok;
        for (const unsigned mod : {Helyben, Masolat, MasolatLinkNelkul, MasikEszkoz}) {
          if (!(modok & mod)) continue;
          ++e.futasok;
          // In place: each file with a link beside its folder gets its bytes in its own inode.
          // A copy writes every file anew; the links beside keep the old inodes alive, so a new
          // file never gets one of their numbers.
          std::map<int, QString> irva;
          if (mod == Helyben || mod == MasikEszkoz)
            for (const auto& [id, v] : mi)
              if (const auto o = oldalUt_.find(id); o != oldalUt_.end()) {
                QFile f(o->second);
                if (f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(v->bajtok) == v->bajtok.size())
                  irva.emplace(id, o->second);
              }
          for (size_t m = 0; m < nevek.size(); ++m) {
            std::map<QString, std::pair<int, QByteArray>> fajlok;
            for (const auto& [n, id] : nevek[m]) fajlok[n] = {id, mi[id]->bajtok};
            irMappaba(mappak_[qsizetype(m)], fajlok, irva, mod != MasolatLinkNelkul);
          }
          QString hiba;
          {
            // A disk renumbered at the next boot: every question answers with another device.
            std::optional<FajlAdatProba> eszkoz;
            if (mod == MasikEszkoz) eszkoz.emplace([](FajlAdat& a) { a.eszkoz ^= 0x5a5a; });
            helyreallitas();
            hiba = ellenoriz(p.vegen);
          }
          if (hiba.isEmpty()) continue;
          if (++e.hibak <= kElsok) {
            QString tartalom;
            for (size_t m = 0; m < nevek.size(); ++m)
              for (const auto& [n, id] : nevek[m]) tartalom += QStringLiteral("; %1: %2").arg(n, mi[id]->nev);
            const QString modNev = mod == Helyben        ? QStringLiteral("helyben")
                                   : mod == Masolat      ? QStringLiteral("másolatként")
                                   : mod == MasikEszkoz  ? QStringLiteral("más eszközszámmal")
                                                         : QStringLiteral("másolatként, linkek nélkül");
            e.elsok << QStringLiteral("%1 (%2)%3: %4").arg(leiras, modNev, tartalom, hiba);
          }
        }
      }
    }
  }
  return e;
}
