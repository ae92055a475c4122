#include "present_players.h"

#include <unordered_map>

#include "player_glyphs.h"
#include "player_key.h"
#include "player_walk.h"

namespace {
constexpr unsigned char kSpectatorTeam = 255;

// The players not yet matched of one group, in list order: `next` only moves forward past
// the taken ones, so a whole pass over the rows stays linear.
struct Queue {
    std::vector<std::size_t> players;
    std::size_t next = 0;
};

std::optional<std::size_t> take(Queue& queue, std::vector<bool>& taken) {
    while (queue.next < queue.players.size()) {
        auto player = queue.players[queue.next++];
        if (!taken[player]) {
            taken[player] = true;
            return player;
        }
    }
    return std::nullopt;
}

// Length-prefixed, so that no key and name can run into each other.
std::string groupKey(const std::string& key, bool onTeamZero, const std::string* name) {
    std::string group = std::to_string(key.size());
    group += ':';
    group += key;
    group += onTeamZero ? '0' : '1';
    if (name != nullptr) group += *name;
    return group;
}
}  // namespace

PresentPlayers readPresentPlayers(ServerWrapper& server) {
    PresentPlayers present;
    forEachPlayer(
        server,
        [&](PriWrapper& player) {
            auto team = player.GetTeamNum();
            present.players.push_back({getPlayerKey(player), keptName(player.GetOldName().ToString()),
                                       player.GetMatchScore(), team == kSpectatorTeam, team == 0});
        },
        [&] { ++present.nullPlayers; });
    return present;
}

std::vector<std::optional<std::size_t>> matchRowsToPlayers(const std::vector<RosterEntry>& rows,
                                                           const std::vector<PresentPlayer>& players) {
    std::unordered_map<std::string, Queue> byName;
    std::unordered_map<std::string, Queue> bySide;
    for (std::size_t i = 0; i < players.size(); ++i) {
        const auto& player = players[i];
        if (player.spectator) continue;
        byName[groupKey(player.key, player.onTeamZero, &player.keptName)].players.push_back(i);
        bySide[groupKey(player.key, player.onTeamZero, nullptr)].players.push_back(i);
    }

    std::vector<bool> taken(players.size(), false);
    std::vector<std::optional<std::size_t>> matches(rows.size());
    // Names first, across all rows, so that a row matched by key alone never takes the
    // player a later row has by name.
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const auto& entry = rows[row];
        auto group = byName.find(groupKey(entry.playerKey, entry.onTeamZero, &entry.displayName));
        if (group != byName.end()) matches[row] = take(group->second, taken);
    }
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (matches[row]) continue;
        const auto& entry = rows[row];
        auto group = bySide.find(groupKey(entry.playerKey, entry.onTeamZero, nullptr));
        if (group != bySide.end()) matches[row] = take(group->second, taken);
    }
    return matches;
}
