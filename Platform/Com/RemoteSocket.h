// Where the local servers of the object model listen, and the socket calls
// that reach them.
//
// Every server program has a socket and a lock file in the user's runtime
// folder: $INVENTARI_RUNTIME_DIR when it is set (tests give each run a
// folder of its own; it must exist), else the folder "inventari" in
// $XDG_RUNTIME_DIR, else "/tmp/inventari-<uid>", either made with mode 0700
// when missing. The folder is used only when it belongs to this user and
// nobody else may enter.
#pragma once

#include <string>

namespace com::remote {

// The variable that points the object model at another runtime folder.
inline constexpr const char* kRuntimeFolderVariable = "INVENTARI_RUNTIME_DIR";

// The runtime folder; raises 429 when it is missing and cannot be made, or
// is not private to this user.
std::string RuntimeFolder();

// The socket and lock file of the server program at `program`, named
// after the program and the folder it lies in, so that the same program of
// two installations (two build trees, two install prefixes) has two: a
// client reaches the server of its own installation, which reads that
// installation's settings. 429 when the socket's path is too long for one.
std::string SocketPath(const std::string& program);
std::string LockPath(const std::string& program);

// The path of the program this process runs, as the system knows it.
std::string ThisProgram();

// A connected stream socket that does not block, or -1 when nobody
// listens at `path` or its server takes no connection now.
[[nodiscard]] int ConnectTo(const std::string& path);
// A socket listening at `path`, or -1. The caller owns the path (it holds
// the server's lock) and has removed what was there.
[[nodiscard]] int ListenAt(const std::string& path);

}  // namespace com::remote
