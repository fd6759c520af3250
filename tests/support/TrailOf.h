// The trail that operations of one class leave, for tests of failures.
#pragma once

#include <initializer_list>
#include <string>

#include "Base/Trail.h"

namespace testsupport {

// "\r<label> - <class> - <operation>" for each operation, in order.
inline std::string TrailOf(base::Location where, std::initializer_list<const char*> operations) {
    std::string trail;
    for (const char* operation : operations) trail += base::TrailEntry(where, operation);
    return trail;
}

}  // namespace testsupport
