#pragma once
// One running program per program folder: an exclusive lock on a file in the folder, held for
// the life of the process. The system releases it when the process ends, however it ends (a
// crash, a kill, a power loss), so no lock outlives its program; the file itself is never removed
// or rewritten, and what it holds does not matter. The lock is taken on the file open for
// writing wherever it can be, as a network file system (NFS) demands, and never through a link.
#include <QString>

inline const QString kZarFile = QStringLiteral("lavindor.lock");

class PeldanyZar {
 public:
  enum class Allapot {
    Zarolva,     // this process holds the folder
    MasikFut,    // another running program holds it: this one must touch nothing
    ZarNelkul,   // no lock can be taken (a read-only folder): nothing can be written either
    ZarHibas,    // a writable folder whose lock cannot be taken: this one must touch nothing
  };
  // Takes the lock of `folder` at once, without waiting.
  explicit PeldanyZar(const QString& folder);
  ~PeldanyZar();
  PeldanyZar(const PeldanyZar&) = delete;
  PeldanyZar& operator=(const PeldanyZar&) = delete;
  Allapot allapot() const { return allapot_; }
  // The Hungarian message for MasikFut and ZarHibas.
  QString uzenet() const;
  // Whether this program must end at once without touching the folder.
  bool tilos() const { return allapot_ == Allapot::MasikFut || allapot_ == Allapot::ZarHibas; }

 private:
  QString folder_;
  int fd_ = -1;
  QString miert_;  // why the lock cannot be taken
  Allapot allapot_ = Allapot::ZarNelkul;
};
