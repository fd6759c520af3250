// A database that cannot be used fails with the data layer's one number,
// and the engine's own message travels with the failure: a file that is
// not there or no database, a server that refuses the port or lacks the
// database, a lock that another session's transaction holds.
#include <chrono>
#include <condition_variable>
#include <regex>
#include <thread>

#include "Ado/AdoError.h"
#include "DravikFixture.h"
#include "support/SmallDisk.h"

namespace dravik::test {
namespace {

using namespace std::chrono_literals;

constexpr int32_t kDatabaseError = -2147467259;

std::string Description(const com::ObjectRef& bd) { return base::DescriptionOf(NumError(bd), UbicacioError(bd)); }

using DravikEngineMessages = DravikTest;

TEST_P(DravikEngineMessages, ADatabaseThatCannotBeOpenedGivesTheEnginesMessage) {
    testsupport::TempDir dir;
    testsupport::WriteFile(dir.file("text.db"), std::string(4096, 'x'));
    const auto changed = [&](const char* key, const char* value) {
        return std::regex_replace(db_.connectionString(), std::regex(std::string(key) + "=[^;]*"),
                                  std::string(key) + "=" + value);
    };
    struct Case {
        std::string connectionString;
        std::string message;  // a part of the engine's text
    };
    std::vector<Case> cases;
    if (GetParam() == testsupport::Engine::SQLite) {
        cases.push_back({"Provider=SQLite;Data Source=" + dir.file("nohies.db"), "does not exist"});
        cases.push_back({"Provider=SQLite;Data Source=" + dir.file("text.db"), "file is not a database"});
    } else {
        cases.push_back({changed("Port", "1"), "Connection refused"});
        cases.push_back({changed("Database", "inventari_nohies"), "\"inventari_nohies\" does not exist"});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.connectionString);
        settings_.replace(testsupport::DravikSettings(c.connectionString));
        const com::ObjectRef query = NewBD();
        EXPECT_EQ(com::Call(query, "ConsultaXML", {com::Variant("Select 1")}), com::Variant(""));
        EXPECT_EQ(NumError(query), kDatabaseError);
        EXPECT_NE(Description(query).find(c.message), std::string::npos) << Description(query);

        const com::ObjectRef begin = NewBD();
        EXPECT_EQ(com::Call(begin, "BeginTransaction").toObject(), nullptr);
        EXPECT_EQ(NumError(begin), kDatabaseError);
        EXPECT_NE(Description(begin).find(c.message), std::string::npos) << Description(begin);
    }
}

// The other session lets its lock go after 20 s: a statement that waited
// for it without end would succeed then.
TEST_P(DravikEngineMessages, AStatementWaitsSecondsForAnotherTransactionsLockThenFailsWithTheEnginesMessage) {
    Run("Insert Into T_Prova (Num, Nom) Values (1, 'a')");
    const ado::ConnectionRef holder = Open();
    holder->BeginTrans();
    holder->Execute("Update T_Prova Set Nom = 'b' Where Num = 1");
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::thread release([&] {
        std::unique_lock lock(mutex);
        done.wait_for(lock, 20s, [&] { return finished; });
        holder->RollbackTrans();
    });

    const auto asked = std::chrono::steady_clock::now();
    const com::ObjectRef bd = NewBD();
    EXPECT_FALSE(com::Call(bd, "ExecutaSQL", {com::Variant("Update T_Prova Set Nom = 'c' Where Num = 1")}).toBool());
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 15s);
    EXPECT_EQ(NumError(bd), kDatabaseError);
    EXPECT_NE(Description(bd).find(GetParam() == testsupport::Engine::SQLite ? "database is locked" : "lock timeout"),
              std::string::npos)
        << Description(bd);
    EXPECT_EQ(ado::err::StateOf(Description(bd)), ado::err::state::LockNotAvailable) << "the same state on each engine";

    {
        std::lock_guard lock(mutex);
        finished = true;
    }
    done.notify_one();
    release.join();
    EXPECT_EQ(Count("Nom = 'a'"), 1);
}

// SQLite's file on a small file system of its own, which fills: the commit
// fails with the engine's text and the state of a full disk, and the file
// stays whole, without the row.
TEST_P(DravikEngineMessages, AFullDiskFailsWithTheEnginesTextAndLeavesTheFileWhole) {
    if (GetParam() != testsupport::Engine::SQLite) GTEST_SKIP() << "the server's disk is the server's";
    if (!testsupport::OnSmallDisk()) {
        const testsupport::SmallDiskRun run = testsupport::RunOnSmallDisk(1 << 20);
        if (!run.ran) GTEST_SKIP() << run.output;
        EXPECT_TRUE(run.passed) << run.output;
        return;
    }
    const com::ObjectRef transaction = com::Call(NewBD(), "BeginTransaction").toObject();
    ASSERT_NE(transaction, nullptr);
    const com::ObjectRef bd = NewBD(transaction);
    {
        testsupport::DiskFiller full;
        EXPECT_TRUE(com::Call(bd, "UpdateXML", {com::Variant(Adding(1, "a"))}).toBool());
        EXPECT_EQ(com::Call(bd, "CommitTransaction").toObject(), nullptr);
    }
    EXPECT_EQ(NumError(bd), kDatabaseError);
    EXPECT_NE(Description(bd).find("database or disk is full"), std::string::npos) << Description(bd);
    EXPECT_EQ(ado::err::StateOf(Description(bd)), ado::err::state::DiskFull);
    EXPECT_EQ(Open()->Query("PRAGMA integrity_check").rows.at(0).at(0), com::Variant("ok"));
    EXPECT_EQ(Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, DravikEngineMessages, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
}  // namespace dravik::test
