// Child process of the kill tests: deletes one payer and is killed somewhere on the way.
// Arguments: program folder, payer number, and the swap step (CsereLepes as a number) before
// which it kills itself, -1 to run to the end, or -2 to pause 2 ms before each step (a slow
// disk), so that kills at random times land between the steps too. It writes one byte to its standard output
// just before the deletion starts, so the parent can time its kill from there.
#include <QString>

#include <csignal>
#include <cstdlib>
#include <unistd.h>

#include "records/ugyfeltorles.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const int n = std::atoi(argv[2]);
  const int lepes = std::atoi(argv[3]);
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
  return UgyfelTorles(folder, n, nullptr, horog) ? 0 : 1;
}
