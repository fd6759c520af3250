#include "Ado/RecordsetValue.h"

#include <cmath>
#include <string>

#include "Ado/AdoError.h"
#include "Ado/ValueText.h"
#include "Base/Text.h"
#include "Com/ComError.h"

namespace ado {

namespace {

[[noreturn]] void Refuse(const com::Variant& value, const FieldInfo& field, const std::string& why) {
    constexpr size_t kShown = 40;
    std::string text = value.isObject() ? "an object" : value.toString();
    if (text.size() > kShown) text = text.substr(0, kShown) + "...";
    com::Raise(err::TypeMismatch, "Value '" + text + "' " + why + " " + field.name);
}

[[noreturn]] void Mismatch(const com::Variant& value, const FieldInfo& field) {
    Refuse(value, field, "does not fit field");
}

int32_t InRange(int32_t n, int32_t low, int32_t high, const com::Variant& value,
                const FieldInfo& field) {
    if (n < low || n > high) Mismatch(value, field);
    return n;
}

// A text given for a number read by this layer's rules, which never take
// it for a number near the one written ("1e400" is not 0).
com::Variant Number(const com::Variant& value, const FieldInfo& field) {
    double d = 0;
    if (value.type() != com::Variant::Type::String) return value;
    if (!ReadNumber(value.asString(), d)) Mismatch(value, field);
    return d;
}

// The same for an integer column, which takes the text of a whole number
// only (blanks around it and a sign allowed): "1.5" would be stored
// rounded, and "1e3" or "2.0" are no integer's text.
com::Variant WholeNumber(const com::Variant& value, const FieldInfo& field) {
    if (value.type() != com::Variant::Type::String) return value;
    std::string_view text = base::Trim(value.asString());
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    int64_t whole = 0;
    if (!ReadWhole(text, whole) || !FitsDouble(whole)) Mismatch(value, field);
    return static_cast<double>(whole);
}

bool IsTrueOrFalse(const com::Variant& value) {
    return value.type() == com::Variant::Type::String &&
           (com::SameName(value.asString(), "True") || com::SameName(value.asString(), "False"));
}

// A date within the years 1 to 9999, which every engine keeps as the same
// date (PostgreSQL has no year 0, SQLite would keep its text).
com::Date DateOf(const com::Variant& value, const FieldInfo& field) {
    static const double first = com::Date::FromParts(1, 1, 1).serial;
    static const double afterLast = com::Date::FromParts(10000, 1, 1).serial;
    com::Date date;
    if (value.type() != com::Variant::Type::String) date = value.toDate();
    else if (!ReadDate(value.asString(), date)) Mismatch(value, field);
    if (!(date.serial >= first && date.serial < afterLast)) Mismatch(value, field);
    return date;
}

// Characters of UTF-8 text: the bytes that do not continue a character.
size_t Characters(std::string_view text) {
    size_t n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return n;
}

// The text, when it is no longer than the field's defined size: characters
// for text, bytes for binary values.
com::Variant WithinSize(std::string text, const com::Variant& value, const FieldInfo& field) {
    const size_t length = field.type == DataType::Binary ? text.size() : Characters(text);
    if (field.definedSize > 0 && field.definedSize != kUnboundedSize &&
        length > static_cast<size_t>(field.definedSize))
        Refuse(value, field,
               "is longer than the " + std::to_string(field.definedSize) + " characters of field");
    return text;
}

com::Variant Coerce(const com::Variant& value, const FieldInfo& field) {
    switch (field.type) {
        case DataType::Integer: return WholeNumber(value, field).toLong();
        case DataType::SmallInt:
            return InRange(WholeNumber(value, field).toLong(), -32768, 32767, value, field);
        case DataType::Byte: return InRange(WholeNumber(value, field).toLong(), 0, 255, value, field);
        case DataType::BigInt: {
            int64_t whole = 0;
            if (value.type() == com::Variant::Type::String && ReadWhole(value.asString(), whole))
                return Cell::Whole(whole).toVariant();  // exact, also beyond 2^53
            const double d = std::nearbyint(WholeNumber(value, field).toDouble());
            if (!(std::fabs(d) <= 0x1p53)) Mismatch(value, field);
            if (d >= INT32_MIN && d <= INT32_MAX) return static_cast<int32_t>(d);
            return d;
        }
        case DataType::Double:
        case DataType::Decimal: return Number(value, field).toDouble();
        case DataType::Boolean:
            return IsTrueOrFalse(value) ? value.toBool() : Number(value, field).toBool();
        case DataType::DateTime: return DateOf(value, field);
        case DataType::String:
        case DataType::Binary: return WithinSize(value.toString(), value, field);
    }
    Mismatch(value, field);
}

bool IsNumber(const Cell& v) { return NumericValue(v).has_value(); }

double Number(const Cell& v) { return *NumericValue(v); }

int CompareTexts(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <class T>
int Order(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

com::Variant CoerceToField(const com::Variant& value, const FieldInfo& field) {
    if (value.isNull() || value.isEmpty()) return com::Variant::Null();
    // NaN and the infinities have no meaning in any field.
    if (value.isObject() || (value.type() == com::Variant::Type::Double && !std::isfinite(value.asDouble())))
        Mismatch(value, field);
    try {
        return Coerce(value, field);
    } catch (const com::ComError& e) {
        if (e.number() == err::TypeMismatch) throw;
        Mismatch(value, field);  // 13 type mismatch, 6 overflow
    }
}

std::optional<double> NumericValue(const Cell& value) {
    using T = Cell::Type;
    switch (value.type()) {
        case T::Long: return value.asLong();
        case T::Double: return value.asDouble();
        case T::Bool: return value.toVariant().toDouble();
        default: return std::nullopt;
    }
}

bool SameValue(const Cell& a, const Cell& b) {
    if (a == b) return true;
    if (a.isNull() || b.isNull()) return false;
    return IsNumber(a) && IsNumber(b) && Number(a) == Number(b);
}

std::optional<int> CompareValues(const Cell& a, const Cell& b) {
    using T = Cell::Type;
    if (a.isNull() || b.isNull()) return std::nullopt;
    if (IsNumber(a) && IsNumber(b)) return Order(Number(a), Number(b));
    if (a.type() == T::Date && b.type() == T::Date)
        return Order(a.asDate().serial, b.asDate().serial);
    if (a.type() == T::String && b.type() == T::String)
        return CompareTexts(a.asText(), b.asText());
    return CompareTexts(a.toVariant().toString(), b.toVariant().toString());
}

}  // namespace ado
