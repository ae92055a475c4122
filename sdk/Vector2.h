#pragma once

#include <cstdint>

// A screen position or size in whole pixels.
struct Vector2 {
    std::int32_t X = 0;
    std::int32_t Y = 0;

    friend bool operator==(const Vector2&, const Vector2&) = default;
};
