// The value of the stack protector's guard, mixed from facts that differ from
// run to run and from process to process; cheap enough to take before any
// other code runs (no cryptographic provider, no library to load).
#pragma once

#include <cstdint>

struct GuardSources {
    std::uint64_t systemTime; // the clock, in its finest unit
    std::uint32_t processId;
    std::uint32_t threadId;
    std::uint32_t tickCount;
    std::uint64_t performanceCounter;
    std::uintptr_t stackAddress; // moved by address space layout randomisation
};

// A guard that is never zero and whose low byte is never zero either, so that a
// string copy cannot write its terminator over a matching guard.
std::uint32_t MixGuard(const GuardSources& sources);
