#pragma once

#include <cstddef>
#include <vector>

namespace pngfile {

// Memory handed out and taken back again and again in blocks of the same few sizes: what
// libpng and zlib ask for while writing a file (libpng's state, zlib's window and tables of
// a quarter megabyte, a row or two). Taken back, a block waits for the next file instead of
// going to the heap, so the heap does not grow and shrink, nor its pages fault in anew,
// once per file. Blocks come in powers of two; all are freed with the pool.
class BlockPool {
public:
    BlockPool() = default;
    ~BlockPool();
    BlockPool(BlockPool&& other) noexcept = default;
    BlockPool& operator=(BlockPool&& other) noexcept;
    BlockPool(const BlockPool&) = delete;
    BlockPool& operator=(const BlockPool&) = delete;

    // At least `bytes`, aligned for any type; nullptr when the heap has no room.
    void* take(std::size_t bytes) noexcept;
    // A block from take, or nullptr.
    void give(void* block) noexcept;

private:
    void release();

    std::vector<std::vector<void*>> idle;  // waiting blocks, by the power of two of their size
};

}  // namespace pngfile
