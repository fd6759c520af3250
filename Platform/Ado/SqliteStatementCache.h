// The prepared statements of one SQLite connection, kept by their text, so
// that a statement run again (one per row of a batch update) is prepared
// once.
//
// A kept statement is always reset and holds no values between two runs: it
// keeps no read lock and does not stand in the way of a change of the
// schema. When the schema changes (on this connection or another), SQLite
// prepares a kept statement again from its text the next time it runs.
// Closing the connection finalises every statement first.
#pragma once

#include <sqlite3.h>

#include <string_view>

#include "Ado/RecentTexts.h"

namespace ado {

class SqliteStatementCache {
public:
    explicit SqliteStatementCache(sqlite3* db) : db_(db) {}
    ~SqliteStatementCache();
    SqliteStatementCache(const SqliteStatementCache&) = delete;
    SqliteStatementCache& operator=(const SqliteStatementCache&) = delete;

    // A statement for `sql`, which must hold exactly one statement (raises
    // DatabaseError with SQLite's message otherwise). It is ready to bind and
    // step, and must be handed back with release() before it is asked for
    // again; a text asked for while its statement is out gets one of its own.
    sqlite3_stmt* acquire(std::string_view sql);
    // Takes a statement back: reset, its values unbound, kept for the next
    // run of the same text (or finalised when it was not kept).
    void release(sqlite3_stmt* statement) noexcept;

    sqlite3* db() const { return db_; }

private:
    // The number of statements kept.
    static constexpr size_t kCapacity = 64;

    struct Kept {
        sqlite3_stmt* statement;
        bool inUse;
    };

    sqlite3_stmt* prepare(std::string_view sql);

    sqlite3* db_;
    RecentTexts<Kept> kept_{kCapacity};
};

}  // namespace ado
