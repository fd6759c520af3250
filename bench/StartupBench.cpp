// Start-up: from starting Velmar to its first window painted (the project
// window, written to a picture with --screenshot), beside a bare window of
// the same toolkit started and painted the same way (BareWindow). Each
// iteration times one whole process, started from the bench's own
// installation on a sample database of its own. Target: Velmar within 2
// times the bare window.
// VelmarStartCollectorRunning is Velmar's start while a collector is
// already running: the start-up window creates a collector object, and
// the first one starts the collector's program.
// StreetsStart/N is Velmar started on the street window of a project of N
// streets (10,000 and 100,000) to the window painted; StreetsFloor/N its
// floor, the same rows read by the sqlite3 program (output thrown away)
// and then Velmar started on the street window of a project without
// streets. Target: within 2 times, growing linearly.
// Run: StartupBench (see Repetitions.h).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Ado/Connection.h"
#include "BenchDatabase.h"
#include "Com/Registry.h"
#include "Repetitions.h"
#include "support/Files.h"
#include "support/Installation.h"
#include "support/SampleDatabase.h"

extern char** environ;

namespace bench {
namespace {

// Runs `program` with `args` to its end; its wall time in seconds, or a
// negative number when it failed.
double TimeProcess(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // What a program writes is thrown away, as a window's start writes
    // nothing worth reading.
    posix_spawn_file_actions_t output;
    posix_spawn_file_actions_init(&output);
    posix_spawn_file_actions_addopen(&output, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &output, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&output);
    if (spawned != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? took.count() : -1;
}

// Each iteration runs the commands one after the other and is timed as
// their sum.
void Run(benchmark::State& state, const std::vector<std::vector<std::string>>& commands) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    for (auto _ : state) {
        double seconds = 0;
        for (const std::vector<std::string>& command : commands) {
            const double one = TimeProcess(command);
            if (one < 0) return state.SkipWithError("the program failed");
            seconds += one;
        }
        state.SetIterationTime(seconds);
    }
}

testsupport::TempDir& Pictures() {
    static testsupport::TempDir folder;
    return folder;
}

constexpr int32_t kProject = 306;
constexpr const char* kStreetsQuery = "SELECT * FROM T_Carrer WHERE NumProjecte = 306 ORDER BY CodCarrer";

// The sample database with project 306 holding `streets` more streets
// (none: the sample as it stands), named as people name streets, with
// Dravik.INI pointed at it while the benchmark runs.
class Streets {
public:
    explicit Streets(int streets) : db_(testsupport::SampleDatabase(testsupport::Engine::SQLite)) {
        if (streets == 0) return;
        ado::Connection c;
        c.Open(db_->connectionString());
        c.Execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                  std::to_string(streets) +
                  ") INSERT INTO T_Carrer (CodCarrer, NomCarrer, NumProjecte) "
                  "SELECT printf('%s %d', CASE i % 4 WHEN 0 THEN 'Àngel' WHEN 1 THEN 'Sant Jordi' "
                  "WHEN 2 THEN 'major' ELSE 'Plaça Nova' END, (i * 7919) % 1000003), "
                  "printf('Carrer de prova %d', i), " +
                  std::to_string(kProject) + " FROM n");
    }
    std::string file() const { return SqliteFile(db_->connectionString()); }
    const std::string& connectionString() const { return db_->connectionString(); }

private:
    std::unique_ptr<testsupport::TestDatabase> db_;
};

// The program of the bench's own installation: one started from the build
// tree reads the build tree's settings, not the database the bench points
// the data access library at.
std::string Velmar() { return testsupport::OwnInstallation().path("UserServices/Velmar/Velmar"); }

// Velmar on the sample database, showing the project window and writing it
// to a picture.
std::vector<std::string> VelmarCommand() {
    Activate<Streets>(0);
    return {Velmar(), "--window", "frmProjectes", "--screenshot", Pictures().file("velmar.png")};
}

void BM_VelmarStart(benchmark::State& state) { Run(state, {VelmarCommand()}); }
BENCHMARK(BM_VelmarStart)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// The same with a collector already running: what its start costs the
// start-up window, which creates a collector object when it loads.
void BM_VelmarStartCollectorRunning(benchmark::State& state) {
    const std::vector<std::string> command = VelmarCommand();
    const com::ObjectRef collector = com::CreateObject("Morune.clsDeixalla");
    Run(state, {command});
}
BENCHMARK(BM_VelmarStartCollectorRunning)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_BareWindowStart(benchmark::State& state) {
    Run(state, {{BARE_WINDOW_PROGRAM, Pictures().file("bare.png")}});
}
BENCHMARK(BM_BareWindowStart)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

// --- the street window ----------------------------------------------------

std::vector<std::string> StreetsCommand(int32_t project) {
    return {Velmar(), "--window", "frmCarrers", "--project", std::to_string(project), "--screenshot",
            Pictures().file("streets.png")};
}

void BM_StreetsStart(benchmark::State& state) {
    Activate<Streets>(static_cast<int>(state.range(0)));
    Run(state, {StreetsCommand(kProject)});
}
BENCHMARK(BM_StreetsStart)->Arg(10000)->Arg(100000)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_StreetsFloor(benchmark::State& state) {
    const Streets& streets = Activate<Streets>(static_cast<int>(state.range(0)));
    Run(state, {{SQLITE3_PROGRAM, "-readonly", streets.file(), kStreetsQuery}, StreetsCommand(999999)});
}
BENCHMARK(BM_StreetsFloor)->Arg(10000)->Arg(100000)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bench

int main(int argc, char** argv) { return bench::RunInterleaved(argc, argv); }
