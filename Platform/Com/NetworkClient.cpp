#include "NetworkClient.h"

#include <chrono>
#include <map>
#include <mutex>

#include "ComError.h"
#include "NetworkSettings.h"
#include "NetworkSocket.h"
#include "ServerName.h"
#include "ThreadedChannel.h"
#include "Tls.h"

namespace com::remote {

namespace {

// How long a connection and its handshake take at most.
constexpr std::chrono::seconds kConnectWait{5};

std::shared_ptr<ThreadedChannel> Connect(const ServerName& server) {
    const ClientSettings settings = ReadClientSettings();
    const TlsContext tls(TlsContext::Role::Client, settings.security);
    const auto deadline = Clock::now() + kConnectWait;
    std::string failure;
    const int fd = ConnectTcp(server, deadline, failure);
    if (fd < 0) Raise(err::RemoteMachineUnavailable, failure);
    std::unique_ptr<Transport> transport;
    try {
        transport = tls.handshake(fd, server.host, deadline);
    } catch (const ComError& e) {
        Raise(e.number(), server.text() + ": " + e.description());
    }
    ThreadedChannel::Options options;
    options.limits = kNetworkLimits;
    options.callWait = settings.callWait;
    auto channel = std::make_shared<ThreadedChannel>(std::move(transport), std::move(options));
    channel->start();
    return channel;
}

// The live connection to `server`, made when there is none; `fresh` tells
// which.
std::shared_ptr<ThreadedChannel> ChannelTo(const ServerName& server, bool& fresh) {
    struct Channels {
        std::mutex lock;
        std::map<std::string, std::weak_ptr<ThreadedChannel>> byServer;
    };
    static Channels* channels = new Channels;  // reading threads may outlive static destructors
    std::lock_guard guard(channels->lock);
    std::weak_ptr<ThreadedChannel>& slot = channels->byServer[server.text()];
    fresh = false;
    if (auto channel = slot.lock(); channel && channel->connected()) return channel;
    fresh = true;
    auto channel = Connect(server);
    slot = channel;
    return channel;
}

}  // namespace

ObjectRef CreateOnServer(std::string_view server, std::string_view progId) {
    const std::optional<ServerName> name = ParseServerName(server);
    if (!name) Raise(err::RemoteMachineUnavailable, "no server name: " + std::string(server));
    for (;;) {
        bool fresh = false;
        const std::shared_ptr<ThreadedChannel> channel = ChannelTo(*name, fresh);
        try {
            return channel->create(progId);
        } catch (const PeerGone&) {
            // A connection kept from before may have ended just now (the
            // server restarted): a creation is asked once more on a new one.
            // A new one that ends at once was refused.
            if (fresh)
                Raise(err::RemoteMachineUnavailable,
                      name->text() + " ended the connection: it does not accept this machine's certificate, "
                                     "or it stopped");
        }
    }
}

}  // namespace com::remote
