// A client program of the collector's tests, run as a child process and
// driven line by line over its standard input and output.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <string>

extern char** environ;

namespace morune::test {

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
        out_ = ::fdopen(fromChild[0], "r");
        if (failed != 0) throw std::runtime_error("cannot start " + program);
    }
    ~ClientProcess() {
        std::fclose(in_);  // the client ends at the end of its input
        std::fclose(out_);
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    }
    ClientProcess(const ClientProcess&) = delete;
    ClientProcess& operator=(const ClientProcess&) = delete;

    void send(const std::string& command) {
        std::fputs((command + "\n").c_str(), in_);
        std::fflush(in_);
    }
    std::string reply() {
        char line[256];
        if (!std::fgets(line, sizeof line, out_)) return "(no reply)";
        std::string text(line);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        return text;
    }
    std::string ask(const std::string& command) {
        send(command);
        return reply();
    }
    // Ends the client at once, as a crash would.
    void kill() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

private:
    pid_t pid_ = 0;
    FILE* in_ = nullptr;
    FILE* out_ = nullptr;
};

}  // namespace morune::test
