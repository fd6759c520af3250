// A runtime folder of the test's own for the object model's servers, so
// that each test gets a collector of its own (with its test control
// class), ended with the test.
#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "Com/RemoteSocket.h"
#include "support/Files.h"

namespace testsupport {

class CollectorSandbox {
public:
    CollectorSandbox() {
        std::filesystem::permissions(folder_.path(), std::filesystem::perms::owner_all);
        ::setenv(com::remote::kRuntimeFolderVariable, folder_.path().c_str(), 1);
        ::setenv("MORUNE_TEST_CONTROL", "1", 1);
    }
    ~CollectorSandbox() { killCollector(); }
    CollectorSandbox(const CollectorSandbox&) = delete;
    CollectorSandbox& operator=(const CollectorSandbox&) = delete;

    // The process number of the running collector, or 0. It holds the
    // lock on its lock file for as long as it lives.
    int collectorPid() const {
        const std::string lockFile = folder_.file("Morune.lock");
        const int fd = ::open(lockFile.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) return 0;
        const bool running = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
        ::close(fd);
        int pid = 0;
        if (running) std::ifstream(lockFile) >> pid;
        return pid;
    }
    void killCollector() const {
        if (const int pid = collectorPid(); pid > 0) ::kill(pid, SIGKILL);
    }

private:
    TempDir folder_;
};

}  // namespace testsupport
