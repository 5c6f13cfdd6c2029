#include "exchange/adatmenu.h"

#include <QDir>
#include <QFileInfo>

#include "common/fajlmuvelet.h"
#include "common/fields.h"
#include "common/filedialogs.h"
#include "common/messages.h"
#include "common/setrekord.h"
#include "exchange/csvexport.h"
#include "exchange/csvimport.h"
#include "exchange/konvertalas.h"
#include "exchange/torles.h"
#include "payerwindows/fizetoirhato.h"

namespace {

const QString kCsvSzuro = QStringLiteral("CSV fájlok (*.csv *.CSV);;Minden fájl (*)");
const QString kCrLf = QStringLiteral("\r\n");

void homokora(const AdatcsereAblak& a, bool be) {
  if (a.homokora) a.homokora(be);
}
void frissit(const AdatcsereAblak& a) {
  if (a.frissites) a.frissites();
}
void idozito(const AdatcsereAblak& a, bool be) {
  if (a.idozito) a.idozito(be);
}
// `uzenet` followed by the note on lines whose columns moved at a quoted ';', if any.
QString megjegyzessel(const QString& uzenet, const CsvBeolvasas& b) {
  const QString m = idezettMegjegyzes(b);
  return m.isEmpty() ? uzenet : uzenet + kCrLf + kCrLf + m;
}

}  // namespace

void mnuAdatCsvbol(Platform& p, SetRekord& set, const AdatcsereAblak& a) {
  if (!p.fileDialogs || !fizetoIrhato(p, a.NevekHiba, a.ListaHiba)) return;
  const QString path = p.fileDialogs->openFile(kImportCim, QDir::homePath(), kCsvSzuro);
  if (path.isEmpty()) return;
  // Whether the import appends or replaces is a setting: unread, nothing is imported.
  if (QString hiba; !loadSet(p.folder, set, &hiba)) {
    p.messages->info(hiba + kCrLf + QStringLiteral("Az importálás elmaradt."), kImportCim, MsgIcon::Critical);
    return;
  }
  const bool felulir = isTrue(set.AutBeolvasFelulir);
  // Replacing follows a switch of the automatic-import settings: the user is asked first.
  if (felulir &&
      !p.messages->ask(QStringLiteral("A beállítás szerint az importálás a meglévő adatbázist lecseréli:") + kCrLf +
                           QStringLiteral("a mostani ügyfelek törlődnek.") + kCrLf + kCrLf +
                           QStringLiteral("Mehet az importálás?"),
                       kImportCim))
    return;
  homokora(a, true);
  const ImportEredmeny r = csvImport(p.folder, path, felulir, CsvValtozat::Kezi);
  homokora(a, false);
  if (!r.ok()) {
    p.messages->info(r.hiba, kImportCim, r.ures ? MsgIcon::Exclamation : MsgIcon::Critical);
    return;
  }
  frissit(a);
  if (!r.kesobb.isEmpty())
    p.messages->info(megjegyzessel(r.kesobb, r.adatok), kImportCim, MsgIcon::Exclamation);
  else
    p.messages->info(importUzenet(r), kImportCim, MsgIcon::Information);
}

void mnuMentCSVbe(Platform& p, const AdatcsereAblak& a) {
  if (!p.fileDialogs) return;
  QString path = p.fileDialogs->saveFile(kExportCim, QDir::homePath(), kCsvSzuro);
  if (path.isEmpty()) return;
  // A name typed without an extension gets ".csv"; the dialog did not ask about that name.
  if (QFileInfo(path).suffix().isEmpty()) {
    path += path.endsWith(QLatin1Char('.')) ? QStringLiteral("csv") : QStringLiteral(".csv");
    const Valasz<bool> van = vanNeven(path);
    if (!van) {
      p.messages->info(QStringLiteral("Az exportálás nem sikerült, semmi sem változott.") + kCrLf +
                           van.hiba().nemOlvashato(QFileInfo(path).fileName()),
                       kExportCim, MsgIcon::Critical);
      return;
    }
    if (*van &&
        !p.messages->ask(QStringLiteral("A(z) %1 fájl már létezik.").arg(QFileInfo(path).fileName()) + kCrLf +
                             QStringLiteral("Felülírja?"),
                         kExportCim))
      return;
  }
  homokora(a, true);
  const ExportEredmeny r = csvExport(p.folder, path);
  homokora(a, false);
  if (r.nemBiztos) {
    // The new file is in place: the message says so, and what a power loss could leave instead.
    const QString fajl = QFileInfo(path).fileName();
    p.messages->info(QStringLiteral("Az adatbázis exportálása megtörtént, a(z) %1 fájl a helyén áll (kiírt ügyfelek "
                                    "száma: %2), de a lemez hibát jelzett.")
                             .arg(fajl)
                             .arg(r.fizetok) +
                         kCrLf + r.hiba + kCrLf +
                         (r.volt ? QStringLiteral("Egy áramszünet után a(z) %1 korábbi tartalma állhat vissza.").arg(fajl)
                                 : QStringLiteral("Egy áramszünet után a(z) %1 fájl eltűnhet.").arg(fajl)),
                     kExportCim, MsgIcon::Exclamation);
    return;
  }
  if (!r.ok()) {
    p.messages->info(QStringLiteral("Az exportálás nem sikerült.") + kCrLf + r.hiba, kExportCim, MsgIcon::Critical);
    return;
  }
  p.messages->info(exportUzenet(r), kExportCim, MsgIcon::Information);
}

void mnuKonertal(Platform& p, const AdatcsereAblak& a) {
  const QStringList kerdes = {QStringLiteral("Az adatbázis első konvertálása automatikus!"),
                              QStringLiteral("Konvertálás után a régi adatbázis neve ''nevekR.dat'' néven mentésre kerül."),
                              QStringLiteral("Újabb konvertálás a régi adatbázis ''nevek1.dat'' névre való"),
                              QStringLiteral("visszanevezése után lehetséges."), QStringLiteral(" "),
                              QStringLiteral("Mehet a konvertálás?")};
  if (!fizetoIrhato(p, a.NevekHiba, a.ListaHiba)) return;
  if (!p.messages->ask(kerdes.join(kCrLf), QStringLiteral(" FIGYELEM "))) return;
  homokora(a, true);
  const KonvEredmeny r = Konvertalas(p.folder);
  homokora(a, false);
  const QString cim = QStringLiteral("FIGYELEM!");
  const QString valtozatlan = kCrLf + QStringLiteral("Az adatbázis nem változott.");
  switch (r.allapot) {
    case KonvAllapot::Kesz:
      frissit(a);
      if (!r.hiba.isEmpty()) p.messages->info(r.hiba, cim, MsgIcon::Exclamation);
      return;
    case KonvAllapot::NincsMit:
      p.messages->info(QStringLiteral("Nincsen elérhető konvertálandó fájl!") + kCrLf, cim, MsgIcon::Exclamation);
      return;
    case KonvAllapot::NemRegi:
      p.messages->info(r.hiba + valtozatlan, cim, MsgIcon::Exclamation);
      return;
    case KonvAllapot::VanMentes:
      p.messages->info(QStringLiteral("A(z) nevekR.dat már létezik, a korábbi mentés nem írható felül.") + kCrLf +
                           QStringLiteral("Nevezze át vagy tegye máshová, majd indítsa újra a konvertálást.") +
                           valtozatlan,
                       cim, MsgIcon::Exclamation);
      return;
    case KonvAllapot::Hiba:
      p.messages->info(QStringLiteral("A konvertálás nem sikerült.") + kCrLf + r.hiba + valtozatlan, cim,
                       MsgIcon::Critical);
      return;
  }
}

void mnuAdatbazisTorles(Platform& p, const AdatcsereAblak& a) {
  const QString cim = QStringLiteral("Adatbázis törlése");
  if (!fizetoIrhato(p, a.NevekHiba, a.ListaHiba)) return;
  if (!p.messages->ask(QStringLiteral("Biztos benne hogy TÖRLI ") + kCrLf + QStringLiteral("a teljes adatbázist?") +
                           kCrLf + kCrLf + QStringLiteral("Mehet a TÖRLÉS?"),
                       cim))
    return;
  const CsereEredmeny r = AdatbazisTorles(p.folder);
  if (!r.megtortent()) {
    p.messages->info(r.uzenet, cim, MsgIcon::Critical);
    return;
  }
  frissit(a);
  if (!r.uzenet.isEmpty()) p.messages->info(r.uzenet, cim, MsgIcon::Exclamation);
}

void mnuImportHelp(Platform& p, const AdatcsereAblak& a) {
  const QString path = QFileInfo(QDir(p.folder).filePath(kSugoFile)).absoluteFilePath();
  const QString hely = QDir::toNativeSeparators(path);
  const Valasz<bool> van = vanNeven(path);
  if (!van)
    p.messages->info(van.hiba().nemOlvashato(hely), QStringLiteral("Súgó"), MsgIcon::Exclamation);
  else if (!*van)
    p.messages->info(QStringLiteral("A súgó nem található:") + kCrLf + hely, QStringLiteral("Súgó"),
                     MsgIcon::Exclamation);
  else if (!a.OpenBrowser || !a.OpenBrowser(path))
    // No browser could be started: the user can open the page by hand.
    p.messages->info(QStringLiteral("A súgó nem nyitható meg, mert nem indítható böngésző.") + kCrLf +
                         QStringLiteral("A súgó itt található, bármely böngészővel megnyitható:") + kCrLf + hely,
                     QStringLiteral("Súgó"), MsgIcon::Exclamation);
}

void Timer1_Timer(Platform& p, SetRekord& set, FigyeltFajl& elozo, const AdatcsereAblak& a) {
  idozito(a, false);
  // A Set.dat that cannot be read now leaves the settings read last (a start-up that could not
  // read it left the timer off).
  (void)loadSet(p.folder, set);
  const QString mappa = trimmed(set.AutBeolvasMappa);
  // Switched off or no folder: the timer stays off until the settings switch it on again.
  if (mappa.isEmpty() || set.AutBeolvas == 0) return;
  QStringList rosszNevek;
  QString hiba;
  const std::optional<QString> fajl = stabilCsv(mappa, elozo, &rosszNevek, &hiba);
  for (const QString& n : rosszNevek)
    p.messages->info(QStringLiteral("A figyelt mappában a(z) „%1” fájl neve nem érvényes UTF-8 szöveg, ezért a "
                                    "fájl nem importálható.")
                             .arg(n) +
                         kCrLf + QStringLiteral("Nevezze át a fájlt, és a program beolvassa."),
                     QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
  if (!hiba.isEmpty()) {
    // The folder cannot be asked: the timer stays off, as after any other failure of the import.
    p.messages->info(hiba, QStringLiteral("HIBA"), MsgIcon::Critical);
    return;
  }
  if (!fajl) {
    idozito(a, true);
    return;
  }
  // The payer files may not be written in this run: said, and the timer stays off.
  if (!fizetoIrhato(p, a.NevekHiba, a.ListaHiba)) return;
  const AutoImportEredmeny r = automatikusImport(p.folder, *fajl, isTrue(set.AutBeolvasFelulir), a.csereHorog);
  elozo.felejt();
  switch (r.allapot) {
    case AutoAllapot::Eltunt:
      idozito(a, true);
      return;
    case AutoAllapot::Felreteve:
      // The file is out of the watched names: polling goes on.
      p.messages->info(r.hiba, QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
      idozito(a, true);
      return;
    case AutoAllapot::NemJelolheto:
    case AutoAllapot::Hiba:
      // The timer stays off: the same file would fail again, or be imported twice.
      p.messages->info(r.hiba, QStringLiteral("HIBA"), MsgIcon::Critical);
      return;
    case AutoAllapot::Kesz:
      break;
  }
  frissit(a);
  const CsvBeolvasas& adatok = r.import.adatok;
  const QString nev = QFileInfo(*fajl).fileName();
  if (!r.import.kesobb.isEmpty()) {
    // Imported, but the notices follow only at the next start: no slips from a half-changed pair.
    p.messages->info(megjegyzessel(QStringLiteral("A(z) %1 fájl importálása: ").arg(nev) + r.import.kesobb, adatok),
                     QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
  } else if (set.AutoPrint == 1) {
    const int32_t nincs = adatok.osszegNelkul;
    if (nincs > 0) {
      p.messages->info(megjegyzessel(QStringLiteral("A beolvasott adatokból %1 rekord nem tartalmaz összeget, így nem "
                                                    "nyomtatható automatikusan csekk!")
                                             .arg(nincs) +
                                         kCrLf + QStringLiteral("Ellenőrízd a ''csv'' fájl helyességét."),
                                     adatok),
                       QStringLiteral("HIBA"), MsgIcon::Information);
    } else {
      // Moved columns are said before the slips are printed, so the print can still be cancelled.
      if (adatok.idezettSorok > 0)
        p.messages->info(megjegyzessel(QStringLiteral("A(z) %1 fájl importálása befejeződött.").arg(nev), adatok),
                         QStringLiteral("Figyelem!"), MsgIcon::Exclamation);
      if (a.csekkNyomtatas) a.csekkNyomtatas();
    }
  } else {
    p.messages->info(megjegyzessel(QStringLiteral("Az automatikus nyomtatás beállítás ") + kCrLf +
                                       QStringLiteral("ablakában az automatikus nyomtatás ") + kCrLf +
                                       QStringLiteral("nincs kipipálva!"),
                                   adatok),
                     QStringLiteral("Figyelem!"), MsgIcon::Information);
  }
  idozito(a, true);
}
