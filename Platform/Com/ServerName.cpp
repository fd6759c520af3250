#include "ServerName.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <charconv>

namespace com {

namespace {

std::optional<uint16_t> ParsePort(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0 || value > 65535) return std::nullopt;
    return static_cast<uint16_t>(value);
}

}  // namespace

std::string ServerName::text() const {
    const std::string shown = host.find(':') == std::string::npos ? host : "[" + host + "]";
    return shown + ":" + std::to_string(portOrDefault());
}

std::optional<ServerName> ParseServerName(std::string_view server) {
    ServerName name;
    std::string_view rest;
    if (server.starts_with('[')) {
        const size_t close = server.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        name.host = server.substr(1, close - 1);
        rest = server.substr(close + 1);
        if (!rest.empty() && !rest.starts_with(':')) return std::nullopt;
    } else if (const size_t colon = server.find(':');
               colon != std::string_view::npos && server.find(':', colon + 1) == std::string_view::npos) {
        name.host = server.substr(0, colon);
        rest = server.substr(colon);
    } else {
        name.host = server;  // no port, or an IPv6 address without brackets
    }
    if (!rest.empty()) {
        name.port = ParsePort(rest.substr(1));
        if (!name.port || name.host.empty()) return std::nullopt;
    }
    return name;
}

bool IsLoopbackAddress(std::string_view host) {
    const std::string text(host);
    in_addr v4{};
    if (::inet_pton(AF_INET, text.c_str(), &v4) == 1) return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    if (::inet_pton(AF_INET6, text.c_str(), &v6) != 1) return false;
    if (IN6_IS_ADDR_LOOPBACK(&v6)) return true;
    return IN6_IS_ADDR_V4MAPPED(&v6) && v6.s6_addr[12] == 127;
}

}  // namespace com
