#pragma once

// What a picture of a frame needs: the screen size and each glyph image drawn, with the
// position and colour in effect when it was drawn.

#include <array>
#include <cstdint>
#include <vector>

#include "Vector2.h"
#include "world.h"

namespace hostrun {

struct GlyphDraw {
    Vector2 position{};
    float scale = 0.0f;
    int image = -1;  // handle into the world's images; -1 for no image
    std::array<std::uint8_t, 4> colour{};
};

struct DrawnFrame {
    Vector2 screen{};
    std::vector<GlyphDraw> draws;
};

// Replaces frame with the frame the world has just drawn, read from its call record. The
// draw list keeps its storage, so recording every frame of a long run allocates nothing
// once it has grown to the largest frame.
void recordFrame(const sim::World& world, DrawnFrame& frame);

}  // namespace hostrun
