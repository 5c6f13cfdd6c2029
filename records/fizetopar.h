#pragma once
// Reading the payer pair for whatever shows, prints or exports payers: the row click, the list
// load, the list prints, the export, the amounts and label readers. The files read are those
// olvasandoPar names, so an unfinished change of the pair is finished first, and while it
// cannot be, the payers are read as they were before it, each with its own notice. Each file
// is opened on first use (a missing nevek1.dat or kozl3sor.dat is created empty, as on every
// opening); a backup that names no file reads as no records. A payer whose save stays half
// done (its undo failed) is read as it was before that save, from the save's journal.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

#include "records/fizetocsere.h"
#include "records/fizetomentes.h"
#include "records/nevekrekord.h"

class RecordFile;

class FizetoPar {
 public:
  explicit FizetoPar(const QString& folder);
  ~FizetoPar();
  FizetoPar(const FizetoPar&) = delete;
  FizetoPar& operator=(const FizetoPar&) = delete;

  // Whole payer records; whole notice records.
  int32_t count();
  int32_t kozlCount();
  // Records n: zeros (blank texts, amounts 0) beyond the end of a file.
  void nevek(int32_t n, NevekRekord& r);
  NevekRekord nevek(int32_t n);
  void kozl(int32_t n, Kozl3sorRekord& r);
  // Records [first, first + n) in one go; zeros beyond the end.
  QByteArray nevekRange(int32_t first, int32_t n);
  QByteArray kozlRange(int32_t first, int32_t n);
  // The payer file read (its full path); empty when there is none.
  QString nevekPath();

 private:
  RecordFile* fajl(int i);
  int32_t darab(int i);
  QByteArray tartomany(int i, int32_t first, int32_t n);

  QString folder_;
  OlvasottPar par_;
  std::optional<MentesNaplo> felbe_;  // a half-done save of a payer in the pair read
  std::unique_ptr<RecordFile> f_[2];
};
