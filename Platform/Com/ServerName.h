// The name of the machine on which an object is created, as settings give
// it: a host name or address, with an optional port ("server1",
// "server1:7400", "192.0.2.7:7400", "[2001:db8::7]:7400", "2001:db8::7").
//
// Without a port, a name that means this machine (empty, "localhost", a
// loopback address, this machine's host name) creates the object in this
// process, and any other name reaches the object server of that machine on
// its usual port. A port always names an object server, also on this
// machine: "127.0.0.1:7400" reaches the object server that listens there.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace com {

// The port an object server listens on unless its settings say otherwise.
inline constexpr uint16_t kObjectServerPort = 7306;

struct ServerName {
    std::string host;  // a name, or a numeric address (IPv6 without brackets)
    std::optional<uint16_t> port;

    uint16_t portOrDefault() const { return port.value_or(kObjectServerPort); }
    // "host:port", with brackets around an IPv6 address.
    std::string text() const;
};

// The parts of `server`; nothing for what is no server name (brackets
// left open, a port that is not a number from 1 to 65535).
std::optional<ServerName> ParseServerName(std::string_view server);

// A numeric address of this machine's loopback interface: 127.x.x.x, ::1,
// or ::ffff:127.x.x.x.
bool IsLoopbackAddress(std::string_view host);

}  // namespace com
