#include "check_command.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "glyph_code_splitter.h"
#include "build_line.h"
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

// Written out whole: the columns, the notes, the list of missing files and the build line
// are what a user reads. {f} stands for the glyph folder, {d} for the data folder, {ff} for
// a lone 0xFF byte.
constexpr char kCheckOutput[] = R"(Glyph folder "{f}"
Ваня🔥
  412.png       В U+0412
  430.png       а U+0430
  43d.png       н U+043D
  44f.png       я U+044F  MISSING
  1f525.png     🔥 U+1F525  MISSING
Aą
  65.png        A U+0041
  105.png       ą U+0105  own file u105.png MISSING; i's 105.png stands in
{ff}
  ffffffff.png  bytes that are not UTF-8 (u\ffffffff)  MISSING
🔥Ąą
  1f525.png     🔥 U+1F525  MISSING
  104.png       Ą U+0104  MISSING, and so is its own file u104.png
  105.png       ą U+0105  own file u105.png MISSING; i's 105.png stands in
4 names need 9 glyph files; 5 missing:
  1f525.png     for 🔥 U+1F525 in "Ваня🔥" and 1 other name
  44f.png       for я U+044F in "Ваня🔥"
  ffffffff.png  for bytes that are not UTF-8 (u\ffffffff) in "{ff}"
  u104.png      for Ą U+0104 in "🔥Ąą"
  u105.png      for ą U+0105 in "Aą" and 1 other name; i's 105.png stands in
0 of 4 names (0.0 %) drawn whole.
To draw the missing files:
veltrona-glyphs build --data "{d}" --missing --chars U+0104-U+0105,U+044F,U+1F525
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
        replaceAll(replaceAll(replaceAll(kCheckOutput, "{f}", folder.string()), "{d}", data.path().string()),
                   "{ff}", std::string(1, '\xFF'));
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
    EXPECT_NE(out.str().find("\n3 of 4 names (75.0 %) drawn whole.\n"), std::string::npos) << out.str();
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
    EXPECT_NE(text.find("\nA\\x1b]0;retitled\\x07B\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\\u009b31mA\\x7f\n"), std::string::npos) << text;
    EXPECT_NE(text.find(" in \"A\\x1b]0;retitled\\x07B\"\n"), std::string::npos) << text;
}

// ---- A glyph folder that gives no image: said once, not file by file.

enum class Layout { NoAssets, EmptyPng, TooDeep, TooHigh, TooLow, TooLowWithSeparator };

struct FolderCase {
    const char* label;
    Layout layout;
    const char* says;  // {g} stands for the glyph folder check looked in
    const char* hint;  // {n} stands for the data folder that has the set

    friend void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.label; }
};

class UnusableGlyphFolder : public testing::TestWithParam<FolderCase> {};

TEST_P(UnusableGlyphFolder, IsNamedFirstInOneLine) {
    const auto& c = GetParam();
    ScratchFolder root;
    const auto game = root.path() / "data";
    auto given = game;
    auto setIn = game;
    switch (c.layout) {
        case Layout::NoAssets:
            std::filesystem::create_directories(game);
            break;
        case Layout::EmptyPng:
            std::filesystem::create_directories(glyphFolder(game));
            std::ofstream(glyphFolder(game) / "readme.txt") << "not an image";
            break;
        case Layout::TooDeep:  // the player copied "data", not "assets"
            setIn = game / "data";
            break;
        case Layout::TooHigh:
            given = root.path();
            break;
        case Layout::TooLow:
            given = game / "assets";
            break;
        case Layout::TooLowWithSeparator:
            given = game / "assets" / "";
            break;
    }
    if (c.layout != Layout::NoAssets && c.layout != Layout::EmptyPng) {
        std::filesystem::create_directories(glyphFolder(setIn));
        std::ofstream(glyphFolder(setIn) / "65.png") << "png";
    }

    CheckOptions options{given, {"AB", "A"}, {}, {}};
    std::ostringstream out;
    EXPECT_EQ(runCheck(options, out), 1);
    const auto text = out.str();
    const auto firstLine = replaceAll(c.says, "{g}", glyphFolder(given).string());
    EXPECT_TRUE(text.starts_with(firstLine + "\n")) << text;
    EXPECT_NE(text.find(replaceAll(c.hint, "{n}", setIn.string())), std::string::npos) << text;
    EXPECT_EQ(text.find("MISSING"), std::string::npos) << text;
    EXPECT_TRUE(text.ends_with("\n0 of 2 names (0.0 %) drawn whole.\n")) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, UnusableGlyphFolder,
    testing::Values(FolderCase{"no_assets_folder", Layout::NoAssets,
                               "Glyph folder \"{g}\" not found: every character is missing.",
                               "Is --data the game's data folder?"},
                    FolderCase{"no_png_file", Layout::EmptyPng,
                               "Glyph folder \"{g}\" holds no PNG file: every character is missing.",
                               "Is --data the game's data folder?"},
                    FolderCase{"set_one_folder_too_deep", Layout::TooDeep,
                               "Glyph folder \"{g}\" not found: every character is missing.",
                               "is the data folder \"{n}\"?"},
                    FolderCase{"data_one_folder_too_high", Layout::TooHigh,
                               "Glyph folder \"{g}\" not found: every character is missing.",
                               "is the data folder \"{n}\"?"},
                    FolderCase{"data_one_folder_too_low", Layout::TooLow,
                               "Glyph folder \"{g}\" not found: every character is missing.",
                               "is the data folder \"{n}\"?"},
                    FolderCase{"data_too_low_ending_in_a_separator", Layout::TooLowWithSeparator,
                               "Glyph folder \"{g}\" not found: every character is missing.",
                               "is the data folder \"{n}\"?"}),
    [](const testing::TestParamInfo<FolderCase>& info) { return info.param.label; });

// ---- Names whose files are all there and that still read right only as text.

// Every file the names need, so that they are all drawn whole.
void giveEveryFile(const std::vector<std::string>& names, const std::filesystem::path& dataFolder) {
    for (const auto& check : checkNames(names, dataFolder)) {
        for (const auto& glyph : check.glyphs) std::ofstream(glyph.neededFile()) << "png";
    }
}

TEST_F(GlyphCheck, CountsWholeNamesThatReadRightOnlyAsTextApart) {
    const std::vector<std::string> names{
        "Ali",
        "\u0639\u0644\u064A",                          // Arabic
        "\u05E9\u05DC\u05D5\u05DD",                    // Hebrew
        "\U0001F1EF\U0001F1F5",                        // a flag
        "\U0001F468\u200D\U0001F469\u200D\U0001F467",  // a family joined with U+200D
        "Zoe\u0308",                                   // a combining mark
        "\u0928\u092E\u0938\u094D\u0924\u0947",        // Devanagari with its signs
        "さくら",
    };
    giveEveryFile(names, data.path());
    // Not whole: not counted apart, whatever its script.
    auto withMissing = names;
    withMissing.push_back("\u05D0\u05D1\u05D2\u05D3");

    CheckOptions options{data.path(), withMissing, {}, 88.0};
    std::ostringstream out;
    EXPECT_EQ(runCheck(options, out), 0) << "--at-least still counts them whole";
    const auto text = out.str();
    EXPECT_NE(
        text.find("\n8 of 9 names (88.9 %) drawn whole.\n"
                  "drawn whole, but read right only as text: 6\n"
                  "  Glyph images stand apart, one a character, left to right: type \"Veltrona text\" in "
                  "the game's console to set these names whole.\n"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("\n\u0639\u0644\u064A  (reads right only as text: right to left)\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nAli\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\u3055\u304F\u3089\n"), std::string::npos) << text;
}

// ---- The build line check ends with.

// The words of a command line as a shell splits them: double-quoted stretches kept whole.
std::vector<std::string> shellWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

int runCommand(std::vector<std::string> args, std::string& output) {
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(static_cast<int>(argv.size()), argv.data(), out, err, false);
    output = out.str() + err.str();
    return status;
}

// Run as printed (with this machine's fonts named, not the default chain's), the line draws
// exactly what was missing: nothing is missing after, and what was there is left alone.
TEST(CheckBuildLine, DrawsExactlyWhatIsMissing) {
    ScratchFolder root;
    const auto data = root.path() / "Tessarin data";
    std::filesystem::create_directories(glyphFolder(data));
    std::ofstream(glyphFolder(data) / "65.png") << "an A of the player's own";
    std::ofstream(root.path() / "lobby.txt") << "A\u3042\n\u0416\u0105\n\u2764\uFE0FA\n"
                                                "\U0001F468\u200D\U0001F469\n";

    std::string output;
    const std::string names = (root.path() / "lobby.txt").string();
    ASSERT_EQ(runCommand({"veltrona-glyphs", "check", "-d", data.string(), "--names", names}, output), 1);
    const auto lastLine = output.substr(output.rfind('\n', output.size() - 2) + 1);
    EXPECT_EQ(lastLine, "veltrona-glyphs build --data \"" + data.string() +
                            "\" --missing --chars U+0105,U+0416,U+2764,U+3042,U+1F468-U+1F469\n")
        << output;
    // Neither the joiner nor the selector has a file to miss.
    EXPECT_EQ(output.find("U+200D"), std::string::npos) << output;
    EXPECT_EQ(output.find("U+FE0F"), std::string::npos) << output;

    auto build = shellWords(lastLine.substr(0, lastLine.size() - 1));
    for (const char* font : {"-f", kNotoSansCjk, "--fallback", kDejaVuSans, "--fallback", kNotoColorEmoji})
        build.push_back(font);
    ASSERT_EQ(runCommand(build, output), 0) << output;
    EXPECT_NE(output.find("Wrote 6 glyph images"), std::string::npos) << output;

    ASSERT_EQ(runCommand({"veltrona-glyphs", "check", "-d", data.string(), "--names", names}, output), 0)
        << output;
    EXPECT_NE(output.find("all present"), std::string::npos) << output;
    std::ifstream own(glyphFolder(data) / "65.png");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(own), {}), "an A of the player's own");
}

struct LineCase {
    const char* label;
    std::string dataFolder;
    std::vector<CodePoint> characters;
    bool fromNamesFile;
    std::string line;

    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.label; }
};

class BuildLine : public testing::TestWithParam<LineCase> {};

TEST_P(BuildLine, IsOneArgumentAPathAndExact) {
    const auto& c = GetParam();
    std::optional<std::filesystem::path> namesFile;
    if (c.fromNamesFile) namesFile = "lobby.txt";
    EXPECT_EQ(buildLineFor(c.dataFolder, c.characters, namesFile), c.line);
}

std::vector<CodePoint> everyOther(CodePoint first, std::size_t count) {
    std::vector<CodePoint> characters;
    for (std::size_t i = 0; i < count; ++i) characters.push_back(first + 2 * static_cast<CodePoint>(i));
    return characters;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BuildLine,
    testing::Values(
        LineCase{"runs_as_ranges",
                 "data",
                 {0x41, 0x42, 0x43, 0x3042, 0x1F525},
                 false,
                 "veltrona-glyphs build --data \"data\" --missing --chars U+0041-U+0043,U+3042,U+1F525"},
        LineCase{"space_in_path",
                 "my data",
                 {0x41},
                 false,
                 "veltrona-glyphs build --data \"my data\" --missing --chars U+0041"},
        // Too long for a Windows console: the names file draws the same, with --missing.
        LineCase{"long_list_from_a_names_file", "data", everyOther(0x4E00, 1000), true,
                 "veltrona-glyphs build --data \"data\" --missing --names \"lobby.txt\""}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.label; });

#if !defined(_WIN32)
INSTANTIATE_TEST_SUITE_P(PosixShells, BuildLine,
                         testing::Values(LineCase{
                             "dollar_in_path",
                             "$HOME's data",
                             {0x41},
                             false,
                             "veltrona-glyphs build --data '$HOME'\\''s data' --missing --chars U+0041"}),
                         [](const testing::TestParamInfo<LineCase>& info) { return info.param.label; });
#endif

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
        CommandCase{"check_missing_file",
                    {"check", "-d", "{data}", "A\xE3\x81\x82"},
                    1,
                    "\xE3\x81\x82 U+3042  MISSING"},
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
                    {"build", "-d", "{data}", "-f", kNotoSansCjk, "--names", "{data}/notepad.txt"},
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
                    {"build", "-d", "{data}", "-f", kNotoSansCjk, "--face", "99", "-c", "U+41"},
                    2,
                    "numbered 0 to 9; there is no face 99"},
        CommandCase{"build_writes",
                    {"build", "-d", "{data}", "-f", kNotoSansCjk, "-s", "ascii", "-c", "U+3042"},
                    0,
                    "Wrote 96"}));

// Where a face number can be that large (not on Windows, whose long has 32 bits, so that
// the command line refuses it as it is read). FreeType would read it as face 1.
#if LONG_MAX > 2147483647L
INSTANTIATE_TEST_SUITE_P(Longs, GlyphCommands,
                         testing::Values(CommandCase{"build_face_past_31_bits",
                                                     {"build", "-d", "{data}", "-f", kNotoSansCjk, "--face",
                                                      "2147483649", "-c", "U+41"},
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
