#include "CollectorSandbox.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/Installation.h"

#include "Com/Registry.h"
#include "Com/RemoteSocket.h"
#include "Morune/MoruneNames.h"

namespace testsupport {

std::string TestCollector() { return OwnInstallation().path("DataServices/Morune/MoruneTestServer"); }

void UseCollector(const std::string& program) { com::SetLocalServerProgram(morune::names::Morune, program); }

CollectorSandbox::CollectorSandbox(std::string program) : program_(std::move(program)) {
    std::filesystem::permissions(folder_.path(), std::filesystem::perms::owner_all);
    ::setenv(com::remote::kRuntimeFolderVariable, folder_.path().c_str(), 1);
    UseCollector(program_);
}

std::string CollectorSandbox::socketPath() const { return com::remote::SocketPath(program_); }

int CollectorSandbox::collectorPid() const {
    const std::string lockFile = com::remote::LockPath(program_);
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return 0;
    const bool running = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    int pid = 0;
    if (running) std::ifstream(lockFile) >> pid;
    return pid;
}

void CollectorSandbox::killCollector() const {
    if (const int pid = collectorPid(); pid > 0) ::kill(pid, SIGKILL);
}

}  // namespace testsupport
