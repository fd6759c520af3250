// One prepared SQLite statement, finalised when the object ends.
#pragma once

#include <sqlite3.h>

#include <span>
#include <string_view>

#include "Com/Variant.h"

namespace ado {

class SqliteStatement {
public:
    // Prepares `sql`, which must hold exactly one statement; raises
    // DatabaseError with SQLite's message otherwise.
    SqliteStatement(sqlite3* db, std::string_view sql);
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
    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    std::string_view sql_;
};

}  // namespace ado
