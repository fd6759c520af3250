#include "ThreadedChannel.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <thread>

namespace com::remote {

namespace {

// How often the channel's thread looks whether the callers are done reading.
constexpr std::chrono::milliseconds kLookAgain{10};

}  // namespace

ThreadedChannel::ThreadedChannel(std::unique_ptr<Transport> transport, Options options)
    : RemoteChannel(std::move(transport), options.limits, options.closeWhenIdle && options.idleLinger.count() == 0,
                    options.pipelines),
      options_(std::move(options)),
      reader_(options_.limits) {}

void ThreadedChannel::start() {
    auto self = std::static_pointer_cast<ThreadedChannel>(shared_from_this());
    std::thread([self] { self->readLoop(); }).detach();
    if (!options_.serveOnReader) std::thread([self] { self->serveLoop(); }).detach();
}

bool ThreadedChannel::serves(std::string_view progId) const { return !options_.serves || options_.serves(progId); }

std::optional<Clock::time_point> ThreadedChannel::frameDeadline() const {
    if (!frameBegun_) return std::nullopt;
    return *frameBegun_ + options_.limits.wait;
}

RemoteChannel::Reply ThreadedChannel::awaitReply(uint64_t callId) {
    std::unique_lock lock(queueMutex_);
    ++waiters_;
    struct Waiting {
        ThreadedChannel& channel;
        ~Waiting() { --channel.waiters_; }
    } waiting{*this};

    for (auto deadline = Clock::now() + options_.callWait;;) {
        if (auto it = replies_.find(callId); it != replies_.end()) {
            Reply reply = std::move(it->second);
            replies_.erase(it);
            return reply;
        }
        if (ended_) throw PeerGone();
        if (Clock::now() >= deadline) {
            // A peer that is sending shows that it lives: its frames have
            // deadlines of their own, and the connection ends when one
            // stalls.
            if (!frameBegun_) {
                givenUp_.insert(callId);
                throw PeerSilent();
            }
            deadline = Clock::now() + options_.limits.wait;
        }
        if (reading_) {
            changed_.wait_until(lock, deadline);
            continue;
        }
        reading_ = true;
        lock.unlock();
        const Outcome outcome = readUntil(deadline, nullptr);
        lock.lock();
        frameBegun_ = reader_.begun();
        reading_ = false;
        changed_.notify_all();
        if (outcome == Outcome::Ended) {
            ended_ = true;
            readerWake_.notify_all();  // the channel's threads end
            callCame_.notify_all();
            lock.unlock();
            disconnect();
            lock.lock();
        }
    }
}

ThreadedChannel::Outcome ThreadedChannel::readUntil(Clock::time_point until, std::vector<std::string>* calls) {
    if (!transport().pending()) {
        // A message the peer has begun must follow whole in time.
        const auto begun = reader_.begun();
        if (begun) until = std::min(until, *begun + options_.limits.wait);
        pollfd p{fd(), transport().readEvents(), 0};
        const int ready = ::poll(&p, 1, PollWait(until));
        if (ready < 0) return errno == EINTR ? Outcome::Nothing : Outcome::Ended;
        if (ready == 0)
            return begun && Clock::now() >= *begun + options_.limits.wait ? Outcome::Ended : Outcome::Nothing;
    }
    if (!reader_.receive(transport())) return Outcome::Ended;
    for (std::string body; reader_.next(body);)
        if (!route(body, calls)) return Outcome::Ended;
    return Outcome::Read;
}

void ThreadedChannel::readLoop() {
    // While the channel is idle: since when, and how many messages it had
    // sent by then.
    std::optional<Clock::time_point> idleSince;
    uint64_t sentWhenIdle = 0;
    const auto lingerOver = [&] {
        const uint64_t sent = messagesSent();
        if (!idleSince || sent != sentWhenIdle || !idle()) {
            idleSince = Clock::now();
            sentWhenIdle = sent;
            return false;
        }
        return Clock::now() - *idleSince >= options_.idleLinger;
    };

    for (;;) {
        std::vector<std::string> calls;
        std::optional<Clock::time_point> frameDue;
        {
            // A caller that waits reads for itself.
            std::unique_lock lock(queueMutex_);
            while (!ended_ && (waiters_ > 0 || reading_)) readerWake_.wait_for(lock, kLookAgain);
            if (ended_) break;
            if (options_.serveOnReader) {
                // Calls that a call of this side read while it waited.
                calls.assign(std::make_move_iterator(incoming_.begin()), std::make_move_iterator(incoming_.end()));
                incoming_.clear();
            }
            frameDue = frameDeadline();
        }
        for (const std::string& call : calls) serveOne(call);
        if (!calls.empty()) continue;

        // Waits for the peer without the reading, which a caller may take
        // meanwhile.
        if (!transport().pending()) {
            int wait = frameDue ? PollWait(*frameDue) : -1;
            if (options_.idleLinger.count() > 0) {
                const int linger = static_cast<int>(options_.idleLinger.count());
                wait = wait < 0 ? linger : std::min(wait, linger);
            }
            pollfd p{fd(), transport().readEvents(), 0};
            const int ready = ::poll(&p, 1, wait);
            if (ready < 0 && errno != EINTR) break;
            if (ready <= 0) {
                if (frameDue && Clock::now() >= *frameDue) break;  // the peer stalled in a message
                if (options_.idleLinger.count() > 0 && lingerOver() && closeIdle()) break;
                continue;
            }
        }
        {
            std::lock_guard lock(queueMutex_);
            if (ended_) break;
            if (waiters_ > 0 || reading_) continue;
            reading_ = true;
        }
        const Outcome outcome = readUntil(Clock::now(), options_.serveOnReader ? &calls : nullptr);
        {
            std::lock_guard lock(queueMutex_);
            frameBegun_ = reader_.begun();
            reading_ = false;
        }
        changed_.notify_all();
        if (outcome == Outcome::Ended) break;
        for (const std::string& call : calls) serveOne(call);
    }
    disconnect();
    {
        std::lock_guard lock(queueMutex_);
        ended_ = true;
    }
    changed_.notify_all();
    callCame_.notify_all();
    if (options_.ended) options_.ended(*this);
}

bool ThreadedChannel::route(std::string& body, std::vector<std::string>* calls) {
    try {
        if (TypeOf(body) == MessageType::Reply) {
            const uint64_t callId = ReplyCallId(body);
            Reply reply = decodeReply(std::move(body));
            std::lock_guard lock(queueMutex_);
            // A reply whose caller gave up waiting is dropped.
            if (givenUp_.erase(callId) == 0) replies_[callId] = std::move(reply);
        } else if (calls) {
            calls->push_back(std::move(body));
            return true;
        } else {
            {
                std::lock_guard lock(queueMutex_);
                incoming_.push_back(std::move(body));
            }
            callCame_.notify_one();
            return true;
        }
    } catch (const ComError&) {
        return false;
    }
    changed_.notify_all();
    return true;
}

void ThreadedChannel::serveOne(const std::string& body) {
    try {
        serve(body);
    } catch (const ComError&) {
        // A message too short to answer; the peer's call waits in vain
        // only until the connection ends.
    }
}

void ThreadedChannel::serveLoop() {
    for (;;) {
        std::string body;
        {
            std::unique_lock lock(queueMutex_);
            callCame_.wait(lock, [&] { return ended_ || !incoming_.empty(); });
            if (ended_) return;
            body = std::move(incoming_.front());
            incoming_.pop_front();
        }
        serveOne(body);
    }
}

}  // namespace com::remote
