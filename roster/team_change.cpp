#include <unordered_set>

#include "drawn_glyphs.h"
#include "glyph_file.h"
#include "player_key.h"
#include "player_walk.h"
#include "roster.h"

namespace {
constexpr unsigned char kSpectatorTeam = 255;
}

RebuildReport rebuildRoster(Roster& roster, GameWrapper& game) {
    RebuildReport report;
    auto server = currentGame(game);
    if (!server) return report;
    report.gameFound = true;
    // First: records may go below even if the rebuild then fails.
    ++roster.version;
    const auto folder = glyphFolder(pathFromWide(game.GetDataFolderW()));

    std::vector<RosterEntry> rows;
    std::int32_t teamZeroRows = 0;
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
            if (onTeamZero) ++teamZeroRows;
            rows.push_back(RosterEntry{key, player.GetMatchScore(), onTeamZero, keptName(displayName)});
            // Players sharing a key share the glyphs of the first of them in the list; a
            // renamed player is drawn by the new name.
            const auto* held = findPlayerGlyphs(roster.glyphs, key);
            if (held != nullptr && !firstOfKey) return;
            auto codes = drawnGlyphCodes(displayName);
            if (held != nullptr && drawsCodes(*held, codes)) {
                followNameText(roster.glyphs, key, displayName);
                return;
            }
            // The old glyphs go before the new ones load, so that no file is held twice.
            if (held != nullptr) dropPlayerGlyphs(roster.glyphs, key);
            auto missing = loadPlayerGlyphs(roster.glyphs, key, displayName, std::move(codes), folder);
            if (!missing.empty()) report.missing.push_back({rows.back().displayName, std::move(missing)});
        },
        [] {});
    roster.rows = std::move(rows);
    roster.teamZeroRowCount = teamZeroRows;
    evictAbsentKeys(roster.glyphs, presentKeys);
    forgetReleasedImages(roster.glyphs);
    return report;
}
