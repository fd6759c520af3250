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

template <class T>
void AppendNumber(std::string& out, T n) {
    char buf[32];
    auto end = std::to_chars(buf, buf + sizeof buf, n).ptr;
    out.append(buf, end);
}

// What a byte of a value is when it is written: as it is, as a reference,
// or the first byte of a character that may be one (U+0080 to U+009F, LS). In an attribute value, the markup characters and
// every control character are references (CR, LF and TAB too, which a
// reader would otherwise make blanks); in a text, all but TAB and LF. The
// controls beyond ASCII are never written as they stand, so that the text
// is the same in XML 1.0 and 1.1.
enum class Escape : uint8_t { None, Reference, Check };

using EscapeTable = std::array<Escape, 256>;

constexpr EscapeTable MakeEscapeTable(bool attribute) {
    EscapeTable table{};
    for (int c = 0; c < 0x20; ++c) table[c] = Escape::Reference;
    for (unsigned char c : {'&', '<', '>', '\x7F'}) table[c] = Escape::Reference;
    if (attribute) {
        table['\''] = table['"'] = Escape::Reference;
    } else {
        table['\t'] = table['\n'] = Escape::None;
    }
    table[0xC2] = table[0xE2] = Escape::Check;
    return table;
}

constexpr EscapeTable kAttributeEscapes = MakeEscapeTable(true);
constexpr EscapeTable kTextEscapes = MakeEscapeTable(false);

// Whether the character at `p` is written as a reference: sets it and its
// length in bytes.
bool EscapedCharacter(const char* p, const char* end, const EscapeTable& table, char32_t& c, size_t& length) {
    const auto first = static_cast<unsigned char>(*p);
    const auto second = end - p >= 2 ? static_cast<unsigned char>(p[1]) : 0;
    c = first;
    length = 1;
    if (table[first] == Escape::Reference) return true;
    length = first == 0xC2 ? 2 : 3;
    if (first == 0xC2 && second >= 0x80 && second <= 0x9F) c = second;
    else if (first == 0xE2 && second == 0x80 && end - p >= 3 && p[2] == '\xA8') c = 0x2028;
    else return false;
    return true;
}

bool AppendEscapedWith(std::string& out, std::string_view text, const EscapeTable& table) {
    bool xml11 = false;
    const char* p = text.data();
    const char* const end = p + text.size();
    const char* run = p;
    while (p != end) {
        char32_t c = 0;
        size_t length = 0;
        if (table[static_cast<unsigned char>(*p)] == Escape::None || !EscapedCharacter(p, end, table, c, length)) {
            ++p;
            continue;
        }
        out.append(run, p);
        run = p += length;
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '\'': out += "&apos;"; break;
            case '"': out += "&quot;"; break;
            default:
                xml11 |= c < 0x20 && c != '\t' && c != '\n' && c != '\r';
                out += "&#";
                AppendNumber(out, static_cast<uint32_t>(c));
                out += ';';
        }
    }
    out.append(run, p);
    return xml11;
}

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

bool AppendEscaped(std::string& out, std::string_view text) {
    return AppendEscapedWith(out, text, kAttributeEscapes);
}

bool AppendEscapedText(std::string& out, std::string_view text) {
    return AppendEscapedWith(out, text, kTextEscapes);
}

bool HoldsXml11Reference(std::string_view xml) {
    for (size_t at = xml.find("&#"); at != std::string_view::npos; at = xml.find("&#", at + 2)) {
        unsigned c = 0;
        const auto [end, error] = std::from_chars(xml.data() + at + 2, xml.data() + xml.size(), c);
        if (error == std::errc() && end != xml.data() + xml.size() && *end == ';' && c < 0x20 && c != '\t' &&
            c != '\n' && c != '\r')
            return true;
    }
    return false;
}

bool AppendValue(std::string& out, const Cell& value, DataType type) {
    using T = Cell::Type;
    switch (value.type()) {
        case T::Long: AppendNumber(out, value.asLong()); return false;
        case T::Double: {
            const double d = value.asDouble();
            // A big integer held as a double is written in digits, never 1e+15.
            if (IsIntegerType(type) && d == std::trunc(d) && std::fabs(d) < 9.3e18)
                AppendNumber(out, static_cast<int64_t>(d));
            else
                AppendNumber(out, d);
            return false;
        }
        case T::Bool: out += value.asBool() ? "True" : "False"; return false;
        case T::Date: out += DateText(value.asDate()); return false;
        case T::String:
            if (type != DataType::Binary) return AppendEscaped(out, value.asText());
            AppendHex(out, value.asText());
            return false;
        case T::Empty:
        case T::Null:
        case T::Object: break;
    }
    com::Raise(err::TypeMismatch, "A recordset value must be a number, a text or a date");
}

bool ReadBoolean(std::string_view text, Cell& out) {
    // As this layer writes them, before any other spelling.
    if (text == "True" || text == "False") {
        out = Cell(text[0] == 'T');
        return true;
    }
    const bool isTrue = com::SameName(text, "True") || text == "1" || text == "-1";
    if (!isTrue && !com::SameName(text, "False") && text != "0") return false;
    out = Cell(isTrue);
    return true;
}

bool ReadBinary(std::string_view text, Cell& out) {
    std::string bytes;
    if (!ParseHex(text, bytes)) return false;
    out = Cell(std::string_view(bytes));
    return true;
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
