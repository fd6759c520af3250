// Speed of the recordset, each figure beside a plain baseline of the same
// run:
//   QueryToXml        100,000 rows of ten columns fetched and written as XML
//                     text; baseline PlainQueryLoop, a sqlite3 prepare/step
//                     loop reading the same rows. Target: within 3 times.
//                     Its counter peak_per_text is the memory the operation
//                     took at its peak over the size of the text (target:
//                     under 3).
//   XmlToRecordset    that text read back; baseline PlainXmlParse, pugixml
//                     parsing the same text.
//   UpdateBatch       10,000 changed rows written; baseline PlainUpdates,
//                     prepared statements doing the same writes in one
//                     transaction. Target: within 2 times.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <pugixml.hpp>

#include <fstream>
#include <memory>
#include <string>

#include "Ado/Connection.h"
#include "Ado/Recordset.h"
#include "BenchDatabase.h"

namespace bench {
namespace {

constexpr int kQueryRows = 100000;
constexpr int kUpdateRows = 10000;

BenchDatabase& QueryDatabase() {
    static BenchDatabase db(kQueryRows);
    return db;
}

std::shared_ptr<ado::Connection> Connect(const BenchDatabase& db) {
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db.connectionString());
    return connection;
}

std::string QueryToXml(const std::shared_ptr<ado::Connection>& connection) {
    ado::Recordset rs;
    rs.Open(kSelect, connection);
    return rs.ToXml();
}

// A figure of /proc/self/status, in bytes.
long StatusBytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == key) {
            long kb = 0;
            status >> kb;
            return kb * 1024;
        }
    return 0;
}

// The memory one run of QueryToXml takes at its peak: the resident size
// the kernel records as the highest, reset just before the run.
double PeakBytes(const std::shared_ptr<ado::Connection>& connection) {
    malloc_trim(0);
    const long before = StatusBytes("VmRSS:");
    if (!(std::ofstream("/proc/self/clear_refs") << "5")) return 0;
    benchmark::DoNotOptimize(QueryToXml(connection));
    return static_cast<double>(StatusBytes("VmHWM:") - before);
}

void BM_QueryToXml(benchmark::State& state) {
    auto connection = Connect(QueryDatabase());
    size_t size = 0;
    for (auto _ : state) {
        std::string text = QueryToXml(connection);
        size = text.size();
        benchmark::DoNotOptimize(text);
    }
    state.counters["text_MB"] = static_cast<double>(size) / 1e6;
    state.counters["peak_per_text"] = PeakBytes(connection) / static_cast<double>(size);
}
BENCHMARK(BM_QueryToXml)->Unit(benchmark::kMillisecond);

void BM_PlainQueryLoop(benchmark::State& state) {
    sqlite3* db = QueryDatabase().handle();
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, kSelect, -1, &statement, nullptr);
        const int columns = sqlite3_column_count(statement);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(statement, c)) {
                    case SQLITE_INTEGER: benchmark::DoNotOptimize(sqlite3_column_int64(statement, c)); break;
                    case SQLITE_FLOAT: benchmark::DoNotOptimize(sqlite3_column_double(statement, c)); break;
                    case SQLITE_TEXT: benchmark::DoNotOptimize(sqlite3_column_text(statement, c)); break;
                    default: break;
                }
            }
        }
        sqlite3_finalize(statement);
    }
}
BENCHMARK(BM_PlainQueryLoop)->Unit(benchmark::kMillisecond);

const std::string& QueryText() {
    static const std::string text = QueryToXml(Connect(QueryDatabase()));
    return text;
}

void BM_XmlToRecordset(benchmark::State& state) {
    const std::string& text = QueryText();
    for (auto _ : state) benchmark::DoNotOptimize(ado::Recordset::FromXml(text));
}
BENCHMARK(BM_XmlToRecordset)->Unit(benchmark::kMillisecond);

void BM_PlainXmlParse(benchmark::State& state) {
    const std::string& text = QueryText();
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(text.data(), text.size()));
    }
}
BENCHMARK(BM_PlainXmlParse)->Unit(benchmark::kMillisecond);

// Each run moves every light point to the next street: the same 10,000
// updates, found by the key and the original street, for both contenders.
void BM_UpdateBatch(benchmark::State& state) {
    BenchDatabase db(kUpdateRows);
    auto connection = Connect(db);
    for (auto _ : state) {
        state.PauseTiming();
        ado::Recordset rs;
        rs.Open(kSelect, connection);
        for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
            rs.SetValue("NumCarrer", rs.Value("NumCarrer").toLong() + 1);
        state.ResumeTiming();
        rs.UpdateBatch(*connection);
    }
}
BENCHMARK(BM_UpdateBatch)->Unit(benchmark::kMillisecond);

void BM_PlainUpdates(benchmark::State& state) {
    BenchDatabase db(kUpdateRows);
    sqlite3* handle = db.handle();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::pair<int, int>> streets;  // key, street as read
        sqlite3_stmt* read = nullptr;
        sqlite3_prepare_v2(handle, "SELECT NumPuntLlum, NumCarrer FROM T_PuntLlum ORDER BY NumPuntLlum", -1, &read, nullptr);
        while (sqlite3_step(read) == SQLITE_ROW)
            streets.emplace_back(sqlite3_column_int(read, 0), sqlite3_column_int(read, 1));
        sqlite3_finalize(read);
        state.ResumeTiming();

        Exec(handle, "BEGIN IMMEDIATE");
        sqlite3_stmt* update = nullptr;
        sqlite3_prepare_v2(handle,
                           "UPDATE \"T_PuntLlum\" SET \"NumCarrer\" = ? WHERE \"NumPuntLlum\" = ? AND \"NumCarrer\" = ?",
                           -1, &update, nullptr);
        for (const auto& [key, street] : streets) {
            sqlite3_bind_int(update, 1, street + 1);
            sqlite3_bind_int(update, 2, key);
            sqlite3_bind_int(update, 3, street);
            if (sqlite3_step(update) != SQLITE_DONE || sqlite3_changes(handle) != 1) std::abort();
            sqlite3_reset(update);
        }
        sqlite3_finalize(update);
        Exec(handle, "COMMIT");
    }
}
BENCHMARK(BM_PlainUpdates)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bench

BENCHMARK_MAIN();
