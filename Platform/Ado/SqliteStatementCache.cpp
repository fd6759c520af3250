#include "Ado/SqliteStatementCache.h"

#include "Ado/AdoError.h"
#include "Ado/Sql.h"
#include "Ado/SqliteStatement.h"
#include "Com/ComError.h"

namespace ado {

SqliteStatementCache::~SqliteStatementCache() {
    kept_.forEach([](Kept& k) { sqlite3_finalize(k.statement); });
}

sqlite3_stmt* SqliteStatementCache::acquire(std::string_view sql) {
    if (Kept* kept = kept_.find(sql)) {
        if (kept->inUse) return prepare(sql);  // a run of the same text inside this one
        kept->inUse = true;
        return kept->statement;
    }
    sqlite3_stmt* statement = prepare(sql);
    try {
        // A statement that leaves while out is finalised when it comes back.
        kept_.keep(sql, {statement, true}, [](Kept& dropped) {
            if (!dropped.inUse) sqlite3_finalize(dropped.statement);
        });
    } catch (...) {
        sqlite3_finalize(statement);
        throw;
    }
    return statement;
}

void SqliteStatementCache::release(sqlite3_stmt* statement) noexcept {
    Kept* kept = kept_.findIf([statement](const Kept& k) { return k.statement == statement; });
    if (!kept) {
        sqlite3_finalize(statement);
        return;
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    kept->inUse = false;
}

sqlite3_stmt* SqliteStatementCache::prepare(std::string_view sql) {
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                           &statement, &tail) != SQLITE_OK)
        SqliteStatement::Fail(db_, sql);
    if (!statement) com::Raise(err::DatabaseError, "The SQL text holds no statement");
    // SQLite's own reading decides where the statement ends.
    const std::string_view rest(tail, static_cast<size_t>(sql.data() + sql.size() - tail));
    try {
        sql::CheckNothingFollows(rest, sql, sql::Dialect::SQLite);
    } catch (...) {
        sqlite3_finalize(statement);
        throw;
    }
    return statement;
}

}  // namespace ado
