#include "RemoteProtocol.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "ComError.h"
#include "Transport.h"

namespace com::remote {

namespace {

// The top bit of a frame's length: more frames of the message follow.
constexpr uint32_t kMoreFrames = 1u << 31;

uint32_t FrameHeader(const char* at) {
    uint32_t header;
    std::memcpy(&header, at, sizeof header);
    return header;
}

// Writes all of `bytes` by `deadline`; false when the peer is gone or has
// not taken them in time.
bool WriteAll(Transport& transport, std::string_view bytes, Clock::time_point deadline) {
    for (size_t at = 0; at < bytes.size();) {
        const ssize_t sent = transport.write(bytes.data() + at, bytes.size() - at);
        if (sent < 0) return false;
        if (sent > 0) {
            at += static_cast<size_t>(sent);
            continue;
        }
        pollfd p{transport.fd(), transport.writeEvents(), 0};
        const int ready = ::poll(&p, 1, PollWait(deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0 || (p.revents & (POLLERR | POLLNVAL)) != 0) return false;
    }
    return true;
}

}  // namespace

int PollWait(Clock::time_point deadline) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<int64_t>(wait, 0, std::numeric_limits<int>::max()));
}

bool WriteMessage(Transport& transport, std::string_view body, const FrameLimits& limits) {
    return WriteMessage(transport, std::vector<std::string_view>{body}, limits);
}

bool WriteMessage(Transport& transport, const std::vector<std::string_view>& parts, const FrameLimits& limits) {
    size_t total = 0;
    for (std::string_view part : parts) total += part.size();
    if (total == 0 || total > limits.message) return false;
    if (total < kLongText && total <= limits.frame) {
        // Short: one frame, in one write.
        std::string frame;
        const auto header = static_cast<uint32_t>(total);
        frame.append(reinterpret_cast<const char*>(&header), sizeof header);
        for (std::string_view part : parts) frame.append(part);
        return WriteFrames(transport, frame, limits);
    }
    // Long: each frame's header, then its bytes from the parts as they lie.
    size_t part = 0;
    size_t offset = 0;  // in parts[part]
    for (size_t at = 0; at < total;) {
        const size_t length = std::min<size_t>(total - at, limits.frame);
        const uint32_t header = static_cast<uint32_t>(length) | (at + length < total ? kMoreFrames : 0);
        const auto deadline = Clock::now() + limits.wait;
        if (!WriteAll(transport, {reinterpret_cast<const char*>(&header), sizeof header}, deadline)) return false;
        for (size_t left = length; left > 0;) {
            const std::string_view from = parts[part];
            const size_t n = std::min(left, from.size() - offset);
            if (n > 0 && !WriteAll(transport, from.substr(offset, n), deadline)) return false;
            offset += n;
            left -= n;
            if (offset == from.size()) {
                ++part;
                offset = 0;
            }
        }
        at += length;
    }
    return true;
}

void AppendFrame(std::string& out, std::string_view body) {
    const auto header = static_cast<uint32_t>(body.size());
    out.append(reinterpret_cast<const char*>(&header), sizeof header);
    out.append(body);
}

bool WriteFrames(Transport& transport, std::string_view frames, const FrameLimits& limits) {
    return WriteAll(transport, frames, Clock::now() + limits.wait);
}

bool FrameReader::receive(Transport& transport) {
    char chunk[65536];
    // Up to a frame's worth, or the rest of a message under way: what
    // follows a whole message waits in the stream until it is taken.
    while (buffer_.size() - at_ <= limits_.frame || wholeMessageEnd() == 0) {
        const ssize_t got = transport.read(chunk, sizeof chunk);
        if (got == 0) break;
        if (got < 0) return false;
        const bool frameUnderWay = checked_ > buffer_.size();
        buffer_.append(chunk, static_cast<size_t>(got));
        // A frame's time runs from its first byte, or from the end of the
        // frame before it in the same message.
        if (!begun_ || (frameUnderWay && checked_ <= buffer_.size())) begun_ = Clock::now();
        if (!checkLengths()) return false;
    }
    return true;
}

bool FrameReader::checkLengths() {
    while (checked_ <= buffer_.size() && buffer_.size() - checked_ >= sizeof(uint32_t)) {
        const uint32_t header = FrameHeader(buffer_.data() + checked_);
        const uint32_t length = header & ~kMoreFrames;
        messageBytes_ += length;
        if (length == 0 || length > limits_.frame || messageBytes_ > limits_.message) return false;
        if ((header & kMoreFrames) == 0) messageBytes_ = 0;
        checked_ += sizeof(uint32_t) + length;
    }
    return true;
}

size_t FrameReader::wholeMessageEnd(size_t* length) const {
    size_t end = at_;
    if (length) *length = 0;
    for (bool more = true; more;) {
        if (end >= checked_) return 0;  // its header is not here yet
        const uint32_t header = FrameHeader(buffer_.data() + end);
        more = (header & kMoreFrames) != 0;
        if (length) *length += header & ~kMoreFrames;
        end += sizeof(uint32_t) + (header & ~kMoreFrames);
        if (end > buffer_.size()) return 0;
    }
    return end;
}

bool FrameReader::next(std::string& body) {
    size_t length = 0;
    const size_t end = wholeMessageEnd(&length);
    if (end == 0) return false;
    body.clear();
    body.reserve(length);
    for (size_t at = at_; at < end;) {
        const uint32_t frame = FrameHeader(buffer_.data() + at) & ~kMoreFrames;
        body.append(buffer_, at + sizeof(uint32_t), frame);
        at += sizeof(uint32_t) + frame;
    }
    at_ = end;
    if (at_ == buffer_.size()) {
        buffer_.clear();
        at_ = checked_ = 0;
        begun_.reset();
    } else {
        // The rest is the start of the next message, which runs from now.
        begun_ = Clock::now();
        if (at_ > buffer_.size() / 2) {
            buffer_.erase(0, at_);
            checked_ -= at_;
            at_ = 0;
        }
    }
    return true;
}

std::string MessageReader::text() { return std::string(textView()); }

std::string_view MessageReader::textView() {
    const uint32_t n = u32();
    if (n > body_.size() - at_) Raise(err::AutomationError, "truncated message");
    const std::string_view text = body_.substr(at_, n);
    at_ += n;
    return text;
}

uint8_t MessageReader::peek() const {
    if (at_ >= body_.size()) Raise(err::AutomationError, "truncated message");
    return static_cast<uint8_t>(body_[at_]);
}

size_t MessageWriter::size() const {
    size_t total = body_.size();
    for (const LongText& t : longTexts_) total += t.text.size();
    return total;
}

std::vector<std::string_view> MessageWriter::parts() const {
    std::vector<std::string_view> out;
    size_t at = 0;
    for (const LongText& t : longTexts_) {
        out.emplace_back(body_.data() + at, t.at - at);
        out.push_back(t.text);
        at = t.at;
    }
    out.emplace_back(body_.data() + at, body_.size() - at);
    return out;
}

void MessageReader::take(void* out, size_t n) {
    if (n > body_.size() - at_) Raise(err::AutomationError, "truncated message");
    std::memcpy(out, body_.data() + at_, n);
    at_ += n;
}

MessageType TypeOf(std::string_view body) {
    return static_cast<MessageType>(MessageReader(body).u8());
}

uint64_t ReplyCallId(std::string_view body) {
    MessageReader reader(body);
    reader.u8();
    return reader.u64();
}

}  // namespace com::remote
