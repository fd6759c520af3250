// The test program's clock: the steady clock until a test stops it, then
// wherever the test sets it.
#include <optional>

#include "TestControl.h"
#include "TickCount.h"

namespace morune {

namespace {

std::optional<int64_t> stoppedAt;

}  // namespace

int64_t TickCount() { return stoppedAt ? *stoppedAt : SteadyTickCount(); }

void StopTickCount(int64_t ms) { stoppedAt = ms; }

}  // namespace morune
