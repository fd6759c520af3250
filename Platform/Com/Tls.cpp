#include "Tls.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <string>

#include "ComError.h"

namespace com::remote {

namespace {

// The reason of the last failure of this thread's OpenSSL calls.
std::string OpenSslReason() {
    std::string reason;
    while (const unsigned long code = ::ERR_get_error()) {
        char text[256];
        ::ERR_error_string_n(code, text, sizeof text);
        if (!reason.empty()) reason += "; ";
        reason += text;
    }
    return reason.empty() ? "the peer ended the connection" : reason;
}

// The socket under a TLS connection: OpenSSL's own writes to it with
// write(), which raises SIGPIPE (ending the process) when the peer is gone;
// this one sends with MSG_NOSIGNAL, so that such a write fails instead.
// Neither waits: the socket does not block.
int SocketOf(BIO* bio) { return static_cast<int>(reinterpret_cast<intptr_t>(::BIO_get_data(bio))); }

int SocketWrite(BIO* bio, const char* data, size_t size, size_t* written) {
    ::BIO_clear_retry_flags(bio);
    const ssize_t sent = ::send(SocketOf(bio), data, size, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent >= 0) {
        *written = static_cast<size_t>(sent);
        return 1;
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) ::BIO_set_retry_write(bio);
    return 0;
}

int SocketRead(BIO* bio, char* buffer, size_t size, size_t* got) {
    ::BIO_clear_retry_flags(bio);
    const ssize_t read = ::recv(SocketOf(bio), buffer, size, MSG_DONTWAIT);
    if (read > 0) {
        *got = static_cast<size_t>(read);
        return 1;
    }
    if (read < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) ::BIO_set_retry_read(bio);
    return 0;
}

long SocketControl(BIO*, int command, long, void*) { return command == BIO_CTRL_FLUSH ? 1 : 0; }

BIO* SocketBio(int fd) {
    static BIO_METHOD* const method = [] {
        BIO_METHOD* m = ::BIO_meth_new(::BIO_get_new_index() | BIO_TYPE_SOURCE_SINK | BIO_TYPE_DESCRIPTOR,
                                       "object model socket");
        ::BIO_meth_set_write_ex(m, SocketWrite);
        ::BIO_meth_set_read_ex(m, SocketRead);
        ::BIO_meth_set_ctrl(m, SocketControl);
        return m;
    }();
    BIO* bio = ::BIO_new(method);
    if (bio) {
        ::BIO_set_data(bio, reinterpret_cast<void*>(static_cast<intptr_t>(fd)));
        ::BIO_set_init(bio, 1);
    }
    return bio;
}

[[noreturn]] void Fail(const std::string& what) { Raise(err::RemoteMachineUnavailable, what + ": " + OpenSslReason()); }

// TLS over a socket. OpenSSL lets one connection be used by one thread at a
// time, so every call on it takes the lock; none of them waits, since the
// socket does not block.
class TlsTransport final : public Transport {
public:
    TlsTransport(int fd, SSL* ssl) : Transport(fd), ssl_(ssl) {}
    ~TlsTransport() override { ::SSL_free(ssl_); }

    ssize_t read(char* buffer, size_t size) override {
        std::lock_guard lock(mutex_);
        size_t got = 0;
        ::ERR_clear_error();
        const int status = ::SSL_read_ex(ssl_, buffer, size, &got);
        if (status == 1) return static_cast<ssize_t>(got);
        return waitOrEnd(status, readEvents_);
    }
    ssize_t write(const char* data, size_t size) override {
        std::lock_guard lock(mutex_);
        size_t sent = 0;
        ::ERR_clear_error();
        const int status = ::SSL_write_ex(ssl_, data, size, &sent);
        if (status == 1) return static_cast<ssize_t>(sent);
        return waitOrEnd(status, writeEvents_);
    }
    short readEvents() const override { return readEvents_; }
    short writeEvents() const override { return writeEvents_; }
    bool pending() const override {
        std::lock_guard lock(mutex_);
        return ::SSL_has_pending(ssl_) == 1;  // records read ahead included
    }

private:
    // 0 with the events to wait for when the call must be made again once
    // the socket is ready, -1 when the connection ended or broke.
    ssize_t waitOrEnd(int status, std::atomic<short>& events) {
        switch (::SSL_get_error(ssl_, status)) {
            case SSL_ERROR_WANT_READ: events = POLLIN; return 0;
            case SSL_ERROR_WANT_WRITE: events = POLLOUT; return 0;
            default: return -1;
        }
    }

    SSL* const ssl_;
    mutable std::mutex mutex_;
    std::atomic<short> readEvents_{POLLIN};
    std::atomic<short> writeEvents_{POLLOUT};
};

bool IsAddress(const std::string& host) {
    unsigned char buffer[sizeof(in6_addr)];
    return ::inet_pton(AF_INET, host.c_str(), buffer) == 1 || ::inet_pton(AF_INET6, host.c_str(), buffer) == 1;
}

}  // namespace

TlsContext::TlsContext(Role role, const SecuritySettings& settings)
    : role_(role), context_(::SSL_CTX_new(role == Role::Client ? ::TLS_client_method() : ::TLS_server_method())) {
    ::ERR_clear_error();
    if (!context_) Fail("cannot set up TLS");
    std::unique_ptr<SSL_CTX, decltype(&::SSL_CTX_free)> owned(context_, &::SSL_CTX_free);
    ::SSL_CTX_set_min_proto_version(context_, TLS1_3_VERSION);
    ::SSL_CTX_set_max_proto_version(context_, TLS1_3_VERSION);
    // Each connection proves itself anew: no session is resumed.
    ::SSL_CTX_set_session_cache_mode(context_, SSL_SESS_CACHE_OFF);
    ::SSL_CTX_set_num_tickets(context_, 0);
    // A write may end after part of the bytes, as send() does.
    ::SSL_CTX_set_mode(context_, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    // A read takes whatever the socket holds, not one record at a time.
    ::SSL_CTX_set_read_ahead(context_, 1);
    if (::SSL_CTX_load_verify_locations(context_, settings.ca.c_str(), nullptr) != 1)
        Fail("cannot read the certificate authority " + settings.ca);
    if (::SSL_CTX_use_certificate_chain_file(context_, settings.certificate.c_str()) != 1)
        Fail("cannot read the certificate " + settings.certificate);
    if (::SSL_CTX_use_PrivateKey_file(context_, settings.key.c_str(), SSL_FILETYPE_PEM) != 1)
        Fail("cannot read the key " + settings.key);
    if (::SSL_CTX_check_private_key(context_) != 1)
        Fail("the key " + settings.key + " is not the certificate's");
    const int verify = SSL_VERIFY_PEER | (role == Role::Server ? SSL_VERIFY_FAIL_IF_NO_PEER_CERT : 0);
    ::SSL_CTX_set_verify(context_, verify, nullptr);
    owned.release();
}

TlsContext::~TlsContext() { ::SSL_CTX_free(context_); }

std::unique_ptr<Transport> TlsContext::handshake(int fd, std::string_view host, Clock::time_point deadline) const {
    ::ERR_clear_error();
    SSL* ssl = ::SSL_new(context_);
    if (!ssl) {
        ::close(fd);
        Fail("cannot set up TLS");
    }
    // From here the transport owns the socket and the connection.
    auto transport = std::make_unique<TlsTransport>(fd, ssl);
    BIO* bio = SocketBio(fd);
    if (!bio) Fail("cannot set up TLS");
    ::SSL_set_bio(ssl, bio, bio);
    if (role_ == Role::Client) {
        const std::string name(host);
        if (IsAddress(name)) {
            ::X509_VERIFY_PARAM_set1_ip_asc(::SSL_get0_param(ssl), name.c_str());
        } else {
            ::SSL_set_tlsext_host_name(ssl, name.c_str());
            ::SSL_set1_host(ssl, name.c_str());
        }
        ::SSL_set_connect_state(ssl);
    } else {
        ::SSL_set_accept_state(ssl);
    }
    for (;;) {
        ::ERR_clear_error();
        const int status = ::SSL_do_handshake(ssl);
        if (status == 1) return transport;
        const int error = ::SSL_get_error(ssl, status);
        if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) {
            const long verified = ::SSL_get_verify_result(ssl);
            std::string reason = OpenSslReason();
            if (verified != X509_V_OK) reason += " (" + std::string(::X509_verify_cert_error_string(verified)) + ")";
            Raise(err::RemoteMachineUnavailable, "TLS handshake failed: " + reason);
        }
        pollfd p{fd, static_cast<short>(error == SSL_ERROR_WANT_READ ? POLLIN : POLLOUT), 0};
        int ready;
        while ((ready = ::poll(&p, 1, PollWait(deadline))) < 0 && errno == EINTR) {
        }
        if (ready == 0) Raise(err::RemoteMachineUnavailable, "TLS handshake failed: no answer in time");
        if (ready < 0) Raise(err::RemoteMachineUnavailable, "TLS handshake failed: the connection broke");
    }
}

}  // namespace com::remote
