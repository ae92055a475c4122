#pragma once

// Texts that scenarios are made of: the game's event names as the host fires them, and
// names as bytes.

#include <string>

namespace soak {

inline constexpr char kOpenScoreboard[] = "Function TAGame.GFxData_GameEvent_TA.OnOpenScoreboard";
inline constexpr char kCloseScoreboard[] = "Function TAGame.GFxData_GameEvent_TA.OnCloseScoreboard";
inline constexpr char kTeamChanged[] = "Function TAGame.PRI_TA.OnTeamChanged";
inline constexpr char kMatchEnded[] = "Function TAGame.GameEvent_Soccar_TA.EventMatchEnded";

// The UTF-8 bytes of one code point.
std::string utf8(char32_t codePoint);

// Bytes as the runner's "nameHex" takes them: lowercase pairs, no spaces.
std::string hexPairs(const std::string& bytes);

}  // namespace soak
