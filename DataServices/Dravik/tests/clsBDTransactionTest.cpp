// DravikTransactions of clsBD: nesting on one connection, the depth probe, and
// what a failure leaves behind.
#include "DravikFixture.h"
#include "support/RecordingConnection.h"

namespace dravik::test {
namespace {

using com::ObjectRef;
using com::Variant;

using DravikTransactions = DravikTest;

ObjectRef Begin(const ObjectRef& connection = nullptr) {
    ObjectRef bd = NewBD(connection);
    ObjectRef result = com::Call(bd, "BeginTransaction").toObject();
    EXPECT_EQ(NumError(bd), 0) << UbicacioError(bd);
    return result;
}
ObjectRef End(const char* operation, const ObjectRef& connection) {
    ObjectRef bd = NewBD(connection);
    ObjectRef result = com::Call(bd, operation).toObject();
    EXPECT_EQ(NumError(bd), 0) << UbicacioError(bd);
    return result;
}
void Execute(const ObjectRef& connection, const std::string& sql) {
    ObjectRef bd = NewBD(connection);
    EXPECT_EQ(com::Call(bd, "ExecutaSQL", {Variant(sql)}), Variant(true)) << UbicacioError(bd);
}

TEST_P(DravikTransactions, WithoutAHandleCommitAndRollbackDoNothing) {
    for (const char* operation : {"CommitTransaction", "RollBackTransaction"}) {
        ObjectRef bd = NewBD();
        com::Let(bd, "NumError", Variant(5));
        EXPECT_EQ(com::Call(bd, operation).toObject(), nullptr);
        EXPECT_EQ(NumError(bd), 0);
    }
}

TEST_P(DravikTransactions, AnInnerCommitReturnsTheSameConnectionAndTheOutermostClosesIt) {
    const ObjectRef connection = Begin();
    ASSERT_TRUE(AsConnection(connection));
    EXPECT_EQ(Begin(connection), connection);
    Execute(connection, "Insert Into T_Prova (Num) Values (1)");

    EXPECT_EQ(End("CommitTransaction", connection), connection);
    EXPECT_EQ(AsConnection(connection)->TransactionLevel(), 1) << "the probe leaves the depth as it was";
    EXPECT_EQ(Count(), 0) << "not committed before the outermost level ends";

    ObjectRef bd = NewBD(connection);
    EXPECT_EQ(com::Call(bd, "CommitTransaction").toObject(), nullptr);
    EXPECT_EQ(com::Get(bd, "IdTransaccio").toObject(), nullptr);
    EXPECT_EQ(AsConnection(connection)->State(), ado::Connection::kStateClosed);
    EXPECT_EQ(Count(), 1);
}

TEST_P(DravikTransactions, AnInnerRollbackUndoesOnlyItsOwnLevel) {
    const ObjectRef connection = Begin();
    Execute(connection, "Insert Into T_Prova (Num) Values (1)");
    Begin(connection);
    Begin(connection);
    Execute(connection, "Insert Into T_Prova (Num) Values (2)");
    EXPECT_EQ(End("RollBackTransaction", connection), connection);
    EXPECT_EQ(AsConnection(connection)->TransactionLevel(), 2);
    EXPECT_EQ(End("RollBackTransaction", connection), connection);
    EXPECT_EQ(End("CommitTransaction", connection), nullptr);
    EXPECT_EQ(Count("Num = 1"), 1);
    EXPECT_EQ(Count("Num = 2"), 0);
}

TEST_P(DravikTransactions, InsideATransactionItsUncommittedRowsAreVisibleAndARollbackDropsThem) {
    const ObjectRef connection = Begin();
    Execute(connection, "Insert Into T_Prova (Num, Nom) Values (1, 'u')");
    ObjectRef bd = NewBD(connection);
    EXPECT_EQ(com::Call(bd, "UpdateXML", {Variant(Adding(2, "dos"))}), Variant(true));
    const std::string xml = com::Call(bd, "ConsultaXML", {Variant("Select * From T_Prova")}).toString();
    EXPECT_EQ(ado::Recordset::FromXml(xml).RecordCount(), 2);
    EXPECT_EQ(Count(), 0);

    EXPECT_EQ(End("RollBackTransaction", connection), nullptr);
    EXPECT_EQ(AsConnection(connection)->State(), ado::Connection::kStateClosed);
    EXPECT_EQ(Count(), 0);
}

TEST_P(DravikTransactions, OnlyTheOutermostBeginReadsTheSettings) {
    const ObjectRef connection = Begin();
    settings_.replace(std::nullopt);
    EXPECT_EQ(Begin(connection), connection);
    EXPECT_EQ(End("CommitTransaction", connection), connection);
    EXPECT_EQ(End("RollBackTransaction", connection), nullptr);

    ObjectRef bd = NewBD();
    EXPECT_EQ(com::Call(bd, "BeginTransaction").toObject(), nullptr);
    EXPECT_EQ(NumError(bd), 515);
    EXPECT_EQ(UbicacioError(bd), Trail({"ConsultaArxiuIni", "ConsultaArxiuIniBD", "BeginTransaction"}));
}

TEST_P(DravikTransactions, AFailedCommitRollsBackEveryLevelAndClosesTheConnection) {
    // A deferred foreign key is checked by the outermost commit, which fails.
    Run("Create Table T_Fill (Num Integer Primary Key, Pare Integer References T_Prova (Num) "
        "Deferrable Initially Deferred)");
    const ObjectRef connection = Begin();
    Execute(connection, "Insert Into T_Prova (Num) Values (1)");
    Execute(connection, "Insert Into T_Fill (Num, Pare) Values (1, 99)");

    ObjectRef bd = NewBD(connection);
    EXPECT_EQ(com::Call(bd, "CommitTransaction").toObject(), nullptr);
    EXPECT_NE(NumError(bd), 0);
    EXPECT_EQ(UbicacioError(bd), Trail({"CommitTransaction"}));
    EXPECT_EQ(AsConnection(connection)->State(), ado::Connection::kStateClosed)
        << "closed, so that no other holder goes on writing into a lost transaction";
    EXPECT_EQ(Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, DravikTransactions, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

// Failures that no real engine here gives on demand: a refused nested
// begin or probe, a failing rollback or close. Each ends the connection
// (Close rolls back every level), except a close that fails after the
// outermost commit: the work is committed, and that is no failure.
TEST(DravikTransactionFailures, EndTheConnectionExceptAFailedCloseAfterTheOutermostCommit) {
    const struct {
        const char* operation;
        int32_t levels;
        const char* failing;
        int failAfter;
        int32_t number;
        const char* calls;
    } kCases[] = {
        {"BeginTransaction", 1, "BeginTrans", 0, 1234, "BeginTrans Close"},
        {"CommitTransaction", 2, "BeginTrans", 0, 1234, "BeginTrans Close"},
        {"CommitTransaction", 2, "RollbackTrans", 0, 1234, "BeginTrans RollbackTrans Close"},
        {"CommitTransaction", 2, "CommitTrans", 0, 1234, "BeginTrans RollbackTrans CommitTrans Close"},
        {"RollBackTransaction", 2, "RollbackTrans", 1, 1234, "BeginTrans RollbackTrans RollbackTrans Close"},
        {"RollBackTransaction", 1, "Close", 0, 1234, "BeginTrans RollbackTrans RollbackTrans Close Close"},
        {"CommitTransaction", 1, "Close", 0, 0, "BeginTrans RollbackTrans CommitTrans Close"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.operation) + " failing at " + c.failing);
        auto connection = std::make_shared<testsupport::RecordingConnection>(1, c.levels, c.failing, c.failAfter);
        ObjectRef bd = NewBD(connection);

        EXPECT_EQ(com::Call(bd, c.operation).toObject(), nullptr);
        EXPECT_EQ(NumError(bd), c.number);
        EXPECT_EQ(UbicacioError(bd), c.number ? Trail({c.operation}) : "");
        EXPECT_EQ(connection->calls(), c.calls);
    }
}

}  // namespace
}  // namespace dravik::test
