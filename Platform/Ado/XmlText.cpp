#include "Ado/XmlText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <unordered_set>

#include "Ado/AdoError.h"
#include "Ado/ValueText.h"
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

// The characters an attribute value holds as references: the markup
// characters, and the control characters (CR, LF and TAB among them), which
// a reader would otherwise turn into blanks.
constexpr std::array<uint8_t, 256> kEscaped = [] {
    std::array<uint8_t, 256> table{};
    for (int c = 0; c < 0x20; ++c) table[c] = 1;
    for (unsigned char c : {'&', '<', '>', '\'', '"'}) table[c] = 1;
    return table;
}();

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

// An integer's digits only: "100.0" or "1e3" in an integer column stays the
// text it is, which a batch update refuses to write there.
bool ParseInteger(std::string_view text, Cell& out) {
    int64_t n = 0;
    if (!ReadWhole(text, n)) return false;
    out = Cell::Whole(n);
    return true;
}

bool ParseBoolean(std::string_view text, Cell& out) {
    const bool isTrue = com::SameName(text, "True") || text == "1" || text == "-1";
    if (!isTrue && !com::SameName(text, "False") && text != "0") return false;
    out = Cell(isTrue);
    return true;
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
    const char* next = text.data();
    const char* const end = next + text.size();
    while (next != end) {
        const char* run = next;
        while (next != end && kEscaped[static_cast<unsigned char>(*next)] == 0) ++next;
        out.append(run, next);
        if (next == end) break;
        const unsigned char c = static_cast<unsigned char>(*next++);
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '\'': out += "&apos;"; break;
            case '"': out += "&quot;"; break;
            default:
                out += "&#";
                AppendNumber(out, static_cast<int>(c));
                out += ';';
        }
    }
}

void AppendValue(std::string& out, const Cell& value, DataType type) {
    using T = Cell::Type;
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
        case T::Date: out += DateText(value.asDate()); return;
        case T::String:
            if (type == DataType::Binary)
                AppendHex(out, value.asText());
            else
                AppendEscaped(out, value.asText());
            return;
        case T::Empty:
        case T::Null:
        case T::Object: break;
    }
    com::Raise(err::TypeMismatch, "A recordset value must be a number, a text or a date");
}

Cell ParseValue(std::string_view text, DataType type) {
    Cell out;
    bool read = false;
    switch (type) {
        case DataType::Integer:
        case DataType::SmallInt:
        case DataType::Byte:
        case DataType::BigInt: read = ParseInteger(text, out); break;
        case DataType::Double:
        case DataType::Decimal: {
            double d = 0;
            read = ReadNumber(text, d);
            if (read) out = Cell(d);
            break;
        }
        case DataType::Boolean: read = ParseBoolean(text, out); break;
        case DataType::DateTime: {
            com::Date d;
            read = ReadDate(text, d);
            if (read) out = Cell(d);
            break;
        }
        case DataType::Binary: {
            std::string bytes;
            read = ParseHex(text, bytes);
            if (read) out = Cell(std::string_view(bytes));
            break;
        }
        case DataType::String: break;
    }
    if (!read) return Cell(text);
    return out;
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
