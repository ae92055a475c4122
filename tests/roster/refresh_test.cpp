#include "names.h"
#include "plugin_fixture.h"

namespace {

using Prune = PluginFixture;

std::string erased(const std::string& key) { return veltrona::kLogErasePrefix + key; }

TEST_F(Prune, DepartedPlayersGoInRosterOrderWithAllTheirGlyphs) {
    world.players = {human("a", "A", 0), human("b", "B", 1), human("c", "C", 0), human("d", "D", 1)};
    plugin.onTeamChanged("");
    world.calls.clear();

    world.players = {human("b", "B", 1), std::nullopt};
    plugin.pruneRoster();

    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"b"}));
    EXPECT_EQ(logLines(),
              (std::vector<std::string>{veltrona::kLogNullPlayer, erased("a"), erased("c"), erased("d")}));
    for (const char* key : {"a", "c", "d"}) {
        EXPECT_FALSE(plugin.glyphImages.contains(key)) << key;
        EXPECT_FALSE(plugin.glyphWidths.contains(key)) << key;
        EXPECT_FALSE(plugin.glyphCodes.contains(key)) << key;
    }
    EXPECT_TRUE(plugin.glyphImages.contains("b"));
    // Both team-zero rows left, so the upper block must shrink with them.
    EXPECT_EQ(plugin.teamZeroRowCount, 0);
}

TEST_F(Prune, DuplicateKeyLosesOneEntryPerMissingPlayer) {
    plugin.roster = {{"x", 0, true, "X"}, {"y", 0, true, "Y"}, {"x", 0, false, "X2"}};
    world.players = {human("x", "X", 0)};
    plugin.pruneRoster();
    // The one present "x" keeps one entry, and the survivor is the later one.
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"x"}));
    EXPECT_EQ(plugin.roster[0].displayName, "X2");
    EXPECT_EQ(logLines(), (std::vector<std::string>{erased("y"), erased("x")}));

    world.calls.clear();
    plugin.roster = {{"x", 0, true, "X"}, {"x", 0, true, "X2"}};
    world.players = {};
    plugin.pruneRoster();
    EXPECT_TRUE(plugin.roster.empty());
    EXPECT_EQ(logLines(), (std::vector<std::string>{erased("x"), erased("x")}));
}

TEST_F(Prune, EmptyRosterStillReportsNullPlayers) {
    world.players = {std::nullopt, human("a", "A", 0), std::nullopt};
    plugin.pruneRoster();
    EXPECT_EQ(logLines(), (std::vector<std::string>{veltrona::kLogNullPlayer, veltrona::kLogNullPlayer}));
}

TEST_F(Prune, DoesNothingWhileTheScoreboardIsOpenOrWithoutAGame) {
    plugin.roster = {{"gone", 0, true, "G"}};
    world.players = {std::nullopt};
    plugin.scoreboardClosed = false;
    plugin.pruneRoster();
    plugin.refreshScores();
    EXPECT_TRUE(world.calls.empty());
    EXPECT_EQ(plugin.roster.size(), 1u);

    plugin.scoreboardClosed = true;
    world.game = false;
    plugin.pruneRoster();
    EXPECT_TRUE(world.calls.empty());
    EXPECT_EQ(plugin.roster.size(), 1u);
}

TEST_F(Prune, ReturningPlayerGetsGlyphsAgainWithAlignedBits) {
    world.players = {human("a", "A\xe3\x81\x82", 0), human("b", "B", 1)};
    plugin.onTeamChanged("");
    world.players = {human("b", "B", 1)};
    plugin.pruneRoster();  // the scoreboard opens with the player gone
    ASSERT_FALSE(plugin.glyphCodes.contains("a"));
    world.players = {human("b", "B", 1), human("a", "A\xe3\x81\x82", 0)};
    world.calls.clear();
    plugin.onTeamChanged("");

    EXPECT_EQ(imagePaths(), (std::vector<std::string>{"D/assets/png/65.png", "D/assets/png/3042.png"}));
    EXPECT_EQ(plugin.glyphImages["a"].size(), 2u);
    EXPECT_EQ(plugin.glyphWidths["a"], (std::vector<bool>{false, true}));
}

TEST_F(Prune, TeamChangeDropsDepartedPlayersThroughItsOwnRebuildWithoutALogLine) {
    world.players = {human("a", "A", 0), human("b", "B", 0)};
    plugin.onTeamChanged("");
    world.players = {human("b", "B", 0)};
    plugin.onTeamChanged("");
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"b"}));
    EXPECT_TRUE(logLines().empty());
    // The rebuild's own eviction drops the glyphs the prune can no longer see.
    EXPECT_FALSE(plugin.glyphCodes.contains("a"));
    EXPECT_FALSE(plugin.glyphImages.contains("a"));
    EXPECT_FALSE(plugin.glyphWidths.contains("a"));
}

using RefreshScores = PluginFixture;

TEST_F(RefreshScores, LaterPlayerWinsAndAbsentKeysGetZero) {
    plugin.roster = {{"x", 5, true, "X"}, {"gone", 9, true, "G"}, {"x", 6, false, "X2"}, {"Rex", 1, false, "Rex"}};
    world.players = {human("x", "X", 0, 10), std::nullopt, human("x", "X", 1, -20), bot("Rex", 1, 33)};
    plugin.refreshScores();
    std::vector<std::int32_t> scores;
    for (const auto& e : plugin.roster) scores.push_back(e.score);
    EXPECT_EQ(scores, (std::vector<std::int32_t>{-20, 0, -20, 33}));
    EXPECT_TRUE(logLines().empty());
}

using OrderRoster = PluginFixture;

std::vector<std::string> namesOf(const std::vector<RosterEntry>& roster) {
    std::vector<std::string> names;
    for (const auto& e : roster) names.push_back(e.displayName);
    return names;
}

TEST_F(OrderRoster, TeamZeroFirstThenScoreThenNameKeepingEqualsInOrder) {
    plugin.roster = {{"z", 100, false, "Zed"},
                     {"b", 200, true, "bob"},
                     {"a1", 200, true, "Amy"},
                     {"e", 300, false, "Eve"},
                     {"a2", 200, true, "Amy"}};
    plugin.teamZeroRowCount = 3;
    plugin.orderRoster();
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a1", "a2", "b", "e", "z"}));
    EXPECT_EQ(plugin.teamZeroRowCount, 3);
}

TEST_F(OrderRoster, SignedScoresAndUnsignedNameBytes) {
    plugin.roster = {{"", -5, false, "neg"},     {"", 0, false, "\xc3\xa9t\xc3\xa9"}, {"", 0, false, "amy"},
                     {"", 0, false, "Alan"},     {"", 0, false, "Zed"},                {"", 0, false, "Al"},
                     {"", 0, false, "9lives"}};
    plugin.orderRoster();
    EXPECT_EQ(namesOf(plugin.roster), (std::vector<std::string>{"9lives", "Al", "Alan", "Zed", "amy",
                                                               "\xc3\xa9t\xc3\xa9", "neg"}));
}

// Beyond 32 rows an unstable sort would be allowed to shuffle equal rows; ours keeps them.
TEST_F(OrderRoster, LargeRosterKeepsEqualRowsInOrder) {
    auto key = [](int i) { return std::to_string(i); };
    for (int i = 0; i < 40; ++i) plugin.roster.push_back({key(i), i % 2, i % 3 == 0, "same"});
    plugin.orderRoster();
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
