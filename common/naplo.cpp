#include "common/naplo.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "common/recordfile.h"

namespace {

const QByteArray kVege = "VEGE\n";
constexpr int kHashHossz = 64;  // SHA-256 in hex
constexpr qint64 kNaploMax = 1 << 20;

const QByteArray kHelyben3 = "LAVINDOR HELYBEN 3\n";
// Earlier versions: one record of the file the journal is named after, with its new bytes (2)
// or with the file's device and inode instead (1); a payer's save (FIZETOREKORD 1, unchecked).
const QByteArray kHelyben2 = "LAVINDOR HELYBEN 2\n";
const QByteArray kHelyben1 = "LAVINDOR HELYBEN 1\n";
const QByteArray kParMentes1 = "LAVINDOR FIZETOREKORD 1\n";
const QString kHelybenUtotag = QStringLiteral("-regi.naplo");

// `db` non-negative numbers separated by blanks; nothing for anything else.
std::optional<QList<qint64>> szamok(const QByteArray& sor, int db) {
  const QList<QByteArray> m = sor.split(' ');
  if (m.size() != db) return std::nullopt;
  QList<qint64> v;
  for (const QByteArray& s : m) {
    bool ok = false;
    v << s.toLongLong(&ok);
    if (!ok || v.last() < 0) return std::nullopt;
  }
  return v;
}

// Reads the body of a journal line by line: a line, then so many bytes.
struct Olvaso {
  const QByteArray& b;
  qsizetype at = 0;
  std::optional<QByteArray> sor() {
    const qsizetype v = b.indexOf('\n', at);
    if (v < 0) return std::nullopt;
    const QByteArray s = b.mid(at, v - at);
    at = v + 1;
    return s;
  }
  std::optional<QByteArray> bajtok(qint64 n) {
    if (n > b.size() - at) return std::nullopt;
    const QByteArray s = b.mid(at, n);
    at += n;
    return s;
  }
  bool vege() const { return at == b.size(); }
};

// This version's body: for each record a line "name offset old-length old-bytes new-bytes" (the
// name percent-encoded), then its old and its new bytes.
std::optional<HelybenNaplo> tobbTetel(const QByteArray& torzs) {
  HelybenNaplo j;
  Olvaso o{torzs};
  while (!o.vege()) {
    const std::optional<QByteArray> sor = o.sor();
    if (!sor) return std::nullopt;
    const qsizetype szokoz = sor->indexOf(' ');
    if (szokoz < 0) return std::nullopt;
    const std::optional<QList<qint64>> v = szamok(sor->mid(szokoz + 1), 4);
    if (!v) return std::nullopt;
    HelybenTetel t;
    t.fajl = QString::fromUtf8(QByteArray::fromPercentEncoding(sor->left(szokoz)));
    t.at = (*v)[0];
    t.meret = (*v)[1];
    const std::optional<QByteArray> regi = o.bajtok((*v)[2]), uj = o.bajtok((*v)[3]);
    if (!simaFajlnev(t.fajl) || !regi || !uj) return std::nullopt;
    t.regi = *regi;
    t.uj = *uj;
    j.tetelek << t;
  }
  if (j.tetelek.isEmpty()) return std::nullopt;
  return j;
}

// Earlier versions' one record: "offset old-length old-bytes new-bytes" (2) or "offset
// old-length old-bytes device inode" (1), then the bytes.
std::optional<HelybenNaplo> egyTetel(const QByteArray& torzs, const QString& fajl, bool elso) {
  Olvaso o{torzs};
  const std::optional<QByteArray> sor = o.sor();
  const std::optional<QList<qint64>> v = sor ? szamok(*sor, elso ? 5 : 4) : std::nullopt;
  if (!v) return std::nullopt;
  HelybenNaplo j;
  j.regiFormatum = elso;
  HelybenTetel t{fajl, (*v)[0], (*v)[1], {}, {}};
  const std::optional<QByteArray> regi = o.bajtok((*v)[2]), uj = o.bajtok(elso ? 0 : (*v)[3]);
  if (!regi || !uj || !o.vege()) return std::nullopt;
  t.regi = *regi;
  t.uj = *uj;
  j.tetelek << t;
  return j;
}

// An earlier version's payer save: "n length1 length2", then what record n of each file held.
std::optional<HelybenNaplo> regiParMentes(const QByteArray& torzs, const RegiParFormatum& par) {
  Olvaso o{torzs};
  const std::optional<QByteArray> sor = o.sor();
  const std::optional<QList<qint64>> v = sor ? szamok(*sor, 3) : std::nullopt;
  if (!v || (*v)[0] < 1 || (*v)[0] > INT32_MAX) return std::nullopt;
  HelybenNaplo j;
  j.regiFormatum = true;
  for (int i = 0; i < 2; ++i) {
    HelybenTetel t{par.fajl[i], ((*v)[0] - 1) * par.hossz[i], (*v)[1 + i], {}, {}};
    const std::optional<QByteArray> regi = o.bajtok(std::clamp<qint64>(t.meret - t.at, 0, par.hossz[i]));
    if (!regi) return std::nullopt;
    t.regi = *regi;
    j.tetelek << t;
  }
  if (!o.vege()) return std::nullopt;
  return j;
}

// Whether the open file still is the one record `t` was written for; the question's failure is
// an error.
Valasz<bool> sajatFajl(int fd, const HelybenTetel& t, const QString& ut) {
  const Valasz<FajlAdat> a = fajlAdat(fd, t.fajl, ut);
  if (!a) return a.hiba();
  const qint64 hossz = a->meret;
  if (hossz < std::min(t.meret, t.at) || hossz > std::max(t.meret, t.at + qint64(t.uj.size()))) return false;
  QByteArray most(t.uj.size(), '\0');
  qint64 olvasott = 0;
  if (const FajlEredmeny e = mindOlvasas(fd, most.data(), most.size(), t.at, olvasott, t.fajl); !e) return e;
  for (qint64 i = 0; i < olvasott; ++i) {
    // Beyond the old bytes the place held nothing: zeros where a write extended the file.
    const char regi = i < t.regi.size() ? t.regi[i] : '\0';
    if (most[i] != regi && most[i] != t.uj[i]) return false;
  }
  return true;
}

QString helybenNaploUt(const QString& path) {
  const QFileInfo fi(path);
  return fi.absolutePath() + QLatin1Char('/') + helybenNaploNeve(fi.fileName());
}

bool helybenVisszavonasUton(const QString& path, FajlEredmeny* hiba, bool* visszavonva, bool tartos) {
  const HelybenKovetes k = helybenKovetes(helybenNaploUt(path), QFileInfo(path).fileName(), tartos);
  if (visszavonva) *visszavonva = k.visszavonva;
  if (!k.ok() && hiba) *hiba = k.hiba();
  return k.ok();
}

}  // namespace

QByteArray naploKeret(const QByteArray& fejlec, const QByteArray& torzs) {
  const QByteArray t = fejlec + torzs;
  return t + QCryptographicHash::hash(t, QCryptographicHash::Sha256).toHex() + '\n' + kVege;
}

std::optional<NaploTorzs> naploKeretbol(const QByteArray& b, const QList<NaploFajta>& fajtak) {
  for (int i = 0; i < fajtak.size(); ++i) {
    const QByteArray& fejlec = fajtak[i].fejlec;
    if (!b.startsWith(fejlec)) continue;
    if (!b.endsWith(kVege)) return std::nullopt;
    qsizetype vege = b.size() - kVege.size();
    if (fajtak[i].ellenorzott) {
      vege -= kHashHossz + 1;
      if (vege < fejlec.size() || b[vege + kHashHossz] != '\n' ||
          QCryptographicHash::hash(b.left(vege), QCryptographicHash::Sha256).toHex() != b.mid(vege, kHashHossz))
        return std::nullopt;
    }
    if (vege < fejlec.size()) return std::nullopt;
    return NaploTorzs{i, b.mid(fejlec.size(), vege - fejlec.size())};
  }
  return std::nullopt;
}

std::optional<QByteArray> naploBeolvasas(const QString& path, FajlEredmeny* olvashatatlan) {
  FajlEredmeny e;
  std::optional<QByteArray> b = regularisOlvasas(path, kNaploMax, &e);
  if (olvashatatlan) *olvashatatlan = e.fajta.isEmpty() ? e : FajlEredmeny{};
  return b;
}

bool simaFajlnev(const QString& n) { return !n.isEmpty() && !n.contains('/') && n != "." && n != ".."; }

QByteArray helybenTartalom(const HelybenNaplo& j) {
  QByteArray torzs;
  for (const HelybenTetel& t : j.tetelek)
    torzs += t.fajl.toUtf8().toPercentEncoding() + ' ' + QByteArray::number(t.at) + ' ' + QByteArray::number(t.meret) +
             ' ' + QByteArray::number(t.regi.size()) + ' ' + QByteArray::number(t.uj.size()) + '\n' + t.regi + t.uj;
  return naploKeret(kHelyben3, torzs);
}

std::optional<HelybenNaplo> helybenOlvas(const QByteArray& b, const QString& fajl, const RegiParFormatum* par) {
  const std::optional<NaploTorzs> t =
      naploKeretbol(b, {{kHelyben3}, {kHelyben2}, {kHelyben1}, {kParMentes1, false}});
  if (!t) return std::nullopt;
  switch (t->fajta) {
    case 0: return tobbTetel(t->torzs);
    case 1:
    case 2: return fajl.isEmpty() ? std::nullopt : egyTetel(t->torzs, fajl, t->fajta == 2);
    default: return par ? regiParMentes(t->torzs, *par) : std::nullopt;
  }
}

VisszairasHibak helybenVisszairas(const QString& folder, const HelybenNaplo& j, bool ellenoriz, bool* visszavonva) {
  VisszairasHibak hibak;
  struct Nyitott {
    const HelybenTetel* t;
    QString ut;
    int fd;
  };
  QList<Nyitott> nyitott;
  for (const HelybenTetel& t : j.tetelek) {
    const QString ut = dataPath(folder, t.fajl);
    FajlEredmeny e;
    const int fd = regularisNyitas(ut, O_RDWR, &e);
    if (fd >= 0) nyitott.append({&t, ut, fd});
    // A file that is gone has nothing to put back. One that cannot be opened or asked keeps
    // the journal: it is neither read nor written until the journal can be followed.
    else if (e.errnum != ENOENT || !e.fajta.isEmpty()) hibak.append({t.fajl, e});
  }
  // The change is one: its files are put back only when every one still is its own (a later
  // change of one of them, or a file replaced since, makes the journal another state's).
  bool sajat = true;
  for (qsizetype i = 0; hibak.isEmpty() && ellenoriz && !j.regiFormatum && sajat && i < nyitott.size(); ++i) {
    const Valasz<bool> s = sajatFajl(nyitott[i].fd, *nyitott[i].t, nyitott[i].ut);
    if (!s) hibak.append({nyitott[i].t->fajl, s.hiba()});
    sajat = s && *s;
  }
  const bool visszairhato = hibak.isEmpty() && sajat;
  for (const Nyitott& n : nyitott) {
    if (visszairhato) {
      const HelybenTetel& t = *n.t;
      FajlEredmeny e = mindIras(n.fd, t.regi.constData(), t.regi.size(), t.at, t.fajl, n.ut);
      if (e) {
        const Valasz<FajlAdat> a = fajlAdat(n.fd, t.fajl, n.ut);
        if (!a) e = a.hiba();
        else if (a->meret != t.meret) e = meretezes(n.fd, t.meret, t.fajl, n.ut);
      }
      if (e) e = fajlSzinkron(n.fd, t.fajl, n.ut);
      if (e && visszavonva) *visszavonva = true;
      if (!e) hibak.append({t.fajl, e});
    }
    ::close(n.fd);
  }
  return hibak;
}

FajlEredmeny HelybenKovetes::hiba() const {
  if (!olvasas) return olvasas;
  if (!fajlok.isEmpty()) return fajlok.first().second;
  return torles;
}

HelybenKovetes helybenKovetes(const QString& naplo, const QString& fajl, bool tartos, const RegiParFormatum* par) {
  HelybenKovetes k;
  const Valasz<bool> van = vanNeven(naplo);
  if (!van) {
    k.olvasas = van.hiba();
    return k;
  }
  if (!*van) return k;
  FajlEredmeny e;
  const std::optional<QByteArray> b = naploBeolvasas(naplo, &e);
  if (!e) {
    k.olvasas = e;
    return k;
  }
  // Something else than a file at the name is no journal of ours.
  if (!b) return k;
  if (const std::optional<HelybenNaplo> j = helybenOlvas(*b, fajl, par)) {
    k.fajlok = helybenVisszairas(QFileInfo(naplo).absolutePath(), *j, true, &k.visszavonva);
    if (!k.fajlok.isEmpty()) return k;
  }
  // Rolled back, torn (no record was written yet) or another file's: the journal goes. Should
  // its removal not reach the disk, it only puts the same old bytes back once more.
  if (e = torles(naplo); !e) {
    k.torles = e;
    return k;
  }
  if (const FajlEredmeny m = mappaSzinkron(QFileInfo(naplo).absolutePath()); !m && tartos) k.torles = m;
  return k;
}

QString helybenNaploNeve(const QString& fajl) { return fajl + kHelybenUtotag; }

bool helybenVisszavonas(const QString& folder, const QString& fajl, FajlEredmeny* hiba, bool* visszavonva) {
  return helybenVisszavonasUton(dataPath(folder, fajl), hiba, visszavonva, false);
}

bool helybenLezaras(const QString& path, FajlEredmeny* hiba) {
  return helybenVisszavonasUton(path, hiba, nullptr, true);
}

QString helybenVisszavonvaUzenet(const QString& fajl) {
  return QStringLiteral("A(z) %1 fájl legutóbbi módosítása félbeszakadt, és visszavonásra került: a fájl "
                        "korábbi adatai maradtak meg.")
      .arg(fajl);
}

QString helybenNemVonhatoVisszaUzenet(const QString& fajl, const FajlEredmeny& hiba) {
  return QStringLiteral("A(z) %1 fájl félbeszakadt módosítása nem vonható vissza: %2.").arg(fajl, hiba.miert());
}

QString helybenIrasokVisszavonasa(const QString& folder, QStringList* sikertelen) {
  QStringList uzenet;
  const QStringList naplok = QDir(folder).entryList({QLatin1Char('*') + kHelybenUtotag},
                                                    QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  for (const QString& n : naplok) {
    const QString fajl = n.chopped(kHelybenUtotag.size());
    FajlEredmeny hiba;
    bool visszavonva = false;
    if (!helybenVisszavonas(folder, fajl, &hiba, &visszavonva)) {
      uzenet << helybenNemVonhatoVisszaUzenet(fajl, hiba);
      if (sikertelen) *sikertelen << fajl;
    } else if (visszavonva) {
      uzenet << helybenVisszavonvaUzenet(fajl);
    }
  }
  return uzenet.join(QStringLiteral("\r\n"));
}
