#include "names.h"
#include "plugin_fixture.h"

namespace {

using sim::Op;

std::vector<Op> opsOf(const std::vector<sim::Call>& calls) {
    std::vector<Op> out;
    for (const auto& call : calls) out.push_back(call.op);
    return out;
}

const sim::ImageTable& imagesOf(const sim::World& world) { return world.images; }

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

TEST_F(Activation, WordsAfterTheFirstChangeNothing) {
    world.online = false;
    plugin.onLoad();
    world.online = true;
    world.calls.clear();
    world.runCommand("Veltrona fixed");
    auto plain = world.calls;
    world.calls.clear();
    world.runCommand("Veltrona fixed now please");
    EXPECT_EQ(world.calls, plain);
}

// --- The layout word ----------------------------------------------------------------------

struct LayoutWordCase {
    const char* label;
    std::vector<std::string> lines;  // run in order after an online load
    bool online;
    layout::Choice expected;
    std::vector<std::string> logs;

    friend void PrintTo(const LayoutWordCase& c, std::ostream* os) { *os << c.label; }
};

class LayoutWord : public Activation, public testing::WithParamInterface<LayoutWordCase> {};

TEST_P(LayoutWord, ChoosesTheLayoutAndStillHooksAsBefore) {
    const auto& c = GetParam();
    plugin.onLoad();
    world.online = c.online;
    world.calls.clear();
    for (const auto& line : c.lines) world.runCommand(line);
    EXPECT_EQ(plugin.overlay().layoutChoice, c.expected);
    EXPECT_EQ(logLines(), c.logs);
    // Every run hooks the four events in an online game, whatever its word.
    EXPECT_EQ(hooked().size(), c.online ? 4 * c.lines.size() : 0u);
}

const std::string kUnknownWide = R"(Veltrona: unknown option "wide"; use "Veltrona scaled" or "Veltrona fixed")";
const std::string kOn = "Veltrona: on";
const std::string kNotOnline = "Veltrona: not in an online match; type Veltrona again in one";

INSTANTIATE_TEST_SUITE_P(
    Words, LayoutWord,
    testing::Values(
        LayoutWordCase{"scaled", {"Veltrona scaled"}, true, layout::Choice::scaled, {kOn}},
        LayoutWordCase{"back_to_fixed", {"Veltrona scaled", "Veltrona fixed"}, true, layout::Choice::fixed,
                       {kOn, kOn}},
        LayoutWordCase{"alone_keeps_the_choice", {"Veltrona scaled", "Veltrona"}, true, layout::Choice::scaled,
                       {kOn, kOn}},
        LayoutWordCase{"taken_offline_too", {"Veltrona scaled"}, false, layout::Choice::scaled, {kNotOnline}},
        LayoutWordCase{"extra_words_ignored", {"Veltrona scaled please now"}, true, layout::Choice::scaled, {kOn}},
        LayoutWordCase{"unknown_word_keeps_the_choice", {"Veltrona scaled", "Veltrona wide"}, true,
                       layout::Choice::scaled, {kOn, kUnknownWide, kOn}},
        LayoutWordCase{"unknown_word_offline", {"Veltrona wide"}, false, layout::Choice::fixed,
                       {kUnknownWide, kNotOnline}},
        LayoutWordCase{"words_are_case_sensitive", {"Veltrona Scaled"}, true, layout::Choice::fixed,
                       {R"(Veltrona: unknown option "Scaled"; use "Veltrona scaled" or "Veltrona fixed")", kOn}}),
    [](const auto& info) { return info.param.label; });

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
    EXPECT_EQ(glyphsOf(plugin.roster(), "a").size(), 2u);
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

// --- Switched on mid-match --------------------------------------------------------------

// Hooking in an online game takes the players as they are, right after "Veltrona: on", so an
// opening draws them without waiting for a team change.
TEST_F(Activation, SwitchedOnMidMatchBuildsTheRosterAtOnce) {
    world.players = {human("b", "B", 1), human("a", "A", 0)};
    plugin.onLoad();
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a", "b"}));  // ordered, team zero first
    EXPECT_EQ(plugin.roster().teamZeroRowCount, 1);
    auto calls = opsOf(world.calls);
    std::vector<Op> afterHooks(calls.begin() + 6, calls.end());
    EXPECT_EQ(afterHooks, (std::vector<Op>{Op::log, Op::ImageWrapper, Op::ImageWrapper}));
    EXPECT_EQ(logLines(), (std::vector<std::string>{kOn}));
}

TEST_F(Activation, OfflineCommandSaysSoAndBuildsNothing) {
    world.online = false;
    world.players = {human("a", "A", 0)};
    plugin.onLoad();
    EXPECT_EQ(logLines(), (std::vector<std::string>{kNotOnline}));
    EXPECT_TRUE(rosterKeys().empty());
    EXPECT_TRUE(imagesOf(world).empty());
}

}  // namespace
