#include "NetworkServer.h"

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <thread>

#include "Base/Text.h"
#include "ComError.h"
#include "NetworkSocket.h"
#include "ThreadedChannel.h"
#include "Tls.h"

namespace com::remote {

namespace {

using namespace std::chrono_literals;

// How long a peer has to prove itself.
constexpr auto kHandshakeWait = 5s;
// Connections served at once; one more is closed at once, so that a flood
// of them cannot take every thread and descriptor of the process.
constexpr int kMostConnections = 256;
// How long the server pauses when the system refuses it a connection (out
// of descriptors), instead of asking again without end.
constexpr auto kAcceptPause = 100ms;

}  // namespace

struct NetworkServer::State {
    ServerSettings settings;
    TlsContext tls;
    int listenFd = -1;
    std::atomic<int> connections{0};

    explicit State(const ServerSettings& s) : settings(s), tls(TlsContext::Role::Server, s.security) {}

    // The library part of a ProgID is one the settings name.
    bool serves(std::string_view progId) const {
        const std::string_view library = progId.substr(0, progId.find('.'));
        return std::any_of(settings.libraries.begin(), settings.libraries.end(),
                           [&](const std::string& name) { return SameName(name, library); });
    }
};

NetworkServer::NetworkServer(const ServerSettings& settings) : state_(std::make_unique<State>(settings)) {
    std::string failure;
    state_->listenFd = ListenTcp(settings.address, settings.port, failure);
    if (state_->listenFd < 0) Raise(err::RemoteMachineUnavailable, failure);
}

NetworkServer::~NetworkServer() {
    if (state_->listenFd >= 0) ::close(state_->listenFd);
}

std::string NetworkServer::address() const { return LocalAddress(state_->listenFd); }

void NetworkServer::run(std::function<void(ThreadedChannel&)> clientEnded,
                        std::function<void(const std::string&)> log) {
    State& s = *state_;
    for (;;) {
        const int fd = ::accept4(s.listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM)
                std::this_thread::sleep_for(kAcceptPause);
            continue;
        }
        const std::string peer = PeerAddress(fd);
        if (++s.connections > kMostConnections) {
            --s.connections;
            ::close(fd);
            log(peer + " refused: " + std::to_string(kMostConnections) + " connections are served already");
            continue;
        }
        TuneTcp(fd);
        std::thread([&s, fd, peer, clientEnded, log] {
            std::unique_ptr<Transport> transport;
            try {
                transport = s.tls.handshake(fd, {}, Clock::now() + kHandshakeWait);
            } catch (const ComError& e) {
                --s.connections;
                log(peer + " refused: " + e.description());
                return;
            }
            ThreadedChannel::Options options;
            options.limits = kNetworkLimits;
            options.closeWhenIdle = false;
            options.serveOnReader = true;
            options.serves = [&s](std::string_view progId) { return s.serves(progId); };
            options.ended = [&s, peer, clientEnded, log](ThreadedChannel& channel) {
                if (clientEnded) clientEnded(channel);
                --s.connections;
                log(peer + " ended");
            };
            log(peer + " connected");
            std::make_shared<ThreadedChannel>(std::move(transport), std::move(options))->start();
        }).detach();
    }
}

}  // namespace com::remote
