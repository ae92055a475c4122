#pragma once

// What a picture of a frame needs: the screen size and each glyph image drawn, with the
// position and colour in effect when it was drawn.

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "Vector2.h"
#include "world.h"

namespace hostrun {

struct GlyphDraw {
    Vector2 position{};
    float scale = 0.0f;
    int image = -1;  // index into the frame's images; -1 for no image
    std::array<std::uint8_t, 4> colour{};
};

struct DrawnFrame {
    Vector2 screen{};
    std::vector<GlyphDraw> draws;
    // The images the frame drew, each once: the picture is painted after the run, when
    // the plugin may have let them go.
    std::vector<sim::Image> images;
    std::unordered_map<int, int> imageIndex;  // world handle -> index into images
};

// Replaces frame with the frame the world has just drawn, read from its call record. Only
// runs that take a screenshot record frames.
void recordFrame(const sim::World& world, DrawnFrame& frame);

}  // namespace hostrun
