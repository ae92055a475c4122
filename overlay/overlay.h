#pragma once

#include "CanvasWrapper.h"
#include "GameWrapper.h"
#include "Vector2.h"
#include "layout.h"
#include "roster.h"

// What the overlay shows and how: whether the scoreboard is open (the names are drawn only
// then), the layout the player chose, and the screen the last frame was drawn on.
struct Overlay {
    bool scoreboardClosed = true;
    layout::Choice layoutChoice = layout::Choice::fixed;
    Vector2 screenSize{0, 0};
};

// Starts drawing the roster's names every frame. The drawable refers to both without owning
// them: their holder takes it back (hideOverlay or the host's unregistering) before they go.
void showOverlay(Overlay& overlay, const Roster& roster, GameWrapper& game);

void hideOverlay(Overlay& overlay, GameWrapper& game);

// Per frame while the scoreboard is open: no allocation and no I/O.
void drawGlyphRows(Overlay& overlay, const Roster& roster, GameWrapper& game, CanvasWrapper canvas);
