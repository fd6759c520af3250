// The client side of the out-of-process classes: creating an object of a
// local server program, started on demand. The registry (Registry.h) comes
// here for a class in the [LocalServer] section of "Registry.INI".
//
// A process keeps one connection to each server program while it holds an
// object of the server or the server holds one of its own (a connection
// passed as an argument), read by threads of the object model
// (ThreadedChannel.h). With nothing held either
// way the connection closes, and an idle server can end. A connection that
// ends while the server still held objects of this process is reported to
// the handler the process set for the library (SetLocalServerLost).
//
// A call waits at most ten seconds for its reply: the server answers at
// once but for the calls it makes into other clients meanwhile, each of
// which it gives up after a second. A server that takes longer is stopped
// or broken, and the call fails with PeerSilent.
#pragma once

#include <string>
#include <string_view>

#include "Object.h"

namespace com::remote {

// A new object of class `progId` served by `program`. Connects to the
// program's socket; when nobody listens, starts the program (detached, in
// a session of its own, without terminal) and waits until it answers. Two
// processes that start it at once end with one server: the program keeps
// a lock for its whole life, and the loser of the race ends at once. A
// server that ends or is killed while asked is asked again (started anew).
// Raises 429 when the program cannot be started or does not answer within
// a few seconds, or when it has no such class; CallTimedOut, with why, when
// it took the connection but not the call in time.
[[nodiscard]] ObjectRef ActivateLocalServer(const std::string& program, std::string_view progId);

// The same server, reached the same way: creates an object of `progId`,
// calls its method `method` with `args` and lets the object go, in one
// round trip.
Variant CallOnNewLocalServer(const std::string& program, std::string_view progId, std::string_view method,
                             Args args);

}  // namespace com::remote
