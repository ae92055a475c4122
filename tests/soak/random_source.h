#pragma once

// A seeded source of choices that gives the same sequence on every platform: the engine's
// output is fixed by the C++ standard, the library's distributions are not, so the ranges
// are cut here instead.

#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

namespace soak {

class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

    // A whole number from 0 to n - 1; n > 0. The bias of the modulo is below 2^-32 for
    // every n used here.
    std::uint64_t below(std::uint64_t n) { return engine_() % n; }

    // A whole number from low to high, both included.
    std::int64_t between(std::int64_t low, std::int64_t high) {
        auto span = static_cast<std::uint64_t>(high) - static_cast<std::uint64_t>(low) + 1;
        return static_cast<std::int64_t>(static_cast<std::uint64_t>(low) + below(span));
    }

    bool oneIn(std::uint64_t n) { return below(n) == 0; }

    template <typename T>
    const T& pick(const std::vector<T>& items) {
        return items[below(items.size())];
    }

    // An index into weights, each index as likely as its weight; the weights are not all 0.
    std::size_t weighted(std::initializer_list<unsigned> weights) {
        std::uint64_t total = 0;
        for (auto w : weights) total += w;
        auto roll = below(total);
        std::size_t index = 0;
        for (auto w : weights) {
            if (roll < w) return index;
            roll -= w;
            ++index;
        }
        return index - 1;
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace soak
