#pragma once
// The swap hook of the kill children, from their step argument: the step (CsereLepes as a
// number) before which the child kills itself, -1 to run to the end, or -2 to pause 2 ms before
// each step (a slow disk), so that kills at random times land between the steps too.
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "common/fajlmuvelet.h"
#include "payerstore/fizetocsere.h"

inline CsereHorog gyerekHorog(int lepes) {
  if (lepes == -2)
    return [](CsereLepes) {
      ::usleep(2000);
      return true;
    };
  if (lepes < 0) return {};
  return [lepes](CsereLepes l) {
    if (static_cast<int>(l) == lepes) ::raise(SIGKILL);
    return true;
  };
}

// Tells the parent that the work starts now, so it can time its kill from there.
inline bool indulasJelzese() { return ::write(1, "R", 1) == 1; }

// The lock rule of a network file system (NFS), as a file hook: an exclusive lock on a file that
// is not open for writing fails with EBADF.
inline FajlHorog nfsZarSzabaly() {
  return [](FajlHivas h, const QString&, qint64& jelzok, qint64) {
    return h == FajlHivas::Zarolas && (jelzok & O_ACCMODE) == O_RDONLY ? EBADF : 0;
  };
}
