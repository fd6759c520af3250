// The entity objects in the object server of another machine (here an
// object server of the test's own on the loopback address): who it refuses,
// what a client that dies inside a transaction leaves, what a client sees
// of a server that dies or stops, and a result longer than any message
// between the processes of one machine.
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <thread>

#include "Ado/Connection.h"
#include "Base/Trail.h"
#include "Com/NetworkSocket.h"
#include "Com/RemoteProtocol.h"
#include "ServerFixture.h"
#include "support/ClientProcess.h"
#include "support/ErrorOf.h"
#include "support/TestDatabase.h"

namespace brinteltest {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testsupport::Authority;

constexpr const char* kClientVariable = "OBJECT_SERVER_TEST_CLIENT";  // be the client that dies
constexpr int32_t kCallTimedOut = -2147417825;

std::string ThisProgram() { return std::filesystem::read_symlink("/proc/self/exe").string(); }

// A change to client 1's name and a new client, read and saved through
// `clients`; false when either fails.
bool ChangeClients(const com::ObjectRef& clients, const std::string& name, const std::string& added) {
    const com::Variant list = com::Call(clients, "GetClients");
    if (NumError(clients) != 0) return false;
    ado::Recordset rows = Rows(list);
    if (!Find(rows, "NumClient", 1)) return false;
    rows.SetValue("NomClient", name);
    rows.Update();
    if (!added.empty()) {
        rows.AddNew();
        rows.SetValue("NomClient", added);
        rows.Update();
    }
    return com::Call(clients, "SaveClient", {rows.ToXml()}) == com::Variant(true);
}

// The client process that dies: it begins a transaction, changes client 1
// and adds a client inside it, says so, and waits to be killed.
[[noreturn]] void RunClientThatDies() {
    const com::ObjectRef session = com::CreateObject("Brintel.SVrTransaccions");
    com::Call(session, "BeginTransaction");
    const com::ObjectRef clients = com::CreateObject("Brintel.SvrClients");
    com::Set(clients, "IdTransaccio", com::Get(session, "IdTransaccio").toObject());
    std::puts(ChangeClients(clients, "Canviat per qui mor", "Afegit per qui mor") ? "ready" : "failed");
    std::fflush(stdout);
    for (;;) ::pause();
}

const bool startedAsClient [[maybe_unused]] = [] {
    if (std::getenv(kClientVariable)) RunClientThatDies();
    return false;
}();

// The server and its collector work fast: the collector sweeps every 200 ms.
class OnObjectServer : public testing::TestWithParam<testsupport::Engine> {
protected:
    testsupport::CollectorSandbox collector_{testsupport::ProductCollector()};
    std::unique_ptr<testsupport::TestDatabase> db_ = testsupport::SampleDatabase(GetParam());
    testsupport::ScopedFile dravikIni_{DravikIni(), testsupport::DravikSettings(db_->connectionString(), "200")};
    testsupport::ObjectServerSandbox server_;
    testsupport::ScopedFile brintelIni_{BrintelIni(), BrintelSettings(server_.address())};

    std::string ClientNames() {
        std::string names;
        ado::Recordset rows = Rows(Succeeds(Service("SvrClients"), "GetClients"));
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) names += rows.Value("NomClient").toString() + ";";
        return names;
    }
};

using ClientThatDies = OnObjectServer;

TEST_P(ClientThatDies, LeavesNoRowsAndNoLocksOnceTheServersCollectorHasSwept) {
    const std::string before = ClientNames();
    ::setenv(kClientVariable, "1", 1);
    testsupport::ClientProcess dying(ThisProgram());
    ::unsetenv(kClientVariable);
    ASSERT_EQ(dying.reply(), "ready");
    dying.kill();

    // The same row, changed by another client: it waits for the dead
    // client's locks (five seconds at most) and gets them once the
    // collector has rolled its transaction back.
    const com::ObjectRef session = Service("SVrTransaccions");
    const com::ObjectRef clients = Service("SvrClients");
    Succeeds(session, "BeginTransaction");
    com::Set(clients, "IdTransaccio", com::Get(session, "IdTransaccio").toObject());
    EXPECT_TRUE(ChangeClients(clients, "Canviat després", "")) << UbicacioError(clients);
    Succeeds(session, "CommitTransaction");

    const std::string after = ClientNames();
    EXPECT_EQ(after.find("qui mor"), std::string::npos) << "nothing of the dead client's transaction: " << after;
    EXPECT_EQ(std::count(after.begin(), after.end(), ';'), std::count(before.begin(), before.end(), ';'));
    ado::Recordset one = Rows(Succeeds(Service("SvrClients"), "GetClientById", {1}));
    ASSERT_EQ(one.RecordCount(), 1);
    one.MoveFirst();
    EXPECT_EQ(one.Value("NomClient"), com::Variant("Canviat després"));
}

INSTANTIATE_TEST_SUITE_P(Engines, ClientThatDies, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

class ObjectServer : public OnObjectServer {};

// Each way a client or its server fails to prove itself: nothing is
// created, the support operation fails with 462, and the server goes on
// serving the clients of its installation.
TEST_P(ObjectServer, RefusesWhoeverDoesNotProveItselfAndCreatesNothing) {
    const testsupport::Credentials ours = testsupport::MachineCredentials();
    const testsupport::Credentials other = testsupport::MachineCredentials(Authority::Other);
    const struct {
        const char* what;
        testsupport::Credentials client;
        bool serverRefuses;
    } cases[] = {
        {"a certificate of another installation", other, true},
        {"a certificate of another installation, trusting ours", {ours.ca, other.certificate, other.key}, true},
        {"a key that is not the certificate's", {ours.ca, ours.certificate, other.key}, false},
        {"a server it cannot trust", {other.ca, ours.certificate, ours.key}, false},
    };
    const std::string before = ClientNames();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        server_.useClientSettings(testsupport::NetworkSettings(c.client));
        const com::ObjectRef clients = Service("SvrClients");
        EXPECT_FALSE(ChangeClients(clients, "Intrús", "Intrús"));
        EXPECT_EQ(NumError(clients), 462);
        EXPECT_EQ(UbicacioError(clients),
                  base::TrailEntry(base::label::Brintel, "clsFuncionsSubCapaSuport", "CreaObjecteEntitat") +
                      base::TrailEntry(base::label::Brintel, "SvrClients", "GetClients"));
    }
    EXPECT_NE(server_.log().find("refused"), std::string::npos) << server_.log();

    server_.useClientSettings(testsupport::NetworkSettings(ours));
    EXPECT_EQ(ClientNames(), before) << "nothing was created or changed";
    EXPECT_TRUE(ChangeClients(Service("SvrClients"), "Canviat", ""));
}

// A peer that speaks no TLS is dropped at once; one that stays silent holds
// nobody up and is dropped when its handshake's time is over.
TEST_P(ObjectServer, APeerThatDoesNotProveItselfHoldsNobodyUp) {
    const auto name = com::ParseServerName(server_.address());
    ASSERT_TRUE(name);
    const auto droppedWithin = [](int fd, std::chrono::milliseconds wait) {
        pollfd p{fd, POLLIN, 0};
        char byte;
        return ::poll(&p, 1, static_cast<int>(wait.count())) > 0 && ::recv(fd, &byte, 1, MSG_DONTWAIT) <= 0;
    };
    std::string failure;
    const int silent = com::remote::ConnectTcp(*name, Clock::now() + 5s, failure);
    const int plain = com::remote::ConnectTcp(*name, Clock::now() + 5s, failure);
    ASSERT_GE(silent, 0) << failure;
    ASSERT_GE(plain, 0) << failure;

    com::remote::MessageWriter create;  // a creation as an unencrypted message
    create.u32(sizeof(uint8_t) + sizeof(uint64_t) + sizeof(uint32_t) + 17);
    create.u8(static_cast<uint8_t>(com::remote::MessageType::Create));
    create.u64(1);
    create.text("Quossa.MngClients");
    ASSERT_EQ(::send(plain, create.body().data(), create.body().size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(create.body().size()));
    EXPECT_TRUE(droppedWithin(plain, 2s));

    const auto start = Clock::now();
    EXPECT_GT(Rows(Succeeds(Service("SvrClients"), "GetClients")).RecordCount(), 0);
    EXPECT_LT(Clock::now() - start, 2s) << "served while the silent peer waits";
    EXPECT_TRUE(droppedWithin(silent, 8s));
    ::close(silent);
    ::close(plain);
}

// A server killed in the middle of a call fails it at once with 462; one
// that is stopped fails it with the call's time-out once CallWait is over;
// one stopped between calls fails the next creation with 462.
TEST_P(ObjectServer, AServerThatGoesAwayGivesItsClientsANumberedErrorInTime) {
    server_.useClientSettings(testsupport::NetworkSettings(testsupport::MachineCredentials(), 1000));
    const com::ObjectRef manager = com::CreateObject("Quossa.MngClients", server_.address());
    const com::ObjectRef view = com::Call(manager, "GetIV").toObject();
    const auto timed = [&](std::chrono::milliseconds& took) {
        const auto start = Clock::now();
        const int32_t number = testsupport::ErrorOf([&] { com::Call(view, "GetList", {0}); });
        took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        return number;
    };
    std::chrono::milliseconds took{};

    server_.signal(SIGSTOP);
    EXPECT_EQ(timed(took), kCallTimedOut);
    EXPECT_GE(took, 1000ms);
    EXPECT_LT(took, 3000ms);

    auto call = std::async(std::launch::async, [&] { return timed(took); });
    std::this_thread::sleep_for(200ms);
    server_.signal(SIGKILL);
    ASSERT_EQ(call.wait_for(5s), std::future_status::ready);
    EXPECT_EQ(call.get(), 462);
    EXPECT_LT(took, 1000ms) << "not the call's time-out: the end of the connection";

    const com::ObjectRef clients = Service("SvrClients");
    EXPECT_EQ(com::Call(clients, "GetClients"), com::Variant(""));
    EXPECT_EQ(NumError(clients), 462);
    EXPECT_EQ(UbicacioError(clients),
              base::TrailEntry(base::label::Brintel, "clsFuncionsSubCapaSuport", "CreaObjecteEntitat") +
                  base::TrailEntry(base::label::Brintel, "SvrClients", "GetClients"));
}

// 100,000 maintenance types make a list longer than any message between
// the processes of one machine: it comes whole.
TEST_P(ObjectServer, AListLongerThanALocalMessageComesWhole) {
    if (GetParam() != testsupport::Engine::SQLite) GTEST_SKIP() << "the engine plays no part";
    ado::Connection connection;
    connection.Open(db_->connectionString());
    connection.Execute(
        "Insert Into T_TipusManteniment (CodTipusManteniment, Observacions) "
        "With Recursive n(i) As (Select 1 Union All Select i + 1 From n Where i < 100000) "
        "Select 'Llarg' || i, printf('%0200d', i) From n");
    connection.Close();

    const com::Variant list =
        Succeeds(Service("SvrTaulesAuxiliars"), "GetListAuxiliar", {"T_TipusManteniment", "", 0, ""});
    EXPECT_GT(list.toString().size(), size_t{com::remote::kMaxFrame});
    ado::Recordset rows = Rows(list);
    EXPECT_GE(rows.RecordCount(), 100000);
    ASSERT_TRUE(Find(rows, "CodTipusManteniment", "Llarg100000"));
    EXPECT_EQ(rows.Value("Observacions").toString(), std::string(194, '0') + "100000");
}

INSTANTIATE_TEST_SUITE_P(Engines, ObjectServer, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
}  // namespace brinteltest
