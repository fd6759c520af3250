// The server side end to end, on the sample database of each engine, with
// the collector running as its own process: a light point edited as its
// window edits it, window texts read while a transaction is open, a lookup
// table edited through the lookup-table service, and failure trails from
// the lowest tier up.
#include "Base/Trail.h"
#include "ServerFixture.h"
#include "support/TestDatabase.h"

namespace brinteltest {
namespace {

// The sample's service connection 1 feeds light points PL-001 to PL-004.
constexpr int32_t kServiceConnection = 1;

class LightPointEdit : public ServerSide {
protected:
    // What the window sends in one edit, inside the transaction that
    // `points` holds: a change to PL-001 and a new light point PL-900 with
    // one luminaire and one map point. Returns PL-900's number.
    static int32_t SaveAsTheWindowDoes(const com::ObjectRef& points) {
        ado::Recordset lights = Rows(Succeeds(points, "GetPuntsLlum", {kServiceConnection}));
        EXPECT_TRUE(Find(lights, "CodPuntLlum", "PL-001"));
        lights.SetValue("Observacions", "Revisat");
        lights.Update();
        lights.AddNew();
        lights.SetValue("CodPuntLlum", "PL-900");
        lights.SetValue("NumEscomesa", kServiceConnection);
        lights.SetValue("NumCarrer", 1);
        lights.SetValue("NumPatroPLL", 1);
        lights.Update();
        EXPECT_EQ(Succeeds(points, "SavePuntLlum", {lights.ToXml()}), com::Variant(true));

        // The new row's number, as the database gave it inside the transaction.
        ado::Recordset saved = Rows(Succeeds(points, "GetPuntsLlum", {kServiceConnection}));
        EXPECT_TRUE(Find(saved, "CodPuntLlum", "PL-900"));
        const int32_t number = saved.Value("NumPuntLlum").toLong();

        ado::Recordset luminaires = Rows(Succeeds(points, "GetEmptyRstLluminaria"));
        luminaires.AddNew();
        luminaires.SetValue("CodLluminaria", "LL-900");
        luminaires.SetValue("NumPuntLlum", number);
        luminaires.SetValue("BombetaPotencia", 35.5);
        luminaires.Update();
        EXPECT_EQ(Succeeds(points, "SaveTaulaAuxiliar", {luminaires.ToXml()}), com::Variant(true));

        ado::Recordset mapPoints = Rows(Succeeds(points, "GetEmptyRstPLlumPunts"));
        mapPoints.AddNew();
        mapPoints.SetValue("NumPuntLlum", number);
        mapPoints.SetValue("CoordenadaX", 390301.25);
        mapPoints.SetValue("CoordenadaY", 4581461.5);
        mapPoints.Update();
        EXPECT_EQ(Succeeds(points, "SavePLlumPunts", {mapPoints.ToXml()}), com::Variant(true));
        return number;
    }

    // Whether `points` (inside or outside a transaction) sees the edit.
    static void ExpectEdit(const com::ObjectRef& points, int32_t number, bool present) {
        ado::Recordset lights = Rows(Succeeds(points, "GetPuntsLlum", {kServiceConnection}));
        EXPECT_EQ(lights.RecordCount(), present ? 5 : 4);
        EXPECT_EQ(Find(lights, "CodPuntLlum", "PL-900"), present);
        ASSERT_TRUE(Find(lights, "CodPuntLlum", "PL-001"));
        EXPECT_EQ(lights.Value("Observacions"), present ? com::Variant("Revisat") : com::Variant::Null());

        ado::Recordset luminaires = Rows(Succeeds(points, "GetLluminaries"));
        EXPECT_EQ(Find(luminaires, "CodLluminaria", "LL-900"), present);
        if (present) {
            EXPECT_EQ(luminaires.Value("NumPuntLlum"), com::Variant(number));
            EXPECT_EQ(luminaires.Value("BombetaPotencia"), com::Variant(35.5));
        }

        ado::Recordset mapPoints = Rows(Succeeds(points, "GetPLlumPunts", {number}));
        ASSERT_EQ(mapPoints.RecordCount(), present ? 1 : 0);
        if (present) {
            mapPoints.MoveFirst();
            EXPECT_EQ(mapPoints.Value("CoordenadaY"), com::Variant(4581461.5));
        }
    }

    // Begins, saves, checks inside, ends with `end`; returns the number.
    int32_t EditEndedWith(const char* end) {
        const com::ObjectRef session = Service("SVrTransaccions");
        const com::ObjectRef points = Service("SvrPuntsLlum");
        Succeeds(session, "BeginTransaction");
        const com::ObjectRef connection = com::Get(session, "IdTransaccio").toObject();
        EXPECT_NE(connection, nullptr);
        EXPECT_GT(collector_.collectorPid(), 0) << "the transaction is registered with the collector";
        com::Set(points, "IdTransaccio", connection);

        const int32_t number = SaveAsTheWindowDoes(points);
        ExpectEdit(points, number, true);

        Succeeds(session, end);
        EXPECT_EQ(com::Get(session, "IdTransaccio").toObject(), nullptr);
        return number;
    }
};

TEST_P(LightPointEdit, CommittedEditIsSeenFromANewConnection) {
    const int32_t number = EditEndedWith("CommitTransaction");
    ExpectEdit(Service("SvrPuntsLlum"), number, true);
}

TEST_P(LightPointEdit, RolledBackEditLeavesNothing) {
    const int32_t number = EditEndedWith("RollBackTransaction");
    ExpectEdit(Service("SvrPuntsLlum"), number, false);
}

INSTANTIATE_TEST_SUITE_P(Engines, LightPointEdit, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

using WindowTexts = ServerSide;

// The texts of a window are read outside the transaction that the service
// holds: they show what is committed, and never wait for the transaction.
TEST_P(WindowTexts, AreReadOutsideAnOpenTransaction) {
    const com::ObjectRef session = Service("SVrTransaccions");
    Succeeds(session, "BeginTransaction");
    const com::ObjectRef connection = com::Get(session, "IdTransaccio").toObject();

    // A text written inside the transaction by the data access service
    // (no support service writes the window texts), on the machine that
    // holds the transaction.
    const com::ObjectRef data = com::CreateObject("Dravik.clsBD", EntityMachine());
    com::Set(data, "IdTransaccio", connection);
    Succeeds(data, "ExecutaSQL",
             {"Insert Into T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit) "
              "Values (1, 'Errors', 'ErrorProva', 'Encara no confirmat')"});
    const auto textsIn = [](const com::ObjectRef& d) {
        return Rows(Succeeds(d, "ConsultaXML", {"Select * From T_Idioma"})).RecordCount();
    };
    EXPECT_EQ(textsIn(data), textsIn(com::CreateObject("Dravik.clsBD")) + 1)
        << "the new text is there inside the transaction only";

    const com::ObjectRef languages = Service("SvrIdiomes");
    com::Set(languages, "IdTransaccio", connection);
    ado::Recordset texts = Rows(Succeeds(languages, "GetTextIdioma", {1, "Errors"}));
    EXPECT_GT(texts.RecordCount(), 0);
    EXPECT_FALSE(Find(texts, "CodTextIdioma", "ErrorProva"));
    for (texts.MoveFirst(); !texts.IsEOF(); texts.MoveNext()) {
        EXPECT_EQ(texts.Value("NumIdioma"), com::Variant(1));
        EXPECT_EQ(texts.Value("NomFormulari"), com::Variant("Errors"));
    }

    EXPECT_EQ(Rows(Succeeds(languages, "GetTextIdiomaById", {"ErrorProva", 1})).RecordCount(), 0);
    ado::Recordset one = Rows(Succeeds(languages, "GetTextIdiomaById", {"Error13", 1}));
    ASSERT_EQ(one.RecordCount(), 1);
    one.MoveFirst();
    EXPECT_EQ(one.Value("TextTraduit"), com::Variant("Els tipus no coincideixen."));

    Succeeds(session, "RollBackTransaction");
}

INSTANTIATE_TEST_SUITE_P(Engines, WindowTexts, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

using LookupTable = ServerSide;

TEST_P(LookupTable, IsListedFilteredSavedAndDeleted) {
    const com::ObjectRef tables = Service("SvrTaulesAuxiliars");
    const auto codes = [&] {
        std::vector<std::string> out;
        ado::Recordset rows =
            Rows(Succeeds(tables, "GetListAuxiliar", {"TTT_TipusCable", "", 99, "CodTipusCable"}));
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
            out.push_back(rows.Value("CodTipusCable").toString());
        return out;
    };
    EXPECT_EQ(codes(), (std::vector<std::string>{"H07V-K 450/750 V", "RV-K 0,6/1 kV", "RZ 0,6/1 kV trenat",
                                                 "RZ1-K (AS) 0,6/1 kV"}))
        << "every row, whatever the filter value, when no filter column is named";

    // The editor asks a child table whether rows still use a value.
    EXPECT_EQ(Rows(Succeeds(tables, "GetListAuxiliar", {"T_Tram", "NumTipusCable", 2, ""})).RecordCount(), 2);
    EXPECT_EQ(Rows(Succeeds(tables, "GetListAuxiliar", {"T_Tram", "NumTipusCable", 4, ""})).RecordCount(), 0);

    ado::Recordset added = Rows(Succeeds(tables, "GetEmptyRecordset", {"TTT_TipusCable"}));
    added.AddNew();
    added.SetValue("CodTipusCable", "AL 0,6/1 kV");
    added.Update();
    EXPECT_EQ(Succeeds(tables, "SaveTaulaAuxiliar", {added.ToXml()}), com::Variant(true));
    EXPECT_EQ(codes().front(), "AL 0,6/1 kV");

    ado::Recordset all = Rows(Succeeds(tables, "GetListAuxiliar", {"TTT_TipusCable", "", 0, ""}));
    ASSERT_TRUE(Find(all, "CodTipusCable", "AL 0,6/1 kV"));
    const com::Variant number = all.Value("NumTipusCable");
    EXPECT_EQ(Rows(Succeeds(tables, "GetRegistreById", {"TTT_TipusCable", "NumTipusCable", number})).RecordCount(), 1);

    EXPECT_EQ(Succeeds(tables, "DeleteTaulaAuxiliar", {"TTT_TipusCable", "NumTipusCable", number}),
              com::Variant(true));
    EXPECT_EQ(Rows(Succeeds(tables, "GetRegistreById", {"TTT_TipusCable", "NumTipusCable", number})).RecordCount(), 0);
    EXPECT_EQ(codes().size(), 4u);
    EXPECT_EQ(Succeeds(tables, "DeleteTaulaAuxiliar", {"TTT_TipusCable", "NumTipusCable", number}),
              com::Variant(true))
        << "nothing left to delete is no failure";
}

// The engines' catalogues, any table the application does not have and
// those of its tables that no window sends through the service (the users,
// their project access, the window texts) are refused before a statement
// is sent, whatever the member.
TEST_P(LookupTable, OnlyTheTablesItServesAreReadOrWritten) {
    const com::ObjectRef tables = Service("SvrTaulesAuxiliars");
    // A change set of a lookup table whose column names another table.
    ado::Recordset added = Rows(Succeeds(tables, "GetEmptyRecordset", {"TTT_TipusCable"}));
    added.AddNew();
    added.SetValue("CodTipusCable", "X");
    added.Update();
    const std::string changeSet = added.ToXml();
    const std::string ownTable = "rs:basetable='TTT_TipusCable'";
    ASSERT_NE(changeSet.find(ownTable), std::string::npos) << changeSet;
    for (const char* table : {"sqlite_master", "sqlite_schema", "pg_authid", "pg_class", "TTT_NoHiEs", "T_Usuari",
                              "T_UsuariProjecte", "T_Idioma"}) {
        std::string elsewhere = changeSet;
        elsewhere.replace(elsewhere.find(ownTable), ownTable.size(), std::string("rs:basetable='") + table + "'");
        const struct {
            const char* operation;
            std::vector<com::Variant> args;
            com::Variant refused;
        } kCalls[] = {
            {"GetListAuxiliar", {table, "", 0, ""}, com::Variant("")},
            {"GetRegistreById", {table, "oid", 1}, com::Variant("")},
            {"GetEmptyRecordset", {table}, com::Variant("")},
            {"DeleteTaulaAuxiliar", {table, "oid", 1}, com::Variant(false)},
            {"SaveTaulaAuxiliar", {elsewhere}, com::Variant(false)},
        };
        for (const auto& c : kCalls) {
            SCOPED_TRACE(std::string(c.operation) + " " + table);
            std::vector<com::Variant> args = c.args;
            EXPECT_EQ(com::CallRef(tables, c.operation, args), c.refused);
            EXPECT_EQ(NumError(tables), 5);
            EXPECT_EQ(UbicacioError(tables), base::TrailEntry(base::label::Quossa, "MngTaulesAuxiliars", c.operation) +
                                                 base::TrailEntry(base::label::Brintel, "SvrTaulesAuxiliars", c.operation));
        }
    }
}

// The users as the user service lists them, changed the way a caller
// would change them: the administrator's hash, a security level raised, a
// user added. Neither lookup-table save takes it, and nothing changes.
TEST_P(LookupTable, NoSaveOfItTouchesTheUsers) {
    const com::ObjectRef users = Service("SvrUsuaris");
    const std::string before = Succeeds(users, "GetUsuaris").toString();
    ado::Recordset changed = Rows(before);
    ASSERT_TRUE(Find(changed, "Login", "admin"));
    changed.SetValue("Password", "$argon2id$v=19$m=65536,t=2,p=1$chosen$chosen");
    changed.SetValue("NumNivellSeguretat", 1);
    changed.Update();
    changed.AddNew();
    changed.SetValue("NomUsuari", "Intrus");
    changed.SetValue("Login", "intrus");
    changed.Update();
    for (const char* service : {"SvrTaulesAuxiliars", "SvrPuntsLlum"}) {
        SCOPED_TRACE(service);
        const com::ObjectRef tables = Service(service);
        std::vector<com::Variant> args = {changed.ToXml()};
        EXPECT_EQ(com::CallRef(tables, "SaveTaulaAuxiliar", args), com::Variant(false));
        EXPECT_EQ(NumError(tables), 5);
        std::vector<com::Variant> list = {"T_Usuari", ""};
        if (std::string_view(service) == "SvrTaulesAuxiliars") list = {"T_Usuari", "", 0, ""};
        EXPECT_EQ(com::CallRef(tables, "GetListAuxiliar", list), com::Variant(""));
        EXPECT_EQ(NumError(tables), 5);
    }
    EXPECT_EQ(Succeeds(users, "GetUsuaris").toString(), before);
}

INSTANTIATE_TEST_SUITE_P(Engines, LookupTable, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

using FailureTrail = ServerSide;

std::string Trail(std::initializer_list<std::pair<const char*, const char*>> entries, std::string_view label) {
    std::string trail;
    for (const auto& [className, operation] : entries) trail += base::TrailEntry(label, className, operation);
    return trail;
}
std::string Dravik(std::initializer_list<std::pair<const char*, const char*>> e) { return Trail(e, base::label::Dravik); }
std::string Quossa(std::initializer_list<std::pair<const char*, const char*>> e) { return Trail(e, base::label::Quossa); }
std::string Brintel(std::initializer_list<std::pair<const char*, const char*>> e) { return Trail(e, base::label::Brintel); }

TEST_P(FailureTrail, NamesEveryTierFromTheLowestUp) {
    constexpr int32_t kDatabaseError = -2147467259;
    constexpr int32_t kConflict = -2147217864;
    const char* funcs = "clsFuncionsSubCapaSuport";

    {
        SCOPED_TRACE("a key missing from Brintel.INI");
        testsupport::ScopedFile ini(BrintelIni(), "[General]\nPC_Quossa=\n");
        const com::ObjectRef clients = Service("SvrClients");
        EXPECT_EQ(com::Call(clients, "GetClients"), com::Variant(""));
        EXPECT_EQ(NumError(clients), 513);
        EXPECT_EQ(UbicacioError(clients),
                  Brintel({{funcs, "ConsultaArxiuIni"}, {funcs, "ConsultaArxiuIniSuport"}, {funcs, "Quossa_DLL"},
                           {funcs, "CreaObjecteEntitat"}, {"SvrClients", "GetClients"}}));
    }
    {
        SCOPED_TRACE("a manager the entity library does not offer");
        const com::ObjectRef patterns = Service("SvrPatronsTerra");
        EXPECT_EQ(com::Call(patterns, "DeletePatroTerra", {1}), com::Variant(false));
        EXPECT_EQ(NumError(patterns), 429);
        EXPECT_EQ(UbicacioError(patterns),
                  Brintel({{funcs, "CreaObjecteEntitat"}, {"SvrPatronsTerra", "DeletePatroTerra"}}));
    }
    {
        SCOPED_TRACE("a column the table does not have");
        const com::ObjectRef tables = Service("SvrTaulesAuxiliars");
        EXPECT_EQ(com::Call(tables, "GetRegistreById", {"TTT_TipusCable", "NumNoHiEs", 1}), com::Variant(""));
        EXPECT_EQ(NumError(tables), kDatabaseError);
        EXPECT_EQ(UbicacioError(tables),
                  Dravik({{"clsBD", "ConsultaXMLSenseTransaccio"}, {"clsBD", "ConsultaXML"}}) +
                      Quossa({{"MngTaulesAuxiliars", "GetRegistreById"}}) +
                      Brintel({{"SvrTaulesAuxiliars", "GetRegistreById"}}));
    }
    {
        SCOPED_TRACE("a light point changed by someone else meanwhile");
        const com::ObjectRef mine = Service("SvrPuntsLlum");
        const com::ObjectRef theirs = Service("SvrPuntsLlum");
        ado::Recordset myRows = Rows(Succeeds(mine, "GetPuntsLlum", {kServiceConnection}));
        ado::Recordset theirRows = Rows(Succeeds(theirs, "GetPuntsLlum", {kServiceConnection}));
        ASSERT_TRUE(Find(theirRows, "CodPuntLlum", "PL-002"));
        theirRows.SetValue("NumeroPostal", "12");
        theirRows.Update();
        EXPECT_EQ(Succeeds(theirs, "SavePuntLlum", {theirRows.ToXml()}), com::Variant(true));

        ASSERT_TRUE(Find(myRows, "CodPuntLlum", "PL-002"));
        myRows.SetValue("NumeroPostal", "14");
        myRows.Update();
        EXPECT_EQ(com::Call(mine, "SavePuntLlum", {myRows.ToXml()}), com::Variant(false));
        EXPECT_EQ(NumError(mine), kConflict);
        EXPECT_EQ(UbicacioError(mine), Dravik({{"clsBD", "UpdateXMLSenseTransaccio"}, {"clsBD", "UpdateXML"}}) +
                                           Quossa({{"MngPuntsLlum", "SavePuntLlum"}}) +
                                           Brintel({{"SvrPuntsLlum", "SavePuntLlum"}}));
    }
    {
        SCOPED_TRACE("a database that is not there: the engine's message comes along");
        const std::string missing = GetParam() == testsupport::Engine::SQLite
                                        ? "Provider=SQLite;Data Source=" + DravikIni() + ".nohies"
                                        : "Provider=PostgreSQL;Host=127.0.0.1;Port=1;Database=nohies";
        testsupport::ScopedFile ini(DravikIni(), testsupport::DravikSettings(missing));
        const com::ObjectRef clients = Service("SvrClients");
        EXPECT_EQ(com::Call(clients, "GetClients"), com::Variant(""));
        EXPECT_EQ(NumError(clients), kDatabaseError);
        EXPECT_EQ(UbicacioError(clients), Dravik({{"clsBD", "ConsultaXMLSenseTransaccio"}, {"clsBD", "ConsultaXML"}}) +
                                              Quossa({{"MngClients", "GetClients"}}) +
                                              Brintel({{"SvrClients", "GetClients"}}));
        const std::string description = base::DescriptionOf(NumError(clients), UbicacioError(clients));
        EXPECT_NE(description.find(GetParam() == testsupport::Engine::SQLite ? "does not exist" : "refused"),
                  std::string::npos)
            << description;
    }
    {
        SCOPED_TRACE("a key missing from Dravik.INI");
        testsupport::ScopedFile ini(DravikIni(), "[General]\nMaximTempsDeTransaccio=600000\n");
        const com::ObjectRef clients = Service("SvrClients");
        EXPECT_EQ(com::Call(clients, "GetClients"), com::Variant(""));
        EXPECT_EQ(NumError(clients), 513);
        EXPECT_EQ(UbicacioError(clients),
                  Dravik({{"clsBD", "ConsultaArxiuIni"}, {"clsBD", "ConsultaArxiuIniBD"},
                          {"clsBD", "ConsultaXMLSenseTransaccio"}, {"clsBD", "ConsultaXML"}}) +
                      Quossa({{"MngClients", "GetClients"}}) + Brintel({{"SvrClients", "GetClients"}}));
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, FailureTrail, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
}  // namespace brinteltest
