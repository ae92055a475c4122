// What a screenshot shows: the game's scoreboard blocks with as many rows as the plugin
// draws, red boxes of the right size for glyph images that cannot be shown, and which files
// those were.

#include "screenshot_scene.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "glyph_file_width.h"
#include "glyph_image_cache.h"
#include "png_writer.h"
#include "row_position.h"
#include "scaled_layout.h"
#include "scratch_folder.h"
#include "screenshot.h"

namespace {

namespace fs = std::filesystem;
using hostrun::Colour;
using pngfile::RgbaImage;

constexpr Colour kRed = {255, 48, 48, 255};

Colour at(const RgbaImage& picture, std::int64_t x, std::int64_t y) {
    const auto* p = picture.rgba.data() + (static_cast<std::size_t>(y) * picture.width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

// --- Narrow and wide glyph files -------------------------------------------------------

struct FileWidthCase {
    std::string file;
    bool narrow;

    friend void PrintTo(const FileWidthCase& c, std::ostream* os) { *os << c.file; }
};

class GlyphFileWidth : public testing::TestWithParam<FileWidthCase> {};

TEST_P(GlyphFileWidth, NarrowOnlyForAFileNamedForAnAsciiByte) {
    EXPECT_EQ(hostrun::isNarrowGlyphFile(fs::path("D") / "assets" / "png" / GetParam().file),
              GetParam().narrow);
}

INSTANTIATE_TEST_SUITE_P(Files, GlyphFileWidth,
                         testing::Values(FileWidthCase{"65.png", true},     // A
                                         FileWidthCase{"0.png", true},      // NUL, the first byte
                                         FileWidthCase{"127.png", true},    // DEL, the last narrow byte
                                         FileWidthCase{"105.png", true},    // i; U+0105 names it too
                                         FileWidthCase{"u105.png", false},  // U+0105's own file
                                         FileWidthCase{"128.png", false},   // U+0128
                                         FileWidthCase{"3042.png", false},  // あ
                                         FileWidthCase{"e9.png", false},    // é
                                         FileWidthCase{"065.png", false},   // not a name the plugin makes
                                         FileWidthCase{"65.jpg", false}));

// --- Scoreboard blocks ------------------------------------------------------------------

struct BlockCase {
    std::string label;
    Vector2 screen;
    int teamZeroRows;
    int otherRows;

    friend void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.label; }
};

class ScoreboardBlocks : public testing::TestWithParam<BlockCase> {};

// A frame drawn in the layout made to fit the game's scoreboard, the scaled one (at 1920 x
// 1080 the fixed one to the pixel): one narrow glyph at the start of every row.
TEST_P(ScoreboardBlocks, HoldEveryRowTheirTeamDrawsAndNothingBetweenThem) {
    const auto& c = GetParam();
    const auto map = layout::scaledMapping(c.screen);
    hostrun::DrawnFrame frame{c.screen, {}, {}, {}};
    for (int row = 0; row < c.teamZeroRows + c.otherRows; ++row) {
        const auto start = layout::scaledPosition(1500, layout::rowY(row, c.teamZeroRows, 1080), map);
        frame.draws.push_back({start, layout::scaledDrawScale(map), -1, {255, 255, 255, 255}});
    }
    auto picture = hostrun::scoreboardPicture(frame.screen, hostrun::blockRows(frame));
    const Colour screen = at(picture, 10, c.screen.Y / 2);
    auto onScreen = [&](int x, int y) { return layout::scaledPosition(x, y, map); };

    for (int row = 0; row < c.teamZeroRows + c.otherRows; ++row) {
        const bool upper = row < c.teamZeroRows;
        const int y = layout::rowY(row, c.teamZeroRows, 1080);
        // The row's first glyph, its second's bottom edge, and near the block's right end.
        for (auto [x, dy] : {std::pair{1500, 1}, std::pair{1531, 55}, std::pair{1900, 28}}) {
            const auto point = onScreen(x, y + dy);
            if (point.X >= c.screen.X) continue;  // a screen narrower than 16:9 cuts the layout off
            auto colour = at(picture, point.X, point.Y);
            // Team zero's block is blue, the other team's orange.
            EXPECT_EQ(upper, colour[2] > colour[0]) << "row " << row << " at " << point.X << "," << point.Y;
            EXPECT_NE(colour, screen) << "row " << row << " at " << point.X << "," << point.Y;
        }
    }
    const auto centre = onScreen(1700, 540);
    EXPECT_EQ(at(picture, centre.X, centre.Y), screen) << "the blocks meet at the centre";
    const auto aboveTop = onScreen(1700, layout::rowY(0, c.teamZeroRows, 1080) - 20);
    if (c.teamZeroRows > 0 && aboveTop.Y >= 0) {
        EXPECT_EQ(at(picture, aboveTop.X, aboveTop.Y), screen) << "the upper block reaches above its top row";
    }
    const auto belowBottom =
        onScreen(1700, layout::rowY(c.teamZeroRows + c.otherRows - 1, c.teamZeroRows, 1080) + 57 + 20);
    if (c.otherRows > 0 && belowBottom.Y < c.screen.Y) {
        EXPECT_EQ(at(picture, belowBottom.X, belowBottom.Y), screen) << "the lower block runs on";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ScoreboardBlocks,
                         testing::Values(BlockCase{"three_against_three", {1920, 1080}, 3, 3},
                                         BlockCase{"odd_height", {1920, 1081}, 3, 2},
                                         BlockCase{"all_below_the_centre", {1920, 1080}, 0, 4},
                                         BlockCase{"all_above_the_centre", {1920, 1080}, 4, 0},
                                         BlockCase{"eight_in_team_zero", {1920, 1080}, 8, 1},
                                         BlockCase{"four_against_four_at_720", {1280, 720}, 4, 4},
                                         BlockCase{"sixteen_by_ten", {1280, 800}, 3, 3},
                                         BlockCase{"wide_at_1080", {2560, 1080}, 3, 3},
                                         BlockCase{"larger_screen", {2560, 1440}, 2, 3}),
                         [](const testing::TestParamInfo<BlockCase>& info) { return info.param.label; });

// The fixed layout on a screen other than 1920 x 1080 puts the names where the game has no
// rows. The picture shows that: as many rows as the plugin drew, where the game has them.
TEST(GameScoreboard, StaysWhereTheGameLaysItOutWhenTheNamesAreElsewhere) {
    for (Vector2 screen : {Vector2{2560, 1080}, Vector2{2560, 1440}, Vector2{1920, 1200}}) {
        SCOPED_TRACE(std::to_string(screen.X) + " x " + std::to_string(screen.Y));
        hostrun::DrawnFrame frame{screen, {}, {}, {}};
        for (int row = 0; row < 5; ++row) {
            frame.draws.push_back({{1500, layout::rowY(row, 3, screen.Y)}, 0.5f, -1, {255, 255, 255, 255}});
        }
        const auto rows = hostrun::blockRows(frame);
        EXPECT_EQ(rows.upper, 3);
        EXPECT_EQ(rows.lower, 2);
        auto picture = hostrun::scoreboardPicture(screen, rows);
        const Colour background = at(picture, 10, screen.Y / 2);
        const auto map = layout::scaledMapping(screen);

        for (int row = 0; row < 5; ++row) {
            const auto& name = frame.draws[static_cast<std::size_t>(row)].position;
            EXPECT_EQ(at(picture, name.X + 2, name.Y + 2), background) << "row " << row << "'s name";
            const auto game = layout::scaledPosition(1500, layout::rowY(row, 3, 1080) + 28, map);
            auto colour = at(picture, game.X, game.Y);
            const bool upper = row < 3;
            EXPECT_NE(colour, background) << "row " << row << " of the game";
            EXPECT_EQ(upper, colour[2] > colour[0]) << "row " << row << " of the game";
        }
        const auto fourthRow = layout::scaledPosition(1700, layout::rowY(0, 4, 1080), map);
        EXPECT_EQ(at(picture, fourthRow.X, fourthRow.Y), background) << "team zero drew three rows";
        const auto pastTheRightEdge = layout::scaledPosition(1930, layout::rowY(0, 3, 1080) + 28, map);
        if (pastTheRightEdge.X < screen.X) {
            EXPECT_EQ(at(picture, pastTheRightEdge.X, pastTheRightEdge.Y), background)
                << "the blocks end where the game's layout does";
        }
    }
}

// --- Missing glyph images ---------------------------------------------------------------

struct MissingCase {
    std::string label;
    std::string file;  // empty: a draw without an image
    float scale;
    int width;  // of the glyph's cell on screen
    int height;

    friend void PrintTo(const MissingCase& c, std::ostream* os) { *os << c.label; }
};

class MissingImage : public testing::TestWithParam<MissingCase> {};

TEST_P(MissingImage, IsARedFrameOneInsideTheGlyphsCell) {
    const auto& c = GetParam();
    std::vector<sim::Image> images;
    int handle = -1;
    if (!c.file.empty()) {
        images.push_back({fs::path("no-such-folder") / "assets" / "png" / c.file, false});
        handle = 0;
    }
    hostrun::DrawnFrame frame{{400, 300}, {{{100, 50}, c.scale, handle, {255, 255, 255, 255}}}, {}, {}};
    RgbaImage picture = hostrun::blankPicture(400, 300, {0, 0, 0, 255});
    hostrun::GlyphImageCache cache(images, hostrun::kDecodedImageBudget);
    hostrun::paintDraws(picture, frame, cache);

    const int left = 101, top = 51, right = 100 + c.width - 2, bottom = 50 + c.height - 2;
    EXPECT_EQ(at(picture, left, top), kRed);
    EXPECT_EQ(at(picture, right, bottom), kRed);
    EXPECT_EQ(at(picture, right, top + c.height / 2), kRed);
    EXPECT_NE(at(picture, right + 1, top + c.height / 2), kRed) << "the box is too wide";
    EXPECT_NE(at(picture, left + c.width / 2, bottom + 1), kRed) << "the box is too tall";
    EXPECT_NE(at(picture, left - 1, top), kRed);
    EXPECT_NE(at(picture, left + c.width / 2, top + c.height / 2), kRed) << "the box is filled";
}

INSTANTIATE_TEST_SUITE_P(Cases, MissingImage,
                         testing::Values(MissingCase{"narrow", "65.png", 0.5f, 32, 57},
                                         MissingCase{"wide", "3042.png", 0.5f, 42, 57},
                                         MissingCase{"narrow_at_full_size", "65.png", 1.0f, 64, 114},
                                         MissingCase{"no_image_at_all", "", 0.5f, 42, 57}),
                         [](const testing::TestParamInfo<MissingCase>& info) { return info.param.label; });

// --- Which files could not be shown -----------------------------------------------------

class GlyphFiles : public testing::Test {
protected:
    fs::path write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return folder / name;
    }

    ScratchFolder scratch;
    const fs::path folder = scratch.path();
};

TEST_F(GlyphFiles, EachBadFileIsReportedOnceWithWhyAndTheGoodOnesAreDecoded) {
    RgbaImage glyph = hostrun::blankPicture(84, 114, {255, 255, 255, 255});
    pngfile::PngWriter().write(glyph, folder / "3042.png");
    std::ifstream in(folder / "3042.png", std::ios::binary);
    std::string png{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    fs::create_directories(folder / "66.png");
    // Far more than any glyph image, yet cheap: the file is all hole.
    fs::resize_file(write("69.png", png), std::uintmax_t{9} << 20);

    std::vector<sim::Image> images = {
        {folder / "3042.png", true},
        {folder / "65.png", false},
        {write("67.png", "GIF89a, not a PNG"), true},
        {write("68.png", png.substr(0, png.size() / 2)), true},
        {folder / "66.png", true},
        {folder / "3042.png", true},  // the same file again, as a second player's glyph
        {folder / "69.png", true},
    };
#if !defined(_WIN32)
    // A link to a device that never ends: read, it would fill memory.
    fs::create_symlink("/dev/zero", folder / "70.png");
    images.push_back({folder / "70.png", true});
#endif
    hostrun::GlyphImageCache cache(images, hostrun::kDecodedImageBudget);
    for (int round = 0; round < 2; ++round) {
        for (int handle = 0; handle < static_cast<int>(images.size()); ++handle) cache.find(handle);
    }

    const auto* decoded = cache.find(5);
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded, cache.find(0)) << "one file, decoded once";
    EXPECT_EQ(decoded->width, 84);
    EXPECT_EQ(decoded->height, 114);
    EXPECT_EQ(cache.filesShown(), images.size() - 1);
    auto where = [&](const std::string& name) {
        auto text = (folder / name).u8string();
        return std::string(text.begin(), text.end()) + ": ";
    };
    ASSERT_EQ(cache.failures().size(), images.size() - 2);
    EXPECT_EQ(cache.failures()[0], where("65.png") + "no such file");
    EXPECT_EQ(cache.failures()[1], where("67.png") + "not a PNG file");
    EXPECT_EQ(cache.failures()[2].rfind(where("68.png") + "damaged PNG: ", 0), 0u) << cache.failures()[2];
    EXPECT_EQ(cache.failures()[3], where("66.png") + "a folder, not a file");
    EXPECT_EQ(cache.failures()[4], where("69.png") + "too large (9437184 bytes; at most 8388608)");
#if !defined(_WIN32)
    EXPECT_EQ(cache.failures()[5], where("70.png") + "not a regular file");
#endif
}

// Decoded images share one budget: one that would take it past is not decoded, counts as
// skipped and shows as a red box, while those decoded before stay shown.
TEST_F(GlyphFiles, AnImagePastTheDecodedBudgetIsSkipped) {
    const RgbaImage glyph = hostrun::blankPicture(84, 114, {255, 255, 255, 255});
    std::vector<sim::Image> images;
    for (const char* name : {"3042.png", "3044.png", "3046.png"}) {
        pngfile::PngWriter().write(glyph, folder / name);
        images.push_back({folder / name, true});
    }
    const std::uintmax_t decodedGlyph = glyph.rgba.size();
    hostrun::GlyphImageCache cache(images, 2 * decodedGlyph + decodedGlyph / 2);
    hostrun::DrawnFrame frame{{400, 300}, {}, {}, {}};
    for (int handle = 0; handle < 3; ++handle) {
        frame.draws.push_back({{100 * handle, 50}, 0.5f, handle, kRed});
    }
    RgbaImage picture = hostrun::blankPicture(400, 300, {0, 0, 0, 255});
    hostrun::paintDraws(picture, frame, cache);

    EXPECT_NE(cache.find(0), nullptr) << "decoded first, still shown";
    EXPECT_NE(cache.find(1), nullptr);
    EXPECT_EQ(cache.find(2), nullptr);
    EXPECT_EQ(cache.overBudget(), 1u);
    const auto file = (folder / "3046.png").u8string();
    ASSERT_EQ(cache.failures().size(), 1u);
    EXPECT_EQ(cache.failures()[0], std::string(file.begin(), file.end()) +
                                       ": skipped over the budget for decoded images: too large decoded "
                                       "(38304 bytes; at most 19152)");
    EXPECT_EQ(at(picture, 100 + 20, 50 + 28), kRed) << "an image shown, tinted red";
    EXPECT_EQ(at(picture, 200 + 1, 50 + 1), kRed) << "the red box's corner";
    EXPECT_NE(at(picture, 200 + 20, 50 + 28), kRed) << "the red box is not filled";
}

// A glyph file as the glyph tool writes it, white ink as grey with alpha or emoji in RGBA,
// is shown with the size and every pixel the tool drew.
struct WrittenGlyphCase {
    const char* label;
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend void PrintTo(const WrittenGlyphCase& c, std::ostream* os) { *os << c.label; }
};

class WrittenGlyph : public GlyphFiles, public testing::WithParamInterface<WrittenGlyphCase> {};

TEST_P(WrittenGlyph, IsShownPixelForPixel) {
    const auto& c = GetParam();
    RgbaImage glyph = hostrun::blankPicture(84, 114, {c.red, c.green, c.blue, 0});
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            // Soft-edged ink, every alpha level from clear to solid.
            glyph.rgba[(static_cast<std::size_t>(y) * glyph.width + x) * 4 + 3] =
                static_cast<std::uint8_t>((x * 3 + y * 5) % 256);
        }
    }
    pngfile::PngWriter(pngfile::PngPacking::compact).write(glyph, folder / "3042.png");
    const std::vector<sim::Image> images = {{folder / "3042.png", true}};
    hostrun::GlyphImageCache cache(images, hostrun::kDecodedImageBudget);

    const auto* shown = cache.find(0);
    ASSERT_NE(shown, nullptr) << (cache.failures().empty() ? "" : cache.failures().front());
    EXPECT_EQ(shown->width, glyph.width);
    EXPECT_EQ(shown->height, glyph.height);
    EXPECT_EQ(shown->rgba, glyph.rgba);
}

INSTANTIATE_TEST_SUITE_P(Colours, WrittenGlyph,
                         testing::Values(WrittenGlyphCase{"white", 255, 255, 255},
                                         WrittenGlyphCase{"colour", 250, 190, 30}),
                         [](const testing::TestParamInfo<WrittenGlyphCase>& info) {
                             return info.param.label;
                         });

}  // namespace
