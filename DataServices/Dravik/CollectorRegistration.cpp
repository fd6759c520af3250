#include "CollectorRegistration.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

#include "Com/ErrorProperties.h"
#include "Com/Registry.h"
#include "Morune/MoruneNames.h"

namespace dravik {

namespace {

using Clock = std::chrono::steady_clock;
using morune::names::Morune;

// The longest wait between two tries to register the connections no
// collector took.
constexpr std::chrono::seconds kLongestRetryWait{60};

struct Registered {
    std::weak_ptr<com::Object> connection;
    Clock::time_point since;
    bool registered = true;  // with the collector that is running now
};

// The registered connections that may still be open. The threads of the
// object model may use it after the library's statics are gone.
struct Registrations {
    std::mutex lock;
    std::vector<Registered> entries;
    size_t prunedAt = 0;  // how many entries the last pruning left
    // Counts the collectors lost: a registration with a collector lost
    // meanwhile does not count.
    uint64_t collectorsLost = 0;
    bool retrying = false;  // a thread tries the unregistered ones again

    // Forgets the connections that nobody holds any more.
    void prune() {
        std::erase_if(entries, [](const Registered& r) { return r.connection.expired(); });
        prunedAt = entries.size();
    }
    // Adds a connection. The collector holds each connection it was given
    // until a sweep finds it old, so many entries stay alive between
    // sweeps: they are pruned only once their number has doubled, which
    // keeps a registration from walking all of them.
    void add(Registered entry) {
        if (entries.size() >= std::max<size_t>(2 * prunedAt, 64)) prune();
        entries.push_back(std::move(entry));
    }
};

Registrations& TheRegistrations() {
    static auto* registrations = new Registrations;
    return *registrations;
}

// One registration with the collector, in one call, of a connection
// registered first `since`.
void Register(const com::ObjectRef& connection, Clock::time_point since) {
    const auto age = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count();
    std::vector<com::Variant> args{com::Variant(connection),
                                   com::Variant(static_cast<int32_t>(std::min<int64_t>(age, std::numeric_limits<int32_t>::max()))),
                                   com::Variant(0), com::Variant(std::string())};
    com::CallOnNew(com::ProgID(Morune, morune::names::clsDeixalla), morune::names::AddConnectionWithAge,
                   args);
    com::RaiseReported(args[2].toLong(), args[3].toString());
}

// Whether the running collector knows every connection still open.
bool AllRegistered(const Registrations& r) {
    return std::all_of(r.entries.begin(), r.entries.end(),
                       [](const Registered& e) { return e.registered || e.connection.expired(); });
}

// Registers with the running collector the connections still open that it
// does not know.
void RegisterTheUnregistered() {
    Registrations& r = TheRegistrations();
    std::vector<Registered> entries;
    uint64_t generation = 0;
    {
        std::lock_guard guard(r.lock);
        r.prune();
        for (const Registered& e : r.entries)
            if (!e.registered) entries.push_back(e);
        generation = r.collectorsLost;
    }
    std::vector<com::ObjectRef> done;  // registered, or closed: nothing left to watch
    for (const Registered& entry : entries) {
        const com::ObjectRef connection = entry.connection.lock();
        if (!connection) continue;
        try {
            if (com::Get(connection, "State").toLong() != 0) Register(connection, entry.since);
            done.push_back(connection);
        } catch (...) {
        }
    }
    std::lock_guard guard(r.lock);
    if (r.collectorsLost != generation) return;
    for (Registered& e : r.entries)
        if (std::find(done.begin(), done.end(), e.connection.lock()) != done.end()) e.registered = true;
}

// Tries the unregistered connections again, less often the longer no
// collector takes them, until none is left.
void KeepTrying() {
    auto wait = std::chrono::seconds(1);
    for (;;) {
        std::this_thread::sleep_for(wait);
        wait = std::min(2 * wait, kLongestRetryWait);
        RegisterTheUnregistered();
        Registrations& r = TheRegistrations();
        std::lock_guard guard(r.lock);
        if (AllRegistered(r)) {
            r.retrying = false;
            return;
        }
    }
}

// The collector that knew them went away: the connections still open go
// to the next one, which this starts. Nobody waits for this: when no
// collector takes them (none can start, or it refuses), a thread of its own
// tries again, so that a transaction its owner abandoned is still rolled
// back in the end.
void RegisterAgain() {
    Registrations& r = TheRegistrations();
    {
        std::lock_guard guard(r.lock);
        ++r.collectorsLost;
        for (Registered& e : r.entries) e.registered = false;
    }
    RegisterTheUnregistered();
    std::lock_guard guard(r.lock);
    if (!AllRegistered(r) && !r.retrying) {
        r.retrying = true;
        std::thread(KeepTrying).detach();
    }
}

}  // namespace

void RegisterWithCollector(const com::ObjectRef& connection) {
    static const bool watching [[maybe_unused]] = (com::SetLocalServerLost(Morune, RegisterAgain), true);
    Registrations& r = TheRegistrations();
    const Clock::time_point now = Clock::now();
    // Kept before the call: a collector that goes away while it answers
    // leaves this one to be registered again as well.
    {
        std::lock_guard guard(r.lock);
        r.add({connection, now});
    }
    try {
        Register(connection, now);
    } catch (...) {
        std::lock_guard guard(r.lock);
        std::erase_if(r.entries, [&](const Registered& e) { return e.connection.lock() == connection; });
        throw;
    }
}

}  // namespace dravik
