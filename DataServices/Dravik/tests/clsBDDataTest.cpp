// Queries, commands and batch updates of clsBD on both engines.
#include "Ado/AdoError.h"
#include "DravikFixture.h"

namespace dravik::test {
namespace {

using com::Variant;

using DravikData = DravikTest;

// One data operation with its two inner forms and its failed result.
struct Operation {
    const char* name;
    const char* withoutTransaction;
    const char* withTransaction;
    Variant failed;
};
const Operation kOperations[] = {
    {"ConsultaXML", "ConsultaXMLSenseTransaccio", "ConsultaXMLAmbTransaccio", Variant("")},
    {"ExecutaSQL", "ExecutaSQLSenseTransaccio", "ExecutaSQLAmbTransaccio", Variant(false)},
    {"UpdateXML", "UpdateXMLSenseTransaccio", "UpdateXMLAmbTransaccio", Variant(false)},
};

TEST_P(DravikData, WithoutTransactionEachRunsAndCommitsOnAConnectionOfItsOwn) {
    com::ObjectRef bd = NewBD();
    EXPECT_EQ(com::Call(bd, "ExecutaSQL", {Variant("Insert Into T_Prova (Num, Nom) Values (1, 'u')")}),
              Variant(true));
    EXPECT_EQ(com::Call(bd, "UpdateXML", {Variant(Adding(2, "dos"))}), Variant(true));
    EXPECT_EQ(NumError(bd), 0);
    EXPECT_EQ(Count(), 2);

    ado::Recordset rows = ado::Recordset::FromXml(
        com::Call(bd, "ConsultaXML", {Variant("Select * From T_Prova Order By Num")}).toString());
    ASSERT_EQ(rows.RecordCount(), 2);
    rows.MoveLast();
    EXPECT_EQ(rows.Value("Nom").toString(), "dos");
}

TEST_P(DravikData, AQueryThatMatchesNoRowsGivesTheWholeSchema) {
    const std::string xml = com::Call(NewBD(), "ConsultaXML", {Variant("Select * From T_Prova Where Num = -1")}).toString();
    ASSERT_FALSE(xml.empty());
    ado::Recordset rows = ado::Recordset::FromXml(xml);
    EXPECT_EQ(rows.RecordCount(), 0);
    ASSERT_EQ(rows.FieldCount(), 2);
    EXPECT_TRUE(com::SameName(rows.Field(0).name, "Num"));
    EXPECT_TRUE(com::SameName(rows.Field(1).name, "Nom"));
}

TEST_P(DravikData, AnEmptyArgumentGives514WithTheFormsEntryThenTheOperations) {
    const ado::ConnectionRef transaction = Open();
    transaction->BeginTrans();
    for (const Operation& op : kOperations) {
        for (const bool inTransaction : {false, true}) {
            SCOPED_TRACE(std::string(op.name) + (inTransaction ? " in a transaction" : ""));
            com::ObjectRef bd = NewBD(inTransaction ? transaction : nullptr);
            com::Let(bd, "NumError", Variant(5));
            EXPECT_EQ(com::Call(bd, op.name, {Variant("")}), op.failed);
            EXPECT_EQ(NumError(bd), 514);
            EXPECT_EQ(UbicacioError(bd),
                      Trail({inTransaction ? op.withTransaction : op.withoutTransaction, op.name}));
        }
    }
}

TEST_P(DravikData, SettingsThatFailGiveTheReadersNumberOutsideATransactionOnly) {
    const std::string argument[] = {"Select * From T_Prova", "Insert Into T_Prova (Num) Values (3)",
                                    Adding(4, "quatre")};
    const ado::ConnectionRef transaction = Open();
    transaction->BeginTrans();
    const struct {
        std::optional<std::string> file;
        int32_t number;
    } kSettings[] = {{"[General]\nAltra=1\n", 513}, {std::nullopt, 515}};
    for (const auto& settings : kSettings) {
        settings_.replace(settings.file);
        transaction->BeginTrans();  // undone after each round, so the same rows can be written again
        for (size_t i = 0; i < std::size(kOperations); ++i) {
            const Operation& op = kOperations[i];
            SCOPED_TRACE(std::string(op.name) + " with settings error " + std::to_string(settings.number));
            com::ObjectRef bd = NewBD();
            EXPECT_EQ(com::Call(bd, op.name, {Variant(argument[i])}), op.failed);
            EXPECT_EQ(NumError(bd), settings.number);
            EXPECT_EQ(UbicacioError(bd),
                      Trail({"ConsultaArxiuIni", "ConsultaArxiuIniBD", op.withoutTransaction, op.name}));

            com::ObjectRef inTransaction = NewBD(transaction);
            EXPECT_NE(com::Call(inTransaction, op.name, {Variant(argument[i])}), op.failed)
                << "with a transaction nothing reads the settings";
            EXPECT_EQ(NumError(inTransaction), 0);
        }
        transaction->RollbackTrans();
    }
}

TEST_P(DravikData, TextThatCannotBeLoadedFailsBeforeTheSettingsAreRead) {
    settings_.replace(std::nullopt);
    com::ObjectRef bd = NewBD();
    EXPECT_EQ(com::Call(bd, "UpdateXMLSenseTransaccio", {Variant("<not a recordset/>")}), Variant(false));
    EXPECT_NE(NumError(bd), 515);
    EXPECT_NE(NumError(bd), 0);
    EXPECT_EQ(UbicacioError(bd), Trail({"UpdateXMLSenseTransaccio"}));
}

TEST_P(DravikData, AFailingOrClosedConnectionPassedInGivesItsNumberAndStaysAsItWas) {
    Run("Insert Into T_Prova (Num, Nom) Values (7, 'set')");
    const ado::ConnectionRef closed = Open();
    closed->Close();
    const ado::ConnectionRef open = Open();
    open->BeginTrans();
    const struct {
        const char* form;
        ado::ConnectionRef connection;
        std::string argument;
        int32_t number;
    } kCases[] = {
        {"ConsultaXMLAmbTransaccio", closed, "Select * From T_Prova", ado::err::ObjectClosed},
        {"ExecutaSQLAmbTransaccio", closed, "Insert Into T_Prova (Num) Values (5)", ado::err::ObjectClosed},
        {"UpdateXMLAmbTransaccio", closed, Adding(6, "sis"), ado::err::ObjectClosed},
        {"ConsultaXMLAmbTransaccio", open, "Select * From NoSuchTable", ado::err::DatabaseError},
        {"ExecutaSQLAmbTransaccio", open, "Insert Into NoSuchTable (Num) Values (5)", ado::err::DatabaseError},
        {"UpdateXMLAmbTransaccio", open, Adding(7, "again"), ado::err::DatabaseError},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.form) + (c.connection == closed ? " on a closed connection" : ""));
        com::ObjectRef bd = NewBD();
        com::Call(bd, c.form, {Variant(c.connection), Variant(c.argument)});
        EXPECT_EQ(NumError(bd), c.number);
        EXPECT_EQ(UbicacioError(bd), Trail({c.form}));
    }
    EXPECT_EQ(closed->State(), ado::Connection::kStateClosed);
    EXPECT_EQ(open->State(), ado::Connection::kStateOpen);
    EXPECT_EQ(open->TransactionLevel(), 1) << "the failures leave the caller's transaction alone";
}

INSTANTIATE_TEST_SUITE_P(Engines, DravikData, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
}  // namespace dravik::test
