#include "Repetitions.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace bench {

int RunInterleaved(int argc, char** argv) {
    // The defaults come first: a flag given on the command line after them
    // wins.
    std::string repetitions = "--benchmark_repetitions=7";
    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> args(argv, argv + argc);
    args.insert(args.begin() + 1, {repetitions.data(), interleaving.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
