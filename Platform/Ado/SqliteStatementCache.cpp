#include "Ado/SqliteStatementCache.h"

#include <algorithm>

#include "Ado/AdoError.h"
#include "Ado/Sql.h"
#include "Ado/SqliteStatement.h"
#include "Com/ComError.h"

namespace ado {

SqliteStatementCache::~SqliteStatementCache() {
    for (Entry& e : entries_) sqlite3_finalize(e.statement);
}

sqlite3_stmt* SqliteStatementCache::acquire(std::string_view sql) {
    for (Entry& e : entries_) {
        if (e.sql != sql) continue;
        if (e.inUse) return prepare(sql);  // a run of the same text inside this one
        e.inUse = true;
        e.lastUse = ++clock_;
        return e.statement;
    }
    sqlite3_stmt* statement = prepare(sql);
    try {
        keep(sql, statement);
    } catch (...) {
        sqlite3_finalize(statement);
        throw;
    }
    return statement;
}

void SqliteStatementCache::release(sqlite3_stmt* statement) noexcept {
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [statement](const Entry& e) { return e.statement == statement; });
    if (it == entries_.end()) {
        sqlite3_finalize(statement);
        return;
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    it->inUse = false;
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

void SqliteStatementCache::keep(std::string_view sql, sqlite3_stmt* statement) {
    if (entries_.size() == kCapacity) {
        auto oldest = entries_.end();
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (!it->inUse && (oldest == entries_.end() || it->lastUse < oldest->lastUse))
                oldest = it;
        if (oldest == entries_.end()) return;  // all out: this one is finalised on release
        sqlite3_finalize(oldest->statement);
        entries_.erase(oldest);
    }
    entries_.push_back({std::string(sql), statement, ++clock_, true});
}

}  // namespace ado
