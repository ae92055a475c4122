#include <optional>

#include "world_fixture.h"

namespace {

using Prune = RosterFixture;

TEST_F(Prune, DepartedPlayersGoInRosterOrderWithAllTheirGlyphs) {
    world.players = {human("a", "A", 0), human("b", "B", 1), human("c", "C", 0), human("d", "D", 1)};
    teamChange();
    world.calls.clear();

    world.players = {human("b", "B", 1), std::nullopt};
    lastPrune = pruneRoster(roster, game);

    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"b"}));
    EXPECT_EQ(lastPrune.nullPlayers, 1);
    EXPECT_EQ(lastPrune.erasedKeys, (std::vector<std::string>{"a", "c", "d"}));
    for (const char* key : {"a", "c", "d"}) EXPECT_FALSE(hasGlyphs(roster, key)) << key;
    EXPECT_TRUE(hasGlyphs(roster, "b"));
    // Both team-zero rows left, so the upper block must shrink with them.
    EXPECT_EQ(roster.teamZeroRowCount, 0);
}

// Players sharing a key (bots of one name, a repeated id): the row that goes is the one of
// the player who left, matched by team and then by name; the key's glyphs stay while any
// player of the game holds it.
struct SharedKeyCase {
    const char* label;
    std::vector<RosterEntry> rows;
    std::vector<std::optional<sim::Player>> players;
    std::vector<std::string> keptNames;
    std::vector<std::string> erased;
    bool glyphsKept;

    friend void PrintTo(const SharedKeyCase& c, std::ostream* os) { *os << c.label; }
};

class SharedKeys : public RosterFixture, public testing::WithParamInterface<SharedKeyCase> {};

TEST_P(SharedKeys, ThePlayerWhoLeftLosesHisRow) {
    const auto& c = GetParam();
    roster.rows = c.rows;
    const auto key = c.rows.front().playerKey;
    roster.glyphs.players[key] = {};
    world.players = c.players;
    lastPrune = pruneRoster(roster, game);
    std::vector<std::string> names;
    for (const auto& row : roster.rows) names.push_back(row.displayName);
    EXPECT_EQ(names, c.keptNames);
    EXPECT_EQ(lastPrune.erasedKeys, c.erased);
    EXPECT_EQ(hasGlyphs(roster, key), c.glyphsKept);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SharedKeys,
    testing::Values(
        SharedKeyCase{"other_team_left", {{"x", 0, true, "X"}, {"y", 0, true, "Y"}, {"x", 0, false, "X2"}},
                      {human("x", "X", 0), human("y", "Y", 0)}, {"X", "Y"}, {"x"}, true},
        SharedKeyCase{"same_team_told_by_name", {{"x", 0, false, "Rex"}, {"x", 0, false, "Max"}},
                      {human("x", "Max", 1)}, {"Max"}, {"x"}, true},
        SharedKeyCase{"renamed_still_matched_by_team", {{"x", 0, false, "Rex"}}, {human("x", "Rexy", 1)}, {"Rex"},
                      {}, true},
        SharedKeyCase{"both_left", {{"x", 0, true, "X"}, {"x", 0, true, "X2"}}, {}, {}, {"x", "x"}, false},
        SharedKeyCase{"became_spectator", {{"x", 0, true, "X"}}, {human("x", "X", 255)}, {}, {"x"}, true},
        SharedKeyCase{"bots_of_one_name", {{"Rex", 0, false, "Rex"}, {"Rex", 0, false, "Rex"}}, {bot("Rex", 1)},
                      {"Rex"}, {"Rex"}, true}),
    [](const auto& info) { return info.param.label; });

// A leaver among bots of one name leaves the other's row drawn, on the row the game has.
TEST_F(Prune, ALeavingBotLeavesItsTwinDrawn) {
    world.players = {bot("Rex", 1, 5), bot("Rex", 1, 7), human("a", "A", 0)};
    teamChange();
    world.players = {bot("Rex", 1, 7), human("a", "A", 0)};
    lastPrune = pruneRoster(roster, game);
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a", "Rex"}));
    EXPECT_EQ(roster.teamZeroRowCount, 1);
    EXPECT_EQ(glyphsOf(roster, "Rex").size(), 3u);
}

TEST_F(Prune, EmptyRosterStillReportsNullPlayers) {
    world.players = {std::nullopt, human("a", "A", 0), std::nullopt};
    lastPrune = pruneRoster(roster, game);
    EXPECT_EQ(lastPrune.nullPlayers, 2);
}

TEST_F(Prune, DoesNothingWithoutAGame) {
    roster.rows = {{"gone", 0, true, "G"}};
    world.players = {std::nullopt};
    world.game = false;
    lastPrune = pruneRoster(roster, game);
    refreshScores(roster, game);
    EXPECT_EQ(roster.rows.size(), 1u);
    EXPECT_EQ(roster.rows[0].score, 0);
    EXPECT_EQ(lastPrune.nullPlayers, 0);
    EXPECT_TRUE(lastPrune.erasedKeys.empty());
}

TEST_F(Prune, ReturningPlayerGetsGlyphsAgainWithAlignedBits) {
    world.players = {human("a", "A\xe3\x81\x82", 0), human("b", "B", 1)};
    teamChange();
    world.players = {human("b", "B", 1)};
    lastPrune = pruneRoster(roster, game);  // the scoreboard opens with the player gone
    ASSERT_FALSE(hasGlyphs(roster, "a"));
    world.players = {human("b", "B", 1), human("a", "A\xe3\x81\x82", 0)};
    world.calls.clear();
    teamChange();

    EXPECT_EQ(imagePaths(), (std::vector<std::string>{"D/assets/png/65.png", "D/assets/png/3042.png"}));
    EXPECT_EQ(glyphsOf(roster, "a").size(), 2u);
    EXPECT_EQ(wideOf(roster, "a"), (std::vector<bool>{false, true}));
}

TEST_F(Prune, TeamChangeDropsDepartedPlayersThroughItsOwnRebuildWithoutALogLine) {
    world.players = {human("a", "A", 0), human("b", "B", 0)};
    teamChange();
    world.players = {human("b", "B", 0)};
    teamChange();
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"b"}));
    EXPECT_TRUE(lastPrune.erasedKeys.empty());
    // The rebuild's own eviction drops the glyphs the prune can no longer see.
    EXPECT_FALSE(hasGlyphs(roster, "a"));
}

using RefreshScores = RosterFixture;

// Each row keeps its own player's score, also among players who share a key.
TEST_F(RefreshScores, EveryRowGetsItsOwnPlayersScoreAndAbsentOnesZero) {
    roster.rows = {{"x", 5, true, "X"}, {"gone", 9, true, "G"}, {"x", 6, false, "X2"}, {"Rex", 1, false, "Rex"},
                   {"x", 0, false, "X3"}};
    world.players = {human("x", "X", 0, 10), std::nullopt, human("x", "X3", 1, -20), bot("Rex", 1, 33),
                     human("x", "X2", 1, 4)};
    refreshScores(roster, game);
    std::vector<std::int32_t> scores;
    for (const auto& e : roster.rows) scores.push_back(e.score);
    EXPECT_EQ(scores, (std::vector<std::int32_t>{10, 0, 4, 33, -20}));
}

using OrderRoster = RosterFixture;

std::vector<std::string> namesOf(const std::vector<RosterEntry>& roster) {
    std::vector<std::string> names;
    for (const auto& e : roster) names.push_back(e.displayName);
    return names;
}

TEST_F(OrderRoster, TeamZeroFirstThenScoreThenNameKeepingEqualsInOrder) {
    roster.rows = {{"z", 100, false, "Zed"},
                     {"b", 200, true, "bob"},
                     {"a1", 200, true, "Amy"},
                     {"e", 300, false, "Eve"},
                     {"a2", 200, true, "Amy"}};
    roster.teamZeroRowCount = 3;
    orderRoster(roster);
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a1", "a2", "b", "e", "z"}));
    EXPECT_EQ(roster.teamZeroRowCount, 3);
}

TEST_F(OrderRoster, SignedScoresAndUnsignedNameBytes) {
    roster.rows = {{"", -5, false, "neg"},     {"", 0, false, "\xc3\xa9t\xc3\xa9"}, {"", 0, false, "amy"},
                     {"", 0, false, "Alan"},     {"", 0, false, "Zed"},                {"", 0, false, "Al"},
                     {"", 0, false, "9lives"}};
    orderRoster(roster);
    EXPECT_EQ(namesOf(roster.rows), (std::vector<std::string>{"9lives", "Al", "Alan", "Zed", "amy",
                                                               "\xc3\xa9t\xc3\xa9", "neg"}));
}

// Beyond 32 rows an unstable sort would be allowed to shuffle equal rows; ours keeps them.
TEST_F(OrderRoster, LargeRosterKeepsEqualRowsInOrder) {
    auto key = [](int i) { return std::to_string(i); };
    for (int i = 0; i < 40; ++i) roster.rows.push_back({key(i), i % 2, i % 3 == 0, "same"});
    orderRoster(roster);
    std::vector<std::string> expected;
    for (bool teamZero : {true, false}) {
        for (int score : {1, 0}) {
            for (int i = 0; i < 40; ++i) {
                if ((i % 3 == 0) == teamZero && i % 2 == score) expected.push_back(key(i));
            }
        }
    }
    EXPECT_EQ(rosterKeys(), expected);
}

}  // namespace
