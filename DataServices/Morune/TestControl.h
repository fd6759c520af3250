// A class for the collector's tests, served only when the program starts
// with MORUNE_TEST_CONTROL set: it stops and moves the clock, sweeps at
// once, and shows the registrations, so that the timing rules are tested
// without waiting.
#pragma once

#include "Com/Object.h"

namespace morune {

inline constexpr const char* kTestControlVariable = "MORUNE_TEST_CONTROL";

class TestControl : public com::Dispatch<TestControl> {
public:
    static constexpr const char* kClassName = "TestControl";
    // Clock (get; let stops it at that many ms), Sweep(), Keys (see
    // ModulPublic::keys), Active, Pid.
    static const com::Members<TestControl>& Interface();
    // Registers "Morune.TestControl" when the variable is set.
    static void RegisterWhenAsked();
};

}  // namespace morune
