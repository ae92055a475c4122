#include "block_pool.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace pngfile {
namespace {

// Each block starts with its size class, in a header as large as the alignment malloc
// gives, so that what follows keeps that alignment.
constexpr std::size_t kHeader = alignof(std::max_align_t);
constexpr std::size_t kSmallestBlock = 16;
constexpr std::size_t kLargestBlock = std::size_t{1} << (std::numeric_limits<std::size_t>::digits - 2);

unsigned char* headerOf(void* block) { return static_cast<unsigned char*>(block) - kHeader; }

}  // namespace

BlockPool::~BlockPool() { release(); }

BlockPool& BlockPool::operator=(BlockPool&& other) noexcept {
    if (this != &other) {
        release();
        idle = std::move(other.idle);
    }
    return *this;
}

void BlockPool::release() {
    for (auto& blocks : idle) {
        for (void* block : blocks) std::free(headerOf(block));
    }
    idle.clear();
}

void* BlockPool::take(std::size_t bytes) noexcept {
    if (bytes > kLargestBlock) return nullptr;
    const auto sizeClass = static_cast<std::size_t>(std::bit_width(std::max(bytes, kSmallestBlock) - 1));
    if (sizeClass < idle.size() && !idle[sizeClass].empty()) {
        void* block = idle[sizeClass].back();
        idle[sizeClass].pop_back();
        return block;
    }
    auto* start = static_cast<unsigned char*>(std::malloc(kHeader + (std::size_t{1} << sizeClass)));
    if (start == nullptr) return nullptr;
    std::memcpy(start, &sizeClass, sizeof sizeClass);
    return start + kHeader;
}

// Called from libpng's C code, so nothing may be thrown: a block with no room to wait in
// goes back to the heap.
void BlockPool::give(void* block) noexcept {
    if (block == nullptr) return;
    std::size_t sizeClass = 0;
    std::memcpy(&sizeClass, headerOf(block), sizeof sizeClass);
    try {
        if (sizeClass >= idle.size()) idle.resize(sizeClass + 1);
        idle[sizeClass].push_back(block);
    } catch (...) {
        std::free(headerOf(block));
    }
}

}  // namespace pngfile
