#include "Veltrona.h"
#include "layout.h"
#include "player_walk.h"
#include "row_position.h"
#include "scaled_layout.h"

// Runs every frame while the scoreboard is open: no allocation once every row's table
// entries exist, and no I/O.
void Veltrona::drawGlyphRows(CanvasWrapper canvas) {
    // The scoreboard may never report closing when the match ends under it: without a game
    // there is nothing to draw over.
    if (!currentGame(*gameWrapper)) return;
    screenSize = gameWrapper->GetScreenSize();
    const bool scaled = layoutChoice == layout::Choice::scaled;
    // The scaled layout lays the rows out on the reference screen, then maps each glyph.
    const std::int32_t width = scaled ? layout::kReferenceWidth : screenSize.X;
    const std::int32_t height = scaled ? layout::kReferenceHeight : screenSize.Y;
    const auto mapping = layout::scaledMapping(screenSize);
    const float drawScale = scaled ? layout::scaledDrawScale(mapping) : layout::kDrawScale;

    const auto& colour = layout::kDrawColour;
    canvas.SetColor(static_cast<char>(colour[0]), static_cast<char>(colour[1]), static_cast<char>(colour[2]),
                    static_cast<char>(colour[3]));
    canvas.SetPosition({0, 0});

    for (std::int32_t row = 0; row < static_cast<std::int32_t>(roster.size()); ++row) {
        const std::string& key = roster[row].playerKey;
        const auto& images = glyphImages[key];
        const auto& widths = glyphWidths[key];
        const std::int32_t y = layout::rowY(row, teamZeroRowCount, height);

        std::int32_t x = layout::kNameStartX;
        bool previousWide = false;
        for (std::size_t glyph = 0; glyph < images.size(); ++glyph) {
            // A missing bit never comes from the rebuild; drawing it narrow keeps the row going.
            bool wide = glyph < widths.size() && widths[glyph];
            if (!previousWide && wide) x -= layout::kNarrowToWidePull;
            if (previousWide && !wide) x += layout::kWideToNarrowPush;
            if (x > width) x = 0;

            canvas.SetPosition(scaled ? layout::scaledPosition(x, y, mapping) : Vector2{x, y});
            // Our own reference for the draw, so the image outlives anything the host does.
            std::shared_ptr<ImageWrapper> image = images[glyph];
            canvas.DrawTexture(image.get(), drawScale);

            x += wide ? layout::kWideAdvance : layout::kNarrowAdvance;
            previousWide = wide;
        }
    }
}
