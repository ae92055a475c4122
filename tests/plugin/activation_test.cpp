#include "names.h"
#include "plugin_fixture.h"

namespace {

using sim::Op;

class Activation : public PluginFixture {
protected:
    std::vector<std::string> hooked() const { return texts(Op::HookEvent); }

    const std::vector<std::string> allEvents = {veltrona::kEventOpenScoreboard, veltrona::kEventCloseScoreboard,
                                                veltrona::kEventTeamChanged, veltrona::kEventMatchEnded};
};

TEST_F(Activation, LoadRegistersAndRunsTheCommandThenHooksOnline) {
    plugin.onLoad();
    ASSERT_GE(world.calls.size(), 2u);
    EXPECT_EQ(world.calls[0].op, Op::registerNotifier);
    EXPECT_EQ(world.calls[0].text, "Veltrona");
    EXPECT_EQ(world.calls[0].extra, "test");
    EXPECT_EQ(world.calls[0].value, 0);
    EXPECT_EQ(world.calls[1].op, Op::executeCommand);
    EXPECT_EQ(world.calls[1].text, "Veltrona");
    EXPECT_TRUE(world.calls[1].flag);
    EXPECT_EQ(hooked(), allEvents);
}

TEST_F(Activation, OfflineLoadHooksNothingUntilTheCommandRunsOnline) {
    world.online = false;
    plugin.onLoad();
    EXPECT_TRUE(hooked().empty());
    EXPECT_FALSE(world.fire(veltrona::kEventOpenScoreboard));

    world.online = true;
    world.calls.clear();
    EXPECT_TRUE(world.runCommand("Veltrona"));
    EXPECT_EQ(hooked(), allEvents);
    EXPECT_TRUE(world.fire(veltrona::kEventOpenScoreboard));
    EXPECT_EQ(world.drawables.size(), 1u);
}

TEST_F(Activation, ExtraCommandWordsChangeNothing) {
    world.online = false;
    plugin.onLoad();
    world.online = true;
    world.calls.clear();
    world.runCommand("Veltrona");
    auto plain = world.calls;
    world.calls.clear();
    world.runCommand("Veltrona now please");
    EXPECT_EQ(world.calls, plain);
}

TEST_F(Activation, MatchEndLogsEndAndKeepsTheRoster) {
    plugin.onLoad();
    world.players = {human("a", "A\xe3\x81\x82", 0)};
    world.fire(veltrona::kEventTeamChanged);
    world.calls.clear();
    world.fire(veltrona::kEventMatchEnded);
    world.fire(veltrona::kEventMatchEnded);
    EXPECT_EQ(logLines(), (std::vector<std::string>{"End", "End"}));
    EXPECT_EQ(ops(), (std::vector<Op>{Op::log, Op::log}));
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a"}));
    EXPECT_EQ(plugin.glyphImages["a"].size(), 2u);
}

TEST_F(Activation, UnloadUnhooksAllFourAndTakesBackTheDrawable) {
    for (bool online : {false, true}) {
        SCOPED_TRACE(online ? "hooked" : "never hooked");
        world.online = online;
        plugin.onLoad();
        if (online) world.fire(veltrona::kEventOpenScoreboard);
        world.calls.clear();
        plugin.onUnload();
        EXPECT_EQ(texts(Op::UnhookEvent), allEvents);
        EXPECT_EQ(ops().back(), Op::UnregisterDrawables);
        EXPECT_TRUE(world.hooks.empty());
        EXPECT_TRUE(world.drawables.empty());
    }
}

}  // namespace
