#include <unordered_set>

#include "player_key.h"
#include "player_walk.h"
#include "roster.h"

namespace {
constexpr unsigned char kSpectatorTeam = 255;
}

bool rebuildRoster(Roster& roster, GameWrapper& game) {
    auto server = currentGame(game);
    if (!server) return false;

    roster.rows.clear();
    roster.teamZeroRowCount = 0;
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
            if (onTeamZero) ++roster.teamZeroRowCount;
            auto& entry = roster.rows.emplace_back(
                RosterEntry{key, player.GetMatchScore(), onTeamZero, keptName(displayName)});
            // A renamed player is drawn by the new name. Players sharing a key (bots of one
            // name, a repeated id) share the glyphs of the first of them in the list.
            const auto* held = findPlayerGlyphs(roster.glyphs, key);
            // The old glyphs go before the new ones load, so that no file is held twice.
            if (held != nullptr && firstOfKey && held->keptName != entry.displayName) {
                dropPlayerGlyphs(roster.glyphs, key);
                held = nullptr;
            }
            if (held != nullptr) return;
            loadPlayerGlyphs(roster.glyphs, key, displayName, pathFromWide(game.GetDataFolderW()));
        },
        [] {});
    evictAbsentKeys(roster.glyphs, presentKeys);
    forgetReleasedImages(roster.glyphs);
    return true;
}
