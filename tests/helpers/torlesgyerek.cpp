// Child process of the kill tests: deletes one payer and is killed somewhere on the way.
// Arguments: program folder, payer number, and the swap step (gyerekhorog.h). It writes one byte
// to its standard output just before the deletion starts, so the parent can time its kill from
// there.
#include <QString>

#include <cstdlib>

#include "payerstore/ugyfeltorles.h"
#include "tests/helpers/gyerekhorog.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const int n = std::atoi(argv[2]);
  const CsereHorog horog = gyerekHorog(std::atoi(argv[3]));
  if (!indulasJelzese()) return 3;
  return UgyfelTorles(folder, n, nullptr, horog) ? 0 : 1;
}
