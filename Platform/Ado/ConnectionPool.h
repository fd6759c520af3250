// Database sessions kept for reuse, by connection string, as the platform's
// own pooling kept them: a connection that closes gives its session back,
// and the next one opened with the same string takes it instead of
// connecting again. On SQLite that also spares creating and deleting the
// -wal and -shm files, which happens whenever the last connection to a file
// opens or closes.
//
// Only a session that can serve anyone as it is comes back: none with a
// transaction still open (it is rolled back and closed), none that ran a
// statement beyond reading and writing rows (Engine::reusable). A session
// is handed out again only while its database is still there
// (Engine::stillValid), and one left idle for a minute is closed.
#pragma once

#include <memory>
#include <string>

namespace ado {

class Engine;

// An idle session for `connectionString`, or nothing when none is kept.
[[nodiscard]] std::unique_ptr<Engine> TakePooledSession(const std::string& connectionString);

// Keeps `engine`, no longer used by its connection, for the next connection
// opened with `connectionString`; closes it when it cannot be reused.
void GiveBackSession(const std::string& connectionString, std::unique_ptr<Engine> engine);

}  // namespace ado
