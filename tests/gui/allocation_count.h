// Counts the test program's allocations through operator new, so that a test
// can show that a stretch of code allocates nothing.
#pragma once

#include <cstddef>

std::size_t AllocationCount();
