#include "payerstore/fizetomentes.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <optional>

#include "common/recordfile.h"
#include "common/rendszerhiba.h"
#include "payerstore/fizetocsere.h"
#include "payerstore/fizetofajlok.h"

namespace {

// The two files of a save, in the journal's order, with their record lengths.
const QString* const kNevek[2] = {&kNevekFile, &kKozl3sorFile};
constexpr int kHossz[2] = {NevekRekord::Length, Kozl3sorRekord::Length};
// How an earlier version's save journal lays the two records out.
const RegiParFormatum kRegiPar{{kNevekFile, kKozl3sorFile}, {NevekRekord::Length, Kozl3sorRekord::Length}};

QString naploPath(const QString& folder) { return QDir(folder).filePath(kMentesNaploFile); }

// The bytes record n held in a file of `meret` bytes.
qsizetype regiDarab(int32_t n, qint64 meret, int hossz) {
  return qsizetype(std::clamp<qint64>(meret - qint64(n - 1) * hossz, 0, hossz));
}

// Puts back both files as the journal holds them: record n's old bytes, then the old length
// (which cuts off what an append or the padding of the notice file added). False, with the
// reason, when a file cannot be put back.
QString visszaallitasHiba(const VisszairasHibak& h) {
  QStringList rossz;
  for (const auto& [fajl, e] : h)
    rossz << QStringLiteral("A(z) %1 fájl korábbi tartalma nem állítható vissza: %2.").arg(fajl, e.miert());
  return rossz.join(QStringLiteral("\r\n"));
}
bool visszair(const QString& folder, const HelybenNaplo& j, QString* hiba) {
  const VisszairasHibak h = helybenVisszairas(folder, j, false);
  if (!h.isEmpty() && hiba) *hiba = visszaallitasHiba(h);
  return h.isEmpty();
}

// Removes the journal: false when it stays. `szinkron` gets the flush of the folder, which
// decides whether the removal survives a power loss.
bool naploTorles(const QString& folder, FajlEredmeny* szinkron = nullptr) {
  if (!torles(naploPath(folder))) return false;
  const FajlEredmeny e = mappaSzinkron(folder);
  if (szinkron) *szinkron = e;
  return true;
}

QString irasHiba(const RecordFile& f, const QString& nev) {
  return f.errorText().isEmpty() ? QStringLiteral("Hiba a(z) %1 fájl írásakor.").arg(nev) : f.errorText();
}

}  // namespace

FizetoMentes fizetoMentes(const QString& folder, int32_t n, const NevekRekord& r, const Kozl3sorRekord& k,
                          const MentesHorog& horog) {
  auto lep = [&](MentesLepes l) { return !horog || horog(l); };
  if (n < 1) return {FizetoMentes::Valtozatlan, QStringLiteral("Nincs kiválasztott címzett.")};
  auto nevek = std::make_unique<RecordFile>(folder, kNevekFile, NevekRekord::Length);
  auto kozl = std::make_unique<RecordFile>(folder, kKozl3sorFile, Kozl3sorRekord::Length);
  for (const RecordFile* f : {nevek.get(), kozl.get()})
    if (!f->isWritable()) return {FizetoMentes::Valtozatlan, f->errorText()};

  // 1. The journal of the old bytes, whole on the disk before anything changes. An earlier
  // journal is never overwritten: its save is undone first (fizetoParHelyreallitas).
  HelybenNaplo j;
  RecordFile* fajlok[2] = {nevek.get(), kozl.get()};
  const QByteArray ujak[2] = {encodeRecord(r), encodeRecord(k)};
  for (int i = 0; i < 2; ++i) {
    const Valasz<FajlAdat> a = fajlAdat(fajlok[i]->handle(), *kNevek[i], fajlok[i]->path());
    if (!a) return {FizetoMentes::Valtozatlan, a.hiba().nemOlvashato(*kNevek[i])};
    // Old bytes that cannot be read could not be put back: nothing is written.
    const std::optional<QByteArray> regi = fajlok[i]->readBytes(n);
    if (!regi) return {FizetoMentes::Valtozatlan, fajlok[i]->olvasasHiba()};
    j.tetelek << HelybenTetel{QFileInfo(fajlok[i]->path()).fileName(), qint64(n - 1) * kHossz[i], a->meret,
                              regi->left(regiDarab(n, a->meret, kHossz[i])), ujak[i]};
  }
  {
    const bool mehet = lep(MentesLepes::Naplo);
    const FajlEredmeny e = mehet ? naploIras(naploPath(folder), helybenTartalom(j), true) : FajlEredmeny{};
    if (!mehet || !e)
      return {FizetoMentes::Valtozatlan,
              QStringLiteral("A mentés naplója (%1) nem írható a program mappájába%2.")
                  .arg(kMentesNaploFile, e.ok() ? QString() : QStringLiteral(": ") + e.miert())};
  }
  // A failure from here on: the files are closed (nothing buffered follows later) and put back.
  // (The old bytes are back on the disk then: a journal that a failed folder flush lets come back
  // only puts them back once more.)
  auto hiba = [&](const QString& miert) {
    nevek.reset();
    kozl.reset();
    QString v;
    if (visszair(folder, j, &v) && naploTorles(folder)) return FizetoMentes{FizetoMentes::Valtozatlan, miert};
    return FizetoMentes{FizetoMentes::Visszavonatlan, miert + QStringLiteral("\r\n") + v};
  };

  // 2. The notice, then the payer record, each flushed.
  if (!lep(MentesLepes::Kozl) || !kozl3sorIras(*kozl, n, k)) return hiba(irasHiba(*kozl, kKozl3sorFile));
  if (!lep(MentesLepes::Nevek) || !(nevek->write(n, r) && nevek->flush()))
    return hiba(irasHiba(*nevek, kNevekFile));
  nevek.reset();
  kozl.reset();

  // 3. Both records are on the disk: the journal goes, and with it the way back. Until the
  // folder is flushed, a power loss could bring the journal back and undo the save.
  FajlEredmeny szinkron;
  if (!lep(MentesLepes::Lezaras) || !naploTorles(folder, &szinkron))
    return hiba(QStringLiteral("A mentés naplója (%1) nem törölhető.").arg(kMentesNaploFile));
  if (!szinkron)
    return {FizetoMentes::Bizonytalan,
            QStringLiteral("A címzett adatai a fájlokba beíródtak, de a lemez hibát jelzett a program mappájának "
                           "kiírásakor (%1), ezért áramszünet után a program következő indításakor a mentés "
                           "visszavonódhat.")
                .arg(szinkron.miert())};
  return {FizetoMentes::Kesz, {}};
}

std::optional<MentesNaplo> felbemaradtMentes(const QString& folder, FajlEredmeny* olvashatatlan) {
  const std::optional<QByteArray> b = naploBeolvasas(naploPath(folder), olvashatatlan);
  const std::optional<HelybenNaplo> j = b ? helybenOlvas(*b, {}, &kRegiPar) : std::nullopt;
  if (!j || j->tetelek.size() != 2) return std::nullopt;
  MentesNaplo m;
  m.n = int32_t(j->tetelek[0].at / kHossz[0]) + 1;
  for (int i = 0; i < 2; ++i) {
    m.meret[i] = j->tetelek[i].meret;
    m.regi[i] = j->tetelek[i].regi;
  }
  return m;
}

bool fizetoMentesVisszavonas(const QString& folder, QString* hiba, bool* visszavonva, QStringList* helyben) {
  if (visszavonva) *visszavonva = false;
  // A record of the pair changed in place (the amounts) and left half written goes back first.
  for (const QString* f : kNevek) {
    FajlEredmeny e;
    bool v = false;
    if (!helybenVisszavonas(folder, *f, &e, &v)) {
      if (hiba) *hiba = helybenNemVonhatoVisszaUzenet(*f, e);
      return false;
    }
    if (v && helyben) *helyben << *f;
  }
  // Then the save: rolled back whole (a torn journal was written before any record: it only goes).
  const HelybenKovetes k = helybenKovetes(naploPath(folder), {}, false, &kRegiPar);
  if (visszavonva) *visszavonva = k.visszavonva && k.ok();
  if (k.ok()) return true;
  // A journal that cannot be read is no torn one: it stays, and so does the save it names.
  if (hiba)
    *hiba = !k.olvasas ? QStringLiteral("A mentés naplója (%1) nem olvasható: %2.").arg(kMentesNaploFile, k.olvasas.miert())
            : !k.fajlok.isEmpty() ? visszaallitasHiba(k.fajlok)
                                  : QStringLiteral("A mentés naplója (%1) nem törölhető.").arg(kMentesNaploFile);
  return false;
}
