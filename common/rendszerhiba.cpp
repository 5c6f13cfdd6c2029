#include "common/rendszerhiba.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>

namespace {

struct Magyar {
  int errnum;
  const char* szoveg;
};
constexpr Magyar kMagyar[] = {
    {EROFS, "Csak olvasható fájlrendszer"},
    {ENOSPC, "Nincs több szabad hely az eszközön"},
    {EACCES, "Hozzáférés megtagadva"},
    {ENOENT, "Nincs ilyen fájl vagy mappa"},
    {EIO, "Bemeneti/kimeneti hiba"},
    {EFBIG, "A fájl túl nagy"},
    {EBUSY, "Az eszköz vagy az erőforrás foglalt"},
    {EPERM, "A művelet nem engedélyezett"},
    // Said of a file that ends before the records it was read for.
    {ENODATA, "A fájl rövidebb a vártnál"},
};

// The C library's text of `errnum`, in whatever language the process runs.
QString rendszerSzoveg(int errnum) { return QString::fromLocal8Bit(std::strerror(errnum)).trimmed(); }

}  // namespace

QString rendszerHiba(int errnum) {
  for (const Magyar& m : kMagyar)
    if (m.errnum == errnum) return QString::fromUtf8(m.szoveg);
  return rendszerSzoveg(errnum);
}

QString rendszerHibaSzovegbol(const QString& szoveg) {
  const QString t = szoveg.trimmed();
  // Qt words some errors itself (and may translate them); the others are the C library's text.
  for (const Magyar& m : kMagyar)
    if (t.compare(qt_error_string(m.errnum), Qt::CaseInsensitive) == 0 ||
        t.compare(rendszerSzoveg(m.errnum), Qt::CaseInsensitive) == 0)
      return QString::fromUtf8(m.szoveg);
  return t;
}

QString rendszerHiba(const QFileDevice& f) { return rendszerHibaSzovegbol(f.errorString()); }
