#include "names_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "tool_error.h"

namespace {

class NamesFile : public testing::Test {
protected:
    std::filesystem::path write(const std::string& bytes) {
        auto path = folder.path() / "names.txt";
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    ScratchFolder folder;
};

TEST_F(NamesFile, GivesExactlyItsCharacters) {
    // A byte-order mark, Windows line ends and a blank line, as editors leave them: none of
    // them is a character of a name. The space is.
    auto path = write(
        "\xEF\xBB\xBF"
        "A\xE3\x81\x82\r\n\r\nb \xE3\x81\x82\n");
    auto names = readNamesFile(path);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].name, "A\xE3\x81\x82");
    EXPECT_EQ(names[1].lineNumber, 3u);
    EXPECT_EQ(charactersOfNames(names, path), (std::vector<CodePoint>{U' ', U'A', U'b', 0x3042}));
}

TEST_F(NamesFile, MissingFileIsNamed) {
    try {
        readNamesFile(folder.path() / "absent.txt");
        FAIL() << "read a missing file";
    } catch (const ToolError& e) {
        EXPECT_NE(std::string(e.what()).find("absent.txt"), std::string::npos) << e.what();
    }
}

struct BadLine {
    const char* label;
    std::string bytes;

    friend void PrintTo(const BadLine& b, std::ostream* os) { *os << b.label; }
};

class NamesFileNotUtf8 : public NamesFile, public testing::WithParamInterface<BadLine> {};

TEST_P(NamesFileNotUtf8, IsRefusedNamingFileLineAndColumn) {
    std::string lines = "Alice\nB";
    lines += GetParam().bytes;
    lines += '\n';
    auto path = write(lines);
    try {
        charactersOfNames(readNamesFile(path), path);
        FAIL() << "accepted";
    } catch (const ToolError& e) {
        EXPECT_NE(std::string(e.what()).find("names.txt:2:2:"), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Bytes, NamesFileNotUtf8,
                         testing::Values(BadLine{"latin1_e_acute", "\xE9t\xE9"},
                                         BadLine{"stray_continuation", "\x80"},
                                         BadLine{"cut_short", "\xE3\x81"}, BadLine{"overlong", "\xC0\x80"},
                                         BadLine{"surrogate", "\xED\xA0\x80"},
                                         BadLine{"beyond_unicode", "\xF4\x90\x80\x80"}));

TEST_F(NamesFile, FourByteCharactersDecode) {
    auto path = write("\xF0\x9F\x98\x80\n");
    EXPECT_EQ(charactersOfNames(readNamesFile(path), path), std::vector<CodePoint>{0x1F600});
}

}  // namespace
