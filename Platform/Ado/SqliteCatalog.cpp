#include "Ado/SqliteCatalog.h"

#include "Ado/SqliteStatement.h"
#include "Ado/SqliteTypes.h"
#include "Base/Text.h"

namespace ado {

namespace {

std::string Text(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? text : "";
}

}  // namespace

void SqliteCatalog::checkSchema() {
    SqliteStatement version(statements_, "PRAGMA schema_version");
    const int64_t current = version.step() ? sqlite3_column_int64(version.get(), 0) : 0;
    if (current != schemaVersion_) tables_.clear();
    schemaVersion_ = current;
}

const TableInfo* SqliteCatalog::table(std::string_view name) {
    const std::string key = base::Lower(name);
    auto it = tables_.find(key);
    if (it == tables_.end()) it = tables_.emplace(key, load(name)).first;
    return it->second ? &*it->second : nullptr;
}

std::optional<TableInfo> SqliteCatalog::load(std::string_view name) {
    const com::Variant nameParam(name);
    SqliteStatement find(statements_,
                         "SELECT name FROM sqlite_master WHERE type IN ('table', 'view') "
                         "AND name = ?1 COLLATE NOCASE");
    find.bind({&nameParam, 1});
    if (!find.step()) return std::nullopt;

    TableInfo table;
    table.name = Text(find.get(), 0);
    const com::Variant declaredName(table.name);
    SqliteStatement columns(statements_,
                            "SELECT name, type, \"notnull\", pk FROM pragma_table_info(?1)");
    columns.bind({&declaredName, 1});
    int keyColumns = 0;
    while (columns.step()) {
        ColumnInfo c;
        c.name = Text(columns.get(), 0);
        const std::string declared = Text(columns.get(), 1);
        FieldInfo field;
        SqliteDeclaredType(declared.c_str(), field);
        c.type = field.type;
        c.definedSize = field.definedSize;
        c.nullable = sqlite3_column_int(columns.get(), 2) == 0;
        c.key = sqlite3_column_int(columns.get(), 3) > 0;
        int autoIncrement = 0;
        sqlite3_table_column_metadata(statements_.db(), nullptr, table.name.c_str(),
                                      c.name.c_str(), nullptr, nullptr, nullptr, nullptr,
                                      &autoIncrement);
        c.autoIncrement = autoIncrement != 0;
        // "INTEGER PRIMARY KEY" stands for the row id, which the database gives.
        if (c.key && sqlite3_stricmp(declared.c_str(), "INTEGER") == 0) c.autoIncrement = true;
        keyColumns += c.key ? 1 : 0;
        table.columns.push_back(std::move(c));
    }
    if (keyColumns > 1)
        for (ColumnInfo& c : table.columns) c.autoIncrement = c.autoIncrement && !c.key;
    for (ColumnInfo& c : table.columns)
        if (c.autoIncrement) c.nullable = false;
    return table;
}

}  // namespace ado
