#pragma once
// The new payer pair of a change, written while it is produced: two files under fresh
// temporary names (ujCsereNevek), each through a write buffer of modest size, so that a change
// of a million payers holds neither the new pair nor the old one in memory. csere() puts the
// pair in place by the journalled swap (fizetoParCsere); a pair never handed to it is removed.
//
// The first failure (a file that cannot be created, a short or failed write: a full disk, an
// I/O error, a file size limit) is kept; everything after it is ignored, and csere() then
// removes both files and says why, leaving the stored pair as it was.
#include <QByteArrayView>
#include <QString>

#include <memory>

#include "payerstore/fizetocsere.h"
#include "payerstore/fizetopar.h"

class UjPar {
 public:
  enum Fajl { Nevek, Kozl };

  // Creates both files in `folder`. The hook is asked for CsereLepes::Iras first (tests make
  // the writing fail there).
  explicit UjPar(const QString& folder, const CsereHorog& horog = {});
  ~UjPar();
  UjPar(const UjPar&) = delete;
  UjPar& operator=(const UjPar&) = delete;

  bool ok() const { return hiba_.isEmpty(); }

  // Appends records [first, first + n) of the stored pair's file `honnan`, read by its one
  // reader and copied by the kernel where the file system allows (a shared extent or an
  // in-kernel copy), else through the buffer. Records that cannot be read (or are not there)
  // are a failure, named by the file read.
  void masol(Fajl f, FizetoPar& par, FizetoPar::Fajl honnan, int32_t first, int32_t n);
  // Room for `hossz` bytes (at most a buffer's size) at the end of the file, to be filled before
  // the next call. After a failure it is scratch room that is never written.
  char* hely(Fajl f, int hossz);
  void ir(Fajl f, QByteArrayView b);

  // Writes out what the buffers hold, closes both files and swaps them in (fizetoParCsere).
  // After a failure: removes them, nothing changed.
  CsereEredmeny csere(const CsereHorog& horog = {}, const QString& forras = {});

 private:
  struct Iro;
  // Keeps the first failure; an empty `miert` is a failed write of the new files, for the
  // system's reason `e`.
  void hibas(const QString& miert, const FajlEredmeny& e = {});
  void kiir(Iro& w);
  void torles();
  QString folder_;
  CsereNevek nevek_;
  std::unique_ptr<Iro> iro_[2];
  QString hiba_;
  bool atadva_ = false;  // handed to the swap, which owns the files from then on, or removed
};
