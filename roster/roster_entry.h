#pragma once

#include <cstdint>
#include <string>

// One scoreboard row.
struct RosterEntry {
    std::string playerKey;
    std::int32_t score = 0;
    bool onTeamZero = false;
    std::string displayName;  // UTF-8 bytes as the host gives them
};
