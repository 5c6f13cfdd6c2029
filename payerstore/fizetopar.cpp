#include "payerstore/fizetopar.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

#include "common/recordfile.h"

namespace {
constexpr int kHossz[2] = {NevekRekord::Length, Kozl3sorRekord::Length};
}

FizetoPar::FizetoPar(const QString& folder) : folder_(folder), par_(olvasandoPar(folder)) {
  const Valasz<bool> mentesNaplo = vanNeven(QDir(folder).filePath(kMentesNaploFile));
  // A save's journal that cannot even be looked for is read as one that cannot be read.
  if (!mentesNaplo && par_.nevek == kNevekFile) naploHiba_ = mentesNaplo.hiba();
  if (!par_.hiba.ok()) {
    naploHiba_ = par_.hiba;
    naploHibaFajl_ = kCsereNaploFile;
  }
  if (par_.nevek == kNevekFile && mentesNaplo && *mentesNaplo) {
    FajlEredmeny e;
    felbe_ = felbemaradtMentes(folder, &e);
    // Without its journal a half-done save cannot be read as it was: nothing is read.
    if (!e) naploHiba_ = e;
  }
}

FizetoPar::~FizetoPar() = default;

RecordFile* FizetoPar::fajl(int i) {
  const QString& nev = i == 0 ? par_.nevek : par_.kozl;
  if (!f_[i] && !nev.isEmpty()) {
    // A backup is only read: one that is gone meanwhile is not created anew.
    const bool sajat = nev == kNevekFile || nev == kKozl3sorFile;
    if (!sajat) {
      const Valasz<FajlAdat> a = fajlAdat(QDir(folder_).filePath(nev));
      fajlHiba_[i] = a ? FajlEredmeny{} : a.hiba();
      if (!a || !a->regularis()) return nullptr;
    }
    f_[i] = std::make_unique<RecordFile>(folder_, nev, kHossz[i]);
  }
  return f_[i].get();
}

Valasz<int32_t> FizetoPar::darab(int i) {
  RecordFile* f = fajl(i);
  if (!f) {
    if (!fajlHiba_[i].ok()) hibas(fajlHiba_[i], i == 0 ? par_.nevek : par_.kozl);
    return fajlHiba_[i].ok() ? Valasz<int32_t>(int32_t(0)) : Valasz<int32_t>(fajlHiba_[i]);
  }
  const Valasz<int32_t> n = f->count();
  if (!n) {
    hibas(n.hiba(), QFileInfo(f->path()).fileName());
    return n.hiba();
  }
  // A half-done save may have added a record: the files count as before it.
  return felbe_ ? int32_t(std::min<qint64>(*n, felbe_->meret[i] / kHossz[i])) : *n;
}

Valasz<int32_t> FizetoPar::count() { return darab(0); }

Valasz<int32_t> FizetoPar::kozlCount() { return darab(1); }

void FizetoPar::hibas(const FajlEredmeny& e, const QString& fajl) {
  hiba_ = e.nemOlvashato(fajl);
}

void FizetoPar::foltoz(int i, int32_t first, int32_t n, char* ide) const {
  if (!felbe_) return;
  // Record n's old bytes, none beyond the old end.
  const int32_t regiDb = int32_t(felbe_->meret[i] / kHossz[i]);
  for (int32_t r = std::max(first, std::min(felbe_->n, regiDb + 1)); r < first + n; ++r) {
    if (r != felbe_->n && r <= regiDb) continue;
    char* hely = ide + qsizetype(r - first) * kHossz[i];
    std::fill(hely, hely + kHossz[i], '\0');
    if (r == felbe_->n) std::copy(felbe_->regi[i].begin(), felbe_->regi[i].end(), hely);
  }
}

bool FizetoPar::olvas(Fajl f, int32_t first, int32_t n, char* ide, FajlEredmeny& e, QString* nev) {
  const int i = f;
  e = {};
  if (naploHiba_) {
    e = *naploHiba_;
    if (nev) *nev = naploHibaFajl_;
    return false;
  }
  const RecordFile* rf = f_[i].get();
  if (first >= 1 && n > 0 && rf) {
    const QString neve = QFileInfo(rf->path()).fileName();
    if (nev) *nev = neve;
    if (e = rf->olvasas(first, n, ide, neve); !e) return false;
  } else {
    std::fill(ide, ide + qint64(std::max(n, 0)) * kHossz[i], '\0');
  }
  foltoz(i, first, n, ide);
  return true;
}

std::optional<QByteArray> FizetoPar::tartomany(Fajl f, int32_t first, int32_t n) {
  fajl(f);
  QByteArray b(qsizetype(std::max(n, 0)) * kHossz[f], Qt::Uninitialized);
  FajlEredmeny e;
  QString nev;
  if (!olvas(f, first, n, b.data(), e, &nev)) {
    hibas(e, nev);
    return std::nullopt;
  }
  return b;
}

bool FizetoPar::nevek(int32_t n, NevekRekord& r) {
  const std::optional<QByteArray> b = tartomany(Nevek, n, 1);
  if (b) decodeRecord(*b, r);
  return b.has_value();
}

bool FizetoPar::kozl(int32_t n, Kozl3sorRekord& r) {
  const std::optional<QByteArray> b = tartomany(Kozl, n, 1);
  if (b) decodeRecord(*b, r);
  return b.has_value();
}

void FizetoPar::masol(Fajl f, int32_t first, int32_t n, int cel, char* puffer, qint64 meret, FajlEredmeny& olvasas,
                      FajlEredmeny& iras) {
  olvasas = iras = {};
  if (n <= 0) return;
  const int i = f;
  RecordFile* rf = fajl(i);
  const QString nev = rf ? QFileInfo(rf->path()).fileName() : QString();
  auto hibasOlvasas = [&](const FajlEredmeny& e) {
    olvasas = e;
    hibas(e, nev);
  };
  if (naploHiba_) {
    olvasas = *naploHiba_;
    hibas(olvasas, naploHibaFajl_);
    return;
  }
  const Valasz<int32_t> db = darab(i);
  if (!db) return hibasOlvasas(db.hiba());
  if (!rf || !rf->isOpen() || qint64(*db) < qint64(first) + n - 1)
    return hibasOlvasas(rf && !rf->isOpen() && !rf->nyitasHiba() ? rf->nyitasHiba() : FajlEredmeny::hiba(ENODATA));
  const qint64 hossz = qint64(n) * kHossz[i];
  loff_t honnan = qint64(first - 1) * kHossz[i];
  const loff_t vege = honnan + hossz;
  // The kernel copies only where no record is read from a save's journal.
  bool kernel = !felbe_;
  while (honnan < vege) {
    if (kernel) {
      qint64 h = vege - honnan;
      if (const int hiba = fajlHorog(FajlHivas::Olvasas, nev, h, honnan)) return hibasOlvasas(FajlEredmeny::hiba(hiba));
      // The output file's own position moves along, so later writes continue after it.
      const ssize_t k = ::copy_file_range(rf->handle(), &honnan, cel, nullptr, size_t(std::min<qint64>(h, qint64(1) << 30)), 0);
      if (k > 0) continue;
      if (k < 0 && errno == EINTR) continue;
      // Not offered here, or an error: the rest goes through the buffer, which tells a failed
      // read from a failed write.
      kernel = false;
      continue;
    }
    // Whole records at a time: with a journal's records (put in as they were) the copy is on
    // record boundaries from its start; after a kernel copy stopped anywhere, any bytes do.
    const qint64 kell = std::min<qint64>(vege - honnan, std::max<qint64>(meret / kHossz[i], 1) * kHossz[i]);
    qint64 olvasott = 0;
    if (const FajlEredmeny e = mindOlvasas(rf->handle(), puffer, kell, honnan, olvasott, nev); !e) return hibasOlvasas(e);
    if (olvasott < kell) return hibasOlvasas(FajlEredmeny::hiba(ENODATA));
    if (felbe_) foltoz(i, int32_t(honnan / kHossz[i]) + 1, int32_t(kell / kHossz[i]), puffer);
    if (const FajlEredmeny e = mindIras(cel, puffer, kell); !e) {
      iras = e;
      return;
    }
    honnan += kell;
  }
}

QString FizetoPar::nyitasHiba(Fajl f) {
  const RecordFile* rf = fajl(f);
  return rf && !rf->isOpen() && !rf->nyitasHiba() ? rf->errorText() : QString();
}

QString FizetoPar::nevekPath() {
  RecordFile* f = fajl(0);
  return f ? f->path() : QString();
}
