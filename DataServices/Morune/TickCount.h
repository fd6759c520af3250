// The collector's clock: milliseconds since the program started, on a
// monotonic 64-bit count, so that ages stay right however long it runs.
#pragma once

#include <cstdint>

namespace morune {

// The clock the collector reads. Each program of the collector brings it:
// the product's is the steady clock (Morune.cpp); the tests' program has
// one that the tests stop and move (tests/TestClock.cpp).
int64_t TickCount();

// The steady clock.
int64_t SteadyTickCount();

}  // namespace morune
