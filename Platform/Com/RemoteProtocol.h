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
//   Create      call id, strand, ProgID                                    -> Reply
//   Call        call id, strand, object id, call kind, member, arguments  -> Reply
//   CreateCall  call id, strand, ProgID, call kind, member, arguments     -> Reply
//   Settle      call id, strand                                            -> Reply
//   ClassName   call id, strand, object id                                 -> Reply
//   Reply       call id, error number, its description, then on success
//               result, arguments, the failure that a member stored while
//               the call ran (number, trail, description), and whether
//               the called object has error fields, then their NumError
//               and UbicacioError
//   Release     object id, count
//   PostCreate  strand, object id, ProgID
//   Post        strand, result's object id or 0, object id, call kind,
//               member, arguments
//
// CreateCall makes a new object, calls it once and lets it go: a creation
// and a call in one round trip.
//
// A Reply carries the arguments back, so that arguments passed by reference
// return changed; on failure it carries the number and no values. The
// error fields after the result let the caller read NumError and
// UbicacioError of the object it called without asking again, as long as
// it has sent nothing since (RemoteChannel.h).
//
// PostCreate and Post are calls that the sender does not wait for (posted,
// Base/Posted.h): a creation of an object that the sender names itself, and
// a call whose result, when the sender asks for it, is an object that the
// sender names too. A strand is a thread of the sender: its messages are
// served in the order they came, and once a posted one fails, its later
// posted ones are not run; the next message of the strand that waits for a
// reply is not run either, and its reply carries that failure, so that the
// failure comes back as if the sender had waited for the posted call.
// Settle is a message that waits and does nothing else; ClassName asks for
// the class name of an object the sender named.
#pragma once

#include <bit>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace com::remote {

class Transport;

static_assert(std::endian::native == std::endian::little, "messages carry their numbers little-endian");

enum class MessageType : uint8_t {
    Create = 1,
    Call = 2,
    Reply = 3,
    Release = 4,
    CreateCall = 5,
    Settle = 6,
    ClassName = 7,
    PostCreate = 8,
    Post = 9,
};

// The ids of the objects that a sender names for the peer have this bit;
// those that a side gives out itself do not.
inline constexpr uint64_t kNamedBySender = uint64_t{1} << 63;

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
[[nodiscard]] bool WriteMessage(Transport& transport, std::string_view body, const FrameLimits& limits);
// The same for a body in parts (MessageWriter::parts).
[[nodiscard]] bool WriteMessage(Transport& transport, const std::vector<std::string_view>& parts,
                                const FrameLimits& limits);

// Appends a message of one frame (at most limits.frame bytes), header and
// body, to `out`, to be written with others at once by WriteFrames.
void AppendFrame(std::string& out, std::string_view body);
// Writes frames that AppendFrame gathered; false when the peer is gone or
// has not taken them within limits.wait.
[[nodiscard]] bool WriteFrames(Transport& transport, std::string_view frames, const FrameLimits& limits);

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

// A text at least this long travels without a copy of its own: a writer
// refers to it, and a reader of a reply takes it over (RemoteChannel.cpp).
inline constexpr size_t kLongText = 64 * 1024;

// Appends the parts of a message body. A long text is not copied: the
// writer refers to it, so it must outlive the writing of the message.
class MessageWriter {
public:
    void u8(uint8_t v) { raw(&v, sizeof v); }
    void u32(uint32_t v) { raw(&v, sizeof v); }
    void u64(uint64_t v) { raw(&v, sizeof v); }
    void i32(int32_t v) { raw(&v, sizeof v); }
    void f64(double v) { raw(&v, sizeof v); }
    void text(std::string_view v) {
        u32(static_cast<uint32_t>(v.size()));
        if (v.size() < kLongText)
            body_.append(v);
        else
            longTexts_.push_back({body_.size(), v});
    }
    // The body's length, and its bytes in order: the writer's own and the
    // long texts it refers to.
    size_t size() const;
    std::vector<std::string_view> parts() const;
    // The body as one text, when it holds no long text.
    const std::string& body() const { return body_; }

private:
    void raw(const void* p, size_t n) { body_.append(static_cast<const char*>(p), n); }
    struct LongText {
        size_t at;  // where it stands in body_
        std::string_view text;
    };
    std::string body_;
    std::vector<LongText> longTexts_;
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
    // A text as it lies in the body, without a copy.
    std::string_view textView();
    // The type of the next value (a byte), not taken.
    uint8_t peek() const;

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
