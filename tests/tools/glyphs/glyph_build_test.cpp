#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "build_command.h"
#include "cli.h"
#include "glyph_files.h"
#include "png_reading.h"
#include "scratch_folder.h"
#include "test_fonts.h"
#include "tool_error.h"

namespace {

// Builds into a scratch data folder with Noto Sans CJK, the main font of the default chain.
class GlyphBuild : public testing::Test {
protected:
    BuildResult build(CharacterRequest request, const std::filesystem::path& dataFolder) {
        BuildOptions options = cjkOptions();
        options.dataFolder = dataFolder;
        options.characters = std::move(request);
        options.threads = 2;
        std::ostringstream progress;
        return buildGlyphSet(options, progress);
    }
    BuildResult build(CharacterRequest request) { return build(std::move(request), data.path()); }

    std::filesystem::path file(const std::string& stem) const {
        return glyphFolder(data.path()) / (stem + ".png");
    }

    std::vector<std::string> writtenFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(glyphFolder(data.path()))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchFolder data;
};

std::string contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---- What one image looks like.

struct ImageCase {
    const char* label;
    const char* chars;
    const char* stem;
    int width;
    bool ink;

    friend void PrintTo(const ImageCase& c, std::ostream* os) { *os << c.label; }
};

class GlyphImages : public GlyphBuild, public testing::WithParamInterface<ImageCase> {};

TEST_P(GlyphImages, AreSizedForTheOverlayWithWhiteInkOnTransparent) {
    const auto& c = GetParam();
    auto result = build({{}, {c.chars}, {}});
    ASSERT_EQ(result.written, 1u);

    auto png = readPng(file(c.stem));
    ASSERT_EQ(png.width, c.width);
    ASSERT_EQ(png.height, 114);
    bool allWhite = true;
    bool antiAliased = false;
    for (std::size_t i = 0; i < png.rgba.size(); i += 4) {
        allWhite = allWhite && png.rgba[i] == 255 && png.rgba[i + 1] == 255 && png.rgba[i + 2] == 255;
        antiAliased = antiAliased || (png.rgba[i + 3] > 0 && png.rgba[i + 3] < 255);
    }
    EXPECT_TRUE(allWhite);
    auto box = inkBox(png);
    if (!c.ink) {
        EXPECT_TRUE(box.empty());
        return;
    }
    ASSERT_FALSE(box.empty());
    EXPECT_TRUE(antiAliased);
    // Nothing cut off at any edge, and the glyph fills a fair part of its image.
    EXPECT_GT(box.left, 0);
    EXPECT_LT(box.right, png.width - 1);
    EXPECT_GT(box.top, 0);
    EXPECT_LT(box.bottom, png.height - 1);
    EXPECT_GT(box.bottom - box.top, png.height / 4);
}

INSTANTIATE_TEST_SUITE_P(Characters, GlyphImages,
                         testing::Values(ImageCase{"letter_A", "U+41", "65", 64, true},
                                         ImageCase{"space_is_written_empty", "U+20", "32", 64, false},
                                         ImageCase{"W_squeezed_into_narrow", "U+57", "87", 64, true},
                                         ImageCase{"e_acute_is_wide", "U+E9", "e9", 84, true},
                                         ImageCase{"hiragana_a", "U+3042", "3042", 84, true},
                                         ImageCase{"kanji_of_many_strokes", "U+9F98", "9f98", 84, true}));

TEST_F(GlyphBuild, NarrowAndWideGlyphsShareOneBaseline) {
    build({{}, {"U+41", "U+48", "U+C4", "U+3075"}, {}});
    auto baselineA = inkBox(readPng(file("65"))).bottom;
    EXPECT_EQ(inkBox(readPng(file("72"))).bottom, baselineA);
    EXPECT_EQ(inkBox(readPng(file("c4"))).bottom, baselineA);
    // Ideographic glyphs reach a little below the Latin baseline, not far.
    auto kanaBottom = inkBox(readPng(file("3075"))).bottom;
    EXPECT_GE(kanaBottom, baselineA - 2);
    EXPECT_LE(kanaBottom, baselineA + 12);
}

TEST_F(GlyphBuild, CharacterTheFontLacksIsReportedNotDrawn) {
    auto result = build({{}, {"U+41", "U+378"}, {}});
    EXPECT_EQ(result.written, 1u);
    EXPECT_EQ(result.missing, std::vector<CodePoint>{0x378});
    EXPECT_FALSE(std::filesystem::exists(file("378")));

    std::ostringstream summary;
    printBuildSummary(result, summary);
    EXPECT_NE(summary.str().find("Missing from the font"), std::string::npos) << summary.str();
    EXPECT_NE(summary.str().find("U+0378"), std::string::npos) << summary.str();
}

// ā (U+0101) and e both read as 101.png to the plugin: ā gets its own file, wide, and e's
// image is the same as when e is drawn alone.
TEST_F(GlyphBuild, AccentedLetterGoesToItsOwnFileBesideTheAsciiLetters) {
    auto result = build({{}, {"U+65", "U+101"}, {}});
    EXPECT_EQ(result.written, 2u);
    EXPECT_EQ(writtenFiles(), (std::vector<std::string>{"101.png", "u101.png"}));
    EXPECT_EQ(readPng(file("u101")).width, 84);

    ScratchFolder onlyE;
    build({{}, {"U+65"}, {}}, onlyE.path());
    EXPECT_EQ(contents(file("101")), contents(glyphFolder(onlyE.path()) / "101.png"));

    std::ostringstream summary;
    printBuildSummary(result, summary);
    EXPECT_EQ(summary.str().find("\n"), summary.str().size() - 1)
        << "one line, no clashes: " << summary.str();
}

TEST_F(GlyphBuild, AccentedLetterAloneLeavesTheAsciiFileAlone) {
    std::filesystem::create_directories(glyphFolder(data.path()));
    std::ofstream(file("101"), std::ios::binary) << "an e from another font";
    auto result = build({{}, {"U+101"}, {}});
    EXPECT_EQ(result.written, 1u);
    EXPECT_EQ(contents(file("101")), "an e from another font");
    EXPECT_TRUE(std::filesystem::is_regular_file(file("u101")));
}

TEST_F(GlyphBuild, FallbackFontDrawsWhatTheMainFontLacksOnTheSameBaseline) {
    BuildOptions options = cjkOptions();
    options.dataFolder = data.path();
    options.fallbacks = {{kDejaVuSans, 0}};
    options.characters.ranges = {"U+4C", "U+141"};  // L, and L with stroke, which Noto Sans CJK lacks
    std::ostringstream progress;
    auto result = buildGlyphSet(options, progress);

    EXPECT_TRUE(result.missing.empty());
    EXPECT_EQ(result.writtenPerFont, (std::vector<std::size_t>{1, 1}));
    auto stroked = readPng(file("141"));
    EXPECT_EQ(stroked.width, 84);
    EXPECT_EQ(inkBox(stroked).bottom, inkBox(readPng(file("76"))).bottom);
}

// ج's tail hangs below the cell at the font's size: it is moved up and counted; ا fits.
TEST_F(GlyphBuild, GlyphsFittedIntoTheirCellsAreCounted) {
    BuildOptions options = cjkOptions();
    options.dataFolder = data.path();
    options.fallbacks = {{kNotoSansArabic, 0}};
    options.characters.ranges = {"U+627", "U+62C"};
    std::ostringstream progress;
    auto result = buildGlyphSet(options, progress);

    EXPECT_EQ(result.fitted, 1u);
    std::ostringstream summary;
    printBuildSummary(result, summary);
    EXPECT_NE(summary.str().find("\n1 glyph moved or scaled to fit its cell, so that no ink is cut.\n"),
              std::string::npos)
        << summary.str();
}

TEST_F(GlyphBuild, NamesFileGivesExactlyTheFilesOfItsCharacters) {
    auto names = data.path() / "friends.txt";
    std::ofstream(names, std::ios::binary) << "A\xE3\x81\x82\nbA\n";
    build({{}, {}, names});
    EXPECT_EQ(writtenFiles(), (std::vector<std::string>{"3042.png", "65.png", "98.png"}));
}

// ---- --missing: only the files that are not there are drawn.

struct MissingOnlyCase {
    const char* label;
    std::vector<std::string> there;  // stems of files there before
    std::size_t written;
    std::size_t alreadyThere;

    friend void PrintTo(const MissingOnlyCase& c, std::ostream* os) { *os << c.label; }
};

class MissingOnlyBuild : public GlyphBuild, public testing::WithParamInterface<MissingOnlyCase> {};

TEST_P(MissingOnlyBuild, DrawsWhatIsNotThereAndLeavesTheRest) {
    const auto& c = GetParam();
    std::filesystem::create_directories(glyphFolder(data.path()));
    for (const auto& stem : c.there) std::ofstream(file(stem), std::ios::binary) << "drawn before: " << stem;
    // Stamped an hour back, as read back from the file system, whatever its precision.
    std::vector<std::filesystem::file_time_type> stamps;
    for (const auto& stem : c.there) {
        std::filesystem::last_write_time(
            file(stem), std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
        stamps.push_back(std::filesystem::last_write_time(file(stem)));
    }

    auto names = data.path() / "lobby.txt";
    // A, B, あ, ą (its own file u105.png beside i's 105.png), and a character the font lacks.
    std::ofstream(names, std::ios::binary) << "AB\n\xE3\x81\x82\xC4\x85\xCD\xB8\n";
    BuildOptions options = cjkOptions();
    options.dataFolder = data.path();
    options.fallbacks = {{kDejaVuSans, 0}};
    options.characters.namesFile = names;
    options.onlyMissing = true;
    std::ostringstream progress;
    auto result = buildGlyphSet(options, progress);

    EXPECT_EQ(result.written, c.written);
    EXPECT_EQ(result.alreadyThere, c.alreadyThere);
    for (std::size_t i = 0; i < c.there.size(); ++i) {
        EXPECT_EQ(contents(file(c.there[i])), "drawn before: " + c.there[i]);
        EXPECT_EQ(std::filesystem::last_write_time(file(c.there[i])), stamps[i]) << c.there[i];
    }
    for (const char* stem : {"65", "66", "3042", "u105"})
        EXPECT_TRUE(std::filesystem::is_regular_file(file(stem)));
    // U+0378 has no glyph in either font: missing unless a file of it is there.
    const bool lackingThere = std::find(c.there.begin(), c.there.end(), "378") != c.there.end();
    EXPECT_EQ(result.missing.empty(), lackingThere);

    std::ostringstream summary;
    printBuildSummary(result, summary);
    if (c.alreadyThere > 0) {
        EXPECT_NE(summary.str().find(std::to_string(c.alreadyThere) +
                                     (c.alreadyThere == 1 ? " file was" : " files were") + " there already"),
                  std::string::npos)
            << summary.str();
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingOnlyBuild,
                         testing::Values(MissingOnlyCase{"nothing_there", {}, 4, 0},
                                         MissingOnlyCase{"some_there", {"65", "3042"}, 2, 2},
                                         // i's file is not ą's: ą is still drawn, to its own file.
                                         MissingOnlyCase{"ascii_partner_there", {"105"}, 4, 0},
                                         MissingOnlyCase{"all_there", {"65", "66", "3042", "u105"}, 0, 4},
                                         MissingOnlyCase{"lacking_character_drawn_elsewhere", {"378"}, 4, 1}),
                         [](const testing::TestParamInfo<MissingOnlyCase>& info) {
                             return info.param.label;
                         });

// Joiners and variation selectors are drawn as nothing: no file is made for them, and none
// is missing from the font, whichever way they are asked for.
TEST_F(GlyphBuild, CharactersDrawnAsNothingAreNeitherWrittenNorMissing) {
    auto names = data.path() / "lobby.txt";
    std::ofstream(names, std::ios::binary) << "A\xE2\x80\x8D"
                                              "B\n\xE2\x9D\xA4\xEF\xB8\x8F\n";
    auto result = build({{}, {"U+FE00-U+FE0F", "U+200B-U+200D", "U+2060"}, names});
    EXPECT_TRUE(std::find(result.missing.begin(), result.missing.end(), 0x200D) == result.missing.end());
    EXPECT_TRUE(std::find(result.missing.begin(), result.missing.end(), 0xFE0F) == result.missing.end());
    EXPECT_TRUE(std::filesystem::is_regular_file(file("65")));
    for (const char* stem : {"200d", "fe0f", "200b", "2060"})
        EXPECT_FALSE(std::filesystem::exists(file(stem))) << stem;
    ASSERT_EQ(result.noFileNeeded.size(), 20u);

    std::ostringstream summary;
    printBuildSummary(result, summary);
    const auto text = summary.str();
    const auto missingLine = text.find("Missing from the font");
    if (missingLine != std::string::npos) {
        const auto line = text.substr(missingLine, text.find('\n', missingLine) - missingLine);
        EXPECT_EQ(line.find("U+200D"), std::string::npos) << line;
        EXPECT_EQ(line.find("U+FE0F"), std::string::npos) << line;
    }
    EXPECT_NE(text.find("No image needed"), std::string::npos) << text;
}

#if !defined(_WIN32)
// Where an image goes, something other than a regular file: the build is refused before it
// draws anything, and every file and link stays as it was.
TEST_F(GlyphBuild, OutputThatIsNotARegularFileRefusesTheWholeBuild) {
    std::filesystem::create_directories(glyphFolder(data.path()));
    std::ofstream(file("66"), std::ios::binary) << "an older B";
    std::filesystem::create_symlink("elsewhere.png", file("65"));
    std::filesystem::create_directory(file("67"));

    std::vector<const char*> argv{"veltrona-glyphs", "build", "-d",        data.path().c_str(), "-c",
                                  "U+41-U+43",       "-f",    kNotoSansCjk};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli(static_cast<int>(argv.size()), argv.data(), out, err, false), 2);
    EXPECT_EQ(err.str(),
              "veltrona-glyphs build: " + file("65").string() +
                  ": is a symbolic link, not a regular file; it is left as it is (1 more glyph file "
                  "is not a regular file either); nothing was written\n");
    EXPECT_EQ(contents(file("66")), "an older B");
    EXPECT_TRUE(std::filesystem::is_symlink(file("65")));
    EXPECT_TRUE(std::filesystem::is_directory(file("67")));
    EXPECT_EQ(writtenFiles(), (std::vector<std::string>{"65.png", "66.png", "67.png"}));
}
#endif

TEST_F(GlyphBuild, MissingFontIsAnErrorNamingItsPath) {
    BuildOptions options;
    options.dataFolder = data.path();
    options.font.path = data.path() / "no-such-font.ttf";
    std::ostringstream progress;
    try {
        buildGlyphSet(options, progress);
        FAIL() << "built without a font";
    } catch (const ToolError& e) {
        EXPECT_NE(std::string(e.what()).find("no-such-font.ttf"), std::string::npos) << e.what();
    }
}

}  // namespace
