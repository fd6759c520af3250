#include "Ado/SqliteStatement.h"

#include <string>

#include "Ado/AdoError.h"
#include "Ado/Sql.h"
#include "Ado/SqliteTypes.h"
#include "Com/ComError.h"

namespace ado {

SqliteStatement::SqliteStatement(SqliteStatementCache& cache, std::string_view sql)
    : cache_(cache), statement_(cache.acquire(sql)) {}

SqliteStatement::~SqliteStatement() { cache_.release(statement_); }

void SqliteStatement::bind(std::span<const com::Variant> params) {
    const int expected = sqlite3_bind_parameter_count(statement_);
    if (expected != static_cast<int>(params.size()))
        com::Raise(err::DatabaseError, "The statement has " + std::to_string(expected) +
                                           " parameters and " + std::to_string(params.size()) +
                                           " values were given: " + sqlite3_sql(statement_));
    if (SqliteBind(statement_, params) != SQLITE_OK) Fail(cache_.db(), sqlite3_sql(statement_));
}

bool SqliteStatement::step() {
    switch (sqlite3_step(statement_)) {
        case SQLITE_ROW: return true;
        case SQLITE_DONE: return false;
        default: Fail(cache_.db(), sqlite3_sql(statement_));
    }
}

namespace {

// The SQLSTATE of SQLite's conditions that a person can act on.
std::string_view StateOf(int code) {
    switch (code & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED: return err::state::LockNotAvailable;
        case SQLITE_FULL: return err::state::DiskFull;
        default: return {};
    }
}

}  // namespace

void SqliteStatement::Fail(sqlite3* db, std::string_view sql) {
    std::string message = sqlite3_errmsg(db);
    if (!sql.empty()) message += " (SQL: " + std::string(sql) + ")";
    com::Raise(sqlite3_extended_errcode(db) == SQLITE_CONSTRAINT_FOREIGNKEY ? err::UpdateConflict
                                                                           : err::DatabaseError,
               err::WithState(std::move(message), StateOf(sqlite3_errcode(db))));
}

}  // namespace ado
