// The default set against the fonts it is made from: every character that Debian's default
// chain or its other Noto fonts draw, within the set's rule, has a file in the plan, so a new
// font character can never go missing from the set unseen; and the names players really have
// (examples/lobby_names.txt) are drawn whole from it. Planned without drawing, which is exact
// and quick; a build of two small fonts' default set shows the files land.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "build_command.h"
#include "build_plan.h"
#include "default_fonts.h"
#include "default_set.h"
#include "drawn_glyphs.h"
#include "font_stack.h"
#include "glyph_file.h"
#include "glyph_geometry.h"
#include "more_fonts.h"
#include "png_reading.h"
#include "scratch_folder.h"
#include "test_fonts.h"

namespace {

constexpr double kRequiredPercent = 99.0;
constexpr char kOghamFont[] = "/usr/share/fonts/truetype/noto/NotoSansOgham-Regular.ttf";
constexpr char kRunicFont[] = "/usr/share/fonts/truetype/noto/NotoSansRunic-Regular.ttf";

std::vector<std::string> lobbyNames() {
    std::ifstream in(std::string(VELTRONA_SOURCE_DIR) + "/examples/lobby_names.txt", std::ios::binary);
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);) names.push_back(line);
    return names;
}

// Debian's fonts for the default set, as `build` takes them without --font, on any system.
std::vector<FontSource> debianDefaultSetFonts() {
    auto fonts = findDefaultFonts({kDebianFontsFolder, kDebianFonts}).installed;
    auto more = afterTheChain(fonts, notoFonts(debianNotoFolder()));
    fonts.insert(fonts.end(), more.begin(), more.end());
    return fonts;
}

class DefaultSetOfDebiansFonts : public testing::Test {
protected:
    static void SetUpTestSuite() {
        sources = new std::vector<FontSource>(debianDefaultSetFonts());
        fonts = new FontStack(*sources);
        plan = new GlyphPlan(planBuild({}, *fonts));
    }
    static void TearDownTestSuite() {
        delete plan;
        delete fonts;
        delete sources;
    }

    static std::set<CodePoint> planned() {
        std::set<CodePoint> characters;
        for (const auto& job : plan->jobs) characters.insert(job.character);
        return characters;
    }

    static std::vector<FontSource>* sources;
    static FontStack* fonts;
    static GlyphPlan* plan;
};

std::vector<FontSource>* DefaultSetOfDebiansFonts::sources = nullptr;
FontStack* DefaultSetOfDebiansFonts::fonts = nullptr;
GlyphPlan* DefaultSetOfDebiansFonts::plan = nullptr;

TEST_F(DefaultSetOfDebiansFonts, TakesEveryFontOfTheChainAndOfFontsNotoCore) {
    ASSERT_EQ(findDefaultFonts({kDebianFontsFolder, kDebianFonts}).missing.size(), 0u)
        << ".ci/install-deps installs every font of the chain";
    EXPECT_GT(sources->size(), std::size(kDebianFonts) + 100) << "fonts-noto-core has over a hundred families";
}

TEST_F(DefaultSetOfDebiansFonts, HasAFileForEveryCharacterAFontDrawsWithinTheRule) {
    const auto characters = planned();
    for (std::size_t font = 0; font < fonts->size(); ++font) {
        std::vector<CodePoint> lacking;
        for (auto cp : fonts->at(font).mappedCharacters()) {
            if (belongsInDefaultSet(cp) && !characters.contains(cp)) lacking.push_back(cp);
        }
        EXPECT_TRUE(lacking.empty()) << sources->at(font).path << " draws " << lacking.size()
                                     << " characters the set lacks: " << formatCodePointRuns(lacking);
    }
    EXPECT_TRUE(plan->missing.empty()) << formatCodePointRuns(plan->missing);
}

TEST_F(DefaultSetOfDebiansFonts, HoldsNothingOutsideTheRuleAndEveryBlankCharacter) {
    std::vector<CodePoint> outside;
    for (const auto& job : plan->jobs) {
        if (!belongsInDefaultSet(job.character)) outside.push_back(job.character);
    }
    EXPECT_TRUE(outside.empty()) << formatCodePointRuns(outside);
    const auto characters = planned();
    for (auto cp : blankCharacters()) EXPECT_TRUE(characters.contains(cp)) << formatCodePoint(cp);
    // About seventy thousand characters before the ancient scripts are left out: a set far
    // smaller means fonts went unread, one far larger that the rule lets in what it should not.
    EXPECT_GT(plan->jobs.size(), 50'000u);
    EXPECT_LT(plan->jobs.size(), 70'000u);
}

TEST_F(DefaultSetOfDebiansFonts, GivesEachFileItsOwnName) {
    std::set<std::string> stems;
    for (const auto& job : plan->jobs) EXPECT_TRUE(stems.insert(job.stem).second) << job.stem;
}

TEST_F(DefaultSetOfDebiansFonts, DrawsNearlyEveryLobbyNameWhole) {
    const auto names = lobbyNames();
    ASSERT_GE(names.size(), 300u);
    const auto characters = planned();
    std::size_t whole = 0;
    for (const auto& name : names) {
        const auto codes = drawnGlyphCodes(name);
        whole += std::all_of(codes.begin(), codes.end(), [&](const std::string& code) {
            const auto character = characterOfGlyphCode(code);
            return character && characters.contains(*character);
        });
    }
    EXPECT_GE(100.0 * static_cast<double>(whole) / static_cast<double>(names.size()), kRequiredPercent);
}

// The default set of two small fonts, drawn: a file for every character either draws and for
// every blank character, the second font drawing what the first lacks.
TEST(DefaultSetBuild, WritesAFileForEveryCharacterOfItsFonts) {
    ScratchFolder data;
    BuildOptions options;
    options.dataFolder = data.path();
    options.font = {kOghamFont, 0};
    options.fallbacks = {{kRunicFont, 0}};
    options.threads = 2;
    std::ostringstream progress;
    const auto result = buildGlyphSet(options, progress);

    const FontStack fonts({options.font, options.fallbacks.front()});
    const auto plan = planBuild({}, fonts);
    EXPECT_EQ(result.written, plan.jobs.size());
    EXPECT_TRUE(result.missing.empty()) << formatCodePointRuns(result.missing);
    ASSERT_EQ(result.writtenPerFont.size(), 2u);
    EXPECT_GT(result.writtenPerFont[1], 50u) << "the runes";
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(glyphFolder(data.path()))) {
        files += entry.path().extension() == ".png";
    }
    EXPECT_EQ(files, plan.jobs.size());
    for (auto cp : std::vector<CodePoint>{0x1681, 0x16A0, 0x3164, 0x2800}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(glyphFolder(data.path()) /
                                                     (glyphFileStem(glyphCodeOf(cp)) + ".png")))
            << formatCodePoint(cp);
    }
}

// Names of blank characters ("invisible" names) are drawn as the blanks they are, whether the
// font has the character or not: a clear image of the cell the plugin gives it.
TEST(BlankCharacters, AreClearImagesOfTheirCellAndNeverMissing) {
    ScratchFolder data;
    BuildOptions options;
    options.dataFolder = data.path();
    options.font = {kDejaVuSans, 0};
    for (auto cp : blankCharacters()) options.characters.ranges.push_back(formatCodePoint(cp));
    std::ostringstream progress;
    const auto result = buildGlyphSet(options, progress);

    EXPECT_TRUE(result.missing.empty()) << formatCodePointRuns(result.missing);
    EXPECT_EQ(result.written, blankCharacters().size());
    for (auto cp : blankCharacters()) {
        const auto code = glyphCodeOf(cp);
        const auto png = readPng(glyphFolder(data.path()) / glyphFileName(code));
        EXPECT_EQ(png.width, glyph_geometry::imageWidth(isWideGlyphCode(code))) << formatCodePoint(cp);
        EXPECT_EQ(png.height, glyph_geometry::kImageHeight) << formatCodePoint(cp);
        EXPECT_TRUE(inkBox(png).empty()) << formatCodePoint(cp);
    }
}

}  // namespace
