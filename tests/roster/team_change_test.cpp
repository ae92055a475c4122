#include <fstream>

#include "names.h"
#include "plugin_fixture.h"

namespace {

using TeamChange = PluginFixture;

TEST_F(TeamChange, RosterFollowsTheListSkippingNullAndSpectators) {
    world.players = {human("a", "A", 0), std::nullopt, human("b", "B", 1), human("s", "S", 255),
                     human("c", "C", 0, 7)};
    plugin.onTeamChanged("");

    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(plugin.teamZeroRowCount, 2);
    EXPECT_EQ(plugin.roster[2].score, 7);
    EXPECT_TRUE(plugin.roster[2].onTeamZero);
    EXPECT_FALSE(plugin.roster[1].onTeamZero);
    EXPECT_FALSE(plugin.glyphCodes.contains("s"));
    EXPECT_FALSE(plugin.glyphImages.contains("s"));
    // The prune at the end runs while the scoreboard is closed: it reports the null element.
    EXPECT_EQ(logLines(), (std::vector<std::string>{veltrona::kLogNullPlayer}));
}

TEST_F(TeamChange, RebuildsTheRosterFromScratchEachTime) {
    world.players = {human("a", "A", 0), human("b", "B", 0)};
    plugin.onTeamChanged("");
    world.players = {human("b", "B", 1)};
    plugin.onTeamChanged("");
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"b"}));
    EXPECT_EQ(plugin.teamZeroRowCount, 0);
}

TEST_F(TeamChange, GlyphWorkRunsOncePerKey) {
    world.players = {human("a", "Ab", 0), bot("Rex", 1), bot("Rex", 1)};
    plugin.onTeamChanged("");
    auto imagesAfterFirst = imagePaths();
    EXPECT_EQ(imagesAfterFirst, (std::vector<std::string>{"D/assets/png/65.png", "D/assets/png/98.png",
                                                          "D/assets/png/82.png", "D/assets/png/101.png",
                                                          "D/assets/png/120.png"}));

    world.players[0]->name = "Zz";  // a renamed player keeps the glyphs of the name first seen
    plugin.onTeamChanged("");
    EXPECT_EQ(imagePaths(), imagesAfterFirst);
    EXPECT_EQ(plugin.glyphImages["a"].size(), 2u);
    EXPECT_EQ(plugin.glyphImages["Rex"].size(), 3u);
    EXPECT_EQ(plugin.glyphCodes["a"], (std::vector<std::string>{"65", "98"}));
    EXPECT_EQ(plugin.roster[0].displayName, "Zz");
}

TEST_F(TeamChange, EmptyNameGetsACodeEntryOnly) {
    world.players = {human("a", "", 0)};
    plugin.onTeamChanged("");
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a"}));
    ASSERT_TRUE(plugin.glyphCodes.contains("a"));
    EXPECT_TRUE(plugin.glyphCodes["a"].empty());
    EXPECT_FALSE(plugin.glyphImages.contains("a"));
    EXPECT_FALSE(plugin.glyphWidths.contains("a"));
}

TEST_F(TeamChange, NullGameLeavesEverythingAsItWas) {
    world.players = {human("a", "A", 0), std::nullopt};
    plugin.onTeamChanged("");
    world.calls.clear();
    world.game = false;
    world.players = {human("b", "B", 1)};
    plugin.onTeamChanged("");
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a"}));
    EXPECT_EQ(plugin.teamZeroRowCount, 1);
    EXPECT_TRUE(world.calls.empty());  // no glyph work, no prune
}

struct GlyphCase {
    const char* label;
    std::string name;
    std::vector<std::string> paths;
    std::vector<bool> wide;

    friend void PrintTo(const GlyphCase& c, std::ostream* os) { *os << c.label; }
};

class GlyphImages : public PluginFixture, public testing::WithParamInterface<GlyphCase> {};

TEST_P(GlyphImages, OneImageAndOneWidthBitPerCode) {
    world.players = {human("p", GetParam().name, 1)};
    plugin.onTeamChanged("");
    EXPECT_EQ(imagePaths(), GetParam().paths);
    EXPECT_EQ(plugin.glyphWidths["p"], GetParam().wide);
    EXPECT_EQ(plugin.glyphImages["p"].size(), GetParam().paths.size());
}

INSTANTIATE_TEST_SUITE_P(
    Names, GlyphImages,
    testing::Values(
        GlyphCase{"ascii_then_kana", "A\xe3\x81\x82", {"D/assets/png/65.png", "D/assets/png/3042.png"}, {false, true}},
        GlyphCase{"accented", "\xc3\xa9" "1", {"D/assets/png/e9.png", "D/assets/png/49.png"}, {true, false}},
        GlyphCase{"stray_continuation", "\x80", {"D/assets/png/ffffff80.png"}, {true}},
        GlyphCase{"five_byte_run", "\xf0\x9f\x98\x80\x80", {"D/assets/png/.png"}, {true}},
        GlyphCase{"emoji", "\xf0\x9f\x98\x80", {"D/assets/png/1f600.png"}, {true}}),
    [](const auto& info) { return info.param.label; });

// The data folder is a wide path; a Japanese user name in it must reach the file system
// intact on every platform.
TEST_F(TeamChange, NonAsciiDataFolderReachesTheImageFiles) {
    auto folder = std::filesystem::temp_directory_path() / std::filesystem::path(u8"veltrona-テスト-データ");
    std::filesystem::create_directories(folder / "assets" / "png");
    std::ofstream(folder / "assets" / "png" / "65.png") << "png";
    world.dataFolder = folder;
    world.players = {human("p", "AB", 0)};
    plugin.onTeamChanged("");
    std::filesystem::remove_all(folder);

    ASSERT_EQ(world.images.size(), 2u);
    EXPECT_EQ(world.images.at(0).path, folder / "assets" / "png" / "65.png");
    EXPECT_TRUE(world.images.at(0).readable);
    EXPECT_FALSE(world.images.at(1).readable);
    EXPECT_EQ(imagePaths()[0], sim::utf8(folder) + "/assets/png/65.png");
}

}  // namespace
