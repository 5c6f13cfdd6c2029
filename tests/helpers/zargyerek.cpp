// Child process of the lock tests: another program starting on a folder. Arguments: the program
// folder, then "tart" to keep the lock until killed, and "nfs" to lock by the rule of a network
// file system. It takes the folder's lock, reports its start (one byte on its standard output)
// and ends with the lock's state as its exit code.
#include <QString>

#include <cstring>
#include <unistd.h>

#include "app/peldanyzar.h"
#include "tests/helpers/gyerekhorog.h"

int main(int argc, char** argv) {
  if (argc < 2) return 9;
  bool tart = false, nfs = false;
  for (int i = 2; i < argc; ++i) {
    tart = tart || std::strcmp(argv[i], "tart") == 0;
    nfs = nfs || std::strcmp(argv[i], "nfs") == 0;
  }
  const FajlHorogProba szabaly(nfs ? nfsZarSzabaly() : FajlHorog());
  const PeldanyZar zar(QString::fromLocal8Bit(argv[1]));
  if (!indulasJelzese()) return 8;
  if (tart && zar.allapot() == PeldanyZar::Allapot::Zarolva)
    for (;;) ::pause();
  return int(zar.allapot());
}
