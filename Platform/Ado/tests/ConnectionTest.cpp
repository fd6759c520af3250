// Opening and closing a connection, its errors, its members called by name,
// and its lock.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "Com/Object.h"
#include "ConnectionFixture.h"
#include "support/Files.h"

namespace adotest {
namespace {

namespace err = ado::err;

TEST(ConnectionOpen, ProviderNamesAreCheckedAndKeysReadWithoutRegardToCase) {
    testsupport::TempDir folder;
    const std::string file = folder.file("x.db");
    testsupport::WriteFile(file, "");
    const struct {
        std::string connectionString;
        int32_t error;
    } cases[] = {
        {"provider = sqlite ; DATA SOURCE = " + file + " ;", 0},
        {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file, err::ProviderNotFound},
        {"Data Source=" + file, err::ProviderNotFound},
        {"", err::ProviderNotFound},
    };
    for (const auto& c : cases) {
        ado::Connection connection;
        EXPECT_EQ(ErrorOf([&] { connection.Open(c.connectionString); }), c.error)
            << c.connectionString;
        EXPECT_EQ(connection.State(),
                  c.error ? ado::Connection::kStateClosed : ado::Connection::kStateOpen);
    }
}

TEST(ConnectionOpen, MissingSqliteFileIsAnErrorAndIsNotCreated) {
    testsupport::TempDir folder;
    for (const std::string& file : {folder.file("missing.db"), folder.path().string()}) {
        ado::Connection connection;
        try {
            connection.Open("Provider=SQLite;Data Source=" + file);
            ADD_FAILURE() << "opened " << file;
        } catch (const com::ComError& e) {
            EXPECT_EQ(e.number(), err::DatabaseError);
            EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
        }
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing.db")));
}

TEST(ConnectionOpen, FileThatIsNotADatabaseIsAnError) {
    testsupport::TempDir folder;
    testsupport::WriteFile(folder.file("notes.db"), std::string(4096, 'x'));
    ado::Connection connection;
    EXPECT_EQ(
        ErrorOf([&] { connection.Open("Provider=SQLite;Data Source=" + folder.file("notes.db")); }),
        err::DatabaseError);
    EXPECT_EQ(connection.State(), ado::Connection::kStateClosed);
}

// The descriptors of this process open on `file`.
int OpenDescriptors(const std::string& file) {
    int n = 0;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ignored;
        if (std::filesystem::read_symlink(fd.path(), ignored) == file) ++n;
    }
    return n;
}

// Statements kept for running again are finalised by Close, so that the
// database file is let go at once.
TEST(ConnectionClose, LetsGoOfTheSqliteFile) {
    testsupport::TestDatabase database(Engine::SQLite);
    const std::string file = database.connectionString().substr(
        database.connectionString().find("Data Source=") + std::string("Data Source=").size());
    ado::Connection connection;
    connection.Open(database.connectionString());
    connection.Execute("CREATE TABLE T (N INTEGER PRIMARY KEY, S VARCHAR(9))");
    const Variant row[] = {Variant(1), Variant("u")};
    connection.ExecuteBound("Insert Into T (N, S) Values (?, ?)", row);
    EXPECT_EQ(connection.Query("Select S From T").rows.size(), 1u);
    EXPECT_GT(OpenDescriptors(file), 0);
    connection.Close();
    EXPECT_EQ(OpenDescriptors(file), 0);
}

TEST(ConnectionOpen, RefusedLoginIsAnError) {
    if (testsupport::AvailableEngines().size() < 2) GTEST_SKIP() << "INVENTARI_PG is not set";
    testsupport::TestDatabase database(Engine::PostgreSQL);
    ado::Connection connection;
    try {
        connection.Open(database.connectionString() + ";User ID=nobody_here");
        ADD_FAILURE() << "logged in";
    } catch (const com::ComError& e) {
        EXPECT_EQ(e.number(), err::DatabaseError);
        EXPECT_NE(std::string(e.what()).find("nobody_here"), std::string::npos) << e.what();
    }
    EXPECT_EQ(connection.State(), ado::Connection::kStateClosed);
}

TEST_P(ConnectionTest, EveryCallOnAClosedConnectionFailsWith3704) {
    createTables();
    connection_->Close();
    connection_->Close();  // closing twice does nothing
    EXPECT_EQ(connection_->State(), ado::Connection::kStateClosed);
    const Variant none[] = {Variant(1)};
    const std::function<void()> calls[] = {
        [&] { connection_->BeginTrans(); },
        [&] { connection_->CommitTrans(); },
        [&] { connection_->RollbackTrans(); },
        [&] { connection_->TransactionLevel(); },
        [&] { connection_->Execute("Delete From T_Client"); },
        [&] { connection_->Query("Select * From T_Client"); },
        [&] { connection_->ExecuteBound("Delete From T_Client Where NumClient = ?", none); },
        [&] { connection_->LastInsertedKey("T_Client", "NumClient"); },
        [&] { connection_->TableColumns("T_Client"); },
        [&] { connection_->QuoteName("T_Client"); },
        [&] { connection_->provider(); },
    };
    for (const auto& call : calls) EXPECT_EQ(ErrorOf(call), err::ObjectClosed);

    // It opens again.
    connection_->Open(database_->connectionString());
    EXPECT_EQ(count("T_Client"), 0);
}

TEST_P(ConnectionTest, OpeningAnOpenConnectionIsAnError) {
    EXPECT_EQ(ErrorOf([&] { connection_->Open(database_->connectionString()); }), err::ObjectOpen);
    EXPECT_EQ(connection_->State(), ado::Connection::kStateOpen);
}

// What the collector does to a connection it finds too old, by name: probe
// the depth with BeginTrans, roll back every level, close.
TEST_P(ConnectionTest, MembersAnswerByNameAsTheCollectorCallsThem) {
    createTables();
    const com::ObjectRef handle = Variant(connection_).toObject();
    EXPECT_EQ(com::Get(handle, "state"), Variant(ado::Connection::kStateOpen));
    EXPECT_EQ(com::Call(handle, "BeginTrans"), Variant(1));
    EXPECT_EQ(
        com::Call(handle, "Execute", {Variant("Insert Into T_Client (NomClient) Values ('a')")}),
        Variant(1));
    EXPECT_EQ(com::Call(handle, "BeginTrans"), Variant(2));
    EXPECT_EQ(com::Call(handle, "BeginTrans"), Variant(3));

    const int32_t probe = com::Call(handle, "BeginTrans").toLong();
    EXPECT_EQ(probe, 4);
    for (int i = 0; i < probe; ++i) com::Call(handle, "RollbackTrans");
    com::Call(handle, "Close");
    EXPECT_EQ(com::Get(handle, "State"), Variant(ado::Connection::kStateClosed));

    EXPECT_EQ(count(*another(), "T_Client"), 0);
    EXPECT_EQ(ErrorOf([&] { com::Call(handle, "CommitTrans"); }), err::ObjectClosed);
}

// A caller on another thread (the collector) that closes the connection
// waits until the call in progress ends, and never runs in the middle of it.
TEST_P(ConnectionTest, CloseFromAnotherThreadWaitsForTheRunningCall) {
    createTables();
    std::atomic<bool> closed{false};
    std::thread closer;
    {
        // A batch of calls holds the lock the way a single call does.
        std::lock_guard<std::recursive_mutex> call(connection_->mutex());
        connection_->BeginTrans();
        closer = std::thread([&] {
            connection_->Close();
            closed = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        EXPECT_FALSE(closed);
        connection_->Execute("Insert Into T_Client (NomClient) Values ('a')");
        EXPECT_EQ(count("T_Client"), 1);
        EXPECT_EQ(connection_->State(), ado::Connection::kStateOpen);
    }
    closer.join();
    EXPECT_TRUE(closed);
    EXPECT_EQ(connection_->State(), ado::Connection::kStateClosed);
    EXPECT_EQ(count(*another(), "T_Client"), 0);  // closing rolled the transaction back
}

// Sessions are kept for the next connection opened with the same string,
// but only those that can serve it as they are.
TEST_P(ConnectionTest, ASessionComesBackForReuseOnlyWhenNothingIsLeftOpenOrChanged) {
    createTables();
    // What tells one session from another: the server process serving it,
    // or on SQLite the key of the last row it inserted.
    const bool sqlite = GetParam() == Engine::SQLite;
    auto session = [&](ado::Connection& c) {
        return c.Query(sqlite ? "Select last_insert_rowid()" : "Select pg_backend_pid()")
            .rows.at(0).at(0).toString();
    };
    auto insert = [](ado::Connection& c) { c.Execute("Insert Into T_Client (NomClient) Values ('x')"); };

    std::unique_ptr<ado::Connection> first = another();
    insert(*first);
    const std::string used = session(*first);
    first->Close();
    std::unique_ptr<ado::Connection> second = another();
    EXPECT_EQ(session(*second), used) << "a connection closed with nothing open is reused";

    second->BeginTrans();
    insert(*second);
    const std::string inTransaction = session(*second);
    second->Close();
    std::unique_ptr<ado::Connection> third = another();
    EXPECT_NE(session(*third), inTransaction) << "given back with a transaction open";
    EXPECT_EQ(third->TransactionLevel(), 0);
    EXPECT_EQ(count(*third, "T_Client"), 1) << "the open transaction was rolled back";

    insert(*third);
    third->Execute(sqlite ? "PRAGMA foreign_keys = OFF" : "SET search_path TO pg_catalog, public");
    const std::string changed = session(*third);
    third->Close();
    EXPECT_NE(session(*another()), changed) << "a session whose settings were changed";
}

INSTANTIATE_TEST_SUITE_P(Engines, ConnectionTest,
                         testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
}  // namespace adotest
