// Child process of the kill tests of the watched-folder import: imports one watched file and is
// killed somewhere on the way. Arguments: program folder, the watched file, 1 to replace the
// payers or 0 to append, and the swap step (gyerekhorog.h). It writes one byte to its standard
// output just before the import starts, so the parent can time its kill from there.
// With the arguments folder, file, 1 or 0, "meret" and a byte count it is the program meeting a
// file-size limit: it starts as the program does, then imports manually under that limit, and
// exits 0 when the import said that the file grew too large.
#include <QString>

#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

#include "common/fajlmuvelet.h"
#include "exchange/automatikus.h"
#include "exchange/csvimport.h"
#include "tests/helpers/gyerekhorog.h"

int main(int argc, char** argv) {
  if (argc == 6 && std::strcmp(argv[4], "meret") == 0) {
    fajlMeretKorlatHibakent();  // as the program's start does
    struct rlimit hatar {};
    ::getrlimit(RLIMIT_FSIZE, &hatar);
    hatar.rlim_cur = rlim_t(std::atoll(argv[5]));
    if (::setrlimit(RLIMIT_FSIZE, &hatar) != 0 || !indulasJelzese()) return 3;
    const ImportEredmeny r = csvImport(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                                       std::atoi(argv[3]) == 1, CsvValtozat::Kezi);
    return !r.ok() && r.hiba.contains(QStringLiteral("A fájl túl nagy")) ? 0 : 1;
  }
  if (argc != 5) return 2;
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString csv = QString::fromLocal8Bit(argv[2]);
  const bool felulir = std::atoi(argv[3]) == 1;
  const CsereHorog horog = gyerekHorog(std::atoi(argv[4]));
  if (!indulasJelzese()) return 3;
  return automatikusImport(folder, csv, felulir, horog).allapot == AutoAllapot::Kesz ? 0 : 1;
}
