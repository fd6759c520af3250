#include "ModulPublic.h"

#include <chrono>
#include <limits>

#include "Com/LocalServer.h"
#include "InfoConnexio.h"
#include "TickCount.h"

namespace morune {

namespace {

constexpr int32_t kStateOpen = 1;  // what a connection's State says when open

// Whether a call failed because its process did not answer in time (it is
// stopped, or its connection busy): the work is tried again later.
bool Unanswered(const std::exception_ptr& failure) { return com::ErrorNumber(failure) == com::err::CallTimedOut; }

// Rolls back every level of an open connection and closes it: a probe
// level tells how many levels there are, and one RollbackTrans more than
// were open ends them all. A connection that is not open is left alone.
// False when the owner's process did not answer in time: the entry stays
// and the next sweep of its collection tries again from the start. Any
// other failure (the owner's process has ended, the connection is broken)
// only ends the attempt: the sweep goes on with the next entry.
bool RollBackAndClose(const com::ObjectRef& connection) {
    try {
        if (!connection || com::Get(connection, "State").toLong() != kStateOpen) return true;
    } catch (...) {
        return !Unanswered(std::current_exception());
    }
    try {
        const int32_t levels = com::Call(connection, "BeginTrans").toLong();
        for (int32_t i = 0; i < levels; ++i) com::Call(connection, "RollbackTrans");
    } catch (...) {
        if (Unanswered(std::current_exception())) return false;
        // Close rolls back whatever a failed call left open.
    }
    try {
        com::Call(connection, "Close");
    } catch (...) {
        return !Unanswered(std::current_exception());
    }
    return true;
}

}  // namespace

ModulPublic& ModulPublic::Instance() {
    static ModulPublic shared;
    return shared;
}

void ModulPublic::setUp(int32_t period, int32_t maxAge) {
    maxAge_ = maxAge;
    resetRegistrations();
    currentIndex_ = 1;
    timer_ = com::LocalServer::Instance().setTimer(std::chrono::milliseconds(period), [this] { TimerProc(); });
    // Registered connections keep the program alive, whatever the clients release.
    com::LocalServer::Instance().lock();
    active_ = true;
}

void ModulPublic::resetRegistrations() {
    serial_ = 0;
    collections_.emplace();
    held_.clear();
}

void ModulPublic::add(std::shared_ptr<InfoConnexio> registration) {
    if (serial_ == std::numeric_limits<int32_t>::max()) com::Raise(com::err::Overflow);
    registration->lngClau = ++serial_;
    if (registration->cntConnexio) ++held_[registration->cntConnexio.get()];
    (*collections_)[currentIndex_ - 1].emplace_back("Clau" + com::Digits(serial_), std::move(registration));
}

bool ModulPublic::holds(const com::ObjectRef& connection) const {
    return collections_ && connection && held_.contains(connection.get());
}

void ModulPublic::forget(const com::ObjectRef& connection) {
    const auto it = connection ? held_.find(connection.get()) : held_.end();
    if (it != held_.end() && --it->second == 0) held_.erase(it);
}

void ModulPublic::TimerProc() {
    if (!active_) return;
    const int old = currentIndex_;
    currentIndex_ = old == 1 ? 2 : 1;
    Registrations& entries = (*collections_)[old - 1];
    // The entries that stay move up in their order, so that a sweep that
    // drops many does not move the rest once for each.
    size_t kept = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        InfoConnexio& entry = *entries[i].second;
        if (TickCount() - entry.lngTempsIniciConnexio <= maxAge_ || !RollBackAndClose(entry.cntConnexio)) {
            if (kept != i) entries[kept] = std::move(entries[i]);
            ++kept;
            continue;
        }
        forget(entry.cntConnexio);
        entry.cntConnexio = nullptr;
    }
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(kept), entries.end());
    if ((*collections_)[0].empty() && (*collections_)[1].empty()) tearDown();
}

void ModulPublic::tearDown() {
    collections_.reset();
    held_.clear();
    com::LocalServer::Instance().killTimer(timer_);
    com::LocalServer::Instance().unlock();
    active_ = false;
}

std::string ModulPublic::keys() const {
    std::string text;
    if (!collections_) return text;
    for (const Registrations& collection : *collections_) {
        if (&collection != &collections_->front()) text += '|';
        for (const auto& [key, registration] : collection) {
            if (!text.empty() && text.back() != '|') text += ' ';
            text += key;
        }
    }
    return text;
}

}  // namespace morune
