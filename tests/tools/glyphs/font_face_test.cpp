// Fonts that cannot be drawn from are refused with a message naming the file and saying
// what is wrong with it.

#include "font_face.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "scratch_folder.h"
#include "tool_error.h"

namespace {

constexpr char kCollection[] = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
constexpr char kSingleFont[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

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

TEST(FontFace, WholeFontsOpenAndAFaceTheCollectionLacksIsNamed) {
    EXPECT_NO_THROW(FontFace({kCollection, 9}));
    EXPECT_NO_THROW(FontFace({kSingleFont, 0}));
    try {
        FontFace face({kCollection, 10});
        FAIL() << "opened face 10";
    } catch (const ToolError& e) {
        EXPECT_NE(std::string(e.what()).find("numbered 0 to 9; there is no face 10"), std::string::npos)
            << e.what();
    }
}

}  // namespace
