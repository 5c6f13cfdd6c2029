#pragma once
// The check every writer of the payer files runs before it writes, telling the user why not.
#include <QString>

#include "common/platform.h"
#include "payerwindows/foablak.h"

// True when the payer files may be written in this run; else shows why and returns false.
// Every writer of nevek1.dat and kozl3sor.dat asks before it writes. They may not be written
// when nevek1.dat could not be read at start-up (`nevekHiba`), nor while an earlier change of
// the pair stays unfinished (one that can be finished is finished here).
// Nor while the list was read short (`listaHiba`: a payer could not be read).
bool fizetoIrhato(const Platform& platform, const QString* nevekHiba, const QString* listaHiba = nullptr);
bool fizetoIrhato(const Platform& platform, const FizetoAllapot& allapot);
