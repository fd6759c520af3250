// The pieces of the rowset XML text: type names, values as attributes hold
// them, escaping. The writer and the reader of the text share them, and the
// window side uses them to write rows of its own in the same form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Ado/Cell.h"
#include "Ado/Field.h"
#include "Ado/RecordsetData.h"
#include "Ado/ValueText.h"

namespace ado::xml {

// The dt:type name this layer writes for a type ("int", "string", ...).
std::string_view TypeName(DataType type);
// The type of a dt:type name as any writer spells it (also i4, r8,
// datetime); false for a name this layer does not know.
[[nodiscard]] bool TypeFromName(std::string_view name, DataType& type);

// Appends `text` as an attribute value between apostrophes may hold it:
// & < > ' " as entity references, CR, LF, TAB and the other control
// characters (DEL, U+0080 to U+009F and LS among them) as character
// references, so that the text reads back unchanged. Returns whether it
// wrote a reference to a control character below U+0020 other than TAB,
// LF and CR, which only XML 1.1 takes: the text must then be declared so
// (kXml11Declaration).
bool AppendEscaped(std::string& out, std::string_view text);

// Appends `text` as the text of an element: & < > and the control
// characters (but TAB and LF) escaped as AppendEscaped does.
bool AppendEscapedText(std::string& out, std::string_view text);

// What a document that holds such a reference starts with.
constexpr std::string_view kXml11Declaration = "<?xml version='1.1'?>\n";

// Whether XML text written by this layer holds a reference that only XML
// 1.1 takes.
bool HoldsXml11Reference(std::string_view xml);

// Appends a non-Null value of a field of `type`, escaped: whole numbers in
// digits, doubles in their shortest exact form (C locale), True/False,
// dates yyyy-mm-ddThh:mm:ss (and .fff for milliseconds), binary values in
// hexadecimal. Returns what AppendEscaped returns.
bool AppendValue(std::string& out, const Cell& value, DataType type);

// A Boolean as any writer spells it: True/False in any case, 1, 0 and -1.
[[nodiscard]] bool ReadBoolean(std::string_view text, Cell& out);
// Binary in hexadecimal digits, two to a byte.
[[nodiscard]] bool ReadBinary(std::string_view text, Cell& out);

// The value of `text` as a value of `type` into `out`; false when it is not
// one, and for a String. Inline, as it runs for every typed value of every
// row read.
[[nodiscard]] inline bool ReadTyped(std::string_view text, DataType type, Cell& out) {
    switch (type) {
        case DataType::Integer:
        case DataType::SmallInt:
        case DataType::Byte:
        case DataType::BigInt: {
            // An integer's digits only: "100.0" or "1e3" in an integer column
            // stays the text it is, which a batch update refuses to write there.
            int64_t n = 0;
            if (!ReadWhole(text, n)) return false;
            out = Cell::Whole(n);
            return true;
        }
        case DataType::Double:
        case DataType::Decimal: {
            double d = 0;
            if (!ReadNumber(text, d)) return false;
            out = Cell(d);
            return true;
        }
        case DataType::Boolean: return ReadBoolean(text, out);
        case DataType::DateTime: {
            com::Date d;
            if (!ReadDate(text, d)) return false;
            out = Cell(d);
            return true;
        }
        case DataType::Binary: return ReadBinary(text, out);
        case DataType::String: break;
    }
    return false;
}

// The value an attribute of a field of `type` holds. Booleans are read as
// True/False in any case, 1, 0 and -1. A text that does not read as the type
// (other writers put anything in their rows), or reads only as another value
// ("1e400", "2024-02-30", NaN), is kept as the text itself; so is a whole
// number beyond 2^53, which a double would round (see ValueText.h). Inline,
// as it runs for every value of every row read: a text, the most common
// value, is made in place without a call; every value is made in `out`,
// the cell that keeps it, with no copy on the way.
inline void ParseValue(std::string_view text, DataType type, Cell& out) {
    if (type == DataType::String || !ReadTyped(text, type, out)) out = Cell(text);
}

// Attribute names for fields that come from the database: the field's name
// when it is a valid XML name not used before, else "c" and its position.
std::vector<XmlColumn> ColumnsFor(const std::vector<FieldInfo>& fields);

}  // namespace ado::xml
