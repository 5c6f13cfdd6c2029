#pragma once
// Small helpers shared by the writers of the payer files (dialog, amounts, deletion).
#include <QString>

#include <cstdint>

#include "common/recordfile.h"
#include "payerstore/nevekrekord.h"

// Number of whole payer records in nevek1.dat (a trailing partial record is not counted).
[[nodiscard]] Valasz<int32_t> fizetokSzama(const QString& folder);

// True when n names a stored payer (1 <= n <= count).
[[nodiscard]] Valasz<bool> letezoFizeto(const QString& folder, int32_t n);

// Writes notice record n into an open kozl3sor.dat. A notice file shorter than n - 1 records is
// first padded with blank notice records, so every payer keeps its notice under its own number.
// False on a write failure (the file's errorText() says why).
bool kozl3sorIras(RecordFile& f, int32_t n, const Kozl3sorRekord& r);

// Start-up, before the list is loaded: empty when nevek1.dat is missing or can be read; else
// the Hungarian message that it cannot be read (no permission, a folder, a FIFO or another
// non-regular file at its name), or that kozl3sor.dat is no regular file. The program then
// shows it once and neither writes nor replaces the payer files in that run.
QString nevekOlvasasiHiba(const QString& folder);
