#include "batch_heap.h"

// Any library header says which C library this is.
#include <cstddef>

#if defined(__GLIBC__)

#include <malloc.h>

namespace {

// Beyond any picture a run makes (a name is at most 16 row heights wide) and below what
// would matter to the machine.
constexpr std::size_t kKeptTopBytes = std::size_t{64} << 20;
constexpr std::size_t kOwnMappingBytes = std::size_t{32} << 20;

}  // namespace

void keepFreedHeapForBatch() {
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(kKeptTopBytes));
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(kOwnMappingBytes));
}

#else

void keepFreedHeapForBatch() {}

#endif
