#pragma once

// The players of the current game as the prune and the score refresh see them, and which
// row stands for which of them. Players may share a key (bots of one name, a repeated id):
// a row is matched to a player of its key on its side, by name where the key alone does
// not tell them apart, so that the row of the player who left is the one that goes and
// every row keeps its own player's score.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "roster_entry.h"
#include "actors.h"

struct PresentPlayer {
    std::string key;
    std::string keptName;
    std::int32_t score = 0;
    bool spectator = false;
    bool onTeamZero = false;
};

struct PresentPlayers {
    std::vector<PresentPlayer> players;  // in the game's list order, spectators included
    int nullPlayers = 0;                 // empty places in the list
};

PresentPlayers readPresentPlayers(ServerWrapper& server);

// For each row, the index of the player it stands for, or nothing when no player is left
// for it. Each player stands for one row at most. Linear in rows and players.
std::vector<std::optional<std::size_t>> matchRowsToPlayers(const std::vector<RosterEntry>& rows,
                                                           const std::vector<PresentPlayer>& players);
