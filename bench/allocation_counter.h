#pragma once

#include <cstddef>

// Heap allocations made by this process so far, counted by the benchmark binary's own
// global operator new.
std::size_t allocationCount();

// Bytes held on the heap through operator new now, and the most held since the last reset
// of the peak (glibc's usable sizes, so a little above what was asked for).
std::size_t liveBytes();
std::size_t peakLiveBytes();
void resetPeakLiveBytes();
