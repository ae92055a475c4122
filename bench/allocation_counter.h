#pragma once

#include <cstddef>

// Heap allocations made by this process so far, counted by the benchmark binary's own
// global operator new.
std::size_t allocationCount();
