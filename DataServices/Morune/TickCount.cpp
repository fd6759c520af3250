#include "TickCount.h"

#include <chrono>

namespace morune {

namespace {

const auto start = std::chrono::steady_clock::now();

}  // namespace

int64_t SteadyTickCount() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace morune
