#pragma once
// Start-up, before anything reads the payer files: what an earlier run left unfinished.
#include <QString>

// Rolls back the changes in place of record files left half written (helybenIrasokVisszavonasa),
// finishes or undoes an interrupted change of the payer pair (fizetoParHelyreallitas), removes
// an interrupted conversion (konvertalasHelyreallitas), and puts back the watched files whose import did
// not happen. Returns what the user is to be told once (empty: nothing).
QString adatfajlokHelyreallitasa(const QString& folder);
