#include "RemoteProtocol.h"

#include <sys/socket.h>

#include <cerrno>
#include <cstring>

#include "ComError.h"

namespace com::remote {

namespace {

// No message of the object model comes near this; a larger length means
// the stream is broken.
constexpr uint32_t kMaxFrame = 1u << 30;

bool SendAll(int fd, const char* p, size_t n) {
    while (n > 0) {
        const ssize_t sent = ::send(fd, p, n, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) return false;
        p += sent;
        n -= static_cast<size_t>(sent);
    }
    return true;
}

bool ReceiveAll(int fd, char* p, size_t n) {
    while (n > 0) {
        const ssize_t got = ::recv(fd, p, n, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        p += got;
        n -= static_cast<size_t>(got);
    }
    return true;
}

}  // namespace

bool WriteFrame(int fd, std::string_view body) {
    if (body.size() > kMaxFrame) return false;
    std::string frame(sizeof(uint32_t), '\0');
    const auto length = static_cast<uint32_t>(body.size());
    std::memcpy(frame.data(), &length, sizeof length);
    frame.append(body);
    return SendAll(fd, frame.data(), frame.size());
}

bool ReadFrame(int fd, std::string& body) {
    uint32_t length = 0;
    if (!ReceiveAll(fd, reinterpret_cast<char*>(&length), sizeof length) || length > kMaxFrame)
        return false;
    body.resize(length);
    return ReceiveAll(fd, body.data(), length);
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
