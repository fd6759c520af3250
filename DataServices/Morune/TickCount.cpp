#include "TickCount.h"

#include <chrono>
#include <optional>

namespace morune {

namespace {

const auto start = std::chrono::steady_clock::now();
std::optional<int64_t> stoppedAt;

}  // namespace

int64_t TickCount() {
    if (stoppedAt) return *stoppedAt;
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
        .count();
}

void StopTickCount(int64_t ms) { stoppedAt = ms; }

}  // namespace morune
