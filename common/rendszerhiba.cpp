#include "common/rendszerhiba.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>

namespace {

struct Magyar {
  int errnum;
  const char* szoveg;
};
// Where two names share a number (EAGAIN and EWOULDBLOCK, EOPNOTSUPP and ENOTSUP, EDEADLK and
// EDEADLOCK), the first line says it.
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
    {EISDIR, "A megadott néven mappa áll, nem fájl"},
    {ENOTDIR, "Az útvonal egyik tagja nem mappa"},
    {ELOOP, "Szimbolikus link áll a helyén, amelyet a program nem követ, vagy túl sok link követi egymást"},
    {ENOLCK, "A fájlrendszer nem ad zárat (nem támogatja a zárolást, vagy elfogytak a zárak)"},
    {EDQUOT, "Elfogyott a felhasználó lemezkvótája"},
    {ENAMETOOLONG, "A fájlnév vagy az útvonal túl hosszú"},
    {EMFILE, "A programnak túl sok fájlja van nyitva"},
    {ENFILE, "A rendszerben túl sok fájl van nyitva"},
    {ESTALE, "A hálózati fájlrendszeren a fájl megszűnt vagy kicserélték"},
    {EXDEV, "Két fájlrendszer között nem lehet átnevezni vagy közös nevet adni"},
    {EEXIST, "Már létezik ilyen nevű fájl vagy mappa"},
    {ENOTEMPTY, "A mappa nem üres"},
    {EMLINK, "Túl sok név mutat a fájlra vagy a mappára"},
    {ETXTBSY, "A fájl éppen futó program, ezért nem módosítható"},
    {EOPNOTSUPP, "A fájlrendszer nem támogatja ezt a műveletet"},
    {EINVAL, "Érvénytelen paraméter vagy a fájlrendszer által nem támogatott kérés"},
    {EBADF, "Érvénytelen vagy erre a műveletre nem megnyitott fájlleíró"},
    {ENXIO, "Nincs ilyen eszköz vagy cím"},
    {ENODEV, "Nincs ilyen eszköz, vagy nem támogatja ezt a műveletet"},
    {EOVERFLOW, "A fájl mérete vagy pozíciója nem fér el a kért adattípusban"},
    {ETIMEDOUT, "Időtúllépés: a művelet nem fejeződött be időben"},
    {EAGAIN, "Az erőforrás átmenetileg nem érhető el"},
    {EINTR, "A műveletet egy jelzés megszakította"},
    {ENOMEM, "Nincs elég memória"},
    {ENOSYS, "A rendszer nem ismeri ezt a műveletet"},
    {ESPIPE, "A fájlban nem lehet pozícionálni"},
    {EPIPE, "Az adatcső másik vége lezárult"},
    {ENOTTY, "Az eszköz nem ismeri ezt a vezérlőkérést"},
    {EFAULT, "Hibás memóriacím"},
    {EDEADLK, "A zárolás holtpontra vezetne"},
    {EILSEQ, "Érvénytelen bájtsorozat a névben"},
    {ECANCELED, "A művelet megszakadt"},
    {EREMOTEIO, "Bemeneti/kimeneti hiba a távoli gépen"},
    {EUCLEAN, "A fájlrendszer szerkezete sérült, javításra szorul"},
    {EBADMSG, "Sérült adat"},
    {ENOMEDIUM, "Nincs adathordozó a meghajtóban"},
    {EMEDIUMTYPE, "Nem megfelelő az adathordozó fajtája"},
    {ENOKEY, "A titkosított mappa kulcsa nem érhető el"},
    {ENOBUFS, "Nincs elég pufferterület"},
    {ENOTCONN, "A hálózati kapcsolat nem él"},
    {ECONNREFUSED, "A távoli gép elutasította a kapcsolatot"},
    {ECONNRESET, "A távoli gép bontotta a kapcsolatot"},
    {ECONNABORTED, "A kapcsolat megszakadt"},
    {EHOSTDOWN, "A távoli gép nem működik"},
    {EHOSTUNREACH, "A távoli gép nem érhető el"},
    {ENETDOWN, "A hálózat nem működik"},
    {ENETUNREACH, "A hálózat nem érhető el"},
    {ENETRESET, "A hálózat bontotta a kapcsolatot"},
    {ENOLINK, "A kapcsolat a távoli géppel megszakadt"},
    {ENOTBLK, "Nem blokkos eszköz"},
    {ERANGE, "Az eredmény nem fér el a megadott helyen"},
    {E2BIG, "Túl hosszú a paraméterlista"},
};

// The C library's text of `errnum`, in whatever language the process runs.
QString rendszerSzoveg(int errnum) { return QString::fromLocal8Bit(std::strerror(errnum)).trimmed(); }

}  // namespace

QString rendszerHiba(int errnum) {
  for (const Magyar& m : kMagyar)
    if (m.errnum == errnum) return QString::fromUtf8(m.szoveg);
  return QStringLiteral("Ismeretlen rendszerhiba (hibakód: %1)").arg(errnum);
}

QString rendszerHibaSzovegbol(const QString& szoveg) {
  const QString t = szoveg.trimmed();
  // Qt words some errors itself (and may translate them); the others are the C library's text.
  for (int e = 1; e <= EHWPOISON; ++e)
    if (t.compare(qt_error_string(e), Qt::CaseInsensitive) == 0 ||
        t.compare(rendszerSzoveg(e), Qt::CaseInsensitive) == 0)
      return rendszerHiba(e);
  return t;
}

QString rendszerHiba(const QFileDevice& f) { return rendszerHibaSzovegbol(f.errorString()); }
