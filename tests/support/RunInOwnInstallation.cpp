// Runs a test program from an installation of its own, made for this run
// and removed after it:
//
//   RunInOwnInstallation <test program of the build tree> [arguments...]
//
// The program is linked at its place in the installation, so that it loads
// the installation's libraries ($ORIGIN) and every settings file that it or
// they read (the object model's, the one beside the program) is the
// installation's. CTest starts every test program through it: a test then
// writes no settings file of the build tree, and two tests that run at
// once share none.
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <exception>
#include <system_error>

#include "support/Installation.h"

namespace {

pid_t child = -1;

// An end asked of this process (CTest's time limit, Ctrl+C) is the test's.
void PassOn(int signal) {
    if (child > 0) ::kill(child, signal);
}

// How the test program ended: its exit code, or the signal that ended it.
int Run(const testsupport::Installation& own, char** argv) {
    std::string program = own.linkFromBuild(argv[0]);
    argv[0] = program.data();
    own.handDown();
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) std::signal(signal, PassOn);
    child = ::fork();
    if (child < 0) throw std::system_error(errno, std::generic_category(), "fork");
    if (child == 0) {
        // A run killed outright leaves no test behind.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::execv(program.c_str(), argv);
        std::perror(program.c_str());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <test program> [arguments...]\n", argv[0]);
        return 2;
    }
    int status = 0;
    try {
        const testsupport::Installation own;
        status = Run(own, argv + 1);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
        return 2;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    // Ends as the test did, once the installation is gone, so that CTest
    // reports the crash as the test's.
    std::signal(WTERMSIG(status), SIG_DFL);
    std::raise(WTERMSIG(status));
    return 128 + WTERMSIG(status);
}
