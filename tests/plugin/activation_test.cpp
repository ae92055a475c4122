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

    const std::vector<std::string> allEvents = {veltrona::kEventOpenScoreboard,
                                                veltrona::kEventCloseScoreboard, veltrona::kEventTeamChanged,
                                                veltrona::kEventMatchEnded};
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

TEST_F(Activation, SeveralWordsDoWhatTheLastOfEachKindSays) {
    plugin.onLoad();
    world.runCommand("Veltrona fixed");
    world.calls.clear();
    world.runCommand("Veltrona fixed");
    auto plain = world.calls;
    world.calls.clear();
    world.runCommand("Veltrona scaled glyphs fixed");
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

TEST_P(LayoutWord, ChoosesTheLayoutAndSaysWhatHappened) {
    const auto& c = GetParam();
    plugin.onLoad();
    world.online = c.online;
    world.calls.clear();
    for (const auto& line : c.lines) world.runCommand(line);
    EXPECT_EQ(plugin.overlay().layoutChoice, c.expected);
    EXPECT_EQ(logLines(), c.logs);
    // The load hooked the four events already; no command hooks them again.
    EXPECT_TRUE(hooked().empty());
}

const std::string kUnknownWide =
    R"(Veltrona: unknown option "wide"; use "Veltrona scaled", "Veltrona fixed", "Veltrona text" or )"
    R"("Veltrona glyphs"; nothing changed)";
const std::string kOnScaled = "Veltrona: on, scaled layout";
const std::string kOnFixed = "Veltrona: on, fixed layout";
const std::string kNotOnline = "Veltrona: not in an online match; type Veltrona again in one";
using layout::Choice;

INSTANTIATE_TEST_SUITE_P(
    Words, LayoutWord,
    testing::Values(
        LayoutWordCase{"scaled", {"Veltrona scaled"}, true, Choice::scaled, {kOnScaled}},
        LayoutWordCase{"fixed", {"Veltrona fixed"}, true, Choice::fixed, {kOnFixed}},
        LayoutWordCase{"back_to_scaled",
                       {"Veltrona fixed", "Veltrona scaled"},
                       true,
                       Choice::scaled,
                       {kOnFixed, kOnScaled}},
        LayoutWordCase{"alone_keeps_the_choice",
                       {"Veltrona fixed", "Veltrona"},
                       true,
                       Choice::fixed,
                       {kOnFixed, kOnFixed}},
        LayoutWordCase{"kept_offline",
                       {"Veltrona fixed"},
                       false,
                       Choice::fixed,
                       {"Veltrona: fixed layout kept; not in an online match; type Veltrona again in one"}},
        LayoutWordCase{"alone_offline", {"Veltrona"}, false, Choice::scaled, {kNotOnline}},
        LayoutWordCase{
            "words_in_order", {"Veltrona fixed scaled fixed"}, true, Choice::fixed, {kOnFixed}},
        LayoutWordCase{"glyphs_word_offline",
                       {"Veltrona glyphs"},
                       false,
                       Choice::scaled,
                       {"Veltrona: scaled layout, names from glyph files kept; not in an online match; type "
                        "Veltrona again in one"}},
        // One word the command does not know refuses them all.
        LayoutWordCase{"unknown_after_known", {"Veltrona fixed wide"}, true, Choice::scaled, {kUnknownWide}},
        // A refused word leaves everything as it was, the activation included.
        LayoutWordCase{"unknown_word_changes_nothing",
                       {"Veltrona fixed", "Veltrona wide"},
                       true,
                       Choice::fixed,
                       {kOnFixed, kUnknownWide}},
        LayoutWordCase{"unknown_word_offline", {"Veltrona wide"}, false, Choice::scaled, {kUnknownWide}},
        LayoutWordCase{"any_case",
                       {"Veltrona FIXED", "Veltrona Scaled"},
                       true,
                       Choice::scaled,
                       {kOnFixed, kOnScaled}},
        LayoutWordCase{"control_characters_escaped",
                       {"Veltrona \x1b[2J"},
                       true,
                       Choice::scaled,
                       {R"(Veltrona: unknown option "\x1b[2J"; use "Veltrona scaled", "Veltrona fixed", )"
                        R"("Veltrona text" or "Veltrona glyphs"; nothing changed)"}}),
    [](const auto& info) { return info.param.label; });

// A host that adds a handler per call would run every handler twice after a second command.
TEST_F(Activation, EachEventIsHookedOncePerLoad) {
    plugin.onLoad();
    world.runCommand("Veltrona");
    world.runCommand("Veltrona scaled");
    EXPECT_EQ(hooked(), allEvents);
    plugin.onUnload();
    plugin.onLoad();
    EXPECT_EQ(hooked(), (std::vector<std::string>{allEvents[0], allEvents[1], allEvents[2], allEvents[3],
                                                  allEvents[0], allEvents[1], allEvents[2], allEvents[3]}));
}

// A match that ends under an open scoreboard gets no closing: the end closes the overlay
// itself, and keeps the roster and the glyphs for the next game.
TEST_F(Activation, MatchEndLogsEndClosesTheOverlayAndKeepsTheRoster) {
    plugin.onLoad();
    world.players = {human("a", "A\xe3\x81\x82", 0)};
    world.fire(veltrona::kEventTeamChanged);
    world.fire(veltrona::kEventOpenScoreboard);
    world.calls.clear();
    world.fire(veltrona::kEventMatchEnded);
    world.fire(veltrona::kEventMatchEnded);
    EXPECT_EQ(logLines(), (std::vector<std::string>{"End", "End"}));
    EXPECT_EQ(ops(), (std::vector<Op>{Op::log, Op::UnregisterDrawables, Op::log, Op::UnregisterDrawables}));
    EXPECT_TRUE(world.drawables.empty());
    EXPECT_TRUE(plugin.overlay().scoreboardClosed);
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

// Hooking in an online game takes the players as they are, right after "Veltrona: on" and the
// glyph folder's check, so an opening draws them without waiting for a team change.
TEST_F(Activation, SwitchedOnMidMatchBuildsTheRosterAtOnce) {
    world.players = {human("b", "B", 1), human("a", "A", 0)};
    plugin.onLoad();
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a", "b"}));  // ordered, team zero first
    EXPECT_EQ(plugin.roster().teamZeroRowCount, 1);
    auto calls = opsOf(world.calls);
    std::vector<Op> afterHooks(calls.begin() + 6, calls.end());
    EXPECT_EQ(afterHooks,
              (std::vector<Op>{Op::log, Op::ImageWrapper, Op::ImageWrapper, Op::log, Op::log}));
    EXPECT_EQ(logLines(), (std::vector<std::string>{kOnScaled,
                                                    R"(Veltrona: no glyph image for B (66.png) in "B")",
                                                    R"(Veltrona: no glyph image for A (65.png) in "A")"}));
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
