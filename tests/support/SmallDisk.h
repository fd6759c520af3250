// A disk that fills, for the tests of what a full disk does: the test runs
// again in a process of its own, in a user and mount namespace of its own
// where the temporary folder is a small file system in memory (tmpfs), so
// that whatever the test keeps in temporary folders (its database) lies on
// it, and the kernel itself says the disk is full. A system that gives no
// user namespaces skips the test.
//
//   TEST_F(Window, AFullDisk...) {
//       if (!testsupport::OnSmallDisk()) {
//           const testsupport::SmallDiskRun run = testsupport::RunOnSmallDisk(2 << 20);
//           if (!run.ran) GTEST_SKIP() << run.output;
//           EXPECT_TRUE(run.passed) << run.output;
//           return;
//       }
//       ...                      // the test proper, on the small disk
//       testsupport::DiskFiller full;
//       ...                      // what the full disk does
//   }
#pragma once

#include <cstddef>
#include <string>

namespace testsupport {

// Whether this process runs a test on the small disk.
bool OnSmallDisk();

// The outcome of the current test run again on a small disk of `bytes`.
struct SmallDiskRun {
    bool ran = false;     // false when the system gives no user namespace or tmpfs
    bool passed = false;
    std::string output;   // what that run printed
};
SmallDiskRun RunOnSmallDisk(size_t bytes);

// Takes every byte left on the small disk while it lives.
class DiskFiller {
public:
    DiskFiller();
    ~DiskFiller();
    DiskFiller(const DiskFiller&) = delete;
    DiskFiller& operator=(const DiskFiller&) = delete;

private:
    std::string path_;
};

}  // namespace testsupport
