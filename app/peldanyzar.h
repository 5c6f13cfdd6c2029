#pragma once
// One running program per program folder: a lock file in the folder, held for the life of the
// process. A lock left by a program that no longer runs (a crash, a kill) is taken over.
#include <QLockFile>
#include <QString>

inline const QString kZarFile = QStringLiteral("lavindor.lock");

class PeldanyZar {
 public:
  enum class Allapot {
    Zarolva,     // this process holds the folder
    MasikFut,    // another running program holds it: this one must touch nothing
    ZarNelkul,   // no lock file can be made (a read-only folder): nothing can be written either
  };
  // Takes the lock of `folder` at once, without waiting.
  explicit PeldanyZar(const QString& folder);
  Allapot allapot() const { return allapot_; }
  // The Hungarian message for MasikFut.
  QString uzenet() const;

 private:
  QString folder_;
  QLockFile zar_;
  Allapot allapot_ = Allapot::ZarNelkul;
};
