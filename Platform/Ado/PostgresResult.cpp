#include "Ado/PostgresResult.h"

#include "Ado/AdoError.h"
#include "Com/ComError.h"

namespace ado {

namespace {

// SQLSTATE of a row that names a row that is not there, or of a delete of
// a row that others name.
constexpr const char* kForeignKeyViolation = "23503";

}  // namespace

PgResult PgSend(PGconn* connection, const std::string& sql, int count, const char* const* values) {
    return PgResult(
        PQexecParams(connection, sql.c_str(), count, nullptr, values, nullptr, nullptr, 0));
}

bool PgSucceeded(const PGresult* result) {
    const ExecStatusType status = PQresultStatus(result);
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

std::string PgState(const PGresult* result) {
    const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
    return state ? state : "";
}

void PgFail(PGconn* connection, const PGresult* result, const std::string& sql) {
    std::string message = result ? PQresultErrorMessage(result) : "";
    if (message.empty()) message = PQerrorMessage(connection);
    while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
        message.pop_back();
    com::Raise(result && PgState(result) == kForeignKeyViolation ? err::UpdateConflict : err::DatabaseError,
               err::WithState(message + " (SQL: " + sql + ")", PgState(result)));
}

PgResult PgRun(PGconn* connection, const std::string& sql, int count, const char* const* values) {
    PgResult result = PgSend(connection, sql, count, values);
    if (!PgSucceeded(result.get())) PgFail(connection, result.get(), sql);
    return result;
}

}  // namespace ado
