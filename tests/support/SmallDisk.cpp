#include "SmallDisk.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "support/Files.h"

extern char** environ;

namespace testsupport {

namespace {

// The folder of the small disk, in the process that runs on it.
constexpr const char* kDiskVariable = "INVENTARI_SMALL_DISK";
// How the process that runs on the small disk ends when it could not make it.
constexpr int kNoNamespace = 77;

std::string Disk() {
    const char* disk = std::getenv(kDiskVariable);
    if (!disk) throw std::logic_error("not on the small disk");
    return disk;
}

// Writes `text` to the file at `path`; false when it cannot. Safe between
// fork and exec.
bool Put(const char* path, const char* text) {
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const auto length = static_cast<ssize_t>(std::strlen(text));
    const bool written = ::write(fd, text, static_cast<size_t>(length)) == length;
    ::close(fd);
    return written;
}

}  // namespace

bool OnSmallDisk() { return std::getenv(kDiskVariable) != nullptr; }

SmallDiskRun RunOnSmallDisk(size_t bytes) {
    const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
    const std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string filter = std::string("--gtest_filter=") + test.test_suite_name() + "." + test.name();
    TempDir disk;
    // Everything the child needs is made before it is forked: a process
    // with threads may only make system calls between fork and exec.
    const std::string uidMap = "0 " + std::to_string(::getuid()) + " 1";
    const std::string gidMap = "0 " + std::to_string(::getgid()) + " 1";
    const std::string size = "size=" + std::to_string(bytes);
    std::vector<std::string> variables{std::string(kDiskVariable) + "=" + disk.path().string(),
                                       "TMPDIR=" + disk.path().string()};
    for (char** v = environ; *v; ++v)
        if (std::strncmp(*v, "TMPDIR=", 7) != 0) variables.emplace_back(*v);
    std::vector<char*> envp;
    for (std::string& v : variables) envp.push_back(v.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(filter.c_str()), nullptr};

    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(output[1], 1);
        ::dup2(output[1], 2);
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !Put("/proc/self/setgroups", "deny") ||
            !Put("/proc/self/uid_map", uidMap.c_str()) || !Put("/proc/self/gid_map", gidMap.c_str()) ||
            ::mount("tmpfs", disk.path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, size.c_str()) != 0)
            ::_exit(kNoNamespace);
        ::execve(argv[0], argv, envp.data());
        ::_exit(127);
    }
    ::close(output[1]);
    SmallDiskRun run;
    char chunk[4096];
    for (ssize_t got; (got = ::read(output[0], chunk, sizeof chunk)) != 0;)
        if (got > 0) run.output.append(chunk, static_cast<size_t>(got));
    ::close(output[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.ran = code != kNoNamespace;
    run.passed = code == 0;
    if (!run.ran) run.output = "this system gives no user namespace with a file system in memory";
    return run;
}

DiskFiller::DiskFiller() : path_(Disk() + "/filler") {
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) throw std::runtime_error("cannot fill the small disk");
    const std::vector<char> block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
}

DiskFiller::~DiskFiller() { ::unlink(path_.c_str()); }

}  // namespace testsupport
