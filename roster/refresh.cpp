#include <algorithm>
#include <unordered_map>

#include "Veltrona.h"
#include "glyph_work.h"
#include "names.h"
#include "player_key.h"
#include "player_walk.h"

void Veltrona::pruneRoster() {
    if (!scoreboardClosed) return;
    auto server = currentGame(*gameWrapper);
    if (!server) return;

    // Keys nobody in the game claims any more; each present player claims one, so a
    // duplicated key loses only as many entries as it has players missing.
    std::vector<std::string> departed;
    departed.reserve(roster.size());
    for (const auto& entry : roster) departed.push_back(entry.playerKey);
    forEachPlayer(
        *server,
        [&](PriWrapper& player) {
            auto candidate = std::find(departed.begin(), departed.end(), getPlayerKey(player));
            if (candidate != departed.end()) departed.erase(candidate);
        },
        [&] { cvarManager->log(veltrona::kLogNullPlayer); });

    bool removed = false;
    for (const auto& key : departed) {
        auto entry = std::find_if(roster.begin(), roster.end(),
                                  [&](const RosterEntry& e) { return e.playerKey == key; });
        if (entry == roster.end()) continue;
        roster.erase(entry);
        // All the tables go, so that a player who comes back gets images and width bits
        // afresh, aligned with each other.
        dropPlayerGlyphs(key, glyphTables());
        cvarManager->log(veltrona::kLogErasePrefix + key);
        removed = true;
    }
    if (removed) forgetReleasedImages(glyphTables());
    // The renderer splits the rows between the two blocks by this count alone.
    if (removed) {
        teamZeroRowCount = static_cast<std::int32_t>(
            std::count_if(roster.begin(), roster.end(), [](const RosterEntry& e) { return e.onTeamZero; }));
    }
}

void Veltrona::refreshScores() {
    if (!scoreboardClosed) return;
    auto server = currentGame(*gameWrapper);
    if (!server) return;

    std::unordered_map<std::string, std::int32_t> scores;
    forEachPlayer(
        *server, [&](PriWrapper& player) { scores[getPlayerKey(player)] = player.GetMatchScore(); }, [] {});
    for (auto& entry : roster) {
        auto score = scores.find(entry.playerKey);
        entry.score = score == scores.end() ? 0 : score->second;
    }
}

void Veltrona::orderRoster() {
    // Stable, so that rows equal in team, score and name keep their order at any roster
    // size. std::string compares bytes as unsigned, shorter first on a common prefix.
    std::stable_sort(roster.begin(), roster.end(), [](const RosterEntry& a, const RosterEntry& b) {
        if (a.score != b.score) return a.score > b.score;
        return a.displayName < b.displayName;
    });
    std::stable_sort(roster.begin(), roster.end(),
                     [](const RosterEntry& a, const RosterEntry& b) { return a.onTeamZero && !b.onTeamZero; });
}
