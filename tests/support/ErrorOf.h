// The error number a piece of work raises, for tests of failures.
#pragma once

#include <cstdint>

#include "Com/ComError.h"

namespace testsupport {

// The number of the com::ComError that `work` raises, 0 when it raises none.
template <class Work>
int32_t ErrorOf(Work work) {
    try {
        work();
    } catch (const com::ComError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace testsupport
