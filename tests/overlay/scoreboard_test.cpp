#include "names.h"
#include "plugin_fixture.h"

namespace {

class Scoreboard : public PluginFixture {
protected:
    int framesDrawn() const {
        int frames = 0;
        for (const auto& call : world.calls) frames += call.op == sim::Op::SetColor;
        return frames;
    }
};

TEST_F(Scoreboard, FirstOpeningRefreshesOrdersAndStartsDrawing) {
    plugin.roster = {{"b", 0, false, "B"}, {"gone", 0, true, "G"}, {"a", 0, true, "A"}};
    world.players = {human("a", "A", 0, 50), std::nullopt, human("b", "B", 1, 70)};
    plugin.onOpenScoreboard("any name");

    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(plugin.roster[1].score, 70);
    EXPECT_FALSE(plugin.scoreboardClosed);
    EXPECT_EQ(ops(), (std::vector<sim::Op>{sim::Op::log, sim::Op::log, sim::Op::UnregisterDrawables,
                                           sim::Op::RegisterDrawable}));
    EXPECT_EQ(logLines(), (std::vector<std::string>{veltrona::kLogNullPlayer, "erase->gone"}));
    EXPECT_EQ(world.drawables.size(), 1u);
}

TEST_F(Scoreboard, SecondOpeningOnlyReordersAndKeepsOneDrawable) {
    world.players = {human("a", "A", 0, 1), std::nullopt};
    plugin.onTeamChanged("");
    plugin.onOpenScoreboard("");
    world.calls.clear();
    plugin.roster.push_back({"z", 100, true, "Z"});  // not in the game, but no prune runs now
    plugin.onOpenScoreboard("");

    EXPECT_EQ(ops(), (std::vector<sim::Op>{sim::Op::UnregisterDrawables, sim::Op::RegisterDrawable}));
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"z", "a"}));
    EXPECT_EQ(world.drawables.size(), 1u);
}

TEST_F(Scoreboard, ClosingWithoutOpeningOnlyUnregisters) {
    plugin.scoreboardClosed = false;
    plugin.onCloseScoreboard("");
    EXPECT_EQ(ops(), (std::vector<sim::Op>{sim::Op::UnregisterDrawables}));
    EXPECT_TRUE(plugin.scoreboardClosed);
}

TEST_F(Scoreboard, DrawsOnlyBetweenOpeningAndClosing) {
    world.drawFrame();
    plugin.onOpenScoreboard("");
    world.drawFrame();
    world.drawFrame();
    plugin.onCloseScoreboard("");
    world.drawFrame();
    EXPECT_EQ(framesDrawn(), 2);
    EXPECT_TRUE(world.drawables.empty());
}

}  // namespace
