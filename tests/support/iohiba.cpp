#include "support/iohiba.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <map>
#include <vector>

#include "common/fajlmuvelet.h"

namespace {

constexpr int kElsok = 12;

using Kep = std::map<QString, QByteArray>;  // "folder index/name" -> bytes

Kep kep(const QStringList& mappak) {
  Kep k;
  for (qsizetype m = 0; m < mappak.size(); ++m) {
    const QDir dir(mappak[m]);
    for (const QString& f : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
      QFile file(dir.filePath(f));
      k[QStringLiteral("%1/%2").arg(m).arg(f)] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?");
    }
  }
  return k;
}

void urit(const QStringList& mappak) {
  for (const QString& m : mappak) {
    QDir dir(m);
    for (const QString& f : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) dir.remove(f);
  }
}

const char* hivasNev(FajlHivas h) {
  switch (h) {
    case FajlHivas::Iras: return "írás";
    case FajlHivas::Szinkron: return "szinkron";
    case FajlHivas::Meretezes: return "méretezés";
    case FajlHivas::Olvasas: return "olvasás";
    case FajlHivas::MappaSzinkron: return "mappaszinkron";
    case FajlHivas::Letrehozas: return "létrehozás";
    case FajlHivas::Atnevezes: return "átnevezés";
    case FajlHivas::Torles: return "törlés";
    case FajlHivas::Linkeles: return "linkelés";
    case FajlHivas::Lekerdezes: return "lekérdezés";
    case FajlHivas::Nyitas: return "nyitás";
    case FajlHivas::Zarolas: return "zárolás";
  }
  return "?";
}

struct Hivas {
  FajlHivas hivas;
  QString fajl;
};

// How the k-th call fails: an errno, or (0) a short write of half its bytes.
struct Hiba {
  int hivas;
  int errnum;
};

QString hibaNev(const Hiba& h, const std::vector<Hivas>& hivasok) {
  const Hivas& c = hivasok[size_t(h.hivas)];
  const QString mi = h.errnum == EIO ? QStringLiteral("EIO") : h.errnum == ENOSPC ? QStringLiteral("ENOSPC") : QStringLiteral("rövid írás");
  return QStringLiteral("%1. hívás (%2 %3): %4").arg(h.hivas + 1).arg(QString::fromUtf8(hivasNev(c.hivas)), c.fajl, mi);
}

}  // namespace

IoHibaEredmeny ioHibaVegigjar(const IoHibaMuvelet& m) {
  IoHibaEredmeny e;
  auto inditas = [&] {
    urit(m.mappak);
    m.elokeszit();
  };
  auto hiba = [&](const QString& mi, const QString& szoveg) {
    if (++e.hibak <= kElsok) e.elsok << mi + QStringLiteral(": ") + szoveg;
  };

  // The clean run: its calls, and the files before and after.
  inditas();
  const Kep regi = kep(m.mappak);
  std::vector<Hivas> hivasok;
  IoKimenet tiszta;
  {
    FajlHorogProba proba([&](FajlHivas h, const QString& fajl, qint64&, qint64) {
      hivasok.push_back({h, fajl});
      return 0;
    });
    tiszta = m.futtat();
  }
  if (m.helyreallitas) m.helyreallitas();
  const Kep uj = kep(m.mappak);
  e.hivasok = int(hivasok.size());
  if (!tiszta.kesz || !tiszta.uzenet.isEmpty())
    hiba(QStringLiteral("hiba nélkül"), QStringLiteral("nem kész, vagy üzent: ") + tiszta.uzenet);
  if (m.ellenoriz)
    if (const QString h = m.ellenoriz(tiszta); !h.isEmpty()) hiba(QStringLiteral("hiba nélkül"), h);

  // The failures: each call EIO, a write also ENOSPC and short; spread over at most `korlat` runs.
  std::vector<Hiba> hibak;
  for (size_t i = 0; i < hivasok.size(); ++i) {
    if (m.kihagy && m.kihagy(hivasok[i].hivas, hivasok[i].fajl)) {
      ++e.kihagyva;
      continue;
    }
    hibak.push_back({int(i), EIO});
    if (hivasok[i].hivas == FajlHivas::Iras) {
      hibak.push_back({int(i), ENOSPC});
      hibak.push_back({int(i), 0});
    }
  }
  const size_t lepes = (hibak.size() + size_t(m.korlat) - 1) / size_t(std::max(1, m.korlat));
  for (size_t hi = 0; hi < hibak.size(); hi += std::max<size_t>(1, lepes)) {
    const Hiba& h = hibak[hi];
    inditas();
    int szamlalo = 0;
    bool hibazott = false, rovid = false;
    IoKimenet k;
    {
      FajlHorogProba proba([&](FajlHivas, const QString&, qint64& hossz, qint64) {
        if (szamlalo++ != h.hivas) return 0;
        if (h.errnum) {
          hibazott = true;
          return h.errnum;
        }
        if (hossz > 1) {
          hossz /= 2;
          rovid = true;
        }
        return 0;
      });
      k = m.futtat();
    }
    ++e.futasok;
    if (m.helyreallitas) m.helyreallitas();
    const Kep most = kep(m.mappak);
    const QString mi = hibaNev(h, hivasok);
    QStringList bajok;
    // Every file from before or after, whole; no name that neither had.
    bool mindUj = true;
    for (const auto& [nev, b] : most) {
      const auto r = regi.find(nev), u = uj.find(nev);
      // A file set aside (kept under its name with ".hibas") holds the bytes it had, and is said.
      if (m.megtarthato.contains(nev) && r == regi.end() && u == uj.end()) {
        const auto eredeti = regi.find(nev.chopped(QStringLiteral(".hibas").size()));
        if (eredeti == regi.end() || eredeti->second != b || !k.uzenet.contains(nev.section(QLatin1Char('/'), 1)))
          bajok << QStringLiteral("félretéve, de nem a régi fájl, vagy szó nélkül: ") + nev;
        mindUj = false;
        continue;
      }
      if (r == regi.end() && u == uj.end())
        bajok << QStringLiteral("ott maradt: ") + nev;
      else if ((r == regi.end() || r->second != b) && (u == uj.end() || u->second != b))
        bajok << QStringLiteral("se régi, se új: %1 (%2 bájt)").arg(nev).arg(b.size());
      if (u == uj.end() || u->second != b) mindUj = false;
    }
    for (const auto& [nev, b] : regi)
      if (!most.count(nev) && uj.count(nev)) bajok << QStringLiteral("eltűnt: ") + nev;
    for (const auto& [nev, b] : uj)
      if (!most.count(nev)) mindUj = false;
    // A pair is from before or from after together.
    for (const QStringList& par : m.parok) {
      bool vanRegi = false, vanUj = false;
      for (const QString& n : par) {
        const QString kulcs = QStringLiteral("0/") + n;
        const auto a = most.find(kulcs), r = regi.find(kulcs), u = uj.find(kulcs);
        const auto ugyanaz = [&](Kep::const_iterator x, const Kep& k2) {
          return (a == most.end()) == (x == k2.end()) && (a == most.end() || a->second == x->second);
        };
        const bool rr = ugyanaz(r, regi), uu = ugyanaz(u, uj);
        if (rr && !uu) vanRegi = true;
        if (uu && !rr) vanUj = true;
      }
      if (vanRegi && vanUj) bajok << QStringLiteral("a pár széttört: ") + par.join(',');
    }
    if (k.kesz && !mindUj) bajok << QStringLiteral("késznek mondta, de nem az új van a lemezen");
    // A failure the operation got over (the files the clean run's, nothing said) is counted.
    if (hibazott && k.uzenet.isEmpty() && mindUj) ++e.csendes;
    else if (hibazott && k.uzenet.isEmpty()) bajok << QStringLiteral("a hiba nincs kimondva");
    if (!hibazott && !rovid && !k.uzenet.isEmpty()) bajok << QStringLiteral("üzenet hiba nélkül: ") + k.uzenet;
    if (rovid && k.uzenet.isEmpty() && !k.kesz) bajok << QStringLiteral("rövid írás után se kész, se üzenet");
    if (m.ellenoriz)
      if (const QString b = m.ellenoriz(k); !b.isEmpty()) bajok << b;
    if (!bajok.isEmpty())
      hiba(mi, bajok.join(QStringLiteral("; ")) + (k.uzenet.isEmpty() ? QString() : QStringLiteral(" [üzenet: %1]").arg(k.uzenet)));
  }
  return e;
}
