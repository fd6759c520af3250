#include "Ado/PostgresEngine.h"

#include <poll.h>

#include <algorithm>
#include <unordered_map>

#include "Ado/AdoError.h"
#include "Ado/ConnectionString.h"
#include "Ado/PostgresSql.h"
#include "Ado/PostgresTypes.h"
#include "Com/ComError.h"

namespace ado {

namespace {

constexpr const char* kStatementSavepoint = "statement";

// Dates come back as ISO text, and a backslash in a literal is a backslash
// whatever the server's default, since literals reach it as written. A
// wait for a lock ends as on SQLite (kLockWaitMs).
const std::string kSessionOptions = "-c DateStyle=ISO,YMD -c standard_conforming_strings=on -c lock_timeout=" +
                                    std::to_string(kLockWaitMs);

// SQLSTATE of a table or a column that does not exist.
bool UnknownName(const std::string& state) { return state == "42P01" || state == "42703"; }

// SQLSTATE of a prepared statement that does not exist.
constexpr const char* kNoSuchPreparedStatement = "26000";

// Refuses `statement` (`pg` as the server gets it) when `values` does not
// give each of its parameters one value.
void CheckValueCount(const PostgresStatement& pg, size_t values, const std::string& statement) {
    if (pg.parameters != static_cast<int>(values))
        com::Raise(err::DatabaseError, "The statement has " + std::to_string(pg.parameters) +
                                           " parameters and " + std::to_string(values) +
                                           " values were given: " + statement);
}

// The rows a statement changed as the server counts them; 0 when it gives
// no count.
int64_t CountedRows(const PGresult* result) {
    const char* rows = PQcmdTuples(const_cast<PGresult*>(result));
    return *rows ? std::stoll(rows) : 0;
}

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
                            "UTF8",       kSessionOptions.c_str(), nullptr};
    PGconn* pg = PQconnectdbParams(keys, values, 0);
    if (!pg) com::Raise(com::err::OutOfMemory);
    if (PQstatus(pg) != CONNECTION_OK) {
        std::string message = PQerrorMessage(pg);
        PQfinish(pg);
        while (!message.empty() && (message.back() == '\n' || message.back() == ' '))
            message.pop_back();
        // libpq indents its hint on a line of its own: one paragraph reads
        // better in an error box.
        for (size_t at; (at = message.find("\n\t")) != std::string::npos;) message.replace(at, 2, " ");
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
        CheckValueCount(pg, params.size(), statement);
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
    return CountedRows(result.get());
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

void PostgresEngine::runQuery(const std::string& statement, std::span<const com::Variant> params,
                              RowSink& sink) {
    const PgResult r = runStatement(statement, params);
    const int columns = PQnfields(r.get());
    const int rows = PQntuples(r.get());
    sink.fields.clear();
    sink.untyped = 0;
    for (int i = 0; i < columns; ++i) sink.fields.push_back(describe(r.get(), i));
    std::vector<Cell> values(static_cast<size_t>(columns));
    for (int row = 0; row < rows; ++row) {
        for (int i = 0; i < columns; ++i) {
            Cell& value = values[static_cast<size_t>(i)];
            value = PQgetisnull(r.get(), row, i)
                        ? Cell()
                        : PostgresValue(PQgetvalue(r.get(), row, i), PQgetlength(r.get(), row, i),
                                        sink.fields[static_cast<size_t>(i)].type);
        }
        sink.row(values);
    }
}

namespace {

// Statements sent before their answers are read: few enough that the
// answers fit into the socket's buffers, so that neither side waits for the
// other to read.
constexpr size_t kPipelineChunk = 512;

BatchOutcome OutcomeOf(const PGresult* result) {
    BatchOutcome outcome;
    outcome.rows = CountedRows(result);
    if (PQntuples(result) > 0)
        for (int c = 0; c < PQnfields(result); ++c)
            outcome.returned.push_back(std::stoll(PQgetvalue(result, 0, c)));
    return outcome;
}

// Pipeline mode for as long as it lives: the answers still due are read and
// dropped when it ends early, so that the session takes plain calls again.
class Pipeline {
public:
    explicit Pipeline(PGconn* pg) : pg_(pg) {
        if (PQenterPipelineMode(pg) != 1) PgFail(pg, nullptr, "pipeline mode");
    }
    ~Pipeline() {
        while (due_ > 0 && PQstatus(pg_) == CONNECTION_OK) next();
        PQexitPipelineMode(pg_);
    }
    Pipeline(const Pipeline&) = delete;
    Pipeline& operator=(const Pipeline&) = delete;

    void send(const std::string& name, std::span<const com::Variant> params, const std::string& sql) {
        const PostgresParams values(params);
        if (PQsendQueryPrepared(pg_, name.c_str(), values.count(), values.values(), nullptr, nullptr, 0) != 1)
            PgFail(pg_, nullptr, sql);
        ++due_;
    }
    // Asks for the answers of what was sent since the last sync.
    void sync() {
        if (PQpipelineSync(pg_) != 1) PgFail(pg_, nullptr, "pipeline sync");
        ++due_;
    }
    // The next answer: the result of a statement, or the mark of a sync.
    PgResult next() {
        --due_;
        PgResult result(PQgetResult(pg_));
        // A statement's result is followed by the end of its answer.
        if (result && PQresultStatus(result.get()) != PGRES_PIPELINE_SYNC) PgResult(PQgetResult(pg_));
        return result;
    }

private:
    PGconn* pg_;
    size_t due_ = 0;  // answers sent for and not read
};

}  // namespace

// The statements go in pipeline mode, a chunk at a time: one round trip
// for many rows. They run without a savepoint of their own: after a failure
// the server refuses the rest of the chunk, and the batch undoes its level.
void PostgresEngine::runBatch(std::span<const BatchStatement> statements, const BatchCheck& check) {
    if (statements.empty()) return;
    // Each text is prepared once, before the pipeline starts.
    std::unordered_map<std::string_view, std::string> names;
    for (const BatchStatement& s : statements) {
        if (names.count(s.sql)) continue;
        const PostgresStatement pg = RewriteForPostgres(s.sql, catalog_.names());
        CheckValueCount(pg, s.params.size(), s.sql);
        names.emplace(s.sql, statements_.prepared(pg, pg.parameters));
    }
    Pipeline pipeline(connection_.get());
    for (size_t start = 0; start < statements.size(); start += kPipelineChunk) {
        const size_t end = std::min(start + kPipelineChunk, statements.size());
        for (size_t i = start; i < end; ++i)
            pipeline.send(names.at(statements[i].sql), statements[i].params, statements[i].sql);
        pipeline.sync();
        for (size_t i = start; i < end; ++i) {
            const PgResult result = pipeline.next();
            if (!PgSucceeded(result.get())) PgFail(connection_.get(), result.get(), statements[i].sql);
            check(i, OutcomeOf(result.get()));
        }
        pipeline.next();  // the sync
    }
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

TableInfo PostgresEngine::readTable(std::string_view name) {
    const TableInfo* info = catalog_.table(name);
    return info ? *info : TableInfo{};
}

}  // namespace ado
