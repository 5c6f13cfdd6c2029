#pragma once
// Deleting the whole payer database.
#include <QString>

// Empties nevek1.dat and kozl3sor.dat together through the journalled swap (two empty files
// take their place), so they stay paired through a crash. Missing files are no error. Empty on
// success, else the Hungarian reason; the files are then as they were.
QString AdatbazisTorles(const QString& folder);
