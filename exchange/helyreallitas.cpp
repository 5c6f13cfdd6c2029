#include "exchange/helyreallitas.h"

#include "common/fajlmuvelet.h"
#include "common/fields.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "exchange/automatikus.h"
#include "exchange/konvertalas.h"
#include "payerstore/fizetocsere.h"

QString adatfajlokHelyreallitasa(const QString& folder) {
  QStringList uzenet;
  // Records changed in place and left half written (any record file) are rolled back first.
  QStringList sikertelen;
  const QString helyben = helybenIrasokVisszavonasa(folder, &sikertelen);
  // The watched folder, from Set.dat. A Set.dat that cannot be read names no folder (the start-up
  // says why): the claimed files wait for a start that can read it.
  QString mappa;
  const Valasz<bool> vanSet = vanNeven(dataPath(folder, kSetFile));
  if (!vanSet) {
    uzenet << vanSet.hiba().nemOlvashato(kSetFile) +
                  QStringLiteral("\r\nA figyelt mappa félbemaradt importálásai a következő indításig várnak.");
  } else if (*vanSet) {
    SetRekord set;
    if (loadSet(folder, set)) mappa = trimmed(set.AutBeolvasMappa);
  }
  // A claimed file under two names is one file, before a change's journal that names it is
  // followed: else the name left over would be imported again.
  if (const QStringList ikrek = csvAtvetelIkrek(mappa); !ikrek.isEmpty())
    uzenet << QStringLiteral("A figyelt mappában egy félbeszakadt átnevezés fájljai nem rendezhetők: %1.\r\n"
                             "Ellenőrizze, hogy ugyanaz a fájl ne álljon ott két néven, különben kétszer kerül beolvasásra.")
                  .arg(ikrek.join(QStringLiteral(", ")));
  const CsereHelyreallitas h = fizetoParHelyreallitas(folder);
  // A rollback that failed above and then went through the pair's own recovery is said once, as
  // done (the pair's message says so): the message says what the disk holds now.
  QStringList sorok = helyben.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  for (const QString& f : sikertelen)
    if (h.helybenVisszavont.contains(f))
      sorok.removeIf([&](const QString& s) { return s.startsWith(helybenNemVonhatoVisszaUzenet(f, {}).section(':', 0, 0)); });
  if (!sorok.isEmpty()) uzenet.prepend(sorok.join(QStringLiteral("\r\n")));
  if (!h.uzenet.isEmpty()) uzenet << h.uzenet;
  // A conversion that ended before its rename was on the disk: the old file is in place.
  if (const QString k = konvertalasHelyreallitas(folder); !k.isEmpty()) uzenet << k;
  // Claimed watched files: those of a finished change are gone by now, the others go back. While
  // a change stays unfinished its file stays claimed too.
  if (!h.fuggoben) {
    QStringList nemBiztos;
    const QStringList maradt = csvAtvetelekFeloldasa(mappa, &nemBiztos);
    if (!maradt.isEmpty())
      uzenet << QStringLiteral("A figyelt mappában félbemaradt importálás fájljai nem nevezhetők vissza: %1.\r\n"
                               "Nevezze át őket .csv végűre, és a program beolvassa őket.")
                    .arg(maradt.join(QStringLiteral(", ")));
    if (!nemBiztos.isEmpty())
      uzenet << QStringLiteral("A figyelt mappában félbemaradt importálás fájljai visszakapták a nevüket, de a lemez "
                               "hibát jelzett a mappa kiírásakor: %1.\r\nEgy áramszünet után a program következő "
                               "indításakor ismét rendezi őket.")
                    .arg(nemBiztos.join(QStringLiteral(", ")));
  }
  return uzenet.join(QStringLiteral("\r\n\r\n"));
}
