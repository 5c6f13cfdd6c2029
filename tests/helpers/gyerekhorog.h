#pragma once
// The swap hook of the kill children, from their step argument: the step (CsereLepes as a
// number) before which the child kills itself, -1 to run to the end, or -2 to pause 2 ms before
// each step (a slow disk), so that kills at random times land between the steps too.
#include <csignal>
#include <unistd.h>

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
