#include "app/indulasellenorzes.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

#include "common/betutip.h"
#include "common/platform.h"
#include "common/qtprinter.h"
#include "common/recordfile.h"
#include "common/rendszerhiba.h"
#include "common/setrekord.h"
#include "layouts/fjsetrekord.h"
#include "layouts/layoutrecords.h"
#include "payerstore/lookuprecords.h"
#include "payerstore/nevekrekord.h"
#include "payerwindows/jogcimek.h"
#include "printing/envelopes/cimkerekordok.h"
#include "printing/envelopes/kep_browse.h"

QString serultFajlokUzenete(const QString& folder) {
  const QStringList nevek = {kSetFile,        kSetTertiFile,    kSetIrat2File,   kSetFvevenyFile, kSetRcsekkFile,
                             kSetUlapFile,    kBoritekFile,     kBetutipFile,    kBetumeretFile,  kCimkeSetupFile,
                             kKepmentFile,    kFjSetFile,       kBrowseFile,     kKozlemFile,     kJogcimekFile,
                             kJogcimek2File,  kTelepulesekFile, kBudapestFile};
  QStringList sorok;
  for (const QString& n : nevek)
    if (const Valasz<QString> fajta = nemFajlFajta(dataPath(folder, n)); !fajta)
      sorok << QStringLiteral("%1 (nem vizsgálható: %2)").arg(n, fajta.hiba().miert());
    else if (!fajta->isEmpty())
      sorok << QStringLiteral("%1 (%2)").arg(n, *fajta);
  if (sorok.isEmpty()) return {};
  return QStringLiteral("Ezek a fájlok sérültek, mert a helyükön nem közönséges fájl áll. A program üresnek "
                        "tekinti őket, és nem írja, nem is cseréli le őket:\r\n") +
         sorok.join(QStringLiteral("\r\n"));
}

namespace {

// 0 when the file (a missing one: its folder) may be written, else the system's error.
int fajlIrhato(const Platform& p, const QString& nev, int mappaHiba) {
  const QString path = dataPath(p.folder, nev);
  // Links followed: a dangling one is a missing file (its folder decides), said elsewhere.
  const Valasz<FajlAdat> van = fajlAdat(path);
  if (!van) return van.hiba().errnum;
  return van->van ? p.irhato(path) : mappaHiba;
}

QString felsorolas(const QStringList& mi) {
  QString s = QStringLiteral("Ebben a futásban nem működik:");
  for (const QString& m : mi) s += QStringLiteral("\r\n- ") + m;
  return s;
}

}  // namespace

IrasiKorlatok irasiKorlatok(const Platform& p, const QStringList& gyariHibak, bool setSerult) {
  IrasiKorlatok k;
  const int mappa = p.irhato(p.folder);
  const int set = setSerult ? 0 : fajlIrhato(p, kSetFile, mappa);
  // A save in place keeps its journal beside the file: it needs the folder too.
  k.setIrhato = !setSerult && set == 0 && mappa == 0;
  int par = fajlIrhato(p, kNevekFile, mappa);
  if (par == 0) par = fajlIrhato(p, kKozl3sorFile, mappa);
  const QString pdfMappa = QDir(p.folder).filePath(QtPrinter::kPdfFolder);
  const Valasz<FajlAdat> pdfAdat = fajlAdat(pdfMappa);
  const int pdf = !pdfAdat ? pdfAdat.hiba().errnum : pdfAdat->mappa() ? p.irhato(pdfMappa) : mappa;

  if (mappa != 0) {
    // Every change of a record file takes the folder: a deletion or an import replaces the
    // files, every save in place (a payer, the amounts, the settings) keeps a journal beside them.
    QStringList mi;
    mi << (par != 0 ? QStringLiteral("a címzettek és az összegek mentése, a címzettek törlése")
                    : QStringLiteral("az új és a módosított címzettek és az összegek mentése, a címzettek törlése"))
       << QStringLiteral("az importálás (kézzel és a figyelt mappából)");
    if (!setSerult) mi << QStringLiteral("a beállítások mentése");
    if (pdf != 0) mi << QStringLiteral("a nyomtatás PDF fájlba");
    k.uzenet = QStringLiteral("A program mappája (%1) nem írható: %2.\r\n")
                   .arg(QDir::toNativeSeparators(p.folder), rendszerHiba(mappa)) +
               felsorolas(mi);
    if (!gyariHibak.isEmpty())
      k.uzenet += QStringLiteral("\r\nA nyomtatványok beállításai (%1) nem hozhatók létre, ezért üres beállítással "
                                 "indulnak.")
                      .arg(gyariHibak.join(QStringLiteral(", ")));
    return k;
  }
  QStringList reszek;
  if (!gyariHibak.isEmpty())
    reszek << QStringLiteral("A program mappájában nem hozhatók létre a nyomtatványok beállításai (%1), ezért a "
                             "nyomtatványok üres beállítással indulnak.")
                  .arg(gyariHibak.join(QStringLiteral(", ")));
  if (par != 0) {
    // A read-only file may still be replaced as a whole; an immutable one may not.
    QStringList mi{QStringLiteral("az új és a módosított címzettek és az összegek mentése")};
    if (par == EPERM) mi << QStringLiteral("a címzettek törlése") << QStringLiteral("az importálás");
    reszek << QStringLiteral("A címzettek fájljai (%1, %2) nem írhatók: %3.\r\n")
                      .arg(kNevekFile, kKozl3sorFile, rendszerHiba(par)) +
                  felsorolas(mi);
  }
  if (!setSerult && set != 0 && !gyariHibak.contains(kSetFile))
    reszek << QStringLiteral("A Set.dat fájl nem írható, ezért a beállítások változásai nem kerülnek mentésre.");
  k.uzenet = reszek.join(QStringLiteral("\r\n\r\n"));
  return k;
}
