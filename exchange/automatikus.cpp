#include "exchange/automatikus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "common/fajlmuvelet.h"
#include "exchange/fajlok.h"

namespace {

// Whether `mappa` is a folder; a failed question is its error.
Valasz<bool> mappaE(const QString& mappa) {
  const Valasz<FajlAdat> a = fajlAdat(mappa);
  if (!a) return a.hiba();
  return a->mappa();
}

// The entries of `mappa` whose names end with `vege` (any case; empty: all), in name order (case
// ignored first): files, folders, devices, FIFOs, links (broken ones too), hidden ones as well.
// Names that are no valid UTF-8 cannot be taken: those ending so go to `rosszNevek`, shown with
// replacement characters. A failed listing is its error.
Valasz<QStringList> bejegyzesek(const QString& mappa, const QString& vege, QStringList* rosszNevek = nullptr) {
  const Valasz<QList<QByteArray>> nevek = mappaNevek(mappa);
  if (!nevek) return nevek.hiba();
  QStringList out;
  for (const QByteArray& n : *nevek) {
    QStringDecoder dec(QStringDecoder::Utf8);
    const QString s = dec.decode(n);
    if (!s.endsWith(vege, Qt::CaseInsensitive)) continue;
    if (!dec.hasError())
      out << s;
    else if (rosszNevek)
      *rosszNevek << s;
  }
  const auto sorrend = [](const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  };
  std::sort(out.begin(), out.end(), sorrend);
  if (rosszNevek) std::sort(rosszNevek->begin(), rosszNevek->end());
  return out;
}

// The names a move of the claimed file `nev` ("x.csv.importalas") may give it: back under its
// own name or a free one ("x.csv", "x (2).csv"), or set aside ("x.csv.hibas", "x (2).csv.hibas").
bool athelyezettNeve(const QString& nev, const QString& m) {
  const QFileInfo eredeti(nev.chopped(kAtvetelUtotag.size()));
  const QString alap = QRegularExpression::escape(eredeti.completeBaseName());
  const QString kit = eredeti.suffix().isEmpty() ? QString() : QRegularExpression::escape("." + eredeti.suffix());
  static const QString hibas = QRegularExpression::escape(kHibasUtotag);
  return QRegularExpression(QStringLiteral("\\A%1( \\([0-9]+\\))?%2(%3)?\\z").arg(alap, kit, hibas),
                            QRegularExpression::CaseInsensitiveOption)
      .match(m)
      .hasMatch();
}

// The other name in `dir` of the claimed file `nev`, left by a move that a power loss cut short:
// a second link of the same file, or (the folder copied without its hard links since) a regular
// file of the same bytes under a name the move gives. Empty: none. A failed question is its
// error.
Valasz<QString> ikerNeve(const QDir& dir, const QString& nev, const QStringList& nevek) {
  const Valasz<FajlAdat> a = fajlAdat(dir.filePath(nev), false);
  if (!a) return a.hiba();
  if (!a->van || a->mappa()) return QString();
  for (const QString& m : nevek) {
    if (m == nev || !athelyezettNeve(nev, m)) continue;
    const Valasz<FajlAdat> b = fajlAdat(dir.filePath(m), false);
    if (!b) return b.hiba();
    if (a->azonos(*b)) return m;
    if (!a->regularis() || !b->regularis() || a->meret != b->meret) continue;
    const Valasz<bool> azonos = azonosTartalom(dir.filePath(nev), dir.filePath(m), a->meret);
    if (!azonos) return azonos.hiba();
    if (*azonos) return m;
  }
  return QString();
}

}  // namespace

std::optional<QString> stabilCsv(const QString& mappa, FigyeltFajl& elozo, QStringList* ujRosszNevek, QString* hiba) {
  const auto nemKerdezheto = [&](const QString& fajl, const FajlEredmeny& e) {
    elozo.felejt();
    if (hiba)
      *hiba = QStringLiteral("A figyelt mappában a(z) %1 nem kérdezhető le: %2.\r\nAz automatikus adatbeolvasás leállt.")
                  .arg(fajl, e.miert());
    return std::nullopt;
  };
  if (mappa.trimmed().isEmpty()) {
    elozo.felejt();
    return std::nullopt;
  }
  if (const Valasz<bool> m = mappaE(mappa); !m) {
    return nemKerdezheto(mappa, m.hiba());
  } else if (!*m) {
    elozo.felejt();
    return std::nullopt;
  }
  QStringList rossz;
  const Valasz<QStringList> fajlok = bejegyzesek(mappa, QStringLiteral(".csv"), &rossz);
  if (!fajlok) return nemKerdezheto(mappa, fajlok.hiba());
  for (const QString& n : rossz)
    if (!elozo.rosszNevek.contains(n)) {
      elozo.rosszNevek.insert(n);
      if (ujRosszNevek) *ujRosszNevek << n;
    }
  // Folders, devices, FIFOs and broken links are listed too: taking them sets them aside with a
  // message.
  if (fajlok->isEmpty()) {
    elozo.felejt();
    return std::nullopt;
  }
  const QDir dir(mappa);
  const QString path = dir.absoluteFilePath(fajlok->first());
  // A link is judged by its file; a broken one by itself.
  Valasz<FajlAdat> f = fajlAdat(path);
  if (f && !f->van) f = fajlAdat(path, false);
  if (!f) return nemKerdezheto(fajlok->first(), f.hiba());
  const bool stabil = path == elozo.path && f->meret == elozo.meret && f->ido == elozo.ido;
  elozo.path = path;
  elozo.meret = f->meret;
  elozo.ido = f->ido;
  if (!stabil) return std::nullopt;
  return elozo.path;
}

namespace {

// Whether the watched file may be claimed: it is still there and is none of the program's own
// files. Else `e` says why not (a file that is gone is no error).
bool atveheto(const QString& folder, const QString& csvPath, const QString& nev, AutoImportEredmeny& e) {
  const auto nemKerdezheto = [&](const FajlEredmeny& h) {
    e.allapot = AutoAllapot::NemJelolheto;
    e.hiba = QStringLiteral("A figyelt mappában a(z) %1 fájl nem kérdezhető le (%2), ezért nem importálható.\r\n"
                            "Az automatikus adatbeolvasás leállt.")
                 .arg(nev, h.miert());
    return false;
  };
  const Valasz<bool> van = vanNeven(csvPath);
  if (!van) return nemKerdezheto(van.hiba());
  if (!*van) {
    e.allapot = AutoAllapot::Eltunt;
    return false;
  }
  const Valasz<bool> sajat = sajatAdatfajl(folder, csvPath);
  if (!sajat) return nemKerdezheto(sajat.hiba());
  if (*sajat) {
    e.hiba = QStringLiteral("A(z) %1 a program saját adatfájlja, nem importálható.").arg(nev);
    return false;
  }
  return true;
}

// A claim whose folder flush failed is not relied on: the file goes back under its name (or a
// free one) and is not imported.
void atvetelVisszaadasa(const QString& atvett, const QString& nev, const FajlEredmeny& szinkron,
                        AutoImportEredmeny& e) {
  FajlEredmeny vsz;
  const std::optional<QString> vissza = atnevezSzabadNevre(atvett, nev, {}, &vsz);
  e.allapot = AutoAllapot::NemJelolheto;
  e.hiba = QStringLiteral("A figyelt mappa nem írható ki a lemezre (%1), ezért a(z) %2 fájl nem importálható.")
               .arg(szinkron.miert(), nev);
  if (!vissza)
    e.hiba += QStringLiteral("\r\nA fájl „%1” néven a figyelt mappában maradt.").arg(QFileInfo(atvett).fileName());
  e.hiba += QStringLiteral("\r\nAz automatikus adatbeolvasás leállt.");
}

// The claim: the file is renamed out of the watched names, and the rename is flushed. Its new
// path, or nothing (`e` says why): a file gone meanwhile, one that cannot be renamed, or one
// whose rename did not reach the disk.
std::optional<QString> atvetel(const QString& csvPath, const QString& nev, AutoImportEredmeny& e) {
  FajlEredmeny szinkron, hiba;
  const std::optional<QString> atvett = atnevezSzabadNevre(csvPath, nev, kAtvetelUtotag, &szinkron, &hiba);
  if (!atvett) {
    const Valasz<bool> meg = vanNeven(csvPath);
    if (meg && !*meg) {
      e.allapot = AutoAllapot::Eltunt;
      return std::nullopt;
    }
    e.allapot = AutoAllapot::NemJelolheto;
    e.hiba = QStringLiteral(
                 "A figyelt mappában a(z) %1 fájl nem nevezhető át (%2), ezért nem importálható "
                 "(különben minden alkalommal újra beolvasnánk).\r\nAz automatikus adatbeolvasás leállt.")
                 .arg(nev, (meg ? hiba : meg.hiba()).miert());
    return std::nullopt;
  }
  if (!szinkron) {
    atvetelVisszaadasa(*atvett, nev, szinkron, e);
    return std::nullopt;
  }
  return atvett;
}

// A move out of the claim whose folder flush failed: the file has its new name, but after a
// power loss it may stand under the claimed one too (the next start keeps one of them).
QString nemBiztos(const FajlEredmeny& sz) {
  return sz ? QString()
            : QStringLiteral("\r\nA lemez hibát jelzett a figyelt mappa kiírásakor (%1): egy áramszünet után a "
                             "fájl a korábbi nevén is visszaállhat.")
                  .arg(sz.miert());
}

// A claimed file that gave nothing is set aside under a name that is not watched (Felreteve).
// Whether it was.
bool felreteves(const QString& atvett, const QString& nev, AutoImportEredmeny& e) {
  FajlEredmeny fsz;
  const std::optional<QString> felre = atnevezSzabadNevre(atvett, nev, kHibasUtotag, &fsz);
  if (!felre) return false;
  e.allapot = AutoAllapot::Felreteve;
  e.hiba = e.import.hiba + QStringLiteral("\r\nA fájl „%1” néven a figyelt mappában maradt.")
                               .arg(QFileInfo(*felre).fileName()) +
           nemBiztos(fsz);
  return true;
}

// A claimed file that was not imported goes back under its name (or a free one) for a later try.
void visszaadas(const QString& atvett, const QString& nev, AutoImportEredmeny& e) {
  FajlEredmeny vsz;
  const std::optional<QString> vissza = atnevezSzabadNevre(atvett, nev, {}, &vsz);
  e.hiba = QStringLiteral("A(z) %1 fájl automatikus importálása nem sikerült.\r\n").arg(nev) + e.import.hiba +
           (vissza ? nemBiztos(vsz)
                   : QStringLiteral("\r\nA fájl „%1” néven a figyelt mappában maradt.")
                         .arg(QFileInfo(atvett).fileName())) +
           QStringLiteral("\r\nAz automatikus adatbeolvasás leállt.");
}

}  // namespace

AutoImportEredmeny automatikusImport(const QString& folder, const QString& csvPath, bool felulir,
                                     const CsereHorog& horog) {
  AutoImportEredmeny e;
  const QString nev = QFileInfo(csvPath).fileName();
  // Only a file still there, and none of the program's own, is claimed.
  if (!atveheto(folder, csvPath, nev, e)) return e;
  // The claim: the file leaves the watched names before its import. The change names it, so
  // after a crash the next start removes it with a finished change or puts it back. The claim
  // is on the disk before a journal names the claimed file (the watched folder may lie on
  // another file system, flushed apart from the program folder): else a power loss could keep
  // the change and lose the claim, and the file would be imported again.
  const std::optional<QString> atvett = atvetel(csvPath, nev, e);
  if (!atvett) return e;
  // Only now the import: its change's journal names the claimed file, which goes with the change.
  e.import = csvImport(folder, *atvett, felulir, CsvValtozat::Automatikus, {nev, true, horog});
  if (e.import.ok()) {
    e.allapot = AutoAllapot::Kesz;
    return e;
  }
  // A file that gives nothing is set aside, so that no later tick takes it again.
  if (e.import.fajlHiba && felreteves(*atvett, nev, e)) return e;
  // Nothing was imported: the file goes back for a later try.
  visszaadas(*atvett, nev, e);
  return e;
}

QStringList csvAtvetelIkrek(const QString& mappa) {
  QStringList hibak;
  if (mappa.trimmed().isEmpty()) return hibak;
  if (const Valasz<bool> m = mappaE(mappa); !m || !*m) {
    if (!m) hibak << QStringLiteral("%1: %2").arg(mappa, m.hiba().miert());
    return hibak;
  }
  const QDir dir(mappa);
  const Valasz<QStringList> nevek = bejegyzesek(mappa, {});
  if (!nevek) return {QStringLiteral("%1: %2").arg(mappa, nevek.hiba().miert())};
  bool torolve = false;
  for (const QString& f : *nevek) {
    if (!f.endsWith(kAtvetelUtotag) || !f.chopped(kAtvetelUtotag.size()).endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
      continue;
    const Valasz<QString> iker = ikerNeve(dir, f, *nevek);
    if (!iker) {
      hibak << QStringLiteral("%1: %2").arg(f, iker.hiba().miert());
      continue;
    }
    if (iker->isEmpty()) continue;
    // Set aside already: the claimed name goes. Otherwise the claimed name stays, which a change's
    // journal may name, and the watched one goes: the file is imported once, or put back once.
    const QString marad = iker->endsWith(kHibasUtotag) ? *iker : f;
    const QString megy = marad == f ? *iker : f;
    if (const FajlEredmeny t = torles(dir.filePath(megy)); !t) {
      hibak << QStringLiteral("%1: %2").arg(megy, t.miert());
      continue;
    }
    torolve = true;
  }
  if (torolve)
    if (const FajlEredmeny sz = mappaSzinkron(mappa); !sz) hibak << QStringLiteral("%1: %2").arg(mappa, sz.miert());
  return hibak;
}

QStringList csvAtvetelekFeloldasa(const QString& mappa, QStringList* nemBiztos) {
  QStringList maradt;
  if (mappa.trimmed().isEmpty()) return maradt;
  if (const Valasz<bool> m = mappaE(mappa); !m || !*m) {
    if (!m) maradt << QStringLiteral("%1 (%2)").arg(mappa, m.hiba().miert());
    return maradt;
  }
  const QDir dir(mappa);
  const Valasz<QStringList> atvettek = bejegyzesek(mappa, QStringLiteral(".csv") + kAtvetelUtotag);
  if (!atvettek) return {QStringLiteral("%1 (%2)").arg(mappa, atvettek.hiba().miert())};
  for (const QString& f : *atvettek) {
    FajlEredmeny szinkron, hiba;
    if (atnevezSzabadNevre(dir.filePath(f), f.chopped(kAtvetelUtotag.size()), {}, &szinkron, &hiba)) {
      if (!szinkron && nemBiztos) *nemBiztos << QStringLiteral("%1 (%2)").arg(f, szinkron.miert());
      continue;
    }
    maradt << QStringLiteral("%1 (%2)").arg(f, hiba.miert());
  }
  return maradt;
}
