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
    forEachPlayer(
        *server,
        [&](PriWrapper& player) {
            auto displayName = player.GetOldName().ToString();
            auto key = getPlayerKey(player);
            auto team = player.GetTeamNum();
            if (team == kSpectatorTeam) return;

            bool onTeamZero = team == 0;
            if (onTeamZero) ++teamZeroRowCount;
            roster.push_back({key, player.GetMatchScore(), onTeamZero, displayName});
            if (glyphCodes.contains(key)) return;
            loadPlayerGlyphs(key, displayName, pathFromWide(gameWrapper->GetDataFolderW()),
                             {glyphImages, glyphWidths, glyphCodes});
        },
        [] {});
    pruneRoster();
}
