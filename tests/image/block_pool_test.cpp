// The pool libpng and zlib take their memory from while a writer writes file after file.

#include "block_pool.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

bool aligned(const void* block) {
    return reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t) == 0;
}

// What the next file asks for, as large as the last file's, is the last file's block:
// nothing goes back to the heap between files.
TEST(BlockPool, HandsBackTheBlockGivenForTheSameSize) {
    pngfile::BlockPool pool;
    void* window = pool.take(65536);
    void* state = pool.take(5952);
    ASSERT_NE(window, nullptr);
    ASSERT_NE(state, nullptr);
    pool.give(window);
    pool.give(state);
    EXPECT_EQ(pool.take(65536), window);
    // Within the same power of two, a little less is the same block.
    EXPECT_EQ(pool.take(4500), state);
    pool.give(window);
    pool.give(state);
}

// A block waiting in the pool is never handed out for more than it holds; writing all of
// what was asked for shows under AddressSanitizer if it were.
TEST(BlockPool, NeverHandsOutABlockSmallerThanAsked) {
    pngfile::BlockPool pool;
    void* row = pool.take(1024);
    pool.give(row);
    void* wider = pool.take(1025);
    ASSERT_NE(wider, nullptr);
    EXPECT_NE(wider, row);
    std::memset(wider, 0xAB, 1025);
    pool.give(wider);
}

TEST(BlockPool, EveryBlockIsAlignedForAnyTypeAndWhollyUsable) {
    pngfile::BlockPool pool;
    std::vector<void*> blocks;
    for (std::size_t bytes : {0, 1, 15, 16, 17, 1000, 4096, 65537, 300000}) {
        void* block = pool.take(bytes);
        ASSERT_NE(block, nullptr) << bytes;
        EXPECT_TRUE(aligned(block)) << bytes;
        std::memset(block, 0xCD, bytes);
        blocks.push_back(block);
    }
    for (void* block : blocks) pool.give(block);
    pool.give(nullptr);
}

TEST(BlockPool, RefusesASizeNoHeapHas) {
    pngfile::BlockPool pool;
    EXPECT_EQ(pool.take(static_cast<std::size_t>(-1)), nullptr);
}

}  // namespace
