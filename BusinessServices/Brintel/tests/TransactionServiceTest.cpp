// The session's transaction object: the connection it keeps after each
// begin, commit and rollback, and after each kind of failure.
#include "FakeEntities.h"
#include "Com/Registry.h"

namespace {

using fake::Line;
using Transactions = fake::WithFakeEntities;

com::ObjectRef Connection(const com::ObjectRef& service) {
    return com::Get(service, "IdTransaccio").toObject();
}

TEST_F(Transactions, NestedLevelsShareOneConnectionUntilTheOutermostEnds) {
    com::ObjectRef service = com::CreateObject("Brintel.SVrTransaccions");
    EXPECT_EQ(Connection(service), nullptr);

    com::Call(service, "BeginTransaction");
    EXPECT_EQ(fake::Journal(), "+MngTransaccions IT.none IT.none IT.BeginTransaction()");
    const com::ObjectRef connection = Connection(service);
    ASSERT_NE(connection, nullptr);

    com::Call(service, "BeginTransaction");
    EXPECT_EQ(Connection(service), connection);
    com::Call(service, "CommitTransaction");
    EXPECT_EQ(Connection(service), connection);
    com::Call(service, "CommitTransaction");
    EXPECT_EQ(Connection(service), nullptr);

    com::Call(service, "BeginTransaction");
    com::Call(service, "RollBackTransaction");
    EXPECT_EQ(Connection(service), nullptr);
    EXPECT_EQ(com::Get(service, "NumError").toLong(), 0);
}

TEST_F(Transactions, AFailedCommitLeavesNoConnection) {
    com::ObjectRef service = com::CreateObject("Brintel.SVrTransaccions");
    com::Call(service, "BeginTransaction");
    const std::string below = "\rDravik - clsBD - CommitTransaction\rQuossa - MngTransaccions - AuxCommitTransaction";
    fake::Script("MngTransaccions.CommitTransaction", fake::Reports(-2147467259, below));

    com::Call(service, "CommitTransaction");
    EXPECT_EQ(Connection(service), nullptr);
    EXPECT_EQ(com::Get(service, "NumError").toLong(), -2147467259);
    EXPECT_EQ(com::Get(service, "UbicacioError").toString(), below + Line("SvrTransaccions", "CommitTransaction"));
}

TEST_F(Transactions, ABeginThatFailsAsACallKeepsTheConnection) {
    com::ObjectRef service = com::CreateObject("Brintel.SVrTransaccions");
    com::Call(service, "BeginTransaction");
    const com::ObjectRef connection = Connection(service);
    fake::Script("MngTransaccions.BeginTransaction", fake::Raises(3704));

    com::Call(service, "BeginTransaction");
    EXPECT_EQ(Connection(service), connection);
    EXPECT_EQ(com::Get(service, "NumError").toLong(), 3704);
    EXPECT_EQ(com::Get(service, "UbicacioError").toString(), Line("SvrTransaccions", "BeginTransaction"));
}

// The connection a service holds reaches every manager it creates; the
// texts of a window never run inside it.
TEST_F(Transactions, ServicesHandTheirConnectionDownButNotToTexts) {
    com::ObjectRef service = com::CreateObject("Brintel.SvrIdiomes");
    com::Set(service, "IdTransaccio", fake::TestConnection());
    com::Call(service, "SaveUsuari", {"x"});
    EXPECT_EQ(fake::Journal(), "+MngUsuaris IV.tx IM.Save('x')");
    EXPECT_EQ(Connection(service), fake::TestConnection());

    com::Set(service, "IdTransaccio", nullptr);
    fake::Reset();
    com::Call(service, "SaveUsuari", {"x"});
    EXPECT_EQ(fake::Journal(), "+MngUsuaris IV.none IM.Save('x')");
}

}  // namespace
