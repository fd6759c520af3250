// The transaction manager keeps the connection the data object returns
// and hands it to the next data object through its GetIT view.
#include <gtest/gtest.h>

#include "Com/Registry.h"
#include "RecordingClsBD.h"

using namespace quossatest;

namespace {

com::ObjectRef TransactionView() {
    return com::Call(com::CreateObject("Quossa.MngTransaccions"), "GetIT").toObject();
}

}  // namespace

TEST(QuossaTransactions, BeginAndCommitCarryTheHandleThroughGetIT) {
    RecordingDataLayer data;
    const com::ObjectRef it = TransactionView();
    const com::ObjectRef connection = FakeConnection();

    data.recording.connection = connection;
    EXPECT_EQ(com::Call(it, "BeginTransaction").toObject(), connection);
    EXPECT_EQ(com::Get(it, "IdTransaccio").toObject(), connection);

    data.recording.connection = nullptr;  // the outermost level ends
    EXPECT_EQ(com::Call(it, "CommitTransaction").toObject(), nullptr);
    EXPECT_EQ(com::Get(it, "IdTransaccio").toObject(), nullptr);

    ASSERT_EQ(data.recording.sent.size(), 2u);
    EXPECT_EQ(data.recording.sent[0].operation, "BeginTransaction");
    EXPECT_EQ(data.recording.sent[0].transaction, nullptr);
    EXPECT_EQ(data.recording.sent[1].operation, "CommitTransaction");
    EXPECT_EQ(data.recording.sent[1].transaction, connection);
    EXPECT_EQ(com::Get(it, "NumError"), com::Variant(0));
}

TEST(QuossaTransactions, AFailureReportedByTheDataObjectLeavesNoHandle) {
    RecordingDataLayer data;
    const com::ObjectRef it = TransactionView();
    com::Set(it, "IdTransaccio", FakeConnection());
    data.recording.failWith = 3704;
    data.recording.failTrail = "\rDravik - clsBD - RollBackTransaction";

    EXPECT_EQ(com::Call(it, "RollBackTransaction").toObject(), nullptr);
    EXPECT_EQ(com::Get(it, "IdTransaccio").toObject(), nullptr);
    EXPECT_EQ(com::Get(it, "NumError"), com::Variant(3704));
    EXPECT_EQ(com::Get(it, "UbicacioError"),
              com::Variant("\rDravik - clsBD - RollBackTransaction\rQuossa - MngTransaccions - AuxRollBackTransaction"));
}

TEST(QuossaTransactions, AFactoryFailureKeepsTheHandle) {
    RecordingDataLayer data;
    com::RegisterClass("Dravik.clsBD", [] { return com::ObjectRef(); });
    const com::ObjectRef it = TransactionView();
    const com::ObjectRef connection = FakeConnection();
    com::Set(it, "IdTransaccio", connection);

    EXPECT_EQ(com::Call(it, "CommitTransaction").toObject(), nullptr);
    EXPECT_EQ(com::Get(it, "IdTransaccio").toObject(), connection);
    EXPECT_EQ(com::Get(it, "NumError"), com::Variant(429));
    EXPECT_EQ(com::Get(it, "UbicacioError"),
              com::Variant("\rQuossa - clsFuncionsSubCapaEntitats - CreaObjecteDades"
                           "\rQuossa - MngTransaccions - AuxCommitTransaction"));
}
