// Nested transactions on one connection: BeginTrans gives the new level,
// CommitTrans and RollbackTrans end the innermost one.
#include "ConnectionFixture.h"

namespace adotest {
namespace {

namespace err = ado::err;

class ConnectionTransactionTest : public ConnectionTest {
protected:
    void SetUp() override {
        ConnectionTest::SetUp();
        createTables();
    }

    void insertClient(const std::string& name) {
        connection_->Execute("Insert Into T_Client (NomClient) Values ('" + name + "')");
    }

    std::vector<std::string> clients(ado::Connection& c) {
        std::vector<std::string> names;
        for (const auto& row : c.Query("Select NomClient From T_Client Order By NomClient").rows)
            names.push_back(row.at(0).toString());
        return names;
    }

    using Names = std::vector<std::string>;
};

TEST_P(ConnectionTransactionTest, RollingBackAnInnerLevelKeepsTheOuterWork) {
    EXPECT_EQ(connection_->BeginTrans(), 1);
    insertClient("outer");
    EXPECT_EQ(connection_->BeginTrans(), 2);
    insertClient("inner");
    EXPECT_EQ(clients(*connection_), (Names{"inner", "outer"}));
    connection_->RollbackTrans();
    EXPECT_EQ(connection_->TransactionLevel(), 1);
    EXPECT_EQ(clients(*connection_), Names{"outer"});
    connection_->CommitTrans();
    EXPECT_EQ(connection_->TransactionLevel(), 0);
    EXPECT_EQ(clients(*another()), Names{"outer"});
}

TEST_P(ConnectionTransactionTest, CommittedInnerLevelsEndWithTheOuterOne) {
    connection_->BeginTrans();
    connection_->BeginTrans();
    insertClient("inner");
    connection_->CommitTrans();
    EXPECT_TRUE(clients(*another()).empty());  // not visible before the outermost commit
    connection_->RollbackTrans();
    EXPECT_TRUE(clients(*connection_).empty());
}

TEST_P(ConnectionTransactionTest, ThreeBeginsAndOneRollbackLeaveTwoLevels) {
    for (int32_t level = 1; level <= 3; ++level) {
        EXPECT_EQ(connection_->BeginTrans(), level);
        insertClient("level" + std::to_string(level));
    }
    connection_->RollbackTrans();
    EXPECT_EQ(connection_->TransactionLevel(), 2);
    // The depth probe: one level more and back.
    EXPECT_EQ(connection_->BeginTrans(), 3);
    connection_->RollbackTrans();
    EXPECT_EQ(connection_->TransactionLevel(), 2);
    connection_->CommitTrans();
    connection_->CommitTrans();
    EXPECT_EQ(clients(*another()), (Names{"level1", "level2"}));
}

TEST_P(ConnectionTransactionTest, FailingStatementLeavesTheTransactionUsable) {
    connection_->BeginTrans();
    insertClient("before");
    connection_->BeginTrans();
    EXPECT_EQ(
        ErrorOf([&] {
            connection_->Execute("Insert Into T_Client (NumClient, NomClient) Values (1, 'twice')");
        }),
        err::DatabaseError);
    EXPECT_EQ(ErrorOf([&] { connection_->Query("Select Nothing From T_Client"); }),
              err::DatabaseError);
    EXPECT_EQ(
        ErrorOf([&] { connection_->Execute("Insert Into T_Client (NomClient) Values (Null)"); }),
        err::DatabaseError);
    insertClient("after");
    EXPECT_EQ(connection_->TransactionLevel(), 2);
    connection_->CommitTrans();
    connection_->CommitTrans();
    EXPECT_EQ(clients(*another()), (Names{"after", "before"}));
}

// SQLite gives up the whole transaction on a conflict declared ON CONFLICT
// ROLLBACK, PostgreSQL on a deferred constraint that fails at commit: the
// levels are gone with it, and the caller is told so.
TEST_P(ConnectionTransactionTest, TransactionTheDatabaseGaveUpLeavesNoLevelOpen) {
    const bool sqlite = GetParam() == Engine::SQLite;
    connection_->Execute(
        sqlite ? "CREATE TABLE \"T_Codi\" (\"Codi\" INTEGER UNIQUE ON CONFLICT ROLLBACK)"
               : "CREATE TABLE \"T_Codi\" (\"Codi\" INTEGER UNIQUE DEFERRABLE INITIALLY DEFERRED)");
    connection_->BeginTrans();
    connection_->BeginTrans();
    insertClient("lost");
    connection_->Execute("Insert Into T_Codi (Codi) Values (1)");
    try {
        connection_->Execute("Insert Into T_Codi (Codi) Values (1)");
        connection_->CommitTrans();
        connection_->CommitTrans();
        ADD_FAILURE() << "the conflict went unnoticed";
    } catch (const com::ComError& e) {
        EXPECT_EQ(e.number(), err::DatabaseError);
        EXPECT_NE(std::string(e.what()).find("rolled back the whole transaction"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(connection_->TransactionLevel(), 0);
    EXPECT_EQ(ErrorOf([&] { connection_->CommitTrans(); }), err::DatabaseError);
    EXPECT_TRUE(clients(*another()).empty());
    EXPECT_EQ(count("T_Codi"), 0);
}

TEST_P(ConnectionTransactionTest, EndingALevelThatIsNotOpenIsAnError) {
    EXPECT_EQ(ErrorOf([&] { connection_->CommitTrans(); }), err::DatabaseError);
    EXPECT_EQ(ErrorOf([&] { connection_->RollbackTrans(); }), err::DatabaseError);
    connection_->BeginTrans();
    connection_->CommitTrans();
    EXPECT_EQ(ErrorOf([&] { connection_->RollbackTrans(); }), err::DatabaseError);
    EXPECT_EQ(connection_->TransactionLevel(), 0);
}

TEST_P(ConnectionTransactionTest, CloseRollsBackEveryLevel) {
    connection_->BeginTrans();
    insertClient("outer");
    connection_->BeginTrans();
    insertClient("inner");
    connection_->Close();
    EXPECT_TRUE(clients(*another()).empty());
}

TEST_P(ConnectionTransactionTest, ReadersOutsideTheTransactionAreNotBlocked) {
    insertClient("committed");
    connection_->BeginTrans();
    insertClient("pending");
    auto reader = another();
    EXPECT_EQ(clients(*reader), Names{"committed"});
    connection_->CommitTrans();
    EXPECT_EQ(clients(*reader), (Names{"committed", "pending"}));
}

INSTANTIATE_TEST_SUITE_P(Engines, ConnectionTransactionTest,
                         testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
}  // namespace adotest
