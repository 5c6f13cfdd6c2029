#include "payerstore/fizetomentes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/recordfile.h"
#include "common/rendszerhiba.h"
#include "payerstore/fizetocsere.h"
#include "payerstore/fizetofajlok.h"

namespace {

const QByteArray kFejlec = "LAVINDOR FIZETOREKORD 1\n";
const QByteArray kVege = "VEGE\n";

// The two files of a save, in the journal's order, with their record lengths.
const QString* const kNevek[2] = {&kNevekFile, &kKozl3sorFile};
constexpr int kHossz[2] = {NevekRekord::Length, Kozl3sorRekord::Length};

using Naplo = MentesNaplo;

QString naploPath(const QString& folder) { return QDir(folder).filePath(kMentesNaploFile); }

// The bytes record n held in a file of `meret` bytes.
qsizetype regiDarab(int32_t n, qint64 meret, int hossz) {
  return qsizetype(std::clamp<qint64>(meret - qint64(n - 1) * hossz, 0, hossz));
}

QByteArray tartalom(const Naplo& j) {
  return kFejlec + QByteArray::number(j.n) + ' ' + QByteArray::number(j.meret[0]) + ' ' +
         QByteArray::number(j.meret[1]) + '\n' + j.regi[0] + j.regi[1] + kVege;
}

// A whole journal; nothing for a torn or foreign one.
std::optional<Naplo> olvas(const QByteArray& b) {
  if (!b.startsWith(kFejlec) || !b.endsWith(kVege)) return std::nullopt;
  const qsizetype sorVege = b.indexOf('\n', kFejlec.size());
  if (sorVege < 0) return std::nullopt;
  const QList<QByteArray> m = b.mid(kFejlec.size(), sorVege - kFejlec.size()).split(' ');
  if (m.size() != 3) return std::nullopt;
  Naplo j;
  bool ok[3] = {};
  j.n = m[0].toInt(&ok[0]);
  j.meret[0] = m[1].toLongLong(&ok[1]);
  j.meret[1] = m[2].toLongLong(&ok[2]);
  if (!ok[0] || !ok[1] || !ok[2] || j.n < 1 || j.meret[0] < 0 || j.meret[1] < 0) return std::nullopt;
  qsizetype at = sorVege + 1;
  for (int i = 0; i < 2; ++i) {
    const qsizetype db = regiDarab(j.n, j.meret[i], kHossz[i]);
    j.regi[i] = b.mid(at, db);
    at += db;
  }
  if (at + kVege.size() != b.size()) return std::nullopt;
  return j;
}

// Puts back both files as the journal holds them: record n's old bytes, then the old length
// (which cuts off what an append or the padding of the notice file added). False, with the
// reason, when a file cannot be put back.
bool visszair(const QString& folder, const Naplo& j, QString* hiba) {
  QStringList rossz;
  for (int i = 0; i < 2; ++i) {
    const QString path = dataPath(folder, *kNevek[i]);
    FajlEredmeny h;
    const int fd = regularisNyitas(path, O_RDWR, &h);
    if (fd < 0) {
      // A file that did not exist before and does not now: nothing to put back.
      if (h.errnum != ENOENT || !h.fajta.isEmpty() || j.meret[i] != 0)
        rossz << QStringLiteral("A(z) %1 fájl korábbi tartalma nem állítható vissza: %2.")
                     .arg(*kNevek[i], h.errnum == ENOENT && h.fajta.isEmpty() ? rendszerHiba(ENOENT) : h.miert());
      continue;
    }
    const QByteArray& b = j.regi[i];
    const off_t at = off_t(j.n - 1) * kHossz[i];
    h = mindIras(fd, b.constData(), b.size(), at);
    if (h) h = meretezes(fd, j.meret[i]);
    if (h) h = fajlSzinkron(fd);
    ::close(fd);
    if (!h) rossz << QStringLiteral("A(z) %1 fájl korábbi tartalma nem állítható vissza: %2.").arg(*kNevek[i], h.miert());
  }
  if (rossz.isEmpty()) return true;
  if (hiba) *hiba = rossz.join(QStringLiteral("\r\n"));
  return false;
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
  Naplo j;
  j.n = n;
  RecordFile* fajlok[2] = {nevek.get(), kozl.get()};
  for (int i = 0; i < 2; ++i) {
    const Valasz<FajlAdat> a = fajlAdat(fajlok[i]->handle(), *kNevek[i], fajlok[i]->path());
    if (!a) return {FizetoMentes::Valtozatlan, a.hiba().nemOlvashato(*kNevek[i])};
    j.meret[i] = a->meret;
    // Old bytes that cannot be read could not be put back: nothing is written.
    const std::optional<QByteArray> regi = fajlok[i]->readBytes(n);
    if (!regi) return {FizetoMentes::Valtozatlan, fajlok[i]->olvasasHiba()};
    j.regi[i] = regi->left(regiDarab(n, j.meret[i], kHossz[i]));
  }
  {
    const bool mehet = lep(MentesLepes::Naplo);
    const FajlEredmeny e = mehet ? naploIras(naploPath(folder), tartalom(j), true) : FajlEredmeny{};
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
  // Only a regular file is read (anything else in its place is no journal of ours).
  FajlEredmeny e;
  const std::optional<QByteArray> b = regularisOlvasas(naploPath(folder), 4096, &e);
  if (olvashatatlan) *olvashatatlan = e.fajta.isEmpty() ? e : FajlEredmeny{};
  return b ? olvas(*b) : std::nullopt;
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
  const Valasz<bool> naploVan = vanNeven(naploPath(folder));
  if (!naploVan) {
    if (hiba) *hiba = naploVan.hiba().nemOlvashato(kMentesNaploFile);
    return false;
  }
  if (!*naploVan) return true;
  FajlEredmeny olvasas;
  const std::optional<Naplo> j = felbemaradtMentes(folder, &olvasas);
  // A journal that cannot be read is no torn one: it stays, and so does the save it names.
  if (!olvasas) {
    if (hiba) *hiba = QStringLiteral("A mentés naplója (%1) nem olvasható: %2.").arg(kMentesNaploFile, olvasas.miert());
    return false;
  }
  if (j) {
    if (!visszair(folder, *j, hiba)) return false;
    if (visszavonva) *visszavonva = true;
  }
  // A torn journal: the save had not begun to write. Either way the journal goes now.
  if (naploTorles(folder)) return true;
  if (hiba) *hiba = QStringLiteral("A mentés naplója (%1) nem törölhető.").arg(kMentesNaploFile);
  return false;
}
