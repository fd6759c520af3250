// Speed of the tiers above the database, on the sample database, each
// beside its floor in the same run; on SQLite, and on PostgreSQL when
// INVENTARI_PG names a server:
//   ListCall         GetListAuxiliar of SvrEscomeses (TTE_Companyia, 4 rows)
//                    through Brintel, Quossa and Dravik, as a window asks
//                    for a lookup list; floor PlainListQuery, the same query
//                    on an open connection of the engine's own library.
//                    Target: 5 times the floor.
//   TransactionPair  BeginTransaction and CommitTransaction of
//                    SVrTransaccions, the collector's registration
//                    included; floor PlainBeginCommit, BEGIN and COMMIT on
//                    an open connection. Target: 5 times the floor.
//   CollectorRegistration  what the pair spends in the collector: a new
//                    collector object, AfegeixConnexio with an open
//                    connection, the object released.
#include <benchmark/benchmark.h>
#include <libpq-fe.h>
#include <sqlite3.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "Ado/Connection.h"
#include "Ado/ConnectionString.h"
#include "Com/Object.h"
#include "Com/Registry.h"
#include "PlainPostgres.h"
#include "support/CollectorSandbox.h"
#include "support/DravikSettings.h"
#include "support/SampleDatabase.h"

namespace bench {
namespace {

using testsupport::Engine;

// The query of the list call as each engine gets it (PostgreSQL with the
// schema's mixed-case names quoted).
const char* ListQuery(Engine engine) {
    return engine == Engine::SQLite ? "Select * From TTE_Companyia Order By CodCompanyia"
                                    : "Select * From \"TTE_Companyia\" Order By \"CodCompanyia\"";
}

// A sample database on each engine, a collector of the bench's own, and
// Dravik.INI pointing at the database of the benchmark that runs.
struct Server {
    testsupport::CollectorSandbox collector;
    std::unique_ptr<testsupport::TestDatabase> sqlite = testsupport::SampleDatabase(Engine::SQLite);
    std::unique_ptr<testsupport::TestDatabase> postgres =
        testsupport::AvailableEngines().size() > 1 ? testsupport::SampleDatabase(Engine::PostgreSQL) : nullptr;
    testsupport::ScopedFile dravikIni{testsupport::DravikIni(), std::nullopt};

    const testsupport::TestDatabase* use(Engine engine) {
        const testsupport::TestDatabase* db = engine == Engine::SQLite ? sqlite.get() : postgres.get();
        if (db) dravikIni.replace(testsupport::DravikSettings(db->connectionString()));
        return db;
    }
};

Server& TheServer() {
    static Server server;
    return server;
}

Engine EngineOf(const benchmark::State& state) { return state.range(0) == 0 ? Engine::SQLite : Engine::PostgreSQL; }

// An open connection of the engine's own library to the database, for the
// floors.
class PlainConnection {
public:
    explicit PlainConnection(const testsupport::TestDatabase& db) {
        const ado::ConnectionString cs(db.connectionString());
        if (db.engine() == Engine::SQLite) {
            sqlite3_open(cs.value("Data Source").c_str(), &sqlite_);
            return;
        }
        pg_ = ConnectPlain(db.connectionString());
    }
    ~PlainConnection() {
        if (sqlite_) sqlite3_close(sqlite_);
        if (pg_) PQfinish(pg_);
    }

    // Runs `sql` and reads every value of every row it returns.
    void run(const char* sql) {
        if (pg_) {
            PGresult* r = PQexec(pg_, sql);
            for (int row = 0; row < PQntuples(r); ++row)
                for (int c = 0; c < PQnfields(r); ++c) benchmark::DoNotOptimize(PQgetvalue(r, row, c));
            if (PQresultStatus(r) != PGRES_TUPLES_OK && PQresultStatus(r) != PGRES_COMMAND_OK) std::abort();
            PQclear(r);
            return;
        }
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(sqlite_, sql, -1, &statement, nullptr) != SQLITE_OK) std::abort();
        while (sqlite3_step(statement) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(statement); ++c)
                benchmark::DoNotOptimize(sqlite3_column_text(statement, c));
        sqlite3_finalize(statement);
    }
    const char* begin() const { return pg_ ? "BEGIN" : "BEGIN IMMEDIATE"; }

private:
    sqlite3* sqlite_ = nullptr;
    PGconn* pg_ = nullptr;
};

void BM_ListCall(benchmark::State& state) {
    if (!TheServer().use(EngineOf(state))) return state.SkipWithError("no PostgreSQL server (INVENTARI_PG)");
    const com::ObjectRef service = com::CreateObject("Brintel.SvrEscomeses");
    for (auto _ : state) {
        const com::Variant text =
            com::Call(service, "GetListAuxiliar", {com::Variant("TTE_Companyia"), com::Variant("CodCompanyia")});
        if (com::Get(service, "NumError").toLong() != 0) return state.SkipWithError("the list call failed");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ListCall)->Arg(0)->Arg(1)->ArgName("postgres")->Unit(benchmark::kMicrosecond);

void BM_PlainListQuery(benchmark::State& state) {
    const testsupport::TestDatabase* db = TheServer().use(EngineOf(state));
    if (!db) return state.SkipWithError("no PostgreSQL server (INVENTARI_PG)");
    PlainConnection connection(*db);
    for (auto _ : state) connection.run(ListQuery(db->engine()));
}
BENCHMARK(BM_PlainListQuery)->Arg(0)->Arg(1)->ArgName("postgres")->Unit(benchmark::kMicrosecond);

void BM_TransactionPair(benchmark::State& state) {
    if (!TheServer().use(EngineOf(state))) return state.SkipWithError("no PostgreSQL server (INVENTARI_PG)");
    const com::ObjectRef session = com::CreateObject("Brintel.SVrTransaccions");
    for (auto _ : state) {
        com::Call(session, "BeginTransaction");
        com::Call(session, "CommitTransaction");
        if (com::Get(session, "NumError").toLong() != 0) return state.SkipWithError("the transaction failed");
    }
}
BENCHMARK(BM_TransactionPair)->Arg(0)->Arg(1)->ArgName("postgres")->Unit(benchmark::kMicrosecond);

void BM_CollectorRegistration(benchmark::State& state) {
    const testsupport::TestDatabase* db = TheServer().use(EngineOf(state));
    if (!db) return state.SkipWithError("no PostgreSQL server (INVENTARI_PG)");
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db->connectionString());
    for (auto _ : state) {
        const com::ObjectRef collector = com::CreateObject("Morune.clsDeixalla");
        com::Call(collector, "AfegeixConnexio", {com::Variant(com::ObjectRef(connection))});
        if (com::Get(collector, "NumError").toLong() != 0) return state.SkipWithError("the registration failed");
    }
}
BENCHMARK(BM_CollectorRegistration)->Arg(0)->Arg(1)->ArgName("postgres")->Unit(benchmark::kMicrosecond);

void BM_PlainBeginCommit(benchmark::State& state) {
    const testsupport::TestDatabase* db = TheServer().use(EngineOf(state));
    if (!db) return state.SkipWithError("no PostgreSQL server (INVENTARI_PG)");
    PlainConnection connection(*db);
    for (auto _ : state) {
        connection.run(connection.begin());
        connection.run("COMMIT");
    }
}
BENCHMARK(BM_PlainBeginCommit)->Arg(0)->Arg(1)->ArgName("postgres")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bench

BENCHMARK_MAIN();
