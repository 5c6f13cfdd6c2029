// Child process of the kill tests of the watched-folder import: imports one watched file and is
// killed somewhere on the way. Arguments: program folder, the watched file, 1 to replace the
// payers or 0 to append, and the swap step (gyerekhorog.h). It writes one byte to its standard
// output just before the import starts, so the parent can time its kill from there.
#include <QString>

#include <cstdlib>

#include "exchange/automatikus.h"
#include "tests/helpers/gyerekhorog.h"

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString csv = QString::fromLocal8Bit(argv[2]);
  const bool felulir = std::atoi(argv[3]) == 1;
  const CsereHorog horog = gyerekHorog(std::atoi(argv[4]));
  if (!indulasJelzese()) return 3;
  return automatikusImport(folder, csv, felulir, horog).allapot == AutoAllapot::Kesz ? 0 : 1;
}
