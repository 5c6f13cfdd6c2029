#include "records/fizetopar.h"

#include <QDir>
#include <QFileInfo>

#include "common/recordfile.h"

#include <algorithm>

namespace {
constexpr int kHossz[2] = {NevekRekord::Length, Kozl3sorRekord::Length};
}

FizetoPar::FizetoPar(const QString& folder) : folder_(folder), par_(olvasandoPar(folder)) {
  if (par_.nevek == kNevekFile && QFileInfo::exists(QDir(folder).filePath(kMentesNaploFile)))
    felbe_ = felbemaradtMentes(folder);
}

FizetoPar::~FizetoPar() = default;

RecordFile* FizetoPar::fajl(int i) {
  const QString& nev = i == 0 ? par_.nevek : par_.kozl;
  if (!f_[i] && !nev.isEmpty()) {
    // A backup is only read: one that is gone meanwhile is not created anew.
    const bool sajat = nev == kNevekFile || nev == kKozl3sorFile;
    if (!sajat && !QFileInfo(QDir(folder_).filePath(nev)).isFile()) return nullptr;
    f_[i] = std::make_unique<RecordFile>(folder_, nev, i == 0 ? NevekRekord::Length : Kozl3sorRekord::Length);
  }
  return f_[i].get();
}

int32_t FizetoPar::darab(int i) {
  RecordFile* f = fajl(i);
  const int32_t n = f ? f->count() : 0;
  // A half-done save may have added a record: the files count as before it.
  return felbe_ ? int32_t(std::min<qint64>(n, felbe_->meret[i] / kHossz[i])) : n;
}

QByteArray FizetoPar::tartomany(int i, int32_t first, int32_t n) {
  RecordFile* f = fajl(i);
  QByteArray b = f ? f->readRange(first, n) : QByteArray(qsizetype(n) * kHossz[i], '\0');
  if (!felbe_) return b;
  // The records of a half-done save as they were: record n's old bytes, none beyond the old end.
  const int32_t regiDb = int32_t(felbe_->meret[i] / kHossz[i]);
  for (int32_t r = std::max(first, std::min(felbe_->n, regiDb + 1)); r < first + n; ++r) {
    if (r != felbe_->n && r <= regiDb) continue;
    char* hely = b.data() + qsizetype(r - first) * kHossz[i];
    std::fill(hely, hely + kHossz[i], '\0');
    if (r == felbe_->n) std::copy(felbe_->regi[i].begin(), felbe_->regi[i].end(), hely);
  }
  return b;
}

int32_t FizetoPar::count() { return darab(0); }

int32_t FizetoPar::kozlCount() { return darab(1); }

void FizetoPar::nevek(int32_t n, NevekRekord& r) { decodeRecord(nevekRange(n, 1), r); }

NevekRekord FizetoPar::nevek(int32_t n) {
  NevekRekord r;
  nevek(n, r);
  return r;
}

void FizetoPar::kozl(int32_t n, Kozl3sorRekord& r) { decodeRecord(kozlRange(n, 1), r); }

QByteArray FizetoPar::nevekRange(int32_t first, int32_t n) { return tartomany(0, first, n); }

QByteArray FizetoPar::kozlRange(int32_t first, int32_t n) { return tartomany(1, first, n); }

QString FizetoPar::nevekPath() {
  RecordFile* f = fajl(0);
  return f ? f->path() : QString();
}
