// Fonts that cannot be drawn from are refused with a message naming the file and saying
// what is wrong with it.

#include "font_face.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "path_text.h"
#include "scratch_folder.h"
#include "tool_error.h"
#include "test_fonts.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace {

constexpr const char* kCollection = kNotoSansCjk;
constexpr const char* kSingleFont = kDejaVuSans;

// A copy of a font cut after `keep` bytes; negative counts from the end.
struct CutCase {
    const char* label;
    const char* font;
    long long keep;
    const char* says;

    friend void PrintTo(const CutCase& c, std::ostream* os) { *os << c.label; }
};

class CutShortFont : public testing::TestWithParam<CutCase> {
protected:
    ScratchFolder folder;
};

TEST_P(CutShortFont, IsCalledDamaged) {
    const auto& c = GetParam();
    const auto size = static_cast<long long>(std::filesystem::file_size(c.font));
    const auto keep = c.keep < 0 ? size + c.keep : c.keep;
    std::vector<char> bytes(static_cast<std::size_t>(keep));
    std::ifstream(c.font, std::ios::binary).read(bytes.data(), keep);
    const auto cut = folder.path() / std::filesystem::path(c.font).filename();
    std::ofstream(cut, std::ios::binary).write(bytes.data(), keep);

    try {
        FontFace face({cut, 0});
        FAIL() << "opened a font cut to " << keep << " of " << size << " bytes";
    } catch (const ToolError& e) {
        EXPECT_EQ(std::string(e.what()), "font '" + cut.string() + "' is damaged (cut short?): " + c.says);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, CutShortFont,
    testing::Values(
        CutCase{"collection_header", kCollection, 10, "it ends within its collection header"},
        CutCase{"collection_list_of_faces", kCollection, 14, "it ends within its list of faces"},
        CutCase{"collection_table_directory", kCollection, 100, "it ends within its table directory"},
        CutCase{"collection_half", kCollection, 10'000'000, "its table 'CFF ' runs past the end of the file"},
        CutCase{"collection_last_kilobyte", kCollection, -1024,
                "its table 'vmtx' runs past the end of the file"},
        CutCase{"font_table_directory", kSingleFont, 100, "it ends within its table directory"},
        CutCase{"font_half", kSingleFont, 380'000, "its table 'glyf' runs past the end of the file"},
        CutCase{"font_last_kilobyte", kSingleFont, -1024, "its table 'prep' runs past the end of the file"}),
    [](const testing::TestParamInfo<CutCase>& info) { return info.param.label; });

TEST(FontFace, WholeFontsOpen) {
    EXPECT_NO_THROW(FontFace({kCollection, 9}));
    EXPECT_NO_THROW(FontFace({kSingleFont, 0}));
}

// A font under a folder whose name is not ASCII (on Windows, outside the ANSI code page)
// opens and draws.
TEST(FontFace, OpensUnderAFolderNamedInAnyScript) {
    ScratchFolder folder;
    const auto font = folder.path() / pathFromUtf8("太郎") / pathFromUtf8("フォント.ttf");
    std::filesystem::create_directories(font.parent_path());
    std::filesystem::copy_file(kSingleFont, font);
    FontFace face({font, 0});
    EXPECT_TRUE(face.has(U'A'));
    EXPECT_EQ(face.name(), "DejaVu Sans Book");
}

// Refused as bad input, with what is wrong in one line: a face the font does not have (even
// one whose low 16 bits, all FreeType reads, name a face it has), or a path that names
// something other than a file.
struct RefusedFontCase {
    const char* label;
    std::string path;  // "{scratch}" stands for the test's folder
    long face;
    std::string says;  // after "font 'PATH' "
    void (*make)(const std::string& path) = nullptr;

    friend void PrintTo(const RefusedFontCase& c, std::ostream* os) { *os << c.label; }
};

class RefusedFont : public testing::TestWithParam<RefusedFontCase> {
protected:
    ScratchFolder folder;
};

TEST_P(RefusedFont, IsBadInputSayingWhy) {
    const auto& c = GetParam();
    auto path = c.path;
    if (auto at = path.find("{scratch}"); at != std::string::npos)
        path.replace(at, 9, folder.path().string());
    if (c.make) c.make(path);
    try {
        FontFace face({path, c.face});
        FAIL() << "opened it";
    } catch (const BadInput& e) {
        EXPECT_EQ(std::string(e.what()), "font '" + path + "' " + c.says);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedFont,
    testing::Values(RefusedFontCase{"face_past_the_collection", kCollection, 10,
                                    "has 10 faces, numbered 0 to 9; there is no face 10"},
                    RefusedFontCase{"face_one_in_its_low_16_bits", kCollection, 65537,
                                    "has 10 faces, numbered 0 to 9; there is no face 65537"},
                    RefusedFontCase{"second_face_of_a_single_font", kSingleFont, 1,
                                    "has 1 face, numbered 0; there is no face 1"},
                    RefusedFontCase{"negative_face", kSingleFont, -2,
                                    "has 1 face, numbered 0; there is no face -2"},
                    RefusedFontCase{"a_folder", "{scratch}", 0, "is a folder, not a font file"}),
    [](const testing::TestParamInfo<RefusedFontCase>& info) { return info.param.label; });

// Where a face number can be that large (not on Windows, whose long has 32 bits).
#if LONG_MAX > 2147483647L
INSTANTIATE_TEST_SUITE_P(Longs, RefusedFont,
                         testing::Values(RefusedFontCase{
                             "face_past_31_bits", kCollection, 2147483649L,
                             "has 10 faces, numbered 0 to 9; there is no face 2147483649"}),
                         [](const testing::TestParamInfo<RefusedFontCase>& info) { return info.param.label; });
#endif

#if !defined(_WIN32)
INSTANTIATE_TEST_SUITE_P(
    SpecialFiles, RefusedFont,
    testing::Values(
        RefusedFontCase{"a_named_pipe", "{scratch}/pipe.ttf", 0, "is a named pipe, not a font file",
                        [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }},
        RefusedFontCase{"a_device", "/dev/null", 0, "is a device, not a font file"}),
    [](const testing::TestParamInfo<RefusedFontCase>& info) { return info.param.label; });
#endif

}  // namespace
