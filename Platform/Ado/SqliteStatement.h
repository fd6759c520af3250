// One run of a SQLite statement, taken from the connection's statement
// cache and handed back (reset, its values unbound) when the object ends.
#pragma once

#include <sqlite3.h>

#include <span>
#include <string_view>

#include "Ado/SqliteStatementCache.h"
#include "Com/Variant.h"

namespace ado {

class SqliteStatement {
public:
    // The statement for `sql`, which must hold exactly one statement; raises
    // DatabaseError with SQLite's message otherwise.
    SqliteStatement(SqliteStatementCache& cache, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Binds one value to each "?", in order; the values must outlive the
    // statement's steps.
    void bind(std::span<const com::Variant> params);
    // Runs to the next row: true when one is ready, false at the end.
    bool step();

    sqlite3_stmt* get() const { return statement_; }

    // Raises DatabaseError with the database's last message.
    [[noreturn]] static void Fail(sqlite3* db, std::string_view sql);

private:
    SqliteStatementCache& cache_;
    sqlite3_stmt* statement_;
};

}  // namespace ado
