// Values of recordset fields: coercion to a field's type, and comparison.
#pragma once

#include <optional>

#include "Ado/Cell.h"
#include "Ado/Field.h"
#include "Com/Variant.h"

namespace ado {

// `value` as the field's type holds it: Long for the integer types (Double
// for a big integer beyond 32 bits, its digits as text beyond 2^53), Double,
// Bool, String, Date; Null for Null and Empty. Raises err::TypeMismatch when
// the value has no meaning in that type, lies outside its range (also NaN
// and the infinities), reads only as another value ("1e400", "2024-02-30",
// see ValueText.h), or is a text longer than the field's defined size.
com::Variant CoerceToField(const com::Variant& value, const FieldInfo& field);

// Whether two field values are the same: both Null, or equal values (a Long
// and a Double of the same number are the same).
bool SameValue(const Cell& a, const Cell& b);

// The number a value compares as: a Long, a Double, or a Boolean; none for
// any other value.
std::optional<double> NumericValue(const Cell& value);

// Orders two values: negative, 0 or positive; nothing when either is Null.
// Numbers compare as numbers, dates by time, texts without regard to the
// case of ASCII letters; values of different kinds compare by their text.
std::optional<int> CompareValues(const Cell& a, const Cell& b);

}  // namespace ado
