#include "app/peldanyzar.h"

#include <QDir>

PeldanyZar::PeldanyZar(const QString& folder) : folder_(folder), zar_(QDir(folder).filePath(kZarFile)) {
  // Only a lock whose process is gone is stale, however old it is: the program may run for days.
  zar_.setStaleLockTime(0);
  if (zar_.tryLock(0))
    allapot_ = Allapot::Zarolva;
  else if (zar_.error() == QLockFile::LockFailedError)
    allapot_ = Allapot::MasikFut;
}

QString PeldanyZar::uzenet() const {
  return QStringLiteral("A program már fut ebből a mappából:\r\n%1\r\n\r\n"
                        "Egyszerre csak egy példány dolgozhat ugyanazokkal az adatfájlokkal, ezért ez a példány "
                        "most kilép, és semmit sem módosít.\r\n"
                        "Ha biztosan nem fut másik példány (például egy másik gépen), törölje a mappából a(z) %2 "
                        "fájlt.")
      .arg(QDir::toNativeSeparators(QDir(folder_).absolutePath()), kZarFile);
}
