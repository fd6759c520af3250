// The collector with client processes that begin their transactions
// through clsBD on a SQLite database: what it rolls back, what it survives.
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "Ado/Connection.h"
#include "CollectorFixture.h"
#include "Com/RemoteSocket.h"
#include "support/ClientProcess.h"
#include "support/TestDatabase.h"

namespace morune::test {
namespace {

using namespace std::chrono_literals;
using testsupport::ClientProcess;
using SteadyClock = std::chrono::steady_clock;

// Whether `condition` holds before `deadline`, asked every 20 ms.
bool Before(SteadyClock::time_point deadline, const std::function<bool()>& condition) {
    while (!condition()) {
        if (SteadyClock::now() >= deadline) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// A local process that speaks to the collector's socket without the
// object model: it sends what a test tells it, however broken.
class RawPeer {
public:
    explicit RawPeer(const std::string& socket) : fd_(com::remote::ConnectTo(socket)) {}
    ~RawPeer() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool connected() const { return fd_ >= 0; }
    void send(const std::string& bytes) const { ASSERT_EQ(::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL), static_cast<ssize_t>(bytes.size())); }
    // A frame header announcing `length` bytes.
    static std::string Header(uint32_t length) { return std::string(reinterpret_cast<const char*>(&length), sizeof length); }
    // Whether the collector ends the connection within `wait`.
    bool droppedWithin(std::chrono::milliseconds wait) const {
        pollfd p{fd_, POLLIN, 0};
        char byte;
        return ::poll(&p, 1, static_cast<int>(wait.count())) > 0 && ::recv(fd_, &byte, 1, MSG_DONTWAIT) == 0;
    }

private:
    const int fd_;
};

class CollectorWithClients : public CollectorTest {
protected:
    void SetUp() override {
        const std::vector<testsupport::Engine> engines = testsupport::AvailableEngines();
        if (std::find(engines.begin(), engines.end(), engine()) == engines.end())
            GTEST_SKIP() << "no PostgreSQL server (INVENTARI_PG)";
        db_ = std::make_unique<testsupport::TestDatabase>(engine());
        useSettings("600000", "1000");
        ado::Connection connection;
        connection.Open(db_->connectionString());
        connection.Execute("Create Table T_Prova (Num Integer Primary Key)");
    }
    virtual testsupport::Engine engine() const { return testsupport::Engine::SQLite; }
    void useSettings(const std::string& period, const std::string& maxAge) {
        settings_.replace("[General]\nCadenaConnexioBD=" + db_->connectionString() +
                          "\nPeriodicitatRecolectorDeixalla=" + period + "\nMaximTempsDeTransaccio=" + maxAge + "\n");
    }
    // Committed rows of T_Prova.
    int32_t Count(const std::string& where = "1 = 1") const {
        ado::Connection connection;
        connection.Open(db_->connectionString());
        return connection.Query("Select Count(*) From T_Prova Where " + where).rows.at(0).at(0).toLong();
    }

    std::unique_ptr<testsupport::TestDatabase> db_;
};

// Clients whose transactions are open at the same time: on PostgreSQL,
// since on SQLite an open transaction keeps every other one from beginning.
class CollectorWithConcurrentClients : public CollectorWithClients {
protected:
    testsupport::Engine engine() const override { return testsupport::Engine::PostgreSQL; }
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

TEST_F(CollectorWithConcurrentClients, AStoppedClientHoldsTheOthersUpASecondAtMostAndIsRolledBackWhenItGoesOn) {
    useSettings("100", "300");
    ClientProcess stopped(MORUNE_TEST_CLIENT), other(MORUNE_TEST_CLIENT);
    ASSERT_EQ(stopped.ask("begin"), "0");
    ASSERT_EQ(stopped.ask("exec Insert Into T_Prova (Num) Values (1)"), "0");
    stopped.stop();

    // For two seconds every sweep finds the stopped client's transaction
    // past its age and cannot reach it; the other client is served all along.
    for (const auto end = SteadyClock::now() + 2s; SteadyClock::now() < end;) {
        ASSERT_EQ(other.ask("begin", 5s), "0");
        ASSERT_EQ(other.ask("commit", 5s), "0 none");
    }
    stopped.resume();
    EXPECT_TRUE(Before(SteadyClock::now() + 5s, [&] { return stopped.ask("state") == "0"; }))
        << "tried again at a later sweep";
    EXPECT_EQ(Count(), 0);
}

TEST_F(CollectorWithClients, APeerThatSendsHalfAMessageOrAnOversizedOneHoldsNobodyUp) {
    ClientProcess client(MORUNE_TEST_CLIENT);
    ASSERT_EQ(client.ask("begin"), "0");
    RawPeer huge(sandbox_.socketPath()), half(sandbox_.socketPath());
    ASSERT_TRUE(huge.connected() && half.connected());

    huge.send(RawPeer::Header(1u << 30));
    EXPECT_TRUE(huge.droppedWithin(5s)) << "a length that no message has: dropped at once, nothing allocated";
    EXPECT_EQ(client.ask("commit", 5s), "0 none");

    half.send(RawPeer::Header(100).substr(0, 2));
    EXPECT_EQ(client.ask("begin", 5s), "0");
    EXPECT_EQ(client.ask("exec Insert Into T_Prova (Num) Values (1)", 5s), "0");
    EXPECT_EQ(client.ask("commit", 5s), "0 none");
    EXPECT_TRUE(half.droppedWithin(5s)) << "the rest of its message did not follow: dropped";
    EXPECT_EQ(Count(), 1);
}

// The next collector's clock is stopped once it has the transaction, so
// that its age is read without waiting for a timer: it began at least
// `before` ms before the collector was killed.
TEST_F(CollectorWithClients, TheTransactionsOfAKilledCollectorGoToTheNextOneWithTheirAge) {
    useSettings("600000", "10000");
    ClientProcess client(MORUNE_TEST_CLIENT);
    ASSERT_EQ(client.ask("begin"), "0");
    const auto begun = SteadyClock::now();
    ASSERT_EQ(client.ask("exec Insert Into T_Prova (Num) Values (1)"), "0");
    const int first = sandbox_.collectorPid();
    ASSERT_GT(first, 0);

    std::this_thread::sleep_for(1500ms);
    const auto before = std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - begun).count();
    sandbox_.killCollector();
    // The client registers its transaction with the next collector, which
    // it starts on its own.
    EXPECT_TRUE(Before(SteadyClock::now() + 10s, [&] {
        return sandbox_.collectorPid() > 0 && sandbox_.collectorPid() != first && keys() == "Clau1|";
    }));
    const auto now = static_cast<int32_t>(com::Get(control(), "Clock").toDouble());
    setClock(now);
    sweep();
    EXPECT_EQ(client.ask("state"), "1") << "younger than the maximum age";

    // Counted from its first registration it is past the maximum age here;
    // counted from the second it would be 10 s old only `before` ms later.
    setClock(now + 10000 - static_cast<int32_t>(before) + 1);
    sweep();
    sweep();  // its collection's turn again
    EXPECT_EQ(client.ask("state"), "0");
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(keys(), "");
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
    settings_.replace("[General]\nCadenaConnexioBD=" + db_->connectionString() + "\nMaximTempsDeTransaccio=1000\n");
    com::ObjectRef bd = com::CreateObject("Dravik.clsBD");
    EXPECT_EQ(com::Call(bd, "BeginTransaction").toObject(), nullptr);
    EXPECT_EQ(NumError(bd), 513);
    EXPECT_EQ(UbicacioError(bd), Trail({"ConsultaArxiuIni", "AfegeixConnexio"}) +
                                     base::TrailEntry(base::label::Dravik, "clsBD", "BeginTransaction"));
    EXPECT_EQ(keys(), "");
}

}  // namespace
}  // namespace morune::test
