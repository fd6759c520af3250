// How the benchmarks that set a figure beside its floor run: seven
// repetitions in random order unless the command line says otherwise, so
// that a figure and its floor see the same machine; compare their medians.
#pragma once

namespace bench {

// Runs the registered benchmarks; the exit status of main.
int RunInterleaved(int argc, char** argv);

}  // namespace bench
