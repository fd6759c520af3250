#include <gtest/gtest.h>

#include "SchemaDescription.h"
#include "ScriptFiles.h"

namespace database {
namespace {

TEST(SchemaDescription, ReadsTablesColumnsTypesAndConstraints) {
    const auto tables = ParseSchema(
        "# a comment line\n"
        "T_A   # trailing comment\n"
        "    NumA      key\n"
        "    CodA      text(20)\n"
        "\n"
        "    Valor     double\n"
        "    Actiu     boolean\n"
        "    Data      datetime\n"
        "    NumB      integer\n"
        "    unique(CodA, NumB)\n"
        "CapaB lookup\n"
        "\tX double\n"
        "\tNumA   integer -> T_A\n"
        "\tNumA2  integer ->  t_a   cascade\n"
        "\tindex(X, NumA)\n");
    ASSERT_EQ(tables.size(), 2u);
    const auto& a = tables[0];
    EXPECT_EQ(a.name, "T_A");
    ASSERT_EQ(a.columns.size(), 6u);
    EXPECT_EQ(a.key()->name, "NumA");
    EXPECT_EQ(a.columns[1].type, ColumnType::Text);
    EXPECT_EQ(a.columns[1].length, 20);
    EXPECT_EQ(a.columns[2].type, ColumnType::Double);
    EXPECT_EQ(a.columns[3].type, ColumnType::Boolean);
    EXPECT_EQ(a.columns[4].type, ColumnType::DateTime);
    EXPECT_EQ(a.columns[5].type, ColumnType::Integer);
    ASSERT_EQ(a.uniqueColumns.size(), 1u);
    EXPECT_EQ(a.uniqueColumns[0], (std::vector<std::string>{"CodA", "NumB"}));
    EXPECT_EQ(tables[1].key(), nullptr);
    EXPECT_FALSE(a.lookupService);
    EXPECT_TRUE(tables[1].lookupService);
    EXPECT_FALSE(a.columns[5].references);
    const auto& b = tables[1].columns;
    ASSERT_TRUE(b[1].references && b[2].references);
    EXPECT_EQ(b[1].references->table, "T_A");
    EXPECT_FALSE(b[1].references->cascade);
    EXPECT_EQ(b[2].references->table, "t_a");
    EXPECT_TRUE(b[2].references->cascade);
    EXPECT_EQ(tables[1].indexColumns, (std::vector<std::vector<std::string>>{{"X", "NumA"}}));
    const auto references = ReferencesTo(tables, "T_A");
    ASSERT_EQ(references.size(), 2u);
    EXPECT_EQ(references[0].column->name, "NumA");
    EXPECT_TRUE(references[1].cascade);
}

TEST(SchemaDescription, RefusesWhatItCannotReadAndNamesTheLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"    NumA key\n", "line 1: a column before the first table"},
        {"T_A\n    NumA number\n", "line 2: unknown type: number"},
        {"T_A\n    CodA text(0)\n", "line 2: unknown type: text(0)"},
        {"T_A\n    CodA text(2x)\n", "line 2: unknown type: text(2x)"},
        {"T_A\n    NumA\n", "line 2: a column without a type"},
        {"T_A\n    NumA key\n    numa integer\n", "line 3: column numa described twice"},
        {"T_A\n    NumA key\n    NumB key\n", "line 3: table T_A has two keys"},
        {"T_A\n    NumA key\nt_a\n    NumA key\n", "line 3: table t_a described twice"},
        {"T_A\nT_B\n    NumB key\n", "line 2: table T_A has no columns"},
        {"T_A\n    NumA key\n    unique(NumA, Cod)\n", "line 3: unique names a column the table lacks: Cod"},
        {"T-A\n    NumA key\n", "line 1: not a table name: T-A"},
        {"T_A lookups\n    NumA key\n", "line 1: unknown mark of table T_A: lookups"},
        {"T_A\n    NumA key\n    index(Cod)\n", "line 3: index names a column the table lacks: Cod"},
        {"T_A\n    NumA key\n    Cod text(5) -> T_A\n", "line 3: a reference that is not an integer column: Cod"},
        {"T_A\n    NumA key\n    NumB integer => T_A\n", "line 3: not a type or a reference: => T_A"},
        {"T_A\n    NumA key\n    NumB integer -> T_A restrict\n", "line 3: unknown action of a reference: restrict"},
        {"T_A\n    NumA key\n\n    NumB integer -> T_X\n", "line 4: a reference to a table not described: T_X"},
        {"T_A\n    NumA integer\nT_B\n    NumB key\n    NumA integer -> T_A\n",
         "line 5: a reference to a table without a key: T_A"},
    };
    for (const auto& c : cases) {
        try {
            ParseSchema(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << e.what() << "\n  expected: " << c.message;
        }
    }
}

// Names that the entity layer and the windows use, spelled as they use
// them: a table and column must exist, with a key where a row is read,
// deleted or inserted by its own number.
TEST(SchemaDescription, TheSchemaHoldsTheNamesTheSystemUses) {
    const auto tables = ParseSchema(SchemaFile().text);
    auto table = [&](const std::string& name) -> const TableDescription* {
        for (const auto& t : tables)
            if (t.name == name) return &t;
        return nullptr;
    };
    const std::pair<const char*, const char*> keys[] = {
        {"T_Client", "NumClient"},          {"T_TipusManteniment", "NumTipusManteniment"},
        {"T_Projecte", "NumProjecte"},      {"T_Usuari", "NumUsuari"},
        {"T_Carrer", "NumCarrer"},          {"T_Zona", "NumZona"},
        {"T_Escomesa", "NumEscomesa"},      {"T_EscomesaElements", "NumElement"},
        {"T_Tram", "NumTram"},              {"T_PuntLlum", "NumPuntLlum"},
        {"T_Lluminaria", "NumLluminaria"},  {"T_PatroPLL", "NumPatroPLL"},
        {"T_SuportCaracteristica", "NumSuportProp"}, {"CapaPuntLlum", "NumPunt"},
        {"T_Idioma", "NumTextIdioma"},      {"TTI_Idioma", "NumIdioma"},
        {"TTU_NivellSeguretat", "NumNivellSeguretat"}, {"TSP_Suport", "NumSPSuport"},
        {"TTE_ConjuntMesura", "NumiConjuntMesura"}, {"TTS_PresaTerra", "NumTerraCable"},
        {"TTLL_TipusLlum", "NumLlumTipus"}, {"TTS_SuportPropietatTipus", "NumPropTipus"},
    };
    for (const auto& [name, key] : keys) {
        const auto* t = table(name);
        ASSERT_NE(t, nullptr) << name;
        ASSERT_NE(t->key(), nullptr) << name;
        EXPECT_EQ(t->key()->name, key) << name;
    }
    // Every table gets a key of its own, those the SQL addresses by other
    // columns included, so that an update or delete finds exactly one row.
    for (const auto& t : tables) EXPECT_NE(t.key(), nullptr) << t.name;
    // The user list shows these three columns in the order the rows carry them.
    const auto& users = table("T_Usuari")->columns;
    std::vector<std::string> shown;
    for (const auto& c : users)
        if (c.name == "NomUsuari" || c.name == "Login" || c.name == "Autoritzat") shown.push_back(c.name);
    EXPECT_EQ(shown, (std::vector<std::string>{"NomUsuari", "Login", "Autoritzat"}));
}

}  // namespace
}  // namespace database
