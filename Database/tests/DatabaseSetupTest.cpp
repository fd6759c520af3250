#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "Ado/AdoError.h"
#include "Ado/Connection.h"
#include "Ado/Recordset.h"
#include "Com/ComError.h"
#include "DatabaseSetup.h"
#include "Queries.h"
#include "SchemaDescription.h"
#include "ScriptFiles.h"
#include "support/Files.h"
#include "support/SampleDatabase.h"

namespace database {
namespace {

using testsupport::Engine;

// Runs the command as a user would; returns its exit status.
int RunCommand(const std::string& arguments) {
    const std::string command = testsupport::BuildPath("Database/inventari-db") + " " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ShellQuoted(const std::string& s) { return "'" + s + "'"; }

class DatabaseSetup : public testing::TestWithParam<Engine> {};

INSTANTIATE_TEST_SUITE_P(Engines, DatabaseSetup, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

TEST_P(DatabaseSetup, TheCommandBuildsTheSampleDatabaseFromNothing) {
    testsupport::TempDir folder;
    std::unique_ptr<testsupport::TestDatabase> server;
    std::string target = folder.file("inventari.db");
    std::string connectionString = "Provider=SQLite;Data Source=" + target;
    if (GetParam() == Engine::PostgreSQL) {
        server = std::make_unique<testsupport::TestDatabase>(Engine::PostgreSQL);
        target = connectionString = server->connectionString();
    }
    ASSERT_EQ(RunCommand("create " + ShellQuoted(target)), 0);

    ado::Connection c;
    c.Open(connectionString);
    // The lists the windows ask for, in the entity layer's own words.
    EXPECT_EQ(FirstColumn(c, "Select T_Projecte.* From T_Projecte Inner Join T_UsuariProjecte "
                             "On T_Projecte.NumProjecte = T_UsuariProjecte.NumProjecte "
                             "Where T_UsuariProjecte.NumUsuari =  14 Order By T_Projecte.NumProjecte"),
              Texts{"306"});
    EXPECT_EQ(FirstColumn(c, "Select CodZona From T_Zona Where NumProjecte = 306 Order By T_Zona.CodZona"),
              (Texts{"Z-01", "Z-02", "Z-03"}));
    EXPECT_EQ(FirstColumn(c, "Select T_Escomesa.CodEscomesa From T_Escomesa, T_Zona Where T_Escomesa.NumZona = "
                             "T_Zona.NumZona And T_Zona.NumProjecte= 306 Order By T_Escomesa.CodEscomesa"),
              (Texts{"E-01", "E-02", "E-03"}));
    EXPECT_EQ(FirstColumn(c, "Select TTE_ElementValor.CodElementValor From T_EscomesaElements, TTE_ElementTipus, "
                             "TTE_ElementValor Where T_EscomesaElements.NumElementTipus =  "
                             "TTE_ElementTipus.NumElementTipus And TTE_ElementValor.NumElementValor = "
                             "T_EscomesaElements.NumElementValor And TTE_ElementTipus.CodElementTipus = "
                             "'Sortida' And NumEscomesa =  1 Order By T_EscomesaElements.NumElementTipus,"
                             "T_EscomesaElements.NumElementCodi, T_EscomesaElements.NumElementValor"),
              (Texts{"Sortida 1", "Sortida 2"}));
    EXPECT_EQ(FirstColumn(c, "Select T_Tram.CodTram From T_Tram, T_EscomesaElements Where "
                             "T_Tram.NumElement = T_EscomesaElements.NumElement And "
                             "T_EscomesaElements.NumEscomesa =  1 Order By T_Tram.CodTram"),
              (Texts{"T-01.1", "T-01.2"}));
    EXPECT_EQ(FirstColumn(c, "Select CodPuntLlum From T_PuntLlum Where NumEscomesa =  2 "
                             "Order By T_PuntLlum.CodPuntLlum"),
              (Texts{"PL-101", "PL-102", "PL-103", "PL-104", "PL-105", "PL-106", "PL-107", "PL-108", "PL-109",
                     "PL-110", "PL-111", "PL-112"}));
    EXPECT_EQ(FirstColumn(c, "Select TextTraduit From T_Idioma Where CodTextIdioma = 'Error517' And NumIdioma =  5"),
              Texts{"The text code is missing for this window."});
    EXPECT_EQ(FirstColumn(c, "Select CodIdioma From TTI_Idioma Order By CodIdioma"),
              (Texts{"Castellano", "Català", "English"}));

    // A second run on the same database fails and changes nothing.
    c.Close();
    EXPECT_EQ(RunCommand("create " + ShellQuoted(target)), 1);
    c.Open(connectionString);
    EXPECT_EQ(Count(c, "Select Count(*) From T_Client"), 1);
}

TEST_P(DatabaseSetup, NoSeedLeavesEveryTableEmpty) {
    const auto db = testsupport::SampleDatabase(GetParam(), false);
    ado::Connection c;
    c.Open(db->connectionString());
    for (const auto& table : ParseSchema(SchemaFile().text))
        EXPECT_EQ(Count(c, "Select Count(*) From " + table.name), 0) << table.name;
}

TEST_P(DatabaseSetup, TextIsComparedAndSortedWithoutRegardToCase) {
    const auto db = testsupport::SampleDatabase(GetParam());
    ado::Connection c;
    c.Open(db->connectionString());
    EXPECT_EQ(FirstColumn(c, "Select NumElementTipus From TTE_ElementTipus Where CodElementTipus = 'SORTIDA'"),
              Texts{"6"});
    EXPECT_EQ(Count(c, "Select Count(*) From T_Idioma Where NomFormulari = 'errors' And CodTextIdioma = 'ERROR513'"),
              3);
    c.Execute("Insert Into TTS_SuportColor (CodSuportColor) Values ('beta'), ('Alpha'), ('gamma'), ('ALPHA2')");
    EXPECT_EQ(FirstColumn(c, "Select CodSuportColor From TTS_SuportColor Where NumSuportColor > 5 "
                             "Order By CodSuportColor"),
              (Texts{"Alpha", "ALPHA2", "beta", "gamma"}));
    // A window text differing from another only in case is the same text.
    EXPECT_ANY_THROW(c.Execute("Insert Into T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit) "
                               "Values (5, 'ERRORS', 'error513', 'again')"));
}

TEST_P(DatabaseSetup, ColumnsRefuseWhatTheirTypeAndLengthDoNotHold) {
    const auto db = testsupport::SampleDatabase(GetParam(), false);
    ado::Connection c;
    c.Open(db->connectionString());
    const std::string refused[] = {
        "Insert Into T_Projecte (NomProjecte, NumClient) Values ('P', 'abc')",
        "Insert Into T_Usuari (NomUsuari, Autoritzat) Values ('U', 'abc')",
        "Insert Into T_Usuari (NomUsuari, Autoritzat) Values ('U', 2)",
        "Insert Into CapaCarrer (NumCarrer, VertexX) Values (1, 'abc')",
        "Insert Into T_Client (NomClient) Values ('" + std::string(101, 'x') + "')",
    };
    for (const std::string& sql : refused) EXPECT_ANY_THROW(c.Execute(sql)) << sql;
    for (const char* table : {"T_Projecte", "T_Usuari", "CapaCarrer", "T_Client"})
        EXPECT_EQ(Count(c, std::string("Select Count(*) From ") + table), 0) << table;
    // What the columns hold still goes in, under rows that are there.
    c.Execute("Insert Into T_Client (NumClient, NomClient) Values (12, 'C')");
    c.Execute("Insert Into T_Carrer (NumCarrer, CodCarrer) Values (1, 'C-1')");
    c.Execute("Insert Into T_Projecte (NomProjecte, NumClient) Values ('P', '12')");
    c.Execute("Insert Into T_Usuari (NomUsuari, Autoritzat) Values ('U', True)");
    c.Execute("Insert Into CapaCarrer (NumCarrer, VertexX) Values (1, 2)");
    c.Execute("Insert Into T_Client (NomClient) Values ('" + std::string(100, 'x') + "')");
}

// The references of schema.txt are foreign keys: whatever writes a row
// under one that is not there, or deletes one that others name, is refused
// as a conflict with another user's change, statement or batch alike, and
// what belongs to a row goes with it.
TEST_P(DatabaseSetup, NoRowIsLeftNamingARowThatIsNotThere) {
    const auto db = testsupport::SampleDatabase(GetParam());
    ado::Connection c;
    c.Open(db->connectionString());
    const auto refused = [](const std::function<void()>& write, const std::string& what) {
        try {
            write();
            ADD_FAILURE() << "accepted: " << what;
        } catch (const com::ComError& e) {
            EXPECT_EQ(e.number(), ado::err::UpdateConflict) << what << ": " << e.what();
        }
    };
    for (const std::string sql : {
             "Insert Into T_Lluminaria (CodLluminaria, NumPuntLlum) Values ('LL-X', 999)",
             "Update T_PuntLlum Set NumEscomesa = 999 Where NumPuntLlum = 1",
             "Insert Into T_UsuariProjecte (NumUsuari, NumProjecte) Values (14, 999)",
             "Delete From T_Carrer Where NumCarrer = 1",           // light points and connections stand in it
             "Delete From T_Escomesa Where NumEscomesa = 4",       // it feeds light points
             "Delete From T_Escomesa Where NumEscomesa = 1",       // segments leave its elements
             "Delete From T_EscomesaElements Where NumElement = 5",  // a segment leaves it
             "Delete From TTS_CaixaModel Where NumCaixaModel = 1",   // luminaires have it
             "Delete From T_Projecte Where NumProjecte = 308",     // a street and a zone are in it
         })
        refused([&] { c.Execute(sql); }, sql);
    ado::Recordset luminaire;
    luminaire.Open("Select * From T_Lluminaria Where NumLluminaria = 1", db->connectionString());
    luminaire.SetValue("NumPuntLlum", 999);
    luminaire.Update();
    refused([&] { luminaire.UpdateBatch(c); }, "a luminaire moved to a light point that is not there");
    EXPECT_EQ(Count(c, "Select Count(*) From T_Lluminaria Where NumPuntLlum = 999 Or CodLluminaria = 'LL-X'"), 0);
    EXPECT_EQ(Count(c, "Select Count(*) From T_Carrer"), 8);

    // Null names no row.
    c.Execute("Insert Into T_Lluminaria (CodLluminaria) Values ('LL-X')");
    // A user's project access, a light point's luminaires and map points,
    // a street's vertices, a connection's elements and map points go with
    // it.
    const struct {
        const char* deleted;
        std::vector<const char*> belonging;
    } cascades[] = {
        {"Delete From T_Usuari Where NumUsuari = 14", {"T_UsuariProjecte Where NumUsuari = 14"}},
        {"Delete From T_PuntLlum Where NumPuntLlum = 15",
         {"T_Lluminaria Where NumPuntLlum = 15", "CapaPuntLlum Where NumPuntLlum = 15"}},
        {"Delete From T_Carrer Where NumCarrer = 8", {"CapaCarrer Where NumCarrer = 8"}},
        {"Delete From T_Escomesa Where NumEscomesa = 3",
         {"T_EscomesaElements Where NumEscomesa = 3", "CapaEscomesa Where NumEscomesa = 3"}},
    };
    for (const auto& cascade : cascades) {
        for (const char* rows : cascade.belonging)
            EXPECT_GT(Count(c, std::string("Select Count(*) From ") + rows), 0) << rows;
        c.Execute(cascade.deleted);
        for (const char* rows : cascade.belonging)
            EXPECT_EQ(Count(c, std::string("Select Count(*) From ") + rows), 0) << rows;
    }
}

TEST_P(DatabaseSetup, KeysAreNeverReusedAfterADelete) {
    const auto db = testsupport::SampleDatabase(GetParam());
    ado::Connection c;
    c.Open(db->connectionString());
    // Tables whose seed gave the keys, and a map layer whose own key no
    // SQL of the system names.
    const struct {
        const char* table;
        const char* key;
        const char* insert;
        int32_t highestSeeded;
    } cases[] = {
        {"T_Projecte", "NumProjecte", "Insert Into T_Projecte (NomProjecte) Values ('Nou')", 308},
        {"TTI_Idioma", "NumIdioma", "Insert Into TTI_Idioma (CodIdioma) Values ('Français')", 5},
        {"CapaTram", "NumPunt", "Insert Into CapaTram (NumTram, NumOrdre) Values (1, 4)", 17},
    };
    for (const auto& k : cases) {
        c.Execute(k.insert);
        const auto first = c.LastInsertedKey(k.table, k.key);
        EXPECT_GT(first, k.highestSeeded) << k.table;
        c.Execute(std::string("Delete From ") + k.table + " Where " + k.key + " = " + std::to_string(first));
        c.Execute(k.insert);
        EXPECT_GT(c.LastInsertedKey(k.table, k.key), first) << k.table;
    }
}

TEST_P(DatabaseSetup, AFailedCreationLeavesNothingBehind) {
    testsupport::TestDatabase db(GetParam());
    ado::Connection c;
    c.Open(db.connectionString());
    c.Execute("CREATE TABLE " + c.QuoteName("T_Zona") + " (x INTEGER)");
    EXPECT_THROW(CreateDatabase(c, true), std::runtime_error);
    EXPECT_EQ(c.TransactionLevel(), 0);
    EXPECT_TRUE(c.TableColumns("T_Client").empty());
    EXPECT_EQ(c.TableColumns("T_Zona").size(), 1u);
}

// The columns of every table, as each engine's catalogue reports them,
// agree with each other and with the description.
TEST(DatabaseCatalogues, BothEnginesHoldTheSameColumnsInTheSameOrder) {
    const auto engines = testsupport::AvailableEngines();
    if (engines.size() < 2) GTEST_SKIP() << "INVENTARI_PG is not set";
    const auto sqliteDb = testsupport::SampleDatabase(Engine::SQLite, false);
    const auto postgresDb = testsupport::SampleDatabase(Engine::PostgreSQL, false);
    ado::Connection sqlite, postgres;
    sqlite.Open(sqliteDb->connectionString());
    postgres.Open(postgresDb->connectionString());

    for (const auto& table : ParseSchema(SchemaFile().text)) {
        const auto a = sqlite.TableColumns(table.name);
        const auto b = postgres.TableColumns(table.name);
        ASSERT_EQ(a.size(), table.columns.size()) << table.name;
        ASSERT_EQ(b.size(), table.columns.size()) << table.name;
        for (size_t i = 0; i < a.size(); ++i) {
            const auto& described = table.columns[i];
            SCOPED_TRACE(table.name + "." + described.name);
            EXPECT_EQ(a[i].name, described.name);
            EXPECT_EQ(b[i].name, described.name);
            EXPECT_EQ(a[i].type, b[i].type);
            EXPECT_EQ(a[i].definedSize, b[i].definedSize);
            EXPECT_EQ(a[i].key, b[i].key);
            EXPECT_EQ(a[i].autoIncrement, b[i].autoIncrement);
            EXPECT_EQ(a[i].nullable, b[i].nullable);
            const bool isKey = described.type == ColumnType::Key;
            EXPECT_EQ(a[i].key, isKey);
            EXPECT_EQ(a[i].autoIncrement, isKey);
            if (described.type == ColumnType::Text) {
                EXPECT_EQ(a[i].type, ado::DataType::String);
                EXPECT_EQ(a[i].definedSize, described.length);
            }
        }
    }
}

TEST(DatabaseCommand, RefusesWhatItCannotDo) {
    testsupport::TempDir folder;
    const std::string existing = folder.file("existing.db");
    testsupport::WriteFile(existing, "keep");
    const struct {
        std::string arguments;
        int status;
    } cases[] = {
        {"", 2},
        {"create", 2},
        {"make " + folder.file("a.db"), 2},
        {"create --no-seed", 2},
        {"create " + folder.file("a.db") + " " + folder.file("b.db"), 2},
        {"create " + existing, 1},
        {"create " + folder.file("missing/folder/a.db"), 1},
    };
    for (const auto& k : cases) EXPECT_EQ(RunCommand(k.arguments), k.status) << k.arguments;
    EXPECT_EQ(testsupport::ReadFile(existing), "keep");
    EXPECT_FALSE(std::filesystem::exists(folder.file("a.db")));
}

}  // namespace
}  // namespace database
