#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "default_fonts.h"
#include "scratch_folder.h"
#include "test_fonts.h"

namespace {

// A chain's fonts are taken where its folder has them, in the chain's order; the others are
// named, and something else under a font's name is no font.
TEST(DefaultFonts, PresentOnesInTheChainsOrderAndTheOthersNamed) {
    ScratchFolder fonts;
    std::ofstream(fonts.path() / "b.ttf") << "b";
    std::ofstream(fonts.path() / "d.ttf") << "d";
    std::filesystem::create_directory(fonts.path() / "c.ttf");
    const DefaultFont chain[] = {
        {"a.ttf", "A Sans"}, {"b.ttf", "B Sans", 2}, {"c.ttf", "C Sans"}, {"d.ttf", "D Sans"}};

    auto choice = findDefaultFonts({fonts.path(), chain});

    std::vector<std::filesystem::path> installed;
    std::vector<long> faces;
    for (const auto& font : choice.installed) {
        installed.push_back(font.path);
        faces.push_back(font.faceIndex);
    }
    EXPECT_EQ(installed,
              (std::vector<std::filesystem::path>{fonts.path() / "b.ttf", fonts.path() / "d.ttf"}));
    EXPECT_EQ(faces, (std::vector<long>{2, 0}));
    std::vector<std::string> missing;
    for (const auto& font : choice.missing) missing.emplace_back(font.name);
    EXPECT_EQ(missing, (std::vector<std::string>{"A Sans", "C Sans"}));
}

// On Windows the default chain is read from %WINDIR%\Fonts. There the suite gets a Windows
// folder whose fonts are Debian's under Windows names, in the Debian chain's order (a CJK
// font first, then a Latin one, then colour emoji), so that both systems expect the same.
class FontChainFolder : public testing::Test {
protected:
#if defined(_WIN32)
    static void SetUpTestSuite() {
        windows = new ScratchFolder;
        const auto fonts = windows->path() / "Fonts";
        std::filesystem::create_directories(fonts);
        std::filesystem::copy_file(kNotoSansCjk, fonts / "YuGothR.ttc");
        std::filesystem::copy_file(kDejaVuSans, fonts / "seguisym.ttf");
        std::filesystem::copy_file(kNotoColorEmoji, fonts / "seguiemj.ttf");
        _wputenv_s(L"WINDIR", windows->path().c_str());
    }
    static void TearDownTestSuite() {
        delete windows;
        windows = nullptr;
    }
    static inline ScratchFolder* windows = nullptr;
#endif
};

// Which font draws what, as the summary tells: Ł (U+0141) only DejaVu Sans has, 😀 only a
// colour font draws in colour, and ❤ (U+2764), text by default and typed with U+FE0F, both
// fallbacks have: it comes from the colour font, wherever that is in the chain.
struct ChainCase {
    const char* label;
    std::vector<std::string> fontArgs;
    std::vector<std::string> shows;

    friend void PrintTo(const ChainCase& c, std::ostream* os) { *os << c.label; }
};

class FontChain : public FontChainFolder, public testing::WithParamInterface<ChainCase> {};

TEST_P(FontChain, DrawsEachCharacterFromTheFontThatHasIt) {
    const auto& c = GetParam();
    ScratchFolder data;
    std::vector<std::string> args = {"veltrona-glyphs",    "build", "-d",
                                     data.path().string(), "-c",    "U+41,U+141,U+1F600,U+2764"};
    args.insert(args.end(), c.fontArgs.begin(), c.fontArgs.end());
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());

    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runCli(static_cast<int>(argv.size()), argv.data(), out, err, false), 0) << err.str();
    for (const auto& line : c.shows) EXPECT_NE(out.str().find(line), std::string::npos) << out.str();
    const bool fontGiven = std::find(c.fontArgs.begin(), c.fontArgs.end(), "--font") != c.fontArgs.end();
    // Whoever drew with the default fonts is told which.
    EXPECT_EQ(err.str().find("drawing with the default fonts in ") != std::string::npos, !fontGiven)
        << err.str();
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FontChain,
    testing::Values(ChainCase{"no_font_given_uses_the_default_chain",
                              {},
                              {"Wrote 4", "1 of them from the fallback DejaVu Sans",
                               "2 of them from the fallback Noto Color Emoji"}},
                    // A font of one's own means that font alone.
                    ChainCase{
                        "given_font_alone", {"--font", kNotoSansCjk}, {"Wrote 1", "U+0141, U+2764, U+1F600"}},
                    // Given fallbacks replace the default ones, in the given order.
                    ChainCase{"given_fallbacks_in_their_order",
                              {"--fallback", kNotoColorEmoji, "--fallback", kDejaVuSans},
                              {"Wrote 4", "2 of them from the fallback Noto Color Emoji",
                               "1 of them from the fallback DejaVu Sans"}},
                    ChainCase{"given_fallback_replaces_the_defaults",
                              {"--fallback", kNotoColorEmoji},
                              {"Wrote 3", "2 of them from the fallback Noto Color Emoji", "U+0141"}}));

#if defined(_WIN32)
// A Windows with none of the chain's fonts: the build says where it looked and names --font.
TEST(WindowsFonts, NoneFoundIsRefusedNamingTheFontOption) {
    ScratchFolder windows;
    std::filesystem::create_directory(windows.path() / "Fonts");
    _wputenv_s(L"WINDIR", windows.path().c_str());
    ScratchFolder data;
    const std::string folder = data.path().string();
    const char* argv[] = {"veltrona-glyphs", "build", "-d", folder.c_str(), "-c", "U+41"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli(6, argv, out, err, false), 2);
    EXPECT_NE(err.str().find("none of the default fonts is in '" + (windows.path() / "Fonts").string() +
                             "' (segoeui.ttf, YuGothR.ttc"),
              std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("); name a font file with --font"), std::string::npos) << err.str();
    EXPECT_TRUE(std::filesystem::is_empty(data.path()));
}
#endif

}  // namespace
