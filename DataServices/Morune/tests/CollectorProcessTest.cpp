// The collector with client processes that begin their transactions
// through clsBD on a SQLite database: what it rolls back, what it survives.
#include <chrono>

#include "Ado/Connection.h"
#include "ClientProcess.h"
#include "CollectorFixture.h"
#include "support/TestDatabase.h"

namespace morune::test {
namespace {

using namespace std::chrono_literals;

class CollectorWithClients : public CollectorTest {
protected:
    void SetUp() override {
        useSettings("600000", "1000");
        ado::Connection connection;
        connection.Open(db_.connectionString());
        connection.Execute("Create Table T_Prova (Num Integer Primary Key)");
    }
    void useSettings(const std::string& period, const std::string& maxAge) {
        settings_.replace("[General]\nCadenaConnexioBD=" + db_.connectionString() +
                          "\nPeriodicitatRecolectorDeixalla=" + period + "\nMaximTempsDeTransaccio=" + maxAge + "\n");
    }
    // Committed rows of T_Prova.
    int32_t Count(const std::string& where = "1 = 1") const {
        ado::Connection connection;
        connection.Open(db_.connectionString());
        return connection.Query("Select Count(*) From T_Prova Where " + where).rows.at(0).at(0).toLong();
    }

    testsupport::TestDatabase db_{testsupport::Engine::SQLite};
};

TEST_F(CollectorWithClients, OnItsOwnTimerItRollsBackAnIdleTransactionAndTheOwnersNextCallFails) {
    useSettings("100", "300");
    ClientProcess client(MORUNE_TEST_CLIENT);
    ASSERT_EQ(client.ask("begin"), "0");
    ASSERT_EQ(client.ask("exec Insert Into T_Prova (Num) Values (1)"), "0");
    ASSERT_EQ(client.ask("begin"), "0");

    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (client.ask("state") != "0" && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(50ms);
    EXPECT_EQ(client.ask("state"), "0") << "rolled back and closed after 300 ms and at most two periods";
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(client.ask("exec Insert Into T_Prova (Num) Values (2)"), "3704");

    while (sandbox_.collectorPid() != 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(20ms);
    EXPECT_EQ(sandbox_.collectorPid(), 0) << "with no registration and no client the collector ends";
}

TEST_F(CollectorWithClients, AConnectionBusyInItsOwnersCallIsWaitedForThenRolledBack) {
    setClock(0);
    ClientProcess client(MORUNE_TEST_CLIENT);
    ASSERT_EQ(client.ask("begin"), "0");
    ASSERT_EQ(client.ask("exec Insert Into T_Prova (Num) Values (1)"), "0");
    ASSERT_EQ(client.ask("hold 300"), "held");
    setClock(2000);
    sweep();
    EXPECT_EQ(client.ask("state"), "0");
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(keys(), "");
}

TEST_F(CollectorWithClients, AKilledClientLeavesNoLockAndTheOthersAreStillServed) {
    setClock(0);
    ClientProcess dying(MORUNE_TEST_CLIENT), other(MORUNE_TEST_CLIENT);
    ASSERT_EQ(dying.ask("begin"), "0");
    ASSERT_EQ(dying.ask("exec Insert Into T_Prova (Num) Values (1)"), "0");
    dying.kill();

    ASSERT_EQ(other.ask("begin"), "0");
    EXPECT_EQ(other.ask("exec Insert Into T_Prova (Num) Values (2)"), "0") << "the database lock went with the client";
    EXPECT_EQ(other.ask("commit"), "0 none");
    ASSERT_EQ(other.ask("begin"), "0");
    EXPECT_EQ(other.ask("exec Insert Into T_Prova (Num) Values (3)"), "0");
    EXPECT_EQ(keys(), "Clau1 Clau2 Clau3|");

    setClock(2000);
    sweep();
    EXPECT_EQ(keys(), "") << "the dead client's entry is dropped, the others swept";
    EXPECT_EQ(other.ask("state"), "0");
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(Count("Num = 2"), 1);
}

TEST_F(CollectorWithClients, AKilledCollectorIsStartedAgainByTheNextTransaction) {
    ClientProcess client(MORUNE_TEST_CLIENT);
    ASSERT_EQ(client.ask("begin"), "0");
    EXPECT_EQ(client.ask("commit"), "0 none");
    const int first = sandbox_.collectorPid();
    ASSERT_GT(first, 0);
    sandbox_.killCollector();

    EXPECT_EQ(client.ask("begin"), "0");
    EXPECT_EQ(client.ask("exec Insert Into T_Prova (Num) Values (1)"), "0");
    EXPECT_EQ(client.ask("commit"), "0 none");
    EXPECT_GT(sandbox_.collectorPid(), 0);
    EXPECT_NE(sandbox_.collectorPid(), first);
    EXPECT_EQ(Count(), 1);
}

TEST_F(CollectorWithClients, ClientsThatBeginAtOnceShareOneCollector) {
    // Both ask for a collector at once. SQLite lets one transaction write at
    // a time, so each client's commit goes with its begin, and the second
    // begin waits for the first commit.
    ClientProcess a(MORUNE_TEST_CLIENT), b(MORUNE_TEST_CLIENT);
    int32_t row = 0;
    for (ClientProcess* client : {&a, &b}) {
        client->send("begin");
        client->send("exec Insert Into T_Prova (Num) Values (" + std::to_string(++row) + ")");
        client->send("commit");
    }
    for (ClientProcess* client : {&a, &b}) {
        EXPECT_EQ(client->reply(), "0");
        EXPECT_EQ(client->reply(), "0");
        EXPECT_EQ(client->reply(), "0 none");
    }
    EXPECT_EQ(keys(), "Clau1 Clau2|") << "one collector holds both registrations";
    EXPECT_EQ(Count(), 2);
}

TEST_F(CollectorWithClients, BeginTransactionFailsWithTheCollectorsTrailWhenItCannotSetUp) {
    settings_.replace("[General]\nCadenaConnexioBD=" + db_.connectionString() + "\nMaximTempsDeTransaccio=1000\n");
    com::ObjectRef bd = com::CreateObject("Dravik.clsBD");
    EXPECT_EQ(com::Call(bd, "BeginTransaction").toObject(), nullptr);
    EXPECT_EQ(NumError(bd), 513);
    EXPECT_EQ(UbicacioError(bd), Trail({"ConsultaArxiuIni", "AfegeixConnexio"}) +
                                     base::TrailEntry(base::label::Dravik, "clsBD", "BeginTransaction"));
    EXPECT_EQ(keys(), "");
}

}  // namespace
}  // namespace morune::test
