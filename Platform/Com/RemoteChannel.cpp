#include "RemoteChannel.h"

#include <vector>

#include "Registry.h"
#include "RemoteObject.h"

namespace com::remote {

PeerGone::PeerGone() : ComError(err::RemoteMachineUnavailable) {}

PeerSilent::PeerSilent() : ComError(err::CallTimedOut) {}

RemoteChannel::RemoteChannel(std::unique_ptr<Transport> transport, const FrameLimits& limits, bool closeWhenIdle)
    : transport_(std::move(transport)), limits_(limits), closeWhenIdle_(closeWhenIdle) {}

RemoteChannel::~RemoteChannel() = default;

bool RemoteChannel::serves(std::string_view) const { return true; }

bool RemoteChannel::connected() const {
    std::lock_guard lock(mutex_);
    return connected_;
}

// --- calls to the peer --------------------------------------------------

ObjectRef RemoteChannel::create(std::string_view progId) {
    return roundTrip(MessageType::Create, [&](MessageWriter& out) { out.text(progId); }, {})
        .toObject();
}

Variant RemoteChannel::call(uint64_t objectId, std::string_view member, CallKind kind, Args args) {
    return roundTrip(
        MessageType::Call,
        [&](MessageWriter& out) {
            out.u64(objectId);
            writeCall(out, member, kind, args);
        },
        args);
}

Variant RemoteChannel::createAndCall(std::string_view progId, std::string_view member, Args args) {
    return roundTrip(
        MessageType::CreateCall,
        [&](MessageWriter& out) {
            out.text(progId);
            writeCall(out, member, CallKind::Method, args);
        },
        args);
}

void RemoteChannel::writeCall(MessageWriter& out, std::string_view member, CallKind kind, Args args) {
    out.u8(static_cast<uint8_t>(kind));
    out.text(member);
    out.u32(static_cast<uint32_t>(args.size()));
    for (const Variant& arg : args) writeValue(out, arg);
}

Variant RemoteChannel::roundTrip(MessageType type, const std::function<void(MessageWriter&)>& fill,
                                 Args args) {
    uint64_t callId;
    {
        std::lock_guard lock(mutex_);
        if (!connected_) throw PeerGone();
        ++callsUnderWay_;
        callId = nextCallId_++;
    }
    // Counted until the reply is decoded, so that the connection does not
    // close as idle under a call or before the objects of its reply arrive.
    struct CallEnds {
        RemoteChannel& channel;
        ~CallEnds() {
            {
                std::lock_guard lock(channel.mutex_);
                --channel.callsUnderWay_;
            }
            channel.closeIfIdle();
        }
    } ends{*this};

    MessageWriter request;
    request.u8(static_cast<uint8_t>(type));
    request.u64(callId);
    fill(request);
    if (!send(request)) {
        disconnect();
        throw PeerGone();
    }
    Reply reply = awaitReply(callId);
    if (reply.number != 0) throw ComError(reply.number, reply.message);
    if (reply.stored.number != 0) base::SetLastStoredFailure(std::move(reply.stored));
    for (size_t i = 0; i < args.size() && i < reply.args.size(); ++i) args[i] = std::move(reply.args[i]);
    return std::move(reply.result);
}

RemoteChannel::Reply RemoteChannel::decodeReply(const std::string& body) {
    Reply reply;
    try {
        MessageReader in(body);
        in.u8();
        in.u64();
        reply.number = in.i32();
        reply.message = in.text();
        if (reply.number == 0) {
            reply.result = readValue(in);
            reply.args.resize(in.u32());
            for (Variant& arg : reply.args) arg = readValue(in);
            reply.stored.number = in.i32();
            reply.stored.trail = in.text();
            reply.stored.description = in.text();
        }
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        reply = Reply{ErrorNumber(failure), ErrorDescription(failure), {}, {}, {}};
    }
    return reply;
}

bool RemoteChannel::send(const MessageWriter& message) {
    std::lock_guard lock(sendMutex_);
    return WriteMessage(*transport_, message.body(), limits_);
}

// --- calls of the peer --------------------------------------------------

void RemoteChannel::serve(const std::string& body) {
    MessageReader in(body);
    const auto type = static_cast<MessageType>(in.u8());
    if (type == MessageType::Release) {
        const uint64_t id = in.u64();
        takeBack(id, in.u32());
        return;
    }
    if (type == MessageType::Reply) {
        decodeReply(body);  // takes in, and lets go, the objects it holds
        return;
    }
    if (type != MessageType::Create && type != MessageType::Call && type != MessageType::CreateCall)
        return;  // nobody waits for it

    MessageWriter reply;
    reply.u8(static_cast<uint8_t>(MessageType::Reply));
    reply.u64(in.u64());
    try {
        std::vector<Variant> args;
        Variant result;
        base::SetLastStoredFailure({});  // this thread serves the peer: only what the call stores counts
        if (type == MessageType::Create)
            result = Variant(createServed(in.text()));
        else if (type == MessageType::CreateCall)
            result = runCall(createServed(in.text()), in, args);
        else
            result = runCall(exported(in.u64()), in, args);
        MessageWriter done = reply;
        done.i32(0);
        done.text({});
        writeValue(done, result);
        done.u32(static_cast<uint32_t>(args.size()));
        for (const Variant& arg : args) writeValue(done, arg);
        const base::StoredFailure stored = base::LastStoredFailure();
        done.i32(stored.number);
        done.text(stored.trail);
        done.text(stored.description);
        if (!send(done)) disconnect();
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        reply.i32(ErrorNumber(failure));
        reply.text(ErrorDescription(failure));
        if (!send(reply)) disconnect();
    }
}

// The objects a process serves are the classes it registered itself: a
// class it lacks must fail, not start the server program once more.
ObjectRef RemoteChannel::createServed(const std::string& progId) {
    const Factory factory = serves(progId) ? RegisteredClass(progId) : Factory();
    ObjectRef object = factory ? factory() : nullptr;
    if (!object) Raise(err::CannotCreateObject, "no class answers " + progId);
    return object;
}

Variant RemoteChannel::runCall(const ObjectRef& target, MessageReader& in, std::vector<Variant>& args) {
    const auto kind = static_cast<CallKind>(in.u8());
    const std::string member = in.text();
    args.resize(in.u32());
    for (Variant& arg : args) arg = readValue(in);
    return target->invoke(member, kind, args);
}

ObjectRef RemoteChannel::exported(uint64_t id) {
    std::lock_guard lock(mutex_);
    auto it = exports_.find(id);
    if (it == exports_.end()) Raise(err::RemoteMachineUnavailable, "the object is no longer available");
    return it->second.object;
}

void RemoteChannel::takeBack(uint64_t id, uint32_t count) {
    ObjectRef released;  // let go outside the lock: its end may end proxies too
    {
        std::lock_guard lock(mutex_);
        auto it = exports_.find(id);
        if (it == exports_.end()) return;
        Export& e = it->second;
        e.references -= std::min<uint64_t>(count, e.references);
        if (e.references == 0) {
            released = std::move(e.object);
            exportIds_.erase(released.get());
            exports_.erase(it);
        }
    }
    released.reset();
    closeIfIdle();
}

// --- object references --------------------------------------------------

void RemoteChannel::writeValue(MessageWriter& out, const Variant& value) {
    out.u8(static_cast<uint8_t>(value.type()));
    switch (value.type()) {
        case Variant::Type::Empty:
        case Variant::Type::Null: break;
        case Variant::Type::Long: out.i32(value.asLong()); break;
        case Variant::Type::Double: out.f64(value.asDouble()); break;
        case Variant::Type::Bool: out.u8(value.asBool() ? 1 : 0); break;
        case Variant::Type::String: out.text(value.asString()); break;
        case Variant::Type::Date: out.f64(value.asDate().serial); break;
        case Variant::Type::Object: writeObject(out, value.asObject()); break;
    }
}

Variant RemoteChannel::readValue(MessageReader& in) {
    switch (static_cast<Variant::Type>(in.u8())) {
        case Variant::Type::Empty: return {};
        case Variant::Type::Null: return Variant::Null();
        case Variant::Type::Long: return Variant(in.i32());
        case Variant::Type::Double: return Variant(in.f64());
        case Variant::Type::Bool: return Variant(in.u8() != 0);
        case Variant::Type::String: return Variant(in.text());
        case Variant::Type::Date: return Variant(Date{in.f64()});
        case Variant::Type::Object: return Variant(readObject(in));
    }
    Raise(err::AutomationError, "unknown value in message");
}

void RemoteChannel::writeObject(MessageWriter& out, const ObjectRef& object) {
    if (!object) {
        out.u8(static_cast<uint8_t>(ObjectTag::Nothing));
        return;
    }
    if (auto* proxy = dynamic_cast<RemoteObject*>(object.get()); proxy && proxy->channel() == this) {
        out.u8(static_cast<uint8_t>(ObjectTag::Receiver));
        out.u64(proxy->id());
        return;
    }
    uint64_t id;
    {
        std::lock_guard lock(mutex_);
        auto [it, added] = exportIds_.try_emplace(object.get(), nextObjectId_);
        id = it->second;
        if (added) {
            ++nextObjectId_;
            exports_.emplace(id, Export{object, 1});
        } else {
            ++exports_.at(id).references;
        }
    }
    out.u8(static_cast<uint8_t>(ObjectTag::Sender));
    out.u64(id);
    out.text(object->className());
}

ObjectRef RemoteChannel::readObject(MessageReader& in) {
    switch (static_cast<ObjectTag>(in.u8())) {
        case ObjectTag::Nothing: return nullptr;
        case ObjectTag::Receiver: return exported(in.u64());
        case ObjectTag::Sender: break;
        default: Raise(err::AutomationError, "unknown object reference in message");
    }
    const uint64_t id = in.u64();
    std::string className = in.text();
    std::lock_guard lock(mutex_);
    std::weak_ptr<RemoteObject>& slot = imports_[id];
    if (std::shared_ptr<RemoteObject> proxy = slot.lock()) {
        ++proxy->references_;
        return proxy;
    }
    auto proxy = std::make_shared<RemoteObject>(shared_from_this(), id, std::move(className));
    slot = proxy;
    return proxy;
}

void RemoteChannel::proxyEnded(RemoteObject& proxy) {
    uint32_t references;
    {
        std::lock_guard lock(mutex_);
        // A new proxy may have taken the slot while this one was ending.
        if (auto it = imports_.find(proxy.id_); it != imports_.end() && it->second.expired())
            imports_.erase(it);
        if (!connected_) return;
        references = proxy.references_;
    }
    MessageWriter release;
    release.u8(static_cast<uint8_t>(MessageType::Release));
    release.u64(proxy.id_);
    release.u32(references);
    if (!send(release)) disconnect();
    closeIfIdle();
}

// --- end of the connection ----------------------------------------------

void RemoteChannel::disconnect() {
    std::unique_lock lock(mutex_);
    disconnectLocked(lock);
}

void RemoteChannel::closeIfIdle() {
    if (!closeWhenIdle_) return;
    std::unique_lock lock(mutex_);
    if (connected_ && exports_.empty() && imports_.empty() && callsUnderWay_ == 0)
        disconnectLocked(lock);
}

bool RemoteChannel::endedHoldingObjects() const {
    std::lock_guard lock(mutex_);
    return !heldAtEnd_.empty();
}

std::vector<std::weak_ptr<Object>> RemoteChannel::heldAtEnd() const {
    std::lock_guard lock(mutex_);
    return heldAtEnd_;
}

void RemoteChannel::disconnectLocked(std::unique_lock<std::mutex>& lock) {
    if (connected_)
        for (const auto& [id, e] : exports_) heldAtEnd_.push_back(e.object);
    connected_ = false;
    std::unordered_map<uint64_t, Export> dropped;
    dropped.swap(exports_);
    exportIds_.clear();
    lock.unlock();
    // Wakes a thread that reads the connection; the socket closes with the
    // channel. The objects given to the peer are let go here, unlocked.
    transport_->shutdown();
}

}  // namespace com::remote
