// The tables of the inventory database, read from the one description
// (schema.txt) from which the statements of both engines are written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace database {

enum class ColumnType { Key, Integer, Double, Boolean, DateTime, Text };

struct ColumnDescription {
    std::string name;
    ColumnType type = ColumnType::Integer;
    int32_t length = 0;  // the most characters a Text column holds
};

struct TableDescription {
    std::string name;
    std::vector<ColumnDescription> columns;  // in the order the rows carry them
    std::vector<std::vector<std::string>> uniqueColumns;  // one list per constraint

    // The auto-number key column, or nullptr when the table has none.
    const ColumnDescription* key() const;
};

// Reads the description: a line in the first column names a table, the
// indented lines under it are its columns ("Name type") or a constraint
// ("unique(A, B)"); "#" starts a comment. Raises std::runtime_error naming
// the line for anything it cannot read: an unknown type, a repeated table
// or column, a constraint on a column the table lacks, a table without
// columns, or more than one key.
std::vector<TableDescription> ParseSchema(std::string_view text);

// Whether `name` is a table of the inventory database (schema.txt), matched
// without regard to case as both engines match names.
bool IsSchemaTable(std::string_view name);

}  // namespace database
