#include <algorithm>
#include <unordered_map>

#include "player_key.h"
#include "player_walk.h"
#include "roster.h"

PruneReport pruneRoster(Roster& roster, GameWrapper& game) {
    PruneReport report;
    auto server = currentGame(game);
    if (!server) return report;

    // Keys nobody in the game claims any more; each present player claims one, so a
    // duplicated key loses only as many entries as it has players missing.
    std::vector<std::string> departed;
    departed.reserve(roster.rows.size());
    for (const auto& entry : roster.rows) departed.push_back(entry.playerKey);
    forEachPlayer(
        *server,
        [&](PriWrapper& player) {
            auto candidate = std::find(departed.begin(), departed.end(), getPlayerKey(player));
            if (candidate != departed.end()) departed.erase(candidate);
        },
        [&] { ++report.nullPlayers; });

    for (const auto& key : departed) {
        auto entry = std::find_if(roster.rows.begin(), roster.rows.end(),
                                  [&](const RosterEntry& e) { return e.playerKey == key; });
        if (entry == roster.rows.end()) continue;
        roster.rows.erase(entry);
        // The whole record goes, so that a player who comes back gets glyphs afresh.
        dropPlayerGlyphs(roster.glyphs, key);
        report.erasedKeys.push_back(key);
    }
    if (report.erasedKeys.empty()) return report;
    forgetReleasedImages(roster.glyphs);
    // The renderer splits the rows between the two blocks by this count alone.
    roster.teamZeroRowCount = static_cast<std::int32_t>(std::count_if(
        roster.rows.begin(), roster.rows.end(), [](const RosterEntry& e) { return e.onTeamZero; }));
    return report;
}

void refreshScores(Roster& roster, GameWrapper& game) {
    auto server = currentGame(game);
    if (!server) return;

    std::unordered_map<std::string, std::int32_t> scores;
    forEachPlayer(
        *server, [&](PriWrapper& player) { scores[getPlayerKey(player)] = player.GetMatchScore(); }, [] {});
    for (auto& entry : roster.rows) {
        auto score = scores.find(entry.playerKey);
        entry.score = score == scores.end() ? 0 : score->second;
    }
}

void orderRoster(Roster& roster) {
    // Stable, so that rows equal in team, score and name keep their order at any roster
    // size. std::string compares bytes as unsigned, shorter first on a common prefix.
    auto& rows = roster.rows;
    std::stable_sort(rows.begin(), rows.end(), [](const RosterEntry& a, const RosterEntry& b) {
        if (a.score != b.score) return a.score > b.score;
        return a.displayName < b.displayName;
    });
    std::stable_sort(rows.begin(), rows.end(), [](const RosterEntry& a, const RosterEntry& b) {
        return a.onTeamZero && !b.onTeamZero;
    });
}
