// Start-up: from starting Velmar to its first window painted (the project
// window, written to a picture with --screenshot), beside a bare window of
// the same toolkit started and painted the same way (BareWindow). Each
// iteration times one whole process on the configured database of the
// build tree. Target: Velmar within 2 times the bare window.
// VelmarStartCollectorRunning is Velmar's start while a collector is
// already running: the start-up window creates a collector object, and
// the first one starts the collector's program.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "Com/Registry.h"
#include "support/Files.h"

extern char** environ;

namespace bench {
namespace {

// Runs `program` with `args` to its end; its wall time in seconds, or a
// negative number when it failed.
double TimeProcess(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? took.count() : -1;
}

void Run(benchmark::State& state, const std::vector<std::string>& command) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    for (auto _ : state) {
        const double seconds = TimeProcess(command);
        if (seconds < 0) return state.SkipWithError("the program failed");
        state.SetIterationTime(seconds);
    }
}

testsupport::TempDir& Pictures() {
    static testsupport::TempDir folder;
    return folder;
}

// Velmar showing the project window and writing it to a picture.
std::vector<std::string> VelmarCommand() {
    return {VELMAR_PROGRAM, "--window", "frmProjectes", "--screenshot", Pictures().file("velmar.png")};
}

void BM_VelmarStart(benchmark::State& state) { Run(state, VelmarCommand()); }
BENCHMARK(BM_VelmarStart)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// The same with a collector already running: what its start costs the
// start-up window, which creates a collector object when it loads.
void BM_VelmarStartCollectorRunning(benchmark::State& state) {
    const com::ObjectRef collector = com::CreateObject("Morune.clsDeixalla");
    Run(state, VelmarCommand());
}
BENCHMARK(BM_VelmarStartCollectorRunning)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_BareWindowStart(benchmark::State& state) {
    Run(state, {BARE_WINDOW_PROGRAM, Pictures().file("bare.png")});
}
BENCHMARK(BM_BareWindowStart)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bench

BENCHMARK_MAIN();
