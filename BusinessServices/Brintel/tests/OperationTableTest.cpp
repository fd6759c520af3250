// Every operation of every support service, called by name with a
// transaction set, against the fake entity library: which managers and
// records it creates, which view receives the transaction, which member it
// calls through which view, and with what argument.
#include "Com/Registry.h"
#include "FakeEntities.h"

namespace {

struct Row {
    const char* service;
    const char* operation;
    std::vector<com::Variant> args;
    std::string journal;  // empty: the manager does not exist (429)
};

// A manager created with the service as caller: the factory hands the
// transaction to its viewing interface; then the operation's call.
std::string Read(const std::string& manager, const std::string& call) {
    return "+" + manager + " IV.tx IV." + call;
}
std::string Write(const std::string& manager, const std::string& call) {
    return "+" + manager + " IV.tx IM." + call;
}
// The same with a parameter record created after the manager.
std::string ReadWith(const std::string& manager, const std::string& record, const std::string& fields) {
    return "+" + manager + " IV.tx +" + record + " IV.GetList(" + record + "{" + fields + "})";
}
// GetTextIdioma(1, "frm"): outside any transaction.
const std::string kTexts =
    "+MngIdioma IV.none +paramIdioma IV.GetList(paramIdioma{lngNumIdioma=1 strNomFormulari='frm'})";
const std::vector<com::Variant> kTextArgs{1, "frm"};

const std::string kLookupList = ReadWith("MngTaulesAuxiliars", "paramListTaulaAuxiliar",
                                         "strNomTaula='T' strNomCampOrdre='O'");
const std::vector<com::Variant> kLookupListArgs{"T", "O"};

std::string ServiceConnectionsOf(int kind) {
    return ReadWith("MngEscomeses", "paramListEscomeses",
                    "lngIdentificador=7 lngTipusIdentificador=" + std::to_string(kind));
}
std::string ElementsOfConnection(const char* outputsOnly) {
    return ReadWith("MngEscomesaElements", "paramListEscomesaElements",
                    std::string("lngEscomesa=7 bolNomesSortida=") + outputsOnly);
}

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"SvrClients", "GetClients", {}, Read("MngClients", "GetList(Empty)")},
        {"SvrClients", "GetClientById", {7}, Read("MngClients", "GetById(7)")},
        {"SvrClients", "SaveClient", {"x"}, Write("MngClients", "Save('x')")},
        {"SvrClients", "DeleteClient", {7}, Write("MngClients", "Delete(7)")},
        {"SvrClients", "GetEmptyRecordset", {}, Write("MngClients", "GetEmpty(Empty)")},
        {"SvrClients", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrClients", "GetProjectes", {}, Read("MngProjectes", "GetList(Empty)")},

        {"SVrTransaccions", "BeginTransaction", {}, "+MngTransaccions IT.tx IT.tx IT.BeginTransaction()"},
        {"SVrTransaccions", "CommitTransaction", {}, "+MngTransaccions IT.tx IT.tx IT.CommitTransaction()"},
        {"SVrTransaccions", "RollBackTransaction", {}, "+MngTransaccions IT.tx IT.tx IT.RollBackTransaction()"},

        {"SvrIdiomes", "GetIdiomes", {},
         ReadWith("MngTaulesAuxiliars", "paramListTaulaAuxiliar", "strNomTaula='TTI_Idioma' strNomCampOrdre='CodIdioma'")},
        {"SvrIdiomes", "GetUsuariById", {7}, Read("MngUsuaris", "GetById(7)")},
        {"SvrIdiomes", "SaveUsuari", {"x"}, Write("MngUsuaris", "Save('x')")},
        {"SvrIdiomes", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrIdiomes", "GetTextIdiomaById", {"c", 2},
         "+MngIdioma +paramTextIdioma IV.GetById(paramTextIdioma{lngNumIdioma=2 strCodiText='c'})"},

        {"SvrProjectes", "GetProjectes", {}, "+MngProjectes IV.tx IV.tx IV.GetList(Empty)"},
        {"SvrProjectes", "GetProjecteById", {7}, "+MngProjectes IV.tx IV.tx IV.GetById(7)"},
        {"SvrProjectes", "SaveProjecte", {"x"}, "+MngProjectes IV.tx IM.tx IM.Save('x')"},
        {"SvrProjectes", "DeleteProjecte", {7}, "+MngProjectes IV.tx IM.tx IM.Delete(7)"},
        {"SvrProjectes", "GetEmptyRecordset", {}, "+MngProjectes IV.tx IM.tx IM.GetEmpty(Empty)"},
        {"SvrProjectes", "GetClients", {}, "+MngClients IV.tx IV.tx IV.GetList(Empty)"},
        {"SvrProjectes", "GetTipusManteniment", {}, "+MngManteniments IV.tx IV.tx IV.GetList(Empty)"},
        {"SvrProjectes", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrProjectes", "GetZones", {7}, Read("MngZones", "GetList(7)")},

        {"SvrPuntsLlum", "GetPuntsLlum", {7}, Read("MngPuntsLlum", "GetList(7)")},
        {"SvrPuntsLlum", "SavePuntLlum", {"x"}, Write("MngPuntsLlum", "Save('x')")},
        {"SvrPuntsLlum", "DeletePuntLlum", {7}, Write("MngPuntsLlum", "Delete(7)")},
        {"SvrPuntsLlum", "GetEmptyRecordset", {}, Write("MngPuntsLlum", "GetEmpty(Empty)")},
        {"SvrPuntsLlum", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrPuntsLlum", "GetCaractSuport", {}, Read("MngCaractSuport", "GetList(Empty)")},
        {"SvrPuntsLlum", "SaveCaracteristica", {"x"}, Write("MngCaractSuport", "Save('x')")},
        {"SvrPuntsLlum", "DeleteCaracteristica", {7}, Write("MngCaractSuport", "Delete(7)")},
        {"SvrPuntsLlum", "GetEmptyRstCaracteristica", {}, Write("MngCaractSuport", "GetEmpty(Empty)")},
        {"SvrPuntsLlum", "GetLluminaries", {}, Read("MngLluminaries", "GetList(Empty)")},
        {"SvrPuntsLlum", "SaveLluminaria", {"x"}, Write("MngLluminaries", "Save('x')")},
        {"SvrPuntsLlum", "DeleteLluminaria", {7}, Write("MngLluminaries", "Delete(7)")},
        {"SvrPuntsLlum", "GetEmptyRstLluminaria", {}, Write("MngLluminaries", "GetEmpty(Empty)")},
        {"SvrPuntsLlum", "GetPLlumPunts", {7}, Read("MngPLlumPunts", "GetList(7)")},
        {"SvrPuntsLlum", "SavePLlumPunts", {"x"}, Write("MngPLlumPunts", "Save('x')")},
        {"SvrPuntsLlum", "DeletePLlumPunts", {7}, Write("MngPLlumPunts", "Delete(7)")},
        {"SvrPuntsLlum", "GetEmptyRstPLlumPunts", {}, Write("MngPLlumPunts", "GetEmpty(Empty)")},
        {"SvrPuntsLlum", "GetListAuxiliar", kLookupListArgs, kLookupList},
        {"SvrPuntsLlum", "SaveTaulaAuxiliar", {"x"}, Write("MngTaulesAuxiliars", "Save('x')")},
        {"SvrPuntsLlum", "GetEscomeses", {7}, ServiceConnectionsOf(2)},
        {"SvrPuntsLlum", "GetCarrers", {7}, Read("MngCarrers", "GetList(7)")},
        {"SvrPuntsLlum", "GetPatronsPuntsLlum", {}, Read("MngPatronsPuntLlum", "GetList(Empty)")},

        {"SvrEscomeses", "GetEscomeses", {7}, ServiceConnectionsOf(1)},
        {"SvrEscomeses", "SaveEscomesa", {"x"}, Write("MngEscomeses", "Save('x')")},
        {"SvrEscomeses", "DeleteEscomesa", {7}, Write("MngEscomeses", "Delete(7)")},
        {"SvrEscomeses", "GetEmptyRecordset", {}, Write("MngEscomeses", "GetEmpty(Empty)")},
        {"SvrEscomeses", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrEscomeses", "GetZones", {7}, Read("MngZones", "GetList(7)")},
        {"SvrEscomeses", "GetCarrers", {7}, Read("MngCarrers", "GetList(7)")},
        {"SvrEscomeses", "GetListAuxiliar", kLookupListArgs, kLookupList},
        {"SvrEscomeses", "GetElementsEscomesa", {7}, ElementsOfConnection("False")},
        {"SvrEscomeses", "GetEscomesaPunts", {7}, Read("MngEscomesaPunts", "GetList(7)")},
        {"SvrEscomeses", "SaveEscomesaPunts", {"x"}, Write("MngEscomesaPunts", "Save('x')")},
        {"SvrEscomeses", "SaveEscomesaElement", {"x"}, Write("MngEscomesaElements", "Save('x')")},
        {"SvrEscomeses", "DeleteEscomesaPunts", {7}, Write("MngEscomesaPunts", "Delete(7)")},
        {"SvrEscomeses", "GetEmptyRstEscomesaPunts", {}, Write("MngEscomesaPunts", "GetEmpty(Empty)")},
        {"SvrEscomeses", "GetEmptyRstEscomesaElements", {}, Write("MngEscomesaElements", "GetEmpty(Empty)")},

        {"SvrEscomesaElements", "GetEscomesaElements", {7}, ElementsOfConnection("False")},
        {"SvrEscomesaElements", "GetElementById", {7}, Read("MngEscomesaElements", "GetById(7)")},
        {"SvrEscomesaElements", "SaveEscomesaElement", {"x"}, Write("MngEscomesaElements", "Save('x')")},
        {"SvrEscomesaElements", "DeleteEscomesaElement", {7}, Write("MngEscomesaElements", "Delete(7)")},
        {"SvrEscomesaElements", "GetEmptyRecordset", {}, Write("MngEscomesaElements", "GetEmpty(Empty)")},
        {"SvrEscomesaElements", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrEscomesaElements", "GetEscomesaById", {7}, Read("MngEscomeses", "GetById(7)")},

        {"SvrTrams", "GetTrams", {7}, Read("MngTrams", "GetList(7)")},
        {"SvrTrams", "SaveTram", {"x"}, Write("MngTrams", "Save('x')")},
        {"SvrTrams", "DeleteTram", {7}, Write("MngTrams", "Delete(7)")},
        {"SvrTrams", "GetEmptyRecordset", {}, Write("MngTrams", "GetEmpty(Empty)")},
        {"SvrTrams", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrTrams", "GetListAuxiliar", kLookupListArgs, kLookupList},
        {"SvrTrams", "GetTramPunts", {7}, Read("MngTramPunts", "GetList(7)")},
        {"SvrTrams", "SaveTramPunts", {"x"}, Write("MngTramPunts", "Save('x')")},
        {"SvrTrams", "DeleteTramPunts", {7}, Write("MngTramPunts", "Delete(7)")},
        {"SvrTrams", "GetEmptyRstTramPunts", {}, Write("MngTramPunts", "GetEmpty(Empty)")},
        {"SvrTrams", "GetEscomeses", {7}, ServiceConnectionsOf(2)},
        {"SvrTrams", "GetLiniesSortida", {7}, ElementsOfConnection("True")},

        {"SvrCarrers", "GetCarrers", {7}, Read("MngCarrers", "GetList(7)")},
        {"SvrCarrers", "GetCarrerById", {7}, Read("MngCarrers", "GetById(7)")},
        {"SvrCarrers", "SaveCarrer", {"x"}, Write("MngCarrers", "Save('x')")},
        {"SvrCarrers", "DeleteCarrer", {7}, Write("MngCarrers", "Delete(7)")},
        {"SvrCarrers", "GetEmptyRecordset", {}, Write("MngCarrers", "GetEmpty(Empty)")},
        {"SvrCarrers", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrCarrers", "GetCarrerPunts", {7}, Read("MngCarrerPunts", "GetList(7)")},
        {"SvrCarrers", "SaveCarrerPunt", {"x"}, Write("MngCarrerPunts", "Save('x')")},
        {"SvrCarrers", "DeleteCarrerPunts", {7}, Write("MngCarrerPunts", "Delete(7)")},
        {"SvrCarrers", "GetEmptyRstCarrerPunts", {}, Write("MngCarrerPunts", "GetEmpty(Empty)")},

        {"SvrZones", "GetZones", {7}, Read("MngZones", "GetList(7)")},
        {"SvrZones", "GetZonaById", {7}, Read("MngZones", "GetById(7)")},
        {"SvrZones", "SaveZona", {"x"}, Write("MngZones", "Save('x')")},
        {"SvrZones", "DeleteZona", {7}, Write("MngZones", "Delete(7)")},
        {"SvrZones", "GetEmptyRecordset", {}, Write("MngZones", "GetEmpty(Empty)")},
        {"SvrZones", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrZones", "GetZonaPunts", {7}, Read("MngZonaPunts", "GetList(7)")},
        {"SvrZones", "SaveZonaPunt", {"x"}, Write("MngZonaPunts", "Save('x')")},
        {"SvrZones", "DeleteZonaPunt", {7}, Write("MngZonaPunts", "Delete(7)")},
        {"SvrZones", "GetEmptyRstZonaPunts", {}, Write("MngZonaPunts", "GetEmpty(Empty)")},

        {"SvrUsuaris", "GetUsuaris", {}, Read("MngUsuaris", "GetList(Empty)")},
        {"SvrUsuaris", "GetUsuariById", {7}, Read("MngUsuaris", "GetById(7)")},
        {"SvrUsuaris", "SaveUsuari", {"x"}, Write("MngUsuaris", "Save('x')")},
        {"SvrUsuaris", "DeleteUsuari", {7}, Write("MngUsuaris", "Delete(7)")},
        {"SvrUsuaris", "GetEmptyRecordset", {}, Write("MngUsuaris", "GetEmpty(Empty)")},
        {"SvrUsuaris", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrUsuaris", "GetNivellsSeguretat", {},
         ReadWith("MngTaulesAuxiliars", "paramListTaulaAuxiliar",
                  "strNomTaula='TTU_NivellSeguretat' strNomCampOrdre='NumNivellSeguretat'")},
        {"SvrUsuaris", "GetIdiomes", {},
         ReadWith("MngTaulesAuxiliars", "paramListTaulaAuxiliar", "strNomTaula='TTI_Idioma' strNomCampOrdre='CodIdioma'")},
        {"SvrUsuaris", "GetProjectes", {}, Read("MngProjectes", "GetList(Empty)")},

        {"SvrUsuariProjectes", "GetUsuaris", {}, Read("MngUsuaris", "GetList(Empty)")},
        {"SvrUsuariProjectes", "GetUsuariProjectes", {7}, Read("MngUsuariProjectes", "GetById(7)")},
        {"SvrUsuariProjectes", "SaveUsuariProjecte", {"x"}, Write("MngUsuariProjectes", "Save('x')")},
        {"SvrUsuariProjectes", "DeleteUsuariProjecte", {7, 8},
         "+MngUsuariProjectes IV.tx +paramUsuariProjecte IM.Delete(paramUsuariProjecte{lngUsuari=7 lngProjecte=8})"},
        {"SvrUsuariProjectes", "GetEmptyRecordset", {}, Write("MngUsuariProjectes", "GetEmpty(Empty)")},
        {"SvrUsuariProjectes", "GetTextIdioma", kTextArgs, kTexts},

        {"SvrTaulesAuxiliars", "GetListAuxiliar", {"T", "F", 7, "O"},
         ReadWith("MngTaulesAuxiliars", "paramListTaulaAuxiliar",
                  "strNomTaula='T' strNomCampFiltre='F' lngValorCampFiltre=7 strNomCampOrdre='O'")},
        {"SvrTaulesAuxiliars", "GetRegistreById", {"T", "K", 7},
         "+MngTaulesAuxiliars IV.tx +paramTaulaAuxiliar IV.GetById(paramTaulaAuxiliar{strNomTaula='T' "
         "strNomCampIdentificador='K' lngValorIdentificador=7})"},
        {"SvrTaulesAuxiliars", "SaveTaulaAuxiliar", {"x"}, Write("MngTaulesAuxiliars", "Save('x')")},
        {"SvrTaulesAuxiliars", "DeleteTaulaAuxiliar", {"T", "K", 7},
         "+MngTaulesAuxiliars IV.tx +paramTaulaAuxiliar IM.Delete(paramTaulaAuxiliar{strNomTaula='T' "
         "strNomCampIdentificador='K' lngValorIdentificador=7})"},
        {"SvrTaulesAuxiliars", "GetEmptyRecordset", {"T"}, Write("MngTaulesAuxiliars", "GetEmpty('T')")},
        {"SvrTaulesAuxiliars", "GetTextIdioma", kTextArgs, kTexts},

        {"SvrManteniments", "GetManteniments", {}, Read("MngManteniments", "GetList(Empty)")},
        {"SvrManteniments", "GetMantenimentById", {7}, Read("MngManteniments", "GetById(7)")},
        {"SvrManteniments", "SaveManteniment", {"x"}, Write("MngManteniments", "Save('x')")},
        {"SvrManteniments", "DeleteManteniment", {7}, Write("MngManteniments", "Delete(7)")},
        {"SvrManteniments", "GetEmptyRecordset", {}, Write("MngManteniments", "GetEmpty(Empty)")},
        {"SvrManteniments", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrManteniments", "GetProjectes", {}, Read("MngProjectes", "GetList(Empty)")},

        {"SvrAssistPuntsLlum", "GetPuntsLlum", {7}, Read("MngPuntsLlum", "GetList(7)")},
        {"SvrAssistPuntsLlum", "GetPatronsPuntLlum", {}, Read("MngPatronsPuntLlum", "GetList(Empty)")},
        {"SvrAssistPuntsLlum", "GetPatronsPLluminaria", {}, ""},
        {"SvrAssistPuntsLlum", "GetPatronsSuport", {}, ""},
        {"SvrAssistPuntsLlum", "GetPatronsTerra", {}, ""},
        {"SvrAssistPuntsLlum", "GetPatronsLluminaria", {}, ""},
        {"SvrAssistPuntsLlum", "GetPatronsCaixa", {}, ""},
        {"SvrAssistPuntsLlum", "GetPropietatsSuport", {7}, ""},
        {"SvrAssistPuntsLlum", "SavePatroPuntLlum", {"x"}, Write("MngPuntsLlum", "Save('x')")},
        {"SvrAssistPuntsLlum", "GetEmptyRstPLluminaria", {}, ""},
        {"SvrAssistPuntsLlum", "SavePatroPLluminaria", {"x"}, ""},
        {"SvrAssistPuntsLlum", "DeletePatroPLluminaria", {7}, ""},
        {"SvrAssistPuntsLlum", "GetEmptyRstPuntLlum", {}, Write("MngPuntsLlum", "GetEmpty(Empty)")},
        {"SvrAssistPuntsLlum", "SavePuntLlum", {"x"}, Write("MngPuntsLlum", "Save('x')")},
        {"SvrAssistPuntsLlum", "GetEmptyRstCaractSuport", {}, Write("MngCaractSuport", "GetEmpty(Empty)")},
        {"SvrAssistPuntsLlum", "SaveCaractSuport", {"x"}, Write("MngCaractSuport", "Save('x')")},
        {"SvrAssistPuntsLlum", "GetEmptyRstLluminaria", {}, Write("MngLluminaries", "GetEmpty(Empty)")},
        {"SvrAssistPuntsLlum", "SaveLluminaria", {"x"}, Write("MngLluminaries", "Save('x')")},
        {"SvrAssistPuntsLlum", "GetEscomeses", {7},
         "+paramListEscomeses +MngEscomeses IV.tx "
         "IV.GetList(paramListEscomeses{lngIdentificador=7 lngTipusIdentificador=2})"},
        {"SvrAssistPuntsLlum", "GetCarrers", {7}, Read("MngCarrers", "GetList(7)")},
        {"SvrAssistPuntsLlum", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrAssistPuntsLlum", "GetEmptyRstPLlumPunts", {}, Write("MngPLlumPunts", "GetEmpty(Empty)")},
        {"SvrAssistPuntsLlum", "SavePLlumPunt", {"x"}, Write("MngPLlumPunts", "Save('x')")},
        {"SvrAssistPuntsLlum", "DeletePLlumPunts", {7}, Write("MngPLlumPunts", "Delete(7)")},

        {"SvrPatronsTerra", "GetPatronsTerra", {"c"}, ""},
        {"SvrPatronsTerra", "SavePatroTerra", {"x"}, ""},
        {"SvrPatronsTerra", "DeletePatroTerra", {7}, ""},
        {"SvrPatronsTerra", "GetEmptyRecordset", {}, ""},
        {"SvrPatronsTerra", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrPatronsTerra", "GetListAuxiliar", kLookupListArgs, kLookupList},

        {"SvrPatronsSuport", "GetPatronsSuport", {"c"}, ""},
        {"SvrPatronsSuport", "SavePatroSuport", {"x"}, ""},
        {"SvrPatronsSuport", "DeletePatroSuport", {7}, ""},
        {"SvrPatronsSuport", "GetEmptyRecordset", {}, ""},
        {"SvrPatronsSuport", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrPatronsSuport", "GetListAuxiliar", kLookupListArgs, kLookupList},
        {"SvrPatronsSuport", "SavePropietatSuport", {"x"}, ""},

        {"SvrPatronsLluminaria", "GetPatronsLluminaria", {"c"}, ""},
        {"SvrPatronsLluminaria", "SavePatroLluminaria", {"x"}, ""},
        {"SvrPatronsLluminaria", "DeletePatroLluminaria", {7}, ""},
        {"SvrPatronsLluminaria", "GetEmptyRecordset", {}, ""},
        {"SvrPatronsLluminaria", "GetTextIdioma", kTextArgs, kTexts},
        {"SvrPatronsLluminaria", "GetListAuxiliar", {}, Read("MngTaulesAuxiliars", "GetList(Empty)")},
    };
    return rows;
}

bool IsWrite(const std::string& operation) {
    return operation.starts_with("Save") || operation.starts_with("Delete");
}

// What the operation must return after the fake entity's answer: its text
// for a read, True for a write, nothing for a transaction member.
com::Variant Expected(const Row& row) {
    if (row.journal.empty()) return IsWrite(row.operation) ? com::Variant(false) : com::Variant("");
    if (row.journal.find("IT.") != std::string::npos) return {};
    if (IsWrite(row.operation)) return true;
    // The member of the call, the last entry: " IV.<member>(".
    const size_t open = row.journal.find('(');
    const size_t dot = row.journal.rfind('.', open);
    return "rows of " + row.journal.substr(dot + 1, open - dot - 1);
}

using OperationTable = fake::WithFakeEntities;

TEST_F(OperationTable, EveryOperationCallsItsManagerViewMemberAndArgument) {
    for (const Row& row : Rows()) {
        SCOPED_TRACE(std::string(row.service) + "." + row.operation);
        fake::Reset();
        com::ObjectRef service = com::CreateObject(std::string("Brintel.") + row.service);
        com::Set(service, "IdTransaccio", fake::TestConnection());

        std::vector<com::Variant> args = row.args;
        const com::Variant result = com::CallRef(service, row.operation, args);

        EXPECT_EQ(fake::Journal(), row.journal);
        EXPECT_EQ(result, Expected(row));
        if (row.journal.empty()) {
            EXPECT_EQ(com::Get(service, "NumError").toLong(), 429);
            EXPECT_EQ(com::Get(service, "UbicacioError").toString(),
                      fake::Line("clsFuncionsSubCapaSuport", "CreaObjecteEntitat") +
                          fake::Line(row.service, row.operation));
        } else {
            EXPECT_EQ(com::Get(service, "NumError").toLong(), 0);
            EXPECT_EQ(com::Get(service, "UbicacioError").toString(), "");
        }
    }
}

// The pattern managers that the entity library lacks would be reached with
// the arguments their operations name, the fixed texts included.
TEST_F(OperationTable, PatternOperationsPassTheirFixedConditions) {
    struct Case {
        const char* manager;
        const char* operation;
        const char* call;
    };
    const Case cases[] = {
        {"MngPatronsSuport", "GetPatronsSuport", "GetList('')"},
        {"MngPatronsTerra", "GetPatronsTerra", "GetList('True')"},
        {"MngPatronsLluminaria", "GetPatronsLluminaria", "GetList('True')"},
        {"MngPatronsCaixa", "GetPatronsCaixa", "GetList(Empty)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation);
        fake::RegisterManager(c.manager);
        fake::Reset();
        com::ObjectRef service = com::CreateObject("Brintel.SvrAssistPuntsLlum");
        com::Set(service, "IdTransaccio", fake::TestConnection());
        com::Call(service, c.operation);
        EXPECT_EQ(fake::Journal(), Read(c.manager, c.call));
        com::UnregisterClass(std::string("Quossa.") + c.manager);
    }
}

}  // namespace
