#pragma once

// A full lobby with the scoreboard open for a long time: 64 players with 32-character
// names, Japanese and ASCII mixed, drawn frame after frame. The resident memory of a run
// of many frames against one of few shows whether anything grows per frame.

#include <cstdint>
#include <nlohmann/json.hpp>

namespace soak {

inline constexpr int kLobbyPlayers = 64;
inline constexpr int kLobbyNameCharacters = 32;

nlohmann::json lobbyScenario(std::uint64_t frames);

}  // namespace soak
