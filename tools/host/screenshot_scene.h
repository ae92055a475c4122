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
    // Whether the frame was drawn in the scaled layout (its glyphs at another scale than the
    // fixed one's): the blocks then follow the rows onto the real screen as the glyphs do.
    bool scaled = false;
};

BlockRows blockRows(const DrawnFrame& frame);

// A picture of the screen with the two blocks, rows striped, placed where the plugin puts
// its rows.
pngfile::RgbaImage scoreboardPicture(Vector2 screen, BlockRows rows);

// Every draw in order, at its position and scale, tinted by its colour. An image that
// cannot be shown becomes a red frame the size of its glyph, narrow or wide, so that
// missing files stand out.
void paintDraws(pngfile::RgbaImage& picture, const DrawnFrame& frame, GlyphImageCache& images);

// The rectangle a glyph image of the given size covers when drawn at position and scale.
Rect drawnRect(Vector2 position, int width, int height, float scale);

}  // namespace hostrun
