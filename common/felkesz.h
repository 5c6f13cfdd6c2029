#pragma once
// A file that a user names (an export, a PDF print), written whole or not at all: it is written
// under its name followed by ".felkesz", so that a file left by a program killed midway says
// what it is, then flushed to the disk, renamed to its name and its folder flushed. The first
// failure keeps the system's error of the call that failed and removes the unfinished file at
// once; a file already at the name stays as it was.
#include <QString>

#include "common/fajlmuvelet.h"

inline const QString kFelkeszUtotag = QStringLiteral(".felkesz");

class FelkeszFajl {
 public:
  // Where a failure happened.
  enum class Hol { Letrehozas, Iras, Mappa };

  // A link at `path` is followed: the file it points to is replaced, with its permissions.
  // Something else than a regular file at the name is refused, and so is a file the user may
  // not write. An unfinished file of the same name, left by an earlier run, is removed first.
  // A question about the file that fails is a failure too.
  explicit FelkeszFajl(const QString& path);
  // Removes the unfinished file, unless kesz() put it in place.
  ~FelkeszFajl();
  FelkeszFajl(const FelkeszFajl&) = delete;
  FelkeszFajl& operator=(const FelkeszFajl&) = delete;

  bool ok() const { return hiba_.ok(); }
  const FajlEredmeny& hiba() const { return hiba_; }
  Hol hol() const { return hol_; }
  int fd() const { return fd_; }
  qint64 irva() const { return irva_; }

  // Appends `n` bytes; after a failure it writes nothing.
  bool ir(const char* p, qint64 n);
  // Flushes the file to the disk, closes it and renames it over the name; then flushes the
  // folder. A failure of the folder's flush leaves the new file in place (Hol::Mappa).
  bool kesz();
  // Gives the file up before kesz(): closes it and removes the unfinished file now. False when
  // it stays on the disk (see maradvany()).
  bool elvet();
  // Empty, or the sentence a message adds when the unfinished file could not be removed and is
  // still on the disk.
  QString maradvany() const;

 private:
  bool hibas(Hol hol, const FajlEredmeny& e);
  QString cel_, felkesz_;
  int fd_ = -1;
  qint64 irva_ = 0;
  bool sajat_ = false;   // the unfinished file was created here and is on the disk
  bool helyen_ = false;  // renamed to its name
  FajlEredmeny hiba_, torlesHiba_;
  Hol hol_ = Hol::Letrehozas;
};
