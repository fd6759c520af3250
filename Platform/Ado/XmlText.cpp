#include "Ado/XmlText.h"

#include <charconv>
#include <cmath>
#include <unordered_set>

#include "Ado/AdoError.h"
#include "Com/ComError.h"

namespace ado::xml {

namespace {

struct TypeEntry {
    std::string_view name;
    DataType type;
};

// Our own names first: the first entry of a type is the name written.
constexpr TypeEntry kTypes[] = {
    {"int", DataType::Integer},    {"i2", DataType::SmallInt},     {"ui1", DataType::Byte},
    {"i8", DataType::BigInt},      {"float", DataType::Double},    {"number", DataType::Decimal},
    {"boolean", DataType::Boolean}, {"string", DataType::String},  {"dateTime", DataType::DateTime},
    {"bin.hex", DataType::Binary}, {"i4", DataType::Integer},      {"r8", DataType::Double},
};

bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}

bool IsNameChar(unsigned char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool IsXmlName(std::string_view name) {
    if (name.empty() || !IsNameStart(static_cast<unsigned char>(name[0]))) return false;
    for (char c : name)
        if (!IsNameChar(static_cast<unsigned char>(c))) return false;
    return true;
}

bool IsIntegerType(DataType type) {
    return type == DataType::Integer || type == DataType::SmallInt || type == DataType::Byte ||
           type == DataType::BigInt;
}

template <class T>
void AppendNumber(std::string& out, T n) {
    char buf[32];
    auto end = std::to_chars(buf, buf + sizeof buf, n).ptr;
    out.append(buf, end);
}

void AppendHex(std::string& out, std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    for (unsigned char b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHex(std::string_view text, std::string& bytes) {
    if (text.size() % 2 != 0) return false;
    bytes.resize(text.size() / 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const int hi = HexDigit(text[2 * i]), lo = HexDigit(text[2 * i + 1]);
        if (hi < 0 || lo < 0) return false;
        bytes[i] = static_cast<char>(hi * 16 + lo);
    }
    return true;
}

bool ParseInteger(std::string_view text, com::Variant& out) {
    int64_t n = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size()) {
        // Other writers put "100.0" in an integer column.
        double d = 0;
        if (!com::ParseNumber(text, d) || d != std::trunc(d)) return false;
        if (d < INT32_MIN || d > INT32_MAX) { out = d; return true; }
        n = static_cast<int64_t>(d);
    }
    if (n >= INT32_MIN && n <= INT32_MAX)
        out = static_cast<int32_t>(n);
    else
        out = static_cast<double>(n);
    return true;
}

bool ParseBoolean(std::string_view text, com::Variant& out) {
    if (com::SameName(text, "True") || text == "1" || text == "-1") { out = true; return true; }
    if (com::SameName(text, "False") || text == "0") { out = false; return true; }
    return false;
}

}  // namespace

std::string_view TypeName(DataType type) {
    for (const TypeEntry& e : kTypes)
        if (e.type == type) return e.name;
    return "string";
}

bool TypeFromName(std::string_view name, DataType& type) {
    for (const TypeEntry& e : kTypes) {
        if (com::SameName(e.name, name)) {
            type = e.type;
            return true;
        }
    }
    return false;
}

void AppendEscaped(std::string& out, std::string_view text) {
    size_t plain = 0;  // start of the run not yet copied
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const char* entity = nullptr;
        switch (c) {
            case '&': entity = "&amp;"; break;
            case '<': entity = "&lt;"; break;
            case '>': entity = "&gt;"; break;
            case '\'': entity = "&apos;"; break;
            case '"': entity = "&quot;"; break;
            default:
                if (c >= 0x20) continue;
        }
        out.append(text.data() + plain, i - plain);
        plain = i + 1;
        if (entity) {
            out += entity;
        } else {
            out += "&#";
            AppendNumber(out, static_cast<int>(c));
            out += ';';
        }
    }
    out.append(text.data() + plain, text.size() - plain);
}

void AppendValue(std::string& out, const com::Variant& value, DataType type) {
    using T = com::Variant::Type;
    switch (value.type()) {
        case T::Long: AppendNumber(out, value.asLong()); return;
        case T::Double: {
            const double d = value.asDouble();
            // A big integer held as a double is written in digits, never 1e+15.
            if (IsIntegerType(type) && d == std::trunc(d) && std::fabs(d) < 9.3e18)
                AppendNumber(out, static_cast<int64_t>(d));
            else
                AppendNumber(out, d);
            return;
        }
        case T::Bool: out += value.asBool() ? "True" : "False"; return;
        case T::Date: out += value.asDate().ToIso(); return;
        case T::String:
            if (type == DataType::Binary)
                AppendHex(out, value.asString());
            else
                AppendEscaped(out, value.asString());
            return;
        case T::Empty:
        case T::Null:
        case T::Object: break;
    }
    com::Raise(err::TypeMismatch, "A recordset value must be a number, a text or a date");
}

com::Variant ParseValue(std::string_view text, DataType type) {
    com::Variant out;
    bool read = false;
    switch (type) {
        case DataType::Integer:
        case DataType::SmallInt:
        case DataType::Byte:
        case DataType::BigInt: read = ParseInteger(text, out); break;
        case DataType::Double:
        case DataType::Decimal: {
            double d = 0;
            auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
            read = ec == std::errc() && end == text.data() + text.size();
            if (!read) read = com::ParseNumber(text, d);
            if (read) out = d;
            break;
        }
        case DataType::Boolean: read = ParseBoolean(text, out); break;
        case DataType::DateTime: {
            com::Date d;
            read = com::Date::Parse(text, d);
            if (read) out = d;
            break;
        }
        case DataType::Binary: {
            std::string bytes;
            read = ParseHex(text, bytes);
            if (read) out = std::move(bytes);
            break;
        }
        case DataType::String: break;
    }
    return read ? out : com::Variant(text);
}

std::vector<XmlColumn> ColumnsFor(const std::vector<FieldInfo>& fields) {
    std::vector<XmlColumn> columns(fields.size());
    std::unordered_set<std::string> used;
    for (size_t i = 0; i < fields.size(); ++i) {
        std::string name = fields[i].name;
        if (!IsXmlName(name) || used.count(name)) {
            name = "c" + std::to_string(i);
            while (used.count(name)) name += '_';
        }
        used.insert(name);
        columns[i].name = std::move(name);
        columns[i].writeUnknown = !fields[i].baseColumn.empty() && !fields[i].autoIncrement;
    }
    return columns;
}

}  // namespace ado::xml
