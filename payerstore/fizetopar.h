#pragma once
// The one reader of the payer pair: every read of payer or notice records (the list load, the
// row click, the prints, the export, the payer dialog, the amounts, the deletion, the import's
// copy of the stored pair) goes through it. The files read are those olvasandoPar names, so an
// unfinished change of the pair is finished first, and while it cannot be, the payers are read
// as they were before it, each with its own notice. A payer whose save stays half done (its undo
// failed) is read as it was before that save, from the save's journal. Each file is opened on
// first use (a missing nevek1.dat or kozl3sor.dat is created empty, as on every opening); a
// backup that names no file reads as no records.
//
// A read that fails is an error, never records of zeros: the reading call fails, and hiba()
// says which file could not be read and why. Only the part of a record beyond the end of a file
// reads as zeros (a trailing partial record, a notice file shorter than the payer file).
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

#include "common/fajlmuvelet.h"
#include "payerstore/fizetocsere.h"
#include "payerstore/fizetomentes.h"
#include "payerstore/nevekrekord.h"

class RecordFile;

class FizetoPar {
 public:
  enum Fajl { Nevek, Kozl };

  explicit FizetoPar(const QString& folder);
  ~FizetoPar();
  FizetoPar(const FizetoPar&) = delete;
  FizetoPar& operator=(const FizetoPar&) = delete;

  // Whole payer records; whole notice records. A failed question is an error (hiba() then says
  // which file and why), never a count of 0.
  [[nodiscard]] Valasz<int32_t> count();
  [[nodiscard]] Valasz<int32_t> kozlCount();
  // Record n into `r`: false, and `r` as it was, when the file could not be read.
  [[nodiscard]] bool nevek(int32_t n, NevekRekord& r);
  [[nodiscard]] bool kozl(int32_t n, Kozl3sorRekord& r);
  // Records [first, first + n) in one go; nothing when they could not be read.
  std::optional<QByteArray> tartomany(Fajl f, int32_t first, int32_t n);

  // Records [first, first + n) of `f` into `ide` (n records long). Once count() or kozlCount()
  // has opened the file, this may be called from several threads at once: it changes nothing
  // of the reader, and a failure is only returned (in `e`, the file's name in `fajl`).
  bool olvas(Fajl f, int32_t first, int32_t n, char* ide, FajlEredmeny& e, QString* fajl = nullptr);

  // Appends records [first, first + n) of `f`, which must lie in the file, to the open file
  // `cel` at its position: by the kernel where the file system allows and no record of them is
  // read from a journal, else through `puffer` (of `meret` bytes). `olvasas` and `iras` get
  // the read's and the write's failure apart.
  void masol(Fajl f, int32_t first, int32_t n, int cel, char* puffer, qint64 meret, FajlEredmeny& olvasas,
             FajlEredmeny& iras);

  // Why the last read failed, in Hungarian ("A(z) nevek1.dat fájl nem olvasható: …."); empty
  // when none did.
  QString hiba() const { return hiba_; }
  // Records a failure that olvas returned (on the thread that owns the reader).
  void hibas(const FajlEredmeny& e, const QString& fajl);
  // Why file `f` cannot be opened (something else than a regular file at its name, no
  // permission): the file's own message; empty when it can, or is missing.
  QString nyitasHiba(Fajl f);
  // The payer file read (its full path); empty when there is none.
  QString nevekPath();

 private:
  RecordFile* fajl(int i);
  Valasz<int32_t> darab(int i);
  // Records of a half-done save in [first, first + n) as they were.
  void foltoz(int i, int32_t first, int32_t n, char* ide) const;

  QString folder_;
  OlvasottPar par_;
  std::optional<MentesNaplo> felbe_;  // a half-done save of a payer in the pair read
  std::optional<FajlEredmeny> naploHiba_;  // that save's journal (or the swap's files) could not be read
  QString naploHibaFajl_ = kMentesNaploFile;
  std::unique_ptr<RecordFile> f_[2];
  FajlEredmeny fajlHiba_[2];  // a backup's question that failed
  QString hiba_;
};
