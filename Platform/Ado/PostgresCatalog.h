// The tables of a PostgreSQL database as its catalogue describes them: the
// names that need quoting, and each table's columns, read once per table
// and kept until the schema changes.
#pragma once

#include <libpq-fe.h>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Ado/Engine.h"
#include "Ado/PostgresSql.h"

namespace ado {

class PostgresCatalog {
public:
    explicit PostgresCatalog(PGconn* connection) : connection_(connection) {}

    // Reads the names of the tables and columns of the schemas on the
    // search path, and forgets the tables read so far. Returns whether the
    // names changed.
    bool reload();
    const DeclaredNames& names() const { return names_; }

    // Column `number` (pg_attribute.attnum) of the table `table` (its oid),
    // with the table; nullptr when either is unknown.
    std::pair<const TableInfo*, const ColumnInfo*> column(Oid table, int number);

    // The table or view of that name, matched without regard to case.
    const TableInfo* table(std::string_view name);

private:
    struct Table {
        TableInfo info;
        std::vector<int> numbers;  // attnum of each column of info
    };
    const Table* load(Oid table, bool fresh);

    PGconn* connection_;
    DeclaredNames names_;
    std::unordered_map<Oid, std::optional<Table>> tables_;
    std::unordered_map<std::string, Oid> tablesByName_;  // by lower-case name
};

}  // namespace ado
