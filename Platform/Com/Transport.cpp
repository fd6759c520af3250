#include "Transport.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace com::remote {

Transport::~Transport() { ::close(fd_); }

ssize_t Transport::read(char* buffer, size_t size) {
    for (;;) {
        const ssize_t got = ::recv(fd_, buffer, size, MSG_DONTWAIT);
        if (got > 0) return got;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return 0;
        return -1;
    }
}

ssize_t Transport::write(const char* data, size_t size) {
    for (;;) {
        const ssize_t sent = ::send(fd_, data, size, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent >= 0) return sent;
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        return -1;
    }
}

void Transport::shutdown() { ::shutdown(fd_, SHUT_RDWR); }

}  // namespace com::remote
