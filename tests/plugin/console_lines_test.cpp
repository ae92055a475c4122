// What the player reads in the console when something is wrong: glyph files that are
// missing, and handlers that failed. No failure reaches the host.

#include <filesystem>
#include <fstream>

#include "names.h"
#include "path_text.h"
#include "plugin_fixture.h"

namespace {

using ConsoleLines = PluginFixture;

std::vector<std::optional<sim::Player>> playersNamed(int count) {
    std::vector<std::optional<sim::Player>> players;
    for (int i = 0; i < count; ++i) players.push_back(human("p-" + std::to_string(i), "N" + std::to_string(i), 1));
    return players;
}

std::vector<std::string> missingLines(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const auto& line : lines) {
        if (line.starts_with("Veltrona: no glyph image") || line == veltrona::kLogMoreMissingGlyphs) out.push_back(line);
    }
    return out;
}

TEST_F(ConsoleLines, AMissingGlyphLineNamesUpToThreeCharactersAndTheirFiles) {
    world.players = {human("a", "\xd0\x92\xd0\xb0\xd0\xbd\xd1\x8f\xf0\x9f\x94\xa5", 1), human("b", "x\x1b]0;hi\x07", 1),
                     human("c", "\xc4\x84", 1)};
    plugin.onTeamChanged("");
    EXPECT_EQ(missingLines(logLines()),
              (std::vector<std::string>{
                  "Veltrona: no glyph image for \xd0\x92 (412.png), \xd0\xb0 (430.png), \xd0\xbd (43d.png) and 2 more "
                  "in \"\xd0\x92\xd0\xb0\xd0\xbd\xd1\x8f\xf0\x9f\x94\xa5\"",
                  // Control characters never reach the console as they are.
                  R"(Veltrona: no glyph image for x (120.png), \x1b (27.png), ] (93.png) and 5 more in "x\x1b]0;hi\x07")",
                  // A character sharing a narrow stem is named by its own file.
                  "Veltrona: no glyph image for \xc4\x84 (u104.png) in \"\xc4\x84\""}));
}

TEST_F(ConsoleLines, AtMostSixteenPlayersAMatchThenOneLineForTheRest) {
    world.players = playersNamed(20);
    plugin.onTeamChanged("");
    auto lines = missingLines(logLines());
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines.back(), veltrona::kLogMoreMissingGlyphs);

    world.calls.clear();
    world.players.push_back(human("late", "L", 1));
    plugin.onTeamChanged("");
    EXPECT_TRUE(missingLines(logLines()).empty());

    // A new match, a new count.
    plugin.onMatchEnded("");
    world.players.push_back(human("later", "M", 1));
    world.calls.clear();
    plugin.onTeamChanged("");
    EXPECT_EQ(missingLines(logLines()), (std::vector<std::string>{R"(Veltrona: no glyph image for M (77.png) in "M")"}));
}

TEST_F(ConsoleLines, NamesWhoseGlyphsAreAllThereSayNothing) {
    const auto folder = scratch.path() / "all-there";
    std::filesystem::create_directories(folder / "assets" / "png");
    std::ofstream(folder / "assets" / "png" / "65.png") << "png";
    world.dataFolder = folder;
    world.players = {human("a", "AA", 1)};
    plugin.onLoad();
    EXPECT_EQ(logLines(), (std::vector<std::string>{"Veltrona: on, scaled layout"}));
}

// Every case lists a font, so that the answer is the same on machines with and without fonts.
struct GlyphFolderCase {
    const char* label;
    bool makeFolder;
    const char* file;  // put in the glyph folder, or none
    std::string line;  // after "Veltrona: glyph folder "FOLDER", or empty for none
    bool textChosen = false;

    friend void PrintTo(const GlyphFolderCase& c, std::ostream* os) { *os << c.label; }
};

class GlyphFolder : public PluginFixture, public testing::WithParamInterface<GlyphFolderCase> {};

TEST_P(GlyphFolder, IsCheckedAtActivation) {
    const auto& c = GetParam();
    const auto data = scratch.path() / "without-set";
    std::filesystem::create_directories(data);
    if (c.makeFolder) std::filesystem::create_directories(data / "assets" / "png");
    if (c.file != nullptr) std::ofstream(data / "assets" / "png" / c.file) << "x";
    writeFontList(data, {kDejaVuSans});
    world.dataFolder = data;
    plugin.onLoad();
    if (c.textChosen) world.runCommand("Veltrona text");
    plugin.onUnload();
    auto lines = logLines();
    ASSERT_GE(lines.size(), 1u);
    std::vector<std::string> folderLines;
    for (const auto& line : lines) {
        if (line.starts_with(veltrona::kLogGlyphFolderBefore)) folderLines.push_back(line);
    }
    if (c.line.empty()) {
        EXPECT_TRUE(folderLines.empty());
        return;
    }
    ASSERT_EQ(folderLines.size(), c.textChosen ? 2u : 1u);
    EXPECT_EQ(folderLines.back(), veltrona::kLogGlyphFolderBefore + displayText(data / "assets" / "png") + c.line);
}

INSTANTIATE_TEST_SUITE_P(Folders, GlyphFolder,
                         testing::Values(GlyphFolderCase{"missing", false, nullptr, "\" not found; names are set as text"},
                                         GlyphFolderCase{"empty", true, nullptr, "\" holds no PNG file; names are set as text"},
                                         GlyphFolderCase{"other_files_only", true, "readme.txt",
                                                         "\" holds no PNG file; names are set as text"},
                                         GlyphFolderCase{"one_image", true, "65.png", ""},
                                         GlyphFolderCase{"missing_with_text_chosen", false, nullptr, "\" not found", true}),
                         [](const auto& info) { return info.param.label; });

// --- Failures stay inside the plugin --------------------------------------------------

TEST_F(ConsoleLines, AFailedTeamChangeIsLoggedAndLeavesTheRowsAsTheyWere) {
    world.players = {human("a", "A", 0)};
    plugin.onTeamChanged("");
    world.players = {human("a", "A", 0), human("b", "BC", 1)};
    world.imagesBeforeFailure = 1;
    world.calls.clear();
    EXPECT_NO_THROW(plugin.onTeamChanged(""));
    EXPECT_EQ(logLines(), (std::vector<std::string>{"Veltrona: the team change failed: std::bad_alloc"}));
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a"}));
    EXPECT_FALSE(hasGlyphs(plugin.roster(), "b"));

    world.imagesBeforeFailure = -1;
    plugin.onTeamChanged("");
    EXPECT_EQ(rosterKeys(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(glyphsOf(plugin.roster(), "b").size(), 2u);
}

#if !defined(_WIN32)
// A data folder whose name is not UTF-8 cannot be given to the plugin as wide text: the
// stand-in throws, as a host might fail. Each handler says so in one line.
TEST_F(ConsoleLines, ADataFolderThatCannotBeDecodedIsLoggedNotThrown) {
    world.dataFolder = std::filesystem::path("data-\xff");
    world.players = {human("a", "A", 0)};
    EXPECT_NO_THROW(plugin.onLoad());
    EXPECT_NO_THROW(plugin.onTeamChanged(""));
    auto lines = logLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].starts_with("Veltrona: reading the choices failed: ")) << lines[0];
    EXPECT_EQ(lines[1], "Veltrona: on, scaled layout");
    EXPECT_TRUE(lines[2].starts_with("Veltrona: the command failed: ")) << lines[2];
    EXPECT_TRUE(lines[3].starts_with("Veltrona: the team change failed: ")) << lines[3];
    EXPECT_EQ(world.hooks.size(), 4u);
}
#endif

}  // namespace
