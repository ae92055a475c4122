// Text mode through veltrona-host and the real module, against what players leave in the data
// folder: font lists as editors save them, renames only text shows, damaged or linked caches.
// Each run must end (no crash, no stall), tell the console what it could not use, and keep
// drawing: name images where fonts serve, glyph files where they do not.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "debian_fonts.h"
#include "module_loader.h"
#include "png_frame.h"
#include "run_program.h"
#include "scratch_folder.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSource = VELTRONA_SOURCE_DIR;

#if defined(_WIN32)
constexpr bool kUnderWindows = true;
#else
constexpr bool kUnderWindows = false;
#endif

fs::path runner() { return hostrun::executableDir() / VELTRONA_HOST_RUNNER; }

// One player in an online match; the scoreboard opens after the command (the switch to
// text), and again after `between` (more steps, each followed by a comma, such as a rename).
std::string scenario(const std::string& name, const std::string& between = "",
                     const std::string& command = "Veltrona text") {
    return R"({"players": [{"id": "p-1", "name": ")" + name + R"(", "team": 0, "score": 1}],
  "steps": ["load", {"command": ")" + command + R"("},
    {"fire": "Function TAGame.GFxData_GameEvent_TA.OnOpenScoreboard"}, "wait", {"frames": 2},
    {"fire": "Function TAGame.GFxData_GameEvent_TA.OnCloseScoreboard"},)" +
           between + R"(
    {"fire": "Function TAGame.GFxData_GameEvent_TA.OnOpenScoreboard"}, "wait", {"frames": 2}, "unload"]})";
}

struct HostRun {
    fs::path data;
    std::vector<std::string> logs;    // console lines, in order
    std::vector<std::string> images;  // every image drawn, in order
};

std::string field(const std::string& line, const std::string& key) {
    std::string quoted = "\"";
    quoted += key;
    quoted += "\":\"";
    const auto start = line.find(quoted);
    if (start == std::string::npos) return {};
    const auto from = start + key.size() + 4;
    return line.substr(from, line.rfind('"') - from);
}

struct PlayerFilesCase {
    const char* label;
    std::string name;
    std::string between;
    std::function<void(const fs::path& data)> prepare;
    std::function<void(const HostRun& run)> check;
    const char* command = "Veltrona text";

    friend void PrintTo(const PlayerFilesCase& c, std::ostream* os) { *os << c.label; }
};

// A data folder with a few glyph files, as the golden text scenarios have, in `scratch`.
fs::path freshData(const ScratchFolder& scratch) {
    fs::copy(kSource / "tests/tools/runner/scenarios/text_data", scratch.path() / "data",
             fs::copy_options::recursive);
    return scratch.path() / "data";
}

class PlayersFiles : public testing::TestWithParam<PlayerFilesCase> {
protected:
    HostRun runHost(const fs::path& data) {
        const auto scratch = data.parent_path();
        writeFile(scratch / "scenario.json", scenario(GetParam().name, GetParam().between, GetParam().command));
        const auto trace = scratch / "trace.jsonl";
        const auto result = runProgram(
            runner(), {utf8(scratch / "scenario.json"), "--data", utf8(data), "--trace", utf8(trace)},
            scratch);
        EXPECT_EQ(result.status, 0) << result.err;
        HostRun done;
        done.data = data;
        std::istringstream lines(fileText(trace));
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with(R"({"call":"log")")) done.logs.push_back(field(line, "text"));
            if (line.starts_with(R"({"call":"DrawTexture")")) done.images.push_back(field(line, "image"));
        }
        return done;
    }
};

bool drewNameImages(const HostRun& run) {
    return std::any_of(run.images.begin(), run.images.end(),
                       [](const std::string& image) { return image.starts_with("veltrona/cache/"); });
}

bool logged(const HostRun& run, const std::string& part) {
    return std::any_of(run.logs.begin(), run.logs.end(),
                       [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

std::size_t loggedCount(const HostRun& run, const std::string& part) {
    return static_cast<std::size_t>(
        std::count_if(run.logs.begin(), run.logs.end(),
                      [&](const std::string& line) { return line.find(part) != std::string::npos; }));
}

void writeList(const fs::path& data, const std::string& text) {
    writeFile(data / "veltrona" / "fonts.txt", text);
}

// The test font's line between `before` and `after`, appended piecewise: GCC 12 misreads
// "x" + std::string(...) as an overlapping copy.
std::string fontLine(const char* before, const char* after) {
    std::string line = before;
    line += kDejaVuSans;
    line += after;
    return line;
}

TEST_P(PlayersFiles, EndTellAndKeepDrawing) {
    const ScratchFolder scratch;
    const auto data = freshData(scratch);
    if (GetParam().prepare) GetParam().prepare(data);
    if (IsSkipped()) return;
    const auto done = runHost(data);
    EXPECT_FALSE(done.images.empty()) << "nothing was drawn";
    GetParam().check(done);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlayersFiles,
    testing::Values(
        // 10,000 lines of fonts that are not there: at most 16 lines, then how many more.
        PlayerFilesCase{"ten_thousand_lines", "Rex", "",
                        [](const fs::path& data) {
                            std::string text;
                            for (int i = 0; i < 10000; ++i) text += "f.ttf\n";
                            writeList(data, text);
                        },
                        [](const HostRun& run) {
                            EXPECT_EQ(loggedCount(run, "fonts.txt line "), 16u);
                            EXPECT_TRUE(logged(run, "9984 more lines about veltrona/fonts.txt"));
                            EXPECT_TRUE(
                                logged(run, "none of the fonts in veltrona/fonts.txt could be opened"));
                            EXPECT_FALSE(drewNameImages(run));
                        }},
        PlayerFilesCase{"the_same_font_500_times", "Rex", "",
                        [](const fs::path& data) {
                            std::string text;
                            for (int i = 0; i < 500; ++i) text += fontLine("", "\n");
                            writeList(data, text);
                        },
                        [](const HostRun& run) {
                            EXPECT_TRUE(drewNameImages(run));
                            EXPECT_EQ(loggedCount(run, "fonts.txt"), 0u);
                        }},
        // Notepad's "ANSI": one line is not UTF-8; the rest of the list serves.
        PlayerFilesCase{"ansi_line", "Rex", "",
                        [](const fs::path& data) { writeList(data, fontLine("caf\xE9.ttf\r\n", "\r\n")); },
                        [](const HostRun& run) {
                            EXPECT_TRUE(
                                logged(run, "Veltrona: fonts.txt line 1: not UTF-8; save it as UTF-8"));
                            EXPECT_TRUE(drewNameImages(run));
                        }},
        PlayerFilesCase{
            "utf16_list", "Rex", "",
            [](const fs::path& data) { writeList(data, std::string("\xFF\xFEx\0.\0t\0t\0f\0", 12)); },
            [](const HostRun& run) {
                EXPECT_TRUE(logged(run, "is saved as UTF-16"));
                EXPECT_FALSE(drewNameImages(run));
                EXPECT_TRUE(logged(run, "Veltrona: on, scaled layout, names set as text"));
            }},
        PlayerFilesCase{"quoted_path", "Rex", "",
                        [](const fs::path& data) { writeList(data, fontLine("\"", "\"\n")); },
                        [](const HostRun& run) {
                            EXPECT_TRUE(drewNameImages(run));
                            EXPECT_EQ(loggedCount(run, "fonts.txt"), 0u);
                        }},
        // A family rather than a file. Wine's prefix has no fonts installed: there the line
        // says so, and the rows keep their glyph files.
        PlayerFilesCase{"family_name", "Rex", "", [](const fs::path& data) { writeList(data, "DejaVu Sans\n"); },
                        [](const HostRun& run) {
                            const bool installed = !kUnderWindows;
                            EXPECT_EQ(drewNameImages(run), installed);
                            EXPECT_EQ(logged(run, "fonts.txt line 1: no installed font of the family"),
                                      !installed);
                        }},
        PlayerFilesCase{"family_not_installed", "Rex", "",
                        [](const fs::path& data) { writeList(data, fontLine("No Such Family\n", "\n")); },
                        [](const HostRun& run) {
                            EXPECT_TRUE(logged(run, "fonts.txt line 1: no installed font of the family"));
                            EXPECT_TRUE(drewNameImages(run));
                        }},
        // A joiner added between two emoji: glyph files see no change, text does.
        PlayerFilesCase{"zero_width_rename", "\U0001F468\U0001F469\U0001F467",
                        R"({"update": {"at": 0, "name": "\ud83d\udc68\u200d\ud83d\udc69\u200d\ud83d\udc67"}},
    {"fire": "Function TAGame.PRI_TA.OnTeamChanged"},)",
                        nullptr,
                        [](const HostRun& run) {
                            std::vector<std::string> names;
                            for (const auto& image : run.images)
                                if (image.starts_with("veltrona/cache/") &&
                                    std::find(names.begin(), names.end(), image) == names.end())
                                    names.push_back(image);
                            EXPECT_EQ(names.size(), 2u);
                        }},
        // A cache folder that is a file: every name fails, told once, and the rows keep
        // their glyph files.
        PlayerFilesCase{"cache_folder_is_a_file", "Rex", "",
                        [](const fs::path& data) { writeFile(data / "veltrona" / "cache", "x"); },
                        [](const HostRun& run) {
                            EXPECT_EQ(loggedCount(run, "a name could not be set as text"), 1u);
                            EXPECT_FALSE(drewNameImages(run));
                        }},
        // A cache folder linked to a folder of files named like cache files: refused, told
        // once, and not one of those files removed.
        PlayerFilesCase{"linked_cache_folder", "Rex", "",
                        [](const fs::path& data) {
                            const auto elsewhere = data.parent_path() / "elsewhere";
                            fs::create_directories(elsewhere);
                            for (int i = 10; i < 60; ++i)
                                writeFile(elsewhere / ("00000000000000" + std::to_string(i) + ".png"), "x");
                            std::error_code noLinks;
                            fs::create_directory_symlink(elsewhere, data / "veltrona" / "cache", noLinks);
                            if (noLinks) GTEST_SKIP() << "this system makes no links here: " << noLinks.message();
                        },
                        [](const HostRun& run) {
                            EXPECT_EQ(loggedCount(run, "is a link or a junction"), 1u);
                            EXPECT_FALSE(drewNameImages(run));
                            const auto elsewhere = run.data.parent_path() / "elsewhere";
                            EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere), fs::directory_iterator()), 50);
                        }},
        // A player who copied only the module and chose glyph files: names are set as text,
        // the folder's line says so.
        PlayerFilesCase{"no_glyph_folder", "Rex", "",
                        [](const fs::path& data) { fs::remove_all(data / "assets"); },
                        [](const HostRun& run) {
                            EXPECT_TRUE(logged(run, "not found; names are set as text"));
                            EXPECT_FALSE(logged(run, "no glyph image"));
                            EXPECT_TRUE(drewNameImages(run));
                        },
                        "Veltrona glyphs"}),
    [](const auto& info) { return std::string(info.param.label); });

// An image emptied or cut short after it was written (a power cut, an antivirus) is set again,
// not drawn as nothing.
TEST(PlayersFilesCache, ADamagedImageIsSetAgain) {
    const ScratchFolder scratchFolder;
    const auto data = freshData(scratchFolder);
    const auto& scratch = scratchFolder.path();
    writeFile(scratch / "scenario.json", scenario("Rex"));
    const std::vector<std::string> arguments = {utf8(scratch / "scenario.json"), "--data", utf8(data),
                                                "--trace", utf8(scratch / "trace.jsonl")};
    ASSERT_EQ(runProgram(runner(), arguments, scratch).status, 0);
    std::vector<fs::path> images;
    for (const auto& entry : fs::directory_iterator(data / "veltrona" / "cache"))
        images.push_back(entry.path());
    ASSERT_EQ(images.size(), 1u);
    fs::resize_file(images.front(), fs::file_size(images.front()) / 2);
    ASSERT_EQ(runProgram(runner(), arguments, scratch).status, 0);
    EXPECT_TRUE(pngfile::readPngFrame(images.front(), 1 << 20)) << utf8(images.front());
    EXPECT_NE(fileText(scratch / "trace.jsonl").find("veltrona/cache/"), std::string::npos);
}

}  // namespace
