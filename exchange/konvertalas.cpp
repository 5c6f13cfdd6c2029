#include "exchange/konvertalas.h"

#include <QDir>
#include <QStringList>
#include <QtEndian>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "common/fajlmuvelet.h"
#include "common/recordfile.h"
#include "exchange/fajlok.h"

NevekRekord konvertal(const RegiNevekRekord& r) {
  NevekRekord n;
  n.Nev = r.Nev;
  n.Nev2 = r.Nev2;
  n.Helyseg = r.Helyseg;
  n.Cim = r.Cim;
  n.Irsz = QString::number(r.Irsz);
  for (size_t i = 0; i < n.Osszegek.size(); ++i) n.Osszegek[i] = r.Osszegek[i];
  n.BefizAzonosito = r.BefizAzonosito;
  return n;
}

namespace {

// A regular file under this very name; a symbolic link is none, whatever it points to. A failed
// question is its error.
Valasz<bool> regularis(const QString& path) {
  const Valasz<FajlAdat> a = fajlAdat(path, false);
  if (!a) return a.hiba();
  return a->regularis();
}

// Whether `a` and `b` are one file (a hard link) or two of the same bytes; `hibas` tells whose
// question or read failed (0: `a`, 1: `b`).
Valasz<bool> ugyanazAdat(const QString& a, const QString& b, int& hibas) {
  const Valasz<FajlAdat> fa = fajlAdat(a), fb = fajlAdat(b);
  hibas = fa ? 1 : 0;
  if (!fa) return fa.hiba();
  if (!fb) return fb.hiba();
  if (fa->azonos(*fb)) return true;
  if (fa->meret != fb->meret) return false;
  return azonosTartalom(a, b, fa->meret, &hibas);
}

// The whole content of the regular file `path` (named `nev`), or why it could not be read.
std::optional<QByteArray> egeszOlvasas(const QString& path, const QString& nev, FajlEredmeny& e) {
  const int fd = regularisNyitas(path, O_RDONLY, &e);
  if (fd < 0) return std::nullopt;
  std::optional<QByteArray> out;
  const Valasz<FajlAdat> a = fajlAdat(fd, nev, path);
  if (!a) {
    e = a.hiba();
  } else {
    QByteArray b(qsizetype(a->meret), Qt::Uninitialized);
    qint64 n = 0;
    e = mindOlvasas(fd, b.data(), b.size(), 0, n, nev);
    if (e) {
      b.truncate(qsizetype(n));
      out = std::move(b);
    }
  }
  ::close(fd);
  return out;
}

// Keeps the old file under the backup name without ever replacing an existing backup: a hard
// link where the file system has them, else a copy into a file that must not exist yet.
bool mentes(const QString& regi, const QString& cel, const QByteArray& tartalom, bool* letezik) {
  const FajlEredmeny link = linkeles(regi, cel);
  if (link) return true;
  if (link.errnum == EEXIST) {
    *letezik = true;
    return false;
  }
  const FajlEredmeny hiba = fajlIras(cel, tartalom, O_EXCL);
  *letezik = hiba.errnum == EEXIST;
  if (!hiba && !*letezik) torles(cel);
  return hiba.ok();
}

// A byte of a text field: a blank-padded code page 1250 text, or the zeros of a record never
// written whole.
bool szovegBajt(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b == 0 || (b >= 0x20 && b != 0x7F);
}

// Whether every byte in [from, from + n) of `r` is text.
bool szoveg(const char* r, int from, int n) {
  for (int i = from; i < from + n; ++i)
    if (!szovegBajt(r[i])) return false;
  return true;
}

// Why `b` does not read as a file of old records (empty: it does): its texts must be texts, its
// postcodes 0..9999 and its amounts below 100,000,000 either way (binary fields where the
// current layout has text, whose bytes read as larger amounts). Nev .. Cim at 0..124, Irsz at
// 125, Osszegek at 127..206, BefizAzonosito at 207..236.
QString regiTartalom(const QByteArray& b) {
  const int L = RegiNevekRekord::Length;
  for (qsizetype at = 0; at + L <= b.size(); at += L) {
    const char* r = b.constData() + at;
    const qsizetype rekord = at / L + 1;
    if (!szoveg(r, 0, 125) || !szoveg(r, 207, 30))
      return QStringLiteral("a(z) %1. régi rekord egyik szövegmezőjében vezérlőkarakter áll").arg(rekord);
    const auto irsz = qFromLittleEndian<int16_t>(r + 125);
    if (irsz < 0 || irsz > 9999)
      return QStringLiteral("a(z) %1. régi rekord irányítószáma %2 (0 és 9999 között lehetne)")
          .arg(rekord)
          .arg(irsz);
    for (int o = 127; o < 207; o += 4) {
      const auto osszeg = qFromLittleEndian<int32_t>(r + o);
      if (osszeg <= -100000000 || osszeg >= 100000000)
        return QStringLiteral("a(z) %1. régi rekord %2. összege %3 (-99 999 999 és 99 999 999 között lehetne)")
            .arg(rekord)
            .arg((o - 127) / 4 + 1)
            .arg(osszeg);
    }
  }
  return {};
}

// Whether `b` reads as a file of current records: its texts (the postcode among them) are
// texts and its foreign-address flag is false (0) or true (-1). Nev .. Irsz at 0..162,
// Osszegek at 163..210, BefizAzonosito and FizHatIdo at 211..268, KulfCim at 269.
bool ujTartalom(const QByteArray& b) {
  const int L = NevekRekord::Length;
  for (qsizetype at = 0; at + L <= b.size(); at += L) {
    const char* r = b.constData() + at;
    const auto kulf = qFromLittleEndian<int16_t>(r + 269);
    if (!szoveg(r, 0, 163) || !szoveg(r, 211, 58) || (kulf != 0 && kulf != -1)) return false;
  }
  return true;
}

// Why `b` is not taken as an old payer file (empty: it is). The length decides where it can:
// whole old records and no whole number of current ones is an old file, whatever its fields
// hold. Only a length that both layouts divide (237 x 271 = 64,227 bytes and its multiples)
// needs the fields: the file is old when they read as old fields and not also as current ones.
QString nemRegi(const QByteArray& b) {
  const qsizetype n = b.size();
  const bool regiHossz = n % RegiNevekRekord::Length == 0, ujHossz = n % NevekRekord::Length == 0;
  if (regiHossz && !ujHossz) return {};
  if (!regiHossz && ujHossz)
    return QStringLiteral("A(z) %1 %2 darab 271 bájtos rekordból áll: ez már a mostani változat adatfájlja, "
                          "nem kell konvertálni.")
        .arg(kNevekFile)
        .arg(n / NevekRekord::Length);
  if (!regiHossz)
    return QStringLiteral("A(z) %1 hossza %2 bájt: ez sem a korábbi változat 237 bájtos, sem a mostani változat "
                          "271 bájtos rekordjainak egész számú többszöröse, ezért a fájl nem konvertálható.")
        .arg(kNevekFile)
        .arg(n);
  const QString hossz = QStringLiteral("A(z) %1 hossza (%2 bájt) a korábbi változat 237 bájtos és a mostani "
                                       "változat 271 bájtos rekordjainak is többszöröse, ezért a mezők tartalma dönt:")
                            .arg(kNevekFile)
                            .arg(n);
  if (ujTartalom(b))
    return hossz + QStringLiteral("\r\na mostani változat rekordjaiként olvasható, tehát már a mostani változat "
                                  "adatfájlja, nem kell konvertálni.");
  if (const QString miert = regiTartalom(b); !miert.isEmpty())
    return hossz + QStringLiteral("\r\na mostani változat rekordjaiként nem olvasható, a korábbi változatéként sem, "
                                  "mert %1.\r\nEzért a fájl nem konvertálható.")
                       .arg(miert);
  return {};
}

// The names a conversion works with: the payer file, its backup, the new file beside them.
struct KonvFajlok {
  QString mappa, regi, mentes, temp;
};

// The old payer file whole, or nothing when there is nothing to convert (NincsMit) or it cannot
// be read (`e` says why). A question about the file is a read: its failure is said as one, never
// taken for no file.
std::optional<QByteArray> regiBeolvasasa(const QString& regiPath, KonvEredmeny& e) {
  const Valasz<FajlAdat> regiAdat = fajlAdat(regiPath);
  if (!regiAdat) {
    e.hiba = regiAdat.hiba().nemOlvashato(kNevekFile);
    return std::nullopt;
  }
  if (!regiAdat->van || (regiAdat->regularis() && regiAdat->meret == 0)) {
    e.allapot = KonvAllapot::NincsMit;
    return std::nullopt;
  }
  FajlEredmeny olvasas;
  std::optional<QByteArray> beolvasott = egeszOlvasas(regiPath, kNevekFile, olvasas);
  if (!beolvasott) {
    e.hiba = olvasas.nemOlvashato(kNevekFile);
    return std::nullopt;
  }
  if (beolvasott->isEmpty()) {
    e.allapot = KonvAllapot::NincsMit;
    return std::nullopt;
  }
  return beolvasott;
}

// Whether `tartalom` is taken as an old payer file; else `e` says what was found (NemRegi).
bool regiFajl(const QByteArray& tartalom, KonvEredmeny& e) {
  e.hiba = nemRegi(tartalom);
  if (e.hiba.isEmpty()) return true;
  e.allapot = KonvAllapot::NemRegi;
  return false;
}

// The current records of the old ones, in their order.
QByteArray konvertaltRekordok(const QByteArray& tartalom, int32_t count) {
  const qsizetype L = RegiNevekRekord::Length;
  QByteArray uj;
  uj.reserve(qsizetype(count) * NevekRekord::Length);
  for (int32_t r = 0; r < count; ++r) {
    RegiNevekRekord o;
    decodeRecord(tartalom.mid(qsizetype(r) * L, L), o);
    uj += encodeRecord(konvertal(o));
  }
  return uj;
}

// Whether the backup name is free; else `e` says why the conversion stops (VanMentes, or the
// question that failed).
bool mentesSzabad(const QString& mentesPath, KonvEredmeny& e) {
  const Valasz<bool> vanMentes = vanNeven(mentesPath);
  if (!vanMentes) {
    e.hiba = vanMentes.hiba().nemOlvashato(kRegiMentesFile);
    return false;
  }
  if (*vanMentes) {
    e.allapot = KonvAllapot::VanMentes;
    return false;
  }
  return true;
}

// Writes the converted records into the new file; a failed write leaves no new file.
bool ujFajlIrasa(const KonvFajlok& f, const QByteArray& uj, KonvEredmeny& e) {
  if (const FajlEredmeny w = fajlIras(f.temp, uj, O_TRUNC); !w) {
    torles(f.temp);
    e.hiba = QStringLiteral("Az ideiglenes %1 fájl nem írható: %2.").arg(kKonvTempFile, w.miert());
    return false;
  }
  return true;
}

// Keeps the old file under the backup name; where it cannot, the new file goes.
bool regiMentese(const KonvFajlok& f, const QByteArray& tartalom, KonvEredmeny& e) {
  bool letezik = false;
  if (mentes(f.regi, f.mentes, tartalom, &letezik)) return true;
  torles(f.temp);
  if (letezik) {
    e.allapot = KonvAllapot::VanMentes;
    return false;
  }
  e.hiba = QStringLiteral("A régi adatbázis nem menthető %1 néven.").arg(kRegiMentesFile);
  return false;
}

// A conversion given up before its rename reached the disk: the new file and the backup go.
bool elvetes(const KonvFajlok& f, const QString& miert, KonvEredmeny& e) {
  torles(f.temp);
  torles(f.mentes);
  mappaSzinkron(f.mappa);
  e.hiba = miert;
  return false;
}

// Flushes the folder that holds the new file and the backup.
bool ujEsMentesLemezen(const KonvFajlok& f, KonvEredmeny& e) {
  if (const FajlEredmeny m = mappaSzinkron(f.mappa); !m)
    return elvetes(f, QStringLiteral("A program mappája nem írható ki a lemezre: %1.").arg(m.miert()), e);
  return true;
}

// Renames the new file onto the payer file; until it succeeds the old one is still there.
bool ujFajlHelyere(const KonvFajlok& f, KonvEredmeny& e) {
  if (const FajlEredmeny r = atnevezes(f.temp, f.regi); !r)
    return elvetes(f, QStringLiteral("A(z) %1 fájl nem cserélhető le: %2.").arg(kNevekFile, r.miert()), e);
  return true;
}

// Flushes the folder that holds the rename. Where that fails, the old file is put back (the
// backup is a name of it) and the conversion fails; if it cannot be put back, the conversion
// stands with a warning that a power loss may undo it.
bool atnevezesLemezen(const KonvFajlok& f, KonvEredmeny& e) {
  const FajlEredmeny m = mappaSzinkron(f.mappa);
  if (m) return true;
  e.hiba = QStringLiteral("A program mappája nem írható ki a lemezre: %1.").arg(m.miert());
  if (atnevezes(f.mentes, f.regi)) {
    mappaSzinkron(f.mappa);
    return false;
  }
  e.hiba = QStringLiteral("A(z) %1 fájl konvertálása megtörtént, de a lemez hibát jelzett a mappa kiírásakor (%2): "
                          "egy áramszünet után a program következő indításakor a régi adatbázis állhat vissza.")
               .arg(kNevekFile, m.miert());
  return true;
}

}  // namespace

KonvEredmeny Konvertalas(const QString& folder) {
  KonvEredmeny e;
  const QString regiPath = dataPath(folder, kNevekFile);
  // The old file is read whole, known to be an old file and converted before any file is made.
  const std::optional<QByteArray> beolvasott = regiBeolvasasa(regiPath, e);
  if (!beolvasott || !regiFajl(*beolvasott, e)) return e;
  const QByteArray& tartalom = *beolvasott;
  const int32_t count = int32_t(tartalom.size() / RegiNevekRekord::Length);
  const QByteArray uj = konvertaltRekordok(tartalom, count);
  const KonvFajlok f{folder, regiPath, dataPath(folder, kRegiMentesFile), QDir(folder).filePath(kKonvTempFile)};
  // An existing backup refuses the conversion: a backup is never replaced.
  if (!mentesSzabad(f.mentes, e)) return e;
  // The new file first: until the backup exists, a failure only removes it again.
  if (!ujFajlIrasa(f, uj, e)) return e;
  // Then the backup: the old file under a name that the rename leaves alone.
  if (!regiMentese(f, tartalom, e)) return e;
  // Both on the disk before the rename: a power loss never leaves a converted file without its backup.
  if (!ujEsMentesLemezen(f, e)) return e;
  // One rename puts the converted file in place.
  if (!ujFajlHelyere(f, e)) return e;
  // Done only once the rename is on the disk: no conversion said to fail comes back after a power
  // loss, nor one said to be done goes.
  if (!atnevezesLemezen(f, e)) return e;
  e.allapot = KonvAllapot::Kesz;
  e.rekordok = count;
  return e;
}

QString konvertalasHelyreallitas(const QString& folder) {
  const QDir dir(folder);
  const QString regi = dataPath(folder, kNevekFile), mentesPath = dataPath(folder, kRegiMentesFile);
  const QString temp = dir.filePath(kKonvTempFile);
  QStringList uzenet;
  bool valtozott = false;
  // A question or a read that fails leaves the files as they are, and is said.
  const auto nemDontheto = [&](const QString& fajl, const FajlEredmeny& h) {
    uzenet << h.nemOlvashato(fajl) +
                  QStringLiteral(" Egy félbeszakadt konvertálás maradványai ezért nem ellenőrizhetők, a fájlok változatlanok.");
  };
  // A backup that is the payer file itself (a link, or a copy of the same bytes): the conversion
  // stopped before its rename, or the rename was lost. The backup goes, so the next conversion
  // is not refused; the payer file is the old one, whole. Never where either name is a symbolic
  // link: the backup may then hold the only copy of the data.
  const Valasz<bool> rm = regularis(mentesPath), rr = regularis(regi);
  if (!rm || !rr) {
    nemDontheto(!rm ? kRegiMentesFile : kNevekFile, !rm ? rm.hiba() : rr.hiba());
  } else if (*rm && *rr) {
    int hibas = 0;
    const Valasz<bool> azonos = ugyanazAdat(regi, mentesPath, hibas);
    if (!azonos) nemDontheto(hibas == 0 ? kNevekFile : kRegiMentesFile, azonos.hiba());
    if (azonos && *azonos) {
      if (const FajlEredmeny t = torles(mentesPath); !t)
        uzenet << QStringLiteral("Egy félbeszakadt konvertálás mentése (%1) nem törölhető: %2.").arg(kRegiMentesFile, t.miert());
      else
        uzenet << QStringLiteral("Egy félbeszakadt konvertálás visszavonásra került: a(z) %1 a régi adatokat tartalmazza, "
                                 "a konvertálás újra indítható.")
                      .arg(kNevekFile);
      valtozott = true;
    }
  }
  // The new file of a conversion that ended before its rename.
  const Valasz<bool> vanTemp = vanNeven(temp);
  if (!vanTemp) {
    nemDontheto(kKonvTempFile, vanTemp.hiba());
  } else if (*vanTemp) {
    torles(temp);
    valtozott = true;
  }
  if (valtozott) mappaSzinkron(folder);
  return uzenet.join(QStringLiteral("\r\n"));
}
