// SQL as the entity layer writes it, one statement per call, names in the
// schema's declared case, typed values and the fields' origin.
#include <set>

#include "ConnectionFixture.h"

namespace adotest {
namespace {

using ado::DataType;
using ado::FieldInfo;
namespace err = ado::err;

class ConnectionSqlTest : public ConnectionTest {
protected:
    void SetUp() override {
        ConnectionTest::SetUp();
        createTables();
        connection_->Execute(
            "Insert Into T_Client (NomClient, Saldo, Alta, Actiu, Pes) "
            "Values ('Ajuntament', 12.5, '2024-03-01 08:30:00', True, 1.25)");
        connection_->Execute("Insert Into T_Client (NomClient) Values ('Consorci')");
        connection_->Execute(
            "Insert Into T_Projecte (NomProjecte, NumClient) Values ('Centre', 1)");
        connection_->Execute(
            "Insert Into T_Projecte (NomProjecte, NumClient) Values ('Platja', 2)");
        connection_->Execute("Insert Into T_UsuariProjecte (NumUsuari, NumProjecte) Values (7, 2)");
    }

    const FieldInfo& field(const ado::QueryResult& r, const std::string& name) {
        for (const FieldInfo& f : r.fields)
            if (f.name == name) return f;
        throw std::runtime_error("no field " + name);
    }
};

TEST_P(ConnectionSqlTest, EntityLayerStatementsRunAsWritten) {
    EXPECT_EQ(connection_->Execute(
                  "Delete * From T_UsuariProjecte Where NumUsuari =  7 And NumProjecte = 2"),
              1);
    EXPECT_EQ(count("T_UsuariProjecte"), 0);
    EXPECT_EQ(connection_->Execute("Delete * From T_Projecte Where NumProjecte = -3"), 0);

    const ado::QueryResult empty = connection_->Query("Select * From T_Client Where False");
    EXPECT_TRUE(empty.rows.empty());
    ASSERT_EQ(empty.fields.size(), 6u);
    EXPECT_EQ(empty.fields[0].name, "NumClient");

    const ado::QueryResult ordered =
        connection_->Query("Select * From T_Projecte Order By T_Projecte.NomProjecte");
    ASSERT_EQ(ordered.rows.size(), 2u);
    EXPECT_EQ(ordered.rows[1][1], Variant("Platja"));

    EXPECT_EQ(connection_->Execute("Select * From T_Client"), 0);
    EXPECT_EQ(
        connection_->Execute("Update T_Client Set NomClient = 'C:\\fotos\\' Where NumClient = 2"),
        1);
    EXPECT_EQ(
        connection_->Query("Select NomClient From T_Client Where NumClient = 2").rows.at(0).at(0),
        Variant("C:\\fotos\\"));
    EXPECT_EQ(connection_->Execute("Delete * From T_Projecte"), 2);
}

TEST_P(ConnectionSqlTest, AnythingAfterTheFirstStatementIsRefusedAndNeverRuns) {
    const char* refused[] = {
        "Select 1; Delete From T_Client",
        "Select 1 ;\n  Delete * From T_Client Where True",
        "Select ';' As X; Delete From T_Client",
        "Select 1 -- a comment\n; Delete From T_Client",
        "Select E'\\''; Delete From T_Client; --'",
        "Delete From T_Projecte Where NumProjecte = 1; Delete From T_Client",
    };
    for (const char* sql : refused) {
        EXPECT_EQ(ErrorOf([&] { connection_->Execute(sql); }), err::DatabaseError) << sql;
        EXPECT_EQ(ErrorOf([&] { connection_->Query(sql); }), err::DatabaseError) << sql;
    }
    EXPECT_EQ(count("T_Client"), 2);
    EXPECT_EQ(count("T_Projecte"), 2);

    // Semicolons inside literals and comments, and a closing one, are not a second statement.
    EXPECT_EQ(connection_->Query("Select 'a;b' As X; -- done").rows.at(0).at(0), Variant("a;b"));
    EXPECT_EQ(connection_->Query("Select Count(*) From T_Client /* ; Delete From T_Client */;;")
                  .rows.size(),
              1u);
    EXPECT_EQ(ErrorOf([&] { connection_->Execute("  ; "); }), err::DatabaseError);
}

TEST_P(ConnectionSqlTest, NamesComeBackAsTheSchemaDeclaresThem) {
    const ado::QueryResult r =
        connection_->Query("select numclient, NOMCLIENT from t_client where numclient = 1");
    ASSERT_EQ(r.fields.size(), 2u);
    EXPECT_EQ(r.fields[0].name, "NumClient");
    EXPECT_EQ(r.fields[1].name, "NomClient");
    EXPECT_EQ(r.fields[1].baseTable, "T_Client");
    EXPECT_EQ(r.fields[1].baseColumn, "NomClient");
    EXPECT_EQ(r.rows.at(0).at(1), Variant("Ajuntament"));

    // A literal keeps its text even where it looks like a name.
    EXPECT_EQ(connection_->Query("Select 'T_Client numclient' From T_Client Where NumClient = 1")
                  .rows.at(0)
                  .at(0),
              Variant("T_Client numclient"));
}

TEST_P(ConnectionSqlTest, TableMadeOnAnotherConnectionAfterOpenIsFound) {
    connection_->Query("Select * From T_Client");
    another()->Execute(
        "CREATE TABLE \"T_Zona\" (\"NumZona\" INTEGER PRIMARY KEY, \"NomZona\" VARCHAR(20))");
    another()->Execute("Insert Into T_Zona (NumZona, NomZona) Values (4, 'Nord')");
    const ado::QueryResult r = connection_->Query("Select NomZona From T_Zona Where NumZona = 4");
    EXPECT_EQ(r.fields.at(0).name, "NomZona");
    EXPECT_EQ(r.rows.at(0).at(0), Variant("Nord"));
    EXPECT_EQ(connection_->TableColumns("t_zona").size(), 2u);
}

TEST_P(ConnectionSqlTest, ValuesAreTypedByColumn) {
    const ado::QueryResult r = connection_->Query("Select * From T_Client Order By NumClient");
    ASSERT_EQ(r.rows.size(), 2u);
    const std::vector<Variant> expected = {
        Variant(1),    Variant("Ajuntament"),
        Variant(12.5), Variant(com::Date::FromParts(2024, 3, 1, 8, 30, 0)),
        Variant(true), Variant(1.25)};
    EXPECT_EQ(r.rows[0], expected);
    for (size_t i = 2; i < r.rows[1].size(); ++i) EXPECT_TRUE(r.rows[1][i].isNull()) << i;

    const struct {
        const char* name;
        DataType type;
        int32_t definedSize, precision, scale;
        bool nullable;
    } fields[] = {
        {"NumClient", DataType::Integer, 4, 0, 0, false},
        {"NomClient", DataType::String, 50, 0, 0, false},
        {"Saldo", DataType::Decimal, 19, 10, 2, true},
        {"Alta", DataType::DateTime, 16, 0, 0, true},
        {"Actiu", DataType::Boolean, 2, 0, 0, true},
        {"Pes", DataType::Double, 8, 0, 0, true},
    };
    for (const auto& e : fields) {
        const FieldInfo& f = field(r, e.name);
        EXPECT_EQ(f.type, e.type) << e.name;
        EXPECT_EQ(f.definedSize, e.definedSize) << e.name;
        EXPECT_EQ(f.precision, e.precision) << e.name;
        EXPECT_EQ(f.scale, e.scale) << e.name;
        EXPECT_EQ(f.nullable, e.nullable) << e.name;
    }
}

TEST_P(ConnectionSqlTest, JoinedColumnsCarryTheirOwnTableAndComputedOnesNone) {
    const ado::QueryResult r = connection_->Query(
        "Select T_Projecte.*, T_UsuariProjecte.NumUsuari, T_Client.NomClient, 2 * "
        "T_Projecte.NumClient As Doble "
        "From T_Projecte, T_UsuariProjecte, T_Client Where T_Projecte.NumProjecte = "
        "T_UsuariProjecte.NumProjecte "
        "And T_Client.NumClient = T_Projecte.NumClient And T_UsuariProjecte.NumUsuari =  7");
    ASSERT_EQ(r.rows.size(), 1u);
    const struct {
        size_t index;
        const char* name;
        const char* table;
        const char* column;
        bool key, autoIncrement;
    } expected[] = {
        {0, "NumProjecte", "T_Projecte", "NumProjecte", true, true},
        {1, "NomProjecte", "T_Projecte", "NomProjecte", false, false},
        {2, "NumClient", "T_Projecte", "NumClient", false, false},
        {3, "NumUsuari", "T_UsuariProjecte", "NumUsuari", true, false},
        {4, "NomClient", "T_Client", "NomClient", false, false},
    };
    ASSERT_EQ(r.fields.size(), 6u);
    for (const auto& e : expected) {
        const FieldInfo& f = r.fields[e.index];
        EXPECT_EQ(f.name, e.name);
        EXPECT_EQ(f.baseTable, e.table) << e.name;
        EXPECT_EQ(f.baseColumn, e.column) << e.name;
        EXPECT_EQ(f.keyColumn, e.key) << e.name;
        EXPECT_EQ(f.autoIncrement, e.autoIncrement) << e.name;
    }
    const FieldInfo& computed = r.fields[5];
    EXPECT_TRUE(computed.baseTable.empty());
    EXPECT_TRUE(computed.baseColumn.empty());
    EXPECT_FALSE(computed.keyColumn);
    EXPECT_EQ(r.rows[0], (std::vector<Variant>{Variant(2), Variant("Platja"), Variant(2),
                                               Variant(7), Variant("Consorci"), Variant(4)}));
}

TEST_P(ConnectionSqlTest, BoundParametersKeepTheirTypesAndTheDatabaseGivesTheKey) {
    const com::Date date = com::Date::FromParts(2023, 12, 31, 23, 59, 58);
    const Variant params[] = {Variant("O'Brien; Delete From T_Client"), Variant(0.1), Variant(date),
                              Variant(false), Variant::Null()};
    EXPECT_EQ(
        connection_->ExecuteBound(
            "Insert Into T_Client (NomClient, Pes, Alta, Actiu, Saldo) Values (?, ?, ?, ?, ?)",
            params),
        1);
    EXPECT_EQ(connection_->LastInsertedKey("t_client", "numclient"), 3);

    const Variant key[] = {Variant(3)};
    EXPECT_EQ(connection_->ExecuteBound(
                  "Update T_Client Set Saldo = 1 Where NumClient = ? And Saldo Is Null", key),
              1);
    const ado::QueryResult r =
        connection_->Query("Select NomClient, Pes, Alta, Actiu From T_Client Where NumClient = 3");
    EXPECT_EQ(r.rows.at(0), (std::vector<Variant>{params[0], params[1], params[2], params[3]}));
    EXPECT_EQ(count("T_Client"), 3);

    EXPECT_EQ(
        ErrorOf([&] { connection_->ExecuteBound("Delete From T_Client Where NumClient = ?", {}); }),
        err::DatabaseError);
    EXPECT_EQ(count("T_Client"), 3);
}

TEST_P(ConnectionSqlTest, TableColumnsComeFromTheCatalogue) {
    const std::vector<ado::ColumnInfo> columns = connection_->TableColumns("t_client");
    ASSERT_EQ(columns.size(), 6u);
    EXPECT_EQ(columns[0].name, "NumClient");
    EXPECT_TRUE(columns[0].key);
    EXPECT_TRUE(columns[0].autoIncrement);
    EXPECT_EQ(columns[1].name, "NomClient");
    EXPECT_EQ(columns[1].type, DataType::String);
    EXPECT_EQ(columns[1].definedSize, 50);
    EXPECT_FALSE(columns[1].nullable);
    EXPECT_EQ(columns[4].type, DataType::Boolean);

    const std::vector<ado::ColumnInfo> pair = connection_->TableColumns("T_UsuariProjecte");
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_TRUE(pair[0].key && pair[1].key);
    EXPECT_FALSE(pair[0].autoIncrement || pair[1].autoIncrement);

    EXPECT_TRUE(connection_->TableColumns("T_Res").empty());
    EXPECT_TRUE(connection_->TableColumns("T_Client; Drop Table T_Client").empty());
    EXPECT_EQ(count("T_Client"), 2);
}

TEST_P(ConnectionSqlTest, QuotedNamesReachTheDatabaseUnchanged) {
    EXPECT_EQ(connection_->QuoteName("Nom \"curt\""), "\"Nom \"\"curt\"\"\"");
    const ado::QueryResult r =
        connection_->Query("Select " + connection_->QuoteName("NomClient") + " From " +
                           connection_->QuoteName("T_Client") + " Order By 1");
    EXPECT_EQ(r.rows.at(0).at(0), Variant("Ajuntament"));
}

// A statement run again is prepared once and kept: it outlives a rollback
// and a session that dropped it, still sees the schema as it is now,
// changed on another connection or on this one, a failed run leaves it
// usable, and keeping it never stands in the way of a change of the schema.
TEST_P(ConnectionSqlTest, StatementsRunAgainSeeTheSchemaAsItIsNow) {
    const std::string select = "Select * From T_Projecte Order By NomProjecte";
    const std::string insert = "Insert Into T_Projecte (NomProjecte, NumClient) Values (?, ?)";
    const Variant values[] = {Variant("Mercat"), Variant(7)};
    const Variant noName[] = {Variant::Null(), Variant(7)};
    EXPECT_EQ(connection_->Query(select).fields.size(), 3u);
    connection_->BeginTrans();
    connection_->ExecuteBound(insert, values);
    connection_->ExecuteBound(insert, values);
    connection_->RollbackTrans();
    connection_->ExecuteBound(insert, values);
    if (GetParam() == Engine::PostgreSQL) connection_->Execute("DEALLOCATE ALL");
    EXPECT_EQ(connection_->ExecuteBound(insert, values), 1);
    EXPECT_EQ(count("T_Projecte"), 4);

    another()->Execute("ALTER TABLE \"T_Projecte\" ADD COLUMN \"Pressupost\" INTEGER");
    ado::QueryResult r = connection_->Query(select);
    ASSERT_EQ(r.fields.size(), 4u);
    EXPECT_EQ(r.fields[3].name, "Pressupost");
    EXPECT_EQ(r.rows.size(), 4u);

    connection_->Execute("DROP TABLE T_Projecte");
    connection_->Execute(
        "CREATE TABLE \"T_Projecte\" "
        "(\"NomProjecte\" VARCHAR(20) NOT NULL, \"NumClient\" INTEGER)");
    EXPECT_EQ(ErrorOf([&] { connection_->ExecuteBound(insert, noName); }), err::DatabaseError);
    EXPECT_EQ(connection_->ExecuteBound(insert, values), 1);
    r = connection_->Query(select);
    ASSERT_EQ(r.fields.size(), 2u);
    EXPECT_EQ(r.fields[0].name, "NomProjecte");
    EXPECT_EQ(r.rows, (std::vector<std::vector<Variant>>{{Variant("Mercat"), Variant(7)}}));
}

INSTANTIATE_TEST_SUITE_P(Engines, ConnectionSqlTest,
                         testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
}  // namespace adotest
