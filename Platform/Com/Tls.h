// TLS 1.3 between the machines of an installation, through OpenSSL: both
// ends show a certificate signed by the installation's certificate
// authority and check the other's against it; a client also checks that
// the server's certificate carries the name or address it asked for. A peer
// that does not prove itself so gets no byte through: the handshake fails
// before either side reads a message.
#pragma once

#include <memory>
#include <string_view>

#include "NetworkSettings.h"
#include "RemoteProtocol.h"
#include "Transport.h"

struct ssl_ctx_st;

namespace com::remote {

class TlsContext {
public:
    enum class Role { Client, Server };

    // Loads the authority, the certificate and its key of `settings`;
    // raises 462 with OpenSSL's reason when one is missing or they do not
    // belong together.
    TlsContext(Role role, const SecuritySettings& settings);
    ~TlsContext();
    TlsContext(const TlsContext&) = delete;
    TlsContext& operator=(const TlsContext&) = delete;

    // The handshake on the connected socket `fd`, which does not block and
    // which the transport takes over, done by `deadline`. A client names in
    // `host` the server it meant. Raises 462 with the reason, the socket
    // closed, when the peer does not prove itself in time.
    [[nodiscard]] std::unique_ptr<Transport> handshake(int fd, std::string_view host, Clock::time_point deadline) const;

private:
    const Role role_;
    ssl_ctx_st* context_;
};

}  // namespace com::remote
