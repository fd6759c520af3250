// The cost of the object server: the list calls of the support layer with
// the entity objects in this process (/0) and in an object server on the
// loopback address, over TLS (/1), on the sample database (SQLite):
//   ListCall   GetListAuxiliar of SvrEscomeses (TTE_Companyia, 4 rows), as
//              a window asks for a lookup list.
//   LongList   GetTextIdioma of SvrTaulesAuxiliars: the 10,000 texts of one
//              window (about 2.5 MB of text).
//   RoundTrip  one call by name on an entity object of the object server
//              (a property read): the unit of what the server adds.
//   TcpRoundTrip  the plain baseline of that unit: a short message to a
//              process that sends it back, over loopback TCP, without TLS
//              and without the object model.
// Target: ListCall/1 - ListCall/0 is one round trip or two and the
// encryption of the text, no more; LongList/1 - LongList/0 likewise. A
// support operation waits for the server when its entity manager has been
// created (CreaObjecteEntitat must know how that went) and for its call;
// everything else is posted (Com/RemoteChannel.h). The settings files are
// left alone for two seconds before a measure, as they are in use: a file
// changed lately is read again at each use (Profile/PrivateProfile.h).
#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "Ado/Connection.h"
#include "Com/Object.h"
#include "Com/Registry.h"
#include "Repetitions.h"
#include "support/CollectorSandbox.h"
#include "support/DravikSettings.h"
#include "support/ObjectServerSandbox.h"
#include "support/SampleDatabase.h"

namespace bench {
namespace {

using testsupport::Engine;

std::string BrintelIni() { return testsupport::OwnSettingsFile("BusinessServices/Brintel/Brintel.INI"); }

// A sample database with 10,000 more window texts, a collector and an
// object server of the bench's own; "Brintel.INI" names where the entity
// objects are created.
struct Setting {
    testsupport::CollectorSandbox collector{testsupport::ProductCollector()};
    std::unique_ptr<testsupport::TestDatabase> db = [] {
        auto db = testsupport::SampleDatabase(Engine::SQLite);
        ado::Connection connection;
        connection.Open(db->connectionString());
        connection.Execute("Insert Into TTI_Idioma (NumIdioma, CodIdioma) Values (9, 'Llarg')");
        connection.Execute(
            "Insert Into T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) "
            "With Recursive n(i) As (Select 1 Union All Select i + 1 From n Where i < 10000) "
            "Select 9, 'Llarg', 'Text' || i, printf('%0200d', i), 0 From n");
        return db;
    }();
    testsupport::ScopedFile dravikIni{testsupport::DravikIni(), testsupport::DravikSettings(db->connectionString())};
    testsupport::ObjectServerSandbox server;
    testsupport::ScopedFile brintelIni{BrintelIni(), std::nullopt};

    std::optional<bool> onServer;

    void createEntities(bool there) {
        if (onServer == there) return;
        brintelIni.replace("[General]\nDLL_Quossa=Quossa.\nPC_Quossa=" + (there ? server.address() : "") + "\n");
        onServer = there;
        std::this_thread::sleep_for(std::chrono::milliseconds(2100));  // settled, as in use
    }
};

Setting& TheSetting() {
    static Setting setting;
    return setting;
}

void ListOf(benchmark::State& state, const char* service, const char* operation, std::vector<com::Variant> args) {
    TheSetting().createEntities(state.range(0) == 1);
    const com::ObjectRef support = com::CreateObject(std::string("Brintel.") + service);
    for (auto _ : state) {
        std::vector<com::Variant> given = args;
        const com::Variant text = com::CallRef(support, operation, given);
        if (const int32_t failed = com::Get(support, "NumError").toLong(); failed != 0) {
            const std::string why = std::to_string(failed) + com::Get(support, "UbicacioError").toString();
            return state.SkipWithError(("the list call failed: " + why).c_str());
        }
        benchmark::DoNotOptimize(text);
    }
}

void BM_ListCall(benchmark::State& state) {
    ListOf(state, "SvrEscomeses", "GetListAuxiliar", {com::Variant("TTE_Companyia"), com::Variant("CodCompanyia")});
}
BENCHMARK(BM_ListCall)->Arg(0)->Arg(1)->ArgName("server")->Unit(benchmark::kMicrosecond);

void BM_LongList(benchmark::State& state) {
    ListOf(state, "SvrTaulesAuxiliars", "GetTextIdioma", {com::Variant(9), com::Variant("Llarg")});
}
BENCHMARK(BM_LongList)->Arg(0)->Arg(1)->ArgName("server")->Unit(benchmark::kMicrosecond);

void BM_RoundTrip(benchmark::State& state) {
    TheSetting().createEntities(true);
    const com::ObjectRef manager = com::CreateObject("Quossa.MngClients", TheSetting().server.address());
    const com::ObjectRef view = com::Call(manager, "GetIV").toObject();
    for (auto _ : state) benchmark::DoNotOptimize(com::Get(view, "IdTransaccio"));
}
BENCHMARK(BM_RoundTrip)->Unit(benchmark::kMicrosecond);

// A child process that sends back what it receives on `fd`, until the end.
[[noreturn]] void Echo(int fd) {
    char buffer[256];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, -1);
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got == 0 || (got < 0 && errno != EAGAIN)) ::_exit(0);
        if (got > 0) ::send(fd, buffer, static_cast<size_t>(got), MSG_NOSIGNAL);
    }
}

void BM_TcpRoundTrip(benchmark::State& state) {
    const int listening = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listening, 1) != 0 ||
        ::getsockname(listening, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return state.SkipWithError("no loopback socket");
    const pid_t child = ::fork();
    if (child == 0) Echo(::accept(listening, nullptr, nullptr));
    ::close(listening);
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return state.SkipWithError("no connection");
    char message[64] = {};
    for (auto _ : state) {
        ::send(fd, message, sizeof message, MSG_NOSIGNAL);
        for (size_t got = 0; got < sizeof message;) {
            pollfd p{fd, POLLIN, 0};
            ::poll(&p, 1, -1);
            const ssize_t n = ::recv(fd, message + got, sizeof message - got, MSG_DONTWAIT);
            if (n > 0) got += static_cast<size_t>(n);
        }
    }
    ::close(fd);
    ::waitpid(child, nullptr, 0);
}
BENCHMARK(BM_TcpRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bench

int main(int argc, char** argv) { return bench::RunInterleaved(argc, argv); }
