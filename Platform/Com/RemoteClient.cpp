#include "RemoteClient.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "Registry.h"
#include "RemoteSocket.h"
#include "ThreadedChannel.h"

namespace com::remote {

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

// How long a creation waits for a server that is starting.
constexpr auto kStartTimeout = 10s;
// A started program that finds another one holding the lock ends at once;
// one that was ending while we asked frees the lock soon after. Start the
// program again after this long without an answer.
constexpr auto kRestartInterval = 500ms;
// How long a call waits for its reply (see RemoteClient.h).
constexpr std::chrono::milliseconds kCallWait = 10s;

// The live connection to the server at `socketPath`, made when there is
// none; nullptr when nobody listens there.
std::shared_ptr<ThreadedChannel> ChannelTo(const std::string& socketPath, std::string_view library) {
    struct Channels {
        std::mutex lock;
        std::map<std::string, std::weak_ptr<ThreadedChannel>> bySocket;
    };
    static Channels* channels = new Channels;  // reading threads may outlive static destructors
    std::lock_guard guard(channels->lock);
    std::weak_ptr<ThreadedChannel>& slot = channels->bySocket[socketPath];
    if (auto channel = slot.lock(); channel && channel->connected()) return channel;
    const int fd = ConnectTo(socketPath);
    if (fd < 0) return nullptr;
    ThreadedChannel::Options options;
    options.callWait = kCallWait;
    // A server that ends while it holds objects of this process is reported
    // to the handler the process set for the library.
    options.ended = [library = std::string(library)](ThreadedChannel& channel) {
        if (!channel.endedHoldingObjects()) return;
        if (const std::function<void()> lost = LocalServerLost(library)) lost();
    };
    auto channel = std::make_shared<ThreadedChannel>(std::make_unique<Transport>(fd), std::move(options));
    channel->start();
    slot = channel;
    return channel;
}

// Starts `program` detached: in a session of its own, with its standard
// files on /dev/null (a test runner waits for every holder of its pipes),
// and as the child of a child that ends at once, so that this process never
// has to wait for it.
void StartProgram(const std::string& program) {
    if (::access(program.c_str(), X_OK) != 0)
        Raise(err::CannotCreateObject, "cannot start " + program);
    const char* path = program.c_str();
    const pid_t child = ::fork();
    if (child < 0) Raise(err::CannotCreateObject, "cannot start " + program);
    if (child == 0) {
        // Only calls that are safe after fork() in a process with threads.
        ::setsid();
        if (::fork() != 0) ::_exit(0);
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, 0);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::close_range(3, ~0U, 0);
        ::execl(path, path, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// Runs `request` on a connection to `program`, started when nobody serves
// it, and asked again when it ended before it answered.
template <class Request>
auto WithServer(const std::string& program, std::string_view progId, Request request) {
    const std::string socket = SocketPath(program);
    const std::string_view library = progId.substr(0, progId.find('.'));
    const auto deadline = SteadyClock::now() + kStartTimeout;
    std::optional<SteadyClock::time_point> started;
    for (;;) {
        if (std::shared_ptr<ThreadedChannel> channel = ChannelTo(socket, library)) {
            try {
                return request(*channel);
            } catch (const PeerGone&) {
                // The server ended or was killed before it answered: ask again.
            } catch (const PeerSilent&) {
                Raise(err::CallTimedOut,
                      program + " did not answer within " + std::to_string(kCallWait.count()) +
                          " seconds: it is stopped, or it serves as many programs as it may open files "
                          "(its limit of open files) and takes this one only once another one has ended");
            }
        } else if (!started || SteadyClock::now() - *started > kRestartInterval) {
            StartProgram(program);
            started = SteadyClock::now();
        }
        if (SteadyClock::now() > deadline) Raise(err::CannotCreateObject, program + " does not answer");
        std::this_thread::sleep_for(5ms);
    }
}

}  // namespace

ObjectRef ActivateLocalServer(const std::string& program, std::string_view progId) {
    return WithServer(program, progId, [&](ThreadedChannel& channel) { return channel.create(progId); });
}

Variant CallOnNewLocalServer(const std::string& program, std::string_view progId, std::string_view method,
                             Args args) {
    return WithServer(program, progId,
                      [&](ThreadedChannel& channel) { return channel.createAndCall(progId, method, args); });
}

}  // namespace com::remote
