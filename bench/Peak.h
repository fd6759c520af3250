// The memory an operation takes at its peak, for the benchmarks' counters.
#pragma once

#include <functional>

namespace bench {

// The resident memory the kernel records as the highest while `run` runs,
// over what the process held just before it (reset first), in bytes.
double PeakBytes(const std::function<void()>& run);

}  // namespace bench
