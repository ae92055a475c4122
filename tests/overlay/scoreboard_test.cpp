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
    world.players = {human("b", "B", 1), human("gone", "G", 0), human("a", "A", 0)};
    plugin.onTeamChanged("");
    world.players = {human("a", "A", 0, 50), std::nullopt, human("b", "B", 1, 70)};
    world.calls.clear();
    plugin.onOpenScoreboard("any name");

    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(plugin.roster().rows[1].score, 70);
    EXPECT_FALSE(plugin.overlay().scoreboardClosed);
    EXPECT_EQ(ops(), (std::vector<sim::Op>{sim::Op::log, sim::Op::log, sim::Op::UnregisterDrawables,
                                           sim::Op::RegisterDrawable}));
    EXPECT_EQ(logLines(), (std::vector<std::string>{veltrona::kLogNullPlayer, "erase->gone"}));
    EXPECT_FALSE(hasGlyphs(plugin.roster(), "gone"));
    EXPECT_EQ(world.drawables.size(), 1u);
}

// Opened again without a close in between: no prune and no new scores, only the order.
TEST_F(Scoreboard, SecondOpeningOnlyReordersAndKeepsOneDrawable) {
    world.players = {human("a", "A", 0, 1), human("z", "Z", 0, 2), std::nullopt};
    plugin.onTeamChanged("");
    plugin.onOpenScoreboard("");
    world.calls.clear();
    world.players = {human("a", "A", 0, 100)};
    plugin.onOpenScoreboard("");

    EXPECT_EQ(ops(), (std::vector<sim::Op>{sim::Op::UnregisterDrawables, sim::Op::RegisterDrawable}));
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"z", "a"}));
    EXPECT_EQ(plugin.roster().rows[1].score, 1);
    EXPECT_EQ(world.drawables.size(), 1u);
}

// A team change under the open scoreboard rebuilds and orders the rows, but the prune waits
// for the next opening.
TEST_F(Scoreboard, TeamChangeWhileOpenDoesNotPrune) {
    world.players = {human("a", "A", 0)};
    plugin.onOpenScoreboard("");
    world.players = {human("a", "A", 0), std::nullopt, human("b", "B", 0, 5)};
    world.calls.clear();
    plugin.onTeamChanged("");
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"b", "a"}));
    for (const auto& line : logLines()) EXPECT_NE(line, veltrona::kLogNullPlayer);
}

TEST_F(Scoreboard, ClosingWithoutOpeningOnlyUnregisters) {
    plugin.onCloseScoreboard("");
    EXPECT_EQ(ops(), (std::vector<sim::Op>{sim::Op::UnregisterDrawables}));
    EXPECT_TRUE(plugin.overlay().scoreboardClosed);
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
