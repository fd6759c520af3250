#include "LocalServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "RemoteChannel.h"
#include "RemoteSocket.h"

namespace com {

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

// The client that started the program connects within milliseconds; a
// program that nobody reaches in this time ends.
constexpr auto kFirstClientWait = 2s;
// How long a call of the server into a client waits for the reply. Nothing
// else is served meanwhile, so this is what one client that does not answer
// (stopped, or its object busy) costs the others; the call then fails with
// PeerSilent, and later calls to that client fail at once until it sends
// something again.
constexpr auto kReplyWait = 1s;
// How long the listening socket is left alone when a waiting client cannot
// be taken (no descriptor left, or the system short of memory): the kernel
// keeps it waiting meanwhile, the loop serves the clients it has instead of
// trying again and again, and takes it once a client has gone.
constexpr auto kAcceptRest = 100ms;

// One client's connection, read by the server's thread without waiting:
// whole messages go to the backlog, which the event loop serves in order,
// also those that arrive while a call of the server waits for its reply.
class ServerChannel final : public remote::RemoteChannel {
public:
    explicit ServerChannel(int fd)
        : RemoteChannel(std::make_unique<remote::Transport>(fd), remote::kLocalLimits, /*closeWhenIdle=*/false) {}

    // Reads what the client has sent; false when it is gone or breaks the
    // protocol. Anything received shows that it answers again.
    bool receive() {
        if (!reader_.receive(transport())) return false;
        silent_ = false;
        for (std::string body; reader_.next(body);) backlog.push_back(std::move(body));
        return true;
    }

    // When the client must have sent the rest of the message it began.
    std::optional<SteadyClock::time_point> frameDeadline() const {
        if (const auto begun = reader_.begun()) return *begun + remote::kFrameWait;
        return std::nullopt;
    }

    std::deque<std::string> backlog;

protected:
    Reply awaitReply(uint64_t callId) override {
        if (silent_) throw remote::PeerSilent();
        const auto deadline = SteadyClock::now() + kReplyWait;
        for (;;) {
            for (std::string body; reader_.next(body);) {
                if (remote::TypeOf(body) != remote::MessageType::Reply) {
                    backlog.push_back(std::move(body));
                    continue;
                }
                Reply reply = decodeReply(body);  // a late reply to a call given up is dropped
                if (remote::ReplyCallId(body) == callId) return reply;
            }
            if (!connected()) throw remote::PeerGone();
            pollfd p{fd(), POLLIN, 0};
            if (::poll(&p, 1, remote::PollWait(deadline)) == 0) {
                silent_ = true;
                throw remote::PeerSilent();
            }
            if (!reader_.receive(transport())) {
                disconnect();
                throw remote::PeerGone();
            }
        }
    }

private:
    remote::FrameReader reader_;
    bool silent_ = false;  // a call to it went unanswered, and it has sent nothing since
};

// Takes the program's lock, kept for the whole life of the process (the
// system lets it go when the process ends, however it ends). False when
// another process holds it: that one serves, or is ending, in which case
// the client that wants a server starts the program again a little later.
bool TakeLock(const std::string& lockPath) {
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    // The lock file names the process that serves.
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.data(), pid.size(), 0) < 0) {
        // The number is for people and tests; the lock is what counts.
    }
    return true;
}

// Every client holds a descriptor: the process may open as many as the
// system lets it, not only the first 1024 of its soft limit.
void RaiseFileLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);  // beyond what the system allows it stays as it was
}

struct Timer {
    std::chrono::milliseconds period;
    SteadyClock::time_point due;
    std::function<void()> proc;
};

}  // namespace

struct LocalServer::State {
    int locks = 0;
    int nextTimer = 1;
    std::map<int, Timer> timers;
    std::vector<std::shared_ptr<ServerChannel>> clients;
    // When the listening socket is polled again after a rest.
    SteadyClock::time_point acceptAgain;

    // Takes the next client waiting at the listening socket; true when one
    // was taken. When it cannot be taken, the socket rests a moment.
    bool acceptClient(int listenFd);
    void serveBacklogs();
    void fireDueTimers();
    // Drops the clients that began a message and stalled in the middle.
    void dropStalledClients();
    int pollTimeout(std::optional<SteadyClock::time_point> deadline) const;
};

LocalServer::LocalServer() : state_(std::make_unique<State>()) {}
LocalServer::~LocalServer() = default;

LocalServer& LocalServer::Instance() {
    static LocalServer server;
    return server;
}

void LocalServer::lock() { ++state_->locks; }
void LocalServer::unlock() { --state_->locks; }

int LocalServer::setTimer(std::chrono::milliseconds period, std::function<void()> proc) {
    const int id = state_->nextTimer++;
    state_->timers[id] = Timer{period, SteadyClock::now() + period, std::move(proc)};
    return id;
}

void LocalServer::killTimer(int id) { state_->timers.erase(id); }

int LocalServer::run() {
    std::signal(SIGPIPE, SIG_IGN);  // a client that ends mid-write is noticed by the write
    RaiseFileLimit();
    std::string socketPath;
    try {
        const std::string program = remote::ThisProgram();
        socketPath = remote::SocketPath(program);
        if (!TakeLock(remote::LockPath(program))) return 0;
    } catch (const ComError&) {
        return 1;
    }
    ::unlink(socketPath.c_str());  // left by a server that was killed
    const int listenFd = remote::ListenAt(socketPath);
    if (listenFd < 0) return 1;

    State& s = *state_;
    const auto firstClientDeadline = SteadyClock::now() + kFirstClientWait;
    bool served = false;
    for (;;) {
        s.serveBacklogs();
        s.fireDueTimers();
        s.dropStalledClients();
        std::erase_if(s.clients, [](const auto& c) { return !c->connected(); });
        if (s.clients.empty() && s.locks == 0 && (served || SteadyClock::now() >= firstClientDeadline))
            break;

        // The listening socket rests a moment after an accept that failed
        // for want of resources; poll() skips a negative descriptor.
        const bool listening = SteadyClock::now() >= s.acceptAgain;
        const std::vector<std::shared_ptr<ServerChannel>> polled = s.clients;
        std::vector<pollfd> fds{{listening ? listenFd : -1, POLLIN, 0}};
        for (const auto& c : polled) fds.push_back({c->fd(), POLLIN, 0});
        std::optional<SteadyClock::time_point> deadline;
        if (!served) deadline = firstClientDeadline;
        if (!listening && (!deadline || s.acceptAgain < *deadline)) deadline = s.acceptAgain;
        if (::poll(fds.data(), fds.size(), s.pollTimeout(deadline)) <= 0) continue;

        if ((fds[0].revents & POLLIN) && s.acceptClient(listenFd)) served = true;
        for (size_t i = 0; i < polled.size(); ++i) {
            ServerChannel& client = *polled[i];
            if (fds[i + 1].revents != 0 && client.connected() && !client.receive()) client.disconnect();
        }
    }
    // Clients that find no socket start a new server, which waits for this
    // one's lock.
    ::unlink(socketPath.c_str());
    ::close(listenFd);
    return 0;
}

bool LocalServer::State::acceptClient(int listenFd) {
    const int fd = ::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd >= 0) {
        clients.push_back(std::make_shared<ServerChannel>(fd));
        return true;
    }
    if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM)
        acceptAgain = SteadyClock::now() + kAcceptRest;
    return false;  // or the client gave up meanwhile, or a signal came
}

void LocalServer::State::serveBacklogs() {
    for (bool served = true; served;) {
        served = false;
        // A copy: serving may drop a client or read into another's backlog.
        for (const std::shared_ptr<ServerChannel>& client : std::vector(clients)) {
            if (client->backlog.empty()) continue;
            const std::string body = std::move(client->backlog.front());
            client->backlog.pop_front();
            served = true;
            if (!client->connected()) continue;
            try {
                client->serve(body);
            } catch (const ComError&) {
                client->disconnect();  // a message too short to answer: the stream is broken
            }
        }
    }
}

void LocalServer::State::dropStalledClients() {
    const auto now = SteadyClock::now();
    for (const std::shared_ptr<ServerChannel>& client : clients) {
        const auto deadline = client->frameDeadline();
        if (deadline && *deadline <= now) client->disconnect();
    }
}

void LocalServer::State::fireDueTimers() {
    std::vector<int> due;
    for (const auto& [id, timer] : timers)
        if (timer.due <= SteadyClock::now()) due.push_back(id);
    for (int id : due) {
        auto it = timers.find(id);
        if (it == timers.end()) continue;  // killed by a timer before it
        it->second.due = SteadyClock::now() + it->second.period;
        const std::function<void()> proc = it->second.proc;  // the timer may kill itself
        try {
            proc();
        } catch (const ComError&) {
            // A timer's failure is its own affair; the clients go on being served.
        }
    }
}

int LocalServer::State::pollTimeout(std::optional<SteadyClock::time_point> deadline) const {
    const auto earlier = [&](SteadyClock::time_point t) {
        if (!deadline || t < *deadline) deadline = t;
    };
    for (const auto& [id, timer] : timers) earlier(timer.due);
    for (const std::shared_ptr<ServerChannel>& client : clients)
        if (const auto frame = client->frameDeadline()) earlier(*frame);
    return deadline ? remote::PollWait(*deadline) : -1;
}

}  // namespace com
