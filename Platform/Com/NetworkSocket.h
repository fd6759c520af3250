// TCP connections between the machines of an installation: a client's
// connection to an object server, and the socket an object server listens
// on. Connections do not block, carry each message at once (no Nagle
// delay), and find out within seconds that the other machine has gone
// silent (keepalive probes, and a limit on data that stays unacknowledged),
// also while a call waits for its reply.
#pragma once

#include <cstdint>
#include <string>

#include "RemoteProtocol.h"
#include "ServerName.h"

namespace com::remote {

// A connection to `server`, made by `deadline`; -1 with the reason in
// `failure` when nobody answers there in time.
[[nodiscard]] int ConnectTcp(const ServerName& server, Clock::time_point deadline, std::string& failure);

// A socket listening on `address` and `port` (0: any free port), or -1 with
// the reason in `failure`.
[[nodiscard]] int ListenTcp(const std::string& address, uint16_t port, std::string& failure);

// Makes an accepted connection as ConnectTcp makes its own.
void TuneTcp(int fd);

// "address:port" of the socket's own end, or of its peer.
std::string LocalAddress(int fd);
std::string PeerAddress(int fd);

}  // namespace com::remote
