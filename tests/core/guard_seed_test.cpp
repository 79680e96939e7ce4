#include "framework/guard_seed.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const GuardSources kBase{0x01dc5f2a3b4c5d6eULL, 4660, 22136, 987654, 123456789012ULL, 0x0065fd24};

TEST(GuardSeed, EverySourceChangesTheGuard) {
    GuardSources sources[6] = {kBase, kBase, kBase, kBase, kBase, kBase};
    sources[0].systemTime += 1;
    sources[1].processId += 4;
    sources[2].threadId += 4;
    sources[3].tickCount += 1;
    sources[4].performanceCounter += 1;
    sources[5].stackAddress += 16;
    std::set<std::uint32_t> guards{MixGuard(kBase)};
    for (const GuardSources& changed : sources)
        guards.insert(MixGuard(changed));
    EXPECT_EQ(guards.size(), 7u);
}

TEST(GuardSeed, LowByteIsNeverZeroAndNeighbouringCountersSpreadWide) {
    GuardSources sources = kBase;
    std::set<std::uint32_t> guards;
    for (std::uint64_t counter = 0; counter < 4096; ++counter) {
        sources.performanceCounter = counter;
        const std::uint32_t guard = MixGuard(sources);
        ASSERT_NE(guard & 0xff, 0u) << counter;
        guards.insert(guard);
    }
    EXPECT_EQ(guards.size(), 4096u);
}

} // namespace
