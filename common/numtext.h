#pragma once
// Number helpers shared by every window: reading numbers out of texts, rounding, and the
// Hungarian number format used on screen.
#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>

// Leading numeric value of a text: blanks, tabs and line feeds are skipped wherever they stand;
// then an optional sign, digits, an optional point with decimals and an optional exponent are
// read up to the first character that cannot continue a number. Empty or non-numeric gives 0.
// The point is the only decimal separator.
double leadingValue(const QString& text);

// Thrown where a value does not fit its 16-bit field (error 6, "Overflow").
struct OverflowError : std::runtime_error {
  OverflowError() : std::runtime_error("Túlcsordulás") {}
};

// Rounds half to even into a 16-bit integer; throws OverflowError outside -32768..32767.
int16_t roundToInt16(double v);
// The same into a 32-bit integer.
int32_t roundToInt32(double v);

// A number in the Hungarian regional format: decimal comma, no grouping, no trailing zeros
// ("12,5", "5", "-0,25").
QString huNumber(double v);

// A whole text read as a number in the regional format; "," and "." are both accepted as the
// decimal separator, blanks around the number are allowed. Empty or anything else: nothing.
std::optional<double> parseRegional(const QString& text);
