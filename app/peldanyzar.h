#pragma once
// One running program per program folder: an exclusive lock on a file in the folder, held for
// the life of the process. The system releases it when the process ends, however it ends (a
// crash, a kill, a power loss), so no lock outlives its program; the file itself is never removed
// or rewritten, and what it holds does not matter.
#include <QString>

inline const QString kZarFile = QStringLiteral("lavindor.lock");

class PeldanyZar {
 public:
  enum class Allapot {
    Zarolva,     // this process holds the folder
    MasikFut,    // another running program holds it: this one must touch nothing
    ZarNelkul,   // no lock can be taken (a read-only folder): nothing can be written either
  };
  // Takes the lock of `folder` at once, without waiting.
  explicit PeldanyZar(const QString& folder);
  ~PeldanyZar();
  PeldanyZar(const PeldanyZar&) = delete;
  PeldanyZar& operator=(const PeldanyZar&) = delete;
  Allapot allapot() const { return allapot_; }
  // The Hungarian message for MasikFut.
  QString uzenet() const;

 private:
  QString folder_;
  int fd_ = -1;
  Allapot allapot_ = Allapot::ZarNelkul;
};
