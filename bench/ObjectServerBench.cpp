// The cost of the object server: the list calls of the support layer with
// the entity objects in this process (/0) and in an object server on the
// loopback address, over TLS (/1), on the sample database (SQLite):
//   ListCall   GetListAuxiliar of SvrEscomeses (TTE_Companyia, 4 rows), as
//              a window asks for a lookup list.
//   LongList   GetListAuxiliar of SvrTaulesAuxiliars on 10,000 window texts
//              (about 2.5 MB of text).
//   RoundTrip  one call by name on an entity object of the object server
//              (its NumError): the unit of what the server adds.
// Target: ListCall/1 - ListCall/0 is the round trips that a support
// operation makes by name (creation, GetIV, IdTransaccio, the call,
// NumError) and the encryption of its text, no more; LongList/1 -
// LongList/0 likewise.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "Ado/Connection.h"
#include "Com/Object.h"
#include "Com/Registry.h"
#include "support/CollectorSandbox.h"
#include "support/DravikSettings.h"
#include "support/ObjectServerSandbox.h"
#include "support/SampleDatabase.h"

namespace bench {
namespace {

using testsupport::Engine;

std::string BrintelIni() { return testsupport::BuildPath("BusinessServices/Brintel/Brintel.INI"); }

// A sample database with 10,000 more window texts, a collector and an
// object server of the bench's own; "Brintel.INI" names where the entity
// objects are created.
struct Setting {
    testsupport::CollectorSandbox collector{testsupport::ProductCollector()};
    std::unique_ptr<testsupport::TestDatabase> db = [] {
        auto db = testsupport::SampleDatabase(Engine::SQLite);
        ado::Connection connection;
        connection.Open(db->connectionString());
        connection.Execute(
            "Insert Into T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) "
            "With Recursive n(i) As (Select 1 Union All Select i + 1 From n Where i < 10000) "
            "Select 9, 'Llarg', 'Text' || i, printf('%0200d', i), 0 From n");
        return db;
    }();
    testsupport::ScopedFile dravikIni{testsupport::DravikIni(), testsupport::DravikSettings(db->connectionString())};
    testsupport::ObjectServerSandbox server;
    testsupport::ScopedFile brintelIni{BrintelIni(), std::nullopt};

    void createEntities(bool onServer) {
        brintelIni.replace("[General]\nDLL_Quossa=Quossa.\nPC_Quossa=" + (onServer ? server.address() : "") + "\n");
    }
};

Setting& TheSetting() {
    static Setting setting;
    return setting;
}

void ListOf(benchmark::State& state, const char* service, std::vector<com::Variant> args) {
    TheSetting().createEntities(state.range(0) == 1);
    const com::ObjectRef support = com::CreateObject(std::string("Brintel.") + service);
    for (auto _ : state) {
        std::vector<com::Variant> given = args;
        const com::Variant text = com::CallRef(support, "GetListAuxiliar", given);
        if (com::Get(support, "NumError").toLong() != 0) return state.SkipWithError("the list call failed");
        benchmark::DoNotOptimize(text);
    }
}

void BM_ListCall(benchmark::State& state) {
    ListOf(state, "SvrEscomeses", {com::Variant("TTE_Companyia"), com::Variant("CodCompanyia")});
}
BENCHMARK(BM_ListCall)->Arg(0)->Arg(1)->ArgName("server")->Unit(benchmark::kMicrosecond);

void BM_LongList(benchmark::State& state) {
    ListOf(state, "SvrTaulesAuxiliars",
           {com::Variant("T_Idioma"), com::Variant("NumIdioma"), com::Variant(9), com::Variant("")});
}
BENCHMARK(BM_LongList)->Arg(0)->Arg(1)->ArgName("server")->Unit(benchmark::kMicrosecond);

void BM_RoundTrip(benchmark::State& state) {
    const com::ObjectRef manager = com::CreateObject("Quossa.MngClients", TheSetting().server.address());
    const com::ObjectRef view = com::Call(manager, "GetIV").toObject();
    for (auto _ : state) benchmark::DoNotOptimize(com::Get(view, "NumError"));
}
BENCHMARK(BM_RoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bench

BENCHMARK_MAIN();
