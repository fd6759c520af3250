#include "ThreadedChannel.h"

#include <cerrno>
#include <thread>

namespace com::remote {

ThreadedChannel::ThreadedChannel(std::unique_ptr<Transport> transport, Options options)
    : RemoteChannel(std::move(transport), options.limits, options.closeWhenIdle), options_(std::move(options)) {}

void ThreadedChannel::start() {
    auto self = std::static_pointer_cast<ThreadedChannel>(shared_from_this());
    std::thread([self] { self->readLoop(); }).detach();
    std::thread([self] { self->serveLoop(); }).detach();
}

bool ThreadedChannel::serves(std::string_view progId) const { return !options_.serves || options_.serves(progId); }

RemoteChannel::Reply ThreadedChannel::awaitReply(uint64_t callId) {
    std::unique_lock lock(queueMutex_);
    const auto answered = [&] { return ended_ || replies_.count(callId) != 0; };
    // A peer that is sending shows that it lives: its frames have deadlines
    // of their own, and the connection ends when one stalls.
    for (auto deadline = Clock::now() + options_.callWait; !changed_.wait_until(lock, deadline, answered);) {
        if (!receiving_) {
            givenUp_.insert(callId);
            throw PeerSilent();
        }
        deadline = Clock::now() + options_.limits.wait;
    }
    auto it = replies_.find(callId);
    if (it == replies_.end()) throw PeerGone();
    Reply reply = std::move(it->second);
    replies_.erase(it);
    return reply;
}

void ThreadedChannel::readLoop() {
    FrameReader reader(options_.limits);
    for (bool open = true; open;) {
        // A message the peer has begun must follow whole in time.
        const auto begun = reader.begun();
        int ready = 1;
        if (!transport().pending()) {
            pollfd p{fd(), transport().readEvents(), 0};
            ready = ::poll(&p, 1, begun ? PollWait(*begun + options_.limits.wait) : -1);
            if (ready < 0 && errno == EINTR) continue;
        }
        open = ready > 0 && reader.receive(transport());
        for (std::string body; open && reader.next(body);) open = route(body);
        std::lock_guard lock(queueMutex_);
        receiving_ = reader.begun().has_value();
    }
    disconnect();
    {
        std::lock_guard lock(queueMutex_);
        ended_ = true;
    }
    changed_.notify_all();
    if (options_.ended) options_.ended(*this);
}

bool ThreadedChannel::route(std::string& body) {
    try {
        if (TypeOf(body) == MessageType::Reply) {
            const uint64_t callId = ReplyCallId(body);
            Reply reply = decodeReply(body);
            std::lock_guard lock(queueMutex_);
            // A reply whose caller gave up waiting is dropped.
            if (givenUp_.erase(callId) == 0) replies_[callId] = std::move(reply);
        } else {
            std::lock_guard lock(queueMutex_);
            incoming_.push_back(std::move(body));
        }
    } catch (const ComError&) {
        return false;
    }
    changed_.notify_all();
    return true;
}

void ThreadedChannel::serveLoop() {
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

}  // namespace com::remote
