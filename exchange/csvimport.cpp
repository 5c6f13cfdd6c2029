#include "exchange/csvimport.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringView>

#include <algorithm>
#include <cstring>
#include <optional>
#include <type_traits>
#include <utility>

#include "common/cp1250.h"
#include "common/fields.h"
#include "common/recordfile.h"
#include "exchange/csvsor.h"
#include "exchange/fajlok.h"
#include "payerstore/fizetocsere.h"
#include "payerstore/nevekrekord.h"
#include "payerstore/ujpar.h"

namespace {

// Whether code page 1250 holds every character of `s`.
bool kodlapon(const QString& s) {
  for (QChar c : s)
    if (cp1250::byteOf(c.unicode()) < 0) return false;
  return true;
}

// Appends room for one record to `buf`, which grows with the records read, never ahead of them.
char* bovit(QByteArray& buf, int hossz) {
  const qsizetype at = buf.size();
  buf.resize(at + hossz);
  return buf.data() + at;
}

template <class R>
void kodol(char* hova, R& r) {
  FieldWriter w(hova);
  r.fields(w);
}

// Where the line that starts at `i` ends: at CR or LF, or at the end of the text. On bytes the
// next LF is remembered, so a file of lone CR line ends is not searched to its end for each line.
qsizetype sorVege(QStringView t, qsizetype i, qsizetype&) {
  while (i < t.size() && t[i] != u'\n' && t[i] != u'\r') ++i;
  return i;
}
qsizetype sorVege(QByteArrayView t, qsizetype i, qsizetype& lf) {
  if (lf < i) {
    const char* p = static_cast<const char*>(std::memchr(t.data() + i, '\n', size_t(t.size() - i)));
    lf = p ? p - t.data() : t.size();
  }
  const char* cr = static_cast<const char*>(std::memchr(t.data() + i, '\r', size_t(lf - i)));
  return cr ? cr - t.data() : lf;
}

// Hands each line of `t` to `sor`, without its end (CR LF, LF or a lone CR; the last line end
// makes no line), until `sor` returns false.
template <class View, class F>
void sorok(View t, F&& sor) {
  qsizetype lf = -1;
  for (qsizetype i = 0; i < t.size();) {
    const qsizetype e = sorVege(t, i, lf);
    const View s = t.sliced(i, e - i);
    i = e < t.size() && t[e] == '\r' && e + 1 < t.size() && t[e + 1] == '\n' ? e + 2 : e + 1;
    if (!sor(s)) return;
  }
}

// The parse of one file's lines into `b`'s counts, the two records of each line put where `hely`
// says (a pair of pointers to a payer record's and a notice record's room).
template <class Hely>
struct SorFeldolgozo {
  SorFeldolgozo(CsvBeolvasas& b, Hely& hely, CsvValtozat valtozat, int32_t maxSorok)
      : b(b), hely(hely), valtozat(valtozat), maxSorok(maxSorok) {}

  CsvBeolvasas& b;
  Hely& hely;
  const CsvValtozat valtozat;
  const int32_t maxSorok;
  const int oszlopok = valtozat == CsvValtozat::Kezi ? kCsvOszlopok : kAutoOszlopok;
  NevekRekord n;
  Kozl3sorRekord k;
  CsvBajtSor bs;
  int32_t sorszam = 0;  // the line's number in the file, empty lines counted
  bool elsoSorUres = false, tulSok = false;

  void idezett() {
    if (b.idezettSorszamok.size() < kIdezettSorszamok) b.idezettSorszamok << sorszam;
    ++b.idezettSorok;
  }

  // A line as text: split, its characters outside the code page counted, encoded field by field.
  void szovegSor(QStringView sor) {
    bool idezettHatar = false;
    const QStringList c = csvOszlopok(sor, oszlopok, &idezettHatar);
    if (idezettHatar) idezett();
    for (const QString& o : c)
      if (!kodlapon(o)) {
        ++b.kodlapon;
      }
    bool rossz = false;
    csvRekordok(c, oszlopok, n, k, &rossz);
    if (rossz) ++b.rosszOsszeg;
    if (n.Osszegek[0] == 0) ++b.osszegNelkul;
    const auto [nh, kh] = hely();
    kodol(nh, n);
    kodol(kh, k);
  }

  // A line on its bytes when the code page holds all its characters, else as composed text.
  void bajtSor(QByteArrayView sor) {
    if (!csvBajtOszlopok(sor, b.utf8, oszlopok, bs)) {
      // A byte-order mark inside the file is a character of its line, not dropped.
      QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
      szovegSor(QString(dec.decode(sor)).normalized(QString::NormalizationForm_C));
      return;
    }
    if (bs.idezettHatar) idezett();
    bool rossz = false;
    const auto [nh, kh] = hely();
    const int32_t osszeg = csvBajtRekordok(bs, oszlopok, nh, kh, &rossz);
    if (rossz) ++b.rosszOsszeg;
    if (osszeg == 0) ++b.osszegNelkul;
  }

  // One line, counted first: an empty one is skipped or ends the file; past `maxSorok` payers
  // the parse stops before a record is placed. Whether the next line is to be read.
  template <class View>
  bool sor(View s) {
    ++sorszam;
    if (s.isEmpty()) {
      if (valtozat == CsvValtozat::Automatikus) {
        elsoSorUres = b.fizetok == 0;
        return false;
      }
      ++b.uresSorok;
      return true;
    }
    if (b.fizetok == maxSorok) {
      tulSok = true;
      return false;
    }
    if constexpr (std::is_same_v<View, QStringView>)
      szovegSor(s);
    else
      bajtSor(s);
    ++b.fizetok;
    return true;
  }

  // After the last line: a file of too many payers gives no counts, only its fault; one that
  // gave no payer says why.
  void vege(const CsvForras& forras) {
    if (tulSok) {
      b = CsvBeolvasas{};
      b.hiba = QStringLiteral("több mint %1 sort tartalmaz").arg(maxSorok);
      return;
    }
    if (b.fizetok == 0)
      b.hiba = forras.ures()  ? QStringLiteral("a fájl üres")
               : elsoSorUres ? QStringLiteral("az első sora üres")
                             : QStringLiteral("csak üres sorokat tartalmaz");
  }
};

// Parses the lines of `forras` into `b`'s counts, putting the two records of each line where
// `hely` says. A file of more than `maxSorok` payers gives no counts, only its `hiba`.
template <class Hely>
void feldolgozas(const CsvForras& forras, CsvValtozat valtozat, int32_t maxSorok, CsvBeolvasas& b, Hely&& hely) {
  SorFeldolgozo<std::remove_reference_t<Hely>> f(b, hely, valtozat, maxSorok);
  // Line by line, each line's records placed before the next is read: a UTF-16 file as text,
  // others on their bytes.
  const auto sor = [&f](auto s) { return f.sor(s); };
  if (forras.kodolas == CsvKodolas::Utf16)
    sorok(QStringView(forras.szoveg), sor);
  else
    sorok(forras.nezet(), sor);
  // The verdict only once the lines are through, since it depends on all of them.
  f.vege(forras);
}

// The stored pair that an append continues: its payers, and the notices that go with them,
// read by the pair's one reader.
struct RegiPar {
  std::optional<FizetoPar> par;
  int32_t fizetok = 0, kozlemenyek = 0;
};

// What every change of the pair by an import does first: an unfinished earlier change is
// completed, so the new pair is built from the current one; an append takes the stored pair's
// size. Why the change cannot be made, if it cannot.
std::optional<QString> elokeszites(const QString& folder, bool felulir, RegiPar& r) {
  if (const CsereHelyreallitas h = fizetoParHelyreallitas(folder); h.fuggoben) return h.uzenet;
  if (felulir) return std::nullopt;
  // A missing file holds no records: it is not created by an import that may yet give nothing.
  bool van[2] = {};
  for (int i = 0; i < 2; ++i) {
    const QString& nev = i == 0 ? kNevekFile : kKozl3sorFile;
    const Valasz<bool> megvan = vanNeven(dataPath(folder, nev));
    if (!megvan) return megvan.hiba().nemOlvashato(nev);
    if (!*megvan) continue;
    RecordFile f(folder, nev, i == 0 ? NevekRekord::Length : Kozl3sorRekord::Length);
    if (!f.isOpen()) return f.errorText();
    van[i] = true;
  }
  const bool vanNevek = van[0], vanKozl = van[1];
  r.par.emplace(folder);
  const Valasz<int32_t> db = vanNevek ? r.par->count() : Valasz<int32_t>(int32_t(0));
  const Valasz<int32_t> kdb = vanKozl ? r.par->kozlCount() : Valasz<int32_t>(int32_t(0));
  // A length that cannot be asked is a read that failed: the import writes nothing.
  if (!db || !kdb) return r.par->hiba();
  r.fizetok = *db;
  r.kozlemenyek = std::min(*kdb, r.fizetok);
  return std::nullopt;
}

// The new pair of an append starts with the stored one. A notice file shorter than the payer
// file is padded with blank notices, so every payer keeps its own; notices beyond the last
// payer are dropped.
void regiParMasolasa(UjPar& uj, RegiPar& r) {
  if (!r.par) return;  // a replace
  uj.masol(UjPar::Nevek, *r.par, FizetoPar::Nevek, 1, r.fizetok);
  uj.masol(UjPar::Kozl, *r.par, FizetoPar::Kozl, 1, r.kozlemenyek);
  const QByteArray ures = encodeRecord(Kozl3sorRekord{});
  for (int32_t i = r.kozlemenyek; i < r.fizetok && uj.ok(); ++i) uj.ir(UjPar::Kozl, ures);
}

// Parses the import file and writes its payers into the new pair as they are parsed, after the
// stored ones or in their place, and swaps the pair in. The file's own faults come first in
// `b.hiba` (the file is then parsed to its end even when the pair cannot be changed); nothing
// is changed then.
CsereEredmeny importalas(const QString& folder, const QByteArray& fajl, CsvValtozat valtozat, bool felulir,
                         CsvBeolvasas& b, int32_t& elso, const CsereHorog& horog, const QString& forrasFajl) {
  const CsvForras forras = csvForras(fajl);
  b.utf8 = forras.kodolas == CsvKodolas::Utf8;
  b.hiba = forras.hiba;
  if (!b.hiba.isEmpty()) return {};
  RegiPar regi;
  if (const std::optional<QString> miert = elokeszites(folder, felulir, regi)) {
    char n[NevekRekord::Length], k[Kozl3sorRekord::Length];
    feldolgozas(forras, valtozat, kMaxImportSorok, b, [&] { return std::pair{n, k}; });
    return {CsereAllapot::Valtozatlan, *miert};
  }
  UjPar uj(folder, horog);
  regiParMasolasa(uj, regi);
  feldolgozas(forras, valtozat, kMaxImportSorok, b, [&] {
    return std::pair{uj.hely(UjPar::Nevek, NevekRekord::Length), uj.hely(UjPar::Kozl, Kozl3sorRekord::Length)};
  });
  if (!b.hiba.isEmpty()) return {};  // the new files go with `uj`
  elso = regi.fizetok + 1;
  return uj.csere(horog, forrasFajl);
}

}  // namespace

CsvBeolvasas csvFeldolgoz(const QByteArray& fajl, CsvValtozat valtozat, int32_t maxSorok) {
  CsvBeolvasas b;
  const CsvForras forras = csvForras(fajl);
  b.utf8 = forras.kodolas == CsvKodolas::Utf8;
  b.hiba = forras.hiba;
  if (!b.hiba.isEmpty()) return b;
  feldolgozas(forras, valtozat, maxSorok, b, [&b] {
    char* n = bovit(b.nevek, NevekRekord::Length);
    return std::pair{n, bovit(b.kozl, Kozl3sorRekord::Length)};
  });
  return b;
}

CsereEredmeny fizetokIrasa(const QString& folder, const CsvBeolvasas& adatok, bool felulir, int32_t* elso,
                           const CsereHorog& horog, const QString& forras) {
  RegiPar regi;
  if (const std::optional<QString> miert = elokeszites(folder, felulir, regi))
    return {CsereAllapot::Valtozatlan, *miert};
  if (elso) *elso = regi.fizetok + 1;
  UjPar uj(folder, horog);
  regiParMasolasa(uj, regi);
  uj.ir(UjPar::Nevek, adatok.nevek);
  uj.ir(UjPar::Kozl, adatok.kozl);
  return uj.csere(horog, forras);
}

ImportEredmeny csvImport(const QString& folder, const QString& csvPath, bool felulir, CsvValtozat valtozat,
                         const ImportOpciok& opciok) {
  ImportEredmeny e;
  const QString nev = opciok.nev.isEmpty() ? QFileInfo(csvPath).fileName() : opciok.nev;
  const Valasz<bool> sajat = sajatAdatfajl(folder, csvPath);
  if (!sajat || *sajat) {
    e.hiba = sajat ? QStringLiteral("A(z) %1 a program saját adatfájlja, nem importálható.").arg(nev)
                   : QStringLiteral("Az importálás nem sikerült, az adatbázis nem változott.\r\n") +
                         sajat.hiba().nemOlvashato(nev);
    return e;
  }
  QByteArray bytes;
  QString miert;
  CsereEredmeny c;
  if (csvFajlOlvasas(csvPath, bytes, miert)) {
    c = importalas(folder, bytes, valtozat, felulir, e.adatok, e.elso, opciok.horog,
                   opciok.forrasTorles ? csvPath : QString());
    miert = e.adatok.hiba;
    e.ures = e.adatok.fizetok == 0;
  }
  if (!miert.isEmpty()) {
    e.fajlHiba = true;
    e.hiba = QStringLiteral("A(z) %1 fájlból nem olvasható be adat: %2.\r\nAz adatbázis nem változott.").arg(nev, miert);
    return e;
  }
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
  if (const QString m = idezettMegjegyzes(e.adatok); !m.isEmpty()) s << QString() << m;
  s << QString() << QStringLiteral("Ha a listamezőben az adatbázis nem megfelelő,")
    << QStringLiteral("törölje az adatbázist és ellenőrízze a ''csv'' fájlt,")
    << QStringLiteral("majd indítsa el újra az importálást.");
  return s.join(QStringLiteral("\r\n"));
}

QString idezettMegjegyzes(const CsvBeolvasas& b) {
  if (b.idezettSorok == 0) return {};
  QStringList sorok;
  for (const int32_t n : b.idezettSorszamok) sorok << QStringLiteral("%1.").arg(n);
  const QString melyek = b.idezettSorok > b.idezettSorszamok.size()
                             ? QStringLiteral("az első %1: ").arg(b.idezettSorszamok.size())
                             : QString();
  return QStringLiteral("Idézőjelek között pontosvesszőt tartalmazó sor: %1 (%2%3 sor)")
             .arg(b.idezettSorok)
             .arg(melyek, sorok.join(QStringLiteral(", "))) +
         QStringLiteral("\r\nA pontosvessző idézőjelek között is új oszlopot kezd, ezért ezekben a sorokban az "
                        "oszlopok elcsúsztak.");
}
