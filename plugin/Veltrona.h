#pragma once

#include <string>
#include <vector>

#include "TessarinPlugin.h"
#include "overlay.h"
#include "roster.h"

// The plugin object: holds the roster and the overlay and wires the host's callbacks to
// them. The host never runs two handlers at once, so nothing is locked.
class Veltrona final : public Tessarin::Plugin::TessarinPlugin {
public:
    void onLoad() override;
    void onUnload() override;

    // The console command's handler: takes the layout word, if any, then hooks the game
    // events while in an online game.
    void runCommand(const std::vector<std::string>& words);
    void hookGameEvents();

    // Game events.
    void onTeamChanged(std::string eventName);
    void onOpenScoreboard(std::string eventName);
    void onCloseScoreboard(std::string eventName);

    const Roster& roster() const { return roster_; }
    const Overlay& overlay() const { return overlay_; }

private:
    void logPrune(const PruneReport& report);

    Roster roster_;
    Overlay overlay_;
};
