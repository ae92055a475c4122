#include "overlay.h"

void showOverlay(Overlay& overlay, const Roster& roster, GameWrapper& game) {
    overlay.scoreboardClosed = false;
    game.UnregisterDrawables();
    Overlay* shown = &overlay;
    const Roster* drawn = &roster;
    GameWrapper* host = &game;
    game.RegisterDrawable(
        [shown, drawn, host](CanvasWrapper canvas) { drawGlyphRows(*shown, *drawn, *host, canvas); });
}

void hideOverlay(Overlay& overlay, GameWrapper& game) {
    game.UnregisterDrawables();
    overlay.scoreboardClosed = true;
}
