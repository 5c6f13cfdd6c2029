#pragma once
// Deleting a payer: its records leave both payer files, every later payer moves one record
// number down, and the notices stay paired with their payers.
#include <QString>

#include <cstdint>
#include <optional>

#include "payerstore/fizetocsere.h"

// Removes payer n from nevek1.dat and its notice from kozl3sor.dat. Both files are written
// completely under temporary names, which the journalled swap (fizetocsere.h) puts in place of
// the originals; `horog` reaches the swap's test hook.
// A notice file shorter than the payer file gets blank notices for the missing ones; notices
// beyond the last payer and a trailing partial payer record are dropped. On failure both files
// stay as they were and `hiba` gets the reason in Hungarian. True when the payer is deleted,
// also when the swap is finished only at the next start (`hiba` then says so).
bool UgyfelTorles(const QString& folder, int32_t n, QString* hiba = nullptr, const CsereHorog& horog = {});

// The confirmation question for deleting payer n, naming the STORED payer (its trimmed name in
// upper case), or nothing when n is no stored payer or its record cannot be read (`hiba` then
// says why).
std::optional<QString> torlesKerdes(const QString& folder, int32_t n, QString* hiba = nullptr);
