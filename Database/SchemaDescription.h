// The tables of the inventory database, read from the one description
// (schema.txt) from which the statements of both engines are written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace database {

enum class ColumnType { Key, Integer, Double, Boolean, DateTime, Text };

// A column that holds the key of a row of another table.
struct ReferenceDescription {
    std::string table;
    // Deleting that row deletes the rows that name it; without it the
    // database refuses the delete while they exist.
    bool cascade = false;
};

struct ColumnDescription {
    std::string name;
    ColumnType type = ColumnType::Integer;
    int32_t length = 0;  // the most characters a Text column holds
    std::optional<ReferenceDescription> references;
};

struct TableDescription {
    std::string name;
    std::vector<ColumnDescription> columns;  // in the order the rows carry them
    std::vector<std::vector<std::string>> uniqueColumns;  // one list per constraint
    std::vector<std::vector<std::string>> indexColumns;   // one list per index
    // Read and written by name through the lookup-table service.
    bool lookupService = false;

    // The auto-number key column, or nullptr when the table has none.
    const ColumnDescription* key() const;
    // The column of that name, matched without regard to case; nullptr
    // when the table has none.
    const ColumnDescription* column(std::string_view name) const;
};

// Reads the description: a line in the first column names a table (and,
// after it, "lookup" marks it served by the lookup-table service), the
// indented lines under it are its columns ("Name type", "Name integer ->
// Table [cascade]") or a constraint ("unique(A, B)", "index(A)"); "#"
// starts a comment. Raises std::runtime_error naming the line for anything
// it cannot read: an unknown type or mark, a repeated table or column, a
// constraint on a column the table lacks, a table without columns, more
// than one key, or a reference that is not an integer column or names a
// table that is not described or has no key.
std::vector<TableDescription> ParseSchema(std::string_view text);

// The description of the inventory database (schema.txt), read once.
const std::vector<TableDescription>& Schema();

// The table of that name, matched without regard to case as both engines
// match names; nullptr when there is none.
const TableDescription* FindTable(const std::vector<TableDescription>& tables, std::string_view name);

// Whether the lookup-table service serves the table `name`: a table of the
// inventory database that schema.txt marks "lookup".
bool IsLookupServiceTable(std::string_view name);

// A reference as the table it points at sees it: a column of another table
// that holds its key.
struct Reference {
    const TableDescription* table;    // the table whose rows refer
    const ColumnDescription* column;  // and its column that holds the key
    bool cascade;
};

// Every column of `tables` that refers to the table `name`, in the order
// of the description.
std::vector<Reference> ReferencesTo(const std::vector<TableDescription>& tables, std::string_view name);

}  // namespace database
