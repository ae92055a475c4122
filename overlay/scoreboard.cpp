#include "Veltrona.h"

void Veltrona::onOpenScoreboard(std::string) {
    pruneRoster();
    refreshScores();
    orderRoster();
    scoreboardClosed = false;
    gameWrapper->UnregisterDrawables();
    // The host keeps the callable; it refers to the plugin without owning it, and onUnload
    // takes it back before the plugin goes.
    Veltrona* self = this;
    gameWrapper->RegisterDrawable([self](CanvasWrapper canvas) { self->drawGlyphRows(canvas); });
}

void Veltrona::onCloseScoreboard(std::string) {
    gameWrapper->UnregisterDrawables();
    scoreboardClosed = true;
}
