// Waiting in tests for what another thread or process does in its time.
#pragma once

#include <chrono>
#include <thread>

namespace testsupport {

// Whether `condition` holds within five seconds, asked every 5 ms.
template <class Condition>
bool Eventually(Condition condition) {
    using namespace std::chrono_literals;
    for (auto end = std::chrono::steady_clock::now() + 5s; std::chrono::steady_clock::now() < end;) {
        if (condition()) return true;
        std::this_thread::sleep_for(5ms);
    }
    return condition();
}

}  // namespace testsupport
