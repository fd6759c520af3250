// PostgresEngine: a session on a PostgreSQL server, through libpq.
//
// The caller's SQL reaches the server with the catalogue's mixed-case names
// quoted (PostgresSql.h). Inside a transaction every statement runs under a
// savepoint of its own, so that a failing statement undoes itself and
// leaves the transaction usable, as it does on SQLite; the statements of a
// batch update do not, since the batch undoes its whole level instead.
#pragma once

#include <libpq-fe.h>

#include <memory>

#include "Ado/Engine.h"
#include "Ado/PostgresCatalog.h"
#include "Ado/PostgresResult.h"
#include "Ado/PostgresStatementCache.h"

namespace ado {

class PostgresEngine final : public Engine {
public:
    explicit PostgresEngine(const ConnectionString& connection);

    Provider provider() const override { return Provider::PostgreSQL; }
    // The server has not closed the session: nothing came on its socket
    // while it was idle (a server that ends a session says so first).
    bool stillValid() const override;

protected:
    int64_t runExecute(const std::string& statement, std::span<const com::Variant> params) override;
    void runQuery(const std::string& statement, std::span<const com::Variant> params,
                  RowSink& sink) override;
    void runBatch(std::span<const BatchStatement> statements, const BatchCheck& check) override;
    int64_t readLastInsertedKey(std::string_view table, std::string_view keyColumn) override;
    TableInfo readTable(std::string_view name) override;

    void run(const std::string& statement) override;
    const char* beginStatement() const override { return "BEGIN"; }
    bool inTransaction() const override;

private:
    struct Finish {
        void operator()(PGconn* connection) const { PQfinish(connection); }
    };

    // Runs one statement of the caller; when it fails on a table or column
    // the names did not know, reads the names again and runs it once more,
    // and the same when the session lost the statements it had prepared.
    PgResult runStatement(const std::string& statement, std::span<const com::Variant> params);
    FieldInfo describe(const PGresult* result, int column);

    std::unique_ptr<PGconn, Finish> connection_;
    PostgresCatalog catalog_;
    PostgresStatementCache statements_;
};

}  // namespace ado
