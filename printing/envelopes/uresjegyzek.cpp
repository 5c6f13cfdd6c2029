#include "printing/envelopes/uresjegyzek.h"

#include <QDir>
#include <QFileInfo>

#include "common/platform.h"
#include "common/recordfile.h"
#include "common/shell.h"

QString Tablazatkezelo::szoveg() const {
  QStringList r{program};
  r << opciok;
  return r.join(QLatin1Char(' '));
}

Tablazatkezelo tablazatkezelo(const QString& tarolt) {
  Tablazatkezelo t;
  QString s = tarolt.trimmed();
  if (s.isEmpty()) return t;
  if (QFileInfo(s).isFile()) {
    t.program = s;
    return t;
  }
  // Options stand after the last blank of the path; a path may hold blanks itself.
  for (qsizetype b = s.lastIndexOf(QLatin1Char(' ')); b > 0; b = s.lastIndexOf(QLatin1Char(' '))) {
    const QString szo = s.mid(b + 1);
    if (!szo.startsWith(QLatin1Char('-'))) break;
    t.opciok.prepend(szo);
    s = s.left(b).trimmed();
  }
  t.program = s;
  return t;
}

namespace {

// The spreadsheet programs looked for on the search path, in this order.
const struct {
  const char* nev;
  const char* opcio;
} kJeloltek[] = {{"localc", nullptr}, {"libreoffice", "--calc"}, {"soffice", "--calc"}, {"gnumeric", nullptr}};

}  // namespace

Tablazatkezelo talaltTablazatkezelo(const Shell& shell) {
  for (const auto& j : kJeloltek) {
    const QString p = shell.findProgram({QString::fromLatin1(j.nev)});
    if (p.isEmpty()) continue;
    Tablazatkezelo t{p, {}};
    if (j.opcio) t.opciok << QString::fromLatin1(j.opcio);
    return t;
  }
  return {};
}

bool uresJegyzekInditas(Platform& platform, FjSetRekord& fjSet, std::function<void(const QString&)> hamarLeallt) {
  // One that cannot be read leaves the program read last (none: one found on the PATH).
  (void)loadSettings(platform.folder, kFjSetFile, fjSet);
  if (!platform.shell) return false;
  Tablazatkezelo t = tablazatkezelo(trimmed(fjSet.ExcelUtvonal));
  if (t.empty()) t = talaltTablazatkezelo(*platform.shell);
  if (t.empty()) return false;
  KoraiVege koraiVege;
  if (hamarLeallt)
    koraiVege = [program = t.program, hamarLeallt](const ProgramVege& v) {
      hamarLeallt(QStringLiteral("A táblázatkezelő program (%1) az indítása után néhány másodpercen belül leállt: "
                                 "%2.\r\nAz üres feladójegyzék nem nyílt meg.")
                      .arg(program, v.leiras()));
    };
  // The window of the started program comes to the front as the desktop decides.
  return platform.shell->start(t.program, t.opciok + QStringList{QDir(platform.folder).filePath(kUresJegyzekFile)},
                               std::move(koraiVege));
}

QString hibasUtvonalUzenet(const FjSetRekord& fjSet, const Shell* shell) {
  QString s = QStringLiteral("Hibás az Excel útvonala...\r\nEllenőrízze a Beállításban!");
  if (!trimmed(fjSet.ExcelUtvonal).isEmpty() || (shell && !talaltTablazatkezelo(*shell).empty())) return s;
  QStringList nevek;
  for (const auto& j : kJeloltek) nevek << QString::fromLatin1(j.nev);
  return s + QStringLiteral("\r\n\r\nNincs megadva táblázatkezelő program, és a keresettek (%1) közül "
                            "egyik sem található.\r\nA Beállításokban (\"Excel útvonal:\") megadható egy "
                            "táblázatkezelő program.")
                 .arg(nevek.join(QStringLiteral(", ")));
}
