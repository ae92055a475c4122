#include <unordered_set>

#include "Veltrona.h"
#include "glyph_work.h"
#include "name_limits.h"
#include "player_key.h"
#include "player_walk.h"

namespace {
constexpr unsigned char kSpectatorTeam = 255;
}

void Veltrona::onTeamChanged(std::string) {
    auto server = currentGame(*gameWrapper);
    if (!server) return;

    roster.clear();
    teamZeroRowCount = 0;
    // Spectators are still in the game: their glyphs stay for when they take a team.
    std::unordered_set<std::string> presentKeys;
    forEachPlayer(
        *server,
        [&](PriWrapper& player) {
            auto displayName = player.GetOldName().ToString();
            auto key = getPlayerKey(player);
            presentKeys.insert(key);
            auto team = player.GetTeamNum();
            if (team == kSpectatorTeam) return;

            bool onTeamZero = team == 0;
            if (onTeamZero) ++teamZeroRowCount;
            auto& entry = roster.emplace_back(RosterEntry{key, player.GetMatchScore(), onTeamZero, {}});
            if (!glyphCodes.contains(key)) {
                loadPlayerGlyphs(key, displayName, pathFromWide(gameWrapper->GetDataFolderW()),
                                 {glyphImages, glyphWidths, glyphCodes});
            }
            // A copy, not a shrunk original, so that a huge name's storage goes now.
            entry.displayName = displayName.size() > veltrona::kKeptNameBytes
                                    ? displayName.substr(0, veltrona::kKeptNameBytes)
                                    : std::move(displayName);
        },
        [] {});
    evictAbsentKeys(presentKeys, {glyphImages, glyphWidths, glyphCodes});
    pruneRoster();
}
