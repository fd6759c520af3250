// Values written as text, read the way the data layer reads them wherever
// text meets a typed value: rowset XML, field values given as text, dates
// that SQLite and PostgreSQL hand back as text. A text reads as a value only
// when the value stands for exactly what is written; otherwise the reader
// says no, and the caller keeps the text or refuses it, never a value that
// is near it ("1e400" is not 0, "2024-02-30" is not the 1st of March).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Com/Variant.h"

namespace ado {

// A number: optional blanks, a sign, digits with a point and an exponent.
// False for anything else, for "NaN" and "Inf", and for a number beyond the
// range of a double or too small to be told from 0.
[[nodiscard]] bool ReadNumber(std::string_view text, double& out);

// A whole number in decimal digits with an optional "-", within 64 bits.
[[nodiscard]] bool ReadWhole(std::string_view text, int64_t& out);

// Whether a double holds `value` exactly: up to 2^53 either way.
bool FitsDouble(int64_t value);

// A date "yyyy-mm-dd", optionally followed by "T" or a blank and
// "hh:mm:ss", a fraction of a second and "Z". False for a day the calendar
// lacks (2024-02-30), a time past 23:59:59, another time zone, and a
// fraction finer than a millisecond, which a date does not hold.
[[nodiscard]] bool ReadDate(std::string_view text, com::Date& out);

// yyyy-mm-ddThh:mm:ss, and ".fff" when the date has milliseconds, so that
// what ReadDate reads is written back as the same date.
std::string DateText(com::Date date);

}  // namespace ado
