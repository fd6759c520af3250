// The messages that two processes of the object model exchange over a
// stream (Transport.h): a local socket, or TLS between machines.
//
// A message travels as one frame or more: each frame is its length as 4
// bytes, whose top bit says that more frames of the same message follow,
// then that many bytes of the message's body. Between processes of this
// machine a message is one frame; between machines a long one is cut into
// frames of a limited size, so that a result is limited only by what it
// holds, and a peer that goes on sending is told from one that stopped.
// Numbers travel in the machine's own byte order, which the build requires
// to be little-endian, so that machines of any kind understand each other.
// Streams do not block: a side never waits on its peer without a time
// limit, and a peer that stalls in the middle of a frame, or announces a
// frame or message larger than any, is taken for gone. A body starts with
// its type:
//
//   Create      call id, ProgID                                   -> Reply
//   Call        call id, object id, call kind, member, arguments  -> Reply
//   CreateCall  call id, ProgID, call kind, member, arguments     -> Reply
//   Reply       call id, error number, its description, then on success
//               result, arguments, and the failure that a member stored
//               while the call ran (number, trail, description)
//   Release     object id, count
//
// CreateCall makes a new object, calls it once and lets it go: a creation
// and a call in one round trip.
//
// A Reply carries the arguments back, so that arguments passed by reference
// return changed; on failure it carries the number and no values.
#pragma once

#include <bit>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace com::remote {

class Transport;

static_assert(std::endian::native == std::endian::little, "messages carry their numbers little-endian");

enum class MessageType : uint8_t { Create = 1, Call = 2, Reply = 3, Release = 4, CreateCall = 5 };

// How an object reference inside a message is meant.
enum class ObjectTag : uint8_t {
    Nothing = 0,  // no object
    Sender = 1,   // an object of the sending process: id and class name follow
    Receiver = 2, // an object of the receiving process, which it gave out: id follows
};

// Between processes of this machine, the longest message: calls carry
// numbers, names and short texts, so a longer length means the stream is
// broken.
inline constexpr uint32_t kMaxFrame = 16u << 20;

// Between processes of this machine, how long a live peer takes at most to
// take a frame that is sent to it, or to send the rest of a frame it has
// begun: either happens at once unless the peer is stopped.
inline constexpr std::chrono::milliseconds kFrameWait{1000};

// The sizes and the time a connection allows its peer.
struct FrameLimits {
    uint32_t frame;                  // the longest frame
    size_t message;                  // the longest message, over all its frames
    std::chrono::milliseconds wait;  // to take a frame, or to send the rest of one begun
};

// Between processes of this machine: a message is one frame.
inline constexpr FrameLimits kLocalLimits{kMaxFrame, kMaxFrame, kFrameWait};

// Between machines: a result of a list is as long as its rows make it, up
// to 1 GiB; frames of 1 MiB, each of which a live peer on a slow network
// still sends or takes within ten seconds.
inline constexpr FrameLimits kNetworkLimits{1u << 20, size_t{1} << 30, std::chrono::milliseconds(10000)};

using Clock = std::chrono::steady_clock;

// The milliseconds that poll() waits until `deadline`: 0 once it has passed.
int PollWait(Clock::time_point deadline);

// Writes one whole message, in frames of limits.frame bytes at most; false
// when the peer is gone, has not taken a frame within limits.wait, or the
// message is longer than limits.message.
bool WriteMessage(Transport& transport, std::string_view body, const FrameLimits& limits);

// Gathers the frames of one stream as their bytes arrive, so that a frame
// half received holds nobody up. Memory grows with the bytes received,
// never with the length a header announces.
class FrameReader {
public:
    explicit FrameReader(const FrameLimits& limits = kLocalLimits) : limits_(limits) {}

    // Reads what the stream holds now. False at the end of the stream, on
    // an error, or for a length no sender writes (0, above the frame limit,
    // or a message above the message limit).
    bool receive(Transport& transport);
    // Takes the next whole message's body; false when none is whole yet.
    bool next(std::string& body);
    // Since when the frame under way has been coming (or the next frame of
    // a message under way has been due), or nullopt when none is.
    std::optional<Clock::time_point> begun() const { return begun_; }

private:
    // Reads the headers of the frames received since the last call; false
    // for a length that no sender writes.
    bool checkLengths();
    // Where the first message not yet taken ends, once all its frames are
    // here (and its length, without the headers); 0 before.
    size_t wholeMessageEnd(size_t* length = nullptr) const;

    const FrameLimits limits_;
    std::string buffer_;
    size_t at_ = 0;            // where the first message not yet taken starts
    size_t checked_ = 0;       // where the first frame whose header is unread starts
    size_t messageBytes_ = 0;  // of the message whose frames are being checked
    std::optional<Clock::time_point> begun_;
};

// Appends the parts of a message body.
class MessageWriter {
public:
    void u8(uint8_t v) { raw(&v, sizeof v); }
    void u32(uint32_t v) { raw(&v, sizeof v); }
    void u64(uint64_t v) { raw(&v, sizeof v); }
    void i32(int32_t v) { raw(&v, sizeof v); }
    void f64(double v) { raw(&v, sizeof v); }
    void text(std::string_view v) {
        u32(static_cast<uint32_t>(v.size()));
        body_.append(v);
    }
    const std::string& body() const { return body_; }

private:
    void raw(const void* p, size_t n) { body_.append(static_cast<const char*>(p), n); }
    std::string body_;
};

// Reads the parts of a message body in order; a body that ends too soon
// raises 440.
class MessageReader {
public:
    explicit MessageReader(std::string_view body) : body_(body) {}
    uint8_t u8() { return raw<uint8_t>(); }
    uint32_t u32() { return raw<uint32_t>(); }
    uint64_t u64() { return raw<uint64_t>(); }
    int32_t i32() { return raw<int32_t>(); }
    double f64() { return raw<double>(); }
    std::string text();

private:
    template <class T>
    T raw() {
        T v;
        take(&v, sizeof v);
        return v;
    }
    void take(void* out, size_t n);
    std::string_view body_;
    size_t at_ = 0;
};

// The type and, for a reply, the call id of a body, read without decoding
// the rest: how a reading thread routes what it receives.
MessageType TypeOf(std::string_view body);
uint64_t ReplyCallId(std::string_view body);

}  // namespace com::remote
