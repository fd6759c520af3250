// Results of libpq, cleared when they go, and the calls that make them.
#pragma once

#include <libpq-fe.h>

#include <memory>
#include <string>

namespace ado {

struct PgClear {
    void operator()(PGresult* result) const { PQclear(result); }
};
using PgResult = std::unique_ptr<PGresult, PgClear>;

// Runs one statement with parameters in text form (nullptr for Null) and
// returns its result, failed or not. Text holding two statements fails
// before any of it runs.
PgResult PgSend(PGconn* connection, const std::string& sql, int count = 0,
                const char* const* values = nullptr);
[[nodiscard]] bool PgSucceeded(const PGresult* result);
// The SQLSTATE code of a failed result ("42P01" ..), empty when none.
std::string PgState(const PGresult* result);
// Raises DatabaseError with the database's message and the statement.
[[noreturn]] void PgFail(PGconn* connection, const PGresult* result, const std::string& sql);
// PgSend, raising DatabaseError when it fails.
PgResult PgRun(PGconn* connection, const std::string& sql, int count = 0,
               const char* const* values = nullptr);

}  // namespace ado
