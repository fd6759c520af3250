#include "Ado/RecordsetValue.h"

#include <cmath>
#include <string>

#include "Ado/AdoError.h"
#include "Com/ComError.h"

namespace ado {

namespace {

[[noreturn]] void Mismatch(const com::Variant& value, const FieldInfo& field) {
    std::string text = value.isObject() ? "an object" : value.toString();
    com::Raise(err::TypeMismatch, "Value '" + text + "' does not fit field " + field.name);
}

int32_t InRange(int32_t n, int32_t low, int32_t high, const com::Variant& value,
                const FieldInfo& field) {
    if (n < low || n > high) Mismatch(value, field);
    return n;
}

com::Variant Coerce(const com::Variant& value, const FieldInfo& field) {
    switch (field.type) {
        case DataType::Integer: return value.toLong();
        case DataType::SmallInt: return InRange(value.toLong(), -32768, 32767, value, field);
        case DataType::Byte: return InRange(value.toLong(), 0, 255, value, field);
        case DataType::BigInt: {
            const double d = std::nearbyint(value.toDouble());
            if (std::fabs(d) > 9007199254740992.0) Mismatch(value, field);  // 2^53
            if (d >= INT32_MIN && d <= INT32_MAX) return static_cast<int32_t>(d);
            return d;
        }
        case DataType::Double:
        case DataType::Decimal: return value.toDouble();
        case DataType::Boolean: return value.toBool();
        case DataType::DateTime: return value.toDate();
        case DataType::String:
        case DataType::Binary: return value.toString();
    }
    Mismatch(value, field);
}

bool IsNumber(const Cell& v) {
    using T = Cell::Type;
    return v.type() == T::Long || v.type() == T::Double || v.type() == T::Bool;
}

double Number(const Cell& v) { return v.toVariant().toDouble(); }

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
    if (value.isObject()) Mismatch(value, field);
    try {
        return Coerce(value, field);
    } catch (const com::ComError& e) {
        if (e.number() == err::TypeMismatch) throw;
        Mismatch(value, field);  // 13 type mismatch, 6 overflow
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
