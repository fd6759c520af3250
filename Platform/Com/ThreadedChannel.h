// A connection read by a thread of its own: how a client reaches a local
// server (RemoteClient.h) or the object server of another machine
// (NetworkClient.h), and how that object server serves each of its
// clients (NetworkServer.h).
//
// A caller that waits for its reply reads the connection itself, so that
// the reply wakes the thread that needs it and no other. While nobody
// waits, the channel's thread reads: it notices a peer that goes away, and
// takes the peer's calls. While calls follow each other it stands aside
// and looks again now and then (kLookAgain), rather than wake at each. Those run in the order they came:
// on the reading thread itself where the peer is the one that calls (the
// object server: nothing of a client's waits for them but the client), or
// on a serving thread of their own where this side calls too (a client,
// whose objects a server calls back while the client's own calls wait).
// Replies are decoded as they are read: one may hold an object of this side
// that a later Release lets go.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "RemoteChannel.h"

namespace com::remote {

class ThreadedChannel final : public RemoteChannel {
public:
    struct Options {
        FrameLimits limits = kLocalLimits;
        // Shut the connection once idle (RemoteChannel): at once, or after
        // it stayed so for `idleLinger` (so that the next calls find it
        // open).
        bool closeWhenIdle = true;
        std::chrono::milliseconds idleLinger{0};
        // Post the calls that may be posted (RemoteChannel).
        bool pipelines = false;
        // Serve the peer's calls on the reading thread (above).
        bool serveOnReader = false;
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

    // Starts the channel's threads; they keep the channel alive while they
    // run.
    void start();

protected:
    Reply awaitReply(uint64_t callId) override;
    bool serves(std::string_view progId) const override;

private:
    enum class Outcome { Read, Nothing, Ended };

    void readLoop();
    void serveLoop();
    // Reads what the connection holds, waiting for it until `until`; the
    // caller has the reading to itself. The peer's calls go to `calls`, or
    // to the serving queue when that is none.
    Outcome readUntil(Clock::time_point until, std::vector<std::string>* calls);
    // Hands a reply to its caller and a call on; false for what is no
    // message of ours (the stream is broken).
    bool route(std::string& body, std::vector<std::string>* calls);
    void serveOne(const std::string& body);
    // When the frame under way must have come whole.
    std::optional<Clock::time_point> frameDeadline() const;

    const Options options_;
    FrameReader reader_;  // used by whoever has the reading

    std::mutex queueMutex_;  // everything below
    std::condition_variable changed_;      // for callers: a reply came, the reading is free
    std::condition_variable readerWake_;   // for the channel's thread: the connection ended
    std::condition_variable callCame_;     // for the serving thread
    bool reading_ = false;    // a thread has the reading
    int waiters_ = 0;         // callers waiting for their replies
    std::optional<Clock::time_point> frameBegun_;  // FrameReader::begun, as the last reading left it
    std::unordered_set<uint64_t> givenUp_;  // calls whose callers stopped waiting for the reply
    std::unordered_map<uint64_t, Reply> replies_;
    std::deque<std::string> incoming_;
    bool ended_ = false;
};

}  // namespace com::remote
