#include "RemoteChannel.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>
#include <vector>

#include "ErrorProperties.h"
#include "Registry.h"
#include "RemoteObject.h"

namespace com::remote {

namespace {

// Strands of a peer that may keep what their posted calls left at once:
// as many threads of one client as post and fail before they settle.
constexpr size_t kMostStrands = 64;

// This thread's strand.
uint64_t ThisStrand() {
    static std::atomic<uint64_t> next{1};
    thread_local const uint64_t strand = next++;
    return strand;
}

// The channels to which this thread posted calls whose outcome it has not
// learnt yet.
struct Unsettled {
    const RemoteChannel* channel;
    std::weak_ptr<RemoteChannel> alive;
    bool posted;   // calls, not only releases that wait to leave
    bool mayFail;
};

std::vector<Unsettled>& ThisThreadsUnsettled() {
    thread_local std::vector<Unsettled> unsettled;
    return unsettled;
}

void Recount() {
    const std::vector<Unsettled>& unsettled = ThisThreadsUnsettled();
    base::PostedCalls& calls = base::ThisThreadsPostedCalls();
    calls.any = !unsettled.empty();
    calls.mayFail = std::any_of(unsettled.begin(), unsettled.end(), [](const Unsettled& u) { return u.mayFail; });
}

// This thread posted a call to `channel` (`posted`), or left a message in
// its outbox.
void NotePosted(const std::shared_ptr<RemoteChannel>& channel, bool posted, bool mayFail) {
    std::vector<Unsettled>& unsettled = ThisThreadsUnsettled();
    auto it = std::find_if(unsettled.begin(), unsettled.end(),
                           [&](const Unsettled& u) { return u.channel == channel.get(); });
    if (it == unsettled.end()) it = unsettled.insert(unsettled.end(), {channel.get(), channel, false, false});
    it->posted = it->posted || posted;
    it->mayFail = it->mayFail || mayFail;
    Recount();
}

// The peer answered a call of this thread that waited: it reported the
// outcome of what the thread had posted before it.
void NoteSettled(const RemoteChannel* channel) {
    std::vector<Unsettled>& unsettled = ThisThreadsUnsettled();
    const auto it = std::find_if(unsettled.begin(), unsettled.end(),
                                 [&](const Unsettled& u) { return u.channel == channel; });
    if (it == unsettled.end()) return;
    unsettled.erase(it);
    Recount();
}

void SettleThisThread(bool all) {
    const std::vector<Unsettled> unsettled = ThisThreadsUnsettled();
    for (const Unsettled& u : unsettled) {
        if (!all && !u.mayFail) continue;
        const std::shared_ptr<RemoteChannel> channel = u.alive.lock();
        if (!channel) {
            // Its connection ended and nothing holds it: nobody can say
            // how the calls went.
            NoteSettled(u.channel);
            if (u.posted) throw PeerGone();
        } else if (u.posted) {
            channel->settle();
        } else {
            NoteSettled(u.channel);
            channel->flush();
        }
    }
}

const bool settlerInstalled [[maybe_unused]] = (base::SetPostedCallsSettler(&SettleThisThread), true);

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

}  // namespace

PeerGone::PeerGone() : ComError(err::RemoteMachineUnavailable) {}

PeerSilent::PeerSilent() : ComError(err::CallTimedOut) {}

RemoteChannel::RemoteChannel(std::unique_ptr<Transport> transport, const FrameLimits& limits, bool closeWhenIdle,
                             bool pipelines)
    : transport_(std::move(transport)), limits_(limits), closeWhenIdle_(closeWhenIdle), pipelines_(pipelines) {}

RemoteChannel::~RemoteChannel() = default;

bool RemoteChannel::serves(std::string_view) const { return true; }

bool RemoteChannel::connected() const {
    std::lock_guard lock(mutex_);
    return connected_;
}

bool RemoteChannel::idle() const {
    std::lock_guard lock(mutex_);
    return exports_.empty() && imports_.empty() && callsUnderWay_ == 0;
}

// --- calls to the peer --------------------------------------------------

ObjectRef RemoteChannel::create(std::string_view progId) {
    if (posting()) {
        std::string className;
        {
            std::lock_guard lock(mutex_);
            if (auto it = classes_.find(Lower(progId)); it != classes_.end()) className = it->second;
        }
        if (!className.empty()) {
            std::shared_ptr<RemoteObject> proxy = namedProxy(std::move(className));
            MessageWriter message;
            message.u8(static_cast<uint8_t>(MessageType::PostCreate));
            message.u64(ThisStrand());
            message.u64(proxy->id());
            message.text(progId);
            post(message, /*mayFail=*/false);
            return proxy;
        }
    }
    ObjectRef object =
        roundTrip(MessageType::Create, [&](MessageWriter& out) { out.text(progId); }, {}).result.toObject();
    if (auto* proxy = dynamic_cast<RemoteObject*>(object.get()); proxy && !proxy->className_.empty()) {
        std::lock_guard lock(mutex_);
        classes_.try_emplace(Lower(progId), proxy->className_);
    }
    return object;
}

Variant RemoteChannel::call(RemoteObject& target, std::string_view member, CallKind kind, Args args) {
    if (kind == CallKind::Get && args.empty()) {
        const bool number = SameName(member, names::NumError);
        if (number || SameName(member, names::UbicacioError)) {
            std::lock_guard lock(mutex_);
            const auto& seen = target.errorFieldsSeen_;
            if (seen && seen->sent == sent_.load()) return number ? Variant(seen->number) : Variant(seen->trail);
        }
    }
    if ((kind == CallKind::Let || kind == CallKind::Set) && posting()) {
        MessageWriter message;
        message.u8(static_cast<uint8_t>(MessageType::Post));
        message.u64(ThisStrand());
        message.u64(0);
        message.u64(target.id());
        writeCall(message, member, kind, args);
        post(message, /*mayFail=*/true);
        return {};
    }
    uint64_t sent = 0;
    Reply reply = roundTrip(
        MessageType::Call,
        [&](MessageWriter& out) {
            out.u64(target.id());
            writeCall(out, member, kind, args);
        },
        args, &sent);
    {
        std::lock_guard lock(mutex_);
        target.errorFieldsSeen_.reset();
        if (reply.errorFields)
            target.errorFieldsSeen_ = {reply.errorFields->number, std::move(reply.errorFields->trail), sent};
    }
    return std::move(reply.result);
}

ObjectRef RemoteChannel::callForObject(RemoteObject& target, std::string_view member, CallKind kind, Args args) {
    if (!posting()) return call(target, member, kind, args).toObject();
    std::shared_ptr<RemoteObject> proxy = namedProxy({});
    MessageWriter message;
    message.u8(static_cast<uint8_t>(MessageType::Post));
    message.u64(ThisStrand());
    message.u64(proxy->id());
    message.u64(target.id());
    writeCall(message, member, kind, args);
    post(message, /*mayFail=*/true);
    return proxy;
}

std::string RemoteChannel::classNameOf(const RemoteObject& proxy) {
    {
        std::lock_guard lock(mutex_);
        if (!proxy.className_.empty()) return proxy.className_;
    }
    std::string className =
        roundTrip(MessageType::ClassName, [&](MessageWriter& out) { out.u64(proxy.id_); }, {}).result.toString();
    std::lock_guard lock(mutex_);
    proxy.className_ = className;
    return className;
}

Variant RemoteChannel::createAndCall(std::string_view progId, std::string_view member, Args args) {
    return roundTrip(
               MessageType::CreateCall,
               [&](MessageWriter& out) {
                   out.text(progId);
                   writeCall(out, member, CallKind::Method, args);
               },
               args)
        .result;
}

void RemoteChannel::settle() {
    roundTrip(MessageType::Settle, [](MessageWriter&) {}, {});
}

void RemoteChannel::flush() {
    bool written;
    {
        std::lock_guard lock(sendMutex_);
        written = writeOutbox();
    }
    if (!written) disconnect();
}

void RemoteChannel::writeCall(MessageWriter& out, std::string_view member, CallKind kind, Args args) {
    out.u8(static_cast<uint8_t>(kind));
    out.text(member);
    out.u32(static_cast<uint32_t>(args.size()));
    for (const Variant& arg : args) writeValue(out, arg);
}

RemoteChannel::Reply RemoteChannel::roundTrip(MessageType type, const std::function<void(MessageWriter&)>& fill,
                                              Args args, uint64_t* sent) {
    uint64_t callId;
    {
        std::lock_guard lock(mutex_);
        if (!connected_) {
            NoteSettled(this);
            throw PeerGone();
        }
        ++callsUnderWay_;
        callId = nextCallId_++;
    }
    // Counted until the reply is decoded, so that the connection does not
    // close as idle under a call or before the objects of its reply arrive.
    // Whatever this thread posted before has its outcome in the reply, or
    // shares the call's failure.
    struct CallEnds {
        RemoteChannel& channel;
        ~CallEnds() {
            NoteSettled(&channel);
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
    request.u64(ThisStrand());
    fill(request);
    if (!send(request, Sending::Now, sent)) {
        disconnect();
        throw PeerGone();
    }
    Reply reply = awaitReply(callId);
    if (reply.number != 0) throw ComError(reply.number, reply.message);
    if (reply.stored.number != 0) base::SetLastStoredFailure(std::move(reply.stored));
    for (size_t i = 0; i < args.size() && i < reply.args.size(); ++i) args[i] = std::move(reply.args[i]);
    return reply;
}

bool RemoteChannel::posting() const { return pipelines_ && base::ThisThreadsPostedCalls().members > 0; }

void RemoteChannel::post(const MessageWriter& message, bool mayFail) {
    NotePosted(shared_from_this(), /*posted=*/true, mayFail);
    // Nobody waits for a posted message: one that cannot leave fails the
    // next call that waits, on the connection it broke.
    static_cast<void>(send(message, Sending::WithNext));
}

std::shared_ptr<RemoteObject> RemoteChannel::namedProxy(std::string className) {
    std::lock_guard lock(mutex_);
    if (!connected_) throw PeerGone();
    const uint64_t id = nextNamedId_++;
    auto proxy = std::make_shared<RemoteObject>(shared_from_this(), id, std::move(className));
    imports_[id] = proxy;
    return proxy;
}

RemoteChannel::Reply RemoteChannel::decodeReply(std::string body) {
    Reply reply;
    try {
        MessageReader in(body);
        in.u8();
        in.u64();
        reply.number = in.i32();
        reply.message = in.text();
        if (reply.number == 0) {
            std::string_view longText;
            if (static_cast<Variant::Type>(in.peek()) == Variant::Type::String) {
                in.u8();
                longText = in.textView();
                if (longText.size() < kLongText) {
                    reply.result = Variant(std::string(longText));
                    longText = {};
                }
            } else {
                reply.result = readValue(in);
            }
            reply.args.resize(in.u32());
            for (Variant& arg : reply.args) arg = readValue(in);
            reply.stored.number = in.i32();
            reply.stored.trail = in.text();
            reply.stored.description = in.text();
            if (in.u8() != 0) {
                const int32_t number = in.i32();
                reply.errorFields = Reply::ErrorFieldValues{number, in.text()};
            }
            if (!longText.empty()) {
                // The body's bytes become the text: moved within, not copied.
                const size_t at = static_cast<size_t>(longText.data() - body.data());
                const size_t length = longText.size();
                body.erase(0, at);
                body.resize(length);
                reply.result = Variant(std::move(body));
            }
        }
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        reply = Reply{ErrorNumber(failure), ErrorDescription(failure), {}, {}, {}, {}};
    }
    return reply;
}

bool RemoteChannel::send(const MessageWriter& message, Sending when, uint64_t* sent) {
    std::lock_guard lock(sendMutex_);
    const uint64_t count = ++sent_;
    if (sent) *sent = count;
    if (const size_t size = message.size(); size < kLongText && size <= limits_.frame) {
        AppendFrame(outbox_, message.body());
        return when == Sending::WithNext || writeOutbox();
    }
    return writeOutbox() && WriteMessage(*transport_, message.parts(), limits_);
}

// Under sendMutex_. A message that cannot leave fails the calls that wait
// (the connection ends), and so what was posted with it.
bool RemoteChannel::writeOutbox() {
    if (outbox_.empty()) return true;
    const bool written = WriteFrames(*transport_, outbox_, limits_);
    outbox_.clear();
    if (outbox_.capacity() > limits_.frame) outbox_.shrink_to_fit();
    return written;
}

// --- calls of the peer --------------------------------------------------

// A request of the peer, read whole before anything of it runs, so that
// the objects it passes are counted even when it does not run.
struct RemoteChannel::Request {
    MessageType type = MessageType::Call;
    std::string progId;
    ObjectRef target;
    CallKind kind = CallKind::Method;
    std::string member;
    std::vector<Variant> args;
};

RemoteChannel::Request RemoteChannel::readRequest(MessageType type, MessageReader& in) {
    Request request{type, {}, {}, CallKind::Method, {}, {}};
    const bool creates = type == MessageType::Create || type == MessageType::CreateCall ||
                         type == MessageType::PostCreate;
    if (creates) request.progId = in.text();
    if (type == MessageType::Call || type == MessageType::Post || type == MessageType::ClassName)
        request.target = exported(in.u64());
    if (type == MessageType::Call || type == MessageType::Post || type == MessageType::CreateCall) {
        request.kind = static_cast<CallKind>(in.u8());
        request.member = in.text();
        request.args.resize(in.u32());
        for (Variant& arg : request.args) arg = readValue(in);
    }
    return request;
}

Variant RemoteChannel::run(Request& request) {
    base::SetLastStoredFailure({});  // this thread serves the peer: only what the call stores counts
    switch (request.type) {
        case MessageType::Create:
        case MessageType::PostCreate: return Variant(createServed(request.progId));
        case MessageType::CreateCall:
            return createServed(request.progId)->invoke(request.member, request.kind, request.args);
        case MessageType::ClassName:
            if (!request.target) Raise(err::ObjectRequired);
            return Variant(request.target->className());
        case MessageType::Call:
        case MessageType::Post:
            if (!request.target) Raise(err::ObjectRequired);
            return request.target->invoke(request.member, request.kind, request.args);
        default: return {};
    }
}

void RemoteChannel::serve(const std::string& body) {
    MessageReader in(body);
    const auto type = static_cast<MessageType>(in.u8());
    switch (type) {
        case MessageType::Release: {
            const uint64_t id = in.u64();
            takeBack(id, in.u32());
            return;
        }
        case MessageType::Reply: decodeReply(body); return;  // takes in, and lets go, the objects it holds
        case MessageType::PostCreate:
        case MessageType::Post: runPosted(type, in); return;
        case MessageType::Create:
        case MessageType::Call:
        case MessageType::CreateCall:
        case MessageType::Settle:
        case MessageType::ClassName: answer(type, in); return;
    }
    // Anything else: nobody waits for it.
}

void RemoteChannel::answer(MessageType type, MessageReader& in) {
    MessageWriter reply;
    reply.u8(static_cast<uint8_t>(MessageType::Reply));
    reply.u64(in.u64());
    const Strand earlier = takeStrand(in.u64());
    try {
        Request request = readRequest(type, in);
        if (earlier.failure) throw ComError(earlier.failure->first, earlier.failure->second);
        const Variant result = run(request);
        MessageWriter done = reply;
        done.i32(0);
        done.text({});
        writeValue(done, result);
        done.u32(static_cast<uint32_t>(request.args.size()));
        for (const Variant& arg : request.args) writeValue(done, arg);
        base::StoredFailure stored = base::LastStoredFailure();
        if (stored.number == 0) stored = earlier.stored;
        done.i32(stored.number);
        done.text(stored.trail);
        done.text(stored.description);
        const base::ErrorFields* fields = type == MessageType::Call ? request.target->errorFields() : nullptr;
        done.u8(fields ? 1 : 0);
        if (fields) {
            done.i32(fields->NumError);
            done.text(fields->UbicacioError);
        }
        if (!send(done)) disconnect();
    } catch (...) {
        // A posted call's failure comes first: what came after it did not run.
        const std::exception_ptr failure = std::current_exception();
        reply.i32(earlier.failure ? earlier.failure->first : ErrorNumber(failure));
        reply.text(earlier.failure ? earlier.failure->second : ErrorDescription(failure));
        if (!send(reply)) disconnect();
    }
}

void RemoteChannel::runPosted(MessageType type, MessageReader& in) {
    const uint64_t strand = in.u64();
    const uint64_t named = in.u64();
    std::exception_ptr unread;
    Request request;
    try {
        request = readRequest(type, in);
    } catch (...) {
        unread = std::current_exception();
    }
    if (strandFailed(strand)) return;  // its later posted calls do not run
    try {
        if (unread) std::rethrow_exception(unread);
        const Variant result = run(request);
        if (named != 0) bindNamed(named, result.toObject());
        if (base::StoredFailure stored = base::LastStoredFailure(); stored.number != 0) {
            if (!keepStrand(strand, [&](Strand& s) { s.stored = std::move(stored); })) disconnect();
        }
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        const std::pair<int32_t, std::string> kept{ErrorNumber(failure), ErrorDescription(failure)};
        if (!keepStrand(strand, [&](Strand& s) { s.failure = kept; })) disconnect();
    }
}

RemoteChannel::Strand RemoteChannel::takeStrand(uint64_t strand) {
    std::lock_guard lock(mutex_);
    auto it = strands_.find(strand);
    if (it == strands_.end()) return {};
    Strand taken = std::move(it->second);
    strands_.erase(it);
    return taken;
}

bool RemoteChannel::strandFailed(uint64_t strand) {
    std::lock_guard lock(mutex_);
    auto it = strands_.find(strand);
    return it != strands_.end() && it->second.failure.has_value();
}

bool RemoteChannel::keepStrand(uint64_t strand, const std::function<void(Strand&)>& change) {
    std::lock_guard lock(mutex_);
    if (!strands_.count(strand) && strands_.size() >= kMostStrands) return false;
    change(strands_[strand]);
    return true;
}

// The objects a process serves are the classes it registered itself: a
// class it lacks must fail, not start the server program once more.
ObjectRef RemoteChannel::createServed(const std::string& progId) {
    const Factory factory = serves(progId) ? RegisteredClass(progId) : Factory();
    ObjectRef object = factory ? factory() : nullptr;
    if (!object) Raise(err::CannotCreateObject, "no class answers " + progId);
    return object;
}

// Gives `object` the name the peer chose for it. An object the peer holds
// already under another id keeps that one as well.
void RemoteChannel::bindNamed(uint64_t id, ObjectRef object) {
    std::lock_guard lock(mutex_);
    if ((id & kNamedBySender) == 0 || exports_.count(id) != 0)
        Raise(err::AutomationError, "the peer named an object with an id in use");
    if (object) exportIds_.try_emplace(object.get(), id);
    exports_.emplace(id, Export{std::move(object), 1});
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
            if (auto named = exportIds_.find(released.get()); named != exportIds_.end() && named->second == id)
                exportIds_.erase(named);
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
    // Inside a member that posts, after what it posted and with it; the
    // member's end sends it at the latest.
    const bool later = posting();
    if (later) NotePosted(shared_from_this(), /*posted=*/false, /*mayFail=*/false);
    if (!send(release, later ? Sending::WithNext : Sending::Now)) disconnect();
    closeIfIdle();
}

// --- end of the connection ----------------------------------------------

void RemoteChannel::disconnect() {
    std::unique_lock lock(mutex_);
    disconnectLocked(lock);
}

void RemoteChannel::closeIfIdle() {
    if (closeWhenIdle_) closeIdle();
}

bool RemoteChannel::closeIdle() {
    std::unique_lock lock(mutex_);
    if (!connected_ || !exports_.empty() || !imports_.empty() || callsUnderWay_ != 0) return false;
    disconnectLocked(lock);
    return true;
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
    if (connected_) {
        // Once each: an object may be held under a name the peer gave it too.
        std::unordered_set<const Object*> seen;
        for (const auto& [id, e] : exports_)
            if (e.object && seen.insert(e.object.get()).second) heldAtEnd_.push_back(e.object);
    }
    connected_ = false;
    std::unordered_map<uint64_t, Export> dropped;
    dropped.swap(exports_);
    exportIds_.clear();
    strands_.clear();
    lock.unlock();
    // Wakes a thread that reads the connection; the socket closes with the
    // channel. The objects given to the peer are let go here, unlocked.
    transport_->shutdown();
}

}  // namespace com::remote
