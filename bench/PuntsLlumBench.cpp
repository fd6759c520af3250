// Speed of the light-point window on a connection of 1,000, 10,000 and
// 50,000 light points, each with a support (through its pattern), a
// luminaire and a map point, on the sample database; each figure beside its
// floor, measured in the same run:
//   Move/N           a move from the first point to the last and back, per
//                    move; its counter calls_per_move is the support
//                    calls one move makes (one: the point's map points).
//   MoveQueries/N    its floor: the plain queries of the rows a move shows
//                    (the point, its pattern, support and the support's
//                    properties, its luminaires with their model, its map
//                    points), on sqlite3 alone, per move. Target: Move
//                    within 3 times, and the same at every size.
//   OpenWindow       the window opened on 10,000 points, set up and showing
//                    its first point.
//   OpenQueries      its floor: the plain queries of the rows the set-up
//                    reads (texts, connections, streets, patterns,
//                    characteristics, luminaires, the 25 lookup lists, the
//                    points of the connection, the first point's map
//                    points), each row's columns read, on sqlite3 alone.
//                    Target: OpenWindow within 2 times.
// The fixture indexes the columns the moves look rows up by, as the
// schema does. The bench keeps freed memory as the window program does
// from its start (Base/FreedMemory.h).
// Run: PuntsLlumBench (see Repetitions.h).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QPushButton>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Ado/Connection.h"
#include "BenchDatabase.h"
#include "Com/Registry.h"
#include "Repetitions.h"
#include "core/services/clsAndamiSistema.h"
#include "lightpoints/frmPuntsLlum.h"
#include "Base/FreedMemory.h"
#include "support/SampleDatabase.h"

namespace bench {
namespace {

constexpr int32_t kProject = 306;
constexpr int32_t kConnection = 1;  // E-01, the chooser's first
constexpr int kOpeningSize = 10000;

// The sample database with E-01 feeding `points` more points.
class PointsDatabase {
public:
    explicit PointsDatabase(int points) : db_(testsupport::SampleDatabase(testsupport::Engine::SQLite)) {
        ado::Connection c;
        c.Open(db_->connectionString());
        const std::string n =
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(points) + ") ";
        c.Execute(n +
                  "INSERT INTO T_PuntLlum (NumPuntLlum, CodPuntLlum, NumEscomesa, NumCarrer, NumeroPostal, NumPatroPLL, "
                  "NumTerraCable, NumTerraSeccio, DataInstalacio, DataAltaInventari, Observacions) "
                  "SELECT 1000 + i, printf('PB-%05d', i), 1, 1 + i % 2, CAST(i AS TEXT), 1 + i % 4, 1, 3, "
                  "'2020-01-01T00:00:00', '2023-01-01T00:00:00', 'Punt de prova' FROM n");
        c.Execute(n +
                  "INSERT INTO T_Lluminaria (CodLluminaria, NumPuntLlum, NumTipusLlum, NumLluminariaTipus, "
                  "NumLluminariaMarca, NumLluminariaModel, LluminariaContaminacio, BombetaNumero, NumBombetaForma, "
                  "NumBombetaMarca, NumBombetaModel, BombetaPotencia, Equip2N, NumEquipUbicacio, NumEquipMarca, "
                  "NumEquipModel, FusiblesNumero, FusiblesCalibrats, NumFusiblesAmpers, CaixaTallOmnipolar, "
                  "NumCaixaTipus, NumCaixaUbicacio, NumCaixaMarca, NumCaixaModel) "
                  "SELECT printf('LB-%05d', i), 1000 + i, 1, 1, 2, 1 + i % 4, FALSE, 1, 4, 3, 5, 40, FALSE, 1, 2, 3, "
                  "1, TRUE, 2, FALSE, 1, 1, 1, 3 FROM n");
        c.Execute(n +
                  "INSERT INTO CapaPuntLlum (NumPuntLlum, CoordenadaX, CoordenadaY) "
                  "SELECT 1000 + i, 390000 + i, 4581000 + i FROM n");
        for (const char* index : {"CREATE INDEX IF NOT EXISTS BenchCapaPuntLlum ON CapaPuntLlum (NumPuntLlum)",
                                  "CREATE INDEX IF NOT EXISTS BenchLluminaria ON T_Lluminaria (NumPuntLlum)",
                                  "CREATE INDEX IF NOT EXISTS BenchPuntLlum ON T_PuntLlum (NumEscomesa)",
                                  "CREATE INDEX IF NOT EXISTS BenchSuportPropietat ON TSP_SuportPropietat (NumSPSuport)"})
            c.Execute(index);
    }
    const std::string& connectionString() const { return db_->connectionString(); }
    std::string file() const { return SqliteFile(connectionString()); }

private:
    std::unique_ptr<testsupport::TestDatabase> db_;
};

// The window's support object, counting the calls it is made.
class CountingSupport final : public com::Object {
public:
    explicit CountingSupport(com::ObjectRef real) : real_(std::move(real)) {}
    std::string className() const override { return real_->className(); }
    com::Variant invoke(std::string_view member, com::CallKind kind, com::Args args) override {
        if (kind == com::CallKind::Method) ++calls;
        return real_->invoke(member, kind, args);
    }
    int64_t calls = 0;

private:
    com::ObjectRef real_;
};

// A connection of sqlite3's own, running queries as a plain program
// would: each prepared, its parameter bound, every column of every row
// read, and finalized.
class Plain {
public:
    explicit Plain(const std::string& file) { sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr); }
    ~Plain() { sqlite3_close(db_); }

    // The rows read; the parameter, when given, bound as ?1.
    int64_t Rows(const std::string& sql, std::optional<int64_t> parameter = std::nullopt) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) std::abort();
        if (parameter) sqlite3_bind_int64(statement, 1, *parameter);
        int64_t rows = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            ++rows;
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                if (sqlite3_column_type(statement, c) == SQLITE_TEXT)
                    benchmark::DoNotOptimize(sqlite3_column_text(statement, c));
                else
                    benchmark::DoNotOptimize(sqlite3_column_double(statement, c));
            }
        }
        sqlite3_finalize(statement);
        return rows;
    }
    int64_t Value(const std::string& sql, int64_t parameter) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr);
        sqlite3_bind_int64(statement, 1, parameter);
        const int64_t value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : 0;
        sqlite3_finalize(statement);
        return value;
    }

private:
    sqlite3* db_ = nullptr;
};

// --- a move ----------------------------------------------------------------

void BM_Move(benchmark::State& state) {
    Activate<PointsDatabase>(static_cast<int>(state.range(0)));
    velmar::frmPuntsLlum window(kProject);
    auto counting = std::make_shared<CountingSupport>(window.objClasseSuportActual);
    window.objClasseSuportActual = counting;
    QPushButton* last = window.findChild<QPushButton*>("cmdFi");
    QPushButton* first = window.findChild<QPushButton*>("cmdPrincipi");
    int64_t moves = 0;
    for (auto _ : state) {
        last->click();
        first->click();
        moves += 2;
    }
    if (window.NumError != 0) state.SkipWithError(window.UbicacioError.c_str());
    state.counters["calls_per_move"] = static_cast<double>(counting->calls) / static_cast<double>(moves);
    state.counters["s_per_move"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The rows one move shows of the point `point`.
int64_t RowsOfMove(Plain& db, int64_t point) {
    int64_t rows = db.Rows("SELECT * FROM T_PuntLlum WHERE NumPuntLlum = ?1", point);
    const int64_t pattern = db.Value("SELECT NumPatroPLL FROM T_PuntLlum WHERE NumPuntLlum = ?1", point);
    rows += db.Rows("SELECT * FROM T_PatroPLL WHERE NumPatroPLL = ?1", pattern);
    const int64_t support = db.Value("SELECT NumSPSuport FROM T_PatroPLL WHERE NumPatroPLL = ?1", pattern);
    rows += db.Rows("SELECT * FROM TSP_Suport WHERE NumSPSuport = ?1", support);
    rows += db.Rows("SELECT * FROM TSP_SuportPropietat WHERE NumSPSuport = ?1", support);
    rows += db.Rows("SELECT * FROM T_Lluminaria WHERE NumPuntLlum = ?1", point);
    const int64_t model = db.Value("SELECT NumLluminariaModel FROM T_Lluminaria WHERE NumPuntLlum = ?1", point);
    rows += db.Rows("SELECT * FROM TTLL_LluminariaModel WHERE NumLluminariaModel = ?1", model);
    rows += db.Rows("SELECT * FROM CapaPuntLlum WHERE NumPuntLlum = ?1", point);
    return rows;
}

void BM_MoveQueries(benchmark::State& state) {
    Plain db(Activate<PointsDatabase>(static_cast<int>(state.range(0))).file());
    // The first point of E-01 and its last, as the window orders them.
    const int64_t first =
        db.Value("SELECT NumPuntLlum FROM T_PuntLlum WHERE NumEscomesa = ?1 ORDER BY CodPuntLlum", kConnection);
    const int64_t last =
        db.Value("SELECT NumPuntLlum FROM T_PuntLlum WHERE NumEscomesa = ?1 ORDER BY CodPuntLlum DESC", kConnection);
    int64_t moves = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RowsOfMove(db, last) + RowsOfMove(db, first));
        moves += 2;
    }
    state.counters["s_per_move"] =
        benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// --- opening the window ----------------------------------------------------

void BM_OpenWindow(benchmark::State& state) {
    Activate<PointsDatabase>(kOpeningSize);
    int32_t points = 0;
    for (auto _ : state) {
        velmar::frmPuntsLlum window(kProject);
        if (window.NumError != 0) state.SkipWithError(window.UbicacioError.c_str());
        points = window.rstRecordsetActual->RecordCount();
    }
    state.counters["points"] = points;
}

// The tables of the lookup lists, each read whole in the order of its code.
constexpr std::pair<const char*, const char*> kLookupLists[] = {
    {"TSP_Suport", "CodSPSuport"},
    {"TTS_SuportTipus", "CodSuportTipus"},
    {"TTS_SuportSeccio", "CodSuportSeccio"},
    {"TTS_SuportMaterial", "CodSuportMaterial"},
    {"TTS_SuportColor", "CodSuportColor"},
    {"TTS_SuportMarca", "CodSuportMarca"},
    {"TSP_SuportPropietat", "PropValor"},
    {"TTS_SuportPropietatTipus", "CodPropTipus"},
    {"TTS_PresaTerra", "CodTerraCable"},
    {"TT_SeccioCable", "CodSeccioCable"},
    {"TTLL_TipusLlum", "CodLlumTipus"},
    {"TTLL_LluminariaTipus", "CodLluminariaTipus"},
    {"TTLL_LluminariaMarca", "CodLluminariaMarca"},
    {"TTLL_LluminariaModel", "CodLluminariaModel"},
    {"TTLL_BombetaForma", "CodBombetaForma"},
    {"TTLL_BombetaMarca", "CodBombetaMarca"},
    {"TTLL_BombetaModel", "CodBombetaModel"},
    {"TTLL_EquipUbicacio", "CodEquipUbicacio"},
    {"TTLL_EquipMarca", "CodEquipMarca"},
    {"TTLL_EquipModel", "CodEquipModel"},
    {"TTS_CaixaTipus", "CodCaixaTipus"},
    {"TTS_CaixaMarca", "CodCaixaMarca"},
    {"TTS_CaixaUbicacio", "CodCaixaUbicacio"},
    {"TTS_CaixaModel", "CodiCaixaModel"},
    {"TT_FusibleA", "CodFusibleA"},
};

void BM_OpenQueries(benchmark::State& state) {
    Plain db(Activate<PointsDatabase>(kOpeningSize).file());
    int64_t rows = 0;
    for (auto _ : state) {
        rows = db.Rows("SELECT * FROM T_Idioma WHERE NumIdioma = 1 AND NomFormulari = 'frmPuntsLlum'");
        rows += db.Rows("SELECT T_Escomesa.* FROM T_Escomesa, T_Zona WHERE T_Escomesa.NumZona = T_Zona.NumZona "
                        "AND T_Zona.NumProjecte = ?1 ORDER BY T_Escomesa.CodEscomesa",
                        kProject);
        rows += db.Rows("SELECT * FROM T_Carrer WHERE NumProjecte = ?1 ORDER BY CodCarrer", kProject);
        rows += db.Rows("SELECT * FROM T_PatroPLL ORDER BY CodPatroPLL");
        rows += db.Rows("SELECT * FROM T_SuportCaracteristica");
        rows += db.Rows("SELECT * FROM T_Lluminaria ORDER BY CodLluminaria");
        for (const auto& [table, order] : kLookupLists)
            rows += db.Rows(std::string("SELECT * FROM ") + table + " ORDER BY " + order);
        rows += db.Rows("SELECT * FROM T_PuntLlum WHERE NumEscomesa = ?1 ORDER BY CodPuntLlum", kConnection);
        rows += db.Rows("SELECT * FROM CapaPuntLlum WHERE NumPuntLlum = ?1", 1);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

BENCHMARK(BM_MoveQueries)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Move)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenQueries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bench

int main(int argc, char** argv) {
    // As the window program starts.
    base::KeepFreedMemory();
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    return bench::RunInterleaved(argc, argv);
}
