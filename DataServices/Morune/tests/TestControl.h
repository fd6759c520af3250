// A class of the collector's test program, "Morune.TestControl": it stops
// and moves the clock, sweeps at once, and shows the registrations, so that
// the timing rules are tested without waiting. The product has no such
// class.
#pragma once

#include "Com/Object.h"

namespace morune {

class TestControl : public com::Dispatch<TestControl> {
public:
    static constexpr const char* kClassName = "TestControl";
    // Clock (get; let stops it at that many ms), Sweep(), Keys (see
    // ModulPublic::keys), Active, Pid.
    static const com::Members<TestControl>& Interface();
};

// Stops the collector's clock at `ms` (the tests then move it on by hand).
void StopTickCount(int64_t ms);

}  // namespace morune
