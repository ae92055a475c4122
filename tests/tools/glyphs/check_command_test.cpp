#include "check_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "glyph_files.h"
#include "scratch_folder.h"

namespace {

// A data folder that holds the letter A's image and nothing else.
class GlyphCheck : public testing::Test {
protected:
    GlyphCheck() {
        std::filesystem::create_directories(glyphFolder(data.path()));
        std::ofstream(glyphFolder(data.path()) / "65.png") << "png";
    }

    ScratchFolder data;
};

TEST_F(GlyphCheck, ListsEachGlyphsCodeAndFileAndWhetherItIsThere) {
    auto checks = checkNames({"A\xE3\x81\x82", "\x80"}, data.path());
    ASSERT_EQ(checks.size(), 2u);
    ASSERT_EQ(checks[0].glyphs.size(), 2u);
    EXPECT_EQ(checks[0].glyphs[0].code, "65");
    EXPECT_EQ(checks[0].glyphs[0].file, glyphFolder(data.path()) / "65.png");
    EXPECT_TRUE(checks[0].glyphs[0].present);
    EXPECT_EQ(checks[0].glyphs[1].code, "u\\3042");
    EXPECT_EQ(checks[0].glyphs[1].file, glyphFolder(data.path()) / "3042.png");
    EXPECT_FALSE(checks[0].glyphs[1].present);
    // Whatever the bytes, the files are the ones the plugin's splitter names.
    ASSERT_EQ(checks[1].glyphs.size(), 1u);
    EXPECT_EQ(checks[1].glyphs[0].file.filename(), "ffffff80.png");
}

struct CommandCase {
    const char* label;
    std::vector<std::string> args;  // "{data}" stands for the data folder
    int status;
    const char* shows;  // in standard output or error

    friend void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.label; }
};

class GlyphCommands : public GlyphCheck, public testing::WithParamInterface<CommandCase> {};

TEST_P(GlyphCommands, ExitWithTheirStatus) {
    const auto& c = GetParam();
    std::ofstream(data.path() / "names.txt") << "A\n\xE3\x81\x82\n";
    std::vector<std::string> args{"veltrona-glyphs"};
    for (auto arg : c.args) {
        if (auto at = arg.find("{data}"); at != std::string::npos) arg.replace(at, 6, data.path().string());
        args.push_back(arg);
    }
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli(static_cast<int>(argv.size()), argv.data(), out, err, false), c.status)
        << out.str() << err.str();
    EXPECT_NE((out.str() + err.str()).find(c.shows), std::string::npos) << out.str() << err.str();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, GlyphCommands,
    testing::Values(
        CommandCase{"check_missing_file", {"check", "-d", "{data}", "A\xE3\x81\x82"}, 1, "3042.png  MISSING"},
        CommandCase{"check_all_present", {"check", "--data", "{data}", "AAA"}, 0, "all present"},
        CommandCase{
            "check_names_file", {"check", "-d", "{data}", "--names", "{data}/names.txt"}, 1, "1 missing"},
        CommandCase{"check_without_names", {"check", "-d", "{data}"}, 2, "give names"},
        CommandCase{"check_without_data_folder", {"check", "A"}, 2, "--data"},
        CommandCase{"check_data_folder_absent", {"check", "-d", "{data}/absent", "A"}, 2, "absent"},
        CommandCase{"build_unknown_set", {"build", "-d", "{data}", "--set", "klingon"}, 2, "klingon"},
        CommandCase{"build_bad_code_point", {"build", "-d", "{data}", "--chars", "U+ZZ"}, 2, "U+ZZ"},
        CommandCase{"build_missing_font",
                    {"build", "-d", "{data}", "-f", "{data}/none.ttf", "-c", "U+41"},
                    1,
                    "none.ttf"},
        CommandCase{
            "build_missing_face", {"build", "-d", "{data}", "--face", "99", "-c", "U+41"}, 1, "face 99"},
        CommandCase{
            "build_writes", {"build", "-d", "{data}", "-s", "ascii", "-c", "U+3042"}, 0, "Wrote 96"}));

}  // namespace
