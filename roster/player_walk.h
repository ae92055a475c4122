#pragma once

#include <optional>

#include "GameWrapper.h"

// The current game, online or not; nothing when the host reports none.
inline std::optional<ServerWrapper> currentGame(GameWrapper& game) {
    ServerWrapper server = game.IsInOnlineGame() ? game.GetOnlineGame() : game.GetGameEventAsServer();
    if (server.IsNull()) return std::nullopt;
    return server;
}

// Visits the game's player list in order. The count is read again before every step, as
// the list can change under a handler in the real game.
template <typename OnPlayer, typename OnNullPlayer>
void forEachPlayer(ServerWrapper& server, OnPlayer onPlayer, OnNullPlayer onNullPlayer) {
    auto players = server.GetPRIs();
    for (int i = 0; i < players.Count(); ++i) {
        PriWrapper player = players.Get(i);
        if (player.IsNull()) {
            onNullPlayer();
            continue;
        }
        onPlayer(player);
    }
}
