// A client program of a test, run as a child process and driven line by
// line over its standard input and output.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>

extern char** environ;

namespace testsupport {

// Stops `child`, a child process of this one, as a debugger or a job
// control would, and returns once it is stopped. The signal alone does not
// stop it at once: each of its threads stops when it next runs, and under
// load one may first answer a peer.
inline void StopChild(pid_t child) {
    ::kill(child, SIGSTOP);
    while (::waitpid(child, nullptr, WUNTRACED) < 0 && errno == EINTR) {
    }
}

class ClientProcess {
public:
    explicit ClientProcess(const std::string& program) {
        int toChild[2], fromChild[2];
        if (::pipe2(toChild, O_CLOEXEC) != 0 || ::pipe2(fromChild, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
        posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        const int failed = ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(toChild[0]);
        ::close(fromChild[1]);
        in_ = ::fdopen(toChild[1], "w");
        out_ = fromChild[0];
        if (failed != 0) throw std::runtime_error("cannot start " + program);
    }
    // The client ends at the end of its input; one still held up in a call
    // after ten seconds is killed, so that a failed test ends.
    ~ClientProcess() {
        std::fclose(in_);
        ::close(out_);
        if (pid_ <= 0) return;
        ::kill(pid_, SIGCONT);  // a client a test stopped
        for (int i = 0; i < 1000; ++i) {
            if (::waitpid(pid_, nullptr, WNOHANG) != 0) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        kill();
    }
    ClientProcess(const ClientProcess&) = delete;
    ClientProcess& operator=(const ClientProcess&) = delete;

    void send(const std::string& command) {
        std::fputs((command + "\n").c_str(), in_);
        std::fflush(in_);
    }
    // The client's next line, or "(no reply)" when none comes within
    // `wait`: a test of a client that is held up never hangs.
    std::string reply(std::chrono::milliseconds wait = std::chrono::seconds(20)) {
        const auto deadline = std::chrono::steady_clock::now() + wait;
        for (size_t end; (end = pending_.find('\n')) == std::string::npos;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd p{out_, POLLIN, 0};
            char chunk[256];
            ssize_t got = 0;
            if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0 ||
                (got = ::read(out_, chunk, sizeof chunk)) <= 0)
                return "(no reply)";
            pending_.append(chunk, static_cast<size_t>(got));
        }
        const size_t end = pending_.find('\n');
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        return line;
    }
    std::string ask(const std::string& command, std::chrono::milliseconds wait = std::chrono::seconds(20)) {
        send(command);
        return reply(wait);
    }
    // Ends the client at once, as a crash would.
    void kill() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }
    // Stops the client (StopChild), and lets it go on.
    void stop() {
        if (pid_ > 0) StopChild(pid_);
    }
    void resume() {
        if (pid_ > 0) ::kill(pid_, SIGCONT);
    }

private:
    pid_t pid_ = 0;
    FILE* in_ = nullptr;
    int out_ = -1;
    std::string pending_;  // read, not yet taken as a line
};

}  // namespace testsupport
