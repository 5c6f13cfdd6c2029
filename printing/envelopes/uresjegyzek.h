#pragma once
// The empty posting-list sheet (Feladójegyzéküres.xlsx beside the program) opened in a
// spreadsheet program, started as a process with separate arguments (never a shell command
// line). The program is the one stored in FjSet.dat; with none stored, the first spreadsheet
// program found on the search path.
#include <QString>
#include <QStringList>

#include <functional>

#include "layouts/fjsetrekord.h"

class Shell;
struct Platform;

inline const QString kUresJegyzekFile = QStringLiteral("Feladójegyzéküres.xlsx");

// A program and the options it is started with before the sheet.
struct Tablazatkezelo {
  QString program;
  QStringList opciok;
  bool empty() const { return program.isEmpty(); }
  // As the settings dialog shows and stores it: the path, then the options.
  QString szoveg() const;
};

// A stored text: the program's path, optionally followed by options that start with "-"
// ("/usr/bin/libreoffice --calc"). A text that names an existing file is the path as a whole.
Tablazatkezelo tablazatkezelo(const QString& tarolt);
// The first of localc, libreoffice --calc, soffice --calc, gnumeric on the search path.
Tablazatkezelo talaltTablazatkezelo(const Shell& shell);

// Starts the stored program (else the one found) with the sheet from the program folder as
// its last argument. False when there is none or it could not be started: the caller shows
// the message and the settings dialog. Reads record 1 of FjSet.dat into `fjSet`. A program
// that ends within its first seconds with a status other than 0 is told to `hamarLeallt`
// later, in a message that names it and says how it ended.
bool uresJegyzekInditas(Platform& platform, FjSetRekord& fjSet,
                        std::function<void(const QString& uzenet)> hamarLeallt = {});

// The message shown when the sheet's program cannot be started (`fjSet` as the start read it);
// with none stored and none found it also names the programs looked for and says that one can
// be chosen in the settings.
QString hibasUtvonalUzenet(const FjSetRekord& fjSet, const Shell* shell);
