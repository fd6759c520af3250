#include "RemoteClient.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <unordered_set>

#include "Registry.h"
#include "RemoteChannel.h"
#include "RemoteSocket.h"

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
constexpr auto kCallWait = 10s;

// A client's connection: one thread reads it and hands replies to the
// callers that wait for them; a second thread serves the server's calls on
// this process's objects, in the order they came.
class ClientChannel final : public RemoteChannel {
public:
    ClientChannel(int fd, std::string library) : RemoteChannel(fd, /*closeWhenIdle=*/true), library_(std::move(library)) {}

    void start() {
        auto self = std::static_pointer_cast<ClientChannel>(shared_from_this());
        std::thread([self] { self->readLoop(); }).detach();
        std::thread([self] { self->serveLoop(); }).detach();
    }

protected:
    Reply awaitReply(uint64_t callId) override {
        std::unique_lock lock(queueMutex_);
        const bool answered =
            changed_.wait_for(lock, kCallWait, [&] { return ended_ || replies_.count(callId) != 0; });
        auto it = replies_.find(callId);
        if (it == replies_.end()) {
            if (answered) throw PeerGone();
            givenUp_.insert(callId);
            throw PeerSilent();
        }
        Reply reply = std::move(it->second);
        replies_.erase(it);
        return reply;
    }

private:
    void readLoop() {
        FrameReader reader;
        for (bool open = true; open;) {
            // A message the server has begun must follow whole at once.
            const auto begun = reader.begun();
            pollfd p{fd(), POLLIN, 0};
            const int ready = ::poll(&p, 1, begun ? PollWait(*begun + kFrameWait) : -1);
            if (ready < 0 && errno == EINTR) continue;
            open = ready > 0 && reader.receive(fd());
            for (std::string body; open && reader.next(body);) open = route(body);
        }
        disconnect();
        {
            std::lock_guard lock(queueMutex_);
            ended_ = true;
        }
        changed_.notify_all();
        if (endedHoldingObjects()) {
            if (const std::function<void()> lost = LocalServerLost(library_)) lost();
        }
    }

    // Hands a reply to its caller and a call to the serving thread; false
    // for what is no message of ours (the stream is broken).
    bool route(const std::string& body) {
        try {
            if (TypeOf(body) == MessageType::Reply) {
                const uint64_t callId = ReplyCallId(body);
                Reply reply = decodeReply(body);
                std::lock_guard lock(queueMutex_);
                // A reply whose caller gave up waiting is dropped.
                if (givenUp_.erase(callId) == 0) replies_[callId] = std::move(reply);
            } else {
                std::lock_guard lock(queueMutex_);
                incoming_.push_back(body);
            }
        } catch (const ComError&) {
            return false;
        }
        changed_.notify_all();
        return true;
    }

    void serveLoop() {
        for (;;) {
            std::string body;
            {
                std::unique_lock lock(queueMutex_);
                changed_.wait(lock, [&] { return ended_ || !incoming_.empty(); });
                if (ended_) return;
                body = std::move(incoming_.front());
                incoming_.pop_front();
            }
            try {
                serve(body);
            } catch (const ComError&) {
                // A message too short to answer; the peer's call waits in vain
                // only until the connection ends.
            }
        }
    }

    const std::string library_;  // whose classes the server serves
    std::mutex queueMutex_;
    std::condition_variable changed_;
    std::unordered_set<uint64_t> givenUp_;  // calls whose callers stopped waiting for the reply
    std::unordered_map<uint64_t, Reply> replies_;
    std::deque<std::string> incoming_;
    bool ended_ = false;
};

// The live connection to the server at `socketPath`, made when there is
// none; nullptr when nobody listens there.
std::shared_ptr<ClientChannel> ChannelTo(const std::string& socketPath, std::string_view library) {
    struct Channels {
        std::mutex lock;
        std::map<std::string, std::weak_ptr<ClientChannel>> bySocket;
    };
    static Channels* channels = new Channels;  // reading threads may outlive static destructors
    std::lock_guard guard(channels->lock);
    std::weak_ptr<ClientChannel>& slot = channels->bySocket[socketPath];
    if (auto channel = slot.lock(); channel && channel->connected()) return channel;
    const int fd = ConnectTo(socketPath);
    if (fd < 0) return nullptr;
    auto channel = std::make_shared<ClientChannel>(fd, std::string(library));
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
        if (std::shared_ptr<ClientChannel> channel = ChannelTo(socket, library)) {
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
    return WithServer(program, progId, [&](ClientChannel& channel) { return channel.create(progId); });
}

Variant CallOnNewLocalServer(const std::string& program, std::string_view progId, std::string_view method,
                             Args args) {
    return WithServer(program, progId,
                      [&](ClientChannel& channel) { return channel.createAndCall(progId, method, args); });
}

}  // namespace com::remote
