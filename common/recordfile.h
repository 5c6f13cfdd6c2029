#pragma once
// Files of fixed-length records in the program folder. Record numbers count from 1; the
// record count is the file length divided by the record length (a trailing partial record
// is ignored). A missing file is created empty when opened.
//
// A record file is opened without blocking and used only when it is a regular file: a FIFO, a
// device or a folder at its name is a damaged file, neither read (it reads as zeros) nor
// written nor replaced. Writes go straight to the system (no buffer that a later close could
// still write), so what a write reports is what the file holds.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

#include "common/fields.h"

// Full path of a record file in the program folder. File names are matched without regard to
// case, so "set.dat" finds an existing "Set.dat" (files copied from a case-blind system).
QString dataPath(const QString& folder, const QString& name);

// What stands at `path` (links followed) when it is there but is no regular file: "mappa",
// "FIFO", "eszközfájl", ...; empty for a regular file and for a missing one.
QString nemFajlFajta(const QString& path);

// Opens `path` with the open(2) `flags` (O_CREAT creates a missing file) without blocking and
// without making it the controlling terminal, and keeps it only when it is a regular file.
// Returns the descriptor, or -1: `errnum` then holds the system's error, or 0 when something
// else than a regular file stands at the name (`fajta` names it).
struct NyitasHiba {
  int errnum = 0;
  QString fajta;
};
int regularisNyitas(const QString& path, int flags, NyitasHiba* hiba = nullptr);

// Writes all `n` bytes of `p` to `fd`, at offset `at` (or at the file's position when `at` is
// negative), going on after a short write or a signal. 0, or the system's error (EIO for a
// write that wrote nothing).
int mindIras(int fd, const char* p, qint64 n, qint64 at = -1);

// Writes `bytes` as the whole content of the regular file `path` (opened as regularisNyitas
// opens, write-only and created when missing, with `flags` such as O_EXCL or O_TRUNC) and
// flushes it to the disk. 0, or the system's error; EEXIST also for something else than a
// regular file at the name. The caller removes what a failed write leaves.
int fajlIras(const QString& path, const QByteArray& bytes, int flags);

// Up to `max` bytes from the start of a regular file, opened as above and never created;
// empty for a missing file or anything else.
QByteArray regularisOlvasas(const QString& path, qint64 max);

// Test hook: called before each write-side system call of a record file (a write, a flush to
// the disk, a change of length), with the file's name. It returns 0 to let the call run or an
// errno value to make it fail as the system would; for a write it may lower `hossz`, which
// makes the call a short write of that many bytes. Installed for the life of a FajlHorogProba.
enum class FajlHivas { Iras, Szinkron, Meretezes };
using FajlHorog = std::function<int(FajlHivas, const QString& fajl, qint64& hossz)>;
class FajlHorogProba {
 public:
  explicit FajlHorogProba(FajlHorog horog);
  ~FajlHorogProba();
  FajlHorogProba(const FajlHorogProba&) = delete;
  FajlHorogProba& operator=(const FajlHorogProba&) = delete;
};

// What a save left on the disk.
enum class MentesAllapot {
  Kesz,         // the new record is written and flushed to the disk
  Elmaradt,     // the file holds what it held before
  Bizonytalan,  // the file holds the new record, but the disk reported an error flushing it
  Felbemaradt,  // the file holds part of the new record: it may be damaged
};
struct MentesEredmeny {
  MentesAllapot allapot = MentesAllapot::Kesz;
  QString fajl;  // the file's name
  QString ok;    // the reason in Hungarian; empty where none is known
  operator bool() const { return allapot == MentesAllapot::Kesz; }
  // The file holds the new record (flushed or not): the in-memory copy follows it.
  bool ujLemezen() const { return allapot == MentesAllapot::Kesz || allapot == MentesAllapot::Bizonytalan; }
};
// The message of a save that is not Kesz: `nemMentve` is the caller's sentence for a file left
// as it was (Elmaradt); the other outcomes are said in their own words about `mi` (what the
// save holds, for example "a beállítások"). The reason follows on a line of its own.
QString mentesUzenet(const MentesEredmeny& e, const QString& nemMentve, const QString& mi);

class RecordFile {
 public:
  RecordFile(const QString& folder, const QString& name, int recordLength);
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  // False when the file could be neither opened nor created, or is no regular file; reads
  // then give zeros.
  bool isOpen() const { return fd_ >= 0; }
  bool isWritable() const { return writable_; }
  // Something other than a regular file stands at the name ("mappa", "FIFO", ...), or empty.
  QString nemFajl() const { return nemFajl_; }
  QString path() const { return path_; }
  QString errorText() const { return error_; }

  int32_t count() const;
  // Bytes of record n; the part beyond the end of the file reads as zeros.
  QByteArray readBytes(int32_t n);
  // Writes record n (extending the file when n is count + 1); false on failure, when the
  // record's old bytes (or the old length) are put back as far as the system lets.
  bool writeBytes(int32_t n, const QByteArray& bytes);
  bool appendBytes(const QByteArray& bytes) { return writeBytes(count() + 1, bytes); }
  // Writes record n and flushes it to the disk. On any failure the old bytes are put back and
  // flushed; the result says what the file holds then.
  MentesEredmeny writeDurable(int32_t n, const QByteArray& bytes);
  // Reads records [first, first + n) in one go (fast list loading); zeros beyond the end.
  QByteArray readRange(int32_t first, int32_t n);
  // Flushes what was written to the disk; false (and the reason in errorText) on failure.
  bool flush();
  void close();

  template <class R>
  void read(int32_t n, R& r) {
    decodeRecord(readBytes(n), r);
  }
  template <class R>
  R read(int32_t n) {
    R r{};
    read(n, r);
    return r;
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
  Regi regi(qint64 at);
  int iras(qint64 at, const QByteArray& bytes);
  int visszaallitas(qint64 at, const Regi& r);
  int szinkron();

  int fd_ = -1;
  QString path_, name_;
  int len_;
  bool writable_ = false;
  int openErrno_ = 0;  // why the file could not be opened for writing
  QString nemFajl_;
  QString error_;
};

// Settings files use record 1 only. Loading ignores errors (a missing or short file reads as
// zeros); saving says what reached the disk.
template <class R>
void loadSettings(const QString& folder, const QString& name, R& r) {
  RecordFile f(folder, name, R::Length);
  f.read(1, r);
}
template <class R>
MentesEredmeny saveSettings(const QString& folder, const QString& name, const R& r) {
  RecordFile f(folder, name, R::Length);
  return f.writeDurable(1, encodeRecord(r));
}

// Read-modify-write of a settings record: reads record 1 into `r`, lets `change` set the
// caller's own fields, writes record 1 back. Fields owned by others keep their bytes.
template <class R, class Change>
MentesEredmeny modifySettings(const QString& folder, const QString& name, R& r, Change change) {
  RecordFile f(folder, name, R::Length);
  f.read(1, r);
  change(r);
  return f.writeDurable(1, encodeRecord(r));
}

// Removes record n of a list file: the other records, in order, are copied into the temporary
// file (started empty), which is flushed and then replaces the list file by one rename. On any
// failure the list file stays as it was, the temporary file is removed, and the reason is
// returned in `error` (Hungarian, for a message box).
bool deleteRecord(const QString& folder, const QString& name, const QString& tempName,
                  int recordLength, int32_t n, QString* error = nullptr);
