#include "Ado/PostgresTypes.h"

#include <charconv>
#include <memory>

#include "Ado/AdoError.h"
#include "Ado/Engine.h"
#include "Ado/ValueText.h"
#include "Com/ComError.h"

namespace ado {

namespace {

using com::Variant;

// Type identifiers of the built-in types (pg_type.oid).
enum : Oid {
    kBool = 16,
    kBytea = 17,
    kInt8 = 20,
    kInt2 = 21,
    kInt4 = 23,
    kFloat4 = 700,
    kFloat8 = 701,
    kBpchar = 1042,
    kVarchar = 1043,
    kDate = 1082,
    kTimestamp = 1114,
    kTimestampTz = 1184,
    kNumeric = 1700,
};

// The modifier of varchar(n) and numeric(p,s) counts a 4-byte header.
constexpr int kModifierHeader = 4;

DataType TypeOf(Oid type) {
    switch (type) {
        case kBool: return DataType::Boolean;
        case kBytea: return DataType::Binary;
        case kInt8: return DataType::BigInt;
        case kInt2: return DataType::SmallInt;
        case kInt4: return DataType::Integer;
        case kFloat4:
        case kFloat8: return DataType::Double;
        case kDate:
        case kTimestamp:
        case kTimestampTz: return DataType::DateTime;
        case kNumeric: return DataType::Decimal;
        default: return DataType::String;
    }
}

Cell Bytes(const char* text) {
    size_t length = 0;
    std::unique_ptr<unsigned char, decltype(&PQfreemem)> bytes(
        PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &length), &PQfreemem);
    if (!bytes) com::Raise(com::err::OutOfMemory);
    return Cell(std::string_view(reinterpret_cast<const char*>(bytes.get()), length));
}

}  // namespace

void PostgresColumnType(Oid type, int modifier, FieldInfo& field) {
    field.type = TypeOf(type);
    field.definedSize = FixedSize(field.type);
    const int declared = modifier - kModifierHeader;
    if ((type == kVarchar || type == kBpchar) && declared > 0) {
        field.definedSize = declared;
        field.fixedLength = type == kBpchar;
    } else if (type == kNumeric && declared >= 0) {
        field.precision = (declared >> 16) & 0xffff;
        field.scale = declared & 0xffff;
    }
}

Cell PostgresValue(const char* text, int length, DataType type) {
    const char* end = text + length;
    switch (type) {
        case DataType::Integer:
        case DataType::SmallInt:
        case DataType::Byte:
        case DataType::BigInt: {
            int64_t v = 0;
            if (std::from_chars(text, end, v).ec == std::errc()) return Cell::Whole(v);
            break;
        }
        case DataType::Double:
        case DataType::Decimal: {
            double v = 0;
            if (std::from_chars(text, end, v).ec == std::errc()) return Cell(v);
            break;
        }
        case DataType::Boolean: return Cell(length > 0 && text[0] == 't');
        case DataType::DateTime: {
            com::Date date;
            if (ReadDate({text, static_cast<size_t>(length)}, date)) return Cell(date);
            break;
        }
        case DataType::Binary: return Bytes(text);
        case DataType::String: break;
    }
    return Cell(std::string_view(text, static_cast<size_t>(length)));
}

PostgresParams::PostgresParams(std::span<const Variant> params) {
    texts_.reserve(params.size());
    for (const Variant& v : params) {
        switch (v.type()) {
            case Variant::Type::Empty:
            case Variant::Type::Null: texts_.emplace_back(); break;
            case Variant::Type::Bool: texts_.emplace_back(v.asBool() ? "true" : "false"); break;
            case Variant::Type::Date: texts_.push_back(DateText(v.asDate())); break;
            case Variant::Type::Object:
                com::Raise(err::TypeMismatch,
                           "An object cannot be a parameter of an SQL statement");
            default: texts_.push_back(v.toString()); break;
        }
    }
    for (size_t i = 0; i < params.size(); ++i)
        pointers_.push_back(params[i].isNull() || params[i].isEmpty() ? nullptr
                                                                      : texts_[i].c_str());
}

}  // namespace ado
