#include "lobby_scenario.h"

#include <string>

#include "scenario_text.h"

namespace soak {
namespace {

using nlohmann::json;

// Runs of four characters, alternately kana or kanji and ASCII, different for every player.
std::string lobbyName(int player) {
    std::string name;
    for (int i = 0; i < kLobbyNameCharacters; ++i) {
        int run = i / 4;
        char32_t c = 0;
        if (run % 2 == 1) {
            c = static_cast<char32_t>(U'A' + (player * 5 + i) % 26);
        } else if (run % 4 == 0) {
            c = static_cast<char32_t>(0x3042 + (player * 7 + i * 3) % 80);  // hiragana
        } else {
            c = static_cast<char32_t>(0x4E00 + (player * 131 + i * 17) % 2000);  // kanji
        }
        name += utf8(c);
    }
    return name;
}

}  // namespace

json lobbyScenario(std::uint64_t frames) {
    json players = json::array();
    for (int i = 0; i < kLobbyPlayers; ++i) {
        players.push_back({{"id", "p-" + std::to_string(1000 + i)},
                           {"name", lobbyName(i)},
                           {"team", i % 2},
                           {"score", (i * 37) % 900}});
    }
    return {{"screen", {1920, 1080}},
            {"online", true},
            {"players", players},
            {"steps",
             {"load",
              {{"fire", kTeamChanged}},
              {{"fire", kOpenScoreboard}},
              {{"frames", frames}},
              {{"fire", kCloseScoreboard}},
              {{"fire", kMatchEnded}},
              "unload"}}};
}

}  // namespace soak
