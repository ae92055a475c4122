// veltrona-glyphs text: names set as text and written as pictures.

#include "text_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "font_face.h"
#include "glyph_geometry.h"
#include "name_image.h"
#include "png_reading.h"
#include "raster_metrics.h"
#include "scratch_folder.h"
#include "test_fonts.h"

namespace {

struct Run {
    int status;
    std::string out;
    std::string err;
};

Run run(std::vector<std::string> args) {
    args.insert(args.begin(), "veltrona-glyphs");
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(static_cast<int>(argv.size()), argv.data(), out, err, false);
    return {status, out.str(), err.str()};
}

TEST(TextCommand, WritesOneNameAsOnePicture) {
    ScratchFolder folder;
    const auto file = folder.path() / "name.png";
    const auto result = run({"text", "Rex\xF0\x9F\x94\xA5", "-o", file.string(), "-f", kNotoSansCjk,
                             "--fallback", kNotoColorEmoji});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto png = readPng(file);
    EXPECT_EQ(png.height, kDefaultTextSize);
    EXPECT_GT(png.width, 40);
    EXPECT_NE(result.out.find("name.png  Rex\xF0\x9F\x94\xA5  ("), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(" x 57 pixels, 4 clusters)"), std::string::npos) << result.out;
}

TEST(TextCommand, WritesANamesFileIntoAFolderNumberedInOrder) {
    ScratchFolder folder;
    std::ofstream(folder.path() / "names.txt") << "Rex\n\xD0\x92\xD0\xB0\xD0\xBD\xD1\x8F\n";
    const auto pictures = folder.path() / "pictures";
    const auto result = run({"text", "--names", (folder.path() / "names.txt").string(), "-o",
                             pictures.string(), "--size", "30", "-f", kNotoSansCjk});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readPng(pictures / "1.png").height, 30);
    EXPECT_EQ(readPng(pictures / "2.png").height, 30);
}

struct RefusedCase {
    const char* label;
    std::vector<std::string> args;  // after "text"; {out} stands for an existing folder
    const char* says;

    friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.label; }
};

class TextRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(TextRefused, WithStatusTwoAndOneLine) {
    ScratchFolder folder;
    std::vector<std::string> args{"text", "-f", kNotoSansCjk};
    for (auto arg : GetParam().args) {
        if (arg == "{out}") arg = folder.path().string();
        args.push_back(arg);
    }
    const auto result = run(args);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find(GetParam().says), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextRefused,
    testing::Values(RefusedCase{"no_name", {"-o", "{out}"}, "give names"},
                    RefusedCase{"no_output", {"Rex"}, "--output"},
                    RefusedCase{
                        "one_name_into_a_folder", {"Rex", "-o", "{out}"}, "is a folder; name the PNG file"},
                    RefusedCase{"size_too_small", {"Rex", "-o", "{out}/a.png", "--size", "2"}, "--size"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.label); });

// A name set as text is as big as its glyph files: at their height, the engine sizes the
// main font as the glyph tool does. (It sits a little higher, with its capitals centred.)
TEST(TextCommand, NamesAreAsBigAsGlyphFiles) {
    TextFonts fonts({{kNotoSansCjk, 0}});
    FontFace face({kNotoSansCjk, 0});
    const auto files = rasterMetrics(face.face());
    const auto text = nameMetrics(fonts, glyph_geometry::kImageHeight);
    EXPECT_EQ(text.pixelsPerEm, files.pixelsPerEm);
    EXPECT_LE(text.baseline, files.baseline);
}

}  // namespace
