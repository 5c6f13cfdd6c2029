// Child process of the kill tests of the watched-folder import: imports one watched file and is
// killed somewhere on the way. Arguments: program folder, the watched file, 1 to replace the
// payers or 0 to append, and the swap step (CsereLepes as a number) before which it kills
// itself, -1 to run to the end, or -2 to pause 2 ms before each step (a slow disk), so that
// kills at random times land between the steps too. It writes one byte to its standard output
// just before the import starts, so the parent can time its kill from there.
#include <QString>

#include <csignal>
#include <cstdlib>
#include <unistd.h>

#include "exchange/automatikus.h"

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString csv = QString::fromLocal8Bit(argv[2]);
  const bool felulir = std::atoi(argv[3]) == 1;
  const int lepes = std::atoi(argv[4]);
  CsereHorog horog;
  if (lepes >= 0)
    horog = [lepes](CsereLepes l) {
      if (static_cast<int>(l) == lepes) ::raise(SIGKILL);
      return true;
    };
  if (lepes == -2)
    horog = [](CsereLepes) {
      ::usleep(2000);
      return true;
    };
  if (::write(1, "R", 1) != 1) return 3;
  return automatikusImport(folder, csv, felulir, horog).allapot == AutoAllapot::Kesz ? 0 : 1;
}
