#pragma once
// Scripted failures of the record files' write-side calls, for as long as the object lives.
// Each step is taken by the next call of its kind (and of its file, when it names one), in
// order: it fails the call with `errnum`, or makes a write a short one of `kurta` bytes. Calls
// that no step waits for run as usual.
#include <QString>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <deque>

#include "common/recordfile.h"

struct FajlHibaLepes {
  FajlHibaLepes(FajlHivas h, int e = 0, qint64 k = -1, QString f = {}) : hivas(h), errnum(e), kurta(k), fajl(std::move(f)) {}
  FajlHivas hivas;
  int errnum;
  qint64 kurta;
  QString fajl;  // empty: any file
};

class FajlHibak {
 public:
  explicit FajlHibak(std::deque<FajlHibaLepes> lepesek)
      : lepesek_(std::move(lepesek)), proba_([this](FajlHivas h, const QString& fajl, qint64& hossz, qint64) {
          if (lepesek_.empty()) return 0;
          const FajlHibaLepes l = lepesek_.front();
          if (l.hivas != h || (!l.fajl.isEmpty() && l.fajl != fajl)) return 0;
          lepesek_.pop_front();
          if (l.kurta >= 0 && l.kurta < hossz) hossz = l.kurta;
          return l.errnum;
        }) {}
  // Steps not taken yet (a test checks that its calls happened).
  size_t hatra() const { return lepesek_.size(); }

 private:
  std::deque<FajlHibaLepes> lepesek_;
  FajlHorogProba proba_;
};

// A bad block of a file, for as long as the object lives: every read of `fajl` that reaches the
// byte at `hol` fails with EIO, as a damaged disk would.
class RosszBlokk {
 public:
  RosszBlokk(QString fajl, qint64 hol)
      : proba_([f = std::move(fajl), hol](FajlHivas h, const QString& nev, qint64& hossz, qint64 at) {
          return h == FajlHivas::Olvasas && nev == f && at <= hol && hol < at + hossz ? EIO : 0;
        }) {}

 private:
  FajlHorogProba proba_;
};

// A disk that goes bad right after a save: once `fajl` was flushed, every read of one record of
// `hossz` bytes from it fails with EIO (reads of several records at once still work).
class RekordOlvasasIrasUtan {
 public:
  RekordOlvasasIrasUtan(QString fajl, qint64 hossz)
      : proba_([this, f = std::move(fajl), hossz](FajlHivas h, const QString& nev, qint64& n, qint64) {
          if (nev != f) return 0;
          if (h == FajlHivas::Szinkron) irva_ = true;
          return irva_ && h == FajlHivas::Olvasas && n == hossz ? EIO : 0;
        }) {}

 private:
  bool irva_ = false;
  FajlHorogProba proba_;
};

// A file-size limit of `hatar` bytes (0: the limit as it is), with SIGXFSZ ignored so that a
// write past it fails with EFBIG, for as long as the object lives.
class MeretKorlat {
 public:
  explicit MeretKorlat(rlim_t hatar) : jel_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &regi_);
    struct rlimit uj = regi_;
    if (hatar) uj.rlim_cur = hatar;
    ok_ = ::setrlimit(RLIMIT_FSIZE, &uj) == 0;
  }
  ~MeretKorlat() {
    ::setrlimit(RLIMIT_FSIZE, &regi_);
    std::signal(SIGXFSZ, jel_);
  }
  MeretKorlat(const MeretKorlat&) = delete;
  MeretKorlat& operator=(const MeretKorlat&) = delete;
  bool ok() const { return ok_; }

 private:
  struct rlimit regi_ {};
  void (*jel_)(int);
  bool ok_ = false;
};
