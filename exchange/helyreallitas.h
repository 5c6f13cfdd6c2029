#pragma once
// Start-up, before anything reads the payer files: what an earlier run left unfinished.
#include <QString>

// Finishes or undoes an interrupted change of the payer pair (fizetoParHelyreallitas), removes
// an interrupted conversion (konvertalasHelyreallitas), and puts back the watched files whose import did
// not happen. Returns what the user is to be told once (empty: nothing).
QString adatfajlokHelyreallitasa(const QString& folder);
