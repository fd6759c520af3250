#include "RemoteProtocol.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "ComError.h"

namespace com::remote {

namespace {

// Waits until `fd` can take more bytes, or `deadline` has passed.
bool WaitWritable(int fd, Clock::time_point deadline) {
    pollfd p{fd, POLLOUT, 0};
    return ::poll(&p, 1, PollWait(deadline)) > 0 && (p.revents & POLLOUT) != 0;
}

uint32_t FrameLength(const char* header) {
    uint32_t length;
    std::memcpy(&length, header, sizeof length);
    return length;
}

}  // namespace

int PollWait(Clock::time_point deadline) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<int64_t>(wait, 0, std::numeric_limits<int>::max()));
}

bool WriteFrame(int fd, std::string_view body) {
    if (body.size() > kMaxFrame) return false;
    std::string frame(sizeof(uint32_t), '\0');
    const auto length = static_cast<uint32_t>(body.size());
    std::memcpy(frame.data(), &length, sizeof length);
    frame.append(body);
    const auto deadline = Clock::now() + kFrameWait;
    for (size_t at = 0; at < frame.size();) {
        const ssize_t sent = ::send(fd, frame.data() + at, frame.size() - at, MSG_NOSIGNAL);
        if (sent > 0) {
            at += static_cast<size_t>(sent);
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitWritable(fd, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

bool FrameReader::receive(int fd) {
    char chunk[65536];
    // Enough to hold the largest frame: the rest waits in the socket until
    // the frames read so far are taken.
    while (buffer_.size() - at_ <= kMaxFrame) {
        const ssize_t got = ::recv(fd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        if (got <= 0) return false;
        buffer_.append(chunk, static_cast<size_t>(got));
        if (!begun_) begun_ = Clock::now();
    }
    // Every length received must be one a sender writes.
    for (size_t at = at_; at + sizeof(uint32_t) <= buffer_.size();) {
        const uint32_t length = FrameLength(buffer_.data() + at);
        if (length == 0 || length > kMaxFrame) return false;
        at += sizeof(uint32_t) + length;
    }
    return true;
}

bool FrameReader::next(std::string& body) {
    const size_t pending = buffer_.size() - at_;
    if (pending < sizeof(uint32_t)) return false;
    const uint32_t length = FrameLength(buffer_.data() + at_);
    if (length == 0 || length > kMaxFrame || pending - sizeof(uint32_t) < length) return false;
    body.assign(buffer_, at_ + sizeof(uint32_t), length);
    at_ += sizeof(uint32_t) + length;
    if (at_ == buffer_.size()) {
        buffer_.clear();
        at_ = 0;
        begun_.reset();
    } else {
        // The rest is the start of the next frame, which runs from now.
        begun_ = Clock::now();
        if (at_ > buffer_.size() / 2) {
            buffer_.erase(0, at_);
            at_ = 0;
        }
    }
    return true;
}

std::string MessageReader::text() {
    const uint32_t n = u32();
    if (n > body_.size() - at_) Raise(err::AutomationError, "truncated message");
    std::string s(body_.substr(at_, n));
    at_ += n;
    return s;
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
