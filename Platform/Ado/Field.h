// The description of one column of a result or a recordset.
#pragma once

#include <cstdint>
#include <string>

namespace ado {

// Column types as the XML text names them (s:datatype dt:type).
enum class DataType {
    Integer,   // "int" (also read: i4)
    SmallInt,  // "i2"
    Byte,      // "ui1"
    BigInt,    // "i8"
    Double,    // "float" (also read: r8)
    Decimal,   // "number"
    Boolean,   // "boolean"
    String,    // "string"
    DateTime,  // "dateTime"
    Binary,    // "bin.hex"
};

// The defined size of text (and binary) columns declared without a length.
constexpr int32_t kUnboundedSize = 2147483647;

struct FieldInfo {
    std::string name;
    DataType type = DataType::String;
    int32_t definedSize = 0;  // characters for text, bytes for numbers
    int32_t precision = 0;
    int32_t scale = 0;
    bool nullable = true;
    bool fixedLength = false;
    // From the database: where the column comes from. A joined column keeps
    // its own base table; a computed one has none.
    std::string baseTable;
    std::string baseColumn;
    bool keyColumn = false;
    bool autoIncrement = false;
};

}  // namespace ado
