// A runtime folder of the test's own for the object model's servers, so
// that each test gets a collector of its own, ended with the test. The
// collector is the tests' program with its test control (MoruneTestServer)
// unless the test names another, such as the product.
#pragma once

#include <string>

#include "support/Files.h"

namespace testsupport {

// The collector program of the tests.
std::string TestCollector();

// Makes this process start `program` wherever it creates a collector
// object (the test client processes call it too).
void UseCollector(const std::string& program = TestCollector());

class CollectorSandbox {
public:
    explicit CollectorSandbox(std::string program = TestCollector());
    ~CollectorSandbox() { killCollector(); }
    CollectorSandbox(const CollectorSandbox&) = delete;
    CollectorSandbox& operator=(const CollectorSandbox&) = delete;

    // The process number of the running collector, or 0. It holds the
    // lock on its lock file for as long as it lives.
    int collectorPid() const;
    void killCollector() const;
    // Where the collector listens.
    std::string socketPath() const;

private:
    TempDir folder_;
    std::string program_;
};

}  // namespace testsupport
