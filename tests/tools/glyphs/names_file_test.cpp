#include "names_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "tool_error.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

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
    EXPECT_EQ(charactersOfNames(names), (std::vector<CodePoint>{U' ', U'A', U'b', 0x3042}));
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
        readNamesFile(path);
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
    EXPECT_EQ(charactersOfNames(readNamesFile(path)), std::vector<CodePoint>{0x1F600});
}

// What Notepad saves as "Unicode", with its byte-order mark or without one: refused with
// a message that says what to do, not read as a list of odd characters.
struct RefusedFile {
    const char* label;
    std::string bytes;
    const char* message;  // after the file's path

    friend void PrintTo(const RefusedFile& r, std::ostream* os) { *os << r.label; }
};

class NamesFileUtf16 : public NamesFile, public testing::WithParamInterface<RefusedFile> {};

TEST_P(NamesFileUtf16, IsRefusedSayingToSaveAsUtf8) {
    auto path = write(GetParam().bytes);
    try {
        readNamesFile(path);
        FAIL() << "accepted";
    } catch (const ToolError& e) {
        EXPECT_EQ(std::string(e.what()), "names file '" + path.string() + "' " + GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, NamesFileUtf16,
    testing::Values(RefusedFile{"little_endian",
                                std::string("\xFF\xFE"
                                            "A\0l\0\n\0",
                                            8),
                                "is UTF-16 (Notepad's \"Unicode\"); save the names file as UTF-8"},
                    RefusedFile{"big_endian", std::string("\xFE\xFF\0A\0l\0\n", 8),
                                "is UTF-16 (Notepad's \"Unicode\"); save the names file as UTF-8"}));

TEST_F(NamesFile, NulByteIsRefusedNamingLineAndColumn) {
    auto path = write(std::string("Alice\nA\0l\0\n", 11));
    try {
        readNamesFile(path);
        FAIL() << "accepted";
    } catch (const ToolError& e) {
        EXPECT_EQ(std::string(e.what()),
                  path.string() +
                      ":2:2: a NUL byte, which no name holds (is the file UTF-16?); save "
                      "the names file as UTF-8");
    }
}

TEST_F(NamesFile, WhatIsNotAPlainFileOfNamesIsRefusedUnread) {
    auto large = write("A\n");
    std::filesystem::resize_file(large, (std::uintmax_t{16} << 20) + 1);
    std::vector<std::pair<std::filesystem::path, std::string>> refused = {
        {folder.path(), "' is a folder, not a regular file"},
        {large, "' is 16777217 bytes; a names file is at most 16777216"},
    };
#if !defined(_WIN32)
    // Endless: read, it would fill memory.
    std::filesystem::create_symlink("/dev/zero", folder.path() / "zero.txt");
    refused.push_back({folder.path() / "zero.txt", "' is a device, not a regular file"});
    // Opened, it would wait for a writer.
    ASSERT_EQ(mkfifo((folder.path() / "pipe.txt").c_str(), 0600), 0);
    refused.push_back({folder.path() / "pipe.txt", "' is a named pipe, not a regular file"});
#endif
    for (const auto& [path, message] : refused) {
        try {
            readNamesFile(path);
            ADD_FAILURE() << "read " << path;
        } catch (const BadInput& e) {
            EXPECT_EQ(std::string(e.what()), "names file '" + path.string() + message);
        }
    }
}

}  // namespace
