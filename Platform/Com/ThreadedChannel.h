// A connection read by a thread of its own: how a client reaches a local
// server (RemoteClient.h) or the object server of another machine
// (NetworkClient.h), and how that object server serves each of its
// clients (NetworkServer.h).
//
// One thread reads the connection and hands each reply to the caller that
// waits for it; a second thread serves the peer's calls on this side's
// objects, in the order they came, so that they never wait for a caller's
// thread and run under the objects' own locks. Replies are decoded as they
// are read: one may hold an object of this side that a later Release lets
// go.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "RemoteChannel.h"

namespace com::remote {

class ThreadedChannel final : public RemoteChannel {
public:
    struct Options {
        FrameLimits limits = kLocalLimits;
        // Shut the connection once idle (RemoteChannel).
        bool closeWhenIdle = true;
        // How long a call waits for its reply to begin; a reply whose
        // frames keep coming is waited for as long as they do.
        std::chrono::milliseconds callWait{10000};
        // Which classes the peer may create here; any registered one when
        // empty.
        std::function<bool(std::string_view progId)> serves;
        // Runs on the reading thread once the connection has ended.
        std::function<void(ThreadedChannel&)> ended;
    };

    ThreadedChannel(std::unique_ptr<Transport> transport, Options options);

    // Starts the two threads; they keep the channel alive while they run.
    void start();

protected:
    Reply awaitReply(uint64_t callId) override;
    bool serves(std::string_view progId) const override;

private:
    void readLoop();
    // Hands a reply to its caller and a call to the serving thread; false
    // for what is no message of ours (the stream is broken).
    bool route(std::string& body);
    void serveLoop();

    const Options options_;
    std::mutex queueMutex_;
    std::condition_variable changed_;
    std::unordered_set<uint64_t> givenUp_;  // calls whose callers stopped waiting for the reply
    std::unordered_map<uint64_t, Reply> replies_;
    std::deque<std::string> incoming_;
    bool receiving_ = false;  // a message of the peer is under way
    bool ended_ = false;
};

}  // namespace com::remote
