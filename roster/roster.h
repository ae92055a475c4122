#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GameWrapper.h"
#include "roster_entry.h"
#include "player_glyphs.h"

// The scoreboard rows the overlay draws, and the glyphs their names are drawn with.
struct Roster {
    std::vector<RosterEntry> rows;
    // The first this many rows (once ordered) are team zero's and go over the upper block.
    std::int32_t teamZeroRowCount = 0;
    GlyphStore glyphs;
    // Counts the changes to the rows and to which keys have records, so that the renderer can
    // keep each row's record from one change to the next instead of looking it up every frame.
    std::uint64_t version = 0;
};

// A player whose name has characters without a glyph file, as the rebuild met it.
struct PlayerMissingGlyphs {
    std::string keptName;
    std::vector<MissingGlyph> glyphs;
};

struct RebuildReport {
    bool gameFound = false;
    // Players whose glyphs were made at this rebuild and miss some files, in list order.
    std::vector<PlayerMissingGlyphs> missing;
};

// Rebuilds the rows from the game's player list (spectators get none), gives every new or
// renamed key its glyphs and drops the glyphs of keys no player holds. Without a game it
// changes nothing. The rows are built aside: if anything fails they stay as they were.
RebuildReport rebuildRoster(Roster& roster, GameWrapper& game);

// What a prune met, in the order the player asked to see it: the empty places in the
// game's player list, then the keys whose rows went.
struct PruneReport {
    int nullPlayers = 0;
    std::vector<std::string> erasedKeys;
};

// Removes the rows of players no longer in the game, and the glyphs of keys no player of
// the game holds. Runs when the scoreboard opens, as players may have left since the last
// rebuild.
PruneReport pruneRoster(Roster& roster, GameWrapper& game);

// Gives every row its own player's score; a row whose player is gone scores 0.
void refreshScores(Roster& roster, GameWrapper& game);

// Team zero first, then by score, highest first, then by name.
void orderRoster(Roster& roster);
