#include "layout.h"
#include "overlay.h"
#include "player_walk.h"
#include "row_position.h"
#include "scaled_layout.h"

void drawGlyphRows(Overlay& overlay, const Roster& roster, GameWrapper& game, CanvasWrapper canvas) {
    // The scoreboard may never report closing when the match ends under it: without a game
    // there is nothing to draw over.
    if (!currentGame(game)) return;
    overlay.screenSize = game.GetScreenSize();
    const Vector2 screen = overlay.screenSize;
    const bool scaled = overlay.layoutChoice == layout::Choice::scaled;
    // The scaled layout lays the rows out on the reference screen, then maps each glyph.
    const std::int32_t height = scaled ? layout::kReferenceHeight : screen.Y;
    const auto mapping = layout::scaledMapping(screen);
    const float drawScale = scaled ? layout::scaledDrawScale(mapping) : layout::kDrawScale;
    // Whether a glyph running to x (layout pixels) still ends on the screen.
    auto fits = [&](std::int32_t end) {
        return scaled ? layout::scaledX(end, mapping) <= screen.X : end <= screen.X;
    };

    const auto& colour = layout::kDrawColour;
    canvas.SetColor(static_cast<char>(colour[0]), static_cast<char>(colour[1]), static_cast<char>(colour[2]),
                    static_cast<char>(colour[3]));
    canvas.SetPosition({0, 0});

    const auto& rows = roster.rows;
    if (overlay.rowRecordsOf != &roster || overlay.rowRecordsVersion != roster.version) {
        overlay.rowRecords.clear();
        for (const auto& entry : rows)
            overlay.rowRecords.push_back(findPlayerGlyphs(roster.glyphs, entry.playerKey));
        overlay.rowRecordsOf = &roster;
        overlay.rowRecordsVersion = roster.version;
    }
    for (std::int32_t row = 0; row < static_cast<std::int32_t>(rows.size()); ++row) {
        // A row whose key has no glyphs keeps its place and draws nothing.
        const auto* player = overlay.rowRecords[static_cast<std::size_t>(row)];
        if (player == nullptr) continue;
        const std::int32_t y = layout::rowY(row, roster.teamZeroRowCount, height);

        // A name set as text is one image, made for this screen: it fits without a cut.
        if (player->text.image) {
            const Vector2 start = scaled ? layout::scaledPosition(layout::kNameStartX, y, mapping)
                                         : Vector2{layout::kNameStartX, y};
            // The request is final once its image is made: its offset can be read.
            const auto& request = *player->text.request;
            canvas.SetPosition({start.X + request.offsetX, start.Y + request.offsetY});
            canvas.DrawTexture(player->text.image.get(), layout::kNameImageScale);
            continue;
        }

        std::int32_t x = layout::kNameStartX;
        bool previousWide = false;
        for (const auto& glyph : player->glyphs) {
            if (!previousWide && glyph.wide) x -= layout::kNarrowToWidePull;
            if (previousWide && !glyph.wide) x += layout::kWideToNarrowPush;
            const std::int32_t advance = glyph.wide ? layout::kWideAdvance : layout::kNarrowAdvance;
            // A long name is cut at the screen's edge, never carried on over the game.
            if (!fits(x + advance)) break;

            canvas.SetPosition(scaled ? layout::scaledPosition(x, y, mapping) : Vector2{x, y});
            // Our own reference for the draw, so the image outlives anything the host does.
            std::shared_ptr<ImageWrapper> image = glyph.image;
            canvas.DrawTexture(image.get(), drawScale);

            x += advance;
            previousWide = glyph.wide;
        }
    }
}
