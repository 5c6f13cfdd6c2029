#include "exchange/csvimport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringView>

#include <vector>

#include "common/cp1250.h"
#include "common/fields.h"
#include "common/recordfile.h"
#include "exchange/csvsor.h"
#include "exchange/fajlok.h"
#include "records/fizetocsere.h"
#include "records/nevekrekord.h"

namespace {

// Whether code page 1250 holds every character of `s`. The reverse table of the code page's
// upper half is built once (its highest code point is U+2122).
bool kodlapon(const QString& s) {
  static const std::vector<bool> tabla = [] {
    std::vector<bool> t(0x2123, false);
    for (int b = 0x80; b < 0x100; ++b) {
      const char c = char(b);
      const QChar u = cp1250::decode(&c, 1).at(0);
      if (u.unicode() < t.size()) t[u.unicode()] = true;
    }
    return t;
  }();
  for (QChar c : s)
    if (c.unicode() >= 0x80 && (c.unicode() >= tabla.size() || !tabla[c.unicode()])) return false;
  return true;
}

// Writes a record's bytes at record index `i` of `buf` (sized for every line beforehand).
template <class R>
void beir(QByteArray& buf, qsizetype i, R& r) {
  FieldWriter w(buf.data() + i * R::Length);
  r.fields(w);
}

}  // namespace

CsvBeolvasas csvFeldolgoz(const QByteArray& fajl, CsvValtozat valtozat) {
  CsvBeolvasas b;
  const QString szoveg = csvSzoveg(fajl, &b.utf8);
  const int oszlopok = valtozat == CsvValtozat::Kezi ? kCsvOszlopok : kAutoOszlopok;
  const QList<QStringView> sorok = QStringView(szoveg).split(u'\n');
  // Room for a payer per line, cut to the payers read at the end.
  b.nevek.resize(qsizetype(sorok.size()) * NevekRekord::Length);
  b.kozl.resize(qsizetype(sorok.size()) * Kozl3sorRekord::Length);
  NevekRekord n;
  Kozl3sorRekord k;
  for (qsizetype i = 0; i < sorok.size(); ++i) {
    QStringView sor = sorok[i];
    if (sor.endsWith(u'\r')) sor.chop(1);
    if (csvUresSor(sor)) {
      if (i == sorok.size() - 1) break;  // the file's last line end makes no payer
      if (valtozat == CsvValtozat::Automatikus) break;
      ++b.uresSorok;
      continue;
    }
    const QStringList c = csvOszlopok(sor, oszlopok);
    for (const QString& o : c)
      if (!kodlapon(o)) {
        ++b.kodlapon;
      }
    bool rossz = false;
    csvRekordok(c, oszlopok, n, k, &rossz);
    if (rossz) ++b.rosszOsszeg;
    if (n.Osszegek[0] == 0) ++b.osszegNelkul;
    beir(b.nevek, b.fizetok, n);
    beir(b.kozl, b.fizetok, k);
    ++b.fizetok;
  }
  b.nevek.truncate(qsizetype(b.fizetok) * NevekRekord::Length);
  b.kozl.truncate(qsizetype(b.fizetok) * Kozl3sorRekord::Length);
  return b;
}

QString fizetokIrasa(const QString& folder, const CsvBeolvasas& adatok, bool felulir, int32_t* elso,
                     const CsereHorog& horog) {
  const int L = NevekRekord::Length, K = Kozl3sorRekord::Length;
  // An interrupted earlier swap is finished before its temporary files are written again.
  fizetoParHelyreallitas(folder);
  QByteArray nevek, kozl;
  if (!felulir) {
    RecordFile nf(folder, kNevekFile, L);
    if (!nf.isOpen()) return nf.errorText();
    const int32_t count = nf.count();
    nevek = nf.readRange(1, count);
    RecordFile kf(folder, kKozl3sorFile, K);
    if (!kf.isOpen()) return kf.errorText();
    const int32_t kc = std::min(kf.count(), count);
    kozl = kf.readRange(1, kc);
    const QByteArray ures = encodeRecord(Kozl3sorRekord{});
    for (int32_t i = kc; i < count; ++i) kozl += ures;
  }
  if (elso) *elso = int32_t(nevek.size() / L) + 1;
  nevek += adatok.nevek;
  kozl += adatok.kozl;

  const QDir dir(folder);
  const QString nevx = dir.filePath(kNevekTempFile), xxkoz = dir.filePath(kKozl3sorTempFile);
  if (!irTeljes(nevx, nevek) || !irTeljes(xxkoz, kozl)) {
    QFile::remove(nevx);
    QFile::remove(xxkoz);
    return QStringLiteral("Az ideiglenes fájlok (%1, %2) nem írhatók a program mappájába.")
        .arg(kNevekTempFile, kKozl3sorTempFile);
  }
  return fizetoParCsere(folder, kNevekTempFile, kKozl3sorTempFile, horog);
}

ImportEredmeny csvImport(const QString& folder, const QString& csvPath, bool felulir, CsvValtozat valtozat) {
  ImportEredmeny e;
  const QString nev = QFileInfo(csvPath).fileName();
  if (sajatAdatfajl(folder, csvPath)) {
    e.hiba = QStringLiteral("A(z) %1 a program saját adatfájlja, nem importálható.").arg(nev);
    return e;
  }
  QFile f(csvPath);
  if (!f.open(QIODevice::ReadOnly)) {
    e.hiba = QStringLiteral("A(z) %1 fájl nem nyitható meg: %2").arg(nev, f.errorString());
    return e;
  }
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) {
    e.hiba = QStringLiteral("A(z) %1 fájl nem olvasható: %2").arg(nev, f.errorString());
    return e;
  }
  f.close();
  e.adatok = csvFeldolgoz(bytes, valtozat);
  if (e.adatok.fizetok == 0) {
    e.ures = true;
    e.hiba = QStringLiteral("A(z) %1 fájl nem tartalmaz beolvasható sort; az adatbázis nem változott.").arg(nev);
    return e;
  }
  const QString hiba = fizetokIrasa(folder, e.adatok, felulir, &e.elso);
  if (!hiba.isEmpty())
    e.hiba = QStringLiteral("Az importálás nem sikerült, az adatbázis nem változott.\r\n") + hiba;
  return e;
}

QString importUzenet(const ImportEredmeny& e) {
  QStringList s;
  s << QStringLiteral("Az adatbázis importálása befejeződött.") << QString()
    << QStringLiteral("Beolvasott ügyfelek száma: %1").arg(e.adatok.fizetok);
  if (e.adatok.rosszOsszeg > 0)
    s << QStringLiteral("Nem egész számú összeg (0-ként tárolva): %1").arg(e.adatok.rosszOsszeg);
  if (e.adatok.kodlapon > 0)
    s << QStringLiteral("Kódlapon kívüli karaktert tartalmazó mező ('?'-ként tárolva): %1").arg(e.adatok.kodlapon);
  if (e.adatok.uresSorok > 0) s << QStringLiteral("Kihagyott üres sor: %1").arg(e.adatok.uresSorok);
  s << QString() << QStringLiteral("Ha a listamezőben az adatbázis nem megfelelő,")
    << QStringLiteral("törölje az adatbázist és ellenőrízze a ''csv'' fájlt,")
    << QStringLiteral("majd indítsa el újra az importálást.");
  return s.join(QStringLiteral("\r\n"));
}
