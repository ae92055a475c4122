// veltrona-host --screenshot end to end: a small match played through the real module, its
// picture read back and checked against the trace the same run wrote.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include "module_loader.h"
#include "png_reader.h"
#include "png_writer.h"
#include "run_program.h"
#include "scratch_folder.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;
using Colour = std::array<std::uint8_t, 4>;

constexpr Colour kWhite = {255, 255, 255, 255};
constexpr Colour kRed = {255, 48, 48, 255};
constexpr pngfile::PngLimits kLargest = {.maxSide = 20000, .maxBytes = std::uintmax_t{1} << 30};

const std::string kTeamChanged = "Function TAGame.PRI_TA.OnTeamChanged";
const std::string kOpen = "Function TAGame.GFxData_GameEvent_TA.OnOpenScoreboard";
const std::string kClose = "Function TAGame.GFxData_GameEvent_TA.OnCloseScoreboard";

fs::path runner() { return hostrun::executableDir() / VELTRONA_HOST_RUNNER; }

Colour at(const pngfile::RgbaImage& picture, int x, int y) {
    const auto* p = picture.rgba.data() + (static_cast<std::size_t>(y) * picture.width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

// A glyph image as the trace tells of it: where the last frame drew which file.
struct TracedDraw {
    int x = 0;
    int y = 0;
    std::string image;
    double scale = 0;
};

std::vector<TracedDraw> lastFrameDraws(const std::string& trace) {
    std::vector<TracedDraw> draws;
    int x = 0;
    int y = 0;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        auto record = nlohmann::json::parse(line);
        if (record.value("host", "") == "frame") draws.clear();
        auto call = record.value("call", "");
        if (call == "SetPosition") {
            x = record["x"];
            y = record["y"];
        } else if (call == "DrawTexture") {
            draws.push_back({x, y, record["image"], record["scale"]});
        }
    }
    return draws;
}

// A match of two: "AB" in team zero, "あい" in team one. Only A's and あ's images exist.
std::string match(const std::string& lastSteps) {
    return R"({"screen": [1920, 1080],
  "players": [{"id": "p-1", "name": "AB", "team": 0, "score": 5},
              {"id": "p-2", "name": "あい", "team": 1, "score": 3}],
  "steps": ["load", {"fire": ")" +
           kTeamChanged + R"("}, {"fire": ")" + kOpen + R"("}, {"frames": 2}, )" + lastSteps + "]}";
}

class ScreenshotRun : public testing::Test {
protected:
    ScreenshotRun() {
        fs::create_directories(scratch / "data" / "assets" / "png");
        // Solid white, so that every pixel of a drawn glyph is known.
        writeGlyph("65.png", 64);
        writeGlyph("3042.png", 84);
    }

    void writeGlyph(const std::string& name, int width) {
        pngfile::RgbaImage glyph{width, 114,
                                 std::vector<std::uint8_t>(static_cast<std::size_t>(width) * 114 * 4, 255)};
        pngfile::PngWriter().write(glyph, scratch / "data" / "assets" / "png" / name);
    }

    ProcessResult run(const std::string& scenario, const std::vector<std::string>& options) {
        std::ofstream(scratch / "match.json", std::ios::binary) << scenario;
        std::vector<std::string> arguments = {utf8(scratch / "match.json")};
        arguments.insert(arguments.end(), options.begin(), options.end());
        auto result = runProgram(runner(), arguments, scratch);
        // Windows writes standard error in text mode.
        std::erase(result.err, '\r');
        return result;
    }

    pngfile::RgbaImage picture() {
        auto read = pngfile::readPng(scratch / "shot.png", kLargest);
        EXPECT_TRUE(read.image) << read.error;
        return read.image.value_or(pngfile::RgbaImage{});
    }

    ScratchFolder scratchFolder;
    const fs::path scratch = scratchFolder.path();
};

TEST_F(ScreenshotRun, GlyphsLandWhereTheTracePutThemAndMissingImagesAreRedBoxes) {
    auto result = run(match(R"({"screen": [1600, 400]}, {"frames": 1})"),
                      {"--trace", utf8(scratch / "trace.jsonl"), "--screenshot", utf8(scratch / "shot.png")});
    ASSERT_EQ(result.status, 0) << result.err;
    auto shot = picture();
    ASSERT_EQ(shot.width, 1600) << "the screen at the last frame";
    ASSERT_EQ(shot.height, 400);

    // Full-size image widths, and whether the file is there.
    const std::map<std::string, std::pair<int, bool>> files = {{"assets/png/65.png", {64, true}},
                                                               {"assets/png/66.png", {64, false}},
                                                               {"assets/png/3042.png", {84, true}},
                                                               {"assets/png/3044.png", {84, false}}};
    auto draws = lastFrameDraws(fileText(scratch / "trace.jsonl"));
    ASSERT_EQ(draws.size(), 4u);
    for (const auto& draw : draws) {
        SCOPED_TRACE(draw.image + " at " + std::to_string(draw.x) + "," + std::to_string(draw.y));
        ASSERT_EQ(files.count(draw.image), 1u);
        auto [fullWidth, present] = files.at(draw.image);
        const int width = static_cast<int>(fullWidth * draw.scale);
        const int height = static_cast<int>(114 * draw.scale);
        if (present) {
            int white = 0;
            for (int y = draw.y; y < draw.y + height; ++y) {
                for (int x = draw.x; x < draw.x + width; ++x) white += at(shot, x, y) == kWhite;
            }
            EXPECT_EQ(white, width * height) << "every pixel of the glyph's cell";
            EXPECT_NE(at(shot, draw.x - 1, draw.y + height / 2), kWhite) << "left of the glyph";
            EXPECT_NE(at(shot, draw.x + width / 2, draw.y + height), kWhite) << "below the glyph";
        } else {
            EXPECT_EQ(at(shot, draw.x + 1, draw.y + 1), kRed);
            EXPECT_EQ(at(shot, draw.x + width - 2, draw.y + height - 2), kRed);
            EXPECT_NE(at(shot, draw.x + width, draw.y + height / 2), kRed) << "the box is too wide";
            EXPECT_NE(at(shot, draw.x + width / 2, draw.y + height / 2), kRed) << "the box is filled";
        }
    }
    EXPECT_NE(result.err.find("note: 2 of the 4 glyph image files drawn could not be shown"),
              std::string::npos)
        << result.err;
}

TEST_F(ScreenshotRun, LeavesTheTraceAsItIsWithout) {
    auto scenario = match(R"({"frames": 1})");
    auto with = run(scenario, {"--screenshot", utf8(scratch / "shot.png")});
    auto without = run(scenario, {});
    ASSERT_EQ(with.status, 0) << with.err;
    ASSERT_EQ(without.status, 0) << without.err;
    EXPECT_EQ(with.out, without.out);
    EXPECT_TRUE(fs::exists(scratch / "shot.png"));
}

// The picture is of the last frame, as the screen showed it: after the scoreboard closes,
// no names.
TEST_F(ScreenshotRun, ShowsTheLastFrameEvenWhenItDrawsNoGlyph) {
    auto result = run(match(R"({"fire": ")" + kClose + R"("}, {"frames": 1})"),
                      {"--trace", utf8(scratch / "trace.jsonl"), "--screenshot", utf8(scratch / "shot.png")});
    ASSERT_EQ(result.status, 0) << result.err;
    auto shot = picture();
    int marked = 0;
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) marked += at(shot, x, y) == kWhite || at(shot, x, y) == kRed;
    }
    EXPECT_EQ(marked, 0);
    EXPECT_EQ(result.err, "");
}

// Glyph images far larger than any glyph share the budget for decoded images (256 MiB):
// four of 4096 x 4096 fill it, the fifth is a red box, and the note says why.
TEST_F(ScreenshotRun, ImagesPastTheDecodedBudgetAreRedBoxesAndTheNoteSaysSo) {
    const auto glyphs = scratch / "data" / "assets" / "png";
    constexpr int kSide = 4096;
    pngfile::RgbaImage huge{kSide, kSide,
                            std::vector<std::uint8_t>(static_cast<std::size_t>(kSide) * kSide * 4, 255)};
    pngfile::PngWriter().write(huge, glyphs / "65.png");
    for (const char* copy : {"66.png", "67.png", "68.png", "69.png"})
        fs::copy_file(glyphs / "65.png", glyphs / copy);

    auto result = run(R"({"screen": [1600, 400],
  "players": [{"id": "p-1", "name": "ABCDE", "team": 0, "score": 5}],
  "steps": ["load", {"fire": ")" +
                          kTeamChanged + R"("}, {"fire": ")" + kOpen + R"("}, {"frames": 1}]})",
                      {"--trace", utf8(scratch / "trace.jsonl"), "--screenshot", utf8(scratch / "shot.png")});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err,
              "veltrona-host: note: 1 of the 5 glyph image files drawn could not be shown and "
              "appear as red boxes (1 of them skipped over the 256 MiB budget for decoded images); "
              "the first is " +
                  utf8(glyphs / "69.png") +
                  ": skipped over the budget for decoded images: too large decoded (67108864 bytes; "
                  "at most 0)\n");
    auto draws = lastFrameDraws(fileText(scratch / "trace.jsonl"));
    ASSERT_EQ(draws.size(), 5u);
    ASSERT_EQ(draws.back().image, "assets/png/69.png");
    auto shot = picture();
    EXPECT_EQ(at(shot, draws.back().x + 1, draws.back().y + 1), kRed);
}

struct RefusalCase {
    std::string label;
    std::string scenario;
    std::string screenshot;  // below the case's folder
    // After "veltrona-host: "; {scenario}, {target} and {target's folder} stand for the paths.
    std::string message;

    friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.label; }
};

class ScreenshotRefusal : public ScreenshotRun, public testing::WithParamInterface<RefusalCase> {};

TEST_P(ScreenshotRefusal, BeforeAnythingRunsWithOneLineAndStatus2) {
    const auto& c = GetParam();
    auto target = scratch / fs::path(c.screenshot).make_preferred();
    auto result = run(c.scenario, {"--trace", utf8(scratch / "trace.jsonl"), "--screenshot", utf8(target)});
    auto expected = "veltrona-host: " + c.message + "\n";
    for (auto [token, value] :
         {std::pair<std::string, std::string>{"{scenario}", utf8(scratch / "match.json")},
          {"{target}", utf8(target)},
          {"{target's folder}", utf8(target.parent_path())}}) {
        for (auto at = expected.find(token); at != std::string::npos; at = expected.find(token)) {
            expected.replace(at, token.size(), value);
        }
    }
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, expected);
    EXPECT_FALSE(fs::exists(scratch / "trace.jsonl"))
        << "nothing may run before the input is known to be good";
    EXPECT_FALSE(fs::is_regular_file(target));
}

const std::string kLoadOnly = R"({"steps": ["load"]})";

INSTANTIATE_TEST_SUITE_P(
    Table, ScreenshotRefusal,
    testing::Values(
        RefusalCase{
            "no_frame", kLoadOnly, "shot.png",
            "{scenario}: --screenshot: the scenario draws no frame, so there is nothing to picture; add "
            "a step {\"frames\": 1} where the picture should be taken"},
        RefusalCase{
            "zero_frames", R"({"steps": [{"frames": 0}]})", "shot.png",
            "{scenario}: --screenshot: the scenario draws no frame, so there is nothing to picture; add "
            "a step {\"frames\": 1} where the picture should be taken"},
        RefusalCase{"no_width_at_the_last_frame", R"({"screen": [0, 1080], "steps": [{"frames": 1}]})",
                    "shot.png",
                    "{scenario}: --screenshot: the screen at the last frame is 0 x 1080; a picture needs at "
                    "least 1 x 1"},
        RefusalCase{"too_large_at_the_last_frame",
                    R"({"steps": [{"frames": 1}, {"screen": [1920, 20000]}, {"frames": 1}]})", "shot.png",
                    "{scenario}: --screenshot: the screen at the last frame is 1920 x 20000; a picture is at "
                    "most 16384 pixels each way"},
        RefusalCase{
            "no_such_folder", R"({"steps": [{"frames": 1}]})", "none/shot.png",
            "{target}: cannot write the screenshot: there is no folder {target's folder}"},
        RefusalCase{"a_folder", R"({"steps": [{"frames": 1}]})", "data",
                    "{target}: is a folder; --screenshot takes the name of the PNG file to write"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.label; });

#if !defined(_WIN32)
// Something other than a regular file where the picture should go: refused before the run,
// and left as it was (a link stays a link, its target untouched).
struct OutputCase {
    std::string label;
    void (*make)(const fs::path& at);
    std::string kind;

    friend void PrintTo(const OutputCase& c, std::ostream* os) { *os << c.label; }
};

class ScreenshotOutputRefusal : public ScreenshotRun, public testing::WithParamInterface<OutputCase> {};

TEST_P(ScreenshotOutputRefusal, LeavesItAsItWas) {
    const auto& c = GetParam();
    writeFile(scratch / "earlier.png", "an earlier picture");
    auto target = scratch / "shot.png";
    c.make(target);
    const auto type = fs::symlink_status(target).type();

    auto result = run(match(R"({"frames": 1})"),
                      {"--trace", utf8(scratch / "trace.jsonl"), "--screenshot", utf8(target)});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "veltrona-host: " + utf8(target) + ": is " + c.kind +
                              ", not a regular file; it is left as it is\n");
    EXPECT_FALSE(fs::exists(scratch / "trace.jsonl"));
    EXPECT_EQ(fs::symlink_status(target).type(), type);
    EXPECT_EQ(fileText(scratch / "earlier.png"), "an earlier picture");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ScreenshotOutputRefusal,
    testing::Values(
        OutputCase{"link_to_a_picture", [](const fs::path& at) { fs::create_symlink("earlier.png", at); },
                   "a symbolic link"},
        OutputCase{"dangling_link", [](const fs::path& at) { fs::create_symlink("none/shot.png", at); },
                   "a symbolic link"},
        OutputCase{"named_pipe", [](const fs::path& at) { ASSERT_EQ(mkfifo(at.c_str(), 0600), 0); },
                   "a named pipe"}),
    [](const testing::TestParamInfo<OutputCase>& info) { return info.param.label; });
#endif

}  // namespace
