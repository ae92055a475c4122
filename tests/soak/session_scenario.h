#pragma once

// An evening of online matches with strangers: in each, seven new players with
// 12-character Japanese names join one by one (a team change each), the scoreboard opens
// and closes three times, the match ends and they leave. The resident memory of a session
// of many matches against one of few shows whether anything grows per stranger met.

#include <cstdint>
#include <nlohmann/json.hpp>

namespace soak {

inline constexpr int kSessionPlayersPerMatch = 7;
inline constexpr int kSessionNameCharacters = 12;
inline constexpr int kSessionScoreboardOpenings = 3;

// How the session's names are drawn: glyph files, or set as text (the command switches to
// text after the load, and each opening waits for the worker first).
enum class SessionNames { glyphs, text };

nlohmann::json sessionScenario(std::uint64_t matches, SessionNames names = SessionNames::glyphs);

}  // namespace soak
