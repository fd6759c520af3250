// Named prepared statements of one PostgreSQL session, kept by their text,
// so that a statement run again (one per row of a batch update) is parsed
// and planned once.
//
// Only plain writes with parameters are kept (PostgresStatement::plainWrite):
// a text is prepared the second time it runs, so that a statement run once
// costs no more than before. The server plans a kept statement again when a
// table it names changes; prepared statements outlive a rollback and end
// with the session.
#pragma once

#include <libpq-fe.h>

#include <cstdint>
#include <string>

#include "Ado/PostgresResult.h"
#include "Ado/PostgresSql.h"
#include "Ado/RecentTexts.h"

namespace ado {

class PostgresStatementCache {
public:
    explicit PostgresStatementCache(PGconn* connection) : connection_(connection) {}

    // Runs `statement` with `values` (PgSend), as a prepared statement once
    // its text has run before. Returns the result, failed or not.
    PgResult run(const PostgresStatement& statement, int count, const char* const* values);
    // The name `statement` is prepared under, prepared now when it is not
    // yet (whatever it is): for the statements of a batch, sent in pipeline
    // mode. Raises DatabaseError when the server refuses it.
    std::string prepared(const PostgresStatement& statement, int count);
    // Forgets every statement, as after the session dropped them
    // (DEALLOCATE ALL, DISCARD ALL).
    void forget() { names_.clear(); }

private:
    // Keeps `text`, which is not kept yet, with no name: the least used
    // text goes when all places are taken.
    std::string& keep(const std::string& text);
    // Prepares `statement` under a new name, which goes into `name` when
    // the server takes it.
    PgResult prepare(std::string& name, const PostgresStatement& statement, int count);

    // The number of texts remembered.
    static constexpr size_t kCapacity = 64;

    PGconn* connection_;
    // The name each text was prepared under; empty until it runs again.
    RecentTexts<std::string> names_{kCapacity};
    uint64_t prepared_ = 0;
};

}  // namespace ado
