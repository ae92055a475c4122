#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "RosterEntry.h"
#include "TessarinPlugin.h"
#include "Vector2.h"
#include "glyph_tables.h"
#include "glyph_work.h"
#include "layout.h"

// The plugin object. Every handler the host calls is a member, and all state lives here;
// the host never runs two of them at once, so nothing is locked.
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

    // Scoreboard-open refresh, in the order it runs.
    void pruneRoster();
    void refreshScores();
    void orderRoster();

    // Per frame while the scoreboard is open.
    void drawGlyphRows(CanvasWrapper canvas);

    GlyphTables glyphTables() { return {glyphImages, glyphWidths, glyphCodes, glyphNames, loadedImages}; }

    Vector2 screenSize{0, 0};
    std::vector<RosterEntry> roster;
    GlyphImageTable glyphImages;
    GlyphWidthTable glyphWidths;
    GlyphCodeTable glyphCodes;
    GlyphNameTable glyphNames;
    LoadedImages loadedImages;
    bool scoreboardClosed = true;
    std::int32_t teamZeroRowCount = 0;
    layout::Choice layoutChoice = layout::Choice::fixed;
};
