#include <algorithm>
#include <unordered_set>

#include "player_walk.h"
#include "present_players.h"
#include "roster.h"

PruneReport pruneRoster(Roster& roster, GameWrapper& game) {
    PruneReport report;
    auto server = currentGame(game);
    if (!server) return report;

    auto present = readPresentPlayers(*server);
    report.nullPlayers = present.nullPlayers;
    auto matches = matchRowsToPlayers(roster.rows, present.players);
    std::unordered_set<std::string> presentKeys;
    for (const auto& player : present.players) presentKeys.insert(player.key);

    std::vector<RosterEntry> kept;
    kept.reserve(roster.rows.size());
    for (std::size_t row = 0; row < roster.rows.size(); ++row) {
        if (matches[row]) {
            kept.push_back(std::move(roster.rows[row]));
            continue;
        }
        report.erasedKeys.push_back(roster.rows[row].playerKey);
    }
    roster.rows = std::move(kept);
    ++roster.version;
    if (report.erasedKeys.empty()) return report;
    // A key's glyphs go with its last player, spectators included, so that a player who comes
    // back gets them afresh and one who stays keeps drawing.
    for (const auto& key : report.erasedKeys) {
        if (!presentKeys.contains(key)) dropPlayerGlyphs(roster.glyphs, key);
    }
    forgetReleasedImages(roster.glyphs);
    // The renderer splits the rows between the two blocks by this count alone.
    roster.teamZeroRowCount = static_cast<std::int32_t>(std::count_if(
        roster.rows.begin(), roster.rows.end(), [](const RosterEntry& e) { return e.onTeamZero; }));
    return report;
}

void refreshScores(Roster& roster, GameWrapper& game) {
    auto server = currentGame(game);
    if (!server) return;

    auto present = readPresentPlayers(*server);
    auto matches = matchRowsToPlayers(roster.rows, present.players);
    for (std::size_t row = 0; row < roster.rows.size(); ++row) {
        roster.rows[row].score = matches[row] ? present.players[*matches[row]].score : 0;
    }
}

void orderRoster(Roster& roster) {
    // Stable, so that rows equal in team, score and name keep their order at any roster
    // size. std::string compares bytes as unsigned, shorter first on a common prefix.
    auto& rows = roster.rows;
    ++roster.version;
    std::stable_sort(rows.begin(), rows.end(), [](const RosterEntry& a, const RosterEntry& b) {
        if (a.score != b.score) return a.score > b.score;
        return a.displayName < b.displayName;
    });
    std::stable_sort(rows.begin(), rows.end(), [](const RosterEntry& a, const RosterEntry& b) {
        return a.onTeamZero && !b.onTeamZero;
    });
}
