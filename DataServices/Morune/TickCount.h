// The collector's clock: milliseconds since the program started, on a
// monotonic 64-bit count, so that ages stay right however long it runs.
#pragma once

#include <cstdint>

namespace morune {

int64_t TickCount();

// Stops the clock at `ms` (tests set it, then move it on by hand).
void StopTickCount(int64_t ms);

}  // namespace morune
