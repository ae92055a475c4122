// Names set as text, through the plugin as the host drives it: the choice and what lasts of
// it, the worker's images taking the rows' place, and everything that drops or replaces them.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "name_size.h"
#include "names.h"
#include "path_text.h"
#include "plugin_fixture.h"
#include "settings_file.h"

namespace {

namespace fs = std::filesystem;
using sim::Op;

class TextNames : public PluginFixture {
protected:
    TextNames() {
        listFonts({kDejaVuSans, kNotoSansCjk});
        world.players = {human("a", "Ann", 0, 30), human("b", "たなか", 1, 20), human("c", "Zoë", 1, 10)};
    }

    void listFonts(const std::vector<std::string>& fonts) { writeFontList(world.dataFolder, fonts); }

    // Loaded, names as text, the scoreboard open: every name queued.
    void openWithText() {
        plugin.onLoad();
        world.runCommand("Veltrona text");
        world.fire(veltrona::kEventOpenScoreboard);
    }

    void frame() {
        world.calls.clear();
        world.drawFrame();
    }

    // The images the last frame drew, by file name, in draw order.
    std::vector<std::string> drawn() const {
        std::vector<std::string> files;
        for (const auto& call : world.calls) {
            if (call.op != Op::DrawTexture) continue;
            files.push_back(sim::utf8(world.images.at(call.value).path.lexically_relative(world.dataFolder)));
        }
        return files;
    }

    std::size_t nameImagesDrawn() const {
        auto files = drawn();
        return static_cast<std::size_t>(
            std::count_if(files.begin(), files.end(),
                          [](const std::string& file) { return file.starts_with("veltrona/cache/"); }));
    }

    std::size_t glyphsDrawn() const { return drawn().size() - nameImagesDrawn(); }

    const NameText& textOf(const std::string& key) const {
        return findPlayerGlyphs(plugin.roster().glyphs, key)->text;
    }
};

TEST_F(TextNames, AllNamesReadyAfterTheWorkerIsDoneAFewPerFrame) {
    world.players.push_back(human("d", "Dmitri", 0, 5));
    world.players.push_back(human("e", "Eve", 1, 4));
    openWithText();
    plugin.waitForTextWork();
    frame();
    EXPECT_EQ(nameImagesDrawn(), static_cast<std::size_t>(kNameImagesPerFrame));
    frame();
    EXPECT_EQ(nameImagesDrawn(), 5u);
    EXPECT_EQ(glyphsDrawn(), 0u);
    // One image a row, at the row's start, at its own size.
    for (const auto& call : world.calls) {
        if (call.op == Op::DrawTexture) {
            EXPECT_EQ(call.scale, 1.0f);
        } else if (call.op == Op::SetPosition && call.position.X != 0) {
            EXPECT_EQ(call.position.X, layout::kNameStartX);
        }
    }
    frame();
    EXPECT_EQ(std::count_if(world.calls.begin(), world.calls.end(),
                            [](const sim::Call& call) { return call.op == Op::ImageWrapper; }),
              0);
}

// The frame that queues a name cannot draw it: the worker has not set it yet, and the frame
// waits for nobody. The rows draw their glyph files until the images are made.
TEST_F(TextNames, ANameIsReadyOnlyAfterTheFrameThatQueuedIt) {
    openWithText();
    world.screen = {2560, 1440};
    frame();  // a new size: every name is queued again, from this frame
    EXPECT_EQ(nameImagesDrawn(), 0u);
    EXPECT_GT(glyphsDrawn(), 0u);
    plugin.waitForTextWork();
    frame();
    EXPECT_EQ(nameImagesDrawn(), 3u);
    EXPECT_EQ(textOf("a").request->size, layout::nameSizeOn({2560, 1440}, layout::Choice::scaled));
}

TEST_F(TextNames, SwitchingBothWaysMidMatch) {
    openWithText();
    plugin.waitForTextWork();
    frame();
    EXPECT_EQ(nameImagesDrawn(), 3u);

    world.runCommand("Veltrona glyphs");
    EXPECT_FALSE(textOf("a").image);
    EXPECT_FALSE(textOf("a").request);
    frame();
    EXPECT_EQ(nameImagesDrawn(), 0u);
    EXPECT_EQ(glyphsDrawn(), 3u + 3u + 3u);

    // The worker stayed; the names come from its cache.
    world.runCommand("Veltrona text");
    plugin.waitForTextWork();
    frame();
    EXPECT_EQ(nameImagesDrawn(), 3u);
}

TEST_F(TextNames, ARenameWhileItsImageIsBeingSetDrawsTheNewName) {
    openWithText();
    world.fire(veltrona::kEventCloseScoreboard);
    world.players[0]->name = "Annabel";
    world.fire(veltrona::kEventTeamChanged);  // before the worker is done with "Ann"
    world.fire(veltrona::kEventOpenScoreboard);
    plugin.waitForTextWork();
    frame();
    ASSERT_TRUE(textOf("a").image);
    EXPECT_EQ(textOf("a").request->name, "Annabel");
    EXPECT_EQ(nameImagesDrawn(), 3u);
}

// Renames glyph files do not see still change a name set as text: a joiner makes a family of
// three people, U+FE0F a red heart, a zero-width non-joiner parts Persian letters.
class ZeroWidthRename : public TextNames, public testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(ZeroWidthRename, SetsTheNameAgain) {
    const auto [before, after] = GetParam();
    world.players = {human("a", before, 0)};
    openWithText();
    plugin.waitForTextWork();
    frame();
    ASSERT_TRUE(textOf("a").image);
    const auto oldFile = textOf("a").request->file;
    world.players[0]->name = after;
    world.fire(veltrona::kEventTeamChanged);
    plugin.waitForTextWork();
    frame();
    ASSERT_TRUE(textOf("a").image);
    EXPECT_EQ(textOf("a").request->name, after);
    EXPECT_NE(textOf("a").request->file, oldFile);
}

INSTANTIATE_TEST_SUITE_P(
    TextNames, ZeroWidthRename,
    testing::Values(std::pair{"\U0001F468\U0001F469\U0001F467", "\U0001F468\u200D\U0001F469\u200D\U0001F467"},
                    std::pair{"\u2764Kai", "\u2764\uFE0FKai"},
                    std::pair{"\u0645\u06CC\u200C\u062E\u0648\u0627\u0645", "\u0645\u06CC\u062E\u0648\u0627\u0645"}),
    [](const auto& info) { return std::string(std::array{"family", "heart", "persian"}[info.index]); });

TEST_F(TextNames, UnloadWithWorkQueuedStopsTheWorkerAndReturns) {
    // Built with += : GCC 12 misreads "x" + std::to_string(...) as an overlapping copy.
    for (int i = 0; i < 200; ++i) {
        std::string id = "x";
        id += std::to_string(i);
        std::string name = "Player ";
        name += std::to_string(i);
        world.players.push_back(human(id, name, 1));
    }
    openWithText();
    world.calls.clear();
    plugin.onUnload();
    EXPECT_FALSE(plugin.textNames().worker);
    EXPECT_TRUE(world.drawables.empty());
    EXPECT_TRUE(std::none_of(world.calls.begin(), world.calls.end(),
                             [](const sim::Call& call) { return call.op == Op::ImageWrapper; }));
}

// The fonts are looked for on the worker; what it found is told at the next frame, and the
// rows keep their glyph files.
TEST_F(TextNames, WithoutFontsTheNamesStayDrawnFromGlyphFiles) {
    listFonts({"missing.ttf"});
    openWithText();
    plugin.waitForTextWork();
    frame();
    const auto lines = logLines();
    const auto told = std::find(lines.begin(), lines.end(), std::string(veltrona::kLogNoListedFont));
    ASSERT_NE(told, lines.end());
    EXPECT_EQ(*std::prev(told), "Veltrona: fonts.txt line 1: \"missing.ttf\" not found");
    EXPECT_FALSE(namesAsText(plugin.textNames()));
    EXPECT_EQ(nameImagesDrawn(), 0u);
    EXPECT_EQ(glyphsDrawn(), 9u);
    frame();
    EXPECT_TRUE(logLines().empty()) << "told once";
}

// A listed file that is not a font is told with its line, as the list's other problems are;
// the other fonts still serve.
TEST_F(TextNames, AListedFileThatIsNoFontIsToldByItsLine) {
    const auto junk = world.dataFolder / "veltrona" / "junk.ttf";
    listFonts({kDejaVuSans, sim::utf8(junk)});
    std::ofstream(junk, std::ios::binary) << "not a font at all";
    openWithText();
    plugin.waitForTextWork();
    frame();
    const auto lines = logLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines.front().starts_with("Veltrona: fonts.txt line 2: font ")) << lines.front();
    EXPECT_NE(lines.front().find("is not a font"), std::string::npos) << lines.front();
    EXPECT_TRUE(namesAsText(plugin.textNames()));
}

// Opening the fonts is the worker's: the command answers at once, however long the list (one
// font named 1,000 times, opened once).
TEST_F(TextNames, TheSwitchLeavesTheFontsToTheWorker) {
    std::vector<std::string> fonts(1000, kNotoSansCjk);
    listFonts(fonts);
    plugin.onLoad();
    world.runCommand("Veltrona text");
    const auto lines = logLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Veltrona: on, scaled layout, names set as text"), lines.end());
    plugin.waitForTextWork();
    EXPECT_EQ(plugin.textNames().worker->fontsState(), TextWorker::FontsState::ready);
}

// A cache folder linked elsewhere is refused whole: one line, names on glyph files, nothing
// written or removed there.
TEST_F(TextNames, ALinkedCacheFolderIsRefused) {
    const auto elsewhere = world.dataFolder / "elsewhere";
    fs::create_directories(elsewhere);
    std::error_code noLinks;
    fs::create_directory_symlink(elsewhere, world.dataFolder / "veltrona" / "cache", noLinks);
    if (noLinks) GTEST_SKIP() << "this system makes no links here: " << noLinks.message();
    openWithText();
    plugin.waitForTextWork();
    frame();
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines.front().starts_with(veltrona::kLogNameNotSetBefore)) << lines.front();
    EXPECT_NE(lines.front().find("is a link or a junction"), std::string::npos) << lines.front();
    EXPECT_EQ(nameImagesDrawn(), 0u);
    EXPECT_TRUE(fs::is_empty(elsewhere));
}

// A name that could not be set (a full disk; here a file where the cache folder goes) is told
// at the next frame, once, and set when the scoreboard next opens with room again.
TEST_F(TextNames, AFailedNameIsToldAtOnceAndTriedAgainAtTheNextOpening) {
    const auto cache = world.dataFolder / "veltrona" / "cache";
    std::ofstream(cache, std::ios::binary) << "in the way";
    openWithText();
    plugin.waitForTextWork();
    frame();
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines.front().starts_with(veltrona::kLogNameNotSetBefore)) << lines.front();
    EXPECT_EQ(glyphsDrawn(), 9u);
    frame();
    EXPECT_TRUE(logLines().empty()) << "told once";

    world.fire(veltrona::kEventCloseScoreboard);
    fs::remove(cache);
    world.fire(veltrona::kEventOpenScoreboard);
    plugin.waitForTextWork();
    frame();
    EXPECT_EQ(nameImagesDrawn(), 3u);
    EXPECT_TRUE(logLines().empty());
}

// --- No glyph set ---------------------------------------------------------------------------

// A player who copied only the module: names are set as text, the folder's line says so, and
// the saved choice stays glyph files.
class WithoutGlyphSet : public TextNames {
protected:
    WithoutGlyphSet() { fs::remove_all(world.dataFolder / "assets"); }

    std::string folderLine(const char* tail) const {
        return veltrona::kLogGlyphFolderBefore + displayText(world.dataFolder / "assets" / "png") + tail;
    }

    void openWithGlyphsChosen() {
        plugin.onLoad();
        world.fire(veltrona::kEventOpenScoreboard);
        plugin.waitForTextWork();
    }
};

TEST_F(WithoutGlyphSet, NamesAreSetAsTextAndTheChoiceStays) {
    openWithGlyphsChosen();
    EXPECT_EQ(logLines(), (std::vector<std::string>{"Veltrona: on, scaled layout",
                                                    folderLine("\" not found; names are set as text")}))
        << "and no line per name about its missing glyph files";
    frame();
    EXPECT_EQ(nameImagesDrawn(), 3u);
    EXPECT_FALSE(plugin.textNames().chosen);
    EXPECT_FALSE(fs::exists(settingsFile(world.dataFolder)));
    // Glyph files chosen again, still without a set: still text, nothing saved.
    world.runCommand("Veltrona glyphs");
    plugin.waitForTextWork();
    frame();
    EXPECT_EQ(nameImagesDrawn(), 3u);
    EXPECT_EQ(readSettings(settingsFile(world.dataFolder)).settings.names, NamesChoice::glyphs);
}

TEST_F(WithoutGlyphSet, AnInstalledSetTakesOverAtTheNextCommand) {
    openWithGlyphsChosen();
    writeGlyphSet(world.dataFolder);
    world.calls.clear();
    world.runCommand("Veltrona");
    EXPECT_EQ(logLines(), std::vector<std::string>{"Veltrona: on, scaled layout"});
    frame();
    EXPECT_EQ(nameImagesDrawn(), 0u);
    EXPECT_EQ(glyphsDrawn(), 9u);
}

TEST_F(WithoutGlyphSet, AnEmptyFolderIsNoSetEither) {
    fs::create_directories(world.dataFolder / "assets" / "png");
    openWithGlyphsChosen();
    EXPECT_EQ(logLines().back(), folderLine("\" holds no PNG file; names are set as text"));
}

// With text chosen, the line is the folder's alone: the names were to be text anyway.
TEST_F(WithoutGlyphSet, WithTextChosenTheLineIsTheFoldersAlone) {
    openWithText();
    EXPECT_EQ(logLines().back(), folderLine("\" not found"));
}

// Neither glyph files nor a usable font: the frame says that names are not drawn, and nothing
// of a choice of text.
TEST_F(WithoutGlyphSet, WithNoUsableFontEitherTheFrameSaysNamesAreNotDrawn) {
    listFonts({"missing.ttf"});
    openWithGlyphsChosen();
    frame();
    const auto lines = logLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(veltrona::kLogNoListedFontNoGlyphs)), lines.end());
    EXPECT_EQ(nameImagesDrawn(), 0u);
}

TEST_F(TextNames, TheChoicesLastIntoTheNextLoad) {
    plugin.onLoad();
    world.runCommand("Veltrona fixed text");
    plugin.onUnload();

    Veltrona next;
    next.cvarManager = plugin.cvarManager;
    next.gameWrapper = plugin.gameWrapper;
    world.calls.clear();
    next.onLoad();
    EXPECT_EQ(next.overlay().layoutChoice, layout::Choice::fixed);
    EXPECT_TRUE(namesAsText(next.textNames()));
    EXPECT_EQ(logLines().front(), "Veltrona: on, fixed layout, names set as text");
    next.onUnload();
}

TEST_F(TextNames, ADamagedChoicesFileMeansTheDefaultsAndIsReplacedAtTheNextChange) {
    const auto file = settingsFile(world.dataFolder);
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << "layout=fixed\nnames=sideways\n";
    plugin.onLoad();
    ASSERT_FALSE(logLines().empty());
    EXPECT_TRUE(logLines().front().starts_with(veltrona::kLogSettingsNotUsed)) << logLines().front();
    EXPECT_EQ(plugin.overlay().layoutChoice, layout::Choice::scaled);
    EXPECT_FALSE(plugin.textNames().chosen);

    world.runCommand("Veltrona fixed");
    const auto read = readSettings(file);
    EXPECT_EQ(read.state, SettingsState::read);
    EXPECT_EQ(read.settings.layout, layout::Choice::fixed);
}

// Each layout sets the names at the height its rows have and to the scoreboard block's edge,
// and draws each one where the row's glyphs would start, shifted as far as its picture grew
// past the row for ink.
struct LayoutCase {
    const char* label;
    const char* word;
    Vector2 screen;
    NameSize size;
    Vector2 firstRowStart;

    friend void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.label; }
};

class TextNamesInLayout : public TextNames, public testing::WithParamInterface<LayoutCase> {};

TEST_P(TextNamesInLayout, SetToTheRowAndDrawnAtItsStart) {
    const auto& c = GetParam();
    world.screen = c.screen;
    world.players = {human("a", "Ann", 0)};
    plugin.onLoad();
    world.runCommand(std::string("Veltrona text ") + c.word);
    world.fire(veltrona::kEventOpenScoreboard);
    plugin.waitForTextWork();
    frame();
    ASSERT_EQ(nameImagesDrawn(), 1u);
    EXPECT_EQ(textOf("a").request->size, c.size);
    auto draw = std::find_if(world.calls.begin(), world.calls.end(),
                             [](const sim::Call& call) { return call.op == Op::DrawTexture; });
    const auto& request = *textOf("a").request;
    EXPECT_EQ(std::prev(draw)->position,
              (Vector2{c.firstRowStart.X + request.offsetX, c.firstRowStart.Y + request.offsetY}));
}

// A letter reaching left of the name's start (DejaVu Sans's j) grows the picture, which is
// drawn further left by as much, so that the name still starts where the row's glyphs would.
TEST_F(TextNames, APictureGrownForInkIsDrawnShiftedToMatch) {
    world.players = {human("j", "jojo", 0)};
    openWithText();
    plugin.waitForTextWork();
    frame();
    ASSERT_EQ(nameImagesDrawn(), 1u);
    const auto& request = *textOf("j").request;
    EXPECT_LT(request.offsetX, 0);
    EXPECT_EQ(request.offsetY, 0);
    auto draw = std::find_if(world.calls.begin(), world.calls.end(),
                             [](const sim::Call& call) { return call.op == Op::DrawTexture; });
    EXPECT_EQ(std::prev(draw)->position.X, layout::kNameStartX + request.offsetX);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, TextNamesInLayout,
    testing::Values(LayoutCase{"fixed_1080p", "fixed", {1920, 1080}, {57, 406}, {1500, 409}},
                    LayoutCase{"fixed_1440p", "fixed", {2560, 1440}, {57, 1041}, {1500, 589}},
                    LayoutCase{"scaled_1080p", "scaled", {1920, 1080}, {57, 406}, {1500, 409}},
                    LayoutCase{"scaled_1440p", "scaled", {2560, 1440}, {76, 541}, {2000, 545}},
                    LayoutCase{"scaled_720p", "scaled", {1280, 720}, {38, 270}, {1000, 272}},
                    // An ultrawide's scoreboard ends well short of the screen's edge.
                    LayoutCase{"scaled_ultrawide", "scaled", {3440, 1440}, {76, 541}, {2440, 545}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
