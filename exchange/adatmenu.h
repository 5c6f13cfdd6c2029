#pragma once
// The commands of the "Adatbázis" menu and the automatic-import tick, as functions over the
// platform and what they need of the main window (AdatcsereAblak), so they run without it.
#include <QString>

#include <functional>

#include "common/platform.h"
#include "exchange/automatikus.h"

struct SetRekord;

inline const QString kSugoFile = QStringLiteral("Csekk_adat_Import.htm");

struct AdatcsereAblak {
  // After the payer files changed: reloads the list (Beolvas) and clears the current payer,
  // the pages' payer fields and the label positions.
  std::function<void()> frissites;
  // The standing payment-slip list print for every row of the list (PrintCsAlloCsekk).
  std::function<void()> csekkNyomtatas;
  // Switches Timer1 on or off.
  std::function<void(bool)> idozito;
  // Hands a document to the desktop (OpenBrowser); true on success.
  std::function<bool(const QString&)> OpenBrowser;
  // Sets the mouse pointer to the hourglass (true) or back.
  std::function<void(bool)> homokora;
  // Why the payer files must not be written in this run (fizetoIrhato); none or empty: they may.
  const QString* NevekHiba = nullptr;
  const QString* ListaHiba = nullptr;  // the same for a list read short (FizetoLista)
  // Reaches the steps of the payer swap of the automatic import (tests inject failures there).
  CsereHorog csereHorog;
};

// Manual CSV import, appending or (after a question) replacing as SetRekord::AutBeolvasFelulir says.
void mnuAdatCsvbol(Platform& p, SetRekord& set, const AdatcsereAblak& a);
// CSV export into a chosen file.
void mnuMentCSVbe(Platform& p, const AdatcsereAblak& a);
// Conversion of the previous version's payer file, after a question.
void mnuKonertal(Platform& p, const AdatcsereAblak& a);
// Deletion of the payer database, after a question.
void mnuAdatbazisTorles(Platform& p, const AdatcsereAblak& a);
// Opens the import help page beside the program; a message when it cannot be opened.
void mnuImportHelp(Platform& p, const AdatcsereAblak& a);

// One tick of Timer1: imports at most one stable file of the watched folder, refreshes the
// list and prints or reports as the settings say. `set` gets record 1 of Set.dat.
void Timer1_Timer(Platform& p, SetRekord& set, FigyeltFajl& elozo, const AdatcsereAblak& a);
