#pragma once
// Files of fixed-length records in the program folder. Record numbers count from 1; the
// record count is the file length divided by the record length (a trailing partial record
// is ignored). A missing file is created empty when opened.
//
// A record file is opened without blocking and used only when it is a regular file: a FIFO, a
// device or a folder at its name is a damaged file, neither read nor written nor replaced.
// A read that fails is an error, never bytes of zeros; only the part of a record beyond the end
// of the file (and a missing file) reads as zeros. Writes go straight to the system (no buffer
// that a later close could still write), so what a write reports is what the file holds; a
// write whose record's old bytes cannot be read first writes nothing.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

#include "common/fajlmuvelet.h"
#include "common/fields.h"
#include "common/naplo.h"

// Full path of a record file in the program folder. File names are matched without regard to
// case, so "set.dat" finds an existing "Set.dat" (files copied from a case-blind system).
QString dataPath(const QString& folder, const QString& name);

// What a save left on the disk.
enum class MentesAllapot {
  Kesz,         // the new record is written and flushed to the disk
  Valtozatlan,  // the file holds what it held before
  Bizonytalan,  // the file holds the new record, but the disk reported an error flushing it
  Reszben,      // the file holds part of the new record: it may be damaged
};
struct MentesEredmeny {
  MentesAllapot allapot = MentesAllapot::Kesz;
  QString fajl;  // the file's name
  QString ok;    // the reason in Hungarian; empty where none is known
  // Nothing was written because the file could not be read (Valtozatlan).
  bool olvasasi = false;
  operator bool() const { return allapot == MentesAllapot::Kesz; }
  // The file holds the new record (flushed or not): the in-memory copy follows it.
  bool ujLemezen() const { return allapot == MentesAllapot::Kesz || allapot == MentesAllapot::Bizonytalan; }
};
// The message of a save that is not Kesz: `nemMentve` is the caller's sentence for a file left
// as it was (Valtozatlan); a file that could not be read and the other outcomes are said in
// their own words about `mi` (what the save holds, for example "a beállítások"). The reason
// follows on a line of its own.
QString mentesUzenet(const MentesEredmeny& e, const QString& nemMentve, const QString& mi);

// A change in place of a record file (writeDurable) is all or nothing, also under a power loss:
// before the record is written, its journal beside the file ("Set.dat-regi.naplo", common/naplo.h)
// holds the old and the new bytes and is flushed with its folder entry; the record is written
// and flushed; the journal is removed and the folder flushed. A journal that remains is rolled
// back at the next start and whenever the file is opened before; while it cannot be, the file is
// neither read nor written.

class RecordFile {
 public:
  RecordFile(const QString& folder, const QString& name, int recordLength);
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // False when the file could be neither opened nor created, or is no regular file; reads
  // then fail, except of a missing file, which holds no records.
  bool isOpen() const { return fd_ >= 0; }
  bool isWritable() const { return writable_; }
  // Something other than a regular file stands at the name ("mappa", "FIFO", ...), or empty.
  QString nemFajl() const { return nemFajl_; }
  QString path() const { return path_; }
  // The open descriptor (-1 for none), for reads of several records at once.
  int handle() const { return fd_; }
  // Why the file could not be opened, when that makes it unreadable (a missing file is none).
  const FajlEredmeny& nyitasHiba() const { return nyitas_; }
  QString errorText() const { return error_; }
  // Why the last read failed, in Hungarian ("A(z) Set.dat fájl nem olvasható: …."); empty
  // when none did.
  QString olvasasHiba() const { return olvasasHiba_; }
  const FajlEredmeny& olvasasEredmeny() const { return olvasas_; }

  // Whole records in the file (none for a missing file); the question's failure is an error,
  // never a count of 0.
  [[nodiscard]] Valasz<int32_t> count() const;
  // Bytes of record n; the part beyond the end of the file reads as zeros. Nothing when the
  // file could not be read (olvasasHiba says why).
  std::optional<QByteArray> readBytes(int32_t n);
  // Writes record n (extending the file when n is count + 1); false on failure, when the
  // record's old bytes (or the old length) are put back as far as the system lets.
  bool writeBytes(int32_t n, const QByteArray& bytes);
  bool appendBytes(const QByteArray& bytes);
  // Writes record n and flushes it to the disk. On any failure the old bytes are put back and
  // flushed; the result says what the file holds then.
  MentesEredmeny writeDurable(int32_t n, const QByteArray& bytes);
  // Reads records [first, first + n) in one go; zeros beyond the end, nothing when the file
  // could not be read.
  std::optional<QByteArray> readRange(int32_t first, int32_t n);
  // Records [first, first + n) into `ide` (n records long), as readRange reads them. It changes
  // nothing of this object, so several threads may read at once; a failure is only returned.
  // `nev` names the file to the file hook (empty: the name it was opened by).
  FajlEredmeny olvasas(int32_t first, int32_t n, char* ide, const QString& nev = {}) const;
  // Flushes what was written to the disk; false (and the reason in errorText) on failure.
  bool flush();
  void close();

  // Record n into `r`; false, and `r` as it was, when the file could not be read.
  template <class R>
  [[nodiscard]] bool read(int32_t n, R& r) {
    const std::optional<QByteArray> b = readBytes(n);
    if (!b) return false;
    decodeRecord(*b, r);
    return true;
  }
  template <class R>
  bool write(int32_t n, const R& r) {
    return writeBytes(n, encodeRecord(r));
  }
  template <class R>
  bool append(const R& r) {
    return appendBytes(encodeRecord(r));
  }

 private:
  struct Regi {  // a record's place before a write: the file's length and the bytes there
    qint64 meret = 0;
    QByteArray bajtok;
  };
  std::optional<Regi> regi(qint64 at);
  int iras(qint64 at, const QByteArray& bytes);
  int visszaallitas(qint64 at, const Regi& r);
  int szinkron();
  void olvasasiHiba(const FajlEredmeny& e) const;
  QString naploPath() const;

  int fd_ = -1;
  QString path_, name_;
  int len_;
  bool writable_ = false;
  int openErrno_ = 0;  // why the file could not be opened for writing
  QString nemFajl_;
  // A failed question (count) is said as a failed read: it sets these too.
  mutable QString error_;
  mutable QString olvasasHiba_;
  mutable FajlEredmeny olvasas_;
  FajlEredmeny nyitas_;  // why the file could not be opened at all
};

// Settings files use record 1 only. A missing or short file reads as zeros; a file that cannot
// be read leaves `r` as it was and gives false (`hiba`, if given, says why); saving says what
// reached the disk.
template <class R>
[[nodiscard]] bool loadSettings(const QString& folder, const QString& name, R& r, QString* hiba = nullptr) {
  RecordFile f(folder, name, R::Length);
  const bool ok = f.read(1, r);
  if (!ok && hiba) *hiba = f.olvasasHiba();
  return ok;
}
template <class R>
MentesEredmeny saveSettings(const QString& folder, const QString& name, const R& r) {
  RecordFile f(folder, name, R::Length);
  return f.writeDurable(1, encodeRecord(r));
}

// Read-modify-write of a settings record: reads record 1 into `r`, lets `change` set the
// caller's own fields, writes record 1 back. Fields owned by others keep their bytes. A file
// that cannot be read is not written: `r` stays as it was, and the result says why.
MentesEredmeny olvasasNelkul(const RecordFile& f, const QString& name);
template <class R, class Change>
MentesEredmeny modifySettings(const QString& folder, const QString& name, R& r, Change change) {
  RecordFile f(folder, name, R::Length);
  // A file that cannot be written at all is said as such by the write below.
  if (f.isWritable() && !f.read(1, r)) return olvasasNelkul(f, name);
  change(r);
  return f.writeDurable(1, encodeRecord(r));
}

// Removes record n of a list file: the other records, in order, are copied into the temporary
// file (started empty), which is flushed and then replaces the list file by one rename. On any
// failure the list file stays as it was, the temporary file is removed, and the reason is
// returned in `error` (Hungarian, for a message box); only when the folder cannot be flushed
// after the rename is the record removed, though perhaps not durably.
bool deleteRecord(const QString& folder, const QString& name, const QString& tempName,
                  int recordLength, int32_t n, QString* error = nullptr);
