// The batch update on PostgreSQL (the server INVENTARI_PG names), beside
// libpq's floor in the same run. Each run moves 10,000 light points to the
// next street, every update found by its key and the street as read:
//   UpdateBatch           the recordset's pending changes written by the
//                         batch update (pipeline mode, no savepoint per row).
//   PlainPreparedUpdates  one prepared statement run row by row in one
//                         transaction, each count checked.
//   PipelinedUpdates      the same statements in libpq's pipeline mode.
// Targets: UpdateBatch at 1.0 times PlainPreparedUpdates or less, and 0.2
// times it, as pipeline mode allows.
#include <benchmark/benchmark.h>
#include <libpq-fe.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "Ado/Connection.h"
#include "Ado/Recordset.h"
#include "PlainPostgres.h"
#include "support/TestDatabase.h"

namespace bench {
namespace {

constexpr int kRows = 10000;
constexpr const char* kSelect = "Select NumPuntLlum, CodPuntLlum, NumCarrer From T_PuntLlum Order By NumPuntLlum";
constexpr const char* kUpdate =
    "UPDATE \"T_PuntLlum\" SET \"NumCarrer\" = $1 WHERE \"NumPuntLlum\" = $2 AND \"NumCarrer\" = $3";

// A database of its own with 10,000 light points.
struct LightPoints {
    std::unique_ptr<testsupport::TestDatabase> db;
    std::shared_ptr<ado::Connection> connection = std::make_shared<ado::Connection>();
    PGconn* pg = nullptr;

    LightPoints() {
        if (testsupport::AvailableEngines().size() < 2) return;
        db = std::make_unique<testsupport::TestDatabase>(testsupport::Engine::PostgreSQL);
        connection->Open(db->connectionString());
        connection->Execute(
            "CREATE TABLE \"T_PuntLlum\" (\"NumPuntLlum\" INTEGER PRIMARY KEY, "
            "\"CodPuntLlum\" VARCHAR(20) NOT NULL, \"NumCarrer\" INTEGER)");
        connection->Execute("INSERT INTO \"T_PuntLlum\" SELECT i, 'PL-' || i, 1 + i % 400 "
                            "FROM generate_series(1, " + std::to_string(kRows) + ") AS i");
        pg = ConnectPlain(db->connectionString());
        Check(PQprepare(pg, "move", kUpdate, 3, nullptr), PGRES_COMMAND_OK);
    }
    ~LightPoints() {
        if (pg) PQfinish(pg);
        connection->Close();
    }

    static void Check(PGresult* r, ExecStatusType expected) {
        if (PQresultStatus(r) != expected) std::abort();
        PQclear(r);
    }

    // Every light point with the street it is on now.
    std::vector<std::pair<std::string, std::string>> streets() const {
        std::vector<std::pair<std::string, std::string>> out;
        PGresult* r = PQexec(pg, "SELECT \"NumPuntLlum\", \"NumCarrer\" FROM \"T_PuntLlum\"");
        for (int i = 0; i < PQntuples(r); ++i) out.emplace_back(PQgetvalue(r, i, 0), PQgetvalue(r, i, 1));
        PQclear(r);
        return out;
    }
};

LightPoints& Points() {
    static LightPoints points;
    return points;
}

void BM_UpdateBatch(benchmark::State& state) {
    LightPoints& p = Points();
    if (!p.db) return state.SkipWithError("no PostgreSQL server (INVENTARI_PG)");
    for (auto _ : state) {
        state.PauseTiming();
        ado::Recordset rs;
        rs.Open(kSelect, p.connection);
        for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
            rs.SetValue("NumCarrer", rs.Value("NumCarrer").toLong() + 1);
        state.ResumeTiming();
        rs.UpdateBatch(*p.connection);
    }
}
BENCHMARK(BM_UpdateBatch)->Unit(benchmark::kMillisecond);

// The values of the update of each light point: new street, key, street.
std::vector<std::vector<std::string>> MovesOf(const LightPoints& p) {
    std::vector<std::vector<std::string>> moves;
    for (const auto& [key, street] : p.streets())
        moves.push_back({std::to_string(std::stoi(street) + 1), key, street});
    return moves;
}

using Moves = std::vector<std::vector<std::string>>;

// Each run: the moves read (not timed), then `write` in one transaction.
template <class Write>
void EachRunInATransaction(benchmark::State& state, Write write) {
    LightPoints& p = Points();
    if (!p.db) return state.SkipWithError("no PostgreSQL server (INVENTARI_PG)");
    for (auto _ : state) {
        state.PauseTiming();
        const Moves moves = MovesOf(p);
        state.ResumeTiming();
        LightPoints::Check(PQexec(p.pg, "BEGIN"), PGRES_COMMAND_OK);
        write(p.pg, moves);
        LightPoints::Check(PQexec(p.pg, "COMMIT"), PGRES_COMMAND_OK);
    }
}

void ExpectOneRow(PGresult* r) {
    if (std::string(PQcmdTuples(r)) != "1") std::abort();
    PQclear(r);
}

void BM_PlainPreparedUpdates(benchmark::State& state) {
    EachRunInATransaction(state, [](PGconn* pg, const Moves& moves) {
        for (const auto& m : moves) {
            const char* values[] = {m[0].c_str(), m[1].c_str(), m[2].c_str()};
            ExpectOneRow(PQexecPrepared(pg, "move", 3, values, nullptr, nullptr, 0));
        }
    });
}
BENCHMARK(BM_PlainPreparedUpdates)->Unit(benchmark::kMillisecond);

void BM_PipelinedUpdates(benchmark::State& state) {
    constexpr size_t kChunk = 512;
    EachRunInATransaction(state, [](PGconn* pg, const Moves& moves) {
        PQenterPipelineMode(pg);
        for (size_t start = 0; start < moves.size(); start += kChunk) {
            const size_t end = std::min(moves.size(), start + kChunk);
            for (size_t i = start; i < end; ++i) {
                const char* values[] = {moves[i][0].c_str(), moves[i][1].c_str(), moves[i][2].c_str()};
                PQsendQueryPrepared(pg, "move", 3, values, nullptr, nullptr, 0);
            }
            PQpipelineSync(pg);
            for (size_t i = start; i < end; ++i) {
                ExpectOneRow(PQgetResult(pg));
                PQclear(PQgetResult(pg));  // the end of its answer
            }
            LightPoints::Check(PQgetResult(pg), PGRES_PIPELINE_SYNC);
        }
        PQexitPipelineMode(pg);
    });
}
BENCHMARK(BM_PipelinedUpdates)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bench

BENCHMARK_MAIN();
