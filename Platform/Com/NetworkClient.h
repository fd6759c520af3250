// The client side of the object servers of other machines: creating an
// object in the object server that a server name reaches (ServerName.h).
//
// A process keeps one connection to each object server while it holds an
// object there (a transaction's connection included) or the server holds
// one of its own, and thirty seconds longer for the calls that follow,
// over TCP inside TLS (Tls.h), with this machine's certificate and the
// installation's authority from "Network.INI" (NetworkSettings.h). Calls,
// their arguments, results and error numbers, and objects passed either way
// travel as between two processes of this machine (RemoteChannel.h), in
// messages as long as their contents; what a member need not wait for is
// posted (RemoteChannel.h), so that a support operation waits for the
// server about once.
//
// Every wait has its deadline: the connection and its handshake take five
// seconds at most; a call waits [Client] CallWait for its reply to begin
// (PeerSilent, -2147417825, after that) and then as long as its frames keep
// coming; a server that goes away, or whose machine falls silent, fails the
// call under way and every later one with 462 (PeerGone) within seconds.
#pragma once

#include <string_view>

#include "Object.h"

namespace com::remote {

// A new object of class `progId` in the object server that `server` names.
// Raises 462, saying why, when the name is no server name, the settings
// are missing, or the server cannot be reached, does not prove itself or
// refuses this machine; the server's own error when it has no such class.
[[nodiscard]] ObjectRef CreateOnServer(std::string_view server, std::string_view progId);

}  // namespace com::remote
