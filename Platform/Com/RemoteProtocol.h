// The messages that two processes of the object model exchange over a
// local stream socket.
//
// Each message is one frame: its length as 4 bytes, then its body. Both ends
// run on this machine, so numbers travel in the machine's own byte order.
// Sockets do not block: a side never waits on its peer without a time
// limit, and a peer that stalls in the middle of a frame, or announces a
// frame larger than any message, is taken for gone. A body starts with its
// type:
//
//   Create      call id, ProgID                                   -> Reply
//   Call        call id, object id, call kind, member, arguments  -> Reply
//   CreateCall  call id, ProgID, call kind, member, arguments     -> Reply
//   Reply       call id, error number, its description, result, arguments
//   Release     object id, count
//
// CreateCall makes a new object, calls it once and lets it go: a creation
// and a call in one round trip.
//
// A Reply carries the arguments back, so that arguments passed by reference
// return changed; on failure it carries the number and no values.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace com::remote {

enum class MessageType : uint8_t { Create = 1, Call = 2, Reply = 3, Release = 4, CreateCall = 5 };

// How an object reference inside a message is meant.
enum class ObjectTag : uint8_t {
    Nothing = 0,  // no object
    Sender = 1,   // an object of the sending process: id and class name follow
    Receiver = 2, // an object of the receiving process, which it gave out: id follows
};

// The longest message: calls carry numbers, names and short texts, so a
// longer length means the stream is broken.
inline constexpr uint32_t kMaxFrame = 16u << 20;

// How long a live peer takes at most to take a frame that is sent to it, or
// to send the rest of a frame it has begun: either happens at once unless
// the peer is stopped.
inline constexpr std::chrono::milliseconds kFrameWait{1000};

using Clock = std::chrono::steady_clock;

// The milliseconds that poll() waits until `deadline`: 0 once it has passed.
int PollWait(Clock::time_point deadline);

// Writes one whole frame to a non-blocking socket; false when the peer is
// gone or has not taken it within kFrameWait.
bool WriteFrame(int fd, std::string_view body);

// Gathers the frames of one non-blocking socket as their bytes arrive, so
// that a frame half received holds nobody up. Memory grows with the bytes
// received, never with the length a header announces.
class FrameReader {
public:
    // Reads what the socket holds now. False at the end of the stream, on
    // an error, or for a length no sender writes (0, or above kMaxFrame).
    bool receive(int fd);
    // Takes the next whole frame's body; false when none is whole yet.
    bool next(std::string& body);
    // Since when a frame has been under way, or nullopt when none is.
    std::optional<Clock::time_point> begun() const { return begun_; }

private:
    std::string buffer_;
    size_t at_ = 0;  // where the first frame not yet taken starts
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
