#pragma once
// What the payer dialogs and the deletion need of the main window and of the program-wide
// state, without reaching into the window itself: the window fills these in when it creates
// the dialogs. Any callback may be left empty; it is then skipped.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

#include "payerstore/nevekrekord.h"

class CimValaszto;

struct FoAblak {
  // Reloads the payer list (the list's Beolvas).
  std::function<void()> Beolvas;
  // The payment-slip page's boxes holding the current payer (the modify dialog starts from them).
  std::function<QString()> txNev, txNev_2, txCim1, txCim2, txIrszam, txBefizAzonosito;
  // Replaces the items of the amount box txOsszeg (its text is left as it is).
  std::function<void(const QStringList&)> setOsszegLista;
  // Enables or disables the buttons that act on the current payer: cmdDel, cmdModosit,
  // cmdOsszegek. Disabled after a deletion, enabled again by the next row click.
  std::function<void(bool)> setUgyfelGombok;
  // The modify saved the current payer as these records: the pages show its saved fields, as a
  // click on its row would (what the user typed into the pages' own boxes stays). They are the
  // records written, so no read that could fail leaves the pages on the payer as it was.
  std::function<void(const NevekRekord&, const Kozl3sorRekord&)> fizetoModositva;
  // The address pick list the window placed into its frame frameCimKeres.
  CimValaszto* ListView2 = nullptr;
};

// The program-wide payer state the dialogs read and write (members of the application's
// state struct, passed by reference).
struct FizetoAllapot {
  NevekRekord& Nevek;          // the payer record loaded or written last
  Kozl3sorRekord& Kozl3sor;    // the notice record loaded or written last
  int32_t& AktualisRekord;     // record number of the current payer, 0 = none
  int16_t& FelvetelMod;        // payer dialog: 1 new, 2 modify
  // Why the payer files must not be written in this run (nevek1.dat could not be read at
  // start-up); none or empty: they may be.
  const QString* NevekHiba = nullptr;
  // Why the last load of the list stopped short (a payer could not be read); none or empty:
  // the list holds every payer. No change starts from a list read short.
  const QString* ListaHiba = nullptr;
};
