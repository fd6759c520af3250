#include "ObjectServerSandbox.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <stdexcept>

#include "Com/NetworkSettings.h"
#include "support/ClientProcess.h"
#include "support/Installation.h"

extern char** environ;

namespace testsupport {

namespace {

constexpr const char* kNetworkIni = "Platform/Com/Network.INI";

std::string ObjectServerProgram() { return OwnInstallation().path("Platform/ObjectServer/ObjectServer"); }

// "Network.INI" of the installation, which the server and this process read.
std::string OwnNetworkSettings() {
    const std::string own = OwnInstallation().path(kNetworkIni);
    std::error_code unknown;
    if (!std::filesystem::equivalent(com::NetworkSettingsPath(), own, unknown))
        throw std::logic_error("this test program reads " + com::NetworkSettingsPath() + " and not " + own +
                               ": run it through RunInOwnInstallation, as CTest does");
    return own;
}

// The line the server prints once it listens, or "" when none comes in
// ten seconds.
std::string ReadLine(int fd) {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (char c; line.empty() || line.back() != '\n';) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0 || ::read(fd, &c, 1) != 1)
            return {};
        line += c;
    }
    line.pop_back();
    return line;
}

}  // namespace

Credentials MachineCredentials(Authority authority) {
    const std::string folder = std::string(TEST_CERTIFICATES) + (authority == Authority::Other ? "/other" : "");
    return {folder + "/ca.crt", folder + "/localhost.crt", folder + "/localhost.key"};
}

std::string NetworkSettings(const Credentials& credentials, int callWaitMs) {
    return "[Security]\nCA=" + credentials.ca + "\nCertificate=" + credentials.certificate + "\nKey=" + credentials.key +
           "\n[Client]\nCallWait=" + std::to_string(callWaitMs) +
           "\n[ObjectServer]\nAddress=127.0.0.1\nPort=0\nLibraries=Quossa, Dravik\n";
}

std::string ProductCollector() { return OwnInstallation().path("DataServices/Morune/Morune"); }

ObjectServerSandbox::ObjectServerSandbox() : networkIni_(OwnNetworkSettings(), NetworkSettings(MachineCredentials())) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    const std::string log = folder_.file("server.log");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::string program = ObjectServerProgram();
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const int failed = ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    const std::string line = failed == 0 ? ReadLine(out[0]) : std::string();
    ::close(out[0]);
    const std::string prefix = "listening on ";
    if (!line.starts_with(prefix)) {
        signal(SIGKILL);
        throw std::runtime_error("the object server did not start: " + ReadFile(log));
    }
    address_ = line.substr(prefix.size());
}

ObjectServerSandbox::~ObjectServerSandbox() { signal(SIGKILL); }

void ObjectServerSandbox::signal(int signal) {
    if (pid_ <= 0) return;
    if (signal == SIGSTOP) return StopChild(pid_);
    ::kill(pid_, signal);
    if (signal == SIGKILL || signal == SIGTERM) {
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

std::string ObjectServerSandbox::log() const { return ReadFile(folder_.file("server.log")); }

}  // namespace testsupport
