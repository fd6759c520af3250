#include "CollectorRegistration.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <mutex>
#include <vector>

#include "Com/ErrorProperties.h"
#include "Com/Registry.h"
#include "Morune/MoruneNames.h"

namespace dravik {

namespace {

using Clock = std::chrono::steady_clock;
using morune::names::Morune;

struct Registered {
    std::weak_ptr<com::Object> connection;
    Clock::time_point since;
};

// The registered connections that may still be open. The threads of the
// object model may use it after the library's statics are gone.
struct Registrations {
    std::mutex lock;
    std::vector<Registered> entries;
    size_t prunedAt = 0;  // how many entries the last pruning left

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

// The collector that knew them went away: the connections still open go
// to the next one. Nobody waits for this, so a failure has no one to be
// reported to; the transaction then ends with its owner, as any would.
void RegisterAgain() {
    std::vector<Registered> entries;
    {
        Registrations& r = TheRegistrations();
        std::lock_guard guard(r.lock);
        r.prune();
        entries = r.entries;
    }
    for (const Registered& entry : entries) {
        const com::ObjectRef connection = entry.connection.lock();
        try {
            if (connection && com::Get(connection, "State").toLong() != 0) Register(connection, entry.since);
        } catch (...) {
        }
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
