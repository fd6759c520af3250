#include "Ado/ConnectionPool.h"

#include <chrono>
#include <deque>
#include <mutex>
#include <vector>

#include "Ado/Engine.h"

namespace ado {

namespace {

using Clock = std::chrono::steady_clock;

// How long a session may stay idle, and how many are kept at most; the
// oldest goes first.
constexpr auto kIdleTime = std::chrono::seconds(60);
constexpr size_t kMaxIdle = 8;

class SessionPool {
public:
    std::unique_ptr<Engine> take(const std::string& key) {
        std::vector<std::unique_ptr<Engine>> closing;  // closed outside the lock
        std::unique_ptr<Engine> found;
        {
            std::lock_guard lock(mutex_);
            expire(closing);
            // The session given back last is the one most likely still warm.
            for (size_t i = idle_.size(); i-- > 0;) {
                if (idle_[i].key != key) continue;
                std::unique_ptr<Engine> engine = std::move(idle_[i].engine);
                idle_.erase(idle_.begin() + static_cast<std::ptrdiff_t>(i));
                if (engine->stillValid()) {
                    found = std::move(engine);
                    break;
                }
                closing.push_back(std::move(engine));
            }
        }
        return found;
    }

    void giveBack(const std::string& key, std::unique_ptr<Engine> engine) {
        if (!engine->reusable()) {
            engine->rollbackAll();
            return;
        }
        std::vector<std::unique_ptr<Engine>> closing;
        std::lock_guard lock(mutex_);
        if (shutDown_) return;
        expire(closing);
        if (idle_.size() == kMaxIdle) {
            closing.push_back(std::move(idle_.front().engine));
            idle_.pop_front();
        }
        idle_.push_back({key, std::move(engine), Clock::now()});
    }

    // Closes every idle session; later ones are closed when given back.
    void shutDown() {
        std::deque<Idle> closing;
        std::lock_guard lock(mutex_);
        shutDown_ = true;
        closing.swap(idle_);
    }

private:
    struct Idle {
        std::string key;
        std::unique_ptr<Engine> engine;
        Clock::time_point since;
    };

    void expire(std::vector<std::unique_ptr<Engine>>& closing) {
        const Clock::time_point now = Clock::now();
        while (!idle_.empty() && now - idle_.front().since > kIdleTime) {
            closing.push_back(std::move(idle_.front().engine));
            idle_.pop_front();
        }
    }

    std::mutex mutex_;
    std::deque<Idle> idle_;  // oldest first
    bool shutDown_ = false;
};

SessionPool& Pool() {
    // Outlives every connection, also those that static objects close at exit.
    static SessionPool* pool = new SessionPool;
    return *pool;
}

// Closes the idle sessions when the process ends, so that their databases
// see them end as they would without the pool.
struct CloseAtExit {
    ~CloseAtExit() { Pool().shutDown(); }
} closeAtExit;

}  // namespace

std::unique_ptr<Engine> TakePooledSession(const std::string& connectionString) {
    return Pool().take(connectionString);
}

void GiveBackSession(const std::string& connectionString, std::unique_ptr<Engine> engine) {
    if (engine) Pool().giveBack(connectionString, std::move(engine));
}

}  // namespace ado
