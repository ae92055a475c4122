#include <gtest/gtest.h>

#include "GameWrapper.h"
#include "player_key.h"
#include "world.h"

namespace {

struct KeyCase {
    const char* label;
    sim::Player player;
    std::string key;

    friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.label; }
};

class PlayerKey : public testing::TestWithParam<KeyCase> {};

TEST_P(PlayerKey, HumanByUniqueIdBotByName) {
    sim::World world;
    world.players = {GetParam().player};
    GameWrapper game(world.address());
    auto player = game.GetGameEventAsServer().GetPRIs().Get(0);
    EXPECT_EQ(getPlayerKey(player), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Players, PlayerKey,
    testing::Values(KeyCase{"human", {"p-4401", "\xe3\x81\x9f", 0, 10, false}, "p-4401"},
                    KeyCase{"bot", {"bot-0", "Rex", 1, 0, true}, "Rex"},
                    KeyCase{"bot_without_name", {"bot-1", "", 1, 0, true}, ""},
                    KeyCase{"human_without_id", {"", "Amy", 0, 0, false}, ""}),
    [](const auto& info) { return info.param.label; });

}  // namespace
