#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "CanvasWrapper.h"
#include "GameWrapper.h"
#include "Vector2.h"
#include "layout.h"
#include "roster.h"

// What the overlay shows and how: whether the scoreboard is open (the names are drawn only
// then), the layout the player chose, and the screen the last frame was drawn on.
struct Overlay {
    bool scoreboardClosed = true;
    // Scaled is the fixed layout to the pixel on 1920 x 1080, and right on every other screen.
    layout::Choice layoutChoice = layout::Choice::scaled;
    Vector2 screenSize{0, 0};
    // A frame that failed stops the drawing until the scoreboard opens again, rather than
    // failing (and saying so) sixty times a second.
    bool drawingStopped = false;
    // Each row's record as of the roster's version `rowRecordsVersion`: records stay where
    // they are until the roster changes, and a lookup per row per frame costs more than the
    // name image it finds.
    std::vector<const PlayerGlyphs*> rowRecords;
    const Roster* rowRecordsOf = nullptr;
    std::uint64_t rowRecordsVersion = 0;
};

// Starts calling `draw` every frame. It refers to the overlay's holder without owning it:
// the holder takes it back (hideOverlay or the host's unregistering) before it goes.
void showOverlay(Overlay& overlay, GameWrapper& game, std::function<void(CanvasWrapper)> draw);

void hideOverlay(Overlay& overlay, GameWrapper& game);

// Per frame while the scoreboard is open: no allocation and no I/O.
void drawGlyphRows(Overlay& overlay, const Roster& roster, GameWrapper& game, CanvasWrapper canvas);
