#pragma once

// What a screenshot shows: a dark screen with the game's two scoreboard blocks, team zero's
// above the vertical centre and the other team's below it, and over them every glyph image
// the frame drew.

#include "frame_record.h"
#include "glyph_image_cache.h"
#include "picture.h"

namespace hostrun {

// How many rows each scoreboard block shows: enough to hold every glyph drawn on its side
// of the centre, and at least one.
struct BlockRows {
    int upper = 1;
    int lower = 1;
};

BlockRows blockRows(const DrawnFrame& frame);

// A picture of the screen with the two blocks, rows striped, where the game puts them: its
// 1920 x 1080 layout scaled with the screen's height about the screen's centre, as the
// game's interface scales, whatever layout the plugin drew its names in. Names the plugin
// puts elsewhere show beside their rows.
pngfile::RgbaImage scoreboardPicture(Vector2 screen, BlockRows rows);

// Every draw in order, at its position and scale, tinted by its colour. An image that
// cannot be shown becomes a red frame the size of its glyph, narrow or wide, so that
// missing files stand out.
void paintDraws(pngfile::RgbaImage& picture, const DrawnFrame& frame, GlyphImageCache& images);

// The rectangle a glyph image of the given size covers when drawn at position and scale.
Rect drawnRect(Vector2 position, int width, int height, float scale);

}  // namespace hostrun
