#include "session_scenario.h"

#include <string>

#include "scenario_text.h"

namespace soak {
namespace {

using nlohmann::json;

constexpr char32_t kFirstKanji = 0x4E00;
constexpr std::uint64_t kKanjiSpan = 20000;

// Every stranger's name differs, so each match brings images the plugin has not seen:
// kana and kanji, walking through the CJK block from match to match.
std::string strangerName(std::uint64_t match, int player) {
    std::string name;
    for (int i = 0; i < kSessionNameCharacters; ++i) {
        auto step =
            (match * kSessionPlayersPerMatch + static_cast<std::uint64_t>(player)) * kSessionNameCharacters +
            static_cast<std::uint64_t>(i);
        auto c = i % 3 == 0 ? static_cast<char32_t>(0x3042 + step % 80)
                            : static_cast<char32_t>(kFirstKanji + step % kKanjiSpan);
        name += utf8(c);
    }
    return name;
}

// Built with += : GCC 12 misreads "m" + std::to_string(...) as an overlapping copy.
std::string strangerId(std::uint64_t match, int player) {
    std::string id = "m";
    id += std::to_string(match);
    id += "-p";
    id += std::to_string(player);
    return id;
}

}  // namespace

json sessionScenario(std::uint64_t matches, SessionNames names) {
    const bool text = names == SessionNames::text;
    json steps = json::array({"load"});
    if (text) steps.push_back({{"command", "Veltrona text"}});
    for (std::uint64_t match = 0; match < matches; ++match) {
        for (int p = 0; p < kSessionPlayersPerMatch; ++p) {
            steps.push_back({{"add",
                              {{"id", strangerId(match, p)},
                               {"name", strangerName(match, p)},
                               {"team", p % 2},
                               {"score", 100 * p}}}});
            steps.push_back({{"fire", kTeamChanged}});
        }
        for (int i = 0; i < kSessionScoreboardOpenings; ++i) {
            steps.push_back({{"fire", kOpenScoreboard}});
            if (text) steps.push_back("wait");
            steps.push_back({{"frames", 1}});
            steps.push_back({{"fire", kCloseScoreboard}});
        }
        steps.push_back({{"fire", kMatchEnded}});
        // The local player stays at index 0; the strangers go.
        for (int p = 0; p < kSessionPlayersPerMatch; ++p) steps.push_back({{"remove", 1}});
    }
    steps.push_back("unload");
    return {{"screen", {1920, 1080}},
            {"online", true},
            {"players", json::array({{{"id", "me"}, {"name", "Kai"}, {"team", 0}, {"score", 0}}})},
            {"steps", steps}};
}

}  // namespace soak
