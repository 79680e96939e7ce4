#include "framework/guard_seed.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(GuardSeed, EverySourceCountsAndTheLowByteIsNeverZero) {
    const GuardSources base{0x01dc5f2a3b4c5d6eULL, 4660, 22136, 987654, 0, 0x0065fd24};
    GuardSources changed[5] = {base, base, base, base, base};
    changed[0].systemTime += 1;
    changed[1].processId += 4;
    changed[2].threadId += 4;
    changed[3].tickCount += 1;
    changed[4].stackAddress += 16;
    std::set<std::uint32_t> guards;
    for (const GuardSources& sources : changed)
        guards.insert(MixGuard(sources));
    // Neighbouring counter readings, from the base itself on.
    GuardSources sources = base;
    for (sources.performanceCounter = 0; sources.performanceCounter < 4096;
         ++sources.performanceCounter)
        guards.insert(MixGuard(sources));
    EXPECT_EQ(guards.size(), 5u + 4096u);
    for (std::uint32_t guard : guards)
        ASSERT_NE(guard & 0xff, 0u) << std::hex << guard;
}

} // namespace
