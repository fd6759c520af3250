#include "NetworkClient.h"

#include <chrono>
#include <exception>
#include <map>
#include <mutex>
#include <optional>

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
// How long a connection stays open with nothing held either way, for the
// next calls.
constexpr std::chrono::seconds kIdleLinger{30};

bool operator==(const SecuritySettings& a, const SecuritySettings& b) {
    return a.ca == b.ca && a.certificate == b.certificate && a.key == b.key;
}

std::shared_ptr<ThreadedChannel> Connect(const ServerName& server, const ClientSettings& settings) {
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
    options.idleLinger = kIdleLinger;
    options.pipelines = true;
    options.callWait = settings.callWait;
    auto channel = std::make_shared<ThreadedChannel>(std::move(transport), std::move(options));
    channel->start();
    return channel;
}

// The live connection to `server`, made when there is none or the settings
// changed since it was made (settings that cannot be read now leave a live
// connection in use); `fresh` tells which.
std::shared_ptr<ThreadedChannel> ChannelTo(const ServerName& server, bool& fresh) {
    struct Kept {
        std::weak_ptr<ThreadedChannel> channel;
        ClientSettings settings;
    };
    struct Channels {
        std::mutex lock;
        std::map<std::string, Kept> byServer;
    };
    static Channels* channels = new Channels;  // reading threads may outlive static destructors
    std::exception_ptr unreadable;
    std::optional<ClientSettings> settings;
    try {
        settings = ReadClientSettings();
    } catch (...) {
        unreadable = std::current_exception();
    }
    std::lock_guard guard(channels->lock);
    Kept& kept = channels->byServer[server.text()];
    fresh = false;
    if (auto channel = kept.channel.lock(); channel && channel->connected() &&
                                            (!settings || (kept.settings.security == settings->security &&
                                                           kept.settings.callWait == settings->callWait)))
        return channel;
    if (unreadable) std::rethrow_exception(unreadable);
    fresh = true;
    auto channel = Connect(server, *settings);
    kept = {channel, std::move(*settings)};
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
