#include "NetworkSocket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace com::remote {

namespace {

// Probes after 5 s of silence, every 2 s, 3 unanswered ones end it; data
// sent and not acknowledged for 10 s ends it too.
constexpr int kKeepIdle = 5;
constexpr int kKeepInterval = 2;
constexpr int kKeepCount = 3;
constexpr unsigned kUnacknowledgedMs = 10000;

using Addresses = std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)>;

Addresses Resolve(const std::string& host, uint16_t port, int flags, std::string& failure) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const int status = ::getaddrinfo(host.empty() ? nullptr : host.c_str(), std::to_string(port).c_str(), &hints, &found);
    if (status != 0) failure = "cannot resolve " + host + ": " + ::gai_strerror(status);
    return Addresses(status == 0 ? found : nullptr, &::freeaddrinfo);
}

std::string Text(const sockaddr_storage& address) {
    char host[INET6_ADDRSTRLEN] = {};
    uint16_t port = 0;
    if (address.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
        ::inet_ntop(AF_INET, &v4.sin_addr, host, sizeof host);
        port = ntohs(v4.sin_port);
        return std::string(host) + ":" + std::to_string(port);
    }
    const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
    ::inet_ntop(AF_INET6, &v6.sin6_addr, host, sizeof host);
    port = ntohs(v6.sin6_port);
    return "[" + std::string(host) + "]:" + std::to_string(port);
}

// Connects `fd` (not blocking) to `address` by `deadline`.
bool ConnectOne(int fd, const addrinfo& address, Clock::time_point deadline, std::string& failure) {
    if (::connect(fd, address.ai_addr, address.ai_addrlen) == 0) return true;
    if (errno != EINPROGRESS) {
        failure = std::strerror(errno);
        return false;
    }
    pollfd p{fd, POLLOUT, 0};
    int ready;
    while ((ready = ::poll(&p, 1, PollWait(deadline))) < 0 && errno == EINTR) {
    }
    if (ready == 0) {
        failure = "no answer in time";
        return false;
    }
    int error = 0;
    socklen_t length = sizeof error;
    if (ready < 0 || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
        failure = std::strerror(error != 0 ? error : errno);
        return false;
    }
    return true;
}

}  // namespace

void TuneTcp(int fd) {
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    ::setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &kKeepIdle, sizeof kKeepIdle);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &kKeepInterval, sizeof kKeepInterval);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &kKeepCount, sizeof kKeepCount);
    ::setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &kUnacknowledgedMs, sizeof kUnacknowledgedMs);
}

int ConnectTcp(const ServerName& server, Clock::time_point deadline, std::string& failure) {
    const Addresses addresses = Resolve(server.host, server.portOrDefault(), 0, failure);
    for (const addrinfo* a = addresses.get(); a != nullptr; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (fd < 0) {
            failure = std::strerror(errno);
            continue;
        }
        if (ConnectOne(fd, *a, deadline, failure)) {
            TuneTcp(fd);
            return fd;
        }
        ::close(fd);
    }
    failure = "cannot reach " + server.text() + ": " + failure;
    return -1;
}

int ListenTcp(const std::string& address, uint16_t port, std::string& failure) {
    const Addresses addresses = Resolve(address, port, AI_PASSIVE, failure);
    for (const addrinfo* a = addresses.get(); a != nullptr; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) continue;
        const int on = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        if (::bind(fd, a->ai_addr, a->ai_addrlen) == 0 && ::listen(fd, SOMAXCONN) == 0) return fd;
        failure = "cannot listen on " + address + ":" + std::to_string(port) + ": " + std::strerror(errno);
        ::close(fd);
    }
    return -1;
}

std::string LocalAddress(int fd) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    return ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0 ? Text(address) : "?";
}

std::string PeerAddress(int fd) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    return ::getpeername(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0 ? Text(address) : "?";
}

}  // namespace com::remote
