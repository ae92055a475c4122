#include "Veltrona.h"
#include "names.h"

void Veltrona::onTeamChanged(std::string) {
    if (!rebuildRoster(roster_, *gameWrapper)) return;
    // While the scoreboard is open the rows stay as the opening pruned them.
    if (overlay_.scoreboardClosed) logPrune(pruneRoster(roster_, *gameWrapper));
    // Rows go over their own team's block even when the scoreboard is already open.
    orderRoster(roster_);
}

void Veltrona::onOpenScoreboard(std::string) {
    // Opened again without a close in between: the rows and scores stay as they were.
    if (overlay_.scoreboardClosed) {
        logPrune(pruneRoster(roster_, *gameWrapper));
        refreshScores(roster_, *gameWrapper);
    }
    orderRoster(roster_);
    showOverlay(overlay_, roster_, *gameWrapper);
}

void Veltrona::onCloseScoreboard(std::string) { hideOverlay(overlay_, *gameWrapper); }

void Veltrona::logPrune(const PruneReport& report) {
    for (int i = 0; i < report.nullPlayers; ++i) cvarManager->log(veltrona::kLogNullPlayer);
    for (const auto& key : report.erasedKeys) cvarManager->log(veltrona::kLogErasePrefix + key);
}
