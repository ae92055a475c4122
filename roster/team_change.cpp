#include <unordered_set>

#include "Veltrona.h"
#include "glyph_work.h"
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
            bool firstOfKey = presentKeys.insert(key).second;
            auto team = player.GetTeamNum();
            if (team == kSpectatorTeam) return;

            bool onTeamZero = team == 0;
            if (onTeamZero) ++teamZeroRowCount;
            auto& entry = roster.emplace_back(
                RosterEntry{key, player.GetMatchScore(), onTeamZero, keptName(displayName)});
            // A renamed player is drawn by the new name. Players sharing a key (bots of one
            // name, a repeated id) share the glyphs of the first of them in the list.
            bool renamed = firstOfKey && glyphCodes.contains(key) && glyphNames[key] != entry.displayName;
            if (renamed) dropPlayerGlyphs(key, glyphTables());
            if (glyphCodes.contains(key)) return;
            loadPlayerGlyphs(key, displayName, pathFromWide(gameWrapper->GetDataFolderW()), glyphTables());
        },
        [] {});
    evictAbsentKeys(presentKeys, glyphTables());
    forgetReleasedImages(glyphTables());
    pruneRoster();
    // Rows go over their own team's block even when the scoreboard is already open.
    orderRoster();
}
