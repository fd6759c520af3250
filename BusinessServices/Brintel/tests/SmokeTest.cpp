// Every operation of every support service, called by name on the sample
// database: a read gives a recordset, a save or delete gives True, and an
// operation whose manager the entity library lacks fails as documented.
// Saves send a change set without changes; deletes name rows that do not
// exist, so the calls leave the sample as it was.
#include "Base/Trail.h"
#include "ServerFixture.h"
#include "support/TestDatabase.h"

namespace brinteltest {
namespace {

const com::Variant kChanges("<the change set>");  // replaced by a real one
constexpr int32_t kNone = 999999;                  // a number no row has

struct Call {
    const char* service;
    const char* operation;
    std::vector<com::Variant> args;
    int32_t failure = 0;  // the documented error number, 0 for success
};

const std::vector<Call>& Calls() {
    static const std::vector<Call> calls = {
        {"SvrClients", "GetClients", {}},
        {"SvrClients", "GetClientById", {1}},
        {"SvrClients", "SaveClient", {kChanges}},
        {"SvrClients", "DeleteClient", {kNone}},
        {"SvrClients", "GetEmptyRecordset", {}},
        {"SvrClients", "GetTextIdioma", {1, "Errors"}},
        {"SvrClients", "GetProjectes", {}},

        {"SVrTransaccions", "BeginTransaction", {}},
        {"SVrTransaccions", "CommitTransaction", {}},
        {"SVrTransaccions", "BeginTransaction", {}},
        {"SVrTransaccions", "RollBackTransaction", {}},

        {"SvrIdiomes", "GetIdiomes", {}},
        {"SvrIdiomes", "GetUsuariById", {14}},
        {"SvrIdiomes", "SaveUsuari", {kChanges}},
        {"SvrIdiomes", "GetTextIdioma", {2, "Errors"}},
        {"SvrIdiomes", "GetTextIdiomaById", {"Error13", 5}},

        {"SvrProjectes", "GetProjectes", {}},
        {"SvrProjectes", "GetProjecteById", {306}},
        {"SvrProjectes", "SaveProjecte", {kChanges}},
        {"SvrProjectes", "DeleteProjecte", {kNone}},
        {"SvrProjectes", "GetEmptyRecordset", {}},
        {"SvrProjectes", "GetClients", {}},
        {"SvrProjectes", "GetTipusManteniment", {}},
        {"SvrProjectes", "GetTextIdioma", {1, "Errors"}},
        {"SvrProjectes", "GetZones", {306}},

        {"SvrPuntsLlum", "GetPuntsLlum", {1}},
        {"SvrPuntsLlum", "SavePuntLlum", {kChanges}},
        {"SvrPuntsLlum", "DeletePuntLlum", {kNone}},
        {"SvrPuntsLlum", "GetEmptyRecordset", {}},
        {"SvrPuntsLlum", "GetTextIdioma", {1, "Errors"}},
        {"SvrPuntsLlum", "GetCaractSuport", {}},
        {"SvrPuntsLlum", "SaveCaracteristica", {kChanges}},
        {"SvrPuntsLlum", "DeleteCaracteristica", {kNone}},
        {"SvrPuntsLlum", "GetEmptyRstCaracteristica", {}},
        {"SvrPuntsLlum", "GetLluminaries", {}},
        {"SvrPuntsLlum", "SaveLluminaria", {kChanges}},
        {"SvrPuntsLlum", "DeleteLluminaria", {kNone}},
        {"SvrPuntsLlum", "GetEmptyRstLluminaria", {}},
        {"SvrPuntsLlum", "GetPLlumPunts", {1}},
        {"SvrPuntsLlum", "SavePLlumPunts", {kChanges}},
        {"SvrPuntsLlum", "DeletePLlumPunts", {kNone}},
        {"SvrPuntsLlum", "GetEmptyRstPLlumPunts", {}},
        {"SvrPuntsLlum", "GetListAuxiliar", {"TSP_Suport", "CodSPSuport"}},
        {"SvrPuntsLlum", "SaveTaulaAuxiliar", {kChanges}},
        {"SvrPuntsLlum", "GetEscomeses", {306}},
        {"SvrPuntsLlum", "GetCarrers", {306}},
        {"SvrPuntsLlum", "GetPatronsPuntsLlum", {}},

        {"SvrEscomeses", "GetEscomeses", {1}},
        {"SvrEscomeses", "SaveEscomesa", {kChanges}},
        {"SvrEscomeses", "DeleteEscomesa", {kNone}},
        {"SvrEscomeses", "GetEmptyRecordset", {}},
        {"SvrEscomeses", "GetTextIdioma", {1, "Errors"}},
        {"SvrEscomeses", "GetZones", {306}},
        {"SvrEscomeses", "GetCarrers", {306}},
        {"SvrEscomeses", "GetListAuxiliar", {"TTE_Companyia", "CodCompanyia"}},
        {"SvrEscomeses", "GetElementsEscomesa", {1}},
        {"SvrEscomeses", "GetEscomesaPunts", {1}},
        {"SvrEscomeses", "SaveEscomesaPunts", {kChanges}},
        {"SvrEscomeses", "SaveEscomesaElement", {kChanges}},
        {"SvrEscomeses", "DeleteEscomesaPunts", {kNone}},
        {"SvrEscomeses", "GetEmptyRstEscomesaPunts", {}},
        {"SvrEscomeses", "GetEmptyRstEscomesaElements", {}},

        {"SvrEscomesaElements", "GetEscomesaElements", {1}},
        {"SvrEscomesaElements", "GetElementById", {1}},
        {"SvrEscomesaElements", "SaveEscomesaElement", {kChanges}},
        {"SvrEscomesaElements", "DeleteEscomesaElement", {kNone}},
        {"SvrEscomesaElements", "GetEmptyRecordset", {}},
        {"SvrEscomesaElements", "GetTextIdioma", {1, "Errors"}},
        {"SvrEscomesaElements", "GetEscomesaById", {1}},

        {"SvrTrams", "GetTrams", {1}},
        {"SvrTrams", "SaveTram", {kChanges}},
        {"SvrTrams", "DeleteTram", {kNone}},
        {"SvrTrams", "GetEmptyRecordset", {}},
        {"SvrTrams", "GetTextIdioma", {1, "Errors"}},
        {"SvrTrams", "GetListAuxiliar", {"TTT_TipusCable", "CodTipusCable"}},
        {"SvrTrams", "GetTramPunts", {1}},
        {"SvrTrams", "SaveTramPunts", {kChanges}},
        {"SvrTrams", "DeleteTramPunts", {kNone}},
        {"SvrTrams", "GetEmptyRstTramPunts", {}},
        {"SvrTrams", "GetEscomeses", {306}},
        {"SvrTrams", "GetLiniesSortida", {1}},

        {"SvrCarrers", "GetCarrers", {306}},
        {"SvrCarrers", "GetCarrerById", {1}},
        {"SvrCarrers", "SaveCarrer", {kChanges}},
        {"SvrCarrers", "DeleteCarrer", {kNone}},
        {"SvrCarrers", "GetEmptyRecordset", {}},
        {"SvrCarrers", "GetTextIdioma", {1, "Errors"}},
        {"SvrCarrers", "GetCarrerPunts", {1}},
        {"SvrCarrers", "SaveCarrerPunt", {kChanges}},
        {"SvrCarrers", "DeleteCarrerPunts", {kNone}},
        {"SvrCarrers", "GetEmptyRstCarrerPunts", {}},

        {"SvrZones", "GetZones", {306}},
        {"SvrZones", "GetZonaById", {1}},
        {"SvrZones", "SaveZona", {kChanges}},
        {"SvrZones", "DeleteZona", {kNone}},
        {"SvrZones", "GetEmptyRecordset", {}},
        {"SvrZones", "GetTextIdioma", {1, "Errors"}},
        {"SvrZones", "GetZonaPunts", {1}},
        {"SvrZones", "SaveZonaPunt", {kChanges}},
        {"SvrZones", "DeleteZonaPunt", {kNone}},
        {"SvrZones", "GetEmptyRstZonaPunts", {}},

        {"SvrUsuaris", "GetUsuaris", {}},
        {"SvrUsuaris", "GetUsuariById", {14}},
        {"SvrUsuaris", "SaveUsuari", {kChanges}},
        {"SvrUsuaris", "DeleteUsuari", {kNone}},
        {"SvrUsuaris", "GetEmptyRecordset", {}},
        {"SvrUsuaris", "GetTextIdioma", {1, "Errors"}},
        {"SvrUsuaris", "GetNivellsSeguretat", {}},
        {"SvrUsuaris", "GetIdiomes", {}},
        {"SvrUsuaris", "GetProjectes", {}},

        {"SvrUsuariProjectes", "GetUsuaris", {}},
        {"SvrUsuariProjectes", "GetUsuariProjectes", {14}},
        {"SvrUsuariProjectes", "SaveUsuariProjecte", {kChanges}},
        {"SvrUsuariProjectes", "DeleteUsuariProjecte", {14, kNone}},
        {"SvrUsuariProjectes", "GetEmptyRecordset", {}},
        {"SvrUsuariProjectes", "GetTextIdioma", {1, "Errors"}},

        {"SvrTaulesAuxiliars", "GetListAuxiliar", {"TTT_TipusCable", "", 0, "CodTipusCable"}},
        {"SvrTaulesAuxiliars", "GetRegistreById", {"TTT_TipusCable", "NumTipusCable", 1}},
        {"SvrTaulesAuxiliars", "SaveTaulaAuxiliar", {kChanges}},
        {"SvrTaulesAuxiliars", "DeleteTaulaAuxiliar", {"TTT_TipusCable", "NumTipusCable", kNone}},
        {"SvrTaulesAuxiliars", "GetEmptyRecordset", {"TTT_TipusCable"}},
        {"SvrTaulesAuxiliars", "GetTextIdioma", {1, "Errors"}},

        {"SvrManteniments", "GetManteniments", {}},
        {"SvrManteniments", "GetMantenimentById", {1}},
        {"SvrManteniments", "SaveManteniment", {kChanges}},
        {"SvrManteniments", "DeleteManteniment", {kNone}},
        {"SvrManteniments", "GetEmptyRecordset", {}},
        {"SvrManteniments", "GetTextIdioma", {1, "Errors"}},
        {"SvrManteniments", "GetProjectes", {}},

        {"SvrAssistPuntsLlum", "GetPuntsLlum", {1}},
        {"SvrAssistPuntsLlum", "GetPatronsPuntLlum", {}},
        {"SvrAssistPuntsLlum", "GetPatronsPLluminaria", {}, 429},
        {"SvrAssistPuntsLlum", "GetPatronsSuport", {}, 429},
        {"SvrAssistPuntsLlum", "GetPatronsTerra", {}, 429},
        {"SvrAssistPuntsLlum", "GetPatronsLluminaria", {}, 429},
        {"SvrAssistPuntsLlum", "GetPatronsCaixa", {}, 429},
        {"SvrAssistPuntsLlum", "GetPropietatsSuport", {1}, 429},
        {"SvrAssistPuntsLlum", "SavePatroPuntLlum", {kChanges}},
        {"SvrAssistPuntsLlum", "GetEmptyRstPLluminaria", {}, 429},
        {"SvrAssistPuntsLlum", "SavePatroPLluminaria", {kChanges}, 429},
        {"SvrAssistPuntsLlum", "DeletePatroPLluminaria", {kNone}, 429},
        {"SvrAssistPuntsLlum", "GetEmptyRstPuntLlum", {}},
        {"SvrAssistPuntsLlum", "SavePuntLlum", {kChanges}},
        {"SvrAssistPuntsLlum", "GetEmptyRstCaractSuport", {}},
        {"SvrAssistPuntsLlum", "SaveCaractSuport", {kChanges}},
        {"SvrAssistPuntsLlum", "GetEmptyRstLluminaria", {}},
        {"SvrAssistPuntsLlum", "SaveLluminaria", {kChanges}},
        {"SvrAssistPuntsLlum", "GetEscomeses", {306}},
        {"SvrAssistPuntsLlum", "GetCarrers", {306}},
        {"SvrAssistPuntsLlum", "GetTextIdioma", {1, "Errors"}},
        {"SvrAssistPuntsLlum", "GetEmptyRstPLlumPunts", {}},
        {"SvrAssistPuntsLlum", "SavePLlumPunt", {kChanges}},
        {"SvrAssistPuntsLlum", "DeletePLlumPunts", {kNone}},

        {"SvrPatronsTerra", "GetPatronsTerra", {""}, 429},
        {"SvrPatronsTerra", "SavePatroTerra", {kChanges}, 429},
        {"SvrPatronsTerra", "DeletePatroTerra", {kNone}, 429},
        {"SvrPatronsTerra", "GetEmptyRecordset", {}, 429},
        {"SvrPatronsTerra", "GetTextIdioma", {1, "Errors"}},
        {"SvrPatronsTerra", "GetListAuxiliar", {"TTS_PresaTerra", ""}},

        {"SvrPatronsSuport", "GetPatronsSuport", {""}, 429},
        {"SvrPatronsSuport", "SavePatroSuport", {kChanges}, 429},
        {"SvrPatronsSuport", "DeletePatroSuport", {kNone}, 429},
        {"SvrPatronsSuport", "GetEmptyRecordset", {}, 429},
        {"SvrPatronsSuport", "GetTextIdioma", {1, "Errors"}},
        {"SvrPatronsSuport", "GetListAuxiliar", {"TSP_Suport", "CodSPSuport"}},
        {"SvrPatronsSuport", "SavePropietatSuport", {kChanges}, 429},

        {"SvrPatronsLluminaria", "GetPatronsLluminaria", {""}, 429},
        {"SvrPatronsLluminaria", "SavePatroLluminaria", {kChanges}, 429},
        {"SvrPatronsLluminaria", "DeletePatroLluminaria", {kNone}, 429},
        {"SvrPatronsLluminaria", "GetEmptyRecordset", {}, 429},
        {"SvrPatronsLluminaria", "GetTextIdioma", {1, "Errors"}},
        // Names no table: the lookup-table manager refuses the empty variant.
        {"SvrPatronsLluminaria", "GetListAuxiliar", {}, com::err::ObjectRequired},
    };
    return calls;
}

using Smoke = ServerSide;

TEST_P(Smoke, EveryOperationOfEveryServiceAnswersOrFailsWithItsNumber) {
    // A change set that changes nothing: the schema of a table that every
    // save takes, the lookup-table service's included, and no rows.
    const com::Variant noChanges =
        Rows(Succeeds(Service("SvrTaulesAuxiliars"), "GetEmptyRecordset", {"TTT_TipusCable"})).ToXml();
    std::map<std::string, com::ObjectRef> services;  // one per class, as a window holds it

    for (const Call& call : Calls()) {
        SCOPED_TRACE(std::string(call.service) + "." + call.operation);
        com::ObjectRef& service = services[call.service];
        if (!service) service = Service(call.service);
        std::vector<com::Variant> args = call.args;
        for (com::Variant& arg : args)
            if (arg == kChanges) arg = noChanges;

        const com::Variant result = com::CallRef(service, call.operation, args);
        const std::string operation = call.operation;
        const bool write = operation.starts_with("Save") || operation.starts_with("Delete");
        EXPECT_EQ(NumError(service), call.failure) << UbicacioError(service);
        if (call.failure != 0) {
            EXPECT_EQ(result, write ? com::Variant(false) : com::Variant(""));
            const std::string trail = UbicacioError(service);
            EXPECT_TRUE(trail.ends_with(base::TrailEntry(base::label::Brintel, call.service, call.operation)))
                << trail;
        } else if (std::string_view(call.service) == "SVrTransaccions") {
            EXPECT_TRUE(result.isEmpty());
        } else if (write) {
            EXPECT_EQ(result, com::Variant(true));
        } else {
            EXPECT_NO_THROW(Rows(result)) << "a recordset: " << result.toString().substr(0, 200);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, Smoke, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
}  // namespace brinteltest
