#include "framework/guard_seed.h"

namespace {

// One step of a 64-bit finaliser: every input bit reaches every output bit.
std::uint64_t Scramble(std::uint64_t value) {
    value ^= value >> 33;
    value *= 0xff51afd7ed558ccdULL;
    value ^= value >> 33;
    value *= 0xc4ceb9fe1a85ec53ULL;
    value ^= value >> 33;
    return value;
}

} // namespace

std::uint32_t MixGuard(const GuardSources& sources) {
    std::uint64_t state = Scramble(sources.systemTime);
    state = Scramble(state ^ ((std::uint64_t(sources.processId) << 32) | sources.threadId));
    state = Scramble(state ^ sources.tickCount);
    state = Scramble(state ^ sources.performanceCounter);
    state = Scramble(state ^ sources.stackAddress);
    std::uint32_t guard = static_cast<std::uint32_t>(state ^ (state >> 32));
    if ((guard & 0xff) == 0)
        guard |= 0x5a;
    return guard;
}
