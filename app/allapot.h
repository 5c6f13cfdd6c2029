#pragma once
// The program-wide state: the shared in-memory records and numbers every window reads and
// writes. Owned by the application (one per run, one per test) and handed to the windows.
#include <QString>

#include <cstdint>

#include "common/betutip.h"
#include "common/setrekord.h"
#include "layouts/fjsetrekord.h"
#include "layouts/layoutrecords.h"
#include "payerstore/nevekrekord.h"
#include "printing/envelopes/boritekhely.h"
#include "printing/envelopes/cimkerekordok.h"

struct Allapot {
  SetRekord Set;             // record 1 of Set.dat as last read or saved
  NevekRekord Nevek;         // the payer record loaded last
  Kozl3sorRekord Kozl3sor;   // the notice record loaded last
  int32_t AktualisRekord = 0;  // record number of the payer clicked in the list; 0 = none
  int16_t BeallitasFul = 0;    // tab the settings dialog opens on
  int16_t FelvetelMod = 0;     // payer dialog: 1 new, 2 modify
  QString NevekHiba;           // set at start-up when nevek1.dat cannot be read: no payer writes
  QString ListaHiba;           // the last list load could not read every payer: no payer writes
  QString SetHiba;             // set at start-up when Set.dat cannot be read: factory values, and
                               // the exit writes nothing into it

  LayoutRecords Layouts;           // the layout records as last read (one copy each)
  CimkeSetupRekord CimkeSetup;     // the label sheet
  CimkeHelyek CimkeHely{};         // payers assigned to label positions
  KepmentRekord Kepment;           // the envelope picture as stored
  BetutipRekord Betutip;           // fonts of the five label lines
  BetumeretRekord Betumeret;       // their sizes
  FjSetRekord FjSet;               // the posting-list settings

  // The envelope: chosen size (1 C6, 2 C5, 3 C5/6) and its block positions in millimetres.
  BoritekHely Boritek;
  // The envelope picture: its file, its position on the envelope (mm) and its size (twips).
  QString KivalasztottKep;
  int16_t KepPozX = 0, KepPozY = 0;
  double KepSzeles = 0, KepMagas = 0;

  // The amount to write out in words and its two word strings.
  int32_t AzazOsszeg = 0;
  QString AzazEzresek, AzazEgyesek;
};
