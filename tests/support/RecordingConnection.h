// A connection reached by name (State, BeginTrans, CommitTrans,
// RollbackTrans, Close) that records each call and the thread it ran on,
// and fails the member it is told to: what the collector's sweep and the
// transactions of clsBD do to a connection, and the failures that no real
// engine gives on demand.
#pragma once

#include <mutex>
#include <string>
#include <thread>

#include "Com/Object.h"

namespace testsupport {

class RecordingConnection : public com::Dispatch<RecordingConnection> {
public:
    static constexpr const char* kClassName = "Connection";
    static const com::Members<RecordingConnection>& Interface() {
        using Self = RecordingConnection;
        static const com::Members<Self> m =
            com::Members<Self>()
                .property("State", [](Self& c) { return c.call("State", [&] { return c.state; }); })
                .method("BeginTrans", [](Self& c, com::Args) { return c.call("BeginTrans", [&] { return ++c.levels; }); })
                .method("CommitTrans", [](Self& c, com::Args) { return c.call("CommitTrans", [&] { return --c.levels; }); })
                .method("RollbackTrans",
                        [](Self& c, com::Args) { return c.call("RollbackTrans", [&] { return --c.levels; }); })
                .method("Close", [](Self& c, com::Args) { return c.call("Close", [&] { return c.state = c.levels = 0; }); });
        return m;
    }
    // `failing` raises 1234 once `failAfter` calls of it have succeeded.
    RecordingConnection(int32_t state, int32_t levels, std::string failing = {}, int failAfter = 0)
        : state(state), levels(levels), failing_(std::move(failing)), failAfter_(failAfter) {}

    // The members called, in order, separated by blanks.
    std::string calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    // Whether any call ran on the thread that made the object.
    bool calledOnThisThread() const {
        std::lock_guard lock(mutex_);
        return calledHere_;
    }

    int32_t state;
    int32_t levels;

private:
    template <class Effect>
    com::Variant call(const char* member, Effect effect) {
        std::lock_guard lock(mutex_);
        calls_ += (calls_.empty() ? "" : " ") + std::string(member);
        calledHere_ = calledHere_ || std::this_thread::get_id() == mainThread_;
        if (member == failing_ && failAfter_-- == 0) com::Raise(1234);
        return com::Variant(effect());
    }
    mutable std::mutex mutex_;
    std::string calls_;
    bool calledHere_ = false;
    const std::string failing_;
    int failAfter_;
    const std::thread::id mainThread_ = std::this_thread::get_id();
};

}  // namespace testsupport
