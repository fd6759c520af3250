// The tables of a SQLite database as its catalogue describes them, read
// once per table and kept until the schema changes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "Ado/Engine.h"
#include "Ado/SqliteStatementCache.h"

namespace ado {

class SqliteCatalog {
public:
    explicit SqliteCatalog(SqliteStatementCache& statements) : statements_(statements) {}

    // Forgets what it read when the schema changed since (another
    // connection, or this one, created or altered a table).
    void checkSchema();

    // The table or view of that name, matched without regard to case;
    // nullptr when there is none.
    const TableInfo* table(std::string_view name);

private:
    std::optional<TableInfo> load(std::string_view name);

    SqliteStatementCache& statements_;
    int64_t schemaVersion_ = -1;
    std::unordered_map<std::string, std::optional<TableInfo>> tables_;  // by lower-case name
};

}  // namespace ado
