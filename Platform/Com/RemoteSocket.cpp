#include "RemoteSocket.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "ComError.h"

namespace com::remote {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// Checks that only this user can use `folder`, which `create` makes when
// it is missing.
std::string PrivateFolder(const std::string& folder, bool create = true) {
    if (create && ::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        Raise(err::CannotCreateObject, "cannot create " + folder + ": " + std::strerror(errno));
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        (st.st_mode & 077) != 0)
        Raise(err::CannotCreateObject, folder + " is not a private folder of this user");
    return folder;
}

// What a server's files are named after: the program's file name and a
// digest of its folder (FNV-1a of the path without links), short enough for
// a socket's path.
std::string ServerFileName(const std::string& program) {
    std::error_code failed;
    std::filesystem::path path = std::filesystem::weakly_canonical(program, failed);
    if (failed) path = std::filesystem::absolute(program);
    uint64_t digest = 0xcbf29ce484222325ULL;
    for (const char c : path.parent_path().string()) {
        digest ^= static_cast<unsigned char>(c);
        digest *= 0x100000001b3ULL;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(digest));
    return path.filename().string() + "-" + hex;
}

bool FillAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

}  // namespace

std::string RuntimeFolder() {
    if (std::string folder = Environment(kRuntimeFolderVariable); !folder.empty())
        return PrivateFolder(folder, /*create=*/false);
    if (std::string base = Environment("XDG_RUNTIME_DIR"); !base.empty())
        return PrivateFolder(base + "/inventari");
    return PrivateFolder("/tmp/inventari-" + std::to_string(::getuid()));
}

std::string SocketPath(const std::string& program) {
    std::string path = RuntimeFolder() + "/" + ServerFileName(program) + ".socket";
    if (path.size() >= sizeof(sockaddr_un::sun_path))
        Raise(err::CannotCreateObject, "the runtime folder's name is too long for a socket: " + path);
    return path;
}

std::string LockPath(const std::string& program) {
    return RuntimeFolder() + "/" + ServerFileName(program) + ".lock";
}

std::string ThisProgram() {
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) Raise(err::CannotCreateObject, std::string("cannot find this program: ") + std::strerror(errno));
    // A program replaced since it started reads " (deleted)": it goes on
    // serving the installation it was started from.
    std::string program(path, static_cast<size_t>(n));
    constexpr std::string_view kReplaced = " (deleted)";
    if (program.ends_with(kReplaced)) program.resize(program.size() - kReplaced.size());
    return program;
}

int ConnectTo(const std::string& path) {
    sockaddr_un address;
    if (!FillAddress(path, address)) return -1;
    // Not blocking from the start: a server that is stopped with its queue
    // of connections full refuses at once instead of holding the caller.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int ListenAt(const std::string& path) {
    sockaddr_un address;
    if (!FillAddress(path, address)) return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace com::remote
