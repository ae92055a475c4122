#include <fstream>

#include "drawn_glyphs.h"
#include "scratch_folder.h"
#include "world_fixture.h"

namespace {

using TeamChange = RosterFixture;

TEST_F(TeamChange, RosterFollowsTheListSkippingNullAndSpectators) {
    world.players = {human("a", "A", 0), std::nullopt, human("b", "B", 1), human("s", "S", 255),
                     human("c", "C", 0, 7)};
    teamChange();

    // Ordered as at an opening: team zero first, then by score.
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"c", "a", "b"}));
    EXPECT_EQ(roster.teamZeroRowCount, 2);
    EXPECT_EQ(roster.rows[0].score, 7);
    EXPECT_TRUE(roster.rows[0].onTeamZero);
    EXPECT_FALSE(roster.rows[2].onTeamZero);
    EXPECT_FALSE(hasGlyphs(roster, "s"));
    EXPECT_FALSE(hasGlyphs(roster, "s"));
    // The prune at the end runs while the scoreboard is closed: it reports the null element.
    EXPECT_EQ(lastPrune.nullPlayers, 1);
}

TEST_F(TeamChange, RebuildsTheRosterFromScratchEachTime) {
    world.players = {human("a", "A", 0), human("b", "B", 0)};
    teamChange();
    world.players = {human("b", "B", 1)};
    teamChange();
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"b"}));
    EXPECT_EQ(roster.teamZeroRowCount, 0);
}

TEST_F(TeamChange, GlyphWorkRunsOncePerKeyAndName) {
    world.players = {human("a", "Ab", 0), bot("Rex", 1), bot("Rex", 1)};
    teamChange();
    auto imagesAfterFirst = imagePaths();
    EXPECT_EQ(imagesAfterFirst, (std::vector<std::string>{"D/assets/png/65.png", "D/assets/png/98.png",
                                                          "D/assets/png/82.png", "D/assets/png/101.png",
                                                          "D/assets/png/120.png"}));
    teamChange();
    EXPECT_EQ(imagePaths(), imagesAfterFirst);
    EXPECT_EQ(glyphsOf(roster, "Rex").size(), 3u);
}

// A renamed player (same id) is drawn by the new name: the old glyphs go first, then the new
// ones come, aligned.
TEST_F(TeamChange, ARenamedPlayerGetsTheNewNamesGlyphs) {
    world.players = {human("a", "Ab", 0)};
    teamChange();
    world.calls.clear();
    world.players[0]->name = "Zb\xe3\x81\x82";
    teamChange();
    EXPECT_EQ(imagePaths(), (std::vector<std::string>{"D/assets/png/90.png", "D/assets/png/98.png",
                                                      "D/assets/png/3042.png"}));
    EXPECT_EQ(codesOf(roster, "a"), (std::vector<std::string>{"90", "98", "u\\3042"}));
    EXPECT_EQ(wideOf(roster, "a"), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(glyphsOf(roster, "a").size(), 3u);
    EXPECT_EQ(roster.rows[0].displayName, "Zb\xe3\x81\x82");
    EXPECT_TRUE(logLines().empty());
}

// A rename is told by the glyphs it draws: padding the name with zero-width characters
// (which fill the kept bytes) hides nothing, and adding one changes nothing.
struct RenameCase {
    const char* label;
    std::string before;
    std::string after;
    bool reloaded;

    friend void PrintTo(const RenameCase& c, std::ostream* os) { *os << c.label; }
};

class Renames : public RosterFixture, public testing::WithParamInterface<RenameCase> {};

TEST_P(Renames, AreJudgedByTheDrawnCodes) {
    world.players = {human("a", GetParam().before, 0)};
    teamChange();
    world.calls.clear();
    world.players[0]->name = GetParam().after;
    teamChange();
    EXPECT_EQ(!imagePaths().empty(), GetParam().reloaded);
    EXPECT_EQ(codesOf(roster, "a"), drawnGlyphCodes(GetParam().after));
}

std::string zeroWidthPadded(const std::string& name) {
    std::string padded;
    for (int i = 0; i < 600; ++i) padded += "\xe2\x80\x8b";
    return padded + name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, Renames,
    testing::Values(RenameCase{"padded_rename", zeroWidthPadded("Rex"), zeroWidthPadded("Max"), true},
                    RenameCase{"zero_width_added", "Rex", "R\xe2\x80\x8b" "ex", false},
                    RenameCase{"past_the_glyph_cap", std::string(128, 'x') + "a", std::string(128, 'x') + "b", false},
                    RenameCase{"plain_rename", "Rex", "Rey", true}),
    [](const auto& info) { return info.param.label; });

// Two players who share a key with different names would rename each other at every team
// change: the first of them in the list gives the glyphs.
TEST_F(TeamChange, PlayersSharingAKeyDrawTheFirstOnesName) {
    world.players = {human("dup", "A", 0), human("dup", "B", 1)};
    teamChange();
    teamChange();
    EXPECT_EQ(codesOf(roster, "dup"), (std::vector<std::string>{"65"}));
    EXPECT_EQ(imagePaths(), (std::vector<std::string>{"D/assets/png/65.png"}));
}

// --- Shared images: each file loads once while any glyph holds it ------------------------

TEST_F(TeamChange, AFileHeldByAnyGlyphIsNotLoadedAgain) {
    world.players = {human("a", "AAB", 0), human("b", "BA", 1)};
    teamChange();
    EXPECT_EQ(imagePaths(), (std::vector<std::string>{"D/assets/png/65.png", "D/assets/png/66.png"}));
    EXPECT_EQ(glyphsOf(roster, "a")[0].image, glyphsOf(roster, "a")[1].image);
    EXPECT_EQ(glyphsOf(roster, "a")[0].image, glyphsOf(roster, "b")[1].image);
    EXPECT_EQ(glyphsOf(roster, "a").size(), 3u);
}

TEST_F(TeamChange, AnImageGoesWithItsLastHolderAndLoadsAgainLater) {
    world.players = {human("a", "A", 0), human("b", "AB", 1)};
    teamChange();
    world.players = {human("b", "AB", 1)};
    teamChange();
    EXPECT_TRUE(roster.glyphs.loaded.size() == 2u);  // "a" left, but "b" still holds 65.png
    world.players.clear();
    teamChange();
    world.dropReleasedImages();
    EXPECT_TRUE(world.images.empty());
    EXPECT_TRUE(roster.glyphs.loaded.empty());

    world.calls.clear();
    world.players = {human("c", "A", 0)};
    teamChange();
    EXPECT_EQ(imagePaths(), (std::vector<std::string>{"D/assets/png/65.png"}));
}

TEST_F(TeamChange, EmptyNameGetsARecordWithoutGlyphs) {
    world.players = {human("a", "", 0)};
    teamChange();
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a"}));
    ASSERT_TRUE(hasGlyphs(roster, "a"));
    EXPECT_TRUE(glyphsOf(roster, "a").empty());
    EXPECT_TRUE(imagePaths().empty());
}

// A host out of memory in the middle of a name: the key gets no half-made record, the
// others keep theirs, and the next rebuild makes the whole name.
TEST_F(TeamChange, AFailedImageLoadLeavesNoPartRecord) {
    world.players = {human("a", "A", 0)};
    teamChange();
    world.players = {human("a", "A", 0), human("b", "BCDEFGHI", 1)};
    world.imagesBeforeFailure = 4;
    EXPECT_THROW(teamChange(), std::bad_alloc);
    EXPECT_FALSE(hasGlyphs(roster, "b"));
    EXPECT_EQ(codesOf(roster, "a"), (std::vector<std::string>{"65"}));

    world.imagesBeforeFailure = -1;
    teamChange();
    ASSERT_EQ(glyphsOf(roster, "b").size(), 8u);
    for (const auto& glyph : glyphsOf(roster, "b")) EXPECT_NE(glyph.image, nullptr) << glyph.code;
}

TEST_F(TeamChange, NullGameLeavesEverythingAsItWas) {
    world.players = {human("a", "A", 0), std::nullopt};
    teamChange();
    world.calls.clear();
    world.game = false;
    world.players = {human("b", "B", 1)};
    teamChange();
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a"}));
    EXPECT_EQ(roster.teamZeroRowCount, 1);
    EXPECT_TRUE(world.calls.empty());  // no glyph work, no prune
}

// --- Eviction: the glyph tables hold the players of the current game only -------------

TEST_F(TeamChange, APlayerWhoLeavesAndComesBackGetsFreshAlignedGlyphs) {
    world.players = {human("a", "A\xe3\x81\x82", 0), human("b", "B", 1)};
    teamChange();
    world.players = {human("b", "B", 1)};
    teamChange();
    EXPECT_FALSE(hasGlyphs(roster, "a"));

    world.calls.clear();
    world.players = {human("b", "B", 1), human("a", "A\xe3\x81\x82", 0)};
    teamChange();
    EXPECT_EQ(imagePaths(), (std::vector<std::string>{"D/assets/png/65.png", "D/assets/png/3042.png"}));
    EXPECT_EQ(glyphsOf(roster, "a").size(), 2u);
    EXPECT_EQ(wideOf(roster, "a"), (std::vector<bool>{false, true}));
    EXPECT_EQ(codesOf(roster, "a"), (std::vector<std::string>{"65", "u\\3042"}));
    EXPECT_TRUE(logLines().empty());
}

TEST_F(TeamChange, ASpectatorKeepsTheGlyphsOfTheTeamHeLeft) {
    world.players = {human("a", "A", 0)};
    teamChange();
    world.players = {human("a", "A", 255)};
    teamChange();
    EXPECT_TRUE(rosterKeys().empty());
    EXPECT_TRUE(hasGlyphs(roster, "a"));
    EXPECT_EQ(glyphsOf(roster, "a").size(), 1u);
}

TEST_F(TeamChange, NoGameEvictsNothing) {
    world.players = {human("a", "A", 0)};
    teamChange();
    world.game = false;
    world.players.clear();
    teamChange();
    EXPECT_TRUE(hasGlyphs(roster, "a"));
    EXPECT_EQ(glyphsOf(roster, "a").size(), 1u);
}

TEST_F(TeamChange, EvictedImagesAreFreedWithTheHost) {
    world.players = {human("a", "AB", 0)};
    teamChange();
    world.players.clear();
    teamChange();
    world.dropReleasedImages();
    EXPECT_TRUE(world.images.empty());
}

// --- A name draws at most 128 glyphs ----------------------------------------------------

struct LongNameCase {
    const char* label;
    std::string name;
    std::size_t glyphs;
    std::string lastCode;

    friend void PrintTo(const LongNameCase& c, std::ostream* os) { *os << c.label; }
};

std::string repeat(const std::string& piece, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) out += piece;
    return out;
}

class LongNames : public RosterFixture, public testing::WithParamInterface<LongNameCase> {};

TEST_P(LongNames, KeepTheFirst128GlyphsAlignedAcrossTheTables) {
    world.players = {human("p", GetParam().name, 1)};
    teamChange();
    const auto& codes = codesOf(roster, "p");
    ASSERT_EQ(codes.size(), GetParam().glyphs);
    EXPECT_EQ(codes.back(), GetParam().lastCode);
    EXPECT_EQ(glyphsOf(roster, "p").size(), GetParam().glyphs);
    EXPECT_EQ(wideOf(roster, "p").size(), GetParam().glyphs);
    EXPECT_LE(imagePaths().size(), 2u);  // every glyph of these names is one of two files
}

INSTANTIATE_TEST_SUITE_P(
    Names, LongNames,
    testing::Values(
        LongNameCase{"exactly_128", repeat("x", 128), 128, "120"},
        LongNameCase{"129th_dropped", repeat("x", 128) + "y", 128, "120"},
        // The cut falls on a character, never inside its bytes.
        LongNameCase{"multibyte_at_the_cut", repeat("x", 127) + "\xe3\x81\x82" + "\xe3\x81\x84", 128, "u\\3042"},
        LongNameCase{"multibyte_just_past_the_cut", repeat("x", 128) + "\xe3\x81\x82", 128, "120"},
        // Dropped characters do not count against the cap.
        LongNameCase{"zero_width_before_the_cut", repeat("\xe2\x80\x8b", 300) + repeat("x", 128) + "y", 128, "120"},
        LongNameCase{"a_mebibyte", repeat("\xe3\x81\x82", 1 << 16) + repeat("x", 1 << 20), 128, "u\\3042"}),
    [](const auto& info) { return info.param.label; });

TEST_F(TeamChange, TheRosterKeepsABoundedPartOfAHugeName) {
    world.players = {human("p", repeat("x", 1 << 20), 1)};
    teamChange();
    ASSERT_EQ(roster.rows.size(), 1u);
    EXPECT_EQ(roster.rows[0].displayName, repeat("x", 512));
    EXPECT_LE(roster.rows[0].displayName.capacity(), 1024u);
}

struct GlyphCase {
    const char* label;
    std::string name;
    std::vector<std::string> paths;
    std::vector<bool> wide;

    friend void PrintTo(const GlyphCase& c, std::ostream* os) { *os << c.label; }
};

class GlyphImages : public RosterFixture, public testing::WithParamInterface<GlyphCase> {};

TEST_P(GlyphImages, OneImageAndOneWidthBitPerCode) {
    world.players = {human("p", GetParam().name, 1)};
    teamChange();
    EXPECT_EQ(imagePaths(), GetParam().paths);
    EXPECT_EQ(wideOf(roster, "p"), GetParam().wide);
    EXPECT_EQ(glyphsOf(roster, "p").size(), GetParam().paths.size());
}

INSTANTIATE_TEST_SUITE_P(
    Names, GlyphImages,
    testing::Values(
        GlyphCase{"ascii_then_kana", "A\xe3\x81\x82", {"D/assets/png/65.png", "D/assets/png/3042.png"}, {false, true}},
        GlyphCase{"accented", "\xc3\xa9" "1", {"D/assets/png/e9.png", "D/assets/png/49.png"}, {true, false}},
        GlyphCase{"stray_continuation", "\x80", {"D/assets/png/ffffff80.png"}, {true}},
        GlyphCase{"five_byte_run", "\xf0\x9f\x98\x80\x80", {"D/assets/png/.png"}, {true}},
        GlyphCase{"emoji", "\xf0\x9f\x98\x80", {"D/assets/png/1f600.png"}, {true}},
        // Zero-width characters take no cell: a variation selector, joiners, the BOM.
        GlyphCase{"variation_selector", "\xe2\x9d\xa4\xef\xb8\x8fK",
                  {"D/assets/png/2764.png", "D/assets/png/75.png"}, {true, false}},
        GlyphCase{"joined_family", "\xf0\x9f\x91\xa9\xe2\x80\x8d\xf0\x9f\x91\xa7",
                  {"D/assets/png/1f469.png", "D/assets/png/1f467.png"}, {true, true}},
        GlyphCase{"zero_width_only", "\xe2\x80\x8b\xe2\x80\x8c\xe2\x81\xa0\xef\xbb\xbf\xf3\xa0\x84\x80", {}, {}},
        GlyphCase{"combining_accent_keeps_a_cell", "e\xcc\x81", {"D/assets/png/101.png", "D/assets/png/301.png"},
                  {false, true}}),
    [](const auto& info) { return info.param.label; });

// The data folder is a wide path; a Japanese user name in it must reach the file system
// intact on every platform.
TEST_F(TeamChange, NonAsciiDataFolderReachesTheImageFiles) {
    const ScratchFolder scratch("veltrona-\u30c6\u30b9\u30c8-\u30c7\u30fc\u30bf");
    const auto& folder = scratch.path();
    std::filesystem::create_directories(folder / "assets" / "png");
    std::ofstream(folder / "assets" / "png" / "65.png") << "png";
    world.dataFolder = folder;
    world.players = {human("p", "AB", 0)};
    teamChange();

    ASSERT_EQ(world.images.size(), 2u);
    EXPECT_EQ(world.images.at(0).path, folder / "assets" / "png" / "65.png");
    EXPECT_TRUE(world.images.at(0).readable);
    EXPECT_FALSE(world.images.at(1).readable);
    EXPECT_EQ(imagePaths()[0], sim::utf8(folder) + "/assets/png/65.png");
}

}  // namespace
