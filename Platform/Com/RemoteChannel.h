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
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
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
    // under way (what a client does, so that an idle server can end).
    RemoteChannel(std::unique_ptr<Transport> transport, const FrameLimits& limits, bool closeWhenIdle);
    virtual ~RemoteChannel();
    RemoteChannel(const RemoteChannel&) = delete;
    RemoteChannel& operator=(const RemoteChannel&) = delete;

    Transport& transport() const { return *transport_; }
    int fd() const { return transport_->fd(); }
    const FrameLimits& limits() const { return limits_; }
    bool connected() const;

    // Calls to the peer; each waits for its reply. A failure of the peer's
    // member arrives as its number; a lost peer as PeerGone, one that does
    // not answer in time as PeerSilent.
    ObjectRef create(std::string_view progId);
    Variant call(uint64_t objectId, std::string_view member, CallKind kind, Args args);
    // Creates an object of `progId` in the peer, calls its method `member`
    // and lets the object go, in one round trip.
    Variant createAndCall(std::string_view progId, std::string_view member, Args args);

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
    // that a member stored while the call ran (base::StoredFailure).
    struct Reply {
        int32_t number = 0;
        std::string message;
        Variant result;
        std::vector<Variant> args;
        base::StoredFailure stored;
    };
    // Decodes a reply's body. A side decodes each reply as soon as it reads
    // it, before it serves any later message of the peer: the reply may
    // hold an object of this side that a Release after it lets go.
    Reply decodeReply(const std::string& body);
    // Waits for the reply to call `callId`; raises PeerGone when the peer
    // goes away first.
    virtual Reply awaitReply(uint64_t callId) = 0;

private:
    friend class RemoteObject;

    // Sends the request that `fill` completes and decodes its reply.
    Variant roundTrip(MessageType type, const std::function<void(MessageWriter&)>& fill, Args args);
    bool send(const MessageWriter& message);
    // The parts of a call after its target: kind, member and arguments.
    void writeCall(MessageWriter& out, std::string_view member, CallKind kind, Args args);
    ObjectRef createServed(const std::string& progId);
    Variant runCall(const ObjectRef& target, MessageReader& in, std::vector<Variant>& args);

    void writeValue(MessageWriter& out, const Variant& value);
    Variant readValue(MessageReader& in);
    void writeObject(MessageWriter& out, const ObjectRef& object);
    ObjectRef readObject(MessageReader& in);
    ObjectRef exported(uint64_t id);
    void takeBack(uint64_t id, uint32_t count);
    // From a proxy that ends: gives its references back.
    void proxyEnded(RemoteObject& proxy);
    // Shuts the connection when it has become idle (closeWhenIdle only).
    void closeIfIdle();
    void disconnectLocked(std::unique_lock<std::mutex>& lock);

    const std::unique_ptr<Transport> transport_;
    const FrameLimits limits_;
    const bool closeWhenIdle_;
    std::mutex sendMutex_;  // one frame at a time

    mutable std::mutex mutex_;  // everything below
    bool connected_ = true;
    std::vector<std::weak_ptr<Object>> heldAtEnd_;
    uint64_t nextCallId_ = 1;
    uint64_t nextObjectId_ = 1;
    int callsUnderWay_ = 0;
    struct Export {
        ObjectRef object;
        uint64_t references;
    };
    std::unordered_map<uint64_t, Export> exports_;
    std::unordered_map<const Object*, uint64_t> exportIds_;
    std::unordered_map<uint64_t, std::weak_ptr<RemoteObject>> imports_;
};

}  // namespace com::remote
