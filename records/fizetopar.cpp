#include "records/fizetopar.h"

#include <QDir>
#include <QFileInfo>

#include "common/recordfile.h"

FizetoPar::FizetoPar(const QString& folder) : folder_(folder), par_(olvasandoPar(folder)) {}

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

int32_t FizetoPar::count() {
  RecordFile* f = fajl(0);
  return f ? f->count() : 0;
}

int32_t FizetoPar::kozlCount() {
  RecordFile* f = fajl(1);
  return f ? f->count() : 0;
}

void FizetoPar::nevek(int32_t n, NevekRekord& r) { decodeRecord(nevekRange(n, 1), r); }

NevekRekord FizetoPar::nevek(int32_t n) {
  NevekRekord r;
  nevek(n, r);
  return r;
}

void FizetoPar::kozl(int32_t n, Kozl3sorRekord& r) { decodeRecord(kozlRange(n, 1), r); }

QByteArray FizetoPar::nevekRange(int32_t first, int32_t n) {
  RecordFile* f = fajl(0);
  return f ? f->readRange(first, n) : QByteArray(qsizetype(n) * NevekRekord::Length, '\0');
}

QByteArray FizetoPar::kozlRange(int32_t first, int32_t n) {
  RecordFile* f = fajl(1);
  return f ? f->readRange(first, n) : QByteArray(qsizetype(n) * Kozl3sorRekord::Length, '\0');
}

QString FizetoPar::nevekPath() {
  RecordFile* f = fajl(0);
  return f ? f->path() : QString();
}
