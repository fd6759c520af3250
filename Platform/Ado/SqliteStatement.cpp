#include "Ado/SqliteStatement.h"

#include <string>

#include "Ado/AdoError.h"
#include "Ado/Sql.h"
#include "Ado/SqliteTypes.h"
#include "Com/ComError.h"

namespace ado {

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : db_(db), sql_(sql) {
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, &tail) !=
        SQLITE_OK)
        Fail(db, sql);
    if (!statement_) com::Raise(err::DatabaseError, "The SQL text holds no statement");
    // SQLite's own reading decides where the statement ends.
    const std::string_view rest(tail, static_cast<size_t>(sql.data() + sql.size() - tail));
    try {
        sql::CheckNothingFollows(rest, sql, sql::Dialect::SQLite);
    } catch (...) {
        sqlite3_finalize(statement_);
        throw;
    }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(statement_); }

void SqliteStatement::bind(std::span<const com::Variant> params) {
    const int expected = sqlite3_bind_parameter_count(statement_);
    if (expected != static_cast<int>(params.size()))
        com::Raise(err::DatabaseError, "The statement has " + std::to_string(expected) +
                                           " parameters and " + std::to_string(params.size()) +
                                           " values were given: " + std::string(sql_));
    if (SqliteBind(statement_, params) != SQLITE_OK) Fail(db_, sql_);
}

bool SqliteStatement::step() {
    switch (sqlite3_step(statement_)) {
        case SQLITE_ROW: return true;
        case SQLITE_DONE: return false;
        default: Fail(db_, sql_);
    }
}

void SqliteStatement::Fail(sqlite3* db, std::string_view sql) {
    std::string message = sqlite3_errmsg(db);
    if (!sql.empty()) message += " (SQL: " + std::string(sql) + ")";
    com::Raise(err::DatabaseError, message);
}

}  // namespace ado
