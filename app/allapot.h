#pragma once
// The program-wide state: the shared in-memory records and numbers every window reads and
// writes. Owned by the application (one per run, one per test) and handed to the windows.
#include <cstdint>

#include "common/setrekord.h"
#include "records/nevekrekord.h"

struct Allapot {
  SetRekord Set;             // record 1 of Set.dat as last read or saved
  NevekRekord Nevek;         // the payer record loaded last
  Kozl3sorRekord Kozl3sor;   // the notice record loaded last
  int32_t AktualisRekord = 0;  // record number of the payer clicked in the list; 0 = none
  int16_t BeallitasFul = 0;    // tab the settings dialog opens on
  int16_t FelvetelMod = 0;     // payer dialog: 1 new, 2 modify
};
