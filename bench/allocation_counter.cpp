#include "allocation_counter.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> allocations{0};
std::atomic<std::size_t> live{0};
std::atomic<std::size_t> peak{0};

void* allocate(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) throw std::bad_alloc();
    allocations.fetch_add(1, std::memory_order_relaxed);
    auto now = live.fetch_add(malloc_usable_size(p), std::memory_order_relaxed) + malloc_usable_size(p);
    auto highest = peak.load(std::memory_order_relaxed);
    while (now > highest && !peak.compare_exchange_weak(highest, now, std::memory_order_relaxed)) {
    }
    return p;
}

void release(void* p) {
    if (p == nullptr) return;
    live.fetch_sub(malloc_usable_size(p), std::memory_order_relaxed);
    std::free(p);
}
}  // namespace

std::size_t allocationCount() { return allocations.load(std::memory_order_relaxed); }
std::size_t liveBytes() { return live.load(std::memory_order_relaxed); }
std::size_t peakLiveBytes() { return peak.load(std::memory_order_relaxed); }
void resetPeakLiveBytes() { peak.store(live.load(std::memory_order_relaxed), std::memory_order_relaxed); }

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }

void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }
