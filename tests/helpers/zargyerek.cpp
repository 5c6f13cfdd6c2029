// Child process of the lock tests: another program starting on a folder. Arguments: the program
// folder, and "tart" to keep the lock until killed. It takes the folder's lock, reports its start
// (one byte on its standard output) and ends with the lock's state as its exit code.
#include <QString>

#include <cstring>
#include <unistd.h>

#include "app/peldanyzar.h"
#include "tests/helpers/gyerekhorog.h"

int main(int argc, char** argv) {
  if (argc < 2) return 9;
  const PeldanyZar zar(QString::fromLocal8Bit(argv[1]));
  if (!indulasJelzese()) return 8;
  if (argc > 2 && std::strcmp(argv[2], "tart") == 0 && zar.allapot() == PeldanyZar::Allapot::Zarolva)
    for (;;) ::pause();
  return int(zar.allapot());
}
