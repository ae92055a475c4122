#include "overlay.h"

void showOverlay(Overlay& overlay, GameWrapper& game, std::function<void(CanvasWrapper)> draw) {
    overlay.scoreboardClosed = false;
    overlay.drawingStopped = false;
    game.UnregisterDrawables();
    game.RegisterDrawable(std::move(draw));
}

void hideOverlay(Overlay& overlay, GameWrapper& game) {
    game.UnregisterDrawables();
    overlay.scoreboardClosed = true;
}
