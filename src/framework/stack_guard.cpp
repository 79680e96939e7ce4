// The stack protector's guard and its failure handlers, in place of the
// compiler runtime's: that one seeds the guard through a cryptographic
// provider, loading several libraries before the first line of the program
// runs. Here the guard is mixed from the clock, the ids, the counters and an
// address, as platform compilers seed their security cookies.
#include "framework/guard_seed.h"

#include <windows.h>

#include <cstdint>

namespace {

// The status the platform reports for an overrun stack buffer.
constexpr UINT kStackBufferOverrun = 0xC0000409;

// Not protected itself: it changes the guard it would be checked against.
__attribute__((no_stack_protector)) std::uint32_t FreshGuard() {
    GuardSources sources{};
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    sources.systemTime = (std::uint64_t(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    sources.processId = ::GetCurrentProcessId();
    sources.threadId = ::GetCurrentThreadId();
    sources.tickCount = ::GetTickCount();
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    sources.performanceCounter = static_cast<std::uint64_t>(counter.QuadPart);
    sources.stackAddress = reinterpret_cast<std::uintptr_t>(&sources);
    return MixGuard(sources);
}

} // namespace

extern "C" {

std::uintptr_t __stack_chk_guard = 0;

// Ends at once: after an overrun nothing in the process can be trusted, not
// even the code that would report it.
[[noreturn]] void __stack_chk_fail() {
    ::TerminateProcess(::GetCurrentProcess(), kStackBufferOverrun);
    __builtin_trap();
}

// A checked string or memory function found its destination too small.
[[noreturn]] void __chk_fail() {
    __stack_chk_fail();
}

} // extern "C"

// Before every other constructor: code that runs earlier is checked against a
// guard that does not change under it.
__attribute__((constructor(101), no_stack_protector)) static void SeedStackGuard() {
    __stack_chk_guard = FreshGuard();
}
