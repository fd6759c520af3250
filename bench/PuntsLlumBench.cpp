// Speed of the light-point window on a connection of 10,000 light points,
// each with a support (through its pattern), a luminaire and a map point,
// on the sample database:
//   ObreFinestra      the window opened on that connection, set up and
//                     showing its first point; baseline ConsultesSuport, the
//                     support-layer calls its set-up makes, one after the
//                     other, each returning its text. Target: within 2
//                     times.
//   MouPrimerIDarrer  from the first point to the last, and back; its
//                     counter crides_per_moviment is the support calls one
//                     move makes. Target: one, the point's map points (the
//                     lookup lists are read once, at set-up).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <cstdlib>
#include <memory>

#include "Ado/Connection.h"
#include "Com/Registry.h"
#include "core/clsAndamiSistema.h"
#include "lightpoints/frmPuntsLlum.h"
#include "support/DravikSettings.h"
#include "support/SampleDatabase.h"

namespace bench {
namespace {

constexpr int kPunts = 10000;
constexpr int32_t kProjecte = 306;
constexpr int32_t kEscomesa = 1;  // E-01, the chooser's first

// The sample database with E-01 feeding 10,000 more points, and the data
// access library pointed at it for as long as the benchmark runs.
class Dades {
public:
    Dades() : db_(testsupport::SampleDatabase(testsupport::Engine::SQLite)) {
        ado::Connection c;
        c.Open(db_->connectionString());
        const std::string n =
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(kPunts) + ") ";
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
    }

private:
    std::unique_ptr<testsupport::TestDatabase> db_;
    testsupport::ScopedFile dravikIni_{testsupport::DravikIni(), testsupport::DravikSettings(db_->connectionString())};
};

Dades& LesDades() {
    static Dades dades;
    return dades;
}

// The window's support object, counting the calls it is made.
class SuportComptat final : public com::Object {
public:
    explicit SuportComptat(com::ObjectRef real) : real_(std::move(real)) {}
    std::string className() const override { return real_->className(); }
    com::Variant invoke(std::string_view member, com::CallKind kind, com::Args args) override {
        if (kind == com::CallKind::Method) ++crides;
        return real_->invoke(member, kind, args);
    }
    int64_t crides = 0;

private:
    com::ObjectRef real_;
};

void BM_ObreFinestra(benchmark::State& state) {
    LesDades();
    int32_t punts = 0;
    for (auto _ : state) {
        velmar::frmPuntsLlum window(kProjecte);
        if (window.NumError != 0) state.SkipWithError(window.UbicacioError.c_str());
        punts = window.rstRecordsetActual->RecordCount();
    }
    state.counters["punts"] = punts;
}

// What the set-up asks the support layer for: the window's texts, the
// project's connections and streets, the patterns, characteristics and
// luminaires, the 25 lookup lists, the points of the connection, and the
// map points of the first point (read when the connection is taken and
// again when the set-up shows its point).
void BM_ConsultesSuport(benchmark::State& state) {
    LesDades();
    static constexpr std::pair<const char*, const char*> kLlistes[] = {
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
    size_t bytes = 0;
    for (auto _ : state) {
        const com::ObjectRef idiomes = com::CreateObject("Brintel.SvrIdiomes");
        bytes = com::Call(idiomes, "GetTextIdioma", {1, "frmPuntsLlum"}).toString().size();
        const com::ObjectRef suport = com::CreateObject("Brintel.SvrPuntsLlum");
        bytes += com::Call(suport, "GetEscomeses", {kProjecte}).toString().size();
        bytes += com::Call(suport, "GetCarrers", {kProjecte}).toString().size();
        bytes += com::Call(suport, "GetPatronsPuntsLlum").toString().size();
        bytes += com::Call(suport, "GetCaractSuport").toString().size();
        bytes += com::Call(suport, "GetLluminaries").toString().size();
        for (const auto& [taula, ordre] : kLlistes)
            bytes += com::Call(suport, "GetListAuxiliar", {taula, ordre}).toString().size();
        bytes += com::Call(suport, "GetPuntsLlum", {kEscomesa}).toString().size();
        for (int i = 0; i < 2; ++i) bytes += com::Call(suport, "GetPLlumPunts", {1}).toString().size();
    }
    state.counters["text_MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_MouPrimerIDarrer(benchmark::State& state) {
    LesDades();
    velmar::frmPuntsLlum window(kProjecte);
    auto comptat = std::make_shared<SuportComptat>(window.objClasseSuportActual);
    window.objClasseSuportActual = comptat;
    QPushButton* darrer = window.findChild<QPushButton*>("cmdFi");
    QPushButton* primer = window.findChild<QPushButton*>("cmdPrincipi");
    int64_t moviments = 0;
    for (auto _ : state) {
        darrer->click();
        primer->click();
        moviments += 2;
    }
    if (window.NumError != 0) state.SkipWithError(window.UbicacioError.c_str());
    state.counters["crides_per_moviment"] = static_cast<double>(comptat->crides) / static_cast<double>(moviments);
}

BENCHMARK(BM_ConsultesSuport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ObreFinestra)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MouPrimerIDarrer)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bench

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
