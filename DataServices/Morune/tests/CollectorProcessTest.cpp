// The collector with client processes that begin their transactions
// through clsBD on a SQLite database: what it rolls back, what it survives.
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

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

// The client program, run from the test's installation, where it reads
// the test's settings.
std::string TestClient() { return testsupport::OwnInstallation().linkFromBuild(MORUNE_TEST_CLIENT); }

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
    ClientProcess client(TestClient());
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
    ClientProcess client(TestClient());
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
    ClientProcess dying(TestClient()), other(TestClient());
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
    ClientProcess stopped(TestClient()), other(TestClient());
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

// The processor time a process has used so far, in clock ticks.
long ProcessorTicks(int pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string skipped;
    for (int field = 3; field < 14; ++field) fields >> skipped;  // from the state to cmajflt
    long user = 0, system = 0;
    fields >> user >> system;
    return user + system;
}

// 1,100 idle clients and a limit of 1024 files made the collector spin and
// hold every other client up: it raises its limit at start, and when it
// has no file left for a client, leaves that one waiting at its socket
// while it serves the others; the waiting client's call fails in time,
// with why.
TEST_F(CollectorWithClients, OutOfFilesItServesItsClientsAndANewOneLearnsWhyItWaits) {
    rlimit own{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &own), 0);
    rlimit lowered = own;
    lowered.rlim_cur = own.rlim_max / 2;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    ClientProcess client(TestClient());  // starts the collector with the lowered limit
    const std::string begun = client.ask("begin");
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &own), 0);
    ASSERT_EQ(begun, "0");
    const int pid = sandbox_.collectorPid();
    rlimit collector{};
    ASSERT_EQ(::prlimit(pid, RLIMIT_NOFILE, nullptr, &collector), 0);
    EXPECT_EQ(collector.rlim_cur, collector.rlim_max) << "raised to the hard limit at start";
    EXPECT_EQ(keys(), "Clau1|") << "this test is a client too";
    EXPECT_EQ(client.ask("commit"), "0 none");

    // Brought down to a few files, it has more peers at its socket than it
    // can take, then a client that begins a transaction.
    const rlimit few{32, 32};
    ASSERT_EQ(::prlimit(pid, RLIMIT_NOFILE, &few, nullptr), 0);
    std::vector<std::unique_ptr<RawPeer>> idle;
    for (int i = 0; i < 40; ++i) idle.push_back(std::make_unique<RawPeer>(sandbox_.socketPath()));
    ClientProcess newcomer(TestClient());
    newcomer.send("begin");

    // Meanwhile it rests, and serves the clients it has.
    std::this_thread::sleep_for(500ms);
    const long before = ProcessorTicks(pid);
    std::this_thread::sleep_for(1s);
    EXPECT_LT(ProcessorTicks(pid) - before, ::sysconf(_SC_CLK_TCK) / 4) << "it does not try again and again";
    EXPECT_EQ(keys(), "Clau1|");

    EXPECT_EQ(newcomer.reply(15s), std::to_string(base::err::CallTimedOut));
    const std::string why = newcomer.ask("why");
    EXPECT_NE(why.find("it serves as many programs as it may open files"), std::string::npos) << why;
}

TEST_F(CollectorWithClients, APeerThatSendsHalfAMessageOrAnOversizedOneHoldsNobodyUp) {
    ClientProcess client(TestClient());
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
    ClientProcess client(TestClient());
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

// The program of the collector is away when the first one is killed, so the
// client cannot start the next one; it comes back later, with no call of
// the client's to bring it.
TEST_F(CollectorWithClients, TransactionsNoCollectorCouldTakeAreRegisteredOnceOneCanStart) {
    ClientProcess client(TestClient());
    ASSERT_EQ(client.ask("begin"), "0");
    ASSERT_EQ(client.ask("exec Insert Into T_Prova (Num) Values (1)"), "0");
    const std::string program = testsupport::TestCollector();
    const std::string away = program + ".away";
    std::filesystem::rename(program, away);
    sandbox_.killCollector();
    // Long enough for the client to have failed to start one.
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(sandbox_.collectorPid(), 0);
    std::filesystem::rename(away, program);

    EXPECT_TRUE(Before(SteadyClock::now() + 10s, [&] { return keys() == "Clau1|"; }))
        << "the open transaction is watched again";
    setClock(static_cast<int32_t>(com::Get(control(), "Clock").toDouble()) + 1000 + 1);
    sweep();
    sweep();
    EXPECT_EQ(client.ask("state"), "0");
    EXPECT_EQ(Count(), 0);
}

TEST_F(CollectorWithClients, AKilledCollectorIsStartedAgainByTheNextTransaction) {
    ClientProcess client(TestClient());
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
    ClientProcess a(TestClient()), b(TestClient());
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
