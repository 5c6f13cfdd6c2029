#include "layouts/elsoinditas.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/betutip.h"
#include "common/recordfile.h"
#include "common/setrekord.h"
#include "layouts/factory.h"
#include "layouts/fjsetrekord.h"
#include "layouts/layoutrecords.h"

void boritekAlapertekek(BoritekRekord& r) {
  // C6 is 162 x 114 mm, C5 229 x 162 mm, C5/6 (DL-wide) 229 x 114 mm.
  r.C6Felado_x = 10, r.C6Felado_y = 10, r.C6Cimzett_x = 85, r.C6Cimzett_y = 65;
  r.C5Felado_x = 10, r.C5Felado_y = 10, r.C5Cimzett_x = 125, r.C5Cimzett_y = 95;
  r.C56Felado_x = 10, r.C56Felado_y = 10, r.C56Cimzett_x = 125, r.C56Cimzett_y = 65;
  r.BoritekNevBetutipus = QStringLiteral("Times New Roman CE");
  r.BoritekNevBetumeret = 12;
  r.BoritekFeladoBetumeret = 10;
}

void fjSetAlapertekek(FjSetRekord& r) {
  r.Bal = 20;
  r.Felso = 30;
  r.ExcelUtvonal.clear();
}

void cimkeBetuAlapertekek(const BoritekRekord& boritek, BetutipRekord& tip, BetumeretRekord& meret) {
  QString csalad = trimmed(boritek.BoritekNevBetutipus);
  if (csalad.isEmpty()) csalad = QStringLiteral("Times New Roman CE");
  tip.nevek.fill(csalad);
  meret.meretek.fill(10);
}

namespace {

// Writes `bytes` as the file `path` whole: into a temporary file beside it, flushed, then
// renamed to the name and the folder flushed, so a crash leaves no empty or partial file behind. A file that appeared
// at the name meanwhile (other than an empty one) is kept.
bool egeszIras(const QString& path, const QByteArray& bytes) {
  const QByteArray cel = QFile::encodeName(path);
  const QByteArray ideiglenes = cel + ".uj-" + QByteArray::number(qint64(::getpid()));
  torles(QFile::decodeName(ideiglenes));
  const FajlEredmeny hiba = fajlIras(QFile::decodeName(ideiglenes), bytes, O_EXCL);
  if (hiba.errnum == EEXIST) return false;  // not ours to remove
  // A name that cannot be asked is not written over: the write counts as failed.
  const Valasz<FajlAdat> most = fajlAdat(path, false);
  const bool szabad = most && (!most->van || (most->regularis() && most->meret == 0));
  // No journal of a change in place may come back onto the file that replaces it.
  FajlEredmeny naploHiba;
  const bool ok = hiba.ok() && most && (!szabad || helybenLezaras(path, &naploHiba));
  if (ok && szabad && atnevezes(QFile::decodeName(ideiglenes), path))
    return mappaSzinkron(QFileInfo(path).absolutePath()).ok();
  torles(QFile::decodeName(ideiglenes));
  return ok && !szabad;
}

// Writes record 1 of `name` when the file does not exist yet or is empty (a first start that
// was cut short, a full disk); false when that write failed. Anything else than a regular file
// at the name is left alone (it is never replaced).
template <class R>
bool createIfMissing(const QString& folder, const QString& name, const R& r) {
  const QString path = dataPath(folder, name);
  const Valasz<FajlAdat> a = fajlAdat(path);
  // A name that cannot be asked is left alone, and counted as not written.
  if (!a) return false;
  if (a->van && (!a->regularis() || a->meret > 0)) return true;
  return egeszIras(path, encodeRecord(r));
}

template <class R>
R fromFactory(const FactoryTable<R>& table) {
  R r{};
  applyFactory(r, table);
  return r;
}

}  // namespace

SetRekord gyariSet() {
  SetRekord set = fromFactory(setFactory());
  // Every item group of the slip is printed until the user switches one off.
  set.Nyomtatando.fill(-1);
  return set;
}

QStringList gyariFajlokLetrehozasa(const QString& folder) {
  QStringList failed;
  auto make = [&](const QString& name, bool ok) {
    if (!ok) failed << name;
  };
  make(kSetFile, createIfMissing(folder, kSetFile, gyariSet()));
  make(kSetTertiFile, createIfMissing(folder, kSetTertiFile, fromFactory(tertiFactory())));
  make(kSetIrat2File, createIfMissing(folder, kSetIrat2File, fromFactory(irat2Factory())));
  make(kSetFvevenyFile, createIfMissing(folder, kSetFvevenyFile, fromFactory(fvevenyFactory())));
  make(kSetRcsekkFile, createIfMissing(folder, kSetRcsekkFile, fromFactory(rcsekkFactory())));
  make(kSetUlapFile, createIfMissing(folder, kSetUlapFile, fromFactory(ulapFactory())));
  BoritekRekord boritek{};
  boritekAlapertekek(boritek);
  make(kBoritekFile, createIfMissing(folder, kBoritekFile, boritek));
  FjSetRekord fjSet;
  fjSetAlapertekek(fjSet);
  make(kFjSetFile, createIfMissing(folder, kFjSetFile, fjSet));
  // The labels in the envelope's font as it stands in boritek.dat now (a file that cannot be
  // read leaves the factory font).
  (void)loadSettings(folder, kBoritekFile, boritek);
  BetutipRekord tip;
  BetumeretRekord meret;
  cimkeBetuAlapertekek(boritek, tip, meret);
  make(kBetutipFile, createIfMissing(folder, kBetutipFile, tip));
  make(kBetumeretFile, createIfMissing(folder, kBetumeretFile, meret));
  return failed;
}
