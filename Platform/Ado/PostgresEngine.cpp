#include "Ado/PostgresEngine.h"

#include <poll.h>

#include "Ado/AdoError.h"
#include "Ado/ConnectionString.h"
#include "Ado/PostgresSql.h"
#include "Ado/PostgresTypes.h"
#include "Com/ComError.h"

namespace ado {

namespace {

constexpr const char* kStatementSavepoint = "statement";

// Dates come back as ISO text, and a backslash in a literal is a backslash
// whatever the server's default, since literals reach it as written.
constexpr const char* kSessionOptions = "-c DateStyle=ISO,YMD -c standard_conforming_strings=on";

// SQLSTATE of a table or a column that does not exist.
bool UnknownName(const std::string& state) { return state == "42P01" || state == "42703"; }

// SQLSTATE of a prepared statement that does not exist.
constexpr const char* kNoSuchPreparedStatement = "26000";

PGconn* Connect(const ConnectionString& connection) {
    const std::string host = connection.value("Host"), port = connection.value("Port"),
                      database = connection.value("Database"), user = connection.value("User ID"),
                      password = connection.value("Password");
    // Empty values are left to libpq's defaults.
    const char* keys[] = {
        "host",    "port", "dbname", "user", "password", "connect_timeout", "client_encoding",
        "options", nullptr};
    const char* values[] = {host.c_str(), port.c_str(),     database.c_str(),
                            user.c_str(), password.c_str(), "10",
                            "UTF8",       kSessionOptions,  nullptr};
    PGconn* pg = PQconnectdbParams(keys, values, 0);
    if (!pg) com::Raise(com::err::OutOfMemory);
    if (PQstatus(pg) != CONNECTION_OK) {
        std::string message = PQerrorMessage(pg);
        PQfinish(pg);
        while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
            message.pop_back();
        com::Raise(err::DatabaseError,
                   "Cannot connect to the PostgreSQL database " + database + ": " + message);
    }
    // The server's notices (an implicit index, a savepoint already gone)
    // are not errors; they would only clutter the program's output.
    PQsetNoticeProcessor(
        pg, [](void*, const char*) {}, nullptr);
    return pg;
}

}  // namespace

PostgresEngine::PostgresEngine(const ConnectionString& connection)
    : connection_(Connect(connection)),
      catalog_(connection_.get()),
      statements_(connection_.get()) {
    catalog_.reload();
}

void PostgresEngine::run(const std::string& statement) { PgRun(connection_.get(), statement); }

bool PostgresEngine::stillValid() const {
    PGconn* pg = connection_.get();
    if (PQstatus(pg) != CONNECTION_OK) return false;
    pollfd socket{PQsocket(pg), POLLIN, 0};
    return ::poll(&socket, 1, 0) == 0;
}

bool PostgresEngine::inTransaction() const {
    return PQtransactionStatus(connection_.get()) != PQTRANS_IDLE;
}

PgResult PostgresEngine::runStatement(const std::string& statement,
                                      std::span<const com::Variant> params) {
    const PostgresParams values(params);
    const bool savepoint = level() > 0;
    for (bool retried = false;; retried = true) {
        const PostgresStatement pg = RewriteForPostgres(statement, catalog_.names());
        if (pg.parameters != values.count())
            com::Raise(err::DatabaseError, "The statement has " + std::to_string(pg.parameters) +
                                               " parameters and " + std::to_string(values.count()) +
                                               " values were given: " + statement);
        if (savepoint) run(std::string("SAVEPOINT ") + kStatementSavepoint);
        PgResult result = statements_.run(pg, values.count(), values.values());
        const bool succeeded = PgSucceeded(result.get());
        if (savepoint) {
            if (!succeeded) run(std::string("ROLLBACK TO SAVEPOINT ") + kStatementSavepoint);
            run(std::string("RELEASE SAVEPOINT ") + kStatementSavepoint);
        }
        if (succeeded) {
            if (pg.changesSchema) catalog_.reload();
            return result;
        }
        // The schema may have changed since the names were read, or the
        // session dropped its prepared statements (DEALLOCATE ALL).
        const std::string state = PgState(result.get());
        if (!retried && state == kNoSuchPreparedStatement) {
            statements_.forget();
            continue;
        }
        if (retried || !UnknownName(state) || !catalog_.reload())
            PgFail(connection_.get(), result.get(), pg.text);
    }
}

int64_t PostgresEngine::runExecute(const std::string& statement,
                                   std::span<const com::Variant> params) {
    const PgResult result = runStatement(statement, params);
    // A query changes no row (libpq would give the number it returned).
    if (std::string_view(PQcmdStatus(result.get())).starts_with("SELECT")) return 0;
    const char* rows = PQcmdTuples(result.get());
    return *rows ? std::stoll(rows) : 0;
}

FieldInfo PostgresEngine::describe(const PGresult* result, int column) {
    FieldInfo field;
    field.name = PQfname(result, column);
    PostgresColumnType(PQftype(result, column), PQfmod(result, column), field);
    const Oid table = PQftable(result, column);
    if (table == InvalidOid) return field;  // a computed column
    const auto [info, base] = catalog_.column(table, PQftablecol(result, column));
    if (base) SetOrigin(field, *info, *base);
    return field;
}

FetchedRows PostgresEngine::runQuery(const std::string& statement,
                                     std::span<const com::Variant> params) {
    const PgResult r = runStatement(statement, params);
    FetchedRows result;
    const int columns = PQnfields(r.get());
    const int rows = PQntuples(r.get());
    for (int i = 0; i < columns; ++i) result.fields.push_back(describe(r.get(), i));
    result.rows = CellTable(result.fields.size());
    for (int row = 0; row < rows; ++row) {
        const std::span<Cell> values = result.rows.append();
        for (int i = 0; i < columns; ++i)
            if (!PQgetisnull(r.get(), row, i))
                values[static_cast<size_t>(i)] =
                    PostgresValue(PQgetvalue(r.get(), row, i), PQgetlength(r.get(), row, i),
                                  result.fields[static_cast<size_t>(i)].type);
    }
    return result;
}

int64_t PostgresEngine::readLastInsertedKey(std::string_view table, std::string_view keyColumn) {
    const TableInfo* info = catalog_.table(table);
    const ColumnInfo* key = info ? info->column(keyColumn) : nullptr;
    if (!key)
        com::Raise(err::DatabaseError,
                   "No such column: " + std::string(table) + "." + std::string(keyColumn));
    // The value the column's sequence gave last in this session.
    const com::Variant params[] = {com::Variant(sql::QuoteName(info->name)),
                                   com::Variant(key->name)};
    const PgResult r = runStatement("SELECT currval(pg_get_serial_sequence(?, ?))", params);
    if (PQgetisnull(r.get(), 0, 0))
        com::Raise(err::DatabaseError,
                   "The database gives no values to " + info->name + "." + key->name);
    return std::stoll(PQgetvalue(r.get(), 0, 0));
}

std::vector<ColumnInfo> PostgresEngine::readTableColumns(std::string_view table) {
    const TableInfo* info = catalog_.table(table);
    return info ? info->columns : std::vector<ColumnInfo>{};
}

}  // namespace ado
