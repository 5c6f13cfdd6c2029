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

// Appends a record's bytes to `buf`, which grows with the records read, never ahead of them.
template <class R>
void hozzafuz(QByteArray& buf, R& r) {
  const qsizetype at = buf.size();
  buf.resize(at + R::Length);
  FieldWriter w(buf.data() + at);
  r.fields(w);
}

}  // namespace

CsvBeolvasas csvFeldolgoz(const QByteArray& fajl, CsvValtozat valtozat, int32_t maxSorok) {
  CsvBeolvasas b;
  const QString szoveg = csvSzoveg(fajl, &b.utf8, &b.hiba);
  if (!b.hiba.isEmpty()) return b;
  const int oszlopok = valtozat == CsvValtozat::Kezi ? kCsvOszlopok : kAutoOszlopok;
  const QStringView t(szoveg);
  NevekRekord n;
  Kozl3sorRekord k;
  bool elsoSorUres = false;
  for (qsizetype i = 0; i < t.size();) {
    // One line, without its end: CR LF, LF or a lone CR. The file's last line end makes no line.
    qsizetype e = i;
    while (e < t.size() && t[e] != u'\n' && t[e] != u'\r') ++e;
    const QStringView sor = t.sliced(i, e - i);
    i = e < t.size() && t[e] == u'\r' && e + 1 < t.size() && t[e + 1] == u'\n' ? e + 2 : e + 1;
    if (sor.isEmpty()) {
      if (valtozat == CsvValtozat::Automatikus) {
        elsoSorUres = b.fizetok == 0;
        break;
      }
      ++b.uresSorok;
      continue;
    }
    if (b.fizetok == maxSorok) {
      b = CsvBeolvasas{};
      b.hiba = QStringLiteral("több mint %1 sort tartalmaz").arg(maxSorok);
      return b;
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
    hozzafuz(b.nevek, n);
    hozzafuz(b.kozl, k);
    ++b.fizetok;
  }
  if (b.fizetok == 0)
    b.hiba = szoveg.isEmpty() ? QStringLiteral("a fájl üres")
             : elsoSorUres    ? QStringLiteral("az első sora üres")
                              : QStringLiteral("csak üres sorokat tartalmaz");
  return b;
}

CsereEredmeny fizetokIrasa(const QString& folder, const CsvBeolvasas& adatok, bool felulir, int32_t* elso,
                           const CsereHorog& horog, const QString& forras) {
  const int L = NevekRekord::Length, K = Kozl3sorRekord::Length;
  // An unfinished earlier change is completed first: the new pair is built from the current one.
  if (const CsereHelyreallitas h = fizetoParHelyreallitas(folder); h.fuggoben)
    return {CsereAllapot::Valtozatlan, h.uzenet};
  QByteArray nevek, kozl;
  if (!felulir) {
    RecordFile nf(folder, kNevekFile, L);
    if (!nf.isOpen()) return {CsereAllapot::Valtozatlan, nf.errorText()};
    const int32_t count = nf.count();
    nevek = nf.readRange(1, count);
    RecordFile kf(folder, kKozl3sorFile, K);
    if (!kf.isOpen()) return {CsereAllapot::Valtozatlan, kf.errorText()};
    const int32_t kc = std::min(kf.count(), count);
    kozl = kf.readRange(1, kc);
    const QByteArray ures = encodeRecord(Kozl3sorRekord{});
    for (int32_t i = kc; i < count; ++i) kozl += ures;
  }
  if (elso) *elso = int32_t(nevek.size() / L) + 1;
  nevek += adatok.nevek;
  kozl += adatok.kozl;
  return fizetoParIras(folder, nevek, kozl, horog, forras);
}

ImportEredmeny csvImport(const QString& folder, const QString& csvPath, bool felulir, CsvValtozat valtozat,
                         const ImportOpciok& opciok) {
  ImportEredmeny e;
  const QString nev = opciok.nev.isEmpty() ? QFileInfo(csvPath).fileName() : opciok.nev;
  if (sajatAdatfajl(folder, csvPath)) {
    e.hiba = QStringLiteral("A(z) %1 a program saját adatfájlja, nem importálható.").arg(nev);
    return e;
  }
  QByteArray bytes;
  QString miert;
  if (csvFajlOlvasas(csvPath, bytes, miert)) {
    e.adatok = csvFeldolgoz(bytes, valtozat);
    miert = e.adatok.hiba;
    e.ures = e.adatok.fizetok == 0;
  }
  if (!miert.isEmpty()) {
    e.fajlHiba = true;
    e.hiba = QStringLiteral("A(z) %1 fájlból nem olvasható be adat: %2.\r\nAz adatbázis nem változott.").arg(nev, miert);
    return e;
  }
  bytes.clear();
  const CsereEredmeny c =
      fizetokIrasa(folder, e.adatok, felulir, &e.elso, opciok.horog, opciok.forrasTorles ? csvPath : QString());
  if (c.allapot == CsereAllapot::KovetkezoInditaskor)
    e.kesobb = c.uzenet;
  else if (!c.megtortent())
    e.hiba = QStringLiteral("Az importálás nem sikerült, az adatbázis nem változott.\r\n") + c.uzenet;
  return e;
}

QString importUzenet(const ImportEredmeny& e) {
  QStringList s;
  s << QStringLiteral("Az adatbázis importálása befejeződött.") << QString()
    << QStringLiteral("Beolvasott ügyfelek száma: %1").arg(e.adatok.fizetok);
  if (e.adatok.rosszOsszeg > 0)
    s << QStringLiteral("Nem egész vagy negatív összeg (0-ként tárolva): %1").arg(e.adatok.rosszOsszeg);
  if (e.adatok.kodlapon > 0)
    s << QStringLiteral("Kódlapon kívüli karaktert tartalmazó mező ('?'-ként tárolva): %1").arg(e.adatok.kodlapon);
  if (e.adatok.uresSorok > 0) s << QStringLiteral("Kihagyott üres sor: %1").arg(e.adatok.uresSorok);
  s << QString() << QStringLiteral("Ha a listamezőben az adatbázis nem megfelelő,")
    << QStringLiteral("törölje az adatbázist és ellenőrízze a ''csv'' fájlt,")
    << QStringLiteral("majd indítsa el újra az importálást.");
  return s.join(QStringLiteral("\r\n"));
}
