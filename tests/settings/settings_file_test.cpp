// The player's choices written, read back, and set aside whole when a file is damaged.

#include "settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "scratch_folder.h"

namespace {

namespace fs = std::filesystem;

// A data folder of its own, so that whatever else a writer leaves in it shows.
class SettingsFolder : public testing::Test {
protected:
    void write(const std::string& bytes) const { std::ofstream(file, std::ios::binary) << bytes; }

    std::vector<fs::path> everything() const {
        std::vector<fs::path> paths;
        for (const auto& entry : fs::recursive_directory_iterator(data)) paths.push_back(entry.path());
        return paths;
    }

    ScratchFolder scratch;
    fs::path data = scratch.path();
    fs::path file = data / "settings.txt";
};

const Settings kDefaults{};

class RoundTrip : public SettingsFolder, public testing::WithParamInterface<Settings> {};

TEST_P(RoundTrip, ReadsBackWhatWasWritten) {
    writeSettings(file, GetParam());
    const auto read = readSettings(file);
    EXPECT_EQ(read.state, SettingsState::read) << read.problem;
    EXPECT_TRUE(read.settings == GetParam());
    EXPECT_EQ(everything(), std::vector{file});
}

INSTANTIATE_TEST_SUITE_P(EveryChoice, RoundTrip,
                         testing::Values(Settings{layout::Choice::scaled, NamesChoice::glyphs},
                                         Settings{layout::Choice::scaled, NamesChoice::text},
                                         Settings{layout::Choice::fixed, NamesChoice::glyphs},
                                         Settings{layout::Choice::fixed, NamesChoice::text}));

struct ReadCase {
    const char* label;
    std::string content;
    Settings expected;

    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.label; }
};

class HandWritten : public SettingsFolder, public testing::WithParamInterface<ReadCase> {};

TEST_P(HandWritten, IsUnderstood) {
    write(GetParam().content);
    const auto read = readSettings(file);
    EXPECT_EQ(read.state, SettingsState::read) << read.problem;
    EXPECT_TRUE(read.settings == GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Settings, HandWritten,
                         testing::Values(ReadCase{"empty", "", kDefaults},
                                         ReadCase{"comments_and_blank_lines",
                                                  "# mine\n\n   \n  # indented\nnames=text\n",
                                                  {layout::Choice::scaled, NamesChoice::text}},
                                         ReadCase{"windows_line_ends_and_bom",
                                                  "\xEF\xBB\xBFlayout=fixed\r\nnames=text\r\n",
                                                  {layout::Choice::fixed, NamesChoice::text}},
                                         ReadCase{"spaces_tabs_and_case",
                                                  "  Layout\t =  FIXED \nNAMES=Text",
                                                  {layout::Choice::fixed, NamesChoice::text}},
                                         ReadCase{"a_missing_key_keeps_its_default",
                                                  "layout=fixed\n",
                                                  {layout::Choice::fixed, NamesChoice::glyphs}}),
                         [](const testing::TestParamInfo<ReadCase>& info) {
                             return std::string(info.param.label);
                         });

struct DamagedCase {
    const char* label;
    std::string content;
    const char* problem;

    friend void PrintTo(const DamagedCase& c, std::ostream* os) { *os << c.label; }
};

class Damaged : public SettingsFolder, public testing::WithParamInterface<DamagedCase> {};

// A choice read before the damage is not kept either: the whole file is set aside.
TEST_P(Damaged, GivesTheDefaultsAndSaysWhy) {
    write(GetParam().content);
    const auto read = readSettings(file);
    EXPECT_EQ(read.state, SettingsState::damaged);
    EXPECT_TRUE(read.settings == kDefaults);
    EXPECT_EQ(read.problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, Damaged,
    testing::Values(
        DamagedCase{"key_twice", "layout=fixed\nnames=text\r\n\nlayout=scaled\n",
                    "line 4: layout given twice"},
        DamagedCase{"value_of_the_other_key", "layout=text\n", "line 1: unknown value \"text\" for layout"},
        DamagedCase{"wrong_value", "names=text\nlayout = wide\n",
                    "line 2: unknown value \"wide\" for layout"},
        DamagedCase{"empty_value", "names=\n", "line 1: unknown value \"\" for names"},
        DamagedCase{"unknown_key", "layout=fixed\n# x\ncolour=red\n", "line 3: unknown key \"colour\""},
        DamagedCase{"no_equals", "layout=fixed\nfixed\n", "line 2: no \"=\" in \"fixed\""},
        DamagedCase{"controls_escaped", "layout=fi\x1b[2Jxed\n",
                    "line 1: unknown value \"fi\\x1b[2Jxed\" for layout"},
        DamagedCase{"too_large", "layout=fixed\n" + std::string(4096, '#'), "larger than 4 KiB"}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.label); });

TEST_F(SettingsFolder, AMissingFileGivesTheDefaults) {
    const auto read = readSettings(file);
    EXPECT_EQ(read.state, SettingsState::missing);
    EXPECT_TRUE(read.settings == kDefaults);
    EXPECT_EQ(read.problem, "");
}

TEST_F(SettingsFolder, AFolderInItsPlaceIsDamaged) {
    fs::create_directory(file);
    const auto read = readSettings(file);
    EXPECT_EQ(read.state, SettingsState::damaged);
    EXPECT_EQ(read.problem, "not a regular file");
}

TEST_F(SettingsFolder, AFileAtTheLimitIsRead) {
    const std::string choice = "names=text\n";
    write(choice + std::string(4096 - choice.size(), '\n'));
    EXPECT_EQ(readSettings(file).state, SettingsState::read);
}

TEST_F(SettingsFolder, WritingReplacesADamagedFile) {
    write("layout=wide\n");
    const Settings chosen{layout::Choice::fixed, NamesChoice::text};
    writeSettings(file, chosen);
    const auto read = readSettings(file);
    EXPECT_EQ(read.state, SettingsState::read) << read.problem;
    EXPECT_TRUE(read.settings == chosen);
}

TEST_F(SettingsFolder, WritingCreatesVeltronasFolder) {
    const auto target = settingsFile(data);
    EXPECT_EQ(target, data / "veltrona" / "settings.txt");
    writeSettings(target, {layout::Choice::fixed, NamesChoice::glyphs});
    EXPECT_EQ(readSettings(target).state, SettingsState::read);
}

struct FailedWriteCase {
    const char* label;
    fs::path (*prepare)(const fs::path& data);  // gives the file to write

    friend void PrintTo(const FailedWriteCase& c, std::ostream* os) { *os << c.label; }
};

class FailedWrite : public SettingsFolder, public testing::WithParamInterface<FailedWriteCase> {};

TEST_P(FailedWrite, NamesTheFileAndLeavesNothing) {
    const auto target = GetParam().prepare(data);
    const auto before = everything();
    try {
        writeSettings(target, {layout::Choice::fixed, NamesChoice::text});
        ADD_FAILURE() << "wrote " << target;
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("settings.txt"), std::string::npos) << e.what();
    }
    EXPECT_EQ(everything(), before);
}

INSTANTIATE_TEST_SUITE_P(Settings, FailedWrite,
                         testing::Values(FailedWriteCase{"target_is_a_folder",
                                                         [](const fs::path& data) {
                                                             fs::create_directories(data / "settings.txt");
                                                             return data / "settings.txt";
                                                         }},
                                         FailedWriteCase{"parent_is_a_file",
                                                         [](const fs::path& data) {
                                                             std::ofstream(data / "veltrona") << "x";
                                                             return data / "veltrona" / "settings.txt";
                                                         }}),
                         [](const testing::TestParamInfo<FailedWriteCase>& info) {
                             return std::string(info.param.label);
                         });

}  // namespace
