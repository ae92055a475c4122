#include "check_command.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "GlyphCodeSplitter.h"
#include "cli.h"
#include "glyph_files.h"
#include "scratch_folder.h"
#include "test_fonts.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

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

// What the plugin draws, no more: no cell for a variation selector, 128 glyphs at most.
TEST_F(GlyphCheck, ChecksTheGlyphsThePluginDraws) {
    auto checks = checkNames({"\xE2\x9D\xA4\xEF\xB8\x8F"
                              "A",
                              std::string(200, 'x')},
                             data.path());
    ASSERT_EQ(checks.size(), 2u);
    ASSERT_EQ(checks[0].glyphs.size(), 2u);
    EXPECT_EQ(checks[0].glyphs[0].code, "u\\2764");
    EXPECT_EQ(checks[0].glyphs[1].code, "65");
    EXPECT_EQ(checks[1].glyphs.size(), 128u);
}

// ---- Which file the plugin loads for a character that shares an ASCII character's file
// name: its own where that is a regular file, the shared one otherwise.

enum class Own { Absent, File, Folder, Link };

struct ChoiceCase {
    const char* label;
    std::string name;
    Own own;
    bool sharedThere;
    const char* loads;  // file name
    bool present;
    const char* missingOwn;  // file name, or "" when the character is complete

    friend void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.label; }
};

class OwnFileChoice : public GlyphCheck, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(OwnFileChoice, FollowsThePlugin) {
    const auto& c = GetParam();
    const auto folder = glyphFolder(data.path());
    const auto code = GlyphCodeSplitter{}.split(c.name).at(0);
    const auto own = folder / ("u" + glyphFileStem(code) + ".png");
    if (c.sharedThere) std::ofstream(folder / (glyphFileStem(code) + ".png")) << "png";
    switch (c.own) {
        case Own::File:
            std::ofstream(own) << "png";
            break;
        case Own::Folder:
            std::filesystem::create_directory(own);
            break;
        case Own::Link:
            std::ofstream(folder / "elsewhere.png") << "png";
            std::filesystem::create_symlink("elsewhere.png", own);
            break;
        case Own::Absent:
            break;
    }

    auto checks = checkNames({c.name}, data.path());
    ASSERT_EQ(checks.at(0).glyphs.size(), 1u);
    const auto& glyph = checks[0].glyphs[0];
    EXPECT_EQ(glyph.file, folder / c.loads);
    EXPECT_EQ(glyph.present, c.present);
    EXPECT_EQ(glyph.missingOwnFile,
              std::string(c.missingOwn).empty() ? std::filesystem::path{} : folder / c.missingOwn);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnFileChoice,
    testing::Values(ChoiceCase{"own_file_there", "\xC4\x85", Own::File, true, "u105.png", true, ""},
                    ChoiceCase{"own_file_absent", "\xC4\x85", Own::Absent, true, "105.png", true, "u105.png"},
                    ChoiceCase{"both_absent", "\xC4\x85", Own::Absent, false, "105.png", false, "u105.png"},
                    ChoiceCase{"folder_in_its_place", "\xC4\x85", Own::Folder, true, "105.png", true,
                               "u105.png"},
                    ChoiceCase{"control_character", "\xC2\x80", Own::File, false, "u80.png", true, ""},
                    ChoiceCase{"malformed_run", "\xC1\xA4", Own::Absent, true, "64.png", true, "u64.png"},
                    ChoiceCase{"never_shares", "\xC4\x8A", Own::File, false, "10a.png", false, ""},
                    ChoiceCase{"ascii_itself", "i", Own::File, true, "105.png", true, ""}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return info.param.label; });

// Wine cannot make links.
#if !defined(_WIN32)
INSTANTIATE_TEST_SUITE_P(Links, OwnFileChoice,
                         testing::Values(ChoiceCase{"link_to_a_file", "\xC4\x85", Own::Link, false,
                                                    "u105.png", true, ""}),
                         [](const testing::TestParamInfo<ChoiceCase>& info) { return info.param.label; });
#endif

// ---- What check prints.

// Written out whole: the columns, the notes and the list of missing files are what a user
// reads. {f} stands for the glyph folder, {ff} for a lone 0xFF byte.
constexpr char kCheckOutput[] = R"(Ваня🔥
  u\412       {f}412.png
  u\430       {f}430.png
  u\43d       {f}43d.png
  u\44f       {f}44f.png  MISSING
  u\1f525     {f}1f525.png  MISSING
Aą
  65          {f}65.png
  u\105       {f}105.png  own file u105.png MISSING; i's 105.png stands in
{ff}
  u\ffffffff  {f}ffffffff.png  MISSING
🔥Ąą
  u\1f525     {f}1f525.png  MISSING
  u\104       {f}104.png  MISSING, and so is its own file u104.png
  u\105       {f}105.png  own file u105.png MISSING; i's 105.png stands in
4 names need 9 glyph files; 5 missing:
  1f525.png     for 🔥 U+1F525 in "Ваня🔥" and 1 other name
  44f.png       for я U+044F in "Ваня🔥"
  ffffffff.png  for bytes that are not UTF-8 (u\ffffffff) in "{ff}"
  u104.png      for Ą U+0104 in "🔥Ąą"
  u105.png      for ą U+0105 in "Aą" and 1 other name; i's 105.png stands in
0 of 4 names (0.0 %) drawn whole.
)";

std::string replaceAll(std::string text, const std::string& token, const std::string& value) {
    for (auto at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size())) {
        text.replace(at, token.size(), value);
    }
    return text;
}

TEST_F(GlyphCheck, LinesUpItsColumnsAndNamesWhatEachMissingFileIsFor) {
    const auto folder = glyphFolder(data.path());
    for (const char* stem : {"105", "412", "430", "43d"}) {
        std::ofstream(folder / (std::string(stem) + ".png")) << "png";
    }
    CheckOptions options{data.path(), {"Ваня🔥", "Aą", "\xFF", "🔥Ąą"}, {}, {}};
    std::ostringstream out;
    EXPECT_EQ(runCheck(options, out), 1);

    auto expected =
        replaceAll(replaceAll(kCheckOutput, "{f}", (folder / "").string()), "{ff}", std::string(1, '\xFF'));
    EXPECT_EQ(out.str(), expected);
}

// With a bar, check judges the share of names drawn whole rather than every file.
struct BarCase {
    const char* label;
    double atLeast;
    int status;

    friend void PrintTo(const BarCase& c, std::ostream* os) { *os << c.label; }
};

class CheckBar : public GlyphCheck, public testing::WithParamInterface<BarCase> {};

TEST_P(CheckBar, PassesWhenEnoughNamesAreWhole) {
    std::ofstream(glyphFolder(data.path()) / "65.png") << "png";
    CheckOptions options{data.path(), {"A", "AA", "AAA", "A\xD0\xAF"}, {}, GetParam().atLeast};
    std::ostringstream out;
    EXPECT_EQ(runCheck(options, out), GetParam().status);
    EXPECT_TRUE(out.str().ends_with("3 of 4 names (75.0 %) drawn whole.\n")) << out.str();
}

INSTANTIATE_TEST_SUITE_P(Bars, CheckBar, testing::Values(BarCase{"met", 75.0, 0}, BarCase{"missed", 75.1, 1}),
                         [](const auto& info) { return std::string(info.param.label); });

// A name may hold control characters that would retitle or recolour the terminal: check
// shows them as escapes, on the name's own line and in the list of missing files.
TEST_F(GlyphCheck, ShowsTheControlCharactersOfNamesAsEscapes) {
    CheckOptions options{data.path(),
                         {"A\x1B]0;retitled\x07"
                          "B",
                          "\xC2\x9B"
                          "31mA\x7F"},
                         {},
                         {}};
    std::ostringstream out;
    runCheck(options, out);
    const auto text = out.str();

    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        EXPECT_FALSE((byte < 0x20 && byte != '\n') || byte == 0x7F) << "byte " << int(byte) << " at " << i;
        EXPECT_FALSE(byte == 0xC2 && next >= 0x80 && next <= 0x9F) << "C1 control at " << i;
    }
    EXPECT_TRUE(text.starts_with("A\\x1b]0;retitled\\x07B\n")) << text;
    EXPECT_NE(text.find("\n\\u009b31mA\\x7f\n"), std::string::npos) << text;
    EXPECT_NE(text.find(" in \"A\\x1b]0;retitled\\x07B\"\n"), std::string::npos) << text;
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
    std::ofstream(data.path() / "notepad.txt", std::ios::binary) << std::string(
        "\xFF\xFE"
        "A\0\n\0",
        6);
#if !defined(_WIN32)
    ASSERT_EQ(mkfifo((data.path() / "pipe.txt").c_str(), 0600), 0);
#endif
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
    std::string shows = c.shows;
    if (auto at = shows.find("{data}"); at != std::string::npos) shows.replace(at, 6, data.path().string());
    EXPECT_NE((out.str() + err.str()).find(shows), std::string::npos) << out.str() << err.str();
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
        CommandCase{"check_data_folder_a_file",
                    {"check", "-d", "{data}/names.txt", "A"},
                    2,
                    "Directory is actually a file: {data}/names.txt"},
        // check reads a names file as build does, and refuses what build refuses.
        CommandCase{"check_names_file_utf16",
                    {"check", "-d", "{data}", "--names", "{data}/notepad.txt"},
                    2,
                    "veltrona-glyphs check: names file '{data}/notepad.txt' is UTF-16"},
        CommandCase{"build_names_file_utf16",
                    {"build", "-d", "{data}", "-f", kCjkFont, "--names", "{data}/notepad.txt"},
                    2,
                    "veltrona-glyphs build: names file '{data}/notepad.txt' is UTF-16"},
        CommandCase{"build_data_folder_a_file",
                    {"build", "-d", "{data}/names.txt", "-c", "U+41"},
                    2,
                    "Directory is actually a file: {data}/names.txt"},
        CommandCase{"build_unknown_set", {"build", "-d", "{data}", "--set", "klingon"}, 2, "klingon"},
        CommandCase{"build_bad_code_point", {"build", "-d", "{data}", "--chars", "U+ZZ"}, 2, "U+ZZ"},
        CommandCase{"build_missing_font",
                    {"build", "-d", "{data}", "-f", "{data}/none.ttf", "-c", "U+41"},
                    1,
                    "none.ttf"},
        CommandCase{"build_font_a_folder",
                    {"build", "-d", "{data}", "-f", "{data}", "-c", "U+41"},
                    2,
                    "veltrona-glyphs build: font '{data}' is a folder, not a font file"},
        CommandCase{"build_missing_face",
                    {"build", "-d", "{data}", "-f", kCjkFont, "--face", "99", "-c", "U+41"},
                    2,
                    "numbered 0 to 9; there is no face 99"},
        CommandCase{"build_writes",
                    {"build", "-d", "{data}", "-f", kCjkFont, "-s", "ascii", "-c", "U+3042"},
                    0,
                    "Wrote 96"}));

// Where a face number can be that large (not on Windows, whose long has 32 bits, so that
// the command line refuses it as it is read). FreeType would read it as face 1.
#if LONG_MAX > 2147483647L
INSTANTIATE_TEST_SUITE_P(Longs, GlyphCommands,
                         testing::Values(CommandCase{
                             "build_face_past_31_bits",
                             {"build", "-d", "{data}", "-f", kCjkFont, "--face", "2147483649", "-c", "U+41"},
                             2,
                             "numbered 0 to 9; there is no face 2147483649"}));
#endif

#if !defined(_WIN32)
// Opening a named pipe would wait for a writer: it is refused before.
INSTANTIATE_TEST_SUITE_P(
    SpecialFiles, GlyphCommands,
    testing::Values(CommandCase{
        "build_names_file_a_named_pipe",
        {"build", "-d", "{data}", "--names", "{data}/pipe.txt"},
        2,
        "veltrona-glyphs build: names file '{data}/pipe.txt' is a named pipe, not a regular file"}));
#endif

}  // namespace
