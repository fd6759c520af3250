// The collector's state for the whole process, shared by every collector
// object of every client, and the sweep that rolls back and closes the
// connections older than the maximum age.
//
// One thread runs everything here: the calls of the clients and the sweep
// timer come one at a time from the server's event loop, so nothing needs
// a lock. A call that the sweep makes on a connection runs in the process
// that registered it and waits for that connection's own lock; meanwhile no
// other call is served, for a second at most (Com/LocalServer.h). An entry
// whose process did not answer in time stays, to be tried again at the next
// sweep of its collection.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "Com/Object.h"

namespace morune {

class InfoConnexio;

class ModulPublic {
public:
    static ModulPublic& Instance();

    // Set up: settings read, sweep timer running, program kept alive. Kept
    // on its own rather than read from the presence of the collections,
    // which InfoClasseDeixalla makes without the rest.
    bool active() const { return active_; }
    // Starts the sweep every `period` ms for registrations older than
    // `maxAge` ms, with empty collections numbered from 1.
    void setUp(int32_t period, int32_t maxAge);

    // The maximum age of a registration, in ms, once set up.
    int32_t maximumAge() const { return maxAge_; }

    // The collections exist (set up, or made by InfoClasseDeixalla).
    bool hasCollections() const { return collections_.has_value(); }
    // Both collections empty and the serial number back to 0.
    void resetRegistrations();

    // Adds a registration to the current collection under the next serial
    // number and its key "Clau<n>".
    void add(std::shared_ptr<InfoConnexio> registration);
    // Whether a registration holds `connection`, without a walk over them
    // all: a collector that lives long between sweeps may hold many.
    bool holds(const com::ObjectRef& connection) const;

    // The sweep: the other collection receives new registrations from now
    // on, and every entry of this one older than the maximum age is rolled
    // back, closed and dropped. With nothing left anywhere, tears down.
    void TimerProc();

    // "Clau1 Clau2|Clau3": the keys of collection 1 and 2, or "" when the
    // collections are absent (for tests).
    std::string keys() const;

private:
    using Registrations = std::vector<std::pair<std::string, std::shared_ptr<InfoConnexio>>>;

    void tearDown();
    // Drops `connection` from the count of registrations holding it.
    void forget(const com::ObjectRef& connection);

    bool active_ = false;
    std::optional<std::array<Registrations, 2>> collections_;  // absent while idle
    int currentIndex_ = 1;  // 1 or 2: the collection new registrations go to
    int32_t serial_ = 0;    // last serial number given out
    int timer_ = 0;
    int32_t maxAge_ = 0;  // ms
    // How many registrations hold each connection. The registrations are
    // the collector's own: nothing outside it changes what they hold.
    std::unordered_map<const com::Object*, int> held_;
};

}  // namespace morune
