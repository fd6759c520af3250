// One connection between two processes of the object model: the objects
// each side has given the other and the calls between them.
//
// An object reference that crosses the connection stays in its own process:
// the receiver gets a proxy (RemoteObject) whose calls come back over this
// connection. Every time a side sends one of its objects it counts one more
// reference held by the peer; a proxy that ends gives all of its references
// back in one Release message, and the object is let go when none remain.
// A proxy that travels back to the process of its object arrives as the
// object itself.
//
// How a side waits for its replies differs: a client, and the object
// server of a machine, read on a thread of their own (ThreadedChannel.h);
// a local server reads on its one thread (LocalServer.h). All answer the
// peer's calls with serve().
//
// A client of an object server (a channel that pipelines) spares itself the
// waits that a caller does not need, while a guarded member runs on its
// thread (Base/Posted.h): a property let or set is posted and the member
// goes on; so is a call whose result the caller takes as an object
// (CallForObject), the proxy of that object named by the client (an object
// the server had given the client before then has a second proxy, which
// reaches it all the same); and so is a creation of a class that the server
// made on this connection before, whose class name is then known. Each of
// them fails as if waited for: the server runs nothing more of the
// thread's after a failure, and the reply of the thread's next call that
// waits, or the settling at the member's edge, carries it. A proxy also
// keeps NumError and UbicacioError as the reply to the last call on it
// found them, and answers their reads with them as long as nothing has been
// sent on the connection since: nothing else can have changed them.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Base/Guard.h"
#include "Object.h"
#include "RemoteProtocol.h"
#include "Transport.h"

namespace com::remote {

class RemoteObject;

// The peer went away (its process ended or the connection closed) before
// the call got its reply: 462, as for a server that cannot be reached.
class PeerGone : public ComError {
public:
    PeerGone();
};

// The peer did not answer a call within the caller's time limit (it is
// stopped, or busy for longer than any call should take).
class PeerSilent : public ComError {
public:
    PeerSilent();
};

class RemoteChannel : public std::enable_shared_from_this<RemoteChannel> {
public:
    // Takes over the connected stream `transport`, whose messages keep to
    // `limits`. With `closeWhenIdle` the channel shuts the connection as
    // soon as neither side holds an object of the other and no call is
    // under way (what a client of a local server does, so that an idle
    // server can end). With `pipelines` it posts what it may (above).
    RemoteChannel(std::unique_ptr<Transport> transport, const FrameLimits& limits, bool closeWhenIdle,
                  bool pipelines = false);
    virtual ~RemoteChannel();
    RemoteChannel(const RemoteChannel&) = delete;
    RemoteChannel& operator=(const RemoteChannel&) = delete;

    Transport& transport() const { return *transport_; }
    int fd() const { return transport_->fd(); }
    const FrameLimits& limits() const { return limits_; }
    bool connected() const;
    // Neither side holds an object of the other and no call is under way.
    bool idle() const;
    // Shuts the connection when it is idle; whether it did.
    bool closeIdle();
    // How many messages this side has sent.
    uint64_t messagesSent() const { return sent_.load(); }

    // Calls to the peer. A failure of the peer's member arrives as its
    // number; a lost peer as PeerGone, one that does not answer in time as
    // PeerSilent.
    [[nodiscard]] ObjectRef create(std::string_view progId);
    // Creates an object of `progId` in the peer, calls its method `member`
    // and lets the object go, in one round trip.
    Variant createAndCall(std::string_view progId, std::string_view member, Args args);
    // Waits for the outcome of what this thread posted; raises the first
    // failure among it.
    void settle();
    // Sends at once what waits to leave with the next message.
    void flush();

    // Answers one message of the peer: creates the object or runs the call
    // and sends the reply, or takes back references. A reply that nobody
    // waits for any more (its caller gave up) is decoded and dropped.
    void serve(const std::string& body);

    // The peer is gone: the objects given to it are let go, and every call
    // to it fails with PeerGone from now on.
    void disconnect();
    // Whether the peer still held objects of this side when the connection
    // ended: it went away, or was dropped, in the middle of its work.
    bool endedHoldingObjects() const;
    // Those objects, as far as anything else still holds them.
    std::vector<std::weak_ptr<Object>> heldAtEnd() const;

protected:
    // Whether the peer may create objects of `progId` here: any class this
    // process registered, unless a side says otherwise.
    virtual bool serves(std::string_view progId) const;

    // A reply, decoded: the failure's number and description, or the
    // result and the arguments as the callee left them, with the failure
    // that a member stored while the call ran (base::StoredFailure) and
    // the callee's error fields, when it has them.
    struct Reply {
        struct ErrorFieldValues {
            int32_t number;
            std::string trail;
        };
        int32_t number = 0;
        std::string message;
        Variant result;
        std::vector<Variant> args;
        base::StoredFailure stored;
        std::optional<ErrorFieldValues> errorFields;
    };
    // Decodes a reply's body. A side decodes each reply as soon as it reads
    // it, before it serves any later message of the peer: the reply may
    // hold an object of this side that a Release after it lets go. A long
    // text result takes the body over rather than a copy of it.
    Reply decodeReply(std::string body);
    // Waits for the reply to call `callId`; raises PeerGone when the peer
    // goes away first.
    virtual Reply awaitReply(uint64_t callId) = 0;

private:
    friend class RemoteObject;
    struct Request;
    // What the posted calls of one of the peer's threads left: the failure
    // that stops the rest of them, and the last failure a member stored.
    struct Strand {
        std::optional<std::pair<int32_t, std::string>> failure;  // number, description
        base::StoredFailure stored;
    };

    // From a proxy: its calls, its class name, its end.
    Variant call(RemoteObject& target, std::string_view member, CallKind kind, Args args);
    ObjectRef callForObject(RemoteObject& target, std::string_view member, CallKind kind, Args args);
    std::string classNameOf(const RemoteObject& proxy);
    void proxyEnded(RemoteObject& proxy);

    // Sends the request that `fill` completes, waits for its reply and
    // raises its failure; on success the arguments take the values that
    // came back. `sent` receives the count of messages sent, this one
    // included.
    Reply roundTrip(MessageType type, const std::function<void(MessageWriter&)>& fill, Args args,
                    uint64_t* sent = nullptr);
    // Whether a call of this thread may be posted now, and posting it.
    bool posting() const;
    void post(const MessageWriter& message, bool mayFail);
    // A proxy for an object that this side names, the peer to make it.
    std::shared_ptr<RemoteObject> namedProxy(std::string className);
    // Sends a message at once, or keeps it to leave with the next one (in
    // one write: what is posted leaves with the call that waits). `sent`
    // receives the count of messages sent, this one included.
    enum class Sending { Now, WithNext };
    [[nodiscard]] bool send(const MessageWriter& message, Sending when = Sending::Now, uint64_t* sent = nullptr);
    [[nodiscard]] bool writeOutbox();
    // The parts of a call after its target: kind, member and arguments.
    void writeCall(MessageWriter& out, std::string_view member, CallKind kind, Args args);

    // Serving the peer's messages.
    Request readRequest(MessageType type, MessageReader& in);
    Variant run(Request& request);
    void answer(MessageType type, MessageReader& in);
    void runPosted(MessageType type, MessageReader& in);
    Strand takeStrand(uint64_t strand);
    bool strandFailed(uint64_t strand);
    // Keeps what a posted call of `strand` left: its failure, or the
    // failure it stored; false when the peer has too many strands so kept.
    bool keepStrand(uint64_t strand, const std::function<void(Strand&)>& change);
    ObjectRef createServed(const std::string& progId);
    void bindNamed(uint64_t id, ObjectRef object);

    void writeValue(MessageWriter& out, const Variant& value);
    Variant readValue(MessageReader& in);
    void writeObject(MessageWriter& out, const ObjectRef& object);
    ObjectRef readObject(MessageReader& in);
    ObjectRef exported(uint64_t id);
    void takeBack(uint64_t id, uint32_t count);
    // Shuts the connection when it has become idle (closeWhenIdle only).
    void closeIfIdle();
    void disconnectLocked(std::unique_lock<std::mutex>& lock);

    const std::unique_ptr<Transport> transport_;
    const FrameLimits limits_;
    const bool closeWhenIdle_;
    const bool pipelines_;
    std::mutex sendMutex_;            // one message at a time, and the outbox
    std::string outbox_;              // frames that leave with the next message
    std::atomic<uint64_t> sent_{0};   // messages sent

    mutable std::mutex mutex_;  // everything below
    bool connected_ = true;
    std::vector<std::weak_ptr<Object>> heldAtEnd_;
    uint64_t nextCallId_ = 1;
    uint64_t nextObjectId_ = 1;
    uint64_t nextNamedId_ = kNamedBySender | 1;
    int callsUnderWay_ = 0;
    struct Export {
        ObjectRef object;  // none for a name given to the result of a call that returned none
        uint64_t references;
    };
    std::unordered_map<uint64_t, Export> exports_;
    std::unordered_map<const Object*, uint64_t> exportIds_;
    std::unordered_map<uint64_t, std::weak_ptr<RemoteObject>> imports_;
    // The class of each ProgID that the peer made on this connection, by
    // the ProgID in lower case: a ProgID names one class.
    std::unordered_map<std::string, std::string> classes_;
    // The strands of the peer whose posted calls left a failure.
    std::unordered_map<uint64_t, Strand> strands_;
};

}  // namespace com::remote
