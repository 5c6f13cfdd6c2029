#pragma once
// The file operations every writer and reader of the program's files goes through: open a
// regular file without blocking, read, write whole, flush a file, flush a folder, rename,
// remove. Each reports its outcome in one type, FajlEredmeny, whose Hungarian reason the
// messages show. A change counts as durable only once its file and its folder are flushed.
#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The outcome of a file operation: the system's error, or what else than a regular file stands
// at the name. Both empty: it worked.
struct FajlEredmeny {
  int errnum = 0;
  QString fajta;  // "mappa", "FIFO", "eszközfájl", ...
  bool ok() const { return errnum == 0 && fajta.isEmpty(); }
  explicit operator bool() const { return ok(); }
  // The reason in Hungarian, without a closing full stop; empty when it worked.
  QString miert() const;
  static FajlEredmeny hiba(int errnum) { return {errnum, {}}; }
  // The message of a read of file `fajl` that failed so: "A(z) … fájl nem olvasható: …."
  QString nemOlvashato(const QString& fajl) const;
};

// A path as the system takes it.
QByteArray fajlUt(const QString& path);

// What stands at `path` (links followed) when it is there but is no regular file: "mappa",
// "FIFO", "eszközfájl", ...; empty for a regular file and for a missing one.
QString nemFajlFajta(const QString& path);

// Opens `path` with the open(2) `flags` (O_CREAT creates a missing file) without blocking and
// without making it the controlling terminal, and keeps it only when it is a regular file.
// Returns the descriptor, or -1 with the reason in `e`.
int regularisNyitas(const QString& path, int flags, FajlEredmeny* e = nullptr);

// The calls on an open file below name it to the test hook as `nev` (with its full path `ut`,
// where known); without a name, as the system names the descriptor's file at the call.

// Reads up to `n` bytes at offset `at` into `p`, going on after a short read or a signal; the
// end of the file ends it early. `olvasott` gets the bytes read. A failed read is an error,
// never bytes of zeros.
FajlEredmeny mindOlvasas(int fd, char* p, qint64 n, qint64 at, qint64& olvasott, const QString& nev);

// Writes all `n` bytes of `p` to `fd`, at offset `at` (or at the file's position when `at` is
// negative), going on after a short write or a signal (EIO for a write that wrote nothing).
FajlEredmeny mindIras(int fd, const char* p, qint64 n, qint64 at = -1, const QString& nev = {},
                      const QString& ut = {});

// Flushes a file's contents to the disk: an open one, or one by its path.
FajlEredmeny fajlSzinkron(int fd, const QString& nev = {}, const QString& ut = {});
FajlEredmeny fajlSzinkron(const QString& path);
// Makes a folder's entries (created, renamed, removed files) durable.
FajlEredmeny mappaSzinkron(const QString& folder);

FajlEredmeny atnevezes(const QString& from, const QString& to);
// Removes a file; one that is not there is no error.
FajlEredmeny torles(const QString& path);
// A second name `to` (which must not exist) for the file `from`.
FajlEredmeny linkeles(const QString& from, const QString& to);
// Sets the length of an open file (cuts it, or extends it with zeros).
FajlEredmeny meretezes(int fd, qint64 hossz, const QString& nev = {}, const QString& ut = {});

// Writes `bytes` as the whole content of the regular file `path` (opened as regularisNyitas
// opens, write-only and created when missing, with `flags` such as O_EXCL or O_TRUNC) and
// flushes it to the disk. EEXIST also for something else than a regular file at the name. The
// caller removes what a failed write leaves.
FajlEredmeny fajlIras(const QString& path, const QByteArray& bytes, int flags);

// Writes a small journal whole and makes it durable, with its folder entry. `uj`: the file must
// not exist yet. On failure a file it created is removed.
FajlEredmeny naploIras(const QString& path, const QByteArray& tartalom, bool uj);

// Up to `max` bytes from the start of a regular file, opened as above and never created. An
// empty array for a missing file; nothing for anything else than a regular file or a file that
// could not be read (`e` says why).
std::optional<QByteArray> regularisOlvasas(const QString& path, qint64 max, FajlEredmeny* e = nullptr);

// At start-up: a write past a file-size limit (a quota, an administrator's `ulimit -f`) fails
// with EFBIG, which its writer reports ("A fájl túl nagy"), instead of ending the program by
// SIGXFSZ without a word.
void fajlMeretKorlatHibakent();

// Test hook: called before each system call that reads or changes a file or a folder (a read,
// a write, a flush to the disk, a change of length, a folder flush, and the name changes: a
// file created, renamed, removed or linked), with the file's (or the folder's) name: for a
// rename and a link the new name. It returns 0 to let the call run or an errno value to make
// it fail as the system would; for a write it may lower `hossz`, which makes the call a short
// write of that many bytes. `hol`: the offset a read or write starts at (-1 for the other
// calls). fajlHorogUt() gives the full path during the call, where it is known. Installed for
// the life of a FajlHorogProba.
enum class FajlHivas { Iras, Szinkron, Meretezes, Olvasas, MappaSzinkron, Letrehozas, Atnevezes, Torles, Linkeles };
using FajlHorog = std::function<int(FajlHivas, const QString& fajl, qint64& hossz, qint64 hol)>;
class FajlHorogProba {
 public:
  explicit FajlHorogProba(FajlHorog horog);
  ~FajlHorogProba();
  FajlHorogProba(const FajlHorogProba&) = delete;
  FajlHorogProba& operator=(const FajlHorogProba&) = delete;
};
// Runs the test hook, if any: 0 lets the call go on. `ut`: the full path, when known.
int fajlHorog(FajlHivas hivas, const QString& nev, qint64& hossz, qint64 hol = -1, const QString& ut = {});
// The same for an open file, named by its descriptor.
int fajlHorogFd(FajlHivas hivas, int fd, qint64& hossz, qint64 hol = -1);
// The full path of the file or folder of the hook's call in progress (empty: not known).
QString fajlHorogUt();
