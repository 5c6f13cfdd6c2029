#pragma once
// The file operations every writer and reader of the program's files goes through: open a
// regular file without blocking, read, write whole, flush a file, flush a folder, rename,
// remove. Each reports its outcome in one type, FajlEredmeny, whose Hungarian reason the
// messages show. A change counts as durable only once its file and its folder are flushed.
#include <QByteArray>
#include <QList>
#include <QString>

#include <cerrno>
#include <functional>
#include <optional>
#include <utility>

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

// What a question about a file found: whether something stands at the name, its kind, length,
// identity (device and inode: which file it is, for comparing two names at one time) and links.
struct FajlAdat {
  bool van = false;  // something stands at the name (for an open file: always)
  unsigned mod = 0;  // st_mode
  qint64 meret = 0;
  quint64 eszkoz = 0, inode = 0, linkek = 0;
  qint64 ido = 0;  // last change of the contents, in nanoseconds
  bool regularis() const;
  bool mappa() const;
  bool link() const;
  // "mappa", "FIFO", "eszközfájl", ... for something else than a regular file; empty for a
  // regular file and for nothing at the name.
  QString fajta() const;
  // The same file as `o` (both there).
  bool azonos(const FajlAdat& o) const { return van && o.van && eszkoz == o.eszkoz && inode == o.inode; }
};

// The answer to a question about a file. A question is a read: when it fails, the answer is
// that error and holds no value, so a failed query can never be taken for an empty or a
// missing file.
template <class T>
class [[nodiscard]] Valasz {
 public:
  Valasz(T v) : v_(std::move(v)) {}  // NOLINT: a value is an answer
  Valasz(FajlEredmeny e) : e_(std::move(e)) {
    if (e_.ok()) e_ = FajlEredmeny::hiba(EIO);  // an error must be one
  }
  bool ok() const { return e_.ok(); }
  explicit operator bool() const { return ok(); }
  // The value; only for an answer that is ok().
  const T& operator*() const { return v_; }
  const T* operator->() const { return &v_; }
  const FajlEredmeny& hiba() const { return e_; }

 private:
  T v_{};
  FajlEredmeny e_;
};

// What stands at `path`: links followed, or (`kovet` false) the link itself. Nothing at the name
// is an answer (van false); any other failure of the question is its error.
[[nodiscard]] Valasz<FajlAdat> fajlAdat(const QString& path, bool kovet = true);
// The same for an open file (named to the hook as `nev`, with its path `ut`, where known).
[[nodiscard]] Valasz<FajlAdat> fajlAdat(int fd, const QString& nev = {}, const QString& ut = {});
// Whether anything stands at `path` (a link counts, also a dangling one).
[[nodiscard]] Valasz<bool> vanNeven(const QString& path);

// The names of the entries of the folder `path` (without "." and ".."), as the system gives
// them: a name need not be valid UTF-8. A question about the folder (Lekerdezes): a failure is
// its error.
[[nodiscard]] Valasz<QList<QByteArray>> mappaNevek(const QString& path);

// What stands at `path` (links followed) when it is there but is no regular file: "mappa",
// "FIFO", "eszközfájl", ...; empty for a regular file and for a missing one. A failed question
// is its error.
[[nodiscard]] Valasz<QString> nemFajlFajta(const QString& path);

// Whether this process may write at `path` (access(2) W_OK): create files in a folder, change a
// file. A refusal (EACCES, EROFS, ETXTBSY) is the answer false, its error in `miert`; any other
// failure, nothing at the name too, is the question's error.
[[nodiscard]] Valasz<bool> irhato(const QString& path, int* miert = nullptr);

// What the symbolic link at `path` holds: the name it points to, as written in the link.
[[nodiscard]] Valasz<QString> linkTartalom(const QString& path);

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
// Renames only where nothing stands at `to` (EEXIST otherwise); EINVAL or ENOSYS where the file
// system cannot promise that.
FajlEredmeny atnevezesHaSzabad(const QString& from, const QString& to);
// Removes a file; one that is not there is no error.
FajlEredmeny torles(const QString& path);
// A second name `to` (which must not exist) for the file `from`.
FajlEredmeny linkeles(const QString& from, const QString& to);
// A copy of the regular file `from` under the new name `to` (which must not exist), flushed to
// the disk; on failure the copy is removed.
FajlEredmeny fajlMasolas(const QString& from, const QString& to);
// Whether the regular files `a` and `b`, both `meret` bytes long, hold the same bytes; read in
// blocks, so memory stays small whatever their size. A failed opening or read is its error;
// `hibas` then tells which file it was (0: `a`, 1: `b`).
[[nodiscard]] Valasz<bool> azonosTartalom(const QString& a, const QString& b, qint64 meret, int* hibas = nullptr);
// Creates a folder (EEXIST where something stands at the name).
FajlEredmeny mappaLetrehozas(const QString& path);
// Takes an exclusive lock of the whole open file without waiting (flock), held until the
// descriptor is closed. EWOULDBLOCK: another process holds it.
FajlEredmeny kizaroZar(int fd, const QString& nev = {}, const QString& ut = {});
// Sets the permission bits (07777) of an open file.
FajlEredmeny jogBeallitas(int fd, unsigned mod, const QString& nev = {}, const QString& ut = {});
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
// A question about a file (Lekerdezes), the opening of an existing file (Nyitas) and a lock
// (Zarolas, whose `hossz` carries the descriptor's open flags, O_ACCMODE and the rest, so that a
// test can hold a lock to the rules of a network file system) count as reads; a change of
// permissions (Jogok) as a change.
enum class FajlHivas {
  Iras, Szinkron, Meretezes, Olvasas, MappaSzinkron, Letrehozas, Atnevezes, Torles, Linkeles,
  Lekerdezes, Nyitas, Zarolas, Jogok,
};
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
// True for the calls that only read (reads, queries, openings of existing files, locks).
bool olvasoHivas(FajlHivas h);

// Test seam beside the hook: sees (and may change) every answer of fajlAdat, as a disk that got
// another device number at the next boot would give it. Installed for the life of the object.
using FajlAdatHorog = std::function<void(FajlAdat&)>;
class FajlAdatProba {
 public:
  explicit FajlAdatProba(FajlAdatHorog horog);
  ~FajlAdatProba();
  FajlAdatProba(const FajlAdatProba&) = delete;
  FajlAdatProba& operator=(const FajlAdatProba&) = delete;
};
