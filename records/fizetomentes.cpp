#include "records/fizetomentes.h"

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
#include "records/fizetocsere.h"
#include "records/fizetofajlok.h"

namespace {

const QByteArray kFejlec = "LAVINDOR FIZETOREKORD 1\n";
const QByteArray kVege = "VEGE\n";

// The two files of a save, in the journal's order, with their record lengths.
const QString* const kNevek[2] = {&kNevekFile, &kKozl3sorFile};
constexpr int kHossz[2] = {NevekRekord::Length, Kozl3sorRekord::Length};

using Naplo = MentesNaplo;

QByteArray enc(const QString& path) { return QFile::encodeName(path); }

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
    NyitasHiba h;
    const int fd = regularisNyitas(path, O_RDWR, &h);
    if (fd < 0) {
      // A file that did not exist before and does not now: nothing to put back.
      if (h.errnum != ENOENT || j.meret[i] != 0) rossz << *kNevek[i];
      continue;
    }
    const QByteArray& b = j.regi[i];
    const off_t at = off_t(j.n - 1) * kHossz[i];
    bool ok = mindIras(fd, b.constData(), b.size(), at) == 0;
    ok = ok && ::ftruncate(fd, off_t(j.meret[i])) == 0 && ::fsync(fd) == 0;
    ::close(fd);
    if (!ok) rossz << *kNevek[i];
  }
  if (rossz.isEmpty()) return true;
  if (hiba)
    *hiba = QStringLiteral("A(z) %1 fájl korábbi tartalma nem állítható vissza.").arg(rossz.join(QStringLiteral(", ")));
  return false;
}

bool naploTorles(const QString& folder) {
  if (::unlink(enc(naploPath(folder)).constData()) != 0 && errno != ENOENT) return false;
  fsyncMappa(folder);
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
    j.meret[i] = QFileInfo(fajlok[i]->path()).size();
    j.regi[i] = fajlok[i]->readBytes(n).left(regiDarab(n, j.meret[i], kHossz[i]));
  }
  {
    QString miert;
    if (!lep(MentesLepes::Naplo) || !naploIras(naploPath(folder), tartalom(j), true, &miert))
      return {FizetoMentes::Valtozatlan,
              QStringLiteral("A mentés naplója (%1) nem írható a program mappájába%2.")
                  .arg(kMentesNaploFile, miert.isEmpty() ? QString() : QStringLiteral(": ") + miert)};
  }
  // A failure from here on: the files are closed (nothing buffered follows later) and put back.
  auto hiba = [&](const QString& miert) {
    nevek.reset();
    kozl.reset();
    QString v;
    if (visszair(folder, j, &v) && naploTorles(folder)) return FizetoMentes{FizetoMentes::Valtozatlan, miert};
    return FizetoMentes{FizetoMentes::Felbemaradt, miert + QStringLiteral("\r\n") + v};
  };

  // 2. The notice, then the payer record, each flushed.
  if (!lep(MentesLepes::Kozl) || !kozl3sorIras(*kozl, n, k)) return hiba(irasHiba(*kozl, kKozl3sorFile));
  if (!lep(MentesLepes::Nevek) || !(nevek->write(n, r) && nevek->flush()))
    return hiba(irasHiba(*nevek, kNevekFile));
  nevek.reset();
  kozl.reset();

  // 3. Both records are on the disk: the journal goes, and with it the way back.
  if (!lep(MentesLepes::Lezaras) || !naploTorles(folder))
    return hiba(QStringLiteral("A mentés naplója (%1) nem törölhető.").arg(kMentesNaploFile));
  return {FizetoMentes::Kesz, {}};
}

std::optional<MentesNaplo> felbemaradtMentes(const QString& folder) {
  // Only a regular file is read (anything else in its place is no journal of ours).
  return olvas(regularisOlvasas(naploPath(folder), 4096));
}

bool fizetoMentesVisszavonas(const QString& folder, QString* hiba, bool* visszavonva) {
  if (visszavonva) *visszavonva = false;
  if (!QFileInfo(naploPath(folder)).exists()) return true;
  if (const std::optional<Naplo> j = felbemaradtMentes(folder)) {
    if (!visszair(folder, *j, hiba)) return false;
    if (visszavonva) *visszavonva = true;
  }
  // A torn journal: the save had not begun to write. Either way the journal goes now.
  if (naploTorles(folder)) return true;
  if (hiba) *hiba = QStringLiteral("A mentés naplója (%1) nem törölhető.").arg(kMentesNaploFile);
  return false;
}
